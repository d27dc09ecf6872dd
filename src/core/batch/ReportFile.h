#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>

struct ConversionReport;

// A run's report for scripts, as JSON lines: one compact object per entry the run converted, in
// list order ("type": "file"; its 1-based list "position", "input", "status" (written, failed,
// skipped or not started), "output", the failure's "reason" and "detail", the output's
// "bytes", "width" and "height", "metadata_written", "metadata_removed", "profile_written",
// "notes" and "milliseconds"; null where a value does not apply; a dry run's names are
// "planned", with no bytes or pixels), then one summary object
// ("type": "summary": the counts, the bytes written, the run's wall "milliseconds", the
// "version", the "shard" as K/N and whether it was a "dry_run"). Names that are not UTF-8 are given with
// their stray bytes read as Latin-1. The reports of a list's shards together hold every position once.
QByteArray reportLines(const ConversionReport &report);

// Writes reportLines() to the file at `path` in an existing folder: a new file there, renamed
// over a regular file of that name once whole (PendingFile::replace()); anything else at the
// path (a symbolic link, a folder) is refused and left alone.
Failure writeReportFile(const QString &path, const ConversionReport &report);
