#include "CliOptions.h"

#include "pipeline/DecodeUpright.h"
#include "options/FontList.h"
#include "batch/InputFiles.h"
#include "overlay/WatermarkOverlay.h"
#include "options/SettingsOptions.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QSettings>

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

// Whether a file holds Pressmark settings, so "--settings FILE" can be told from
// "--settings PHOTO": an INI file with at least one of the settings keys.
bool holdsSettings(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.peek(64).trimmed().startsWith('[') )
        return false;
    QSettings settings(path, QSettings::IniFormat);
    for (const char *key : kSettingsKeys)
        if (settings.contains(QLatin1String(key)))
            return true;
    return false;
}

// "--settings FILE" and "--settings=FILE" become the hidden "--settings-file FILE".
QStringList normaliseSettingsArguments(const QStringList &arguments)
{
    QStringList out;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a.startsWith(QLatin1String("--settings="))) {
            out << QStringLiteral("--settings-file") << a.mid(11);
        } else if (a == QLatin1String("--settings") && i + 1 < arguments.size() &&
                   holdsSettings(arguments.at(i + 1))) {
            out << QStringLiteral("--settings-file") << arguments.at(++i);
        } else {
            out << a;
        }
    }
    return out;
}

} // namespace

CliRequest parseCommandLine(const QStringList &rawArguments)
{
    const QStringList arguments = normaliseSettingsArguments(rawArguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts photographs in one run: turns them upright, resizes them, and writes them in the\n"
        "chosen format with their metadata into a folder, never replacing an existing file."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Output folder (created when missing)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("jpeg, png, gif or tiff (default jpeg)."),
                                    QStringLiteral("FORMAT"));
    const QCommandLineOption quality(QStringLiteral("quality"),
                                     QStringLiteral("JPEG quality, 0-100 (default 85)."), QStringLiteral("Q"));
    const QCommandLineOption naming(QStringLiteral("naming"),
                                    QStringLiteral("keep (current names), new (title + number) or append "
                                                   "(current name + title); default keep."),
                                    QStringLiteral("MODE"));
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
    const QCommandLineOption logo(QStringLiteral("logo"), QStringLiteral("Stamp this picture as a logo."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption logoSize(
        QStringLiteral("logo-size"),
        QStringLiteral("small, medium or large: a fifth, a quarter or a third of "
                       "the picture (default medium)."),
        QStringLiteral("SIZE"));
    const QCommandLineOption logoPosition(
        QStringLiteral("logo-position"),
        QStringLiteral("top-left, top-right, bottom-left, bottom-right or center (default top-right)."),
        QStringLiteral("POSITION"));
    const QCommandLineOption logoOpacity(QStringLiteral("logo-opacity"),
                                         QStringLiteral("Logo opacity, 0-100 (default 80)."),
                                         QStringLiteral("PERCENT"));
    const QCommandLineOption watermark(QStringLiteral("watermark"),
                                       QStringLiteral("Write this text on the picture."),
                                       QStringLiteral("TEXT"));
    const QCommandLineOption font(QStringLiteral("font"),
                                  QStringLiteral("Watermark font family (default: the system's sans-serif)."),
                                  QStringLiteral("FAMILY"));
    const QCommandLineOption watermarkSize(
        QStringLiteral("watermark-size"),
        QStringLiteral(
            "small, medium, large or huge: the picture's width over 80, 40, 20 or 10 (default medium)."),
        QStringLiteral("SIZE"));
    const QCommandLineOption watermarkColor(QStringLiteral("watermark-color"),
                                            QStringLiteral("#RRGGBB or a colour name (default white)."),
                                            QStringLiteral("COLOR"));
    const QCommandLineOption watermarkOpacity(QStringLiteral("watermark-opacity"),
                                              QStringLiteral("Watermark opacity, 0-100 (default 60)."),
                                              QStringLiteral("PERCENT"));
    const QCommandLineOption watermarkPosition(
        QStringLiteral("watermark-position"),
        QStringLiteral("top-left, top-right, bottom-left, bottom-right, center, center-top or center-bottom "
                       "(default bottom-right)."),
        QStringLiteral("POSITION"));
    const QCommandLineOption copyright(
        QStringLiteral("copyright"),
        QStringLiteral("Copyright lines: diagonal, cross, horizontal or vertical."),
        QStringLiteral("PATTERN"));
    const QCommandLineOption copyrightColor(QStringLiteral("copyright-color"),
                                            QStringLiteral("#RRGGBB or a colour name (default white)."),
                                            QStringLiteral("COLOR"));
    const QCommandLineOption copyrightOpacity(QStringLiteral("copyright-opacity"),
                                              QStringLiteral("Copyright lines opacity, 0-100 (default 25)."),
                                              QStringLiteral("PERCENT"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Start from the options saved by the Pressmark window (or, as --settings=FILE, "
                       "from that settings file); the flags given here override them."));
    QCommandLineOption settingsFile(QStringLiteral("settings-file"), QString(), QStringLiteral("FILE"));
    settingsFile.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({settings, settingsFile});
    parser.addOptions({output,
                       format,
                       quality,
                       naming,
                       title,
                       width,
                       height,
                       jobs,
                       dryRun,
                       quiet,
                       logo,
                       logoSize,
                       logoPosition,
                       logoOpacity,
                       watermark,
                       font,
                       watermarkSize,
                       watermarkColor,
                       watermarkOpacity,
                       watermarkPosition,
                       copyright,
                       copyrightColor,
                       copyrightOpacity,
                       help,
                       version});
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

    // The base: the shipped defaults, or saved settings; flags override either.
    const bool usingSettings = parser.isSet(settings) || parser.isSet(settingsFile);
    const QString settingsPath = parser.isSet(settingsFile) ? parser.value(settingsFile) : SettingsStore::userFilePath();
    if (parser.isSet(settingsFile) && !QFileInfo(settingsPath).isFile())
        return usageError(QStringLiteral("no settings file at %1").arg(settingsPath));
    SettingsStore store(settingsPath);
    const AppSettings base = usingSettings ? store.load() : store.defaults();
    if (usingSettings && !store.errorString().isEmpty())
        request.notes << store.errorString();
    if (usingSettings && !store.problems().isEmpty())
        request.notes << QStringLiteral("settings replaced by their defaults: %1").arg(store.problems().join(u' '));
    OptionControls controls =
        optionControlsFromSettings(base, installedFontFamilies(), resolvedWatermarkFamily(QString()));

    const QString formatName = parser.isSet(format) ? parser.value(format).toLower() : QString();
    const QStringList formats = {QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif"),
                                 QStringLiteral("tiff")};
    if (parser.isSet(format)) {
        controls.formatIndex = int(formats.indexOf(formatName));
        if (formatName == QLatin1String("jpg"))
            controls.formatIndex = 0;
        else if (formatName == QLatin1String("tif"))
            controls.formatIndex = 3;
        if (controls.formatIndex < 0)
            return usageError(
                QStringLiteral("unknown format '%1' (jpeg, png, gif or tiff)").arg(parser.value(format)));
    }

    if (parser.isSet(quality)) {
        int q = 85;
        if (!parseIntInRange(parser.value(quality), 0, 100, &q))
            return usageError(QStringLiteral("--quality takes a number from 0 to 100"));
        controls.jpegQuality = float(q) / 100.0f;
    }

    if (parser.isSet(naming)) {
        const QString mode = parser.value(naming);
        controls.currentNamesState = mode == QLatin1String("keep") ? 1 : 0;
        controls.newNameState = mode == QLatin1String("new") ? 1 : 0;
        controls.addTextState = mode == QLatin1String("append") ? 1 : 0;
        if (!controls.currentNamesState && !controls.newNameState && !controls.addTextState)
            return usageError(QStringLiteral("unknown naming '%1' (keep, new or append)").arg(mode));
    }
    if (parser.isSet(title))
        controls.title = parser.value(title);

    if (parser.isSet(width) && parser.isSet(height))
        return usageError(QStringLiteral("give --width or --height, not both"));
    int size = 0;
    if (parser.isSet(width)) {
        if (!parseIntInRange(parser.value(width), 1, 6000, &size))
            return usageError(QStringLiteral("--width takes a number from 1 to 6000"));
        controls.widthText = QString::number(size);
        controls.heightText.clear();
    }
    if (parser.isSet(height)) {
        if (!parseIntInRange(parser.value(height), 1, 6000, &size))
            return usageError(QStringLiteral("--height takes a number from 1 to 6000"));
        controls.heightText = QString::number(size);
        controls.widthText.clear();
    }

    // Overlays: giving any of an overlay's flags turns it on, as its controls do in the app.
    const auto choose = [&](const QCommandLineOption &option, const QStringList &names, int first,
                            int *value) {
        if (!parser.isSet(option))
            return true;
        const int index = int(names.indexOf(parser.value(option)));
        if (index < 0)
            return false;
        *value = first + index;
        return true;
    };
    const auto percent = [&](const QCommandLineOption &option, float *value) {
        int p = 0;
        if (!parser.isSet(option))
            return true;
        if (!parseIntInRange(parser.value(option), 0, 100, &p))
            return false;
        *value = float(p) / 100.0f;
        return true;
    };
    const auto colour = [&](const QCommandLineOption &option, QColor *value) {
        if (!parser.isSet(option))
            return true;
        const QColor c(parser.value(option));
        if (!c.isValid())
            return false;
        *value = c;
        return true;
    };
    const QStringList sizes3 = {QStringLiteral("small"), QStringLiteral("medium"), QStringLiteral("large")};
    const QStringList corners = {QStringLiteral("top-left"), QStringLiteral("top-right"),
                                 QStringLiteral("bottom-left"), QStringLiteral("bottom-right"),
                                 QStringLiteral("center")};
    if (!choose(logoSize, sizes3, 0, &controls.logoSizeIndex))
        return usageError(QStringLiteral("--logo-size takes small, medium or large"));
    if (!choose(logoPosition, corners, 0, &controls.logoPosition))
        return usageError(QStringLiteral("unknown logo position '%1'").arg(parser.value(logoPosition)));
    if (!percent(logoOpacity, &controls.logoOpacity))
        return usageError(QStringLiteral("--logo-opacity takes a number from 0 to 100"));
    if (parser.isSet(logo)) {
        QString error;
        controls.logoImage = decodeUpright(parser.value(logo), &error);
        if (controls.logoImage.isNull())
            return usageError(QStringLiteral("cannot read the logo %1: %2").arg(parser.value(logo), error));
    }
    if (parser.isSet(logo) || parser.isSet(logoSize) || parser.isSet(logoPosition) ||
        parser.isSet(logoOpacity)) {
        if (!parser.isSet(logo) && !usingSettings)
            return usageError(QStringLiteral("the logo options need --logo FILE"));
        controls.enableLogoState = 1;
    }

    if (!choose(watermarkSize, sizes3 + QStringList {QStringLiteral("huge")}, 0,
                &controls.watermarkSizeIndex))
        return usageError(QStringLiteral("--watermark-size takes small, medium, large or huge"));
    if (!choose(watermarkPosition,
                corners + QStringList {QStringLiteral("center-top"), QStringLiteral("center-bottom")}, 0,
                &controls.watermarkPosition))
        return usageError(
            QStringLiteral("unknown watermark position '%1'").arg(parser.value(watermarkPosition)));
    if (!colour(watermarkColor, &controls.watermarkColor))
        return usageError(QStringLiteral("unknown colour '%1'").arg(parser.value(watermarkColor)));
    if (!percent(watermarkOpacity, &controls.watermarkOpacity))
        return usageError(QStringLiteral("--watermark-opacity takes a number from 0 to 100"));
    if (parser.isSet(watermark))
        controls.watermarkText = parser.value(watermark);
    if (parser.isSet(font))
        controls.watermarkFont = parser.value(font);
    for (const QCommandLineOption *option :
         {&watermark, &font, &watermarkSize, &watermarkColor, &watermarkOpacity, &watermarkPosition})
        if (parser.isSet(*option))
            controls.enableWatermarkState = 1;
    if (controls.enableWatermarkState && controls.watermarkText.isEmpty())
        return usageError(QStringLiteral("the watermark options need --watermark TEXT"));

    if (!choose(copyright,
                {QStringLiteral("diagonal"), QStringLiteral("cross"), QStringLiteral("horizontal"),
                 QStringLiteral("vertical")},
                1, &controls.copyrightPattern))
        return usageError(QStringLiteral("--copyright takes diagonal, cross, horizontal or vertical"));
    if (!colour(copyrightColor, &controls.copyrightColor))
        return usageError(QStringLiteral("unknown colour '%1'").arg(parser.value(copyrightColor)));
    if (!percent(copyrightOpacity, &controls.copyrightOpacity))
        return usageError(QStringLiteral("--copyright-opacity takes a number from 0 to 100"));
    if (parser.isSet(copyright) || parser.isSet(copyrightColor) || parser.isSet(copyrightOpacity)) {
        controls.enableCopyrightState = 1;
        if (controls.copyrightPattern < 1 || controls.copyrightPattern > 4)
            controls.copyrightPattern = 1; // switched on without a pattern starts with the first
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
