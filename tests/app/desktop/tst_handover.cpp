#include "desktop/SingleInstance.h"
#include "common/FileName.h"

#include <QDBusConnectionInterface>
#include <QtTest>

#include <atomic>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A session bus of the test's own, as another login session has: a dbus-daemon it started.
class PrivateBus {
public:
    explicit PrivateBus(const QString &name) : m_name(name)
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            address = QString::fromLatin1(m_daemon.readLine().trimmed());
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(m_name);
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    // A connection of its own to this bus, as another process has.
    QDBusConnection connect(const QString &name) const
    {
        return QDBusConnection::connectToBus(address, name);
    }
    QString address;

private:
    QString m_name;
    QProcess m_daemon;
};

QDBusConnection noBus()
{
    return QDBusConnection(QStringLiteral("no bus at all"));
}

// A runtime folder as XDG_RUNTIME_DIR is: the user's own, closed to others.
std::unique_ptr<QTemporaryDir> privateFolder()
{
    auto folder = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/pmrt-XXXXXX"));
    ::chmod(QFile::encodeName(folder->path()).constData(), 0700);
    return folder;
}

// A second launch's handover, from a thread of its own while this one answers as the first.
bool handOverFrom(const SingleInstance::Place &place, const QStringList &files)
{
    std::atomic<int> result {-1};
    std::thread launch([&] {
        SingleInstance second(place);
        result = second.handOver(files) ? 1 : 0;
    });
    QDeadlineTimer deadline(20000);
    while (result.load() < 0 && !deadline.hasExpired())
        QTest::qWait(10);
    launch.join();
    return result.load() == 1;
}

// A listening socket at `path` that never accepts: an instance too busy to answer.
int silentListener(const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    struct sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

class TestHandover : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sameSessionTakesTheFiles_data();
    void sameSessionTakesTheFiles();
    void otherSessionsOpenTheirOwnWindow_data();
    void otherSessionsOpenTheirOwnWindow();
    void runtimeFolderMustBePrivate_data();
    void runtimeFolderMustBePrivate();
    void anotherUsersListenerGetsNothing();
    void slowInstanceKeepsItsSocket();
    void realLaunches_data();
    void realLaunches();
};

void TestHandover::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QSKIP("dbus-daemon (package dbus-daemon) is needed for private session buses");
}

void TestHandover::sameSessionTakesTheFiles_data()
{
    QTest::addColumn<bool>("bus");
    QTest::newRow("session bus") << true;
    QTest::newRow("no bus: the runtime folder's socket") << false;
}

void TestHandover::sameSessionTakesTheFiles()
{
    QFETCH(bool, bus);
    PrivateBus session(QStringLiteral("first"));
    QVERIFY(!bus || !session.address.isEmpty());
    const auto folder = privateFolder();
    const QString display = QStringLiteral("xcb::1/3");
    SingleInstance first({bus ? session.connect("first") : noBus(), folder->path(), display});
    const SingleInstance::Place second {bus ? session.connect("second") : noBus(), folder->path(), display};

    QVERIFY(!handOverFrom(second, {"a.jpg"})); // nobody is running yet
    QVERIFY(first.listen());
    QSignalSpy received(&first, &SingleInstance::filesReceived);
    QSignalSpy activated(&first, &SingleInstance::activated);
    // Any name comes through whole: a newline in it, bytes that are not UTF-8, a relative one.
    const QString odd = folder->path() + QStringLiteral("/two\nlines ") + decodeFileName("caf\xe9.jpg");
    QVERIFY(handOverFrom(second, {odd, "relative name.png"}));
    QTRY_COMPARE(received.size(), 1);
    const QStringList files = received.first().first().toStringList();
    QCOMPARE(files.size(), 2);
    QCOMPARE(encodeFileName(files.first()), encodeFileName(odd));
    QCOMPARE(files.last(), QDir::current().absoluteFilePath("relative name.png"));
    // A launch without files brings the window to the front.
    QVERIFY(handOverFrom(second, {}));
    QTRY_COMPARE(activated.size(), 1);
    QDBusConnection::disconnectFromBus("second");
}

void TestHandover::otherSessionsOpenTheirOwnWindow_data()
{
    QTest::addColumn<QString>("other");
    QTest::newRow("another session bus") << "bus";
    QTest::newRow("another display on the same bus") << "display";
    QTest::newRow("another display, no bus") << "display, no bus";
}

void TestHandover::otherSessionsOpenTheirOwnWindow()
{
    QFETCH(QString, other);
    PrivateBus one(QStringLiteral("one")), two(QStringLiteral("two"));
    const auto folder = privateFolder();
    const bool bus = other != "display, no bus";
    SingleInstance first({bus ? one.connect("one") : noBus(), folder->path(), "xcb::0/1"});
    QVERIFY(first.listen());
    QSignalSpy received(&first, &SingleInstance::filesReceived);
    const SingleInstance::Place place {other == "bus" ? two.connect("two")
                                       : bus          ? one.connect("two")
                                                      : noBus(),
                                       folder->path(), other == "bus" ? "xcb::0/1" : "xcb::1/2"};
    QVERIFY(!handOverFrom(place, {"a.jpg"}));
    QTest::qWait(200);
    QCOMPARE(received.size(), 0);
    // The window it then opens answers its own session, where it can.
    SingleInstance second(place);
    QCOMPARE(second.listen(), other != "display");
    QDBusConnection::disconnectFromBus("two");
}

void TestHandover::runtimeFolderMustBePrivate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("open to others") << "open";
    QTest::newRow("a symbolic link") << "link";
}

