#include "decode/ImageDecoder.h"

#include "common/CodecLibraries.h"
#include "common/InputFile.h"
#include "decode/BmpReader.h"
#include "decode/CameraRawReader.h"
#include "decode/CmykTiffReader.h"
#include "decode/EpsReader.h"
#include "decode/HeifReader.h"
#include "decode/IcnsReader.h"
#include "decode/IcoReader.h"
#include "decode/ImageLimits.h"
#include "decode/Jpeg2000Reader.h"
#include "decode/JpegReader.h"
#include "decode/JxlReader.h"
#include "decode/PngReader.h"
#include "decode/PsdReader.h"
#include "decode/QtPluginReader.h"
#include "decode/TgaReader.h"
#include "decode/TiffReader.h"
#include "decode/Truncation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct ReaderEntry {
    bool (*matches)(const QByteArray &data);
    std::unique_ptr<FormatReader> (*create)(const QByteArray &data, const QByteArray &formatHint);
    // In place of `matches`, for formats told by their extension (the hint) as well as their content.
    bool (*matchesNamed)(const QByteArray &data, const QByteArray &formatHint) = nullptr;
};

bool anything(const QByteArray &)
{
    return true;
}

// Tried in order; the last entry takes every format Qt's image plugins know. Camera raw files
// come before the TIFF reader, since most start as TIFF files do.
const ReaderEntry kReaders[] = {
    {isJpeg, createJpegReader},
    {isPng, createPngReader},
    {nullptr, createCameraRawReader, isCameraRaw},
    {isCmykTiff, createCmykTiffReader},
    {isPhotoshop, createPsdReader},
    {isEps, createEpsReader},
    {isIcns, createIcnsReader},
    {isHeif, createHeifReader},
    {isJxl, createJxlReader},
    {isJpeg2000, createJpeg2000Reader},
    {isBmp, createBmpReader},
    {isIco, createIcoReader},
    {isTiff, createTiffReader},
    {nullptr, createTgaReader, isTga},
    {anything, createQtPluginReader},
};

} // namespace

ImageDecoder::ImageDecoder(const QString &path) : m_path(path)
{
    initializeCodecLibraries();
}

ImageDecoder::ImageDecoder(const QByteArray &data, const QByteArray &formatHint)
    : m_data(data), m_formatHint(formatHint), m_inMemory(true)
{
    initializeCodecLibraries();
}

ImageDecoder::~ImageDecoder() = default;

Failure ImageDecoder::fail(FailureReason reason, const QString &detail)
{
    m_reader.reset();
    return {reason, detail};
}

Failure ImageDecoder::open()
{
    if (m_inMemory)
        return m_data.isEmpty()
                   ? fail(FailureReason::Unsupported, QCoreApplication::translate("ImageDecoder", "no data"))
                   : readHeader();
    Result<QByteArray> bytes = readInputFile(m_path);
    if (!bytes.ok())
        return fail(bytes.failure().reason, bytes.failure().detail);
    m_data = std::move(bytes.value());
    m_formatHint = QFileInfo(m_path).suffix().toLatin1();
    return readHeader();
}

Failure ImageDecoder::readHeader()
{
    // One rule for every format: a file that stops early is refused, never half converted.
    const bool gif = m_data.startsWith("GIF8");
    const QByteArrayView start = QByteArrayView(m_data).first(std::min<qsizetype>(m_data.size(), 4));
    const bool tiff = start == QByteArrayView("II*\0", 4) || start == QByteArrayView("MM\0*", 4) ||
                      start == QByteArrayView("II+\0", 4) || start == QByteArrayView("MM\0+", 4);
    const bool eps = isEps(m_data);
    if ((gif && gifIsTruncated(m_data)) || (tiff && tiffIsTruncated(m_data)) ||
        (eps && epsIsTruncated(m_data)))
        return fail(FailureReason::Unsupported,
                    QCoreApplication::translate("ImageDecoder", "the file is truncated"));
    for (const ReaderEntry &entry : kReaders) {
        if (entry.matches ? !entry.matches(m_data) : !entry.matchesNamed(m_data, m_formatHint))
            continue;
        m_reader = entry.create(m_data, m_formatHint);
        if (const Failure failure = m_reader->readHeader(); failure.failed())
            return fail(failure.reason, failure.detail);
        const QSize s = m_reader->size();
        if (s.isValid() && exceedsImageLimits(s.width(), s.height()))
            return fail(FailureReason::TooLarge,
                        QCoreApplication::translate("ImageDecoder",
                                                    "%1 x %2 pixels is beyond the limit of %3 megapixels")
                            .arg(s.width())
                            .arg(s.height())
                            .arg(kMaxImagePixels / 1000000));
        return {};
    }
    return fail(FailureReason::Unsupported);
}

QSize ImageDecoder::size() const
{
    return m_reader ? m_reader->size() : QSize();
}

QString ImageDecoder::formatName() const
{
    return m_reader ? m_reader->formatName() : QString();
}

bool ImageDecoder::shrinksCleanly() const
{
    return m_reader && m_reader->shrinksCleanly();
}

qint64 ImageDecoder::decodedBytes(QSize minimumSize) const
{
    return m_reader ? m_reader->decodedBytes(minimumSize) : 0;
}

int ImageDecoder::orientationToApply(int exifOrientation) const
{
    return m_reader && m_reader->turnsItself() ? 1 : exifOrientation;
}

bool ImageDecoder::embeddedMetadata(QByteArray *exif, QByteArray *xmp) const
{
    return m_reader && m_reader->embeddedMetadata(exif, xmp);
}

Result<DecodedImage> ImageDecoder::decode(QSize minimumSize, int orientation)
{
    if (!m_reader)
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("ImageDecoder", "decoded before a header was read"));
    if (orientation != 1)
        m_reader->requestUpright(orientation);
    Result<DecodedImage> decoded = m_reader->read(minimumSize);
    if (!decoded.ok())
        return decoded;
    QImage &image = decoded.value().image;
    if (image.isNull())
        return Failure(FailureReason::Unsupported);
    // Resampling and drawing work on true colour: a palette would be re-quantised on the way.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB) {
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                      : image.isGrayscale()   ? QImage::Format_Grayscale8
                                                              : QImage::Format_RGB32);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
    }
    return decoded;
}

bool ImageDecoder::givesRows() const
{
    return m_reader && m_reader->givesRows();
}

qint64 ImageDecoder::streamedBytes(QSize minimumSize) const
{
    if (!m_reader)
        return 0;
    return m_reader->givesRows() ? m_reader->streamedBytes(minimumSize) : m_reader->decodedBytes(minimumSize);
}

Result<DecodedImage> ImageDecoder::decodeRows(QSize minimumSize, RowSink *sink)
{
    if (!m_reader || !m_reader->givesRows())
        return decode(minimumSize);
    return m_reader->readRows(minimumSize, sink);
}

Result<DecodedImage> ImageDecoder::openAndDecode(QSize minimumSize)
{
    if (const Failure failure = open(); failure.failed())
        return failure;
    return decode(minimumSize);
}
