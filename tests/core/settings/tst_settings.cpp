#include "TestImages.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedLogo.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The settings file: its keys, what a first run gets, what survives a save, what a damaged file
// still gives.
class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keysAsStoredFilesSpellThem();
    void firstRunGivesTheShippedDefaults();
    void roundTripKeepsEveryKey();
    void presentFileMissingKeysReadAsNothing();
    void unusableValuesTakeTheDefaults();
    void unparsableFileIsSetAside();
    void resetReplacesTheStore();
    void filesThatAreNotSettings();
    void savingReplacesOnlyARegularFile();
    void unreadableFileIsNeverReplaced();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestSettings::keysAsStoredFilesSpellThem()
{
    // Files written by every earlier version use these keys, typos included; keys added since
    // are our own ("pm..."), each once.
    const QStringList stored = {"menuBarOpened",
                                "zqLightTitleAndSize",
                                "fileCheckBoxSelected",
                                "titleField",
                                "checkBoxEnableEditSize",
                                "radioWidth",
                                "radioHeight",
                                "inputWidth",
                                "inputHeight",
                                "zqLightLogo",
                                "zqEnableLogoChkBox",
                                "zqLogoImage",
                                "zqSliderLogoOpacity",
                                "zqLogoPopUp",
                                "zqLogoPossitionRadioGroup",
                                "zqLightWatermark",
                                "zqEnableWatermarkChkBox",
                                "zqWatermarkTextField",
                                "zqSliderWatermarkOpacity",
                                "zqWatermarkPopUp",
                                "zqWatermarkColorWell",
                                "zqFontListPopup",
                                "zqWatermarkPossitionRadioGroup",
                                "zqLightCopyright",
                                "zqEnableCopyrightChkBox",
                                "zqSelectedCopyrightLinesMAtrix",
                                "zqSliderCopyrightOpacity",
                                "zqCopyrightColorWell",
                                "zqFileFormatPopUp",
                                "zqJpgQualitySlider",
                                "zqZoomSlider",
                                "zqFontFamilyName"};
    QStringList keys, earlier;
    for (const SettingRow &row : settingRows()) {
        keys << row.keyName();
        if (!row.keyName().startsWith(QLatin1String("pm")))
            earlier << row.keyName();
    }
    QCOMPARE(earlier, stored);
    QCOMPARE(keys.size(), int(QSet<QString>(keys.begin(), keys.end()).size()));
}

void TestSettings::firstRunGivesTheShippedDefaults()
{
    SettingsStore store(path("first/pressmark.conf"));
    QVERIFY(store.isFirstRun());
    const AppSettings loaded = store.load();
    QCOMPARE(loaded, shippedSettings());
    // What a new user gets: JPEG at 85, current names, no overlay, white text, no section open.
    QCOMPARE(loaded.integer(Setting::Format), 0);
    QCOMPARE(loaded.fraction(Setting::JpegQuality), 0.85f);
    QCOMPARE(loaded.integer(Setting::Naming), 1);
    QCOMPARE(loaded.integer(Setting::WatermarkOn), 0);
    QCOMPARE(loaded.integer(Setting::CopyrightPattern), -1);
    QCOMPARE(loaded.integer(Setting::OpenSection), 0);
    QCOMPARE(*loaded.color(Setting::WatermarkColor), QColor(Qt::white));
    QVERIFY(!loaded.picture(Setting::LogoPicture)); // the well keeps the shipped logo
    QVERIFY(!shippedLogo().isNull());

    QVERIFY(!store.save(loaded).failed());
    QVERIFY(!store.isFirstRun());
    QSettings written(store.filePath(), QSettings::IniFormat);
    QCOMPARE(written.allKeys().size(), kSettingCount); // the 31, the font's name and any added since
    for (const SettingRow &row : settingRows())
        QVERIFY2(written.contains(row.keyName()), row.key);
    // The shipped values come back exactly as the defaults have them.
    QCOMPARE(store.load(), shippedSettings());
    QVERIFY(store.problems().isEmpty());
}

