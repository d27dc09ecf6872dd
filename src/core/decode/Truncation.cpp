// Hand-written: giflib reports a truncated file only as a decoding error without saying so, and
// Qt's plugins pass over the error; a walk over the block structure is all that is needed. The
// same for TIFF's directories, which libtiff reads leniently when their values are cut.
#include "decode/Truncation.h"

#include "common/TiffMemoryFile.h"
#include "decode/EpsSource.h"

#include <QtEndian>

#include <algorithm>
#include <set>

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

// Reads TIFF's integers in the file's byte order.
struct TiffBytes {
    const QByteArray &d;
    bool little;
    bool big; // BigTIFF: 8-byte offsets and counts

    bool has(quint64 offset, quint64 bytes) const
    {
        return offset <= quint64(d.size()) && bytes <= quint64(d.size()) - offset;
    }
    quint64 read(quint64 at, int bytes) const
    {
        const char *p = d.constData() + at;
        switch (bytes) {
        case 2:
            return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        case 4:
            return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
        default:
            return little ? qFromLittleEndian<quint64>(p) : qFromBigEndian<quint64>(p);
        }
    }
};

int tiffTypeSize(quint64 type)
{
    switch (type) {
    case 3:
    case 8:
        return 2; // SHORT, SSHORT
    case 4:
    case 9:
    case 11:
    case 13:
        return 4; // LONG, SLONG, FLOAT, IFD
    case 5:
    case 10:
    case 12:
        return 8; // RATIONAL, SRATIONAL, DOUBLE
    case 16:
    case 17:
    case 18:
        return 8; // LONG8, SLONG8, IFD8
    default:
        return 1; // BYTE, ASCII, UNDEFINED and unknown types
    }
}

// The number of pages: directories up to the chain's end, or up to a directory met before (a
// chain that loops back, where libtiff stops too). -1 when a directory, or a value stored
// outside its entry, lies past the end of the file.
int wholeTiffPages(const QByteArray &d)
{
    if (d.size() < 8)
        return -1;
    const bool little = d.startsWith("II");
    const TiffBytes t {d, little,
                       (little ? qFromLittleEndian<quint16>(d.constData() + 2)
                               : qFromBigEndian<quint16>(d.constData() + 2)) == 43};
    const int word = t.big ? 8 : 4;
    if (t.big && d.size() < 16)
        return -1;
    quint64 directory = t.read(t.big ? 8 : 4, word);
    std::set<quint64> seen;
    int pages = 0;
    for (; directory != 0 && pages < 10000 && seen.insert(directory).second; ++pages) {
        const int countBytes = t.big ? 8 : 2;
        if (!t.has(directory, quint64(countBytes)))
            return -1;
        const quint64 entries = t.read(directory, countBytes);
        const quint64 entryBytes = t.big ? 20 : 12;
        if (entries > quint64(d.size()) / entryBytes ||
            !t.has(directory + countBytes, entries * entryBytes + word))
            return -1;
        for (quint64 i = 0; i < entries; ++i) {
            const quint64 entry = directory + countBytes + i * entryBytes;
            const quint64 count = t.read(entry + 4, word);
            const quint64 size = tiffTypeSize(t.read(entry + 2, 2));
            if (count > quint64(d.size()) / size)
                return -1;
            if (count * size > quint64(word) && !t.has(t.read(entry + 4 + word, word), count * size))
                return -1;
        }
        directory = t.read(directory + countBytes + entries * entryBytes, word);
    }
    return pages;
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
    const int pages = wholeTiffPages(data);
    if (pages < 0)
        return true;
    TiffMemoryFile file(data); // libtiff's messages are silenced once, at start
    bool truncated = false;
    if (TIFF *tiff = file.open("r")) {
        // Every page: its strips or tiles within the file, and the next page readable.
        for (int page = 1;; ++page) {
            const bool tiled = TIFFIsTiled(tiff);
            const tstrile_t count = tiled ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
            for (tstrile_t i = 0; i < count && !truncated; ++i) {
                const uint64_t offset = TIFFGetStrileOffset(tiff, i);
                const uint64_t bytes = TIFFGetStrileByteCount(tiff, i);
                truncated = offset > uint64_t(data.size()) || bytes > uint64_t(data.size()) - offset;
            }
            if (truncated || page >= pages || TIFFLastDirectory(tiff))
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
        const quint32 offset = qFromLittleEndian<quint32>(data.constData() + 4);
        postscript = postscript.sliced(
            offset,
            dosPostScriptEnd(data, offset, qFromLittleEndian<quint32>(data.constData() + 8)) - offset);
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
