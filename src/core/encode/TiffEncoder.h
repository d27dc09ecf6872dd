#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a TIFF file: LZW with horizontal predictor, the density as an exact rational in inches. Any QImage format is taken.
// Empty with a reason in `error` on failure. Runs on worker threads.
QByteArray encodeTiff(const QImage &image, double dpi, QString *error);
