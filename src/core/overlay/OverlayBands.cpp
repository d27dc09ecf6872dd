#include "overlay/OverlayBands.h"

#include "options/ConversionOptions.h"
#include "overlay/OverlayCoverage.h"

#include <algorithm>

OverlayBands::OverlayBands(const OverlayCanvas &layout, const ConversionOptions &options)
    : m_height(layout.height), m_stamps(overlayStamps(layout, options)), m_drawnTo(size_t(m_stamps.size()), 0)
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
    // Each stamp draws only on rows every stamp before it has finished (so a pixel under two of
    // them gets them in order): a banded one as far as that, another once its whole area is.
    int final = rowsIn;
    for (int i = 0; i < m_stamps.size(); ++i) {
        const OverlayStamp &stamp = m_stamps[i];
        int &drawn = m_drawnTo[size_t(i)];
        const int end = std::min(stamp.area.bottom() + 1, m_height);
        if (drawn < end) {
            if (stamp.banded) {
                const int from = std::max({0, drawn, stamp.area.top()}), to = std::min(final, end);
                if (to > from)
                    stamp.draw(canvas, from, to);
                drawn = std::max(drawn, to);
            } else if (end <= final) {
                stamp.draw(canvas, 0, m_height);
                drawn = end;
            }
        }
        if (drawn < end)
            final = std::min(final, std::max({0, drawn, stamp.area.top()}));
    }
    return final;
}

int OverlayBands::rowsHeldAtMost(int band) const
{
    // Only a stamp drawn whole holds rows: just before it is drawn, those from the highest top of
    // it and the whole stamps after it, up to a band past its bottom and those of the stamps before.
    int most = band, bottom = 0;
    for (int i = 0; i < m_stamps.size(); ++i) {
        if (m_stamps[i].banded)
            continue;
        bottom = std::max(bottom, m_stamps[i].area.bottom() + 1);
        int top = m_height;
        for (int j = i; j < m_stamps.size(); ++j)
            if (!m_stamps[j].banded)
                top = std::min(top, std::max(0, m_stamps[j].area.top()));
        most = std::max(most, std::min(bottom, m_height) + band - top);
    }
    return std::min(most, m_height);
}
