#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/InputFiles.h"
#include "batch/OutputNaming.h"
#include "common/FileName.h"
#include "options/ConversionOptions.h"

#include <QtTest>

namespace {

ConversionOptions optionsFor(NamingMode mode, const QString &title, OutputFormat format)
{
    ConversionOptions options;
    options.naming = mode;
    options.title = title;
    options.format = format;
    return options;
}

} // namespace

class TestNaming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void baseName_data();
    void baseName();
    void stem_data();
    void stem();
    void candidates();
    void workedExamples_data();
    void workedExamples();
    void sameFolderNeverOverwrites();
    void repeatedRunsCount();
    void fileNamesKeepTheirBytes_data();
    void fileNamesKeepTheirBytes();
    void droppedNamesKeepTheirBytes();
};

void TestNaming::baseName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::newRow("last extension only") << QStringLiteral("/p/holiday.final.JPG") << "holiday.final";
    QTest::newRow("no extension") << QStringLiteral("/p/scan") << "scan";
    QTest::newRow("dot file") << QStringLiteral("/p/.hidden") << ".hidden";
    QTest::newRow("trailing dot") << QStringLiteral("/p/odd.") << "odd";
    QTest::newRow("non-ASCII and spaces") << QStringLiteral("/p/Ünïcode pic.jpeg") << "Ünïcode pic";
    QTest::newRow("dot in folder only") << QStringLiteral("/p.d/file") << "file";
}

void TestNaming::baseName()
{
    QFETCH(QString, path);
    QTEST(baseNameOf(path), "base");
}

void TestNaming::stem_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stem");
    QTest::newRow("current names ignore the title")
        << int(NamingMode::CurrentNames) << "Trip" << 1 << "IMG_0001";
    QTest::newRow("new name") << int(NamingMode::NewName) << "Trip" << 12 << "Trip12";
    QTest::newRow("new name, empty title") << int(NamingMode::NewName) << "" << 3 << "IMG_0001";
    QTest::newRow("append") << int(NamingMode::AddText) << "_web" << 1 << "IMG_0001_web";
    QTest::newRow("append, empty title") << int(NamingMode::AddText) << "" << 1 << "IMG_0001";
    QTest::newRow("title as typed") << int(NamingMode::NewName) << " Été 2024 " << 2 << " Été 2024 2";
    QTest::newRow("slash cannot leave the folder, nor a dot hide it")
        << int(NamingMode::NewName) << "../up/x" << 1 << "_._up_x1";
    QTest::newRow("slash in appended text") << int(NamingMode::AddText) << "/sub" << 1 << "IMG_0001_sub";
    QTest::newRow("title '.'") << int(NamingMode::NewName) << "." << 3 << "_3";
    QTest::newRow("title '..'") << int(NamingMode::NewName) << ".." << 3 << "_.3";
    QTest::newRow("newline, tab and escape")
        << int(NamingMode::NewName) << "a\nb\tc\x1b[31m" << 1 << "a_b_c_[31m1";
    // DEL and the C1 controls (U+0080 to U+009F) too; '~' and the no-break space around them stay.
    QTest::newRow("DEL and C1 controls") << int(NamingMode::NewName)
                                         << QString::fromUtf8("~\x7f"
                                                              "a\xc2\x80"
                                                              "b\xc2\x85"
                                                              "c\xc2\x9f"
                                                              "d\xc2\xa0")
                                         << 1
                                         << QString::fromUtf8("~_a_b_c_d\xc2\xa0"
                                                              "1");
    QTest::newRow("C1 control in appended text") << int(NamingMode::AddText)
                                                 << QString::fromUtf8("_\xc2\x9b"
                                                                      "2J")
                                                 << 1 << "IMG_0001__2J";
}

void TestNaming::stem()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(int, position);
    QTEST(outputStem(QStringLiteral("/Pics/IMG_0001.JPG"), position,
                     optionsFor(NamingMode(mode), title, OutputFormat::Jpeg)),
          "stem");
}

void TestNaming::candidates()
{
    const QStringList names = candidateFileNames(QStringLiteral("Trip1"), QStringLiteral(".jpg"));
    QCOMPARE(names.size(), 100);
    QCOMPARE(names.at(0), QStringLiteral("Trip1.jpg"));
    QCOMPARE(names.at(1), QStringLiteral("Trip1 (copy).jpg"));
    QCOMPARE(names.at(2), QStringLiteral("Trip1 (copy 2).jpg"));
    QCOMPARE(names.at(99), QStringLiteral("Trip1 (copy 99).jpg"));
    // Cut to a file name's 255 bytes, the ending kept whole.
    const QStringList longNames = candidateFileNames(QString(300, QLatin1Char('a')), QStringLiteral(".jpg"));
    QCOMPARE(longNames.at(0), QString(251, QLatin1Char('a')) + QStringLiteral(".jpg"));
    QCOMPARE(longNames.at(1), QString(244, QLatin1Char('a')) + QStringLiteral(" (copy).jpg"));

    // The first name nothing takes: a dangling link takes its name too; none when all are taken.
    QTemporaryDir dir;
    QCOMPARE(firstUntakenName(dir.path(), names), names.at(0));
    QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath(names.at(0))));
    QCOMPARE(firstUntakenName(dir.path(), names), names.at(1));
    for (const QString &name : names)
        TestImages::writeFile(dir.filePath(name), QByteArray());
    QCOMPARE(firstUntakenName(dir.path(), names), QString());
}

