#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// Camera raw files (DNG, CR2, CR3, NEF, ARW, RAF, ORF, RW2, PEF) through LibRaw: demosaiced with
// the camera's white balance into 8-bit sRGB, turned by the camera's orientation (LibRaw's
// flip), at half the sensor's size when that is still at least what is asked for. The EXIF is
// left to exiv2, which reads it from the file.
std::unique_ptr<FormatReader> createCameraRawReader(const QByteArray &data, const QByteArray &formatHint);

// True when the extension (any case) is one of the raw formats above and LibRaw opens the data:
// most of them start as TIFF files do, and must not be taken for one.
bool isCameraRaw(const QByteArray &data, const QByteArray &formatHint);
