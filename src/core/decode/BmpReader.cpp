#include "decode/BmpReader.h"

#include "decode/BmpPixels.h"
#include "decode/JpegReader.h"
#include "decode/PngReader.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

class BmpReader final : public FormatReader {
public:
    explicit BmpReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        if (m_data.size() < 14 + 4)
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("BmpReader", "the file is truncated")};
        const quint32 pixelOffset = qFromLittleEndian<quint32>(m_data.constData() + 10);
        // A pixel offset inside the headers (0 from some writers) means right after the palette.
        Result<BmpLayout> layout = readBmpLayout(
            m_data, 14,
            pixelOffset >= 14 + 12 && pixelOffset <= quint32(m_data.size()) ? qsizetype(pixelOffset)
                                                                            : qsizetype(-1));
        if (!layout.ok())
            return layout.failure();
        m_layout = layout.value();
        if (m_layout.coding == BmpLayout::Coding::Jpeg || m_layout.coding == BmpLayout::Coding::Png) {
            // A whole JPEG or PNG file stands in for the pixels.
            const QByteArray embedded = m_data.mid(m_layout.pixelOffset);
            m_embedded = m_layout.coding == BmpLayout::Coding::Png ? createPngReader(embedded, "png")
                                                                   : createJpegReader(embedded, "jpg");
            if (const Failure failure = m_embedded->readHeader(); failure.failed())
                return failure;
        }
        return {};
    }

    QString formatName() const override { return QStringLiteral("BMP"); }
    QSize size() const override
    {
        return m_embedded ? m_embedded->size() : QSize(m_layout.width, m_layout.height);
    }

    // A palette picture is decoded to indexes, then turned into true colour: both at once.
    qint64 decodedBytes(QSize minimumSize) const override
    {
        if (m_embedded)
            return m_embedded->decodedBytes(minimumSize);
        return qint64(m_layout.width) * m_layout.height * (m_layout.bits <= 8 ? 5 : 4);
    }

    Result<DecodedImage> read(QSize minimumSize) override
    {
        if (m_embedded) {
            Result<DecodedImage> decoded = m_embedded->read(minimumSize);
            if (decoded.ok() && decoded.value().iccProfile.isEmpty())
                decoded.value().iccProfile = m_layout.iccProfile;
            return decoded;
        }
        Result<QImage> image = decodeBmpPixels(m_data, m_layout);
        if (!image.ok())
            return image.failure();
        DecodedImage out;
        out.image = image.value();
        out.storedSize = out.image.size();
        out.statedDpi = m_layout.dpi;
        out.iccProfile = m_layout.iccProfile;
        return out;
    }

private:
    QByteArray m_data;
    BmpLayout m_layout;
    std::unique_ptr<FormatReader> m_embedded;
};

} // namespace

std::unique_ptr<FormatReader> createBmpReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<BmpReader>(data);
}

bool isBmp(const QByteArray &data)
{
    if (data.size() < 18 || !data.startsWith("BM"))
        return false;
    const quint32 header = qFromLittleEndian<quint32>(data.constData() + 14);
    return header == 12 || (header >= 16 && header <= 64) || header == 108 || header == 124;
}
