#pragma once

#include <QSize>

struct ConversionOptions;

// The output size for an upright source of the given size: the source size when the options
// ask for no resize, else the given width or height with the other side in proportion (single
// precision, halves rounded away from zero). Enlarging is allowed; a side that would round to 0
// becomes 1 pixel.
QSize targetSize(QSize uprightSource, const ConversionOptions &options);
