#pragma once

#include "OptionSection.h"
#include "OverlaySectionParts.h"

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
    void setFontFamilies(const QStringList &families, int startIndex);

    void watermarkBoxClicked();
    void watermarkTextEdited();

Q_SIGNALS:
    void previewNeeded();
};
