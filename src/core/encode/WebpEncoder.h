#pragma once

#include "common/Failure.h"
#include "metadata/SourceMetadata.h"

#include <QByteArray>
#include <QImage>

// The picture as a WebP file through libwebp: lossy at the given quality (0 to 99), lossless at
// 100 (the colours under transparent pixels kept too); alpha kept when the picture has an alpha
// channel; 8 bits a channel, gray written as RGB. The EXIF, XMP and ICC profile given (each may
// be empty) are added as chunks with libwebpmux. At most 16383 pixels a side. Any QImage format
// is taken. Runs on worker threads.
Result<QByteArray> encodeWebp(const QImage &image, int quality, const SourceMetadata::Blocks &metadata,
                              const QByteArray &iccProfile);
