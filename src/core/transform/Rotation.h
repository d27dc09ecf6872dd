#pragma once

#include <QImage>

// Turns the picture counter-clockwise, as seen on screen, by 90, 180 or 270 degrees: an exact
// permutation of pixels. Any other angle (0, 360, negative, NaN) leaves it unchanged.
QImage rotateImage(const QImage &image, float degrees);
