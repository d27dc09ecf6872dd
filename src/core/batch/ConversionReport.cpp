#include "batch/ConversionReport.h"

#include <algorithm>

int ConversionReport::writtenCount() const
{
    return int(std::count_if(files.begin(), files.end(),
                             [](const FileResult &f) { return f.status == FileStatus::Written; }));
}

int ConversionReport::failedCount() const
{
    return int(std::count_if(files.begin(), files.end(),
                             [](const FileResult &f) { return f.status == FileStatus::Failed; }));
}

int ConversionReport::notStartedCount() const
{
    return int(std::count_if(files.begin(), files.end(),
                             [](const FileResult &f) { return f.status == FileStatus::NotStarted; }));
}

int ConversionReport::skippedCount() const
{
    return int(std::count_if(files.begin(), files.end(),
                             [](const FileResult &f) { return f.status == FileStatus::Skipped; }));
}
