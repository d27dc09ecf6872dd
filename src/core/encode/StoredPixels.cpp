#include "encode/StoredPixels.h"

#include "encode/FlattenOnWhite.h"
#include "encode/GifPalette.h"

bool formatKeepsAlpha(OutputFormat format)
{
    return format != OutputFormat::Jpeg;
}

Result<QImage> storedPixels(const QImage &finished, OutputFormat format)
{
    QImage stored;
    switch (format) {
    case OutputFormat::Jpeg:
        // libjpeg takes these layouts as they are; anything else becomes 8-bit RGB on white.
        if (finished.format() == QImage::Format_Grayscale8 || finished.format() == QImage::Format_RGB888 ||
            finished.format() == QImage::Format_RGB32)
            return finished;
        stored = finished.format() == QImage::Format_Grayscale16
                     ? finished.convertToFormat(QImage::Format_Grayscale8)
                     : flattenedOnWhite(finished).convertToFormat(QImage::Format_RGB32);
        break;
    case OutputFormat::Gif:
        return gifPalettePicture(finished);
    default:
        return finished;
    }
    if (stored.isNull() && !finished.isNull())
        return Failure(FailureReason::OutOfMemory);
    return stored;
}
