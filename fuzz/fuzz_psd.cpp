// Fuzzes the Photoshop reader on bytes in memory.
#include "FuzzTarget.h"
#include "decode/PsdReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    return fuzzReader(bytes, isPhotoshop(bytes), createPsdReader, QByteArray());
}
