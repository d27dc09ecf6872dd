#pragma once

#include "SettingBinding.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;
class UnitSlider;

// Output format and JPEG quality. The quality controls show only for JPEG; the quality's
// value label shows only while the slider moves.
class OutputControls : public QWidget {
    Q_OBJECT
public:
    explicit OutputControls(QWidget *parent = nullptr);

    QComboBox *formatPopup;
    QLabel *qualityLabel;
    UnitSlider *qualitySlider;
    QLabel *qualityValue;

    void formatChosen();

    // The format (with its handler) and the quality, in loading order.
    QList<SettingBinding> bindings();
    void qualitySliderChanged();
    void sliderEnded();

private:
    QTimer *m_settle;
};
