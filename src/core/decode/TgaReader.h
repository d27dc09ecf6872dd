#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Truevision TGA: true colour (15, 16, 24, 32 bits), gray (8 bits, 16 with alpha) and colour
// mapped (entries of 15, 16, 24 or 32 bits), raw or run-length, either origin, the TGA 2.0
// extension's alpha type, truncation reported rather than half a picture.
std::unique_ptr<FormatReader> createTgaReader(const QByteArray &data, const QByteArray &formatHint);

// TGA has no signature: true when the file is named like one (.tga, .icb, .vda, .vst) and its
// header is plausible.
bool isTga(const QByteArray &data, const QByteArray &formatHint);
