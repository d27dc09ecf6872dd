// Fuzzes the HEIF and AVIF reader (libheif) through the decoding entry point.
#include "FuzzTarget.h"
#include "decode/HeifReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzDecoder(bytes, isHeif(bytes), "heic");
}
