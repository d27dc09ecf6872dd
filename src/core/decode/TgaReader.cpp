// Hand-written: no packaged library reads TGA on its own, and Qt's plugin reads only raw true
// colour with its origin at the bottom.
#include "decode/TgaReader.h"

#include "common/LargeImage.h"
#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <QtEndian>

#include <array>

namespace {

const QString kTruncated = QCoreApplication::translate("TgaReader", "the file is truncated");

struct TgaHeader {
    int idLength = 0;
    int mapType = 0;
    int imageType = 0;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntryBits = 0;
    int width = 0;
    int height = 0;
    int depth = 0;
    int descriptor = 0;

    bool mapped() const { return imageType == 1 || imageType == 9; }
    bool gray() const { return imageType == 3 || imageType == 11; }
    bool runLength() const { return imageType >= 9; }
    int pixelBytes() const { return (depth + 7) / 8; }
    int mapEntryBytes() const { return (mapEntryBits + 7) / 8; }
};

// The header's fields, or false when they do not describe a picture this reader knows.
bool readTgaHeader(const QByteArray &data, TgaHeader *h)
{
    if (data.size() < 18)
        return false;
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    h->idLength = p[0];
    h->mapType = p[1];
    h->imageType = p[2];
    h->mapFirst = qFromLittleEndian<quint16>(p + 3);
    h->mapLength = qFromLittleEndian<quint16>(p + 5);
    h->mapEntryBits = p[7];
    h->width = qFromLittleEndian<quint16>(p + 12);
    h->height = qFromLittleEndian<quint16>(p + 14);
    h->depth = p[16];
    h->descriptor = p[17];
    const bool entryKnown =
        h->mapEntryBits == 15 || h->mapEntryBits == 16 || h->mapEntryBits == 24 || h->mapEntryBits == 32;
    if (h->mapType > 1 || (h->mapType == 1 && !entryKnown) || h->width == 0 || h->height == 0)
        return false;
    switch (h->imageType) {
    case 1:
    case 9:
        return h->mapType == 1 && h->mapLength > 0 && (h->depth == 8 || h->depth == 16);
    case 2:
    case 10:
        return h->depth == 15 || h->depth == 16 || h->depth == 24 || h->depth == 32;
    case 3:
    case 11:
        return h->depth == 8 || h->depth == 16;
    default:
        return false;
    }
}

int widen5(int v)
{
    return (v << 3) | (v >> 2);
}

// One stored colour (a pixel or a map entry) of 15, 16, 24 or 32 bits, little-endian B, G, R, A.
QRgb colourOf(const uchar *p, int bits)
{
    if (bits <= 16) {
        const int v = p[0] | p[1] << 8;
        const int alpha = bits == 15 || (v & 0x8000) ? 255 : 0;
        return qRgba(widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31), alpha);
    }
    return qRgba(p[2], p[1], p[0], bits == 32 ? p[3] : 255);
}

