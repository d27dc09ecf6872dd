// TIFF through libtiff directly, as PNG through libpng: Qt's plugin squeezes 16-bit planar
// pictures, refuses 12-bit samples and 16-bit tiled planes, and drops 16 bits to 8.
#include "decode/TiffReader.h"

#include "common/LargeImage.h"
#include "common/SpareCores.h"
#include "common/TiffMemoryFile.h"
#include "decode/ImageLimits.h"
#include "decode/TiffSamples.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>

namespace {

struct TiffCloser {
    void operator()(TIFF *t) const { TIFFClose(t); }
};

// Where one sample goes in the picture.
enum class Target { Skip, Red, Green, Blue, Alpha, GrayToRgb, Gray, Index };

class TiffReader final : public FormatReader {
public:
    explicit TiffReader(const QByteArray &data) : m_file(data) {}

    Failure readHeader() override
    {
        m_tiff.reset(m_file.open("r"));
        if (!m_tiff)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("TiffReader", "not a readable TIFF")};
        TIFF *tiff = m_tiff.get();
        useLargestTiffPage(tiff);
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        m_size = QSize(int(std::min<uint32_t>(width, INT32_MAX)), int(std::min<uint32_t>(height, INT32_MAX)));
        m_dpi = tiffDpi(tiff);
        m_icc = tiffProfile(tiff);
        uint16_t planar = PLANARCONFIG_CONTIG;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
        m_separatePlanes = planar == PLANARCONFIG_SEPARATE;
        // A band holds a row of tiles, or some rows of strips.
        uint32_t tileHeight = 0, stripRows = 0;
        if (TIFFIsTiled(tiff) && TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileHeight))
            m_bandRows = int(std::max<uint32_t>(1, std::min(tileHeight, height)));
        // Strips said to be longer than the page libtiff reads only whole.
        m_rowsReadable =
            TIFFIsTiled(tiff) || !TIFFGetField(tiff, TIFFTAG_ROWSPERSTRIP, &stripRows) || stripRows <= height;
        planLayout();
        return {};
    }

    QString formatName() const override { return QStringLiteral("TIFF"); }
    QSize size() const override { return m_size; }

    qint64 decodedBytes(QSize) const override
    {
        // A palette picture is turned into true colour after it is decoded: both at once.
        const int bytes = m_format == QImage::Format_Invalid ? 4
                          : m_format == QImage::Format_Indexed8
                              ? 5
                              : QImage::toPixelFormat(m_format).bitsPerPixel() / 8;
        return qint64(m_size.width()) * m_size.height() * bytes;
    }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        Result<QImage> image = m_format == QImage::Format_Invalid ? throughRgbaInterface() : ownPath();
        if (!image.ok() && image.failure().reason == FailureReason::Unsupported &&
            m_format != QImage::Format_Invalid) {
            // Strips libtiff cannot read a row at a time (a rows-per-strip value past the
            // picture's height, some codecs) it may still read whole.
            Result<QImage> whole = throughRgbaInterface();
            if (whole.ok())
                image = whole;
        }
        if (!image.ok())
            return image.failure();
        DecodedImage out = facts();
        out.image = image.value();
        return out;
    }

    // Rows in order, a strip's or a row of tiles at a time, from pages whose samples lie
    // together (separate planes come one after another) and are not palette indexes.
    bool givesRows() const override
    {
        return m_format != QImage::Format_Invalid && m_format != QImage::Format_Indexed8 &&
               !m_separatePlanes && m_rowsReadable;
    }

    qint64 streamedBytes(QSize) const override
    {
        // The band, libtiff's strip or tile, and the unpacked samples of a tile's row.
        const qint64 rowBytes = qint64(m_size.width()) * QImage::toPixelFormat(m_format).bitsPerPixel() / 8;
        const qint64 strip = TIFFIsTiled(m_tiff.get()) ? qint64(TIFFTileSize(m_tiff.get()))
                                                       : qint64(TIFFStripSize(m_tiff.get()));
        return rowBytes * bandRows() + std::max<qint64>(0, strip) + qint64(m_size.width()) * 8 * 2;
    }

    Result<DecodedImage> readRows(QSize, RowSink *sink) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        const int rows = bandRows();
        QImage band = allocateLargeImage(QSize(m_size.width(), rows), m_format);
        if (band.isNull())
            return Failure(FailureReason::OutOfMemory);
        prepare(&band);
        // Begun with the first band, so a page libtiff reads only whole can still be given.
        bool begun = false;
        int top = 0; // the picture's row the band's first row is
        Failure sinkFailure;
        const auto give = [&](int count) {
            if (sinkFailure.failed())
                return;
            if (m_premultiplied)
                unpremultiply(&band, count);
            if (!begun) {
                begun = true;
                sinkFailure = sink->begin(m_size, m_format, facts());
            }
            if (!sinkFailure.failed())
                sinkFailure = sink->take(band.bits(), band.bytesPerLine(), count);
            prepare(&band);
        };
        std::vector<uchar> discarded;
        const Failure failure =
            decodeSamples(m_tiff.get(), 0, uint32_t(m_size.height()), [&](uint32_t y) -> uchar * {
                for (; int(y) >= top + rows; top += rows)
                    give(rows);
                if (sinkFailure.failed() || int(y) < top) {
                    // The sink wants no more: the rest is decoded into one row and dropped.
                    discarded.resize(size_t(band.bytesPerLine()));
                    return discarded.data();
                }
                return band.scanLine(int(y) - top);
            });
        if (failure.failed()) {
            if (begun || failure.reason != FailureReason::Unsupported)
                return failure;
            Result<QImage> whole = throughRgbaInterface();
            if (!whole.ok())
                return failure;
            if (Failure begin = sink->begin(m_size, whole.value().format(), facts()); begin.failed())
                return begin;
            if (Failure take =
                    sink->take(whole.value().bits(), whole.value().bytesPerLine(), m_size.height());
                take.failed())
                return take;
            return facts();
        }
        if (top < m_size.height())
            give(m_size.height() - top);
        if (sinkFailure.failed())
            return sinkFailure;
        return facts();
    }

