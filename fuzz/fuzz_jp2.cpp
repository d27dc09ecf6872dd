// Fuzzes the JPEG 2000 reader (OpenJPEG) through the decoding entry point.
#include "FuzzTarget.h"
#include "decode/Jpeg2000Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzDecoder(bytes, isJpeg2000(bytes), "jp2");
}
