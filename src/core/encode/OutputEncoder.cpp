#include "encode/OutputEncoder.h"

#include "common/Logging.h"
#include "encode/GifEncoder.h"
#include "encode/JpegEncoder.h"
#include "encode/PngEncoder.h"
#include "encode/PngIccChunk.h"
#include "encode/TiffEncoder.h"
#include "metadata/IccProfile.h"
#include "metadata/SourceMetadata.h"

EncodedOutput encodeOutput(const QImage &image, OutputFormat format, int jpegQuality, double dpi,
                           const QByteArray &iccProfile, const SourceMetadata &metadata)
{
    EncodedOutput out;
    switch (format) {
    case OutputFormat::Jpeg:
        out.bytes = encodeJpeg(image, jpegQuality, dpi, &out.error);
        break;
    case OutputFormat::Png:
        out.bytes = encodePng(image, dpi, &out.error);
        break;
    case OutputFormat::Gif:
        out.bytes = encodeGif(image, &out.error);
        break;
    case OutputFormat::Tiff:
        out.bytes = encodeTiff(image, dpi, &out.error);
        break;
    }
    if (out.bytes.isEmpty())
        return out;

    if (format == OutputFormat::Gif) {
        if (metadata.hasExifXmpOrIptc() || !iccProfile.isEmpty())
            out.notes << QStringLiteral("GIF holds no metadata or colour profile; they were not kept");
        return out;
    }

    if (format == OutputFormat::Tiff)
        qCInfo(lcConversion, "metref = %s", qPrintable(metadata.summary()));
    QByteArray profile = iccProfile;
    // Every encoder writes gray formats as gray and everything else as RGB.
    if (!profile.isEmpty() && !profileMatchesImage(profile, image)) {
        out.notes << QStringLiteral(
            "the colour profile does not describe the output's colours; it was not kept");
        profile.clear();
    }
    const bool png = format == OutputFormat::Png;
    if (metadata.hasExifXmpOrIptc()) {
        QString error;
        if (!metadata.writeInto(&out.bytes, image.size(), dpi, png ? QByteArray() : profile, &error))
            out.notes << QStringLiteral("metadata could not be written: %1").arg(error);
    } else if (!png && !profile.isEmpty()) {
        QString error;
        if (!SourceMetadata().writeInto(&out.bytes, image.size(), dpi, profile, &error))
            out.notes << QStringLiteral("the colour profile could not be written: %1").arg(error);
    }
    if (png)
        out.bytes = withPngIccProfile(out.bytes, profile);
    return out;
}
