#include "pipeline/Thumbnail.h"

#include "decode/ImageDecoder.h"
#include "pipeline/FileMetadata.h"
#include "transform/Resample.h"
#include "transform/Upright.h"

QImage makeThumbnail(const QString &path, int maxSide)
{
    ImageDecoder decoder(path);
    if (decoder.open().failed())
        return QImage();
    const QSize stored = decoder.size();
    QSize minimum;
    if (stored.isValid() && !stored.isEmpty())
        minimum = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
    const Result<DecodedImage> decoded = decoder.decode(minimum);
    if (!decoded.ok())
        return QImage();
    const DecodedImage &picture = decoded.value();
    const QImage &image = picture.image;
    // Reduced as the output is, so a thumbnail looks like what a conversion writes.
    const QImage small =
        image.width() > maxSide || image.height() > maxSide
            ? resampled(image,
                        image.size().scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)),
                        QSizeF(stored) / picture.shrink)
            : image;
    return uprightImage(small, decoder.orientationToApply(fileMetadata(decoder).orientation()));
}
