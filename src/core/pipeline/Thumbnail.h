#pragma once

#include <QImage>
#include <QString>

// A small upright picture of a file for the image browser, decoded with shrink on load so a
// large photo costs a fraction of a full decode. Null when the file cannot be read. Any thread.
QImage makeThumbnail(const QString &path, int maxSide);
