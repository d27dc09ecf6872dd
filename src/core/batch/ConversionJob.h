#pragma once

#include "options/ConversionOptions.h"

#include <QString>
#include <QStringList>

// One batch: the inputs in list order, the options value and the output folder.
struct ConversionJob {
    QStringList inputs;
    // Beside each input, the folder below the output folder its output goes into ("2024/trip",
    // as expandInputs() gives it for a folder's tree); empty, or missing at the end of the list,
    // for an output directly in the output folder.
    QStringList subfolders;
    ConversionOptions options;
    QString outputFolder;
    int workers = 0;         // 0: one per core; 1 converts one file at a time
    qint64 memoryBudget = 0; // bytes the files at work may take together; 0: defaultMemoryBudget()
    bool dryRun = false;     // decide the names only: decode nothing, write nothing

    QString subfolderOf(int index) const
    {
        return index < subfolders.size() ? subfolders.at(index) : QString();
    }
    // This run converts only the entries at 0-based list positions p with p % shardCount ==
    // shardIndex; their names are those of the whole list (see plannedNameIndexes()).
    int shardIndex = 0;
    int shardCount = 1;
    // An entry whose planned name is already taken in the output folder is done: it is
    // skipped, not converted again (resuming an interrupted run).
    bool skipExisting = false;
};
