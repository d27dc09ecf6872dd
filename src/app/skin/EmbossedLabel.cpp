#include "skin/EmbossedLabel.h"

#include <QPainter>
#include <QStyle>

EmbossedLabel::EmbossedLabel(const QString &text, Shadow shadow, QWidget *parent)
    : QLabel(text, parent), m_shadow(shadow)
{
}

QColor EmbossedLabel::shadowColor() const
{
    // A grey of 0.236 under light text; white under dark text.
    return m_shadow == Shadow::Light ? QColor(Qt::white) : QColor::fromRgbF(0.236f, 0.236f, 0.236f);
}

void EmbossedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(alignment()) | Qt::TextSingleLine;
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.setPen(shadowColor());
    painter.drawText(area.translated(0, 1), flags, shown);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(area, flags, shown);
}
