#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a JPEG file: one encoding at the given quality (0 to 100) with the density in the JFIF
// header; transparent parts laid on white; gray stays gray. Any QImage format is taken. Runs on worker
// threads.
Result<QByteArray> encodeJpeg(const QImage &image, int quality, double dpi);
