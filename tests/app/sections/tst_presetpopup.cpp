#include "MainWindow.h"
#include "TestImages.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sections/PresetPopup.h"
#include "sections/TitleSizeSection.h"
#include "sections/UnitSlider.h"
#include "sections/WatermarkSection.h"
#include "settings/PresetStore.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

// A user's options: PNG at 50, the watermark "Ann", new names from "Set", the long edge 800.
AppSettings webOptions()
{
    AppSettings s = shippedSettings();
    s.setInteger(Setting::Format, 1);
    s.setFraction(Setting::JpegQuality, 0.5f);
    s.setInteger(Setting::WatermarkOn, 1);
    s.setText(Setting::WatermarkText, QStringLiteral("Ann"));
    s.setInteger(Setting::Naming, 2);
    s.setText(Setting::Title, QStringLiteral("Set"));
    s.setInteger(Setting::Resize, 1);
    s.setInteger(Setting::ResizeOtherSide, 1);
    s.setInteger(Setting::ResizeOtherMode, 0);
    s.setText(Setting::LongEdgeText, QStringLiteral("800"));
    return s;
}

// Chooses a preset as a click on its item does.
void choose(PresetPopup *presets, const QString &name)
{
    const int index = presets->popup()->findData(name);
    QVERIFY2(index >= 0, qPrintable(name));
    presets->popup()->setCurrentIndex(index);
    Q_EMIT presets->popup()->activated(index);
    QCoreApplication::processEvents(); // the panel says what changed once a turn
}

// Answers for the dialogs, recording what was asked.
struct Answers {
    QStringList names;
    bool confirm = false;
    QStringList asked;
    QStringList told;

    PresetPopup::Questions questions()
    {
        PresetPopup::Questions q;
        q.name = [this](const QString &, const QString &, const QString &) {
            return names.isEmpty() ? QString() : names.takeFirst();
        };
        q.confirm = [this](const QString &question, const QString &, const QString &) {
            asked << question;
            return confirm;
        };
        q.exportPath = [](const QString &) { return QString(); };
        q.importPath = [] { return QString(); };
        q.tell = [this](const QString &what, const QString &why) { told << what + ' ' + why; };
        return q;
    }
};

} // namespace

// The preset popup: choosing sets every control, an edit shows, Save As asks before replacing.
class TestPresetPopup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choosingSetsTheControls();
    void anEditMarksItEdited();
    void saveAsAsksBeforeReplacing();
    void unknownKeysAreNoted();
    void theWindowRemembersThePreset();
};

void TestPresetPopup::choosingSetsTheControls()
{
    QTemporaryDir dir;
    PresetStore(dir.filePath("presets")).save(QStringLiteral("Web/800"), webOptions());
    OptionsPanel panel;
    PresetPopup *presets = panel.presets();
    QVERIFY(!presets->isEnabled()); // no store yet
    presets->setStore(std::make_unique<PresetStore>(dir.filePath("presets")));
    QVERIFY(presets->isEnabled());
    QCOMPARE(presets->popup()->currentIndex(), -1);
    QCOMPARE(presets->popup()->placeholderText(), QStringLiteral("No preset"));

    QSignalSpy preview(&panel, &OptionsPanel::previewNeeded);
    choose(presets, QStringLiteral("Web/800"));
    QCOMPARE(presets->chosenName(), QStringLiteral("Web/800"));
    QCOMPARE(presets->popup()->currentText(), QStringLiteral("Web/800"));
    QVERIFY(!presets->isEdited());
    QVERIFY(presets->editedMark()->isHidden());
    QVERIFY(!preview.isEmpty());
    // Every control at once, with the effects its own handler has.
    QCOMPARE(panel.output()->formatPopup->currentIndex(), 1);
    QCOMPARE(panel.output()->qualitySlider->floatValue(), 0.5f);
    QCOMPARE(panel.watermark()->watermarkField->text(), QStringLiteral("Ann"));
    QVERIFY(panel.watermark()->watermarkBox->isChecked());
    QVERIFY(!panel.watermark()->light()->isHidden());
    QVERIFY(panel.titleAndSize()->newNameBox->isChecked());
    QVERIFY(panel.titleAndSize()->resizeBox->isChecked());
    QVERIFY(!panel.titleAndSize()->light()->isHidden());
    const ConversionOptions options = panel.currentOptions(ConversionOptions());
    QCOMPARE(options.format, OutputFormat::Png);
    QCOMPARE(options.resize, ResizeMode::LongEdge);
    QCOMPARE(options.resizeTo, 800);
    QCOMPARE(options.title, QStringLiteral("Set"));
    QVERIFY(options.watermark.active());
}

