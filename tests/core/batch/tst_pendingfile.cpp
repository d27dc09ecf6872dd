#include "FuseMount.h"
#include "TestImages.h"
#include "batch/OutputNaming.h"
#include "batch/PendingFile.h"

#include <QtTest>

#include <memory>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
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
    void danglingLinkIsNotFollowed();
    void retriedLinkIsTheFilesOwnName_data();
    void retriedLinkIsTheFilesOwnName();
    void replaceTakesOnlyARegularFile_data();
    void replaceTakesOnlyARegularFile();
    void noFreeNameLeavesNothing_data();
    void noFreeNameLeavesNothing();
    void writeFailureLeavesNothing_data();
    void writeFailureLeavesNothing();
    void missingFolderFails();
    void crashLeavesNoUnnamedFile();
    void onlyKilledRunsTemporariesAreRemoved_data();
    void onlyKilledRunsTemporariesAreRemoved();
    void fuseFolders_data();
    void fuseFolders();
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

    // Another program takes the next two names between a write and its naming: neither is replaced.
    PendingFile file = std::move(PendingFile::write(dir.path(), "new", kind).value());
    TestImages::writeFile(dir.filePath("IMG (copy).jpg"), "old");
    const Result<QString> next = file.publish(candidateFileNames("IMG", ".jpg"));
    QVERIFY(next.ok());
    QCOMPARE(QFileInfo(next.value()).fileName(), QStringLiteral("IMG (copy 2).jpg"));
    QCOMPARE(TestImages::readFile(dir.filePath("IMG.jpg")), QByteArray("picture"));
    QCOMPARE(TestImages::readFile(dir.filePath("IMG (copy).jpg")), QByteArray("old"));
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

// NFS answers a link sent again after its lost reply with "exists": the name then holds the
// file itself, which is its name, not a reason to take the next one as a second name.
void TestSafeWriter::retriedLinkIsTheFilesOwnName_data()
{
    QTest::addColumn<bool>("asOnNfs");
    QTest::newRow("no-replace rename") << false;
    QTest::newRow("hard link, as on NFS") << true;
}

void TestSafeWriter::retriedLinkIsTheFilesOwnName()
{
    QFETCH(bool, asOnNfs);
    PendingFile::setAsOnNfsForTests(asOnNfs);
    auto restore = qScopeGuard([] { PendingFile::setAsOnNfsForTests(false); });
    QTemporaryDir dir;
    PendingFile file =
        std::move(PendingFile::write(dir.path(), "mine", PendingFile::Kind::NamedTemporary).value());
    const QStringList before = entries(dir.path());
    QCOMPARE(before.size(), 1);
    QVERIFY(::link(QFile::encodeName(dir.filePath(before.first())).constData(),
                   QFile::encodeName(dir.filePath("IMG.jpg")).constData()) == 0);
    const Result<QString> result = file.publish(candidateFileNames("IMG", ".jpg"));
    QVERIFY2(result.ok(), qPrintable(result.failure().text()));
    QCOMPARE(result.value(), dir.filePath("IMG.jpg"));
    QCOMPARE(entries(dir.path()), QStringList {"IMG.jpg"});
    QCOMPARE(TestImages::readFile(dir.filePath("IMG.jpg")), QByteArray("mine"));
}

void TestSafeWriter::replaceTakesOnlyARegularFile_data()
{
    QTest::addColumn<QString>("there");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("nothing") << "nothing" << true;
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("symbolic link") << "link" << false;
    QTest::newRow("folder") << "folder" << false;
}

