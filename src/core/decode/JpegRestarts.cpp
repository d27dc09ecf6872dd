#include "decode/JpegRestarts.h"

#include <algorithm>
#include <cstring>

namespace {

int word(const uchar *p)
{
    return p[0] << 8 | p[1];
}

struct Frame {
    int width = 0, height = 0;
    int components = 0;
    int maxH = 1, maxV = 1;
    qsizetype heightAt = -1; // where the frame's height is stored
    int interval = 0;        // MCUs a restart interval
    qsizetype scanData = -1; // where the scan's data begins
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
            f.height = word(s + 1);
            f.width = word(s + 3);
            f.components = s[5];
            if (f.components < 1 || length != 8 + 3 * f.components)
                return std::nullopt;
            for (int c = 0; c < f.components; ++c) {
                f.maxH = std::max(f.maxH, s[7 + 3 * c] >> 4);
                f.maxV = std::max(f.maxV, s[7 + 3 * c] & 15);
            }
            f.heightAt = p + 5;
        } else if (marker == 0xDD) {
            if (length != 4)
                return std::nullopt;
            f.interval = word(s);
        } else if (marker == 0xDA) {
            if (f.heightAt < 0 || s[0] != f.components)
                return std::nullopt;
            f.scanData = p + 2 + length;
            return f;
        } else if (marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            return std::nullopt; // no segment: not where a header's markers are
        }
        p += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<JpegRestartEntry> jpegRestartEntry(const QByteArray &data, int wantedRow)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    const std::optional<Frame> frame = readFrame(d, n);
    if (!frame || frame->interval <= 0 || frame->width <= 0 || frame->height <= 0)
        return std::nullopt;
    // A scan of one component has MCUs of one block, whatever its sampling.
    const int mcuWidth = frame->components == 1 ? 8 : 8 * frame->maxH;
    const int mcuHeight = frame->components == 1 ? 8 : 8 * frame->maxV;
    const qint64 mcusPerRow = (frame->width + mcuWidth - 1) / mcuWidth;
    const qint64 mcuRows = (frame->height + mcuHeight - 1) / mcuHeight;
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
    JpegRestartEntry entry;
    entry.header = data.left(frame->scanData);
    const int rowsLeft = frame->height - int(chosen.row) * mcuHeight;
    entry.header[frame->heightAt] = char(rowsLeft >> 8);
    entry.header[frame->heightAt + 1] = char(rowsLeft & 0xFF);
    entry.offset = chosen.offset;
    entry.interval = chosen.interval;
    entry.mcuRow = int(chosen.row);
    entry.mcuHeight = mcuHeight;
    return entry;
}
