// Every format Qt's image plugins read (PNG, TIFF, GIF, BMP, WebP, TGA, ...), through
// QImageReader with its automatic rotation turned off: orientation is applied by the core.
#include "ImageDecoder.h"
#include "ImageLimits.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QtEndian>

namespace {

// The horizontal density of a PNG's pHYs chunk, 0 when it has none or states no unit.
double pngStatedDpi(const QByteArray &data)
{
    if (!data.startsWith("\x89PNG\r\n\x1a\n"))
        return 0.0;
    qsizetype pos = 8;
    while (pos + 8 <= data.size()) {
        const quint32 length = qFromBigEndian<quint32>(data.constData() + pos);
        const QByteArray type = data.mid(pos + 4, 4);
        if (type == "IDAT" || type == "IEND")
            break;
        if (type == "pHYs" && length == 9 && pos + 8 + 9 <= data.size()) {
            const char *body = data.constData() + pos + 8;
            const quint32 perMeter = qFromBigEndian<quint32>(body);
            const bool meters = body[8] == 1;
            return meters && perMeter > 0 ? perMeter * 0.0254 : 0.0;
        }
        if (length > quint32(data.size()))
            break;
        pos += 12 + qsizetype(length);
    }
    return 0.0;
}

class QtPluginReader final : public FormatReader {
public:
    QtPluginReader(const QByteArray &data, const QByteArray &formatHint)
        : m_data(data), m_buffer(&m_data), m_formatHint(formatHint.toLower())
    {
        m_buffer.open(QIODevice::ReadOnly);
    }

    bool readHeader(QString *error) override
    {
        // Formats without a signature (TGA) are known by the file's extension only; the
        // content decides for the rest, so a misnamed file still reads.
        if (!m_formatHint.isEmpty() && QImageReader::supportedImageFormats().contains(m_formatHint)) {
            m_reader = std::make_unique<QImageReader>(&m_buffer, m_formatHint);
            m_reader->setDecideFormatFromContent(false);
            if (!m_reader->canRead())
                m_reader.reset();
        }
        if (!m_reader) {
            m_buffer.seek(0);
            m_reader = std::make_unique<QImageReader>(&m_buffer);
            if (!m_reader->canRead()) {
                *error = m_reader->errorString();
                return false;
            }
        }
        m_reader->setAutoTransform(false);
        m_size = m_reader->size();
        return true;
    }

    QSize size() const override { return m_size; }

    bool read(QSize, DecodedImage *out, FailureReason *reason, QString *error) override
    {
        QImage image;
        if (!m_reader->read(&image)) {
            *error = m_reader->errorString();
            if (m_size.isValid() && qint64(m_size.width()) * m_size.height() * 8 >
                                        qint64(QImageReader::allocationLimit()) * 1024 * 1024)
                *reason = FailureReason::TooLarge;
            return false;
        }
        if (exceedsImageLimits(image.width(), image.height())) {
            *reason = FailureReason::TooLarge;
            return false;
        }
        out->iccProfile = image.colorSpace().iccProfile();
        // The profile travels beside the pixels; conversions must not reinterpret them.
        image.setColorSpace(QColorSpace());
        out->statedDpi = pngStatedDpi(m_data);
        out->image = image;
        return true;
    }

private:
    QByteArray m_data;
    QBuffer m_buffer;
    QByteArray m_formatHint;
    std::unique_ptr<QImageReader> m_reader;
    QSize m_size;
};

} // namespace

std::unique_ptr<FormatReader> createQtPluginReader(const QByteArray &data, const QByteArray &formatHint)
{
    return std::make_unique<QtPluginReader>(data, formatHint);
}
