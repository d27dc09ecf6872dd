// Hand-written: Qt turns a whole picture into a new one, libjpeg-turbo's lossless transforms
// need whole MCUs; neither places rows as a decoder gives them.
#include "transform/UprightRows.h"

#include <cstring>

namespace {

// Where stored pixel (x, y) of a w x h picture lands upright.
struct Mapping {
    bool swaps; // the upright picture is h x w
    bool mirrorX, mirrorY;

    // Upright column and row.
    int column(int x, int y, int w, int h) const
    {
        const int across = swaps ? y : x, extent = swaps ? h : w;
        return mirrorX ? extent - 1 - across : across;
    }
    int row(int x, int y, int w, int h) const
    {
        const int down = swaps ? x : y, extent = swaps ? w : h;
        return mirrorY ? extent - 1 - down : down;
    }
};

Mapping mappingFor(int orientation)
{
    switch (orientation) {
    case 2:
        return {false, true, false};
    case 3:
        return {false, true, true};
    case 4:
        return {false, false, true};
    case 5:
        return {true, false, false};
    case 6:
        return {true, true, false};
    case 7:
        return {true, true, true};
    case 8:
        return {true, false, true};
    default:
        return {false, false, false};
    }
}

template <int Bytes>
void place(const uchar *const *rows, int firstRow, int count, int w, int h, const Mapping &m, QImage *upright)
{
    if (m.swaps) {
        // A stored column is an upright row: for each one, the band's pixels are adjacent there.
        for (int x = 0; x < w; ++x) {
            uchar *line = upright->scanLine(m.row(x, 0, w, h));
            for (int r = 0; r < count; ++r)
                std::memcpy(line + m.column(x, firstRow + r, w, h) * Bytes, rows[r] + x * Bytes, Bytes);
        }
        return;
    }
    for (int r = 0; r < count; ++r) {
        const int y = firstRow + r;
        uchar *line = upright->scanLine(m.row(0, y, w, h));
        if (!m.mirrorX) {
            std::memcpy(line, rows[r], size_t(w) * Bytes);
            continue;
        }
        for (int x = 0; x < w; ++x)
            std::memcpy(line + (w - 1 - x) * Bytes, rows[r] + x * Bytes, Bytes);
    }
}

} // namespace

void placeRowsUpright(const uchar *const *rows, int firstRow, int count, int storedWidth, int storedHeight,
                      int orientation, QImage *upright)
{
    const Mapping m = mappingFor(orientation);
    switch (upright->depth()) {
    case 8:
        return place<1>(rows, firstRow, count, storedWidth, storedHeight, m, upright);
    case 16:
        return place<2>(rows, firstRow, count, storedWidth, storedHeight, m, upright);
    case 24:
        return place<3>(rows, firstRow, count, storedWidth, storedHeight, m, upright);
    case 32:
        return place<4>(rows, firstRow, count, storedWidth, storedHeight, m, upright);
    case 64:
        return place<8>(rows, firstRow, count, storedWidth, storedHeight, m, upright);
    default:
        Q_ASSERT_X(false, "placeRowsUpright", "a pixel of whole bytes");
    }
}
