#include "CliFlags.h"

#include "options/ConversionOptions.h"
#include "settings/SettingsSchema.h"
#include "settings/StoredForms.h"

#include <QColor>
#include <QCoreApplication>

#include <cmath>

namespace {

QString orList(const QStringList &items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return QCoreApplication::translate("CliFlags", "%1 or %2")
        .arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")), items.last());
}

// "white" for #ffffff: the colour's SVG name when it has one, else its hex form.
QString colorName(const QColor &color)
{
    for (const QString &name : QColor::colorNames())
        if (QColor(name).rgba() == color.rgba())
            return name;
    return color.name();
}

QString defaultOf(const SettingRow &row)
{
    switch (row.flagValue) {
    case FlagValue::Percent:
        return QString::number(std::lround(row.defaultNumber * 100.0));
    case FlagValue::Choice:
        for (int i = 0; i < row.choiceCount; ++i)
            if (!row.choices[i].alias && row.choices[i].value == int(row.defaultNumber))
                return QString::fromLatin1(row.choices[i].word);
        return QString();
    case FlagValue::Color: {
        const std::optional<QColor> color = decodeColor(row.defaultText);
        return color ? colorName(*color) : QString();
    }
    default:
        return QString();
    }
}

} // namespace

QString choiceWords(const SettingRow &row, bool withMeanings)
{
    QStringList words;
    for (int i = 0; i < row.choiceCount; ++i) {
        const SettingChoice &choice = row.choices[i];
        if (choice.alias)
            continue;
        QString word = QString::fromLatin1(choice.word);
        if (withMeanings && choice.meaning)
            word += QStringLiteral(" (%1)").arg(schemaText(choice.meaning));
        words << word;
    }
    return orList(words);
}

QString flagHelp(const SettingRow &row)
{
    QString text = schemaText(row.help);
    switch (row.flagValue) {
    case FlagValue::Size:
        text += QStringLiteral(", 1-%1").arg(kMaxResizeSide);
        break;
    case FlagValue::SizePair:
        text += QCoreApplication::translate("CliFlags", ", each 1-%1").arg(kMaxResizeSide);
        break;
    case FlagValue::Number:
        text += QStringLiteral(", 1-%1").arg(row.max);
        break;
    case FlagValue::Percent:
        text += QStringLiteral(", 0-100");
        break;
    case FlagValue::Choice:
        text += QStringLiteral(": ") + choiceWords(row, true);
        break;
    case FlagValue::Color:
        text += QCoreApplication::translate("CliFlags", ": #RRGGBB or a colour name");
        break;
    case FlagValue::None:
    case FlagValue::Text:
    case FlagValue::Picture:
    case FlagValue::Switches:
        break;
    }
    const QString byDefault = defaultOf(row);
    if (!byDefault.isEmpty())
        text += QCoreApplication::translate("CliFlags", " (default %1)").arg(byDefault);
    return text + QLatin1Char('.');
}

