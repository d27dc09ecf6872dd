// Hand-written: no well-kept packaged library reads BMP on its own (they come inside whole
// toolkits), and Qt's plugin widens 5-bit channels by a shift, misreads OS/2 palettes, wraps
// run-length runs into the next row and converts cut files without a word.
#include "decode/BmpPixels.h"

#include "common/LargeImage.h"
#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <QtEndian>

#include <QtAlgorithms>

#include <cstdlib>
#include <limits>

namespace {

const QString kTruncated = QCoreApplication::translate("BmpPixels", "the file is truncated");

quint32 le32(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint32>(d.constData() + at);
}
quint16 le16(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint16>(d.constData() + at);
}

// A channel through its mask, scaled so the mask's largest value is 255 (a 5-bit 31 is 255).
struct MaskedChannel {
    quint32 mask = 0;
    int shift = 0;
    quint64 largest = 0;

    explicit MaskedChannel(quint32 m) : mask(m)
    {
        if (mask) {
            shift = int(qCountTrailingZeroBits(mask));
            largest = mask >> shift;
        }
    }
    int operator()(quint32 pixel, int absent) const
    {
        if (!largest)
            return absent;
        const quint64 value = (pixel & mask) >> shift;
        return int((value * 255 + largest / 2) / largest);
    }
};

// Run-length pixels: runs and absolute stretches of indexes (4 or 8 bits) or BGR triples
// (OS/2's 24 bits), end of line, delta moves and end of picture. A run past a row's end is
// clipped, not carried into the next row; pixels never drawn keep index 0 (black for 24 bits).
Failure decodeRunLength(const QByteArray &d, const BmpLayout &l, QImage *image)
{
    const auto *p = reinterpret_cast<const uchar *>(d.constData());
    const qsizetype size = d.size();
    qsizetype at = l.pixelOffset;
    const int pixelBytes = l.coding == BmpLayout::Coding::Rle24 ? 3 : 1;
    int x = 0, row = 0; // row counted in storage order
    auto put = [&](int value, const uchar *bgr) {
        if (x < l.width && row < l.height) {
            uchar *line = image->scanLine(l.topDown ? row : l.height - 1 - row);
            if (bgr)
                reinterpret_cast<QRgb *>(line)[x] = qRgb(bgr[2], bgr[1], bgr[0]);
            else
                line[x] = uchar(value);
        }
        x = std::min(x + 1, l.width); // past the row's end, pixels are clipped
    };
    while (row < l.height) {
        if (size - at < 2) {
            // A last row drawn to its end needs no end of line or of picture after it.
            if (row == l.height - 1 && x >= l.width)
                break;
            return {FailureReason::Unsupported, kTruncated};
        }
        const int count = p[at], second = p[at + 1];
        at += 2;
        if (count > 0) { // a run
            if (pixelBytes == 3) {
                // OS/2's 24-bit runs: the count, then one BGR triple.
                if (size - at < 2)
                    return {FailureReason::Unsupported, kTruncated};
                const uchar bgr[3] = {uchar(second), p[at], p[at + 1]};
                at += 2;
                for (int i = 0; i < count && x < l.width; ++i)
                    put(0, bgr);
            } else {
                for (int i = 0; i < count && x < l.width; ++i)
                    put(l.coding == BmpLayout::Coding::Rle4 ? (i % 2 ? second & 15 : second >> 4) : second,
                        nullptr);
            }
            continue;
        }
        if (second == 0) { // end of line
            x = 0;
            ++row;
        } else if (second == 1) { // end of picture
            break;
        } else if (second == 2) { // delta
            if (size - at < 2)
                return {FailureReason::Unsupported, kTruncated};
            x = std::min(x + p[at], l.width);
            row += p[at + 1];
            at += 2;
        } else { // absolute: `second` pixels, padded to a word
            const qsizetype bytes =
                l.coding == BmpLayout::Coding::Rle4 ? (second + 1) / 2 : qsizetype(second) * pixelBytes;
            const qsizetype padded = (bytes + 1) & ~qsizetype(1);
            if (size - at < bytes)
                return {FailureReason::Unsupported, kTruncated};
            for (int i = 0; i < second; ++i) {
                if (pixelBytes == 3)
                    put(0, p + at + 3 * i);
                else if (l.coding == BmpLayout::Coding::Rle4)
                    put(i % 2 ? p[at + i / 2] & 15 : p[at + i / 2] >> 4, nullptr);
                else
                    put(p[at + i], nullptr);
            }
            at += std::min(padded, size - at);
        }
    }
    return {};
}

} // namespace

