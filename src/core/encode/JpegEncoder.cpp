#include "encode/JpegEncoder.h"

#include "encode/JpegRowEncoder.h"
#include "encode/StoredPixels.h"

Result<QByteArray> encodeJpeg(const QImage &source, int quality, double dpi)
{
    // Gray8, RGB888 or RGB32, laid on white.
    const Result<QImage> stored = storedPixels(source, OutputFormat::Jpeg);
    if (!stored.ok())
        return stored.failure();
    const QImage &image = stored.value();
    return JpegRowEncoder().encodeWhole(image, quality, dpi);
}
