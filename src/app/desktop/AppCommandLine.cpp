#include "AppCommandLine.h"

#include "common/FileName.h"
#include "common/RoffText.h"

namespace {

struct AppOption {
    const char *shortName; // "h", or nullptr
    const char *longName;
    AppCommandLine::Action action;
    const char *help; // nullptr: accepted, not listed
};

const AppOption kOptions[] = {
    {"h", "help", AppCommandLine::Action::ShowHelp, "Show this help and exit."},
    {"v", "version", AppCommandLine::Action::ShowVersion, "Show the version and exit."},
    {nullptr, "service", AppCommandLine::Action::Service,
     "Start without a window, as the session bus does for a desktop launcher,\n"
     "and wait for it to say what to open; end when nothing is asked for\n"
     "within 25 seconds."},
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
        const AppOption *found = nullptr;
        for (const AppOption &option : kOptions)
            if (argument == QByteArray("--") + option.longName ||
                (option.shortName && argument == QByteArray("-") + option.shortName))
                found = &option;
        if (!found && isToolkitOption(argument))
            continue;
        if (!found) {
            line.m_action = Action::UsageError;
            line.m_error = QStringLiteral("unknown option %1").arg(decodeFileName(argument));
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

QString AppCommandLine::helpText()
{
    QString text =
        QStringLiteral("Usage: pressmark [options] [FILE...]\n"
                       "Resizes, watermarks and converts many photos at once, in a window.\n"
                       "Opens the window with the FILEs in its list (folders are passed over); when\n"
                       "Pressmark already runs on this display, hands them to that window instead.\n\n"
                       "Options:\n");
    for (const AppOption &option : kOptions)
        if (option.help)
            text +=
                QStringLiteral("  %1\n      %2\n")
                    .arg(optionNames(option), QString::fromLatin1(option.help)
                                                  .replace(QLatin1Char('\n'), QStringLiteral("\n      ")));
    text += QStringLiteral("  --\n      Take every argument after it as a file.\n\n"
                           "The same conversion without a window: pressmark-cli --help.\n");
    return text;
}

QString AppCommandLine::manPage()
{
    QString page =
        QStringLiteral(".TH PRESSMARK 1 \"\" \"Pressmark %1\" \"User Commands\"\n").arg(roffText(version()));
    page += QStringLiteral(".SH NAME\npressmark \\- resize, watermark and convert many photos at once\n"
                           ".SH SYNOPSIS\n.B pressmark\n[\\fIoptions\\fR] [\\fIFILE\\fR...]\n");
    page += QStringLiteral(
        ".SH DESCRIPTION\n"
        "\\fBpressmark\\fR opens the Pressmark window: the pictures to convert as a grid that shows "
        "each as it will be written, and beside it the options in four sections (title and size, "
        "logo, watermark, copyright lines). Convert writes every "
        "picture into the output folder under the first free name; an existing file is never "
        "replaced.\n"
        ".PP\n"
        "Each \\fIFILE\\fR that can be read is added to the list, whatever its name; a picture it "
        "cannot decode is marked there with the reason. Folders are passed over (Add Folder and "
        "drops take them). When Pressmark already runs in this login session on this "
        "display, the files are handed to that window, which comes to the front, and this launch "
        "exits.\n"
        ".PP\n"
        "The same conversion runs without a window as \\fBpressmark\\-cli\\fR(1), which can start "
        "from the options this window saved.\n");
    page += QStringLiteral(".SH OPTIONS\n");
    for (const AppOption &option : kOptions) {
        if (!option.help)
            continue;
        QStringList names;
        if (option.shortName)
            names << QStringLiteral("\\fB\\-%1\\fR").arg(roffText(QLatin1String(option.shortName)));
        names << QStringLiteral("\\fB\\-\\-%1\\fR").arg(roffText(QLatin1String(option.longName)));
        page += QStringLiteral(".TP\n%1\n%2\n")
                    .arg(names.join(QStringLiteral(", ")),
                         roffText(QString::fromLatin1(option.help).simplified()));
    }
    page += QStringLiteral(".TP\n\\fB\\-\\-\\fR\nTake every argument after it as a file.\n");
    page += QStringLiteral(
        ".SH EXIT STATUS\n"
        "0 when the window was closed or the files were handed over, 2 for an unknown option.\n"
        ".SH FILES\n"
        ".TP\n.I ~/.config/pressmark/pressmark.conf\n"
        "The options and the window's place, written when the window closes (under \\fB$XDG_CONFIG_HOME\\fR "
        "when "
        "that is set); \\fBpressmark\\-cli \\-\\-settings\\fR reads it, and \\fBpressmark\\-cli\\fR(1) "
        "lists its keys.\n"
        ".TP\n.I ~/.config/pressmark/presets/NAME.ini\n"
        "The saved presets, one file each.\n"
        ".SH ENVIRONMENT\n"
        ".TP\n.B XDG_CONFIG_HOME\n"
        "Where the settings and presets are kept instead of \\fI~/.config\\fR.\n"
        ".TP\n.B QT_LOGGING_RULES\n"
        "\\fBpressmark.conversion.info=true\\fR prints a line for every converted picture.\n"
        ".SH SEE ALSO\n"
        ".BR pressmark\\-cli (1)\n");
    return page;
}
