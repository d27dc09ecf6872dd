#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The times the converting and completion sheets say, in words.
class RunTimes {
public:
    // Minutes and seconds on a clock: "0:07", "12:40", "1:02:03".
    static QString clock(qint64 ms);
    // How long a run took: "less than a second", "12 s", "3 min 5 s", "1 h 4 min".
    static QString duration(qint64 ms);
    // The time left, from the files finished so far: the time each took on average (the workers
    // side by side included) for each file still to finish. None before a few files have
    // finished, when one file says too little, and once all have.
    static std::optional<qint64> remaining(qint64 elapsedMs, int finished, int total);
    // "a few seconds left", "about 40 s left", "about 2 min left", "about 1 h 30 min left".
    static QString left(qint64 ms);

    // Files that must finish before there is an estimate (fewer when the run has fewer).
    static constexpr int kFilesBeforeEstimate = 3;
};
