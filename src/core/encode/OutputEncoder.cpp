#include "encode/OutputEncoder.h"

#include "common/Logging.h"
#include "encode/AvifEncoder.h"
#include "encode/GifEncoder.h"
#include "encode/JpegEncoder.h"
#include "encode/JpegXlEncoder.h"
#include "encode/PngEncoder.h"
#include "encode/StoredPixels.h"
#include "encode/TiffEncoder.h"
#include "encode/WebpEncoder.h"
#include "metadata/IccProfile.h"
#include "metadata/PngChunks.h"
#include "metadata/SourceMetadata.h"
#include "transform/PixelFormat.h"

#include <QCoreApplication>

namespace {

Result<QByteArray> encodePixels(const QImage &image, OutputFormat format, int jpegQuality, double dpi)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return encodeJpeg(image, jpegQuality, dpi);
    case OutputFormat::Png:
        return encodePng(image, dpi);
    case OutputFormat::Gif:
        return encodeGif(image);
    default:
        break;
    }
    return encodeTiff(image, dpi);
}

// The formats whose own library writes the metadata, handed over as blocks.
bool takesMetadataBlocks(OutputFormat format)
{
    return format == OutputFormat::WebP || format == OutputFormat::Avif || format == OutputFormat::JpegXl;
}

Result<QByteArray> encodeWithBlocks(const QImage &image, const ConversionOptions &options,
                                    const SourceMetadata::Blocks &blocks, const QByteArray &profile)
{
    switch (options.format) {
    case OutputFormat::WebP:
        return encodeWebp(image, options.jpegQuality, blocks, profile);
    case OutputFormat::Avif:
        return encodeAvif(image, options.jpegQuality, blocks, profile);
    default:
        break;
    }
    return encodeJpegXl(image, options.jpegQuality, blocks, profile);
}

// WebP holds RGB only: a gray picture is written as RGB, and only an RGB profile describes it.
bool profileFitsOutput(const QByteArray &profile, bool gray, OutputFormat format)
{
    if (format == OutputFormat::WebP)
        return profileColorModel(profile) == ProfileColorModel::Rgb;
    return profileColorModel(profile) == (gray ? ProfileColorModel::Gray : ProfileColorModel::Rgb);
}

// The output's metadata and profile written into its encoded pixels (out.bytes), or for the
// formats whose library takes them as blocks, the picture encoded with them (`image` then given).
Result<EncodedOutput> withMetadata(EncodedOutput out, const QImage *image, bool gray,
                                   const ConversionOptions &options, double dpi, const QByteArray &iccProfile,
                                   const SourceMetadata &metadata)
{
    const OutputFormat format = options.format;
    const bool blocks = takesMetadataBlocks(format);
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
        out.notes << QCoreApplication::translate("OutputEncoder",
                                                 "the colour profile is damaged and is left out");
        profile.clear();
    }
    // Every encoder but WebP's writes gray formats as gray and everything else as RGB.
    if (!profile.isEmpty() && !profileFitsOutput(profile, gray, format)) {
        out.notes << QCoreApplication::translate(
            "OutputEncoder", "the colour profile does not describe the output's colours; it was not kept");
        profile.clear();
    }

    if (blocks) {
        SourceMetadata::Blocks metadataBlocks;
        if (metadata.hasExifXmpOrIptc()) {
            Result<SourceMetadata::Blocks> made = metadata.blocksFor(out.pixels, dpi);
            if (made.ok())
                metadataBlocks = made.value();
            else
                out.notes << QCoreApplication::translate("OutputEncoder", "metadata could not be written: %1")
                                 .arg(made.failure().detail);
        }
        Result<QByteArray> encoded = encodeWithBlocks(*image, options, metadataBlocks, profile);
        if (!encoded.ok())
            return encoded.failure();
        out.bytes = encoded.value();
        out.metadataWritten = !metadataBlocks.exif.isEmpty() || !metadataBlocks.xmp.isEmpty();
        out.profileWritten = !profile.isEmpty();
        return out;
    }

    const bool png = format == OutputFormat::Png;
    if (metadata.hasExifXmpOrIptc()) {
        const Failure failure = metadata.writeInto(&out.bytes, out.pixels, dpi, png ? QByteArray() : profile);
        if (failure.failed() && out.bytes.isEmpty())
            return failure; // memory ran out with the file let go
        if (failure.failed())
            out.notes << QCoreApplication::translate("OutputEncoder", "metadata could not be written: %1")
                             .arg(failure.detail);
        out.metadataWritten = !failure.failed();
        out.profileWritten = !failure.failed() && !png && !profile.isEmpty();
    } else if (!png && !profile.isEmpty()) {
        const Failure failure = SourceMetadata().writeInto(&out.bytes, out.pixels, dpi, profile);
        if (failure.failed() && out.bytes.isEmpty())
            return failure;
        if (failure.failed())
            out.notes << QCoreApplication::translate("OutputEncoder",
                                                     "the colour profile could not be written: %1")
                             .arg(failure.detail);
        out.profileWritten = !failure.failed();
    }
    if (png) {
        out.bytes = withPngIccProfile(out.bytes, profile);
        out.profileWritten = !profile.isEmpty();
    }
    return out;
}

} // namespace

