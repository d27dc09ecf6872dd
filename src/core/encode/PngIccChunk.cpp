#include "encode/PngIccChunk.h"

#include <QtEndian>

#include <zlib.h>

QByteArray withPngIccProfile(const QByteArray &png, const QByteArray &icc)
{
    constexpr qsizetype kHeaderEnd = 8 + 4 + 4 + 13 + 4; // signature, then the whole IHDR chunk
    if (icc.isEmpty() || png.size() < kHeaderEnd || !png.startsWith("\x89PNG\r\n\x1a\n") ||
        png.mid(12, 4) != "IHDR")
        return png;

    uLongf compressedSize = compressBound(uLong(icc.size()));
    QByteArray compressed(qsizetype(compressedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(compressed.data()), &compressedSize,
                  reinterpret_cast<const Bytef *>(icc.constData()), uLong(icc.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return png;
    compressed.resize(qsizetype(compressedSize));

    // Keyword, its terminator, compression method 0 (deflate), then the profile.
    const QByteArray body =
        QByteArray("iCCP") + QByteArray("ICC profile", 11) + QByteArray(2, '\0') + compressed;
    QByteArray chunk(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(body.size() - 4), chunk.data());
    chunk += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))), crc.data());
    chunk += crc;
    return png.left(kHeaderEnd) + chunk + png.mid(kHeaderEnd);
}
