#include "overlay/OverlayTiles.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/OverlayGeometry.h"
#include "overlay/WatermarkOverlay.h"

#include <QPainter>
#include <QtMath>

namespace {

// Pixels beyond a shape's outline that smoothing may touch.
constexpr int kSmoothing = 2;

// Copies the area of the canvas into an RGB32 tile, lets `draw` paint on it in canvas
// coordinates, and copies the tile back. The copies are plain loops: Qt's converters hand large
// pictures to its thread pool, and the run's workers already keep every core busy.
template <typename Draw> void throughTile(QImage &canvas, QRect area, const Draw &draw)
{
    area &= canvas.rect();
    if (area.isEmpty())
        return;
    QImage tile(area.size(), QImage::Format_RGB32);
    if (tile.isNull())
        return;
    for (int y = 0; y < area.height(); ++y) {
        const uchar *from = canvas.constScanLine(area.y() + y) + 3 * area.x();
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
        const auto *from = reinterpret_cast<const quint32 *>(tile.constScanLine(y));
        uchar *to = canvas.scanLine(area.y() + y) + 3 * area.x();
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

void stampOverlaysInTiles(QImage &canvas, const OverlayCanvas &layout, const ConversionOptions &options)
{
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
            throughTile(canvas,
                        stroke.toAlignedRect().adjusted(-kSmoothing, -kSmoothing, kSmoothing, kSmoothing),
                        draw);
        }
    }
    if (options.logo.active()) {
        const QRect area = logoArea(layout, options);
        if (!area.isNull())
            throughTile(canvas, area.adjusted(-kSmoothing, -kSmoothing, kSmoothing, kSmoothing),
                        [&](QPainter &painter) { drawLogo(painter, layout, options); });
    }
    if (options.watermark.active()) {
        const auto draw = [&](QPainter &painter) { drawWatermark(painter, layout, options); };
        if (qMax(1, watermarkFontSize(layout, options.watermark.division())) <= largestCachedGlyph()) {
            inPlace(canvas, draw);
        } else {
            const QRect area = watermarkArea(layout, options);
            if (!area.isNull())
                throughTile(canvas, area, draw);
        }
    }
}
