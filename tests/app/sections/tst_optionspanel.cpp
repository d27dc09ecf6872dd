#include "MainWindow.h"
#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "options/FontList.h"
#include "overlay/WatermarkOverlay.h"
#include "sections/ColorWell.h"
#include "sections/CopyrightSection.h"
#include "sections/LogoSection.h"
#include "sections/LogoWell.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sections/PercentBox.h"
#include "sections/SectionPanel.h"
#include "sections/TitleSizeSection.h"
#include "sections/UnitSlider.h"
#include "sections/WatermarkSection.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedLogo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void namingIsOneChoice();
    void resizeAndSides();
    void otherResizeModes();
    void otherModesLoadAsTheyGovern();
    void watermarkTextSwitchesTheWatermark();
    void copyrightPatterns();
    void opacityLabelsAndQuality();
    void percentBoxesTakeTypedValues();
    void formatHidesQuality();
    void accordionGeometry();
    void headerBarsOpenAndClose();
    void logoWellRoads();
    void logoWellRefusesOtherFiles();
    void everySettingHasOneControl();
    void firstRunAndQuitWriteEveryKey();
    void settingsRoundTripThroughTheWindow();
    void loadOrderEffects();
    void resetOpensTheLogoSection();

private:
    QTemporaryDir m_dir;
};

static QList<int> tops(SectionPanel *panel)
{
    QList<int> out;
    for (int i = 0; i < 4; ++i)
        out << panel->targetFrame(SectionPanel::Section(i)).top();
    return out;
}

static QList<int> heights(SectionPanel *panel)
{
    QList<int> out;
    for (int i = 0; i < 4; ++i)
        out << panel->targetFrame(SectionPanel::Section(i)).height();
    return out;
}

static QStringList headerImages(SectionPanel *panel)
{
    QStringList out;
    for (int i = 0; i < 4; ++i)
        out << panel->section(SectionPanel::Section(i))->headerImage();
    return out;
}

