#pragma once

#include "overlay/OverlayCanvas.h"

#include <QSizeF>
#include <QVector>

// Where the logo goes: its rectangle (x, y, width, height), bottom-up, for a logo of the given
// natural size in a box of 1/division of the canvas at position tag 0-4 (top left, top right,
// bottom left, bottom right, centre). Null for a logo without size or a tag outside 0-4.
QRectF logoRect(const OverlayCanvas &canvas, qint64 logoWidth, qint64 logoHeight, int division, int tag);

// The watermark's font size in canvas pixels: the width over the division, rounded.
int watermarkFontSize(const OverlayCanvas &canvas, int division);

// Where a text of the measured size goes, bottom-up, at tag 0-6 (top left, top right, bottom
// left, bottom right, centre, centre top, centre bottom). Null for a tag outside 0-6.
QRectF watermarkRect(const OverlayCanvas &canvas, QSizeF textSize, int tag);

// The copyright lines' stroke width, 0.5 % of the width rounded, and the half-gap of a double
// line, 2 % of the width rounded.
float copyrightLineWidth(const OverlayCanvas &canvas);
int copyrightGap(const OverlayCanvas &canvas);

// The lines of copyright pattern 1-4 (diagonal cross, centre cross, horizontal double lines,
// vertical double lines), bottom-up, in stroking order. Empty for any other tag.
QVector<QLineF> copyrightLines(const OverlayCanvas &canvas, int pattern);
