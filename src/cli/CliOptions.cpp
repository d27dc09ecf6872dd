#include "CliOptions.h"

#include "CliFlags.h"
#include "batch/InputFiles.h"
#include "batch/InputList.h"
#include "batch/NameTemplate.h"
#include "options/OptionsFromSettings.h"
#include "pipeline/DecodeUpright.h"
#include "settings/PresetStore.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedLogo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <map>

namespace {

constexpr int kMaxJobs = 256;
constexpr int kMaxMemoryMiB = 16 * 1024 * 1024; // 16 TiB
constexpr int kMaxShards = 1000000;

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
    if (!file.open(QIODevice::ReadOnly) || !file.peek(64).trimmed().startsWith('['))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    for (const SettingRow &row : settingRows())
        if (settings.contains(row.keyName()))
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

// The size flags set only the field that governs; the window also shows the resize box ticked
// and that field's side or mode chosen, so a preset saved here looks in the window as it resizes.
void showSizeAsTheWindowDoes(AppSettings &values)
{
    struct Shown {
        Setting field;
        Setting side;
        int otherMode; // -1: not one of the other modes
    };
    const Shown order[] = {
        {Setting::WidthText, Setting::WidthSide, -1},
        {Setting::HeightText, Setting::HeightSide, -1},
        {Setting::LongEdgeText, Setting::ResizeOtherSide, 0},
        {Setting::ShortEdgeText, Setting::ResizeOtherSide, 1},
        {Setting::FitWidthText, Setting::ResizeOtherSide, 2},
        {Setting::FitHeightText, Setting::ResizeOtherSide, 2},
        {Setting::ScalePercent, Setting::ResizeOtherSide, 3},
    };
    for (const Shown &shown : order) {
        const bool holds = shown.field == Setting::ScalePercent ? values.integer(shown.field) > 0
                                                                : !values.text(shown.field).isEmpty();
        if (!holds)
            continue;
        values.setInteger(Setting::Resize, 1);
        for (const Setting side : {Setting::WidthSide, Setting::HeightSide, Setting::ResizeOtherSide})
            values.setInteger(side, side == shown.side ? 1 : 0);
        if (shown.otherMode >= 0)
            values.setInteger(Setting::ResizeOtherMode, shown.otherMode);
        return;
    }
}

// Whether --preset's value is a file rather than a saved preset's name: an existing file; else
// a saved preset; else a value holding a '/' or ending in .ini (which is then said to be missing).
bool presetNamesFile(const QString &value, const PresetStore &saved)
{
    const QFileInfo info(value);
    if (info.exists() && !info.isDir())
        return true;
    if (saved.contains(value))
        return false;
    return value.contains(QLatin1Char('/')) || value.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive);
}

QString dashed(const char *flag)
{
    return QStringLiteral("--") + QLatin1String(flag);
}

// Puts a flag's value into its row; an error message when the value is not one it takes.
QString setFromFlag(const SettingRow &row, const QString &value, AppSettings &values)
{
    const QString flag = dashed(row.flag);
    int number = 0;
    switch (row.flagValue) {
    case FlagValue::None:
        break;
    case FlagValue::Text:
        if (!row.fits(value))
            return QCoreApplication::translate("CommandLine",
                                               "%1 is longer than a file name can hold (at most %2 bytes)")
                .arg(flag)
                .arg(row.maxBytes);
        values.setText(row.setting, value);
        break;
    case FlagValue::Size:
        if (!parseIntInRange(value, 1, kMaxResizeSide, &number))
            return QCoreApplication::translate("CommandLine", "%1 takes a number from 1 to %2")
                .arg(flag)
                .arg(kMaxResizeSide);
        values.setText(row.setting, QString::number(number));
        break;
    case FlagValue::SizePair: {
        const QStringList sides = value.split(QRegularExpression(QStringLiteral("[xX\\x{00d7}]")));
        int height = 0;
        if (sides.size() != 2 || !row.pairedWith ||
            !parseIntInRange(sides.at(0), 1, kMaxResizeSide, &number) ||
            !parseIntInRange(sides.at(1), 1, kMaxResizeSide, &height))
            return QCoreApplication::translate("CommandLine",
                                               "%1 takes WxH, two numbers from 1 to %2 (800x600), not '%3'")
                .arg(flag)
                .arg(kMaxResizeSide)
                .arg(value);
        values.setText(row.setting, QString::number(number));
        values.setText(*row.pairedWith, QString::number(height));
        break;
    }
    case FlagValue::Number:
        if (!parseIntInRange(value, 1, row.max, &number))
            return QCoreApplication::translate("CommandLine", "%1 takes a number from 1 to %2")
                .arg(flag)
                .arg(row.max);
        values.setInteger(row.setting, number);
        break;
    case FlagValue::Switches:
        break;
    case FlagValue::Percent:
        if (!parseIntInRange(value, 0, 100, &number))
            return QCoreApplication::translate("CommandLine", "%1 takes a number from 0 to 100").arg(flag);
        values.setFraction(row.setting, float(number) / 100.0f);
        break;
    case FlagValue::Choice: {
        int i = 0;
        while (i < row.choiceCount &&
               value.compare(QLatin1String(row.choices[i].word), Qt::CaseInsensitive) != 0)
            ++i;
        if (i == row.choiceCount)
            return QCoreApplication::translate("CommandLine", "%1 takes %2, not '%3'")
                .arg(flag, choiceWords(row, false), value);
        if (row.choiceSwitch)
            values.setInteger(*row.choiceSwitch, row.choices[i].switching ? 1 : 0);
        if (!row.choices[i].switching)
            values.setInteger(row.setting, row.choices[i].value);
        break;
    }
    case FlagValue::Color: {
        const QColor color(value);
        if (!color.isValid())
            return QCoreApplication::translate("CommandLine", "%1 takes #RRGGBB or a colour name, not '%2'")
                .arg(flag, value);
        values.setColor(row.setting, color);
        break;
    }
    case FlagValue::Picture: {
        const Result<QImage> picture = decodeUpright(value);
        if (!picture.ok())
            return QCoreApplication::translate("CommandLine", "cannot read the picture %1 for %2: %3")
                .arg(value, flag, picture.failure().text());
        values.setPicture(row.setting, picture.value());
        break;
    }
    }
    return QString();
}

