#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// The picture's colours taken from the profile that describes them to sRGB, relative
// colorimetric with black point compensation; gray pictures stay gray, on sRGB's tone curve.
// Alpha is kept; 16-bit pictures stay 16-bit. Nothing when the profile cannot be read or does
// not describe the picture's colours (an RGB profile on a gray picture). Any thread.
std::optional<QImage> convertedToSrgb(const QImage &image, const QByteArray &profile);

// The profiles an sRGB output is tagged with: sRGB itself, and for gray pictures a gray profile
// with sRGB's tone curve.
QByteArray srgbProfile();
QByteArray srgbGrayProfile();
// The one of the two that describes this picture's colours.
QByteArray srgbProfileFor(const QImage &image);
