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
    m_sections = new SectionPanel(m_title, m_logo, m_watermark, m_copyright, m_title->widthField,
                                  m_title->heightField, this);
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
    c.currentNamesState = m_title->keepNamesBox->isChecked();
    c.newNameState = m_title->newNameBox->isChecked();
    c.addTextState = m_title->addTextBox->isChecked();
    c.title = m_title->titleField->text();
    c.widthText = m_title->widthField->text();
    c.heightText = m_title->heightField->text();

    c.enableLogoState = m_logo->logoBox->isChecked();
    c.logoImage = m_logo->logoWell->logo();
    c.logoSizeIndex = m_logo->logoSizePopup->currentIndex();
    c.logoPosition = m_logo->logoPositions->checkedId();
    c.logoOpacity = m_logo->opacity.slider->floatValue();

    c.enableWatermarkState = m_watermark->watermarkBox->isChecked();
    c.watermarkText = m_watermark->watermarkField->text();
    c.watermarkSizeIndex = m_watermark->watermarkSizePopup->currentIndex();
    c.watermarkFont = m_watermark->fontPopup->currentText();
    c.watermarkColor = m_watermark->watermarkColorWell->color();
    c.watermarkPosition = m_watermark->watermarkPositions->checkedId();
    c.watermarkOpacity = m_watermark->opacity.slider->floatValue();

    c.enableCopyrightState = m_copyright->copyrightBox->isChecked();
    c.copyrightPattern = m_copyright->selectedTag();
    c.copyrightColor = m_copyright->copyrightColorWell->color();
    c.copyrightOpacity = m_copyright->opacity.slider->floatValue();

    c.formatIndex = m_output->formatPopup->currentIndex();
    c.jpegQuality = m_output->qualitySlider->floatValue();
    return c;
}

void OptionsPanel::applySettings(const AppSettings &s)
{
    // Naming and size. The size handlers empty the fields they disable and the naming handler
    // may empty the title, so the texts go in between.
    m_title->light()->setHidden(s.lightTitleAndSizeHidden == 1);
    m_title->resizeBox->setChecked(s.resizeBox == 1);
    m_title->resizeClicked();
    if (s.widthSide == 1)
        m_title->widthSideClicked();
    if (s.heightSide == 1)
        m_title->heightSideClicked();
    m_title->widthField->setText(s.widthField);
    m_title->heightField->setText(s.heightField);
    m_title->titleField->setText(s.titleField);
    switch (s.fileCheckBoxSelected) {
    case 3:
        m_title->addTextClicked();
        break;
    case 2:
        m_title->newNameClicked();
        break;
    case 1:
        m_title->keepNamesClicked();
        break;
    default:
        break;
    }

    // Logo: a stored picture replaces the one the well shows.
    m_logo->light()->setHidden(s.lightLogoHidden == 1);
    m_logo->logoBox->setChecked(s.enableLogo == 1);
    m_logo->dropHint->hide();
    if (s.logoImage)
        m_logo->logoWell->showLogo(*s.logoImage);
    showOpacity(m_logo->opacity, s.logoOpacity);
    selectItem(m_logo->logoSizePopup, s.logoPopUp);
    selectCellByTag(m_logo->logoPositions, s.logoPosition);

    // Watermark.
    m_watermark->light()->setHidden(s.lightWatermarkHidden == 1);
    m_watermark->watermarkBox->setChecked(s.enableWatermark == 1);
    m_watermark->watermarkField->setText(s.watermarkText);
    showOpacity(m_watermark->opacity, s.watermarkOpacity);
    selectItem(m_watermark->watermarkSizePopup, s.watermarkPopUp);
    if (s.watermarkColor)
        m_watermark->watermarkColorWell->setColor(*s.watermarkColor);
    selectItem(m_watermark->fontPopup, fontIndexForSettings(s, m_fontFamilies, m_systemSans));
    selectCellByTag(m_watermark->watermarkPositions, s.watermarkPosition);

    // Copyright: a stored pattern runs its handler, which switches the lines on.
    m_copyright->light()->setHidden(s.lightCopyrightHidden == 1);
    m_copyright->copyrightBox->setChecked(s.enableCopyright == 1);
    m_copyright->selectTag(s.copyrightLinesTag);
    const int tag = m_copyright->selectedTag();
    if (tag >= 1 && tag <= 4)
        m_copyright->patternClicked(tag);
    showOpacity(m_copyright->opacity, s.copyrightOpacity);
    if (s.copyrightColor)
        m_copyright->copyrightColorWell->setColor(*s.copyrightColor);
    else if (s.watermarkColor)
        m_copyright->copyrightColorWell->setColor(*s.watermarkColor);

    // Output.
    selectItem(m_output->formatPopup, s.fileFormatPopUp);
    m_output->formatChosen();
    m_output->qualitySlider->setFloatValue(s.jpegQuality);
}

void OptionsPanel::openSection(int code)
{
    switch (code) {
    case 1:
        qCInfo(lcSettings, "atidaryta");
        m_sections->toggleTitleSection();
        break;
    case 2:
        m_sections->toggleLogoSection(false);
        break;
    case 3:
        m_sections->toggleWatermarkSection();
        break;
    case 4:
        m_sections->toggleCopyrightSection();
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
    s.resizeBox = m_title->resizeBox->isChecked();
    s.widthSide = m_title->widthSide->isChecked();
    s.heightSide = m_title->heightSide->isChecked();
    s.widthField = m_title->widthField->text();
    s.heightField = m_title->heightField->text();

    s.lightLogoHidden = m_logo->light()->isHidden();
    s.enableLogo = m_logo->logoBox->isChecked();
    if (!m_logo->logoWell->logo().isNull())
        s.logoImage = m_logo->logoWell->logo();
    s.logoOpacity = m_logo->opacity.slider->floatValue();
    s.logoPopUp = m_logo->logoSizePopup->currentIndex();
    s.logoPosition = m_logo->logoPositions->checkedId();

    s.lightWatermarkHidden = m_watermark->light()->isHidden();
    s.enableWatermark = m_watermark->watermarkBox->isChecked();
    s.watermarkText = m_watermark->watermarkField->text();
    s.watermarkOpacity = m_watermark->opacity.slider->floatValue();
    s.watermarkPopUp = m_watermark->watermarkSizePopup->currentIndex();
    s.watermarkColor = m_watermark->watermarkColorWell->color();
    s.fontListPopup = m_watermark->fontPopup->currentIndex();
    s.fontFamily = m_watermark->fontPopup->currentText();
    s.watermarkPosition = m_watermark->watermarkPositions->checkedId();

    s.lightCopyrightHidden = m_copyright->light()->isHidden();
    s.enableCopyright = m_copyright->copyrightBox->isChecked();
    s.copyrightLinesTag = m_copyright->selectedTag();
    s.copyrightOpacity = m_copyright->opacity.slider->floatValue();
    s.copyrightColor = m_copyright->copyrightColorWell->color();

    s.fileFormatPopUp = m_output->formatPopup->currentIndex();
    s.jpegQuality = m_output->qualitySlider->floatValue();
    return s;
}
