#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A finished output waiting for its name. Its bytes are written to the output folder first,
// as an unnamed file (O_TMPFILE) where the file system allows it, else under a hidden temporary
// name ".pressmark-<host>-<pid>-XXXXXX"; publishing links it under the first free candidate
// name without ever replacing an existing file, even one that appeared a moment before. Where
// the file system has neither no-replace renames nor hard links (FAT, exFAT, SMB, many FUSE
// file systems), the name is claimed by creating it exclusively and the file is renamed over
// that placeholder of its own. Destroying an unpublished pending file removes every trace of it;
// with an unnamed file not even a crash leaves one, and the hidden names a killed process left
// are removed by the next write into that folder from the same machine.
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
    static Result<PendingFile> write(const QString &folder, const QByteArray &bytes,
                                     Kind kind = Kind::Automatic);

    // Gives the file the first candidate name (in the folder) that is free, and answers the
    // path it took; "no free name" when every candidate is taken.
    Result<QString> publish(const QStringList &candidateNames);

private:
    void discard();

    int m_fd = -1;
    QString m_folder;
    QByteArray m_temporaryPath; // empty for an unnamed file
};
