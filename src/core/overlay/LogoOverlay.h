#pragma once

#include <QRect>

class QPainter;
struct ConversionOptions;
struct OverlayCanvas;

// Stamps the logo, scaled with high quality to its place, at its opacity. Runs on worker
// threads; the scaled logo is shared between them.
void drawLogo(QPainter &painter, const OverlayCanvas &canvas, const ConversionOptions &options);

// The logo's place in image coordinates, the pixels drawLogo() covers; null when it draws none.
QRect logoArea(const OverlayCanvas &canvas, const ConversionOptions &options);
