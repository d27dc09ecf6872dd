#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Encoders of the four output formats. Each takes any QImage format, converts what its format
// needs, and returns the file's bytes; an empty result comes with a reason in `error`.
// They run on worker threads.
QByteArray encodeJpeg(const QImage &image, int quality, double dpi, QString *error);
QByteArray encodePng(const QImage &image, double dpi, QString *error);
QByteArray encodeTiff(const QImage &image, double dpi, QString *error);
QByteArray encodeGif(const QImage &image, QString *error);

// The picture with its transparent parts laid on white, for formats without alpha.
QImage flattenedOnWhite(const QImage &image);

// True for pictures whose pixels are shades of gray in a gray format.
bool isGrayFormat(const QImage &image);

class SourceMetadata;

struct EncodedOutput {
    QByteArray bytes;  // empty on failure
    QString error;     // why encoding failed
    QStringList notes; // what the output could not keep
};

// Encodes the finished picture in the output format (format index 0 JPEG, 1 PNG, 2 GIF,
// else TIFF) at the given JPEG quality (0 to 100) and density, with the source's metadata and
// colour profile where the format holds them and the profile fits the pixels.
EncodedOutput encodeOutput(const QImage &image, int formatIndex, int jpegQuality, double dpi,
                           const QByteArray &iccProfile, const SourceMetadata &metadata);
