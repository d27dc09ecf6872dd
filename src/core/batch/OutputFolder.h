#pragma once

#include "common/Failure.h"

#include <QString>

#include <ctime>
#include <functional>
#include <memory>
#include <mutex>
#include <sys/types.h>

// The output folder of a run, opened once when the run starts. Every file is created, linked,
// renamed and removed relative to this handle, so a folder renamed or replaced by a symbolic
// link during the run cannot send outputs elsewhere; `stillInPlace()` tells the run when its
// path no longer leads to the folder it opened, and the run stops as it does for a folder that
// is gone.
//
// Threading: immutable once opened; any number of threads may use one at once.
class OutputFolder {
public:
    ~OutputFolder();
    OutputFolder(const OutputFolder &) = delete;
    OutputFolder &operator=(const OutputFolder &) = delete;

    // Opens the folder at `path` (a symbolic link given by the user is followed, once).
    static Result<std::shared_ptr<const OutputFolder>> open(const QString &path);

    // The folder at `relative` below this one ("2024/trip"), each step made when missing and
    // opened relative to the one above it, never by its path, and never through a symbolic link:
    // one found in the place of a folder (planted there before or during the run) is refused, and
    // so is anything else that is not a folder, and a step that is empty, "." or "..". An empty
    // `relative` is this folder. The subfolder shares this folder's opening time.
    Result<std::shared_ptr<const OutputFolder>> subfolder(const QString &relative) const;

    // The path the folder was opened by, as outputs are reported.
    const QString &path() const { return m_path; }
    int descriptor() const { return m_fd; }
    // The path of an entry of the folder, for reports.
    QString pathOf(const QString &name) const;

    enum class Place { InPlace, Gone, Replaced };
    // Whether the path still leads to the opened folder: Gone when nothing is there or the
    // folder was removed, Replaced when something else is (a renamed folder, a symbolic link).
    Place place() const;
    bool stillInPlace() const { return place() == Place::InPlace; }

    // When it was opened: the start of the run that writes into it.
    const struct timespec &openedAt() const { return m_openedAt; }
    // Runs `task` the first time it is asked for this opening of the folder, and only then.
    void once(const std::function<void()> &task) const { std::call_once(m_once, task); }

private:
    OutputFolder() = default;

    int m_fd = -1;
    QString m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    struct timespec m_openedAt {};
    mutable std::once_flag m_once;
};
