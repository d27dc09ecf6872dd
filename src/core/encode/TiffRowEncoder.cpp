// TIFF through libtiff directly, so the resolution is stored exactly as a rational in inches.
#include "encode/TiffRowEncoder.h"

#include "common/TiffMemoryFile.h"

#include <QCoreApplication>

#include <cstring>
#include <tiffio.h>
#include <utility>
#include <vector>

namespace {

struct Layout {
    QImage::Format format; // the QImage format the rows are stored from
    uint16_t samples;
    uint16_t bits;
    uint16_t photometric;
    bool alpha;
};

bool usesAlpha(QImage::Format format)
{
    return QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha;
}

Layout layoutFor(QImage::Format format, bool alpha)
{
    switch (format) {
    case QImage::Format_Grayscale8:
        return {QImage::Format_Grayscale8, 1, 8, PHOTOMETRIC_MINISBLACK, false};
    case QImage::Format_Grayscale16:
        return {QImage::Format_Grayscale16, 1, 16, PHOTOMETRIC_MINISBLACK, false};
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGBX64:
        return alpha ? Layout {QImage::Format_RGBA64, 4, 16, PHOTOMETRIC_RGB, true}
                     : Layout {QImage::Format_RGBX64, 4, 16, PHOTOMETRIC_RGB, false};
    default:
        return alpha ? Layout {QImage::Format_RGBA8888, 4, 8, PHOTOMETRIC_RGB, true}
                     : Layout {QImage::Format_RGB888, 3, 8, PHOTOMETRIC_RGB, false};
    }
}

} // namespace

struct TiffRowEncoder::State {
    TiffMemoryFile file;
    TIFF *tiff = nullptr;
    Layout layout {};
    QImage::Format format = QImage::Format_Invalid;
    int width = 0;
    uint32_t y = 0;
    std::vector<uchar> row;
    bool failed = false;

    Failure failure() const
    {
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("TiffEncoder", "the TIFF encoder failed"));
    }

    // One row in the layout's format, its padding sample dropped when it has one.
    bool writeRow(const uchar *line)
    {
        if (layout.format == QImage::Format_RGBX64) {
            const auto *in = reinterpret_cast<const quint16 *>(line);
            auto *out = reinterpret_cast<quint16 *>(row.data());
            for (int x = 0; x < width; ++x)
                std::memcpy(out + 3 * x, in + 4 * x, 6);
        } else {
            std::memcpy(row.data(), line, row.size());
        }
        return TIFFWriteScanline(tiff, row.data(), y++, 0) == 1;
    }
};

TiffRowEncoder::TiffRowEncoder() : m(new State) {}

TiffRowEncoder::~TiffRowEncoder()
{
    if (m->tiff)
        TIFFClose(m->tiff);
}

QImage::Format TiffRowEncoder::layoutFormat(QImage::Format format, bool alpha)
{
    return layoutFor(format, alpha).format;
}

Failure TiffRowEncoder::start(QSize size, QImage::Format format, int, double dpi)
{
    m->layout = layoutFor(format, usesAlpha(format));
    m->format = format;
    m->width = size.width();
    m->tiff = m->file.open("w");
    if (!m->tiff || size.isEmpty()) {
        m->failed = true;
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("TiffEncoder", "cannot start a TIFF file"));
    }
    const Layout &layout = m->layout;
    TIFF *tiff = m->tiff;
    const uint16_t storedSamples = layout.samples == 4 && !layout.alpha ? 3 : layout.samples;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(size.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(size.height()));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, storedSamples);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, layout.bits);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, layout.photometric);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(dpi));
    TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(dpi));
    if (layout.alpha) {
        const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    m->row.resize(size_t(size.width()) * storedSamples * (layout.bits / 8));
    return {};
}

Failure TiffRowEncoder::write(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (m->failed)
        return m->failure();
    const bool dropsPadding = m->format == QImage::Format_RGB32 && m->layout.format == QImage::Format_RGB888;
    QImage converted;
    if (m->format != m->layout.format && !dropsPadding) {
        // Rows in another format: converted as the whole picture would be.
        converted = QImage(rows, m->width, count, bytesPerLine, m->format).convertToFormat(m->layout.format);
        if (converted.isNull()) {
            m->failed = true;
            return Failure(FailureReason::OutOfMemory);
        }
        rows = converted.constBits();
        bytesPerLine = converted.bytesPerLine();
    }
    for (int i = 0; i < count; ++i) {
        const uchar *line = rows + qsizetype(i) * bytesPerLine;
        if (dropsPadding) {
            const auto *pixels = reinterpret_cast<const QRgb *>(line);
            uchar *out = m->row.data();
            for (int x = 0; x < m->width; ++x, out += 3) {
                out[0] = uchar(qRed(pixels[x]));
                out[1] = uchar(qGreen(pixels[x]));
                out[2] = uchar(qBlue(pixels[x]));
            }
            if (TIFFWriteScanline(m->tiff, m->row.data(), m->y++, 0) != 1)
                m->failed = true;
        } else if (!m->writeRow(line)) {
            m->failed = true;
        }
        if (m->failed)
            return m->failure();
    }
    return {};
}

Result<QByteArray> TiffRowEncoder::finish()
{
    if (m->failed || !m->tiff)
        return m->failure();
    const bool ok = TIFFWriteDirectory(m->tiff);
    TIFFClose(m->tiff);
    m->tiff = nullptr;
    if (!ok)
        return m->failure();
    return m->file.bytes();
}
