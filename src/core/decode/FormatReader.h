#pragma once

#include "common/Failure.h"
#include "decode/DecodedImage.h"

#include <QSize>
#include <QString>

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
