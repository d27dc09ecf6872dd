#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"
#include "batch/MemoryBudget.h"
#include "batch/OutputFolder.h"
#include "common/SpareCores.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

// Runs a ConversionJob (the whole list, or a shard's part of it) on worker threads. The names
// of the whole list are planned as the run starts, each output subfolder's among themselves
// (plannedNameIndexes(); a rename template's facts read as a dry run reads them). Files start in list
// order; each is decoded, stamped and encoded in parallel, but takes its output name in list order, so the
// names are those of a one-at-a-time run. At most a few files beyond the oldest unfinished one are in flight,
// so memory does not grow with the batch, and files are admitted into decoding by the memory they need
// against the job's budget, so it does not grow with the workers either.
//
// Threading: run() blocks its caller and may be called from any thread; the handlers are
// called on worker threads (the finished handler in list order, one at a time) and must not
// touch widgets directly. cancel() may be called from anywhere, a signal handler included.
class ConversionRunner {
public:
    explicit ConversionRunner(ConversionJob job);
    ~ConversionRunner();

    // Called as a file starts, with its index and the number of files started so far.
    void setFileStartedHandler(std::function<void(int index, int startedCount)> handler);
    // Called once per started file, in list order, when its fate is known.
    void setFileFinishedHandler(std::function<void(const FileResult &result)> handler);

    ConversionReport run();
    // No file starts after this; files in flight are finished and written.
    void cancel();

    int startedCount() const { return m_started.load(); }
    // The entries this run converts: the whole list, or its shard's part.
    int total() const { return int(m_order.size()); }

private:
    struct Outcome;

    void workerLoop();
    void flushOutputs();
    Outcome processFile(int index) const;
    void convertInto(int index, Outcome &outcome) const;
    void commit(int slot, Outcome &outcome);
    QStringList candidatesFor(int index) const;
    QString plannedName(int index) const;
    bool plannedNameTaken(int index) const;
    QString outputPathOf(int index, const QString &name) const;
    void planNames();
    void finish(const FileResult &result);
    bool folderStillInPlace() const;
    // The output folder's subfolder an input's output goes into, made and opened once a run.
    Result<std::shared_ptr<const OutputFolder>> subfolderFor(int index) const;
    ConversionReport runTimed();
    ConversionReport runDry();

    ConversionReport m_report; // before the job: preparing the job adds the run's notes
    const ConversionJob m_job;
    // The list positions this run converts, in list order; m_report.files follows it.
    QVector<int> m_order;
    // Every entry's name stem and its planned first candidate (plannedNameIndexes()), for the
    // whole list: the names do not depend on the part a shard converts.
    QStringList m_stems;
    QVector<int> m_plan;
    mutable MemoryBudget m_budget;
    std::function<void(int, int)> m_onStarted;
    std::function<void(const FileResult &)> m_onFinished;

    std::atomic<bool> m_cancel {false};
    std::shared_ptr<const OutputFolder> m_folder; // opened as the run starts
    mutable std::mutex m_subfolderMutex;
    mutable std::map<QString, Result<std::shared_ptr<const OutputFolder>>> m_subfolders;
    // Set when the output folder's path stopped leading to the opened folder: no file starts after.
    mutable std::atomic<bool> m_folderGone {false};
    mutable std::atomic<bool> m_folderReplaced {false};
    std::atomic<int> m_started {0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_next = 0;   // next slot of m_order to start
    int m_turn = 0;   // next slot to take its name
    int m_window = 1; // how far starting may run ahead of naming
    SpareCores m_spareCores; // the cores of workers with no file left, lent to those still at work
    std::map<int, Outcome> m_waiting;
    int m_metadataRemoved = 0; // written files whose metadata lost what the options leave out
};
