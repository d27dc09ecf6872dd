#pragma once

#include "common/Failure.h"
#include "metadata/SourceMetadata.h"

#include <QByteArray>
#include <QImage>

// The picture as a JPEG XL file through libjxl, on the calling thread: lossy at the given quality
// (0 to 99, as a butteraugli distance), lossless at 100; 8 or 16 bits as the picture has them;
// gray as gray; alpha kept when the picture has an alpha channel. The EXIF and XMP given (each
// may be empty) go into `Exif` and `xml ` boxes of the container; the ICC profile describes the
// pixels, sRGB when it is empty. Any QImage format is taken. Runs on worker threads.
Result<QByteArray> encodeJpegXl(const QImage &image, int quality, const SourceMetadata::Blocks &metadata,
                                const QByteArray &iccProfile);

// A JPEG file recompressed losslessly: its DCT coefficients re-coded, with the data to rebuild
// the original JPEG byte for byte (djxl writes it back), its EXIF and XMP in boxes and its
// other segments in the rebuild data. About a fifth smaller than the JPEG. Fails on JPEGs
// libjxl cannot carry (CMYK, arithmetic coding, 12 bits); the caller then encodes pixels.
Result<QByteArray> recompressJpegAsJpegXl(const QByteArray &jpeg);

// The butteraugli distance a quality gives, as cjxl maps its quality setting: 100 -> 0
// (lossless), 90 -> 1.0 (visually lossless), 85 -> 1.45, 30 -> 6.4, below 30 rising to 15.
float jpegXlDistance(int quality);
