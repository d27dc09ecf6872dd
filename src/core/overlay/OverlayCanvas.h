#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

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
