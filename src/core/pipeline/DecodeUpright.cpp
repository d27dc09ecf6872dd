#include "pipeline/DecodeUpright.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "transform/Upright.h"

Result<QImage> decodeUpright(const QString &path)
{
    const Result<DecodedImage> decoded = ImageDecoder(path).openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return uprightImage(decoded.value().image, SourceMetadata::read(path).orientation());
}

Result<QImage> decodeImageData(const QByteArray &data)
{
    const Result<DecodedImage> decoded = ImageDecoder(data, QByteArray()).openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return decoded.value().image;
}
