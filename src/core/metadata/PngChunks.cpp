#include "metadata/PngChunks.h"

#include <QCoreApplication>
#include <QtEndian>

#include <optional>

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

constexpr qint64 kMostUnpacked = qint64(16) << 20; // a file's compressed metadata, together

enum class Unpacking { Whole, Damaged, TooLarge };

// Unpacks a zlib stream a buffer at a time, appending the bytes to `out` when given; stops as
// soon as it would pass `most` bytes.
Unpacking unpack(QByteArrayView packed, qint64 most, QByteArray *out, qint64 *size)
{
    z_stream stream {};
    if (inflateInit(&stream) != Z_OK)
        return Unpacking::Damaged;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    char buffer[1 << 14];
    qint64 total = 0;
    int code = Z_OK;
    Unpacking result = Unpacking::Damaged;
    while (code == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        code = inflate(&stream, Z_NO_FLUSH);
        const qint64 got = qint64(sizeof buffer - stream.avail_out);
        total += got;
        if (total > most) {
            result = Unpacking::TooLarge;
            break;
        }
        if (out)
            out->append(buffer, qsizetype(got));
        if (code == Z_STREAM_END)
            result = Unpacking::Whole;
    }
    inflateEnd(&stream);
    *size = total;
    return result;
}

// Unpacks a chunk's text after the fields it starts with: measured first, so only a whole text
// within `most` is ever held, in a buffer of its size.
Unpacking unpackAfter(QByteArray *fields, QByteArrayView packed, qint64 most, qint64 *size)
{
    const Unpacking measured = unpack(packed, most, nullptr, size);
    if (measured != Unpacking::Whole)
        return measured;
    fields->reserve(fields->size() + qsizetype(*size));
    return unpack(packed, most, fields, size);
}

// The length of the zero-terminated field at `from` (a keyword, a language), or -1 when it does
// not end within the chunk.
qsizetype fieldLength(QByteArrayView data, qsizetype from)
{
    const qsizetype end = data.indexOf('\0', from);
    return end < 0 ? -1 : end - from;
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

QByteArray pngMetadataForReading(const QByteArray &png, QStringList *leftOut)
{
    if (!wellFormedStart(png))
        return png;
    QByteArray out = png.left(8);
    bool changed = false;
    qint64 room = kMostUnpacked;
    qsizetype at = 8;
    // Chunk by chunk up to one that runs past the end; what follows is passed on as it is.
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint64(png.size() - at - 12))
            break;
        const QByteArray type = png.mid(at + 4, 4);
        const QByteArrayView data(png.constData() + at + 8, qsizetype(length));
        const qsizetype next = at + 12 + qsizetype(length);
        const bool compressible = type == "zTXt" || type == "iTXt" || type == "iCCP";
        const qsizetype keyword = compressible ? fieldLength(data, 0) : -1;
        // What the chunk becomes: itself, another chunk, or nothing when it cannot be unpacked.
        Unpacking unpacking = compressible ? Unpacking::Damaged : Unpacking::Whole;
        std::optional<QByteArray> replacement;
        qint64 size = 0;
        if (type != "iTXt" && keyword >= 0 && keyword + 2 <= data.size()) {
            // The keyword (or the profile's name), its terminator, the method, the stream.
            const QByteArrayView packed = data.sliced(keyword + 2);
            if (type == "iCCP") {
                unpacking = unpack(packed, room, nullptr, &size); // exiv2 unpacks it again
            } else {
                QByteArray text = data.first(keyword + 1).toByteArray();
                unpacking = unpackAfter(&text, packed, room, &size);
                replacement = chunk("tEXt", text);
            }
        } else if (type == "iTXt" && keyword >= 0 && keyword + 3 <= data.size()) {
            // The keyword, the compression flag and method, the language and translated keyword.
            const qsizetype language = fieldLength(data, keyword + 3);
            const qsizetype translated = language < 0 ? -1 : fieldLength(data, keyword + 3 + language + 1);
            const qsizetype textAt = keyword + 3 + language + 1 + translated + 1;
            if (translated >= 0 && data[keyword + 1] == 0) {
                unpacking = Unpacking::Whole;
            } else if (translated >= 0) {
                QByteArray fields = data.first(textAt).toByteArray();
                fields[keyword + 1] = '\0';
                fields[keyword + 2] = '\0';
                unpacking = unpackAfter(&fields, data.sliced(textAt), room, &size);
                replacement = chunk("iTXt", fields);
            }
        }
        if (unpacking == Unpacking::Whole) {
            room -= size;
            if (type != "IDAT") // exiv2 reads no pixels: a changed copy goes without them
                out += replacement ? *replacement : png.mid(at, next - at);
            changed = changed || replacement.has_value();
        } else {
            QString what = type == "iCCP"
                               ? QCoreApplication::translate("PngChunks", "the PNG's colour profile")
                               : QCoreApplication::translate("PngChunks", "the PNG's %1 chunk")
                                     .arg(QString::fromLatin1(type));
            if (type != "iCCP" && keyword >= 0)
                what += QStringLiteral(" \"%1\"").arg(
                    QString::fromLatin1(data.first(std::min<qsizetype>(keyword, 79))));
            if (leftOut)
                *leftOut << QCoreApplication::translate("PngChunks", "%1 is %2 and is left out")
                                .arg(what,
                                     unpacking == Unpacking::TooLarge
                                         ? QCoreApplication::translate("PngChunks", "too large when unpacked")
                                         : QStringLiteral("damaged"));
            changed = true;
        }
        at = next;
    }
    return changed ? out + png.mid(at) : png;
}
