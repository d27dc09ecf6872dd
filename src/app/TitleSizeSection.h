#pragma once

#include "OptionSection.h"
#include "SettingBinding.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

// Naming and resizing: the three naming boxes acting as one choice with the title field, the
// resize box with its two sides and size fields, and the section's light.
class TitleSizeSection : public OptionSection {
    Q_OBJECT
public:
    explicit TitleSizeSection(QWidget *parent = nullptr);

    QCheckBox *keepNamesBox;
    QCheckBox *newNameBox;
    QCheckBox *addTextBox;
    QLineEdit *titleField;
    QCheckBox *resizeBox;
    QRadioButton *widthSide;
    QRadioButton *heightSide;
    QLineEdit *widthField;
    QLineEdit *heightField;

    // The handlers the controls call, and the settings load with them.
    void keepNamesClicked();
    void newNameClicked();
    void addTextClicked();
    void resizeClicked();
    void widthSideClicked();
    void heightSideClicked();
    void updateLight();

    // 3, 2, 1 for the naming box that is on (the later first), 0 for none.
    int namingMode() const;

    // The section's settings, in loading order: the resize handler and the side handlers empty
    // the fields they disable, so the texts go in after them; the naming handler comes after
    // the title, which keeping the current names empties again.
    QList<SettingBinding> bindings();

Q_SIGNALS:
    // A naming box was used: the Convert button's rule is looked at again.
    void namingModeChanged();

private:
    void chooseNaming(QCheckBox *on);
};
