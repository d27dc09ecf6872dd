#include "overlay/CoverageRuns.h"

#include "overlay/CanvasRows.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// Qt's rounding of a byte times a coverage or alpha (its BYTE_MUL, one channel): what its raster
// engine's solid-colour blend uses, so the blend below is its own.
inline uint timesAlpha(uint value, uint alpha)
{
    const uint t = value * alpha;
    return (t + (t >> 8) + 0x80) >> 8;
}

// The first covered pixel of row[from, to), or `to`; eight at a time over the clear stretches
// (a line's mask is mostly clear).
int firstCovered(const uchar *row, int from, int to)
{
    for (quint64 word = 0; from + 8 <= to; from += 8) {
        std::memcpy(&word, row + from, 8);
        if (word)
            break;
    }
    while (from < to && !row[from])
        ++from;
    return from;
}

// One past the last covered pixel of row[from, to), or `from`.
int endOfCovered(const uchar *row, int from, int to)
{
    for (quint64 word = 0; to - 8 >= from; to -= 8) {
        std::memcpy(&word, row + to - 8, 8);
        if (word)
            break;
    }
    while (to > from && !row[to - 1])
        --to;
    return to;
}

} // namespace

CoverageRuns CoverageRuns::fromMask(const QImage &mask, QPoint offset)
{
    const int width = mask.width();
    return fromMask(mask, offset, [width](int) { return std::pair {0, width}; });
}

CoverageRuns CoverageRuns::fromMask(const QImage &mask, QPoint offset,
                                    const std::function<std::pair<int, int>(int y)> &window)
{
    CoverageRuns runs;
    runs.m_top = offset.y();
    runs.m_first.resize(size_t(mask.height()));
    runs.m_offset.resize(size_t(mask.height()) + 1);
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *row = mask.constScanLine(y);
        const auto [from, to] = window(y);
        const int start = std::clamp(from, 0, mask.width()), end = std::clamp(to, start, mask.width());
        const int left = firstCovered(row, start, end);
        const int right = endOfCovered(row, left, end);
        runs.m_first[size_t(y)] = offset.x() + left;
        runs.m_offset[size_t(y)] = int(runs.m_coverage.size());
        runs.m_coverage.insert(runs.m_coverage.end(), row + left, row + right);
    }
    runs.m_offset[size_t(mask.height())] = int(runs.m_coverage.size());
    return runs;
}

QRgb CoverageRuns::drawnColour(QColor colour, float opacity)
{
    colour.setAlphaF(qBound(0.0f, opacity, 1.0f));
    // Qt premultiplies in 16 bits and then rounds to 8: asked of its raster engine, not redone.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.fill(0);
    QPainter painter(&probe);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 1, 1, colour);
    painter.end();
    return probe.pixel(0, 0);
}

void CoverageRuns::blend(const CanvasRows &canvas, int from, int to, QRgb colour) const
{
    from = std::max(from, m_top);
    to = std::min({to, bottom() + 1, canvas.height});
    const uint red = qRed(colour), green = qGreen(colour), blue = qBlue(colour), alpha = qAlpha(colour);
    for (int y = from; y < to; ++y) {
        const size_t r = size_t(y - m_top);
        const int begin = m_offset[r], end = m_offset[r + 1];
        if (begin == end)
            continue;
        uchar *pixel = canvas.row(y) + 3 * m_first[r];
        for (int i = begin; i < end; ++i, pixel += 3) {
            const uint covered = m_coverage[size_t(i)];
            if (!covered)
                continue;
            if (covered == 255 && alpha == 255) {
                pixel[0] = uchar(red);
                pixel[1] = uchar(green);
                pixel[2] = uchar(blue);
                continue;
            }
            // Qt's source-over of a solid colour at a coverage, on each channel.
            const uint r0 = covered == 255 ? red : timesAlpha(red, covered);
            const uint g0 = covered == 255 ? green : timesAlpha(green, covered);
            const uint b0 = covered == 255 ? blue : timesAlpha(blue, covered);
            const uint left = 255 - (covered == 255 ? alpha : timesAlpha(alpha, covered));
            pixel[0] = uchar(r0 + timesAlpha(pixel[0], left));
            pixel[1] = uchar(g0 + timesAlpha(pixel[1], left));
            pixel[2] = uchar(b0 + timesAlpha(pixel[2], left));
        }
    }
}
