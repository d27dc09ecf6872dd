#pragma once

#include <QImage>
#include <QSize>

struct ConversionOptions;

// Draws the upright picture into a canvas of the given size and stamps the active overlays on
// it, in the fixed order: source, copyright lines, logo, watermark. The canvas has alpha only
// when the picture has, 16 bits when the picture and the output format have them, and is gray
// when the picture is and nothing coloured was drawn. `resized` says
// which layout rules apply (see OverlayCanvas).
// A layoutSize other than the canvas size lays the overlays out for that size and scales them
// onto the canvas (previews). Any thread.
QImage composeOverlayCanvas(QImage upright, QSize canvasSize, bool resized, const ConversionOptions &options,
                            QSize layoutSize = QSize());
