#include "TestImages.h"
#include "settings/PresetStore.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"

#include <QtTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PRESSMARK_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Starts pressmark-cli and waits until it has written its first output; what it printed by then.
QByteArray startUntilFirstOutput(QProcess &process, const QStringList &arguments)
{
    process.start(QStringLiteral(PRESSMARK_CLI), arguments);
    QByteArray said;
    if (!process.waitForStarted())
        return said;
    while (!said.contains(" -> ") && process.waitForReadyRead(20000))
        said += process.readAllStandardOutput();
    return said;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void usageErrorsWriteNothing_data();
    void usageErrorsWriteNothing();
    void acceptedValues_data();
    void acceptedValues();
    void overlayFlagsStartFromTheShippedValues();
    void convertsAndReports();
    void folderInputs();
    void dryRunWritesNothing();
    void logLinesAreOffByDefault();
    void epsWithoutGhostscript();
    void overlaysAndTheirNotes();
    void manualPage_data();
    void manualPage();
    void completion_data();
    void completion();
    void completionScriptsParse_data();
    void completionScriptsParse();
    void interrupts_data();
    void interrupts();
    void ghostscriptEndsWithTheRun();
    void folderWithoutImagesIsSaid();
    void controlCharactersInNames();
    void namesThatAreNotUtf8();
    void memoryBudgetHoldsAtAnyJobs();
    void savedSettingsDriveARun();
    void treeWithATemplate();
    void outputFolderSwappedMidRun();
    void settingsFileIsOnlyRead();
    void resizeModes_data();
    void resizeModes();
    void sizeFlagsReplaceSavedSizes();
    void metadataRemovalIsSaidOnce();
    void presetsSavedListedAndUsed();
    void presetFileUnderFlagsAndOverSettings();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();

private:
    QTemporaryDir m_dir;
    QString m_a, m_b;
};

void TestCli::initTestCase()
{
    m_a = m_dir.filePath("été photo.jpg");
    m_b = m_dir.filePath("beach.png");
    TestImages::writeWithQt(TestImages::quadrants(300, 200), m_a, "jpeg", 90);
    TestImages::writeWithQt(TestImages::quadrants(200, 300), m_b, "png");
}

void TestCli::usageErrorsWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("width and height") << QStringList {"--width", "100", "--height", "100"};
    QTest::newRow("unknown format") << QStringList {"--format", "bmp"};
    QTest::newRow("quality over 100") << QStringList {"--quality", "101"};
    QTest::newRow("width 0") << QStringList {"--width", "0"};
    QTest::newRow("width over 6000") << QStringList {"--width", "6001"};
    QTest::newRow("width not a number") << QStringList {"--width", "12px"};
    QTest::newRow("unknown naming") << QStringList {"--naming", "rename"};
    QTest::newRow("unknown flag") << QStringList {"--sharpen"};
    QTest::newRow("jobs 0") << QStringList {"--jobs", "0"};
    QTest::newRow("new names without a title") << QStringList {"--naming", "new"};
    QTest::newRow("appended title without a title") << QStringList {"--naming", "append"};
    QTest::newRow("width and long edge") << QStringList {"--width", "100", "--long-edge", "100"};
    QTest::newRow("long edge and fit") << QStringList {"--long-edge", "100", "--fit", "100x100"};
    QTest::newRow("scale and height") << QStringList {"--scale", "50", "--height", "100"};
    QTest::newRow("fit without a height") << QStringList {"--fit", "100"};
    QTest::newRow("fit 0x100") << QStringList {"--fit", "0x100"};
    QTest::newRow("fit over 6000") << QStringList {"--fit", "100x6001"};
    QTest::newRow("scale 0") << QStringList {"--scale", "0"};
    QTest::newRow("scale over 1000") << QStringList {"--scale", "1001"};
    QTest::newRow("enlarge and never enlarge") << QStringList {"--enlarge", "--no-enlarge"};
    QTest::newRow("title longer than a file name")
        << QStringList {"--naming", "new", "--title", QString(201, QLatin1Char('t'))};
    QTest::newRow("unknown template field") << QStringList {"--naming", "template", "--template", "{foo}"};
    QTest::newRow("unknown date conversion") << QStringList {"--template", "{date:%Y%Q}"};
    QTest::newRow("template without one") << QStringList {"--naming", "template"};
    QTest::newRow("template with another naming") << QStringList {"--naming", "keep", "--template", "{n}"};
    QTest::newRow("no output folder") << QStringList {"(no -o)"};
    QTest::newRow("no inputs") << QStringList {"(no input)"};
}

void TestCli::usageErrorsWriteNothing()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir out;
    // The output folder and an input follow the flags, unless the row leaves one out.
    if (!arguments.removeOne("(no -o)"))
        arguments << "-o" << out.path();
    if (!arguments.removeOne("(no input)"))
        arguments << m_a;
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith(QStringLiteral("pressmark-cli: ")));
    QCOMPARE(filesIn(out.path()), QStringList());
}

void TestCli::acceptedValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name"); // the output's name
    // Choice words in any case.
    QTest::newRow("capitals") << QStringList {"--format", "PNG", "--naming", "KEEP"} << "beach.png";
    QTest::newRow("mixed case") << QStringList {"--format", "Tiff", "--naming", "New", "--title", "t"}
                                << "t1.tiff";
    QTest::newRow("a word with a dash")
        << QStringList {"--format", "JPEG-XL", "--metadata", "No-Location"} << "beach.jxl";
    // The newer formats, by their words and by a settings file's stored index (what they write
    // is tst_modern_formats' to read back).
    QTest::newRow("webp") << QStringList {"--format", "webp"} << "beach.webp";
    QTest::newRow("avif") << QStringList {"--format", "avif"} << "beach.avif";
    QTest::newRow("jxl") << QStringList {"--format", "jxl"} << "beach.jxl";
    QTest::newRow("jpegxl, an alias") << QStringList {"--format", "jpegxl"} << "beach.jxl";
    for (const auto &[index, name] : {std::pair {4, "beach.webp"}, std::pair {6, "beach.jxl"}}) {
        const QString file = m_dir.filePath(QStringLiteral("format%1.conf").arg(index));
        TestImages::writeFile(file, "[General]\nzqFileFormatPopUp=" + QByteArray::number(index) + "\n");
        QTest::addRow("index %d in a settings file", index) << QStringList {"--settings", file} << name;
    }
    // The ends of every range.
    QTest::newRow("width 6000") << QStringList {"--width", "6000"} << "beach.jpg";
    QTest::newRow("width 1") << QStringList {"--width", "1"} << "beach.jpg";
    QTest::newRow("fit 6000x6000") << QStringList {"--fit", "6000x6000"} << "beach.jpg";
    QTest::newRow("scale 1000") << QStringList {"--scale", "1000"} << "beach.jpg";
    QTest::newRow("quality 0") << QStringList {"--quality", "0"} << "beach.jpg";
    QTest::newRow("quality 100") << QStringList {"--quality", "100"} << "beach.jpg";
    QTest::newRow("jobs 1") << QStringList {"--jobs", "1"} << "beach.jpg";
    QTest::newRow("jobs 256") << QStringList {"--jobs", "256"} << "beach.jpg";
    QTest::newRow("memory 16") << QStringList {"--memory", "16"} << "beach.jpg";
    QTest::newRow("shard 1/1") << QStringList {"--shard", "1/1"} << "beach.jpg";
}

