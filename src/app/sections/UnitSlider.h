#pragma once

#include <QSlider>

// A horizontal slider over 0.0 to 1.0 that gives back exactly the value it was given, so a
// stored opacity or quality survives a load and a save unchanged.
class UnitSlider : public QSlider {
    Q_OBJECT
public:
    explicit UnitSlider(QWidget *parent = nullptr);

    float floatValue() const { return m_value; }
    // Moves the knob without emitting valueMoved (valueShown follows).
    void setFloatValue(float value);
    // Moves the knob as the user would: valueMoved follows, as after a drag.
    void moveTo(float value);

Q_SIGNALS:
    // The user (or a test) moved the knob; floatValue() holds the new value.
    void valueMoved(float value);
    // The knob shows a new value, moved by the user or put there by setFloatValue().
    void valueShown(float value);

private:
    static constexpr int kSteps = 1000;
    float m_value = 0.0f;
    bool m_setting = false;
};
