#pragma once

#include <QSpinBox>

class UnitSlider;

// The value of a UnitSlider as a whole percent beside it, always shown, which also takes a
// typed value or the arrow keys. The two stay in step both ways: a percent typed or stepped
// here moves the slider to percent / 100 exactly as a drag to that place would (valueMoved
// follows); a value the slider shows, moved or loaded, shows here rounded to the nearest
// percent without being changed by it. It shows, hides and enables with its slider.
// Threading: UI thread only.
class PercentBox : public QSpinBox {
    Q_OBJECT
public:
    PercentBox(UnitSlider *slider, QWidget *parent = nullptr);

    UnitSlider *slider() const { return m_slider; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showValue(float value);

    UnitSlider *m_slider;
    bool m_showing = false;
};