void TestSettings::roundTripKeepsEveryKey()
{
    SettingsStore store(path("round/pressmark.conf"));
    const AppSettings saved = TestImages::unusualSettings();
    QVERIFY(saved != shippedSettings());
    QVERIFY(!store.save(saved).failed());
    const AppSettings loaded = store.load();
    QVERIFY2(store.problems().isEmpty(), qPrintable(store.problems().join(' ')));
    for (const SettingRow &row : settingRows()) {
        AppSettings one = shippedSettings();
        one.copy(row.setting, loaded);
        AppSettings expected = shippedSettings();
        expected.copy(row.setting, saved);
        QVERIFY2(one == expected, row.key);
    }
    QCOMPARE(loaded.picture(Setting::LogoPicture)->pixelColor(3, 2).alpha(), 0);
    QCOMPARE(loaded.picture(Setting::LogoPicture)->pixelColor(0, 0), QColor(10, 200, 30, 128));

    // An independent reader sees the keys as spelled, integers as integers.
    QSettings raw(store.filePath(), QSettings::IniFormat);
    QCOMPARE(raw.value("zqLogoPossitionRadioGroup").toInt(), 4);
    QCOMPARE(raw.value("zqSelectedCopyrightLinesMAtrix").toInt(), 4);
    QCOMPARE(raw.value("zqFontListPopup").toInt(), 1 << 20);
    QVERIFY(raw.value("zqFontFamilyName").toString().endsWith(QStringLiteral("zqFontFamilyName")));
    QVERIFY(QImage::fromData(raw.value("zqLogoImage").toByteArray(), "PNG").size() == QSize(7, 5));
}

void TestSettings::presentFileMissingKeysReadAsNothing()
{
    const QString file = path("sparse.conf");
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue("zqWatermarkColorWell", QByteArray("#ff102030"));
        s.setValue("zqLogoPopUp", 2);
    }
    SettingsStore store(file);
    const AppSettings loaded = store.load();
    QCOMPARE(loaded.integer(Setting::LogoSize), 2);
    QCOMPARE(loaded.fraction(Setting::LogoOpacity), 0.0f);
    QCOMPARE(loaded.integer(Setting::Naming), 0);
    QVERIFY(!loaded.color(Setting::CopyrightColor)); // the copyright lines then take the watermark's
    QCOMPARE(*loaded.color(Setting::WatermarkColor), QColor(0x10, 0x20, 0x30));
    QVERIFY(store.problems().isEmpty());
}

void TestSettings::unusableValuesTakeTheDefaults()
{
    const QString file = path("bad.conf");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[General]\n"
              "zqLogoPopUp=7\n"                // no such item
              "zqSliderLogoOpacity=nan\n"      // not a number a slider holds
              "zqSliderWatermarkOpacity=2.5\n" // out of range
              "fileCheckBoxSelected=two\n"     // not an integer
              "inputWidth=9000\n"              // the field would refuse it
              "zqWatermarkColorWell=@ByteArray(not a colour)\n"
              "zqCopyrightColorWell=\"@ByteArray(rgba64:70000,0,0,65535)\"\n" // a channel over 16 bits
              "zqLogoImage=@ByteArray(\\x89PNG broken)\n"
              "titleField=a, b\n"          // a list, not a text
              "zqJpgQualitySlider=0.5\n"); // fine
    out.close();
    SettingsStore store(file);
    const AppSettings defaults = shippedSettings();
    const AppSettings loaded = store.load();
    QCOMPARE(loaded.integer(Setting::LogoSize), defaults.integer(Setting::LogoSize));
    QCOMPARE(loaded.fraction(Setting::LogoOpacity), defaults.fraction(Setting::LogoOpacity));
    QCOMPARE(loaded.fraction(Setting::WatermarkOpacity), defaults.fraction(Setting::WatermarkOpacity));
    QCOMPARE(loaded.integer(Setting::Naming), defaults.integer(Setting::Naming));
    QCOMPARE(loaded.text(Setting::WidthText), defaults.text(Setting::WidthText));
    QCOMPARE(*loaded.color(Setting::WatermarkColor), *defaults.color(Setting::WatermarkColor));
    QCOMPARE(*loaded.color(Setting::CopyrightColor), *defaults.color(Setting::CopyrightColor));
    QVERIFY(!loaded.picture(Setting::LogoPicture));
    QCOMPARE(loaded.text(Setting::Title), defaults.text(Setting::Title));
    QCOMPARE(loaded.fraction(Setting::JpegQuality), 0.5f);
    QCOMPARE(store.problems().size(), 9);
    QVERIFY(store.problems().contains(QStringLiteral("zqSliderWatermarkOpacity")));
}

