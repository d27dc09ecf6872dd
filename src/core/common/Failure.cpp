#include "common/Failure.h"

#include <QCoreApplication>

namespace {

// The reasons in English, the words of the report file; translated where a user reads them.
const char *reasonWords(FailureReason reason)
{
    switch (reason) {
    case FailureReason::None:
        return nullptr;
    case FailureReason::Missing:
        return QT_TRANSLATE_NOOP("Failure", "missing");
    case FailureReason::CannotRead:
        return QT_TRANSLATE_NOOP("Failure", "cannot read");
    case FailureReason::Unsupported:
        return QT_TRANSLATE_NOOP("Failure", "unsupported or damaged image");
    case FailureReason::TooLarge:
        return QT_TRANSLATE_NOOP("Failure", "too large");
    case FailureReason::OutOfMemory:
        return QT_TRANSLATE_NOOP("Failure", "out of memory");
    case FailureReason::TimeLimitExceeded:
        return QT_TRANSLATE_NOOP("Failure", "time limit exceeded");
    case FailureReason::CannotWrite:
        return QT_TRANSLATE_NOOP("Failure", "cannot write");
    case FailureReason::NoFreeName:
        return QT_TRANSLATE_NOOP("Failure", "no free name");
    case FailureReason::NeedsGhostscript:
        return QT_TRANSLATE_NOOP("Failure", "EPS needs Ghostscript (package ghostscript)");
    case FailureReason::InternalError:
        return QT_TRANSLATE_NOOP("Failure", "internal error");
    case FailureReason::Cancelled:
        return QT_TRANSLATE_NOOP("Failure", "cancelled");
    }
    return nullptr;
}

} // namespace

QString failureReasonText(FailureReason reason)
{
    const char *words = reasonWords(reason);
    return words ? QString::fromLatin1(words) : QString();
}

QString shownFailureReason(FailureReason reason)
{
    const char *words = reasonWords(reason);
    return words ? QCoreApplication::translate("Failure", words) : QString();
}

QString Failure::text() const
{
    const QString why = shownFailureReason(reason);
    return detail.isEmpty() ? why : QCoreApplication::translate("Failure", "%1: %2").arg(why, detail);
}
