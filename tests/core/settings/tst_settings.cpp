#include "options/ControlTexts.h"
#include "options/FontList.h"
#include "options/SettingsOptions.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Every stored value away from its default, so a lost or swapped key shows.
static AppSettings unusualSettings()
{
    AppSettings s;
    s.menuBarOpened = 3;
    s.lightTitleAndSizeHidden = 0;
    s.fileCheckBoxSelected = 3;
    s.titleField = QStringLiteral("Été, \"quoted\" ; =x");
    s.resizeBox = 1;
    s.widthSide = 0;
    s.heightSide = 1;
    s.widthField = QString();
    s.heightField = QStringLiteral("1234");
    s.lightLogoHidden = 0;
    s.enableLogo = 1;
    QImage logo(7, 5, QImage::Format_ARGB32);
    logo.fill(QColor(10, 200, 30, 128));
    logo.setPixelColor(3, 2, QColor(255, 0, 0, 0));
    s.logoImage = logo;
    s.logoOpacity = 0.456f;
    s.logoPopUp = 2;
    s.logoPosition = 4;
    s.lightWatermarkHidden = 0;
    s.enableWatermark = 1;
    s.watermarkText = QStringLiteral("© Ana Müller");
    s.watermarkOpacity = 0.1f;
    s.watermarkPopUp = 3;
    s.watermarkColor = QColor(QRgba64::fromRgba64(0x1234, 0xabcd, 0x0001, 0xffff));
    s.fontListPopup = 7;
    s.watermarkPosition = 6;
    s.lightCopyrightHidden = 0;
    s.enableCopyright = 1;
    s.copyrightLinesTag = 4;
    s.copyrightOpacity = 1.0f;
    s.copyrightColor = QColor(1, 2, 3, 4);
    s.fileFormatPopUp = 3;
    s.jpegQuality = 0.33f;
    s.zoom = 0.9f;
    s.fontFamily = QStringLiteral("DejaVu Sans");
    return s;
}

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void percentLabels_data();
    void percentLabels();
    void sizeTexts_data();
    void sizeTexts();
    void startingFont_data();
    void startingFont();

    void firstRunGivesTheShippedDefaults();
    void roundTripKeepsEveryKey();
    void presentFileMissingKeysReadAsNothing();
    void unusableValuesTakeTheDefaults();
    void unparsableFileIsSetAside();
    void resetReplacesTheStore();
    void settingsBecomeConversionControls();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestSettings::percentLabels_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("0.456 rounds to hundredths first") << 0.456f << "46 %";
    QTest::newRow("one") << 1.0f << "100 %";
    QTest::newRow("half") << 0.5f << "50 %";
    QTest::newRow("quarter") << 0.25f << "25 %";
    QTest::newRow("zero") << 0.0f << "0 %";
    QTest::newRow("0.994 shows 99") << 0.994f << "99 %";
    QTest::newRow("0.996 shows 100") << 0.996f << "100 %";
}

void TestSettings::percentLabels()
{
    QFETCH(float, value);
    QFETCH(QString, label);
    QCOMPARE(percentLabel(value), label);
}

void TestSettings::sizeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("6000") << "6000" << true;
    QTest::newRow("leading zeros") << "0042" << true;
    QTest::newRow("6001") << "6001" << false;
    QTest::newRow("fifth digit") << "12345" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("minus") << "-1" << false;
    QTest::newRow("space") << " 1" << false;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0661)) << false;
}

void TestSettings::sizeTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isAcceptableSizeText(text), accepted);
}

void TestSettings::startingFont_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("systemSans");
    QTest::addColumn<int>("index");
    QTest::newRow("Lucida Grande beats Gill Sans before it")
        << QStringList {"Arial", "Gill Sans", "Lucida Grande"} << "Arial" << 2;
    QTest::newRow("Helvetica beats both")
        << QStringList {"Gill Sans", "Helvetica", "Lucida Grande"} << "" << 1;
    QTest::newRow("system sans when none") << QStringList {"C059", "DejaVu Sans", "Z003"} << "DejaVu Sans" << 1;
    QTest::newRow("item 0 when the sans is not listed") << QStringList {"C059", "Z003"} << "Nimbus" << 0;
    QTest::newRow("empty list") << QStringList {} << "DejaVu Sans" << -1;
    QTest::newRow("case matters") << QStringList {"helvetica", "Gill Sans"} << "" << 1;
}

