#pragma once

#include "common/Failure.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// Skipped: its output was already there (ConversionJob::skipExisting); `output` names it.
enum class FileStatus { Written, Failed, NotStarted, Skipped };

// What became of one input.
struct FileResult {
    int index = 0; // 0-based position in the list
    QString input;
    FileStatus status = FileStatus::NotStarted;
    QString output;    // the written file (or, in a dry run, the name it would take)
    Failure failure;   // why it has no output, when it failed
    QStringList notes; // what was kept back without failing the file
    // What was written, for the run's report: the output's bytes and pixels, whether EXIF, XMP
    // or IPTC and a colour profile went into it, whether the metadata option left part of the
    // source's metadata out, and how long the file took from its start until it was written.
    qint64 bytes = 0;
    QSize pixels;
    bool metadataWritten = false;
    bool metadataRemoved = false;
    bool profileWritten = false;
    qint64 milliseconds = 0;
};

// The outcome of a whole run: one result per input, in list order.
struct ConversionReport {
    // One per entry this run converts, in list order: every input, or the part of a shard.
    QVector<FileResult> files;
    QStringList notes; // about the whole run, said once (a font substituted, ...)
    bool cancelled = false;
    // Why the run stopped before the end without being cancelled (the output folder
    // disappeared); empty when it did not.
    QString stopped;
    qint64 milliseconds = 0; // the run's wall time
    int listSize = 0;        // the inputs of the whole list
    int shardIndex = 0;      // as in the job: this run's part of the list
    int shardCount = 1;
    bool dryRun = false; // names only: "written" files are those a run would write

    int writtenCount() const;
    int failedCount() const;
    int notStartedCount() const;
    int skippedCount() const;
};
