#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a PNG file: lossless, with alpha and 16 bits kept and the density in pHYs. Any QImage format is taken.
// Empty with a reason in `error` on failure. Runs on worker threads.
QByteArray encodePng(const QImage &image, double dpi, QString *error);
