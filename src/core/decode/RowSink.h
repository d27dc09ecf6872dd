#pragma once

#include "common/Failure.h"
#include "decode/DecodedImage.h"

#include <QImage>
#include <QSize>

// Takes a picture's rows as a reader decodes them, top to bottom in the orientation they are
// stored, so the picture need not be held whole (FormatReader::readRows).
//
// Threading: called on the reader's thread only, from one file's decoding.
class RowSink {
public:
    virtual ~RowSink() = default;
    // Before the first row: the rows' size and format, and what the reader knows of the
    // picture (`facts`: its stored size, shrink, density and profile, whether it is converted
    // to sRGB; its image null). A failure stops the decoding with it.
    virtual Failure begin(QSize size, QImage::Format format, const DecodedImage &facts) = 0;
    // The next `count` rows, `bytesPerLine` apart, in the reader's own band: valid only during
    // the call, and the sink may change them meanwhile (to draw on them where they are). A failure
    // stops the decoding with it.
    virtual Failure take(uchar *rows, qsizetype bytesPerLine, int count) = 0;
};
