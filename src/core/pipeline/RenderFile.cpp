#include "pipeline/RenderFile.h"

#include "common/Logging.h"
#include "decode/ImageDecoder.h"
#include "decode/ImageLimits.h"
#include "decode/JpegReader.h"
#include "encode/OutputEncoder.h"
#include "encode/RowEncoder.h"
#include "encode/StoredPixels.h"
#include "metadata/IccProfile.h"
#include "options/ConversionOptions.h"
#include "overlay/OverlayBands.h"
#include "overlay/OverlayComposer.h"
#include "overlay/OverlayContrast.h"
#include "pipeline/BandHandoff.h"
#include "pipeline/FileMetadata.h"
#include "pipeline/PreviewDecodes.h"
#include "pipeline/StreamedPicture.h"
#include "transform/PixelFormat.h"
#include "transform/Resample.h"
#include "transform/RowReducer.h"
#include "transform/TargetSize.h"
#include "transform/ToSrgb.h"
#include "transform/Upright.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The longest side each output format can hold: JPEG's header and GIF's store 16-bit sizes,
// WebP's 14-bit ones, AV1's 16-bit ones less one.
int formatMaxSide(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return 65500; // libjpeg's limit, a little under the header's
    case OutputFormat::Gif:
        return 65535;
    case OutputFormat::WebP:
        return 16383;
    case OutputFormat::Avif:
        return 65536;
    default:
        return std::numeric_limits<int>::max();
    }
}

float usableDpi(double stated)
{
    return std::isfinite(stated) && stated > 0.0 && stated < 1.0e6 ? float(stated) : 72.0f;
}

