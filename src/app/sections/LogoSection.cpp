#include "sections/LogoSection.h"

#include "FocusChain.h"
#include "sections/LogoWell.h"
#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"
#include "skin/SkinnedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

LogoSection::LogoSection(QWidget *parent) : OptionSection(tr("Logo"), 284, parent)
{
    logoBox = new QCheckBox(tr("Stamp a logo"), body());
    logoWell = new LogoWell(body());
    logoWell->setFixedSize(104, 104);
    dropHint = new QLabel(tr("Drop a logo here"), logoWell);
    dropHint->setAlignment(Qt::AlignCenter);
    dropHint->setGeometry(logoWell->rect());
    chooseLogoButton = new QPushButton(tr("Choose…"), body());
    logoSizePopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Long, body());
    logoSizePopup->addItems({tr("Small · ⅕"), tr("Medium · ¼"), tr("Large · ⅓")});
    const QStringList logoTips = {tr("A fifth of the picture"), tr("A quarter of the picture"),
                                  tr("A third of the picture")};
    for (int i = 0; i < logoTips.size(); ++i)
        logoSizePopup->setItemData(i, logoTips.at(i), Qt::ToolTipRole);
    opacity = makeOpacityControl(body());

    // Names for the keyboard path and the tests.
    headerButton()->setObjectName(QStringLiteral("logoSectionHeader"));
    logoBox->setObjectName(QStringLiteral("logoBox"));
    chooseLogoButton->setObjectName(QStringLiteral("chooseLogoButton"));
    logoSizePopup->setObjectName(QStringLiteral("logoSizePopup"));
    opacity.slider->setObjectName(QStringLiteral("logoOpacitySlider"));
    opacity.box->setObjectName(QStringLiteral("logoOpacityBox"));
    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(logoBox, 0, 0, 1, 3);
    grid->addWidget(logoWell, 1, 0, 3, 1);
    grid->addWidget(chooseLogoButton, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Position"), body()), 2, 1, 1, 2, Qt::AlignBottom);
    QWidget *positions = nullptr;
    logoPositions = makePositionGroup(body(), QStringLiteral("logoPosition"),
                                      {{0, 0, 0, tr("Top left")},
                                       {1, 0, 2, tr("Top right")},
                                       {4, 1, 1, tr("Centre")},
                                       {2, 2, 0, tr("Bottom left")},
                                       {3, 2, 2, tr("Bottom right")}},
                                      &positions);
    grid->addWidget(positions, 3, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(fieldLabel(tr("Size"), logoSizePopup, body()), 4, 0);
    grid->addWidget(logoSizePopup, 4, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(fieldLabel(tr("Opacity"), opacity.slider, body()), 5, 0);
    grid->addWidget(opacity.slider, 5, 1);
    grid->addWidget(opacity.box, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    // Tab goes down the rows as they read.
    chainFocus(
        {headerButton(), logoBox, chooseLogoButton, positions, logoSizePopup, opacity.slider, opacity.box});

    connect(logoBox, &QCheckBox::clicked, this, &LogoSection::logoBoxClicked);
    connect(chooseLogoButton, &QPushButton::clicked, logoWell, &LogoWell::chooseLogo);
    connect(logoWell, &LogoWell::logoSet, this, &LogoSection::logoSet);
    connect(logoSizePopup, &QComboBox::activated, this, &LogoSection::previewNeeded);
    connect(logoPositions, &QButtonGroup::idClicked, this, &LogoSection::previewNeeded);
    connect(opacity.slider, &UnitSlider::valueMoved, this, &LogoSection::previewNeeded);
}

void LogoSection::logoBoxClicked()
{
    light()->setVisible(logoBox->isChecked());
    Q_EMIT previewNeeded();
}

void LogoSection::logoSet()
{
    // A new logo switches the option on, whatever it was.
    logoBox->setChecked(true);
    light()->show();
    dropHint->hide();
    Q_EMIT previewNeeded();
}

QList<SettingBinding> LogoSection::bindings()
{
    SettingBinding picture {{Setting::LogoPicture},
                            [this](const AppSettings &v) {
                                dropHint->hide();
                                if (const std::optional<QImage> stored = v.picture(Setting::LogoPicture))
                                    logoWell->showLogo(*stored);
                            },
                            [this](AppSettings &v) { v.setPicture(Setting::LogoPicture, logoWell->logo()); }};
    return {
        bindHiddenFlag(light(), Setting::LogoLightHidden),
        bindCheckBox(logoBox, Setting::LogoOn),
        picture,
        bindOpacity(opacity, Setting::LogoOpacity),
        bindPopup(logoSizePopup, Setting::LogoSize),
        bindCells(logoPositions, Setting::LogoPosition),
    };
}
