#include "pipeline/DecodeUpright.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "transform/Upright.h"

Result<QImage> decodeUpright(const QString &path)
{
    ImageDecoder decoder(path);
    const Result<DecodedImage> decoded = decoder.openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return uprightImage(decoded.value().image, SourceMetadata::fromBytes(decoder.data()).orientation());
}

Result<QImage> decodeImageData(const QByteArray &data)
{
    const Result<DecodedImage> decoded = ImageDecoder(data, QByteArray()).openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return decoded.value().image;
}
