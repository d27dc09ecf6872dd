#include "skin/SkinnedPanels.h"

#include "skin/SkinImages.h"

#include <QMouseEvent>
#include <QPainter>

TiledBackground::TiledBackground(const QString &imageName, bool holdsPresses, QWidget *parent)
    : QWidget(parent), m_image(imageName), m_holdsPresses(holdsPresses)
{
}

void TiledBackground::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Tiles start at the bottom-left corner, so a resize keeps the texture still at the bottom.
    drawSkinTiled(painter, event->rect(), m_image, QPointF(0, height()));
}

void TiledBackground::mousePressEvent(QMouseEvent *event)
{
    if (m_holdsPresses)
        event->accept();
    else
        event->ignore();
}

BottomBar::BottomBar(QWidget *parent) : QWidget(parent) {}

void BottomBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect b = rect();
    drawSkinTiled(painter, QRectF(b.x() + 5.0, b.y(), b.width() - 10.0, b.height()),
                  QStringLiteral("bottomLineBg"), QPointF(b.x() + 5.0, b.y()));
    drawSkinStretched(painter, QRectF(0.0, 0.0, 5.0, b.height()), QStringLiteral("LeftBotLine"));
    drawSkinStretched(painter, QRectF(b.width() - 5.0, 0.0, 5.0, b.height()), QStringLiteral("RightBotLine"));
}

BoxFrame::BoxFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoxFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect b = rect();
    drawSkinTiled(painter, QRectF(0.0, 5.0, 2.0, b.height() - 10.0), QStringLiteral("LBoxLine"),
                  QPointF(0.0, 5.0));
    drawSkinTiled(painter, QRectF(b.width() - 2.0, 5.0, 2.0, b.height() - 10.0), QStringLiteral("RBoxLine"),
                  QPointF(b.width() - 2.0, 5.0));
    drawSkinStretched(painter, QRectF(0.0, 0.0, b.width(), 5.0), QStringLiteral("TBoxLine"));
    drawSkinStretched(painter, QRectF(0.0, b.height() - 5.0, b.width(), 5.0), QStringLiteral("BBoxLine"));
}
