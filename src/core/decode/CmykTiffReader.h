#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// 8-bit CMYK TIFF through libtiff, converted to sRGB through the file's own profile.
// The hint is the file's extension, for formats without a signature.
std::unique_ptr<FormatReader> createCmykTiffReader(const QByteArray &data, const QByteArray &formatHint);

// True for a TIFF whose largest page is 8-bit CMYK, the one kind Qt reads without its profile.
bool isCmykTiff(const QByteArray &data);
