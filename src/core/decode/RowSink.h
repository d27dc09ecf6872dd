#pragma once

#include "common/Failure.h"
#include "decode/DecodedImage.h"

#include <QImage>
#include <QSize>

// Takes a picture's rows as a reader decodes them, top to bottom in the orientation they are
// stored, so the picture need not be held whole (FormatReader::readRows).
//
// Threading: called on the reader's thread only, from one file's decoding; a divided picture's
// lower part (divide()) on a second thread.
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

    // A reader that can decode the rows from some row down on their own (a JPEG with restart
    // markers) may give the picture in two parts at once. After begin() and before any take(),
    // it asks canDivide(), then divide() with the first row it can start a lower part at. The
    // sink returns the sink the rows from `first` on go to (its begin() is not called; its take()
    // on a second thread the reader runs, on a core the sink holds) and sets `*rowsAbove` to how
    // many rows from the top it still takes itself; the reader gives it at least those. Once
    // both parts have all their rows, or either failed, the reader calls joinDivided() here.
    // Null (the default): the rows come in one part.
    virtual bool canDivide() const { return false; }
    virtual RowSink *divide(int first, int *rowsAbove)
    {
        Q_UNUSED(first)
        Q_UNUSED(rowsAbove)
        return nullptr;
    }
    virtual Failure joinDivided() { return {}; }
};
