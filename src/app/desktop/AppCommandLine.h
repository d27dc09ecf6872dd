#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What pressmark's own arguments ask for: the window with the files named, the service the
// session bus starts for a desktop launcher, or a text printed before any window or display is
// touched (--help, --version, and the manual page the build installs). The help, the manual page
// and the parser read one table of options.
//
// Threading: any thread; nothing here touches the application object.
class AppCommandLine {
    Q_DECLARE_TR_FUNCTIONS(AppCommandLine)

public:
    enum class Action { Open, Service, ShowHelp, ShowVersion, ShowManPage, UsageError };

    // Reads the arguments after the program's name; file names as the bytes they are.
    static AppCommandLine parse(int argc, const char *const argv[]);

    Action action() const { return m_action; }
    const QStringList &files() const { return m_files; }
    const QString &error() const { return m_error; }
    // The language "--man=LANG" asks the manual page in (the build writes one per translation);
    // empty for English.
    const QString &manLanguage() const { return m_manLanguage; }

    // The texts in the language whose translation the application object has installed.
    static QString version();
    static QString helpText();
    static QString manPage();

private:
    Action m_action = Action::Open;
    QStringList m_files;
    QString m_error;
    QString m_manLanguage;
};
