#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "batch/InputFiles.h"
#include "batch/OutputFolder.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void picture(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    TestImages::writeWithQt(TestImages::quadrants(8, 6), path, "PNG");
}

// The written paths relative to the output folder, in list order ("failed: reason" for a failure).
QStringList written(const ConversionReport &report, const QString &folder)
{
    QStringList paths;
    for (const FileResult &r : report.files)
        paths << (r.status == FileStatus::Written ? QDir(folder).relativeFilePath(r.output)
                                                  : QStringLiteral("failed: ") + r.failure.text());
    return paths;
}

ConversionJob jobFor(const ExpandedInputs &expanded, const QString &folder)
{
    ConversionJob job;
    job.inputs = expanded.inputs;
    job.subfolders = expanded.subfolders;
    job.options.format = OutputFormat::Png;
    job.outputFolder = folder;
    job.workers = 2;
    return job;
}

} // namespace

class TestTrees : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void walkOrderAndSubfolders();
    void writtenIntoTheSameSubfolders_data();
    void writtenIntoTheSameSubfolders();
    void eachFileOnce();
    void unreadableSubfolderIsSaid();
    void plantedLinkIsRefused();
    void subfolderSteps_data();
    void subfolderSteps();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_tree;
};

// photos/
//   b.png  A.png  .hidden.png  notes.txt  loop -> photos  outside -> (elsewhere)
//   2024/  x.PNG  Trip/  trip/ (case only)  .cache/ (hidden)
//   2024/Trip/IMG_1.png   2024/trip/IMG_1.png   2024/trip/deep/z.png
//   zeta/ a.png
void TestTrees::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_tree = m_dir->filePath(QStringLiteral("photos"));
    for (const char *name :
         {"b.png", "A.png", ".hidden.png", "2024/x.PNG", "2024/Trip/IMG_1.png", "2024/trip/IMG_1.png",
          "2024/trip/deep/z.png", "2024/.cache/c.png", "zeta/a.png", "../elsewhere/e.png"})
        picture(m_tree + QLatin1Char('/') + QLatin1String(name));
    TestImages::writeFile(m_tree + QStringLiteral("/notes.txt"), "text");
    QVERIFY(QFile::link(m_tree, m_tree + QStringLiteral("/loop"))); // an ancestor
    QVERIFY(QFile::link(m_tree + QStringLiteral("/2024"), m_tree + QStringLiteral("/2024/trip/deep/up")));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("elsewhere")), m_tree + QStringLiteral("/outside")));
}

void TestTrees::walkOrderAndSubfolders()
{
    const ExpandedInputs tree = expandInputs({m_tree}, true);
    QStringList relative;
    for (const QString &path : tree.inputs)
        relative << QDir(m_tree).relativeFilePath(path);
    // Files before folders, each level without regard to case; links to folders, hidden folders
    // and hidden files passed over.
    QCOMPARE(relative, QStringList({"A.png", "b.png", "2024/x.PNG", "2024/Trip/IMG_1.png",
                                    "2024/trip/IMG_1.png", "2024/trip/deep/z.png", "zeta/a.png"}));
    QCOMPARE(tree.subfolders,
             QStringList({"", "", "2024", "2024/Trip", "2024/trip", "2024/trip/deep", "zeta"}));
    QVERIFY(tree.unreadable.isEmpty());
    QVERIFY(tree.emptyFolders.isEmpty());

    // Without the tree, the folder is its own files as before (hidden ones included), all flat.
    const ExpandedInputs flat = expandInputs({m_tree}, false);
    QCOMPARE(flat.inputs.size(), 3);
    QCOMPARE(flat.subfolders, QStringList({"", "", ""}));
}

void TestTrees::writtenIntoTheSameSubfolders_data()
{
    QTest::addColumn<int>("naming");
    QTest::addColumn<QStringList>("paths");
    // Names are decided in each subfolder: the two IMG_1 are in folders apart.
    QTest::newRow("keep") << int(NamingMode::CurrentNames)
                          << QStringList({"A.png", "b.png", "2024/x.png", "2024/Trip/IMG_1.png",
                                          "2024/trip/IMG_1.png", "2024/trip/deep/z.png", "zeta/a.png"});
    QTest::newRow("append") << int(NamingMode::AddText)
                            << QStringList({"A-web.png", "b-web.png", "2024/x-web.png",
                                            "2024/Trip/IMG_1-web.png", "2024/trip/IMG_1-web.png",
                                            "2024/trip/deep/z-web.png", "zeta/a-web.png"});
    // The number counts through the whole run.
    QTest::newRow("new") << int(NamingMode::NewName)
                         << QStringList({"Trip1.png", "Trip2.png", "2024/Trip3.png", "2024/Trip/Trip4.png",
                                         "2024/trip/Trip5.png", "2024/trip/deep/Trip6.png",
                                         "zeta/Trip7.png"});
}

