// Fuzzes the TGA reader on bytes in memory, named .tga (TGA has no signature).
#include "FuzzTarget.h"
#include "decode/TgaReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzReader(bytes, isTga(bytes, "tga"), createTgaReader, "tga");
}
