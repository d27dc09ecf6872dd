#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// JPEG through libjpeg-turbo: shrink on load in the DCT domain, CMYK through its profile, the JFIF density.
// The hint is the file's extension, for formats without a signature.
std::unique_ptr<FormatReader> createJpegReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts like a JPEG.
bool isJpeg(const QByteArray &data);
