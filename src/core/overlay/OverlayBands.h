#pragma once

#include "overlay/OverlayCanvas.h"
#include "overlay/OverlayTiles.h"

#include <memory>
#include <vector>

class CoverageRuns;
struct ConversionOptions;

// Stamps the active overlays on a full-size three-byte (RGB888) canvas while its rows are still
// coming, byte for byte as stampOverlaysInTiles() stamps the whole picture, in its order: the
// copyright lines band by band through their coverage, the logo and large text band by band too,
// small text once the rows of its area are in. Says how many rows from the top are final, so they
// can be encoded and let go: only the rows small text waits for are ever held.
//
// Threading: made on any thread; then used by one thread at a time.
class OverlayBands {
public:
    OverlayBands(const OverlayCanvas &layout, const ConversionOptions &options);
    ~OverlayBands();

    // False when memory ran out for the lines' coverage.
    bool isValid() const { return m_valid; }
    // Rows [0, rowsIn) of the canvas have come (rowsIn never goes back), and the caller holds
    // every row from the last call's result on: stamps what can be stamped and returns how many
    // rows from the top nothing more will be drawn on.
    int rowsIn(const CanvasRows &canvas, int rowsIn);
    // The most rows held at once (from the last result to the rows in) when rows come in bands of
    // up to `band`.
    int rowsHeldAtMost(int band) const;

private:
    int m_height = 0;
    bool m_valid = true;
    std::shared_ptr<const std::vector<CoverageRuns>> m_lines;
    QRgb m_colour = 0;
    int m_blended = 0; // rows the lines are laid on
    QVector<OverlayStamp> m_stamps;
    std::vector<int> m_drawnTo; // each stamp: the rows of its area drawn, from the top
};
