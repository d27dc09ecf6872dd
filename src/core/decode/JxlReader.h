#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// JPEG XL through libjxl: a bare codestream or a container, the first frame, 8 bits or 16 with
// alpha, gray as gray; turned by the codestream's orientation; the file's ICC profile, or one
// libjxl makes for its encoded colour space (none for sRGB); the Exif and xml boxes, Brotli
// compressed or not, handed to the metadata.
std::unique_ptr<FormatReader> createJxlReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with a JPEG XL codestream or container signature.
bool isJxl(const QByteArray &data);
