// PSD and PSB composite images, hand-written: no packaged library reads them for Qt 6 on Debian 12.
// Every length and count read from the file is checked against the bytes that remain before use.
#include "decode/PsdReader.h"
#include "decode/ImageLimits.h"
#include "transform/CmykToSrgb.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

// Reads big-endian values from a byte range; any read past the end sets the cursor bad and
// returns 0, so parsing code checks ok() once per step.
class Cursor {
public:
    Cursor(const QByteArray &data, qsizetype begin, qsizetype end) : m_data(data), m_pos(begin), m_end(end) {}

    bool ok() const { return m_ok; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_ok ? m_end - m_pos : 0; }
    bool skip(quint64 n)
    {
        if (!m_ok || n > quint64(m_end - m_pos))
            return m_ok = false;
        m_pos += qsizetype(n);
        return true;
    }
    quint8 u8() { return quint8(take(1) ? m_data.at(m_pos - 1) : 0); }
    quint16 u16() { return take(2) ? qFromBigEndian<quint16>(m_data.constData() + m_pos - 2) : 0; }
    quint32 u32() { return take(4) ? qFromBigEndian<quint32>(m_data.constData() + m_pos - 4) : 0; }
    quint64 u64() { return take(8) ? qFromBigEndian<quint64>(m_data.constData() + m_pos - 8) : 0; }
    QByteArray bytes(quint64 n)
    {
        const qsizetype start = m_pos;
        return skip(n) ? m_data.mid(start, qsizetype(n)) : QByteArray();
    }

private:
    bool take(qsizetype n)
    {
        if (!m_ok || m_end - m_pos < n)
            return m_ok = false;
        m_pos += n;
        return true;
    }

    const QByteArray &m_data;
    qsizetype m_pos;
    qsizetype m_end;
    bool m_ok = true;
};

enum Mode { Bitmap = 0, Gray = 1, Indexed = 2, Rgb = 3, Cmyk = 4, Multichannel = 7, Duotone = 8, Lab = 9 };

struct Document {
    bool large = false; // PSB
    int channels = 0;
    int width = 0;
    int height = 0;
    int depth = 0;
    int mode = 0;
    QByteArray palette;
    double dpi = 0.0;
    QByteArray icc;
    bool hasRealMergedData = true;
    bool mergedAlpha = false;
    int compression = 0;
    qsizetype channelData = 0; // offset of the first channel's data (or of the RLE counts)
};

void readResources(Cursor block, Document *doc)
{
    while (block.remaining() >= 12) {
        const QByteArray signature = block.bytes(4);
        const quint16 id = block.u16();
        const quint8 nameLength = block.u8();
        block.skip(nameLength + ((nameLength + 1) % 2)); // the name with its length byte is even
        const quint32 size = block.u32();
        if (!block.ok() || size > quint64(block.remaining()))
            return;
        if (signature == "8BIM") {
            Cursor resource = block;
            switch (id) {
            case 1005: { // resolution: horizontal pixels per inch, 16.16 fixed point
                const quint32 fixed = resource.u32();
                if (resource.ok() && size >= 4 && fixed > 0)
                    doc->dpi = fixed / 65536.0;
                break;
            }
            case 1039: // ICC profile
                doc->icc = resource.bytes(size);
                break;
            case 1057: // version info: whether a real composite was saved
                resource.u32();
                if (size >= 5)
                    doc->hasRealMergedData = resource.u8() != 0;
                break;
            default:
                break;
            }
        }
        block.skip(size + (size % 2));
    }
}

Failure damaged(const QString &what)
{
    return {FailureReason::Unsupported, what};
}

