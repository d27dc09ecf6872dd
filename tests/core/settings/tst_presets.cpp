#include "TestImages.h"
#include "options/OptionsFromSettings.h"
#include "settings/PresetStore.h"

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether two option values would convert alike.
bool sameOptions(const ConversionOptions &a, const ConversionOptions &b)
{
    return a.naming == b.naming && a.title == b.title && a.resize == b.resize && a.resizeTo == b.resizeTo &&
           a.fitHeight == b.fitHeight && a.neverEnlarge == b.neverEnlarge && a.format == b.format &&
           a.jpegQuality == b.jpegQuality && a.outputProfile == b.outputProfile && a.metadata == b.metadata &&
           a.logo.enabled == b.logo.enabled && a.logo.picture == b.logo.picture &&
           a.logo.size == b.logo.size && a.logo.position == b.logo.position &&
           a.logo.opacity == b.logo.opacity && a.watermark.enabled == b.watermark.enabled &&
           a.watermark.text == b.watermark.text && a.watermark.fontFamily == b.watermark.fontFamily &&
           a.watermark.size == b.watermark.size && a.watermark.color == b.watermark.color &&
           a.watermark.opacity == b.watermark.opacity && a.watermark.position == b.watermark.position &&
           a.copyright.enabled == b.copyright.enabled && a.copyright.pattern == b.copyright.pattern &&
           a.copyright.color == b.copyright.color && a.copyright.opacity == b.copyright.opacity;
}

QStringList optionKeys()
{
    QStringList keys;
    for (const SettingRow &row : settingRows())
        if (isPresetRow(row))
            keys << row.keyName();
    return keys;
}

// Every file under a folder, hidden ones too, relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

// Presets: what a save keeps, what an export holds, what a newer version's or a damaged file
// gives, and that no name leads out of the presets folder.
class TestPresets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripKeepsEveryOption();
    void exportHoldsOnlyOptions();
    void newerKeysLoadWithANote();
    void presetSetsOnlyWhatItHolds();
    void filesThatAreNotPresets_data();
    void filesThatAreNotPresets();
    void namesStayInsideTheFolder_data();
    void namesStayInsideTheFolder();
    void namesThatCannotBe_data();
    void namesThatCannotBe();
    void clashesRenamesAndRemoval();
    void symbolicLinksAreNotFollowed();
    void readOnlyStoreChangesNothing();
};

void TestPresets::roundTripKeepsEveryOption()
{
    QTemporaryDir dir;
    PresetStore store(dir.filePath("presets"));
    const AppSettings saved = TestImages::unusualSettings(shippedSettings());
    QVERIFY(!store.save(QStringLiteral("Everything"), saved).failed());
    const Result<Preset> loaded = store.load(QStringLiteral("Everything"));
    QVERIFY2(loaded.ok(), qPrintable(loaded.failure().text()));
    QVERIFY2(loaded.value().notes().isEmpty(), qPrintable(loaded.value().notes().join('\n')));
    QCOMPARE(loaded.value().name, QStringLiteral("Everything"));
    for (const SettingRow &row : settingRows()) {
        if (!isPresetRow(row)) {
            QVERIFY2(!loaded.value().held.contains(row.setting), row.key);
            continue;
        }
        QVERIFY2(loaded.value().held.contains(row.setting), row.key);
        AppSettings one = shippedSettings(), expected = shippedSettings();
        one.copy(row.setting, loaded.value().values);
        expected.copy(row.setting, saved);
        QVERIFY2(one == expected, row.key);
    }
    // Applied to anything, it gives the options it was saved with.
    const FontChoices fonts {{QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("A")};
    const AppSettings applied = loaded.value().appliedTo(shippedSettings());
    QVERIFY(sameOptions(optionsFromSettings(applied, ConversionOptions(), fonts),
                        optionsFromSettings(saved, ConversionOptions(), fonts)));
    QVERIFY(!sameOptions(optionsFromSettings(applied, ConversionOptions(), fonts),
                         optionsFromSettings(shippedSettings(), ConversionOptions(), fonts)));
    // The window's own rows are the base's.
    QCOMPARE(applied.fraction(Setting::Zoom), shippedSettings().fraction(Setting::Zoom));
}

void TestPresets::exportHoldsOnlyOptions()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("web.ini");
    QVERIFY(!PresetStore::writeFile(file, TestImages::unusualSettings(shippedSettings())).failed());
    QSettings written(file, QSettings::IniFormat);
    QStringList keys = written.allKeys(), expected = optionKeys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    for (const char *windowKey : {"pmWindowGeometry", "pmOutputFolder", "pmLastInputFolder", "zqZoomSlider",
                                  "menuBarOpened", "zqLightLogo", "pmPreset"})
        QVERIFY2(!written.contains(windowKey), windowKey);
    QCOMPARE(filesUnder(dir.path()), QStringList {"web.ini"}); // nothing left beside it
    // Made as the user's files are, not private as the settings' new file is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0666 & ~mask);
    // Read back as an import.
    const Result<Preset> imported = PresetStore::readFile(file);
    QVERIFY(imported.ok());
    QCOMPARE(imported.value().name, QStringLiteral("web"));
    QCOMPARE(imported.value().held.size(), expected.size());
}

