#include "TestImages.h"
#include "batch/OutputNaming.h"
#include "batch/PendingFile.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(PendingFile::Kind)

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestSafeWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void publishes_data();
    void publishes();
    void nameTakenAfterWritingIsNotReplaced_data();
    void nameTakenAfterWritingIsNotReplaced();
    void danglingLinkIsNotFollowed();
    void noFreeNameLeavesNothing_data();
    void noFreeNameLeavesNothing();
    void writeFailureLeavesNothing_data();
    void writeFailureLeavesNothing();
    void missingFolderFails();
    void crashLeavesNoUnnamedFile();
};

static void addKinds()
{
    QTest::addColumn<PendingFile::Kind>("kind");
    QTest::newRow("unnamed file") << PendingFile::Kind::Automatic;
    QTest::newRow("hidden temporary name") << PendingFile::Kind::NamedTemporary;
}

void TestSafeWriter::publishes_data()
{
    addKinds();
}

void TestSafeWriter::publishes()
{
    QFETCH(PendingFile::Kind, kind);
    QTemporaryDir dir;
    Result<PendingFile> written = PendingFile::write(dir.path(), "picture", kind);
    QVERIFY2(written.ok(), qPrintable(written.failure().text()));
    const Result<QString> result = written.value().publish(candidateFileNames("IMG", ".jpg"));
    QVERIFY(result.ok());
    QCOMPARE(result.value(), dir.filePath("IMG.jpg"));
    QCOMPARE(TestImages::readFile(result.value()), QByteArray("picture"));
    QCOMPARE(entries(dir.path()), QStringList {"IMG.jpg"});
    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(result.value()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0666 & ~mask);
}

void TestSafeWriter::nameTakenAfterWritingIsNotReplaced_data()
{
    addKinds();
}

void TestSafeWriter::nameTakenAfterWritingIsNotReplaced()
{
    QFETCH(PendingFile::Kind, kind);
    QTemporaryDir dir;
    PendingFile file = std::move(PendingFile::write(dir.path(), "new", kind).value());
    // Another program takes the first two names between the write and the naming.
    TestImages::writeFile(dir.filePath("Trip1.jpg"), "old");
    TestImages::writeFile(dir.filePath("Trip1 (copy).jpg"), "old");
    const Result<QString> result = file.publish(candidateFileNames("Trip1", ".jpg"));
    QVERIFY(result.ok());
    QCOMPARE(QFileInfo(result.value()).fileName(), QStringLiteral("Trip1 (copy 2).jpg"));
    QCOMPARE(TestImages::readFile(dir.filePath("Trip1.jpg")), QByteArray("old"));
    QCOMPARE(TestImages::readFile(dir.filePath("Trip1 (copy).jpg")), QByteArray("old"));
    QCOMPARE(entries(dir.path()).size(), 3);
}

void TestSafeWriter::danglingLinkIsNotFollowed()
{
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath("victim.jpg");
    QVERIFY(QFile::link(target, dir.filePath("IMG.jpg")));
    PendingFile file = std::move(PendingFile::write(dir.path(), "x").value());
    const Result<QString> result = file.publish(candidateFileNames("IMG", ".jpg"));
    QCOMPARE(QFileInfo(result.value()).fileName(), QStringLiteral("IMG (copy).jpg"));
    QVERIFY(!QFile::exists(target));
}

void TestSafeWriter::noFreeNameLeavesNothing_data()
{
    addKinds();
}

void TestSafeWriter::noFreeNameLeavesNothing()
{
    QFETCH(PendingFile::Kind, kind);
    QTemporaryDir dir;
    const QStringList names = candidateFileNames("full", ".png");
    for (const QString &name : names)
        TestImages::writeFile(dir.filePath(name), "old");
    {
        PendingFile file = std::move(PendingFile::write(dir.path(), "x", kind).value());
        QCOMPARE(file.publish(names).failure().reason, FailureReason::NoFreeName);
    }
    QCOMPARE(entries(dir.path()).size(), 100);
}

void TestSafeWriter::writeFailureLeavesNothing_data()
{
    addKinds();
}

void TestSafeWriter::writeFailureLeavesNothing()
{
    // A file size limit stands in for a full disk: the write fails part way.
    QFETCH(PendingFile::Kind, kind);
    QTemporaryDir dir;
    struct rlimit old;
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Result<PendingFile> written = PendingFile::write(dir.path(), QByteArray(5000, 'x'), kind);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    QCOMPARE(written.failure(), Failure(FailureReason::CannotWrite, QStringLiteral("File too large")));
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestSafeWriter::missingFolderFails()
{
    QTemporaryDir dir;
    const Result<PendingFile> written = PendingFile::write(dir.filePath("nope"), "x");
    QCOMPARE(written.failure(),
             Failure(FailureReason::CannotWrite, QStringLiteral("No such file or directory")));
}

void TestSafeWriter::crashLeavesNoUnnamedFile()
{
    QTemporaryDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
        const Result<PendingFile> written = PendingFile::write(dir.path(), QByteArray(100000, 'x'));
        ::_exit(written.ok() ? 0 : 1); // dies without publishing or cleaning up
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(entries(dir.path()), QStringList());
}

QTEST_GUILESS_MAIN(TestSafeWriter)
#include "tst_pendingfile.moc"