Failure parseDocument(const QByteArray &data, Document *doc)
{
    Cursor c(data, 0, data.size());
    if (c.bytes(4) != "8BPS")
        return damaged(QCoreApplication::translate("PsdReader", "not a Photoshop file"));
    const quint16 version = c.u16();
    c.skip(6);
    doc->large = version == 2;
    doc->channels = c.u16();
    const quint32 height = c.u32(), width = c.u32();
    doc->depth = c.u16();
    doc->mode = c.u16();
    const quint32 maxSide = doc->large ? 300000 : 30000;
    if (!c.ok() || (version != 1 && version != 2) || doc->channels < 1 || doc->channels > 56 || width < 1 ||
        height < 1 || width > maxSide || height > maxSide)
        return damaged(QCoreApplication::translate("PsdReader", "the Photoshop header is damaged"));
    doc->width = int(width);
    doc->height = int(height);

    const quint32 colorModeLength = c.u32();
    doc->palette = c.bytes(colorModeLength);
    const quint32 resourcesLength = c.u32();
    const qsizetype resourcesStart = c.position();
    if (c.skip(resourcesLength))
        readResources(Cursor(data, resourcesStart, resourcesStart + qsizetype(resourcesLength)), doc);

    const quint64 layersLength = doc->large ? c.u64() : c.u32();
    const qsizetype layersStart = c.position();
    if (c.ok() && layersLength >= (doc->large ? 10u : 6u) && layersLength <= quint64(c.remaining())) {
        // A negative layer count says the composite's first extra channel is its transparency.
        Cursor layers(data, layersStart, layersStart + qsizetype(layersLength));
        const quint64 layerInfoLength = doc->large ? layers.u64() : layers.u32();
        if (layerInfoLength >= 2)
            doc->mergedAlpha = qint16(layers.u16()) < 0 && layers.ok();
    }
    c.skip(layersLength);
    if (!c.ok())
        return damaged(QCoreApplication::translate("PsdReader", "the Photoshop file is truncated"));
    if (c.remaining() < 2 || !doc->hasRealMergedData)
        return damaged(QCoreApplication::translate(
            "PsdReader", "the file has no composite image (saved without \"Maximize Compatibility\")"));
    doc->compression = c.u16();
    doc->channelData = c.position();
    return {};
}

// PackBits: a count byte n, then n + 1 literal bytes (n >= 0) or one byte repeated 1 - n times.
bool unpackBits(const uchar *in, qsizetype inLength, uchar *out, qsizetype outLength)
{
    qsizetype i = 0, o = 0;
    while (o < outLength) {
        if (i >= inLength)
            return false;
        const int n = qint8(in[i++]);
        if (n >= 0) {
            const qsizetype count = n + 1;
            if (count > inLength - i || count > outLength - o)
                return false;
            std::copy(in + i, in + i + count, out + o);
            i += count;
            o += count;
        } else if (n != -128) {
            const qsizetype count = 1 - n;
            if (i >= inLength || count > outLength - o)
                return false;
            std::fill(out + o, out + o + count, in[i++]);
            o += count;
        }
    }
    return true;
}

// Gives the rows of the composite's channels, decompressed, one at a time.
class ChannelRows {
public:
    ChannelRows(const QByteArray &data, const Document &doc) : m_data(data), m_doc(doc)
    {
        m_rowBytes = qsizetype(doc.width) * (doc.depth / 8);
        m_row.resize(size_t(m_rowBytes));
    }

    Failure prepare()
    {
        const qsizetype rows = qsizetype(m_doc.channels) * m_doc.height;
        Cursor c(m_data, m_doc.channelData, m_data.size());
        if (m_doc.compression == 0) {
            if (quint64(rows) * quint64(m_rowBytes) > quint64(c.remaining()))
                return truncated();
            m_offsets.resize(size_t(rows));
            for (qsizetype r = 0; r < rows; ++r)
                m_offsets[size_t(r)] = {c.position() + r * m_rowBytes, m_rowBytes};
            return {};
        }
        if (m_doc.compression != 1)
            return damaged(QCoreApplication::translate(
                "PsdReader", "the composite uses a compression Photoshop files do not use for it"));
        const qsizetype countBytes = m_doc.large ? 4 : 2;
        if (quint64(rows) * quint64(countBytes) > quint64(c.remaining()))
            return truncated();
        m_offsets.resize(size_t(rows));
        qsizetype next = c.position() + rows * countBytes;
        for (qsizetype r = 0; r < rows; ++r) {
            const quint64 length = m_doc.large ? c.u32() : c.u16();
            if (length > quint64(m_data.size() - next))
                return truncated();
            m_offsets[size_t(r)] = {next, qsizetype(length)};
            next += qsizetype(length);
        }
        return {};
    }

    // The row y of channel ch, or null when its data is damaged.
    const uchar *row(int channel, int y)
    {
        const auto [offset, length] = m_offsets[size_t(qsizetype(channel) * m_doc.height + y)];
        const auto *source = reinterpret_cast<const uchar *>(m_data.constData()) + offset;
        if (m_doc.compression == 0)
            return source;
        return unpackBits(source, length, m_row.data(), m_rowBytes) ? m_row.data() : nullptr;
    }

private:
    static Failure truncated()
    {
        return damaged(QCoreApplication::translate("PsdReader", "the composite image data is truncated"));
    }

