#include "encode/OutputEncoder.h"

#include "common/Logging.h"
#include "encode/GifEncoder.h"
#include "encode/JpegEncoder.h"
#include "encode/PngEncoder.h"
#include "encode/TiffEncoder.h"
#include "metadata/IccProfile.h"
#include "metadata/PngChunks.h"
#include "metadata/SourceMetadata.h"

static Result<QByteArray> encodePixels(const QImage &image, OutputFormat format, int jpegQuality, double dpi)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return encodeJpeg(image, jpegQuality, dpi);
    case OutputFormat::Png:
        return encodePng(image, dpi);
    case OutputFormat::Gif:
        return encodeGif(image);
    case OutputFormat::Tiff:
        break;
    }
    return encodeTiff(image, dpi);
}

Result<EncodedOutput> encodeOutput(const QImage &image, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &source)
{
    const OutputFormat format = options.format;
    Result<QByteArray> pixels = encodePixels(image, format, options.jpegQuality, dpi);
    if (!pixels.ok())
        return pixels.failure();
    EncodedOutput out;
    out.bytes = pixels.value();
    const SourceMetadata metadata = source.keeping(options.metadata, &out.metadataRemoved);

    if (format == OutputFormat::Gif) {
        if (metadata.hasExifXmpOrIptc() || !iccProfile.isEmpty())
            out.notes << QStringLiteral("GIF holds no metadata or colour profile; they were not kept");
        return out;
    }

    if (format == OutputFormat::Tiff)
        qCInfo(lcConversion, "metref = %s", qPrintable(metadata.summary()));
    QByteArray profile = iccProfile;
    // Every profile a source gives passes here on its way into the output.
    if (!profile.isEmpty() && !profileIsUsable(profile)) {
        out.notes << QStringLiteral("the colour profile is damaged and is left out");
        profile.clear();
    }
    // Every encoder writes gray formats as gray and everything else as RGB.
    if (!profile.isEmpty() && !profileMatchesImage(profile, image)) {
        out.notes << QStringLiteral(
            "the colour profile does not describe the output's colours; it was not kept");
        profile.clear();
    }
    const bool png = format == OutputFormat::Png;
    if (metadata.hasExifXmpOrIptc()) {
        const Failure failure =
            metadata.writeInto(&out.bytes, image.size(), dpi, png ? QByteArray() : profile);
        if (failure.failed())
            out.notes << QStringLiteral("metadata could not be written: %1").arg(failure.detail);
    } else if (!png && !profile.isEmpty()) {
        const Failure failure = SourceMetadata().writeInto(&out.bytes, image.size(), dpi, profile);
        if (failure.failed())
            out.notes << QStringLiteral("the colour profile could not be written: %1").arg(failure.detail);
    }
    if (png)
        out.bytes = withPngIccProfile(out.bytes, profile);
    return out;
}
