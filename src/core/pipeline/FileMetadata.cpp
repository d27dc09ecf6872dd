#include "pipeline/FileMetadata.h"

#include "decode/ImageDecoder.h"

SourceMetadata fileMetadata(const ImageDecoder &decoder, QStringList *notes)
{
    QByteArray exif, xmp;
    if (decoder.embeddedMetadata(&exif, &xmp))
        return SourceMetadata::fromBlocks(exif, xmp, notes);
    return SourceMetadata::fromBytes(decoder.data(), notes);
}
