// CMYK TIFF through libtiff, so the separation is converted to RGB through the file's own
// profile; every other TIFF is read by the TIFF reader.
#include "decode/CmykTiffReader.h"

#include "common/LargeImage.h"
#include "common/TiffMemoryFile.h"
#include "decode/ImageLimits.h"
#include "decode/TiffSamples.h"
#include "transform/CmykToSrgb.h"

#include <QCoreApplication>
#include <memory>

namespace {

struct TiffCloser {
    void operator()(TIFF *t) const { TIFFClose(t); }
};

class CmykTiffReader final : public FormatReader {
public:
    explicit CmykTiffReader(const QByteArray &data) : m_file(data) {}

    Failure readHeader() override
    {
        m_tiff.reset(m_file.open("r"));
        if (!m_tiff)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("CmykTiffReader", "not a readable TIFF")};
        useLargestTiffPage(m_tiff.get());
        uint32_t width = 0, height = 0;
        TIFFGetField(m_tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(m_tiff.get(), TIFFTAG_IMAGELENGTH, &height);
        m_size = QSize(int(std::min<uint32_t>(width, INT32_MAX)), int(std::min<uint32_t>(height, INT32_MAX)));
        m_dpi = tiffDpi(m_tiff.get());
        m_icc = tiffProfile(m_tiff.get());
        return {};
    }

    QString formatName() const override { return QStringLiteral("TIFF"); }
    QSize size() const override { return m_size; }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        QImage image = allocateLargeImage(m_size, QImage::Format_RGB32);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        // C, M, Y, K bytes in each pixel's four bytes, for the conversion; 16-bit inks to 8.
        TiffSamples samples(m_tiff.get());
        const int perPixel = samples.samplesPerPixel();
        const quint32 largest = (quint32(1) << samples.bitsPerSample()) - 1;
        auto eight = [largest](quint16 v) { return uchar((quint32(v) * 255 + largest / 2) / largest); };
        const Failure failure =
            samples.read([&](uint32_t y, uint32_t x0, uint32_t columns, int sample, const quint16 *values) {
                uchar *line = image.scanLine(int(y)) + size_t(x0) * 4;
                if (sample >= 4)
                    return;
                for (uint32_t i = 0; i < columns; ++i) {
                    if (sample >= 0) {
                        line[i * 4 + uint32_t(sample)] = eight(values[i]);
                    } else {
                        for (int s = 0; s < 4; ++s)
                            line[i * 4 + uint32_t(s)] =
                                eight(values[size_t(i) * size_t(perPixel) + size_t(s)]);
                    }
                }
            });
        if (failure.failed())
            return failure;
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
    if (!data.startsWith(QByteArrayView("II*\0", 4)) && !data.startsWith(QByteArrayView("MM\0*", 4)) &&
        !data.startsWith(QByteArrayView("II+\0", 4)) && !data.startsWith(QByteArrayView("MM\0+", 4)))
        return false;
    TiffMemoryFile file(data);
    std::unique_ptr<TIFF, TiffCloser> tiff(file.open("r"));
    if (!tiff)
        return false;
    useLargestTiffPage(tiff.get());
    uint16_t photometric = 0, samples = 0, bits = 0, inkSet = INKSET_CMYK, sampleFormat = SAMPLEFORMAT_UINT;
    TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_INKSET, &inkSet);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    return photometric == PHOTOMETRIC_SEPARATED && samples >= 4 && samples <= 16 &&
           (bits == 8 || bits == 16) && inkSet == INKSET_CMYK && sampleFormat == SAMPLEFORMAT_UINT;
}

std::unique_ptr<FormatReader> createCmykTiffReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<CmykTiffReader>(data);
}