void TestOptions::initTestCase()
{
    TestImages::writeWithQt(TestImages::quadrants(60, 40), m_dir.filePath("a.png"), "png");
    QImage blue(30, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    TestImages::writeWithQt(blue, m_dir.filePath("b.png"), "png");
    QFile eps(m_dir.filePath("c.eps"));
    QVERIFY(eps.open(QIODevice::WriteOnly));
    eps.write("%!PS-Adobe-3.0 EPSF-3.0\n");
}

void TestOptions::namingIsOneChoice()
{
    OptionsPanel panel;
    TitleSizeSection *t = panel.titleAndSize();
    t->newNameBox->click();
    t->newNameBox->click(); // clicking the one that is on leaves it on
    QVERIFY(t->newNameBox->isChecked());
    QVERIFY(!t->keepNamesBox->isChecked() && !t->addTextBox->isChecked());
    QVERIFY(t->titleField->isEnabled() && !t->light()->isHidden());
    t->titleField->setText(QStringLiteral("Trip"));
    t->addTextBox->click();
    QCOMPARE(t->titleField->text(), QStringLiteral("Trip"));
    QCOMPARE(t->namingMode(), 3);
    QVERIFY(!t->light()->isHidden());
    t->keepNamesBox->click();
    QVERIFY(t->titleField->text().isEmpty());
    QVERIFY(t->titleField->placeholderText().isEmpty());
    QVERIFY(!t->titleField->isEnabled() && t->light()->isHidden());
    QCOMPARE(t->namingMode(), 1);
}

void TestOptions::resizeAndSides()
{
    OptionsPanel panel;
    TitleSizeSection *t = panel.titleAndSize();
    t->resizeBox->click();
    QVERIFY(t->widthSide->isChecked() && t->widthSide->isEnabled() && !t->light()->isHidden());
    QVERIFY(t->widthField->isEnabled());
    QCOMPARE(t->widthField->placeholderText(), QStringLiteral("Max 6000"));
    QVERIFY(t->heightSide->isEnabled() && !t->heightField->isEnabled());
    QTest::keyClicks(t->widthField, "8001x"); // digits only, up to 6000
    QCOMPARE(t->widthField->text(), QStringLiteral("800"));
    t->heightSide->click();
    QVERIFY(t->heightSide->isChecked() && !t->widthSide->isChecked());
    QVERIFY(t->heightField->isEnabled() && !t->widthField->isEnabled());
    QVERIFY(t->widthField->text().isEmpty());
    t->heightSide->click(); // clicking the chosen side keeps it
    QVERIFY(t->heightSide->isChecked());
    t->heightField->setText(QStringLiteral("600"));
    t->resizeBox->click();
    QVERIFY(!t->widthSide->isChecked() && !t->heightSide->isChecked());
    QVERIFY(!t->widthSide->isEnabled() && !t->heightSide->isEnabled());
    QVERIFY(t->widthField->text().isEmpty() && t->heightField->text().isEmpty() && t->light()->isHidden());
    t->resizeBox->click(); // on again: the width side, empty
    QVERIFY(t->widthSide->isChecked() && t->widthField->text().isEmpty());
    QVERIFY(!t->heightField->isEnabled());
}

void TestOptions::otherResizeModes()
{
    OptionsPanel panel;
    TitleSizeSection *t = panel.titleAndSize();
    QVERIFY(!t->otherSide->isEnabled() && !t->neverEnlargeBox->isEnabled());
    t->resizeBox->click();
    QVERIFY(t->otherSide->isEnabled() && !t->otherSide->isChecked() && !t->otherModePopup->isEnabled());
    QVERIFY(t->neverEnlargeBox->isEnabled() && !t->neverEnlargeBox->isChecked()); // width enlarges
    t->widthField->setText(QStringLiteral("800"));

    // The third side: the width emptied, the long edge's field open, never enlarging.
    t->otherSide->click();
    QVERIFY(t->otherSide->isChecked() && !t->widthSide->isChecked() && !t->heightSide->isChecked());
    QVERIFY(t->widthField->text().isEmpty() && !t->widthField->isEnabled());
    QVERIFY(t->otherModePopup->isEnabled() && t->longEdgeField->isEnabled());
    QVERIFY(t->longEdgeField->isVisibleTo(t->body()) && !t->fitWidthField->isVisibleTo(t->body()));
    QVERIFY(t->neverEnlargeBox->isChecked());
    t->longEdgeField->setText(QStringLiteral("1200"));
    ConversionOptions o = panel.currentOptions(ConversionOptions());
    QCOMPARE(o.resize, ResizeMode::LongEdge);
    QCOMPARE(o.resizeTo, 1200);
    QVERIFY(o.neverEnlarge);
    QCOMPARE(panel.captureSettings().integer(Setting::NeverEnlarge), 0); // the mode's own default

    // Another mode: its two fields, the long edge's emptied; enlarging by choice is stored.
    t->otherModePopup->setCurrentIndex(2);
    t->otherModeChosen();
    QVERIFY(t->longEdgeField->text().isEmpty() && !t->longEdgeField->isVisibleTo(t->body()));
    QVERIFY(t->fitWidthField->isEnabled() && t->fitHeightField->isEnabled() &&
            t->fitTimes->isVisibleTo(t->body()));
    t->fitWidthField->setText(QStringLiteral("800"));
    t->fitHeightField->setText(QStringLiteral("600"));
    t->neverEnlargeBox->click();
    o = panel.currentOptions(ConversionOptions());
    QCOMPARE(o.resize, ResizeMode::Fit);
    QCOMPARE(QSize(o.resizeTo, o.fitHeight), QSize(800, 600));
    QVERIFY(!o.neverEnlarge);
    QCOMPARE(panel.captureSettings().integer(Setting::NeverEnlarge), 2);

    // What was set comes back in another window.
    const AppSettings saved = panel.captureSettings();
    {
        OptionsPanel again;
        again.applySettings(saved);
        QVERIFY(again.captureSettings() == saved);
        QVERIFY(again.titleAndSize()->otherSide->isChecked());
        QCOMPARE(again.titleAndSize()->fitHeightField->text(), QStringLiteral("600"));
        QVERIFY(!again.titleAndSize()->neverEnlargeBox->isChecked());
    }

    // The percent takes 1 to 1000.
    t->otherModePopup->setCurrentIndex(3);
    t->otherModeChosen();
    QVERIFY(t->fitWidthField->text().isEmpty() && t->fitHeightField->text().isEmpty());
    QTest::keyClicks(t->scaleField, "1001");
    QCOMPARE(t->scaleField->text(), QStringLiteral("100"));
    QCOMPARE(t->otherUnit->text(), QStringLiteral("%"));
    QCOMPARE(panel.captureSettings().integer(Setting::ScalePercent), 100);

    // Back to the height: the other modes put away, enlarging as before.
    t->heightSide->click();
    QVERIFY(!t->otherSide->isChecked() && !t->otherModePopup->isEnabled());
    QVERIFY(t->scaleField->text().isEmpty() && !t->scaleField->isEnabled());
    QVERIFY(!t->neverEnlargeBox->isChecked());
    QCOMPARE(panel.captureSettings().integer(Setting::NeverEnlarge), 0);
    t->resizeBox->click();
    QVERIFY(!t->otherSide->isEnabled() && !t->neverEnlargeBox->isEnabled());
}

void TestOptions::otherModesLoadAsTheyGovern()
{
    // A file whose short edge field holds a number while its popup names another mode (written
    // by hand): the window shows the mode that governs the conversion.
    AppSettings s = shippedSettings();
    s.setInteger(Setting::Resize, 1);
    s.setInteger(Setting::WidthSide, 1);
    s.setInteger(Setting::ResizeOtherMode, 3);
    s.setText(Setting::ShortEdgeText, QStringLiteral("480"));
    OptionsPanel panel;
    panel.applySettings(s);
    TitleSizeSection *t = panel.titleAndSize();
    QVERIFY(t->otherSide->isChecked() && !t->widthSide->isChecked());
    QCOMPARE(t->otherModePopup->currentIndex(), 1);
    QCOMPARE(t->shortEdgeField->text(), QStringLiteral("480"));
    QVERIFY(t->neverEnlargeBox->isChecked());
    const ConversionOptions o = panel.currentOptions(ConversionOptions());
    QCOMPARE(o.resize, ResizeMode::ShortEdge);
    QCOMPARE(o.resizeTo, 480);
}

void TestOptions::watermarkTextSwitchesTheWatermark()
{
    OptionsPanel panel;
    QSignalSpy previews(&panel, &OptionsPanel::previewNeeded);
    WatermarkSection *w = panel.watermark();
    QTest::keyClicks(w->watermarkField, "ab");
    QVERIFY(w->watermarkBox->isChecked());
    QVERIFY(!w->light()->isHidden());
    QTest::keyClick(w->watermarkField, Qt::Key_Backspace);
    QVERIFY(w->watermarkBox->isChecked());
    QTest::keyClick(w->watermarkField, Qt::Key_Backspace);
    QVERIFY(!w->watermarkBox->isChecked());
    QVERIFY(w->light()->isHidden());
    QCOMPARE(previews.count(), 4);
    w->watermarkBox->click();
    QVERIFY(!w->light()->isHidden());
    QCOMPARE(previews.count(), 5);
}

void TestOptions::copyrightPatterns()
{
    OptionsPanel panel;
    CopyrightSection *c = panel.copyright();
    QVERIFY(!c->copyrightBox->isChecked());
    c->patternButtons.at(2)->click(); // pattern 3 while off
    QVERIFY(c->copyrightBox->isChecked());
    QVERIFY(!c->light()->isHidden());
    QCOMPARE(c->selectedTag(), 3);
    QCOMPARE(c->patternImage(3), QStringLiteral("Copyright3_on"));
    QCOMPARE(c->patternImage(1), QStringLiteral("Copyright1"));
    c->copyrightBox->click(); // off: no cell, no chosen picture
    QCOMPARE(c->selectedTag(), -1);
    QVERIFY(c->light()->isHidden());
    for (int tag = 1; tag <= 4; ++tag)
        QVERIFY(!c->patternImage(tag).endsWith(QLatin1String("_on")));
    c->copyrightBox->click(); // on again: pattern 1
    QCOMPARE(c->selectedTag(), 1);
    QCOMPARE(c->patternImage(1), QStringLiteral("Copyright1_on"));
    QCOMPARE(panel.currentOptions(ConversionOptions()).copyright.pattern, LinePattern::DiagonalCross);
}

void TestOptions::opacityLabelsAndQuality()
{
    // Every slider's percent shows beside it all the time, moved or loaded.
    OptionsPanel panel;
    QSignalSpy previews(&panel, &OptionsPanel::previewNeeded);
    UnitSlider *logo = panel.logo()->opacity.slider;
    logo->setValue(456);
    QCOMPARE(panel.logo()->opacity.box->text(), QStringLiteral("46 %"));
    QCOMPARE(previews.count(), 1);
    panel.watermark()->opacity.slider->setValue(1000);
    QCOMPARE(panel.watermark()->opacity.box->text(), QStringLiteral("100 %"));

    OutputControls *out = panel.output();
    QVERIFY(!out->qualityBox->isHidden());
    QCOMPARE(out->qualityBox->text(), QStringLiteral("85 %"));
    out->qualitySlider->setSliderDown(true);
    out->qualitySlider->setValue(700);
    out->qualitySlider->setSliderDown(false); // let go: still shown
    QVERIFY(!out->qualityBox->isHidden());
    QCOMPARE(out->qualityBox->text(), QStringLiteral("70 %"));
    QCOMPARE(previews.count(), 2); // quality does not touch the preview
}

void TestOptions::percentBoxesTakeTypedValues()
{
    // A percent typed or stepped in each box moves its slider as a drag to the same place does,
    // and the settings saved are the very ones the drag saves: same keys, same values.
    OptionsPanel typed, dragged;
    const auto boxesOf = [](OptionsPanel &p) {
        return QList<PercentBox *> {p.output()->qualityBox, p.logo()->opacity.box, p.watermark()->opacity.box,
                                    p.copyright()->opacity.box};
    };
    const QList<PercentBox *> boxes = boxesOf(typed);
    const QList<PercentBox *> twins = boxesOf(dragged);
    const QList<int> percents = {62, 40, 7, 100};
    QSignalSpy previews(&typed, &OptionsPanel::previewNeeded);
    typed.show();
    for (int i = 0; i < boxes.size(); ++i) {
        PercentBox *box = boxes.at(i);
        const float before = box->slider()->floatValue();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(percents.at(i)));
        QCOMPARE(box->slider()->floatValue(), before); // a number counts once it is complete
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->slider()->floatValue(), float(percents.at(i)) / 100.0f);
        twins.at(i)->slider()->setValue(percents.at(i) * 10); // the same place, dragged
        QCOMPARE(twins.at(i)->value(), percents.at(i));
    }
    QCOMPARE(previews.count(), 3); // the three opacities; the quality shows in no preview
    QVERIFY(typed.captureSettings() == dragged.captureSettings()); // and so the same file

    // The arrow keys step by one percent; the box stays within 0 to 100.
    PercentBox *quality = boxes.first();
    QTest::keyClick(quality, Qt::Key_Up);
    QCOMPARE(quality->slider()->floatValue(), 0.63f);
    quality->setValue(100);
    QTest::keyClick(quality, Qt::Key_Up);
    QCOMPARE(quality->value(), 100);

    // A stored value between two percents shows rounded and is saved back unchanged.
    AppSettings stored = shippedSettings();
    stored.setFraction(Setting::WatermarkOpacity, 0.456f);
    typed.applySettings(stored);
    QCOMPARE(typed.watermark()->opacity.box->value(), 46);
    QCOMPARE(typed.captureSettings().fraction(Setting::WatermarkOpacity), 0.456f);
}