void TestCli::acceptedValues()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QTemporaryDir out;
    const Run run = cli(arguments + QStringList {"--dry-run", "-o", out.path(), m_b});
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("%1 -> %2/%3\n1 converted, 0 failed\n").arg(m_b, out.path(), name));
}

// The watermark and the copyright lines are off in the shipped settings. Given its text alone,
// the watermark is drawn at the shipped size, medium: letters of a fortieth of the picture's width
// (20 pixels at 800). Given a colour alone, the lines are drawn in the first pattern, the diagonal
// cross, at the shipped opacity of 25 %.
void TestCli::overlayFlagsStartFromTheShippedValues()
{
    QTemporaryDir dir;
    const QString black = dir.filePath("black.png");
    QImage picture(800, 400, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.save(black);
    const Run run = cli({"--watermark", "Hi", "--copyright-color", "red", "--format", "png", "-o",
                         dir.filePath("out"), black});
    QCOMPARE(run.exitCode, 0);
    const QImage written(dir.filePath("out/black.png"));
    QCOMPARE(written.size(), picture.size());
    // The letters' ink: the rows holding pixels the white text lightened (the red lines stay
    // darker). A capital and an i's dot reach some three quarters of the font size in any
    // ordinary sans-serif family.
    int top = written.height(), bottom = -1;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
            if (qGray(written.pixel(x, y)) > 60) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const int ink = bottom - top + 1;
    QVERIFY2(ink >= 12 && ink <= 19, qPrintable(QStringLiteral("the letters are %1 pixels high").arg(ink)));
    // On the diagonals: (0, 0) to (800, 400) and (0, 400) to (800, 0).
    for (const QPoint on : {QPoint(200, 100), QPoint(400, 200), QPoint(600, 100), QPoint(100, 350)}) {
        const QRgb p = written.pixel(on);
        QVERIFY2(qRed(p) > 20 && qGreen(p) == 0 && qBlue(p) == 0,
                 qPrintable(QStringLiteral("(%1, %2) is #%3").arg(on.x()).arg(on.y()).arg(p, 8, 16)));
    }
    // Off them, where the other patterns draw: the centre cross, the lines across and down.
    for (const QPoint off : {QPoint(400, 40), QPoint(40, 200), QPoint(200, 150), QPoint(282, 300)})
        QCOMPARE(written.pixel(off), qRgb(0, 0, 0));
}

void TestCli::convertsAndReports()
{
    // Into a folder made with its parents. A missing input fails at its own position: the others
    // keep the numbers of theirs, whatever the jobs.
    QTemporaryDir out;
    const QString folder = out.filePath("new/nested"), gone = m_dir.filePath("gone.jpg");
    const Run run = cli({"-o", folder, "--width", "150", "--format", "png", "--naming", "new", "--title",
                         "Trip", "--jobs", "2", m_a, gone, m_b});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QStringLiteral("%1 -> %2/Trip1.png\n%3 -> %2/Trip3.png\n2 converted, 1 failed\n")
                          .arg(m_a, folder, m_b));
    QCOMPARE(run.err, QStringLiteral("pressmark-cli: %1: missing\n").arg(gone));
    QCOMPARE(filesIn(folder), (QStringList {"Trip1.png", "Trip3.png"}));
    QCOMPARE(TestImages::identify(folder + "/Trip3.png", "%w %h"), QStringLiteral("150 225"));
}

void TestCli::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("emptyDetail");
    QTest::newRow("German") << "de"
                            << "pressmark-cli: --jobs nimmt eine Zahl von 1 bis 256"
                            << "fehlt"
                            << "1 konvertiert, 2 fehlgeschlagen"
                            << "nicht unterstütztes oder beschädigtes Bild: die Datei ist leer";
    QTest::newRow("French") << "fr:de"
                            << "pressmark-cli: --jobs prend un nombre de 1 à 256"
                            << "introuvable"
                            << "convertis : 1, en échec : 2"
                            << "image non prise en charge ou endommagée : le fichier est vide";
    QTest::newRow("English first") << "en:de"
                                   << "pressmark-cli: --jobs takes a number from 1 to 256"
                                   << "missing"
                                   << "1 converted, 2 failed"
                                   << "unsupported or damaged image: the file is empty";
}

void TestCli::speaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, usage);
    QFETCH(QString, missing);
    QFETCH(QString, summary);
    QFETCH(QString, emptyDetail);
    // LANGUAGE alone chooses, without the locale installed.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANGUAGE", language);
    const Run wrong = cli({"-o", m_dir.filePath("never"), "--jobs", "0", m_a}, env);
    QCOMPARE(wrong.exitCode, 2);
    QCOMPARE(wrong.err.section(QLatin1Char('\n'), 0, 0), usage);
    // The core's own details are in that language too.
    QTemporaryDir out;
    const QString gone = m_dir.filePath("gone.jpg"), empty = m_dir.filePath("empty.jpg");
    TestImages::writeFile(empty, QByteArray());
    const Run run = cli({"-o", out.path(), m_a, gone, empty}, env);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QStringLiteral("pressmark-cli: %1: %2\npressmark-cli: %3: %4\n")
                          .arg(gone, missing, empty, emptyDetail));
    QCOMPARE(run.out.section(QLatin1Char('\n'), -2, -2), summary);
}

