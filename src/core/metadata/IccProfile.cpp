#include "metadata/IccProfile.h"

#include "common/LcmsHandles.h"

ProfileColorModel profileColorModel(const QByteArray &icc)
{
    if (icc.size() < 128)
        return ProfileColorModel::Unknown;
    const QByteArray space = icc.mid(16, 4);
    if (space == "GRAY")
        return ProfileColorModel::Gray;
    if (space == "RGB ")
        return ProfileColorModel::Rgb;
    if (space == "CMYK")
        return ProfileColorModel::Cmyk;
    return ProfileColorModel::Other;
}

bool profileIsUsable(const QByteArray &icc)
{
    LcmsProfile profile(cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())));
    if (!profile)
        return false;
    // Building the conversion reads every tag it needs; no precalculation, which a check does not use.
    LcmsProfile srgb(cmsCreate_sRGBProfile());
    const cmsUInt32Number input = cmsFormatterForColorspaceOfProfile(profile.get(), 2, FALSE);
    const LcmsTransform transform(cmsCreateTransform(profile.get(), input, srgb.get(), TYPE_RGB_16,
                                                     INTENT_RELATIVE_COLORIMETRIC,
                                                     cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE));
    return transform != nullptr;
}

bool profileMatchesImage(const QByteArray &icc, const QImage &image)
{
    const ProfileColorModel model = profileColorModel(icc);
    const bool gray =
        image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
    return gray ? model == ProfileColorModel::Gray : model == ProfileColorModel::Rgb;
}
