#include "browser/BrowserBackdrop.h"

#include "skin/SkinImages.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

BrowserBackdrop::BrowserBackdrop(QWidget *parent) : QWidget(parent) {}

void BrowserBackdrop::setHideText(bool hide)
{
    if (m_hideText == hide)
        return;
    m_hideText = hide;
    update();
}

QPoint BrowserBackdrop::dropPicturePosition(QSize backdrop, QSize picture)
{
    // 8 pixels left of and 4 below the exact centre, rounded to whole pixels; laid out
    // bottom-up, then mirrored into widget rows.
    const float x = std::round(float(backdrop.width() * 0.5 - picture.width() * 0.5 - 8.0));
    const float yUp = std::round(float(backdrop.height() * 0.5 - picture.height() * 0.5 - 4.0));
    return QPoint(int(x), backdrop.height() - int(yUp) - picture.height());
}

void BrowserBackdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    drawSkinTiled(painter, event->rect(), QStringLiteral("Bg"), QPointF(0, height()));
    painter.fillRect(QRectF(width() - 1.0, 0.0, 1.0, height()), QColor::fromRgbF(0.027f, 0.027f, 0.027f));
    if (m_hideText)
        return;
    const QSize picture = skinImageSize(QStringLiteral("DragAndDropText"));
    if (picture.isEmpty())
        return;
    drawSkinStretched(painter, QRectF(dropPicturePosition(size(), picture), picture),
                      QStringLiteral("DragAndDropText"));
}

void BrowserBackdrop::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}
