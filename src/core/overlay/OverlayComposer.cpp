#include "overlay/OverlayComposer.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/WatermarkOverlay.h"

#include <QPainter>

QImage composeOverlayCanvas(QImage upright, QSize canvasSize, bool resized, const ConversionOptions &options,
                            QSize layoutSize)
{
    if (!layoutSize.isValid())
        layoutSize = canvasSize;
    QImage canvas;
    if (!upright.hasAlphaChannel() && upright.size() == canvasSize &&
        (upright.format() == QImage::Format_RGB32 ||
         upright.format() == QImage::Format_ARGB32_Premultiplied)) {
        // An opaque picture drawn source-over onto a transparent canvas is the picture itself:
        // stamp it directly (a caller that hands over its only reference saves a copy).
        canvas = std::move(upright);
    } else {
        canvas = QImage(canvasSize, QImage::Format_ARGB32_Premultiplied);
        if (canvas.isNull())
            return canvas;
        canvas.fill(Qt::transparent);
        QPainter source(&canvas);
        source.setRenderHint(QPainter::SmoothPixmapTransform);
        source.drawImage(QRect(QPoint(0, 0), canvasSize), upright);
    }
    if (canvas.isNull())
        return canvas;
    const OverlayCanvas layout {layoutSize.width(), layoutSize.height(), resized};
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A reduced picture (a preview) gets the overlays of the full size, scaled down with it.
    if (layoutSize != canvasSize)
        painter.scale(qreal(canvasSize.width()) / layoutSize.width(),
                      qreal(canvasSize.height()) / layoutSize.height());
    if (options.copyright.active())
        drawCopyrightLines(painter, layout, options);
    if (options.logo.active())
        drawLogo(painter, layout, options);
    if (options.watermark.active())
        drawWatermark(painter, layout, options);
    painter.end();
    return canvas;
}