void TestHandover::runtimeFolderMustBePrivate()
{
    QFETCH(QString, kind);
    const auto real = privateFolder();
    QTemporaryDir base;
    QString folder = real->path();
    if (kind == "open")
        ::chmod(QFile::encodeName(folder).constData(), 0777);
    else
        QVERIFY(QFile::link(real->path(), folder = base.filePath("runtime")));
    SingleInstance first({noBus(), folder, "xcb::0/1"});
    QVERIFY(!first.listen());
    QVERIFY(!handOverFrom({noBus(), folder, "xcb::0/1"}, {"a.jpg"}));
    QCOMPARE(QDir(real->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
}

// Only this user's instance gets the names: a listener of another user at the socket's name
// gets nothing, and its socket is not removed.
void TestHandover::anotherUsersListenerGetsNothing()
{
    if (::geteuid() != 0)
        QSKIP("listening as another user needs root");
    const auto folder = privateFolder();
    const SingleInstance::Place place {noBus(), folder->path(), "xcb::0/1"};
    const QString path = SingleInstance(place).socketPath();
    int report[2], hold[2];
    QVERIFY(::pipe(report) == 0 && ::pipe(hold) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Bound by root in the private folder, then listening as nobody until told to stop.
        ::close(hold[1]);
        const QByteArray bytes = QFile::encodeName(path);
        struct sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
            ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::listen(fd, 4) != 0)
            ::_exit(1);
        char said = 'r';
        ::write(report[1], &said, 1);
        const int peer = ::accept(fd, nullptr, nullptr);
        const struct timeval limit = {3, 0};
        ::setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        char buffer[4096];
        ssize_t total = 0, n;
        while ((n = ::read(peer, buffer, sizeof buffer)) > 0)
            total += n;
        said = total == 0 ? '0' : 'x';
        ::write(report[1], &said, 1);
        while (::read(hold[0], buffer, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(report[1]);
    ::close(hold[0]);
    char said = 0;
    QCOMPARE(::read(report[0], &said, 1), ssize_t(1));
    QCOMPARE(said, 'r');
    QVERIFY(!handOverFrom(place, {"/photos/secret plans.jpg"}));
    QCOMPARE(::read(report[0], &said, 1), ssize_t(1));
    QCOMPARE(said, '0'); // it received not a byte
    // The window that opens leaves that socket alone while its listener lives.
    SingleInstance mine(place);
    QVERIFY(!mine.listen());
    QVERIFY(QFileInfo::exists(path));
    ::close(hold[1]);
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

void TestHandover::slowInstanceKeepsItsSocket()
{
    const auto folder = privateFolder();
    const SingleInstance::Place place {noBus(), folder->path(), "xcb::0/1"};
    const QString path = SingleInstance(place).socketPath();
    const int busy = silentListener(path);
    QVERIFY(busy >= 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!handOverFrom(place, {"a.jpg"}));
    QVERIFY(clock.elapsed() < SingleInstance::answerTimeoutMs() + 3000);
    SingleInstance mine(place);
    QVERIFY(!mine.listen());
    QVERIFY(QFileInfo::exists(path));
    // Once nothing listens there, the socket is a crashed instance's: it is replaced.
    ::close(busy);
    QVERIFY(mine.listen());
    QSignalSpy received(&mine, &SingleInstance::filesReceived);
    QVERIFY(handOverFrom(place, {"/b.jpg"}));
    QTRY_COMPARE(received.size(), 1);
}

void TestHandover::realLaunches_data()
{
    QTest::addColumn<QString>("road");
    QTest::newRow("one session bus") << "one bus";
    QTest::newRow("two session buses") << "two buses";
    QTest::newRow("no session bus") << "no bus";
}

// The program itself, launched twice: in the same session the second launch hands its file over
// and exits; in another session it opens a window of its own.
void TestHandover::realLaunches()
{
    QFETCH(QString, road);
    PrivateBus one(QStringLiteral("watch one")), two(QStringLiteral("watch two"));
    const auto runtime = privateFolder();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "pressmark.handover.info=true");
    env.insert("XDG_RUNTIME_DIR", runtime->path());
    env.insert("XDG_CONFIG_HOME", runtime->path());
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    QProcessEnvironment firstEnv = env, secondEnv = env;
    if (road != "no bus") {
        firstEnv.insert("DBUS_SESSION_BUS_ADDRESS", one.address);
        secondEnv.insert("DBUS_SESSION_BUS_ADDRESS", road == "one bus" ? one.address : two.address);
    }
    QProcess first, second;
    first.setProcessEnvironment(firstEnv);
    second.setProcessEnvironment(secondEnv);
    first.start(QStringLiteral(PRESSMARK_APP), {"first.jpg"});
    QVERIFY(first.waitForStarted());
    QDBusConnection watch = one.connect("watch one");
    if (road == "no bus")
        QTRY_VERIFY_WITH_TIMEOUT(
            !QDir(runtime->path()).entryList({"pressmark-*.socket"}, QDir::System).isEmpty(), 20000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(watch.interface()->isServiceRegistered(SingleInstance::applicationId()),
                                 20000);

    second.start(QStringLiteral(PRESSMARK_APP), {"second.jpg"});
    QVERIFY(second.waitForStarted());
    if (road == "two buses") {
        QVERIFY(!second.waitForFinished(3000)); // a window of its own
        QCOMPARE(second.state(), QProcess::Running);
        second.kill();
        second.waitForFinished();
    } else {
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QByteArray said;
        first.setReadChannel(QProcess::StandardError);
        QDeadlineTimer deadline(20000);
        while (!said.contains("1 files handed over") && !deadline.hasExpired()) {
            first.waitForReadyRead(100);
            said += first.readAllStandardError();
        }
        QVERIFY2(said.contains("1 files handed over"), said.constData());
    }
    first.kill();
    first.waitForFinished();
}

QTEST_MAIN(TestHandover)
#include "tst_handover.moc"
