#include "CliFlags.h"

#include "settings/SettingsSchema.h"

#include <QColor>

namespace {

// What a flag's value is, for the shells: nothing to offer, one of some words, a file, a folder,
// an installed font family (as fontconfig lists them when the shell completes).
enum class ValueKind { None, Words, File, Folder, FontFamily };

// The installed font families, one a line, as each shell runs it.
const char *const kFontFamilies = "fc-list : family 2>/dev/null | cut -d, -f1 | sort -u";

struct FlagValueKind {
    ValueKind kind = ValueKind::None;
    QStringList words;
};

FlagValueKind valueKind(const CliFlag &flag)
{
    if (flag.valueName.isEmpty())
        return {};
    if (flag.row && flag.row->flagValue == FlagValue::Choice) {
        QStringList words;
        for (int i = 0; i < flag.row->choiceCount; ++i)
            if (!flag.row->choices[i].alias)
                words << QString::fromLatin1(flag.row->choices[i].word);
        return {ValueKind::Words, words};
    }
    if (flag.row && flag.row->flagValue == FlagValue::Color)
        return {ValueKind::Words, QColor::colorNames()};
    if (flag.row && flag.row->setting == Setting::FontFamily)
        return {ValueKind::FontFamily, {}};
    if (flag.names.contains(QLatin1String("completion")))
        return {ValueKind::Words, completionShells()};
    if (flag.row && flag.row->flagValue == FlagValue::Picture)
        return {ValueKind::File, {}};
    if (flag.valueName == QLatin1String("DIR"))
        return {ValueKind::Folder, {}};
    if (flag.valueName.contains(QLatin1String("FILE")))
        return {ValueKind::File, {}};
    return {};
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The help's first clause, short enough for a completion menu.
QString shortHelp(const CliFlag &flag)
{
    QString text = flag.help;
    for (const QString &end :
         {QStringLiteral(". "), QStringLiteral(": "), QStringLiteral("; "), QStringLiteral(" (")}) {
        const int at = text.indexOf(end);
        if (at > 0)
            text.truncate(at);
    }
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString bashScript()
{
    QStringList visible, folders, files, values;
    QString choices, fonts;
    for (const CliFlag &flag : cliFlags()) {
        QStringList names;
        for (const QString &name : flag.names)
            names << dashed(name);
        if (!flag.hidden)
            visible << names;
        const FlagValueKind value = valueKind(flag);
        switch (value.kind) {
        case ValueKind::Words:
            choices += QStringLiteral("    %1)\n        COMPREPLY=($(compgen -W \"%2\" -- \"$cur\"))\n"
                                      "        return ;;\n")
                           .arg(names.join(QLatin1Char('|')), value.words.join(QLatin1Char(' ')));
            break;
        case ValueKind::Folder:
            folders << names;
            break;
        case ValueKind::File:
            files << names;
            break;
        case ValueKind::FontFamily:
            // Families hold spaces: one a line, each quoted as the command line needs it.
            fonts += QStringLiteral("    %1)\n        local IFS=$'\\n' family\n"
                                    "        COMPREPLY=($(compgen -W \"$(%2)\" -- \"$cur\" | "
                                    "while read -r family; do printf '%q\\n' \"$family\"; done))\n"
                                    "        return ;;\n")
                         .arg(names.join(QLatin1Char('|')), QLatin1String(kFontFamilies));
            break;
        case ValueKind::None:
            if (!flag.valueName.isEmpty())
                values << names;
            break;
        }
    }
    return QStringLiteral("# bash completion for pressmark-cli, written by pressmark-cli --completion bash\n"
                          "_pressmark_cli()\n"
                          "{\n"
                          "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
                          "    # --flag=value: bash splits the word at the equals sign\n"
                          "    if [[ \"$cur\" == \"=\" ]]; then\n"
                          "        cur=\"\"\n"
                          "    elif [[ \"$prev\" == \"=\" && $COMP_CWORD -ge 2 ]]; then\n"
                          "        prev=\"${COMP_WORDS[COMP_CWORD-2]}\"\n"
                          "    fi\n"
                          "    case \"$prev\" in\n"
                          "%1"
                          "    %2)\n"
                          "        compopt -o filenames 2>/dev/null\n"
                          "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
                          "        return ;;\n"
                          "    %3)\n"
                          "        compopt -o filenames 2>/dev/null\n"
                          "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
                          "        return ;;\n"
                          "    %4)\n"
                          "        COMPREPLY=()\n"
                          "        return ;;\n"
                          "    esac\n"
                          "    if [[ \"$cur\" == -* ]]; then\n"
                          "        COMPREPLY=($(compgen -W \"%5\" -- \"$cur\"))\n"
                          "        return\n"
                          "    fi\n"
                          "    compopt -o filenames 2>/dev/null\n"
                          "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
                          "}\n"
                          "complete -F _pressmark_cli pressmark-cli\n")
        .arg(choices + fonts, folders.join(QLatin1Char('|')), files.join(QLatin1Char('|')),
             values.join(QLatin1Char('|')), visible.join(QLatin1Char(' ')));
}

// Text inside a zsh _arguments description: brackets, colons, quotes and backslashes escaped.
QString zshText(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    for (const char *special : {"[", "]", ":"})
        text.replace(QLatin1String(special), QStringLiteral("\\") + QLatin1String(special));
    return text;
}

QString zshScript()
{
    QString specs;
    for (const CliFlag &flag : cliFlags()) {
        if (flag.hidden)
            continue;
        const FlagValueKind value = valueKind(flag);
        const bool takesValue = !flag.valueName.isEmpty();
        QStringList forms, exclusive;
        for (const QString &name : flag.names) {
            exclusive << dashed(name);
            forms << dashed(name) + (takesValue ? (name.size() == 1 ? "+" : "=") : "");
        }
        QString spec = forms.size() > 1
                           ? QStringLiteral("'(%1)'{%2}'")
                                 .arg(exclusive.join(QLatin1Char(' ')), forms.join(QLatin1Char(',')))
                           : QStringLiteral("'%1").arg(forms.first());
        spec += QStringLiteral("[%1]").arg(zshText(shortHelp(flag)));
        if (takesValue) {
            const QString label = flag.valueName.toLower().replace(QLatin1Char('|'), QLatin1Char(' '));
            switch (value.kind) {
            case ValueKind::Words:
                spec += QStringLiteral(":%1:(%2)").arg(label, value.words.join(QLatin1Char(' ')));
                break;
            case ValueKind::Folder:
                spec += QStringLiteral(":%1:_files -/").arg(label);
                break;
            case ValueKind::File:
                spec += QStringLiteral(":%1:_files").arg(label);
                break;
            case ValueKind::FontFamily:
                spec += QStringLiteral(":%1:{compadd -- ${(f)\"$(%2)\"}}")
                            .arg(label, QLatin1String(kFontFamilies));
                break;
            case ValueKind::None:
                spec += QStringLiteral(":%1: ").arg(label);
                break;
            }
        }
        specs += QStringLiteral("  %1' \\\n").arg(spec);
    }
    return QStringLiteral("#compdef pressmark-cli\n"
                          "# zsh completion for pressmark-cli, written by pressmark-cli --completion zsh\n"
                          "_arguments -s -S \\\n"
                          "%1"
                          "  '*:input:_files'\n")
        .arg(specs);
}

QString fishText(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return text;
}

QString fishScript()
{
    QString lines =
        QStringLiteral("# fish completion for pressmark-cli, written by pressmark-cli --completion fish\n");
    for (const CliFlag &flag : cliFlags()) {
        if (flag.hidden)
            continue;
        QString line = QStringLiteral("complete -c pressmark-cli");
        for (const QString &name : flag.names)
            line += (name.size() == 1 ? QStringLiteral(" -s ") : QStringLiteral(" -l ")) + name;
        line += QStringLiteral(" -d '%1'").arg(fishText(shortHelp(flag)));
        const FlagValueKind value = valueKind(flag);
        switch (value.kind) {
        case ValueKind::Words:
            line += QStringLiteral(" -x -a '%1'").arg(value.words.join(QLatin1Char(' ')));
            break;
        case ValueKind::Folder:
            line += QStringLiteral(" -x -a '(__fish_complete_directories (commandline -ct))'");
            break;
        case ValueKind::File:
            line += QStringLiteral(" -r -F");
            break;
        case ValueKind::FontFamily:
            line += QStringLiteral(" -x -a '(%1)'").arg(QLatin1String(kFontFamilies));
            break;
        case ValueKind::None:
            if (!flag.valueName.isEmpty())
                line += QStringLiteral(" -x");
            break;
        }
        lines += line + QLatin1Char('\n');
    }
    return lines;
}

} // namespace

QStringList completionShells()
{
    return {QStringLiteral("bash"), QStringLiteral("zsh"), QStringLiteral("fish")};
}

QString completionScript(const QString &shell)
{
    if (shell == QLatin1String("bash"))
        return bashScript();
    if (shell == QLatin1String("zsh"))
        return zshScript();
    if (shell == QLatin1String("fish"))
        return fishScript();
    return QString();
}
