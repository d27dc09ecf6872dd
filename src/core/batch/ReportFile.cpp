#include "batch/ReportFile.h"

#include "batch/ConversionReport.h"
#include "batch/OutputFolder.h"
#include "batch/PendingFile.h"
#include "common/FileName.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString statusWord(FileStatus status, bool dryRun)
{
    switch (status) {
    case FileStatus::Written:
        return dryRun ? QStringLiteral("planned") : QStringLiteral("written");
    case FileStatus::Failed:
        return QStringLiteral("failed");
    case FileStatus::Skipped:
        return QStringLiteral("skipped");
    case FileStatus::NotStarted:
        break;
    }
    return QStringLiteral("not started");
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(readableFileName(text));
}

QJsonValue numberOrNull(qint64 number, bool applies)
{
    return applies ? QJsonValue(double(number)) : QJsonValue(QJsonValue::Null);
}

QJsonArray texts(const QStringList &lines)
{
    QJsonArray array;
    for (const QString &line : lines)
        array.append(readableFileName(line));
    return array;
}

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

QByteArray reportLines(const ConversionReport &report)
{
    QByteArray out;
    qint64 totalBytes = 0;
    for (const FileResult &file : report.files) {
        const bool written = file.status == FileStatus::Written && !report.dryRun;
        const bool failed = file.status == FileStatus::Failed;
        totalBytes += written ? file.bytes : 0;
        QJsonObject object;
        object.insert(QStringLiteral("type"), QStringLiteral("file"));
        object.insert(QStringLiteral("position"), file.index + 1);
        object.insert(QStringLiteral("input"), readableFileName(file.input));
        object.insert(QStringLiteral("status"), statusWord(file.status, report.dryRun));
        object.insert(QStringLiteral("output"), textOrNull(file.output));
        object.insert(QStringLiteral("reason"),
                      failed ? QJsonValue(failureReasonText(file.failure.reason)) : QJsonValue::Null);
        object.insert(QStringLiteral("detail"), failed ? textOrNull(file.failure.detail) : QJsonValue::Null);
        object.insert(QStringLiteral("bytes"), numberOrNull(file.bytes, written));
        object.insert(QStringLiteral("width"), numberOrNull(file.pixels.width(), written));
        object.insert(QStringLiteral("height"), numberOrNull(file.pixels.height(), written));
        object.insert(QStringLiteral("metadata_written"),
                      written ? QJsonValue(file.metadataWritten) : QJsonValue::Null);
        object.insert(QStringLiteral("metadata_removed"),
                      written ? QJsonValue(file.metadataRemoved) : QJsonValue::Null);
        object.insert(QStringLiteral("profile_written"),
                      written ? QJsonValue(file.profileWritten) : QJsonValue::Null);
        object.insert(QStringLiteral("notes"), texts(file.notes));
        object.insert(QStringLiteral("milliseconds"),
                      numberOrNull(file.milliseconds, written || (failed && !report.dryRun)));
        out += line(object);
    }
    QJsonObject summary;
    summary.insert(QStringLiteral("type"), QStringLiteral("summary"));
    summary.insert(QStringLiteral("version"), QStringLiteral(PRESSMARK_VERSION));
    summary.insert(QStringLiteral("shard"),
                   QStringLiteral("%1/%2").arg(report.shardIndex + 1).arg(report.shardCount));
    summary.insert(QStringLiteral("list"), report.listSize);
    summary.insert(QStringLiteral("inputs"), int(report.files.size()));
    summary.insert(QStringLiteral("written"), report.writtenCount());
    summary.insert(QStringLiteral("failed"), report.failedCount());
    summary.insert(QStringLiteral("skipped"), report.skippedCount());
    summary.insert(QStringLiteral("not_started"), report.notStartedCount());
    summary.insert(QStringLiteral("bytes"), double(totalBytes));
    summary.insert(QStringLiteral("milliseconds"), double(report.milliseconds));
    summary.insert(QStringLiteral("dry_run"), report.dryRun);
    summary.insert(QStringLiteral("cancelled"), report.cancelled);
    summary.insert(QStringLiteral("stopped"), textOrNull(report.stopped));
    summary.insert(QStringLiteral("notes"), texts(report.notes));
    out += line(summary);
    return out;
}

Failure writeReportFile(const QString &path, const ConversionReport &report)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0    ? QStringLiteral(".")
                           : slash == 0 ? QStringLiteral("/")
                                        : path.left(slash);
    const QString name = path.mid(slash + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("ReportFile", "%1 is not a file name").arg(path));
    Result<std::shared_ptr<const OutputFolder>> opened = OutputFolder::open(folder);
    if (!opened.ok())
        return opened.failure();
    Result<PendingFile> written =
        PendingFile::write(opened.value(), reportLines(report), PendingFile::Kind::NamedTemporary);
    if (!written.ok())
        return written.failure();
    const Result<QString> placed = written.value().replace(name);
    return placed.ok() ? Failure() : placed.failure();
}