void TestOptions::formatHidesQuality()
{
    OptionsPanel panel;
    panel.show();
    OutputControls *out = panel.output();
    // The popup's items in the order of the stored indexes: the four first, then the newer.
    QStringList items;
    for (int i = 0; i < out->formatPopup->count(); ++i)
        items << out->formatPopup->itemText(i);
    QCOMPARE(items, QStringList({"JPEG", "PNG", "GIF", "TIFF", "WebP", "AVIF", "JPEG XL"}));
    // The quality shows for the lossy formats only.
    for (int index : {1, 4, 2, 5, 3, 6, 0}) {
        out->formatPopup->setCurrentIndex(index);
        out->formatChosen();
        const bool lossy = index == 0 || index >= 4;
        QCOMPARE(out->qualitySlider->isHidden(), !lossy);
        QCOMPARE(out->qualityLabel->isHidden(), !lossy);
        QCOMPARE(out->qualityBox->isHidden(), !lossy); // the percent goes and comes back with it
    }
}

void TestOptions::accordionGeometry()
{
    OptionsPanel options;
    SectionPanel *panel = options.sections();
    panel->setAnimated(false);
    options.show();
    const QList<int> closedTops = {0, 32, 64, 96};
    const QList<int> allClosed = {32, 32, 32, 32};
    const QStringList noneOpen(4, QStringLiteral("btnOpen"));
    QCOMPARE(tops(panel), closedTops);
    QCOMPARE(heights(panel), allClosed);

    panel->toggleTitleSection();
    QCOMPARE(tops(panel), (QList<int> {0, 306, 338, 370}));
    QCOMPARE(headerImages(panel), (QStringList {"btnClose", "btnOpen", "btnOpen", "btnOpen"}));
    QVERIFY(!options.titleAndSize()->widthField->isHidden());
    panel->toggleLogoSection(); // closes the title section in the same move
    QCOMPARE(tops(panel), (QList<int> {0, 32, 316, 348}));
    QCOMPARE(heights(panel), (QList<int> {32, 284, 32, 32}));
    QVERIFY(options.titleAndSize()->widthField->isHidden());
    QCOMPARE(panel->openSectionCode(), 2);
    panel->toggleLogoSection(true); // keep it open: nothing moves
    QCOMPARE(tops(panel), (QList<int> {0, 32, 316, 348}));
    QCOMPARE(panel->openSectionCode(), 2);
    panel->toggleWatermarkSection();
    QCOMPARE(tops(panel), (QList<int> {0, 32, 64, 370}));
    QCOMPARE(heights(panel), (QList<int> {32, 32, 306, 32}));
    panel->toggleCopyrightSection();
    QCOMPARE(tops(panel), closedTops);
    QCOMPARE(heights(panel), (QList<int> {32, 32, 32, 274}));
    QCOMPARE(headerImages(panel), (QStringList {"btnOpen", "btnOpen", "btnOpen", "btnClose"}));
    panel->toggleCopyrightSection(); // the second click closes it
    QCOMPARE(heights(panel), allClosed);
    QCOMPARE(headerImages(panel), noneOpen);
    QCOMPARE(panel->openSectionCode(), 0);
    panel->toggleLogoSection();
    panel->toggleLogoSection();
    QCOMPARE(tops(panel), closedTops);
    QCOMPARE(headerImages(panel), noneOpen);

    // Animated: the frames arrive where the rule says.
    panel->setAnimated(true);
    options.sections()->section(SectionPanel::Watermark)->headerButton()->click();
    QTRY_COMPARE(panel->section(SectionPanel::Copyright)->geometry().top(), 64 + 306);
    QCOMPARE(panel->section(SectionPanel::Watermark)->geometry().height(), 306);
}