// The stored pixels in file order, raw or run-length: packets may run on from one row to the
// next.
class TgaPixels {
public:
    TgaPixels(const uchar *data, qsizetype size, int pixelBytes, bool runLength)
        : m_data(data), m_size(size), m_pixelBytes(pixelBytes), m_runLength(runLength)
    {
    }
    // The next pixel's bytes; null when the data ends first.
    const uchar *next()
    {
        if (!m_runLength) {
            if (m_size - m_at < m_pixelBytes)
                return nullptr;
            const uchar *p = m_data + m_at;
            m_at += m_pixelBytes;
            return p;
        }
        if (m_left == 0) {
            if (m_at >= m_size)
                return nullptr;
            const uchar packet = m_data[m_at++];
            m_left = (packet & 0x7f) + 1;
            m_repeat = packet & 0x80;
            if (m_repeat) {
                if (m_size - m_at < m_pixelBytes)
                    return nullptr;
                m_pixel = m_data + m_at;
                m_at += m_pixelBytes;
            }
        }
        --m_left;
        if (m_repeat)
            return m_pixel;
        if (m_size - m_at < m_pixelBytes)
            return nullptr;
        const uchar *p = m_data + m_at;
        m_at += m_pixelBytes;
        return p;
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_at = 0;
    int m_pixelBytes;
    bool m_runLength;
    int m_left = 0;
    bool m_repeat = false;
    const uchar *m_pixel = nullptr;
};

// Alpha as the file means it.
enum class TgaAlpha { None, Straight, Premultiplied };

class TgaReader final : public FormatReader {
public:
    explicit TgaReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        if (!readTgaHeader(m_data, &m_header))
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("TgaReader", "not a TGA file this reader knows")};
        m_mapOffset = 18 + qsizetype(m_header.idLength);
        const qsizetype mapBytes =
            m_header.mapType == 1 ? qsizetype(m_header.mapLength) * m_header.mapEntryBytes() : 0;
        m_pixelOffset = m_mapOffset + mapBytes;
        if (m_pixelOffset > m_data.size())
            return {FailureReason::Unsupported, kTruncated};
        m_alpha = alphaKind();
        return {};
    }

    QString formatName() const override { return QStringLiteral("TGA"); }
    QSize size() const override { return QSize(m_header.width, m_header.height); }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_header.width, m_header.height))
            return Failure(FailureReason::TooLarge);
        const TgaHeader &h = m_header;
        const bool grayOut = h.gray() && !(h.depth == 16 && m_alpha != TgaAlpha::None);
        const QImage::Format format = grayOut                         ? QImage::Format_Grayscale8
                                      : m_alpha == TgaAlpha::None     ? QImage::Format_RGB32
                                      : m_alpha == TgaAlpha::Straight ? QImage::Format_ARGB32
                                                                      : QImage::Format_ARGB32_Premultiplied;
        QImage image = allocateLargeImage(size(), format);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);

        // Colour-mapped pixels are indexes into the map, counted from its first entry's index.
        std::vector<QRgb> map;
        if (h.mapped()) {
            map.reserve(size_t(h.mapLength));
            const auto *entries = reinterpret_cast<const uchar *>(m_data.constData()) + m_mapOffset;
            for (int i = 0; i < h.mapLength; ++i)
                map.push_back(colourOf(entries + qsizetype(i) * h.mapEntryBytes(), h.mapEntryBits));
        }
        const bool keepAlpha = m_alpha != TgaAlpha::None;
        auto colour = [&](const uchar *p) -> QRgb {
            QRgb c;
            if (h.mapped()) {
                const int index = (h.depth == 16 ? p[0] | p[1] << 8 : p[0]) - h.mapFirst;
                c = index >= 0 && index < int(map.size()) ? map[size_t(index)] : qRgb(0, 0, 0);
            } else if (h.gray()) {
                c = qRgba(p[0], p[0], p[0], h.depth == 16 ? p[1] : 255);
            } else {
                c = colourOf(p, h.depth);
            }
            return keepAlpha ? c : (c | 0xff000000);
        };

        const bool topDown = h.descriptor & 0x20;
        const bool rightToLeft = h.descriptor & 0x10;
        TgaPixels pixels(reinterpret_cast<const uchar *>(m_data.constData()) + m_pixelOffset,
                         m_data.size() - m_pixelOffset, h.pixelBytes(), h.runLength());
        bool anyAlpha = false;
        for (int row = 0; row < h.height; ++row) {
            uchar *line = image.scanLine(topDown ? row : h.height - 1 - row);
            for (int column = 0; column < h.width; ++column) {
                const uchar *p = pixels.next();
                if (!p)
                    return Failure(FailureReason::Unsupported, kTruncated);
                const int x = rightToLeft ? h.width - 1 - column : column;
                if (grayOut) {
                    line[x] = p[0];
                } else {
                    const QRgb c = colour(p);
                    anyAlpha = anyAlpha || qAlpha(c) != 0;
                    reinterpret_cast<QRgb *>(line)[x] = c;
                }
            }
        }
        if (keepAlpha && !anyAlpha && !m_alphaDeclared) {
            // Alpha bits that are zero everywhere in a file that does not say its alpha is
            // meant: the writer left them unused, as many do; the picture is opaque.
            for (int y = 0; y < image.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    line[x] |= 0xff000000;
            }
            image.reinterpretAsFormat(QImage::Format_RGB32);
        }
        if (image.format() == QImage::Format_ARGB32_Premultiplied)
            image = unpremultiplied(image);
        DecodedImage out;
        out.image = image;
        out.storedSize = size();
        return out;
    }

