#pragma once

#include "sections/SettingBinding.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;
class UnitSlider;

// Output format, quality, output colours and the metadata kept. The quality controls show only for the
// formats the quality applies to (JPEG, WebP, AVIF, JPEG XL); the quality's value label shows only while
// the slider moves.
class OutputControls : public QWidget {
    Q_OBJECT
public:
    explicit OutputControls(QWidget *parent = nullptr);

    QComboBox *formatPopup;
    QLabel *qualityLabel;
    UnitSlider *qualitySlider;
    QLabel *qualityValue;
    QCheckBox *srgbBox;       // the output profile: sRGB when ticked, the source's when not
    QComboBox *metadataPopup; // the metadata kept, in MetadataKept's order

    void formatChosen();

    // The format (with its handler), the quality and the colours, in loading order.
    QList<SettingBinding> bindings();
    void qualitySliderChanged();
    void sliderEnded();

private:
    QTimer *m_settle;
};
