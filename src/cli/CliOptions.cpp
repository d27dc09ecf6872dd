#include "CliOptions.h"

#include "InputFiles.h"

#include <QCommandLineParser>

namespace {

bool parseIntInRange(const QString &text, int low, int high, int *value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *value = v;
    return true;
}

CliRequest usageError(const QString &message)
{
    CliRequest request;
    request.action = CliRequest::Action::UsageError;
    request.error = message;
    return request;
}

} // namespace

CliRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts photographs in one run: turns them upright, resizes them, and writes them in the\n"
        "chosen format with their metadata into a folder, never replacing an existing file."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Output folder (created when missing)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("jpeg, png, gif or tiff (default jpeg)."),
                                    QStringLiteral("FORMAT"), QStringLiteral("jpeg"));
    const QCommandLineOption quality(QStringLiteral("quality"),
                                     QStringLiteral("JPEG quality, 0-100 (default 85)."), QStringLiteral("Q"),
                                     QStringLiteral("85"));
    const QCommandLineOption naming(QStringLiteral("naming"),
                                    QStringLiteral("keep (current names), new (title + number) or append "
                                                   "(current name + title); default keep."),
                                    QStringLiteral("MODE"), QStringLiteral("keep"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("The title for --naming new or append."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption width(QStringLiteral("width"), QStringLiteral("Resize to this width, 1-6000."),
                                   QStringLiteral("N"));
    const QCommandLineOption height(QStringLiteral("height"),
                                    QStringLiteral("Resize to this height, 1-6000."), QStringLiteral("N"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("Files converted at once (default: one per core)."),
                                  QStringLiteral("N"));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"), QStringLiteral("Print the output names a run would give; write nothing."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Print failures only."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOptions(
        {output, format, quality, naming, title, width, height, jobs, dryRun, quiet, help, version});
    parser.addPositionalArgument(QStringLiteral("INPUT"),
                                 QStringLiteral("Image files, or folders whose image files are converted."),
                                 QStringLiteral("INPUT..."));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    CliRequest request;
    request.helpText = parser.helpText();
    if (parser.isSet(help)) {
        request.action = CliRequest::Action::ShowHelp;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CliRequest::Action::ShowVersion;
        return request;
    }

    OptionControls controls;
    const QString formatName = parser.value(format).toLower();
    const QStringList formats = {QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif"),
                                 QStringLiteral("tiff")};
    controls.formatIndex = int(formats.indexOf(formatName));
    if (formatName == QLatin1String("jpg"))
        controls.formatIndex = 0;
    else if (formatName == QLatin1String("tif"))
        controls.formatIndex = 3;
    if (controls.formatIndex < 0)
        return usageError(
            QStringLiteral("unknown format '%1' (jpeg, png, gif or tiff)").arg(parser.value(format)));

    int q = 85;
    if (!parseIntInRange(parser.value(quality), 0, 100, &q))
        return usageError(QStringLiteral("--quality takes a number from 0 to 100"));
    controls.jpegQuality = float(q) / 100.0f;

    const QString mode = parser.value(naming);
    controls.currentNamesState = mode == QLatin1String("keep") ? 1 : 0;
    controls.newNameState = mode == QLatin1String("new") ? 1 : 0;
    controls.addTextState = mode == QLatin1String("append") ? 1 : 0;
    if (!controls.currentNamesState && !controls.newNameState && !controls.addTextState)
        return usageError(QStringLiteral("unknown naming '%1' (keep, new or append)").arg(mode));
    controls.title = parser.value(title);

    if (parser.isSet(width) && parser.isSet(height))
        return usageError(QStringLiteral("give --width or --height, not both"));
    int size = 0;
    if (parser.isSet(width)) {
        if (!parseIntInRange(parser.value(width), 1, 6000, &size))
            return usageError(QStringLiteral("--width takes a number from 1 to 6000"));
        controls.widthText = QString::number(size);
    }
    if (parser.isSet(height)) {
        if (!parseIntInRange(parser.value(height), 1, 6000, &size))
            return usageError(QStringLiteral("--height takes a number from 1 to 6000"));
        controls.heightText = QString::number(size);
    }

    int workers = 0;
    if (parser.isSet(jobs) && !parseIntInRange(parser.value(jobs), 1, 256, &workers))
        return usageError(QStringLiteral("--jobs takes a number from 1 to 256"));

    if (!parser.isSet(output))
        return usageError(QStringLiteral("an output folder is required (-o DIR)"));
    if (parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("no input files"));

    request.rawInputs = parser.positionalArguments();
    request.job.inputs = expandInputs(request.rawInputs);
    request.job.options = ConversionOptions::fromControls(controls);
    request.job.outputFolder = parser.value(output);
    request.job.workers = workers;
    request.job.dryRun = parser.isSet(dryRun);
    request.quiet = parser.isSet(quiet);
    return request;
}
