#include "pipeline/Thumbnail.h"

#include "decode/ImageDecoder.h"
#include "pipeline/FileMetadata.h"
#include "transform/Resample.h"
#include "transform/Upright.h"

Result<Thumbnail> makeThumbnail(const QString &path, int maxSide)
{
    ImageDecoder decoder(path);
    if (const Failure failure = decoder.open(); failure.failed())
        return failure;
    Thumbnail thumbnail;
    thumbnail.format = decoder.formatName();
    thumbnail.fileBytes = decoder.data().size();
    const QSize stored = decoder.size();
    QSize minimum;
    if (stored.isValid() && !stored.isEmpty())
        minimum = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
    Result<DecodedImage> decoded = decoder.decode(minimum);
    if (!decoded.ok())
        return decoded.failure();
    const DecodedImage &picture = decoded.value();
    const QImage &image = picture.image;
    const QSize full = stored.isValid() && !stored.isEmpty() ? stored
                       : picture.storedSize.isValid() && !picture.storedSize.isEmpty()
                           ? picture.storedSize
                           : image.size() * picture.shrink;
    // Reduced as the output is, so a thumbnail looks like what a conversion writes.
    const QImage small =
        image.width() > maxSide || image.height() > maxSide
            ? resampled(image,
                        image.size().scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)),
                        QSizeF(full) / picture.shrink)
            : image;
    const int orientation = decoder.orientationToApply(fileMetadata(decoder).orientation());
    thumbnail.picture = uprightImage(small, orientation);
    if (thumbnail.picture.isNull())
        return Failure(FailureReason::OutOfMemory);
    // Orientations 5 to 8 turn the picture a quarter: its sides change places.
    thumbnail.pixelSize = orientation >= 5 && orientation <= 8 ? full.transposed() : full;
    return thumbnail;
}
