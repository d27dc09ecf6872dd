#include "decode/HeifReader.h"

#include "decode/ImageLimits.h"
#include "metadata/CicpProfile.h"

#include <QCoreApplication>
#include <libheif/heif.h>

#include <QtEndian>
#include <algorithm>
#include <limits>
#include <mutex>
#include <set>
#include <vector>

namespace {

void initializeLibheif()
{
    static std::once_flag once;
    std::call_once(once, [] { heif_init(nullptr); });
}

// One box of an ISO base media file: its type and what follows its header.
struct Box {
    quint32 type = 0;
    QByteArrayView body;
};

constexpr quint32 fourCc(const char (&code)[5])
{
    return quint32(uchar(code[0])) << 24 | quint32(uchar(code[1])) << 16 | quint32(uchar(code[2])) << 8 |
           quint32(uchar(code[3]));
}

// Takes the next box off `rest`; false when what is left is not a whole box.
bool takeBox(QByteArrayView &rest, Box *box)
{
    if (rest.size() < 8)
        return false;
    quint64 size = qFromBigEndian<quint32>(rest.data());
    box->type = qFromBigEndian<quint32>(rest.data() + 4);
    qsizetype header = 8;
    if (size == 1) {
        if (rest.size() < 16)
            return false;
        size = qFromBigEndian<quint64>(rest.data() + 8);
        header = 16;
    } else if (size == 0) {
        size = quint64(rest.size());
    }
    if (size < quint64(header) || size > quint64(rest.size()))
        return false;
    box->body = rest.sliced(header, qsizetype(size) - header);
    rest = rest.sliced(qsizetype(size));
    return true;
}

// Reads a big-endian number of `bytes` bytes off `rest`; false when fewer are left.
bool takeNumber(QByteArrayView &rest, int bytes, quint32 *value)
{
    if (rest.size() < bytes)
        return false;
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | uchar(rest[i]);
    rest = rest.sliced(bytes);
    *value = v;
    return true;
}

// libheif 1.15 turns the primary picture by its rotation and mirror properties (irot, imir)
// but does not tell whether it has any; they are looked up here, in the item properties.
bool primaryItemIsTurned(const QByteArray &file)
{
    QByteArrayView rest(file);
    Box box;
    while (takeBox(rest, &box) && box.type != fourCc("meta")) {
    }
    if (box.type != fourCc("meta") || box.body.size() < 4)
        return false;
    QByteArrayView meta = box.body.sliced(4); // version and flags
    quint32 primary = 0;
    bool hasPrimary = false;
    std::set<quint32> turning; // property indices, from 1
    QByteArrayView associations;
    quint32 associationsVersion = 0, associationsFlags = 0;
    while (takeBox(meta, &box)) {
        if (box.type == fourCc("pitm")) {
            QByteArrayView body = box.body;
            quint32 versionFlags = 0;
            hasPrimary =
                takeNumber(body, 4, &versionFlags) && takeNumber(body, versionFlags >> 24 ? 4 : 2, &primary);
        } else if (box.type == fourCc("iprp")) {
            QByteArrayView properties = box.body;
            Box inner;
            while (takeBox(properties, &inner)) {
                if (inner.type == fourCc("ipco")) {
                    QByteArrayView list = inner.body;
                    Box property;
                    for (quint32 index = 1; takeBox(list, &property); ++index)
                        if (property.type == fourCc("irot") || property.type == fourCc("imir"))
                            turning.insert(index);
                } else if (inner.type == fourCc("ipma") && associations.isEmpty()) {
                    associations = inner.body;
                    quint32 versionFlags = 0;
                    if (!takeNumber(associations, 4, &versionFlags))
                        return false;
                    associationsVersion = versionFlags >> 24;
                    associationsFlags = versionFlags & 0xffffff;
                }
            }
        }
    }
    if (!hasPrimary || turning.empty())
        return false;
    quint32 entries = 0;
    if (!takeNumber(associations, 4, &entries))
        return false;
    for (quint32 e = 0; e < entries; ++e) {
        quint32 item = 0, count = 0;
        if (!takeNumber(associations, associationsVersion < 1 ? 2 : 4, &item) ||
            !takeNumber(associations, 1, &count))
            return false;
        for (quint32 a = 0; a < count; ++a) {
            quint32 value = 0;
            const bool wide = associationsFlags & 1;
            if (!takeNumber(associations, wide ? 2 : 1, &value))
                return false;
            if (item == primary && turning.count(value & (wide ? 0x7fff : 0x7f)))
                return true;
        }
    }
    return false;
}

// The EXIF block of a HEIF file starts with the offset of its TIFF header.
QByteArray tiffOfExifBlock(const QByteArray &block)
{
    if (block.size() < 4)
        return QByteArray();
    const quint32 offset = qFromBigEndian<quint32>(block.constData());
    if (offset > quint32(block.size() - 4))
        return QByteArray();
    QByteArray tiff = block.mid(4 + qsizetype(offset));
    if (tiff.startsWith(QByteArrayView("Exif\0\0", 6)))
        tiff.remove(0, 6);
    return tiff;
}

struct ContextDeleter {
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleDeleter {
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter {
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct OptionsDeleter {
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};

class HeifReader final : public FormatReader {
public:
    explicit HeifReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        initializeLibheif();
        m_context.reset(heif_context_alloc());
        if (!m_context)
            return Failure(FailureReason::OutOfMemory);
        heif_context_set_maximum_image_size_limit(
            m_context.get(), int(std::min<qint64>(kMaxImageSide, std::numeric_limits<int>::max())));
        // The bytes stay in m_data, unchanged, for the context's life.
        if (const heif_error e = heif_context_read_from_memory_without_copy(
                m_context.get(), m_data.constData(), size_t(m_data.size()), nullptr);
            e.code != heif_error_Ok)
            return failure(e);
        heif_image_handle *handle = nullptr;
        if (const heif_error e = heif_context_get_primary_image_handle(m_context.get(), &handle);
            e.code != heif_error_Ok)
            return failure(e);
        m_handle.reset(handle);
        const int width = heif_image_handle_get_width(handle), height = heif_image_handle_get_height(handle);
        if (width <= 0 || height <= 0)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("HeifReader", "the primary picture has no size")};
        m_size = QSize(width, height);
        m_alpha = heif_image_handle_has_alpha_channel(handle);
        m_deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8;
        m_turned = primaryItemIsTurned(m_data);
        readMetadataBlocks();
        return {};
    }

    QString formatName() const override
    {
        const heif_brand brand = heif_main_brand(reinterpret_cast<const uint8_t *>(m_data.constData()),
                                                 int(std::min<qsizetype>(m_data.size(), 64)));
        return brand == heif_avif || brand == heif_avis ? QStringLiteral("AVIF") : QStringLiteral("HEIF");
    }

    QSize size() const override { return m_size; }

    qint64 decodedBytes(QSize) const override
    {
        // The decoder's planes and the interleaved picture; an alpha picture converted once more.
        const qint64 pixels = qint64(m_size.width()) * m_size.height();
        const int sample = m_deep ? 2 : 1;
        return pixels * (sample * 4 + (m_alpha ? 4 : 3) * sample + (m_alpha || m_deep ? 8 : 0));
    }

    bool turnsItself() const override { return m_turned; }

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
        std::unique_ptr<heif_decoding_options, OptionsDeleter> options(heif_decoding_options_alloc());
        if (!options)
            return Failure(FailureReason::OutOfMemory);
        options->convert_hdr_to_8bit = 0;
        const heif_chroma chroma =
            m_deep ? (m_alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                   : (m_alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
        heif_image *decoded = nullptr;
        if (const heif_error e =
                heif_decode_image(m_handle.get(), &decoded, heif_colorspace_RGB, chroma, options.get());
            e.code != heif_error_Ok)
            return failure(e);
        std::unique_ptr<heif_image, ImageDeleter> picture(decoded);
        int stride = 0;
        const uint8_t *plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
        const int width = heif_image_get_width(decoded, heif_channel_interleaved);
        const int height = heif_image_get_height(decoded, heif_channel_interleaved);
        const int channels = m_alpha ? 4 : 3;
        const int sample = m_deep ? 2 : 1;
        if (!plane || width <= 0 || height <= 0 || exceedsImageLimits(width, height) ||
            stride < qint64(width) * channels * sample)
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("HeifReader", "libheif gave no usable picture"));
        const bool premultiplied = heif_image_handle_is_premultiplied_alpha(m_handle.get());
        QImage out;
        if (!m_deep) {
            // The decoded plane is taken as it is: the QImage keeps libheif's picture alive.
            heif_image *owned = picture.release();
            out = QImage(
                plane, width, height, stride,
                !m_alpha        ? QImage::Format_RGB888
                : premultiplied ? QImage::Format_RGBA8888_Premultiplied
                                : QImage::Format_RGBA8888,
                [](void *image) { heif_image_release(static_cast<heif_image *>(image)); }, owned);
            if (out.isNull()) {
                heif_image_release(owned);
                return Failure(FailureReason::OutOfMemory);
            }
            if (m_alpha)
                out = out.convertToFormat(premultiplied ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_ARGB32);
        } else {
            const int bits =
                std::clamp(heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved), 1, 16);
            const quint32 top = (quint32(1) << bits) - 1;
            out = QImage(width, height,
                         !m_alpha        ? QImage::Format_RGBX64
                         : premultiplied ? QImage::Format_RGBA64_Premultiplied
                                         : QImage::Format_RGBA64);
            if (out.isNull())
                return Failure(FailureReason::OutOfMemory);
            for (int y = 0; y < height; ++y) {
                const uchar *from = plane + qint64(y) * stride;
                auto *to = reinterpret_cast<quint16 *>(out.scanLine(y));
                for (int x = 0; x < width; ++x) {
                    for (int c = 0; c < channels; ++c) {
                        const quint32 v =
                            std::min(quint32(qFromLittleEndian<quint16>(from + 2 * (x * channels + c))), top);
                        to[4 * x + c] = quint16((v * 65535 + top / 2) / top);
                    }
                    if (!m_alpha)
                        to[4 * x + 3] = 65535;
                }
            }
        }
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);
        DecodedImage result;
        result.image = out;
        result.storedSize = out.size();
        result.iccProfile = iccProfile(&result.notes);
        return result;
    }

private:
    Failure failure(const heif_error &e) const
    {
        const FailureReason reason = e.code == heif_error_Memory_allocation_error ? FailureReason::OutOfMemory
                                     : e.subcode == heif_suberror_Security_limit_exceeded
                                         ? FailureReason::TooLarge
                                         : FailureReason::Unsupported;
        const bool truncated = e.code == heif_error_Invalid_input && e.subcode == heif_suberror_End_of_data;
        return {reason, truncated ? QCoreApplication::translate("HeifReader", "the file is truncated")
                                  : QString::fromUtf8(e.message ? e.message : "libheif failed")};
    }

