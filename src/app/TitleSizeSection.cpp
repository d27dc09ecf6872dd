#include "TitleSizeSection.h"

#include "SizeFieldValidator.h"
#include "SkinnedControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

static const QString kMaxSize = QStringLiteral("Max 6000");

TitleSizeSection::TitleSizeSection(QWidget *parent) : OptionSection(tr("Title and size"), 236, parent)
{
    checkBoxCurrent = new QCheckBox(tr("Keep the current names"), body());
    checkBoxNew = new QCheckBox(tr("New name"), body());
    checkBoxCurrentNew = new QCheckBox(tr("Current names with added text"), body());
    titleField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Groove, body());
    checkBoxEnableEditSize = new QCheckBox(tr("Resize"), body());
    radioWidth = new QRadioButton(tr("Width"), body());
    radioHeight = new QRadioButton(tr("Height"), body());
    // The two sides are switched by their handlers, not by each other.
    radioWidth->setAutoExclusive(false);
    radioHeight->setAutoExclusive(false);
    inputWidth = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, body());
    inputHeight = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, body());
    for (QLineEdit *field : {inputWidth, inputHeight}) {
        field->setValidator(new SizeFieldValidator(field));
        field->setMaximumWidth(90);
    }

    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(4);
    grid->addWidget(checkBoxCurrent, 0, 0, 1, 3);
    grid->addWidget(checkBoxNew, 1, 0, 1, 3);
    grid->addWidget(checkBoxCurrentNew, 2, 0, 1, 3);
    grid->addWidget(titleField, 3, 0, 1, 3);
    grid->addWidget(checkBoxEnableEditSize, 4, 0, 1, 3);
    grid->addWidget(radioWidth, 5, 0);
    grid->addWidget(inputWidth, 5, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 5, 2);
    grid->addWidget(radioHeight, 6, 0);
    grid->addWidget(inputHeight, 6, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 6, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);

    // The window starts with the current names kept and no resizing.
    checkBoxCurrent->setChecked(true);
    titleField->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(radioWidth), static_cast<QWidget *>(radioHeight),
                       static_cast<QWidget *>(inputWidth), static_cast<QWidget *>(inputHeight)})
        w->setEnabled(false);

    connect(checkBoxCurrent, &QCheckBox::clicked, this, &TitleSizeSection::checkBoxCurrentAct);
    connect(checkBoxNew, &QCheckBox::clicked, this, &TitleSizeSection::checkBoxNewAct);
    connect(checkBoxCurrentNew, &QCheckBox::clicked, this, &TitleSizeSection::checkBoxCurrentNewAct);
    connect(checkBoxEnableEditSize, &QCheckBox::clicked, this, &TitleSizeSection::checkBoxEnableEditSizeAct);
    connect(radioWidth, &QRadioButton::clicked, this, &TitleSizeSection::radioWidthAct);
    connect(radioHeight, &QRadioButton::clicked, this, &TitleSizeSection::radioHeightAct);
}

int TitleSizeSection::namingMode() const
{
    if (checkBoxCurrentNew->isChecked())
        return 3;
    if (checkBoxNew->isChecked())
        return 2;
    return checkBoxCurrent->isChecked() ? 1 : 0;
}

void TitleSizeSection::chooseNaming(QCheckBox *on)
{
    // One choice: the clicked box always ends up on, the others off.
    for (QCheckBox *box : {checkBoxCurrent, checkBoxNew, checkBoxCurrentNew})
        box->setChecked(box == on);
}

void TitleSizeSection::checkBoxCurrentAct()
{
    chooseNaming(checkBoxCurrent);
    titleField->setEnabled(false);
    titleField->clear();
    titleField->setPlaceholderText(QString());
    Q_EMIT namingModeChanged();
    checkLightforTitleAndSize();
}

void TitleSizeSection::checkBoxNewAct()
{
    chooseNaming(checkBoxNew);
    titleField->setEnabled(true);
    titleField->setPlaceholderText(QStringLiteral("Type new name here"));
    titleField->setFocus();
    Q_EMIT namingModeChanged();
    checkLightforTitleAndSize();
}

void TitleSizeSection::checkBoxCurrentNewAct()
{
    chooseNaming(checkBoxCurrentNew);
    titleField->setEnabled(true);
    titleField->setPlaceholderText(QStringLiteral("Add text to current names"));
    titleField->setFocus();
    Q_EMIT namingModeChanged();
    checkLightforTitleAndSize();
}

void TitleSizeSection::checkBoxEnableEditSizeAct()
{
    if (checkBoxEnableEditSize->isChecked()) {
        radioWidth->setChecked(true);
        radioWidth->setEnabled(true);
        inputWidth->setEnabled(true);
        inputWidth->setPlaceholderText(kMaxSize);
        inputWidth->setFocus();
        radioHeight->setEnabled(true);
    } else {
        for (QRadioButton *radio : {radioWidth, radioHeight}) {
            radio->setChecked(false);
            radio->setEnabled(false);
        }
        for (QLineEdit *field : {inputWidth, inputHeight}) {
            field->setEnabled(false);
            field->clear();
            field->setPlaceholderText(QString());
        }
    }
    checkLightforTitleAndSize();
}

void TitleSizeSection::radioWidthAct()
{
    radioWidth->setChecked(true);
    radioWidth->setEnabled(true);
    inputWidth->setEnabled(true);
    inputWidth->setPlaceholderText(kMaxSize);
    inputWidth->setFocus();
    radioHeight->setChecked(false);
    radioHeight->setEnabled(true);
    inputHeight->setEnabled(false);
    inputHeight->clear();
    inputHeight->setPlaceholderText(QString());
}

void TitleSizeSection::radioHeightAct()
{
    radioHeight->setChecked(true);
    radioHeight->setEnabled(true);
    inputHeight->setEnabled(true);
    inputHeight->setPlaceholderText(kMaxSize);
    inputHeight->setFocus();
    radioWidth->setChecked(false);
    radioWidth->setEnabled(true);
    inputWidth->setEnabled(false);
    inputWidth->clear();
    inputWidth->setPlaceholderText(QString());
}

void TitleSizeSection::checkLightforTitleAndSize()
{
    light()->setVisible(checkBoxEnableEditSize->isChecked() || checkBoxNew->isChecked() ||
                        checkBoxCurrentNew->isChecked());
}
