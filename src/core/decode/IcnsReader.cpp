#include "decode/IcnsReader.h"

#include "decode/Jpeg2000Reader.h"
#include "decode/PngReader.h"
#include "decode/QtPluginReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QtEndian>

#include <algorithm>

namespace {

// The side of each classic (run-length or bitmap) entry type, which Qt's plugin decodes.
int classicSide(const QByteArray &type)
{
    static const QHash<QByteArray, int> sides = {
        {"is32", 16}, {"ics#", 16}, {"ics4", 16}, {"ics8", 16}, {"ic04", 16},  {"icsb", 18},
        {"il32", 32}, {"ICN#", 32}, {"icl4", 32}, {"icl8", 32}, {"ic05", 32},  {"icsB", 36},
        {"ih32", 48}, {"ich#", 48}, {"ich4", 48}, {"ich8", 48}, {"it32", 128},
    };
    return sides.value(type, 0);
}

struct Entry {
    QSize size;
    std::unique_ptr<FormatReader> reader;
};

class IcnsReader final : public FormatReader {
public:
    explicit IcnsReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        qint64 largestClassic = 0;
        const qint64 end = qFromBigEndian<quint32>(m_data.constData() + 4);
        if (end > m_data.size())
            return {FailureReason::Unsupported,
                    QCoreApplication::translate("IcnsReader", "the file is truncated")};
        qint64 pos = 8;
        while (pos + 8 <= end) {
            const QByteArray type = m_data.mid(pos, 4);
            const qint64 length = qFromBigEndian<quint32>(m_data.constData() + pos + 4);
            if (length < 8 || pos + length > end)
                break;
            const QByteArray payload = m_data.mid(pos + 8, length - 8);
            pos += length;
            std::unique_ptr<FormatReader> reader = isPng(payload) ? createPngReader(payload, "png")
                                                   : isJpeg2000(payload)
                                                       ? createJpeg2000Reader(payload, "jp2")
                                                       : nullptr;
            if (!reader) {
                const qint64 side = classicSide(type);
                largestClassic = std::max(largestClassic, side * side);
                continue;
            }
            if (reader->readHeader().failed() || !reader->size().isValid())
                continue;
            const QSize size = reader->size();
            m_entries.push_back({size, std::move(reader)});
        }
        // Largest first, the first among equals.
        std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
            return qint64(a.size.width()) * a.size.height() > qint64(b.size.width()) * b.size.height();
        });
        const qint64 largestEntry =
            m_entries.empty() ? 0 : qint64(m_entries.front().size.width()) * m_entries.front().size.height();
        if (largestEntry == 0 || largestClassic > largestEntry)
            return classicReader().readHeader();
        return {};
    }

    QString formatName() const override { return QStringLiteral("ICNS"); }
    QSize size() const override { return m_classic ? m_classic->size() : m_entries.front().size; }

    // An entry that fails to decode gives way to the next largest, then to the classic entries.
    Result<DecodedImage> read(QSize minimumSize) override
    {
        if (m_classic)
            return m_classic->read(minimumSize);
        Failure first;
        for (Entry &entry : m_entries) {
            Result<DecodedImage> decoded = entry.reader->read(minimumSize);
            if (decoded.ok())
                return decoded;
            if (!first.failed())
                first = decoded.failure();
        }
        if (classicReader().readHeader().failed())
            return first;
        Result<DecodedImage> decoded = m_classic->read(minimumSize);
        return decoded.ok() ? decoded : first;
    }

private:
    FormatReader &classicReader()
    {
        if (!m_classic)
            m_classic = createQtPluginReader(m_data, "icns");
        return *m_classic;
    }

    QByteArray m_data;
    std::vector<Entry> m_entries;
    std::unique_ptr<FormatReader> m_classic;
};

} // namespace

std::unique_ptr<FormatReader> createIcnsReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<IcnsReader>(data);
}

bool isIcns(const QByteArray &data)
{
    return data.size() >= 8 && data.startsWith("icns");
}
