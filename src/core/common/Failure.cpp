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
    case FailureReason::CannotWrite:
        return QStringLiteral("cannot write");
    case FailureReason::NoFreeName:
        return QStringLiteral("no free name");
    case FailureReason::NeedsGhostscript:
        return QStringLiteral("EPS needs Ghostscript (package ghostscript)");
    }
    return QString();
}