Result<BmpLayout> readBmpLayout(const QByteArray &d, qsizetype infoOffset, qsizetype pixelOffset,
                                bool iconEntry)
{
    if (infoOffset < 0 || d.size() - infoOffset < 12)
        return Failure(FailureReason::Unsupported, kTruncated);
    const quint32 headerSize = le32(d, infoOffset);
    const bool core = headerSize == 12;
    // Windows: 40, 52 and 56 (Adobe's masks), 108 (V4), 124 (V5); OS/2 2.x: 16 to 64.
    const bool os2 = !core && headerSize >= 16 && headerSize <= 64 && headerSize != 40 && headerSize != 52 &&
                     headerSize != 56;
    if (!core && !os2 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return Failure(
            FailureReason::Unsupported,
            QCoreApplication::translate("BmpPixels", "unknown bitmap header of %1 bytes").arg(headerSize));
    if (quint64(d.size() - infoOffset) < headerSize)
        return Failure(FailureReason::Unsupported, kTruncated);
    // Fields a shorter OS/2 header leaves out read as zero.
    auto field32 = [&](quint32 at) { return at + 4 <= headerSize ? le32(d, infoOffset + at) : 0u; };
    auto field16 = [&](quint32 at) { return at + 2 <= headerSize ? le16(d, infoOffset + at) : quint16(0); };

    BmpLayout l;
    qint64 width, height;
    quint32 compression = 0, colours = 0;
    if (core) {
        width = le16(d, infoOffset + 4);
        height = qint16(le16(d, infoOffset + 6));
        l.bits = le16(d, infoOffset + 10);
    } else {
        width = qint32(field32(4));
        height = qint32(field32(8));
        l.bits = field16(14);
        compression = field32(16);
        colours = field32(32);
        const quint32 xPerMetre = field32(24);
        if (xPerMetre > 0)
            l.dpi = xPerMetre * 0.0254;
    }
    if (iconEntry)
        height /= 2; // the picture, then its mask
    l.topDown = height < 0;
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min())
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("BmpPixels", "the bitmap has no pixels"));
    if (width > kMaxImageSide || std::abs(height) > kMaxImageSide)
        return Failure(FailureReason::TooLarge);
    l.width = int(width);
    l.height = int(std::abs(height));

    using C = BmpLayout::Coding;
    switch (compression) {
    case 0:
        l.coding = C::Plain;
        break;
    case 1:
        l.coding = C::Rle8;
        break;
    case 2:
        l.coding = C::Rle4;
        break;
    case 3: // OS/2's Huffman 1D, else bit fields
        if (os2)
            return Failure(FailureReason::Unsupported,
                           QStringLiteral("Huffman-coded OS/2 bitmaps are not read"));
        l.coding = C::Bitfields;
        break;
    case 4: // OS/2's 24-bit run-length, else JPEG
        l.coding = os2 ? C::Rle24 : C::Jpeg;
        break;
    case 5:
        l.coding = C::Png;
        break;
    case 6:
        l.coding = C::Bitfields;
        break;
    default:
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("BmpPixels", "unknown bitmap coding %1").arg(compression));
    }
    const bool bitsFit = (l.coding == C::Plain && (l.bits == 1 || l.bits == 2 || l.bits == 4 || l.bits == 8 ||
                                                   l.bits == 16 || l.bits == 24 || l.bits == 32)) ||
                         (l.coding == C::Rle8 && l.bits == 8) || (l.coding == C::Rle4 && l.bits == 4) ||
                         (l.coding == C::Rle24 && l.bits == 24) ||
                         (l.coding == C::Bitfields && (l.bits == 16 || l.bits == 24 || l.bits == 32)) ||
                         l.coding == C::Jpeg || l.coding == C::Png;
    if (!bitsFit)
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("BmpPixels", "%1 bits a pixel with coding %2")
                           .arg(l.bits)
                           .arg(compression));

    // Masks: in the header from 52 bytes on, else after a 40-byte header (three, or four for
    // alpha bit fields).
    qsizetype paletteOffset = infoOffset + headerSize;
    if (l.coding == C::Bitfields) {
        if (headerSize >= 52) {
            for (int i = 0; i < 4; ++i)
                l.masks[i] = field32(40 + 4 * i);
            l.alphaMask = headerSize >= 56 && l.masks[3] != 0;
        } else {
            const int count = compression == 6 ? 4 : 3;
            if (d.size() - paletteOffset < 4 * count)
                return Failure(FailureReason::Unsupported, kTruncated);
            for (int i = 0; i < count; ++i)
                l.masks[i] = le32(d, paletteOffset + 4 * i);
            l.alphaMask = count == 4 && l.masks[3] != 0;
            paletteOffset += 4 * count;
        }
    } else if (l.bits == 16) {
        l.masks[0] = 0x7c00, l.masks[1] = 0x03e0, l.masks[2] = 0x001f;
    } else if (l.bits == 32) {
        l.masks[0] = 0xff0000, l.masks[1] = 0xff00, l.masks[2] = 0xff;
    }
    if (l.coding == C::Plain && l.bits == 32)
        l.masks[3] = 0xff000000; // the fourth byte: alpha only where it is known to be (icons)

    // The palette: as many entries as the header says (all 2^bits when it says 0), never more
    // than lie between the header and the pixels.
    if (l.bits <= 8) {
        const int entryBytes = core ? 3 : 4;
        qint64 count = qint64(1) << l.bits;
        if (colours > 0 && colours < quint32(count))
            count = colours;
        if (pixelOffset >= paletteOffset)
            count = std::min<qint64>(count, (pixelOffset - paletteOffset) / entryBytes);
        if (d.size() - paletteOffset < count * entryBytes)
            return Failure(FailureReason::Unsupported, kTruncated);
        for (qint64 i = 0; i < count; ++i) {
            const auto *e = reinterpret_cast<const uchar *>(d.constData()) + paletteOffset + i * entryBytes;
            l.palette.append(qRgb(e[2], e[1], e[0]));
        }
        if (pixelOffset < 0)
            pixelOffset = paletteOffset + count * entryBytes;
    }
    if (pixelOffset < 0)
        pixelOffset = paletteOffset;
    l.pixelOffset = pixelOffset;
    l.rowBytes = ((qint64(l.width) * l.bits + 31) / 32) * 4;

    // A V5 header's embedded profile; its offset counts from the start of the header.
    constexpr quint32 kEmbedded = 0x4D424544; // 'MBED'
    if (headerSize >= 124 && field32(56) == kEmbedded) {
        const quint64 at = quint64(infoOffset) + field32(112), bytes = field32(116);
        if (bytes > 0 && at <= quint64(d.size()) && bytes <= quint64(d.size()) - at)
            l.iccProfile = d.mid(qsizetype(at), qsizetype(bytes));
    }
    return l;
}

