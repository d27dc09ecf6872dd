#pragma once

#include "common/Failure.h"
#include "options/ConversionOptions.h"

#include <QImage>

// The finished picture as the output format will hold it, before its encoder compresses it:
// - JPEG, which has no alpha: laid on white (FlattenOnWhite), 8 bits, gray kept gray;
// - GIF: its palette of at most 256 colours with the one transparent index (GifPalette);
// - PNG, TIFF, WebP, AVIF and JPEG XL, which keep alpha: as it is.
// A lossy encoder's own loss (JPEG's, and WebP's, AVIF's and JPEG XL's below 100) is not in it.
// encodeOutput() and the previews both take their pixels from here, so a preview shows what is
// written. A picture already in its stored form is returned as it is. Any thread.
Result<QImage> storedPixels(const QImage &finished, OutputFormat format);

// False for the formats whose files hold no transparency at all (JPEG); GIF holds it as one
// palette entry.
bool formatKeepsAlpha(OutputFormat format);
