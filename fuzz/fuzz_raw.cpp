// Fuzzes the camera raw reader (LibRaw), as a .dng, through the decoding entry point.
#include "FuzzTarget.h"
#include "decode/CameraRawReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzDecoder(bytes, isCameraRaw(bytes, "dng"), "dng");
}
