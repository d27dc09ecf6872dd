#include "overlay/CopyrightOverlay.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayGeometry.h"

#include <QPainter>

void drawCopyrightLines(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    const QVector<QLineF> lines = copyrightLines(canvas, int(options.copyright.pattern));
    if (lines.isEmpty())
        return;
    QColor colour = options.copyright.color;
    colour.setAlphaF(qBound(0.0f, options.copyright.opacity, 1.0f));
    // Flat ends and centred strokes: Qt's default square caps would lengthen every line.
    // A width that rounds to 0 is still drawn, one pixel wide.
    const qreal width = qMax<qreal>(1.0, copyrightLineWidth(canvas));
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (const QLineF &line : lines) {
        // Straight lines stay crisp; only the diagonals are smoothed.
        const bool diagonal = line.dx() != 0 && line.dy() != 0;
        painter.setRenderHint(QPainter::Antialiasing, diagonal);
        painter.drawLine(canvas.toImage(line));
    }
    painter.restore();
}
