#pragma once

#include <QSize>

struct ConversionOptions;

// The output size for an upright source of the given size: the source size when resizing is
// off, else the typed width or height with the other side in proportion (single precision,
// halves rounded away from zero). Enlarging is allowed. A governing size of 0 or less means no
// resize, and a side that would round to 0 becomes 1 pixel.
QSize targetSize(QSize uprightSource, const ConversionOptions &options);

// True when the options ask for a resize the rule above carries out (the resize path).
bool resizeRequested(const ConversionOptions &options);