void TestSafeWriter::replaceTakesOnlyARegularFile()
{
    QFETCH(QString, there);
    QFETCH(bool, replaced);
    QTemporaryDir dir, elsewhere;
    const QString path = dir.filePath("report.jsonl");
    const QString victim = elsewhere.filePath("victim");
    TestImages::writeFile(victim, "victim");
    if (there == "file")
        TestImages::writeFile(path, "old");
    else if (there == "link")
        QVERIFY(QFile::link(victim, path));
    else if (there == "folder")
        QVERIFY(QDir().mkpath(path));
    {
        PendingFile file =
            std::move(PendingFile::write(dir.path(), "new", PendingFile::Kind::NamedTemporary).value());
        QCOMPARE(file.replace("report.jsonl").ok(), replaced);
    }
    if (replaced)
        QCOMPARE(TestImages::readFile(path), QByteArray("new"));
    QCOMPARE(TestImages::readFile(victim), QByteArray("victim"));
    // Nothing but the name is left in the folder, whether it was replaced or refused.
    QCOMPARE(entries(dir.path()), QStringList {"report.jsonl"});
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

// A child that writes a hidden temporary into the folder, then dies without cleaning up (its
// pid); with `linger`, a grandchild keeps the file open (and its lock held) until `release`
// is closed.
static pid_t leaveTemporary(const QString &folder, int *release = nullptr)
{
    int pipeFds[2] = {-1, -1};
    if (release && ::pipe(pipeFds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        Result<PendingFile> written =
            PendingFile::write(folder, QByteArray(1000, 'x'), PendingFile::Kind::NamedTemporary);
        if (written.ok() && release && ::fork() == 0) {
            char c;
            ::close(pipeFds[1]);
            while (::read(pipeFds[0], &c, 1) > 0) {
            }
            ::_exit(0);
        }
        ::_exit(written.ok() ? 0 : 1); // dies without publishing or cleaning up
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (release) {
        ::close(pipeFds[0]);
        *release = pipeFds[1];
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? child : -1;
}

static QString newEntry(const QStringList &before, const QString &folder)
{
    for (const QString &name : entries(folder))
        if (!before.contains(name))
            return name;
    return QString();
}

void TestSafeWriter::onlyKilledRunsTemporariesAreRemoved_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("local folder") << "local";
    QTest::newRow("FAT image (fusefat)") << "fat";
    QTest::newRow("passthrough (bindfs)") << "bindfs";
}

// Where there are no unnamed files, a killed writer leaves its hidden temporary file; the next
// write into that folder removes it. Nothing else goes: not a file that merely looks like one,
// nor one still held open by a process, nor one newer than the run that finds it.
void TestSafeWriter::onlyKilledRunsTemporariesAreRemoved()
{
    QFETCH(QString, kind);
    QTemporaryDir local;
    std::unique_ptr<FuseMount> mount;
    QString folder = local.path();
    if (kind != "local") {
        mount = std::make_unique<FuseMount>(kind);
        if (!mount->why.isEmpty())
            QSKIP(qPrintable(mount->why));
        folder = mount->point;
    }
    const QDir dir(folder);

    const pid_t killed = leaveTemporary(folder);
    QVERIFY(killed > 0);
    const QString left = entries(folder).value(0);
    QVERIFY2(left.startsWith(".pressmark-") && left.contains(QString::number(killed)), qPrintable(left));
    const QString prefix = left.left(left.indexOf(QString::number(killed)));

    // Files someone named like temporaries: a wrong tag, the older six-letter form.
    const QStringList lookalikes = {prefix + QString::number(killed) + "-abcdefgh-0123456789abcdef",
                                    prefix + QString::number(killed) + "-Ab3dEf"};
    for (const QString &name : lookalikes)
        TestImages::writeFile(dir.filePath(name), "a user's file");

    // A temporary whose writer died while another process still holds it open.
    int release = -1;
    QStringList before = entries(folder);
    QVERIFY(leaveTemporary(folder, &release) > 0);
    const QString held = newEntry(before, folder);

    // A temporary newer than the run that finds it.
    before = entries(folder);
    QVERIFY(leaveTemporary(folder) > 0);
    const QString newer = newEntry(before, folder);
    const struct timespec later[2] = {{::time(nullptr) + 3600, 0}, {::time(nullptr) + 3600, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(newer)).constData(), later, 0), 0);

    // Where the file system keeps extended attributes, a temporary without its mark.
    before = entries(folder);
    QVERIFY(leaveTemporary(folder) > 0);
    const QString unmarked = newEntry(before, folder);
    const QByteArray unmarkedPath = QFile::encodeName(dir.filePath(unmarked));
    const bool attributes = ::removexattr(unmarkedPath.constData(), "user.pressmark.temporary") == 0;
    if (!attributes)
        QVERIFY(::unlink(unmarkedPath.constData()) == 0);

    PendingFile next =
        std::move(PendingFile::write(folder, "new", PendingFile::Kind::NamedTemporary).value());
    QVERIFY(next.publish({"IMG.jpg"}).ok());
    QStringList expected = lookalikes + QStringList {held, newer, "IMG.jpg"};
    if (attributes)
        expected << unmarked;
    expected.sort();
    QCOMPARE(entries(folder), expected);
    for (const QString &name : lookalikes)
        QCOMPARE(TestImages::readFile(dir.filePath(name)), QByteArray("a user's file"));

    // The holder lets go (and the folder can be unmounted).
    ::close(release);
    const int fd = ::open(QFile::encodeName(dir.filePath(held)).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const auto unlocked = [fd] {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        return ::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type == F_UNLCK;
    };
    QTRY_VERIFY(unlocked());
    ::close(fd);
}

void TestSafeWriter::fuseFolders_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FAT image (fusefat)") << "fat";
    QTest::newRow("passthrough (bindfs)") << "bindfs";
}

// USB sticks and shares: FAT refuses hard links and no-replace renames and has no unnamed
// files. Outputs are still written, and still never replace a file, racing writers included.
void TestSafeWriter::fuseFolders()
{
    QFETCH(QString, kind);
    FuseMount mount(kind);
    if (!mount.why.isEmpty())
        QSKIP(qPrintable(mount.why));
    const QString folder = mount.point;
    TestImages::writeFile(QDir(folder).filePath("Trip.jpg"), "old");
    constexpr int kWriters = 6;
    std::vector<Result<QString>> published(kWriters, Result<QString>(FailureReason::None));
    std::vector<std::thread> writers;
    for (int i = 0; i < kWriters; ++i)
        writers.emplace_back([&, i] {
            Result<PendingFile> written = PendingFile::write(folder, QByteArray::number(i));
            published[size_t(i)] = written.ok() ? written.value().publish(candidateFileNames("Trip", ".jpg"))
                                                : Result<QString>(written.failure());
        });
    for (std::thread &t : writers)
        t.join();
    QSet<QString> names;
    for (int i = 0; i < kWriters; ++i) {
        const Result<QString> &result = published[size_t(i)];
        QVERIFY2(result.ok(), qPrintable(result.failure().text()));
        QCOMPARE(TestImages::readFile(result.value()), QByteArray::number(i));
        names.insert(QFileInfo(result.value()).fileName());
    }
    QCOMPARE(names.size(), kWriters);
    QVERIFY(!names.contains("Trip.jpg"));
    QCOMPARE(TestImages::readFile(QDir(folder).filePath("Trip.jpg")), QByteArray("old"));
    QCOMPARE(entries(folder).size(), kWriters + 1); // no temporary file left
}

QTEST_GUILESS_MAIN(TestSafeWriter)
#include "tst_pendingfile.moc"
