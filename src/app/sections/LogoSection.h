#pragma once

#include "sections/OptionSection.h"
#include "sections/OverlaySectionParts.h"
#include "sections/SettingBinding.h"

class LogoWell;
class QCheckBox;
class QComboBox;
class QPushButton;

// The logo: its switch, the well with its chooser, size, position and opacity.
class LogoSection : public OptionSection {
    Q_OBJECT
public:
    explicit LogoSection(QWidget *parent = nullptr);

    QCheckBox *logoBox;
    LogoWell *logoWell;
    QLabel *dropHint;
    QPushButton *chooseLogoButton;
    QComboBox *logoSizePopup;
    QButtonGroup *logoPositions;
    OpacityControl opacity;

    void logoBoxClicked();

    // The section's settings, in loading order. A stored picture replaces the well's; none
    // leaves the well as it is.
    QList<SettingBinding> bindings();

Q_SIGNALS:
    void previewNeeded();

private:
    void logoSet();
};
