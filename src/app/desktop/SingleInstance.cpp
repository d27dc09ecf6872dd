#include "desktop/SingleInstance.h"

#include "batch/InputFiles.h"
#include "common/FileName.h"

#include <QCryptographicHash>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QPointer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcHandover, "pressmark.handover")

namespace {

const QString kObjectPath = QStringLiteral("/io/github/pressmark/Pressmark");
const QString kInterface = QStringLiteral("org.freedesktop.Application");
// Our own key in the platform data: the display and session a launch belongs to.
const QString kDisplayKey = QStringLiteral("io.github.pressmark.display");
const QString kOtherDisplayError = QStringLiteral("io.github.pressmark.Pressmark.Error.OtherDisplay");
// The most a launch may send over the socket: a list of names, never a picture.
constexpr qsizetype kMostBytes = 16 << 20;

// A file as a URI with the bytes of its name, percent-encoded: any name, a newline in it or bytes
// that are not UTF-8, comes back the same.
QString fileUri(const QString &path)
{
    const QByteArray bytes = encodeFileName(QFileInfo(path).absoluteFilePath());
    return QStringLiteral("file://") + QString::fromLatin1(bytes.toPercentEncoding("/"));
}

QStringList filesFromUris(const QStringList &uris)
{
    QStringList files;
    for (const QString &uri : uris)
        files << localFilesFromUriList(uri.toUtf8());
    return files;
}

uid_t peerUid(int fd)
{
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return uid_t(-1);
    return credentials.uid;
}

// Connects to the socket at `path`: the descriptor, or -1 with errno.
int connectTo(const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    struct sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(bytes.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

} // namespace

// What the session bus calls: org.freedesktop.Application, for this user and this display.
class ApplicationObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationObject(SingleInstance *instance) : QObject(instance), m_instance(instance) {}

public Q_SLOTS:
    void Activate(const QVariantMap &platformData)
    {
        if (accepted(platformData))
            m_instance->received({});
    }
    void Open(const QStringList &uris, const QVariantMap &platformData)
    {
        if (!accepted(platformData))
            return;
        m_instance->received(filesFromUris(uris));
    }
    void ActivateAction(const QString &, const QVariantList &, const QVariantMap &platformData)
    {
        if (accepted(platformData))
            m_instance->received({});
    }

private:
    bool accepted(const QVariantMap &platformData)
    {
        if (!calledFromDBus())
            return true;
        const QDBusReply<uint> caller = connection().interface()->serviceUid(message().service());
        if (!caller.isValid() || caller.value() != ::geteuid()) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not this user's"));
            return false;
        }
        if (!m_instance->fromThisDisplay(platformData)) {
            sendErrorReply(kOtherDisplayError, QStringLiteral("this window is on another display"));
            return false;
        }
        return true;
    }

    SingleInstance *m_instance;
};

QString SingleInstance::applicationId()
{
    return QStringLiteral("io.github.pressmark.Pressmark");
}

SingleInstance::Place SingleInstance::currentPlace()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    return {QDBusConnection::sessionBus(), qEnvironmentVariable("XDG_RUNTIME_DIR"),
            QGuiApplication::platformName() + QLatin1Char(':') + display + QLatin1Char('/') +
                qEnvironmentVariable("XDG_SESSION_ID")};
}

SingleInstance::SingleInstance(Place place, QObject *parent)
    : QObject(parent), m_place(std::move(place)), m_object(new ApplicationObject(this))
{
}

SingleInstance::~SingleInstance()
{
    if (m_registered) {
        m_place.bus.unregisterService(applicationId());
        m_place.bus.unregisterObject(kObjectPath);
    }
    if (m_server) {
        const QString path = m_server->fullServerName();
        m_server->close();
        QFile::remove(path);
    }
}

int SingleInstance::answerTimeoutMs()
{
    return 5000;
}

QString SingleInstance::socketPath() const
{
    const QByteArray key = QCryptographicHash::hash(m_place.display.toUtf8(), QCryptographicHash::Sha256);
    return m_place.runtimeFolder +
           QStringLiteral("/pressmark-%1.socket").arg(QString::fromLatin1(key.toHex().left(16)));
}

void SingleInstance::received(const QStringList &files)
{
    qCInfo(lcHandover, "%d files handed over by another launch", int(files.size()));
    if (files.isEmpty())
        Q_EMIT activated();
    else
        Q_EMIT filesReceived(files);
}

bool SingleInstance::fromThisDisplay(const QVariantMap &platformData) const
{
    // A desktop launcher says nothing of it: it speaks for the session the bus belongs to.
    return !platformData.contains(kDisplayKey) ||
           platformData.value(kDisplayKey).toString() == m_place.display;
}

