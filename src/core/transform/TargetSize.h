#pragma once

#include <QSize>

struct ConversionOptions;

// The output size for an upright source of the given size: the source size when the options
// ask for no resize, else the size the resize mode gives.
// - Width, Height, LongEdge, ShortEdge: that side is the given length, the other in proportion
//   (single precision, halves rounded away from zero).
// - Fit: the largest size of the same shape within the box. The side whose scale is the smaller
//   governs (the width when both are equal) and is exact; the other follows as above. A box side
//   of 0 does not bound.
// - Percent: each side is roundf(side x percent / 100).
// A side that would round to 0 becomes 1 pixel. With `neverEnlarge`, a source that the mode
// would enlarge keeps its own size; otherwise enlarging is allowed.
QSize targetSize(QSize uprightSource, const ConversionOptions &options);
