#pragma once

#include <QRect>
#include <QString>

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// Writes the watermark text in its font, colour and opacity. Text needs a QGuiApplication;
// workers take turns to draw it.
void drawWatermark(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// The font family the watermark is drawn in: the chosen one when it is installed, else the
// system's default sans-serif family. Needs a QGuiApplication.
QString resolvedWatermarkFamily(const QString &requested);

// The pixels drawWatermark() may cover, in image coordinates: the text's place with a margin for
// glyphs reaching past it; null when nothing is written.
QRect watermarkArea(const OverlayCanvas &canvas, const ConversionOptions &options);
