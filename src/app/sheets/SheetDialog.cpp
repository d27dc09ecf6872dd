#include "sheets/SheetDialog.h"

#include "skin/SkinImages.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

SheetDialog::SheetDialog(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
}

void SheetDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xf0, 0xf1, 0xf3)); // under the tile, should it be missing
    drawSkinTiled(painter, event->rect(), QStringLiteral("PrefBg"));
    painter.setPen(QColor(0x16, 0x17, 0x1a));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SheetDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}
