#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a PNG file: lossless, with alpha and 16 bits kept and the density in pHYs. Any QImage format
// is taken. Runs on worker threads.
Result<QByteArray> encodePng(const QImage &image, double dpi);