void TestTrees::writtenIntoTheSameSubfolders()
{
    QFETCH(int, naming);
    QFETCH(QStringList, paths);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    ConversionJob job = jobFor(expandInputs({m_tree}, true), out);
    job.options.naming = NamingMode(naming);
    job.options.title = naming == int(NamingMode::NewName) ? QStringLiteral("Trip") : QStringLiteral("-web");
    const ConversionReport report = ConversionRunner(job).run();
    QCOMPARE(written(report, out), paths);
    for (const QString &path : paths)
        QVERIFY2(QFileInfo(QDir(out).filePath(path)).isFile(), qPrintable(path));

    // A second run into the same folder: each name collides in its own subfolder.
    job.dryRun = true;
    QStringList copies;
    for (const QString &path : paths)
        copies << path.left(path.size() - 4) + QStringLiteral(" (copy).png");
    QCOMPARE(written(ConversionRunner(job).run(), out), copies);
    job.dryRun = false;
    QCOMPARE(written(ConversionRunner(job).run(), out), copies);
}

void TestTrees::eachFileOnce()
{
    // The tree twice, a subfolder inside it, and a file beside its folder: each file once, where
    // it was first met.
    const QString file = m_tree + QStringLiteral("/2024/x.PNG");
    const ExpandedInputs once =
        expandInputs({file, m_tree, m_tree + QStringLiteral("/"), m_tree + QStringLiteral("/zeta")}, true);
    QCOMPARE(once.inputs.size(), 7);
    QCOMPARE(once.inputs.first(), file);
    QCOMPARE(once.subfolders.first(), QString());
    QCOMPARE(once.inputs.count(file), 1);
    QVERIFY(once.emptyFolders.isEmpty()); // met again is not empty

    // A folder with nothing to take is said.
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("bare/.git"))));
    QCOMPARE(expandInputs({m_dir->filePath(QStringLiteral("bare"))}, true).emptyFolders,
             QStringList({m_dir->filePath(QStringLiteral("bare"))}));
}

void TestTrees::unreadableSubfolderIsSaid()
{
    if (::geteuid() == 0)
        QSKIP("root reads every folder");
    const QString closed = m_tree + QStringLiteral("/2024/trip");
    QVERIFY(::chmod(QFile::encodeName(closed).constData(), 0) == 0);
    const ExpandedInputs tree = expandInputs({m_tree}, true);
    ::chmod(QFile::encodeName(closed).constData(), 0755);
    QCOMPARE(tree.unreadable.size(), 1);
    QVERIFY2(tree.unreadable.first().startsWith(closed + QStringLiteral(": ")),
             qPrintable(tree.unreadable.first()));
    QCOMPARE(tree.inputs.size(), 5); // the rest of the tree is taken
}

void TestTrees::plantedLinkIsRefused()
{
    // Another user's link where a subfolder is to be made: nothing is written through it, the
    // other subfolders are written.
    const QString out = m_dir->filePath(QStringLiteral("out"));
    const QString target = m_dir->filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(out + QStringLiteral("/2024")) && QDir().mkpath(target));
    QVERIFY(QFile::link(target, out + QStringLiteral("/2024/trip")));
    QVERIFY(QFile::link(target, out + QStringLiteral("/zeta")));
    const ConversionReport report = ConversionRunner(jobFor(expandInputs({m_tree}, true), out)).run();
    const QStringList paths = written(report, out);
    QCOMPARE(paths.mid(0, 4), QStringList({"A.png", "b.png", "2024/x.png", "2024/Trip/IMG_1.png"}));
    for (int i : {4, 5, 6})
        QVERIFY2(paths.at(i).startsWith(QStringLiteral("failed: cannot write: ")) &&
                     paths.at(i).contains(QStringLiteral("not a folder but a link")),
                 qPrintable(paths.at(i)));
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

    // Planted while the run holds the folder open: the handle-relative step still refuses it.
    Result<std::shared_ptr<const OutputFolder>> root = OutputFolder::open(out);
    QVERIFY(root.ok());
    QVERIFY(QFile::link(target, out + QStringLiteral("/late")));
    QVERIFY(!root.value()->subfolder(QStringLiteral("late/x")).ok());
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("/x")));
}

void TestTrees::subfolderSteps_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("made");
    QTest::newRow("nested") << "a/b/c" << true;
    QTest::newRow("dot dot") << "a/../../x" << false;
    QTest::newRow("dot") << "./a" << false;
    QTest::newRow("empty step") << "a//b" << false;
}

void TestTrees::subfolderSteps()
{
    QFETCH(QString, relative);
    QFETCH(bool, made);
    const QString out = m_dir->filePath(QStringLiteral("steps"));
    QVERIFY(QDir().mkpath(out));
    const Result<std::shared_ptr<const OutputFolder>> root = OutputFolder::open(out);
    const Result<std::shared_ptr<const OutputFolder>> sub = root.value()->subfolder(relative);
    QCOMPARE(sub.ok(), made);
    if (made)
        QCOMPARE(sub.value()->path(), out + QLatin1Char('/') + relative);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("x"))));
}

QTEST_GUILESS_MAIN(TestTrees)
#include "tst_trees.moc"
