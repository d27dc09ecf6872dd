#include "sections/WatermarkSection.h"

#include "FocusChain.h"
#include "options/FontList.h"
#include "sections/ColorWell.h"
#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"
#include "skin/SkinnedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

WatermarkSection::WatermarkSection(QWidget *parent) : OptionSection(tr("Watermark"), 306, parent)
{
    watermarkBox = new QCheckBox(tr("Write a watermark"), body());
    watermarkField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Groove, body());
    watermarkField->setPlaceholderText(tr("© Your name"));
    watermarkField->setAccessibleName(tr("Watermark text"));
    watermarkSizePopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Long, body());
    watermarkSizePopup->addItems({tr("Small"), tr("Medium"), tr("Large"), tr("Huge")});
    const QStringList sizeTips = {
        tr("Letters 1/80 of the picture's width"), tr("Letters 1/40 of the picture's width"),
        tr("Letters 1/20 of the picture's width"), tr("Letters 1/10 of the picture's width")};
    for (int i = 0; i < sizeTips.size(); ++i)
        watermarkSizePopup->setItemData(i, sizeTips.at(i), Qt::ToolTipRole);
    fontPopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Fonts, body());
    fontPopup->setMaxVisibleItems(20);
    watermarkColorWell = new ColorWell(body());
    opacity = makeOpacityControl(body());

    // Names for the keyboard path and the tests.
    headerButton()->setObjectName(QStringLiteral("watermarkSectionHeader"));
    watermarkBox->setObjectName(QStringLiteral("watermarkBox"));
    watermarkField->setObjectName(QStringLiteral("watermarkField"));
    watermarkSizePopup->setObjectName(QStringLiteral("watermarkSizePopup"));
    fontPopup->setObjectName(QStringLiteral("fontPopup"));
    watermarkColorWell->setObjectName(QStringLiteral("watermarkColorWell"));
    opacity.slider->setObjectName(QStringLiteral("watermarkOpacitySlider"));
    opacity.box->setObjectName(QStringLiteral("watermarkOpacityBox"));
    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(watermarkBox, 0, 0, 1, 3);
    grid->addWidget(watermarkField, 1, 0, 1, 3);
    grid->addWidget(fieldLabel(tr("Size"), watermarkSizePopup, body()), 2, 0);
    grid->addWidget(watermarkSizePopup, 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(fieldLabel(tr("Font"), fontPopup, body()), 3, 0);
    grid->addWidget(fontPopup, 3, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(fieldLabel(tr("Colour"), watermarkColorWell, body()), 4, 0);
    grid->addWidget(watermarkColorWell, 4, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Position"), body()), 5, 0, Qt::AlignTop);
    QWidget *positions = nullptr;
    watermarkPositions = makePositionGroup(body(), QStringLiteral("watermarkPosition"),
                                           {{0, 0, 0, tr("Top left")},
                                            {5, 0, 1, tr("Centre top")},
                                            {1, 0, 2, tr("Top right")},
                                            {4, 1, 1, tr("Centre")},
                                            {2, 2, 0, tr("Bottom left")},
                                            {6, 2, 1, tr("Centre bottom")},
                                            {3, 2, 2, tr("Bottom right")}},
                                           &positions);
    grid->addWidget(positions, 5, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(fieldLabel(tr("Opacity"), opacity.slider, body()), 6, 0);
    grid->addWidget(opacity.slider, 6, 1);
    grid->addWidget(opacity.box, 6, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    // Tab goes down the rows as they read.
    chainFocus({headerButton(), watermarkBox, watermarkField, watermarkSizePopup, fontPopup,
                watermarkColorWell, positions, opacity.slider, opacity.box});

    connect(watermarkBox, &QCheckBox::clicked, this, &WatermarkSection::watermarkBoxClicked);
    connect(watermarkField, &QLineEdit::textEdited, this, &WatermarkSection::watermarkTextEdited);
    connect(watermarkSizePopup, &QComboBox::activated, this, &WatermarkSection::previewNeeded);
    connect(fontPopup, &QComboBox::activated, this, &WatermarkSection::previewNeeded);
    connect(watermarkColorWell, &ColorWell::colorChosen, this, &WatermarkSection::previewNeeded);
    connect(watermarkPositions, &QButtonGroup::idClicked, this, &WatermarkSection::previewNeeded);
    connect(opacity.slider, &UnitSlider::valueMoved, this, &WatermarkSection::previewNeeded);
}

void WatermarkSection::setFonts(const FontChoices &fonts)
{
    m_fonts = fonts;
    fontPopup->clear();
    fontPopup->addItems(fonts.families);
    fontPopup->setCurrentIndex(defaultFontIndex(fonts.families, fonts.systemSans));
}

void WatermarkSection::watermarkBoxClicked()
{
    if (watermarkBox->isChecked()) {
        light()->show();
        watermarkField->setFocus();
    } else {
        light()->hide();
    }
    Q_EMIT previewNeeded();
}

void WatermarkSection::watermarkTextEdited()
{
    // Typing switches the watermark on; clearing the text switches it off.
    const bool on = !watermarkField->text().isEmpty();
    watermarkBox->setChecked(on);
    light()->setVisible(on);
    Q_EMIT previewNeeded();
}

QList<SettingBinding> WatermarkSection::bindings()
{
    SettingBinding font {{Setting::FontIndex, Setting::FontFamily},
                         [this](const AppSettings &v) {
                             const int index = fontIndexForSettings(v, m_fonts);
                             if (index >= 0 && index < fontPopup->count())
                                 fontPopup->setCurrentIndex(index);
                         },
                         [this](AppSettings &v) {
                             v.setInteger(Setting::FontIndex, fontPopup->currentIndex());
                             v.setText(Setting::FontFamily, fontPopup->currentText());
                         }};
    return {
        bindHiddenFlag(light(), Setting::WatermarkLightHidden),
        bindCheckBox(watermarkBox, Setting::WatermarkOn),
        bindText(watermarkField, Setting::WatermarkText),
        bindOpacity(opacity, Setting::WatermarkOpacity),
        bindPopup(watermarkSizePopup, Setting::WatermarkSize),
        bindColor(watermarkColorWell, Setting::WatermarkColor),
        font,
        bindCells(watermarkPositions, Setting::WatermarkPosition),
    };
}
