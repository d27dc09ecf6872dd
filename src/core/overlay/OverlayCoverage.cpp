#include "overlay/OverlayCoverage.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/WatermarkOverlay.h"

#include <QMutex>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>

namespace {

// The last few coverages made, by what they were made of. Made under the lock: two workers
// starting the same size at once make it once.
template <typename T, typename Make> std::shared_ptr<const T> kept(const QString &key, const Make &make)
{
    static QMutex mutex;
    static std::deque<std::pair<QString, std::shared_ptr<const T>>> made;
    QMutexLocker lock(&mutex);
    for (const auto &entry : made)
        if (entry.first == key)
            return entry.second;
    std::shared_ptr<const T> coverage = make();
    if (!coverage)
        return coverage;
    made.emplace_front(key, coverage);
    if (made.size() > 4)
        made.pop_back();
    return coverage;
}

// Pixels beyond a stroke's edge that smoothing, and the rasterizer's rounding, may reach.
constexpr qreal kSmoothing = 2;

// The columns [from, to) of row y that a stroke along `line` reaching `reach` either side of it
// can touch: those within `reach` of the part of the line between y - reach and y + 1 + reach.
std::pair<int, int> columnsNear(const QLineF &line, qreal reach, int y, int width)
{
    const qreal top = std::max(y - reach, std::min(line.y1(), line.y2()));
    const qreal bottom = std::min(y + 1 + reach, std::max(line.y1(), line.y2()));
    if (top > bottom)
        return {0, 0};
    qreal left = std::min(line.x1(), line.x2()), right = std::max(line.x1(), line.x2());
    if (line.dy() != 0) {
        const qreal slope = line.dx() / line.dy();
        const qreal a = line.x1() + (top - line.y1()) * slope, b = line.x1() + (bottom - line.y1()) * slope;
        left = std::min(a, b);
        right = std::max(a, b);
    }
    return {std::clamp(int(std::floor(left - reach)) - 1, 0, width),
            std::clamp(int(std::ceil(right + reach)) + 1, 0, width)};
}

QString canvasKey(const OverlayCanvas &layout)
{
    return QStringLiteral("%1x%2%3").arg(layout.width).arg(layout.height).arg(layout.resized ? "r" : "");
}

} // namespace

std::shared_ptr<const std::vector<CoverageRuns>>
OverlayCoverage::copyrightLines(const OverlayCanvas &layout, const ConversionOptions &options)
{
    const QString key = canvasKey(layout) + QStringLiteral(" lines %1").arg(int(options.copyright.pattern));
    return kept<std::vector<CoverageRuns>>(key, [&]() -> std::shared_ptr<const std::vector<CoverageRuns>> {
        auto lines = std::make_shared<std::vector<CoverageRuns>>();
        ConversionOptions white = options;
        white.copyright.color = Qt::white;
        white.copyright.opacity = 1.0f;
        // One mask for every line, cleared only where the line can reach, just before it is drawn:
        // its pages are written before the raster engine reads them (it reads what it blends
        // over), and the rest is never touched. Cleared memory from calloc would be read first
        // and copied on the write that follows, page by page, each copy stopping the other core.
        const qsizetype bytesPerLine = (qsizetype(layout.width) + 3) & ~qsizetype(3);
        auto *memory = static_cast<uchar *>(std::malloc(size_t(bytesPerLine) * size_t(layout.height)));
        if (!memory)
            return nullptr;
        QImage mask(memory, layout.width, layout.height, bytesPerLine, QImage::Format_Alpha8, std::free,
                    memory);
        const qreal reach = copyrightStrokeWidth(layout) / 2 + kSmoothing;
        for (const QLineF &line : copyrightImageLines(layout, options)) {
            const auto window = [&line, reach, &layout](int y) {
                return columnsNear(line, reach, y, layout.width);
            };
            for (int y = 0; y < layout.height; ++y) {
                const auto [from, to] = window(y);
                if (from < to)
                    std::memset(mask.scanLine(y) + from, 0, size_t(to - from));
            }
            {
                QPainter painter(&mask);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                drawCopyrightLine(painter, layout, white, line);
            }
            lines->push_back(CoverageRuns::fromMask(mask, QPoint(0, 0), window));
        }
        return lines;
    });
}

std::shared_ptr<const CoverageRuns> OverlayCoverage::watermark(const OverlayCanvas &layout,
                                                               const ConversionOptions &options, QRect area)
{
    const WatermarkOptions &text = options.watermark;
    const QString key = canvasKey(layout) +
                        QStringLiteral(" text %1 %2 %3 %4 %5,%6 %7x%8 ")
                            .arg(text.fontFamily)
                            .arg(int(text.size))
                            .arg(int(text.position))
                            .arg(text.division())
                            .arg(area.x())
                            .arg(area.y())
                            .arg(area.width())
                            .arg(area.height()) +
                        text.text;
    return kept<CoverageRuns>(key, [&]() -> std::shared_ptr<const CoverageRuns> {
        QImage mask(area.size(), QImage::Format_Alpha8);
        if (mask.isNull())
            return nullptr;
        mask.fill(0);
        ConversionOptions white = options;
        white.watermark.color = Qt::white;
        white.watermark.opacity = 1.0f;
        {
            // As on the watermark's tile.
            QPainter painter(&mask);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.translate(-area.x(), -area.y());
            drawWatermark(painter, layout, white);
        }
        return std::make_shared<const CoverageRuns>(CoverageRuns::fromMask(mask, area.topLeft()));
    });
}