void TestCli::folderInputs()
{
    QTemporaryDir in, out;
    for (const char *name : {"b.jpg", "a.PNG", "d.Jpg", "c.txt"})
        TestImages::writeWithQt(TestImages::quadrants(20, 10), in.filePath(name), "png");
    QDir(in.path()).mkdir("sub.jpg");
    QCOMPARE(::mkfifo(QFile::encodeName(in.filePath("pipe.jpg")).constData(), 0600), 0);
    const Run run = cli({"-o", out.path(), "--quiet", in.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString());
    // The drop road's extensions, in any case; folders inside are not entered. What bears a
    // picture's name but is no file is said to be skipped.
    QCOMPARE(filesIn(out.path()), (QStringList {"a.jpg", "b.jpg", "d.jpg"}));
    QCOMPARE(run.err, QStringLiteral("pressmark-cli: %1: skipped: not a regular file\n"
                                     "pressmark-cli: %2: skipped: not a regular file\n")
                          .arg(in.filePath("pipe.jpg"), in.filePath("sub.jpg")));
}

void TestCli::dryRunWritesNothing()
{
    QTemporaryDir out;
    QFile existing(out.filePath("beach.tiff"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const Run run = cli({"-o", out.path(), "--dry-run", "--format", "tiff", m_b, m_b});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral(
                          "%1 -> %2/beach (copy).tiff\n%1 -> %2/beach (copy 2).tiff\n2 converted, 0 failed\n")
                          .arg(m_b, out.path()));
    QCOMPARE(filesIn(out.path()), QStringList {"beach.tiff"});
    QVERIFY(!QFileInfo::exists(out.filePath("later")));
    QCOMPARE(cli({"-o", out.filePath("later"), "--dry-run", m_b}).exitCode, 0);
    QVERIFY(!QFileInfo::exists(out.filePath("later")));
}

void TestCli::logLinesAreOffByDefault()
{
    QTemporaryDir out;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_LOGGING_RULES");
    // The fixture states 96 dpi, as Qt writes JPEGs.
    Run run = cli({"-o", out.path(), "--format", "tiff", m_a}, env);
    QCOMPARE(run.err, QString());
    env.insert("QT_LOGGING_RULES", "pressmark.conversion.info=true");
    run = cli({"-o", out.path(), "--format", "tiff", m_a}, env);
    QVERIFY2(
        run.err.contains(QStringLiteral("image_dpi = 96.000000, bitmap.width = 300, s.f.b.w = 225.000000")),
        qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("metref = {")));
}

void TestCli::epsWithoutGhostscript()
{
    QTemporaryDir out;
    const QString eps = m_dir.filePath("drawing.eps");
    TestImages::writeFile(eps, "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\nshowpage\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", m_dir.filePath("no-such-folder"));
    const Run run = cli({"-o", out.path(), eps, m_b}, env);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(),
             QStringLiteral("pressmark-cli: %1: EPS needs Ghostscript (package ghostscript)").arg(eps));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList {"beach.jpg"});
}

void TestCli::overlaysAndTheirNotes()
{
    QTemporaryDir out;
    const QString logo = m_dir.filePath("logo.png");
    QImage red(40, 40, QImage::Format_ARGB32);
    red.fill(Qt::red);
    red.save(logo);
    const Run run =
        cli(QStringList {"-o", out.path(), "--copyright", "cross", "--copyright-color", "#00ff00"} +
            QStringList {"--copyright-opacity", "100", "--logo", logo, "--logo-position", "top-left"} +
            QStringList {"--logo-opacity", "100", "--watermark", "Ann", "--font", "No Such Font Family"} +
            QStringList {"--format", "png", m_a, m_b});
    QCOMPARE(run.exitCode, 0);
    // The substituted font is said once for the run, not once per file.
    QCOMPARE(run.err.count(QStringLiteral("No Such Font Family")), 1);
    const QImage beach(out.filePath("beach.png"));
    QCOMPARE(beach.pixel(100, 10), qRgb(0, 255, 0)); // the centre cross's vertical line
    QCOMPARE(beach.pixel(5, 5), qRgb(255, 0, 0));    // the logo's corner: margin 2, size 50
}

void TestCli::manualPage_data()
{
    // The page in a language ("--man=de", as the build writes them), and what it says of the
    // enlarge switches' key, of the --output flag and of a key the window keeps.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("windowKey");
    QTest::newRow("English") << ""
                             << "set by --no-enlarge and --enlarge"
                             << "Output folder (created when missing)."
                             << "pmWindowGeometry The window's place and size";
    QTest::newRow("German") << "de"
                            << "gesetzt mit --no-enlarge und --enlarge"
                            << "Ausgabeordner (wird angelegt, wenn er fehlt)."
                            << "pmWindowGeometry Platz und Größe des Fensters";
    QTest::newRow("French") << "fr"
                            << "réglé par --no-enlarge et --enlarge"
                            << "Dossier de sortie (créé s'il manque)."
                            << "pmWindowGeometry La place et la taille de la fenêtre";
}

void TestCli::manualPage()
{
    QFETCH(QString, language);
    QFETCH(QString, switches);
    QFETCH(QString, output);
    QFETCH(QString, windowKey);
    // The page is in the language asked, whatever the builder's own.
    QProcessEnvironment builder = QProcessEnvironment::systemEnvironment();
    builder.insert("LANGUAGE", "fr");
    const Run man = cli({language.isEmpty() ? QStringLiteral("--man") : "--man=" + language}, builder);
    QCOMPARE(man.exitCode, 0);
    QVERIFY(man.out.startsWith(QStringLiteral(".TH PRESSMARK\\-CLI 1")));
    // groff reads it without a warning, and it names every flag and every settings key.
    QTemporaryDir dir;
    TestImages::writeFile(dir.filePath("pressmark-cli.1"), man.out.toUtf8());
    int status = -1;
    const QString text =
        TestImages::run("sh",
                        {"-c", QStringLiteral("groff -man -ww -Tutf8 -rHY=0 -rLL=200n -P -cbou %1 2>&1")
                                   .arg(dir.filePath("pressmark-cli.1"))},
                        &status);
    QCOMPARE(status, 0);
    QVERIFY2(!text.contains(QStringLiteral("warning")), qPrintable(text.left(400)));
    for (const SettingRow &row : settingRows()) {
        QVERIFY2(text.contains(row.keyName()) && row.about, row.key); // each key with what it means
        if (row.flag)
            QVERIFY2(text.contains(QStringLiteral("--%1").arg(QLatin1String(row.flag))), row.flag);
    }
    const QString words = text.simplified();
    QVERIFY2(words.contains(switches), qPrintable(switches));
    QVERIFY2(words.contains(output), qPrintable(output));
    QVERIFY2(words.contains(windowKey), qPrintable(windowKey));
    QVERIFY(words.contains(QStringLiteral("; %1").arg(language == "fr"   ? "propre à la fenêtre"
                                                      : language == "de" ? "gehört dem Fenster"
                                                                         : "the window's own")));
    // --help in that language shows the flags of its own and of every option the settings hold
    // a flag for, with what it takes; the manual page shows every one of them too, with its help.
    QProcessEnvironment reader = QProcessEnvironment::systemEnvironment();
    reader.insert("LANGUAGE", language.isEmpty() ? QStringLiteral("en") : language);
    const Run helped = cli({"--help"}, reader);
    QCOMPARE(helped.exitCode, 0);
    const QString help = helped.out;
    QVERIFY2(help.simplified().contains(output), qPrintable(help.left(400)));
    for (const char *flag :
         {"--output", "--jobs", "--dry-run", "--quiet", "--settings", "--no-enlarge ", "--enlarge "})
        QVERIFY2(help.contains(QLatin1String(flag)), flag);
    for (const SettingRow &row : settingRows())
        if (row.flag)
            QVERIFY2(help.contains(QStringLiteral("--%1 <").arg(QLatin1String(row.flag))), row.flag);
    if (language.isEmpty()) {
        const QString said = help.simplified();
        QVERIFY(said.contains(QStringLiteral("Quality of JPEG, WebP, AVIF and JPEG XL, 0-100 (default 85)")));
        QVERIFY(said.contains(QStringLiteral("jpeg, png, gif, tiff, webp, avif or jxl (default jpeg)")));
        QVERIFY(!said.contains(QStringLiteral("jpegxl")));
        const Run version = cli({"--version"});
        QVERIFY(version.exitCode == 0 && version.out.startsWith(QStringLiteral("pressmark-cli ")));
    }
    const QRegularExpression flag(QStringLiteral("^  (-\\w, )?(--[\\w-]+)"),
                                  QRegularExpression::MultilineOption);
    int flags = 0;
    for (auto it = flag.globalMatch(help); it.hasNext(); ++flags) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY2(text.contains(match.captured(2)), qPrintable(match.captured(2)));
        if (match.hasCaptured(1))
            QVERIFY2(text.contains(match.captured(1).chopped(2)), qPrintable(match.captured(1)));
    }
    QVERIFY(flags > 30);
}

