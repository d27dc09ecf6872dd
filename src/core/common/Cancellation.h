#pragma once

#include <atomic>

// The cancellation of the run a thread works for. A runner's worker thread holds a scope with
// the run's flag for as long as it works; long waits deep in the core (an external renderer)
// poll cancellationRequested() and give up at once. A thread without a scope is never
// cancelled. The flag may be set from any thread or a signal handler.
class CancellationScope {
public:
    explicit CancellationScope(const std::atomic<bool> *flag);
    ~CancellationScope();
    CancellationScope(const CancellationScope &) = delete;
    CancellationScope &operator=(const CancellationScope &) = delete;

private:
    const std::atomic<bool> *m_previous;
};

bool cancellationRequested();
