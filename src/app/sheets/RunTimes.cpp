#include "sheets/RunTimes.h"

#include <QCoreApplication>

#include <algorithm>

QString RunTimes::clock(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(0, ms) / 1000;
    const QLatin1Char zero('0');
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, zero)
            .arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, zero);
}

QString RunTimes::duration(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(0, ms + 500) / 1000;
    if (seconds < 1)
        return QCoreApplication::translate("RunTimes", "less than a second");
    if (seconds < 60)
        return QCoreApplication::translate("RunTimes", "%1 s").arg(seconds);
    if (seconds < 3600)
        return seconds % 60 ? QCoreApplication::translate("RunTimes", "%1 min %2 s")
                                  .arg(seconds / 60)
                                  .arg(seconds % 60)
                            : QCoreApplication::translate("RunTimes", "%1 min").arg(seconds / 60);
    const qint64 minutes = seconds / 60;
    return minutes % 60
               ? QCoreApplication::translate("RunTimes", "%1 h %2 min").arg(minutes / 60).arg(minutes % 60)
               : QCoreApplication::translate("RunTimes", "%1 h").arg(minutes / 60);
}

std::optional<qint64> RunTimes::remaining(qint64 elapsedMs, int finished, int total)
{
    if (finished >= total || finished < std::min(kFilesBeforeEstimate, total) || finished <= 0 ||
        elapsedMs <= 0)
        return std::nullopt;
    return elapsedMs * (total - finished) / finished;
}

QString RunTimes::left(qint64 ms)
{
    const qint64 seconds = (std::max<qint64>(0, ms) + 999) / 1000;
    if (seconds < 10)
        return QCoreApplication::translate("RunTimes", "a few seconds left");
    if (seconds < 60)
        return QCoreApplication::translate("RunTimes", "about %1 s left").arg((seconds + 4) / 5 * 5);
    if (seconds < 90 * 60)
        return QCoreApplication::translate("RunTimes", "about %1 min left")
            .arg(std::max<qint64>(1, (seconds + 30) / 60));
    const qint64 tens = (seconds + 300) / 600; // to ten minutes
    return tens % 6 ? QCoreApplication::translate("RunTimes", "about %1 h %2 min left")
                          .arg(tens / 6)
                          .arg(tens % 6 * 10)
                    : QCoreApplication::translate("RunTimes", "about %1 h left").arg(tens / 6);
}