// XDG_RUNTIME_DIR is the user's own: a folder of theirs, closed to everyone else.
bool SingleInstance::runtimeFolderIsPrivate() const
{
    if (m_place.runtimeFolder.isEmpty() || !m_place.runtimeFolder.startsWith(QLatin1Char('/')))
        return false;
    struct stat info {};
    return ::lstat(QFile::encodeName(m_place.runtimeFolder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

bool SingleInstance::handOver(const QStringList &files)
{
    if (m_place.bus.isConnected())
        return handOverOnBus(files);
    return runtimeFolderIsPrivate() && handOverOnSocket(files);
}

bool SingleInstance::handOverOnBus(const QStringList &files)
{
    QDBusConnectionInterface *bus = m_place.bus.interface();
    if (!bus || !bus->isServiceRegistered(applicationId()))
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(applicationId(), kObjectPath, kInterface,
                                       files.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    const QVariantMap platformData {{kDisplayKey, m_place.display}};
    if (files.isEmpty()) {
        call << platformData;
    } else {
        QStringList uris;
        for (const QString &file : files)
            uris << fileUri(file);
        call << uris << platformData;
    }
    // Only a running window answers: the bus never starts one for a command-line launch.
    call.setAutoStartService(false);
    const QDBusMessage reply = m_place.bus.call(call, QDBus::Block, answerTimeoutMs());
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool SingleInstance::handOverOnSocket(const QStringList &files)
{
    const int fd = connectTo(socketPath());
    if (fd < 0)
        return false;
    bool taken = false;
    // Only this user's own instance gets the names.
    if (peerUid(fd) == ::geteuid()) {
        const struct timeval limit = {answerTimeoutMs() / 1000, (answerTimeoutMs() % 1000) * 1000};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        QByteArray message;
        for (const QString &file : files)
            message += fileUri(file).toLatin1() + '\n';
        message += '\n'; // the end of the list
        const char *p = message.constData();
        qsizetype left = message.size();
        while (left > 0) {
            const ssize_t n = ::send(fd, p, size_t(left), MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            p += n;
            left -= n;
        }
        // Taken only when the instance says so: one that does not answer keeps nothing from us.
        char answer[3] = {};
        qsizetype got = 0;
        while (left == 0 && got < 3) {
            const ssize_t n = ::recv(fd, answer + got, size_t(3 - got), 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        taken = got == 3 && std::memcmp(answer, "ok\n", 3) == 0;
    }
    ::close(fd);
    return taken;
}

bool SingleInstance::listen()
{
    if (m_place.bus.isConnected())
        return listenOnBus();
    return runtimeFolderIsPrivate() && listenOnSocket();
}

bool SingleInstance::listenOnBus()
{
    if (!m_place.bus.registerObject(kObjectPath, m_object, QDBusConnection::ExportAllSlots))
        return false;
    if (!m_place.bus.registerService(applicationId())) {
        m_place.bus.unregisterObject(kObjectPath);
        return false;
    }
    m_registered = true;
    return true;
}

bool SingleInstance::listenOnSocket()
{
    const QString path = socketPath();
    const QByteArray bytes = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(bytes.constData(), &info) == 0) {
        // Left by an instance that crashed: only a socket of ours that nobody answers on.
        if (!S_ISSOCK(info.st_mode) || info.st_uid != ::geteuid())
            return false;
        const int fd = connectTo(path);
        if (fd >= 0) {
            ::close(fd);
            return false; // an instance answers there, however slowly
        }
        if (errno != ECONNREFUSED || ::unlink(bytes.constData()) != 0)
            return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            if (peerUid(int(socket->socketDescriptor())) != ::geteuid()) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            const QPointer<QLocalSocket> guarded(socket);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
                if (!guarded || guarded->property("answered").toBool())
                    return;
                const QByteArray bytes = guarded->property("received").toByteArray() + guarded->readAll();
                if (bytes.size() > kMostBytes) {
                    guarded->abort();
                    return;
                }
                guarded->setProperty("received", bytes);
                if (!bytes.startsWith('\n') && !bytes.contains("\n\n"))
                    return;
                guarded->setProperty("answered", true);
                guarded->write("ok\n");
                guarded->flush();
                guarded->disconnectFromServer();
                QStringList uris;
                for (const QByteArray &line : bytes.left(bytes.indexOf("\n\n") + 1).split('\n'))
                    if (!line.isEmpty())
                        uris << QString::fromLatin1(line);
                received(filesFromUris(uris));
            });
        }
    });
    return true;
}

#include "SingleInstance.moc"
