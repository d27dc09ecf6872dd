// Fuzzes a JPEG decoded in two parts at once: where its restart markers, or its data read to a
// row, let a second decoder start (any row asked for), and both decoders' rows, each byte read,
// however damaged the file. A part entered without a restart marker decodes, from its first
// given row on, to the rows of the whole picture whenever both decode.
#include "FuzzTarget.h"
#include "decode/JpegEntries.h"
#include "decode/JpegReader.h"
#include "decode/RowSink.h"

#include <cstring>

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
        const std::optional<JpegPartEntry> entry = jpegRestartEntry(bytes, row);
        if (entry &&
            (entry->offset > bytes.size() || entry->header.size() >= entry->offset || entry->mcuRow < 1))
            __builtin_trap();
    }
    for (const int row : {1, 3, 40}) {
        const std::optional<JpegPartEntry> entry = jpegScanEntry(bytes, row);
        if (!entry)
            continue;
        if (entry->offset > bytes.size() || entry->mcuRow != row - 1 || entry->skipMcuRows != 1)
            __builtin_trap();
        const QByteArray part = entry->header + entry->lead + bytes.mid(entry->offset);
        ImageDecoder whole(bytes, "jpg"), lower(part, "jpg");
        if (whole.open().failed() || lower.open().failed() || !smallEnoughToFuzz(whole.size()))
            continue;
        // At a quarter, where libjpeg scales the chroma of any sampling instead of upsampling it
        // from the rows above and below.
        const auto quarter = [](QSize size) {
            return QSize((size.width() + 3) / 4, (size.height() + 3) / 4);
        };
        const Result<DecodedImage> a = whole.decode(quarter(whole.size())),
                                   b = lower.decode(quarter(lower.size()));
        if (!a.ok() || !b.ok() || a.value().shrink != 4 || b.value().shrink != 4)
            continue;
        const QImage &x = a.value().image, &y = b.value().image;
        const int first = row * entry->mcuHeight / 4, skip = entry->mcuHeight / 4;
        if (x.width() != y.width() || x.height() - first != y.height() - skip)
            __builtin_trap();
        const size_t rowBytes = size_t(x.width()) * size_t(x.depth() / 8);
        for (int r = first; r < x.height(); ++r)
            if (std::memcmp(x.constScanLine(r), y.constScanLine(r - first + skip), rowBytes) != 0)
                __builtin_trap();
    }
    ImageDecoder decoder(bytes, "jpg");
    if (decoder.open().failed() || !smallEnoughToFuzz(decoder.size()))
        return 0;
    DividingRows rows;
    decoder.decodeRows(QSize(), &rows);
    return 0;
}
