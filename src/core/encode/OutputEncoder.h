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
    // The source held metadata the options leave out (see SourceMetadata::keeping); the run
    // says so once for all its files.
    bool metadataRemoved = false;
};

// Encodes the finished picture in the options' format (at their JPEG quality) and the given
// density, with the source's metadata (as much as the options keep) and colour profile where the format holds
// them and the profile is usable and fits the pixels. Runs on worker threads.
Result<EncodedOutput> encodeOutput(const QImage &image, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &metadata);
