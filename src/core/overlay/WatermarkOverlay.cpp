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
#include <QtMath>

#include <optional>

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

namespace {

// Headless platforms do not promise thread-safe font engines; text is a small part of the work,
// so workers take turns for it.
QMutex &fontMutex()
{
    static QMutex mutex;
    return mutex;
}

// The text's font and its rectangle in image coordinates; no font when nothing is written.
struct WatermarkLayout {
    std::optional<QFont> font;
    QRectF target;
    qreal ascent = 0;
};

// Called with fontMutex() held.
WatermarkLayout layOut(const OverlayCanvas &canvas, const WatermarkOptions &text)
{
    WatermarkLayout layout;
    if (text.text.isEmpty() || !fontsAvailable())
        return layout;
    // The family the run resolves too, so a preview draws what the output does.
    QFont font(resolvedWatermarkFamily(text.fontFamily));
    // Sizes are canvas pixels; a size that rounds to 0 is drawn at 1 pixel.
    font.setPixelSize(qMax(1, watermarkFontSize(canvas, text.division())));
    const QFontMetricsF metrics(font);
    const QSizeF textSize(metrics.horizontalAdvance(text.text), metrics.lineSpacing());
    const QRectF place = watermarkRect(canvas, textSize, int(text.position));
    if (place.isNull())
        return layout;
    layout.font = font;
    layout.target = canvas.toImage(place);
    layout.ascent = metrics.ascent();
    return layout;
}

} // namespace

QRect watermarkArea(const OverlayCanvas &canvas, const ConversionOptions &options)
{
    QMutexLocker lock(&fontMutex());
    const WatermarkLayout layout = layOut(canvas, options.watermark);
    if (!layout.font)
        return QRect();
    // Glyphs may reach past their advances and the line's height (slanted and accented letters,
    // a font's long tails): the ink's bounds join the place, with a margin for smoothing.
    const QFontMetricsF metrics(*layout.font);
    const QRectF ink = metrics.boundingRect(options.watermark.text)
                           .translated(layout.target.left(), layout.target.top() + layout.ascent);
    const int margin = layout.font->pixelSize() / 4 + 2;
    return layout.target.united(ink).toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

void drawWatermark(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options)
{
    const WatermarkOptions &text = options.watermark;
    QMutexLocker lock(&fontMutex());
    const WatermarkLayout layout = layOut(canvas, text);
    if (!layout.font)
        return;
    QColor colour = text.color;
    colour.setAlphaF(qBound(0.0f, text.opacity, 1.0f));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(*layout.font);
    painter.setPen(colour);
    // The text's first line starts at the top of its rectangle.
    painter.drawText(QPointF(layout.target.left(), layout.target.top() + layout.ascent), text.text);
    painter.restore();
}