void TestCli::completion_data()
{
    // The words typed, and what bash offers for the last.
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("notOffered");
    QTest::newRow("format") << QStringList {"--format", ""}
                            << QStringList {"jpeg", "png", "gif", "tiff", "webp", "avif", "jxl"}
                            << QStringList {"photo.jpg", "sub"};
    QTest::newRow("format=") << QStringList {"--format", "=", "j"} << QStringList {"jpeg", "jxl"}
                             << QStringList {"png"};
    QTest::newRow("output folder") << QStringList {"-o", ""} << QStringList {"sub"}
                                   << QStringList {"photo.jpg"};
    QTest::newRow("report file") << QStringList {"--report", ""} << QStringList {"photo.jpg", "sub"}
                                 << QStringList {};
    QTest::newRow("flags") << QStringList {"--m"} << QStringList {"--memory"} << QStringList {"--man"};
    QTest::newRow("inputs") << QStringList {"-o", "sub", "ph"} << QStringList {"photo.jpg"}
                            << QStringList {"sub"};
    QTest::newRow("jobs") << QStringList {"--jobs", ""} << QStringList {} << QStringList {"photo.jpg"};
    QTest::newRow("colour") << QStringList {"--watermark-color", "r"} << QStringList {"red", "royalblue"}
                            << QStringList {"white", "photo.jpg"};
    QTest::newRow("lines colour") << QStringList {"--copyright-color", ""} << QStringList {"white", "black"}
                                  << QStringList {"photo.jpg"};
    // Installed families (fonts-dejavu-core), a space in the name quoted as the line needs it.
    QTest::newRow("font") << QStringList {"--font", "DejaVu"} << QStringList {"DejaVu\\ Sans"}
                          << QStringList {"DejaVu Sans", "photo.jpg"};
}

void TestCli::completion()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, notOffered);
    QTemporaryDir dir;
    TestImages::writeFile(dir.filePath("photo.jpg"), "x");
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const Run script = cli({"--completion", "bash"});
    QCOMPARE(script.exitCode, 0);
    TestImages::writeFile(dir.filePath("completion.bash"), script.out.toUtf8());
    QStringList quoted = {"pressmark-cli"};
    for (const QString &word : words)
        quoted << QLatin1Char('\'') + word + QLatin1Char('\'');
    QProcess bash;
    bash.setWorkingDirectory(dir.path());
    bash.start("bash", {"-c", QStringLiteral("source ./completion.bash; COMP_WORDS=(%1); COMP_CWORD=%2; "
                                             "_pressmark_cli; printf '%s\\n' \"${COMPREPLY[@]}\"")
                                  .arg(quoted.join(' '))
                                  .arg(words.size())});
    QVERIFY(bash.waitForFinished(20000));
    QCOMPARE(bash.exitCode(), 0);
    const QStringList reply = QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    for (const QString &word : offered)
        QVERIFY2(reply.contains(word), qPrintable(word + " in " + reply.join(' ')));
    for (const QString &word : notOffered)
        QVERIFY2(!reply.contains(word), qPrintable(word + " in " + reply.join(' ')));
    if (offered.isEmpty())
        QVERIFY2(reply.isEmpty(), qPrintable(reply.join(' ')));
}

void TestCli::completionScriptsParse_data()
{
    QTest::addColumn<QString>("shell");
    QTest::addColumn<QStringList>("check");
    QTest::newRow("zsh") << "zsh" << QStringList {"-n"};
    QTest::newRow("fish") << "fish" << QStringList {"--no-execute"};
}

