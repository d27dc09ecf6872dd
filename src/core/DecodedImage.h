#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Why a file produced no output. The texts are what users see.
enum class FailureReason {
    None,
    Missing,          // "missing"
    CannotRead,       // "cannot read"
    Unsupported,      // "unsupported or damaged image"
    TooLarge,         // "too large"
    CannotWrite,      // "cannot write"
    NoFreeName,       // "no free name"
    NeedsGhostscript, // "EPS needs Ghostscript (package ghostscript)"
};

QString failureReasonText(FailureReason reason);

// The pixels of one decoded file, in the orientation they are stored.
struct DecodedImage {
    QImage image;
    // The size of the picture in the file, before any shrink on load.
    QSize storedSize;
    // Horizontal density the file's own header states (JFIF, pHYs, ...); 0 when it states none.
    double statedDpi = 0.0;
    // The colour profile that describes these pixels; empty when unknown.
    QByteArray iccProfile;
    // True when the reader converted the pixels to sRGB (CMYK sources): the file's profile no
    // longer applies.
    bool convertedToSrgb = false;
};

// One format family: reads the header, then the picture. Readers run on worker threads and
// hold no state beyond one file.
class FormatReader {
public:
    virtual ~FormatReader() = default;
    // Reads the header. Returns false with a reason when the data is not a picture it can read.
    virtual bool readHeader(QString *error) = 0;
    // The stored size; invalid when the header does not tell it.
    virtual QSize size() const = 0;
    // Decodes the picture. A valid minimumSize lets the reader shrink on load, never below it.
    virtual bool read(QSize minimumSize, DecodedImage *out, FailureReason *reason, QString *error) = 0;
};