    const QByteArray &m_data;
    const Document &m_doc;
    qsizetype m_rowBytes = 0;
    std::vector<std::pair<qsizetype, qsizetype>> m_offsets;
    std::vector<uchar> m_row;
};

// Undoes Photoshop's blending of a transparent composite onto white.
template <typename T> T dematte(T value, T alpha, T full)
{
    if (alpha == 0 || alpha == full)
        return value;
    const qint64 v = (qint64(value) - (qint64(full) - alpha)) * full / alpha;
    return T(std::clamp<qint64>(v, 0, full));
}

class PsdReader final : public FormatReader {
public:
    explicit PsdReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        if (const Failure failure = parseDocument(m_data, &m_doc); failure.failed())
            return failure;
        const bool supportedMode = m_doc.mode == Gray || m_doc.mode == Duotone || m_doc.mode == Rgb ||
                                   m_doc.mode == Cmyk || (m_doc.mode == Indexed && m_doc.depth == 8);
        if (!supportedMode || (m_doc.depth != 8 && m_doc.depth != 16))
            return damaged(QStringLiteral("Photoshop %1 at %2 bits per channel is not supported")
                               .arg(modeName(m_doc.mode))
                               .arg(m_doc.depth));
        if (m_doc.channels < colourChannels())
            return damaged(QCoreApplication::translate("PsdReader", "the Photoshop header is damaged"));
        if (m_doc.mode == Indexed && m_doc.palette.size() < 768)
            return damaged(QCoreApplication::translate("PsdReader", "the colour table is missing"));
        m_doc.mergedAlpha = m_doc.mergedAlpha && m_doc.channels > colourChannels();
        return {};
    }

    QString formatName() const override
    {
        return m_doc.large ? QStringLiteral("PSB") : QStringLiteral("PSD");
    }

    QSize size() const override { return QSize(m_doc.width, m_doc.height); }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_doc.width, m_doc.height))
            return Failure(FailureReason::TooLarge);
        ChannelRows rows(m_data, m_doc);
        if (const Failure failure = rows.prepare(); failure.failed())
            return failure;
        QImage image = m_doc.depth == 16 && m_doc.mode != Cmyk ? decode16(rows) : decode8(rows);
        if (image.isNull())
            return m_allocationFailed ? Failure(FailureReason::OutOfMemory)
                                      : damaged(QCoreApplication::translate(
                                            "PsdReader", "the composite image data is damaged"));
        DecodedImage out;
        out.image = image;
        out.storedSize = image.size();
        out.statedDpi = m_doc.dpi;
        if (m_doc.mode == Cmyk)
            out.convertedToSrgb = true;
        else
            out.iccProfile = m_doc.icc;
        return out;
    }

