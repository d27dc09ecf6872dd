#pragma once

#include "common/Failure.h"
#include "metadata/SourceMetadata.h"

#include <QByteArray>
#include <QImage>

// From this quality on, chroma keeps full resolution (4:4:4), where subsampling would show.
constexpr int kAvifFullChromaQuality = 90;

// The picture as an AVIF file through libavif with the aom AV1 encoder, on the calling thread:
// 8-bit 4:2:0 below quality 90, 4:4:4 from 90, lossless (4:4:4 in RGB itself) at 100 for 8-bit
// pictures; 16-bit pictures at 10 bits; gray as gray (4:0:0); alpha kept when the picture has an alpha
// channel. The EXIF, XMP and ICC profile given (each may be empty) go into the file; without a profile the
// colours are declared sRGB. Any QImage format is taken. Runs on worker threads.
Result<QByteArray> encodeAvif(const QImage &image, int quality, const SourceMetadata::Blocks &metadata,
                              const QByteArray &iccProfile);
