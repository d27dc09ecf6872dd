#pragma once

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// Stamps the logo, scaled with high quality to its place, at its opacity. Runs on worker
// threads; the scaled logo is shared between them.
void drawLogo(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);
