#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>
#include <utility>
#include <vector>

struct CanvasRows;

// What a shape Qt's raster engine fills with a solid colour covers, row by row: each row's run of
// pixels and how much of each it covers (0 to 255), taken from the shape drawn opaque white on a
// cleared Alpha8 mask (the coverage of its spans, exactly). Blending a colour through the runs
// gives, byte for byte, what the engine draws with that colour on an RGB888 or RGB32 canvas (its
// solid source-over, with its rounding), a band of rows at a time.
//
// Threading: read-only once made; any thread.
class CoverageRuns {
public:
    // The covered pixels of `mask` (Alpha8), whose top-left pixel lies at `offset` on the canvas.
    static CoverageRuns fromMask(const QImage &mask, QPoint offset);
    // The same, looking in each row y only at the columns window(y) = [from, to) of the mask: the
    // caller knows nothing was drawn outside them.
    static CoverageRuns fromMask(const QImage &mask, QPoint offset,
                                 const std::function<std::pair<int, int>(int y)> &window);
    // A colour at an opacity, premultiplied as the raster engine holds it for a solid fill.
    static QRgb drawnColour(QColor colour, float opacity);

    // Lays `colour` over rows [from, to) of a three-byte canvas (rows the runs do not reach are
    // left alone).
    void blend(const CanvasRows &canvas, int from, int to, QRgb colour) const;
    // The rows the runs cover: [top(), bottom()].
    int top() const { return m_top; }
    int bottom() const { return m_top + int(m_first.size()) - 1; }

private:
    int m_top = 0;
    std::vector<int> m_first;  // each row's first covered column on the canvas
    std::vector<int> m_offset; // each row's run in m_coverage: [offset[y], offset[y + 1])
    std::vector<uchar> m_coverage;
};
