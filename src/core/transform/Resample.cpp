#include "transform/Resample.h"

#include "transform/PixelFormat.h"
#include "transform/RowReducer.h"

QImage resampled(const QImage &image, QSize size, QSizeF extent)
{
    if (!extent.isValid() || extent.isEmpty())
        extent = QSizeF(image.size());
    if ((image.size() == size && extent == QSizeF(size)) || image.isNull() || size.isEmpty())
        return image;
    QImage::Format working = RowReducer::workingFormat(image.format());
    if (working == QImage::Format_RGB32 && image.hasAlphaChannel())
        working = QImage::Format_ARGB32_Premultiplied; // a palette with transparent entries
    // Packed RGB888 is read as it is; anything else converted once, whole.
    const QImage source = image.format() == QImage::Format_RGB888 ? image : convertedTo(image, working);
    if (source.isNull())
        return QImage();
    QImage result = RowReducer::reduced(source, size, extent);
    if (result.isNull())
        return result;
    result.setDotsPerMeterX(image.dotsPerMeterX());
    result.setDotsPerMeterY(image.dotsPerMeterY());
    return result;
}
