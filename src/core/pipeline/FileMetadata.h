#pragma once

#include "metadata/SourceMetadata.h"

class ImageDecoder;

// The metadata of a file its decoder has opened: the EXIF and XMP its reader took out of the
// container where exiv2 does not read it (HEIF, AVIF, JPEG XL), else what exiv2 reads from the
// file's bytes. Any thread.
SourceMetadata fileMetadata(const ImageDecoder &decoder, QStringList *notes = nullptr);
