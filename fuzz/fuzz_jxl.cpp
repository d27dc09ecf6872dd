// Fuzzes the JPEG XL reader (libjxl) through the decoding entry point.
#include "FuzzTarget.h"
#include "decode/JxlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzDecoder(bytes, isJxl(bytes), "jxl");
}
