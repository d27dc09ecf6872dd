#include "pipeline/BandHandoff.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

namespace {
// Bands of about this many bytes (a few rows of a large picture; a second-level cache's worth).
constexpr qsizetype kBandBytes = 256 * 1024;
constexpr int kBandCount = 4;
} // namespace

BandHandoff::BandHandoff(RowSink *target, std::function<bool()> worthIt)
    : m_target(target), m_worthIt(std::move(worthIt))
{
}

BandHandoff::~BandHandoff()
{
    stop();
}

Failure BandHandoff::begin(QSize size, QImage::Format format, const DecodedImage &facts)
{
    if (Failure failure = m_target->begin(size, format, facts); failure.failed())
        return failure;
    if (m_worthIt && !m_worthIt())
        return {};
    m_core = std::make_unique<BorrowedCore>();
    if (!*m_core) {
        m_core.reset();
        return {};
    }
    m_rowBytes = (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 7) / 8;
    m_bandRows = int(std::clamp<qsizetype>(kBandBytes / std::max<qsizetype>(1, m_rowBytes), 8, 256));
    return {};
}

bool BandHandoff::canDivide() const
{
    return m_core && !m_started && m_target->canDivide();
}

RowSink *BandHandoff::divide(int first, int *rowsAbove)
{
    if (!canDivide())
        return nullptr;
    RowSink *lower = m_target->divide(first, rowsAbove);
    // Divided, the core is the reader's for the lower part: no second thread here.
    m_started = lower != nullptr;
    return lower;
}

Failure BandHandoff::joinDivided()
{
    return m_target->joinDivided();
}

Failure BandHandoff::take(uchar *rows, qsizetype bytesPerLine, int count)
{
    if (!m_started) {
        // The rows begin to come: to the second thread, when the core is still here for one.
        m_started = true;
        if (m_core) {
            try {
                m_bands.resize(kBandCount);
                for (int i = 0; i < kBandCount; ++i) {
                    m_bands[size_t(i)].bytes.resize(size_t(m_rowBytes) * size_t(m_bandRows));
                    m_free.push_back(i);
                }
                m_thread = std::thread([this] { consume(); });
            } catch (const std::exception &) {
                // No second thread after all: the rows go straight to the target.
                m_bands.clear();
                m_free.clear();
                m_core.reset();
            }
        }
    }
    if (!m_thread.joinable())
        return m_target->take(rows, bytesPerLine, count);
    const size_t length = size_t(std::min(bytesPerLine, m_rowBytes));
    for (int i = 0; i < count; ++i) {
        if (m_filling < 0) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return !m_free.empty() || m_done; });
            if (m_done)
                return m_failure.failed() ? m_failure : Failure(FailureReason::InternalError);
            m_filling = m_free.back();
            m_free.pop_back();
        }
        Band &band = m_bands[size_t(m_filling)];
        std::memcpy(band.bytes.data() + qsizetype(band.rows) * m_rowBytes, rows + qsizetype(i) * bytesPerLine,
                    length);
        if (++band.rows == m_bandRows)
            send(m_filling);
    }
    return {};
}

void BandHandoff::send(int band)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_full.push_back(band);
        m_filling = -1;
    }
    m_changed.notify_all();
}

Failure BandHandoff::finish()
{
    if (!m_thread.joinable()) {
        m_core.reset();
        return {};
    }
    if (m_filling >= 0 && m_bands[size_t(m_filling)].rows > 0)
        send(m_filling);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = true;
    }
    m_changed.notify_all();
    m_thread.join();
    m_finished = true;
    m_core.reset();
    return m_failure;
}

void BandHandoff::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = true;
        m_full.clear(); // the rows not taken yet are not wanted
    }
    m_changed.notify_all();
    m_thread.join();
}

void BandHandoff::consume()
{
    for (;;) {
        int number;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return !m_full.empty() || m_ended; });
            if (m_full.empty())
                break;
            number = m_full.front();
            m_full.erase(m_full.begin());
        }
        Band &band = m_bands[size_t(number)];
        Failure failure;
        try {
            failure = m_target->take(band.bytes.data(), m_rowBytes, band.rows);
        } catch (const std::bad_alloc &) {
            failure = Failure(FailureReason::OutOfMemory);
        } catch (const std::exception &e) {
            failure = Failure(FailureReason::InternalError, QString::fromLocal8Bit(e.what()));
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        band.rows = 0;
        m_free.push_back(number);
        if (failure.failed()) {
            m_failure = failure;
            break;
        }
        m_changed.notify_all();
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_done = true;
    m_changed.notify_all();
}
