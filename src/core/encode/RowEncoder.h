#pragma once

#include "common/Failure.h"
#include "options/ConversionOptions.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

// An encoder fed a picture's rows band by band, top to bottom, as a decoder gives them, so a
// full-size output need not be held whole. The format's whole-picture encoder writes through the
// same class for the same rows, so both roads make the same bytes.
//
// Threading: a plain object, used by one thread at a time.
class RowEncoder {
public:
    virtual ~RowEncoder() = default;
    // Writes the header of a picture of `size` whose rows come in `format`, at `quality` (where
    // the format has one) and the density `dpi`.
    virtual Failure start(QSize size, QImage::Format format, int quality, double dpi) = 0;
    // The next `count` rows, `bytesPerLine` apart.
    virtual Failure write(const uchar *rows, qsizetype bytesPerLine, int count) = 0;
    // After the last row: the file's bytes (without metadata).
    virtual Result<QByteArray> finish() = 0;

    // A whole picture through start(), one write() and finish().
    Result<QByteArray> encodeWhole(const QImage &image, int quality, double dpi);
};

// Whether `format` is written band by band from rows in Grayscale8, RGB888 or RGB32: JPEG, PNG
// and TIFF. GIF needs the whole picture for its palette; the WebP, AVIF and JPEG XL libraries
// take a whole picture.
bool encodesRows(OutputFormat format);

// The band encoder for `format`; null when it has none.
std::unique_ptr<RowEncoder> makeRowEncoder(OutputFormat format);
