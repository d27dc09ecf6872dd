// Fuzzes a JPEG decoded in two parts at once: where its restart markers let a second decoder
// start (any row asked for), and both decoders' rows, each byte read, however damaged the file.
#include "FuzzTarget.h"
#include "decode/JpegReader.h"
#include "decode/JpegRestarts.h"
#include "decode/RowSink.h"

// Reads every byte of every band it is given.
class TouchingRows : public RowSink {
public:
    qsizetype rowBytes = 0;
    Failure begin(QSize, QImage::Format, const DecodedImage &) override { return {}; }
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override
    {
        for (int y = 0; y < count; ++y)
            for (qsizetype x = 0; x < rowBytes; ++x)
                m_sum += rows[y * bytesPerLine + x];
        return {};
    }

private:
    unsigned m_sum = 0;
};

// Takes the picture in two parts wherever the reader offers.
class DividingRows final : public TouchingRows {
public:
    TouchingRows lower;
    Failure begin(QSize size, QImage::Format format, const DecodedImage &) override
    {
        rowBytes = lower.rowBytes =
            qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() / 8;
        return {};
    }
    bool canDivide() const override { return true; }
    RowSink *divide(int first, int *rowsAbove) override
    {
        *rowsAbove = first + 3;
        return &lower;
    }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    if (!isJpeg(bytes))
        return 0;
    for (const int row : {0, 7, 300, 70000}) {
        const std::optional<JpegRestartEntry> entry = jpegRestartEntry(bytes, row);
        if (entry &&
            (entry->offset > bytes.size() || entry->header.size() >= entry->offset || entry->mcuRow < 1))
            __builtin_trap();
    }
    ImageDecoder decoder(bytes, "jpg");
    if (decoder.open().failed() || !smallEnoughToFuzz(decoder.size()))
        return 0;
    DividingRows rows;
    decoder.decodeRows(QSize(), &rows);
    return 0;
}
