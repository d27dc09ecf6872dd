#include "sections/PercentBox.h"

#include "sections/UnitSlider.h"

#include <QEvent>

#include <cmath>

PercentBox::PercentBox(UnitSlider *slider, QWidget *parent) : QSpinBox(parent), m_slider(slider)
{
    setRange(0, 100);
    setSuffix(QStringLiteral(" %"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A typed number counts once it is complete (Enter, or focus leaving); the arrows at once.
    setKeyboardTracking(false);
    setAccelerated(true);
    setToolTip(tr("Type a percentage, or step it with the arrow keys"));
    showValue(slider->floatValue());
    setVisible(!slider->isHidden());
    setEnabled(slider->isEnabled());
    slider->installEventFilter(this);
    connect(slider, &UnitSlider::valueShown, this, &PercentBox::showValue);
    connect(this, &QSpinBox::valueChanged, this, [this](int percent) {
        if (!m_showing)
            m_slider->moveTo(float(percent) / 100.0f);
    });
}

void PercentBox::showValue(float value)
{
    m_showing = true;
    setValue(int(std::lround(value * 100.0f)));
    m_showing = false;
}

bool PercentBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_slider) {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            setVisible(!m_slider->isHidden());
            break;
        case QEvent::EnabledChange:
            setEnabled(m_slider->isEnabled());
            break;
        default:
            break;
        }
    }
    return QSpinBox::eventFilter(watched, event);
}
