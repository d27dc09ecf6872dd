#include "decode/Jpeg2000Reader.h"

#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <openjpeg.h>

#include <algorithm>
#include <cstring>

namespace {

const QByteArray kJp2Signature = QByteArray::fromHex("0000000c6a5020200d0a870a");
const QByteArray kCodestreamStart = QByteArray::fromHex("ff4fff51");

struct MemorySource {
    const char *data = nullptr;
    OPJ_UINT64 size = 0;
    OPJ_UINT64 offset = 0;
};

OPJ_SIZE_T readFrom(void *buffer, OPJ_SIZE_T bytes, void *user)
{
    auto *source = static_cast<MemorySource *>(user);
    const OPJ_UINT64 left = source->size - source->offset;
    if (left == 0)
        return OPJ_SIZE_T(-1);
    const OPJ_SIZE_T n = OPJ_SIZE_T(std::min<OPJ_UINT64>(bytes, left));
    std::memcpy(buffer, source->data + source->offset, n);
    source->offset += n;
    return n;
}

OPJ_OFF_T skipIn(OPJ_OFF_T bytes, void *user)
{
    auto *source = static_cast<MemorySource *>(user);
    const OPJ_UINT64 left = source->size - source->offset;
    if (bytes < 0 || OPJ_UINT64(bytes) > left)
        return -1;
    source->offset += OPJ_UINT64(bytes);
    return bytes;
}

OPJ_BOOL seekIn(OPJ_OFF_T position, void *user)
{
    auto *source = static_cast<MemorySource *>(user);
    if (position < 0 || OPJ_UINT64(position) > source->size)
        return OPJ_FALSE;
    source->offset = OPJ_UINT64(position);
    return OPJ_TRUE;
}

// OpenJPEG's messages become the failure's detail, never lines on standard error.
void keepMessage(const char *message, void *user)
{
    auto *words = static_cast<QString *>(user);
    if (words->isEmpty())
        *words = QString::fromLatin1(message).trimmed();
}
void ignoreMessage(const char *, void *) {}

struct CodecDeleter {
    void operator()(opj_codec_t *codec) const { opj_destroy_codec(codec); }
};
struct StreamDeleter {
    void operator()(opj_stream_t *stream) const { opj_stream_destroy(stream); }
};
struct ImageDeleter {
    void operator()(opj_image_t *image) const { opj_image_destroy(image); }
};

// One component's sample at a picture position, scaled to 16 bits; subsampled components are
// read at the nearest stored position.
quint16 sample16(const opj_image_comp_t &component, int x, int y)
{
    const int cx = std::min(int(component.w) - 1, x / int(component.dx));
    const int cy = std::min(int(component.h) - 1, y / int(component.dy));
    qint64 value = component.data[qint64(cy) * component.w + cx];
    const int precision = int(component.prec);
    if (component.sgnd)
        value += qint64(1) << (precision - 1);
    const qint64 top = (qint64(1) << precision) - 1;
    value = std::clamp<qint64>(value, 0, top);
    return quint16((value * 65535 + top / 2) / top);
}

class Jpeg2000Reader final : public FormatReader {
public:
    explicit Jpeg2000Reader(const QByteArray &data) : m_data(data)
    {
        m_source.data = m_data.constData();
        m_source.size = OPJ_UINT64(m_data.size());
    }

    Failure readHeader() override
    {
        m_codec.reset(
            opj_create_decompress(m_data.startsWith(kJp2Signature) ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K));
        m_stream.reset(opj_stream_create(64 * 1024, OPJ_TRUE));
        if (!m_codec || !m_stream)
            return Failure(FailureReason::OutOfMemory);
        opj_stream_set_user_data(m_stream.get(), &m_source, nullptr);
        opj_stream_set_user_data_length(m_stream.get(), m_source.size);
        opj_stream_set_read_function(m_stream.get(), readFrom);
        opj_stream_set_skip_function(m_stream.get(), skipIn);
        opj_stream_set_seek_function(m_stream.get(), seekIn);
        opj_set_error_handler(m_codec.get(), keepMessage, &m_message);
        opj_set_warning_handler(m_codec.get(), ignoreMessage, nullptr);
        opj_set_info_handler(m_codec.get(), ignoreMessage, nullptr);
        opj_dparameters_t parameters;
        opj_set_default_decoder_parameters(&parameters);
        opj_image_t *header = nullptr;
        if (!opj_setup_decoder(m_codec.get(), &parameters) ||
            !opj_decoder_set_strict_mode(m_codec.get(), OPJ_TRUE) ||
            !opj_read_header(m_stream.get(), m_codec.get(), &header))
            return failure();
        m_image.reset(header);
        const qint64 width = qint64(header->x1) - header->x0, height = qint64(header->y1) - header->y0;
        if (width <= 0 || height <= 0 || header->numcomps == 0 || header->numcomps > 4)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("Jpeg2000Reader", "%1 components").arg(header->numcomps)};
        m_size = QSize(int(std::min<qint64>(width, kMaxImageSide + 1)),
                       int(std::min<qint64>(height, kMaxImageSide + 1)));
        if (opj_codestream_info_v2_t *info = opj_get_cstr_info(m_codec.get())) {
            if (info->m_default_tile_info.tccp_info) {
                m_resolutions = ~OPJ_UINT32(0);
                for (OPJ_UINT32 c = 0; c < info->nbcomps; ++c)
                    m_resolutions =
                        std::min(m_resolutions, info->m_default_tile_info.tccp_info[c].numresolutions);
            }
            opj_destroy_cstr_info(&info);
        }
        return {};
    }

    QString formatName() const override { return QStringLiteral("JPEG 2000"); }
    QSize size() const override { return m_size; }

