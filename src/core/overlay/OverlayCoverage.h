#pragma once

#include "overlay/CoverageRuns.h"

#include <memory>
#include <vector>

struct ConversionOptions;
struct OverlayCanvas;

// The overlays filled with one solid colour, as coverage (CoverageRuns): the copyright lines, and
// a watermark large enough that Qt fills its glyphs as outlines. Each is drawn once for a canvas
// size and the settings that place it, on a mask of what the canvas's painter would draw on (the
// whole canvas for the lines, whose smoothed diagonals a smaller device or a clip would cut
// elsewhere; the watermark's area for the text, as its tile), and the last few are kept: a
// batch's photos mostly share them.
//
// Threading: any thread; what they return is read-only and shared.
namespace OverlayCoverage {

// The copyright lines of `options`' pattern, in their order; null when memory ran out.
std::shared_ptr<const std::vector<CoverageRuns>> copyrightLines(const OverlayCanvas &layout,
                                                                const ConversionOptions &options);
// The watermark's text over `area` (its tile); null when memory ran out.
std::shared_ptr<const CoverageRuns> watermark(const OverlayCanvas &layout, const ConversionOptions &options,
                                              QRect area);

} // namespace OverlayCoverage
