#include "overlay/OverlayTiles.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/OverlayCoverage.h"
#include "overlay/OverlayGeometry.h"
#include "overlay/WatermarkOverlay.h"

#include <QPainter>
#include <QtMath>

#include <cstring>

namespace {

// Pixels beyond a shape's outline that smoothing may touch.
constexpr int kSmoothing = 2;

// Copies the area of the canvas into a tile (RGB32, on Qt's native paths, or RGB888, on the same
// paths as the canvas itself), lets `draw` paint on it in canvas coordinates, and copies the tile
// back. The copies are plain loops: Qt's converters hand large pictures to its thread pool, and
// the run's workers already keep every core busy.
template <typename Draw>
void throughTile(const CanvasRows &canvas, QRect area, const Draw &draw,
                 QImage::Format format = QImage::Format_RGB32)
{
    area &= QRect(0, 0, canvas.width, canvas.height);
    if (area.isEmpty())
        return;
    QImage tile(area.size(), format);
    if (tile.isNull())
        return;
    const bool packed = format == QImage::Format_RGB888;
    for (int y = 0; y < area.height(); ++y) {
        const uchar *from = canvas.row(area.y() + y) + 3 * area.x();
        if (packed) {
            std::memcpy(tile.scanLine(y), from, size_t(area.width()) * 3);
            continue;
        }
        auto *to = reinterpret_cast<quint32 *>(tile.scanLine(y));
        for (int x = 0; x < area.width(); ++x, from += 3)
            to[x] = 0xff000000u | quint32(from[0]) << 16 | quint32(from[1]) << 8 | from[2];
    }
    {
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(-area.x(), -area.y());
        draw(painter);
    }
    for (int y = 0; y < area.height(); ++y) {
        uchar *to = canvas.row(area.y() + y) + 3 * area.x();
        if (packed) {
            std::memcpy(to, tile.constScanLine(y), size_t(area.width()) * 3);
            continue;
        }
        const auto *from = reinterpret_cast<const quint32 *>(tile.constScanLine(y));
        for (int x = 0; x < area.width(); ++x, to += 3) {
            to[0] = uchar(from[x] >> 16);
            to[1] = uchar(from[x] >> 8);
            to[2] = uchar(from[x]);
        }
    }
}

// Draws on the canvas itself, through Qt's generic paths.
template <typename Draw> void inPlace(QImage &canvas, const Draw &draw)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter);
}

// Qt draws glyphs up to this many pixels from its cache of coverage maps, which it blends on
// RGB32 with other rounding than on RGB888; larger ones are filled as outlines, the same on both.
int largestCachedGlyph()
{
    const int chosen = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
    return chosen > 0 ? chosen : 64;
}

} // namespace

QVector<OverlayStamp> overlayStamps(const OverlayCanvas &layout, const ConversionOptions &options)
{
    QVector<OverlayStamp> stamps;
    const QRect canvasRect(0, 0, layout.width, layout.height);
    if (options.logo.active()) {
        const QRect area = logoArea(layout, options);
        if (!area.isNull()) {
            // Laid at a whole pixel unscaled: each pixel blended on its own, so any band of its
            // rows is drawn as the whole.
            const QRect tile = area.adjusted(-kSmoothing, -kSmoothing, kSmoothing, kSmoothing);
            stamps.append({tile, true, [layout, options, tile](const CanvasRows &canvas, int from, int to) {
                               throughTile(canvas, tile & QRect(0, from, layout.width, to - from),
                                           [&](QPainter &painter) { drawLogo(painter, layout, options); });
                           }});
        }
    }
    if (options.watermark.active()) {
        const QRect area = watermarkArea(layout, options);
        const int size = qMax(1, watermarkFontSize(layout, options.watermark.division()));
        const auto draw = [layout, options](QPainter &painter) { drawWatermark(painter, layout, options); };
        const QRect tile = area & canvasRect;
        std::shared_ptr<const CoverageRuns> text;
        if (size > largestCachedGlyph() && !tile.isEmpty())
            text = OverlayCoverage::watermark(layout, options, tile);
        if (text) {
            // Filled as outlines in one colour: blended through its coverage, made once for the
            // batch, as on its RGB32 tile; any band of rows as the whole.
            const QRgb colour = CoverageRuns::drawnColour(options.watermark.color, options.watermark.opacity);
            stamps.append({tile, true, [text, colour](const CanvasRows &canvas, int from, int to) {
                               text->blend(canvas, from, to, colour);
                           }});
        } else if (size <= largestCachedGlyph()) {
            // Within its area and a line's height more, on a copy in the canvas's own format.
            const QRect around = area.isNull() ? canvasRect : area.adjusted(-size, -size, size, size);
            stamps.append({around, false, [draw, around](const CanvasRows &canvas, int, int) {
                               throughTile(canvas, around, draw, QImage::Format_RGB888);
                           }});
        } else if (!tile.isEmpty()) {
            stamps.append({tile, false, [draw, tile](const CanvasRows &canvas, int, int) {
                               throughTile(canvas, tile, draw);
                           }});
        }
    }
    return stamps;
}

void stampOverlaysInTiles(QImage &canvas, const OverlayCanvas &layout, const ConversionOptions &options)
{
    const CanvasRows rows {canvas.width(), canvas.height(), [&canvas](int y) { return canvas.scanLine(y); }};
    if (options.copyright.active()) {
        const qreal width = copyrightStrokeWidth(layout);
        for (const QLineF &line : copyrightImageLines(layout, options)) {
            const auto draw = [&](QPainter &painter) { drawCopyrightLine(painter, layout, options, line); };
            if (line.dx() != 0 && line.dy() != 0) {
                // A smoothed diagonal comes out of Qt's rasterizer differently when its device
                // or clip cuts it, and its box is the whole canvas.
                inPlace(canvas, draw);
                continue;
            }
            const QRectF stroke = QRectF(line.p1(), line.p2())
                                      .normalized()
                                      .adjusted(-width / 2, -width / 2, width / 2, width / 2);
            throughTile(rows,
                        stroke.toAlignedRect().adjusted(-kSmoothing, -kSmoothing, kSmoothing, kSmoothing),
                        draw);
        }
    }
    for (const OverlayStamp &stamp : overlayStamps(layout, options))
        stamp.draw(rows, 0, canvas.height());
}
