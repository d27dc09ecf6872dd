#include "decode/JxlReader.h"

#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <jxl/decode.h>

#include <QtEndian>
#include <algorithm>

namespace {

// Metadata boxes larger than this are passed over: EXIF and XMP are far smaller.
constexpr size_t kMaxBoxBytes = 16 * 1024 * 1024;

struct DecoderDeleter {
    void operator()(JxlDecoder *decoder) const { JxlDecoderDestroy(decoder); }
};
using Decoder = std::unique_ptr<JxlDecoder, DecoderDeleter>;

// An Exif box starts with the offset of its TIFF header.
QByteArray tiffOfExifBox(const QByteArray &box)
{
    if (box.size() < 4)
        return QByteArray();
    const quint32 offset = qFromBigEndian<quint32>(box.constData());
    if (offset > quint32(box.size() - 4))
        return QByteArray();
    return box.mid(4 + qsizetype(offset));
}

// sRGB, or gray on sRGB's white and curve.
bool isSrgb(const JxlColorEncoding &c)
{
    return c.white_point == JXL_WHITE_POINT_D65 && c.transfer_function == JXL_TRANSFER_FUNCTION_SRGB &&
           (c.color_space == JXL_COLOR_SPACE_GRAY ||
            (c.color_space == JXL_COLOR_SPACE_RGB && c.primaries == JXL_PRIMARIES_SRGB));
}

class JxlReader final : public FormatReader {
public:
    explicit JxlReader(const QByteArray &data) : m_data(data) {}

