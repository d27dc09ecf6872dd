#pragma once

#include <QByteArray>
#include <QImage>

// The colour model an ICC profile describes, from its header.
enum class ProfileColorModel { Unknown, Gray, Rgb, Cmyk, Other };

ProfileColorModel profileColorModel(const QByteArray &iccProfile);

// True when the profile can be embedded with pixels of this image: a gray profile for gray
// pixels, an RGB profile for colour pixels.
bool profileMatchesImage(const QByteArray &iccProfile, const QImage &image);

// Converts CMYK samples (4 bytes a pixel, `inverted` for Adobe's 0 = full ink) in place into
// opaque RGB32 pixels of the same image: through the CMYK profile to sRGB when one is given
// and usable, else by the plain complement formula. The image must be Format_RGB32 holding
// the CMYK bytes in its pixels.
void convertCmykToRgbInPlace(QImage *image, bool inverted, const QByteArray &cmykProfile);
