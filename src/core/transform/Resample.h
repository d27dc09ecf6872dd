#pragma once

#include <QImage>
#include <QSize>

// The picture resampled to an exact size with a Lanczos-3 kernel, widened by the scale when
// shrinking (every input pixel counts) and used as it is when enlarging. Alpha is filtered
// premultiplied; gray stays gray and 16 bits stay 16 bits. The result is RGB32,
// ARGB32_Premultiplied, Grayscale8, Grayscale16, RGBX64 or RGBA64_Premultiplied. Any thread.
// `extent`, when given, is how many of the image's pixels the picture spans (a picture shrunk
// on load by 2 from 3391 rows spans 1695.5 of its 1696), so centres stay where they belong.
// Runs through RowReducer, which takes the rows as a decoder gives them (with a lent core, in
// two halves at once).
QImage resampled(const QImage &image, QSize size, QSizeF extent = QSizeF());
