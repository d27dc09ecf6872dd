#pragma once

#include "common/Failure.h"
#include "encode/RowEncoder.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

// A JPEG file written band by band as the rows come, so a full-size output need not be held
// whole: one encoding at the given quality (0 to 100, full chroma resolution from 90 on) with the
// density in the JFIF header. Rows are Grayscale8, RGB888 or RGB32 (storedPixels() for JPEG);
// encodeJpeg() writes through it, so a picture given whole and the same rows given in bands
// make the same bytes. Failures are libjpeg's own words (running out of memory told apart).
//
// Threading: a plain object, used by one thread at a time.
class JpegRowEncoder final : public RowEncoder {
public:
    JpegRowEncoder();
    ~JpegRowEncoder() override;
    JpegRowEncoder(const JpegRowEncoder &) = delete;
    JpegRowEncoder &operator=(const JpegRowEncoder &) = delete;

    // Writes the header of a picture of `size` whose rows come in `format`.
    Failure start(QSize size, QImage::Format format, int quality, double dpi) override;
    // The next `count` rows, `bytesPerLine` apart.
    Failure write(const uchar *rows, qsizetype bytesPerLine, int count) override;
    // After the last row: the file's bytes.
    Result<QByteArray> finish() override;

private:
    struct State;
    std::unique_ptr<State> m;
};
