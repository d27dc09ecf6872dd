#include "CliFlags.h"

#include "common/RoffText.h"
#include "options/ConversionOptions.h"
#include "settings/SettingsSchema.h"

#include <QCoreApplication>

namespace {

// The page's words, translated in the context "ManPage".
class ManPageText {
    Q_DECLARE_TR_FUNCTIONS(ManPage)
};

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
        return ManPageText::tr("none (the shipped logo)");
    default:
        return row.defaultText[0] ? QString::fromUtf8(row.defaultText) : ManPageText::tr("empty");
    }
}

QString typeName(const SettingRow &row)
{
    switch (row.type) {
    case SettingType::Integer:
        return ManPageText::tr("integer %1 to %2").arg(row.min).arg(row.max);
    case SettingType::Fraction:
        return ManPageText::tr("fraction 0 to 1");
    case SettingType::Text:
        return ManPageText::tr("text");
    case SettingType::SizeText:
        return ManPageText::tr("digits, at most %1, or empty").arg(kMaxResizeSide);
    case SettingType::Color:
        return ManPageText::tr("colour");
    case SettingType::Picture:
        return ManPageText::tr("PNG picture");
    }
    return QString();
}

QString prose(const QString &text)
{
    return roffProse(text, {QStringLiteral("DIR"), QStringLiteral("INPUT")});
}

} // namespace

// The page in the language whose translation is installed (English when none is).
QString manPage(const QString &version)
{
    QString page;
    // No hyphenation: groff's patterns are English, and the page is written in other languages too.
    page += QStringLiteral(".TH PRESSMARK\\-CLI 1 \"\" \"Pressmark %1\" \"%2\"\n.nh\n")
                .arg(roffText(version), roffText(ManPageText::tr("User Commands")));
    page += QStringLiteral(".SH %1\npressmark\\-cli \\- %2\n")
                .arg(roffText(ManPageText::tr("NAME")),
                     roffText(ManPageText::tr("convert a batch of photographs without replacing a file")));
    page +=
        QStringLiteral(".SH %1\n.B pressmark\\-cli\n[\\fI%2\\fR] \\fB\\-o\\fR \\fIDIR\\fR \\fIINPUT\\fR...\n")
            .arg(roffText(ManPageText::tr("SYNOPSIS")), roffText(ManPageText::tr("options")));
    page += QStringLiteral(".SH %1\n").arg(roffText(ManPageText::tr("DESCRIPTION")));
    const QStringList description = {
        ManPageText::tr(
            "Every input is decoded, turned upright by its EXIF orientation, resized, stamped with the "
            "copyright "
            "lines, the logo and the watermark that are switched on, encoded as JPEG, PNG, GIF, TIFF, WebP, "
            "AVIF or JPEG XL and written into DIR with its metadata, under the first free name: an existing "
            "file is never replaced."),
        ManPageText::tr(
            "An INPUT that is a folder stands for the image files directly in it, sorted by name; with "
            "--recursive, for those of its whole tree, written into the same subfolders of DIR."),
        ManPageText::tr(
            "Without --settings the options start from the shipped defaults, as a new user of the Pressmark "
            "window does; giving any flag of an overlay switches that overlay on. Choice words may be given "
            "in "
            "any case."),
        ManPageText::tr(
            "A preset is a named set of options, saved in the window or with --save-preset: a settings file "
            "holding only the option keys below, without the window's own (its place, the open section, the "
            "last folders). --preset applies the keys it holds over the shipped defaults, or over "
            "--settings; "
            "the flags override both. Keys a newer version wrote are left out with a note."),
    };
    QStringList paragraphs;
    for (const QString &paragraph : description)
        paragraphs << prose(paragraph);
    page += paragraphs.join(QStringLiteral("\n.PP\n")) + QLatin1Char('\n');
    page += QStringLiteral(".SH %1\n").arg(roffText(ManPageText::tr("OPTIONS")));
    for (const CliFlag &flag : cliFlags()) {
        if (flag.hidden)
            continue;
        page += QStringLiteral(".TP\n%1\n%2\n").arg(flagLine(flag), prose(flag.help));
    }
    page += QStringLiteral(".SH %1\n%2\n")
                .arg(roffText(ManPageText::tr("SETTINGS FILE")),
                     prose(ManPageText::tr(
                         "The window keeps its options in an INI file; --settings reads it. Its keys, "
                         "their values and the shipped defaults:")));
    for (const SettingRow &row : settingRows()) {
        QString text = roffText(ManPageText::tr("%1 (%2; default %3)")
                                    .arg(schemaText(row.about), typeName(row), storedDefault(row)));
        if (row.flag)
            text += roffText(
                ManPageText::tr("; set by %1").arg(QStringLiteral("--") + QString::fromLatin1(row.flag)));
        if (row.flagValue == FlagValue::Switches) {
            QStringList flags;
            for (int i = 0; i < row.choiceCount; ++i)
                if (!row.choices[i].alias)
                    flags << QStringLiteral("--") + QString::fromLatin1(row.choices[i].word);
            text += roffText(ManPageText::tr("; set by %1").arg(flags.join(ManPageText::tr(" and "))));
        }
        if (row.windowState)
            text += roffText(ManPageText::tr("; the window's own, never in a preset"));
        page += QStringLiteral(".TP\n.B %1\n%2.\n").arg(roffText(row.keyName()), text);
    }
    page += QStringLiteral(".SH %1\n%2\n")
                .arg(roffText(ManPageText::tr("EXIT STATUS")),
                     prose(ManPageText::tr(
                         "0 when every input was written, 1 when any failed (the others are still "
                         "written), 2 for bad usage (nothing is written).")));
    page += QStringLiteral(".SH %1\n").arg(roffText(ManPageText::tr("FILES")));
    page += QStringLiteral(".TP\n.I ~/.config/pressmark/pressmark.conf\n%1\n")
                .arg(prose(ManPageText::tr(
                    "The options the Pressmark window saved (under $XDG_CONFIG_HOME when that is "
                    "set).")));
    page += QStringLiteral(".TP\n.I ~/.config/pressmark/presets/NAME.ini\n%1\n")
                .arg(prose(ManPageText::tr(
                    "The saved presets, one file each; in a file's name, %, /, \\ and a leading "
                    "dot of the preset's name are written as %XX.")));
    page += QStringLiteral(".SH %1\n.TP\n.B QT_LOGGING_RULES\n%2\n")
                .arg(roffText(ManPageText::tr("ENVIRONMENT")),
                     prose(ManPageText::tr(
                         "pressmark.conversion.info=true prints a line for every converted picture.")));
    page += QStringLiteral(".SH %1\n.BR pressmark (1)\n").arg(roffText(ManPageText::tr("SEE ALSO")));
    return page;
}
