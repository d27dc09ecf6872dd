#pragma once

#include "sections/OptionSection.h"
#include "sections/OverlaySectionParts.h"
#include "sections/SettingBinding.h"
#include "options/OptionsFromSettings.h"

class ColorWell;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The watermark text: switch, text (typing switches it on, clearing off), size, font, colour,
// one of seven positions, opacity.
class WatermarkSection : public OptionSection {
    Q_OBJECT
public:
    explicit WatermarkSection(QWidget *parent = nullptr);

    QCheckBox *watermarkBox;
    QLineEdit *watermarkField;
    QComboBox *watermarkSizePopup;
    QComboBox *fontPopup;
    ColorWell *watermarkColorWell;
    QButtonGroup *watermarkPositions;
    OpacityControl opacity;

    // Fills the font popup and selects its starting item.
    void setFonts(const FontChoices &fonts);
    const FontChoices &fonts() const { return m_fonts; }

    void watermarkBoxClicked();
    void watermarkTextEdited();

    // The section's settings, in loading order. The font is chosen by its stored name when
    // installed, else by its stored position.
    QList<SettingBinding> bindings();

Q_SIGNALS:
    void previewNeeded();

private:
    FontChoices m_fonts;
};
