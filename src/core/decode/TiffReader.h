#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// TIFF through libtiff: gray, RGB and palette pages of 1 to 16 bits a sample (12 and 16 bits
// kept as 16), in strips or tiles, contiguous or separate planes, an extra sample as alpha
// (associated or not), JPEG-compressed YCbCr as RGB, the largest page of several, the profile
// and the resolution; libtiff's RGBA interface for what that does not cover (floating-point
// samples, Lab, subsampled YCbCr, old-style JPEG). CMYK pages go to the CMYK TIFF reader.
std::unique_ptr<FormatReader> createTiffReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with a TIFF or BigTIFF signature.
bool isTiff(const QByteArray &data);
