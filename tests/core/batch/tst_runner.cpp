#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/OutputNaming.h"

#include <QtTest>

#include <atomic>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
                                                  : failureReasonText(r.failure.reason));
    return names;
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFailureHasItsReason();
    void cannotWriteCarriesTheSystemMessage();
    void outputFolderGoneStopsTheRun();
    void runningOutOfMemoryIsSaidSo();
    void namesDoNotDependOnWorkers();
    void finishedInListOrder();
    void overlaysComeOutTheSameWithSeveralWorkers();
    void filesInFlightAreBounded();
    void logoWithoutPictureIsNotedOnce();
    void cancelFinishesFilesInFlight_data();
    void cancelFinishesFilesInFlight();
    void keptPictureMemoryLeaksNoPixels();

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
    QVERIFY(report.files[5].failure.text().startsWith(QStringLiteral("too large: ")));
}

void TestRunner::cannotWriteCarriesTheSystemMessage()
{
    QTemporaryDir out;
    const QString notAFolder = out.filePath("file");
    TestImages::writeFile(notAFolder, "x");
    const ConversionReport report = ConversionRunner(jobFor({m_good, m_good}, notAFolder, 1)).run();
    QCOMPARE(report.failedCount(), 1);
    QCOMPARE(report.files[0].failure.reason, FailureReason::CannotWrite);
    QCOMPARE(report.files[0].failure.text(), QStringLiteral("cannot write: Not a directory"));
    QCOMPARE(report.files[1].status, FileStatus::NotStarted);
}

// The output folder removed during a run (an unplugged stick): the run stops at the first file
// that finds it gone, with one reason, instead of decoding every later file to fail it.
void TestRunner::outputFolderGoneStopsTheRun()
{
    QTemporaryDir base;
    const QString out = base.filePath("out");
    QVERIFY(QDir().mkpath(out));
    ConversionRunner runner(jobFor(QStringList(30, m_good), out, 2));
    runner.setFileFinishedHandler([&](const FileResult &result) {
        if (result.index == 0)
            QDir(out).removeRecursively();
    });
    const ConversionReport report = runner.run();
    QCOMPARE(report.writtenCount(), 1);
    QVERIFY2(report.failedCount() >= 1 && report.failedCount() <= 5,
             qPrintable(QString::number(report.failedCount())));
    QCOMPARE(report.notStartedCount(), 30 - 1 - report.failedCount());
    QCOMPARE(report.stopped, QStringLiteral("the output folder %1 is gone; the run stopped").arg(out));
    QVERIFY(!report.cancelled);
}

void TestRunner::runningOutOfMemoryIsSaidSo()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("the sanitizers' shadow memory does not fit an address-space limit");
#else
    // A 54-megapixel photo is well within the size limits; with the address space nearly used
    // up it cannot be decoded, and that is what the report says. Written a row at a time, so
    // this process never held a picture that size; its 216 MB of pixels cannot come from memory
    // malloc already holds.
    QTemporaryDir out;
    const QString photo = m_inputs.filePath("large.jpg");
    const uchar ink[4] = {0, 0, 0, 40};
    TestImages::writeCmykJpeg(photo, 9000, 6000, ink, false, QByteArray());
    // Progressive, the same photo needs libjpeg's own buffers first: their lack is said the same way.
    const QString progressive = m_inputs.filePath("progressive.jpg");
    TestImages::run("jpegtran", {"-progressive", "-outfile", progressive, photo});
    // Runs the job in a child with 24 MB of address space to spare; its exit status holds the
    // two files' failure reasons.
    const auto runLimited = [&](OutputFormat format) {
        const pid_t child = ::fork();
        if (child == 0) {
            long pages = 0;
            QFile statm(QStringLiteral("/proc/self/statm"));
            if (statm.open(QIODevice::ReadOnly))
                pages = statm.readAll().split(' ').value(0).toLong();
            const rlim_t room = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + 24 * 1024 * 1024;
            const struct rlimit limit = {room, room};
            ::setrlimit(RLIMIT_AS, &limit);
            ConversionJob job = jobFor({photo, progressive}, out.path(), 1);
            job.options.resize = ResizeMode::None;
            job.options.format = format;
            const ConversionReport report = ConversionRunner(job).run();
            ::_exit(int(report.files.value(0).failure.reason) * 16 +
                    int(report.files.value(1).failure.reason));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // A WebP output is made from the picture decoded whole.
    const int whole = runLimited(OutputFormat::WebP);
    QVERIFY(whole >= 0);
    QCOMPARE(FailureReason(whole / 16), FailureReason::OutOfMemory);
    QCOMPARE(FailureReason(whole % 16), FailureReason::OutOfMemory);
    // A JPEG, PNG or TIFF at full size goes band by band from the decoder to the encoder, and
    // fits; the progressive one still needs all its coefficients at once.
    for (const OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Png, OutputFormat::Tiff}) {
        const int bands = runLimited(format);
        QVERIFY(bands >= 0);
        QCOMPARE(FailureReason(bands / 16), FailureReason::None);
        QCOMPARE(FailureReason(bands % 16), FailureReason::OutOfMemory);
    }
#endif
}

