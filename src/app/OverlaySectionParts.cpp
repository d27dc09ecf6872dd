#include "OverlaySectionParts.h"

#include "ControlTexts.h"
#include "UnitSlider.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

QButtonGroup *makePositionGroup(QWidget *parent, QGridLayout *grid, const QList<PositionCell> &cells)
{
    auto *group = new QButtonGroup(parent);
    for (const PositionCell &cell : cells) {
        auto *radio = new QRadioButton(parent);
        radio->setToolTip(cell.name);
        radio->setAccessibleName(cell.name);
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
    OpacityControl control {new UnitSlider(parent), new QLabel(parent)};
    control.label->setMinimumWidth(44);
    control.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(control.slider, &UnitSlider::valueMoved, control.label,
                     [label = control.label](float value) { label->setText(percentLabel(value)); });
    return control;
}

void showOpacity(const OpacityControl &control, float value)
{
    control.slider->setFloatValue(value);
    control.label->setText(percentLabel(control.slider->floatValue()));
}
