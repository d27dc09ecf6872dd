#include "AppCommandLine.h"

#include "common/FileName.h"
#include "common/RoffText.h"

#include <QCoreApplication>

namespace {

struct AppOption {
    const char *shortName; // "h", or nullptr
    const char *longName;
    AppCommandLine::Action action;
    const char *help; // English; nullptr: accepted, not listed
};

const AppOption kOptions[] = {
    {"h", "help", AppCommandLine::Action::ShowHelp,
     QT_TRANSLATE_NOOP("AppCommandLine", "Show this help and exit.")},
    {"v", "version", AppCommandLine::Action::ShowVersion,
     QT_TRANSLATE_NOOP("AppCommandLine", "Show the version and exit.")},
    {nullptr, "service", AppCommandLine::Action::Service,
     QT_TRANSLATE_NOOP("AppCommandLine",
                       "Start without a window, as the session bus does for a desktop launcher, and wait "
                       "for it to say what to open; end when nothing is asked for within 25 seconds.")},
    {nullptr, "man", AppCommandLine::Action::ShowManPage, nullptr},
};

// The arguments Qt's application object takes out of the command line itself (with one dash or
// two, some with "=VALUE"); seen before it exists, they are left to it.
bool isToolkitOption(const QByteArray &argument)
{
    QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
    name = name.left(name.indexOf('=') < 0 ? name.size() : name.indexOf('='));
    for (const char *known : {"platform",      "platformpluginpath",
                              "platformtheme", "plugin",
                              "qmljsdebugger", "qwindowgeometry",
                              "geometry",      "qwindowtitle",
                              "title",         "qwindowicon",
                              "icon",          "reverse",
                              "session",       "style",
                              "stylesheet",    "widgetcount",
                              "display",       "name",
                              "dialogs",       "fontengine",
                              "nograb",        "dograb",
                              "visual",        "ncols",
                              "cmap",          "testability"})
        if (name == known)
            return true;
    return false;
}

QString optionNames(const AppOption &option)
{
    QString names;
    if (option.shortName)
        names = QStringLiteral("-%1, ").arg(QLatin1String(option.shortName));
    return names + QStringLiteral("--%1").arg(QLatin1String(option.longName));
}

} // namespace

AppCommandLine AppCommandLine::parse(int argc, const char *const argv[])
{
    AppCommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (!options || !argument.startsWith('-') || argument == "-") {
            line.m_files << decodeFileName(argument);
            continue;
        }
        if (argument.startsWith("--man=")) {
            line.m_manLanguage = QString::fromLatin1(argument.mid(6));
            if (line.m_action == Action::Open || line.m_action == Action::Service)
                line.m_action = Action::ShowManPage;
            continue;
        }
        const AppOption *found = nullptr;
        for (const AppOption &option : kOptions)
            if (argument == QByteArray("--") + option.longName ||
                (option.shortName && argument == QByteArray("-") + option.shortName))
                found = &option;
        if (!found && isToolkitOption(argument))
            continue;
        if (!found) {
            line.m_action = Action::UsageError;
            line.m_error = QCoreApplication::translate("AppCommandLine", "unknown option %1")
                               .arg(decodeFileName(argument));
            return line;
        }
        // Printing wins over starting; the first text asked for is the one printed.
        if (line.m_action == Action::Open || line.m_action == Action::Service)
            line.m_action = found->action;
    }
    return line;
}

QString AppCommandLine::version()
{
    return QStringLiteral(PRESSMARK_VERSION);
}

namespace {

// Words wrapped at 72 columns, each line after the first indented as the help's option texts are.
QString wrapped(const QString &text, int indent)
{
    QString lines, line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 72 - indent) {
            lines += line + QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines + line;
}

} // namespace

QString AppCommandLine::helpText()
{
    QString text = tr("Usage: pressmark [options] [FILE...]") + QLatin1Char('\n');
    text += wrapped(tr("Resizes, watermarks and converts many photos at once, in a window. Opens the window "
                       "with the FILEs in its list (folders are passed over); when Pressmark already runs on "
                       "this display, hands them to that window instead."),
                    0) +
            QStringLiteral("\n\n");
    text += tr("Options:") + QLatin1Char('\n');
    for (const AppOption &option : kOptions)
        if (option.help)
            text += QStringLiteral("  %1\n      %2\n").arg(optionNames(option), wrapped(tr(option.help), 6));
    text +=
        QStringLiteral("  --\n      %1\n\n").arg(wrapped(tr("Take every argument after it as a file."), 6));
    text += tr("The same conversion without a window: pressmark-cli --help.") + QLatin1Char('\n');
    return text;
}

