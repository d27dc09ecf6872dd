#pragma once

#include "encode/RowEncoder.h"

#include <memory>

// A TIFF file written band by band as the rows come: LZW with horizontal predictor, the density
// as an exact rational in inches; gray, RGB or RGBA in 8 or 16 bits, as the rows' format holds
// them (layoutFormat()). Rows in any format without a colour table; those in another format
// than their layout's are converted band by band. A format's alpha is kept when it has one. encodeTiff()
// writes through it.
//
// Threading: a plain object, used by one thread at a time.
class TiffRowEncoder final : public RowEncoder {
public:
    TiffRowEncoder();
    ~TiffRowEncoder() override;
    TiffRowEncoder(const TiffRowEncoder &) = delete;
    TiffRowEncoder &operator=(const TiffRowEncoder &) = delete;

    Failure start(QSize size, QImage::Format format, int quality, double dpi) override;
    Failure write(const uchar *rows, qsizetype bytesPerLine, int count) override;
    Result<QByteArray> finish() override;

    // The format whose rows are stored as they are, for rows in `format` with or without alpha.
    static QImage::Format layoutFormat(QImage::Format format, bool alpha);

private:
    struct State;
    std::unique_ptr<State> m;
};
