#include "overlay/OverlayComposer.h"

#include "common/LargeImage.h"
#include "options/ConversionOptions.h"
#include "overlay/CopyrightOverlay.h"
#include "overlay/LogoOverlay.h"
#include "overlay/OverlayCanvas.h"
#include "overlay/OverlayTiles.h"
#include "overlay/WatermarkOverlay.h"
#include "transform/PixelFormat.h"

#include <QPainter>

namespace {

// The canvas keeps what the picture has: alpha only when it has transparency (or does not cover
// the canvas), 16 bits when it has them and the output format can hold them.
QImage::Format canvasFormat(const QImage &picture, QSize canvasSize, OutputFormat format)
{
    const bool deep =
        isDeepFormat(picture.format()) && (format == OutputFormat::Png || format == OutputFormat::Tiff ||
                                           format == OutputFormat::Avif || format == OutputFormat::JpegXl);
    if (picture.hasAlphaChannel() || picture.size() != canvasSize)
        return deep ? QImage::Format_RGBA64_Premultiplied : QImage::Format_ARGB32_Premultiplied;
    if (picture.format() == QImage::Format_RGB888)
        return picture.format(); // a full-size decode, drawn on where it is
    return deep ? QImage::Format_RGBX64 : QImage::Format_RGB32;
}

} // namespace

QImage composeOverlayCanvas(QImage upright, QSize canvasSize, bool resized, const ConversionOptions &options,
                            QSize layoutSize)
{
    if (!layoutSize.isValid())
        layoutSize = canvasSize;
    const bool gray = isGrayFormat(upright.format());
    const QImage::Format format = canvasFormat(upright, canvasSize, options.format);
    QImage canvas;
    if (upright.size() == canvasSize) {
        // A caller that hands over its only reference to a picture in the canvas's format saves
        // a copy.
        canvas = convertedTo(upright, format);
        upright = QImage();
    } else {
        canvas = allocateLargeImage(canvasSize, format);
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
    if (canvas.format() == QImage::Format_RGB888 && layoutSize == canvasSize) {
        // A full-size decode: Qt's raster engine has no native paths for three bytes a pixel.
        stampOverlaysInTiles(canvas, layout, options);
        return gray ? grayIfNeutral(canvas) : canvas;
    }
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
    // Gray stays gray when nothing coloured was drawn.
    return gray ? grayIfNeutral(canvas) : canvas;
}
