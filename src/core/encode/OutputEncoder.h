#pragma once

#include "common/Failure.h"
#include "options/ConversionOptions.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class SourceMetadata;

struct EncodedOutput {
    QByteArray bytes;
    QStringList notes; // what the output could not keep
    // The source held metadata the options leave out (see SourceMetadata::keeping); the run
    // says so once for all its files.
    bool metadataRemoved = false;
    // What went into the output beside the pixels, for the run's report.
    bool metadataWritten = false; // EXIF, XMP or IPTC
    bool profileWritten = false;  // an ICC colour profile
    QSize pixels;                 // the output's pixel size
};

// Encodes the finished picture, as storedPixels() makes it for the options' format (laid on white
// for JPEG, GIF's palette), in that format (at their quality) and the given density,
// with the source's metadata (as much as the options keep) and colour profile where the format
// holds them and the profile is usable and fits the pixels. For JPEG XL, `untouchedJpeg` (the
// source file's bytes when it is a JPEG the conversion leaves as it is, else empty) is
// recompressed losslessly instead when all the metadata is kept, falling back to the picture when
// libjxl cannot carry it. Runs on worker threads.
Result<EncodedOutput> encodeOutput(const QImage &finished, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &metadata,
                                   const QByteArray &untouchedJpeg = QByteArray());

// Pixels the output format's encoder already compressed as they were decoded (a full-size JPEG
// output with nothing drawn on it, written band by band): the encoded file without metadata.
struct CompressedPixels {
    QByteArray bytes;
    QSize size;
    bool gray = false; // one channel
    bool isEmpty() const { return bytes.isEmpty(); }
};

// The same for pixels already compressed in the options' format: the metadata and profile are
// written into them as above. Moved in, the bytes are held once while the metadata is written.
Result<EncodedOutput> encodeOutput(CompressedPixels pixels, const ConversionOptions &options, double dpi,
                                   const QByteArray &iccProfile, const SourceMetadata &metadata);

// About the memory encoding takes beside the picture, per output pixel: the encoded bytes held
// until written, and the encoder's own working memory (measured on 24-megapixel photos).
int encodingBytesPerPixel(OutputFormat format, int quality);
