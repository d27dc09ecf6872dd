#include "overlay/OverlayCoverage.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/WatermarkOverlay.h"

#include <QMutex>
#include <QPainter>

#include <cstdlib>
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
        // Zeroed memory from calloc is mapped as the drawing touches it.
        const qsizetype bytesPerLine = (qsizetype(layout.width) + 3) & ~qsizetype(3);
        for (const QLineF &line : copyrightImageLines(layout, options)) {
            auto *memory = static_cast<uchar *>(std::calloc(size_t(bytesPerLine), size_t(layout.height)));
            if (!memory)
                return nullptr;
            QImage mask(memory, layout.width, layout.height, bytesPerLine, QImage::Format_Alpha8, std::free,
                        memory);
            {
                QPainter painter(&mask);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                drawCopyrightLine(painter, layout, white, line);
            }
            lines->push_back(CoverageRuns::fromMask(mask, QPoint(0, 0)));
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
