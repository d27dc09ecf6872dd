#include "TitleSizeSection.h"

#include "SizeFieldValidator.h"
#include "SkinnedControls.h"
#include "options/ConversionOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

static const QString kMaxSize = QStringLiteral("Max %1").arg(kMaxResizeSide);

TitleSizeSection::TitleSizeSection(QWidget *parent) : OptionSection(tr("Title and size"), 236, parent)
{
    keepNamesBox = new QCheckBox(tr("Keep the current names"), body());
    newNameBox = new QCheckBox(tr("New name"), body());
    addTextBox = new QCheckBox(tr("Current names with added text"), body());
    titleField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Groove, body());
    resizeBox = new QCheckBox(tr("Resize"), body());
    widthSide = new QRadioButton(tr("Width"), body());
    heightSide = new QRadioButton(tr("Height"), body());
    // The two sides are switched by their handlers, not by each other.
    widthSide->setAutoExclusive(false);
    heightSide->setAutoExclusive(false);
    widthField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, body());
    heightField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, body());
    for (QLineEdit *field : {widthField, heightField}) {
        field->setValidator(new SizeFieldValidator(field));
        field->setMaximumWidth(90);
    }

    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(4);
    grid->addWidget(keepNamesBox, 0, 0, 1, 3);
    grid->addWidget(newNameBox, 1, 0, 1, 3);
    grid->addWidget(addTextBox, 2, 0, 1, 3);
    grid->addWidget(titleField, 3, 0, 1, 3);
    grid->addWidget(resizeBox, 4, 0, 1, 3);
    grid->addWidget(widthSide, 5, 0);
    grid->addWidget(widthField, 5, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 5, 2);
    grid->addWidget(heightSide, 6, 0);
    grid->addWidget(heightField, 6, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 6, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);

    // The window starts with the current names kept and no resizing.
    keepNamesBox->setChecked(true);
    titleField->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(widthSide), static_cast<QWidget *>(heightSide),
                       static_cast<QWidget *>(widthField), static_cast<QWidget *>(heightField)})
        w->setEnabled(false);

    connect(keepNamesBox, &QCheckBox::clicked, this, &TitleSizeSection::keepNamesClicked);
    connect(newNameBox, &QCheckBox::clicked, this, &TitleSizeSection::newNameClicked);
    connect(addTextBox, &QCheckBox::clicked, this, &TitleSizeSection::addTextClicked);
    connect(resizeBox, &QCheckBox::clicked, this, &TitleSizeSection::resizeClicked);
    connect(widthSide, &QRadioButton::clicked, this, &TitleSizeSection::widthSideClicked);
    connect(heightSide, &QRadioButton::clicked, this, &TitleSizeSection::heightSideClicked);
}

int TitleSizeSection::namingMode() const
{
    if (addTextBox->isChecked())
        return 3;
    if (newNameBox->isChecked())
        return 2;
    return keepNamesBox->isChecked() ? 1 : 0;
}

void TitleSizeSection::chooseNaming(QCheckBox *on)
{
    // One choice: the clicked box always ends up on, the others off.
    for (QCheckBox *box : {keepNamesBox, newNameBox, addTextBox})
        box->setChecked(box == on);
}

void TitleSizeSection::keepNamesClicked()
{
    chooseNaming(keepNamesBox);
    titleField->setEnabled(false);
    titleField->clear();
    titleField->setPlaceholderText(QString());
    Q_EMIT namingModeChanged();
    updateLight();
}

void TitleSizeSection::newNameClicked()
{
    chooseNaming(newNameBox);
    titleField->setEnabled(true);
    titleField->setPlaceholderText(QStringLiteral("Type new name here"));
    titleField->setFocus();
    Q_EMIT namingModeChanged();
    updateLight();
}

void TitleSizeSection::addTextClicked()
{
    chooseNaming(addTextBox);
    titleField->setEnabled(true);
    titleField->setPlaceholderText(QStringLiteral("Add text to current names"));
    titleField->setFocus();
    Q_EMIT namingModeChanged();
    updateLight();
}

void TitleSizeSection::resizeClicked()
{
    if (resizeBox->isChecked()) {
        widthSide->setChecked(true);
        widthSide->setEnabled(true);
        widthField->setEnabled(true);
        widthField->setPlaceholderText(kMaxSize);
        widthField->setFocus();
        heightSide->setEnabled(true);
    } else {
        for (QRadioButton *radio : {widthSide, heightSide}) {
            radio->setChecked(false);
            radio->setEnabled(false);
        }
        for (QLineEdit *field : {widthField, heightField}) {
            field->setEnabled(false);
            field->clear();
            field->setPlaceholderText(QString());
        }
    }
    updateLight();
}

void TitleSizeSection::widthSideClicked()
{
    widthSide->setChecked(true);
    widthSide->setEnabled(true);
    widthField->setEnabled(true);
    widthField->setPlaceholderText(kMaxSize);
    widthField->setFocus();
    heightSide->setChecked(false);
    heightSide->setEnabled(true);
    heightField->setEnabled(false);
    heightField->clear();
    heightField->setPlaceholderText(QString());
}

void TitleSizeSection::heightSideClicked()
{
    heightSide->setChecked(true);
    heightSide->setEnabled(true);
    heightField->setEnabled(true);
    heightField->setPlaceholderText(kMaxSize);
    heightField->setFocus();
    widthSide->setChecked(false);
    widthSide->setEnabled(true);
    widthField->setEnabled(false);
    widthField->clear();
    widthField->setPlaceholderText(QString());
}

void TitleSizeSection::updateLight()
{
    light()->setVisible(resizeBox->isChecked() || newNameBox->isChecked() || addTextBox->isChecked());
}

QList<SettingBinding> TitleSizeSection::bindings()
{
    const auto side = [](Setting setting, QRadioButton *radio, std::function<void()> clicked) {
        return SettingBinding {{setting},
                               [=](const AppSettings &v) {
                                   if (v.integer(setting) == 1)
                                       clicked();
                               },
                               [=](AppSettings &v) { v.setInteger(setting, radio->isChecked() ? 1 : 0); }};
    };
    SettingBinding naming {{Setting::Naming},
                           [this](const AppSettings &v) {
                               switch (v.integer(Setting::Naming)) {
                               case 3:
                                   addTextClicked();
                                   break;
                               case 2:
                                   newNameClicked();
                                   break;
                               case 1:
                                   keepNamesClicked();
                                   break;
                               default:
                                   break;
                               }
                           },
                           [this](AppSettings &v) { v.setInteger(Setting::Naming, namingMode()); }};
    return {
        bindHiddenFlag(light(), Setting::TitleLightHidden),
        bindCheckBox(resizeBox, Setting::Resize).then([this] { resizeClicked(); }),
        side(Setting::WidthSide, widthSide, [this] { widthSideClicked(); }),
        side(Setting::HeightSide, heightSide, [this] { heightSideClicked(); }),
        bindText(widthField, Setting::WidthText),
        bindText(heightField, Setting::HeightText),
        bindText(titleField, Setting::Title),
        naming,
    };
}
