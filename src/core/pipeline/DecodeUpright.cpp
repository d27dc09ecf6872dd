#include "pipeline/DecodeUpright.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "transform/Upright.h"

Result<QImage> decodeUpright(const QString &path)
{
    ImageDecoder decoder(path);
    if (const Failure failure = decoder.open(); failure.failed())
        return failure;
    const Result<DecodedImage> decoded = decoder.decode(QSize());
    if (!decoded.ok())
        return decoded.failure();
    return uprightImage(decoded.value().image, SourceMetadata::read(path).orientation());
}

Result<QImage> decodeImageData(const QByteArray &data)
{
    ImageDecoder decoder(data, QByteArray());
    if (const Failure failure = decoder.open(); failure.failed())
        return failure;
    const Result<DecodedImage> decoded = decoder.decode(QSize());
    if (!decoded.ok())
        return decoded.failure();
    return decoded.value().image;
}