void TestCli::completionScriptsParse()
{
    // The zsh and fish scripts are read by their shells without an error, and name every flag.
    QFETCH(QString, shell);
    QFETCH(QStringList, check);
    if (QStandardPaths::findExecutable(shell).isEmpty())
        QSKIP(qPrintable(shell + " is not installed (package " + shell + ")"));
    const Run script = cli({"--completion", shell});
    QCOMPARE(script.exitCode, 0);
    QVERIFY(script.out.contains(QStringLiteral("jpeg png gif tiff webp avif jxl")));
    for (const char *name : {"output", "format", "report", "shard", "no-enlarge"})
        QVERIFY2(script.out.contains((shell == "zsh" ? "--" : "-l ") + QLatin1String(name)), name);
    QTemporaryDir dir;
    TestImages::writeFile(dir.filePath("script"), script.out.toUtf8());
    QProcess process;
    process.start(shell, check << dir.filePath("script"));
    QVERIFY(process.waitForFinished(20000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    if (shell == "fish") {
        // fish offers the format words after --format.
        process.start(
            shell,
            {"-c",
             QStringLiteral("source %1; complete -C 'pressmark-cli --format '").arg(dir.filePath("script"))});
        QVERIFY(process.waitForFinished(20000));
        const QString offered = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(offered.startsWith("avif\t") && offered.contains("\njxl\t"), qPrintable(offered));
    }
    QCOMPARE(cli({"--completion", "tcsh"}).exitCode, 2);
}

void TestCli::interrupts_data()
{
    QTest::addColumn<int>("interrupts");
    QTest::addColumn<QString>("format"); // PNG: slow enough for a file to be in flight at the second
    QTest::newRow("Ctrl+C") << 1 << "jpeg";
    QTest::newRow("Ctrl+C twice") << 2 << "png";
}

// Ctrl+C during a run: the file in flight is written whole, no more start, and the summary says
// how many were not started. A second Ctrl+C ends the program at once (a FIFO named like a photo
// once held a run no signal could end). Either way no partial or temporary file is left.
void TestCli::interrupts()
{
    QFETCH(int, interrupts);
    QFETCH(QString, format);
    QTemporaryDir in, out;
    const QString photo = in.filePath("big.jpg");
    QImage noise(3000, 2000, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = random();
    }
    TestImages::writeWithQt(noise, photo, "jpeg", 95);
    QStringList arguments = {"-o", out.path(), "--jobs", "1", "--format", format};
    for (int i = 0; i < 20; ++i)
        arguments << photo;
    QProcess process;
    QByteArray said = startUntilFirstOutput(process, arguments);
    QVERIFY(said.contains(" -> "));
    for (int i = 0; i < interrupts; ++i) {
        QThread::msleep(i == 0 ? 100 : 200); // the next file has started; two signals closer could be one
        ::kill(pid_t(process.processId()), SIGINT);
    }
    QVERIFY(process.waitForFinished(60000));
    said += process.readAllStandardOutput();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QStringList written = filesIn(out.path());
    for (const QString &name : written)
        QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    if (interrupts == 2) {
        QVERIFY2(process.exitCode() == 128 + SIGINT, said.constData());
        return;
    }
    QCOMPARE(process.exitCode(), 1);
    const QRegularExpressionMatch summary =
        QRegularExpression(
            QStringLiteral("(\\d+) converted, 0 failed, (\\d+) not started \\(cancelled\\)\n$"))
            .match(QString::fromUtf8(said));
    QVERIFY2(summary.hasMatch(), said.right(200).constData());
    const int converted = summary.captured(1).toInt();
    QVERIFY(converted >= 1 && converted < 20);
    QCOMPARE(summary.captured(2).toInt(), 20 - converted);
    QCOMPARE(written.size(), converted);
    for (const QString &name : written)
        QCOMPARE(TestImages::identify(out.filePath(name), "%w %h"), QStringLiteral("3000 2000"));
}

// The pid of a child of `parent` named `name`, from /proc; 0 when none.
static qint64 childProcess(qint64 parent, const QByteArray &name)
{
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        const QByteArray stat = TestImages::readFile(QStringLiteral("/proc/%1/stat").arg(pid));
        const int open = stat.indexOf('('), close = stat.lastIndexOf(')');
        if (!numeric || open < 0 || close < 0 || stat.mid(open + 1, close - open - 1) != name)
            continue;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == parent)
            return pid;
    }
    return 0;
}

void TestCli::ghostscriptEndsWithTheRun()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
        QSKIP("Ghostscript is not installed (package ghostscript)");
    QTemporaryDir temp, out;
    const QString endless = temp.filePath("endless.eps");
    TestImages::writeFile(endless, "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\n{} loop\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    const auto startRendering = [&](QProcess &process) {
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PRESSMARK_CLI), {"-o", out.path(), endless});
        qint64 gs = 0;
        for (int i = 0; i < 200 && !gs; ++i) {
            QThread::msleep(50);
            gs = childProcess(process.processId(), "gs");
        }
        return gs;
    };
    const auto goneWithin = [](qint64 pid, int ms) { // or left a zombie
        for (int waited = 0; waited < ms; waited += 50, QThread::msleep(50)) {
            const QByteArray stat = TestImages::readFile(QStringLiteral("/proc/%1/stat").arg(pid));
            if (stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z")
                return true;
        }
        return false;
    };

    // Ctrl+C stops Ghostscript at once, not after its 30 s limit.
    QProcess interrupted;
    const qint64 first = startRendering(interrupted);
    QVERIFY(first);
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(interrupted.processId()), SIGINT);
    QVERIFY(interrupted.waitForFinished(10000));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(interrupted.readAllStandardError().contains("cancelled"));
    QVERIFY(goneWithin(first, 3000));

    // kill -9 of the program takes Ghostscript with it; its folder is removed by the next run.
    QProcess killed;
    const qint64 second = startRendering(killed);
    QVERIFY(second);
    const qint64 killedPid = killed.processId();
    ::kill(pid_t(killedPid), SIGKILL);
    QVERIFY(killed.waitForFinished(5000));
    QVERIFY(goneWithin(second, 3000));
    const QString stale = QStringLiteral("pressmark-eps-%1-*").arg(killedPid);
    QCOMPARE(QDir(temp.path()).entryList({stale}, QDir::Dirs).size(), 1);
    const QString drawing = temp.filePath("drawing.eps");
    TestImages::writeFile(drawing, "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\nshowpage\n");
    const Run next = cli({"-o", out.path(), drawing}, env);
    QCOMPARE(next.exitCode, 0);
    QCOMPARE(QDir(temp.path()).entryList({stale}, QDir::Dirs).size(), 0);
}

void TestCli::folderWithoutImagesIsSaid()
{
    QTemporaryDir empty, out;
    TestImages::writeFile(empty.filePath("notes.txt"), "not a picture");
    Run run = cli({"-o", out.path(), empty.path()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err,
             QStringLiteral("pressmark-cli: no image files in %1\npressmark-cli: nothing to convert\n")
                 .arg(empty.path()));
    // Beside other inputs, the rest is converted and the run still says it.
    run = cli({"-o", out.path(), empty.path(), m_b});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("no image files in %1").arg(empty.path())));
    QVERIFY(run.out.endsWith(QStringLiteral("1 converted, 0 failed\n")));
}

