#include "decode/JpegEntries.h"

#include "decode/JpegHuffmanTable.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

int word(const uchar *p)
{
    return p[0] << 8 | p[1];
}

// A Huffman table as a DHT segment states it.
struct StatedTable {
    bool present = false;
    uchar counts[16] = {}; // codes of each length, 1 to 16 bits
    uchar values[256] = {};
    int total = 0;
};

struct Frame {
    int width = 0, height = 0;
    int precision = 8;
    int components = 0;
    int maxH = 1, maxV = 1;
    int h[4] = {}, v[4] = {}, id[4] = {};
    qsizetype heightAt = -1; // where the frame's height is stored
    int interval = 0;        // MCUs a restart interval
    qsizetype scanData = -1; // where the scan's data begins
    // The scan: its components (as indexes into the frame's) and their tables.
    int scanComponent[4] = {}, dcTable[4] = {}, acTable[4] = {};
    bool wholeSpectrum = false; // Ss 0, Se 63, no successive approximation
    StatedTable tables[2][4];   // DC, AC
};

// The markers before the scan's data; none unless one sequential Huffman-coded frame is followed
// by a scan of all its components.
std::optional<Frame> readFrame(const uchar *d, qsizetype n)
{
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return std::nullopt;
    Frame f;
    qsizetype p = 2;
    while (p + 4 <= n) {
        if (d[p] != 0xFF)
            return std::nullopt;
        const uchar marker = d[p + 1];
        if (marker == 0xFF) { // a fill byte
            ++p;
            continue;
        }
        const int length = word(d + p + 2);
        if (length < 2 || p + 2 + length > n)
            return std::nullopt;
        const uchar *s = d + p + 4;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            // Baseline or extended sequential, Huffman coded: the only frames whose one scan is
            // entered again at a restart marker with nothing carried over but the DC predictions.
            if ((marker != 0xC0 && marker != 0xC1) || f.heightAt >= 0 || length < 8)
                return std::nullopt;
            f.precision = s[0];
            f.height = word(s + 1);
            f.width = word(s + 3);
            f.components = s[5];
            if (f.components < 1 || f.components > 4 || length != 8 + 3 * f.components)
                return std::nullopt;
            for (int c = 0; c < f.components; ++c) {
                f.id[c] = s[6 + 3 * c];
                f.h[c] = s[7 + 3 * c] >> 4;
                f.v[c] = s[7 + 3 * c] & 15;
                if (f.h[c] < 1 || f.h[c] > 4 || f.v[c] < 1 || f.v[c] > 4)
                    return std::nullopt;
                f.maxH = std::max(f.maxH, f.h[c]);
                f.maxV = std::max(f.maxV, f.v[c]);
            }
            f.heightAt = p + 5;
        } else if (marker == 0xDD) {
            if (length != 4)
                return std::nullopt;
            f.interval = word(s);
        } else if (marker == 0xC4) {
            qsizetype t = 0;
            while (t + 17 <= length - 2) {
                const int kind = s[t] >> 4, slot = s[t] & 15;
                if (kind > 1 || slot > 3)
                    return std::nullopt;
                StatedTable &table = f.tables[kind][slot];
                table = StatedTable();
                for (int i = 0; i < 16; ++i)
                    table.total += table.counts[i] = s[t + 1 + i];
                if (table.total > 256 || t + 17 + table.total > length - 2)
                    return std::nullopt;
                std::memcpy(table.values, s + t + 17, size_t(table.total));
                table.present = true;
                t += 17 + table.total;
            }
        } else if (marker == 0xDA) {
            if (f.heightAt < 0 || s[0] != f.components || length != 6 + 2 * f.components)
                return std::nullopt;
            for (int c = 0; c < f.components; ++c) {
                const int *at = std::find(f.id, f.id + f.components, s[1 + 2 * c]);
                if (at == f.id + f.components)
                    return std::nullopt;
                f.scanComponent[c] = int(at - f.id);
                f.dcTable[c] = s[2 + 2 * c] >> 4;
                f.acTable[c] = s[2 + 2 * c] & 15;
                if (f.dcTable[c] > 3 || f.acTable[c] > 3)
                    return std::nullopt;
            }
            const uchar *spectrum = s + 1 + 2 * f.components;
            f.wholeSpectrum = spectrum[0] == 0 && spectrum[1] == 63 && spectrum[2] == 0;
            f.scanData = p + 2 + length;
            return f;
        } else if (marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            return std::nullopt; // no segment: not where a header's markers are
        }
        p += 2 + length;
    }
    return std::nullopt;
}

