#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>

class ConversionRunner;

// Runs one conversion at a time off the UI thread and reports back through queued signals.
// Lives on the UI thread; the runner's workers never touch widgets.
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
    void fileStarted(int startedCount, int total);
    void finished(const ConversionReport &report);

private:
    std::unique_ptr<ConversionRunner> m_runner;
    QFutureWatcher<ConversionReport> m_watcher;
    bool m_running = false;
};
