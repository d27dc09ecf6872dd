#include "sections/TitleSizeSection.h"

#include "options/ConversionOptions.h"
#include "options/OptionsFromSettings.h"
#include "sections/ElidedLabel.h"
#include "sections/FirstNameExample.h"
#include "sections/SizeFieldValidator.h"
#include "skin/SkinnedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

static QString maxSizeText()
{
    return QCoreApplication::translate("TitleSizeSection", "Max %1").arg(kMaxResizeSide);
}

// The other modes, in the popup's order.
enum OtherMode { LongEdge, ShortEdge, FitWithin, Percent };

TitleSizeSection::TitleSizeSection(QWidget *parent) : OptionSection(tr("Title and size"), 306, parent)
{
    keepNamesBox = new QCheckBox(tr("Keep the current names"), body());
    newNameBox = new QCheckBox(tr("New name"), body());
    addTextBox = new QCheckBox(tr("Current names with added text"), body());
    templateBox = new QCheckBox(tr("Template:"), body());
    templateField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Groove, body());
    templateField->setObjectName(QStringLiteral("templateField"));
    templateField->setPlaceholderText(QStringLiteral("{date:%Y%m%d}-{n:3}"));
    templateField->setToolTip(tr(
        "Fields: {name} the current name, {title}, {n} or {n:3} the list position (zero-padded), {date} or "
        "{date:%Y-%m-%d} when the photo was taken (else the file's time; %Y %m %d %H %M %S %y %j), "
        "{camera}, {width} and {height} of the output, {folder} the photo's folder."));
    templateField->setEnabled(false);
    titleField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Groove, body());
    nameExample = new ElidedLabel(body());
    nameExample->setObjectName(QStringLiteral("nameExample"));
    nameClash = new ElidedLabel(body());
    nameClash->setObjectName(QStringLiteral("nameClash"));
    // The clash's line keeps its room while empty, so nothing below moves when it shows.
    QSizePolicy keep = nameClash->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    nameClash->setSizePolicy(keep);
    nameClash->hide();
    for (QLabel *line : {static_cast<QLabel *>(nameExample), static_cast<QLabel *>(nameClash)}) {
        QPalette quiet = line->palette();
        quiet.setColor(QPalette::WindowText, QColor(0x5a, 0x5e, 0x66));
        line->setPalette(quiet);
    }
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
    otherSide = new QRadioButton(tr("Other:"), body());
    otherSide->setAutoExclusive(false);
    otherModePopup = new SkinnedPopUp(SkinnedPopUp::Bezel::Long, body());
    otherModePopup->addItems({tr("Long edge"), tr("Short edge"), tr("Fit within"), tr("Percent")});
    auto *otherRow = new QWidget(body());
    longEdgeField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, otherRow);
    shortEdgeField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, otherRow);
    fitWidthField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, otherRow);
    auto *times = new QLabel(QStringLiteral("×"), otherRow);
    fitHeightField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, otherRow);
    scaleField = new SkinnedLineEdit(SkinnedLineEdit::Frame::Overlay, otherRow);
    otherUnit = new QLabel(tr("pixels"), otherRow);
    for (QLineEdit *field : {longEdgeField, shortEdgeField})
        field->setFixedWidth(90);
    for (QLineEdit *field : {fitWidthField, fitHeightField, scaleField})
        field->setFixedWidth(56);
    for (QLineEdit *field : {longEdgeField, shortEdgeField, fitWidthField, fitHeightField})
        field->setValidator(new SizeFieldValidator(field));
    scaleField->setValidator(new SizeFieldValidator(scaleField, kMaxScalePercent));
    fitTimes = times;
    auto *otherLine = new QHBoxLayout(otherRow);
    otherLine->setContentsMargins(0, 0, 0, 0);
    otherLine->setSpacing(4);
    for (QWidget *w : std::initializer_list<QWidget *> {longEdgeField, shortEdgeField, fitWidthField, times,
                                                        fitHeightField, scaleField})
        otherLine->addWidget(w);
    otherLine->addSpacing(2);
    otherLine->addWidget(otherUnit);
    otherLine->addStretch(1);
    neverEnlargeBox = new QCheckBox(tr("Never enlarge"), body());
    neverEnlargeBox->setToolTip(tr("A picture already smaller than asked keeps its own size. On by itself "
                                   "for the other modes, off for width and height."));

    // Names for the keyboard path and the tests.
    headerButton()->setObjectName(QStringLiteral("titleSectionHeader"));
    keepNamesBox->setObjectName(QStringLiteral("keepNamesBox"));
    newNameBox->setObjectName(QStringLiteral("newNameBox"));
    addTextBox->setObjectName(QStringLiteral("addTextBox"));
    templateBox->setObjectName(QStringLiteral("templateBox"));
    titleField->setObjectName(QStringLiteral("titleField"));
    resizeBox->setObjectName(QStringLiteral("resizeBox"));
    widthSide->setObjectName(QStringLiteral("widthSide"));
    heightSide->setObjectName(QStringLiteral("heightSide"));
    widthField->setObjectName(QStringLiteral("widthField"));
    heightField->setObjectName(QStringLiteral("heightField"));
    otherSide->setObjectName(QStringLiteral("otherSide"));
    otherModePopup->setObjectName(QStringLiteral("otherModePopup"));
    longEdgeField->setObjectName(QStringLiteral("longEdgeField"));
    shortEdgeField->setObjectName(QStringLiteral("shortEdgeField"));
    fitWidthField->setObjectName(QStringLiteral("fitWidthField"));
    fitHeightField->setObjectName(QStringLiteral("fitHeightField"));
    scaleField->setObjectName(QStringLiteral("scaleField"));
    neverEnlargeBox->setObjectName(QStringLiteral("neverEnlargeBox"));
    // The fields' names for a screen reader: what their placeholders and neighbours say on screen.
    const QList<QPair<QLineEdit *, QString>> fieldNames = {
        {templateField, tr("Name template")},       {titleField, tr("Title")},
        {widthField, tr("Width in pixels")},        {heightField, tr("Height in pixels")},
        {longEdgeField, tr("Long edge in pixels")}, {shortEdgeField, tr("Short edge in pixels")},
        {fitWidthField, tr("Width to fit within")}, {fitHeightField, tr("Height to fit within")},
        {scaleField, tr("Percent of the size")}};
    for (const auto &[field, name] : fieldNames)
        field->setAccessibleName(name);
    otherModePopup->setAccessibleName(tr("Other size mode"));
    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(14, 8, 14, 8);
    grid->setVerticalSpacing(4);
    grid->addWidget(keepNamesBox, 0, 0, 1, 3);
    grid->addWidget(newNameBox, 1, 0, 1, 3);
    grid->addWidget(addTextBox, 2, 0, 1, 3);
    grid->addWidget(templateBox, 3, 0);
    grid->addWidget(templateField, 3, 1, 1, 2);
    grid->addWidget(titleField, 4, 0, 1, 3);
    grid->addWidget(nameExample, 5, 0, 1, 3);
    grid->addWidget(nameClash, 6, 0, 1, 3);
    grid->addWidget(resizeBox, 7, 0);
    grid->addWidget(neverEnlargeBox, 7, 1, 1, 2);
    grid->addWidget(widthSide, 8, 0);
    grid->addWidget(widthField, 8, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 8, 2);
    grid->addWidget(heightSide, 9, 0);
    grid->addWidget(heightField, 9, 1);
    grid->addWidget(new QLabel(tr("pixels"), body()), 9, 2);
    grid->addWidget(otherSide, 10, 0);
    grid->addWidget(otherModePopup, 10, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(otherRow, 11, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(12, 1);

    // The window starts with the current names kept and no resizing.
    keepNamesBox->setChecked(true);
    titleField->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(widthSide), static_cast<QWidget *>(heightSide),
                       static_cast<QWidget *>(widthField), static_cast<QWidget *>(heightField)})
        w->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(otherSide), static_cast<QWidget *>(otherModePopup),
                       static_cast<QWidget *>(neverEnlargeBox)})
        w->setEnabled(false);
    otherModeChosen();

    connect(keepNamesBox, &QCheckBox::clicked, this, &TitleSizeSection::keepNamesClicked);
    connect(newNameBox, &QCheckBox::clicked, this, &TitleSizeSection::newNameClicked);
    connect(addTextBox, &QCheckBox::clicked, this, &TitleSizeSection::addTextClicked);
    connect(templateBox, &QCheckBox::clicked, this, &TitleSizeSection::templateClicked);
    connect(resizeBox, &QCheckBox::clicked, this, &TitleSizeSection::resizeClicked);
    connect(widthSide, &QRadioButton::clicked, this, &TitleSizeSection::widthSideClicked);
    connect(heightSide, &QRadioButton::clicked, this, &TitleSizeSection::heightSideClicked);
    connect(otherSide, &QRadioButton::clicked, this, &TitleSizeSection::otherSideClicked);
    connect(otherModePopup, &QComboBox::activated, this, [this] {
        otherModeChosen();
        otherFields(otherModePopup->currentIndex()).first()->setFocus();
    });
}

