#pragma once

#include <QImage>
#include <QSize>

// The picture resampled to an exact size with high quality (area averaging when shrinking).
// Gray stays gray. Any thread.
QImage resampled(const QImage &image, QSize size);
