#include "overlay/OverlayBands.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayCoverage.h"

#include <algorithm>

OverlayBands::OverlayBands(const OverlayCanvas &layout, const ConversionOptions &options)
    : m_height(layout.height), m_stamps(overlayStamps(layout, options))
{
    if (options.copyright.active()) {
        m_lines = OverlayCoverage::copyrightLines(layout, options);
        m_valid = m_lines != nullptr;
        m_colour = CoverageRuns::drawnColour(options.copyright.color, options.copyright.opacity);
    }
}

OverlayBands::~OverlayBands() = default;

int OverlayBands::rowsIn(const CanvasRows &canvas, int rowsIn)
{
    rowsIn = std::min(rowsIn, m_height);
    if (m_lines && rowsIn > m_blended) {
        for (const CoverageRuns &line : *m_lines)
            line.blend(canvas, m_blended, rowsIn, m_colour);
    }
    m_blended = std::max(m_blended, rowsIn);
    // A stamp waits for every row of its area, and for the stamps before it.
    while (m_stamped < m_stamps.size() && (rowsIn == m_height || m_stamps[m_stamped].area.bottom() < rowsIn))
        m_stamps[m_stamped++].draw(canvas);
    int final = rowsIn;
    for (int i = m_stamped; i < m_stamps.size(); ++i)
        final = std::min(final, std::max(0, m_stamps[i].area.top()));
    return final;
}

int OverlayBands::rowsHeldAtMost(int band) const
{
    // Just before stamp i is drawn, the rows from the highest top of it and those after it are
    // held, up to a band past the lowest bottom of it and those before it.
    int most = band, bottom = 0;
    for (int i = 0; i < m_stamps.size(); ++i) {
        bottom = std::max(bottom, m_stamps[i].area.bottom() + 1);
        int top = m_height;
        for (int j = i; j < m_stamps.size(); ++j)
            top = std::min(top, std::max(0, m_stamps[j].area.top()));
        most = std::max(most, std::min(bottom, m_height) + band - top);
    }
    return std::min(most, m_height);
}