const QList<CliFlag> &cliFlags()
{
    static const QList<CliFlag> flags = [] {
        QList<CliFlag> list = {
            {{QStringLiteral("o"), QStringLiteral("output")},
             QStringLiteral("DIR"),
             QCoreApplication::translate("CliFlags", "Output folder (created when missing).")},
            {{QStringLiteral("settings")},
             QString(),
             QCoreApplication::translate(
                 "CliFlags",
                 "Start from the options saved by the Pressmark window (or, as --settings=FILE, from "
                 "that settings file); the flags given here override them.")},
            {{QStringLiteral("settings-file")}, QStringLiteral("FILE"), QString(), nullptr, true},
            {{QStringLiteral("preset")},
             QStringLiteral("NAME|FILE"),
             QCoreApplication::translate(
                 "CliFlags", "Start from a preset: one saved by name (in the window, or with --save-preset) "
                             "or a preset file. A value that names an existing file is that file; else the "
                             "saved preset of that name; else, when it holds a / or ends in .ini, a file "
                             "(said to be missing). The preset sets the options it holds "
                             "over the shipped defaults, or over --settings when both are given; the flags "
                             "given here override both.")},
            {{QStringLiteral("list-presets")},
             QString(),
             QCoreApplication::translate("CliFlags", "Print the names of the saved presets, one per line.")},
            {{QStringLiteral("save-preset")},
             QStringLiteral("NAME"),
             QCoreApplication::translate(
                 "CliFlags", "Save the options this command line gives (--settings, --preset and the option "
                             "flags) as the preset NAME, and convert nothing. A preset of that name is "
                             "replaced only with --replace-preset.")},
            {{QStringLiteral("replace-preset")},
             QString(),
             QCoreApplication::translate("CliFlags",
                                         "Let --save-preset replace the preset of the same name.")},
            {{QStringLiteral("jobs")},
             QStringLiteral("N"),
             QCoreApplication::translate("CliFlags",
                                         "Files converted at once, 1-256 (default: one per core).")},
            {{QStringLiteral("memory")},
             QStringLiteral("MB"),
             QCoreApplication::translate(
                 "CliFlags", "Memory the files at work may take together, in MiB; files wait for their "
                             "turn beyond it, and a larger file runs alone (default: a quarter of the "
                             "computer's memory).")},
            {{QStringLiteral("recursive")},
             QString(),
             QCoreApplication::translate(
                 "CliFlags", "A folder stands for the pictures of its whole tree, written into the same "
                             "subfolders of the output folder (symbolic links to folders are not followed, "
                             "hidden folders and files are passed over, each file is taken once).")},
            {{QStringLiteral("dry-run")},
             QString(),
             QCoreApplication::translate("CliFlags",
                                         "Print the output names a run would give; write nothing.")},
            {{QStringLiteral("quiet")},
             QString(),
             QCoreApplication::translate("CliFlags", "Print failures only.")},
            {{QStringLiteral("files-from")},
             QStringLiteral("FILE"),
             QCoreApplication::translate(
                 "CliFlags", "Convert the paths listed in FILE as well, one a line ('-' reads standard "
                             "input); relative paths are read from the current folder.")},
            {{QStringLiteral("0"), QStringLiteral("null")},
             QString(),
             QCoreApplication::translate(
                 "CliFlags", "The --files-from list is separated by NUL bytes (as find -print0 writes it).")},
            {{QStringLiteral("report")},
             QStringLiteral("FILE"),
             QCoreApplication::translate(
                 "CliFlags", "Write a report in JSON lines to FILE: one object per input (its output, "
                             "status, reason, size, metadata, notes, time), then a summary.")},
            {{QStringLiteral("skip-existing")},
             QString(),
             QCoreApplication::translate(
                 "CliFlags", "Skip an input whose output name (as --dry-run gives it, before a \"(copy)\" "
                             "suffix) is already in the output folder: an interrupted run goes on where "
                             "it stopped.")},
            {{QStringLiteral("shard")},
             QStringLiteral("K/N"),
             QCoreApplication::translate(
                 "CliFlags", "Convert only the inputs at list positions p with p mod N = K-1; the names "
                             "are those of the whole list, so N shards writing into one folder give the "
                             "names of one run. Every shard must be given the same inputs and options.")},
        };
        for (const SettingRow &row : settingRows()) {
            if (row.flag)
                list.append({{QString::fromLatin1(row.flag)},
                             QString::fromLatin1(row.valueName),
                             flagHelp(row),
                             &row});
            if (row.flagValue == FlagValue::Switches)
                for (int i = 0; i < row.choiceCount; ++i)
                    list.append({{QString::fromLatin1(row.choices[i].word)},
                                 QString(),
                                 schemaText(row.choices[i].meaning) + QLatin1Char('.'),
                                 &row,
                                 row.choices[i].alias});
        }
        list.append({{QStringLiteral("h"), QStringLiteral("help")},
                     QString(),
                     QCoreApplication::translate("CliFlags", "Show this help.")});
        list.append({{QStringLiteral("v"), QStringLiteral("version")},
                     QString(),
                     QCoreApplication::translate("CliFlags", "Show the version.")});
        list.append({{QStringLiteral("man")},
                     QString(),
                     QCoreApplication::translate("CliFlags", "Print the manual page (troff)."),
                     nullptr,
                     true});
        list.append(
            {{QStringLiteral("completion")},
             QStringLiteral("SHELL"),
             QCoreApplication::translate("CliFlags", "Print the completion script for bash, zsh or fish."),
             nullptr,
             true});
        return list;
    }();
    return flags;
}
