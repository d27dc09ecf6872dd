#include "transform/CmykToSrgb.h"

#include "metadata/IccProfile.h"

#include "common/LcmsHandles.h"

#include <vector>

namespace {

void naiveCmykToRgb(QImage *image, bool inverted)
{
    for (int y = 0; y < image->height(); ++y) {
        uchar *p = image->scanLine(y);
        auto *out = reinterpret_cast<QRgb *>(p);
        for (int x = 0; x < image->width(); ++x, p += 4) {
            int c = p[0], m = p[1], yy = p[2], k = p[3];
            if (inverted) {
                // Stored as 255 - ink: the complement formula then reads directly.
                out[x] = qRgb(c * k / 255, m * k / 255, yy * k / 255);
            } else {
                out[x] = qRgb((255 - c) * (255 - k) / 255, (255 - m) * (255 - k) / 255,
                              (255 - yy) * (255 - k) / 255);
            }
        }
    }
}

} // namespace

void convertCmykToRgbInPlace(QImage *image, bool inverted, const QByteArray &cmykProfile)
{
    LcmsProfile input;
    if (profileColorModel(cmykProfile) == ProfileColorModel::Cmyk)
        input.reset(cmsOpenProfileFromMem(cmykProfile.constData(), cmsUInt32Number(cmykProfile.size())));
    LcmsProfile srgb(cmsCreate_sRGBProfile());
    LcmsTransform transform;
    if (input && srgb) {
        const cmsUInt32Number inFormat = inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8;
        const cmsUInt32Number outFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;
        transform.reset(cmsCreateTransform(input.get(), inFormat, srgb.get(), outFormat,
                                           INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_BLACKPOINTCOMPENSATION));
    }
    if (!transform) {
        naiveCmykToRgb(image, inverted);
        return;
    }
    std::vector<uchar> row(size_t(image->width()) * 4);
    for (int y = 0; y < image->height(); ++y) {
        uchar *line = image->scanLine(y);
        std::copy(line, line + row.size(), row.begin());
        // The transform writes colour only; the alpha byte must read opaque for RGB32.
        std::fill(reinterpret_cast<QRgb *>(line), reinterpret_cast<QRgb *>(line) + image->width(),
                  0xFF000000u);
        cmsDoTransform(transform.get(), row.data(), line, cmsUInt32Number(image->width()));
    }
}