// One file through decode, transform and overlay. An empty box draws the full output; a preview's
// box bounds the picture drawn. `beneath`, when given, receives the picture before its overlays.
// `encodeBands` lets a full-size JPEG, PNG or TIFF output with nothing drawn on it be encoded as
// it is decoded.
PipelineResult renderFile(const QString &path, const ConversionOptions &options, QSize box,
                          const MemoryAdmission &admit, QImage *beneath, bool encodeBands)
{
    const bool full = box.isEmpty();
    PipelineResult result;
    // Asked before the file is read, so a picture kept for previews is never newer than it says.
    const QByteArray identity = full ? QByteArray() : PreviewDecodes::fileIdentity(path);
    ImageDecoder decoder(path);
    result.failure = decoder.open();
    if (result.failure.failed())
        return result;

    result.metadata = fileMetadata(decoder, &result.notes);
    const int orientation = decoder.orientationToApply(result.metadata.orientation());

    // Sizes are decided on the upright picture, then mapped back to the stored one for decoding.
    QSize target;
    const auto decideTarget = [&](QSize stored) {
        target = targetSize(uprightSize(stored, orientation), options);
        const int most = formatMaxSide(options.format);
        if (full && std::max(target.width(), target.height()) > most) {
            result.failure =
                Failure(FailureReason::TooLarge,
                        QCoreApplication::translate(
                            "RenderFile", "the output would be %1 x %2 pixels; %3 holds at most %4 a side")
                            .arg(target.width())
                            .arg(target.height())
                            .arg(formatName(options.format))
                            .arg(most));
            return false;
        }
        if (!exceedsImageLimits(target.width(), target.height()))
            return true;
        result.failure =
            Failure(FailureReason::TooLarge,
                    QCoreApplication::translate("RenderFile", "the output would be %1 x %2 pixels")
                        .arg(target.width())
                        .arg(target.height()));
        return false;
    };
    // What is drawn: the output size, or for a preview no more than its box.
    const auto drawnSize = [&] {
        return !full && (target.width() > box.width() || target.height() > box.height())
                   ? target.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))
                   : target;
    };
    const bool sizeKnown = decoder.size().isValid();
    if (sizeKnown && !decideTarget(decoder.size()))
        return result;

    // Shrink on load only so far that the resampler still reduces by a factor of 2 or more: the
    // decoder's own shrink is a cruder filter, unless it is as clean (a camera raw's half size). A
    // preview may take the cheaper shrink.
    const int headroom = !full || decoder.shrinksCleanly() ? 1 : 2;
    const QSize minimumSize = sizeKnown ? uprightSize(drawnSize() * headroom, orientation) : QSize();
    // GIF holds no profile, so its numbers must be sRGB's; the other formats convert when asked
    // (WebP a gray picture's gray profile as well, below).
    const bool srgbAsked =
        options.outputProfile == OutputProfile::Srgb || options.format == OutputFormat::Gif;

    // How the picture comes from a reader that gives rows: a resized one row by row through the
    // reducer, never held whole; a full-size JPEG, PNG or TIFF output with nothing drawn on it
    // (and no colours to convert) band by band into the encoder. Turned upright after the
    // reduction, on the small picture. Otherwise, and from readers that give the picture whole,
    // it is decoded whole (a full-size JPEG turned upright as it is decoded).
    const bool resizing = sizeKnown && drawnSize() != uprightSize(decoder.size(), orientation);
    // Resized, the output's rows go to the encoder as the reducer makes them, on the same terms.
    const bool encodable = encodeBands && full && sizeKnown && orientation == 1 &&
                           encodesRows(options.format) &&
                           !(srgbAsked && !result.metadata.iccProfile().isEmpty());
    const bool bands = encodable && !resizing && !options.anyOverlayActive();
    // With overlays, a colour JPEG's full-size rows are stamped and encoded band by band as they
    // come, only those a logo or watermark waits for held (a gray one's are kept whole).
    const bool stampedBands = encodable && !resizing && options.anyOverlayActive() && isJpeg(decoder.data());
    // A preview's picture small enough to keep is decoded whole and kept, so the preview drawn
    // after an option change is not decoded again.
    std::optional<PreviewDecodes::Key> keptAs;
    if (!identity.isEmpty() && sizeKnown && PreviewDecodes::worthKeeping(decoder.decodedBytes(minimumSize)))
        keptAs = PreviewDecodes::Key {path, identity, minimumSize, orientation};
    const bool streamed = !keptAs && decoder.givesRows() && (resizing || bands || stampedBands);
    if (admit) {
        // A picture resized or turned is a second picture beside the decoded one (streamed, the
        // decoder's rows instead); the encoder's working memory and the encoded output are held
        // while it is written.
        const QSize out = sizeKnown ? drawnSize() : QSize(0, 0);
        const qint64 outPixels = qint64(out.width()) * out.height();
        const bool copied = !sizeKnown || out != uprightSize(decoder.size(), orientation) || orientation != 1;
        // Only a JPEG's rows are sure to go to the encoder as they are; another reader's may have
        // to be kept whole after all (alpha to lay on white, 16 bits), so it is admitted for that.
        const qint64 rows = decoder.streamedBytes(minimumSize);
        const qint64 picture =
            !streamed      ? decoder.decodedBytes(minimumSize) + (copied ? outPixels * 4 : 0)
            : bands        ? (isJpeg(decoder.data()) ? rows : rows + decoder.decodedBytes(minimumSize))
            : stampedBands ? rows + decoder.decodedBytes(minimumSize) // at most the whole picture held
                           : rows + outPixels * 4;
        admit(decoder.data().size() + picture +
              outPixels * encodingBytesPerPixel(options.format, options.jpegQuality));
    }
    const auto planRows = [&](QSize size, QImage::Format format,
                              const DecodedImage &facts) -> Result<StreamedPicture::Plan> {
        const QSize stored = facts.storedSize.isValid() ? facts.storedSize : size;
        if (stored != decoder.size() && !decideTarget(stored))
            return result.failure;
        StreamedPicture::Plan plan;
        plan.format = options.format;
        plan.quality = options.jpegQuality;
        plan.dpi = usableDpi(facts.statedDpi > 0.0 ? facts.statedDpi : result.metadata.exifDpi());
        const QByteArray profile =
            facts.convertedToSrgb
                ? QByteArray()
                : (!facts.iccProfile.isEmpty() ? facts.iccProfile : result.metadata.iccProfile());
        // Rows the row encoders take as they are (the reducer's are gray or RGB32), with no
        // colours to convert.
        const auto takenAsTheyAre = [&](QImage::Format rows) {
            return (rows == QImage::Format_Grayscale8 || rows == QImage::Format_RGB888 ||
                    rows == QImage::Format_RGB32) &&
                   !(srgbAsked && !profile.isEmpty());
        };
        if (resizing) {
            plan.mode =
                encodable && !options.anyOverlayActive() && takenAsTheyAre(RowReducer::workingFormat(format))
                    ? StreamedPicture::Plan::Mode::ReduceEncode
                    : StreamedPicture::Plan::Mode::Reduce;
            plan.out = uprightSize(drawnSize(), orientation);
            plan.extent =
                QSizeF(double(stored.width()) / facts.shrink, double(stored.height()) / facts.shrink);
            return plan;
        }
        plan.mode = bands && takenAsTheyAre(format) && size == drawnSize()
                        ? StreamedPicture::Plan::Mode::Encode
                        : StreamedPicture::Plan::Mode::Whole;
        if (stampedBands && format == QImage::Format_RGB888 && takenAsTheyAre(format) &&
            size == drawnSize()) {
            // The overlays as the composer stamps a full-size three-byte picture (gray rows are
            // kept whole and go to it).
            auto overlays = std::make_shared<OverlayBands>(
                OverlayCanvas {size.width(), size.height(), options.resize != ResizeMode::None}, options);
            if (!overlays->isValid())
                return Failure(FailureReason::OutOfMemory);
            plan.mode = StreamedPicture::Plan::Mode::StampEncode;
            plan.heldRows = overlays->rowsHeldAtMost(64);
            plan.stamp = [overlays](const CanvasRows &picture, int rowsIn) {
                return overlays->rowsIn(picture, rowsIn);
            };
        }
        return plan;
    };
    StreamedPicture rows(planRows);
    // With a core to spare, the reducer or the band encoder works on it while the reader decodes.
    BandHandoff handoff(&rows, [&] { return rows.mode() != StreamedPicture::Plan::Mode::Whole; });
    std::optional<DecodedImage> kept = keptAs ? PreviewDecodes::find(*keptAs) : std::nullopt;
    Result<DecodedImage> decodeResult = kept       ? std::move(*kept)
                                        : streamed ? decoder.decodeRows(minimumSize, &handoff)
                                                   : decoder.decode(minimumSize, orientation);
    if (keptAs && !kept && decodeResult.ok())
        PreviewDecodes::keep(*keptAs, decodeResult.value());
    if (decodeResult.ok()) {
        if (Failure failure = handoff.finish(); failure.failed())
            decodeResult = failure;
    }
    if (!decodeResult.ok()) {
        result.failure = decodeResult.failure();
        return result;
    }
    DecodedImage decoded = std::move(decodeResult.value());
    result.notes << decoded.notes;
    if (streamed && !rows.isComplete()) {
        result.failure = Failure(FailureReason::InternalError,
                                 QCoreApplication::translate("RenderFile", "the decoder stopped short"));
        return result;
    }
    if (streamed && rows.mode() == StreamedPicture::Plan::Mode::Whole)
        decoded.image = rows.takePicture();
    // A header that did not tell the size, or a picture that gave way to another of the same
    // file: decide from what was decoded.
    const QSize storedSize = decoded.storedSize.isValid() ? decoded.storedSize : decoded.image.size();
    if ((!sizeKnown || storedSize != decoder.size()) && !decideTarget(storedSize))
        return result;
    const QSize drawn = drawnSize();
    result.outputSize = target;

    const double dpi = decoded.statedDpi > 0.0 ? decoded.statedDpi : result.metadata.exifDpi();
    result.imageDpi = usableDpi(dpi);
    if (decoded.convertedToSrgb)
        result.iccProfile.clear();
    else
        result.iccProfile = !decoded.iccProfile.isEmpty() ? decoded.iccProfile : result.metadata.iccProfile();

    if (streamed && (rows.mode() == StreamedPicture::Plan::Mode::Encode ||
                     rows.mode() == StreamedPicture::Plan::Mode::ReduceEncode ||
                     rows.mode() == StreamedPicture::Plan::Mode::StampEncode)) {
        Result<QByteArray> bytes = rows.encoded();
        if (!bytes.ok()) {
            result.failure = bytes.failure();
            return result;
        }
        const bool gray = rows.format() == QImage::Format_Grayscale8;
        result.compressed = CompressedPixels {bytes.value(), drawn, gray};
        if (srgbAsked)
            result.iccProfile = gray ? srgbGrayProfile() : srgbProfile();
        qCInfo(lcConversion, "image_dpi = %f, bitmap.width = %ld, s.f.b.w = %f", double(result.imageDpi),
               long(drawn.width()), drawn.width() * 72.0 / double(result.imageDpi));
        return result;
    }

    // Resample while still stored (fewer pixels to turn when shrinking), then turn upright.
    const QSizeF covered(double(storedSize.width()) / decoded.shrink,
                         double(storedSize.height()) / decoded.shrink);
    QImage stamped;
    if (streamed && rows.mode() == StreamedPicture::Plan::Mode::Reduce) {
        stamped = uprightImage(rows.takePicture(), orientation);
    } else if (decoded.upright) {
        stamped = resampled(decoded.image, drawn,
                            orientationSwapsSides(orientation) ? covered.transposed() : covered);
    } else {
        stamped = resampled(decoded.image, uprightSize(drawn, orientation), covered);
        decoded.image = QImage();
        stamped = uprightImage(stamped, orientation);
    }
    decoded.image = QImage();
    // WebP holds RGB only, so a gray picture's gray profile cannot go with it. Before the
    // overlays, whose colours are sRGB's.
    const bool grayInWebp = options.format == OutputFormat::WebP && isGrayFormat(stamped.format()) &&
                            profileColorModel(result.iccProfile) == ProfileColorModel::Gray;
    const bool toSrgb = srgbAsked || grayInWebp;
    const bool colorsConverted = toSrgb && !result.iccProfile.isEmpty();
    if (toSrgb && !result.iccProfile.isEmpty() && !stamped.isNull()) {
        if (std::optional<QImage> converted = convertedToSrgb(stamped, result.iccProfile))
            stamped = std::move(*converted);
        else
            result.notes << QCoreApplication::translate(
                "RenderFile", "the colour profile could not be applied; colours were written as they are");
    }
    if (beneath && options.anyOverlayActive())
        *beneath = stamped;
    if (options.anyOverlayActive() && !stamped.isNull())
        stamped = composeOverlayCanvas(std::move(stamped), drawn, options.resize != ResizeMode::None, options,
                                       target);
    if (stamped.isNull()) {
        result.failure = Failure(FailureReason::OutOfMemory);
        return result;
    }
    if (toSrgb)
        result.iccProfile = options.format == OutputFormat::Gif    ? QByteArray()
                            : options.format == OutputFormat::WebP ? srgbProfile()
                                                                   : srgbProfileFor(stamped);
    result.image = stamped;
    // What JPEG XL can take as the JPEG itself: every pixel as the file stores it.
    if (options.format == OutputFormat::JpegXl && full && orientation == 1 && decoded.shrink == 1 &&
        !decoded.convertedToSrgb && !colorsConverted && !options.anyOverlayActive() && drawn == storedSize &&
        isJpeg(decoder.data()))
        result.untouchedJpeg = decoder.data();
    if (full)
        qCInfo(lcConversion, "image_dpi = %f, bitmap.width = %ld, s.f.b.w = %f", double(result.imageDpi),
               long(result.image.width()), result.image.width() * 72.0 / double(result.imageDpi));
    return result;
}

} // namespace

