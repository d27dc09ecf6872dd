#include "sections/SettingBinding.h"

#include "sections/ColorWell.h"
#include "sections/OverlaySectionParts.h"
#include "sections/UnitSlider.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

SettingBinding SettingBinding::then(std::function<void()> handler) const
{
    return then([handler](const AppSettings &) { handler(); });
}

SettingBinding SettingBinding::then(std::function<void(const AppSettings &)> handler) const
{
    SettingBinding chained = *this;
    chained.apply = [first = apply, handler](const AppSettings &values) {
        first(values);
        handler(values);
    };
    return chained;
}

SettingBinding bindCheckBox(QAbstractButton *box, Setting setting)
{
    return {{setting},
            [box, setting](const AppSettings &v) { box->setChecked(v.integer(setting) == 1); },
            [box, setting](AppSettings &v) { v.setInteger(setting, box->isChecked() ? 1 : 0); }};
}

SettingBinding bindHiddenFlag(QWidget *widget, Setting setting)
{
    return {{setting},
            [widget, setting](const AppSettings &v) { widget->setHidden(v.integer(setting) == 1); },
            [widget, setting](AppSettings &v) { v.setInteger(setting, widget->isHidden() ? 1 : 0); }};
}

SettingBinding bindText(QLineEdit *field, Setting setting)
{
    return {{setting},
            [field, setting](const AppSettings &v) { field->setText(v.text(setting)); },
            [field, setting](AppSettings &v) { v.setText(setting, field->text()); }};
}

SettingBinding bindPopup(QComboBox *popup, Setting setting)
{
    return {{setting},
            [popup, setting](const AppSettings &v) {
                const int index = v.integer(setting);
                if (index >= 0 && index < popup->count())
                    popup->setCurrentIndex(index);
            },
            [popup, setting](AppSettings &v) { v.setInteger(setting, popup->currentIndex()); }};
}

SettingBinding bindCells(QButtonGroup *cells, Setting setting)
{
    return {{setting},
            [cells, setting](const AppSettings &v) { selectCellByTag(cells, v.integer(setting)); },
            [cells, setting](AppSettings &v) { v.setInteger(setting, cells->checkedId()); }};
}

SettingBinding bindSlider(UnitSlider *slider, Setting setting)
{
    return {{setting},
            [slider, setting](const AppSettings &v) { slider->setFloatValue(v.fraction(setting)); },
            [slider, setting](AppSettings &v) { v.setFraction(setting, slider->floatValue()); }};
}

SettingBinding bindOpacity(const OpacityControl &control, Setting setting)
{
    return {{setting},
            [control, setting](const AppSettings &v) { control.slider->setFloatValue(v.fraction(setting)); },
            [control, setting](AppSettings &v) { v.setFraction(setting, control.slider->floatValue()); }};
}

SettingBinding bindColor(ColorWell *well, Setting setting)
{
    return {{setting},
            [well, setting](const AppSettings &v) {
                if (const std::optional<QColor> color = v.color(setting))
                    well->setColor(*color);
            },
            [well, setting](AppSettings &v) { v.setColor(setting, well->color()); }};
}