void TestRunner::namesDoNotDependOnWorkers()
{
    // Same-named sources from several folders, with failures between them; last, four workers
    // under a memory budget smaller than any file, which then run one at a time.
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
    for (int workers : {1, 2, 4, -4}) {
        QTemporaryDir out;
        ConversionJob job = jobFor(inputs, out.path(), std::abs(workers));
        job.memoryBudget = workers < 0 ? 1 : 0;
        const QStringList names = outputNames(ConversionRunner(job).run());
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

void TestRunner::overlaysComeOutTheSameWithSeveralWorkers()
{
    // Workers share the scaled logo and take turns with the font engine; whatever the number of
    // workers, every output is the same, byte for byte.
    QTemporaryDir in;
    QStringList inputs;
    for (int i = 0; i < 8; ++i) {
        const QString path = in.filePath(QStringLiteral("photo%1.png").arg(i));
        TestImages::writeWithQt(TestImages::quadrants(300 + 40 * (i % 3), 200 + 30 * (i % 2)), path, "png");
        inputs << path;
    }
    ConversionOptions options;
    options.format = OutputFormat::Png;
    options.logo.enabled = options.watermark.enabled = options.copyright.enabled = true;
    QImage logo(60, 30, QImage::Format_ARGB32);
    logo.fill(qRgb(255, 0, 255));
    options.logo.picture = logo;
    options.logo.position = Placement::BottomLeft;
    options.watermark.text = QStringLiteral("© Worker test");
    options.watermark.size = TextSize::Large;
    options.copyright.pattern = LinePattern::DiagonalCross;
    QList<QByteArray> reference;
    for (int workers : {1, 4}) {
        QTemporaryDir out;
        ConversionJob job = jobFor(inputs, out.path(), workers);
        job.options = options;
        const ConversionReport report = ConversionRunner(job).run();
        QCOMPARE(report.writtenCount(), inputs.size());
        QList<QByteArray> written;
        for (const FileResult &file : report.files)
            written << TestImages::readFile(file.output);
        if (workers == 1)
            reference = written;
        QVERIFY(written == reference);
        // The logo is there: magenta near the bottom-left corner, a 1 % margin in.
        const QImage first(report.files[0].output);
        QCOMPARE(first.pixelColor(6, first.height() - 6), QColor(255, 0, 255));
    }
}

void TestRunner::filesInFlightAreBounded()
{
    // While the first file is slow, the others may run ahead only so far: memory does not grow
    // with the batch.
    QTemporaryDir in, out;
    const QString slow = in.filePath("slow.png");
    QImage noise(3000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = qRgb((x * 37 + y * 11) % 251, (x * y) % 253, (x ^ y) & 255);
    }
    TestImages::writeWithQt(noise, slow, "png");
    QStringList inputs = {slow};
    for (int i = 0; i < 20; ++i)
        inputs << m_good;
    const int workers = 2;
    ConversionRunner runner(jobFor(inputs, out.path(), workers));
    std::atomic<int> finished {0};
    std::atomic<int> furthestAhead {0};
    runner.setFileStartedHandler([&](int index, int) {
        const int ahead = index - finished.load();
        if (ahead > furthestAhead.load())
            furthestAhead.store(ahead);
    });
    runner.setFileFinishedHandler([&](const FileResult &) { ++finished; });
    QCOMPARE(runner.run().writtenCount(), inputs.size());
    // Two files in flight a worker, counted from the oldest unfinished one.
    QVERIFY2(furthestAhead.load() < 2 * workers, qPrintable(QString::number(furthestAhead.load())));
    QCOMPARE(furthestAhead.load(), 2 * workers - 1);
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

// A worker keeps a large picture's memory for its next file. Files of different sizes, some
// turned (decoded whole) and some drawn on, one after another on one worker: each output is the
// one a run of that file alone writes, so nothing of an earlier picture shows through.
void TestRunner::keptPictureMemoryLeaksNoPixels()
{
    QTemporaryDir dir;
    QStringList inputs;
    const QList<QPair<QSize, int>> files {
        {{3000, 2000}, 6}, {{2200, 1800}, 6}, {{3200, 2400}, 8}, {{2800, 2100}, 1}, {{3000, 2000}, 3}};
    for (int i = 0; i < files.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("in%1.jpg").arg(i));
        QImage picture = TestImages::quadrants(files[i].first.width(), files[i].first.height());
        picture.setPixel(i * 100, i * 50, qRgb(255, 255, 255));
        TestImages::writeWithQt(picture, path, "jpeg", 90);
        TestImages::setExif(path, {{"Exif.Image.Orientation", QString::number(files[i].second)}});
        inputs << path;
    }
    const auto run = [&](const QStringList &list, const QString &folder) {
        ConversionJob job = jobFor(list, folder, 1);
        job.options.resize = ResizeMode::None;
        job.options.jpegQuality = 80;
        job.options.watermark.text = QStringLiteral("kept");
        job.options.watermark.enabled = true;
        return ConversionRunner(job).run();
    };
    QTemporaryDir together;
    QCOMPARE(run(inputs, together.path()).writtenCount(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        QTemporaryDir alone;
        QCOMPARE(run({inputs[i]}, alone.path()).writtenCount(), 1);
        const QString name = QStringLiteral("/in%1.jpg").arg(i);
        QVERIFY2(TestImages::readFile(together.path() + name) == TestImages::readFile(alone.path() + name),
                 qPrintable(name));
    }
}

QTEST_MAIN(TestRunner)
#include "tst_runner.moc"
