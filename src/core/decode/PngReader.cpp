// PNG through libpng directly, as JPEG goes through libjpeg: Qt 6.4's plugin scrambles 16-bit
// pictures with a transparent colour, and hides the chunks a photographer's output depends on.
#include "decode/PngReader.h"

#include "common/LargeImage.h"
#include "common/LcmsHandles.h"
#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

// Rows decoded before they are given to a sink.
constexpr int kBandRows = 16;

struct PngSource {
    const uchar *data = nullptr;
    size_t size = 0;
    size_t offset = 0;
};

struct PngErrors {
    char message[200] = {};
    bool truncated = false;
};

extern "C" void pngRead(png_structp png, png_bytep out, size_t length)
{
    auto *source = static_cast<PngSource *>(png_get_io_ptr(png));
    if (length > source->size - source->offset) {
        static_cast<PngErrors *>(png_get_error_ptr(png))->truncated = true;
        png_error(png, "the file is truncated");
    }
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

extern "C" void pngError(png_structp png, png_const_charp message)
{
    auto *errors = static_cast<PngErrors *>(png_get_error_ptr(png));
    std::strncpy(errors->message, message, sizeof errors->message - 1);
    png_longjmp(png, 1);
}

extern "C" void pngWarning(png_structp, png_const_charp) {}

struct Chromaticities {
    double whiteX, whiteY, redX, redY, greenX, greenY, blueX, blueY;
};

// A profile for pixels described only by gAMA (and cHRM): LittleCMS builds it from the
// chromaticities and the power curve. Empty when the chunks say sRGB's own numbers.
QByteArray profileFromGamma(double fileGamma, const Chromaticities *chromaticities, bool gray)
{
    const double gamma = 1.0 / fileGamma; // PNG stores the encoding exponent
    // ImageMagick and others write sRGB's numbers as gAMA and cHRM: those need no profile.
    auto near = [](double a, double b) { return std::abs(a - b) < 0.01; };
    const Chromaticities *c = chromaticities;
    const bool srgbPrimaries = !c || (near(c->whiteX, 0.3127) && near(c->whiteY, 0.3290) &&
                                      near(c->redX, 0.64) && near(c->redY, 0.33) && near(c->greenX, 0.30) &&
                                      near(c->greenY, 0.60) && near(c->blueX, 0.15) && near(c->blueY, 0.06));
    const bool srgbLike = gamma > 2.1 && gamma < 2.3 && srgbPrimaries;
    if (srgbLike || gamma < 0.1 || gamma > 10.0)
        return QByteArray();
    cmsToneCurve *curve = cmsBuildGamma(nullptr, gamma);
    LcmsProfile profile;
    if (gray) {
        profile.reset(cmsCreateGrayProfile(cmsD50_xyY(), curve));
    } else {
        cmsCIExyY white = {0.3127, 0.3290, 1.0};
        cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
        if (chromaticities) {
            const Chromaticities &c = *chromaticities;
            white = cmsCIExyY {c.whiteX, c.whiteY, 1.0};
            primaries =
                cmsCIExyYTRIPLE {{c.redX, c.redY, 1.0}, {c.greenX, c.greenY, 1.0}, {c.blueX, c.blueY, 1.0}};
        }
        cmsToneCurve *curves[3] = {curve, curve, curve};
        profile.reset(cmsCreateRGBProfile(&white, &primaries, curves));
    }
    cmsFreeToneCurve(curve);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return QByteArray();
    QByteArray bytes(int(size), Qt::Uninitialized);
    return cmsSaveProfileToMem(profile.get(), bytes.data(), &size) ? bytes : QByteArray();
}

// Every libpng call sits in a method that sets its own jump point and holds only plain locals,
// so a longjmp never skips a destructor.
class PngReader final : public FormatReader {
public:
    explicit PngReader(const QByteArray &data) : m_data(data)
    {
        m_source.data = reinterpret_cast<const uchar *>(m_data.constData());
        m_source.size = size_t(m_data.size());
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &m_errors, pngError, pngWarning);
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~PngReader() override { png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr); }

    Failure readHeader() override
    {
        if (!m_png || !m_info)
            return Failure(FailureReason::OutOfMemory);
        if (!headerSteps())
            return failure();
        if (exceedsImageLimits(m_width, m_height))
            return {}; // the decoder refuses it from size()
        m_icc = profile();
        return {};
    }

    QString formatName() const override { return QStringLiteral("PNG"); }
    QSize size() const override { return QSize(int(m_width), int(m_height)); }

    qint64 decodedBytes(QSize) const override
    {
        return qint64(m_width) * m_height * QImage::toPixelFormat(m_format).bitsPerPixel() / 8;
    }

    // Interlaced rows are whole only after the last pass: those pictures are read whole.
    bool givesRows() const override { return !m_interlaced; }

    qint64 streamedBytes(QSize) const override
    {
        return qint64(m_width) * kBandRows * QImage::toPixelFormat(m_format).bitsPerPixel() / 8;
    }

    Result<DecodedImage> readRows(QSize, RowSink *sink) override
    {
        DecodedImage facts;
        facts.storedSize = size();
        facts.iccProfile = m_icc;
        facts.statedDpi = m_statedDpi;
        const QImage::Format given = m_paletteGray ? QImage::Format_Grayscale8 : m_format;
        if (const Failure failure = sink->begin(size(), given, facts); failure.failed())
            return failure;
        QImage band = allocateLargeImage(QSize(int(m_width), kBandRows), m_format);
        if (band.isNull())
            return Failure(FailureReason::OutOfMemory);
        m_sink = sink;
        m_band = &band;
        m_sinkFailure = Failure();
        const bool ok = rowSteps();
        m_sink = nullptr;
        m_band = nullptr;
        if (!ok)
            return failure();
        if (m_sinkFailure.failed())
            return m_sinkFailure;
        return facts;
    }

    Result<DecodedImage> read(QSize) override
    {
        QImage image = allocateLargeImage(QSize(int(m_width), int(m_height)), m_format);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        std::vector<png_bytep> rows(static_cast<size_t>(m_height));
        for (png_uint_32 y = 0; y < m_height; ++y)
            rows[y] = image.scanLine(int(y));
        if (!pixelSteps(rows.data()))
            return failure();
        if (m_format == QImage::Format_RGB32 && m_paletteGray)
            image = image.convertToFormat(QImage::Format_Grayscale8);
        DecodedImage out;
        out.image = image;
        out.storedSize = size();
        out.iccProfile = m_icc;
        out.statedDpi = m_statedDpi;
        return out;
    }

private:
    Failure failure() const
    {
        if (m_errors.truncated)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("PngReader", "the file is truncated")};
        const QString words = QString::fromLatin1(m_errors.message);
        const bool memory = words.contains(QLatin1String("memory"), Qt::CaseInsensitive);
        return {memory ? FailureReason::OutOfMemory : FailureReason::Unsupported, words};
    }

    bool headerSteps()
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        png_set_read_fn(m_png, &m_source, pngRead);
        png_set_user_limits(m_png, png_uint_32(kMaxImageSide), png_uint_32(kMaxImageSide));
        png_read_info(m_png, m_info);
        m_width = png_get_image_width(m_png, m_info);
        m_height = png_get_image_height(m_png, m_info);
        const int type = png_get_color_type(m_png, m_info);
        const int depth = png_get_bit_depth(m_png, m_info);
        const bool transparentColour = png_get_valid(m_png, m_info, PNG_INFO_tRNS) != 0;
        const bool alpha = (type & PNG_COLOR_MASK_ALPHA) || transparentColour;
        const bool gray = !(type & PNG_COLOR_MASK_COLOR) && type != PNG_COLOR_TYPE_PALETTE;
        const bool deep = depth == 16;

        // Everything to 8 or 16 bits; a palette to colours; a transparent colour to alpha.
        png_set_expand(m_png);
        if (deep && Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
            png_set_swap(m_png);
        if (gray && !alpha) {
            m_format = deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
        } else {
            if (gray)
                png_set_gray_to_rgb(m_png);
            if (deep) {
                // R, G, B, A words in memory, as Qt's 64-bit formats hold them.
                if (!alpha)
                    png_set_filler(m_png, 0xffff, PNG_FILLER_AFTER);
                m_format = alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64;
            } else {
                // One native 0xAARRGGBB word: B, G, R, A bytes on little-endian machines.
                if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
                    png_set_bgr(m_png);
                else
                    png_set_swap_alpha(m_png);
                if (!alpha)
                    png_set_filler(m_png, 0xff,
                                   Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
                m_format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
            }
        }
        if (type == PNG_COLOR_TYPE_PALETTE && !transparentColour)
            m_paletteGray = paletteIsGray();
        m_interlaced = png_set_interlace_handling(m_png) > 1;
        png_read_update_info(m_png, m_info);

        png_uint_32 xPerMeter = 0, yPerMeter = 0;
        int unit = 0;
        if (png_get_pHYs(m_png, m_info, &xPerMeter, &yPerMeter, &unit) && unit == PNG_RESOLUTION_METER &&
            xPerMeter > 0)
            m_statedDpi = xPerMeter * 0.0254;
        return true;
    }

    bool paletteIsGray()
    {
        png_colorp palette = nullptr;
        int count = 0;
        if (!png_get_PLTE(m_png, m_info, &palette, &count))
            return false;
        for (int i = 0; i < count; ++i)
            if (palette[i].red != palette[i].green || palette[i].green != palette[i].blue)
                return false;
        return true;
    }

    // The colour description: an embedded profile; none for sRGB (what unprofiled pixels are
    // taken to be anyway); else one made from gAMA and cHRM.
    QByteArray profile()
    {
        if (setjmp(png_jmpbuf(m_png)))
            return QByteArray();
        png_charp name = nullptr;
        int compression = 0;
        png_bytep data = nullptr;
        png_uint_32 length = 0;
        if (png_get_iCCP(m_png, m_info, &name, &compression, &data, &length) && data && length > 0)
            return QByteArray(reinterpret_cast<const char *>(data), int(length));
        int intent = 0;
        if (png_get_sRGB(m_png, m_info, &intent))
            return QByteArray();
        double gamma = 0.0;
        if (!png_get_gAMA(m_png, m_info, &gamma) || !(gamma > 0.0))
            return QByteArray();
        Chromaticities c {};
        const bool haveChromaticities = png_get_cHRM(m_png, m_info, &c.whiteX, &c.whiteY, &c.redX, &c.redY,
                                                     &c.greenX, &c.greenY, &c.blueX, &c.blueY) != 0;
        const bool gray = m_format == QImage::Format_Grayscale8 || m_format == QImage::Format_Grayscale16;
        return profileFromGamma(gamma, haveChromaticities ? &c : nullptr, gray);
    }

    // Decodes band by band into m_band and gives each to the sink (gray when the palette is).
    bool rowSteps()
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        for (png_uint_32 y = 0; y < m_height;) {
            const int count = int(std::min<png_uint_32>(png_uint_32(kBandRows), m_height - y));
            for (int i = 0; i < count; ++i)
                png_read_row(m_png, m_band->scanLine(i), nullptr);
            y += png_uint_32(count);
            if (m_paletteGray) {
                QImage gray =
                    m_band->copy(0, 0, int(m_width), count).convertToFormat(QImage::Format_Grayscale8);
                m_sinkFailure = gray.isNull() ? Failure(FailureReason::OutOfMemory)
                                              : m_sink->take(gray.bits(), gray.bytesPerLine(), count);
            } else {
                m_sinkFailure = m_sink->take(m_band->bits(), m_band->bytesPerLine(), count);
            }
            if (m_sinkFailure.failed())
                return true;
        }
        png_read_end(m_png, nullptr);
        return true;
    }

    bool pixelSteps(png_bytepp rows)
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        png_read_image(m_png, rows);
        png_read_end(m_png, nullptr);
        return true;
    }

    QByteArray m_data;
    PngSource m_source;
    PngErrors m_errors;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    png_uint_32 m_width = 0, m_height = 0;
    QImage::Format m_format = QImage::Format_RGB32;
    bool m_paletteGray = false;
    double m_statedDpi = 0.0;
    QByteArray m_icc;
    bool m_interlaced = false;
    // While readRows() runs.
    RowSink *m_sink = nullptr;
    QImage *m_band = nullptr;
    Failure m_sinkFailure;
};

} // namespace

std::unique_ptr<FormatReader> createPngReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<PngReader>(data);
}

bool isPng(const QByteArray &data)
{
    return data.startsWith("\x89PNG\r\n\x1a\n");
}
