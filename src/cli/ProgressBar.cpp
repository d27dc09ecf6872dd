#include "ProgressBar.h"

#include <algorithm>

ProgressBar::ProgressBar(std::FILE *stream, int total) : m_stream(stream), m_total(std::max(1, total)) {}

void ProgressBar::update(int done)
{
    constexpr int kWidth = 30;
    const int filled = std::clamp(done * kWidth / m_total, 0, kWidth);
    char bar[kWidth + 1];
    std::fill(bar, bar + filled, '#');
    std::fill(bar + filled, bar + kWidth, ' ');
    bar[kWidth] = '\0';
    std::fprintf(m_stream, "\r[%s] %d/%d", bar, done, m_total);
    std::fflush(m_stream);
    m_drawn = true;
}

void ProgressBar::clear()
{
    if (!m_drawn)
        return;
    std::fprintf(m_stream, "\r\033[K");
    std::fflush(m_stream);
    m_drawn = false;
}
