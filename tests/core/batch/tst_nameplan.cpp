#include "FuseMount.h"
#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/NamePlan.h"
#include "batch/OutputNaming.h"
#include "batch/PendingFile.h"

#include <QtTest>

#include <thread>

namespace {

QStringList plannedNames(const QStringList &stems, const QString &extension)
{
    const QVector<int> plan = plannedNameIndexes(stems, extension);
    QStringList names;
    for (int i = 0; i < stems.size(); ++i)
        names << (plan.at(i) < 0 ? QStringLiteral("-")
                                 : candidateFileNames(stems.at(i), extension).at(plan.at(i)));
    return names;
}

QStringList outputFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

ConversionJob jobFor(const QStringList &inputs, const QString &folder, NamingMode naming)
{
    ConversionJob job;
    job.inputs = inputs;
    job.options.resize = ResizeMode::Width;
    job.options.resizeTo = 24;
    job.options.naming = naming;
    job.options.title = naming == NamingMode::NewName ? QStringLiteral("Shop") : QString();
    job.outputFolder = folder;
    job.workers = 2;
    return job;
}

ConversionReport runShard(ConversionJob job, int shard, int count)
{
    job.shardIndex = shard;
    job.shardCount = count;
    return ConversionRunner(job).run();
}

} // namespace

class TestNamePlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void plan_data();
    void plan();
    void planIsTheFirstFreeNameOfARun();
    void shardsGiveTheNamesAndBytesOfOneRun_data();
    void shardsGiveTheNamesAndBytesOfOneRun();
    void shardReportsHoldTheirPartInListOrder();
    void skipExistingResumes();
    void dryRunForetellsARunIntoAFolderNotEmpty();

private:
    QTemporaryDir m_inputs;
    QStringList m_list; // a stem shared by two folders, and a name that is another's "(copy)"
};

void TestNamePlan::initTestCase()
{
    QDir().mkpath(m_inputs.filePath("b"));
    const QStringList names = {"IMG_1.jpg", "b/IMG_1.jpg", "IMG_1 (copy).png", "IMG_2.jpg", "b/IMG_2.png",
                               "c.jpg",     "d.png",       "IMG_1.png"};
    int shade = 0;
    for (const QString &name : names) {
        QImage picture = TestImages::quadrants(60 + shade, 40);
        picture.setPixel(0, 0, qRgb(shade * 20, 0, 0));
        TestImages::writeWithQt(picture, m_inputs.filePath(name), name.endsWith("png") ? "png" : "jpeg", 90);
        m_list << m_inputs.filePath(name);
        ++shade;
    }
}

void TestNamePlan::plan_data()
{
    QTest::addColumn<QStringList>("stems");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("distinct") << QStringList {"a", "b"} << QStringList {"a.jpg", "b.jpg"};
    QTest::newRow("one stem three times") << QStringList {"a", "a", "b", "a"}
                                          << QStringList {"a.jpg", "a (copy).jpg", "b.jpg", "a (copy 2).jpg"};
    // The name another entry's collision takes first is not taken twice.
    QTest::newRow("a name that is another's copy")
        << QStringList {"a", "a", "a (copy)"} << QStringList {"a.jpg", "a (copy).jpg", "a (copy) (copy).jpg"};
    QTest::newRow("copy before its original")
        << QStringList {"a (copy)", "a", "a"} << QStringList {"a (copy).jpg", "a.jpg", "a (copy 2).jpg"};
    QTest::newRow("output subfolders are names of their own")
        << QStringList {"x/a", "y/a", "x/a"} << QStringList {"x/a.jpg", "y/a.jpg", "x/a (copy).jpg"};
    QStringList many(kOutputNameCandidates + 1, QStringLiteral("a"));
    QStringList names = candidateFileNames("a", ".jpg");
    names << "-";
    QTest::newRow("more entries than names") << many << names;
}

void TestNamePlan::plan()
{
    QFETCH(QStringList, stems);
    QFETCH(QStringList, names);
    QCOMPARE(plannedNames(stems, ".jpg"), names);
}

// Into an empty folder, the plan is what taking the first free name in list order gives.
void TestNamePlan::planIsTheFirstFreeNameOfARun()
{
    const QStringList stems = {"a", "b", "a", "a (copy)", "a (copy 2)", "a", "b (copy)", "b", "b", "c"};
    QTemporaryDir folder;
    QStringList firstFree;
    for (const QString &stem : stems) {
        firstFree << firstUntakenName(folder.path(), candidateFileNames(stem, ".png"));
        TestImages::writeFile(folder.filePath(firstFree.last()), "taken");
    }
    QCOMPARE(plannedNames(stems, ".png"), firstFree);
}

void TestNamePlan::shardsGiveTheNamesAndBytesOfOneRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("namingValue");
    for (const char *how : {"one after another", "at once", "at once on bindfs", "at once as on NFS"}) {
        QTest::addRow("%s, current names", how) << QString(how) << int(NamingMode::CurrentNames);
        QTest::addRow("%s, new names", how) << QString(how) << int(NamingMode::NewName);
    }
}

