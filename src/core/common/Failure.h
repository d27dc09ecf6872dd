#pragma once

#include <QString>

// Why a file produced no output. The texts are what users see.
enum class FailureReason {
    None,
    Missing,          // "missing"
    CannotRead,       // "cannot read"
    Unsupported,      // "unsupported or damaged image"
    TooLarge,         // "too large"
    CannotWrite,      // "cannot write"
    NoFreeName,       // "no free name"
    NeedsGhostscript, // "EPS needs Ghostscript (package ghostscript)"
};

QString failureReasonText(FailureReason reason);
