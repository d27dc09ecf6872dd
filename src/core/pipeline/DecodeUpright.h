#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file decoded whole and turned upright by its orientation, as a logo is read. Null
// with a reason when it cannot be. Any thread.
QImage decodeUpright(const QString &path, QString *error);
// Decodes a picture held in memory (a logo dropped as data or stored in the settings).
QImage decodeImageData(const QByteArray &data, QString *error);
