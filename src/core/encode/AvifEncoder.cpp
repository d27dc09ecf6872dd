// AVIF through libavif and libaom, one encoding on the calling thread.
#include "encode/AvifEncoder.h"

#include "transform/PixelFormat.h"

#include <QCoreApplication>
#include <avif/avif.h>

#include <algorithm>
#include <memory>

namespace {

// aom's speed (0 slowest to 9 fastest for still pictures): at quality 85 a 1500-wide photo takes
// about 0.06 s on one core, a 24-megapixel one about 2 s (bench_encode); speeds 6 to 8 gave files
// within 3 % of its size at 2.5 to 5 times its time.
constexpr int kAomSpeed = 9;

struct ImageDestroy {
    void operator()(avifImage *i) const { avifImageDestroy(i); }
};
struct EncoderDestroy {
    void operator()(avifEncoder *e) const { avifEncoderDestroy(e); }
};

Failure libraryFailure(avifResult result)
{
    return Failure(result == AVIF_RESULT_OUT_OF_MEMORY ? FailureReason::OutOfMemory
                                                       : FailureReason::CannotWrite,
                   QCoreApplication::translate("AvifEncoder", "the AVIF encoder failed: %1")
                       .arg(QString::fromUtf8(avifResultToString(result))));
}

// Gray pixels are the luma plane itself: with full range and R = G = B, Y is the gray value
// under any matrix, so no conversion is needed.
void copyGray(const QImage &gray, avifImage *image)
{
    const bool deep = gray.format() == QImage::Format_Grayscale16;
    for (int y = 0; y < gray.height(); ++y) {
        uint8_t *row = image->yuvPlanes[AVIF_CHAN_Y] + size_t(y) * image->yuvRowBytes[AVIF_CHAN_Y];
        if (deep) {
            const auto *in = reinterpret_cast<const quint16 *>(gray.constScanLine(y));
            auto *out = reinterpret_cast<uint16_t *>(row);
            for (int x = 0; x < gray.width(); ++x)
                out[x] = uint16_t((uint32_t(in[x]) * 1023 + 32767) / 65535);
        } else {
            std::copy_n(gray.constScanLine(y), gray.width(), row);
        }
    }
}

// The picture in a layout libavif reads, converting only when the QImage is in none of them.
QImage readablePixels(const QImage &source, avifRGBImage *rgb)
{
    const bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    QImage pixels = source;
    switch (source.format()) {
    case QImage::Format_RGB888:
        rgb->format = AVIF_RGB_FORMAT_RGB;
        break;
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888_Premultiplied:
        rgb->format = AVIF_RGB_FORMAT_RGBA;
        break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        if (littleEndian) {
            rgb->format = AVIF_RGB_FORMAT_BGRA;
            break;
        }
        pixels = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                                 : QImage::Format_RGBX8888);
        rgb->format = AVIF_RGB_FORMAT_RGBA;
        break;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        rgb->format = AVIF_RGB_FORMAT_RGBA;
        break;
    default:
        pixels = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                                 : QImage::Format_RGBX8888);
        rgb->format = AVIF_RGB_FORMAT_RGBA;
        break;
    }
    const QImage::Format f = pixels.format();
    rgb->depth = isDeepFormat(f) ? 16 : 8;
    rgb->ignoreAlpha = !pixels.hasAlphaChannel() && rgb->format != AVIF_RGB_FORMAT_RGB;
    rgb->alphaPremultiplied = f == QImage::Format_ARGB32_Premultiplied ||
                              f == QImage::Format_RGBA8888_Premultiplied ||
                              f == QImage::Format_RGBA64_Premultiplied;
    rgb->pixels = const_cast<uint8_t *>(pixels.constBits());
    rgb->rowBytes = uint32_t(pixels.bytesPerLine());
    return pixels;
}

} // namespace

