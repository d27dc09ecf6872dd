#include "pipeline/HeldRows.h"

#include <algorithm>
#include <cstring>
#include <new>

HeldRows::HeldRows(qsizetype bytesPerRow) : m_bytesPerRow(bytesPerRow) {}

bool HeldRows::reserve(int rows)
{
    if (rows <= m_capacity)
        return true;
    const int capacity = std::max({rows, 2 * m_capacity, 32});
    std::unique_ptr<uchar[]> memory(new (std::nothrow) uchar[size_t(capacity) * size_t(m_bytesPerRow)]);
    if (!memory)
        return false;
    // The held rows move over in order, the first to the first slot.
    for (int i = 0; i < m_count; ++i)
        std::memcpy(memory.get() + size_t(i) * size_t(m_bytesPerRow), row(m_first + i),
                    size_t(m_bytesPerRow));
    m_memory = std::move(memory);
    m_capacity = capacity;
    m_start = 0;
    return true;
}

bool HeldRows::append(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (!reserve(m_count + count))
        return false;
    const size_t length = size_t(std::min(bytesPerLine, m_bytesPerRow));
    for (int i = 0; i < count; ++i) {
        ++m_count;
        std::memcpy(row(end() - 1), rows + qsizetype(i) * bytesPerLine, length);
    }
    return true;
}

uchar *HeldRows::row(int y)
{
    return m_memory.get() + size_t(slot(y)) * size_t(m_bytesPerRow);
}

int HeldRows::runFrom(int y) const
{
    return std::min(end() - y, m_capacity - slot(y));
}

void HeldRows::dropBefore(int y)
{
    const int dropped = std::clamp(y - m_first, 0, m_count);
    m_first += dropped;
    m_count -= dropped;
    m_start = m_capacity && m_count ? (m_start + dropped) % m_capacity : 0;
}