QList<QLineEdit *> TitleSizeSection::otherFields(int mode) const
{
    switch (mode) {
    case LongEdge:
        return {longEdgeField};
    case ShortEdge:
        return {shortEdgeField};
    case FitWithin:
        return {fitWidthField, fitHeightField};
    default:
        return {scaleField};
    }
}

QList<QLineEdit *> TitleSizeSection::allOtherFields() const
{
    return {longEdgeField, shortEdgeField, fitWidthField, fitHeightField, scaleField};
}

int TitleSizeSection::namingMode() const
{
    if (templateBox->isChecked())
        return m_namingBeforeTemplate;
    if (addTextBox->isChecked())
        return 3;
    if (newNameBox->isChecked())
        return 2;
    return keepNamesBox->isChecked() ? 1 : 0;
}

void TitleSizeSection::chooseNaming(QCheckBox *on)
{
    // One choice: the clicked box always ends up on, the others off.
    if (on == templateBox && !templateBox->isChecked())
        m_namingBeforeTemplate = std::max(1, namingMode());
    for (QCheckBox *box : {keepNamesBox, newNameBox, addTextBox, templateBox})
        box->setChecked(box == on);
    // The template's text stays for the next time it is chosen.
    templateField->setEnabled(on == templateBox);
}

void TitleSizeSection::templateClicked()
{
    chooseNaming(templateBox);
    // {title} takes the title.
    titleField->setEnabled(true);
    titleField->setPlaceholderText(tr("Title for {title}"));
    templateField->setFocus();
    Q_EMIT namingModeChanged();
    updateLight();
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
    titleField->setPlaceholderText(tr("Type new name here"));
    titleField->setFocus();
    Q_EMIT namingModeChanged();
    updateLight();
}