// The MCU layout of a frame whose one scan holds every component.
struct Layout {
    int mcuWidth = 0, mcuHeight = 0;
    qint64 mcusPerRow = 0, mcuRows = 0;
    int blocks = 0;       // in an MCU
    int blockOf[10] = {}; // each block's place in the scan's components
};

std::optional<Layout> layoutOf(const Frame &f)
{
    if (f.width <= 0 || f.height <= 0)
        return std::nullopt;
    Layout l;
    // A scan of one component has MCUs of one block, whatever its sampling.
    const bool single = f.components == 1;
    l.mcuWidth = single ? 8 : 8 * f.maxH;
    l.mcuHeight = single ? 8 : 8 * f.maxV;
    l.mcusPerRow = (f.width + l.mcuWidth - 1) / l.mcuWidth;
    l.mcuRows = (f.height + l.mcuHeight - 1) / l.mcuHeight;
    for (int c = 0; c < f.components; ++c) {
        const int count = single ? 1 : f.h[f.scanComponent[c]] * f.v[f.scanComponent[c]];
        if (l.blocks + count > 10) // libjpeg's limit on an MCU
            return std::nullopt;
        for (int i = 0; i < count; ++i)
            l.blockOf[l.blocks++] = c;
    }
    return l;
}

// The file's markers up to its scan's data, the frame as tall as the rows from `row` down.
QByteArray headerFrom(const QByteArray &data, const Frame &frame, int row)
{
    QByteArray header = data.left(frame.scanData);
    const int rowsLeft = frame.height - row;
    header[frame.heightAt] = char(rowsLeft >> 8);
    header[frame.heightAt + 1] = char(rowsLeft & 0xFF);
    return header;
}

} // namespace

std::optional<JpegPartEntry> jpegRestartEntry(const QByteArray &data, int wantedRow)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    const std::optional<Frame> frame = readFrame(d, n);
    if (!frame || frame->interval <= 0)
        return std::nullopt;
    const std::optional<Layout> layout = layoutOf(*frame);
    if (!layout)
        return std::nullopt;
    const int mcuHeight = layout->mcuHeight;
    const qint64 mcusPerRow = layout->mcusPerRow, mcuRows = layout->mcuRows;
    const qint64 wanted = std::clamp<qint64>((wantedRow + mcuHeight / 2) / mcuHeight, 0, mcuRows);

    struct Candidate {
        qint64 row = -1;
        qsizetype offset = 0;
        int interval = 0;
    } below, above;
    int markers = 0;
    qsizetype q = frame->scanData;
    while (q + 1 < n) {
        const void *next = std::memchr(d + q, 0xFF, size_t(n - 1 - q));
        if (!next)
            break;
        q = static_cast<const uchar *>(next) - d;
        const uchar b = d[q + 1];
        if (b == 0x00) { // a stuffed data byte
            q += 2;
            continue;
        }
        if (b == 0xFF) { // a fill byte before a marker
            q += 1;
            continue;
        }
        if (b < 0xD0 || b > 0xD7)
            break; // the scan's end
        if (b != 0xD0 + (markers & 7))
            return std::nullopt; // out of order: left to the decoder's own recovery
        ++markers;
        q += 2;
        const qint64 first = qint64(markers) * frame->interval;
        if (first % mcusPerRow != 0)
            continue;
        const qint64 row = first / mcusPerRow;
        if (row >= mcuRows)
            break;
        if (row <= wanted) {
            below = {row, q, markers};
            continue;
        }
        above = {row, q, markers};
        break;
    }
    const auto usable = [&](const Candidate &c) {
        return c.row >= (mcuRows + 3) / 4 && c.row <= mcuRows * 3 / 4;
    };
    const bool useBelow = usable(below) && (!usable(above) || wanted - below.row <= above.row - wanted);
    if (!useBelow && !usable(above))
        return std::nullopt;
    const Candidate &chosen = useBelow ? below : above;
    JpegPartEntry entry;
    entry.header = headerFrom(data, *frame, int(chosen.row) * mcuHeight);
    entry.offset = chosen.offset;
    entry.interval = chosen.interval;
    entry.mcuRow = int(chosen.row);
    entry.mcuHeight = mcuHeight;
    return entry;
}

