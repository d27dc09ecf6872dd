#include "LogoSection.h"

#include "LogoWell.h"
#include "SkinnedControls.h"
#include "UnitSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

LogoSection::LogoSection(QWidget *parent) : OptionSection(tr("Logo"), 284, parent)
{
    zqEnableLogoChkBox = new QCheckBox(tr("Stamp a logo"), body());
    logoWell = new LogoWell(body());
    logoWell->setFixedSize(104, 104);
    zqDropIcon = new QLabel(tr("Drop a logo here"), logoWell);
    zqDropIcon->setAlignment(Qt::AlignCenter);
    zqDropIcon->setGeometry(logoWell->rect());
    zqBtnChooseLogo = new QPushButton(tr("Choose…"), body());
    zqLogoPopUp = new SkinnedPopUp(SkinnedPopUp::Bezel::Long, body());
    zqLogoPopUp->addItems({tr("Small · ⅕"), tr("Medium · ¼"), tr("Large · ⅓")});
    const QStringList logoTips = {tr("A fifth of the picture"), tr("A quarter of the picture"), tr("A third of the picture")};
    for (int i = 0; i < logoTips.size(); ++i)
        zqLogoPopUp->setItemData(i, logoTips.at(i), Qt::ToolTipRole);
    opacity = makeOpacityControl(body());

    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(zqEnableLogoChkBox, 0, 0, 1, 3);
    grid->addWidget(logoWell, 1, 0, 3, 1);
    grid->addWidget(zqBtnChooseLogo, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Position"), body()), 2, 1, 1, 2, Qt::AlignBottom);
    QWidget *positions = nullptr;
    zqLogoPossitionRadioGroup = makePositionGroup(body(),
                                                  {{0, 0, 0, tr("Top left")},
                                                   {1, 0, 2, tr("Top right")},
                                                   {4, 1, 1, tr("Centre")},
                                                   {2, 2, 0, tr("Bottom left")},
                                                   {3, 2, 2, tr("Bottom right")}},
                                                  &positions);
    grid->addWidget(positions, 3, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(new QLabel(tr("Size"), body()), 4, 0);
    grid->addWidget(zqLogoPopUp, 4, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Opacity"), body()), 5, 0);
    grid->addWidget(opacity.slider, 5, 1);
    grid->addWidget(opacity.label, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    connect(zqEnableLogoChkBox, &QCheckBox::clicked, this, &LogoSection::enableLogoAct);
    connect(zqBtnChooseLogo, &QPushButton::clicked, logoWell, &LogoWell::chooseLogo);
    connect(logoWell, &LogoWell::logoSet, this, &LogoSection::logoSet);
    connect(zqLogoPopUp, &QComboBox::activated, this, &LogoSection::previewNeeded);
    connect(zqLogoPossitionRadioGroup, &QButtonGroup::idClicked, this, &LogoSection::previewNeeded);
    connect(opacity.slider, &UnitSlider::valueMoved, this, &LogoSection::previewNeeded);
}

void LogoSection::enableLogoAct()
{
    light()->setVisible(zqEnableLogoChkBox->isChecked());
    Q_EMIT previewNeeded();
}

void LogoSection::logoSet()
{
    // A new logo switches the option on, whatever it was.
    zqEnableLogoChkBox->setChecked(true);
    light()->show();
    zqDropIcon->hide();
    Q_EMIT previewNeeded();
}
