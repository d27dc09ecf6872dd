#include "sections/OptionsPanel.h"

#include "common/Logging.h"
#include "sections/ColorWell.h"
#include "sections/CopyrightSection.h"
#include "sections/LogoSection.h"
#include "sections/LogoWell.h"
#include "sections/OutputControls.h"
#include "sections/OverlayClashNote.h"
#include "sections/PresetPopup.h"
#include "sections/SectionPanel.h"
#include "sections/TitleSizeSection.h"
#include "sections/WatermarkSection.h"
#include "settings/Preset.h"
#include "settings/ShippedLogo.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

OptionsPanel::OptionsPanel(QWidget *parent)
    : QWidget(parent), m_title(new TitleSizeSection), m_logo(new LogoSection),
      m_watermark(new WatermarkSection), m_copyright(new CopyrightSection),
      m_output(new OutputControls(this)), m_reset(new QPushButton(tr("Reset Settings"), this)),
      m_clashNote(new OverlayClashNote(this)), m_presets(new PresetPopup(this))
{
    m_sections = new SectionPanel(m_title, m_logo, m_watermark, m_copyright, m_title->widthField,
                                  m_title->heightField, this);
    m_sections->setMinimumHeight(m_sections->sizeHint().height());
    m_reset->setToolTip(tr("Put every option back to how Pressmark ships"));
    m_reset->setObjectName(QStringLiteral("resetSettings"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QVBoxLayout;
    top->setContentsMargins(14, 6, 14, 6);
    top->addWidget(m_presets);
    layout->addLayout(top);
    layout->addWidget(m_sections);
    layout->addWidget(m_clashNote);
    layout->addStretch(1);
    auto *bottom = new QVBoxLayout;
    bottom->setContentsMargins(14, 0, 14, 6);
    bottom->addWidget(m_output);
    bottom->addWidget(m_reset, 0, Qt::AlignLeft);
    layout->addLayout(bottom);

    // The well starts with the shipped logo; settings may replace it.
    m_logo->logoWell->showLogo(shippedLogo());
    // The font popup starts on a preferred family, else the system's sans-serif.
    m_watermark->setFonts(FontChoices::installed());
    m_bindings = m_title->bindings() + m_logo->bindings() + m_watermark->bindings() +
                 m_copyright->bindings() + m_output->bindings();
    // Until settings are loaded the controls hold the shipped defaults.
    applySettings(shippedSettings());

    connect(m_logo, &LogoSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    connect(m_watermark, &WatermarkSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    connect(m_copyright, &CopyrightSection::previewNeeded, this, &OptionsPanel::previewNeeded);
    // The preview is the output: its size, format and colours change it too. After the
    // sections' own handlers, so the options it takes are the new ones.
    for (QWidget *controls : {static_cast<QWidget *>(m_title), static_cast<QWidget *>(m_output)}) {
        for (auto *field : controls->findChildren<QLineEdit *>()) {
            if (qobject_cast<QAbstractSpinBox *>(field->parentWidget()))
                continue; // a percent box's own field: its slider says when a value counts
            connect(field, &QLineEdit::textEdited, this, &OptionsPanel::previewNeeded);
        }
        for (auto *button : controls->findChildren<QAbstractButton *>())
            connect(button, &QAbstractButton::clicked, this, &OptionsPanel::previewNeeded);
        for (auto *popup : controls->findChildren<QComboBox *>())
            connect(popup, &QComboBox::activated, this, &OptionsPanel::previewNeeded);
    }
    connect(m_title, &TitleSizeSection::namingModeChanged, this, &OptionsPanel::namingModeChanged);
    connect(m_reset, &QPushButton::clicked, this, &OptionsPanel::resetRequested);
    watchControls();
    connect(this, &OptionsPanel::optionsEdited, this,
            [this] { m_clashNote->showFor(currentOptions(ConversionOptions())); });
    m_presets->setOptions([this] { return captureSettings(); },
                          [this](const Preset &preset) { applyPreset(preset); });
    connect(this, &OptionsPanel::optionsEdited, m_presets, &PresetPopup::optionsChanged);
}

void OptionsPanel::applyPreset(const Preset &preset)
{
    AppSettings settings = preset.appliedTo(captureSettings());
    // The lights as the sections' own handlers set them.
    const int naming = settings.integer(Setting::Naming);
    const bool titleLit = settings.integer(Setting::Resize) == 1 || naming == 2 || naming == 3;
    settings.setInteger(Setting::TitleLightHidden, titleLit ? 0 : 1);
    settings.setInteger(Setting::LogoLightHidden, settings.integer(Setting::LogoOn) == 1 ? 0 : 1);
    settings.setInteger(Setting::WatermarkLightHidden, settings.integer(Setting::WatermarkOn) == 1 ? 0 : 1);
    settings.setInteger(Setting::CopyrightLightHidden, settings.integer(Setting::CopyrightOn) == 1 ? 0 : 1);
    // No picture in a preset means the shipped logo, as on a first run.
    if (preset.held.contains(Setting::LogoPicture) && !settings.picture(Setting::LogoPicture))
        m_logo->logoWell->showLogo(shippedLogo());
    applySettings(settings);
    Q_EMIT namingModeChanged();
    Q_EMIT previewNeeded();
}

void OptionsPanel::watchControls()
{
    const auto edited = [this] {
        if (m_editPending)
            return;
        m_editPending = true;
        QTimer::singleShot(0, this, [this] {
            m_editPending = false;
            Q_EMIT optionsEdited();
        });
    };
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::toggled, this, edited);
    for (QComboBox *popup : findChildren<QComboBox *>())
        connect(popup, &QComboBox::currentIndexChanged, this, edited);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        connect(field, &QLineEdit::textChanged, this, edited);
    for (QAbstractSlider *slider : findChildren<QAbstractSlider *>())
        connect(slider, &QAbstractSlider::valueChanged, this, edited);
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>())
        connect(box, &QAbstractSpinBox::editingFinished, this, edited);
    for (ColorWell *well : findChildren<ColorWell *>())
        connect(well, &ColorWell::colorChosen, this, edited);
    connect(m_logo->logoWell, &LogoWell::logoSet, this, edited);
}

const FontChoices &OptionsPanel::fonts() const
{
    return m_watermark->fonts();
}

ConversionOptions OptionsPanel::currentOptions(const ConversionOptions &previous) const
{
    return optionsFromSettings(captureSettings(), previous, fonts());
}

void OptionsPanel::applySettings(const AppSettings &settings)
{
    for (const SettingBinding &binding : m_bindings)
        binding.apply(settings);
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
    AppSettings settings;
    settings.setInteger(Setting::OpenSection, m_sections->openSectionCode());
    for (const SettingBinding &binding : m_bindings)
        binding.capture(settings);
    return settings;
}
