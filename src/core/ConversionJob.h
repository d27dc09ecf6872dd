#pragma once

#include "ConversionOptions.h"
#include "DecodedImage.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One batch: the inputs in list order, the options snapshot and the output folder.
struct ConversionJob {
    QStringList inputs;
    ConversionOptions options;
    QString outputFolder;
    int workers = 0;     // 0: one per core; 1 converts one file at a time
    bool dryRun = false; // decide the names only: decode nothing, write nothing
};

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

struct ConversionReport {
    QVector<FileResult> files; // one per input, in list order
    QStringList notes;         // about the whole run, said once (a font substituted, ...)
    bool cancelled = false;

    int writtenCount() const;
    int failedCount() const;
    int notStartedCount() const;
};
