#pragma once

#include "sections/OptionSection.h"
#include "sections/SettingBinding.h"

class ElidedLabel;
struct FirstNameExample;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Naming and resizing: the four naming boxes (the fourth with its template field beside it)
// acting as one choice with the title field and,
// under them, the first output's name as an example; the resize box with its two sides and size
// fields, the third side ("Other") with its popup of the other modes (long edge, short edge, fit
// within, percent) and their fields, the never-enlarge box, and the section's light. Of the
// three sides one is chosen; only the chosen side's fields are enabled and the others are
// emptied, so the field that holds a number is the one that governs.
class TitleSizeSection : public OptionSection {
    Q_OBJECT
public:
    explicit TitleSizeSection(QWidget *parent = nullptr);

    QCheckBox *keepNamesBox;
    QCheckBox *newNameBox;
    QCheckBox *addTextBox;
    QCheckBox *templateBox;   // the fourth choice: a rename template
    QLineEdit *templateField; // its text, beside it
    QLineEdit *titleField;
    ElidedLabel *nameExample; // the first output's name (FirstNameExample)
    ElidedLabel *nameClash;   // and, when that name is taken in the output folder, which is
    QCheckBox *resizeBox;
    QRadioButton *widthSide;
    QRadioButton *heightSide;
    QLineEdit *widthField;
    QLineEdit *heightField;
    QRadioButton *otherSide;
    QComboBox *otherModePopup; // long edge, short edge, fit within, percent
    QLineEdit *longEdgeField;
    QLineEdit *shortEdgeField;
    QLineEdit *fitWidthField;
    QLineEdit *fitHeightField;
    QLineEdit *scaleField;
    QLabel *fitTimes;  // the "×" between the box's sides
    QLabel *otherUnit; // "pixels" or "%"
    QCheckBox *neverEnlargeBox;

    // The handlers the controls call, and the settings load with them.
    void keepNamesClicked();
    void newNameClicked();
    void addTextClicked();
    void templateClicked();
    void resizeClicked();
    void widthSideClicked();
    void heightSideClicked();
    void otherSideClicked();
    void otherModeChosen();
    void updateLight();
    void showNameExample(const FirstNameExample &example);

    // 3, 2, 1 for the naming box that is on (the later first), 0 for none; with the template on,
    // the choice made before it, which is what an older version reads.
    int namingMode() const;

    // The section's settings, in loading order: the resize handler and the side handlers empty
    // the fields they disable and set the never-enlarge box to the mode's default, so the texts
    // and the box's own choice go in after them; the naming handler comes after the title, which
    // keeping the current names empties again.
    QList<SettingBinding> bindings();

Q_SIGNALS:
    // A naming box was used: the Convert button's rule is looked at again.
    void namingModeChanged();

private:
    void chooseNaming(QCheckBox *on);
    int m_namingBeforeTemplate = 1;
    // The other modes' fields, in the popup's order; a mode may have two.
    QList<QLineEdit *> otherFields(int mode) const;
    QList<QLineEdit *> allOtherFields() const;
    // Width or height chosen: the other modes put away.
    void leaveOtherModes();
    // Loaded fields of the other modes: the popup shows the first that holds a number.
    void showGoverningMode();
};
