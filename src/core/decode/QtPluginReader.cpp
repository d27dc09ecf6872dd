// Every format Qt's image plugins read that no reader of our own takes (GIF, WebP, PNM, XPM,
// classic Apple icons, ...), through QImageReader with its automatic rotation turned off:
// orientation is applied by the core.
#include "decode/QtPluginReader.h"
#include "decode/ImageLimits.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

namespace {

class QtPluginReader final : public FormatReader {
public:
    QtPluginReader(const QByteArray &data, const QByteArray &formatHint)
        : m_data(data), m_buffer(&m_data), m_formatHint(formatHint.toLower())
    {
        m_buffer.open(QIODevice::ReadOnly);
    }

    Failure readHeader() override
    {
        // Formats without a signature are known by the file's extension only; the
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
            if (!m_reader->canRead())
                return {FailureReason::Unsupported, m_reader->errorString()};
        }
        m_reader->setAutoTransform(false);
        // Counted before anything else: Qt's TIFF plugin miscounts after reading a size.
        listRepresentations();
        if (m_candidates.isEmpty())
            m_size = m_reader->size();
        return {};
    }

    QString formatName() const override
    {
        const QByteArray format = m_reader ? m_reader->format() : QByteArray();
        return format == "webp" ? QStringLiteral("WebP") : QString::fromLatin1(format.toUpper());
    }

    QSize size() const override { return m_size; }

    // Files with several pictures (TIFF pages, icon sizes) give their largest by area, the
    // first among equals; animations give their first frame.
    void listRepresentations()
    {
        const int count = m_reader->supportsAnimation() ? 1 : std::min(m_reader->imageCount(), 1024);
        if (count <= 1)
            return;
        QList<QPair<qint64, int>> byArea;
        bool sizesKnown = true;
        for (int i = 0; i < count && sizesKnown; ++i) {
            const QSize s = m_reader->jumpToImage(i) ? m_reader->size() : QSize();
            sizesKnown = s.isValid();
            byArea.append({-qint64(s.width()) * s.height(), i});
        }
        if (!sizesKnown) {
            // Icon files do not tell their sizes: decode each entry, keep the largest. Entries a
            // plugin cannot decode (JPEG 2000 icons) are passed over.
            for (int i = 0; i < count; ++i) {
                QImage image;
                if (m_reader->jumpToImage(i) && m_reader->read(&image) &&
                    qint64(image.width()) * image.height() > qint64(m_decoded.width()) * m_decoded.height())
                    m_decoded = image;
            }
            m_size = m_decoded.size();
            return;
        }
        std::stable_sort(byArea.begin(), byArea.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &entry : byArea)
            m_candidates.append(entry.second);
        if (m_reader->jumpToImage(m_candidates.first()))
            m_size = m_reader->size();
    }

    Result<DecodedImage> read(QSize) override
    {
        QImage image = m_decoded;
        bool ok = !image.isNull();
        if (!ok && m_candidates.isEmpty())
            ok = m_reader->read(&image);
        // Representations a plugin cannot decode (JPEG 2000 icons) give way to the next largest.
        for (int i = 0; !ok && i < m_candidates.size(); ++i)
            ok = m_reader->jumpToImage(m_candidates.at(i)) && m_reader->read(&image);
        if (!ok) {
            const bool beyondLimit =
                m_size.isValid() && qint64(m_size.width()) * m_size.height() * 8 >
                                        qint64(QImageReader::allocationLimit()) * 1024 * 1024;
            return Failure(beyondLimit ? FailureReason::TooLarge : FailureReason::Unsupported,
                           m_reader->errorString());
        }
        if (exceedsImageLimits(image.width(), image.height()))
            return Failure(FailureReason::TooLarge);
        DecodedImage out;
        out.iccProfile = image.colorSpace().iccProfile();
        // The profile travels beside the pixels; conversions must not reinterpret them.
        image.setColorSpace(QColorSpace());
        out.storedSize = image.size();
        out.image = image;
        return out;
    }

private:
    QByteArray m_data;
    QBuffer m_buffer;
    QByteArray m_formatHint;
    std::unique_ptr<QImageReader> m_reader;
    QSize m_size;
    QList<int> m_candidates; // representation indexes, best first
    QImage m_decoded;        // the picture, when choosing it meant decoding every entry
};

} // namespace

std::unique_ptr<FormatReader> createQtPluginReader(const QByteArray &data, const QByteArray &formatHint)
{
    return std::make_unique<QtPluginReader>(data, formatHint);
}
