// TIFF through libtiff directly, so the resolution is stored exactly as a rational in inches.
#include "encode/TiffEncoder.h"
#include "common/TiffMemoryFile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <tiffio.h>
#include <vector>

namespace {

struct Layout {
    QImage::Format format; // the QImage format the rows are taken from
    uint16_t samples;
    uint16_t bits;
    uint16_t photometric;
    bool alpha;
};

Layout layoutFor(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        return {QImage::Format_Grayscale8, 1, 8, PHOTOMETRIC_MINISBLACK, false};
    case QImage::Format_Grayscale16:
        return {QImage::Format_Grayscale16, 1, 16, PHOTOMETRIC_MINISBLACK, false};
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGBX64:
        return image.hasAlphaChannel() ? Layout {QImage::Format_RGBA64, 4, 16, PHOTOMETRIC_RGB, true}
                                       : Layout {QImage::Format_RGBX64, 4, 16, PHOTOMETRIC_RGB, false};
    default:
        return image.hasAlphaChannel() ? Layout {QImage::Format_RGBA8888, 4, 8, PHOTOMETRIC_RGB, true}
                                       : Layout {QImage::Format_RGB888, 3, 8, PHOTOMETRIC_RGB, false};
    }
}

} // namespace

Result<QByteArray> encodeTiff(const QImage &source, double dpi)
{
    const Layout layout = layoutFor(source);
    const QImage image = source.format() == layout.format ? source : source.convertToFormat(layout.format);
    if (image.isNull())
        return Failure(FailureReason::OutOfMemory);
    TiffMemoryFile file;
    TIFF *tiff = file.open("w");
    if (!tiff)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("TiffEncoder", "cannot start a TIFF file"));
    const uint16_t storedSamples = layout.samples == 4 && !layout.alpha ? 3 : layout.samples;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(image.height()));
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

    const size_t rowBytes = size_t(image.width()) * storedSamples * (layout.bits / 8);
    std::vector<uchar> row(rowBytes);
    bool ok = true;
    for (int y = 0; y < image.height() && ok; ++y) {
        const uchar *line = image.constScanLine(y);
        if (layout.format == QImage::Format_RGBX64) {
            // Drop the padding sample of each pixel.
            const auto *in = reinterpret_cast<const quint16 *>(line);
            auto *out = reinterpret_cast<quint16 *>(row.data());
            for (int x = 0; x < image.width(); ++x)
                std::memcpy(out + 3 * x, in + 4 * x, 6);
        } else {
            std::memcpy(row.data(), line, rowBytes);
        }
        ok = TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1;
    }
    ok = ok && TIFFWriteDirectory(tiff);
    TIFFClose(tiff);
    if (!ok)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("TiffEncoder", "the TIFF encoder failed"));
    return file.bytes();
}