void TestOptions::headerBarsOpenAndClose()
{
    // Every section closed: the Tab order (tst_keyboardpath) passes over their controls; a click
    // anywhere on a header bar opens its section, and its controls take focus then; closing it
    // again while one has focus gives focus back to the header.
    MainWindow window;
    SectionPanel *panel = window.options()->sections();
    panel->setAnimated(false);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(panel->openSectionCode(), 0);
    const auto insideASection = [panel](QWidget *w) {
        for (int i = 0; i < 4; ++i)
            if (panel->section(SectionPanel::Section(i))->body()->isAncestorOf(w))
                return true;
        return false;
    };
    OptionSection *watermark = panel->section(SectionPanel::Watermark);
    QTest::mouseClick(watermark, Qt::LeftButton, {}, QPoint(watermark->width() / 2, 16));
    QCOMPARE(panel->openSectionCode(), 3);
    window.options()->watermark()->watermarkField->setFocus();
    QVERIFY(window.options()->watermark()->watermarkField->hasFocus());
    QTest::mouseClick(watermark, Qt::LeftButton, {}, QPoint(watermark->width() - 40, 10));
    QCOMPARE(panel->openSectionCode(), 0);
    QVERIFY(!insideASection(QApplication::focusWidget()));
}

void TestOptions::logoWellRoads()
{
    OptionsPanel panel;
    LogoSection *logo = panel.logo();
    QSignalSpy previews(&panel, &OptionsPanel::previewNeeded);

    QMimeData three;
    three.setUrls({QUrl::fromLocalFile(m_dir.filePath("a.png")), QUrl::fromLocalFile(m_dir.filePath("b.png")),
                   QUrl::fromLocalFile(m_dir.filePath("b.png"))});
    QVERIFY(logo->logoWell->acceptDrop(&three));
    QCOMPARE(logo->logoWell->logo().size(), QSize(60, 40)); // the first file only
    QVERIFY(logo->logoBox->isChecked());
    QVERIFY(!logo->light()->isHidden());
    QCOMPARE(previews.count(), 1);

    // Picture data from another program, with the option switched off before.
    logo->logoBox->click();
    QVERIFY(logo->light()->isHidden());
    QMimeData data;
    QImage red(9, 9, QImage::Format_RGB32);
    red.fill(Qt::red);
    TestImages::writeWithQt(red, m_dir.filePath("red.png"), "png");
    data.setData(QStringLiteral("image/png"), TestImages::readFile(m_dir.filePath("red.png")));
    QVERIFY(logo->logoWell->acceptDrop(&data));
    QCOMPARE(logo->logoWell->logo().size(), QSize(9, 9));
    QVERIFY(logo->logoBox->isChecked() && !logo->light()->isHidden());

    // Data that does not decode: no logo, the option still on; a conversion then draws none.
    QMimeData broken;
    broken.setData(QStringLiteral("image/tiff"), QByteArray("II*\0garbage", 11));
    QVERIFY(logo->logoWell->acceptDrop(&broken));
    QVERIFY(logo->logoWell->logo().isNull());
    QVERIFY(logo->logoBox->isChecked());
    QVERIFY(!panel.currentOptions(ConversionOptions()).logo.active());

    // Neither files nor pictures: nothing happens.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QVERIFY(!logo->logoWell->acceptDrop(&text));
    QCOMPARE(previews.count(), 4); // three logos set and one switch-off
}

