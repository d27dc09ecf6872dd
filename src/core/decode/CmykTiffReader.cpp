// CMYK TIFF through libtiff, so the separation is converted to RGB through the file's own
// profile; every other TIFF is read by Qt's plugin.
#include "decode/CmykTiffReader.h"

#include "common/LargeImage.h"
#include "common/TiffMemoryFile.h"
#include "decode/ImageLimits.h"
#include "transform/CmykToSrgb.h"

#include <memory>

namespace {

struct TiffCloser {
    void operator()(TIFF *t) const { TIFFClose(t); }
};

// The page a multi-page TIFF gives: the largest by area, the first among equals.
tdir_t largestDirectory(TIFF *tiff)
{
    tdir_t best = 0;
    qint64 bestArea = -1;
    tdir_t index = 0;
    do {
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        if (qint64(width) * height > bestArea) {
            bestArea = qint64(width) * height;
            best = index;
        }
        ++index;
    } while (index < 1024 && TIFFReadDirectory(tiff));
    TIFFSetDirectory(tiff, best);
    return best;
}

class CmykTiffReader final : public FormatReader {
public:
    explicit CmykTiffReader(const QByteArray &data) : m_file(data) {}

    Failure readHeader() override
    {
        m_tiff.reset(m_file.open("r"));
        if (!m_tiff)
            return {FailureReason::Unsupported, QStringLiteral("not a readable TIFF")};
        largestDirectory(m_tiff.get());
        uint32_t width = 0, height = 0;
        TIFFGetField(m_tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(m_tiff.get(), TIFFTAG_IMAGELENGTH, &height);
        m_size = QSize(int(std::min<uint32_t>(width, INT32_MAX)), int(std::min<uint32_t>(height, INT32_MAX)));
        float xResolution = 0;
        uint16_t unit = RESUNIT_INCH;
        if (TIFFGetField(m_tiff.get(), TIFFTAG_XRESOLUTION, &xResolution) && xResolution > 0) {
            TIFFGetFieldDefaulted(m_tiff.get(), TIFFTAG_RESOLUTIONUNIT, &unit);
            m_dpi = unit == RESUNIT_CENTIMETER ? xResolution * 2.54
                    : unit == RESUNIT_INCH     ? xResolution
                                               : 0.0;
        }
        uint32_t iccLength = 0;
        void *icc = nullptr;
        if (TIFFGetField(m_tiff.get(), TIFFTAG_ICCPROFILE, &iccLength, &icc) && icc)
            m_icc = QByteArray(static_cast<const char *>(icc), int(iccLength));
        return {};
    }

    QSize size() const override { return m_size; }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        QImage image = allocateLargeImage(m_size, QImage::Format_RGB32);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        if (TIFFScanlineSize(m_tiff.get()) != tmsize_t(image.width()) * 4)
            return Failure(FailureReason::Unsupported, QStringLiteral("unexpected TIFF layout"));
        for (int y = 0; y < image.height(); ++y) {
            if (TIFFReadScanline(m_tiff.get(), image.scanLine(y), uint32_t(y), 0) != 1)
                return Failure(FailureReason::Unsupported, QStringLiteral("the TIFF data is damaged"));
        }
        convertCmykToRgbInPlace(&image, false, m_icc);
        DecodedImage out;
        out.image = image;
        out.storedSize = image.size();
        out.convertedToSrgb = true;
        out.statedDpi = m_dpi;
        return out;
    }

private:
    TiffMemoryFile m_file;
    std::unique_ptr<TIFF, TiffCloser> m_tiff;
    QSize m_size;
    double m_dpi = 0.0;
    QByteArray m_icc;
};

} // namespace

bool isCmykTiff(const QByteArray &data)
{
    if (!data.startsWith("II*\0") && !data.startsWith("MM\0*"))
        return false;
    TiffMemoryFile file(data);
    std::unique_ptr<TIFF, TiffCloser> tiff(file.open("r"));
    if (!tiff)
        return false;
    largestDirectory(tiff.get());
    uint16_t photometric = 0, samples = 0, bits = 0, planar = PLANARCONFIG_CONTIG, inkSet = INKSET_CMYK;
    TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_INKSET, &inkSet);
    return photometric == PHOTOMETRIC_SEPARATED && samples == 4 && bits == 8 &&
           planar == PLANARCONFIG_CONTIG && inkSet == INKSET_CMYK && !TIFFIsTiled(tiff.get());
}

std::unique_ptr<FormatReader> createCmykTiffReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<CmykTiffReader>(data);
}