void TestNaming::workedExamples_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("deleteSecond");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("current names") << int(NamingMode::CurrentNames) << "any" << 0 << QStringList() << false
                                   << QStringList {"IMG_0001.jpg", "beach.jpg", "IMG_0003.jpg"};
    QTest::newRow("new name") << int(NamingMode::NewName) << "Trip" << 0 << QStringList() << false
                              << QStringList {"Trip1.jpg", "Trip2.jpg", "Trip3.jpg"};
    QTest::newRow("new name, empty title") << int(NamingMode::NewName) << "" << 1 << QStringList() << false
                                           << QStringList {"IMG_0001.png", "beach.png", "IMG_0003.png"};
    QTest::newRow("append") << int(NamingMode::AddText) << "_web" << 3 << QStringList() << false
                            << QStringList {"IMG_0001_web.tiff", "beach_web.tiff", "IMG_0003_web.tiff"};
    QTest::newRow("append, empty title") << int(NamingMode::AddText) << "" << 2 << QStringList() << false
                                         << QStringList {"IMG_0001.gif", "beach.gif", "IMG_0003.gif"};
    QTest::newRow("one existing") << int(NamingMode::NewName) << "Trip" << 0 << QStringList {"Trip1.jpg"}
                                  << false << QStringList {"Trip1 (copy).jpg", "Trip2.jpg", "Trip3.jpg"};
    QTest::newRow("two existing") << int(NamingMode::NewName) << "Trip" << 0
                                  << QStringList {"Trip1.jpg", "Trip1 (copy).jpg"} << false
                                  << QStringList {"Trip1 (copy 2).jpg", "Trip2.jpg", "Trip3.jpg"};
    QTest::newRow("second deleted") << int(NamingMode::NewName) << "Trip" << 0 << QStringList() << true
                                    << QStringList {"Trip1.jpg", QString(), "Trip3.jpg"};
}

void TestNaming::workedExamples()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(int, format);
    QFETCH(QStringList, existing);
    QFETCH(bool, deleteSecond);
    QFETCH(QStringList, expected);

    QTemporaryDir pics, out;
    const QImage picture = TestImages::quadrants(8, 6);
    const QStringList inputs = {pics.filePath("IMG_0001.JPG"), pics.filePath("beach.png"),
                                pics.filePath("IMG_0003.jpeg")};
    TestImages::writeWithQt(picture, inputs[0], "jpeg");
    TestImages::writeWithQt(picture, inputs[1], "png");
    TestImages::writeWithQt(picture, inputs[2], "jpeg");
    if (deleteSecond)
        QFile::remove(inputs[1]);
    for (const QString &name : existing)
        TestImages::writeFile(out.filePath(name), "existing");

    for (bool dryRun : {true, false}) {
        ConversionJob job;
        job.inputs = inputs;
        job.options = optionsFor(NamingMode(mode), title, OutputFormat(format));
        job.outputFolder = out.path();
        job.dryRun = dryRun;
        const ConversionReport report = ConversionRunner(job).run();
        QStringList names;
        for (const FileResult &r : report.files)
            names << (r.status == FileStatus::Written ? QFileInfo(r.output).fileName() : QString());
        QCOMPARE(names, expected);
        if (deleteSecond)
            QCOMPARE(report.files[1].failure.reason, FailureReason::Missing);
    }
    for (const QString &name : existing)
        QCOMPARE(TestImages::readFile(out.filePath(name)), QByteArray("existing"));
}

