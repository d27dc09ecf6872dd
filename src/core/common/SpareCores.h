#pragma once

#include <atomic>

// The cores a run may lend to the files its workers convert: those of its workers that have no
// file left (and, from the start, those it was allowed but had no file for). A file that would
// keep only one core busy (the last files of a batch, a single large picture) borrows one for
// a second thread while it decodes (BandHandoff), or to reduce a whole picture or decode a whole
// TIFF in two halves at once; a run with one worker lends nothing. The window lends its large
// preview one core.
//
// A runner's worker thread holds a scope naming its run's cores for as long as it works; a
// thread without one borrows nothing.
//
// Threading: take() and giveBack() from any thread.
class SpareCores {
public:
    explicit SpareCores(int count = 0) : m_count(count) {}
    SpareCores(const SpareCores &) = delete;
    SpareCores &operator=(const SpareCores &) = delete;

    void reset(int count) { m_count.store(count); }
    // One more core is idle.
    void giveBack() { m_count.fetch_add(1); }
    // Takes an idle core when there is one.
    bool take();

    // The cores this thread's work may borrow; null when it may borrow none.
    static SpareCores *ofThisThread();

private:
    std::atomic<int> m_count;
};

class SpareCoresScope {
public:
    explicit SpareCoresScope(SpareCores *cores);
    ~SpareCoresScope();
    SpareCoresScope(const SpareCoresScope &) = delete;
    SpareCoresScope &operator=(const SpareCoresScope &) = delete;

private:
    SpareCores *m_previous;
};

// A core borrowed from this thread's run for as long as it lives, when one was idle.
class BorrowedCore {
public:
    BorrowedCore();
    ~BorrowedCore();
    BorrowedCore(const BorrowedCore &) = delete;
    BorrowedCore &operator=(const BorrowedCore &) = delete;

    explicit operator bool() const { return m_from != nullptr; }

private:
    SpareCores *m_from = nullptr;
};
