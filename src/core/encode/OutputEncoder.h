#pragma once

#include "common/Failure.h"
#include "options/ConversionOptions.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class SourceMetadata;

struct EncodedOutput {
    QByteArray bytes;
    QStringList notes; // what the output could not keep
};

// Encodes the finished picture in the output format at the given JPEG quality (0 to 100) and density, with
// the source's metadata and colour profile where the format holds them and the profile fits the pixels.
Result<EncodedOutput> encodeOutput(const QImage &image, OutputFormat format, int jpegQuality, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &metadata);
