#pragma once

#include <QtGlobal>

// The largest picture the core decodes or produces: 300 megapixels, enough for the largest
// camera and stitched photos; a file whose header claims more is refused before allocation.
constexpr qint64 kMaxImagePixels = 300'000'000;
// Either side of a picture, in pixels.
constexpr qint64 kMaxImageSide = 1'000'000;

// True when a picture of w x h pixels is empty or beyond the limits.
bool exceedsImageLimits(qint64 width, qint64 height);
