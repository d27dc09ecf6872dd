#pragma once

#include "common/Failure.h"

#include <QString>
#include <QStringList>
#include <QVector>

enum class FileStatus { Written, Failed, NotStarted };

// What became of one input.
struct FileResult {
    int index = 0; // 0-based position in the list
    QString input;
    FileStatus status = FileStatus::NotStarted;
    QString output; // the written file (or, in a dry run, the name it would take)
    FailureReason reason = FailureReason::None;
    QString detail;    // the system's or decoder's words, when there are any
    QStringList notes; // what was kept back without failing the file

    // "missing", "cannot write: No space left on device", ...
    QString failureText() const;
};

// The outcome of a whole run: one result per input, in list order.
struct ConversionReport {
    QVector<FileResult> files; // one per input, in list order
    QStringList notes;         // about the whole run, said once (a font substituted, ...)
    bool cancelled = false;

    int writtenCount() const;
    int failedCount() const;
    int notStartedCount() const;
};
