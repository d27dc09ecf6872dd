// Hand-written: giflib reports a truncated file only as a decoding error without saying so, and
// Qt's plugins pass over the error; a walk over the block structure is all that is needed.
#include "decode/Truncation.h"

#include "common/TiffMemoryFile.h"

#include <QtEndian>

#include <algorithm>

namespace {

// Skips a chain of data sub-blocks; false when it runs past the end.
bool skipSubBlocks(const QByteArray &d, qsizetype &pos)
{
    for (;;) {
        if (pos >= d.size())
            return false;
        const int length = uchar(d[pos++]);
        if (length == 0)
            return true;
        pos += length;
    }
}

qsizetype colourTableBytes(uchar flags)
{
    return (flags & 0x80) ? 3 * (qsizetype(1) << ((flags & 7) + 1)) : 0;
}

} // namespace

bool gifIsTruncated(const QByteArray &d)
{
    if (d.size() < 13)
        return true;
    qsizetype pos = 13 + colourTableBytes(uchar(d[10]));
    bool sawImage = false;
    for (;;) {
        // Some encoders leave out the trailer: whole blocks up to the end are a whole file.
        if (pos >= d.size())
            return !sawImage;
        const uchar block = uchar(d[pos++]);
        if (block == 0x3B) // the trailer
            return false;
        if (block == 0x21) { // an extension: its label, then sub-blocks
            ++pos;
            if (!skipSubBlocks(d, pos))
                return true;
        } else if (block == 0x2C) { // an image: descriptor, local table, code size, data
            if (pos + 9 > d.size())
                return true;
            pos += 9 + colourTableBytes(uchar(d[pos + 8]));
            ++pos;
            if (!skipSubBlocks(d, pos))
                return true;
            sawImage = true;
        } else {
            return false; // not a block: damage of another kind, for the decoder
        }
    }
}

bool tiffIsTruncated(const QByteArray &data)
{
    TiffMemoryFile file(data); // libtiff's messages are silenced once, at start
    bool truncated = false;
    if (TIFF *tiff = file.open("r")) {
        // Every page: its strips or tiles within the file, and the next page readable.
        for (;;) {
            const bool tiled = TIFFIsTiled(tiff);
            const tstrile_t count = tiled ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
            for (tstrile_t i = 0; i < count && !truncated; ++i) {
                const uint64_t offset = TIFFGetStrileOffset(tiff, i);
                const uint64_t bytes = TIFFGetStrileByteCount(tiff, i);
                truncated = offset > uint64_t(data.size()) || bytes > uint64_t(data.size()) - offset;
            }
            if (truncated || TIFFLastDirectory(tiff))
                break;
            if (!TIFFReadDirectory(tiff)) {
                truncated = true;
                break;
            }
        }
        TIFFClose(tiff);
    }
    return truncated;
}

bool epsIsTruncated(const QByteArray &data)
{
    QByteArrayView postscript(data);
    if (data.startsWith("\xC5\xD0\xD3\xC6")) {
        if (data.size() < 30)
            return true;
        // PostScript, WMF preview, TIFF preview: offset and length each.
        for (const int field : {4, 12, 20}) {
            const quint64 offset = qFromLittleEndian<quint32>(data.constData() + field);
            const quint64 length = qFromLittleEndian<quint32>(data.constData() + field + 4);
            if (offset + length > quint64(data.size()))
                return true;
        }
        postscript = postscript.sliced(qFromLittleEndian<quint32>(data.constData() + 4),
                                       qFromLittleEndian<quint32>(data.constData() + 8));
    }
    const qsizetype firstLineEnd = postscript.indexOf('\n');
    const QByteArrayView firstLine = postscript.first(firstLineEnd < 0 ? postscript.size() : firstLineEnd);
    if (!firstLine.startsWith("%!PS-Adobe-") || !firstLine.contains("EPSF"))
        return false;
    if (postscript.last(std::min<qsizetype>(postscript.size(), 4096)).contains("%%EOF"))
        return false;
    const char last = postscript.back();
    return last != '\n' && last != '\r' && last != '\x04';
}
