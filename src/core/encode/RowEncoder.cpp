#include "encode/RowEncoder.h"

#include "encode/JpegRowEncoder.h"
#include "encode/PngRowEncoder.h"
#include "encode/TiffRowEncoder.h"

Result<QByteArray> RowEncoder::encodeWhole(const QImage &image, int quality, double dpi)
{
    if (const Failure failure = start(image.size(), image.format(), quality, dpi); failure.failed())
        return failure;
    if (const Failure failure = write(image.constBits(), image.bytesPerLine(), image.height());
        failure.failed())
        return failure;
    return finish();
}

bool encodesRows(OutputFormat format)
{
    return format == OutputFormat::Jpeg || format == OutputFormat::Png || format == OutputFormat::Tiff;
}

std::unique_ptr<RowEncoder> makeRowEncoder(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return std::make_unique<JpegRowEncoder>();
    case OutputFormat::Png:
        return std::make_unique<PngRowEncoder>();
    case OutputFormat::Tiff:
        return std::make_unique<TiffRowEncoder>();
    default:
        return nullptr;
    }
}