void TestPresetPopup::anEditMarksItEdited()
{
    QTemporaryDir dir;
    PresetStore(dir.filePath("presets")).save(QStringLiteral("web"), webOptions());
    OptionsPanel panel;
    PresetPopup *presets = panel.presets();
    presets->setStore(std::make_unique<PresetStore>(dir.filePath("presets")));
    choose(presets, QStringLiteral("web"));
    QVERIFY(!presets->isEdited());

    // The quality moved: edited, the name still shown.
    panel.output()->qualitySlider->setValue(700);
    QCoreApplication::processEvents();
    QVERIFY(presets->isEdited());
    QVERIFY(!presets->editedMark()->isHidden());
    QCOMPARE(presets->popup()->currentText(), QStringLiteral("web"));
    // Moved back: the preset's options again.
    panel.output()->qualitySlider->setValue(500);
    QCoreApplication::processEvents();
    QVERIFY(!presets->isEdited());

    // A typed title, then choosing the preset again puts it back.
    QTest::keyClicks(panel.titleAndSize()->titleField, "x");
    QCoreApplication::processEvents();
    QVERIFY(presets->isEdited());
    choose(presets, QStringLiteral("web"));
    QVERIFY(!presets->isEdited());
    QCOMPARE(panel.titleAndSize()->titleField->text(), QStringLiteral("Set"));
}

void TestPresetPopup::saveAsAsksBeforeReplacing()
{
    QTemporaryDir dir;
    OptionsPanel panel;
    PresetPopup *presets = panel.presets();
    presets->setStore(std::make_unique<PresetStore>(dir.filePath("presets")));
    Answers answers;
    answers.names = {QStringLiteral("../Print")};
    presets->setQuestions(answers.questions());
    panel.output()->formatPopup->setCurrentIndex(3);
    presets->saveAs();
    QCOMPARE(presets->chosenName(), QStringLiteral("../Print"));
    QCOMPARE(presets->popup()->count(), 1);
    QVERIFY(answers.asked.isEmpty());
    PresetStore store(dir.filePath("presets"));
    QCOMPARE(store.load(QStringLiteral("../Print")).value().values.integer(Setting::Format), 3);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList {"presets"});

    // The same name again: asked, and refused, nothing changes; accepted, it is replaced.
    panel.output()->formatPopup->setCurrentIndex(2);
    answers.names = {QStringLiteral("../Print")};
    presets->setQuestions(answers.questions());
    presets->saveAs();
    QCOMPARE(answers.asked, QStringList {QStringLiteral("Replace the preset \u201c../Print\u201d?")});
    QCOMPARE(store.load(QStringLiteral("../Print")).value().values.integer(Setting::Format), 3);
    answers.names = {QStringLiteral("../Print")};
    answers.confirm = true;
    presets->setQuestions(answers.questions());
    presets->saveAs();
    QCOMPARE(store.load(QStringLiteral("../Print")).value().values.integer(Setting::Format), 2);

    // A name that cannot be is said, and nothing is saved.
    answers.names = {QStringLiteral("two\nlines")};
    presets->setQuestions(answers.questions());
    presets->saveAs();
    QCOMPARE(answers.told.size(), 1);
    QCOMPARE(store.names().value().size(), 1);

    // Deleting asks too; the options stay.
    answers.confirm = true;
    presets->setQuestions(answers.questions());
    presets->deleteChosen();
    QVERIFY(presets->chosenName().isEmpty());
    QVERIFY(store.names().value().isEmpty());
    QCOMPARE(panel.output()->formatPopup->currentIndex(), 2);
    QVERIFY(!presets->deleteAction()->isEnabled());
}

void TestPresetPopup::unknownKeysAreNoted()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("presets"));
    TestImages::writeFile(dir.filePath("presets/newer.ini"), "[General]\nzqFileFormatPopUp=4\npmSharpen=2\n");
    OptionsPanel panel;
    PresetPopup *presets = panel.presets();
    presets->setStore(std::make_unique<PresetStore>(dir.filePath("presets")));
    choose(presets, QStringLiteral("newer"));
    QCOMPARE(panel.output()->formatPopup->currentIndex(), 4);
    QVERIFY(!presets->note()->isHidden());
    QVERIFY2(presets->note()->text().contains(QStringLiteral("pmSharpen")),
             qPrintable(presets->note()->text()));
}

void TestPresetPopup::theWindowRemembersThePreset()
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("pressmark/pressmark.conf"));
    PresetStore(PresetStore::folderBeside(store.filePath())).save(QStringLiteral("web"), webOptions());
    {
        MainWindow window;
        window.useSettings(&store);
        choose(window.options()->presets(), QStringLiteral("web"));
        window.saveSettings();
    }
    QCOMPARE(store.load().text(Setting::LastPreset), QStringLiteral("web"));
    {
        MainWindow window;
        window.useSettings(&store);
        PresetPopup *presets = window.options()->presets();
        QCOMPARE(presets->chosenName(), QStringLiteral("web"));
        QVERIFY(!presets->isEdited());
        window.options()->output()->qualitySlider->setValue(100);
        QCoreApplication::processEvents();
        QVERIFY(presets->isEdited());
        window.saveSettings();
    }
    QCOMPARE(store.load().integer(Setting::LastPresetEdited), 1);
    MainWindow window;
    window.useSettings(&store);
    QVERIFY(window.options()->presets()->isEdited());
    // Reset Settings leaves no preset chosen.
    window.resetSettings();
    QVERIFY(window.options()->presets()->chosenName().isEmpty());
}

QTEST_MAIN(TestPresetPopup)
#include "tst_presetpopup.moc"
