#include "sections/CopyrightSection.h"

#include "sections/ColorWell.h"
#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"
#include "skin/SkinImages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

CopyrightSection::CopyrightSection(QWidget *parent) : OptionSection(tr("Copyright lines"), 274, parent)
{
    copyrightBox = new QCheckBox(tr("Draw copyright lines"), body());
    patternCells = new QButtonGroup(this);
    const QStringList names = {tr("Diagonal cross"), tr("Centre cross"), tr("Horizontal double lines"),
                               tr("Vertical double lines")};
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    for (int tag = 1; tag <= 4; ++tag) {
        auto *button = new QToolButton(body());
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIconSize(QSize(48, 48));
        button->setToolTip(names.at(tag - 1));
        button->setAccessibleName(names.at(tag - 1));
        button->setObjectName(QStringLiteral("copyrightPattern%1").arg(tag));
        patternCells->addButton(button, tag);
        patternButtons << button;
        row->addWidget(button);
        setPatternImage(tag, false);
    }
    row->addStretch(1);
    copyrightColorWell = new ColorWell(body());
    opacity = makeOpacityControl(body());

    // Names for the keyboard path and the tests.
    headerButton()->setObjectName(QStringLiteral("copyrightSectionHeader"));
    copyrightBox->setObjectName(QStringLiteral("copyrightBox"));
    copyrightColorWell->setObjectName(QStringLiteral("copyrightColorWell"));
    opacity.slider->setObjectName(QStringLiteral("copyrightOpacitySlider"));
    opacity.box->setObjectName(QStringLiteral("copyrightOpacityBox"));
    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(8);
    grid->addWidget(copyrightBox, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Pattern"), body()), 1, 0, 1, 3);
    grid->addLayout(row, 2, 0, 1, 3);
    grid->addWidget(fieldLabel(tr("Colour"), copyrightColorWell, body()), 3, 0);
    grid->addWidget(copyrightColorWell, 3, 1, Qt::AlignLeft);
    grid->addWidget(fieldLabel(tr("Opacity"), opacity.slider, body()), 4, 0);
    grid->addWidget(opacity.slider, 4, 1);
    grid->addWidget(opacity.box, 4, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    connect(copyrightBox, &QCheckBox::clicked, this, &CopyrightSection::copyrightBoxClicked);
    // A click selects its cell first, then runs that pattern's handler.
    connect(patternCells, &QButtonGroup::idClicked, this, &CopyrightSection::patternClicked);
    connect(copyrightColorWell, &ColorWell::colorChosen, this, &CopyrightSection::previewNeeded);
    connect(opacity.slider, &UnitSlider::valueMoved, this, &CopyrightSection::previewNeeded);
}

QString CopyrightSection::patternImage(int tag) const
{
    return patternButtons.at(tag - 1)->property("imageName").toString();
}

void CopyrightSection::setPatternImage(int tag, bool chosen)
{
    const QString name =
        QStringLiteral("Copyright%1%2").arg(tag).arg(chosen ? QStringLiteral("_on") : QString());
    QToolButton *button = patternButtons.at(tag - 1);
    button->setProperty("imageName", name);
    button->setIcon(skinIcon(name));
}

void CopyrightSection::showNoPatternChosen()
{
    for (int tag = 1; tag <= 4; ++tag)
        setPatternImage(tag, false);
}

void CopyrightSection::selectTag(int tag)
{
    selectCellByTag(patternCells, tag);
}

void CopyrightSection::deselectAll()
{
    // An exclusive group keeps one button checked; let go of that rule for a moment.
    patternCells->setExclusive(false);
    for (QToolButton *button : patternButtons)
        button->setChecked(false);
    patternCells->setExclusive(true);
}

void CopyrightSection::copyrightBoxClicked()
{
    showNoPatternChosen();
    if (copyrightBox->isChecked()) {
        light()->show();
        setPatternImage(1, true);
        selectTag(1);
    } else {
        light()->hide();
        deselectAll();
    }
    Q_EMIT previewNeeded();
}

void CopyrightSection::patternClicked(int tag)
{
    if (tag < 1 || tag > 4)
        return;
    showNoPatternChosen();
    copyrightBox->setChecked(true);
    light()->show();
    setPatternImage(tag, true);
    Q_EMIT previewNeeded();
}

QList<SettingBinding> CopyrightSection::bindings()
{
    SettingBinding color = bindColor(copyrightColorWell, Setting::CopyrightColor);
    color.apply = [this](const AppSettings &v) {
        if (const std::optional<QColor> own = v.color(Setting::CopyrightColor))
            copyrightColorWell->setColor(*own);
        else if (const std::optional<QColor> text = v.color(Setting::WatermarkColor))
            copyrightColorWell->setColor(*text);
    };
    return {
        bindHiddenFlag(light(), Setting::CopyrightLightHidden),
        bindCheckBox(copyrightBox, Setting::CopyrightOn),
        bindCells(patternCells, Setting::CopyrightPattern).then([this](const AppSettings &v) {
            // No stored pattern (the shipped -1) means none chosen, as at the first start; the
            // pattern's handler would switch the lines on.
            const int tag = v.integer(Setting::CopyrightPattern);
            if (tag >= 1 && tag <= 4) {
                patternClicked(tag);
            } else {
                deselectAll();
                showNoPatternChosen();
            }
        }),
        bindOpacity(opacity, Setting::CopyrightOpacity),
        color,
    };
}
