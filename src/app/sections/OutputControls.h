#pragma once

#include "sections/SettingBinding.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class PercentBox;
class QLabel;
class UnitSlider;

// Output format, quality, output colours and the metadata kept. The quality controls show only for the
// formats the quality applies to (JPEG, WebP, AVIF, JPEG XL); the quality's percent beside the slider is
// always shown and takes a typed value.
class OutputControls : public QWidget {
    Q_OBJECT
public:
    explicit OutputControls(QWidget *parent = nullptr);

    QComboBox *formatPopup;
    QLabel *qualityLabel;
    UnitSlider *qualitySlider;
    PercentBox *qualityBox;
    QCheckBox *srgbBox;       // the output profile: sRGB when ticked, the source's when not
    QComboBox *metadataPopup; // the metadata kept, in MetadataKept's order

    void formatChosen();

    // The format (with its handler), the quality and the colours, in loading order.
    QList<SettingBinding> bindings();
};