namespace {

using Table = JpegHuffmanTable;

// The scan's coded data read bit by bit, its stuffed zero bytes dropped; at a marker or the
// end of the file it gives zero bits, and says so.
class BitReader {
public:
    BitReader(const uchar *begin, const uchar *end) : m_p(begin), m_end(end) {}

    // At least 32 bits ahead.
    void need()
    {
        if (m_count >= 32)
            return;
        // Whole bytes at once where none of the next eight is 0xFF.
        if (m_end - m_p >= 8) {
            uint64_t word;
            std::memcpy(&word, m_p, 8);
            const uint64_t inverted = ~word;
            if (((inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL) == 0) {
                word = __builtin_bswap64(word);
                const int take = (64 - m_count) / 8;
                m_bits |= (word >> (64 - 8 * take)) << (64 - 8 * take - m_count);
                m_count += 8 * take;
                m_p += take;
                m_real += 8 * take;
                m_loaded += 8 * take;
                return;
            }
        }
        while (m_count <= 56) {
            uint64_t byte = 0;
            if (m_p < m_end && (*m_p != 0xFF || (m_p + 1 < m_end && m_p[1] == 0))) {
                byte = *m_p;
                m_p += byte == 0xFF ? 2 : 1;
                m_real += 8;
            }
            m_bits |= byte << (56 - m_count);
            m_count += 8;
            m_loaded += 8;
        }
    }

    uint32_t peek(int n) const { return uint32_t(m_bits >> (64 - n)); }
    void drop(int n)
    {
        m_bits <<= n;
        m_count -= n;
    }
    // Bits read so far, and whether they were all the file's.
    qint64 used() const { return m_loaded - m_count; }
    bool overran() const { return used() > m_real; }
    bool holds(qint64 bit) const { return bit < m_real; }

    // The next code's value; -1 for no code.
    int decode(const Table &t)
    {
        int length = 0;
        const int value = t.decode(peek(16), &length);
        if (value >= 0)
            drop(length);
        return value;
    }

private:
    const uchar *m_p, *m_end;
    uint64_t m_bits = 0; // from the top
    int m_count = 0;
    qint64 m_loaded = 0, m_real = 0; // bits put in m_bits, and those the file's
};

// Coded bits written with stuffed zero bytes after each 0xFF.
class BitWriter {
public:
    void put(uint32_t value, int n)
    {
        for (int i = n - 1; i >= 0; --i) {
            m_byte = (m_byte << 1) | ((value >> i) & 1);
            if (++m_count == 8) {
                m_out.append(char(m_byte));
                if (m_byte == 0xFF)
                    m_out.append('\0');
                m_byte = 0;
                m_count = 0;
            }
        }
    }
    int pending() const { return m_count; }
    QByteArray bytes() const { return m_out; }

private:
    QByteArray m_out;
    uint32_t m_byte = 0;
    int m_count = 0;
};

int category(int value)
{
    int magnitude = value < 0 ? -value : value, bits = 0;
    for (; magnitude; magnitude >>= 1)
        ++bits;
    return bits;
}

} // namespace

JpegMcuRows jpegMcuRows(const QByteArray &data)
{
    const std::optional<Frame> frame =
        readFrame(reinterpret_cast<const uchar *>(data.constData()), data.size());
    if (!frame)
        return {};
    const std::optional<Layout> layout = layoutOf(*frame);
    if (!layout)
        return {};
    return {int(layout->mcuRows), layout->mcuHeight};
}

std::optional<JpegPartEntry> jpegScanEntry(const QByteArray &data, int mcuRow)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    const std::optional<Frame> frame = readFrame(d, n);
    if (!frame || frame->interval != 0 || frame->precision != 8 || !frame->wholeSpectrum)
        return std::nullopt;
    const std::optional<Layout> layout = layoutOf(*frame);
    if (!layout || mcuRow < 1 || mcuRow >= layout->mcuRows)
        return std::nullopt;
    const int components = frame->components;
    const auto tables = std::make_unique<Table[]>(8); // 20 KB each
    Table *dc = tables.get(), *ac = tables.get() + 4;
    for (int c = 0; c < components; ++c) {
        const StatedTable &dcStated = frame->tables[0][frame->dcTable[c]],
                          &acStated = frame->tables[1][frame->acTable[c]];
        if (!dcStated.present || !acStated.present || !dc[c].build(dcStated.counts, dcStated.values) ||
            !ac[c].build(acStated.counts, acStated.values))
            return std::nullopt;
        ac[c].buildRuns();
        // The lead's flat blocks: a DC difference of 0 and an end of block.
        if (!dc[c].length[0] || !ac[c].length[0])
            return std::nullopt;
    }
    int flatMcu = 0; // the bits of an MCU of flat blocks
    for (int b = 0; b < layout->blocks; ++b)
        flatMcu += dc[layout->blockOf[b]].length[0] + ac[layout->blockOf[b]].length[0];

