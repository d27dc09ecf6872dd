#pragma once

#include <QString>

#include <utility>

// Why a file produced no output. The texts are what users see.
enum class FailureReason {
    None,
    Missing,           // "missing"
    CannotRead,        // "cannot read"
    Unsupported,       // "unsupported or damaged image"
    TooLarge,          // "too large": beyond the size limits
    OutOfMemory,       // "out of memory": within the limits, but memory ran out
    TimeLimitExceeded, // "time limit exceeded": a renderer that did not finish
    CannotWrite,       // "cannot write"
    NoFreeName,        // "no free name"
    NeedsGhostscript,  // "EPS needs Ghostscript (package ghostscript)"
    InternalError,     // "internal error": a fault of ours, reported rather than crashing the run
    Cancelled,         // "cancelled": stopped while it was being converted
};

// The reason in English, as the report file states it whatever the user's language.
QString failureReasonText(FailureReason reason);
// The reason in the user's language (the English words when no translation is installed).
QString shownFailureReason(FailureReason reason);

// The one way failures travel, from the readers to the runner and the reports: the reason a
// user reads, and the system's or library's own words when there are any.
struct Failure {
    FailureReason reason = FailureReason::None;
    QString detail;

    Failure() = default;
    Failure(FailureReason why, QString words = QString()) : reason(why), detail(std::move(words)) {}

    bool failed() const { return reason != FailureReason::None; }
    // "cannot write: No space left on device", in the user's language
    QString text() const;
    bool operator==(const Failure &other) const { return reason == other.reason && detail == other.detail; }
};

// A value, or the failure that kept it from being made.
template <typename T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}
    Result(FailureReason reason, QString detail = QString()) : m_failure(reason, std::move(detail)) {}

    bool ok() const { return !m_failure.failed(); }
    const Failure &failure() const { return m_failure; }
    const T &value() const { return m_value; }
    T &value() { return m_value; }

private:
    T m_value {};
    Failure m_failure;
};