    // Exif and XMP blocks of the primary picture (each the first of its kind).
    void readMetadataBlocks()
    {
        const int count = heif_image_handle_get_number_of_metadata_blocks(m_handle.get(), nullptr);
        if (count <= 0)
            return;
        std::vector<heif_item_id> ids(static_cast<size_t>(count));
        const int listed =
            heif_image_handle_get_list_of_metadata_block_IDs(m_handle.get(), nullptr, ids.data(), count);
        for (int i = 0; i < std::min(listed, count); ++i) {
            const QByteArray type = heif_image_handle_get_metadata_type(m_handle.get(), ids[size_t(i)]);
            const QByteArray contentType =
                heif_image_handle_get_metadata_content_type(m_handle.get(), ids[size_t(i)]);
            const bool exif = type == "Exif";
            const bool xmp = type == "mime" && contentType == "application/rdf+xml";
            if ((!exif || !m_exif.isEmpty()) && (!xmp || !m_xmp.isEmpty()))
                continue;
            const size_t size = heif_image_handle_get_metadata_size(m_handle.get(), ids[size_t(i)]);
            if (size == 0 || size > size_t(m_data.size()) * 64 ||
                size > size_t(std::numeric_limits<int>::max()))
                continue;
            QByteArray block(qsizetype(size), Qt::Uninitialized);
            if (heif_image_handle_get_metadata(m_handle.get(), ids[size_t(i)], block.data()).code !=
                heif_error_Ok)
                continue;
            if (exif)
                m_exif = tiffOfExifBlock(block);
            else
                m_xmp = block;
        }
    }

