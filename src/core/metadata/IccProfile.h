#pragma once

#include <QByteArray>
#include <QImage>

// The colour model an ICC profile describes, from its header.
enum class ProfileColorModel { Unknown, Gray, Rgb, Cmyk, Other };

ProfileColorModel profileColorModel(const QByteArray &iccProfile);

// True when the profile can be embedded with pixels of this image: a gray profile for gray
// pixels, an RGB profile for colour pixels.
bool profileMatchesImage(const QByteArray &iccProfile, const QImage &image);