    // One pass over the whole file for the basic information, the colour and the metadata
    // boxes, which may stand after the codestream; the pixels are decoded by read().
    Failure readHeader() override
    {
        Decoder decoder(JxlDecoderCreate(nullptr));
        if (!decoder)
            return Failure(FailureReason::OutOfMemory);
        if (JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING |
                                                         JXL_DEC_BOX) != JXL_DEC_SUCCESS ||
            JxlDecoderSetDecompressBoxes(decoder.get(), JXL_TRUE) != JXL_DEC_SUCCESS ||
            JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t *>(m_data.constData()),
                               size_t(m_data.size())) != JXL_DEC_SUCCESS)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("JxlReader", "libjxl refused the file")};
        JxlDecoderCloseInput(decoder.get());
        QByteArray *box = nullptr; // the box being read into, if it is kept
        const auto finishBox = [&] {
            if (!box)
                return;
            box->truncate(box->size() - qsizetype(JxlDecoderReleaseBoxBuffer(decoder.get())));
            box = nullptr;
        };
        QByteArray exifBox, xmpBox;
        bool haveInfo = false;
        for (;;) {
            const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
            if (status == JXL_DEC_BASIC_INFO) {
                if (JxlDecoderGetBasicInfo(decoder.get(), &m_info) != JXL_DEC_SUCCESS)
                    return {FailureReason::Unsupported,
                            QCoreApplication::translate("JxlReader", "no basic information")};
                haveInfo = true;
            } else if (status == JXL_DEC_COLOR_ENCODING) {
                readColour(decoder.get());
            } else if (status == JXL_DEC_BOX) {
                finishBox();
                JxlBoxType type;
                if (JxlDecoderGetBoxType(decoder.get(), type, JXL_TRUE) != JXL_DEC_SUCCESS)
                    continue;
                const QByteArrayView name(type, 4);
                QByteArray *target = name == "Exif" ? &exifBox : name == "xml " ? &xmpBox : nullptr;
                if (target && target->isEmpty()) {
                    box = target;
                    box->resize(4096);
                    JxlDecoderSetBoxBuffer(decoder.get(), reinterpret_cast<uint8_t *>(box->data()),
                                           size_t(box->size()));
                }
            } else if (status == JXL_DEC_BOX_NEED_MORE_OUTPUT) {
                if (!box)
                    return {
                        FailureReason::Unsupported,
                        QCoreApplication::translate("JxlReader", "libjxl asked for an unexpected buffer")};
                const size_t left = JxlDecoderReleaseBoxBuffer(decoder.get());
                const size_t boxUsed = size_t(box->size()) - left;
                if (size_t(box->size()) * 2 > kMaxBoxBytes) { // passed over; the file is still read
                    box->clear();
                    box = nullptr;
                    continue;
                }
                box->resize(box->size() * 2);
                JxlDecoderSetBoxBuffer(decoder.get(), reinterpret_cast<uint8_t *>(box->data()) + boxUsed,
                                       size_t(box->size()) - boxUsed);
            } else if (status == JXL_DEC_SUCCESS) {
                finishBox();
                break;
            } else if (status == JXL_DEC_NEED_MORE_INPUT) {
                return {FailureReason::Unsupported,
                        QCoreApplication::translate("JxlReader", "the file is truncated")};
            } else {
                return {FailureReason::Unsupported,
                        QCoreApplication::translate("JxlReader", "libjxl could not read the file")};
            }
        }
        if (!haveInfo || m_info.xsize == 0 || m_info.ysize == 0)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("JxlReader", "no basic information")};
        const qint64 width = std::min<qint64>(m_info.xsize, kMaxImageSide + 1);
        const qint64 height = std::min<qint64>(m_info.ysize, kMaxImageSide + 1);
        // libjxl turns the picture by the codestream's orientation as it decodes.
        m_size = m_info.orientation > 4 ? QSize(int(height), int(width)) : QSize(int(width), int(height));
        m_exif = tiffOfExifBox(exifBox);
        m_xmp = xmpBox;
        return {};
    }

    QString formatName() const override { return QStringLiteral("JPEG XL"); }
    QSize size() const override { return m_size; }

    qint64 decodedBytes(QSize) const override
    {
        // libjxl keeps three planes of floats while it decodes, beside the picture.
        return qint64(m_size.width()) * m_size.height() * (12 + (deep() ? 8 : 4));
    }

    bool turnsItself() const override { return true; }

    bool embeddedMetadata(QByteArray *exif, QByteArray *xmp) const override
    {
        *exif = m_exif;
        *xmp = m_xmp;
        return true;
    }

    Result<DecodedImage> read(QSize) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        Decoder decoder(JxlDecoderCreate(nullptr));
        if (!decoder)
            return Failure(FailureReason::OutOfMemory);
        if (JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS ||
            JxlDecoderSetUnpremultiplyAlpha(decoder.get(), JXL_TRUE) != JXL_DEC_SUCCESS ||
            JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t *>(m_data.constData()),
                               size_t(m_data.size())) != JXL_DEC_SUCCESS)
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("JxlReader", "libjxl refused the file"));
        JxlDecoderCloseInput(decoder.get());

        const bool alpha = m_info.alpha_bits > 0;
        const bool gray = m_info.num_color_channels == 1;
        // Gray with alpha comes as RGBA; colour without alpha as RGB at 8 bits and as RGBX at
        // 16, Qt's layouts.
        const int channels = gray && !alpha ? 1 : deep() || alpha ? 4 : 3;
        const QImage::Format format = gray && !alpha
                                          ? (deep() ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8)
                                      : deep() ? (alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                                      : alpha  ? QImage::Format_RGBA8888
                                               : QImage::Format_RGB888;
        QImage out(m_size, format);
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);
        const JxlPixelFormat pixels {uint32_t(channels), deep() ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
                                     JXL_NATIVE_ENDIAN, size_t(out.bytesPerLine())};
        for (;;) {
            const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
            if (status == JXL_DEC_NEED_IMAGE_OUT_BUFFER) {
                size_t needed = 0;
                if (JxlDecoderImageOutBufferSize(decoder.get(), &pixels, &needed) != JXL_DEC_SUCCESS ||
                    needed > size_t(out.sizeInBytes()) ||
                    JxlDecoderSetImageOutBuffer(decoder.get(), &pixels, out.bits(),
                                                size_t(out.sizeInBytes())) != JXL_DEC_SUCCESS)
                    return Failure(
                        FailureReason::Unsupported,
                        QCoreApplication::translate("JxlReader", "the picture does not fit its size"));
            } else if (status == JXL_DEC_FULL_IMAGE) {
                break; // the first frame only
            } else if (status == JXL_DEC_NEED_MORE_INPUT) {
                return Failure(FailureReason::Unsupported,
                               QCoreApplication::translate("JxlReader", "the file is truncated"));
            } else if (status == JXL_DEC_SUCCESS) {
                return Failure(FailureReason::Unsupported,
                               QCoreApplication::translate("JxlReader", "the file holds no picture"));
            } else if (status == JXL_DEC_ERROR) {
                return Failure(
                    FailureReason::Unsupported,
                    QCoreApplication::translate("JxlReader", "libjxl could not decode the picture"));
            }
        }
        if (deep() && !alpha && !gray) // libjxl leaves the unused fourth sample as it is
            for (int y = 0; y < out.height(); ++y) {
                auto *line = reinterpret_cast<quint16 *>(out.scanLine(y));
                for (int x = 0; x < out.width(); ++x)
                    line[4 * x + 3] = 65535;
            }
        if (format == QImage::Format_RGBA8888)
            out = out.convertToFormat(QImage::Format_ARGB32);
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);
        DecodedImage result;
        result.image = out;
        result.storedSize = m_size;
        // Gray with alpha is given as RGBA, which a gray profile does not describe.
        result.iccProfile = gray && alpha ? QByteArray() : m_icc;
        if (gray && alpha && !m_icc.isEmpty())
            result.notes << QCoreApplication::translate(
                "JxlReader", "the gray colour profile does not describe the picture in colour made "
                             "of it; its colours were taken as sRGB");
        return result;
    }

private:
    bool deep() const { return m_info.bits_per_sample > 8 || m_info.exponent_bits_per_sample > 0; }

    // The profile of the decoded samples: none for sRGB (what a file without one is taken as).
    void readColour(JxlDecoder *decoder)
    {
        JxlColorEncoding encoding;
        if (JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &encoding) ==
                JXL_DEC_SUCCESS &&
            isSrgb(encoding))
            return;
        size_t size = 0;
        if (JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) !=
                JXL_DEC_SUCCESS ||
            size == 0 || size > kMaxBoxBytes)
            return;
        QByteArray icc(qsizetype(size), Qt::Uninitialized);
        if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                           reinterpret_cast<uint8_t *>(icc.data()), size) == JXL_DEC_SUCCESS)
            m_icc = icc;
    }

    QByteArray m_data;
    JxlBasicInfo m_info {};
    QSize m_size;
    QByteArray m_icc, m_exif, m_xmp;
};

} // namespace

std::unique_ptr<FormatReader> createJxlReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<JxlReader>(data);
}

bool isJxl(const QByteArray &data)
{
    const JxlSignature signature =
        JxlSignatureCheck(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
    return signature == JXL_SIG_CODESTREAM || signature == JXL_SIG_CONTAINER;
}
