#pragma once

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// Strokes the copyright line pattern in the options' colour at their opacity. Runs on worker
// threads; reads the options value only.
void drawCopyrightLines(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);
