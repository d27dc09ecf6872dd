#pragma once

#include <QImage>
#include <QSize>

// True for the orientations (5 to 8) whose upright picture has width and height swapped.
bool orientationSwapsSides(int orientation);

// The stored picture turned upright by its EXIF orientation (1 to 8): a quarter-turn rotation
// then, for the mirrored values, a horizontal flip. Exact; any other value leaves it as is.
QImage uprightImage(const QImage &stored, int orientation);

// The upright size of a picture stored at the given size.
QSize uprightSize(QSize stored, int orientation);
