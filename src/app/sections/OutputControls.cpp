#include "sections/OutputControls.h"

#include "options/ControlTexts.h"
#include "options/ConversionOptions.h"
#include "sections/UnitSlider.h"
#include "skin/SkinnedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

OutputControls::OutputControls(QWidget *parent) : QWidget(parent), m_settle(new QTimer(this))
{
    formatPopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Short, this);
    // In the order of the stored indexes (OutputFormat's values).
    formatPopup->addItems({QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("GIF"),
                           QStringLiteral("TIFF"), QStringLiteral("WebP"), QStringLiteral("AVIF"),
                           QStringLiteral("JPEG XL")});
    qualityLabel = new QLabel(tr("Quality"), this);
    qualitySlider = new UnitSlider(this);
    qualityValue = new QLabel(this);
    qualityValue->setMinimumWidth(44);
    qualityValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    qualityValue->hide();
    srgbBox = new QCheckBox(tr("Convert to sRGB"), this);
    srgbBox->setToolTip(tr("Write colours converted to sRGB and tagged sRGB, as the web expects; "
                           "otherwise the source's profile is kept"));
    metadataPopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Fonts, this);
    // In the order of the stored values.
    metadataPopup->addItems({tr("Keep all"), tr("No location"), tr("Copyright only"), tr("None")});
    metadataPopup->setToolTip(tr("The EXIF, XMP and IPTC the outputs keep: all of it; all but GPS positions, "
                                 "place names and the camera maker's notes; only authorship and rights; "
                                 "or none. The colour profile is kept either way."));
    // The label keeps its room while hidden, so the slider does not jump.
    QSizePolicy keep = qualityValue->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    qualityValue->setSizePolicy(keep);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Format"), this), 0, 0);
    grid->addWidget(formatPopup, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(qualityLabel, 1, 0);
    grid->addWidget(qualitySlider, 1, 1);
    grid->addWidget(qualityValue, 1, 2);
    grid->addWidget(srgbBox, 2, 0, 1, 3);
    // A line of its own across the columns, so its longer label moves nothing above it.
    auto *metadataLine = new QHBoxLayout;
    metadataLine->addWidget(new QLabel(tr("Metadata"), this));
    metadataLine->addWidget(metadataPopup);
    metadataLine->addStretch(1);
    grid->addLayout(metadataLine, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    // A drag ends when the knob is let go; a key or wheel step ends once the slider rests.
    m_settle->setSingleShot(true);
    m_settle->setInterval(700);
    connect(m_settle, &QTimer::timeout, this, &OutputControls::sliderEnded);
    connect(qualitySlider, &QSlider::sliderReleased, this, &OutputControls::sliderEnded);
    connect(qualitySlider, &UnitSlider::valueMoved, this, &OutputControls::qualitySliderChanged);
    connect(formatPopup, &QComboBox::activated, this, &OutputControls::formatChosen);
}

void OutputControls::formatChosen()
{
    const int index = formatPopup->currentIndex();
    const bool lossy = index >= 0 && usesQuality(OutputFormat(index));
    qualityLabel->setVisible(lossy);
    qualitySlider->setVisible(lossy);
    // The value keeps its room only beside a shown slider: for the others the row closes.
    QSizePolicy keep = qualityValue->sizePolicy();
    keep.setRetainSizeWhenHidden(lossy);
    qualityValue->setSizePolicy(keep);
    if (!lossy)
        qualityValue->hide();
}

void OutputControls::qualitySliderChanged()
{
    m_settle->stop();
    if (!qualitySlider->isSliderDown())
        m_settle->start();
    qualityValue->show();
    qualityValue->setText(percentLabel(qualitySlider->floatValue()));
}

void OutputControls::sliderEnded()
{
    m_settle->stop();
    qualityValue->hide();
}

QList<SettingBinding> OutputControls::bindings()
{
    return {
        bindPopup(formatPopup, Setting::Format).then([this] { formatChosen(); }),
        bindSlider(qualitySlider, Setting::JpegQuality),
        bindCheckBox(srgbBox, Setting::OutputProfile),
        bindPopup(metadataPopup, Setting::MetadataKept),
    };
}