    // Coefficients the lead's first blocks may hold, to end it on the bit wanted whatever the
    // file's MCUs take (in a flat area they take what the lead's own do): for each count of bits
    // over a multiple of 8, the fewest codes of a value right after the DC that add that many.
    struct Padding {
        bool reached = false;
        std::vector<std::pair<int, int>> codes; // component, value (no zeros before, size 1-10)
    } padding[8];
    padding[0].reached = true;
    for (bool grew = true; grew;) {
        grew = false;
        for (int from = 0; from < 8; ++from) {
            if (!padding[from].reached)
                continue;
            for (int c = 0; c < components; ++c)
                for (int size = 1; size <= 10; ++size) {
                    if (!ac[c].length[size])
                        continue;
                    const int bits = ac[c].length[size] + size, to = (from + bits) % 8;
                    Padding &next = padding[to];
                    if (next.reached && next.codes.size() <= padding[from].codes.size() + 1)
                        continue;
                    next = padding[from];
                    next.codes.emplace_back(c, size);
                    grew = true;
                }
        }
    }

    int blocksOf[4] = {}; // in an MCU, of each component
    for (int b = 0; b < layout->blocks; ++b)
        ++blocksOf[layout->blockOf[b]];

    // The DC differences a lead's first blocks of a component code, summing to `value`, each of a
    // size its table codes (a table made for one picture may lack the larger sizes), at most
    // `most` of them (put in `parts` if given): the bits they take beyond flat blocks', -1 when
    // there is no such sum.
    const auto split = [&](int c, int value, qint64 most, std::vector<int> *parts) -> qint64 {
        most = std::min<qint64>(most, 4096); // a bound on the work for any file
        qint64 bits = 0, count = 0;
        for (int left = value < 0 ? -value : value; left > 0; ++count) {
            int size = std::min(category(left), 11);
            while (size > 0 && !dc[c].length[size])
                --size;
            if (size == 0 || count == most)
                return -1;
            const int part = std::min(left, (1 << size) - 1);
            if (parts)
                parts->push_back(value < 0 ? -part : part);
            bits += dc[c].length[size] + size - dc[c].length[0];
            left -= part;
        }
        return bits;
    };

    // The bits of a lead of `mcus` flat MCUs whose first blocks of each component set its DC to
    // `last`; -1 when the tables cannot code it.
    const auto leadBits = [&](qint64 mcus, const int *last) -> qint64 {
        qint64 bits = mcus * flatMcu;
        for (int c = 0; c < components; ++c) {
            const qint64 more = split(c, last[c], mcus * blocksOf[c], nullptr);
            if (more < 0)
                return -1;
            bits += more;
        }
        return bits;
    };

