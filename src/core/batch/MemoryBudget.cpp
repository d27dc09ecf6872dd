#include "batch/MemoryBudget.h"

#include <QFile>

#include <algorithm>
#include <unistd.h>
#include <utility>

MemoryBudget::MemoryBudget(qint64 bytes) : m_bytes(std::max<qint64>(bytes, 1)) {}

MemoryBudget::Ticket MemoryBudget::enter()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_admitting; });
    m_admitting = true;
    return Ticket(this);
}

qint64 MemoryBudget::peakTaken() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_peak;
}

MemoryBudget::Ticket::Ticket(Ticket &&other) noexcept
    : m_budget(std::exchange(other.m_budget, nullptr)), m_admitting(other.m_admitting), m_taken(other.m_taken)
{
}

void MemoryBudget::Ticket::admit(qint64 bytes, const std::function<void()> &beforeWaiting)
{
    if (!m_budget || !m_admitting)
        return;
    MemoryBudget &b = *m_budget;
    bytes = std::max<qint64>(bytes, 0);
    std::unique_lock<std::mutex> lock(b.m_mutex);
    const auto fits = [&] { return b.m_taken == 0 || b.m_taken + bytes <= b.m_bytes; };
    if (!fits() && beforeWaiting) {
        lock.unlock();
        beforeWaiting();
        lock.lock();
    }
    b.m_changed.wait(lock, fits);
    b.m_taken += bytes;
    b.m_peak = std::max(b.m_peak, b.m_taken);
    b.m_admitting = false;
    m_admitting = false;
    m_taken = bytes;
    b.m_changed.notify_all();
}

MemoryBudget::Ticket::~Ticket()
{
    if (!m_budget)
        return;
    std::lock_guard<std::mutex> lock(m_budget->m_mutex);
    if (m_admitting)
        m_budget->m_admitting = false;
    m_budget->m_taken -= m_taken;
    m_budget->m_changed.notify_all();
}

qint64 defaultMemoryBudget()
{
    qint64 memory = qint64(::sysconf(_SC_PHYS_PAGES)) * ::sysconf(_SC_PAGESIZE);
    QFile limit(QStringLiteral("/sys/fs/cgroup/memory.max"));
    if (limit.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const qint64 bytes = limit.readLine(64).trimmed().toLongLong(&ok);
        if (ok && bytes > 0)
            memory = memory > 0 ? std::min(memory, bytes) : bytes;
    }
    return memory > 0 ? memory / 4 : qint64(1) << 30;
}
