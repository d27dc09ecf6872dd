#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a GIF file: an adaptive dithered palette with one transparent index (pixels under half opacity). Any QImage format is taken.
// Empty with a reason in `error` on failure. Runs on worker threads.
QByteArray encodeGif(const QImage &image, QString *error);
