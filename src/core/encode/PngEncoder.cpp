#include "encode/PngEncoder.h"

#include "encode/PngRowEncoder.h"

#include <QBuffer>
#include <QImageWriter>

#include <cmath>

// A view of the pixels without the text keys and colour space a decoded image may carry, so
// the writer adds nothing stale (an old EXIF block in a PNG text chunk, say).
static QImage barePixels(const QImage &image)
{
    QImage bare(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB)
        bare.setColorTable(image.colorTable());
    return bare;
}

Result<QByteArray> encodePng(const QImage &image, double dpi)
{
    if (PngRowEncoder::takes(image.format()))
        return PngRowEncoder().encodeWhole(image, 0, dpi); // a photo's layouts, as in bands
    QImage bare = barePixels(image);
    const int perMeter = int(std::lround(dpi / 0.0254));
    bare.setDotsPerMeterX(perMeter);
    bare.setDotsPerMeterY(perMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(bare))
        return Failure(FailureReason::CannotWrite, writer.errorString());
    return bytes;
}
