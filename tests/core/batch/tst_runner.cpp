#include "batch/ConversionRunner.h"
#include "batch/OutputNaming.h"
#include "TestImages.h"

#include <QtTest>

namespace {

ConversionJob jobFor(const QStringList &inputs, const QString &folder, int workers)
{
    ConversionJob job;
    job.inputs = inputs;
    job.options.resize = ResizeMode::Width;
    job.options.resizeTo = 40;
    job.outputFolder = folder;
    job.workers = workers;
    return job;
}

QStringList outputNames(const ConversionReport &report)
{
    QStringList names;
    for (const FileResult &r : report.files)
        names << (r.status == FileStatus::Written ? QFileInfo(r.output).fileName()
                                                  : failureReasonText(r.reason));
    return names;
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFailureHasItsReason();
    void cannotWriteCarriesTheSystemMessage();
    void namesDoNotDependOnWorkers();
    void finishedInListOrder();
    void logoWithoutPictureIsNotedOnce();
    void cancelFinishesFilesInFlight_data();
    void cancelFinishesFilesInFlight();

private:
    QTemporaryDir m_inputs;
    QString m_good;
};

void TestRunner::initTestCase()
{
    m_good = m_inputs.filePath("good.jpg");
    TestImages::writeWithQt(TestImages::quadrants(120, 80), m_good, "jpeg", 90);
}

void TestRunner::everyFailureHasItsReason()
{
    QTemporaryDir out;
    const QString folderInput = m_inputs.filePath("folder.jpg");
    QDir().mkpath(folderInput);
    const QString noise = m_inputs.filePath("noise.png");
    TestImages::writeFile(noise, QByteArray(3000, '\x5a'));
    const QString empty = m_inputs.filePath("empty.jpg");
    TestImages::writeFile(empty, QByteArray());
    const QString bombPath = m_inputs.filePath("bomb.png");
    TestImages::writeFile(bombPath, TestImages::pngClaiming(90000, 90000));
    // Every name the last input could take is taken.
    const QString crowded = m_inputs.filePath("crowded.png");
    TestImages::writeWithQt(TestImages::quadrants(8, 8), crowded, "png");
    for (const QString &name : candidateFileNames("crowded", ".jpg"))
        TestImages::writeFile(out.filePath(name), "taken");

    const QStringList inputs = {
        m_good, m_inputs.filePath("gone.jpg"), folderInput, noise, empty, bombPath, crowded, m_good};
    const ConversionReport report = ConversionRunner(jobFor(inputs, out.path(), 2)).run();
    QCOMPARE(outputNames(report),
             (QStringList {"good.jpg", "missing", "cannot read", "unsupported or damaged image",
                           "unsupported or damaged image", "too large", "no free name", "good (copy).jpg"}));
    QCOMPARE(report.writtenCount(), 2);
    QCOMPARE(report.failedCount(), 6);
    QVERIFY(!report.cancelled);
    QVERIFY(report.files[5].failureText().startsWith(QStringLiteral("too large: ")));
}

void TestRunner::cannotWriteCarriesTheSystemMessage()
{
    QTemporaryDir out;
    const QString notAFolder = out.filePath("file");
    TestImages::writeFile(notAFolder, "x");
    const ConversionReport report = ConversionRunner(jobFor({m_good, m_good}, notAFolder, 1)).run();
    QCOMPARE(report.failedCount(), 2);
    QCOMPARE(report.files[0].reason, FailureReason::CannotWrite);
    QCOMPARE(report.files[0].failureText(), QStringLiteral("cannot write: Not a directory"));
}

void TestRunner::namesDoNotDependOnWorkers()
{
    // Same-named sources from several folders, with failures between them.
    QTemporaryDir a, b;
    QStringList inputs;
    for (int i = 0; i < 9; ++i) {
        const QString path = (i % 2 ? a : b).filePath(QStringLiteral("IMG_%1.png").arg(i % 3));
        if (!QFile::exists(path))
            TestImages::writeWithQt(TestImages::quadrants(60 + i * 7, 40 + i), path, "png");
        inputs << path;
        if (i % 4 == 1)
            inputs << a.filePath("missing.png");
    }
    QStringList reference;
    for (int workers : {1, 2, 4}) {
        QTemporaryDir out;
        const QStringList names = outputNames(ConversionRunner(jobFor(inputs, out.path(), workers)).run());
        if (workers == 1)
            reference = names;
        QCOMPARE(names, reference);
    }
    QVERIFY(reference.contains(QStringLiteral("IMG_0 (copy 2).jpg")));
}

void TestRunner::finishedInListOrder()
{
    QTemporaryDir out;
    QStringList inputs;
    for (int i = 0; i < 12; ++i)
        inputs << m_good;
    ConversionRunner runner(jobFor(inputs, out.path(), 3));
    QList<int> order;
    runner.setFileFinishedHandler([&](const FileResult &r) { order << r.index; });
    runner.run();
    QList<int> expected;
    for (int i = 0; i < 12; ++i)
        expected << i;
    QCOMPARE(order, expected);
}

void TestRunner::logoWithoutPictureIsNotedOnce()
{
    QTemporaryDir out;
    ConversionJob job = jobFor({m_good, m_good}, out.path(), 2);
    job.options.logo.enabled = true; // a logo well left empty
    const ConversionReport report = ConversionRunner(job).run();
    QCOMPARE(report.writtenCount(), 2);
    QCOMPARE(report.notes.size(), 1);
    QVERIFY(report.notes.first().contains(QStringLiteral("no logo")));
}

void TestRunner::cancelFinishesFilesInFlight_data()
{
    QTest::addColumn<int>("workers");
    QTest::newRow("one worker") << 1;
    QTest::newRow("two workers") << 2;
}

void TestRunner::cancelFinishesFilesInFlight()
{
    QFETCH(int, workers);
    QTemporaryDir out;
    QStringList inputs;
    for (int i = 0; i < 10; ++i)
        inputs << m_good;
    ConversionRunner runner(jobFor(inputs, out.path(), workers));
    runner.setFileStartedHandler([&](int index, int) {
        if (index == 0)
            runner.cancel();
    });
    const ConversionReport report = runner.run();
    QVERIFY(report.cancelled);
    // Every file that started was finished and written; none started after the request.
    QCOMPARE(report.writtenCount(), runner.startedCount());
    QVERIFY(runner.startedCount() >= 1 && runner.startedCount() <= workers);
    QCOMPARE(report.notStartedCount(), 10 - runner.startedCount());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), runner.startedCount());
}

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"