void TestPresets::newerKeysLoadWithANote()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("from a newer version.ini");
    TestImages::writeFile(file, "[General]\n"
                                "zqFileFormatPopUp=4\n"
                                "zqJpgQualitySlider=0.7\n"
                                "pmSharpen=2\n"
                                "zqLogoPopUp=9\n" // no such size: the default, said
                                "pmWindowGeometry=1,2,3,4\n"
                                "\n[Later]\n"
                                "thing=1\n");
    const Result<Preset> preset = PresetStore::readFile(file);
    QVERIFY2(preset.ok(), qPrintable(preset.failure().text()));
    QCOMPARE(preset.value().values.integer(Setting::Format), 4);
    QCOMPARE(preset.value().values.fraction(Setting::JpegQuality), 0.7f);
    QCOMPARE(preset.value().values.integer(Setting::LogoSize), 1);
    QCOMPARE(preset.value().unknown, (QStringList {"Later/thing", "pmSharpen"}));
    QCOMPARE(preset.value().replaced, QStringList {"zqLogoPopUp"});
    const QStringList notes = preset.value().notes();
    QCOMPARE(notes.size(), 2);
    QVERIFY2(notes.at(0).contains("pmSharpen") && notes.at(0).contains("Later/thing"),
             qPrintable(notes.at(0)));
    QVERIFY2(notes.at(1).contains("zqLogoPopUp"), qPrintable(notes.at(1)));
    // The window's place in it is neither an option nor unknown: it is passed over.
    QVERIFY(!preset.value().held.contains(Setting::WindowGeometry));
}

void TestPresets::presetSetsOnlyWhatItHolds()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("webp.ini");
    TestImages::writeFile(file, "[General]\nzqFileFormatPopUp=4\nzqJpgQualitySlider=0.7\n");
    const Result<Preset> preset = PresetStore::readFile(file);
    QVERIFY(preset.ok());
    AppSettings base = shippedSettings();
    base.setText(Setting::WatermarkText, QStringLiteral("mine"));
    base.setInteger(Setting::WatermarkOn, 1);
    const AppSettings applied = preset.value().appliedTo(base);
    QCOMPARE(applied.integer(Setting::Format), 4);
    QCOMPARE(applied.fraction(Setting::JpegQuality), 0.7f);
    QCOMPARE(applied.text(Setting::WatermarkText), QStringLiteral("mine"));
    QCOMPARE(applied.integer(Setting::WatermarkOn), 1);
}

void TestPresets::filesThatAreNotPresets_data()
{
    QTest::addColumn<QString>("said"); // the row's name says what the file is
    QTest::newRow("random") << "is not a Pressmark preset";
    QTest::newRow("jpeg") << "is not a Pressmark preset";
    QTest::newRow("empty") << "holds none of the options";
    QTest::newRow("window's only") << "holds none of the options";
    QTest::newRow("another program's") << "holds none of the options";
    QTest::newRow("huge") << "larger than a preset can be (64 MiB)";
    QTest::newRow("folder") << "is a folder";
    QTest::newRow("fifo") << "is not a regular file";
    QTest::newRow("missing") << "No such file";
}