Result<QImage> decodeBmpPixels(const QByteArray &d, const BmpLayout &l)
{
    using C = BmpLayout::Coding;
    if (l.coding == C::Jpeg || l.coding == C::Png)
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("BmpPixels", "a bitmap holding a JPEG or PNG file"));
    if (exceedsImageLimits(l.width, l.height))
        return Failure(FailureReason::TooLarge);
    const bool indexed = l.bits <= 8;
    const QImage::Format format = indexed       ? QImage::Format_Indexed8
                                  : l.alphaMask ? QImage::Format_ARGB32
                                                : QImage::Format_RGB32;
    QImage image = allocateLargeImage(QSize(l.width, l.height), format);
    if (image.isNull())
        return Failure(FailureReason::OutOfMemory);
    if (indexed) {
        QList<QRgb> table = l.palette;
        while (table.size() < (1 << l.bits))
            table.append(qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    if (l.coding == C::Rle8 || l.coding == C::Rle4 || l.coding == C::Rle24) {
        image.fill(indexed ? 0u : qRgb(0, 0, 0));
        if (const Failure failure = decodeRunLength(d, l, &image); failure.failed())
            return failure;
        return image;
    }

    // Plain and bit-field rows; the last row need not carry its padding.
    const qint64 lastRow = (qint64(l.width) * l.bits + 7) / 8;
    if (l.pixelOffset > d.size() ||
        quint64(d.size() - l.pixelOffset) < quint64(l.rowBytes) * quint64(l.height - 1) + quint64(lastRow))
        return Failure(FailureReason::Unsupported, kTruncated);
    const MaskedChannel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]),
        alpha(l.alphaMask ? l.masks[3] : 0);
    const int bytesPerPixel = l.bits / 8;
    bool anyAlpha = false;
    for (int row = 0; row < l.height; ++row) {
        const auto *in =
            reinterpret_cast<const uchar *>(d.constData()) + l.pixelOffset + qsizetype(row) * l.rowBytes;
        uchar *line = image.scanLine(l.topDown ? row : l.height - 1 - row);
        if (indexed) {
            const int perByte = 8 / l.bits, mask = (1 << l.bits) - 1;
            for (int x = 0; x < l.width; ++x)
                line[x] = uchar((in[x / perByte] >> (8 - l.bits * (x % perByte + 1))) & mask);
            continue;
        }
        auto *out = reinterpret_cast<QRgb *>(line);
        if (l.bits == 24 && l.coding == C::Plain) {
            for (int x = 0; x < l.width; ++x, in += 3)
                out[x] = qRgb(in[2], in[1], in[0]);
            continue;
        }
        for (int x = 0; x < l.width; ++x, in += bytesPerPixel) {
            const quint32 v = bytesPerPixel == 2   ? quint32(in[0] | in[1] << 8)
                              : bytesPerPixel == 3 ? quint32(in[0] | in[1] << 8 | in[2] << 16)
                                                   : qFromLittleEndian<quint32>(in);
            out[x] = qRgba(red(v, 0), green(v, 0), blue(v, 0), alpha(v, 255));
            anyAlpha = anyAlpha || qAlpha(out[x]) != 0;
        }
    }
    if (l.alphaMask && !anyAlpha) {
        // An alpha mask whose values are zero everywhere: the writer did not fill it, and the
        // picture is opaque (as browsers take it).
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xff000000;
        }
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    return image;
}