    // The file's ICC profile, else one made for its colour code points; none for sRGB.
    QByteArray iccProfile(QStringList *notes) const
    {
        const heif_color_profile_type type = heif_image_handle_get_color_profile_type(m_handle.get());
        if (type == heif_color_profile_type_nclx) {
            heif_color_profile_nclx *nclx = nullptr;
            if (heif_image_handle_get_nclx_color_profile(m_handle.get(), &nclx).code != heif_error_Ok ||
                !nclx)
                return QByteArray();
            QString unsupported;
            const QByteArray icc =
                profileForCicp(int(nclx->color_primaries), int(nclx->transfer_characteristics), &unsupported);
            heif_nclx_color_profile_free(nclx);
            if (!unsupported.isEmpty())
                *notes << QCoreApplication::translate("HeifReader", "%1; its colours were taken as sRGB")
                              .arg(unsupported);
            return icc;
        }
        if (type != heif_color_profile_type_rICC && type != heif_color_profile_type_prof)
            return QByteArray();
        const size_t size = heif_image_handle_get_raw_color_profile_size(m_handle.get());
        if (size == 0 || size > size_t(m_data.size()))
            return QByteArray();
        QByteArray icc(qsizetype(size), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(m_handle.get(), icc.data()).code != heif_error_Ok)
            return QByteArray();
        return icc;
    }

    QByteArray m_data;
    std::unique_ptr<heif_context, ContextDeleter> m_context;
    std::unique_ptr<heif_image_handle, HandleDeleter> m_handle;
    QSize m_size;
    bool m_alpha = false;
    bool m_deep = false;
    bool m_turned = false;
    QByteArray m_exif, m_xmp;
};

} // namespace

std::unique_ptr<FormatReader> createHeifReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<HeifReader>(data);
}

bool isHeif(const QByteArray &data)
{
    if (data.size() < 12)
        return false;
    return heif_check_filetype(reinterpret_cast<const uint8_t *>(data.constData()),
                               int(std::min<qsizetype>(data.size(), 64))) == heif_filetype_yes_supported;
}
