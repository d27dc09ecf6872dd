#include "transform/CmykToSrgb.h"

#include "transform/CmykConverter.h"

void convertCmykToRgbInPlace(QImage *image, bool inverted, const QByteArray &cmykProfile)
{
    CmykConverter(inverted, cmykProfile)
        .convert(image->bits(), image->bytesPerLine(), image->width(), image->height());
}