    // The entry at bit `at` of the data (its stuffed bytes dropped), after a lead of `mcus`.
    const auto enter = [&](qint64 mcus, const int *last, const Padding &pad, qint64 at) {
        std::vector<int> parts[4];
        size_t given[4] = {};
        for (int c = 0; c < components; ++c)
            split(c, last[c], mcus * blocksOf[c], &parts[c]);
        BitWriter lead;
        for (qint64 m = 0; m < mcus; ++m) {
            for (int b = 0; b < layout->blocks; ++b) {
                const int c = layout->blockOf[b];
                const int value = given[c] < parts[c].size() ? parts[c][given[c]++] : 0;
                const int size = category(value);
                lead.put(dc[c].code[size], dc[c].length[size]);
                lead.put(uint32_t(value < 0 ? value + (1 << size) - 1 : value), size);
                if (m == 0 && (b == 0 || layout->blockOf[b - 1] != c))
                    for (const auto &[component, coded] : pad.codes)
                        if (component == c) {
                            lead.put(ac[c].code[coded], ac[c].length[coded]);
                            lead.put(1u << (coded - 1), coded); // any value of its size
                        }
                lead.put(ac[c].code[0], ac[c].length[0]);
            }
        }
        // The data byte holding bit `at`, found in the file past stuffed bytes.
        qsizetype p = frame->scanData;
        for (qint64 left = at / 8;;) {
            const void *ff = std::memchr(d + p, 0xFF, size_t(n - p));
            const qsizetype run = ff ? static_cast<const uchar *>(ff) - (d + p) : n - p;
            if (left <= run) {
                p += qsizetype(left);
                break;
            }
            left -= run + 1;
            p += run + 2;
        }
        const int inByte = int(at % 8);
        Q_ASSERT(lead.pending() == inByte);
        if (inByte) {
            lead.put(d[p] & ((1u << (8 - inByte)) - 1), 8 - inByte);
            p += d[p] == 0xFF ? 2 : 1;
        }
        JpegPartEntry entry;
        entry.header = headerFrom(data, *frame, (mcuRow - 1) * layout->mcuHeight);
        entry.lead = lead.bytes();
        entry.offset = p;
        entry.mcuRow = mcuRow - 1;
        entry.mcuHeight = layout->mcuHeight;
        entry.skipMcuRows = 1;
        return entry;
    };

    BitReader reader(d + frame->scanData, d + n);
    int last[4] = {};
    const qint64 rowStart = qint64(mcuRow - 1) * layout->mcusPerRow;
    const qint64 rowEnd = rowStart + layout->mcusPerRow;
    for (qint64 mcu = 0;; ++mcu) {
        // Entered at this MCU, the lead fills the row's MCUs before it and ends in the byte of
        // its first bit.
        if (mcu > rowStart) {
            const qint64 bits = leadBits(mcu - rowStart, last);
            const Padding *pad = bits >= 0 ? &padding[((reader.used() - bits) % 8 + 8) % 8] : nullptr;
            if (pad && pad->reached) {
                if (!reader.holds(reader.used()))
                    return std::nullopt;
                return enter(mcu - rowStart, last, *pad, reader.used());
            }
        }
        if (mcu == rowEnd)
            return std::nullopt;
        for (int b = 0; b < layout->blocks; ++b) {
            const int c = layout->blockOf[b];
            reader.need();
            const int size = reader.decode(dc[c]);
            if (size < 0 || size > 15)
                return std::nullopt;
            if (size) {
                reader.need();
                const int raw = int(reader.peek(size));
                reader.drop(size);
                last[c] += raw < 1 << (size - 1) ? raw - (1 << size) + 1 : raw;
                if (last[c] > 1 << 20 || last[c] < -(1 << 20)) // a damaged file's: no lead codes it
                    return std::nullopt;
            }
            // As libjpeg reads them: a value after `zeros` zeros, 16 zeros, or the end.
            for (int k = 1; k < 64;) {
                reader.need();
                const Table::Run &run = ac[c].runs[reader.peek(Table::kRun)];
                if (run.bits && k + run.before < 64) {
                    reader.drop(run.bits);
                    if (run.ends)
                        break;
                    k += run.passed;
                    continue;
                }
                const int symbol = reader.decode(ac[c]);
                if (symbol < 0)
                    return std::nullopt;
                const int zeros = symbol >> 4, size = symbol & 15;
                if (size == 0 && zeros != 15)
                    break;
                reader.drop(size);
                k += size ? zeros + 1 : 16;
            }
        }
        if (reader.overran())
            return std::nullopt;
    }
}