// "K/N" with 1 <= K <= N: the 0-based shard and the count.
bool parseShard(const QString &text, int *index, int *count)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    int k = 0;
    int n = 0;
    if (parts.size() != 2 || !parseIntInRange(parts.at(1), 1, kMaxShards, &n) ||
        !parseIntInRange(parts.at(0), 1, n, &k))
        return false;
    *index = k - 1;
    *count = n;
    return true;
}

// The entries of a --files-from list; an error message when it cannot be read.
QString readInputList(const QString &path, bool nulSeparated, QStringList *entries)
{
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return QCoreApplication::translate("CommandLine", "cannot read the list %1: %2")
            .arg(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QCoreApplication::translate("CommandLine", "cannot read the list %1: %2")
            .arg(path, file.errorString());
    *entries = inputListEntries(bytes, nulSeparated);
    return QString();
}

} // namespace

CliRequest parseCommandLine(const QStringList &rawArguments)
{
    const QStringList arguments = normaliseSettingsArguments(rawArguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Converts photographs in one run: turns them upright, resizes them, and writes them in the\n"
        "chosen format with their metadata into a folder, never replacing an existing file."));
    std::map<QString, QCommandLineOption> options;
    for (const CliFlag &flag : cliFlags()) {
        QCommandLineOption option(flag.names, flag.help, flag.valueName);
        if (flag.hidden)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
        options.emplace(flag.names.last(), option);
    }
    parser.addPositionalArgument(
        QStringLiteral("INPUT"),
        QCoreApplication::translate("CommandLine",
                                    "Image files, or folders whose image files are converted."),
        QStringLiteral("INPUT..."));
    const auto isSet = [&](const char *name) { return parser.isSet(options.at(QLatin1String(name))); };
    const auto valueOf = [&](const char *name) { return parser.value(options.at(QLatin1String(name))); };

    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    CliRequest request;
    request.helpText = parser.helpText();
    if (isSet("help"))
        request.action = CliRequest::Action::ShowHelp;
    else if (isSet("version"))
        request.action = CliRequest::Action::ShowVersion;
    else if (isSet("man"))
        request.action = CliRequest::Action::ShowManPage;
    else if (isSet("completion")) {
        if (!completionShells().contains(valueOf("completion")))
            return usageError(QCoreApplication::translate("CommandLine", "--completion takes %1")
                                  .arg(completionShells().join(QStringLiteral(", "))));
        request.action = CliRequest::Action::ShowCompletion;
        request.completionShell = valueOf("completion");
    }
    if (request.action != CliRequest::Action::Convert)
        return request;
    if (isSet("list-presets")) {
        // Read, never created or written.
        const Result<QStringList> names =
            PresetStore(PresetStore::userFolder(), PresetStore::Access::ReadOnly).names();
        if (!names.ok())
            return usageError(QCoreApplication::translate("CommandLine", "the presets cannot be listed: %1")
                                  .arg(names.failure().detail));
        request.action = CliRequest::Action::ListPresets;
        request.presetNames = names.value();
        return request;
    }
    if (isSet("replace-preset") && !isSet("save-preset"))
        return usageError(
            QCoreApplication::translate("CommandLine", "--replace-preset goes with --save-preset NAME"));

    // The base: the shipped defaults, or saved settings; flags override either.
    const bool usingSettings = isSet("settings") || isSet("settings-file");
    AppSettings values = shippedSettings();
    if (usingSettings) {
        const QString path =
            isSet("settings-file") ? valueOf("settings-file") : SettingsStore::userFilePath();
        if (isSet("settings-file") && !QFileInfo::exists(path))
            return usageError(QCoreApplication::translate("CommandLine", "no settings file at %1").arg(path));
        // Read, never written: a file that cannot be used stops the run as it is.
        SettingsStore store(path, SettingsStore::Access::ReadOnly);
        values = store.load();
        if (!store.unreadableReason().isEmpty())
            return usageError(
                QCoreApplication::translate("CommandLine", "the settings file %1 cannot be read: %2")
                    .arg(path, store.unreadableReason()));
        request.notes << store.notes();
    }
    // A preset over that base: the options it holds.
    const bool usingPreset = isSet("preset");
    if (usingPreset) {
        const QString given = valueOf("preset");
        const PresetStore saved(PresetStore::userFolder(), PresetStore::Access::ReadOnly);
        const bool isFile = presetNamesFile(given, saved);
        const Result<Preset> preset = isFile ? PresetStore::readFile(given) : saved.load(given);
        if (!preset.ok()) {
            if (preset.failure().reason == FailureReason::Missing && !isFile)
                return usageError(preset.failure().detail +
                                  QCoreApplication::translate("CommandLine", " (--list-presets lists them)"));
            return usageError(QCoreApplication::translate("CommandLine", "the preset %1 cannot be used: %2")
                                  .arg(given, preset.failure().detail));
        }
        values = preset.value().appliedTo(values);
        for (const QString &note : preset.value().notes())
            request.notes << QCoreApplication::translate("CommandLine", "the preset %1: %2").arg(given, note);
    }

    QList<Setting> switchedOn;
    for (const SettingRow &row : settingRows()) {
        if (row.flagValue == FlagValue::Switches) {
            // One flag for each word: at most one of them.
            const SettingChoice *given = nullptr;
            for (int i = 0; i < row.choiceCount; ++i) {
                if (!isSet(row.choices[i].word))
                    continue;
                if (given)
                    return usageError(QCoreApplication::translate("CommandLine", "give %1 or %2, not both")
                                          .arg(dashed(given->word), dashed(row.choices[i].word)));
                given = &row.choices[i];
            }
            if (given)
                values.setInteger(row.setting, given->value);
            continue;
        }
        if (!row.flag || !isSet(row.flag))
            continue;
        const std::vector<Setting> resets = rowsResetBy(row);
        for (const Setting other : resets)
            if (settingRow(other).flag && isSet(settingRow(other).flag))
                return usageError(QCoreApplication::translate("CommandLine", "give %1 or %2, not both")
                                      .arg(dashed(row.flag), dashed(settingRow(other).flag)));
        const QString error = setFromFlag(row, valueOf(row.flag), values);
        if (!error.isEmpty())
            return usageError(error);
        for (const Setting other : resets)
            values.copy(other, shippedSettings());
        if (row.turnsOn && !switchedOn.contains(*row.turnsOn)) {
            values.setInteger(*row.turnsOn, 1);
            switchedOn << *row.turnsOn;
        }
    }
    // New names need the title they are made of; a template must be one.
    const bool byTemplate = values.integer(Setting::TemplateNaming) == 1;
    const int naming = values.integer(Setting::Naming);
    if (isSet("template") && isSet("naming") &&
        valueOf("naming").compare(QLatin1String("template"), Qt::CaseInsensitive) != 0)
        return usageError(
            QCoreApplication::translate("CommandLine", "--template is for --naming template, not --naming %1")
                .arg(valueOf("naming")));
    if (isSet("naming") && !byTemplate && (naming == 2 || naming == 3) &&
        values.text(Setting::Title).isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "--naming %1 needs a title (--title TEXT)")
                .arg(valueOf("naming")));
    if (byTemplate) {
        const NameTemplate name = NameTemplate::parse(values.text(Setting::TemplateText));
        if (values.text(Setting::TemplateText).isEmpty())
            return usageError(QCoreApplication::translate(
                "CommandLine", "--naming template needs a template (--template TEXT)"));
        if (!name.isValid())
            return usageError(
                QCoreApplication::translate("CommandLine", "the template '%1' cannot be used: %2")
                    .arg(values.text(Setting::TemplateText), name.error()));
    }
    // An overlay switched on here needs what it draws; one from saved settings has it already.
    if (switchedOn.contains(Setting::LogoOn) && !isSet("logo") && !usingSettings && !usingPreset)
        return usageError(QCoreApplication::translate("CommandLine", "the logo options need --logo FILE"));
    if (switchedOn.contains(Setting::WatermarkOn) && values.text(Setting::WatermarkText).isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "the watermark options need --watermark TEXT"));
    const int pattern = values.integer(Setting::CopyrightPattern);
    if (switchedOn.contains(Setting::CopyrightOn) && (pattern < 1 || pattern > 4))
        values.setInteger(Setting::CopyrightPattern, 1); // switched on without a pattern: the first
    if (isSet("save-preset")) {
        // The options as they are: no logo picture keeps meaning the shipped logo.
        if (!parser.positionalArguments().isEmpty() || isSet("output"))
            return usageError(QCoreApplication::translate(
                "CommandLine", "--save-preset converts nothing: leave out -o and the inputs"));
        const Result<QString> name = PresetStore::checkedName(valueOf("save-preset"));
        if (!name.ok())
            return usageError(
                QCoreApplication::translate("CommandLine", "--save-preset: %1").arg(name.failure().detail));
        showSizeAsTheWindowDoes(values);
        request.action = CliRequest::Action::SavePreset;
        request.presetName = name.value();
        request.presetValues = values;
        request.replacePreset = isSet("replace-preset");
        request.quiet = isSet("quiet");
        return request;
    }
    // As in the window, whose well holds the shipped logo until the settings give another.
    if (!values.picture(Setting::LogoPicture))
        values.setPicture(Setting::LogoPicture, shippedLogo());

    int workers = 0;
    if (isSet("jobs") && !parseIntInRange(valueOf("jobs"), 1, kMaxJobs, &workers))
        return usageError(
            QCoreApplication::translate("CommandLine", "--jobs takes a number from 1 to %1").arg(kMaxJobs));
    int memory = 0;
    if (isSet("memory") && !parseIntInRange(valueOf("memory"), 16, kMaxMemoryMiB, &memory))
        return usageError(
            QCoreApplication::translate("CommandLine", "--memory takes a number of MiB from 16 to %1")
                .arg(kMaxMemoryMiB));
    int shardIndex = 0;
    int shardCount = 1;
    if (isSet("shard") && !parseShard(valueOf("shard"), &shardIndex, &shardCount))
        return usageError(
            QCoreApplication::translate("CommandLine", "--shard takes K/N with 1 <= K <= N (2/4), not '%1'")
                .arg(valueOf("shard")));
    if (isSet("null") && !isSet("files-from"))
        return usageError(QCoreApplication::translate("CommandLine", "-0 is for the list of --files-from"));
    if (!isSet("output"))
        return usageError(
            QCoreApplication::translate("CommandLine", "an output folder is required (-o DIR)"));
    request.rawInputs = parser.positionalArguments();
    if (isSet("files-from")) {
        QStringList listed;
        const QString error = readInputList(valueOf("files-from"), isSet("null"), &listed);
        if (!error.isEmpty())
            return usageError(error);
        request.rawInputs << listed;
    }
    if (request.rawInputs.isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "no input files"));

    ExpandedInputs expanded = expandInputs(request.rawInputs, isSet("recursive"));
    request.job.inputs = expanded.inputs;
    request.job.subfolders = expanded.subfolders;
    request.skipped = expanded.skipped;
    request.unreadable = expanded.unreadable;
    request.emptyFolders = expanded.emptyFolders;
    // The installed fonts (fontconfig's whole reading of them) only when there is text to draw.
    request.job.options = optionsFromSettings(values, ConversionOptions(), FontChoices());
    if (request.job.options.watermark.active())
        request.job.options = optionsFromSettings(values, ConversionOptions(), FontChoices::installed());
    request.job.outputFolder = valueOf("output");
    request.job.workers = workers;
    request.job.memoryBudget = qint64(memory) << 20;
    request.job.dryRun = isSet("dry-run");
    request.job.shardIndex = shardIndex;
    request.job.shardCount = shardCount;
    request.job.skipExisting = isSet("skip-existing");
    request.reportPath = valueOf("report");
    request.quiet = isSet("quiet");
    return request;
}
