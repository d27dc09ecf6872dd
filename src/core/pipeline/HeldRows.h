#pragma once

#include <QtGlobal>

#include <memory>

// A picture's rows [first(), end()) held in a ring that grows when more must be held at once:
// rows kept from the decoder until nothing more will be drawn on them, then let go from the top.
// Emptied, it starts again at its first row, so rows that come and go in small bands stay in the
// same few cache lines' worth of memory.
//
// Threading: one thread at a time.
class HeldRows {
public:
    explicit HeldRows(qsizetype bytesPerRow);

    // Adds `count` rows after end(); false when memory ran out.
    bool append(const uchar *rows, qsizetype bytesPerLine, int count);
    // A held row: first() <= y < end().
    uchar *row(int y);
    // How many held rows from y on lie one after another in memory (at least 1).
    int runFrom(int y) const;
    // Lets the rows before y go.
    void dropBefore(int y);
    int first() const { return m_first; }
    int end() const { return m_first + m_count; }
    qsizetype bytesPerRow() const { return m_bytesPerRow; }

private:
    int slot(int y) const { return (m_start + (y - m_first)) % m_capacity; }
    bool reserve(int rows);

    qsizetype m_bytesPerRow;
    std::unique_ptr<uchar[]> m_memory;
    int m_capacity = 0; // rows
    int m_start = 0;    // the slot of row m_first
    int m_first = 0;
    int m_count = 0;
};
