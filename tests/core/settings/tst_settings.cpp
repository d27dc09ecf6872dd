#include "settings/SettingsStore.h"
#include "settings/ShippedLogo.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <sys/stat.h>

// Every stored value away from its shipped default, so a lost or swapped key shows.
static AppSettings unusualSettings()
{
    AppSettings s;
    for (const SettingRow &row : settingRows()) {
        switch (row.type) {
        case SettingType::Integer:
            s.setInteger(row.setting, int(row.defaultNumber) == row.max ? row.min : row.max);
            break;
        case SettingType::Fraction:
            s.setFraction(row.setting, 0.456f);
            break;
        case SettingType::Text:
            s.setText(row.setting, QStringLiteral("Été, \"quoted\" ; =x %1").arg(row.keyName()));
            break;
        case SettingType::SizeText:
            s.setText(row.setting, QStringLiteral("1234"));
            break;
        case SettingType::Color:
            s.setColor(row.setting, QColor(QRgba64::fromRgba64(0x1234, 0xabcd, 0x0001, 0xffff)));
            break;
        case SettingType::Picture: {
            QImage picture(7, 5, QImage::Format_ARGB32);
            picture.fill(QColor(10, 200, 30, 128));
            picture.setPixelColor(3, 2, QColor(255, 0, 0, 0));
            s.setPicture(row.setting, picture);
            break;
        }
        }
    }
    return s;
}

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
    const AppSettings saved = unusualSettings();
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
    QVERIFY(!loaded.picture(Setting::LogoPicture));
    QCOMPARE(loaded.text(Setting::Title), defaults.text(Setting::Title));
    QCOMPARE(loaded.fraction(Setting::JpegQuality), 0.5f);
    QCOMPARE(store.problems().size(), 8);
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
    QCOMPARE(blocked.save(unusualSettings()).reason, FailureReason::CannotWrite);
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
    AppSettings values = unusualSettings();
    values.setText(Setting::Title, QString(1024 * 1024, QLatin1Char('t')));
    QVERIFY(!SettingsStore(huge).save(values).failed());
    SettingsStore reading(huge);
    QElapsedTimer clock;
    clock.start();
    const AppSettings loaded = reading.load();
    QCOMPARE(loaded.text(Setting::Title), shippedSettings().text(Setting::Title));
    QCOMPARE(loaded.text(Setting::WidthText), unusualSettings().text(Setting::WidthText));
    QCOMPARE(reading.notes(), QStringList {"settings replaced by their defaults: titleField"});
    QVERIFY(clock.elapsed() < 5000);
}

void TestSettings::resetReplacesTheStore()
{
    SettingsStore store(path("reset/pressmark.conf"));
    QVERIFY(!store.save(unusualSettings()).failed());
    QVERIFY(!store.resetToDefaults().failed());
    QCOMPARE(store.load(), shippedSettings());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