void TestOptions::logoWellRefusesOtherFiles()
{
    MainWindow window;
    LogoWell *well = window.options()->logo()->logoWell;
    const QImage before = well->logo();
    for (const QString &name : {QStringLiteral("c.eps"), QStringLiteral("a.Png")}) {
        QFile::copy(m_dir.filePath("a.png"), m_dir.filePath("a.Png"));
        QMimeData drop;
        drop.setUrls({QUrl::fromLocalFile(m_dir.filePath(name))});
        QVERIFY(!well->acceptDrop(&drop));
        QCOMPARE(well->logo(), before);
        auto *box = window.findChild<QMessageBox *>();
        QVERIFY(box);
        QVERIFY(box->text().contains(m_dir.filePath(name)));
        QCOMPARE(box->buttons().size(), 1);
        delete box;
    }
}

void TestOptions::everySettingHasOneControl()
{
    // The open section and the zoom are the window's own; every other row is one control's.
    OptionsPanel panel;
    QList<Setting> bound = {
        Setting::OpenSection,     Setting::Zoom,       Setting::OutputFolder,     Setting::WindowGeometry,
        Setting::LastInputFolder, Setting::LastPreset, Setting::LastPresetEdited, Setting::AddWholeFolders};
    for (const SettingBinding &binding : panel.bindings())
        bound += binding.settings;
    for (const SettingRow &row : settingRows())
        QVERIFY2(bound.count(row.setting) == 1, row.key);
    QCOMPARE(bound.size(), kSettingCount);
}

