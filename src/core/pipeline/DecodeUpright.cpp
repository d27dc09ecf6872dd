#include "pipeline/DecodeUpright.h"

#include "decode/ImageDecoder.h"
#include "metadata/SourceMetadata.h"
#include "transform/Upright.h"

QImage decodeUpright(const QString &path, QString *error)
{
    ImageDecoder decoder(path);
    DecodedImage decoded;
    if (!decoder.open() || !decoder.decode(QSize(), &decoded)) {
        *error = failureReasonText(decoder.failure());
        if (!decoder.errorString().isEmpty())
            *error += QStringLiteral(": ") + decoder.errorString();
        return QImage();
    }
    return uprightImage(decoded.image, SourceMetadata::read(path).orientation());
}

QImage decodeImageData(const QByteArray &data, QString *error)
{
    ImageDecoder decoder(data, QByteArray());
    DecodedImage decoded;
    if (!decoder.open() || !decoder.decode(QSize(), &decoded)) {
        *error = failureReasonText(decoder.failure());
        return QImage();
    }
    return decoded.image;
}
