#include "overlay/CopyrightOverlay.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayGeometry.h"

#include <QPainter>

QVector<QLineF> copyrightImageLines(const OverlayCanvas &canvas, const ConversionOptions &options)
{
    QVector<QLineF> lines = copyrightLines(canvas, int(options.copyright.pattern));
    for (QLineF &line : lines)
        line = canvas.toImage(line);
    return lines;
}

qreal copyrightStrokeWidth(const OverlayCanvas &canvas)
{
    // A width that rounds to 0 is still drawn, one pixel wide.
    return qMax<qreal>(1.0, copyrightLineWidth(canvas));
}

void drawCopyrightLine(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options,
                       const QLineF &imageLine)
{
    QColor colour = options.copyright.color;
    colour.setAlphaF(qBound(0.0f, options.copyright.opacity, 1.0f));
    painter.save();
    // Flat ends and centred strokes: Qt's default square caps would lengthen every line.
    painter.setPen(QPen(colour, copyrightStrokeWidth(canvas), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    // Straight lines stay crisp; only the diagonals are smoothed.
    const bool diagonal = imageLine.dx() != 0 && imageLine.dy() != 0;
    painter.setRenderHint(QPainter::Antialiasing, diagonal);
    painter.drawLine(imageLine);
    painter.restore();
}

void drawCopyrightLines(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    for (const QLineF &line : copyrightImageLines(canvas, options))
        drawCopyrightLine(painter, canvas, options, line);
}
