#include "batch/PendingFile.h"

#include "common/FileName.h"

#include <QSet>

#include <mutex>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

// Removes, once per folder and process, the hidden temporary files of this machine's processes
// that are gone.
void removeStaleTemporaries(const QByteArray &dir)
{
    static std::mutex mutex;
    static QSet<QByteArray> done;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (done.contains(dir))
            return;
        done.insert(dir);
    }
    const QByteArray prefix = temporaryPrefix();
    DIR *folder = ::opendir(dir.constData());
    if (!folder)
        return;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const qint64 pid = name.mid(prefix.size()).split('-').value(0).toLongLong(&ok);
        if (ok && pid > 0 && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(folder), name.constData(), 0);
    }
    ::closedir(folder);
}

// Claims the name by creating it exclusively, then renames the finished file over that
// placeholder: for file systems without no-replace renames or hard links. The name is never
// taken from another file; between the two steps only a process that deletes our placeholder
// could lose its own file.
int claimAndRename(const QByteArray &temporary, const QByteArray &target)
{
    const int fd = ::open(target.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    ::close(fd);
    if (::rename(temporary.constData(), target.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlink(target.constData());
    errno = error;
    return -1;
}

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
    : m_fd(other.m_fd), m_folder(std::move(other.m_folder)), m_temporaryPath(std::move(other.m_temporaryPath))
{
    other.m_fd = -1;
    other.m_temporaryPath.clear();
}

PendingFile &PendingFile::operator=(PendingFile &&other) noexcept
{
    if (this != &other) {
        discard();
        m_fd = other.m_fd;
        m_folder = std::move(other.m_folder);
        m_temporaryPath = std::move(other.m_temporaryPath);
        other.m_fd = -1;
        other.m_temporaryPath.clear();
    }
    return *this;
}

void PendingFile::discard()
{
    if (!m_temporaryPath.isEmpty())
        ::unlink(m_temporaryPath.constData());
    m_temporaryPath.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

Result<PendingFile> PendingFile::write(const QString &folder, const QByteArray &bytes, Kind kind)
{
    const mode_t mode = 0666 & ~currentUmask();
    PendingFile file;
    file.m_folder = folder;
    const QByteArray dir = encodeFileName(folder);
    if (kind == Kind::Automatic)
        file.m_fd = ::open(dir.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (file.m_fd < 0) {
        const int tmpfileError = errno;
        if (kind == Kind::Automatic && tmpfileError != EOPNOTSUPP && tmpfileError != EISDIR &&
            tmpfileError != EINVAL)
            return Failure(FailureReason::CannotWrite, systemMessage(tmpfileError));
        // This file system has no unnamed files: a hidden name, removed on every failure.
        removeStaleTemporaries(dir);
        QByteArray pattern = dir + '/' + temporaryPrefix() + QByteArray::number(::getpid()) + "-XXXXXX";
        file.m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (file.m_fd < 0)
            return Failure(FailureReason::CannotWrite, systemMessage(errno));
        file.m_temporaryPath = pattern;
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
        return Failure(FailureReason::InternalError, QStringLiteral("nothing to publish"));
    const QByteArray procPath = QByteArray("/proc/self/fd/") + QByteArray::number(m_fd);
    for (const QString &name : candidateNames) {
        const QString path = m_folder + QLatin1Char('/') + name;
        const QByteArray target = encodeFileName(path);
        int rc;
        if (m_temporaryPath.isEmpty()) {
            rc = ::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW);
            if (rc != 0 && errno == ENOENT)
                rc = ::linkat(m_fd, "", AT_FDCWD, target.constData(), AT_EMPTY_PATH);
        } else {
            rc = ::renameat2(AT_FDCWD, m_temporaryPath.constData(), AT_FDCWD, target.constData(),
                             RENAME_NOREPLACE);
            if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
                // No atomic rename here: a hard link fails just the same on an existing name.
                rc = ::link(m_temporaryPath.constData(), target.constData());
                if (rc == 0)
                    ::unlink(m_temporaryPath.constData());
                else if (noLinksHere(errno))
                    rc = claimAndRename(m_temporaryPath, target);
            }
            if (rc == 0)
                m_temporaryPath.clear();
        }
        if (rc == 0) {
            discard();
            return path;
        }
        if (errno != EEXIST)
            return Failure(FailureReason::CannotWrite, systemMessage(errno));
    }
    return Failure(FailureReason::NoFreeName);
}
