#pragma once

#include <QByteArray>
#include <QImage>

// Converts CMYK samples (4 bytes a pixel, `inverted` for Adobe's 0 = full ink) in place into
// opaque RGB32 pixels of the same image: through the CMYK profile to sRGB when one is given
// and usable (LittleCMS), else by the plain complement formula. The image must be Format_RGB32
// holding the CMYK bytes in its pixels.
void convertCmykToRgbInPlace(QImage *image, bool inverted, const QByteArray &cmykProfile);