int encodingBytesPerPixel(OutputFormat format, int quality)
{
    const bool lossless = quality >= 100;
    switch (format) {
    case OutputFormat::Jpeg:
    case OutputFormat::Gif:
        return 1; // a compressed JPEG or GIF is about a byte a pixel at most
    // The newer codecs work on whole planes of their own (libjxl in floats): pressmark-cli's peak
    // over a JPEG output's, per pixel of a 24-megapixel photo, rounded up.
    case OutputFormat::WebP:
        return lossless ? 28 : 6;
    case OutputFormat::Avif:
        return quality >= kAvifFullChromaQuality ? 30 : 16;
    case OutputFormat::JpegXl:
        return lossless ? 68 : 48; // a JPEG recompressed takes about 21
    default:
        return 4; // PNG and TIFF up to four
    }
}

Result<EncodedOutput> encodeOutput(const QImage &finished, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &source,
                                   const QByteArray &untouchedJpeg)
{
    const OutputFormat format = options.format;
    // The pixels as the format holds them, as the preview shows them.
    const Result<QImage> stored = storedPixels(finished, format);
    if (!stored.ok())
        return stored.failure();
    const QImage &image = stored.value();
    EncodedOutput out;
    // A profile the pixel path would leave out sends the JPEG there too, so the note is made; so
    // does metadata to leave out, which the recompressed file would carry as the source has it.
    if (format == OutputFormat::JpegXl && !untouchedJpeg.isEmpty() && options.metadata == MetadataKept::All &&
        (iccProfile.isEmpty() || (profileIsUsable(iccProfile) && profileMatchesImage(iccProfile, image)))) {
        // The JPEG as it is, its metadata as the source has it: that is what rebuilds the original.
        Result<QByteArray> recompressed = recompressJpegAsJpegXl(untouchedJpeg);
        if (recompressed.ok()) {
            out.bytes = recompressed.value();
            out.pixels = image.size();
            out.metadataWritten = source.hasExifXmpOrIptc();
            out.profileWritten = !iccProfile.isEmpty();
            return out;
        }
        qCInfo(lcConversion, "JPEG XL recompression: %s; encoding the pixels",
               qPrintable(recompressed.failure().detail));
    }
    const SourceMetadata metadata = source.keeping(options.metadata, &out.metadataRemoved);
    out.pixels = image.size();
    if (!takesMetadataBlocks(format)) {
        Result<QByteArray> pixels = encodePixels(image, format, options.jpegQuality, dpi);
        if (!pixels.ok())
            return pixels.failure();
        out.bytes = std::move(pixels.value());
    }
    return withMetadata(std::move(out), &image, isGrayFormat(image.format()), options, dpi, iccProfile,
                        metadata);
}

Result<EncodedOutput> encodeOutput(CompressedPixels pixels, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &source)
{
    EncodedOutput out;
    const SourceMetadata metadata = source.keeping(options.metadata, &out.metadataRemoved);
    out.pixels = pixels.size;
    out.bytes = std::move(pixels.bytes);
    return withMetadata(std::move(out), nullptr, pixels.gray, options, dpi, iccProfile, metadata);
}
