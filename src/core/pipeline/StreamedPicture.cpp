#include "pipeline/StreamedPicture.h"

#include "common/LargeImage.h"
#include "encode/RowEncoder.h"
#include "pipeline/HeldRows.h"
#include "transform/RowReducer.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

// The rows of a divided picture's lower part, into its own reducer.
class LowerRows final : public RowSink {
public:
    explicit LowerRows(RowReducer *reducer) : m_reducer(reducer) {}
    Failure begin(QSize, QImage::Format, const DecodedImage &) override { return {}; }
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override
    {
        m_reducer->addRows(rows, bytesPerLine, count);
        return m_reducer->isValid() ? Failure() : Failure(FailureReason::OutOfMemory);
    }

private:
    RowReducer *m_reducer;
};

} // namespace

StreamedPicture::StreamedPicture(Planner planner) : m_planner(std::move(planner)) {}

StreamedPicture::~StreamedPicture() = default;

Failure StreamedPicture::begin(QSize size, QImage::Format format, const DecodedImage &facts)
{
    Result<Plan> plan = m_planner(size, format, facts);
    if (!plan.ok())
        return plan.failure();
    m_plan = plan.value();
    m_format = format;
    m_width = size.width();
    m_height = size.height();
    if (m_plan.mode == Plan::Mode::Reduce || m_plan.mode == Plan::Mode::ReduceEncode) {
        const QSizeF extent =
            m_plan.extent.isValid() && !m_plan.extent.isEmpty() ? m_plan.extent : QSizeF(size);
        if (m_plan.out == size && extent == QSizeF(size))
            m_plan.mode = Plan::Mode::Whole; // nothing to filter: the rows are the output
    }
    if (m_plan.mode == Plan::Mode::StampEncode && !m_plan.stamp)
        m_plan.mode = Plan::Mode::Whole;

    switch (m_plan.mode) {
    case Plan::Mode::Reduce:
        m_reducer = std::make_unique<RowReducer>(size, format, m_plan.out, m_plan.extent);
        if (!m_reducer->isValid())
            return Failure(FailureReason::OutOfMemory);
        return {};
    case Plan::Mode::Encode:
        return startEncoder(size, format);
    case Plan::Mode::ReduceEncode: {
        if (Failure failure = startEncoder(m_plan.out, RowReducer::workingFormat(format)); failure.failed())
            return failure;
        const auto encode = [this](const uchar *rows, qsizetype bytesPerLine, int count) {
            m_encoderFailure = m_encoder->write(rows, bytesPerLine, count);
            return !m_encoderFailure.failed();
        };
        m_reducer = std::make_unique<RowReducer>(size, format, m_plan.out, m_plan.extent, encode);
        if (!m_reducer->isValid())
            return Failure(FailureReason::OutOfMemory);
        return {};
    }
    case Plan::Mode::StampEncode:
        m_held = std::make_unique<HeldRows>(size.width(), m_plan.heldRows);
        if (!m_held->isValid())
            return Failure(FailureReason::OutOfMemory);
        return startEncoder(size, format);
    case Plan::Mode::Whole:
        break;
    }
    m_whole = reusedLargeImage(size, format); // every row is written, or the picture is not used
    if (m_whole.isNull())
        return Failure(FailureReason::OutOfMemory);
    return {};
}

Failure StreamedPicture::startEncoder(QSize size, QImage::Format format)
{
    m_encoder = makeRowEncoder(m_plan.format);
    if (!m_encoder)
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("StreamedPicture", "no rows were encoded"));
    return m_encoder->start(size, format, m_plan.quality, m_plan.dpi);
}

