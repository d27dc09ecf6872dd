// Fuzzes the BMP reader on bytes in memory.
#include "decode/BmpReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!isBmp(bytes))
        return 0;
    std::unique_ptr<FormatReader> reader = createBmpReader(bytes, "bmp");
    if (reader->readHeader().failed())
        return 0;
    // Large claims are refused by the size limit, which the tests cover; keep runs fast.
    const QSize claimed = reader->size();
    if (qint64(claimed.width()) * claimed.height() > 4'000'000)
        return 0;
    reader->read(QSize());
    return 0;
}
