// JPEG XL through libjxl 0.7, one encoding on the calling thread (no parallel runner: the
// runner's workers are the parallelism).
#include "encode/JpegXlEncoder.h"

#include "transform/PixelFormat.h"

#include <QCoreApplication>
#include <brotli/decode.h>
#include <jxl/encode.h>
#include <jxl/encode_cxx.h>

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// libjxl's effort (1 fastest to 9): lossy at 5 takes about 70 % of the default's (7) time for
// files within 1 % of its size; lossless at 3 an eighth of 5's time for 4 % more.
constexpr int kLossyEffort = 5;
constexpr int kLosslessEffort = 3;

Failure libraryFailure(JxlEncoder *encoder, const char *what)
{
    const JxlEncoderError error = JxlEncoderGetError(encoder);
    return Failure(error == JXL_ENC_ERR_OOM ? FailureReason::OutOfMemory : FailureReason::CannotWrite,
                   QCoreApplication::translate("JpegXlEncoder", "the JPEG XL encoder failed %1 (error %2)")
                       .arg(QLatin1String(what))
                       .arg(int(error)));
}

// Runs the encoder to its end, collecting what it writes.
Result<QByteArray> drain(JxlEncoder *encoder)
{
    QByteArray out(1 << 16, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        auto *next = reinterpret_cast<uint8_t *>(out.data()) + used;
        size_t available = size_t(out.size() - used);
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder, &next, &available);
        used = qsizetype(next - reinterpret_cast<uint8_t *>(out.data()));
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            return libraryFailure(encoder, "writing the file");
        out.resize(out.size() * 2);
    }
    out.truncate(used);
    return out;
}

// The pixels in a layout libjxl reads: its format and a picture (or packed rows) that holds them.
struct Pixels {
    JxlPixelFormat format {};
    QImage image;
    std::vector<uint16_t> packed; // 16-bit RGB without padding, which no QImage format holds
    const void *data() const
    {
        return packed.empty() ? static_cast<const void *>(image.constBits()) : packed.data();
    }
    size_t size() const
    {
        return packed.empty() ? size_t(image.bytesPerLine()) * size_t(image.height()) : packed.size() * 2;
    }
};

Pixels readablePixels(const QImage &source)
{
    Pixels p;
    const bool deep = isDeepFormat(source.format());
    const bool alpha = source.hasAlphaChannel();
    p.format.endianness = JXL_NATIVE_ENDIAN;
    p.format.data_type = deep ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8;
    p.format.align = 4; // QImage rows are padded to four bytes
    if (isGrayFormat(source.format())) {
        p.format.num_channels = 1;
        p.image = source;
    } else if (deep && !alpha) {
        const QImage wide = source.convertToFormat(QImage::Format_RGBX64);
        if (wide.isNull())
            return p;
        p.format.num_channels = 3;
        p.format.align = 0;
        p.packed.resize(size_t(wide.width()) * size_t(wide.height()) * 3);
        for (int y = 0; y < wide.height(); ++y) {
            const auto *in = reinterpret_cast<const quint16 *>(wide.constScanLine(y));
            uint16_t *out = p.packed.data() + size_t(y) * size_t(wide.width()) * 3;
            for (int x = 0; x < wide.width(); ++x)
                std::memcpy(out + 3 * x, in + 4 * x, 6);
        }
    } else if (deep) {
        p.format.num_channels = 4;
        p.image = source.convertToFormat(QImage::Format_RGBA64);
    } else {
        p.format.num_channels = alpha ? 4 : 3;
        p.image = source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    }
    return p;
}

// The most a metadata box may unpack to (the EXIF a JPEG holds is under 64 KiB a segment).
constexpr qsizetype kMaxUnpackedBox = 64 << 20;

