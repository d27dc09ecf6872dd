#include "metadata/PngChunks.h"

#include <QtEndian>

#include <zlib.h>

namespace {

constexpr qsizetype kHeaderEnd = 8 + 4 + 4 + 13 + 4; // signature, then the whole IHDR chunk

bool wellFormedStart(const QByteArray &png)
{
    return png.size() >= kHeaderEnd && png.startsWith("\x89PNG\r\n\x1a\n") && png.mid(12, 4) == "IHDR";
}

// The chunk of this type and data: its length, type, data and CRC.
QByteArray chunk(const char type[4], const QByteArray &data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    out += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))), crc.data());
    return out + crc;
}

} // namespace

QByteArray withPngIccProfile(const QByteArray &png, const QByteArray &icc)
{
    if (icc.isEmpty() || !wellFormedStart(png))
        return png;
    uLongf compressedSize = compressBound(uLong(icc.size()));
    QByteArray compressed(qsizetype(compressedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(compressed.data()), &compressedSize,
                  reinterpret_cast<const Bytef *>(icc.constData()), uLong(icc.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return png;
    compressed.resize(qsizetype(compressedSize));
    // Keyword, its terminator, compression method 0 (deflate), then the profile.
    const QByteArray data = QByteArray("ICC profile", 11) + QByteArray(2, '\0') + compressed;
    return png.left(kHeaderEnd) + chunk("iCCP", data) + png.mid(kHeaderEnd);
}

QByteArray withPngExif(const QByteArray &png, const QByteArray &exif)
{
    if (exif.size() < 8 || !wellFormedStart(png))
        return png;
    return png.left(kHeaderEnd) + chunk("eXIf", exif) + png.mid(kHeaderEnd);
}