Failure StreamedPicture::take(uchar *rows, qsizetype bytesPerLine, int count)
{
    m_taken += count;
    switch (m_plan.mode) {
    case Plan::Mode::Reduce:
    case Plan::Mode::ReduceEncode:
        m_reducer->addRows(rows, bytesPerLine, count);
        if (m_encoderFailure.failed())
            return m_encoderFailure;
        return m_reducer->isValid() ? Failure() : Failure(FailureReason::OutOfMemory);
    case Plan::Mode::Encode:
        return m_encoder->write(rows, bytesPerLine, count);
    case Plan::Mode::StampEncode:
        return stampAndEncode(rows, bytesPerLine, count);
    case Plan::Mode::Whole:
        break;
    }
    const int n = std::min(count, m_whole.height() - m_rows);
    const size_t length = size_t(std::min<qsizetype>(bytesPerLine, m_whole.bytesPerLine()));
    for (int i = 0; i < n; ++i, ++m_rows)
        std::memcpy(m_whole.scanLine(m_rows), rows + qsizetype(i) * bytesPerLine, length);
    return {};
}

Failure StreamedPicture::stampAndEncode(uchar *rows, qsizetype bytesPerLine, int count)
{
    HeldRows &held = *m_held;
    const int top = held.end(); // the first of these rows
    count = std::min(count, m_height - top);
    if (count <= 0)
        return {};
    if (held.first() == top) {
        // Nothing held: stamped where the reader decoded them, and only the rows something still
        // waits for are copied to be held.
        const CanvasRows canvas {m_width, m_height,
                                 [&](int y) { return rows + qsizetype(y - top) * bytesPerLine; }};
        const int final = std::clamp(m_plan.stamp(canvas, top + count), top, top + count);
        if (final > top) {
            if (Failure failure = m_encoder->write(rows, bytesPerLine, final - top); failure.failed())
                return failure;
        }
        held.dropBefore(final);
        if (!held.append(rows + qsizetype(final - top) * bytesPerLine, bytesPerLine, top + count - final))
            return Failure(FailureReason::OutOfMemory);
        return {};
    }
    if (!held.append(rows, bytesPerLine, count))
        return Failure(FailureReason::OutOfMemory);
    const CanvasRows canvas {m_width, m_height, [&held](int y) { return held.row(y); }};
    const int final = std::min(m_plan.stamp(canvas, held.end()), held.end());
    while (held.first() < final) {
        const int run = std::min(final - held.first(), held.runFrom(held.first()));
        if (Failure failure = m_encoder->write(held.row(held.first()), held.bytesPerLine(), run);
            failure.failed())
            return failure;
        held.dropBefore(held.first() + run);
    }
    return {};
}

bool StreamedPicture::canDivide() const
{
    return m_reducer && m_taken == 0 && !m_lower;
}

RowSink *StreamedPicture::divide(int first, int *rowsAbove)
{
    if (!canDivide())
        return nullptr;
    m_lower = m_reducer->divide(first, rowsAbove);
    if (!m_lower)
        return nullptr;
    m_lowerRows = std::make_unique<LowerRows>(m_lower.get());
    return m_lowerRows.get();
}

Failure StreamedPicture::joinDivided()
{
    if (!m_lower)
        return {};
    m_reducer->join(*m_lower);
    m_lowerRows.reset();
    m_lower.reset();
    if (m_encoderFailure.failed())
        return m_encoderFailure;
    return m_reducer->isFinished() ? Failure() : Failure(FailureReason::OutOfMemory);
}

bool StreamedPicture::isComplete() const
{
    if (m_plan.mode == Plan::Mode::Reduce)
        return m_reducer ? m_reducer->isFinished() : m_handedOver;
    if (m_plan.mode == Plan::Mode::ReduceEncode)
        return m_reducer && m_reducer->isFinished();
    return m_height > 0 && m_taken >= m_height;
}

QImage StreamedPicture::takePicture()
{
    if (m_plan.mode == Plan::Mode::StampEncode)
        return QImage(); // encoded as it came
    QImage picture = m_reducer ? m_reducer->result() : std::move(m_whole);
    m_handedOver = m_reducer && m_reducer->isFinished();
    m_reducer.reset();
    m_whole = QImage();
    return picture;
}

Result<QByteArray> StreamedPicture::encoded()
{
    if (!m_encoder)
        return Failure(FailureReason::InternalError,
                       QCoreApplication::translate("StreamedPicture", "no rows were encoded"));
    return m_encoder->finish();
}
