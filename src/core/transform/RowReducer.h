#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>

// The Lanczos-3 resampler fed row by row, top to bottom, as a decoder gives them: each row is
// filtered horizontally into a ring of float rows as it arrives, and each output row is made as
// soon as the rows under its kernel are in, so the source picture is never held whole. The
// output is allocated when the reducer is made (or, when its rows are sent on as they are made,
// a band of them); the memory besides it is the ring (the kernel's taps of output-wide float
// rows) and one source row. resampled() runs through it, so
// a picture given whole and the same picture given row by row come out the same to the bit.
//
// Rows come in `rowFormat`: the working format (workingFormat()) and packed RGB888 are read as
// they are; any other is converted band by band first. Rows past the last one the output needs
// are passed over.
//
// Threading: a plain object, used by one thread at a time.
class RowReducer {
public:
    // Takes output rows as they are made: `count` rows, `bytesPerLine` apart, in
    // workingFormat(); false stops the reducer (it is then no longer valid).
    using RowsOut = std::function<bool(const uchar *rows, qsizetype bytesPerLine, int count)>;

    // From a picture of `in` pixels spanning `extent` of them (as for resampled(); invalid:
    // all of them) to `out`. Given `rowsOut`, the output is not held whole: it goes there in
    // bands as it is made, and result() is null.
    RowReducer(QSize in, QImage::Format rowFormat, QSize out, QSizeF extent = QSizeF(), RowsOut rowsOut = {});
    ~RowReducer();
    RowReducer(const RowReducer &) = delete;
    RowReducer &operator=(const RowReducer &) = delete;

    // The whole `source` (in a format the reducer takes as it is) reduced to `out` spanning
    // `extent`, as one reducer given every row makes it; when the picture is large and this
    // thread's run lends a core, the lower half of the output rows is made on a second thread,
    // to the same pixels. Null when memory ran out.
    static QImage reduced(const QImage &source, QSize out, QSizeF extent = QSizeF());

    // The format the rows are filtered in and the output is made in, for rows in `format`.
    static QImage::Format workingFormat(QImage::Format format);

    // False when memory for the output or the ring ran out.
    bool isValid() const;
    // The next `count` rows, `bytesPerLine` apart.
    void addRows(const uchar *rows, qsizetype bytesPerLine, int count);
    // Before any row is given: the output rows made from about source row `first` down split off
    // into a second reducer, given the source rows from `first` on (on another thread, say) while
    // this one makes the rows above, reading the first `*rowsAbove` source rows. The second writes
    // into this one's output; when this one sends its rows on, it holds its own instead until
    // join(). Null when there is no such division.
    std::unique_ptr<RowReducer> divide(int first, int *rowsAbove);
    // Once this reducer and the one divide() split off have their rows: the other's rows sent on
    // after this one's, and this one finished when both are.
    void join(const RowReducer &lower);
    // True once every output row is made.
    bool isFinished() const;
    // The output; whole once isFinished().
    QImage result() const;

private:
    RowReducer();
    struct State;
    std::unique_ptr<State> m;
};