Result<QByteArray> encodeAvif(const QImage &source, int quality, const SourceMetadata::Blocks &metadata,
                              const QByteArray &iccProfile)
{
    quality = std::clamp(quality, 0, 100);
    const bool lossless = quality == 100;
    const bool gray = isGrayFormat(source.format());
    const bool deep = isDeepFormat(source.format());
    const avifPixelFormat layout = gray                                ? AVIF_PIXEL_FORMAT_YUV400
                                   : quality >= kAvifFullChromaQuality ? AVIF_PIXEL_FORMAT_YUV444
                                                                       : AVIF_PIXEL_FORMAT_YUV420;
    std::unique_ptr<avifImage, ImageDestroy> image(
        avifImageCreate(uint32_t(source.width()), uint32_t(source.height()), deep ? 10 : 8, layout));
    if (!image)
        return Failure(FailureReason::OutOfMemory);
    image->yuvRange = AVIF_RANGE_FULL;
    // RGB itself for lossless (no conversion to round), else the usual BT.601 luma and chroma.
    image->matrixCoefficients =
        lossless && !gray ? AVIF_MATRIX_COEFFICIENTS_IDENTITY : AVIF_MATRIX_COEFFICIENTS_BT601;
    if (iccProfile.isEmpty()) {
        image->colorPrimaries = AVIF_COLOR_PRIMARIES_BT709;
        image->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_SRGB;
    } else {
        avifImageSetProfileICC(image.get(), reinterpret_cast<const uint8_t *>(iccProfile.constData()),
                               size_t(iccProfile.size()));
    }
    if (!metadata.exif.isEmpty())
        avifImageSetMetadataExif(image.get(), reinterpret_cast<const uint8_t *>(metadata.exif.constData()),
                                 size_t(metadata.exif.size()));
    if (!metadata.xmp.isEmpty())
        avifImageSetMetadataXMP(image.get(), reinterpret_cast<const uint8_t *>(metadata.xmp.constData()),
                                size_t(metadata.xmp.size()));

    avifResult result = AVIF_RESULT_OK;
    if (gray) {
        result = avifImageAllocatePlanes(image.get(), AVIF_PLANES_YUV);
        if (result != AVIF_RESULT_OK)
            return libraryFailure(result);
        copyGray(source, image.get());
    } else {
        avifRGBImage rgb;
        avifRGBImageSetDefaults(&rgb, image.get());
        const QImage pixels = readablePixels(source, &rgb);
        if (pixels.isNull())
            return Failure(FailureReason::OutOfMemory);
        result = avifImageRGBToYUV(image.get(), &rgb);
        if (result != AVIF_RESULT_OK)
            return libraryFailure(result);
    }

    std::unique_ptr<avifEncoder, EncoderDestroy> encoder(avifEncoderCreate());
    if (!encoder)
        return Failure(FailureReason::OutOfMemory);
    if (avifCodecName(AVIF_CODEC_CHOICE_AOM, AVIF_CODEC_FLAG_CAN_ENCODE))
        encoder->codecChoice = AVIF_CODEC_CHOICE_AOM;
    encoder->maxThreads = 1; // the runner's workers are the parallelism
    encoder->speed = kAomSpeed;
    // Quality to AV1 quantizer as libavif's and libheif's own quality settings map it: 100 -> 0, 85 -> 9, 50
    // -> 32, 0 -> 63.
    const int quantizer = ((100 - quality) * AVIF_QUANTIZER_WORST_QUALITY + 50) / 100;
    encoder->minQuantizer = quantizer;
    encoder->maxQuantizer = quantizer;
    avifRWData output = AVIF_DATA_EMPTY;
    result = avifEncoderWrite(encoder.get(), image.get(), &output);
    if (result != AVIF_RESULT_OK) {
        avifRWDataFree(&output);
        return libraryFailure(result);
    }
    const QByteArray bytes(reinterpret_cast<const char *>(output.data), qsizetype(output.size));
    avifRWDataFree(&output);
    return bytes;
}