void TestOptions::firstRunAndQuitWriteEveryKey()
{
    SettingsStore store(m_dir.filePath("first/pressmark.conf"));
    {
        MainWindow window;
        window.useSettings(&store);
        OptionsPanel *o = window.options();
        QVERIFY(o->titleAndSize()->keepNamesBox->isChecked());
        QCOMPARE(o->output()->formatPopup->currentIndex(), 0);
        QCOMPARE(o->output()->qualitySlider->floatValue(), 0.85f);
        QCOMPARE(o->logo()->logoWell->logo().size(), shippedLogo().size());
        QCOMPARE(o->watermark()->fontPopup->currentIndex(),
                 defaultFontIndex(installedFontFamilies(), resolvedWatermarkFamily(QString())));
        QCOMPARE(o->logo()->opacity.box->text(), QStringLiteral("80 %"));
        QCOMPARE(o->copyright()->opacity.box->text(), QStringLiteral("25 %"));
        QVERIFY(!QFile::exists(store.filePath()));
        window.close();
    }
    QSettings written(store.filePath(), QSettings::IniFormat);
    for (const SettingRow &row : settingRows())
        QVERIFY2(written.contains(row.keyName()), row.key);
    QVERIFY(!written.value("zqLogoImage").toByteArray().isEmpty()); // the shipped logo, kept
}