void TestCli::controlCharactersInNames()
{
    // A name with a newline and an escape sequence: the output's name has '_' instead, and the
    // terminal is shown them escaped, never a forged line or a colour change. A hidden source
    // gives a visible output.
    QTemporaryDir in, out;
    const QString odd = in.filePath("a\nb\x1b[31m.png");
    QVERIFY(QFile::copy(m_b, odd));
    QVERIFY(QFile::copy(m_b, in.filePath(".hidden.png")));
    const Run run = cli({"-o", out.path(), odd, in.filePath(".hidden.png")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(out.path()), QStringList({"_hidden.jpg", "a_b_[31m.jpg"}));
    QVERIFY2(run.out.startsWith(
                 QStringLiteral("%1/a\\nb\\x1b[31m.png -> %2/a_b_[31m.jpg\n").arg(in.path(), out.path())),
             qPrintable(run.out));
}

void TestCli::namesThatAreNotUtf8()
{
    // A Latin-1 "café.png" (byte E9) in a folder, and an output folder named with byte FF: both
    // found, read and written by their own bytes; the output's name is valid UTF-8.
    QTemporaryDir in, out;
    QFile source(m_b);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const QByteArray latin1 = QFile::encodeName(in.path()) + "/caf\xe9.png";
    const int fd = ::open(latin1.constData(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);

    // QProcess would re-encode the arguments; the shell passes the bytes as they are.
    const auto run = [](const QString &script, const QStringList &arguments) {
        QProcess process;
        process.start(QStringLiteral("sh"), QStringList {"-c", script, PRESSMARK_CLI} + arguments);
        process.waitForFinished(60000);
        return Run {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                    QString::fromUtf8(process.readAllStandardError())};
    };
    Run folder = run(R"(exec "$0" -o "$1" "$2")", {out.path(), in.path()});
    QCOMPARE(folder.exitCode, 0);
    QCOMPARE(filesIn(out.path()), QStringList {QStringLiteral("café.jpg")});
    QVERIFY2(folder.out.contains(QStringLiteral("/caf\\xe9.png -> %1/café.jpg").arg(out.path())),
             qPrintable(folder.out));

    Run named = run(R"sh(exec "$0" -o "$1/$(printf 'x\377')" "$2/$(printf 'caf\351.png')")sh",
                    {out.path(), in.path()});
    QCOMPARE(named.exitCode, 0);
    const QByteArray written = QFile::encodeName(out.path()) + "/x\xff/caf\xc3\xa9.jpg";
    struct stat info {};
    QVERIFY2(::stat(written.constData(), &info) == 0 && info.st_size > 0, qPrintable(named.out + named.err));
    // Qt cannot list these names, so QTemporaryDir could not remove them.
    ::unlink(written.constData());
    ::rmdir((QFile::encodeName(out.path()) + "/x\xff").constData());
    ::unlink(latin1.constData());
}

void TestCli::memoryBudgetHoldsAtAnyJobs()
{
    // Eight large PNGs (9 MP, 36 MB decoded, a few MB on disk) at eight jobs under a 128 MiB
    // budget: two are at work at a time (without the budget: 233 MiB). The process's peak stays under
    // the budget plus what any run holds (libraries, about 25 MiB) and the bytes of the one file
    // waiting for its turn.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("the sanitizers' shadow memory and quarantine are not the program's memory");
#endif
    if (QStandardPaths::findExecutable("time", {"/usr/bin"}).isEmpty())
        QSKIP("GNU time (package time) is needed to measure the peak");
    QTemporaryDir in, out;
    QImage picture(3000, 3000, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = qRgb(x / 12, y / 12, int(random() & 7) * 8);
    }
    QVERIFY(picture.save(in.filePath("0.png"), "PNG"));
    QStringList inputs {in.filePath("0.png")};
    for (int i = 1; i < 8; ++i) {
        inputs << in.filePath(QStringLiteral("%1.png").arg(i));
        QVERIFY(QFile::copy(inputs.first(), inputs.last()));
    }
    const qint64 fileMiB = QFileInfo(inputs.first()).size() >> 20;
    QProcess process;
    process.start("/usr/bin/time", QStringList {"-f", "peak %M", PRESSMARK_CLI, "--quiet", "--jobs", "8",
                                                "--memory", "128", "-o", out.path()} +
                                       inputs);
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(filesIn(out.path()).size(), 8);
    const QString said = QString::fromLocal8Bit(process.readAllStandardError());
    const qint64 peakMiB = said.section("peak ", 1).trimmed().toLongLong() >> 10;
    QVERIFY2(peakMiB > 0 && peakMiB < 128 + 25 + fileMiB + 8,
             qPrintable(QStringLiteral("peak %1 MiB, files %2 MiB: %3").arg(peakMiB).arg(fileMiB).arg(said)));
}

void TestCli::savedSettingsDriveARun()
{
    // What a user set up in the window: a template of new names, width 120, PNG, the copyright
    // cross in green; in the user's own settings file, which "--settings" alone reads.
    QTemporaryDir config, out;
    SettingsStore store(config.filePath("pressmark/pressmark.conf"));
    AppSettings s = shippedSettings();
    s.setInteger(Setting::Naming, 2);
    s.setText(Setting::Title, QStringLiteral("Set"));
    s.setInteger(Setting::TemplateNaming, 1);
    s.setText(Setting::TemplateText, QStringLiteral("{title}_{n:3}"));
    s.setInteger(Setting::Resize, 1);
    s.setInteger(Setting::WidthSide, 1);
    s.setText(Setting::WidthText, QStringLiteral("120"));
    s.setInteger(Setting::Format, 1);
    s.setInteger(Setting::CopyrightPattern, 2);
    s.setColor(Setting::CopyrightColor, QColor(0, 255, 0));
    s.setFraction(Setting::CopyrightOpacity, 1.0f);
    QVERIFY(!store.save(s).failed());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    Run run = cli({"--settings", "-o", out.path(), m_b}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(out.path()), QStringList {"Set_001.png"});
    QCOMPARE(TestImages::identify(out.filePath("Set_001.png"), "%w %h"), QStringLiteral("120 180"));
    QCOMPARE(QImage(out.filePath("Set_001.png")).pixel(60, 10), qRgb(0, 255, 0)); // the cross's vertical line

    // The file by name, and --naming over the window's template choice, which has keys of its own.
    run = cli({"--settings", store.filePath(), "--naming", "new", "--dry-run", "-o", out.path(), m_b});
    QCOMPARE(run.out.section(" -> ", 1, 1).section('\n', 0, 0), out.filePath("Set1.png"));

    // The window saves the watermark switched on with no text (it then draws none): such a file
    // converts, as in the window; a watermark flag without a text is still a usage error.
    s.setInteger(Setting::WatermarkOn, 1);
    s.setText(Setting::WatermarkText, QString());
    QVERIFY(!store.save(s).failed());
    QCOMPARE(cli({"--settings", store.filePath(), "-o", out.path(), m_b}).exitCode, 0);
    QCOMPARE(
        cli({"--settings", store.filePath(), "--watermark-size", "huge", "-o", out.path(), m_b}).exitCode, 2);

    // A saved template that is not one, and a settings file that is not there, are usage errors;
    // nothing is written.
    s.setText(Setting::TemplateText, QStringLiteral("{n:x}"));
    QVERIFY(!store.save(s).failed());
    QTemporaryDir none;
    run = cli({"--settings", store.filePath(), "-o", none.path(), m_b});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("{n:x}"), qPrintable(run.err));
    QCOMPARE(cli({"--settings=" + config.filePath("none.conf"), "-o", none.path(), m_b}).exitCode, 2);
    QVERIFY(filesIn(none.path()).isEmpty());
}

void TestCli::settingsFileIsOnlyRead()
{
    // A settings file named on the command line is read and never written: one that cannot be
    // used (garbage, a FIFO, which nothing waits on) is a usage error that says why, and nothing
    // is set aside, copied or replaced beside it.
    QTemporaryDir config, out;
    const QString garbage = config.filePath("broken.conf"), fifo = config.filePath("fifo.conf");
    TestImages::writeFile(garbage, QByteArray(20000, '\x01'));
    TestImages::writeFile(garbage + ".unreadable", "the user's own");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto &[file, reason] : {std::pair {garbage, "it does not hold Pressmark settings"},
                                       std::pair {fifo, "not a regular file"}}) {
        const Run run = cli({"--settings=" + file, "-o", out.path(), m_b});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err.section('\n', 0, 0),
                 QStringLiteral("pressmark-cli: the settings file %1 cannot be read: %2").arg(file, reason));
    }
    QCOMPARE(QDir(config.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList {"broken.conf", "broken.conf.unreadable"}));
    QCOMPARE(TestImages::readFile(garbage + ".unreadable"), QByteArray("the user's own"));
    QCOMPARE(TestImages::readFile(garbage), QByteArray(20000, '\x01'));
    QVERIFY(filesIn(out.path()).isEmpty());
}