PipelineResult convertFile(const QString &path, const ConversionOptions &options,
                           const MemoryAdmission &admit, bool encodeBands)
{
    return renderFile(path, options, QSize(), admit, nullptr, encodeBands);
}

PipelineResult previewFile(const QString &path, const ConversionOptions &options, int maxSide)
{
    return previewFile(path, options, QSize(maxSide, maxSide));
}

PipelineResult previewFile(const QString &path, const ConversionOptions &options, QSize box)
{
    QImage beneath;
    PipelineResult result = renderFile(path, options, box, {}, &beneath, false);
    if (!result.ok())
        return result;
    // The output's last step before its encoder: what the file will hold.
    Result<QImage> stored = storedPixels(result.image, options.format);
    if (!stored.ok()) {
        result.failure = stored.failure();
        return result;
    }
    result.image = std::move(stored.value());
    if (beneath.isNull())
        return result;
    // What lies under the overlays in the file; GIF's transparent index is the pixels under half
    // opacity, which the contrast passes over as it does for the formats that keep alpha.
    if (!formatKeepsAlpha(options.format)) {
        Result<QImage> under = storedPixels(beneath, options.format);
        beneath = under.ok() ? std::move(under.value()) : QImage();
    }
    result.overlayContrasts =
        overlayContrasts(beneath, options, result.outputSize, options.resize != ResizeMode::None);
    return result;
}
