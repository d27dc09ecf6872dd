#pragma once

#include "overlay/OverlayCanvas.h"

#include <QImage>

#include <memory>
#include <vector>

struct CanvasRows;
struct ConversionOptions;

// The copyright lines as coverage, row by row: for each line, each row's run of pixels and how
// much of each the line covers (0 to 255), exactly as Qt's raster engine covers them when it
// draws the line on the whole canvas. Blending a colour through them gives, byte for byte, what
// stampOverlaysInTiles() draws on a three-byte canvas, but a band of rows at a time.
//
// Threading: of() may be called from any thread; a coverage is read-only once made and shared.
class CopyrightCoverage {
public:
    // The coverage of the lines of `options`' pattern on a canvas laid out as `layout`. The lines
    // depend only on the canvas and the pattern, so the last few are kept: a batch's photos mostly
    // share both. Null when memory ran out.
    static std::shared_ptr<const CopyrightCoverage> of(const OverlayCanvas &layout,
                                                       const ConversionOptions &options);

    // The lines' colour at their opacity, premultiplied as Qt's raster engine holds it.
    static QRgb drawnColour(const ConversionOptions &options);

    // Lays the lines, in `colour`, over rows [from, to) of a three-byte canvas of the layout's
    // size, in the lines' order.
    void blend(const CanvasRows &canvas, int from, int to, QRgb colour) const;

private:
    struct Line {
        std::vector<int> first;  // each row's first covered column
        std::vector<int> offset; // each row's run in `coverage`: [offset[y], offset[y + 1])
        std::vector<uchar> coverage;
    };
    static std::shared_ptr<const CopyrightCoverage> make(const OverlayCanvas &layout,
                                                         const ConversionOptions &options);

    int m_height = 0;
    std::vector<Line> m_lines;
};