void TestCli::outputFolderSwappedMidRun()
{
    // The output folder is renamed and a symbolic link to another folder put in its place while
    // the run goes on: nothing lands in the other folder, and the run stops and says so.
    QTemporaryDir in, base;
    const QString photo = in.filePath("big.jpg");
    TestImages::writeWithQt(TestImages::quadrants(2400, 1600), photo, "jpeg", 90);
    const QString out = base.filePath("out"), moved = base.filePath("out.old"),
                  elsewhere = base.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QStringList arguments = {"-o", out, "--jobs", "1"};
    for (int i = 0; i < 40; ++i)
        arguments << photo;
    QProcess process;
    QByteArray said = startUntilFirstOutput(process, arguments);
    QVERIFY(said.contains(" -> "));
    QCOMPARE(QProcess::execute("mv", {out, moved}), 0);
    QCOMPARE(QProcess::execute("ln", {"-s", elsewhere, out}), 0);
    QVERIFY(process.waitForFinished(60000));
    said += process.readAllStandardOutput();
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(filesIn(elsewhere), QStringList());
    QVERIFY2(err.contains(QStringLiteral("pressmark-cli: the output folder %1 ").arg(out)) &&
                 err.contains("; the run stopped"),
             qPrintable(err));
    const QRegularExpressionMatch summary =
        QRegularExpression("(\\d+) converted, (\\d+) failed, (\\d+) not started\n$")
            .match(QString::fromUtf8(said));
    QVERIFY2(summary.hasMatch(), said.right(200).constData());
    QVERIFY(summary.captured(3).toInt() > 0);
    // Every file reported written is whole in the folder that was moved; no temporary is left.
    const QStringList written = filesIn(moved);
    QCOMPARE(written.size(), summary.captured(1).toInt());
    for (const QString &name : written)
        QCOMPARE(TestImages::identify(QDir(moved).filePath(name), "%w %h"), QStringLiteral("2400 1600"));
}

void TestCli::resizeModes_data()
{
    // Each size flag and switch reaches its mode (the modes' arithmetic is tst_transform's, their
    // enlarging by default tst_options'). m_a is 300 x 200; the sizes worked out by hand.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("size");
    QTest::newRow("long edge 100") << QStringList {"--long-edge", "100"} << "100 67";
    QTest::newRow("short edge 100") << QStringList {"--short-edge", "100"} << "150 100";
    QTest::newRow("fit 150x40: the height governs") << QStringList {"--fit", "150x40"} << "60 40";
    QTest::newRow("scale 50") << QStringList {"--scale", "50"} << "150 100";
    QTest::newRow("long edge 400 with --enlarge")
        << QStringList {"--long-edge", "400", "--enlarge"} << "400 267";
    QTest::newRow("height 450 enlarges") << QStringList {"--height", "450"} << "675 450";
    QTest::newRow("width 400 with --no-enlarge")
        << QStringList {"--width", "400", "--no-enlarge"} << "300 200";
}

void TestCli::resizeModes()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir out;
    const Run run = cli(arguments + QStringList {"--format", "png", "-o", out.path(), m_a});
    QCOMPARE(run.exitCode, 0);
    QTEST(TestImages::identify(out.filePath("été photo.png"), "%w %h"), "size");
}

void TestCli::sizeFlagsReplaceSavedSizes()
{
    // A size flag over saved settings puts every other size field back, whichever row it is on.
    QTemporaryDir config;
    SettingsStore store(config.filePath("sizes.conf"));
    AppSettings s = shippedSettings();
    s.setInteger(Setting::ResizeOtherSide, 1);
    s.setText(Setting::LongEdgeText, QStringLiteral("100"));
    QVERIFY(!store.save(s).failed());
    const auto sizeWith = [&](const QStringList &flags) {
        QTemporaryDir out;
        const Run run =
            cli(QStringList {"--settings=" + store.filePath()} + flags + QStringList {"-o", out.path(), m_a});
        return run.exitCode == 0 ? TestImages::identify(out.filePath("été photo.jpg"), "%w %h") : run.err;
    };
    QCOMPARE(sizeWith({}), QStringLiteral("100 67"));
    QCOMPARE(sizeWith({"--width", "240"}), QStringLiteral("240 160"));
    QCOMPARE(sizeWith({"--scale", "10"}), QStringLiteral("30 20"));
    s.setText(Setting::LongEdgeText, QString());
    s.setInteger(Setting::ResizeOtherSide, 0);
    s.setText(Setting::HeightText, QStringLiteral("50"));
    QVERIFY(!store.save(s).failed());
    QCOMPARE(sizeWith({}), QStringLiteral("75 50"));
    QCOMPARE(sizeWith({"--fit", "60x60"}), QStringLiteral("60 40"));
}

