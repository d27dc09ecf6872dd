#include "overlay/WatermarkOverlay.h"

#include "options/ConversionOptions.h"
#include "options/FontList.h"
#include "overlay/OverlayGeometry.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMutex>
#include <QPainter>

// Fonts need a QGuiApplication; a headless caller without one gets no text rather than a crash.
static bool fontsAvailable()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

QString resolvedWatermarkFamily(const QString &requested)
{
    if (!fontsAvailable())
        return requested;
    if (!requested.isEmpty() && QFontDatabase::families().contains(requested, Qt::CaseInsensitive))
        return requested;
    return systemSansFamily();
}

void drawWatermark(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    const WatermarkOptions &text = options.watermark;
    if (text.text.isEmpty() || !fontsAvailable())
        return;
    // Headless platforms do not promise thread-safe font engines; text is a small part of the
    // work, so workers take turns for it.
    static QMutex fontMutex;
    QMutexLocker lock(&fontMutex);
    // The family the run resolves too, so a preview draws what the output does.
    QFont font(resolvedWatermarkFamily(text.fontFamily));
    // Sizes are canvas pixels; a size that rounds to 0 is drawn at 1 pixel.
    font.setPixelSize(qMax(1, watermarkFontSize(canvas, text.division())));
    const QFontMetricsF metrics(font);
    const QSizeF textSize(metrics.horizontalAdvance(text.text), metrics.lineSpacing());
    const QRectF place = watermarkRect(canvas, textSize, int(text.position));
    if (place.isNull())
        return;
    QColor colour = text.color;
    colour.setAlphaF(qBound(0.0f, text.opacity, 1.0f));
    const QRectF target = canvas.toImage(place);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    // The text's first line starts at the top of its rectangle.
    painter.drawText(QPointF(target.left(), target.top() + metrics.ascent()), text.text);
    painter.restore();
}
