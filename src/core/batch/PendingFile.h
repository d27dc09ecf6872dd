#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class OutputFolder;

// A finished output waiting for its name. Its bytes are written to the output folder first,
// as an unnamed file (O_TMPFILE) where the file system allows it, else under a hidden temporary
// name ".pressmark-<host>-<pid>-<random>-<tag>"; publishing links it under the first free
// candidate name without ever replacing an existing file, even one that appeared a moment
// before. Where the file system has neither no-replace renames nor hard links (FAT, exFAT, SMB,
// many FUSE file systems), the name is claimed by creating it exclusively and the file is
// renamed over that placeholder of its own. Every step is taken relative to the folder's open
// handle (OutputFolder), never by its path.
//
// Destroying an unpublished pending file removes every trace of it; with an unnamed file not
// even a crash leaves one. A hidden temporary that a killed process left is removed by the next
// write into that folder from the same machine, and only when it is known for one by more than
// its name: its tag is a digest of the rest of the name that a file named by hand does not
// carry, it bears the same token in an extended attribute where the file system keeps them, no
// process holds the lock each temporary holds for its life, it belongs to this user, and it is
// older than the process that finds it.
// Threading: one thread at a time per pending file (a worker writes it, the naming turn
// publishes it); different pending files in the same folder may be used at once.
class PendingFile {
public:
    enum class Kind { Automatic, NamedTemporary };

    PendingFile() = default;
    ~PendingFile();
    PendingFile(PendingFile &&other) noexcept;
    PendingFile &operator=(PendingFile &&other) noexcept;
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // Writes the bytes into the folder. A failure (disk full, permission denied, ...) carries the
    // system's message and leaves nothing behind.
    static Result<PendingFile> write(std::shared_ptr<const OutputFolder> folder, const QByteArray &bytes,
                                     Kind kind = Kind::Automatic);
    // The same into the folder at a path, opened for this file alone.
    static Result<PendingFile> write(const QString &folder, const QByteArray &bytes,
                                     Kind kind = Kind::Automatic);

    // Gives the file the first candidate name (in the folder) that is free, and answers the
    // path it took; "no free name" when every candidate is taken.
    Result<QString> publish(const QStringList &candidateNames);
    // Gives a named temporary (Kind::NamedTemporary) the name, in one rename, replacing a
    // regular file of that name, as a saved file is replaced: anything else there (a symbolic
    // link, a folder, a FIFO) is refused and left as it is, and a link put there after the
    // check is replaced itself, never followed.
    Result<QString> replace(const QString &name);

    // Tests: write and publish as on NFS, which has neither unnamed files nor no-replace
    // renames: every file a hidden temporary, published by a hard link. Any thread, before the
    // files are written.
    static void setAsOnNfsForTests(bool asOnNfs);

private:
    void discard();

    int m_fd = -1;
    std::shared_ptr<const OutputFolder> m_folder;
    QByteArray m_temporaryName; // in the folder; empty for an unnamed file
};
