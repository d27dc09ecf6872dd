#include "sections/ColorWell.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>

ColorWell::ColorWell(QWidget *parent) : QPushButton(parent)
{
    setFixedSize(64, 34);
    setToolTip(tr("Choose the colour"));
    setAccessibleName(tr("Colour"));
    connect(this, &QPushButton::clicked, this, &ColorWell::choose);
}

void ColorWell::setColor(const QColor &color)
{
    m_color = color;
    setAccessibleDescription(tr("%1; Space chooses another colour").arg(color.name()));
    update();
}

void ColorWell::choose()
{
    auto *dialog = new QColorDialog(m_color, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QColorDialog::colorSelected, this, [this](const QColor &chosen) {
        setColor(chosen);
        Q_EMIT colorChosen(chosen);
    });
    dialog->open();
}

void ColorWell::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch = rect().adjusted(8, 8, -8, -8);
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}
