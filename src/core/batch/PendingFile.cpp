#include "batch/PendingFile.h"

#include "batch/OutputFolder.h"
#include "common/FileName.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray &bytes, int *error)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Hidden temporary names carry the machine and the process, so the files a killed run left are
// told from those of a run still going (here, or on another machine sharing the folder).
QByteArray temporaryPrefix()
{
    static const QByteArray prefix = [] {
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        QByteArray name(host);
        name.replace('-', '_').replace('/', '_');
        return ".pressmark-" + (name.isEmpty() ? QByteArray("host") : name) + '-';
    }();
    return prefix;
}

constexpr char kMarkerAttribute[] = "user.pressmark.temporary";

// The tag that ends a temporary's name: a digest of the rest of it and of this user, which a file
// named by hand does not carry by accident.
QByteArray temporaryTag(const QByteArray &stem)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView("pressmark temporary output\n"));
    hash.addData(QByteArray::number(qulonglong(::geteuid())) + '\n');
    hash.addData(stem);
    return hash.result().left(8).toHex();
}

QByteArray randomWord()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[8] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != ssize_t(sizeof bytes))
        for (unsigned char &b : bytes)
            b = static_cast<unsigned char>(std::rand());
    QByteArray word;
    for (unsigned char b : bytes)
        word += letters[b % (sizeof letters - 1)];
    return word;
}

bool olderThan(const struct stat &info, const struct timespec &time)
{
    return info.st_mtim.tv_sec < time.tv_sec ||
           (info.st_mtim.tv_sec == time.tv_sec && info.st_mtim.tv_nsec < time.tv_nsec);
}

// Whether a process holds the lock every temporary holds for its life.
bool heldByAProcess(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_GETLK, &lock) != 0)
        return errno != EINVAL && errno != ENOLCK && errno != EOPNOTSUPP; // no locks here: no holder
    return lock.l_type != F_UNLCK;
}

// Whether the named entry is a temporary that a process of this user on this machine wrote and
// left behind when it was killed.
bool isLeftTemporary(const OutputFolder &folder, const QByteArray &name)
{
    const int dir = folder.descriptor();
    const QByteArray prefix = temporaryPrefix();
    if (!name.startsWith(prefix))
        return false;
    const QList<QByteArray> parts = name.mid(prefix.size()).split('-');
    if (parts.size() != 3)
        return false;
    const QByteArray stem = name.left(name.size() - parts.at(2).size() - 1);
    bool ok = false;
    const qint64 pid = parts.at(0).toLongLong(&ok);
    if (!ok || pid <= 0 || pid == ::getpid() || parts.at(2) != temporaryTag(stem))
        return false;
    if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
        return false; // its writer may still be running
    const int fd = ::openat(dir, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool left = false;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        info.st_nlink == 1 && olderThan(info, folder.openedAt()) && !heldByAProcess(fd)) {
        char marker[64] = {};
        const ssize_t n = ::fgetxattr(fd, kMarkerAttribute, marker, sizeof marker);
        if (n >= 0)
            left = QByteArray(marker, int(n)) == parts.at(1) + '-' + parts.at(2);
        else
            left = errno == ENOTSUP; // a file system without attributes: the name tells it alone
        // Still the file that was checked, not one put in its place since.
        struct stat now {};
        left = left && ::fstatat(dir, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == info.st_dev && now.st_ino == info.st_ino;
    }
    ::close(fd);
    return left;
}

// Removes the hidden temporary files this machine's killed processes left in the folder.
void removeStaleTemporaries(const OutputFolder &folder)
{
    // A description of its own: readdir moves the offset of the one it reads.
    const int listing = ::openat(folder.descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR *entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    const QByteArray prefix = temporaryPrefix();
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith(prefix) && isLeftTemporary(folder, name))
            ::unlinkat(folder.descriptor(), name.constData(), 0);
    }
    ::closedir(entries);
}