void TestSettings::unparsableFileIsSetAside()
{
    const QString file = path("garbage.conf");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray("[General\n\x01\x02\xff=\n[", 16));
    out.close();
    SettingsStore store(file);
    QCOMPARE(store.load(), shippedSettings());
    QVERIFY(!store.notes().isEmpty());
    QVERIFY(QFile::exists(file + ".unreadable"));

    // A folder where the file should be: defaults, and saving says it failed.
    QDir().mkpath(path("folder.conf"));
    SettingsStore blocked(path("folder.conf"));
    QCOMPARE(blocked.load(), shippedSettings());
    QCOMPARE(blocked.save(TestImages::unusualSettings()).reason, FailureReason::CannotWrite);
}

// Whatever lies at the settings path, the program starts at once with the shipped settings, and
// what the user had is kept aside when it is a file.
void TestSettings::filesThatAreNotSettings()
{
    // A FIFO with no writer would block a reader for ever.
    const QString fifo = path("fifo/pressmark.conf");
    QDir().mkpath(path("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    SettingsStore piped(fifo);
    QCOMPARE(piped.load(), shippedSettings());
    QCOMPARE(piped.notes(), QStringList {fifo + " is not a regular file; the shipped settings are used"});

    // Random bytes parse as an INI file with no settings keys: set aside, not taken silently.
    const QString noise = path("noise/pressmark.conf");
    QDir().mkpath(path("noise"));
    QByteArray bytes(4096, '\0');
    std::mt19937 random(3);
    for (char &b : bytes)
        b = char(random());
    QFile out(noise);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    SettingsStore random_(noise);
    QCOMPARE(random_.load(), shippedSettings());
    QCOMPARE(random_.notes().size(), 1);
    QFile aside(noise + ".unreadable");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), bytes);

    // A title no file name can hold is refused at once, the rest kept.
    const QString huge = path("huge/pressmark.conf");
    AppSettings values = TestImages::unusualSettings();
    values.setText(Setting::Title, QString(1024 * 1024, QLatin1Char('t')));
    QVERIFY(!SettingsStore(huge).save(values).failed());
    SettingsStore reading(huge);
    QElapsedTimer clock;
    clock.start();
    const AppSettings loaded = reading.load();
    QCOMPARE(loaded.text(Setting::Title), shippedSettings().text(Setting::Title));
    QCOMPARE(loaded.text(Setting::WidthText), TestImages::unusualSettings().text(Setting::WidthText));
    QCOMPARE(reading.notes(), QStringList {"settings replaced by their defaults: titleField"});
    QVERIFY(clock.elapsed() < 5000);
}

void TestSettings::resetReplacesTheStore()
{
    SettingsStore store(path("reset/pressmark.conf"));
    QVERIFY(!store.save(TestImages::unusualSettings()).failed());
    QVERIFY(!store.resetToDefaults().failed());
    QCOMPARE(store.load(), shippedSettings());
}

// Runs `task` in a child process; its exit code, or -1 when it had not ended after ten seconds
// (it is then killed).
static int exitCodeWithin10s(const std::function<int()> &task)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(task());
    for (int i = 0; i < 1000; ++i) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        QTest::qSleep(10);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

