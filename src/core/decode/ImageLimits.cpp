#include "decode/ImageLimits.h"

bool exceedsImageLimits(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return true;
    if (width > kMaxImageSide || height > kMaxImageSide)
        return true;
    return width * height > kMaxImagePixels;
}