void TestOptions::settingsRoundTripThroughTheWindow()
{
    // A user's session: every control moved through its handler.
    SettingsStore store(m_dir.filePath("session/pressmark.conf"));
    AppSettings first;
    {
        MainWindow window;
        window.useSettings(&store);
        OptionsPanel *o = window.options();
        o->titleAndSize()->addTextBox->click();
        o->titleAndSize()->titleField->setText(QStringLiteral("-web"));
        o->titleAndSize()->resizeBox->click();
        o->titleAndSize()->heightSide->click();
        o->titleAndSize()->heightField->setText(QStringLiteral("1080"));
        QMimeData drop;
        drop.setUrls({QUrl::fromLocalFile(m_dir.filePath("b.png"))});
        o->logo()->logoWell->acceptDrop(&drop);
        o->logo()->opacity.slider->setValue(333);
        o->logo()->logoSizePopup->setCurrentIndex(2);
        o->logo()->logoPositions->button(4)->click();
        QTest::keyClicks(o->watermark()->watermarkField, "© me");
        o->watermark()->watermarkSizePopup->setCurrentIndex(3);
        o->watermark()->watermarkColorWell->setColor(QColor(200, 10, 10));
        o->watermark()->watermarkPositions->button(5)->click();
        o->copyright()->patternButtons.at(3)->click();
        o->copyright()->copyrightColorWell->setColor(QColor(0, 0, 0, 200));
        o->output()->formatPopup->setCurrentIndex(1);
        o->output()->formatChosen();
        o->output()->metadataPopup->setCurrentIndex(2);
        window.zoomSlider()->setValue(720);
        o->sections()->setAnimated(false);
        o->sections()->toggleWatermarkSection();
        first = o->captureSettings();
        window.close();
    }
    const AppSettings stored = store.load();
    QCOMPARE(stored.integer(Setting::OpenSection), 3);
    QCOMPARE(stored.integer(Setting::Naming), 3);
    QCOMPARE(stored.integer(Setting::HeightSide), 1);
    QCOMPARE(stored.text(Setting::HeightText), QStringLiteral("1080"));
    QCOMPARE(stored.integer(Setting::CopyrightPattern), 4);
    QCOMPARE(stored.integer(Setting::MetadataKept), 2);
    QCOMPARE(stored.fraction(Setting::Zoom), 0.72f);
    QCOMPARE(stored.picture(Setting::LogoPicture)->size(), QSize(30, 30));

    // The next start shows the same controls, and saving again changes nothing.
    MainWindow again;
    again.useSettings(&store);
    AppSettings second = again.options()->captureSettings();
    second.setFraction(Setting::Zoom, again.zoomSlider()->floatValue());
    first.setFraction(Setting::Zoom, 0.72f);
    QVERIFY(second == first);
    QVERIFY(!again.options()->titleAndSize()->widthField->isEnabled());
    QCOMPARE(again.options()->sections()->openSectionCode(), 3);
}

