#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <functional>
#include <mutex>

// Admits files into work by the memory they need, so a run stays under a budget whatever the
// number of workers. Files are admitted one at a time: the one being admitted reads its header,
// says what it needs, and waits until that fits beside the files already at work; the others
// wait to be admitted without holding their bytes. A file that needs more than the whole budget
// waits until it is alone, then runs.
//
// Threading: any thread. A Ticket belongs to the thread that entered and ends with its scope.
class MemoryBudget {
public:
    explicit MemoryBudget(qint64 bytes);

    class Ticket {
    public:
        Ticket(Ticket &&other) noexcept;
        Ticket(const Ticket &) = delete;
        Ticket &operator=(const Ticket &) = delete;
        Ticket &operator=(Ticket &&) = delete;
        ~Ticket();
        // Blocks until the bytes fit (or nothing else is at work), takes them until the ticket
        // ends, and lets the next file be admitted. Once per ticket. `beforeWaiting`, when given,
        // is called (without the budget's lock) when the bytes do not fit at once: a worker lets
        // go of memory it kept for reuse, which the budget does not count.
        void admit(qint64 bytes, const std::function<void()> &beforeWaiting = {});

    private:
        friend class MemoryBudget;
        explicit Ticket(MemoryBudget *budget) : m_budget(budget) {}
        MemoryBudget *m_budget;
        bool m_admitting = true;
        qint64 m_taken = 0;
    };

    // Blocks until no other file is being admitted.
    Ticket enter();

    qint64 bytes() const { return m_bytes; }
    // The most ever taken at once: for tests.
    qint64 peakTaken() const;

private:
    const qint64 m_bytes;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_admitting = false;
    qint64 m_taken = 0;
    qint64 m_peak = 0;
};

// A quarter of the physical memory, or of the control group's limit when that is lower.
qint64 defaultMemoryBudget();