// Creates a hidden temporary of this process in the folder, marked and locked for its life.
int createTemporary(int dir, QByteArray *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray word = randomWord();
        const QByteArray stem = temporaryPrefix() + QByteArray::number(::getpid()) + '-' + word;
        const QByteArray tag = temporaryTag(stem);
        *name = stem + '-' + tag;
        const int fd =
            ::openat(dir, name->constData(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        const QByteArray marker = word + '-' + tag;
        ::fsetxattr(fd, kMarkerAttribute, marker.constData(), size_t(marker.size()), 0);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(fd, F_OFD_SETLK, &lock);
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// Claims the name by creating it exclusively, then renames the finished file over that
// placeholder: for file systems without no-replace renames or hard links. The name is never
// taken from another file; between the two steps only a process that deletes our placeholder
// could lose its own file.
int claimAndRename(int dir, const QByteArray &temporary, const QByteArray &target)
{
    const int fd =
        ::openat(dir, target.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    ::close(fd);
    if (::renameat(dir, temporary.constData(), dir, target.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(dir, target.constData(), 0);
    errno = error;
    return -1;
}

// Whether the name in the folder is a link to the open file itself. Over NFS, a link whose
// reply was lost is sent again, and the server, having made it the first time, answers that the
// name exists: the name is then ours, not another file's.
bool nameHoldsFile(int dir, const QByteArray &name, int fd)
{
    struct stat there {};
    struct stat ours {};
    return ::fstatat(dir, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &ours) == 0 &&
           there.st_dev == ours.st_dev && there.st_ino == ours.st_ino;
}

std::atomic<bool> g_asOnNfs {false};

bool noLinksHere(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

mode_t currentUmask()
{
    // umask can only be read by setting it; done once, before any worker starts writing.
    static const mode_t mask = [] {
        const mode_t m = ::umask(022);
        ::umask(m);
        return m;
    }();
    return mask;
}

} // namespace

PendingFile::~PendingFile()
{
    discard();
}

PendingFile::PendingFile(PendingFile &&other) noexcept
    : m_fd(other.m_fd), m_folder(std::move(other.m_folder)), m_temporaryName(std::move(other.m_temporaryName))
{
    other.m_fd = -1;
    other.m_temporaryName.clear();
}

PendingFile &PendingFile::operator=(PendingFile &&other) noexcept
{
    if (this != &other) {
        discard();
        m_fd = other.m_fd;
        m_folder = std::move(other.m_folder);
        m_temporaryName = std::move(other.m_temporaryName);
        other.m_fd = -1;
        other.m_temporaryName.clear();
    }
    return *this;
}

void PendingFile::discard()
{
    if (!m_temporaryName.isEmpty() && m_folder)
        ::unlinkat(m_folder->descriptor(), m_temporaryName.constData(), 0);
    m_temporaryName.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

Result<PendingFile> PendingFile::write(const QString &folder, const QByteArray &bytes, Kind kind)
{
    Result<std::shared_ptr<const OutputFolder>> opened = OutputFolder::open(folder);
    if (!opened.ok())
        return opened.failure();
    return write(opened.value(), bytes, kind);
}

Result<PendingFile> PendingFile::write(std::shared_ptr<const OutputFolder> folder, const QByteArray &bytes,
                                       Kind kind)
{
    const mode_t mode = 0666 & ~currentUmask();
    const int dir = folder->descriptor();
    PendingFile file;
    file.m_folder = std::move(folder);
    if (kind == Kind::Automatic && g_asOnNfs.load()) {
        kind = Kind::NamedTemporary;
    }
    if (kind == Kind::Automatic)
        file.m_fd = ::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (file.m_fd < 0) {
        const int tmpfileError = errno;
        if (kind == Kind::Automatic && tmpfileError != EOPNOTSUPP && tmpfileError != EISDIR &&
            tmpfileError != EINVAL)
            return Failure(FailureReason::CannotWrite, systemMessage(tmpfileError));
        // This file system has no unnamed files: a hidden name, removed on every failure.
        const OutputFolder &into = *file.m_folder;
        into.once([&into] { removeStaleTemporaries(into); });
        file.m_fd = createTemporary(dir, &file.m_temporaryName);
        if (file.m_fd < 0) {
            file.m_temporaryName.clear();
            return Failure(FailureReason::CannotWrite, systemMessage(errno));
        }
        ::fchmod(file.m_fd, mode);
    }
    int writeError = 0;
    if (!writeAll(file.m_fd, bytes, &writeError))
        return Failure(FailureReason::CannotWrite, systemMessage(writeError));
    // Starts writing it to disk now, without waiting, so the run's closing flush has little left.
    ::sync_file_range(file.m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return file;
}

Result<QString> PendingFile::publish(const QStringList &candidateNames)
{
    if (m_fd < 0)
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("PendingFile", "nothing to publish"));
    const int dir = m_folder->descriptor();
    const QByteArray procPath = QByteArray("/proc/self/fd/") + QByteArray::number(m_fd);
    for (const QString &name : candidateNames) {
        const QByteArray target = encodeFileName(name);
        int rc;
        if (m_temporaryName.isEmpty()) {
            rc = ::linkat(AT_FDCWD, procPath.constData(), dir, target.constData(), AT_SYMLINK_FOLLOW);
            if (rc != 0 && errno == ENOENT)
                rc = ::linkat(m_fd, "", dir, target.constData(), AT_EMPTY_PATH);
        } else {
            if (g_asOnNfs.load()) {
                rc = -1;
                errno = EINVAL;
            } else {
                rc = ::renameat2(dir, m_temporaryName.constData(), dir, target.constData(), RENAME_NOREPLACE);
            }
            if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
                // No atomic rename here: a hard link fails just the same on an existing name.
                rc = ::linkat(dir, m_temporaryName.constData(), dir, target.constData(), 0);
                if (rc == 0)
                    ::unlinkat(dir, m_temporaryName.constData(), 0);
                else if (noLinksHere(errno))
                    rc = claimAndRename(dir, m_temporaryName, target);
            }
            if (rc == 0)
                m_temporaryName.clear();
        }
        if (rc != 0 && errno == EEXIST && nameHoldsFile(dir, target, m_fd)) {
            if (!m_temporaryName.isEmpty())
                ::unlinkat(dir, m_temporaryName.constData(), 0);
            m_temporaryName.clear();
            rc = 0;
        }
        if (rc == 0) {
            discard();
            return m_folder->pathOf(name);
        }
        if (errno != EEXIST)
            return Failure(FailureReason::CannotWrite, systemMessage(errno));
    }
    return Failure(FailureReason::NoFreeName);
}

void PendingFile::setAsOnNfsForTests(bool asOnNfs)
{
    g_asOnNfs.store(asOnNfs);
}

Result<QString> PendingFile::replace(const QString &name)
{
    if (m_fd < 0 || m_temporaryName.isEmpty())
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("PendingFile", "only a named temporary replaces a file"));
    const int dir = m_folder->descriptor();
    const QByteArray target = encodeFileName(name);
    struct stat there {};
    if (::fstatat(dir, target.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(there.st_mode))
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("PendingFile", "%1 is not a regular file")
                           .arg(m_folder->pathOf(name)));
    if (::renameat(dir, m_temporaryName.constData(), dir, target.constData()) != 0)
        return Failure(FailureReason::CannotWrite, systemMessage(errno));
    m_temporaryName.clear();
    discard();
    return m_folder->pathOf(name);
}
