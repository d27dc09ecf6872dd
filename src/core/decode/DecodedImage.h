#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

// The pixels of one decoded file, in the orientation they are stored.
struct DecodedImage {
    QImage image;
    // The size of the picture in the file, before any shrink on load.
    QSize storedSize;
    // How far it was shrunk on load: the stored size over this is what the pixels cover, the
    // last row and column standing for less than a whole pixel when it does not divide.
    int shrink = 1;
    // Horizontal density the file's own header states (JFIF, pHYs, ...); 0 when it states none.
    double statedDpi = 0.0;
    // The colour profile that describes these pixels; empty when unknown.
    QByteArray iccProfile;
    // True when the reader turned the pixels upright as asked (FormatReader::requestUpright):
    // their orientation is 1, and they are the stored size turned.
    bool upright = false;
    // True when the reader converted the pixels to sRGB (CMYK sources): the file's profile no
    // longer applies.
    bool convertedToSrgb = false;
    // What the reader kept back without failing, for the file's report.
    QStringList notes;
};