void TestSettings::startingFont()
{
    QFETCH(QStringList, families);
    QFETCH(QString, systemSans);
    QFETCH(int, index);
    QCOMPARE(defaultFontIndex(families, systemSans), index);
}

void TestSettings::firstRunGivesTheShippedDefaults()
{
    SettingsStore store(path("first/pressmark.conf"));
    QVERIFY(store.isFirstRun());
    const AppSettings loaded = store.load();
    QCOMPARE(loaded, store.defaults());
    // What a new user gets: JPEG at 85, current names, no overlay, white text.
    QCOMPARE(loaded.fileFormatPopUp, 0);
    QCOMPARE(loaded.jpegQuality, 0.85f);
    QCOMPARE(loaded.fileCheckBoxSelected, 1);
    QCOMPARE(loaded.enableWatermark, 0);
    QCOMPARE(*loaded.watermarkColor, QColor(Qt::white));
    QVERIFY(!loaded.logoImage); // the well keeps the shipped logo
    QVERIFY(!shippedLogo().isNull());

    QVERIFY(store.save(loaded));
    QVERIFY(!store.isFirstRun());
    QSettings written(store.filePath(), QSettings::IniFormat);
    for (const char *key : kSettingsKeys)
        QVERIFY2(written.contains(QLatin1String(key)), key);
    QCOMPARE(written.allKeys().size(), 32); // the 31 and the font's name
}

void TestSettings::roundTripKeepsEveryKey()
{
    SettingsStore store(path("round/pressmark.conf"));
    const AppSettings saved = unusualSettings();
    QVERIFY(store.save(saved));
    const AppSettings loaded = store.load();
    QVERIFY(store.problems().isEmpty());
    QCOMPARE(loaded.watermarkColor->rgba64(), saved.watermarkColor->rgba64());
    QCOMPARE(loaded.logoImage->pixelColor(3, 2).alpha(), 0);
    QCOMPARE(loaded.logoImage->pixelColor(0, 0), QColor(10, 200, 30, 128));
    QVERIFY(loaded == saved);

    // An independent reader sees the keys as spelled, integers as integers.
    QSettings raw(store.filePath(), QSettings::IniFormat);
    QCOMPARE(raw.value("zqLogoPossitionRadioGroup").toInt(), 4);
    QCOMPARE(raw.value("zqSelectedCopyrightLinesMAtrix").toInt(), 4);
    QCOMPARE(raw.value("zqFontListPopup").toInt(), 7);
    QCOMPARE(raw.value("zqFontFamilyName").toString(), QStringLiteral("DejaVu Sans"));
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
    QCOMPARE(loaded.logoPopUp, 2);
    QCOMPARE(loaded.logoOpacity, 0.0f);
    QCOMPARE(loaded.fileCheckBoxSelected, 0);
    QVERIFY(!loaded.copyrightColor); // the window then gives it the watermark's colour
    QCOMPARE(*loaded.watermarkColor, QColor(0x10, 0x20, 0x30));
    const OptionControls controls = optionControlsFromSettings(loaded, {"A", "B"}, "B");
    QCOMPARE(controls.copyrightColor, QColor(0x10, 0x20, 0x30));
}