void TestPresets::filesThatAreNotPresets()
{
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString file = dir.filePath("preset.ini");
    if (kind == "random") {
        QByteArray bytes(4096, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919 + 13) % 251);
        TestImages::writeFile(file, bytes);
    } else if (kind == "jpeg") {
        TestImages::writeWithQt(TestImages::quadrants(40, 30), file, "jpeg", 90);
    } else if (kind == "empty") {
        TestImages::writeFile(file, QByteArray());
    } else if (kind == "window's only") {
        TestImages::writeFile(file, "[General]\npmWindowGeometry=1,2,3,4\nzqZoomSlider=0.3\n");
    } else if (kind == "another program's") {
        TestImages::writeFile(file, "[Desktop Entry]\nName=Something\nExec=true\n");
    } else if (kind == "huge") {
        // Sparse: the size is refused before anything is read.
        const int fd = ::open(QFile::encodeName(file).constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, PresetStore::kMaxFileBytes + 1), 0);
        ::close(fd);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(file));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0); // nothing waits on it
    }
    const Result<Preset> preset = PresetStore::readFile(file);
    QVERIFY(!preset.ok());
    QVERIFY2(preset.failure().detail.contains(said), qPrintable(preset.failure().text()));
    QVERIFY2(preset.failure().detail.contains(file), qPrintable(preset.failure().text()));
}

void TestPresets::namesStayInsideTheFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // empty: as typed
    QTest::newRow("plain") << "Web 1200" << QString();
    QTest::newRow("slash") << "a/b" << QString();
    QTest::newRow("parent") << "../../outside" << QString();
    QTest::newRow("dot dot") << ".." << QString();
    QTest::newRow("hidden") << ".hidden" << QString();
    QTest::newRow("percent") << "100% %2F" << QString();
    QTest::newRow("backslash") << "a\\b" << QString();
    QTest::newRow("ini suffix") << "x.ini" << QString();
    QTest::newRow("white space around") << "  Print  " << QStringLiteral("Print");
    QTest::newRow("letters of any script") << "Été 東京 ☃" << QString();
    QTest::newRow("longest") << QString(PresetStore::kMaxNameLength, QChar(u'é')) << QString();
}

void TestPresets::namesStayInsideTheFolder()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    if (kept.isEmpty())
        kept = typed;
    QTemporaryDir dir;
    const QString folder = dir.filePath("config/pressmark/presets");
    PresetStore store(folder);
    AppSettings values = shippedSettings();
    values.setInteger(Setting::Format, 1);
    QVERIFY(!store.save(typed, values).failed());
    QCOMPARE(store.names().value(), QStringList {kept});
    QVERIFY(store.contains(typed));
    // One file, in the folder, not hidden, its name one a FAT or Windows copy keeps.
    const QStringList files = filesUnder(dir.path());
    QCOMPARE(files.size(), 1);
    QVERIFY2(files.first().startsWith("config/pressmark/presets/") && !files.first().mid(25).contains('/') &&
                 !files.first().mid(25).contains('\\') && !files.first().mid(25).startsWith('.'),
             qPrintable(files.first()));
    const Result<Preset> loaded = store.load(kept);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().name, kept);
    QCOMPARE(loaded.value().values.integer(Setting::Format), 1);
    QVERIFY(!store.remove(typed).failed());
    QVERIFY(filesUnder(dir.path()).isEmpty());
}

void TestPresets::namesThatCannotBe_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty") << QString() << "needs a name";
    QTest::newRow("white space") << QStringLiteral(" \t ") << "needs a name";
    QTest::newRow("two lines") << QStringLiteral("a\nb") << "one line";
    QTest::newRow("escape") << QStringLiteral("a\x1b[2Jb") << "one line";
    QTest::newRow("a byte that is not UTF-8") << QString(QChar(0xdc80)) + "x"
                                              << "one line";
    QTest::newRow("too long") << QString(PresetStore::kMaxNameLength + 1, QChar('x')) << "at most 80";
}

void TestPresets::namesThatCannotBe()
{
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QTemporaryDir dir;
    PresetStore store(dir.filePath("presets"));
    const Failure failure = store.save(typed, shippedSettings());
    QVERIFY(failure.failed());
    QVERIFY2(failure.detail.contains(said), qPrintable(failure.detail));
    QVERIFY(filesUnder(dir.path()).isEmpty());
    QVERIFY(!store.load(typed).ok());
}