QByteArray unbrotli(const char *data, qsizetype size)
{
    std::unique_ptr<BrotliDecoderState, void (*)(BrotliDecoderState *)> state(
        BrotliDecoderCreateInstance(nullptr, nullptr, nullptr), BrotliDecoderDestroyInstance);
    if (!state)
        return QByteArray();
    QByteArray out;
    size_t inLeft = size_t(size);
    const auto *in = reinterpret_cast<const uint8_t *>(data);
    uint8_t chunk[1 << 14];
    for (;;) {
        size_t outLeft = sizeof chunk;
        uint8_t *next = chunk;
        const BrotliDecoderResult result =
            BrotliDecoderDecompressStream(state.get(), &inLeft, &in, &outLeft, &next, nullptr);
        out.append(reinterpret_cast<const char *>(chunk), qsizetype(sizeof chunk - outLeft));
        if (result == BROTLI_DECODER_RESULT_SUCCESS)
            return out;
        if (result != BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT || out.size() > kMaxUnpackedBox)
            return QByteArray();
    }
}

QByteArray box(const char type[4], const QByteArray &contents)
{
    QByteArray header(8, '\0');
    qToBigEndian<quint32>(quint32(contents.size() + 8), header.data());
    std::memcpy(header.data() + 4, type, 4);
    return header + contents;
}

// The container with its Brotli-packed `Exif` and `xml ` boxes ("brob") unpacked. Hand-written:
// libjxl 0.7 packs the boxes it moves out of a recompressed JPEG, and most metadata readers
// (exiftool without its Brotli module, which Debian does not ship) cannot open them. A
// container that does not parse is returned as it is.
QByteArray withPlainMetadataBoxes(const QByteArray &file)
{
    QByteArray out;
    qsizetype at = 0;
    bool changed = false;
    while (at < file.size()) {
        const qsizetype left = file.size() - at;
        if (left < 8)
            return file;
        quint64 size = qFromBigEndian<quint32>(file.constData() + at);
        qsizetype header = 8;
        if (size == 1) {
            if (left < 16)
                return file;
            size = qFromBigEndian<quint64>(file.constData() + at + 8);
            header = 16;
        } else if (size == 0) {
            size = quint64(left); // the last box runs to the end
        }
        if (size < quint64(header) || size > quint64(left))
            return file;
        const char *type = file.constData() + at + 4;
        const char *body = file.constData() + at + header;
        const qsizetype bodySize = qsizetype(size) - header;
        if (std::memcmp(type, "brob", 4) == 0 && bodySize >= 4 &&
            (std::memcmp(body, "Exif", 4) == 0 || std::memcmp(body, "xml ", 4) == 0)) {
            const QByteArray unpacked = unbrotli(body + 4, bodySize - 4);
            if (unpacked.isEmpty())
                return file;
            out += box(body, unpacked);
            changed = true;
        } else {
            out.append(file.constData() + at, qsizetype(size));
        }
        at += qsizetype(size);
    }
    return changed ? out : file;
}

QByteArray exifBoxContents(const QByteArray &tiff)
{
    // The box starts with the offset of the TIFF header within it: right after the offset.
    return QByteArray(4, '\0') + tiff;
}

} // namespace

float jpegXlDistance(int quality)
{
    // cjxl's own mapping, written out: libjxl 0.7 does not offer JxlEncoderDistanceFromQuality.
    const double q = std::clamp(quality, 0, 100);
    if (q >= 100)
        return 0.0f;
    const double distance = q >= 30 ? 0.1 + (100 - q) * 0.09 : 53.0 / 3000.0 * q * q - 23.0 / 20.0 * q + 25.0;
    return float(std::min(distance, 15.0)); // the most libjxl 0.7 takes
}

