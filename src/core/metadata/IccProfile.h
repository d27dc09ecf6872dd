#pragma once

#include <QByteArray>
#include <QImage>

// The colour model an ICC profile describes, from its header.
enum class ProfileColorModel { Unknown, Gray, Rgb, Cmyk, Other };

ProfileColorModel profileColorModel(const QByteArray &iccProfile);

// True when LittleCMS opens the profile and can convert colours from it. One it cannot open, one
// without the tags a conversion needs (an empty tag table), or one whose tags are damaged
// describes no colours.
bool profileIsUsable(const QByteArray &iccProfile);

// True when the profile can be embedded with pixels of this image: a gray profile for gray
// pixels, an RGB profile for colour pixels.
bool profileMatchesImage(const QByteArray &iccProfile, const QImage &image);