private:
    // Decides the picture's format and where each sample goes; leaves the format invalid for
    // pages only libtiff's RGBA interface reads.
    void planLayout()
    {
        TIFF *tiff = m_tiff.get();
        uint16_t photometric = 0, samples = 1, bits = 1, sampleFormat = SAMPLEFORMAT_UINT, compression = 0;
        const bool hasPhotometric = TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
        if (!hasPhotometric || bits == 0 || bits > 16 ||
            (sampleFormat != SAMPLEFORMAT_UINT && sampleFormat != SAMPLEFORMAT_VOID))
            return;
        if (photometric == PHOTOMETRIC_YCBCR && compression == COMPRESSION_JPEG) {
            // libjpeg turns the samples into RGB, subsampled or not.
            TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
            photometric = PHOTOMETRIC_RGB;
        }
        int colours = 0;
        bool gray = false;
        switch (photometric) {
        case PHOTOMETRIC_MINISWHITE:
        case PHOTOMETRIC_MINISBLACK:
            colours = 1;
            gray = true;
            m_inverted = photometric == PHOTOMETRIC_MINISWHITE;
            break;
        case PHOTOMETRIC_RGB:
            colours = 3;
            break;
        case PHOTOMETRIC_PALETTE:
            colours = 1;
            break;
        default:
            return;
        }
        if (samples < colours || samples > 16)
            return;
        // The first extra sample is alpha when the file says so; other extras are passed over.
        uint16_t extraCount = 0;
        uint16_t *extraTypes = nullptr;
        bool alpha = false;
        if (samples > colours && TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes) &&
            extraCount > 0 && extraTypes) {
            alpha = extraTypes[0] == EXTRASAMPLE_ASSOCALPHA || extraTypes[0] == EXTRASAMPLE_UNASSALPHA;
            m_premultiplied = extraTypes[0] == EXTRASAMPLE_ASSOCALPHA;
        }
        const bool deep = bits > 8;
        m_targets.assign(samples, Target::Skip);
        if (photometric == PHOTOMETRIC_PALETTE) {
            uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
            if (bits > 8 || alpha || !TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue))
                return;
            const int entries = 1 << bits;
            // Some writers store 8-bit values in the 16-bit map.
            bool eightBit = true;
            for (int i = 0; i < entries; ++i)
                eightBit = eightBit && red[i] < 256 && green[i] < 256 && blue[i] < 256;
            auto channel = [eightBit](uint16_t v) {
                return eightBit ? int(v) : (int(v) * 255 + 32767) / 65535;
            };
            for (int i = 0; i < entries; ++i)
                m_palette.append(qRgb(channel(red[i]), channel(green[i]), channel(blue[i])));
            m_targets[0] = Target::Index;
            m_format = QImage::Format_Indexed8;
            m_bits = bits;
            return;
        }
        if (gray) {
            m_targets[0] = alpha ? Target::GrayToRgb : Target::Gray;
            m_format = alpha ? (deep ? QImage::Format_RGBA64 : QImage::Format_ARGB32)
                             : (deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
        } else {
            m_targets[0] = Target::Red;
            m_targets[1] = Target::Green;
            m_targets[2] = Target::Blue;
            m_format = alpha ? (deep ? QImage::Format_RGBA64 : QImage::Format_ARGB32)
                             : (deep ? QImage::Format_RGBX64 : QImage::Format_RGB32);
        }
        if (alpha)
            m_targets[size_t(colours)] = Target::Alpha;
        m_bits = bits;
    }

    DecodedImage facts() const
    {
        DecodedImage out;
        out.storedSize = m_size;
        out.statedDpi = m_dpi;
        out.iccProfile = m_icc;
        return out;
    }

    int bandRows() const { return m_bandRows; }

    // Before the samples are stored: the palette, or every pixel opaque until an alpha sample
    // says otherwise.
    void prepare(QImage *image) const
    {
        if (m_format == QImage::Format_Indexed8)
            image->setColorTable(m_palette);
        else if (m_format != QImage::Format_Grayscale8 && m_format != QImage::Format_Grayscale16)
            for (int y = 0; y < image->height(); ++y)
                std::memset(image->scanLine(y), 0xff, size_t(image->bytesPerLine()));
    }

    Result<QImage> ownPath()
    {
        QImage image = allocateLargeImage(m_size, m_format);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        prepare(&image);
        // Lines taken before either thread writes, so the picture is not detached under them.
        uchar *const bits = image.bits();
        const qsizetype bytesPerLine = image.bytesPerLine();
        const auto lineFor = [bits, bytesPerLine](uint32_t y) { return bits + qsizetype(y) * bytesPerLine; };
        const Failure failure = decodeOnTwoCores(lineFor);
        if (failure.failed())
            return failure;
        if (m_premultiplied)
            unpremultiply(&image, image.height());
        return image;
    }

    // The page's samples as decodeSamples() decodes them; with a core to spare and a large
    // picture in several strips or rows of tiles, the lower half on a second thread through a
    // second handle on the same bytes (libtiff serves a handle one thread at a time). The same
    // pixels; the first failure in the page's order.
    template <typename LineFor> Failure decodeOnTwoCores(LineFor lineFor)
    {
        constexpr qint64 kWorthIt = 1'000'000; // pixels
        const uint32_t height = uint32_t(m_size.height());
        const uint32_t block = TiffSamples(m_tiff.get()).rowsPerBlock();
        const uint32_t blocks = block > 0 ? (height + block - 1) / block : 0;
        if (qint64(m_size.width()) * m_size.height() < kWorthIt || blocks < 2)
            return decodeSamples(m_tiff.get(), 0, height, lineFor);
        const BorrowedCore core;
        if (!core)
            return decodeSamples(m_tiff.get(), 0, height, lineFor);
        const uint32_t split = (blocks + 1) / 2 * block;
        const tdir_t page = TIFFCurrentDirectory(m_tiff.get());
        Failure lower;
        std::thread helper([&] {
            TiffMemoryFile file(m_file.bytes());
            const std::unique_ptr<TIFF, TiffCloser> tiff(file.open("r"));
            if (!tiff || !TIFFSetDirectory(tiff.get(), page)) {
                lower = Failure(FailureReason::Unsupported,
                                QCoreApplication::translate("TiffSamples", "the TIFF data is damaged"));
                return;
            }
            lower = decodeSamples(tiff.get(), split, height, lineFor);
        });
        const Failure upper = decodeSamples(m_tiff.get(), 0, split, lineFor);
        helper.join();
        return upper.failed() ? upper : lower;
    }

    // Decodes the rows from `first` (the first of a strip or a row of tiles) up to `end` of the
    // page `tiff` is at, each row's samples into the line lineFor(y) gives, prepared.
    template <typename LineFor>
    Failure decodeSamples(TIFF *tiff, uint32_t first, uint32_t end, LineFor lineFor) const
    {
        const bool deep = m_format == QImage::Format_RGBA64 || m_format == QImage::Format_RGBX64 ||
                          m_format == QImage::Format_Grayscale16;
        const bool words = m_format == QImage::Format_RGBA64 || m_format == QImage::Format_RGBX64;
        // Each stored value, scaled to the picture's 8 or 16 bits (12 bits to 16); gray that
        // counts from white turned round.
        const quint32 largest = (quint32(1) << m_bits) - 1;
        std::vector<quint16> scaled(size_t(largest) + 1);
        for (quint32 v = 0; v <= largest; ++v) {
            const quint32 top = deep ? 65535 : 255;
            scaled[v] = quint16((quint64(v) * top + largest / 2) / largest);
        }
        const std::vector<Target> targets = m_targets;
        const bool inverted = m_inverted;
        const int samples = int(targets.size());
        const int top = deep ? 65535 : 255;
        auto store = [&](uchar *line, uint32_t x, Target target, quint16 raw) {
            if (target == Target::Index) {
                line[x] = uchar(raw);
                return;
            }
            quint16 v = scaled[raw];
            if (inverted && target != Target::Alpha)
                v = quint16(top - v);
            switch (target) {
            case Target::Gray:
                if (deep)
                    reinterpret_cast<quint16 *>(line)[x] = v;
                else
                    line[x] = uchar(v);
                break;
            case Target::GrayToRgb:
                store8or16(line, x, 0, v, words);
                store8or16(line, x, 1, v, words);
                store8or16(line, x, 2, v, words);
                break;
            case Target::Red:
                store8or16(line, x, 0, v, words);
                break;
            case Target::Green:
                store8or16(line, x, 1, v, words);
                break;
            case Target::Blue:
                store8or16(line, x, 2, v, words);
                break;
            case Target::Alpha:
                store8or16(line, x, 3, v, words);
                break;
            default:
                break;
            }
        };
        TiffSamples samplesOf(tiff);
        // The common layouts stored without the per-sample rules (each value is then its own
        // scaled value: 8 bits to 8, 16 to 16), to the same pixels.
        enum class Direct { None, Gray8, Rgb8, Rgba8, Rgb16 } direct = Direct::None;
        const auto rgbFirst = [&] {
            return samples >= 3 && targets[0] == Target::Red && targets[1] == Target::Green &&
                   targets[2] == Target::Blue;
        };
        const auto restSkipped = [&] {
            return std::all_of(targets.begin() + 3, targets.end(),
                               [](Target t) { return t == Target::Skip; });
        };
        if (!inverted && m_bits == 8 && !deep) {
            if (samples == 1 && targets[0] == Target::Gray)
                direct = Direct::Gray8;
            else if (rgbFirst() && restSkipped())
                direct = Direct::Rgb8;
            else if (rgbFirst() && samples == 4 && targets[3] == Target::Alpha)
                direct = Direct::Rgba8;
        } else if (!inverted && m_bits == 16 && words && rgbFirst() && restSkipped()) {
            direct = Direct::Rgb16;
        }
        return samplesOf.read(
            [&](uint32_t y, uint32_t x0, uint32_t columns, int sample, const quint16 *values) {
                uchar *line = lineFor(y);
                if (sample < 0 && direct != Direct::None) {
                    const size_t stride = size_t(samples);
                    switch (direct) {
                    case Direct::Gray8:
                        for (uint32_t i = 0; i < columns; ++i)
                            line[x0 + i] = uchar(values[i]);
                        break;
                    case Direct::Rgb8:
                    case Direct::Rgba8: {
                        QRgb *p = reinterpret_cast<QRgb *>(line) + x0;
                        for (uint32_t i = 0; i < columns; ++i, values += stride)
                            p[i] = (direct == Direct::Rgba8 ? QRgb(values[3]) << 24 : p[i] & 0xff000000u) |
                                   QRgb(values[0]) << 16 | QRgb(values[1]) << 8 | QRgb(values[2]);
                        break;
                    }
                    case Direct::Rgb16: {
                        quint16 *p = reinterpret_cast<quint16 *>(line) + size_t(x0) * 4;
                        for (uint32_t i = 0; i < columns; ++i, values += stride, p += 4) {
                            p[0] = values[0];
                            p[1] = values[1];
                            p[2] = values[2];
                        }
                        break;
                    }
                    case Direct::None:
                        break;
                    }
                    return;
                }
                if (sample >= 0) {
                    const Target target = targets[size_t(sample)];
                    if (target == Target::Skip)
                        return;
                    for (uint32_t i = 0; i < columns; ++i)
                        store(line, x0 + i, target, values[i]);
                    return;
                }
                for (uint32_t i = 0; i < columns; ++i)
                    for (int s = 0; s < samples; ++s)
                        if (targets[size_t(s)] != Target::Skip)
                            store(line, x0 + i, targets[size_t(s)],
                                  values[size_t(i) * size_t(samples) + size_t(s)]);
            },
            first, end);
    }

    // One channel of an RGB32/ARGB32 pixel (R, G, B, A as 0 to 3) or of a 64-bit one.
    static void store8or16(uchar *line, uint32_t x, int channel, quint16 v, bool words)
    {
        if (words) {
            reinterpret_cast<quint16 *>(line)[size_t(x) * 4 + size_t(channel)] = v;
            return;
        }
        static constexpr int kShift[4] = {16, 8, 0, 24};
        QRgb &p = reinterpret_cast<QRgb *>(line)[x];
        p = (p & ~(QRgb(0xff) << kShift[channel])) | (QRgb(v) << kShift[channel]);
    }

    // Associated alpha: the colours of the first `rows` rows were stored multiplied by it.
    static void unpremultiply(QImage *image, int rows)
    {
        const bool words = image->format() == QImage::Format_RGBA64;
        for (int y = 0; y < rows; ++y) {
            if (words) {
                auto *p = reinterpret_cast<quint16 *>(image->scanLine(y));
                for (int x = 0; x < image->width(); ++x, p += 4) {
                    const quint32 a = p[3];
                    for (int c = 0; c < 3; ++c)
                        p[c] = a == 0
                                   ? 0
                                   : quint16(std::min<quint64>(65535, (quint64(p[c]) * 65535 + a / 2) / a));
                }
            } else {
                auto *p = reinterpret_cast<QRgb *>(image->scanLine(y));
                for (int x = 0; x < image->width(); ++x) {
                    const int a = qAlpha(p[x]);
                    auto channel = [a](int v) { return a == 0 ? 0 : std::min(255, (v * 255 + a / 2) / a); };
                    p[x] = qRgba(channel(qRed(p[x])), channel(qGreen(p[x])), channel(qBlue(p[x])), a);
                }
            }
        }
    }

    // libtiff's RGBA interface: 8 bits, in the stored orientation, alpha premultiplied.
    Result<QImage> throughRgbaInterface()
    {
        TIFF *tiff = m_tiff.get();
        char message[1024] = {};
        if (!TIFFRGBAImageOK(tiff, message))
            return Failure(FailureReason::Unsupported, QString::fromLatin1(message));
        QImage image = allocateLargeImage(m_size, QImage::Format_RGBA8888_Premultiplied);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        if (image.bytesPerLine() != qsizetype(m_size.width()) * 4)
            return Failure(FailureReason::InternalError,
                           QCoreApplication::translate("TiffReader", "unexpected row padding"));
        uint16_t orientation = ORIENTATION_TOPLEFT;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
        if (!TIFFReadRGBAImageOriented(tiff, uint32_t(m_size.width()), uint32_t(m_size.height()),
                                       reinterpret_cast<uint32_t *>(image.bits()), orientation, 1))
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("TiffReader", "the TIFF data is damaged"));
        uint16_t extraCount = 0;
        uint16_t *extraTypes = nullptr;
        const bool alpha =
            TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes) && extraCount > 0;
        image = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        return image;
    }

    TiffMemoryFile m_file;
    std::unique_ptr<TIFF, TiffCloser> m_tiff;
    QSize m_size;
    double m_dpi = 0.0;
    QByteArray m_icc;
    QImage::Format m_format = QImage::Format_Invalid;
    std::vector<Target> m_targets;
    QList<QRgb> m_palette;
    int m_bits = 8;
    int m_bandRows = 32;
    bool m_rowsReadable = true;
    bool m_separatePlanes = false;
    bool m_inverted = false;
    bool m_premultiplied = false;
};

} // namespace

std::unique_ptr<FormatReader> createTiffReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<TiffReader>(data);
}

bool isTiff(const QByteArray &data)
{
    return data.startsWith(QByteArrayView("II*\0", 4)) || data.startsWith(QByteArrayView("MM\0*", 4)) ||
           data.startsWith(QByteArrayView("II+\0", 4)) || data.startsWith(QByteArrayView("MM\0+", 4));
}
