#pragma once

#include <cstdio>

// A one-line progress bar on a terminal, redrawn in place.
class ProgressBar {
public:
    ProgressBar(std::FILE *stream, int total);
    void update(int done);
    void clear();

private:
    std::FILE *m_stream;
    int m_total;
    bool m_drawn = false;
};