void TestNaming::sameFolderNeverOverwrites()
{
    QTemporaryDir dir, a, b;
    const QString jpg = dir.filePath("IMG_0001.jpg");
    TestImages::writeWithQt(TestImages::quadrants(8, 6), jpg, "jpeg");
    const QByteArray before = TestImages::readFile(jpg);
    ConversionJob job;
    job.inputs = {jpg};
    job.options = optionsFor(NamingMode::CurrentNames, QString(), OutputFormat::Jpeg);
    job.outputFolder = dir.path();
    const ConversionReport report = ConversionRunner(job).run();
    QCOMPARE(QFileInfo(report.files[0].output).fileName(), QStringLiteral("IMG_0001 (copy).jpg"));
    QCOMPARE(TestImages::readFile(jpg), before);

    // Two sources of the same name from different folders.
    TestImages::writeWithQt(TestImages::quadrants(8, 6), a.filePath("IMG.jpg"), "jpeg");
    TestImages::writeWithQt(TestImages::quadrants(8, 6), b.filePath("IMG.png"), "png");
    QTemporaryDir out;
    job.inputs = {a.filePath("IMG.jpg"), b.filePath("IMG.png")};
    job.outputFolder = out.path();
    const ConversionReport second = ConversionRunner(job).run();
    QCOMPARE(QFileInfo(second.files[0].output).fileName(), QStringLiteral("IMG.jpg"));
    QCOMPARE(QFileInfo(second.files[1].output).fileName(), QStringLiteral("IMG (copy).jpg"));
}

void TestNaming::repeatedRunsCount()
{
    QTemporaryDir pics, out;
    QStringList inputs;
    for (int i = 0; i < 12; ++i) {
        inputs << pics.filePath(QStringLiteral("p%1.png").arg(i));
        TestImages::writeWithQt(TestImages::quadrants(4, 4), inputs.last(), "png");
    }
    ConversionJob job;
    job.inputs = inputs;
    job.options = optionsFor(NamingMode::NewName, QStringLiteral("Trip"), OutputFormat::Png);
    job.outputFolder = out.path();
    const QStringList suffixes = {QString(), QStringLiteral(" (copy)"), QStringLiteral(" (copy 2)")};
    for (const QString &suffix : suffixes) {
        // The name the window announces for the first file is the one the run gives it.
        const QString announced =
            firstUntakenName(out.path(), candidateFileNames(QStringLiteral("Trip1"), QStringLiteral(".png")));
        const ConversionReport report = ConversionRunner(job).run();
        QCOMPARE(report.writtenCount(), 12);
        QCOMPARE(QFileInfo(report.files[0].output).fileName(), announced);
        QCOMPARE(QFileInfo(report.files[0].output).fileName(), QStringLiteral("Trip1%1.png").arg(suffix));
        QCOMPARE(QFileInfo(report.files[11].output).fileName(), QStringLiteral("Trip12%1.png").arg(suffix));
    }
}

void TestNaming::fileNamesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("outputStem"); // from "/p/<bytes>.jpg"
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xf0\x9f\x93\xb7") << QStringLiteral("café 📷");
    QTest::newRow("Latin-1") << QByteArray("caf\xe9") << QStringLiteral("café");
    QTest::newRow("pair, then a byte") << QByteArray("\xf0\x9f\x93\xb7\xb7") << QStringLiteral("📷·");
    QTest::newRow("C1 byte") << QByteArray("a\x85z") << QStringLiteral("a_z");
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xafz") << QStringLiteral("aÀ¯z");
    QTest::newRow("overlong slash in three bytes") << QByteArray("a\xe0\x80\xafz") << QStringLiteral("aà_¯z");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << QStringLiteral("í³©");
    QTest::newRow("cut sequence") << QByteArray("x\xe2\x82") << QStringLiteral("xâ_");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf5\x80\x80\x80") << QStringLiteral("õ___");
}

void TestNaming::fileNamesKeepTheirBytes()
{
    QFETCH(QByteArray, bytes);
    TestImages::saveFuzzSeed(QStringLiteral("name"), bytes);
    const QString name = decodeFileName(bytes);
    QCOMPARE(encodeFileName(name), bytes);
    QCOMPARE(hasEscapedBytes(name), !QUtf8StringView(bytes).isValidUtf8());
    if (!hasEscapedBytes(name))
        QCOMPARE(name, QString::fromUtf8(bytes));
    const QString stem =
        outputStem(QStringLiteral("/p/") + name + QStringLiteral(".jpg"), 1, ConversionOptions());
    QTEST(stem, "outputStem");
    QVERIFY(!hasEscapedBytes(stem));
}

void TestNaming::droppedNamesKeepTheirBytes()
{
    // What a file manager puts in a drop: percent-encoded bytes, CRLF lines, comments, remote URLs.
    const QByteArray list = "# dropped\r\nfile:///p/caf%E9.jpg\r\nfile://localhost/p/a%20b.png\r\n"
                            "https://example.org/x.jpg\r\nfile:///p/%C3%BC.gif";
    const QStringList paths = localFilesFromUriList(list);
    QCOMPARE(paths.size(), 3);
    QCOMPARE(encodeFileName(paths.at(0)), QByteArray("/p/caf\xe9.jpg"));
    QCOMPARE(paths.at(1), QStringLiteral("/p/a b.png"));
    QCOMPARE(paths.at(2), QStringLiteral("/p/ü.gif"));
}

QTEST_GUILESS_MAIN(TestNaming)
#include "tst_naming.moc"
