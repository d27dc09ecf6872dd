#pragma once

#include <QImage>

// The picture with its transparent parts laid on white, for formats without alpha; an opaque
// picture is returned as it is.
QImage flattenedOnWhite(const QImage &image);
