#include "common/Failure.h"

QString failureReasonText(FailureReason reason)
{
    switch (reason) {
    case FailureReason::None:
        return QString();
    case FailureReason::Missing:
        return QStringLiteral("missing");
    case FailureReason::CannotRead:
        return QStringLiteral("cannot read");
    case FailureReason::Unsupported:
        return QStringLiteral("unsupported or damaged image");
    case FailureReason::TooLarge:
        return QStringLiteral("too large");
    case FailureReason::OutOfMemory:
        return QStringLiteral("out of memory");
    case FailureReason::TimeLimitExceeded:
        return QStringLiteral("time limit exceeded");
    case FailureReason::CannotWrite:
        return QStringLiteral("cannot write");
    case FailureReason::NoFreeName:
        return QStringLiteral("no free name");
    case FailureReason::NeedsGhostscript:
        return QStringLiteral("EPS needs Ghostscript (package ghostscript)");
    case FailureReason::InternalError:
        return QStringLiteral("internal error");
    case FailureReason::Cancelled:
        return QStringLiteral("cancelled");
    }
    return QString();
}

QString Failure::text() const
{
    const QString why = failureReasonText(reason);
    return detail.isEmpty() ? why : why + QStringLiteral(": ") + detail;
}
