#include "OptionsPanel.h"

#include "ColorWell.h"
#include "CopyrightSection.h"
#include "options/FontList.h"
#include "LogoSection.h"
#include "LogoWell.h"
#include "common/Logging.h"
#include "OutputControls.h"
#include "overlay/WatermarkOverlay.h"
#include "SectionPanel.h"
#include "options/SettingsOptions.h"
#include "settings/SettingsStore.h"
#include "TitleSizeSection.h"
#include "UnitSlider.h"
#include "WatermarkSection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// Selects a popup item by index; an index no item has leaves the selection as it is.
static void selectItem(QComboBox *popup, int index)
{
    if (index >= 0 && index < popup->count())
        popup->setCurrentIndex(index);
}

OptionsPanel::OptionsPanel(QWidget *parent)
    : QWidget(parent),
      m_title(new TitleSizeSection),
      m_logo(new LogoSection),
      m_watermark(new WatermarkSection),
      m_copyright(new CopyrightSection),
      m_output(new OutputControls(this)),
      m_reset(new QPushButton(tr("Reset Settings"), this))
{
    m_sections = new SectionPanel(m_title, m_logo, m_watermark, m_copyright, m_title->inputWidth,
                                  m_title->inputHeight, this);
    m_sections->setMinimumHeight(m_sections->sizeHint().height());
    m_reset->setToolTip(tr("Put every option back to how Pressmark ships"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sections);
    layout->addStretch(1);
    auto *bottom = new QVBoxLayout;
    bottom->setContentsMargins(14, 0, 14, 6);
    bottom->addWidget(m_output);
    bottom->addWidget(m_reset, 0, Qt::AlignLeft);
    layout->addLayout(bottom);

    // The well starts with the shipped logo; settings may replace it.
    m_logo->logoWell->showLogo(shippedLogo());
    // The font popup starts on a preferred family, else the system's sans-serif.
    m_fontFamilies = installedFontFamilies();
    m_systemSans = resolvedWatermarkFamily(QString());
    m_watermark->setFontFamilies(m_fontFamilies, defaultFontIndex(m_fontFamilies, m_systemSans));

    connect(m_logo, &LogoSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    connect(m_watermark, &WatermarkSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    connect(m_copyright, &CopyrightSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    connect(m_title, &TitleSizeSection::namingModeChanged, this, &OptionsPanel::namingModeChanged);
    connect(m_reset, &QPushButton::clicked, this, &OptionsPanel::resetRequested);
}

OptionControls OptionsPanel::currentControls() const
{
    OptionControls c;
    c.currentNamesState = m_title->checkBoxCurrent->isChecked();
    c.newNameState = m_title->checkBoxNew->isChecked();
    c.addTextState = m_title->checkBoxCurrentNew->isChecked();
    c.title = m_title->titleField->text();
    c.widthText = m_title->inputWidth->text();
    c.heightText = m_title->inputHeight->text();

    c.enableLogoState = m_logo->zqEnableLogoChkBox->isChecked();
    c.logoImage = m_logo->logoWell->logo();
    c.logoSizeIndex = m_logo->zqLogoPopUp->currentIndex();
    c.logoPosition = m_logo->zqLogoPossitionRadioGroup->checkedId();
    c.logoOpacity = m_logo->opacity.slider->floatValue();

    c.enableWatermarkState = m_watermark->zqEnableWatermarkChkBox->isChecked();
    c.watermarkText = m_watermark->zqWatermarkTextField->text();
    c.watermarkSizeIndex = m_watermark->zqWatermarkPopUp->currentIndex();
    c.watermarkFont = m_watermark->zqFontListPopup->currentText();
    c.watermarkColor = m_watermark->zqWatermarkColorWell->color();
    c.watermarkPosition = m_watermark->zqWatermarkPossitionRadioGroup->checkedId();
    c.watermarkOpacity = m_watermark->opacity.slider->floatValue();

    c.enableCopyrightState = m_copyright->zqEnableCopyrightChkBox->isChecked();
    c.copyrightPattern = m_copyright->selectedTag();
    c.copyrightColor = m_copyright->zqCopyrightColorWell->color();
    c.copyrightOpacity = m_copyright->opacity.slider->floatValue();

    c.formatIndex = m_output->zqFileFormatPopUp->currentIndex();
    c.jpegQuality = m_output->zqJpgQualitySlider->floatValue();
    return c;
}

void OptionsPanel::applySettings(const AppSettings &s)
{
    // Naming and size. The size handlers empty the fields they disable and the naming handler
    // may empty the title, so the texts go in between.
    m_title->light()->setHidden(s.lightTitleAndSizeHidden == 1);
    m_title->checkBoxEnableEditSize->setChecked(s.checkBoxEnableEditSize == 1);
    m_title->checkBoxEnableEditSizeAct();
    if (s.radioWidth == 1)
        m_title->radioWidthAct();
    if (s.radioHeight == 1)
        m_title->radioHeightAct();
    m_title->inputWidth->setText(s.inputWidth);
    m_title->inputHeight->setText(s.inputHeight);
    m_title->titleField->setText(s.titleField);
    switch (s.fileCheckBoxSelected) {
    case 3:
        m_title->checkBoxCurrentNewAct();
        break;
    case 2:
        m_title->checkBoxNewAct();
        break;
    case 1:
        m_title->checkBoxCurrentAct();
        break;
    default:
        break;
    }

    // Logo: a stored picture replaces the one the well shows.
    m_logo->light()->setHidden(s.lightLogoHidden == 1);
    m_logo->zqEnableLogoChkBox->setChecked(s.enableLogo == 1);
    m_logo->zqDropIcon->hide();
    if (s.logoImage)
        m_logo->logoWell->showLogo(*s.logoImage);
    showOpacity(m_logo->opacity, s.logoOpacity);
    selectItem(m_logo->zqLogoPopUp, s.logoPopUp);
    selectCellByTag(m_logo->zqLogoPossitionRadioGroup, s.logoPosition);

    // Watermark.
    m_watermark->light()->setHidden(s.lightWatermarkHidden == 1);
    m_watermark->zqEnableWatermarkChkBox->setChecked(s.enableWatermark == 1);
    m_watermark->zqWatermarkTextField->setText(s.watermarkText);
    showOpacity(m_watermark->opacity, s.watermarkOpacity);
    selectItem(m_watermark->zqWatermarkPopUp, s.watermarkPopUp);
    if (s.watermarkColor)
        m_watermark->zqWatermarkColorWell->setColor(*s.watermarkColor);
    selectItem(m_watermark->zqFontListPopup, fontIndexForSettings(s, m_fontFamilies, m_systemSans));
    selectCellByTag(m_watermark->zqWatermarkPossitionRadioGroup, s.watermarkPosition);

    // Copyright: a stored pattern runs its handler, which switches the lines on.
    m_copyright->light()->setHidden(s.lightCopyrightHidden == 1);
    m_copyright->zqEnableCopyrightChkBox->setChecked(s.enableCopyright == 1);
    m_copyright->selectTag(s.copyrightLinesTag);
    const int tag = m_copyright->selectedTag();
    if (tag >= 1 && tag <= 4)
        m_copyright->copyrightAct(tag);
    showOpacity(m_copyright->opacity, s.copyrightOpacity);
    if (s.copyrightColor)
        m_copyright->zqCopyrightColorWell->setColor(*s.copyrightColor);
    else if (s.watermarkColor)
        m_copyright->zqCopyrightColorWell->setColor(*s.watermarkColor);

    // Output.
    selectItem(m_output->zqFileFormatPopUp, s.fileFormatPopUp);
    m_output->popUpButtonAct();
    m_output->zqJpgQualitySlider->setFloatValue(s.jpegQuality);
}

void OptionsPanel::openSection(int code)
{
    switch (code) {
    case 1:
        qCInfo(lcSettings, "atidaryta");
        m_sections->titleNsizeBtnAct();
        break;
    case 2:
        m_sections->logoBtnAct(false);
        break;
    case 3:
        m_sections->watermarkBtnAct();
        break;
    case 4:
        m_sections->copyrightBtnAct();
        break;
    default:
        break;
    }
}

AppSettings OptionsPanel::captureSettings() const
{
    AppSettings s;
    s.menuBarOpened = m_sections->openSectionCode();
    s.lightTitleAndSizeHidden = m_title->light()->isHidden();
    s.fileCheckBoxSelected = m_title->namingMode();
    s.titleField = m_title->titleField->text();
    s.checkBoxEnableEditSize = m_title->checkBoxEnableEditSize->isChecked();
    s.radioWidth = m_title->radioWidth->isChecked();
    s.radioHeight = m_title->radioHeight->isChecked();
    s.inputWidth = m_title->inputWidth->text();
    s.inputHeight = m_title->inputHeight->text();

    s.lightLogoHidden = m_logo->light()->isHidden();
    s.enableLogo = m_logo->zqEnableLogoChkBox->isChecked();
    if (!m_logo->logoWell->logo().isNull())
        s.logoImage = m_logo->logoWell->logo();
    s.logoOpacity = m_logo->opacity.slider->floatValue();
    s.logoPopUp = m_logo->zqLogoPopUp->currentIndex();
    s.logoPosition = m_logo->zqLogoPossitionRadioGroup->checkedId();

    s.lightWatermarkHidden = m_watermark->light()->isHidden();
    s.enableWatermark = m_watermark->zqEnableWatermarkChkBox->isChecked();
    s.watermarkText = m_watermark->zqWatermarkTextField->text();
    s.watermarkOpacity = m_watermark->opacity.slider->floatValue();
    s.watermarkPopUp = m_watermark->zqWatermarkPopUp->currentIndex();
    s.watermarkColor = m_watermark->zqWatermarkColorWell->color();
    s.fontListPopup = m_watermark->zqFontListPopup->currentIndex();
    s.fontFamily = m_watermark->zqFontListPopup->currentText();
    s.watermarkPosition = m_watermark->zqWatermarkPossitionRadioGroup->checkedId();

    s.lightCopyrightHidden = m_copyright->light()->isHidden();
    s.enableCopyright = m_copyright->zqEnableCopyrightChkBox->isChecked();
    s.copyrightLinesTag = m_copyright->selectedTag();
    s.copyrightOpacity = m_copyright->opacity.slider->floatValue();
    s.copyrightColor = m_copyright->zqCopyrightColorWell->color();

    s.fileFormatPopUp = m_output->zqFileFormatPopUp->currentIndex();
    s.jpegQuality = m_output->zqJpgQualitySlider->floatValue();
    return s;
}
