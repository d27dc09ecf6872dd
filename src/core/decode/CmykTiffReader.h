#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// CMYK TIFF (8 or 16 bits a sample, strips or tiles, either plane layout) through libtiff,
// converted to sRGB through the file's own profile.
// The hint is the file's extension, for formats without a signature.
std::unique_ptr<FormatReader> createCmykTiffReader(const QByteArray &data, const QByteArray &formatHint);

// True for a TIFF whose largest page is CMYK of 8 or 16 bits a sample.
bool isCmykTiff(const QByteArray &data);
