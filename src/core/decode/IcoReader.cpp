// Hand-written: no packaged library reads icon files on their own, and Qt's plugin refuses an
// entry whose size disagrees with the directory. The directory is small; the pixels go through
// the BMP and PNG readers.
#include "decode/IcoReader.h"

#include "decode/BmpPixels.h"
#include "decode/PngReader.h"

#include <QCoreApplication>
#include <QList>
#include <QtEndian>

#include <algorithm>

namespace {

const QString kTruncated = QCoreApplication::translate("IcoReader", "the file is truncated");

bool startsLikeBitmap(const QByteArray &entry)
{
    if (entry.size() < 4)
        return false;
    const quint32 header = qFromLittleEndian<quint32>(entry.constData());
    return header == 12 || header == 40 || header == 52 || header == 56 || header == 108 || header == 124;
}

struct IconEntry {
    QByteArray data; // from the entry's offset to the end of the file: its stated length is not relied on
    QSize size;
    int bits = 0;
    BmpLayout layout;                  // bitmap entries
    std::unique_ptr<FormatReader> png; // PNG entries
};

class IcoReader final : public FormatReader {
public:
    explicit IcoReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        const int count = qFromLittleEndian<quint16>(m_data.constData() + 4);
        if (m_data.size() < 6 + 16 * qsizetype(count))
            return {FailureReason::Unsupported, kTruncated};
        Failure firstFailure;
        for (int i = 0; i < count; ++i) {
            const char *d = m_data.constData() + 6 + 16 * i;
            const quint32 offset = qFromLittleEndian<quint32>(d + 12);
            if (offset >= quint32(m_data.size()))
                return {FailureReason::Unsupported, kTruncated};
            auto entry = std::make_unique<IconEntry>();
            // A view of the file, never a copy: a directory may name thousands of entries.
            entry->data =
                QByteArray::fromRawData(m_data.constData() + offset, m_data.size() - qsizetype(offset));
            if (isPng(entry->data)) {
                entry->png = createPngReader(entry->data, "png");
                if (const Failure failure = entry->png->readHeader(); failure.failed()) {
                    firstFailure = firstFailure.failed() ? firstFailure : failure;
                    continue;
                }
                entry->size = entry->png->size();
                entry->bits = 32;
            } else {
                Result<BmpLayout> layout = readBmpLayout(entry->data, 0, -1, true);
                if (!layout.ok()) {
                    firstFailure = firstFailure.failed() ? firstFailure : layout.failure();
                    continue;
                }
                entry->layout = layout.value();
                entry->size = QSize(entry->layout.width, entry->layout.height);
                entry->bits = entry->layout.bits;
            }
            m_entries.push_back(std::move(entry));
        }
        if (m_entries.empty())
            return firstFailure.failed()
                       ? firstFailure
                       : Failure(FailureReason::Unsupported,
                                 QCoreApplication::translate("IcoReader", "an empty icon file"));
        // Largest first, then deepest; the first among equals.
        std::stable_sort(m_entries.begin(), m_entries.end(), [](const auto &a, const auto &b) {
            const qint64 areaA = qint64(a->size.width()) * a->size.height();
            const qint64 areaB = qint64(b->size.width()) * b->size.height();
            return areaA != areaB ? areaA > areaB : a->bits > b->bits;
        });
        return {};
    }

    QString formatName() const override
    {
        return m_data.size() > 2 && m_data.at(2) == 2 ? QStringLiteral("CUR") : QStringLiteral("ICO");
    }

    QSize size() const override { return m_entries.front()->size; }

    // A palette bitmap is decoded to indexes, then turned into true colour: both at once.
    qint64 decodedBytes(QSize minimumSize) const override
    {
        const IconEntry &entry = *m_entries.front();
        if (entry.png)
            return entry.png->decodedBytes(minimumSize);
        return qint64(entry.size.width()) * entry.size.height() * (entry.bits <= 8 ? 5 : 4);
    }

    // Entries that cannot be decoded give way to the next largest, unless cut short: a cut file
    // is refused, never read from what is left.
    Result<DecodedImage> read(QSize minimumSize) override
    {
        Failure firstFailure;
        for (const auto &entry : m_entries) {
            Result<DecodedImage> decoded = entry->png ? entry->png->read(minimumSize) : bitmap(*entry);
            if (decoded.ok())
                return decoded;
            if (decoded.failure().detail == kTruncated)
                return decoded.failure();
            if (!firstFailure.failed())
                firstFailure = decoded.failure();
        }
        return firstFailure;
    }

private:
    // The colour bitmap, then a 1-bit mask (1 transparent) unless 32-bit pixels carry alpha.
    static Result<DecodedImage> bitmap(IconEntry &entry)
    {
        BmpLayout layout = entry.layout;
        if (layout.bits == 32 && layout.coding == BmpLayout::Coding::Plain)
            layout.alphaMask = true; // alpha in the fourth byte; zero everywhere means unused
        Result<QImage> decoded = decodeBmpPixels(entry.data, layout);
        if (!decoded.ok())
            return decoded.failure();
        QImage image = decoded.value();
        if (!image.hasAlphaChannel()) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            if (image.isNull())
                return Failure(FailureReason::OutOfMemory);
            const qsizetype colourBytes = layout.rowBytes * layout.height;
            const qsizetype maskRow = ((qsizetype(layout.width) + 31) / 32) * 4;
            const qsizetype maskOffset = layout.pixelOffset + colourBytes;
            // Some writers leave the mask out; the picture is then opaque.
            if (layout.coding == BmpLayout::Coding::Plain && maskOffset <= entry.data.size() &&
                entry.data.size() - maskOffset >= maskRow * layout.height) {
                const auto *mask = reinterpret_cast<const uchar *>(entry.data.constData()) + maskOffset;
                for (int row = 0; row < layout.height; ++row) {
                    auto *line = reinterpret_cast<QRgb *>(
                        image.scanLine(layout.topDown ? row : layout.height - 1 - row));
                    const uchar *bits = mask + row * maskRow;
                    for (int x = 0; x < layout.width; ++x)
                        if (bits[x / 8] & (0x80 >> (x % 8)))
                            line[x] = 0;
                }
            }
        }
        DecodedImage out;
        out.image = image;
        out.storedSize = image.size();
        return out;
    }

    QByteArray m_data;
    std::vector<std::unique_ptr<IconEntry>> m_entries;
};

} // namespace

std::unique_ptr<FormatReader> createIcoReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<IcoReader>(data);
}

bool isIco(const QByteArray &data)
{
    if (data.size() < 6 + 16)
        return false;
    const quint16 reserved = qFromLittleEndian<quint16>(data.constData());
    const quint16 type = qFromLittleEndian<quint16>(data.constData() + 2);
    const quint16 count = qFromLittleEndian<quint16>(data.constData() + 4);
    if (reserved != 0 || (type != 1 && type != 2) || count == 0)
        return false;
    const quint32 offset = qFromLittleEndian<quint32>(data.constData() + 6 + 12);
    if (offset < 6 + 16u * count)
        return false;
    if (offset >= quint32(data.size()))
        return true; // cut before its first entry: refused as truncated by the reader
    const QByteArray entry = data.mid(qsizetype(offset), 8);
    return isPng(entry) || startsLikeBitmap(entry);
}
