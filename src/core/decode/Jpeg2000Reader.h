#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// JPEG 2000 (a JP2 file or a bare codestream) through OpenJPEG: gray, RGB and sYCC with or
// without alpha, 8 bits or up to 16, the embedded profile. Used for the large entries of icon
// files, which Qt cannot decode.
std::unique_ptr<FormatReader> createJpeg2000Reader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with a JP2 signature box or a codestream's SOC and SIZ markers.
bool isJpeg2000(const QByteArray &data);
