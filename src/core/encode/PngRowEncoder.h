#pragma once

#include "encode/RowEncoder.h"

#include <memory>

// A PNG file written band by band as the rows come: 8-bit gray or RGB, not interlaced, libpng's
// default compression and filters, the density in pHYs; the same bytes Qt's PNG writer makes
// of the same picture (which writes PNG's other layouts: alpha, 16 bits, palettes). Rows are
// Grayscale8, RGB888 or RGB32. Failures are libpng's own words (running out of memory told
// apart).
//
// Threading: a plain object, used by one thread at a time.
class PngRowEncoder final : public RowEncoder {
public:
    PngRowEncoder();
    ~PngRowEncoder() override;
    PngRowEncoder(const PngRowEncoder &) = delete;
    PngRowEncoder &operator=(const PngRowEncoder &) = delete;

    Failure start(QSize size, QImage::Format format, int quality, double dpi) override;
    Failure write(const uchar *rows, qsizetype bytesPerLine, int count) override;
    Result<QByteArray> finish() override;

    // Whether rows in `format` are taken.
    static bool takes(QImage::Format format);

private:
    struct State;
    std::unique_ptr<State> m;
};
