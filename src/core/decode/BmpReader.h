#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Windows and OS/2 bitmaps: headers of BMP versions 2 to 5 and OS/2 1.x and 2.x, 1 to 32 bits,
// bit fields of any width scaled to 8 bits, run-length with deltas (a run past a row's end is
// clipped), top-down rows, short palettes, the V5 embedded profile, embedded JPEG and PNG, and
// truncation reported rather than half a picture.
std::unique_ptr<FormatReader> createBmpReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with "BM" and a known info header size.
bool isBmp(const QByteArray &data);
