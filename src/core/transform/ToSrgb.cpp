#include "transform/ToSrgb.h"

#include "common/LcmsHandles.h"
#include "metadata/IccProfile.h"

namespace {

bool isGray(const QImage &image)
{
    return image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
}

// sRGB's tone curve: linear near black, then a 2.4 power.
cmsToneCurve *srgbToneCurve()
{
    const cmsFloat64Number parameters[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return cmsBuildParametricToneCurve(nullptr, 4, parameters);
}

LcmsProfile makeGrayProfile()
{
    cmsToneCurve *curve = srgbToneCurve();
    LcmsProfile gray(cmsCreateGrayProfile(cmsD50_xyY(), curve));
    cmsFreeToneCurve(curve);
    if (gray) {
        cmsMLU *text = cmsMLUalloc(nullptr, 1);
        cmsMLUsetASCII(text, "en", "US", "Gray with sRGB tone curve");
        cmsWriteTag(gray.get(), cmsSigProfileDescriptionTag, text);
        cmsMLUfree(text);
    }
    return gray;
}

// Written as version 2, which every reader takes.
QByteArray saved(const LcmsProfile &profile)
{
    if (profile)
        cmsSetProfileVersion(profile.get(), 2.1);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return QByteArray();
    QByteArray bytes(int(size), Qt::Uninitialized);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size))
        return QByteArray();
    return bytes;
}

// The format the picture is converted in, and LittleCMS's name for its memory layout.
struct Layout {
    QImage::Format format;
    cmsUInt32Number pixelType;
};

Layout layoutFor(const QImage &image)
{
    const bool bgra = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        return {QImage::Format_Grayscale8, TYPE_GRAY_8};
    case QImage::Format_Grayscale16:
        return {QImage::Format_Grayscale16, TYPE_GRAY_16};
    case QImage::Format_RGB888:
        return {QImage::Format_RGB888, TYPE_RGB_8};
    case QImage::Format_RGBX64:
    case QImage::Format_RGB30:
    case QImage::Format_BGR30:
        return {QImage::Format_RGBX64, TYPE_RGBA_16};
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_A2RGB30_Premultiplied:
    case QImage::Format_A2BGR30_Premultiplied:
        return {QImage::Format_RGBA64, TYPE_RGBA_16};
    default:
        return {image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32,
                bgra ? TYPE_BGRA_8 : TYPE_ARGB_8};
    }
}

} // namespace

std::optional<QImage> convertedToSrgb(const QImage &image, const QByteArray &profile)
{
    const ProfileColorModel wanted = isGray(image) ? ProfileColorModel::Gray : ProfileColorModel::Rgb;
    if (image.isNull() || profileColorModel(profile) != wanted)
        return std::nullopt;
    LcmsProfile source(cmsOpenProfileFromMem(profile.constData(), cmsUInt32Number(profile.size())));
    if (!source)
        return std::nullopt;
    const Layout layout = layoutFor(image);
    LcmsProfile target(isGray(image) ? makeGrayProfile().release() : cmsCreate_sRGBProfile());
    LcmsTransform transform;
    if (target)
        transform.reset(cmsCreateTransform(source.get(), layout.pixelType, target.get(), layout.pixelType,
                                           INTENT_RELATIVE_COLORIMETRIC,
                                           cmsFLAGS_BLACKPOINTCOMPENSATION | cmsFLAGS_COPY_ALPHA));
    if (!transform)
        return std::nullopt;
    QImage out = image.convertToFormat(layout.format);
    if (out.isNull())
        return out;
    for (int y = 0; y < out.height(); ++y)
        cmsDoTransform(transform.get(), out.constScanLine(y), out.scanLine(y), cmsUInt32Number(out.width()));
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    return out;
}

QByteArray srgbProfile()
{
    static const QByteArray bytes = saved(LcmsProfile(cmsCreate_sRGBProfile()));
    return bytes;
}

QByteArray srgbGrayProfile()
{
    static const QByteArray bytes = saved(makeGrayProfile());
    return bytes;
}

QByteArray srgbProfileFor(const QImage &image)
{
    return isGray(image) ? srgbGrayProfile() : srgbProfile();
}
