#include "batch/OutputFolder.h"

#include "common/FileName.h"

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
