#include "sections/OutputControls.h"

#include "options/ControlTexts.h"
#include "options/ConversionOptions.h"
#include "sections/OverlaySectionParts.h"
#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"
#include "skin/SkinnedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

OutputControls::OutputControls(QWidget *parent) : QWidget(parent)
{
    formatPopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Short, this);
    // In the order of the stored indexes (OutputFormat's values).
    formatPopup->addItems({QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("GIF"),
                           QStringLiteral("TIFF"), QStringLiteral("WebP"), QStringLiteral("AVIF"),
                           QStringLiteral("JPEG XL")});
    qualityLabel = new QLabel(tr("Quality"), this);
    qualitySlider = new UnitSlider(this);
    qualityBox = new PercentBox(qualitySlider, this); // shows and hides with the slider
    qualityLabel->setBuddy(qualitySlider);
    qualityBox->setAccessibleName(tr("Quality in percent"));
    srgbBox = new QCheckBox(tr("Convert to sRGB"), this);
    srgbBox->setToolTip(tr("Write colours converted to sRGB and tagged sRGB, as the web expects; "
                           "otherwise the source's profile is kept"));
    metadataPopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Fonts, this);
    // In the order of the stored values.
    metadataPopup->addItems({tr("Keep all"), tr("No location"), tr("Copyright only"), tr("None")});
    metadataPopup->setToolTip(tr("The EXIF, XMP and IPTC the outputs keep: all of it; all but GPS positions, "
                                 "place names and the camera maker's notes; only authorship and rights; "
                                 "or none. The colour profile is kept either way."));
    metadataPopup->setAccessibleDescription(metadataPopup->toolTip());

    // Names for the keyboard path and the tests.
    formatPopup->setObjectName(QStringLiteral("formatPopup"));
    qualitySlider->setObjectName(QStringLiteral("qualitySlider"));
    qualityBox->setObjectName(QStringLiteral("qualityBox"));
    srgbBox->setObjectName(QStringLiteral("srgbBox"));
    metadataPopup->setObjectName(QStringLiteral("metadataPopup"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fieldLabel(tr("Format"), formatPopup, this), 0, 0);
    grid->addWidget(formatPopup, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(qualityLabel, 1, 0);
    grid->addWidget(qualitySlider, 1, 1);
    grid->addWidget(qualityBox, 1, 2);
    grid->addWidget(srgbBox, 2, 0, 1, 3);
    // A line of its own across the columns, so its longer label moves nothing above it.
    auto *metadataLine = new QHBoxLayout;
    metadataLine->addWidget(fieldLabel(tr("Metadata"), metadataPopup, this));
    metadataLine->addWidget(metadataPopup);
    metadataLine->addStretch(1);
    grid->addLayout(metadataLine, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    connect(formatPopup, &QComboBox::activated, this, &OutputControls::formatChosen);
}

void OutputControls::formatChosen()
{
    const int index = formatPopup->currentIndex();
    const bool lossy = index >= 0 && usesQuality(OutputFormat(index));
    qualityLabel->setVisible(lossy);
    qualitySlider->setVisible(lossy);
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
