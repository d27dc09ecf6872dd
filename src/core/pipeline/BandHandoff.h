#pragma once

#include "common/SpareCores.h"
#include "decode/RowSink.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Hands a picture's rows, as a reader decodes them, to another sink on a second thread, so the
// decoder and what the rows feed (the reducer, the band encoder) run on two cores at once. The
// rows are copied into a few bands that go round between the two threads; the target sees the
// same rows in the same order as when it is given them directly, so its result is the same to
// the bit.
//
// A second thread is used only when a core is borrowed from this thread's run (BorrowedCore)
// and, once the target has begun, `worthIt()` says the rows are worth the copy; otherwise the
// rows go straight to the target. A target's failure stops the decoding at the next band.
// When the reader divides the picture (RowSink::divide()) and the target takes it in two parts,
// the borrowed core is the reader's for the lower part instead, and the rows above go straight
// to the target.
//
// Threading: begin(), take() and finish() on the reader's thread; the target's begin() there
// too, its take() on the second thread when there is one.
class BandHandoff final : public RowSink {
public:
    BandHandoff(RowSink *target, std::function<bool()> worthIt);
    ~BandHandoff() override;
    BandHandoff(const BandHandoff &) = delete;
    BandHandoff &operator=(const BandHandoff &) = delete;

    Failure begin(QSize size, QImage::Format format, const DecodedImage &facts) override;
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override;
    bool canDivide() const override;
    RowSink *divide(int first, int *rowsAbove) override;
    Failure joinDivided() override;
    // After the reader's last row: waits until the target has taken every row; its failure.
    Failure finish();
    // Whether the rows went to a second thread.
    bool handedOff() const { return m_thread.joinable() || m_finished; }

private:
    struct Band {
        std::vector<uchar> bytes;
        int rows = 0;
    };
    void consume();
    void send(int band);
    void stop();

    RowSink *m_target;
    std::function<bool()> m_worthIt;
    std::unique_ptr<BorrowedCore> m_core;
    bool m_started = false; // the rows began to come (to the second thread, when there is one)
    qsizetype m_rowBytes = 0;
    int m_bandRows = 0;
    std::vector<Band> m_bands;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int> m_free, m_full; // band numbers; m_full in order, oldest first
    int m_filling = -1;              // the band the reader's rows go into
    bool m_ended = false;            // no more rows come (or the target is not wanted any more)
    bool m_done = false;             // the second thread takes no more bands
    bool m_finished = false;
    Failure m_failure;
    std::thread m_thread;
};
