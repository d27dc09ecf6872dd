#pragma once

#include "options/OptionsFromSettings.h"
#include "sections/SettingBinding.h"
#include "settings/AppSettings.h"

#include <QWidget>

class CopyrightSection;
class LogoSection;
class OutputControls;
class OverlayClashNote;
class PresetPopup;
struct Preset;
class QPushButton;
class SectionPanel;
class TitleSizeSection;
class WatermarkSection;

// Every option control of the window: the presets above, the accordion of four sections and
// the output format and quality below it. It holds the values; they go in and out as settings through the
// sections' bindings, and the core turns them into the options of a conversion.
// Threading: UI thread only; what leaves it is a settings value or an options value, both plain
// values a worker may keep.
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget *parent = nullptr);

    TitleSizeSection *titleAndSize() const { return m_title; }
    LogoSection *logo() const { return m_logo; }
    WatermarkSection *watermark() const { return m_watermark; }
    CopyrightSection *copyright() const { return m_copyright; }
    SectionPanel *sections() const { return m_sections; }
    OutputControls *output() const { return m_output; }
    QPushButton *resetButton() const { return m_reset; }
    // Above the sections: the presets.
    PresetPopup *presets() const { return m_presets; }
    // Under the sections: says when the logo and the watermark share a place.
    OverlayClashNote *clashNote() const { return m_clashNote; }

    // Puts settings into the controls in the order that lets each handler's effects follow:
    // naming and size, logo, watermark, copyright, format and quality. The open section and
    // the browser's zoom are the caller's, after this.
    void applySettings(const AppSettings &settings);
    // Puts a preset's options into the controls, all at once: the rows it holds, the others as
    // they are; the section lights follow the switches.
    void applyPreset(const Preset &preset);
    // Reopens a section by its settings code (1 title ... 4 copyright; anything else: none).
    void openSection(int code);
    // The controls as settings (the zoom is the caller's).
    AppSettings captureSettings() const;
    // The options a conversion or the preview would read now.
    ConversionOptions currentOptions(const ConversionOptions &previous) const;
    // Every binding, in loading order.
    const QList<SettingBinding> &bindings() const { return m_bindings; }
    const FontChoices &fonts() const;

Q_SIGNALS:
    // An option that shows in the preview changed.
    void previewNeeded();
    // The naming choice changed.
    void namingModeChanged();
    void resetRequested();
    // A control's value changed, by the user or by loading settings: said once for everything
    // that changed in one turn of the event loop.
    void optionsEdited();

private:
    void watchControls();

    TitleSizeSection *m_title;
    LogoSection *m_logo;
    WatermarkSection *m_watermark;
    CopyrightSection *m_copyright;
    SectionPanel *m_sections;
    OutputControls *m_output;
    QPushButton *m_reset;
    OverlayClashNote *m_clashNote;
    PresetPopup *m_presets;
    QList<SettingBinding> m_bindings;
    bool m_editPending = false;
};