QString AppCommandLine::manPage()
{
    const auto prose = [](const QString &text) { return roffProse(text, {QStringLiteral("FILE")}); };
    // No hyphenation: groff's patterns are English, and the page is written in other languages too.
    QString page = QStringLiteral(".TH PRESSMARK 1 \"\" \"Pressmark %1\" \"%2\"\n.nh\n")
                       .arg(roffText(version()), roffText(tr("User Commands")));
    page += QStringLiteral(".SH %1\npressmark \\- %2\n")
                .arg(roffText(tr("NAME")), roffText(tr("resize, watermark and convert many photos at once")));
    page += QStringLiteral(".SH %1\n.B pressmark\n[\\fI%2\\fR] [\\fIFILE\\fR...]\n")
                .arg(roffText(tr("SYNOPSIS")), roffText(tr("options")));
    page += QStringLiteral(".SH %1\n").arg(roffText(tr("DESCRIPTION")));
    const QStringList description = {
        tr("pressmark opens the Pressmark window: the pictures to convert as a grid that shows each as it "
           "will be written, and beside it the options in four sections (title and size, logo, watermark, "
           "copyright lines). Convert writes every picture into the output folder under the first free name; "
           "an existing file is never replaced."),
        tr("Each FILE that can be read is added to the list, whatever its name; a picture it cannot decode "
           "is marked there with the reason. Folders are passed over (Add Folder and drops take them). When "
           "Pressmark already runs in this login session on this display, the files are handed to that "
           "window, which comes to the front, and this launch exits."),
        tr("The same conversion runs without a window as pressmark-cli(1), which can start from the options "
           "this window saved."),
    };
    QStringList paragraphs;
    for (const QString &paragraph : description)
        paragraphs << prose(paragraph);
    page += paragraphs.join(QStringLiteral("\n.PP\n")) + QLatin1Char('\n');
    page += QStringLiteral(".SH %1\n").arg(roffText(tr("OPTIONS")));
    for (const AppOption &option : kOptions) {
        if (!option.help)
            continue;
        QStringList names;
        if (option.shortName)
            names << QStringLiteral("\\fB\\-%1\\fR").arg(roffText(QLatin1String(option.shortName)));
        names << QStringLiteral("\\fB\\-\\-%1\\fR").arg(roffText(QLatin1String(option.longName)));
        page += QStringLiteral(".TP\n%1\n%2\n").arg(names.join(QStringLiteral(", ")), prose(tr(option.help)));
    }
    page +=
        QStringLiteral(".TP\n\\fB\\-\\-\\fR\n%1\n").arg(prose(tr("Take every argument after it as a file.")));
    page += QStringLiteral(".SH %1\n%2\n")
                .arg(roffText(tr("EXIT STATUS")),
                     prose(tr("0 when the window was closed or the files were handed over, 2 for an unknown "
                              "option.")));
    page += QStringLiteral(".SH %1\n").arg(roffText(tr("FILES")));
    page += QStringLiteral(".TP\n.I ~/.config/pressmark/pressmark.conf\n%1\n")
                .arg(prose(tr("The options and the window's place, written when the window closes (under "
                              "$XDG_CONFIG_HOME when that is set); pressmark-cli --settings reads it, and "
                              "pressmark-cli(1) lists its keys.")));
    page += QStringLiteral(".TP\n.I ~/.config/pressmark/presets/NAME.ini\n%1\n")
                .arg(prose(tr("The saved presets, one file each.")));
    page += QStringLiteral(".SH %1\n").arg(roffText(tr("ENVIRONMENT")));
    page += QStringLiteral(".TP\n.B XDG_CONFIG_HOME\n%1\n")
                .arg(prose(tr("Where the settings and presets are kept instead of ~/.config.")));
    page += QStringLiteral(".TP\n.B QT_LOGGING_RULES\n%1\n")
                .arg(prose(tr("pressmark.conversion.info=true prints a line for every converted picture.")));
    page += QStringLiteral(".SH %1\n.BR pressmark\\-cli (1)\n").arg(roffText(tr("SEE ALSO")));
    return page;
}
