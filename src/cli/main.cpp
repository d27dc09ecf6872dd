// pressmark-cli: the batch conversion, headless.
#include "CliFlags.h"
#include "CliOptions.h"
#include "ProgressBar.h"
#include "batch/ConversionRunner.h"
#include "batch/InputFiles.h"
#include "batch/ReportFile.h"
#include "common/FileName.h"
#include "settings/PresetStore.h"

#include "common/Translations.h"

#include <QGuiApplication>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace {

std::atomic<ConversionRunner *> g_runner {nullptr};

// The first Ctrl+C lets the files in flight finish; a second ends the program at once (their
// unnamed temporary files vanish with it, so nothing half-written is left).
std::atomic<int> g_interrupts {0};

extern "C" void onInterrupt(int signal)
{
    if (g_interrupts.fetch_add(1) > 0)
        ::_exit(128 + signal);
    if (ConversionRunner *runner = g_runner.load())
        runner->cancel();
}

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

// A file name as it may be printed: control characters (a newline, an escape sequence) as
// \n, \t or \xHH, so a name cannot forge lines or drive the terminal; bytes that are not
// UTF-8 as \xHH too.
QString printable(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const ushort u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (const int byte = escapedByte(name, i); byte >= 0)
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

void printError(const QString &input, const QString &message)
{
    printLine(stderr, QStringLiteral("pressmark-cli: %1: %2").arg(printable(input), message));
}

// Only this program's own lines reach the terminal: image plugins warn about every odd file,
// and the failure is already reported as the file's reason.
void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool own = context.category && qstrncmp(context.category, "pressmark", 9) == 0;
    if (!own && type != QtCriticalMsg && type != QtFatalMsg)
        return;
    // The settings store's warnings come back as notes, printed once as the program's own lines.
    if (own && qstrcmp(context.category, "pressmark.settings") == 0 && type == QtWarningMsg)
        return;
    const QByteArray bytes = message.toLocal8Bit();
    if (own)
        std::fprintf(stderr, "%s: %s\n", context.category, bytes.constData());
    else
        std::fprintf(stderr, "%s\n", bytes.constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(filterMessages);
    // Text needs a GUI application; it never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pressmark-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PRESSMARK_VERSION));
    // Arguments as the bytes they are: a file name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodeFileName(QByteArray(argv[i]));
    // The manual page is written at build time, in English ("--man") or in the language asked
    // ("--man=de"), whatever the builder's own.
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--completion")) {
        // Written at build time too; its descriptions stay in English.
    } else if (arguments.size() == 2 && arguments[1].startsWith(QLatin1String("--man"))) {
        const QString language = arguments[1].section(QLatin1Char('='), 1);
        if (!language.isEmpty())
            installTranslations(app, {language});
        arguments[1] = QStringLiteral("--man");
    } else {
        installTranslations(app);
    }
    const CliRequest request = parseCommandLine(arguments);
    switch (request.action) {
    case CliRequest::Action::ShowHelp:
        printLine(stdout, request.helpText);
        return 0;
    case CliRequest::Action::ShowManPage:
        std::fputs(manPage(QStringLiteral(PRESSMARK_VERSION)).toUtf8().constData(), stdout);
        return 0;
    case CliRequest::Action::ShowCompletion:
        std::fputs(completionScript(request.completionShell).toUtf8().constData(), stdout);
        return 0;
    case CliRequest::Action::ShowVersion:
        printLine(stdout, QStringLiteral("pressmark-cli %1").arg(QStringLiteral(PRESSMARK_VERSION)));
        return 0;
    case CliRequest::Action::UsageError:
        printLine(stderr, QStringLiteral("pressmark-cli: %1").arg(request.error));
        printLine(stderr, QCoreApplication::translate("CommandLine",
                                                      "Try 'pressmark-cli --help' for more information."));
        return 2;
    case CliRequest::Action::ListPresets:
        for (const QString &name : request.presetNames)
            printLine(stdout, printable(name));
        return 0;
    case CliRequest::Action::SavePreset: {
        for (const QString &note : request.notes)
            printLine(stderr, QStringLiteral("pressmark-cli: ") + note);
        PresetStore store(PresetStore::userFolder());
        if (!request.replacePreset && store.contains(request.presetName)) {
            printLine(stderr,
                      QCoreApplication::translate(
                          "CommandLine", "pressmark-cli: a preset named %1 exists; give --replace-preset "
                                         "to replace it")
                          .arg(printable(request.presetName)));
            return 2;
        }
        const Failure failure =
            store.save(request.presetName, request.presetValues,
                       request.replacePreset ? PresetStore::Replace::Yes : PresetStore::Replace::No);
        if (failure.failed()) {
            printLine(stderr, QCoreApplication::translate("CommandLine",
                                                          "pressmark-cli: the preset %1 was not saved: %2")
                                  .arg(printable(request.presetName), failure.detail));
            return 1;
        }
        if (!request.quiet)
            printLine(stdout, QCoreApplication::translate("CommandLine", "saved the preset %1")
                                  .arg(printable(request.presetName)));
        return 0;
    }
    case CliRequest::Action::Convert:
        break;
    }

    const ConversionJob &job = request.job;
    // A report that could not be written is said before the run, not after hours of it.
    if (!request.reportPath.isEmpty()) {
        const int slash = request.reportPath.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QStringLiteral(".") : request.reportPath.left(std::max(slash, 1));
        const PathKind there = pathKind(request.reportPath);
        if (pathKind(folder) != PathKind::Folder || (there != PathKind::Missing && there != PathKind::File)) {
            printLine(
                stderr,
                QCoreApplication::translate("CommandLine", "pressmark-cli: cannot write the report %1: %2")
                    .arg(printable(request.reportPath),
                         pathKind(folder) != PathKind::Folder
                             ? QCoreApplication::translate("CommandLine", "its folder is not there")
                             : QCoreApplication::translate("CommandLine", "it is not a regular file")));
            return 2;
        }
    }
    if (const int error = job.dryRun ? 0 : makeFolders(job.outputFolder)) {
        printLine(stderr,
                  QCoreApplication::translate("CommandLine",
                                              "pressmark-cli: cannot create the output folder %1: %2")
                      .arg(printable(job.outputFolder), QString::fromLocal8Bit(std::strerror(error))));
        return 2;
    }
    if (!job.dryRun && pathKind(job.outputFolder) != PathKind::Folder) {
        printLine(stderr, QCoreApplication::translate("CommandLine", "pressmark-cli: %1 is not a folder")
                              .arg(printable(job.outputFolder)));
        return 2;
    }

    for (const QString &note : request.notes)
        printLine(stderr, QStringLiteral("pressmark-cli: ") + note);
    for (const QString &path : request.skipped)
        printError(path, QCoreApplication::translate("CommandLine", "skipped: not a regular file"));

    // A folder that gave nothing to convert, or could not be read, is said, and makes the run a failure.
    for (const QString &folder : request.unreadable)
        printLine(stderr,
                  QCoreApplication::translate("CommandLine", "pressmark-cli: cannot read the folder %1")
                      .arg(printable(folder)));
    for (const QString &input : request.emptyFolders)
        printLine(stderr, QCoreApplication::translate("CommandLine", "pressmark-cli: no image files in %1")
                              .arg(printable(input)));
    const bool emptyFolder = !request.emptyFolders.isEmpty() || !request.unreadable.isEmpty();
    if (job.inputs.isEmpty()) {
        printLine(stderr, QCoreApplication::translate("CommandLine", "pressmark-cli: nothing to convert"));
        return 1;
    }

    ConversionRunner runner(job);
    std::mutex printing;
    std::optional<ProgressBar> bar;
    if (!request.quiet && isatty(STDERR_FILENO))
        bar.emplace(stderr, runner.total());
    int finished = 0;

    runner.setFileFinishedHandler([&](const FileResult &result) {
        std::lock_guard<std::mutex> lock(printing);
        ++finished;
        if (bar)
            bar->clear();
        if (result.status == FileStatus::Written) {
            if (!request.quiet)
                printLine(stdout,
                          QStringLiteral("%1 -> %2").arg(printable(result.input), printable(result.output)));
        } else if (result.status == FileStatus::Skipped) {
            if (!request.quiet)
                printLine(stdout,
                          QCoreApplication::translate("CommandLine", "%1 -> %2 (skipped: output exists)")
                              .arg(printable(result.input), printable(result.output)));
        } else {
            printError(result.input, result.failure.text());
        }
        if (!request.quiet)
            for (const QString &note : result.notes)
                printError(result.input, QCoreApplication::translate("CommandLine", "note: ") + note);
        std::fflush(stdout);
        if (bar)
            bar->update(finished);
    });

    g_runner.store(&runner);
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    const ConversionReport report = runner.run();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_runner.store(nullptr);
    if (bar)
        bar->clear();

    if (!request.quiet)
        for (const QString &note : report.notes)
            printLine(stderr, QCoreApplication::translate("CommandLine", "pressmark-cli: note: ") + note);
    if (!report.stopped.isEmpty())
        printLine(stderr, QStringLiteral("pressmark-cli: ") + report.stopped);
    bool reportWritten = true;
    if (!request.reportPath.isEmpty()) {
        const Failure failure = writeReportFile(request.reportPath, report);
        if (failure.failed()) {
            printError(request.reportPath,
                       QCoreApplication::translate("CommandLine", "the report could not be written: ") +
                           failure.text());
            reportWritten = false;
        }
    }
    if (!request.quiet) {
        QString summary = QCoreApplication::translate("CommandLine", "%1 converted, %2 failed")
                              .arg(report.writtenCount())
                              .arg(report.failedCount());
        if (report.skippedCount() > 0)
            summary += QCoreApplication::translate("CommandLine", ", %1 skipped (output exists)")
                           .arg(report.skippedCount());
        if (report.cancelled)
            summary += QCoreApplication::translate("CommandLine", ", %1 not started (cancelled)")
                           .arg(report.notStartedCount());
        else if (!report.stopped.isEmpty())
            summary +=
                QCoreApplication::translate("CommandLine", ", %1 not started").arg(report.notStartedCount());
        printLine(stdout, summary);
    }
    const bool allDone = report.writtenCount() + report.skippedCount() == runner.total();
    return allDone && !emptyFolder && reportWritten ? 0 : 1;
}
