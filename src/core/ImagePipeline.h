#pragma once

#include "DecodedImage.h"
#include "SourceMetadata.h"

#include <QImage>
#include <QStringList>

struct ConversionOptions;

// The finished picture of one input, upright, at its output size, ready to encode.
struct PipelineResult {
    FailureReason failure = FailureReason::None;
    QString detail; // the decoder's or system's own words about a failure

    QImage image;
    float imageDpi = 72.0f;  // horizontal density of the source, carried to the output
    QByteArray iccProfile;   // the profile of the pixels, empty when none applies
    SourceMetadata metadata; // the source's metadata, to write with the output
    QStringList notes;       // what was done differently from what was asked

    bool ok() const { return failure == FailureReason::None; }
};

// Decodes one file, turns it upright by its EXIF orientation, resizes it as the options say
// and draws the active overlays. A pure function of the file and the options; runs on any
// thread.
PipelineResult convertFile(const QString &path, const ConversionOptions &options);

// The picture as the conversion would make it at its own size (resizing off), drawn no larger
// than maxSide a side: decoded with shrink on load, with the overlays of the full size scaled
// down with it. For previews; any thread.
PipelineResult previewFile(const QString &path, const ConversionOptions &options, int maxSide);

// convertFile() and previewFile() both: maxSide 0 draws the full output.
PipelineResult renderFile(const QString &path, const ConversionOptions &options, int maxSide);

// A picture file decoded and turned upright by its orientation, as a logo is read. Null with a
// reason when it cannot be.
QImage decodeUpright(const QString &path, QString *error);
// Decodes a picture held in memory (a logo dropped as data or stored in the settings).
QImage decodeImageData(const QByteArray &data, QString *error);

// Draws the upright picture into a transparent canvas of the given size and stamps the active
// overlays on it, in the fixed order: source, copyright lines, logo, watermark. `resized` says
// which layout rules apply (see OverlayCanvas).
// A layoutSize other than the canvas size lays the overlays out for that size and scales them
// onto the canvas (previews).
QImage composeOverlayCanvas(QImage upright, QSize canvasSize, bool resized, const ConversionOptions &options,
                            QSize layoutSize = QSize());
