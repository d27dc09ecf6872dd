#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a GIF file: its colours as gifPalettePicture() gives them (an adaptive dithered
// palette with one transparent index for the pixels under half opacity), taken as they are
// when the picture is already such a palette picture. Any QImage format is taken. Runs on
// worker threads.
Result<QByteArray> encodeGif(const QImage &image);
