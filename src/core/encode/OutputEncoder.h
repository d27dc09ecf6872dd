#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class SourceMetadata;

struct EncodedOutput {
    QByteArray bytes;  // empty on failure
    QString error;     // why encoding failed
    QStringList notes; // what the output could not keep
};

// Encodes the finished picture in the output format (format index 0 JPEG, 1 PNG, 2 GIF,
// else TIFF) at the given JPEG quality (0 to 100) and density, with the source's metadata and
// colour profile where the format holds them and the profile fits the pixels.
EncodedOutput encodeOutput(const QImage &image, int formatIndex, int jpegQuality, double dpi,
                           const QByteArray &iccProfile, const SourceMetadata &metadata);
