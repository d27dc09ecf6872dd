#include "overlay/OverlayBands.h"

#include "options/ConversionOptions.h"
#include "overlay/CopyrightCoverage.h"

#include <algorithm>

OverlayBands::OverlayBands(const OverlayCanvas &layout, const ConversionOptions &options)
    : m_height(layout.height), m_stamps(overlayStamps(layout, options))
{
    if (options.copyright.active()) {
        m_lines = CopyrightCoverage::of(layout, options);
        m_valid = m_lines != nullptr;
        m_colour = CopyrightCoverage::drawnColour(options);
    }
}

OverlayBands::~OverlayBands() = default;

int OverlayBands::rowsIn(const CanvasRows &canvas, int rowsIn)
{
    rowsIn = std::min(rowsIn, m_height);
    if (m_lines && rowsIn > m_blended)
        m_lines->blend(canvas, m_blended, rowsIn, m_colour);
    m_blended = std::max(m_blended, rowsIn);
    // A stamp waits for every row of its area, and for the stamps before it.
    while (m_stamped < m_stamps.size() && (rowsIn == m_height || m_stamps[m_stamped].area.bottom() < rowsIn))
        m_stamps[m_stamped++].draw(canvas);
    int final = rowsIn;
    for (int i = m_stamped; i < m_stamps.size(); ++i)
        final = std::min(final, std::max(0, m_stamps[i].area.top()));
    return final;
}