// Closing the window saves: a FIFO at the settings path once blocked that save for ever. A
// save writes a new file and renames it over the old one, only when that is a regular file.
void TestSettings::savingReplacesOnlyARegularFile()
{
    const QString fifo = path("fifo-save/pressmark.conf");
    QDir().mkpath(path("fifo-save"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int saved = exitCodeWithin10s([&] {
        SettingsStore store(fifo);
        store.load();
        const Failure failure = store.save(TestImages::unusualSettings());
        return failure.reason == FailureReason::CannotWrite && failure.detail.contains("not a regular file")
                   ? 0
                   : 1;
    });
    QCOMPARE(saved, 0);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    QCOMPARE(QDir(path("fifo-save"))
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"pressmark.conf"});

    // A settings file kept elsewhere and linked to stays linked, and gets the new settings.
    const QString real = path("dotfiles/pressmark.conf"), linked = path("linked/pressmark.conf");
    QDir().mkpath(path("dotfiles"));
    QDir().mkpath(path("linked"));
    QVERIFY(QFile::link(real, linked));
    SettingsStore store(linked);
    QVERIFY(!store.save(TestImages::unusualSettings()).failed());
    QVERIFY(QFileInfo(linked).isSymLink());
    QCOMPARE(SettingsStore(real).load(), TestImages::unusualSettings());
    QVERIFY(!store.save(shippedSettings()).failed());
    QCOMPARE(store.load(), shippedSettings());
    QCOMPARE(QDir(path("linked")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"pressmark.conf"});
}

// An unreadable settings file is set aside under a name that replaces nothing; when it cannot
// be, it is left where it is and never written over. A read-only store writes nothing at all.
void TestSettings::unreadableFileIsNeverReplaced()
{
    const QByteArray garbage("[General\n\x01\x02\xff=\n[", 16);
    const QString file = path("aside/pressmark.conf");
    QDir().mkpath(path("aside"));
    TestImages::writeFile(file, garbage);
    TestImages::writeFile(file + ".unreadable", "the user's own");
    TestImages::writeFile(file + ".unreadable-2", "the user's own too");
    SettingsStore store(file);
    QCOMPARE(store.load(), shippedSettings());
    QCOMPARE(TestImages::readFile(file + ".unreadable"), QByteArray("the user's own"));
    QCOMPARE(TestImages::readFile(file + ".unreadable-2"), QByteArray("the user's own too"));
    QCOMPARE(TestImages::readFile(file + ".unreadable-3"), garbage);
    QVERIFY(!store.save(TestImages::unusualSettings()).failed());
    QCOMPARE(store.load(), TestImages::unusualSettings());

    // Every name to set it aside under is taken: it stays, and saving leaves it alone.
    const QString crowded = path("crowded/pressmark.conf");
    QDir().mkpath(path("crowded"));
    TestImages::writeFile(crowded, garbage);
    TestImages::writeFile(crowded + ".unreadable", "taken");
    for (int n = 2; n <= 100; ++n)
        TestImages::writeFile(crowded + QStringLiteral(".unreadable-%1").arg(n), "taken");
    SettingsStore stuck(crowded);
    QCOMPARE(stuck.load(), shippedSettings());
    QCOMPARE(stuck.save(TestImages::unusualSettings()).reason, FailureReason::CannotWrite);
    QCOMPARE(TestImages::readFile(crowded), garbage);

    // Read only: the reason is given, nothing is moved, copied or written.
    const QString other = path("readonly/pressmark.conf");
    QDir().mkpath(path("readonly"));
    TestImages::writeFile(other, garbage);
    SettingsStore reader(other, SettingsStore::Access::ReadOnly);
    QCOMPARE(reader.load(), shippedSettings());
    QCOMPARE(reader.unreadableReason(), QStringLiteral("it does not hold Pressmark settings"));
    QCOMPARE(reader.save(TestImages::unusualSettings()).reason, FailureReason::CannotWrite);
    QCOMPARE(QDir(path("readonly")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"pressmark.conf"});
    QCOMPARE(TestImages::readFile(other), garbage);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