void TestPresets::clashesRenamesAndRemoval()
{
    QTemporaryDir dir;
    PresetStore store(dir.filePath("presets"));
    AppSettings png = shippedSettings(), gif = shippedSettings();
    png.setInteger(Setting::Format, 1);
    gif.setInteger(Setting::Format, 2);
    QVERIFY(!store.save("Web", png).failed());
    QVERIFY(!store.save("print", gif).failed());
    QCOMPARE(store.names().value(), (QStringList {"print", "Web"})); // regardless of case

    // A clash is refused unless a replace is asked for.
    Failure clash = store.save("Web", gif);
    QVERIFY2(clash.detail.contains("a preset named \u201cWeb\u201d exists"), qPrintable(clash.detail));
    QCOMPARE(store.load("Web").value().values.integer(Setting::Format), 1);
    QVERIFY(!store.save("Web", gif, PresetStore::Replace::Yes).failed());
    QCOMPARE(store.load("Web").value().values.integer(Setting::Format), 2);

    clash = store.rename("print", "Web");
    QVERIFY2(clash.detail.contains("exists"), qPrintable(clash.detail));
    QVERIFY(!store.rename("print", "Print/Large").failed());
    QCOMPARE(store.names().value(), (QStringList {"Print/Large", "Web"}));
    QCOMPARE(store.load("Print/Large").value().name, QStringLiteral("Print/Large"));
    QVERIFY(!store.rename("Print/Large", "Web", PresetStore::Replace::Yes).failed());
    QCOMPARE(store.names().value(), QStringList {"Web"});

    QCOMPARE(store.rename("nothing", "else").reason, FailureReason::Missing);
    QCOMPARE(store.load("nothing").failure().reason, FailureReason::Missing);
    QVERIFY(!store.remove("Web").failed());
    QCOMPARE(store.remove("Web").reason, FailureReason::Missing);
    QVERIFY(filesUnder(dir.path()).isEmpty()); // nothing half-written left behind
}

void TestPresets::symbolicLinksAreNotFollowed()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("presets");
    PresetStore store(folder);
    QVERIFY(!store.save("mine", shippedSettings()).failed());
    // A link put among the presets is neither listed nor read, and a save replaces the link, not
    // the file it leads to.
    const QString elsewhere = dir.filePath("elsewhere.ini");
    TestImages::writeFile(elsewhere, "[General]\nzqFileFormatPopUp=3\n");
    QVERIFY(QFile::link(elsewhere, folder + "/planted.ini"));
    QCOMPARE(store.names().value(), QStringList {"mine"});
    const Result<Preset> read = store.load("planted");
    QVERIFY(!read.ok());
    QVERIFY2(read.failure().detail.contains("symbolic link"), qPrintable(read.failure().detail));
    QVERIFY(!store.save("planted", shippedSettings(), PresetStore::Replace::Yes).failed());
    QCOMPARE(TestImages::readFile(elsewhere), QByteArray("[General]\nzqFileFormatPopUp=3\n"));
    QVERIFY(!QFileInfo(folder + "/planted.ini").isSymLink());

    // An export over a link replaces the link.
    const QString link = dir.filePath("export.ini");
    QVERIFY(QFile::link(elsewhere, link));
    QVERIFY(!PresetStore::writeFile(link, shippedSettings()).failed());
    QCOMPARE(TestImages::readFile(elsewhere), QByteArray("[General]\nzqFileFormatPopUp=3\n"));
    QVERIFY(!QFileInfo(link).isSymLink());
    // A FIFO at the export's path is left alone.
    const QString fifo = dir.filePath("fifo.ini");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(PresetStore::writeFile(fifo, shippedSettings()).detail.contains("not a regular file"));
}

void TestPresets::readOnlyStoreChangesNothing()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("config/presets");
    PresetStore reader(folder, PresetStore::Access::ReadOnly);
    QVERIFY(reader.names().ok());
    QVERIFY(reader.names().value().isEmpty());
    QCOMPARE(reader.load("any").failure().reason, FailureReason::Missing);
    QVERIFY(reader.save("any", shippedSettings()).failed());
    QVERIFY(!QFileInfo::exists(dir.filePath("config")));
    QCOMPARE(PresetStore::folderBeside(dir.filePath("pressmark/pressmark.conf")),
             dir.filePath("pressmark/presets"));
}

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
