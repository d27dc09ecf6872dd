#include "sections/OverlaySectionParts.h"

#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

QButtonGroup *makePositionGroup(QWidget *parent, const QString &name, const QList<PositionCell> &cells,
                                QWidget **box)
{
    auto *picture = new QFrame(parent);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setAutoFillBackground(true);
    picture->setBackgroundRole(QPalette::Base);
    picture->setFixedSize(96, 66);
    auto *grid = new QGridLayout(picture);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(0);
    *box = picture;
    auto *group = new QButtonGroup(parent);
    for (const PositionCell &cell : cells) {
        auto *radio = new QRadioButton(picture);
        radio->setToolTip(cell.name);
        radio->setAccessibleName(cell.name);
        radio->setObjectName(QStringLiteral("%1%2").arg(name).arg(cell.tag));
        group->addButton(radio, cell.tag);
        grid->addWidget(radio, cell.row, cell.column, Qt::AlignCenter);
    }
    return group;
}

void selectCellByTag(QButtonGroup *group, int tag)
{
    if (QAbstractButton *cell = group->button(tag))
        cell->setChecked(true);
}

OpacityControl makeOpacityControl(QWidget *parent)
{
    auto *slider = new UnitSlider(parent);
    auto *box = new PercentBox(slider, parent);
    slider->setAccessibleName(QCoreApplication::translate("OverlaySectionParts", "Opacity"));
    box->setAccessibleName(QCoreApplication::translate("OverlaySectionParts", "Opacity in percent"));
    return {slider, box};
}

QLabel *fieldLabel(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}
