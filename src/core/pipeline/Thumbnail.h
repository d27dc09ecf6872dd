#pragma once

#include "common/Failure.h"

#include <QImage>
#include <QSize>
#include <QString>

// What the image browser shows of a file: a small upright picture, and what reading it told on
// the way.
struct Thumbnail {
    QImage picture;
    QSize pixelSize;      // the picture's size upright, in pixels, as its header states it
    QString format;       // the format's name, as ImageDecoder::formatName() says it
    qint64 fileBytes = 0; // the file's size
};

// The thumbnail of a file, decoded with shrink on load so a large photo costs a fraction of a
// full decode; the failure a conversion would meet when the file cannot be read or decoded.
// Any thread.
Result<Thumbnail> makeThumbnail(const QString &path, int maxSide);
