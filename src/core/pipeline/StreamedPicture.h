#pragma once

#include "decode/RowSink.h"
#include "options/ConversionOptions.h"
#include "overlay/CanvasRows.h"

#include <QByteArray>
#include <QImage>

#include <functional>
#include <memory>

class HeldRows;
class RowEncoder;
class RowReducer;

// What a conversion makes of a picture's rows as the decoder gives them, decided when the first
// row is about to come (the planner is told the rows' size and format and the reader's facts):
// - Reduce: filtered into a RowReducer's ring as they come, so only the output is held (a
//   reduction to the output's exact size and extent is a plain copy, as resampled() returns
//   such a picture as it is);
// - Whole: kept as one picture in the rows' format, as the reader's read() would give it;
// - Encode: written to the output format band by band (a full-size JPEG, PNG or TIFF output with
//   nothing drawn on it), so nothing is held but a band;
// - ReduceEncode: filtered as for Reduce, and the output's rows written to the output format band
//   by band as they are made (a resized JPEG, PNG or TIFF output upright as stored, with nothing
//   drawn on it), so only the ring and a band are held;
// - StampEncode: held while the plan's stamping still has to draw on them, then written to the
//   output format band by band (a full-size JPEG, PNG or TIFF output with overlays, from rows of
//   three-byte RGB), so only the rows a logo or watermark waits for are held.
//
// Threading: a RowSink; used by one thread at a time.
class StreamedPicture final : public RowSink {
public:
    struct Plan {
        enum class Mode { Reduce, Whole, Encode, ReduceEncode, StampEncode } mode = Mode::Whole;
        QSize out;     // Reduce(Encode): the output size
        QSizeF extent; // Reduce(Encode): how many of the rows' pixels the picture spans
        OutputFormat format = OutputFormat::Jpeg; // (Reduce)Encode: one encodesRows() takes
        int quality = 85;
        double dpi = 72.0; // (Reduce)Encode: the density the file states
        // StampEncode: draws on the picture whose rows [0, rowsIn) have come (those from its
        // last result on are held) and returns how many rows from the top are final.
        std::function<int(const CanvasRows &picture, int rowsIn)> stamp;
        int heldRows = 0; // StampEncode: about how many rows are held at most
    };
    using Planner = std::function<Result<Plan>(QSize size, QImage::Format format, const DecodedImage &facts)>;

    explicit StreamedPicture(Planner planner);
    ~StreamedPicture() override;

    Failure begin(QSize size, QImage::Format format, const DecodedImage &facts) override;
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override;
    // Reduce and ReduceEncode divide: the reducer's lower part takes the rows from `first` on.
    bool canDivide() const override;
    RowSink *divide(int first, int *rowsAbove) override;
    Failure joinDivided() override;

    Plan::Mode mode() const { return m_plan.mode; }
    // The rows' format, after begin().
    QImage::Format format() const { return m_format; }
    // True once every row the plan needs is in.
    bool isComplete() const;
    // Reduce and Whole, once every row is in: the picture, in its stored orientation, handed over
    // (nothing here keeps a reference, so the caller may draw on it without a copy).
    QImage takePicture();
    // Encode, ReduceEncode and StampEncode, once every row is in: the file's bytes.
    Result<QByteArray> encoded();

private:
    // StampEncode: holds the rows, lets the stamping draw and encodes the rows it says are final.
    Failure stampAndEncode(uchar *rows, qsizetype bytesPerLine, int count);
    // The plan's row encoder, started for rows of `size` in `format`.
    Failure startEncoder(QSize size, QImage::Format format);

    Planner m_planner;
    Plan m_plan;
    QImage::Format m_format = QImage::Format_Invalid;
    int m_width = 0;
    int m_height = 0;
    int m_taken = 0; // rows given so far
    QImage m_whole;
    int m_rows = 0;                   // rows kept in m_whole so far
    std::unique_ptr<HeldRows> m_held; // StampEncode: the rows not yet final
    std::unique_ptr<RowReducer> m_reducer;
    std::unique_ptr<RowReducer> m_lower;  // divided: the output rows below the reducer's
    std::unique_ptr<RowSink> m_lowerRows; // what takes the rows for m_lower
    bool m_handedOver = false;            // the reducer's finished output was taken
    std::unique_ptr<RowEncoder> m_encoder;
    Failure m_encoderFailure; // ReduceEncode: what stopped the encoder, if anything
};
