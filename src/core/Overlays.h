#pragma once

#include <QImage>
#include <QString>

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// The three overlays, each drawn onto the canvas by its painter. They run on worker threads;
// each reads the options snapshot only.

// Strokes the copyright line pattern in the options' colour at their opacity.
void drawCopyrightLines(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// Stamps the logo, scaled with high quality to its place, at its opacity.
void drawLogo(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// Writes the watermark text in its font, colour and opacity. Text needs a QGuiApplication.
void drawWatermark(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// The font family the watermark is drawn in: the chosen one when it is installed, else the
// system's default sans-serif family. Needs a QGuiApplication.
QString resolvedWatermarkFamily(const QString &requested);
