#include "transform/PixelFormat.h"

#include <cstdint>

bool isGrayFormat(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 || format == QImage::Format_Grayscale16;
}

bool isDeepFormat(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Grayscale16:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGB30:
    case QImage::Format_BGR30:
    case QImage::Format_A2RGB30_Premultiplied:
    case QImage::Format_A2BGR30_Premultiplied:
        return true;
    default:
        return false;
    }
}

QImage convertedTo(const QImage &image, QImage::Format format)
{
    if (image.format() == format)
        return image;
    if (format != QImage::Format_RGBA64_Premultiplied)
        return image.convertToFormat(format);
    QImage out = image.convertToFormat(QImage::Format_RGBA64);
    for (int y = 0; y < out.height(); ++y) {
        auto *p = reinterpret_cast<std::uint16_t *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x, p += 4) {
            const std::uint32_t a = p[3];
            for (int c = 0; c < 3; ++c)
                p[c] = std::uint16_t((p[c] * a + 32767) / 65535);
        }
    }
    out.reinterpretAsFormat(QImage::Format_RGBA64_Premultiplied);
    return out;
}

namespace {

// The neutral picture's gray, channel 0 of each `Sample`-sized four-channel pixel whose
// colour channels start at `first`; a null image when some pixel is not neutral.
template <typename Sample> QImage grayOf(const QImage &image, int first, QImage::Format grayFormat)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *p = reinterpret_cast<const Sample *>(image.constScanLine(y)) + first;
        for (int x = 0; x < image.width(); ++x, p += 4)
            if (p[0] != p[1] || p[1] != p[2])
                return QImage();
    }
    QImage gray(image.size(), grayFormat);
    if (gray.isNull())
        return gray;
    for (int y = 0; y < image.height(); ++y) {
        const auto *p = reinterpret_cast<const Sample *>(image.constScanLine(y)) + first;
        auto *out = reinterpret_cast<Sample *>(gray.scanLine(y));
        for (int x = 0; x < image.width(); ++x, p += 4)
            out[x] = p[0];
    }
    gray.setDotsPerMeterX(image.dotsPerMeterX());
    gray.setDotsPerMeterY(image.dotsPerMeterY());
    return gray;
}

} // namespace

QImage grayIfNeutral(const QImage &image)
{
    QImage gray;
    if (image.format() == QImage::Format_RGB32) // 0xffRRGGBB in a native word
        gray =
            grayOf<std::uint8_t>(image, Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 0 : 1, QImage::Format_Grayscale8);
    else if (image.format() == QImage::Format_RGBX64) // R, G, B, X words
        gray = grayOf<std::uint16_t>(image, 0, QImage::Format_Grayscale16);
    return gray.isNull() ? image : gray;
}
