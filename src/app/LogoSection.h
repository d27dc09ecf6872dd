#pragma once

#include "OptionSection.h"
#include "OverlaySectionParts.h"

class LogoWell;
class QCheckBox;
class QComboBox;
class QPushButton;

// The logo: its switch, the well with its chooser, size, position and opacity.
class LogoSection : public OptionSection {
    Q_OBJECT
public:
    explicit LogoSection(QWidget *parent = nullptr);

    QCheckBox *zqEnableLogoChkBox;
    LogoWell *logoWell;
    QLabel *zqDropIcon;
    QPushButton *zqBtnChooseLogo;
    QComboBox *zqLogoPopUp;
    QButtonGroup *zqLogoPossitionRadioGroup;
    OpacityControl opacity;

    void enableLogoAct();

Q_SIGNALS:
    void previewNeeded();

private:
    void logoSet();
};