Result<QByteArray> encodeJpegXl(const QImage &source, int quality, const SourceMetadata::Blocks &metadata,
                                const QByteArray &iccProfile)
{
    const bool lossless = std::clamp(quality, 0, 100) == 100;
    const Pixels pixels = readablePixels(source);
    if (pixels.image.isNull() && pixels.packed.empty())
        return Failure(FailureReason::OutOfMemory);

    JxlEncoderPtr owner = JxlEncoderMake(nullptr);
    JxlEncoder *encoder = owner.get();
    if (!encoder)
        return Failure(FailureReason::OutOfMemory);
    const bool boxes = !metadata.exif.isEmpty() || !metadata.xmp.isEmpty();
    if (boxes && JxlEncoderUseBoxes(encoder) != JXL_ENC_SUCCESS)
        return libraryFailure(encoder, "starting the container");

    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(source.width());
    info.ysize = uint32_t(source.height());
    info.bits_per_sample = pixels.format.data_type == JXL_TYPE_UINT16 ? 16 : 8;
    info.num_color_channels = pixels.format.num_channels < 3 ? 1 : 3;
    if (pixels.format.num_channels == 4) {
        info.alpha_bits = info.bits_per_sample;
        info.num_extra_channels = 1;
    }
    // Lossless keeps the pixels' own colour space; lossy codes them in libjxl's XYB.
    info.uses_original_profile = lossless ? JXL_TRUE : JXL_FALSE;
    if (JxlEncoderSetBasicInfo(encoder, &info) != JXL_ENC_SUCCESS)
        return libraryFailure(encoder, "with the picture's size");
    if (!iccProfile.isEmpty()) {
        if (JxlEncoderSetICCProfile(encoder, reinterpret_cast<const uint8_t *>(iccProfile.constData()),
                                    size_t(iccProfile.size())) != JXL_ENC_SUCCESS)
            return libraryFailure(encoder, "with the colour profile");
    } else {
        JxlColorEncoding srgb;
        JxlColorEncodingSetToSRGB(&srgb, info.num_color_channels == 1 ? JXL_TRUE : JXL_FALSE);
        if (JxlEncoderSetColorEncoding(encoder, &srgb) != JXL_ENC_SUCCESS)
            return libraryFailure(encoder, "with the colour encoding");
    }

    JxlEncoderFrameSettings *settings = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT,
                                     lossless ? kLosslessEffort : kLossyEffort);
    const bool set = lossless
                         ? JxlEncoderSetFrameLossless(settings, JXL_TRUE) == JXL_ENC_SUCCESS
                         : JxlEncoderSetFrameDistance(settings, jpegXlDistance(quality)) == JXL_ENC_SUCCESS;
    if (!set)
        return libraryFailure(encoder, "with the quality");

    if (boxes) {
        const QByteArray exif = metadata.exif.isEmpty() ? QByteArray() : exifBoxContents(metadata.exif);
        for (const auto &[type, contents] : {std::pair {"Exif", &exif}, std::pair {"xml ", &metadata.xmp}}) {
            if (contents->isEmpty())
                continue;
            JxlBoxType box;
            std::memcpy(box, type, 4);
            if (JxlEncoderAddBox(encoder, box, reinterpret_cast<const uint8_t *>(contents->constData()),
                                 size_t(contents->size()), JXL_FALSE) != JXL_ENC_SUCCESS)
                return libraryFailure(encoder, "adding the metadata");
        }
    }
    if (JxlEncoderAddImageFrame(settings, &pixels.format, pixels.data(), pixels.size()) != JXL_ENC_SUCCESS)
        return libraryFailure(encoder, "with the pixels");
    JxlEncoderCloseInput(encoder);
    return drain(encoder);
}

Result<QByteArray> recompressJpegAsJpegXl(const QByteArray &jpeg)
{
    JxlEncoderPtr owner = JxlEncoderMake(nullptr);
    JxlEncoder *encoder = owner.get();
    if (!encoder)
        return Failure(FailureReason::OutOfMemory);
    if (JxlEncoderStoreJPEGMetadata(encoder, JXL_TRUE) != JXL_ENC_SUCCESS)
        return libraryFailure(encoder, "keeping the JPEG's data");
    JxlEncoderFrameSettings *settings = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    if (JxlEncoderAddJPEGFrame(settings, reinterpret_cast<const uint8_t *>(jpeg.constData()),
                               size_t(jpeg.size())) != JXL_ENC_SUCCESS)
        return libraryFailure(encoder, "taking the JPEG");
    JxlEncoderCloseInput(encoder);
    Result<QByteArray> file = drain(encoder);
    if (!file.ok())
        return file;
    return withPlainMetadataBoxes(file.value());
}
