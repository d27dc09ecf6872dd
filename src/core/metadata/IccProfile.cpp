#include "metadata/IccProfile.h"

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

bool profileMatchesImage(const QByteArray &icc, const QImage &image)
{
    const ProfileColorModel model = profileColorModel(icc);
    const bool gray =
        image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
    return gray ? model == ProfileColorModel::Gray : model == ProfileColorModel::Rgb;
}