private:
    int colourChannels() const { return m_doc.mode == Rgb ? 3 : m_doc.mode == Cmyk ? 4 : 1; }

    static QString modeName(int mode)
    {
        switch (mode) {
        case Bitmap:
            return QStringLiteral("bitmap");
        case Indexed:
            return QCoreApplication::translate("PsdReader", "indexed colour");
        case Multichannel:
            return QStringLiteral("multichannel");
        case Lab:
            return QStringLiteral("Lab colour");
        case Gray:
        case Duotone:
            return QStringLiteral("grayscale");
        case Rgb:
            return QStringLiteral("RGB");
        case Cmyk:
            return QStringLiteral("CMYK");
        default:
            return QCoreApplication::translate("PsdReader", "mode %1").arg(mode);
        }
    }

    QImage allocate(QImage::Format format)
    {
        QImage image(m_doc.width, m_doc.height, format);
        m_allocationFailed = image.isNull();
        return image;
    }

    // 8 bits a channel (and 16-bit CMYK, reduced to 8): pixels in QImage's 32-bit layout.
    QImage decode8(ChannelRows &rows)
    {
        const int colours = colourChannels();
        const bool alpha = m_doc.mergedAlpha;
        const bool gray = m_doc.mode == Gray || m_doc.mode == Duotone;
        const int step = m_doc.depth / 8; // 16-bit CMYK keeps each sample's high byte
        QImage image = allocate(gray && !alpha ? QImage::Format_Grayscale8
                                : alpha        ? QImage::Format_ARGB32
                                               : QImage::Format_RGB32);
        if (image.isNull())
            return image;
        std::vector<uchar> alphaPlane(alpha ? size_t(m_doc.width) * size_t(m_doc.height) : 0);
        for (int ch = 0; ch < colours + (alpha ? 1 : 0); ++ch) {
            for (int y = 0; y < m_doc.height; ++y) {
                const uchar *in = rows.row(ch, y);
                if (!in)
                    return QImage();
                uchar *line = image.scanLine(y);
                if (ch == colours) {
                    for (int x = 0; x < m_doc.width; ++x)
                        alphaPlane[size_t(y) * size_t(m_doc.width) + size_t(x)] = in[x * step];
                } else if (gray && !alpha) {
                    for (int x = 0; x < m_doc.width; ++x)
                        line[x] = in[x * step];
                } else {
                    // Byte positions in a little-endian QRgb: blue 0, green 1, red 2. Gray fills
                    // all three; CMYK samples keep their order for the colour conversion.
                    auto *pixels = reinterpret_cast<QRgb *>(line);
                    for (int x = 0; x < m_doc.width; ++x) {
                        const QRgb v = in[x * step];
                        QRgb &p = pixels[x];
                        if (gray)
                            p = 0xff000000u | (v << 16) | (v << 8) | v;
                        else if (m_doc.mode == Indexed)
                            p = qRgb(uchar(m_doc.palette[int(v)]), uchar(m_doc.palette[256 + int(v)]),
                                     uchar(m_doc.palette[512 + int(v)]));
                        else if (m_doc.mode == Cmyk)
                            reinterpret_cast<uchar *>(&p)[ch] = uchar(v);
                        else
                            p = (p & ~(0xffu << (16 - 8 * ch))) | 0xff000000u | (v << (16 - 8 * ch));
                    }
                }
            }
        }
        if (m_doc.mode == Cmyk) {
            if (alpha)
                image.reinterpretAsFormat(QImage::Format_RGB32);
            convertCmykToRgbInPlace(&image, true, m_doc.icc);
            if (alpha)
                image.reinterpretAsFormat(QImage::Format_ARGB32);
        }
        if (alpha) {
            for (int y = 0; y < m_doc.height; ++y) {
                auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < m_doc.width; ++x) {
                    const uchar a = alphaPlane[size_t(y) * size_t(m_doc.width) + size_t(x)];
                    const QRgb p = pixels[x];
                    pixels[x] = qRgba(dematte<uchar>(uchar(qRed(p)), a, 255),
                                      dematte<uchar>(uchar(qGreen(p)), a, 255),
                                      dematte<uchar>(uchar(qBlue(p)), a, 255), a);
                }
            }
        }
        return image;
    }

    // 16 bits a channel, gray or RGB: Grayscale16, or RGBA64 for colour and transparency.
    QImage decode16(ChannelRows &rows)
    {
        const int colours = colourChannels();
        const bool alpha = m_doc.mergedAlpha;
        const bool gray = m_doc.mode == Gray || m_doc.mode == Duotone;
        QImage image = allocate(gray && !alpha ? QImage::Format_Grayscale16
                                : alpha        ? QImage::Format_RGBA64
                                               : QImage::Format_RGBX64);
        if (image.isNull())
            return image;
        const int planes = colours + (alpha ? 1 : 0);
        for (int ch = 0; ch < planes; ++ch) {
            for (int y = 0; y < m_doc.height; ++y) {
                const uchar *in = rows.row(ch, y);
                if (!in)
                    return QImage();
                auto *line = reinterpret_cast<quint16 *>(image.scanLine(y));
                for (int x = 0; x < m_doc.width; ++x) {
                    const quint16 v = qFromBigEndian<quint16>(in + 2 * x);
                    if (gray && !alpha) {
                        line[x] = v;
                    } else if (gray && ch == 0) {
                        line[4 * x] = line[4 * x + 1] = line[4 * x + 2] = v;
                    } else {
                        line[4 * x + (ch == colours ? 3 : ch)] = v;
                        if (!alpha)
                            line[4 * x + 3] = 0xffff;
                    }
                }
            }
        }
        if (alpha) {
            for (int y = 0; y < m_doc.height; ++y) {
                auto *line = reinterpret_cast<quint16 *>(image.scanLine(y));
                for (int x = 0; x < m_doc.width; ++x)
                    for (int c = 0; c < 3; ++c)
                        line[4 * x + c] = dematte<quint16>(line[4 * x + c], line[4 * x + 3], 0xffff);
            }
        }
        return image;
    }

    QByteArray m_data;
    Document m_doc;
    bool m_allocationFailed = false;
};

} // namespace

bool isPhotoshop(const QByteArray &data)
{
    return data.startsWith("8BPS");
}

std::unique_ptr<FormatReader> createPsdReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<PsdReader>(data);
}
