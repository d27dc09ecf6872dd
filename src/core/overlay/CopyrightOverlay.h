#pragma once

#include <QLineF>
#include <QVector>

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// Strokes the copyright line pattern in the options' colour at their opacity. Runs on worker
// threads; reads the options value only.
void drawCopyrightLines(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// The pattern's lines in image coordinates, in stroking order, and the width they are stroked at.
QVector<QLineF> copyrightImageLines(const OverlayCanvas &canvas, const ConversionOptions &options);
qreal copyrightStrokeWidth(const OverlayCanvas &canvas);

// Strokes one of copyrightImageLines() as drawCopyrightLines() strokes it.
void drawCopyrightLine(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options,
                       const QLineF &imageLine);
