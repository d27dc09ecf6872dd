#pragma once

#include "decode/FormatReader.h"

#include <QByteArray>
#include <memory>

// HEIF (HEIC) and AVIF through libheif: the primary picture only (a grid of tiles decoded whole,
// never a thumbnail or a depth map), with alpha, 10 and 12 bits as 16, its rotation and mirror
// applied by libheif, its ICC profile, and the EXIF and XMP blocks handed to the metadata.
std::unique_ptr<FormatReader> createHeifReader(const QByteArray &data, const QByteArray &formatHint);

// True when the data starts with a file type box libheif reads (heic, heix, mif1, avif, ...).
bool isHeif(const QByteArray &data);
