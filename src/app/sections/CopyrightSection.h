#pragma once

#include "sections/OptionSection.h"
#include "sections/OverlaySectionParts.h"
#include "sections/SettingBinding.h"

class ColorWell;
class QCheckBox;
class QToolButton;

// The copyright lines: switch, the four pattern buttons (a matrix whose cells carry the tags
// 1 to 4), colour and opacity.
class CopyrightSection : public OptionSection {
    Q_OBJECT
public:
    explicit CopyrightSection(QWidget *parent = nullptr);

    QCheckBox *copyrightBox;
    QButtonGroup *patternCells;
    QList<QToolButton *> patternButtons; // zqCopyright1 to zqCopyright4
    ColorWell *copyrightColorWell;
    OpacityControl opacity;

    // The selected cell's tag, -1 when none is selected.
    int selectedTag() const { return patternCells->checkedId(); }
    // Selects the cell of a tag; an unknown tag leaves the selection as it is.
    void selectTag(int tag);
    // The picture a pattern button shows ("Copyright2", "Copyright2_on"...).
    QString patternImage(int tag) const;

    void copyrightBoxClicked();
    void patternClicked(int tag);
    void showNoPatternChosen();

    // The section's settings, in loading order. A stored pattern runs its handler, which
    // switches the lines on; with no colour of its own the well takes the watermark's.
    QList<SettingBinding> bindings();

Q_SIGNALS:
    void previewNeeded();

private:
    void setPatternImage(int tag, bool chosen);
    void deselectAll();
};
