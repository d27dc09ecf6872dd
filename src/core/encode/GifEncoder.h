#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a GIF file: an adaptive dithered palette with one transparent index (pixels under half
// opacity). Any QImage format is taken. Runs on worker threads.
Result<QByteArray> encodeGif(const QImage &image);
