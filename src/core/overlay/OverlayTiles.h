#pragma once

#include <QImage>

struct ConversionOptions;
struct OverlayCanvas;

// Stamps the active overlays on a three-byte (RGB888) canvas laid out at its own size, in the
// composer's order, pixel for pixel as a painter on the canvas itself draws them. Qt's raster
// engine draws on RGB888 through its generic paths (each span fetched, blended and stored back in
// small pieces, large batches handed to its thread pool); here the logo, large text and straight
// lines are drawn on RGB32 copies of only the pixels they cover, on Qt's native paths, and copied
// back. Smoothed diagonals and text small enough for Qt's glyph cache stay on the canvas itself:
// on RGB32 they would round differently. Any thread; the canvas is the caller's.
void stampOverlaysInTiles(QImage &canvas, const OverlayCanvas &layout, const ConversionOptions &options);
