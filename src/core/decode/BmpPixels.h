#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QList>

// The layout of a device-independent bitmap after its info header: size, depth, coding, colour
// masks, palette and where the pixels lie. Shared by BMP files and the bitmaps in icon files.
struct BmpLayout {
    enum class Coding { Plain, Rle8, Rle4, Rle24, Bitfields, Jpeg, Png };

    int width = 0;
    int height = 0; // as the picture stands (an icon's half)
    bool topDown = false;
    int bits = 0;
    Coding coding = Coding::Plain;
    QList<QRgb> palette;       // for 1 to 8 bits, as stored (possibly fewer than 2^bits)
    quint32 masks[4] = {};     // red, green, blue, alpha, for 16 and 32 bits (and bit fields)
    bool alphaMask = false;    // masks[3] is meaningful
    qsizetype pixelOffset = 0; // from the start of the data given
    qsizetype rowBytes = 0;    // a stored row, padded to four bytes (uncoded pixels)
    double dpi = 0.0;
    QByteArray iccProfile;
};

// Reads the info header at infoOffset of data. pixelOffset is where the file header says the
// pixels start, or negative when they follow the palette. An icon's bitmap (iconEntry) states
// the height of the picture and its mask together, and is halved.
Result<BmpLayout> readBmpLayout(const QByteArray &data, qsizetype infoOffset, qsizetype pixelOffset,
                                bool iconEntry = false);

// Decodes the pixels: Indexed8 with a colour table for 1 to 8 bits (of 2^bits entries, those
// the file lacks black), RGB32 or ARGB32 above. "the file is truncated" when they stop early.
Result<QImage> decodeBmpPixels(const QByteArray &data, const BmpLayout &layout);