void TestCli::metadataRemovalIsSaidOnce()
{
    QTemporaryDir dir;
    const QString tagged = dir.filePath("gps.jpg"), plain = dir.filePath("plain.jpg");
    TestImages::writeWithQt(TestImages::quadrants(60, 40), tagged, "jpeg", 90);
    TestImages::writeWithQt(TestImages::quadrants(60, 40), plain, "jpeg", 90);
    TestImages::setExif(
        tagged, {{"Exif.GPSInfo.GPSLatitudeRef", "N"}, {"Exif.GPSInfo.GPSLatitude", "48/1 51/1 3024/100"}});
    QTemporaryDir out;
    Run run = cli({"--metadata", "no-location", "-o", out.path(), tagged, plain});
    QCOMPARE(run.exitCode, 0);
    // Once, at the end, counting only the file that had a location (what each choice keeps is
    // tst_encoding's to read back).
    QCOMPARE(run.err,
             QStringLiteral("pressmark-cli: note: the location was removed from the metadata of 1 file\n"));
    QTemporaryDir out2;
    run = cli({"--metadata", "keep", "-o", out2.path(), tagged, plain});
    QCOMPARE(run.err, QString());
    // A TIFF's own tags (its layout, pages, white point) are not metadata that was removed.
    const QString tiff = dir.filePath("plain.tif");
    TestImages::run("convert", {plain, tiff});
    QTemporaryDir out3;
    run = cli({"--metadata", "none", "-o", out3.path(), tiff});
    QCOMPARE(run.err, QString());
}

void TestCli::presetsSavedListedAndUsed()
{
    QTemporaryDir config, out;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    // Listing reads only: no presets, no folder made.
    Run run = cli({"--list-presets"}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString());
    QVERIFY(QDir(config.path()).isEmpty());

    run = cli({"--format", "png", "--width", "100", "--save-preset", "Web/Small"}, env);
    QCOMPARE(run.exitCode, 0);
    run = cli({"--format", "gif", "--save-preset", "archive"}, env);
    QCOMPARE(run.exitCode, 0);
    run = cli({"--list-presets"}, env);
    QCOMPARE(run.out, QStringLiteral("archive\nWeb/Small\n")); // the files' names are tst_presets'

    // A clash is refused unless asked for, and the preset is left as it was.
    run = cli({"--format", "tiff", "--save-preset", "archive"}, env);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("a preset named archive exists; give --replace-preset"), qPrintable(run.err));
    QCOMPARE(cli({"--save-preset", "x", "-o", out.path(), m_b}, env).exitCode, 2); // converts nothing
    QCOMPARE(cli({"--preset", "archive", "--dry-run", "-o", out.path(), m_b}, env).out,
             QStringLiteral("%1 -> %2/beach.gif\n1 converted, 0 failed\n").arg(m_b, out.path()));
    QCOMPARE(cli({"--format", "tiff", "--save-preset", "archive", "--replace-preset"}, env).exitCode, 0);
    QCOMPARE(cli({"--preset", "archive", "--dry-run", "-o", out.path(), m_b}, env).out,
             QStringLiteral("%1 -> %2/beach.tiff\n1 converted, 0 failed\n").arg(m_b, out.path()));

    // A saved name with a slash in it is still a name when no such file is there; a flag
    // overrides one of its values.
    run = cli({"--preset", "Web/Small", "--width", "80", "-o", out.path(), m_b}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(TestImages::identify(out.filePath("beach.png"), "%w %h"), QStringLiteral("80 120"));

    run = cli({"--preset", "nothing", "-o", out.path(), m_b}, env);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("there is no preset named \u201cnothing\u201d"), qPrintable(run.err));
    QCOMPARE(cli({"--save-preset", "two\nlines"}, env).exitCode, 2);
}

void TestCli::presetFileUnderFlagsAndOverSettings()
{
    // The settings: new names from "Set", TIFF. The preset file: PNG at width 120 and a key of a
    // newer version. The flag: JPEG. The run: "Set" names (the settings'), width 120 (the
    // preset's), JPEG (the flag's), and a note naming the unknown key.
    QTemporaryDir config, out;
    SettingsStore store(config.filePath("pressmark.conf"));
    AppSettings s = shippedSettings();
    s.setInteger(Setting::Naming, 2);
    s.setText(Setting::Title, QStringLiteral("Set"));
    s.setInteger(Setting::Format, 3);
    QVERIFY(!store.save(s).failed());
    const QString preset = config.filePath("web.ini");
    TestImages::writeFile(preset, "[General]\nzqFileFormatPopUp=1\ninputWidth=120\ncheckBoxEnableEditSize=1\n"
                                  "radioWidth=1\npmSharpen=3\n");
    Run run = cli(
        {"--settings=" + store.filePath(), "--preset", preset, "--format", "jpeg", "-o", out.path(), m_b});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(out.path()), QStringList {"Set1.jpg"});
    QCOMPARE(TestImages::identify(out.filePath("Set1.jpg"), "%m %w %h"), QStringLiteral("JPEG 120 180"));
    QVERIFY2(
        run.err.contains(QStringLiteral("pressmark-cli: the preset %1: settings this version does not know "
                                        "were left out: pmSharpen")
                             .arg(preset)),
        qPrintable(run.err));

    // A file that is not a preset stops the run before anything is written.
    QTemporaryDir out2;
    run = cli({"--preset", m_a, "-o", out2.path(), m_b});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("is not a Pressmark preset"), qPrintable(run.err));
    QVERIFY(filesIn(out2.path()).isEmpty());
}

void TestCli::treeWithATemplate()
{
    // --recursive walks the tree (its order, links and hidden folders are tst_trees'); each file
    // is written into its subfolder under the output folder, named by the template.
    QTemporaryDir dir;
    const QString tree = dir.filePath("photos");
    for (const char *name : {"b/2.png", "a/x/3.png", "z.png"}) {
        QVERIFY(QDir().mkpath(QFileInfo(tree + '/' + name).path()));
        QVERIFY(QFile::copy(m_b, tree + '/' + name));
    }
    const QString out = dir.filePath("out");
    const Run run = cli({"--recursive", "--naming", "template", "--template", "{folder}-{n:2}", "--width",
                         "20", "--format", "png", "-o", out, tree});
    QCOMPARE(run.exitCode, 0);
    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QStringLiteral("3 converted, 0 failed"));
    QStringList written;
    for (const QString &line : lines)
        written << QDir(out).relativeFilePath(line.section(QStringLiteral(" -> "), 1));
    QCOMPARE(written, QStringList({"photos-01.png", "a/x/x-02.png", "b/b-03.png"}));
    QCOMPARE(TestImages::identify(out + "/a/x/x-02.png", "%w"), QStringLiteral("20"));

    // Without --recursive, the folder's own files only, as before.
    const Run flat = cli({"--dry-run", "-o", out, tree});
    QCOMPARE(flat.exitCode, 0);
    QVERIFY2(flat.out.startsWith(tree + "/z.png -> " + out + "/z.jpg\n1 converted"), qPrintable(flat.out));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
