#include "batch/OutputFolder.h"

#include "common/FileName.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

OutputFolder::~OutputFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Result<std::shared_ptr<const OutputFolder>> OutputFolder::open(const QString &path)
{
    std::shared_ptr<OutputFolder> folder(new OutputFolder);
    folder->m_path = path;
    ::clock_gettime(CLOCK_REALTIME, &folder->m_openedAt);
    folder->m_fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (folder->m_fd < 0 || ::fstat(folder->m_fd, &info) != 0)
        return Failure(FailureReason::CannotWrite, QString::fromLocal8Bit(std::strerror(errno)));
    folder->m_device = info.st_dev;
    folder->m_inode = info.st_ino;
    return std::shared_ptr<const OutputFolder>(std::move(folder));
}

Result<std::shared_ptr<const OutputFolder>> OutputFolder::subfolder(const QString &relative) const
{
    std::shared_ptr<OutputFolder> folder(new OutputFolder);
    folder->m_path = m_path;
    folder->m_openedAt = m_openedAt;
    folder->m_fd = ::fcntl(m_fd, F_DUPFD_CLOEXEC, 0);
    if (folder->m_fd < 0)
        return Failure(FailureReason::CannotWrite, QString::fromLocal8Bit(std::strerror(errno)));
    if (!relative.isEmpty()) {
        for (const QString &step : relative.split(QLatin1Char('/'))) {
            const QByteArray name = encodeFileName(step);
            folder->m_path = folder->pathOf(step);
            if (name.isEmpty() || name == "." || name == "..")
                return Failure(FailureReason::CannotWrite,
                               QCoreApplication::translate("OutputFolder", "%1 is not a folder name")
                                   .arg(folder->m_path));
            if (::mkdirat(folder->m_fd, name.constData(), 0777) != 0 && errno != EEXIST)
                return Failure(FailureReason::CannotWrite,
                               QCoreApplication::translate("OutputFolder", "cannot create the folder %1: %2")
                                   .arg(folder->m_path, QString::fromLocal8Bit(std::strerror(errno))));
            // O_NOFOLLOW: a symbolic link in the folder's place is refused, whenever it came.
            const int next =
                ::openat(folder->m_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0) {
                const int error = errno;
                return Failure(
                    FailureReason::CannotWrite,
                    error == ELOOP || error == ENOTDIR
                        ? QCoreApplication::translate("OutputFolder",
                                                      "%1 is not a folder but a link or a file; nothing is "
                                                      "written through it")
                              .arg(folder->m_path)
                        : QCoreApplication::translate("OutputFolder", "cannot open the folder %1: %2")
                              .arg(folder->m_path, QString::fromLocal8Bit(std::strerror(error))));
            }
            ::close(folder->m_fd);
            folder->m_fd = next;
        }
    }
    struct stat info {};
    if (::fstat(folder->m_fd, &info) != 0)
        return Failure(FailureReason::CannotWrite, QString::fromLocal8Bit(std::strerror(errno)));
    folder->m_device = info.st_dev;
    folder->m_inode = info.st_ino;
    return std::shared_ptr<const OutputFolder>(std::move(folder));
}

QString OutputFolder::pathOf(const QString &name) const
{
    return m_path.endsWith(QLatin1Char('/')) ? m_path + name : m_path + QLatin1Char('/') + name;
}

OutputFolder::Place OutputFolder::place() const
{
    struct stat opened {};
    // A removed folder keeps its handle but has no links left.
    if (::fstat(m_fd, &opened) != 0 || opened.st_nlink == 0)
        return Place::Gone;
    struct stat named {};
    if (::stat(encodeFileName(m_path).constData(), &named) != 0)
        return Place::Gone;
    return named.st_dev == m_device && named.st_ino == m_inode ? Place::InPlace : Place::Replaced;
}
