#include "overlay/CopyrightCoverage.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/OverlayTiles.h"

#include <QMutex>
#include <QPainter>

#include <cstdlib>
#include <deque>
#include <tuple>

namespace {

// Qt's rounding of a byte times a coverage or alpha (its BYTE_MUL, one channel): what its raster
// engine's solid-colour blend uses, so the blend below is its own.
inline uint timesAlpha(uint value, uint alpha)
{
    const uint t = value * alpha;
    return (t + (t >> 8) + 0x80) >> 8;
}

struct Key {
    int width, height;
    bool resized;
    int pattern;
    bool operator==(const Key &o) const
    {
        return std::tie(width, height, resized, pattern) == std::tie(o.width, o.height, o.resized, o.pattern);
    }
};

} // namespace

QRgb CopyrightCoverage::drawnColour(const ConversionOptions &options)
{
    QColor colour = options.copyright.color;
    colour.setAlphaF(qBound(0.0f, options.copyright.opacity, 1.0f));
    // Qt premultiplies in 16 bits and then rounds to 8: asked of its raster engine, not redone.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.fill(0);
    QPainter painter(&probe);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 1, 1, colour);
    painter.end();
    return probe.pixel(0, 0);
}

std::shared_ptr<const CopyrightCoverage> CopyrightCoverage::of(const OverlayCanvas &layout,
                                                               const ConversionOptions &options)
{
    static QMutex mutex;
    static std::deque<std::pair<Key, std::shared_ptr<const CopyrightCoverage>>> kept;
    const Key key {layout.width, layout.height, layout.resized, int(options.copyright.pattern)};
    // Made under the lock: two workers starting the same size at once make it once.
    QMutexLocker lock(&mutex);
    for (const auto &entry : kept)
        if (entry.first == key)
            return entry.second;
    std::shared_ptr<const CopyrightCoverage> made = make(layout, options);
    if (!made)
        return made;
    kept.emplace_front(key, made);
    if (kept.size() > 4)
        kept.pop_back();
    return made;
}

std::shared_ptr<const CopyrightCoverage> CopyrightCoverage::make(const OverlayCanvas &layout,
                                                                 const ConversionOptions &options)
{
    auto made = std::make_shared<CopyrightCoverage>();
    made->m_height = layout.height;
    // Each line drawn opaque white on cleared coverage of the whole canvas, as the canvas itself
    // would be drawn on (a smaller device or a clip would cut the line elsewhere), then kept as
    // runs. Zeroed memory from calloc is mapped as the drawing touches it.
    const qsizetype bytesPerLine = (qsizetype(layout.width) + 3) & ~qsizetype(3);
    ConversionOptions white = options;
    white.copyright.color = Qt::white;
    white.copyright.opacity = 1.0f;
    for (const QLineF &line : copyrightImageLines(layout, options)) {
        auto *memory = static_cast<uchar *>(std::calloc(size_t(bytesPerLine), size_t(layout.height)));
        if (!memory)
            return nullptr;
        QImage coverage(memory, layout.width, layout.height, bytesPerLine, QImage::Format_Alpha8, std::free,
                        memory);
        {
            QPainter painter(&coverage);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            drawCopyrightLine(painter, layout, white, line);
        }
        Line runs;
        runs.first.resize(size_t(layout.height));
        runs.offset.resize(size_t(layout.height) + 1);
        for (int y = 0; y < layout.height; ++y) {
            const uchar *row = coverage.constScanLine(y);
            int left = 0, right = layout.width;
            while (left < right && !row[left])
                ++left;
            while (right > left && !row[right - 1])
                --right;
            runs.first[size_t(y)] = left;
            runs.offset[size_t(y)] = int(runs.coverage.size());
            runs.coverage.insert(runs.coverage.end(), row + left, row + right);
        }
        runs.offset[size_t(layout.height)] = int(runs.coverage.size());
        made->m_lines.push_back(std::move(runs));
    }
    return made;
}

void CopyrightCoverage::blend(const CanvasRows &canvas, int from, int to, QRgb colour) const
{
    to = std::min({to, m_height, canvas.height});
    const uint red = qRed(colour), green = qGreen(colour), blue = qBlue(colour), alpha = qAlpha(colour);
    for (const Line &line : m_lines) {
        for (int y = std::max(from, 0); y < to; ++y) {
            const int begin = line.offset[size_t(y)], end = line.offset[size_t(y) + 1];
            if (begin == end)
                continue;
            uchar *pixel = canvas.row(y) + 3 * line.first[size_t(y)];
            for (int i = begin; i < end; ++i, pixel += 3) {
                const uint covered = line.coverage[size_t(i)];
                if (!covered)
                    continue;
                if (covered == 255 && alpha == 255) {
                    pixel[0] = uchar(red);
                    pixel[1] = uchar(green);
                    pixel[2] = uchar(blue);
                    continue;
                }
                // Qt's source-over of a solid colour at a coverage, on each channel.
                const uint r = covered == 255 ? red : timesAlpha(red, covered);
                const uint g = covered == 255 ? green : timesAlpha(green, covered);
                const uint b = covered == 255 ? blue : timesAlpha(blue, covered);
                const uint left = 255 - (covered == 255 ? alpha : timesAlpha(alpha, covered));
                pixel[0] = uchar(r + timesAlpha(pixel[0], left));
                pixel[1] = uchar(g + timesAlpha(pixel[1], left));
                pixel[2] = uchar(b + timesAlpha(pixel[2], left));
            }
        }
    }
}
