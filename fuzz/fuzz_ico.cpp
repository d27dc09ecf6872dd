// Fuzzes the icon and cursor reader (and through it the BMP pixel decoding and the PNG reader) on
// bytes in memory.
#include "FuzzTarget.h"
#include "decode/IcoReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzReader(bytes, isIco(bytes), createIcoReader, "ico");
}
