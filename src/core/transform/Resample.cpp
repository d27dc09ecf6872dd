#include "transform/Resample.h"

QImage resampled(const QImage &image, QSize size)
{
    if (image.size() == size)
        return image;
    QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if ((image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16) &&
        scaled.format() != image.format())
        scaled = scaled.convertToFormat(image.format());
    return scaled;
}
