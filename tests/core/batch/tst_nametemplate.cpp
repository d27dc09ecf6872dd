#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/NameTemplate.h"
#include "batch/OutputNaming.h"
#include "common/FileName.h"
#include "pipeline/ReadNameFacts.h"

#include <QtTest>

#include <sys/time.h>

namespace {

ConversionOptions templated(const QString &text, const QString &title = QString())
{
    ConversionOptions options;
    options.naming = NamingMode::Template;
    options.nameTemplate = text;
    options.title = title;
    return options;
}

NameFacts someFacts()
{
    NameFacts facts;
    facts.taken = QDateTime(QDate(2024, 6, 12), QTime(8, 5, 9));
    facts.camera = QStringLiteral("Canon EOS 5D");
    facts.outputSize = QSize(1200, 800);
    return facts;
}

void setFileTime(const QString &path, qint64 seconds)
{
    const struct timeval times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    QVERIFY(::utimes(encodeFileName(path).constData(), times) == 0);
}

} // namespace

class TestNameTemplate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void badTemplates_data();
    void badTemplates();
    void longNamesFit();
    void exifDateAndCamera_data();
    void exifDateAndCamera();
    void fileTimeWhenNoExifDate();
    void sizeIsTheOutputs();
};

void TestNameTemplate::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("stem");
    QTest::newRow("name and number") << QStringLiteral("{name}-{n}") << QString() << "IMG_0001-7";
    QTest::newRow("number padded") << QStringLiteral("{n:3}") << QString() << "007";
    QTest::newRow("number wider than its width") << QStringLiteral("{n:1}") << QString() << "7";
    QTest::newRow("date by default") << QStringLiteral("{date}") << QString() << "2024-06-12";
    QTest::newRow("date as asked") << QStringLiteral("{date:%Y%m%d-%H%M%S}") << QString()
                                   << "20240612-080509";
    QTest::newRow("date, short year, day of year, percent")
        << QStringLiteral("{date:%y %j %%}") << QString() << "24 164 %";
    QTest::newRow("camera") << QStringLiteral("{camera}") << QString() << "Canon EOS 5D";
    QTest::newRow("size") << QStringLiteral("{width}x{height}") << QString() << "1200x800";
    QTest::newRow("folder") << QStringLiteral("{folder}_{name}") << QString() << "Pics_IMG_0001";
    QTest::newRow("title") << QStringLiteral("{title}-{n:2}") << QStringLiteral("Alps") << "Alps-07";
    QTest::newRow("braces") << QStringLiteral("{{{n}}}") << QString() << "{7}";
    // What cannot stand in a file name becomes '_': never a folder, never hidden.
    QTest::newRow("slash leaves nothing") << QStringLiteral("../x/{name}") << QString() << "_._x_IMG_0001";
    QTest::newRow("title with slash and controls") << "{title}"
                                                   << QString::fromUtf8("a/b\x01"
                                                                        "c\nd")
                                                   << "a_b_c_d";
    QTest::newRow("NUL in the title")
        << "{title}" << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << "a_b";
    QTest::newRow("colon and the other refused ones")
        << QStringLiteral("{date:%H:%M} \\*?\"<>|") << QString() << "08_05 _______";
    QTest::newRow("empty result is the current name") << QStringLiteral("{title}") << QString() << "IMG_0001";
}

void TestNameTemplate::fields()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    QVERIFY2(NameTemplate::parse(text).isValid(), qPrintable(NameTemplate::parse(text).error()));
    QTEST(outputStem(QStringLiteral("/Pics/IMG_0001.JPG"), 7, templated(text, title), someFacts()), "stem");
}

void TestNameTemplate::badTemplates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::newRow("empty") << QString() << "empty";
    QTest::newRow("unknown field") << QStringLiteral("{foo}-{n}") << "unknown field {foo}";
    QTest::newRow("unclosed") << QStringLiteral("IMG_{n") << "a { without its }";
    QTest::newRow("stray close") << QStringLiteral("IMG_}") << "a } without its {";
    QTest::newRow("width not a digit") << QStringLiteral("{n:x}") << "{n:x}";
    QTest::newRow("width 0") << QStringLiteral("{n:0}") << "{n:0}";
    QTest::newRow("width 10") << QStringLiteral("{n:10}") << "{n:10}";
    QTest::newRow("unknown date conversion") << QStringLiteral("{date:%Y-%Q}") << "%Q is not a date field";
    QTest::newRow("strftime's others") << QStringLiteral("{date:%s}") << "%s is not a date field";
    QTest::newRow("lone percent") << QStringLiteral("{date:%Y%}") << "lone %";
    QTest::newRow("empty date format") << QStringLiteral("{date:}") << "no format";
    QTest::newRow("format on a plain field") << QStringLiteral("{name:3}") << "takes no format";
}

void TestNameTemplate::badTemplates()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    const NameTemplate parsed = NameTemplate::parse(text);
    QVERIFY(!parsed.isValid());
    QVERIFY2(parsed.error().contains(words), qPrintable(parsed.error()));
    // Never used for a name: the current name stands.
    QCOMPARE(outputStem(QStringLiteral("/p/IMG.jpg"), 1, templated(text), someFacts()),
             QStringLiteral("IMG"));
}

