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
    QString output;    // the written file (or, in a dry run, the name it would take)
    Failure failure;   // why it has no output, when it failed
    QStringList notes; // what was kept back without failing the file
};

// The outcome of a whole run: one result per input, in list order.
struct ConversionReport {
    QVector<FileResult> files; // one per input, in list order
    QStringList notes;         // about the whole run, said once (a font substituted, ...)
    bool cancelled = false;
    // Why the run stopped before the end without being cancelled (the output folder
    // disappeared); empty when it did not.
    QString stopped;

    int writtenCount() const;
    int failedCount() const;
    int notStartedCount() const;
};
