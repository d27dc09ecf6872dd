#include "decode/CameraRawReader.h"

#include "decode/ImageLimits.h"

#include <QCoreApplication>
#include <libraw/libraw.h>

#include <algorithm>
#include <cstring>

namespace {

const char *const kExtensions[] = {"dng", "cr2", "cr3", "nef", "arw", "raf", "orf", "rw2", "pef"};

// LibRaw reports damaged or missing data through this callback; by default it prints.
void noteDataError(void *user, const char *, const int)
{
    *static_cast<bool *>(user) = true;
}

struct MemImageDeleter {
    void operator()(libraw_processed_image_t *image) const { LibRaw::dcraw_clear_mem(image); }
};

Failure failureOf(int code)
{
    if (code == LIBRAW_UNSUFFICIENT_MEMORY)
        return Failure(FailureReason::OutOfMemory);
    if (code == LIBRAW_TOO_BIG)
        return Failure(FailureReason::TooLarge);
    return {FailureReason::Unsupported, QString::fromLatin1(libraw_strerror(code))};
}

class CameraRawReader final : public FormatReader {
public:
    explicit CameraRawReader(const QByteArray &data) : m_data(data), m_raw(std::make_unique<LibRaw>(0)) {}

    Failure readHeader() override
    {
        m_raw->set_dataerror_handler(noteDataError, &m_damaged);
        // LibRaw only reads the buffer; m_data keeps it unchanged while the reader lives.
        if (const int code =
                m_raw->open_buffer(const_cast<char *>(m_data.constData()), size_t(m_data.size()));
            code != LIBRAW_SUCCESS)
            return failureOf(code);
        const libraw_image_sizes_t &sizes = m_raw->imgdata.sizes;
        if (exceedsImageLimits(sizes.raw_width, sizes.raw_height) ||
            exceedsImageLimits(sizes.width, sizes.height))
            return {FailureReason::TooLarge,
                    QCoreApplication::translate("CameraRawReader", "%1 x %2 sensor pixels")
                        .arg(sizes.raw_width)
                        .arg(sizes.raw_height)};
        m_size = sizes.flip & 4 ? QSize(sizes.height, sizes.width) : QSize(sizes.width, sizes.height);
        return {};
    }

    QString formatName() const override
    {
        if (m_raw->imgdata.idata.dng_version != 0)
            return QStringLiteral("DNG");
        const QString make = QString::fromLatin1(m_raw->imgdata.idata.make).trimmed();
        return make.isEmpty() ? QStringLiteral("camera raw") : make + QStringLiteral(" camera raw");
    }

    QSize size() const override { return m_size; }

    qint64 decodedBytes(QSize minimumSize) const override
    {
        // The raw samples (two bytes each), LibRaw's four-sample picture, its 8-bit copy and ours.
        const libraw_image_sizes_t &sizes = m_raw->imgdata.sizes;
        const qint64 raw = qint64(sizes.raw_width) * sizes.raw_height * 2;
        const qint64 pixels = qint64(m_size.width()) * m_size.height() / (halfSize(minimumSize) ? 4 : 1);
        return raw + pixels * (8 + 3 + 4);
    }

    bool turnsItself() const override { return true; }

    Result<DecodedImage> read(QSize minimumSize) override
    {
        libraw_output_params_t &params = m_raw->imgdata.params;
        params.use_camera_wb = 1;
        params.output_color = 1; // sRGB
        params.output_bps = 8;
        params.gamm[0] = 1.0 / 2.4; // sRGB's curve
        params.gamm[1] = 12.92;
        params.user_flip = -1; // the camera's
        const bool half = halfSize(minimumSize);
        params.half_size = half ? 1 : 0;
        if (int code = m_raw->unpack(); code != LIBRAW_SUCCESS)
            return failureOf(code);
        if (m_damaged || m_raw->error_count() > 0)
            return Failure(
                FailureReason::Unsupported,
                QCoreApplication::translate("CameraRawReader", "the raw data is truncated or damaged"));
        if (int code = m_raw->dcraw_process(); code != LIBRAW_SUCCESS)
            return failureOf(code);
        int code = LIBRAW_SUCCESS;
        std::unique_ptr<libraw_processed_image_t, MemImageDeleter> processed(
            m_raw->dcraw_make_mem_image(&code));
        if (!processed)
            return failureOf(code);
        m_raw->free_image(); // LibRaw's own picture is no longer needed
        const libraw_processed_image_t &p = *processed;
        if (p.type != LIBRAW_IMAGE_BITMAP || p.bits != 8 || (p.colors != 3 && p.colors != 1) ||
            p.width == 0 || p.height == 0 || exceedsImageLimits(p.width, p.height) ||
            qint64(p.width) * p.height * p.colors > qint64(p.data_size))
            return Failure(FailureReason::Unsupported, QStringLiteral("LibRaw gave no usable picture"));
        QImage out(int(p.width), int(p.height),
                   p.colors == 3 ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
        if (out.isNull())
            return Failure(FailureReason::OutOfMemory);
        const qsizetype rowBytes = qsizetype(p.width) * p.colors;
        for (int y = 0; y < out.height(); ++y)
            std::memcpy(out.scanLine(y), p.data + qint64(y) * rowBytes, size_t(rowBytes));
        processed.reset();
        DecodedImage result;
        result.image = out;
        result.shrink = half ? 2 : 1;
        const QSize expected = half ? QSize((m_size.width() + 1) / 2, (m_size.height() + 1) / 2) : m_size;
        result.storedSize = out.size() == expected ? m_size : out.size() * result.shrink;
        result.convertedToSrgb = true;
        return result;
    }

    // LibRaw's half size takes one pixel of each 2 x 2 block of the sensor, with no demosaicing.
    bool shrinksCleanly() const override { return true; }

private:
    // Half the sensor's size when that is at least the minimum asked for.
    bool halfSize(QSize minimumSize) const
    {
        return minimumSize.isValid() && !minimumSize.isEmpty() && minimumSize.width() <= m_size.width() / 2 &&
               minimumSize.height() <= m_size.height() / 2;
    }

    QByteArray m_data;
    std::unique_ptr<LibRaw> m_raw;
    QSize m_size;
    bool m_damaged = false;
};

} // namespace

std::unique_ptr<FormatReader> createCameraRawReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<CameraRawReader>(data);
}

bool isCameraRaw(const QByteArray &data, const QByteArray &formatHint)
{
    const QByteArray extension = formatHint.toLower();
    if (data.size() < 16 || std::none_of(std::begin(kExtensions), std::end(kExtensions),
                                         [&](const char *e) { return extension == e; }))
        return false;
    auto raw = std::make_unique<LibRaw>(0);
    bool damaged = false;
    raw->set_dataerror_handler(noteDataError, &damaged);
    return raw->open_buffer(const_cast<char *>(data.constData()), size_t(data.size())) == LIBRAW_SUCCESS;
}
