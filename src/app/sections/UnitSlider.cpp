#include "sections/UnitSlider.h"

#include <cmath>

UnitSlider::UnitSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, kSteps);
    setTickPosition(QSlider::NoTicks);
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        if (m_setting)
            return;
        m_value = float(position) / float(kSteps);
        Q_EMIT valueShown(m_value);
        Q_EMIT valueMoved(m_value);
    });
}

void UnitSlider::setFloatValue(float value)
{
    m_value = std::isfinite(value) ? qBound(0.0f, value, 1.0f) : 0.0f;
    m_setting = true;
    setValue(int(std::lround(m_value * kSteps)));
    m_setting = false;
    Q_EMIT valueShown(m_value);
}

void UnitSlider::moveTo(float value)
{
    setFloatValue(value);
    Q_EMIT valueMoved(m_value);
}