void TestNameTemplate::longNamesFit()
{
    // Every candidate fits a file name's 255 bytes, cut at a character's end (é is two bytes).
    const QString stem =
        outputStem(QStringLiteral("/p/x.jpg"), 1,
                   templated(QString(200, QChar(0xe9)) + QStringLiteral("{n:3}")), someFacts());
    const QStringList names = candidateFileNames(stem, QStringLiteral(".jpeg"));
    for (const QString &name : names) {
        QVERIFY2(name.toUtf8().size() <= 255, qPrintable(name));
        QVERIFY(!name.contains(QChar::ReplacementCharacter));
    }
    QCOMPARE(names.at(0).toUtf8().size(), 255); // 125 é, then ".jpeg"
    QVERIFY(names.at(99).endsWith(QStringLiteral(" (copy 99).jpeg")));
}

void TestNameTemplate::exifDateAndCamera_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("name");
    QTest::newRow("model names the make")
        << QStringLiteral("Canon") << QStringLiteral("Canon EOS 5D") << "2023-11-05 Canon EOS 5D 001.png";
    QTest::newRow("make's first word in the model")
        << QStringLiteral("NIKON CORPORATION") << QStringLiteral("NIKON D750")
        << "2023-11-05 NIKON D750 001.png";
    QTest::newRow("make before the model")
        << QStringLiteral("FUJIFILM") << QStringLiteral("X-T3") << "2023-11-05 FUJIFILM X-T3 001.png";
    QTest::newRow("no camera") << QString() << QString() << "2023-11-05 unknown 001.png";
}

void TestNameTemplate::exifDateAndCamera()
{
    QFETCH(QString, make);
    QFETCH(QString, model);
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    TestImages::writeWithQt(TestImages::quadrants(16, 12), photo, "JPEG");
    // Set by an independent writer.
    QStringList arguments = {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                             QStringLiteral("-DateTimeOriginal=2023:11:05 14:30:00")};
    if (!make.isEmpty())
        arguments << QStringLiteral("-Make=") + make << QStringLiteral("-Model=") + model;
    int status = -1;
    TestImages::run(QStringLiteral("exiftool"), arguments << photo, &status);
    if (status != 0)
        QSKIP("needs exiftool (package libimage-exiftool-perl)");
    setFileTime(photo, 86400 * 3); // not the date the name takes

    ConversionJob job;
    job.inputs = {photo};
    job.options = templated(QStringLiteral("{date:%Y-%m-%d} {camera} {n:3}"));
    job.options.format = OutputFormat::Png;
    job.outputFolder = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(job.outputFolder));
    // The dry run reads what the run reads.
    job.dryRun = true;
    QTEST(QFileInfo(ConversionRunner(job).run().files.at(0).output).fileName(), "name");
    job.dryRun = false;
    const ConversionReport report = ConversionRunner(job).run();
    QCOMPARE(report.files.at(0).status, FileStatus::Written);
    QTEST(QFileInfo(report.files.at(0).output).fileName(), "name");
}

void TestNameTemplate::fileTimeWhenNoExifDate()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("plain.png"));
    TestImages::writeWithQt(TestImages::quadrants(8, 6), photo, "PNG");
    const qint64 when = 1700000000; // 2023-11-14 22:13:20 UTC
    setFileTime(photo, when);
    const QString expected = QDateTime::fromSecsSinceEpoch(when).toString(QStringLiteral("yyyyMMdd-HHmm"));
    QCOMPARE(outputStem(photo, 1, templated(QStringLiteral("{date:%Y%m%d-%H%M}")),
                        readNameFacts(photo, templated(QStringLiteral("{date:%Y%m%d-%H%M}")))),
             expected);
}

void TestNameTemplate::sizeIsTheOutputs()
{
    // {width} and {height}: the output's, after the resize, the same in a dry run and a run.
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("p.png"));
    TestImages::writeWithQt(TestImages::quadrants(80, 60), photo, "PNG");
    ConversionJob job;
    job.inputs = {photo};
    job.options = templated(QStringLiteral("{name}_{width}x{height}"));
    job.options.resize = ResizeMode::Width;
    job.options.resizeTo = 40;
    job.options.format = OutputFormat::Png;
    job.outputFolder = dir.path();
    job.dryRun = true;
    QCOMPARE(QFileInfo(ConversionRunner(job).run().files.at(0).output).fileName(),
             QStringLiteral("p_40x30.png"));
    job.dryRun = false;
    const ConversionReport report = ConversionRunner(job).run();
    QCOMPARE(QFileInfo(report.files.at(0).output).fileName(), QStringLiteral("p_40x30.png"));
    QCOMPARE(TestImages::identify(report.files.at(0).output, QStringLiteral("%w %h")),
             QStringLiteral("40 30"));
}

QTEST_GUILESS_MAIN(TestNameTemplate)
#include "tst_nametemplate.moc"
