#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a TIFF file: LZW with horizontal predictor, the density as an exact rational in inches. Any
// QImage format is taken. Runs on worker threads.
Result<QByteArray> encodeTiff(const QImage &image, double dpi);
