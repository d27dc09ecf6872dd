#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file decoded whole and turned upright by its orientation, as a logo is read.
// Any thread.
Result<QImage> decodeUpright(const QString &path);
// Decodes a picture held in memory (a logo dropped as data or stored in the settings).
Result<QImage> decodeImageData(const QByteArray &data);
