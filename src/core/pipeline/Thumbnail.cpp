#include "pipeline/Thumbnail.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
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
    const QImage &image = decoded.value().image;
    const QImage small = image.width() > maxSide || image.height() > maxSide
                             ? image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : image;
    return uprightImage(small, SourceMetadata::read(path).orientation());
}