private:
    // What the alpha bits mean: the TGA 2.0 extension area says (0 none, 3 straight, 4
    // premultiplied; 1 and 2 are data to ignore); without one, the descriptor's alpha bits do.
    TgaAlpha alphaKind()
    {
        const TgaHeader &h = m_header;
        const int sourceBits = h.mapped() ? h.mapEntryBits : h.depth;
        const bool hasAlphaBits = h.gray() ? h.depth == 16 : (sourceBits == 32 || sourceBits == 16);
        if (!hasAlphaBits)
            return TgaAlpha::None;
        const int attributeType = extensionAttributeType();
        if (attributeType >= 0) {
            m_alphaDeclared = attributeType == 3 || attributeType == 4;
            return attributeType == 3   ? TgaAlpha::Straight
                   : attributeType == 4 ? TgaAlpha::Premultiplied
                                        : TgaAlpha::None;
        }
        const int alphaBits = h.descriptor & 0x0f;
        // A 32-bit pixel's fourth byte is alpha even when the descriptor forgets to say so.
        if (alphaBits > 0 || sourceBits == 32 || h.gray())
            return TgaAlpha::Straight;
        return TgaAlpha::None;
    }

    // The extension area's attribute type, or -1 when the file has no TGA 2.0 footer.
    int extensionAttributeType() const
    {
        const QByteArray &d = m_data;
        static const QByteArray signature("TRUEVISION-XFILE.\0", 18);
        if (d.size() < 18 + 26 || !d.endsWith(signature))
            return -1;
        const quint32 offset = qFromLittleEndian<quint32>(d.constData() + d.size() - 26);
        constexpr quint32 kExtensionSize = 495;
        if (offset < 18 || offset > quint64(d.size() - 26) ||
            quint64(d.size() - 26) - offset < kExtensionSize)
            return -1;
        if (qFromLittleEndian<quint16>(d.constData() + offset) < kExtensionSize)
            return -1;
        return uchar(d[qsizetype(offset) + 494]);
    }

    static QImage unpremultiplied(const QImage &image)
    {
        QImage out = image;
        out.reinterpretAsFormat(QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x) {
                const QRgb c = line[x];
                const int a = qAlpha(c);
                if (a == 255)
                    continue;
                if (a == 0) {
                    line[x] = 0;
                    continue;
                }
                auto channel = [a](int v) { return std::min(255, (v * 255 + a / 2) / a); };
                line[x] = qRgba(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)), a);
            }
        }
        return out;
    }

    QByteArray m_data;
    TgaHeader m_header;
    qsizetype m_mapOffset = 0;
    qsizetype m_pixelOffset = 0;
    TgaAlpha m_alpha = TgaAlpha::None;
    bool m_alphaDeclared = false;
};

} // namespace

std::unique_ptr<FormatReader> createTgaReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<TgaReader>(data);
}

bool isTga(const QByteArray &data, const QByteArray &formatHint)
{
    static const std::array<QByteArray, 4> kExtensions = {"tga", "icb", "vda", "vst"};
    const QByteArray hint = formatHint.toLower();
    if (std::find(kExtensions.begin(), kExtensions.end(), hint) == kExtensions.end())
        return false;
    TgaHeader header;
    return readTgaHeader(data, &header);
}
