#pragma once

#include "common/Failure.h"
#include "metadata/SourceMetadata.h"

#include <QImage>
#include <QStringList>

#include <functional>

struct ConversionOptions;

// The finished picture of one input, upright, at its output size, ready to encode.
struct PipelineResult {
    Failure failure;

    QImage image;
    float imageDpi = 72.0f;  // horizontal density of the source, carried to the output
    QByteArray iccProfile;   // the profile of the pixels, empty when none applies
    SourceMetadata metadata; // the source's metadata, to write with the output
    // For a JPEG XL output: the source file's bytes when it is a JPEG whose pixels the conversion
    // leaves as they are (no resize, no turn, no overlay, no colour conversion), so it can be
    // recompressed losslessly. Shares the decoder's bytes; empty otherwise.
    QByteArray untouchedJpeg;
    QStringList notes; // what was done differently from what was asked

    bool ok() const { return !failure.failed(); }
};

// Called once a file's header is read, before its picture is decoded, with about the memory the
// rest of its conversion takes (its bytes, the decoded picture, the output picture). May block
// until that much is free.
using MemoryAdmission = std::function<void(qint64 bytes)>;

// Decodes one file, turns it upright by its EXIF orientation, resizes it as the options say
// and draws the active overlays. A pure function of the file and the options; runs on any
// thread.
PipelineResult convertFile(const QString &path, const ConversionOptions &options,
                           const MemoryAdmission &admit = {});

// The picture as the conversion would make it at its own size (resizing off), drawn no larger
// than maxSide a side: decoded with shrink on load, with the overlays of the full size scaled
// down with it. For previews; any thread.
PipelineResult previewFile(const QString &path, const ConversionOptions &options, int maxSide);

// convertFile() and previewFile() both: maxSide 0 draws the full output.
PipelineResult renderFile(const QString &path, const ConversionOptions &options, int maxSide,
                          const MemoryAdmission &admit = {});
