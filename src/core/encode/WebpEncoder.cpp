// WebP through libwebp, one encoding on the calling thread; metadata chunks with libwebpmux,
// because Qt's WebP writer leaves them out.
#include "encode/WebpEncoder.h"

#include <QCoreApplication>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <memory>

namespace {

// libwebp's largest side (its header stores 14 bits).
constexpr int kWebpMaxSide = 16383;
// The lossless effort (0 fastest to 9): beyond 1 files shrink by about 1 % at twice the time.
constexpr int kLosslessLevel = 1;

QString encoderWords(WebPEncodingError error)
{
    switch (error) {
    case VP8_ENC_ERROR_OUT_OF_MEMORY:
    case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY:
        return QCoreApplication::translate("WebpEncoder", "the WebP encoder ran out of memory");
    case VP8_ENC_ERROR_BAD_DIMENSION:
        return QStringLiteral("WebP cannot hold this picture size");
    case VP8_ENC_ERROR_PARTITION0_OVERFLOW:
    case VP8_ENC_ERROR_PARTITION_OVERFLOW:
    case VP8_ENC_ERROR_FILE_TOO_BIG:
        return QCoreApplication::translate("WebpEncoder",
                                           "the picture is too large for a WebP file at this quality");
    default:
        return QCoreApplication::translate("WebpEncoder", "the WebP encoder failed (error %1)")
            .arg(int(error));
    }
}

struct PictureFree {
    void operator()(WebPPicture *p) const { WebPPictureFree(p); }
};
struct MuxDelete {
    void operator()(WebPMux *m) const { WebPMuxDelete(m); }
};

// Hands the picture's rows to libwebp in the layout it imports, converting only when the
// QImage is in none of them.
bool importPixels(WebPPicture *picture, const QImage &source, bool alpha)
{
    const bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    if (!alpha && source.format() == QImage::Format_RGB888)
        return WebPPictureImportRGB(picture, source.constBits(), int(source.bytesPerLine()));
    if (!alpha && source.format() == QImage::Format_RGB32 && littleEndian)
        return WebPPictureImportBGRX(picture, source.constBits(), int(source.bytesPerLine()));
    if (alpha && source.format() == QImage::Format_ARGB32 && littleEndian)
        return WebPPictureImportBGRA(picture, source.constBits(), int(source.bytesPerLine()));
    const QImage converted = source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (converted.isNull())
        return false;
    return alpha ? WebPPictureImportRGBA(picture, converted.constBits(), int(converted.bytesPerLine()))
                 : WebPPictureImportRGB(picture, converted.constBits(), int(converted.bytesPerLine()));
}

} // namespace

Result<QByteArray> encodeWebp(const QImage &image, int quality, const SourceMetadata::Blocks &metadata,
                              const QByteArray &iccProfile)
{
    if (image.width() > kWebpMaxSide || image.height() > kWebpMaxSide)
        return Failure(FailureReason::TooLarge,
                       QStringLiteral("WebP holds at most %1 pixels a side").arg(kWebpMaxSide));
    quality = std::clamp(quality, 0, 100);
    const bool lossless = quality == 100;
    WebPConfig config;
    if (!WebPConfigInit(&config))
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("WebpEncoder", "libwebp's version does not match"));
    if (lossless) {
        WebPConfigLosslessPreset(&config, kLosslessLevel);
        config.exact = 1;
    } else {
        config.quality = float(quality);
        config.method = 4;
    }
    config.thread_level = 0; // the runner's workers are the parallelism

    WebPPicture raw;
    if (!WebPPictureInit(&raw))
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("WebpEncoder", "libwebp's version does not match"));
    std::unique_ptr<WebPPicture, PictureFree> picture(&raw);
    picture->width = image.width();
    picture->height = image.height();
    picture->use_argb = lossless ? 1 : 0;
    const bool alpha = image.hasAlphaChannel();
    const QImage straight = alpha && image.format() != QImage::Format_ARGB32
                                ? image.convertToFormat(QImage::Format_ARGB32)
                                : image;
    if (straight.isNull() || !importPixels(picture.get(), straight, alpha))
        return Failure(FailureReason::OutOfMemory);

    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture->writer = WebPMemoryWrite;
    picture->custom_ptr = &writer;
    const bool encoded = WebPEncode(&config, picture.get());
    const WebPEncodingError error = picture->error_code;
    picture.reset();
    if (!encoded) {
        WebPMemoryWriterClear(&writer);
        return Failure(error == VP8_ENC_ERROR_OUT_OF_MEMORY ? FailureReason::OutOfMemory
                                                            : FailureReason::CannotWrite,
                       encoderWords(error));
    }
    if (metadata.exif.isEmpty() && metadata.xmp.isEmpty() && iccProfile.isEmpty()) {
        const QByteArray bytes(reinterpret_cast<const char *>(writer.mem), qsizetype(writer.size));
        WebPMemoryWriterClear(&writer);
        return bytes;
    }

    // The extended layout: the image with ICCP, EXIF and XMP chunks.
    std::unique_ptr<WebPMux, MuxDelete> mux(WebPMuxNew());
    const WebPData bitstream {writer.mem, writer.size};
    bool ok = mux && WebPMuxSetImage(mux.get(), &bitstream, 1) == WEBP_MUX_OK;
    WebPMemoryWriterClear(&writer);
    const auto chunk = [&](const char *fourcc, const QByteArray &data) {
        const WebPData bytes {reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size())};
        ok = ok && (data.isEmpty() || WebPMuxSetChunk(mux.get(), fourcc, &bytes, 1) == WEBP_MUX_OK);
    };
    chunk("ICCP", iccProfile);
    chunk("EXIF", metadata.exif);
    chunk("XMP ", metadata.xmp);
    WebPData assembled {nullptr, 0};
    ok = ok && WebPMuxAssemble(mux.get(), &assembled) == WEBP_MUX_OK;
    const QByteArray bytes =
        ok ? QByteArray(reinterpret_cast<const char *>(assembled.bytes), qsizetype(assembled.size))
           : QByteArray();
    WebPDataClear(&assembled);
    if (!ok)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("WebpEncoder", "the WebP metadata could not be added"));
    return bytes;
}