void TestNamePlan::shardsGiveTheNamesAndBytesOfOneRun()
{
    QFETCH(QString, how);
    QFETCH(int, namingValue);
    const NamingMode naming = NamingMode(namingValue);
    QTemporaryDir one;
    const ConversionReport single = ConversionRunner(jobFor(m_list, one.path(), naming)).run();
    QCOMPARE(single.writtenCount(), m_list.size());

    QTemporaryDir local;
    std::unique_ptr<FuseMount> mount;
    QString shared = local.path();
    if (how.contains("bindfs")) {
        mount = std::make_unique<FuseMount>("bindfs");
        if (!mount->why.isEmpty())
            QSKIP(qPrintable(mount->why + " (packages bindfs, fuse3)"));
        shared = mount->point;
    }
    // NFS has neither unnamed files nor no-replace renames: hidden temporaries, hard-linked.
    PendingFile::setAsOnNfsForTests(how.contains("NFS"));
    auto restore = qScopeGuard([] { PendingFile::setAsOnNfsForTests(false); });
    ConversionJob job = jobFor(m_list, shared, naming);
    QVector<ConversionReport> parts(3);
    if (how == "one after another") {
        for (int k = 0; k < 3; ++k)
            parts[k] = runShard(job, k, 3);
    } else {
        std::vector<std::thread> shards;
        for (int k = 0; k < 3; ++k)
            shards.emplace_back([&, k] { parts[k] = runShard(job, k, 3); });
        for (std::thread &t : shards)
            t.join();
    }
    int written = 0;
    for (const ConversionReport &part : parts)
        written += part.writtenCount();
    QCOMPARE(written, m_list.size());
    const QStringList names = outputFiles(one.path());
    QCOMPARE(outputFiles(shared), names);
    for (const QString &name : names)
        QVERIFY2(TestImages::readFile(QDir(shared).filePath(name)) ==
                     TestImages::readFile(one.filePath(name)),
                 qPrintable(name));
}

void TestNamePlan::shardReportsHoldTheirPartInListOrder()
{
    QTemporaryDir out;
    ConversionJob job = jobFor(m_list, out.path(), NamingMode::CurrentNames);
    job.dryRun = true;
    const ConversionReport whole = ConversionRunner(job).run();
    QSet<int> seen;
    for (int k = 0; k < 3; ++k) {
        const ConversionReport part = runShard(job, k, 3);
        QCOMPARE(part.listSize, m_list.size());
        int last = -1;
        for (const FileResult &file : part.files) {
            QCOMPARE(file.index % 3, k);
            QVERIFY(file.index > last);
            last = file.index;
            QCOMPARE(file.output, whole.files.at(file.index).output);
            QVERIFY(!seen.contains(file.index));
            seen.insert(file.index);
        }
    }
    QCOMPARE(seen.size(), m_list.size());
}

// A run stopped part way is run again with skipExisting: what is there is skipped, the rest is
// converted under the names of one run, and no output has a second name.
void TestNamePlan::skipExistingResumes()
{
    QTemporaryDir one, resumed;
    ConversionRunner(jobFor(m_list, one.path(), NamingMode::CurrentNames)).run();
    // As a run killed after its first three names.
    ConversionJob job = jobFor(m_list.mid(0, 3), resumed.path(), NamingMode::CurrentNames);
    ConversionRunner(job).run();
    // A file of the user's under a planned name counts as done as well.
    TestImages::writeFile(resumed.filePath("c.jpg"), "the user's");
    job = jobFor(m_list, resumed.path(), NamingMode::CurrentNames);
    job.skipExisting = true;
    const ConversionReport report = ConversionRunner(job).run();
    QStringList statuses;
    for (const FileResult &file : report.files)
        statuses << (file.status == FileStatus::Skipped   ? "skipped"
                     : file.status == FileStatus::Written ? "written"
                                                          : "?");
    QCOMPARE(statuses, QStringList({"skipped", "skipped", "skipped", "written", "written", "skipped",
                                    "written", "written"}));
    QCOMPARE(report.files.at(1).output, resumed.filePath("IMG_1 (copy).jpg"));
    QCOMPARE(outputFiles(resumed.path()), outputFiles(one.path()));
    QCOMPARE(TestImages::readFile(resumed.filePath("c.jpg")), QByteArray("the user's"));
}

// A planned name already taken sends its entry on to later names, which may be planned for a later
// entry; the dry run says what the run then does.
void TestNamePlan::dryRunForetellsARunIntoAFolderNotEmpty()
{
    const QStringList list = {m_inputs.filePath("IMG_1 (copy).png"), m_inputs.filePath("IMG_1.jpg"),
                              m_inputs.filePath("b/IMG_1.jpg")};
    QTemporaryDir out;
    TestImages::writeFile(out.filePath("IMG_1.jpg"), "there before");
    ConversionJob job = jobFor(list, out.path(), NamingMode::CurrentNames);
    job.dryRun = true;
    const ConversionReport dry = ConversionRunner(job).run();
    job.dryRun = false;
    const ConversionReport run = ConversionRunner(job).run();
    QStringList foretold, written;
    for (int i = 0; i < list.size(); ++i) {
        foretold << QFileInfo(dry.files.at(i).output).fileName();
        written << QFileInfo(run.files.at(i).output).fileName();
    }
    QCOMPARE(foretold, QStringList({"IMG_1 (copy).jpg", "IMG_1 (copy 2).jpg", "IMG_1 (copy 3).jpg"}));
    QCOMPARE(written, foretold);
    QCOMPARE(TestImages::readFile(out.filePath("IMG_1.jpg")), QByteArray("there before"));
}

QTEST_MAIN(TestNamePlan)
#include "tst_nameplan.moc"