void TestSettings::unusableValuesTakeTheDefaults()
{
    const QString file = path("bad.conf");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[General]\n"
              "zqLogoPopUp=7\n"                              // no such item
              "zqSliderLogoOpacity=nan\n"                    // not a number a slider holds
              "zqSliderWatermarkOpacity=2.5\n"               // out of range
              "fileCheckBoxSelected=two\n"                   // not an integer
              "inputWidth=9000\n"                            // the field would refuse it
              "zqWatermarkColorWell=@ByteArray(not a colour)\n"
              "zqLogoImage=@ByteArray(\\x89PNG broken)\n"
              "titleField=a, b\n"                            // a list, not a text
              "zqJpgQualitySlider=0.5\n");                   // fine
    out.close();
    SettingsStore store(file);
    const AppSettings defaults = store.defaults();
    const AppSettings loaded = store.load();
    QCOMPARE(loaded.logoPopUp, defaults.logoPopUp);
    QCOMPARE(loaded.logoOpacity, defaults.logoOpacity);
    QCOMPARE(loaded.watermarkOpacity, defaults.watermarkOpacity);
    QCOMPARE(loaded.fileCheckBoxSelected, defaults.fileCheckBoxSelected);
    QCOMPARE(loaded.widthField, defaults.widthField);
    QCOMPARE(*loaded.watermarkColor, *defaults.watermarkColor);
    QVERIFY(!loaded.logoImage);
    QCOMPARE(loaded.titleField, defaults.titleField);
    QCOMPARE(loaded.jpegQuality, 0.5f);
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
    const AppSettings loaded = store.load();
    QCOMPARE(loaded, store.defaults());
    QVERIFY(!store.errorString().isEmpty());
    QVERIFY(QFile::exists(file + ".unreadable"));

    // A folder where the file should be: defaults, and saving says it failed.
    QDir().mkpath(path("folder.conf"));
    SettingsStore blocked(path("folder.conf"));
    QCOMPARE(blocked.load(), blocked.defaults());
    QVERIFY(!blocked.save(unusualSettings()));
}

void TestSettings::resetReplacesTheStore()
{
    SettingsStore store(path("reset/pressmark.conf"));
    QVERIFY(store.save(unusualSettings()));
    QVERIFY(store.resetToDefaults());
    QCOMPARE(store.load(), store.defaults());

    SettingsStore noDefaults(path("reset2/pressmark.conf"), path("none.conf"));
    QVERIFY(noDefaults.save(unusualSettings()));
    QVERIFY(!noDefaults.resetToDefaults());
    QVERIFY(noDefaults.load() == unusualSettings());
}

void TestSettings::settingsBecomeConversionControls()
{
    const QStringList fonts = {"Alpha", "DejaVu Sans", "Zeta"};
    AppSettings s = unusualSettings();
    OptionControls c = optionControlsFromSettings(s, fonts, "Zeta");
    QCOMPARE(c.addTextState, 1);
    QCOMPARE(c.title, s.titleField);
    QCOMPARE(c.heightText, QStringLiteral("1234"));
    QCOMPARE(c.watermarkFont, QStringLiteral("DejaVu Sans")); // the name wins over index 7
    QCOMPARE(c.copyrightPattern, 4);
    QCOMPARE(c.formatIndex, 3);
    QCOMPARE(c.logoImage.size(), QSize(7, 5));

    // Current names empty the title; a pattern switches the lines on; an unknown name falls
    // back to the index, an index past the list to the starting font.
    s.fileCheckBoxSelected = 1;
    s.enableCopyright = 0;
    s.copyrightLinesTag = 2;
    s.fontFamily = QStringLiteral("Uninstalled");
    s.fontListPopup = 2;
    c = optionControlsFromSettings(s, fonts, "Alpha");
    QVERIFY(c.title.isEmpty());
    QCOMPARE(c.enableCopyrightState, 1);
    QCOMPARE(c.copyrightPattern, 2);
    QCOMPARE(c.watermarkFont, QStringLiteral("Zeta"));
    s.fontListPopup = 99;
    QCOMPARE(optionControlsFromSettings(s, fonts, "Alpha").watermarkFont, QStringLiteral("Alpha"));

    // No stored logo: the shipped one, as the well shows it.
    s.logoImage.reset();
    QCOMPARE(optionControlsFromSettings(s, fonts, "Alpha").logoImage.size(), shippedLogo().size());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