void TitleSizeSection::addTextClicked()
{
    chooseNaming(addTextBox);
    titleField->setEnabled(true);
    titleField->setPlaceholderText(tr("Add text to current names"));
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
        widthField->setPlaceholderText(maxSizeText());
        widthField->setFocus();
        heightSide->setEnabled(true);
        leaveOtherModes();
        otherSide->setEnabled(true);
        neverEnlargeBox->setEnabled(true);
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
        leaveOtherModes();
        otherSide->setEnabled(false);
        neverEnlargeBox->setEnabled(false);
    }
    updateLight();
}

void TitleSizeSection::widthSideClicked()
{
    widthSide->setChecked(true);
    widthSide->setEnabled(true);
    widthField->setEnabled(true);
    widthField->setPlaceholderText(maxSizeText());
    widthField->setFocus();
    heightSide->setChecked(false);
    heightSide->setEnabled(true);
    heightField->setEnabled(false);
    heightField->clear();
    heightField->setPlaceholderText(QString());
    leaveOtherModes();
}

void TitleSizeSection::heightSideClicked()
{
    heightSide->setChecked(true);
    heightSide->setEnabled(true);
    heightField->setEnabled(true);
    heightField->setPlaceholderText(maxSizeText());
    heightField->setFocus();
    widthSide->setChecked(false);
    widthSide->setEnabled(true);
    widthField->setEnabled(false);
    widthField->clear();
    widthField->setPlaceholderText(QString());
    leaveOtherModes();
}

void TitleSizeSection::leaveOtherModes()
{
    otherSide->setChecked(false);
    otherModePopup->setEnabled(false);
    otherModeChosen();
    // Width and height enlarge unless asked not to.
    neverEnlargeBox->setChecked(false);
}

void TitleSizeSection::otherSideClicked()
{
    otherSide->setChecked(true);
    otherSide->setEnabled(true);
    for (QRadioButton *radio : {widthSide, heightSide}) {
        radio->setChecked(false);
        radio->setEnabled(true);
    }
    for (QLineEdit *field : {widthField, heightField}) {
        field->setEnabled(false);
        field->clear();
        field->setPlaceholderText(QString());
    }
    otherModePopup->setEnabled(true);
    otherModeChosen();
    otherFields(otherModePopup->currentIndex()).first()->setFocus();
    // The other modes never enlarge unless asked to.
    neverEnlargeBox->setChecked(true);
}

void TitleSizeSection::otherModeChosen()
{
    // Only the chosen mode's fields show; those of the other modes are emptied. While the side
    // is not chosen, the chosen mode's fields show, disabled and empty.
    const int mode = otherModePopup->currentIndex();
    const bool chosen = otherSide->isChecked();
    const QList<QLineEdit *> shown = otherFields(mode);
    for (QLineEdit *field : allOtherFields()) {
        const bool mine = shown.contains(field);
        field->setVisible(mine);
        field->setEnabled(mine && chosen);
        if (!mine || !chosen)
            field->clear();
        field->setPlaceholderText(
            mine && chosen ? (mode == Percent ? QStringLiteral("1-%1").arg(kMaxScalePercent) : maxSizeText())
                           : QString());
    }
    fitTimes->setVisible(mode == FitWithin);
    otherUnit->setText(mode == Percent ? QStringLiteral("%") : tr("pixels"));
    otherUnit->setEnabled(chosen);
}

