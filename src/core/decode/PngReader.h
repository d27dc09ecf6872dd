#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// PNG through libpng directly: every colour type and depth (16 bits kept, a transparent colour
// as alpha), the pHYs density, the profile (iCCP, sRGB, or one made from gAMA and cHRM), and
// truncation reported rather than half a picture.
std::unique_ptr<FormatReader> createPngReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with the PNG signature.
bool isPng(const QByteArray &data);
