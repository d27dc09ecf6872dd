#pragma once

#include <QLineF>
#include <QRectF>
#include <QVector>

// The canvas the overlays are laid out on. Layout happens in canvas units with the origin at
// the bottom-left corner and y growing upwards; toImage() turns the results into QImage
// coordinates (origin top-left, y downwards), in this one place.
struct OverlayCanvas {
    int width = 0;
    int height = 0;
    // True when the picture was resized: sizes then divide in single precision and halves are
    // × 0.5; at the source size they divide as integers and halve by integer quotient.
    bool resized = false;

    float half(int v) const { return resized ? float(v) * 0.5f : float(v / 2); }
    // 1 % of the width, the margin on both axes.
    float margin() const { return 0.01f * float(width); }

    QRectF toImage(const QRectF &r) const
    {
        return QRectF(r.x(), height - r.y() - r.height(), r.width(), r.height());
    }
    QPointF toImage(const QPointF &p) const { return QPointF(p.x(), height - p.y()); }
    QLineF toImage(const QLineF &l) const { return QLineF(toImage(l.p1()), toImage(l.p2())); }
};

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
