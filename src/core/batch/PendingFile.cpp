#include "batch/PendingFile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    const QByteArray dir = QFile::encodeName(folder);
    if (kind == Kind::Automatic)
        file.m_fd = ::open(dir.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (file.m_fd < 0) {
        const int tmpfileError = errno;
        if (kind == Kind::Automatic && tmpfileError != EOPNOTSUPP && tmpfileError != EISDIR &&
            tmpfileError != EINVAL)
            return Failure(FailureReason::CannotWrite, systemMessage(tmpfileError));
        // This file system has no unnamed files: a hidden name, removed on every failure.
        QByteArray pattern = dir + "/.pressmark-XXXXXX";
        file.m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (file.m_fd < 0)
            return Failure(FailureReason::CannotWrite, systemMessage(errno));
        file.m_temporaryPath = pattern;
        ::fchmod(file.m_fd, mode);
    }
    int writeError = 0;
    if (!writeAll(file.m_fd, bytes, &writeError))
        return Failure(FailureReason::CannotWrite, systemMessage(writeError));
    return file;
}

Result<QString> PendingFile::publish(const QStringList &candidateNames)
{
    if (m_fd < 0)
        return Failure(FailureReason::InternalError, QStringLiteral("nothing to publish"));
    const QByteArray procPath = QByteArray("/proc/self/fd/") + QByteArray::number(m_fd);
    for (const QString &name : candidateNames) {
        const QString path = m_folder + QLatin1Char('/') + name;
        const QByteArray target = QFile::encodeName(path);
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
