#pragma once

#include <QButtonGroup>
#include <QList>
#include <QStringList>

class PercentBox;
class QGridLayout;
class QLabel;
class QWidget;
class UnitSlider;

// Pieces the three overlay sections share.

// A group of position radio buttons laid out on a 3x3 grid inside a small framed "picture";
// each button's id is its tag, its object name `name` followed by the tag. The frame is put in
// *box for the caller's layout.
struct PositionCell {
    int tag;
    int row;
    int column;
    QString name;
};
QButtonGroup *makePositionGroup(QWidget *parent, const QString &name, const QList<PositionCell> &cells,
                                QWidget **box);

// Selects the cell with this tag; a tag no cell has leaves the selection as it is.
void selectCellByTag(QButtonGroup *group, int tag);

// An opacity slider with its percentage beside it, always shown, which takes a typed value too.
struct OpacityControl {
    UnitSlider *slider;
    PercentBox *box;
};
OpacityControl makeOpacityControl(QWidget *parent);

// A label naming a field: its buddy, so a screen reader names the field by it.
QLabel *fieldLabel(const QString &text, QWidget *field, QWidget *parent);
