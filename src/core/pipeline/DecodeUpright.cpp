#include "pipeline/DecodeUpright.h"

#include "decode/ImageDecoder.h"
#include "pipeline/FileMetadata.h"
#include "transform/Upright.h"

Result<QImage> decodeUpright(const QString &path)
{
    ImageDecoder decoder(path);
    const Result<DecodedImage> decoded = decoder.openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return uprightImage(decoded.value().image,
                        decoder.orientationToApply(fileMetadata(decoder).orientation()));
}

Result<QImage> decodeImageData(const QByteArray &data)
{
    const Result<DecodedImage> decoded = ImageDecoder(data, QByteArray()).openAndDecode();
    if (!decoded.ok())
        return decoded.failure();
    return decoded.value().image;
}
