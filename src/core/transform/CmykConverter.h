#pragma once

#include "common/LcmsHandles.h"

#include <QByteArray>
#include <QImage>

// Turns CMYK samples into opaque RGB32 pixels, a band of rows at a time, with one transform
// made for the whole picture: through the CMYK profile to sRGB when one is given and usable
// (LittleCMS), else by the plain complement formula. `inverted` is Adobe's 0 = full ink.
// Threading: a plain object, used by one thread at a time.
class CmykConverter {
public:
    CmykConverter(bool inverted, const QByteArray &cmykProfile);
    // Converts `count` rows of `width` pixels, `bytesPerLine` apart, in place: four CMYK bytes
    // a pixel become one RGB32 pixel.
    void convert(uchar *rows, qsizetype bytesPerLine, int width, int count) const;

private:
    bool m_inverted;
    LcmsTransform m_transform;
};