void TestOptions::loadOrderEffects()
{
    const QString file = m_dir.filePath("order.conf");
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue("zqLightTitleAndSize", 0); // overruled by the resize handler
        s.setValue("fileCheckBoxSelected", 1);
        s.setValue("titleField", "kept in the file only");
        s.setValue("checkBoxEnableEditSize", 0);
        s.setValue("inputWidth", "640");
        s.setValue("inputHeight", "480");
        s.setValue("zqEnableCopyrightChkBox", 0);
        s.setValue("zqLightCopyright", 1);
        s.setValue("zqSelectedCopyrightLinesMAtrix", 2);
        s.setValue("zqSliderCopyrightOpacity", "0.25");
        s.setValue("zqWatermarkColorWell", QByteArray("#ff336699"));
        s.setValue("menuBarOpened", 9);
    }
    SettingsStore store(file);
    MainWindow window;
    window.useSettings(&store);
    OptionsPanel *o = window.options();
    TitleSizeSection *t = o->titleAndSize();
    QVERIFY(t->titleField->text().isEmpty()); // current names empty it again
    QVERIFY(!t->widthSide->isChecked() && !t->widthSide->isEnabled());
    QCOMPARE(t->widthField->text(), QStringLiteral("640")); // written back into disabled fields
    QCOMPARE(t->heightField->text(), QStringLiteral("480"));
    QVERIFY(!t->widthField->isEnabled());
    QVERIFY(t->light()->isHidden());
    QVERIFY(o->copyright()->copyrightBox->isChecked()); // pattern 2's handler
    QVERIFY(!o->copyright()->light()->isHidden());
    QCOMPARE(o->copyright()->patternImage(2), QStringLiteral("Copyright2_on"));
    QCOMPARE(o->copyright()->opacity.box->text(), QStringLiteral("25 %"));
    QCOMPARE(o->copyright()->copyrightColorWell->color(), QColor(0x33, 0x66, 0x99)); // the watermark's
    QCOMPARE(o->sections()->openSectionCode(), 0);
}

void TestOptions::resetOpensTheLogoSection()
{
    SettingsStore store(m_dir.filePath("reset/pressmark.conf"));
    AppSettings mine = shippedSettings();
    mine.setInteger(Setting::OpenSection, 1);
    mine.setInteger(Setting::Format, 2);
    QImage logo(5, 5, QImage::Format_ARGB32);
    logo.fill(Qt::green);
    mine.setPicture(Setting::LogoPicture, logo);
    mine.setInteger(Setting::CopyrightOn, 1);
    mine.setInteger(Setting::CopyrightLightHidden, 0);
    mine.setInteger(Setting::CopyrightPattern, 3);
    QVERIFY(!store.save(mine).failed());
    MainWindow window;
    window.options()->sections()->setAnimated(false);
    window.useSettings(&store);
    QCOMPARE(window.options()->sections()->openSectionCode(), 1);
    QCOMPARE(window.options()->logo()->logoWell->logo().size(), QSize(5, 5));
    // Asked first: declining changes nothing.
    bool answer = false;
    int asked = 0;
    window.setResetConfirmation([&] {
        ++asked;
        return answer;
    });
    window.options()->resetButton()->click();
    QCOMPARE(asked, 1);
    QCOMPARE(window.options()->output()->formatPopup->currentIndex(), 2);
    answer = true;
    window.options()->resetButton()->click();
    QCOMPARE(window.options()->sections()->openSectionCode(), 2);
    // Exactly the first start's state: the copyright lines off, no pattern chosen.
    CopyrightSection *copyright = window.options()->copyright();
    QVERIFY(!copyright->copyrightBox->isChecked());
    QVERIFY(copyright->light()->isHidden());
    QCOMPARE(copyright->patternCells->checkedId(), -1);
    for (int tag = 1; tag <= 4; ++tag)
        QCOMPARE(copyright->patternImage(tag), QStringLiteral("Copyright%1").arg(tag));
    QCOMPARE(window.options()->output()->formatPopup->currentIndex(), 0);
    QCOMPARE(window.options()->logo()->logoWell->logo().size(), shippedLogo().size());
    QCOMPARE(store.load(), shippedSettings());
}

QTEST_MAIN(TestOptions)
#include "tst_optionspanel.moc"
