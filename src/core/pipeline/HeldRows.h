#pragma once

#include <QImage>

// A picture's rows [first(), end()) held in a ring that grows when more must be held at once:
// rows kept from the decoder until nothing more will be drawn on them, then let go from the top.
// Emptied, it starts again at its first row, so rows that come and go in small bands stay in the
// same few cache lines' worth of memory. Its memory is the thread's reused large-picture memory
// when there is some (reusedLargeImage()).
//
// Threading: one thread at a time.
class HeldRows {
public:
    // Rows `width` three-byte pixels wide; room for `expected` of them at first, taken here (on
    // the thread whose reused memory it may be).
    HeldRows(int width, int expected);
    // False when memory ran out for the first rows.
    bool isValid() const { return !m_memory.isNull(); }

    // Adds `count` rows after end(); false when memory ran out.
    bool append(const uchar *rows, qsizetype bytesPerLine, int count);
    // A held row: first() <= y < end().
    uchar *row(int y) { return m_memory.scanLine(slot(y)); }
    // How many held rows from y on lie one after another in memory, bytesPerLine() apart.
    int runFrom(int y) const { return std::min(end() - y, m_memory.height() - slot(y)); }
    qsizetype bytesPerLine() const { return m_memory.bytesPerLine(); }
    // Lets the rows before y go; with none held, the next row appended is row y.
    void dropBefore(int y);
    int first() const { return m_first; }
    int end() const { return m_first + m_count; }

private:
    int slot(int y) const { return (m_start + (y - m_first)) % m_memory.height(); }
    bool reserve(int rows);

    int m_width;
    QImage m_memory; // the ring, a row a slot
    int m_start = 0; // the slot of row m_first
    int m_first = 0;
    int m_count = 0;
};
