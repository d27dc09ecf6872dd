#include "pipeline/Thumbnail.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "transform/Upright.h"

QImage makeThumbnail(const QString &path, int maxSide)
{
    ImageDecoder decoder(path);
    if (!decoder.open())
        return QImage();
    const QSize stored = decoder.size();
    QSize minimum;
    if (stored.isValid() && !stored.isEmpty())
        minimum = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
    DecodedImage decoded;
    if (!decoder.decode(minimum, &decoded))
        return QImage();
    const QImage small =
        decoded.image.width() > maxSide || decoded.image.height() > maxSide
            ? decoded.image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : decoded.image;
    return uprightImage(small, SourceMetadata::read(path).orientation());
}
