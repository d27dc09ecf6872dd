#include "pipeline/HeldRows.h"

#include "common/LargeImage.h"

#include <algorithm>
#include <cstring>

HeldRows::HeldRows(int width, int expected)
    : m_width(width),
      // Every slot is written before it is read.
      m_memory(reusedLargeImage(QSize(width, std::max(expected, 32)), QImage::Format_RGB888))
{
}

bool HeldRows::reserve(int rows)
{
    if (m_memory.isNull())
        return false;
    if (rows <= m_memory.height())
        return true;
    QImage memory =
        allocateLargeImage(QSize(m_width, std::max(rows, 2 * m_memory.height())), QImage::Format_RGB888);
    if (memory.isNull())
        return false;
    // The held rows move over in order, the first to the first slot.
    const size_t length = size_t(m_width) * 3;
    for (int i = 0; i < m_count; ++i)
        std::memcpy(memory.scanLine(i), row(m_first + i), length);
    m_memory = std::move(memory);
    m_start = 0;
    return true;
}

bool HeldRows::append(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (!reserve(m_count + count))
        return false;
    const size_t length = size_t(m_width) * 3;
    for (int i = 0; i < count; ++i) {
        ++m_count;
        std::memcpy(row(end() - 1), rows + qsizetype(i) * bytesPerLine, length);
    }
    return true;
}

void HeldRows::dropBefore(int y)
{
    const int dropped = std::clamp(y - m_first, 0, m_count);
    m_count -= dropped;
    m_first = m_count ? m_first + dropped : std::max(y, m_first + dropped);
    m_start = m_count ? (m_start + dropped) % m_memory.height() : 0;
}