    qint64 decodedBytes(QSize minimumSize) const override
    {
        // OpenJPEG's 32-bit samples, the 16-bit picture made from them and its 8-bit copy.
        const QSize s = reducedSize(reduction(minimumSize));
        return qint64(s.width()) * s.height() * (4 * m_image->numcomps + 8 + 4);
    }

    Result<DecodedImage> read(QSize minimumSize) override
    {
        if (exceedsImageLimits(m_size.width(), m_size.height()))
            return Failure(FailureReason::TooLarge);
        // Shrink on load: OpenJPEG leaves out the finest resolution levels.
        const int reduce = reduction(minimumSize);
        if (reduce > 0 && !opj_set_decoded_resolution_factor(m_codec.get(), OPJ_UINT32(reduce)))
            return failure();
        const QSize size = reducedSize(reduce);
        if (!opj_decode(m_codec.get(), m_stream.get(), m_image.get()) ||
            !opj_end_decompress(m_codec.get(), m_stream.get()))
            return failure();
        const opj_image_t &image = *m_image;
        for (OPJ_UINT32 c = 0; c < image.numcomps; ++c) {
            const opj_image_comp_t &component = image.comps[c];
            if (!component.data || component.dx == 0 || component.dy == 0 || component.prec == 0 ||
                component.prec > 16 || component.w == 0 || component.h == 0)
                return Failure(FailureReason::Unsupported,
                               QCoreApplication::translate("Jpeg2000Reader", "an unusable component"));
        }
        if (image.color_space == OPJ_CLRSPC_CMYK || image.color_space == OPJ_CLRSPC_EYCC)
            return Failure(FailureReason::Unsupported, QStringLiteral("CMYK and e-YCC are not supported"));

        const int channels = int(image.numcomps);
        const bool gray = channels <= 2;
        const bool alpha = channels == 2 || channels == 4;
        const bool ycc = image.color_space == OPJ_CLRSPC_SYCC && !gray;
        QImage out(size, alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);
        for (int y = 0; y < size.height(); ++y) {
            auto *line = reinterpret_cast<quint16 *>(out.scanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                double c[4];
                for (int i = 0; i < channels; ++i)
                    c[i] = sample16(image.comps[i], x, y);
                if (gray) {
                    c[3] = alpha ? c[1] : 65535;
                    c[1] = c[2] = c[0];
                } else if (!alpha) {
                    c[3] = 65535;
                }
                if (ycc) { // ITU-R BT.601 full range, as sYCC defines it
                    const double luma = c[0], cb = c[1] - 32768, cr = c[2] - 32768;
                    c[0] = luma + 1.402 * cr;
                    c[1] = luma - 0.344136 * cb - 0.714136 * cr;
                    c[2] = luma + 1.772 * cb;
                }
                for (int i = 0; i < 4; ++i)
                    line[4 * x + i] = quint16(std::clamp(c[i] + 0.5, 0.0, 65535.0));
            }
        }
        // Eight bits or fewer are kept as eight; gray as gray.
        const bool deep =
            std::any_of(image.comps, image.comps + channels, [](const auto &c) { return c.prec > 8; });
        QImage::Format format = deep ? out.format() : (alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (gray && !alpha)
            format = deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
        if (format != out.format())
            out = out.convertToFormat(format);
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);

        DecodedImage decoded;
        decoded.image = out;
        decoded.storedSize = m_size;
        decoded.shrink = 1 << reduce;
        if (image.icc_profile_buf && image.icc_profile_len > 0)
            decoded.iccProfile =
                QByteArray(reinterpret_cast<const char *>(image.icc_profile_buf), int(image.icc_profile_len));
        return decoded;
    }

private:
    // The most resolution levels that can be left out with the picture still at least
    // minimumSize (both sides halve with each).
    int reduction(QSize minimumSize) const
    {
        if (!minimumSize.isValid() || minimumSize.isEmpty())
            return 0;
        int reduce = 0;
        while (OPJ_UINT32(reduce + 1) < m_resolutions && reduce < 30) {
            const QSize next = reducedSize(reduce + 1);
            if (next.width() < minimumSize.width() || next.height() < minimumSize.height())
                break;
            ++reduce;
        }
        return reduce;
    }

    // The picture's size with `reduce` levels left out, as OpenJPEG rounds it.
    QSize reducedSize(int reduce) const
    {
        if (reduce == 0)
            return m_size;
        const auto down = [reduce](qint64 v) { return (v + (qint64(1) << reduce) - 1) >> reduce; };
        const opj_image_t &image = *m_image;
        return QSize(int(down(image.x1) - down(image.x0)), int(down(image.y1) - down(image.y0)));
    }

    Failure failure() const
    {
        const bool truncated = m_message.contains(QLatin1String("truncat"), Qt::CaseInsensitive) ||
                               m_message.contains(QLatin1String("end of"), Qt::CaseInsensitive);
        return {FailureReason::Unsupported,
                truncated ? QCoreApplication::translate("Jpeg2000Reader", "the file is truncated")
                          : m_message};
    }

    QByteArray m_data;
    MemorySource m_source;
    QString m_message;
    std::unique_ptr<opj_codec_t, CodecDeleter> m_codec;
    std::unique_ptr<opj_stream_t, StreamDeleter> m_stream;
    std::unique_ptr<opj_image_t, ImageDeleter> m_image;
    QSize m_size;
    OPJ_UINT32 m_resolutions = 1; // resolution levels every component has
};

} // namespace

std::unique_ptr<FormatReader> createJpeg2000Reader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<Jpeg2000Reader>(data);
}

bool isJpeg2000(const QByteArray &data)
{
    return data.startsWith(kJp2Signature) || data.startsWith(kCodestreamStart);
}
