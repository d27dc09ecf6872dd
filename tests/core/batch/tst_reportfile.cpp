#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/InputList.h"
#include "batch/ReportFile.h"
#include "common/FileName.h"

#include <QtTest>

namespace {

QList<QJsonObject> parsedLines(const QByteArray &bytes)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error {};
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            return {};
        objects << document.object();
    }
    return objects;
}

// Whether an independent reader finds EXIF, XMP or IPTC in the file.
bool carriesMetadata(const QString &path)
{
    return !TestImages::run("exiv2", {"-q", "-pa", path}).trimmed().isEmpty();
}

bool carriesProfile(const QString &path)
{
    return !TestImages::run("exiftool", {"-s3", "-ICC_Profile:ProfileDescription", path}).trimmed().isEmpty();
}

} // namespace

class TestReportFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void linesForWrittenAndFailedInputs_data();
    void linesForWrittenAndFailedInputs();
    void reportFileReplacesOnlyARegularFile();
    void dryRunReportHoldsNamesOnly();
    void listEntries_data();
    void listEntries();

private:
    QTemporaryDir m_inputs;
    QString m_photo;
};

void TestReportFile::initTestCase()
{
    if (QStandardPaths::findExecutable("exiv2").isEmpty() ||
        QStandardPaths::findExecutable("exiftool").isEmpty())
        QSKIP("exiv2 or exiftool is missing (packages exiv2, libimage-exiftool-perl)");
    m_photo = m_inputs.filePath("photo.jpg");
    TestImages::writeWithQt(TestImages::quadrants(90, 60), m_photo, "jpeg", 90);
    TestImages::setExif(m_photo, {{"Exif.Image.Make", "ReportCam"}, {"Exif.Image.Artist", "Ann"}});
    TestImages::setIcc(m_photo, TestImages::srgbProfile());
}

void TestReportFile::linesForWrittenAndFailedInputs_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("kept");
    QTest::addColumn<bool>("removed");
    QTest::newRow("JPEG, all metadata") << int(OutputFormat::Jpeg) << int(MetadataKept::All) << false;
    QTest::newRow("JPEG, no metadata") << int(OutputFormat::Jpeg) << int(MetadataKept::None) << true;
    QTest::newRow("WebP, all metadata") << int(OutputFormat::WebP) << int(MetadataKept::All) << false;
    QTest::newRow("PNG, authorship only")
        << int(OutputFormat::Png) << int(MetadataKept::CopyrightOnly) << true;
    QTest::newRow("GIF, which holds none") << int(OutputFormat::Gif) << int(MetadataKept::All) << false;
}

void TestReportFile::linesForWrittenAndFailedInputs()
{
    QFETCH(int, format);
    QFETCH(int, kept);
    QFETCH(bool, removed);
    QTemporaryDir out;
    const QString noise = m_inputs.filePath("noise.jpg");
    TestImages::writeFile(noise, QByteArray(500, '\x33'));
    ConversionJob job;
    job.inputs = {m_photo, noise, m_inputs.filePath("gone.png"), m_photo};
    job.options.format = OutputFormat(format);
    job.options.metadata = MetadataKept(kept);
    job.options.resize = ResizeMode::Width;
    job.options.resizeTo = 45;
    job.outputFolder = out.path();
    const ConversionReport report = ConversionRunner(job).run();
    const QString reportPath = out.filePath("run.jsonl");
    QVERIFY(!writeReportFile(reportPath, report).failed());
    const QList<QJsonObject> lines = parsedLines(TestImages::readFile(reportPath));
    QCOMPARE(lines.size(), 5);

    qint64 bytes = 0;
    for (int i : {0, 3}) {
        const QJsonObject &line = lines.at(i);
        QCOMPARE(line.value("type").toString(), QStringLiteral("file"));
        QCOMPARE(line.value("position").toInt(), i + 1);
        QCOMPARE(line.value("input").toString(), m_photo);
        QCOMPARE(line.value("status").toString(), QStringLiteral("written"));
        QVERIFY(line.value("reason").isNull());
        const QString output = line.value("output").toString();
        QCOMPARE(line.value("bytes").toInteger(), QFileInfo(output).size());
        bytes += QFileInfo(output).size();
        QCOMPARE(TestImages::identify(output + "[0]", "%wx%h"),
                 QStringLiteral("%1x%2").arg(line.value("width").toInt()).arg(line.value("height").toInt()));
        QCOMPARE(line.value("width").toInt(), 45);
        QCOMPARE(line.value("metadata_written").toBool(), carriesMetadata(output));
        QCOMPARE(line.value("metadata_removed").toBool(), removed);
        QCOMPARE(line.value("profile_written").toBool(), carriesProfile(output));
        QCOMPARE(TestImages::exiv2Value(output, "Exif.Image.Make").isEmpty(),
                 removed || OutputFormat(format) == OutputFormat::Gif);
        QVERIFY(line.value("milliseconds").isDouble());
    }
    QCOMPARE(lines.at(0).value("output").toString(),
             out.filePath(QFileInfo(report.files.at(0).output).fileName()));
    QVERIFY(lines.at(3).value("output").toString().contains(" (copy)"));
    // GIF keeps neither and says so in the file's notes; without metadata, the profile stays.
    QCOMPARE(lines.at(0).value("metadata_written").toBool(),
             OutputFormat(format) != OutputFormat::Gif && MetadataKept(kept) != MetadataKept::None);
    QCOMPARE(lines.at(0).value("profile_written").toBool(), OutputFormat(format) != OutputFormat::Gif);
    QCOMPARE(lines.at(0).value("notes").toArray().isEmpty(), OutputFormat(format) != OutputFormat::Gif);

    const QJsonObject failed = lines.at(1);
    QCOMPARE(failed.value("status").toString(), QStringLiteral("failed"));
    QCOMPARE(failed.value("reason").toString(), QStringLiteral("unsupported or damaged image"));
    QVERIFY(failed.value("output").isNull());
    QVERIFY(failed.value("bytes").isNull());
    QVERIFY(failed.value("width").isNull());
    QCOMPARE(lines.at(2).value("reason").toString(), QStringLiteral("missing"));

    const QJsonObject summary = lines.at(4);
    QCOMPARE(summary.value("type").toString(), QStringLiteral("summary"));
    QCOMPARE(summary.value("inputs").toInt(), 4);
    QCOMPARE(summary.value("written").toInt(), 2);
    QCOMPARE(summary.value("failed").toInt(), 2);
    QCOMPARE(summary.value("skipped").toInt(), 0);
    QCOMPARE(summary.value("bytes").toInteger(), bytes);
    QCOMPARE(summary.value("shard").toString(), QStringLiteral("1/1"));
    QVERIFY(!summary.value("version").toString().isEmpty());
    QVERIFY(summary.value("milliseconds").toDouble() >= 0);
}

