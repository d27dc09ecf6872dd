// Fuzzes the EPS header split: the DOS-binary section table and the bounding box comments.
#include "decode/EpsSource.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const Result<EpsSource> source = splitEps(bytes);
    // The section must lie inside the input.
    if (source.ok() && source.value().postscript.size() > bytes.size())
        __builtin_trap();
    return 0;
}
