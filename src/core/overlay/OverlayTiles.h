#pragma once

#include "overlay/CanvasRows.h"

#include <QImage>
#include <QVector>

#include <functional>

struct ConversionOptions;
struct OverlayCanvas;

// Stamps the active overlays on a three-byte (RGB888) canvas laid out at its own size, in the
// composer's order, pixel for pixel as a painter on the canvas itself draws them. Qt's raster
// engine draws on RGB888 through its generic paths (each span fetched, blended and stored back in
// small pieces, large batches handed to its thread pool); here the logo, large text and straight
// lines are drawn on RGB32 copies of only the pixels they cover, on Qt's native paths, and copied
// back; text Qt fills as outlines is blended through its coverage (OverlayCoverage), as on such a
// copy. Smoothed diagonals stay on the canvas itself, and text small enough for Qt's glyph cache
// goes on a three-byte copy: on RGB32 they would round differently. Any thread; the canvas is the
// caller's.
void stampOverlaysInTiles(QImage &canvas, const OverlayCanvas &layout, const ConversionOptions &options);

// The logo or the watermark as stampOverlaysInTiles() draws it, and the canvas's area the drawing
// reads and writes (nothing outside it). A banded stamp draws any band of rows [from, to) as the
// whole drawing would, so it can be drawn as the rows come; the others draw their whole area at
// once (from and to unused), when all its rows are there.
struct OverlayStamp {
    QRect area;
    bool banded = false;
    std::function<void(const CanvasRows &canvas, int from, int to)> draw;
};
// The logo and the watermark as stamps, in stampOverlaysInTiles()'s order (after the copyright
// lines). The stamps hold copies of what they need; any thread.
QVector<OverlayStamp> overlayStamps(const OverlayCanvas &layout, const ConversionOptions &options);
