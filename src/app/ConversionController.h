#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"

#include <QObject>

#include <memory>

class ConversionRunner;

// Runs one conversion at a time in the background and reports back through signals.
//
// Threading: lives on the UI thread, and its signals are emitted there; the runner's workers
// never touch widgets (their progress comes back through a UiChannel). cancel() and the queries
// are UI-thread calls. The runner is shared with the work that drives it, so a controller
// destroyed mid-run cancels it and leaves it to finish the files in flight.
class ConversionController : public QObject {
    Q_OBJECT
public:
    explicit ConversionController(QObject *parent = nullptr);
    ~ConversionController() override;

    bool isRunning() const { return m_running; }
    void start(const ConversionJob &job);
    // No file starts after this; the files in flight are finished and written.
    void cancel();
    // Blocks (running the event loop) until the run has ended.
    void waitForFinished();
    // Files started so far in the current run.
    int startedCount() const;

Q_SIGNALS:
    // The file at this list index started; `startedCount` files have started so far.
    void fileStarted(int index, int startedCount, int total);
    // A started file's fate is known (they come in list order); `finishedCount` so far.
    void fileFinished(int finishedCount, int total);
    void finished(const ConversionReport &report);

private:
    std::shared_ptr<ConversionRunner> m_runner;
    bool m_running = false;
    int m_finished = 0;
};
