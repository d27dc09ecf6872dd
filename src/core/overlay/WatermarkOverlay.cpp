#include "overlay/WatermarkOverlay.h"

#include "options/ConversionOptions.h"
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
    // fontconfig's answer for "sans-serif": never a symbol font.
    QFont sans(QStringLiteral("sans-serif"));
    sans.setStyleHint(QFont::SansSerif);
    return QFontInfo(sans).family();
}

void drawWatermark(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    if (options.watermarkText.isEmpty() || !fontsAvailable())
        return;
    // Headless platforms do not promise thread-safe font engines; text is a small part of the
    // work, so workers take turns for it.
    static QMutex fontMutex;
    QMutexLocker lock(&fontMutex);
    QFont font(options.watermarkFont);
    // Sizes are canvas pixels; a size that rounds to 0 is drawn at 1 pixel.
    font.setPixelSize(qMax(1, watermarkFontSize(canvas, options.watermarkDivisionTimes)));
    const QFontMetricsF metrics(font);
    const QSizeF textSize(metrics.horizontalAdvance(options.watermarkText), metrics.lineSpacing());
    const QRectF place = watermarkRect(canvas, textSize, options.watermarkPosition);
    if (place.isNull())
        return;
    QColor colour = options.watermarkColor;
    colour.setAlphaF(qBound(0.0f, options.watermarkOpacity, 1.0f));
    const QRectF target = canvas.toImage(place);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    // The text's first line starts at the top of its rectangle.
    painter.drawText(QPointF(target.left(), target.top() + metrics.ascent()), options.watermarkText);
    painter.restore();
}
