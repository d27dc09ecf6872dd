#pragma once

#include "common/Failure.h"
#include "encode/OutputEncoder.h"
#include "metadata/SourceMetadata.h"
#include "overlay/OverlayContrast.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <functional>

struct ConversionOptions;

// The finished picture of one input, upright, at its output size, ready to encode.
struct PipelineResult {
    Failure failure;

    QImage image;
    QSize outputSize;        // the size the output is written at; a preview draws it smaller
    float imageDpi = 72.0f;  // horizontal density of the source, carried to the output
    QByteArray iccProfile;   // the profile of the pixels, empty when none applies
    SourceMetadata metadata; // the source's metadata, to write with the output
    // For a JPEG XL output: the source file's bytes when it is a JPEG whose pixels the conversion
    // leaves as they are (no resize, no turn, no overlay, no colour conversion), so it can be
    // recompressed losslessly. Shares the decoder's bytes; empty otherwise.
    QByteArray untouchedJpeg;
    // A full-size JPEG output with nothing drawn on it, when the caller let it be encoded as it was
    // decoded (convertFile's encodeBands): its pixels compressed band by band, the picture never
    // held whole; `image` is then null. Written with its metadata by encodeOutput().
    CompressedPixels compressed;
    QStringList notes; // what was done differently from what was asked
    // Previews: how well each active overlay stands out from the picture under it.
    QVector<OverlayContrast> overlayContrasts;

    bool ok() const { return !failure.failed(); }
};

// Called once a file's header is read, before its picture is decoded, with about the memory the
// rest of its conversion takes (its bytes, the decoded picture, the output picture). May block
// until that much is free.
using MemoryAdmission = std::function<void(qint64 bytes)>;

// Decodes one file, turns it upright by its EXIF orientation, resizes it as the options say
// and draws the active overlays. A pure function of the file and the options; runs on any
// thread. A picture resized from a reader that gives rows is reduced as it is decoded, never
// held whole. With `encodeBands`, a full-size JPEG output with nothing drawn on it and no colours
// to convert, from such a reader in its stored orientation, is encoded as it is decoded: the
// result's `compressed` holds it, with the same bytes encodeOutput() would make of the picture.
PipelineResult convertFile(const QString &path, const ConversionOptions &options,
                           const MemoryAdmission &admit = {}, bool encodeBands = false);

// The output as the conversion writes it, drawn no larger than the box (an empty box draws it
// whole): decoded with shrink on load, resized, with the overlays of the full size scaled down
// with it, and its pixels as the output format holds them (storedPixels(): laid on white for
// JPEG, GIF's palette and transparent index; a lossy encoder's own loss is not shown). With
// the overlays' contrast against what lies under them. For previews; any thread.
PipelineResult previewFile(const QString &path, const ConversionOptions &options, QSize box);
// The same within a square of maxSide a side.
PipelineResult previewFile(const QString &path, const ConversionOptions &options, int maxSide);
