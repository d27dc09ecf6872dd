#include "CliFlags.h"

#include "common/RoffText.h"
#include "options/ConversionOptions.h"
#include "settings/SettingsSchema.h"

namespace {

QString flagLine(const CliFlag &flag)
{
    QStringList names;
    for (const QString &name : flag.names)
        names << QStringLiteral("\\fB%1%2\\fR")
                     .arg(name.size() == 1 ? QStringLiteral("\\-") : QStringLiteral("\\-\\-"),
                          roffText(name));
    QString line = names.join(QStringLiteral(", "));
    if (!flag.valueName.isEmpty())
        line += QStringLiteral(" \\fI%1\\fR").arg(roffText(flag.valueName));
    return line;
}

QString storedDefault(const SettingRow &row)
{
    switch (row.type) {
    case SettingType::Integer:
        return QString::number(int(row.defaultNumber));
    case SettingType::Fraction:
        return QString::number(row.defaultNumber);
    case SettingType::Picture:
        return QStringLiteral("none (the shipped logo)");
    default:
        return row.defaultText[0] ? QString::fromUtf8(row.defaultText) : QStringLiteral("empty");
    }
}

QString typeName(const SettingRow &row)
{
    switch (row.type) {
    case SettingType::Integer:
        return QStringLiteral("integer %1 to %2").arg(row.min).arg(row.max);
    case SettingType::Fraction:
        return QStringLiteral("fraction 0 to 1");
    case SettingType::Text:
        return QStringLiteral("text");
    case SettingType::SizeText:
        return QStringLiteral("digits, at most %1, or empty").arg(kMaxResizeSide);
    case SettingType::Color:
        return QStringLiteral("colour");
    case SettingType::Picture:
        return QStringLiteral("PNG picture");
    }
    return QString();
}

} // namespace

QString manPage(const QString &version)
{
    QString page;
    page += QStringLiteral(".TH PRESSMARK\\-CLI 1 \"\" \"Pressmark %1\" \"User Commands\"\n")
                .arg(roffText(version));
    page += QStringLiteral(
        ".SH NAME\npressmark\\-cli \\- convert a batch of photographs without replacing a file\n");
    page += QStringLiteral(".SH SYNOPSIS\n.B pressmark\\-cli\n[\\fIoptions\\fR] \\fB\\-o\\fR \\fIDIR\\fR "
                           "\\fIINPUT\\fR...\n");
    page += QStringLiteral(
        ".SH DESCRIPTION\n"
        "Every input is decoded, turned upright by its EXIF orientation, resized, stamped with the copyright "
        "lines, the logo and the watermark that are switched on, encoded as JPEG, PNG, GIF or TIFF and "
        "written "
        "into \\fIDIR\\fR with its metadata, under the first free name: an existing file is never replaced.\n"
        ".PP\n"
        "An \\fIINPUT\\fR that is a folder stands for the image files directly in it, sorted by name.\n"
        ".PP\n"
        "Without \\fB\\-\\-settings\\fR the options start from the shipped defaults, as a new user of the "
        "Pressmark window does; giving any flag of an overlay switches that overlay on.\n"
        ".PP\n"
        "A preset is a named set of options, saved in the window or with \\fB\\-\\-save\\-preset\\fR: a "
        "settings file holding only the option keys below, without the window's own (its place, the open "
        "section, the last folders). \\fB\\-\\-preset\\fR applies the keys it holds over the shipped "
        "defaults, or over \\fB\\-\\-settings\\fR; the flags override both. Keys a newer version "
        "wrote are left out with a note.\n");
    page += QStringLiteral(".SH OPTIONS\n");
    for (const CliFlag &flag : cliFlags()) {
        if (flag.hidden)
            continue;
        page += QStringLiteral(".TP\n%1\n%2\n").arg(flagLine(flag), roffText(flag.help));
    }
    page += QStringLiteral(".SH SETTINGS FILE\n"
                           "The window keeps its options in an INI file; \\fB\\-\\-settings\\fR reads it. "
                           "Its keys, their values "
                           "and the shipped defaults:\n");
    for (const SettingRow &row : settingRows()) {
        QString text =
            QStringLiteral("%1 (%2; default %3)")
                .arg(roffText(QString::fromUtf8(row.about)), typeName(row), roffText(storedDefault(row)));
        if (row.flag)
            text += QStringLiteral("; set by \\fB\\-\\-%1\\fR").arg(roffText(QString::fromLatin1(row.flag)));
        if (row.flagValue == FlagValue::Switches) {
            QStringList flags;
            for (int i = 0; i < row.choiceCount; ++i)
                if (!row.choices[i].alias)
                    flags << QStringLiteral("\\fB\\-\\-%1\\fR")
                                 .arg(roffText(QString::fromLatin1(row.choices[i].word)));
            text += QStringLiteral("; set by %1").arg(flags.join(QStringLiteral(" and ")));
        }
        if (row.windowState)
            text += QStringLiteral("; the window's own, never in a preset");
        page += QStringLiteral(".TP\n.B %1\n%2.\n").arg(roffText(row.keyName()), text);
    }
    page += QStringLiteral(
        ".SH EXIT STATUS\n"
        "0 when every input was written, 1 when any failed (the others are still written), 2 for bad usage "
        "(nothing is written).\n"
        ".SH FILES\n"
        ".TP\n.I ~/.config/pressmark/pressmark.conf\n"
        "The options the Pressmark window saved (under \\fB$XDG_CONFIG_HOME\\fR when that is set).\n"
        ".TP\n.I ~/.config/pressmark/presets/NAME.ini\n"
        "The saved presets, one file each; in a file's name, %, /, \\e and a leading dot of the preset's "
        "name are written as %XX.\n"
        ".SH ENVIRONMENT\n"
        ".TP\n.B QT_LOGGING_RULES\n"
        "\\fBpressmark.conversion.info=true\\fR prints a line for every converted picture.\n"
        ".SH SEE ALSO\n"
        ".BR pressmark (1)\n");
    return page;
}
