#include "ImagePipeline.h"

#include "ConversionOptions.h"
#include "ImageDecoder.h"
#include "ImageLimits.h"
#include "Logging.h"
#include "OverlayGeometry.h"
#include "Overlays.h"
#include "ResizeRule.h"
#include "Upright.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace {

float usableDpi(double stated)
{
    return std::isfinite(stated) && stated > 0.0 && stated < 1.0e6 ? float(stated) : 72.0f;
}

// High-quality resampling to an exact size: area averaging when shrinking. Gray stays gray.
QImage resampled(const QImage &image, QSize size)
{
    if (image.size() == size)
        return image;
    QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if ((image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16) &&
        scaled.format() != image.format())
        scaled = scaled.convertToFormat(image.format());
    return scaled;
}

} // namespace

QImage composeOverlayCanvas(QImage upright, QSize canvasSize, bool resized, const ConversionOptions &options,
                            QSize layoutSize)
{
    if (!layoutSize.isValid())
        layoutSize = canvasSize;
    QImage canvas;
    if (!upright.hasAlphaChannel() && upright.size() == canvasSize &&
        (upright.format() == QImage::Format_RGB32 ||
         upright.format() == QImage::Format_ARGB32_Premultiplied)) {
        // An opaque picture drawn source-over onto a transparent canvas is the picture itself:
        // stamp it directly (a caller that hands over its only reference saves a copy).
        canvas = std::move(upright);
    } else {
        canvas = QImage(canvasSize, QImage::Format_ARGB32_Premultiplied);
        if (canvas.isNull())
            return canvas;
        canvas.fill(Qt::transparent);
        QPainter source(&canvas);
        source.setRenderHint(QPainter::SmoothPixmapTransform);
        source.drawImage(QRect(QPoint(0, 0), canvasSize), upright);
    }
    if (canvas.isNull())
        return canvas;
    const OverlayCanvas layout {layoutSize.width(), layoutSize.height(), resized};
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A reduced picture (a preview) gets the overlays of the full size, scaled down with it.
    if (layoutSize != canvasSize)
        painter.scale(qreal(canvasSize.width()) / layoutSize.width(),
                      qreal(canvasSize.height()) / layoutSize.height());
    if (options.copyrightActive())
        drawCopyrightLines(painter, layout, options);
    if (options.logoActive())
        drawLogo(painter, layout, options);
    if (options.watermarkActive())
        drawWatermark(painter, layout, options);
    painter.end();
    return canvas;
}

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

PipelineResult convertFile(const QString &path, const ConversionOptions &options)
{
    return renderFile(path, options, 0);
}

PipelineResult previewFile(const QString &path, const ConversionOptions &options, int maxSide)
{
    ConversionOptions preview = options;
    preview.changeImageSize = false; // a preview keeps the picture's own size
    return renderFile(path, preview, maxSide);
}

PipelineResult renderFile(const QString &path, const ConversionOptions &options, int maxSide)
{
    PipelineResult result;
    if (!QFileInfo::exists(path)) {
        result.failure = FailureReason::Missing;
        return result;
    }
    ImageDecoder decoder(path);
    if (!decoder.open()) {
        result.failure = decoder.failure();
        result.detail = decoder.errorString();
        return result;
    }

    QString warning;
    result.metadata = SourceMetadata::read(path, &warning);
    if (!warning.isEmpty())
        result.notes << warning;
    const int orientation = result.metadata.orientation();

    // Sizes are decided on the upright picture, then mapped back to the stored one for decoding.
    QSize target;
    const auto decideTarget = [&](QSize stored) {
        target = targetSize(uprightSize(stored, orientation), options);
        if (!exceedsImageLimits(target.width(), target.height()))
            return true;
        result.failure = FailureReason::TooLarge;
        result.detail =
            QStringLiteral("the output would be %1 x %2 pixels").arg(target.width()).arg(target.height());
        return false;
    };
    // What is drawn: the output size, or for a preview no more than maxSide a side.
    const auto drawnSize = [&] {
        return maxSide > 0 && (target.width() > maxSide || target.height() > maxSide)
                   ? target.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))
                   : target;
    };
    const bool sizeKnown = decoder.size().isValid();
    if (sizeKnown && !decideTarget(decoder.size()))
        return result;

    DecodedImage decoded;
    if (!decoder.decode(sizeKnown ? uprightSize(drawnSize(), orientation) : QSize(), &decoded)) {
        result.failure = decoder.failure();
        result.detail = decoder.errorString();
        return result;
    }
    // A header that did not tell the size, or a picture that gave way to another of the same
    // file: decide from what was decoded.
    const QSize storedSize = decoded.storedSize.isValid() ? decoded.storedSize : decoded.image.size();
    if ((!sizeKnown || storedSize != decoder.size()) && !decideTarget(storedSize))
        return result;
    const QSize drawn = drawnSize();

    const double dpi = decoded.statedDpi > 0.0 ? decoded.statedDpi : result.metadata.exifDpi();
    result.imageDpi = usableDpi(dpi);
    if (decoded.convertedToSrgb)
        result.iccProfile.clear();
    else
        result.iccProfile = !decoded.iccProfile.isEmpty() ? decoded.iccProfile : result.metadata.iccProfile();

    // Resample while still stored (fewer pixels to turn when shrinking), then turn upright.
    QImage stamped = resampled(decoded.image, uprightSize(drawn, orientation));
    decoded.image = QImage();
    stamped = uprightImage(stamped, orientation);
    if (options.anyOverlayActive())
        stamped = composeOverlayCanvas(std::move(stamped), drawn, resizeRequested(options), options, target);
    if (stamped.isNull()) {
        result.failure = FailureReason::TooLarge;
        result.detail = QStringLiteral("not enough memory");
        return result;
    }
    result.image = stamped;
    if (maxSide == 0)
        qCInfo(lcConversion, "image_dpi = %f, bitmap.width = %ld, s.f.b.w = %f", double(result.imageDpi),
               long(result.image.width()), result.image.width() * 72.0 / double(result.imageDpi));
    return result;
}