void TestReportFile::reportFileReplacesOnlyARegularFile()
{
    QTemporaryDir dir, elsewhere;
    ConversionReport report;
    report.files.resize(1);
    report.files[0].input = "a.jpg";
    const QString path = dir.filePath("run.jsonl");
    TestImages::writeFile(path, "an older report");
    QVERIFY(!writeReportFile(path, report).failed());
    QCOMPARE(parsedLines(TestImages::readFile(path)).size(), 2);
    // A link planted at the report's path is refused and its target left as it is.
    const QString victim = elsewhere.filePath("victim");
    TestImages::writeFile(victim, "keep");
    const QString planted = dir.filePath("planted.jsonl");
    QVERIFY(QFile::link(victim, planted));
    const Failure failure = writeReportFile(planted, report);
    QCOMPARE(failure.reason, FailureReason::CannotWrite);
    QCOMPARE(TestImages::readFile(victim), QByteArray("keep"));
    QCOMPARE(QFileInfo(planted).symLinkTarget(), victim);
    QVERIFY(writeReportFile(dir.filePath("no such folder/run.jsonl"), report).failed());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
}

void TestReportFile::dryRunReportHoldsNamesOnly()
{
    QTemporaryDir out;
    ConversionJob job;
    job.inputs = {m_photo, m_inputs.filePath("gone.png")};
    job.outputFolder = out.path();
    job.dryRun = true;
    const QList<QJsonObject> lines = parsedLines(reportLines(ConversionRunner(job).run()));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0).value("status").toString(), QStringLiteral("planned"));
    QCOMPARE(lines.at(0).value("output").toString(), out.filePath("photo.jpg"));
    QVERIFY(lines.at(0).value("bytes").isNull());
    QVERIFY(lines.at(0).value("width").isNull());
    QCOMPARE(lines.at(1).value("reason").toString(), QStringLiteral("missing"));
    QVERIFY(lines.at(2).value("dry_run").toBool());
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestReportFile::listEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("nul");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("lines") << QByteArray("a.jpg\n/p/b c.jpg\n") << false
                           << QStringList {"a.jpg", "/p/b c.jpg"};
    QTest::newRow("empty lines, no last newline")
        << QByteArray("\n\na.jpg\n\nb.jpg") << false << QStringList {"a.jpg", "b.jpg"};
    QTest::newRow("Windows line ends")
        << QByteArray("a.jpg\r\nb.jpg\r\n") << false << QStringList {"a.jpg", "b.jpg"};
    QTest::newRow("NUL-separated, a newline in a name")
        << QByteArray("a\nb.jpg") + '\0' + "c.jpg\r" + '\0' + '\0' << true
        << QStringList {"a\nb.jpg", "c.jpg\r"};
    QTest::newRow("bytes that are not UTF-8")
        << QByteArray("caf\xe9.jpg\n") << false << QStringList {decodeFileName(QByteArray("caf\xe9.jpg"))};
}

void TestReportFile::listEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, nul);
    QFETCH(QStringList, paths);
    QCOMPARE(inputListEntries(bytes, nul), paths);
}

QTEST_MAIN(TestReportFile)
#include "tst_reportfile.moc"