void TitleSizeSection::showGoverningMode()
{
    // Width and height govern when they hold text; with the resize box off, the fields stay as
    // loaded, as the width and height fields do.
    if (!resizeBox->isChecked() || !widthField->text().isEmpty() || !heightField->text().isEmpty())
        return;
    for (int mode : {LongEdge, ShortEdge, FitWithin, Percent}) {
        const QList<QLineEdit *> fields = otherFields(mode);
        if (std::none_of(fields.begin(), fields.end(), [](QLineEdit *f) { return !f->text().isEmpty(); }))
            continue;
        if (mode == otherModePopup->currentIndex() && otherSide->isChecked())
            return;
        // Kept while the popup moves to them.
        QStringList texts;
        for (QLineEdit *field : fields)
            texts << field->text();
        otherModePopup->setCurrentIndex(mode);
        otherSideClicked();
        for (int i = 0; i < fields.size(); ++i)
            fields.at(i)->setText(texts.at(i));
        return;
    }
}

void TitleSizeSection::showNameExample(const FirstNameExample &example)
{
    nameExample->setFullText(example.name);
    // A template that cannot be used is said in red.
    QPalette lines = nameExample->palette();
    lines.setColor(QPalette::WindowText,
                   example.templateError ? QColor(0xb0, 0x20, 0x20) : QColor(0x5a, 0x5e, 0x66));
    nameExample->setPalette(lines);
    nameClash->setFullText(example.clash);
    nameClash->setVisible(!example.clash.isEmpty());
}

void TitleSizeSection::updateLight()
{
    light()->setVisible(resizeBox->isChecked() || newNameBox->isChecked() || addTextBox->isChecked() ||
                        templateBox->isChecked());
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
                               // Under the template, the choice before it is only remembered:
                               // keeping the current names would empty the title.
                               if (v.integer(Setting::TemplateNaming) == 1) {
                                   m_namingBeforeTemplate = std::clamp(v.integer(Setting::Naming), 1, 3);
                                   return;
                               }
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
        side(Setting::ResizeOtherSide, otherSide, [this] { otherSideClicked(); }),
        bindPopup(otherModePopup, Setting::ResizeOtherMode).then([this] { otherModeChosen(); }),
        bindText(widthField, Setting::WidthText),
        bindText(heightField, Setting::HeightText),
        bindText(longEdgeField, Setting::LongEdgeText),
        bindText(shortEdgeField, Setting::ShortEdgeText),
        bindText(fitWidthField, Setting::FitWidthText),
        bindText(fitHeightField, Setting::FitHeightText),
        SettingBinding {{Setting::ScalePercent},
                        [this](const AppSettings &v) {
                            const int percent = v.integer(Setting::ScalePercent);
                            scaleField->setText(percent > 0 ? QString::number(percent) : QString());
                        },
                        [this](AppSettings &v) {
                            v.setInteger(
                                Setting::ScalePercent,
                                std::clamp(int(leadingInteger(scaleField->text())), 0, kMaxScalePercent));
                        }}
            .then([this] { showGoverningMode(); }),
        // Stored 0 follows the mode, as the side handlers set the box; 1 and 2 are a choice.
        SettingBinding {{Setting::NeverEnlarge},
                        [this](const AppSettings &v) {
                            const int stored = v.integer(Setting::NeverEnlarge);
                            if (stored == 1 || stored == 2)
                                neverEnlargeBox->setChecked(stored == 1);
                        },
                        [this](AppSettings &v) {
                            const bool byMode = otherSide->isChecked();
                            v.setInteger(Setting::NeverEnlarge, neverEnlargeBox->isChecked() == byMode ? 0
                                                                : neverEnlargeBox->isChecked()         ? 1
                                                                                                       : 2);
                        }},
        bindText(titleField, Setting::Title),
        bindText(templateField, Setting::TemplateText),
        naming,
        SettingBinding {{Setting::TemplateNaming},
                        [this](const AppSettings &v) {
                            if (v.integer(Setting::TemplateNaming) != 1)
                                return;
                            const int before = m_namingBeforeTemplate; // as the naming row loaded it
                            templateClicked();
                            m_namingBeforeTemplate = before;
                        },
                        [this](AppSettings &v) {
                            v.setInteger(Setting::TemplateNaming, templateBox->isChecked() ? 1 : 0);
                        }},
    };
}
