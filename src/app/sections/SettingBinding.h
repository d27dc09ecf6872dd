#pragma once

#include "settings/AppSettings.h"

#include <QList>

#include <functional>

class ColorWell;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QWidget;
class UnitSlider;
struct OpacityControl;

// How a control holds the value of settings rows: `apply` puts the stored value in, calling
// the handlers a click would where loading calls them; `capture` reads it back. Each section
// lists its bindings in the order loading applies them. UI thread only.
struct SettingBinding {
    QList<Setting> settings; // the rows it reads and writes
    std::function<void(const AppSettings &)> apply;
    std::function<void(AppSettings &)> capture;

    // The same binding, running `handler` after the value is in.
    SettingBinding then(std::function<void()> handler) const;
    SettingBinding then(std::function<void(const AppSettings &)> handler) const;
};

// The usual controls. Their apply calls no handler.
SettingBinding bindCheckBox(QAbstractButton *box, Setting setting);
SettingBinding bindHiddenFlag(QWidget *widget, Setting setting); // 1 hidden, 0 shown
SettingBinding bindText(QLineEdit *field, Setting setting);
SettingBinding bindPopup(QComboBox *popup, Setting setting);    // an index no item has keeps the selection
SettingBinding bindCells(QButtonGroup *cells, Setting setting); // by tag; an unknown tag keeps it too
SettingBinding bindSlider(UnitSlider *slider, Setting setting);
SettingBinding bindOpacity(const OpacityControl &control, Setting setting); // the slider; its box follows
SettingBinding bindColor(ColorWell *well, Setting setting); // no stored colour keeps the well's
