#include "encode/TiffEncoder.h"

#include "encode/TiffRowEncoder.h"

Result<QByteArray> encodeTiff(const QImage &source, double dpi)
{
    // A picture with a colour table (whose alpha is in the table) is converted whole first; the
    // encoder converts rows in any other format itself.
    const bool table = source.format() == QImage::Format_Indexed8 || source.format() == QImage::Format_Mono ||
                       source.format() == QImage::Format_MonoLSB;
    const QImage image =
        table
            ? source.convertToFormat(TiffRowEncoder::layoutFormat(source.format(), source.hasAlphaChannel()))
            : source;
    if (image.isNull())
        return Failure(FailureReason::OutOfMemory);
    return TiffRowEncoder().encodeWhole(image, 0, dpi);
}
