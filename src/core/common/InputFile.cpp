#include "common/InputFile.h"

#include "common/FileName.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

Result<QByteArray> readInputFile(const QString &path)
{
    const QByteArray local = encodeFileName(path);
    Descriptor file;
    // Non-blocking, so a FIFO with no writer cannot hold the open; checked as a regular file
    // before anything is read from it.
    file.fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return Failure(FailureReason::Missing);
        if (error == EISDIR)
            return Failure(FailureReason::CannotRead,
                           QCoreApplication::translate("InputFile", "it is a folder"));
        return Failure(FailureReason::CannotRead, systemWords(error));
    }
    struct stat before {};
    if (::fstat(file.fd, &before) != 0)
        return Failure(FailureReason::CannotRead, systemWords(errno));
    if (S_ISDIR(before.st_mode))
        return Failure(FailureReason::CannotRead, QCoreApplication::translate("InputFile", "it is a folder"));
    if (!S_ISREG(before.st_mode))
        return Failure(FailureReason::CannotRead,
                       QCoreApplication::translate("InputFile", "not a regular file"));
    if (before.st_size == 0)
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("InputFile", "the file is empty"));
    if (before.st_size > qint64(std::numeric_limits<qsizetype>::max() / 2))
        return Failure(FailureReason::TooLarge);

    QByteArray bytes;
    try {
        // A large file's room rounded to whole 4 MiB, so files of about one size (a camera's) take
        // the same block from the C library's heap file after file; a small one's is its size.
        // resize() alone would round a 20 MB file up to 32 MB, which the library maps afresh for
        // every file instead.
        constexpr qint64 kStep = 4 * 1024 * 1024;
        const qint64 size = before.st_size;
        bytes.reserve(qsizetype(size < kStep ? size : (size + kStep - 1) / kStep * kStep));
        bytes.resize(qsizetype(before.st_size));
    } catch (const std::bad_alloc &) {
        return Failure(FailureReason::OutOfMemory);
    }
    // A large file's fresh memory in huge pages: a few faults instead of one every 4 KiB.
    constexpr quintptr kHugePage = 2 * 1024 * 1024;
    const quintptr first = (quintptr(bytes.data()) + kHugePage - 1) & ~(kHugePage - 1);
    const quintptr last = (quintptr(bytes.data()) + quintptr(bytes.size())) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), size_t(last - first), MADV_HUGEPAGE); // advice only
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            return Failure(FailureReason::CannotRead, systemWords(errno));
        if (n == 0)
            return Failure(FailureReason::CannotRead,
                           QCoreApplication::translate("InputFile", "changed while being read"));
        done += qsizetype(n);
    }
    struct stat after {};
    if (::fstat(file.fd, &after) != 0 || !sameFile(before, after))
        return Failure(FailureReason::CannotRead,
                       QCoreApplication::translate("InputFile", "changed while being read"));
    return bytes;
}
