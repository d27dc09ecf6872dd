#include "OutputControls.h"

#include "options/ControlTexts.h"
#include "SkinnedControls.h"
#include "UnitSlider.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>

OutputControls::OutputControls(QWidget *parent) : QWidget(parent), m_settle(new QTimer(this))
{
    zqFileFormatPopUp = new SkinnedPopUp(SkinnedPopUp::Bezel::Short, this);
    zqFileFormatPopUp->addItems(
        {QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("GIF"), QStringLiteral("TIFF")});
    zqJpgQualityLabel = new QLabel(tr("Quality"), this);
    zqJpgQualitySlider = new UnitSlider(this);
    zqJpgQualitySlider->setFloatValue(0.85f);
    zqJpgQualityValue = new QLabel(this);
    zqJpgQualityValue->setMinimumWidth(44);
    zqJpgQualityValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zqJpgQualityValue->hide();
    // The label keeps its room while hidden, so the slider does not jump.
    QSizePolicy keep = zqJpgQualityValue->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    zqJpgQualityValue->setSizePolicy(keep);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Format"), this), 0, 0);
    grid->addWidget(zqFileFormatPopUp, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(zqJpgQualityLabel, 1, 0);
    grid->addWidget(zqJpgQualitySlider, 1, 1);
    grid->addWidget(zqJpgQualityValue, 1, 2);
    grid->setColumnStretch(1, 1);

    // A drag ends when the knob is let go; a key or wheel step ends once the slider rests.
    m_settle->setSingleShot(true);
    m_settle->setInterval(700);
    connect(m_settle, &QTimer::timeout, this, &OutputControls::sliderEnded);
    connect(zqJpgQualitySlider, &QSlider::sliderReleased, this, &OutputControls::sliderEnded);
    connect(zqJpgQualitySlider, &UnitSlider::valueMoved, this, &OutputControls::qualitySliderChanged);
    connect(zqFileFormatPopUp, &QComboBox::activated, this, &OutputControls::popUpButtonAct);
}

void OutputControls::popUpButtonAct()
{
    const bool jpeg = zqFileFormatPopUp->currentIndex() == 0;
    zqJpgQualityLabel->setVisible(jpeg);
    zqJpgQualitySlider->setVisible(jpeg);
}

void OutputControls::qualitySliderChanged()
{
    m_settle->stop();
    if (!zqJpgQualitySlider->isSliderDown())
        m_settle->start();
    zqJpgQualityValue->show();
    zqJpgQualityValue->setText(percentLabel(zqJpgQualitySlider->floatValue()));
}

void OutputControls::sliderEnded()
{
    m_settle->stop();
    zqJpgQualityValue->hide();
}
