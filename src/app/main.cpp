// pressmark: the desktop application.
#include "BackgroundWork.h"
#include "MainWindow.h"
#include "common/Translations.h"
#include "desktop/AppCommandLine.h"
#include "desktop/SingleInstance.h"
#include "settings/SettingsStore.h"
#include "skin/SkinnedControls.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// The text an argument asks for, printed; -1 when the application is to start.
int printAsked(int argc, char *argv[], const AppCommandLine &line)
{
    if (line.action() == AppCommandLine::Action::Open || line.action() == AppCommandLine::Action::Service)
        return -1;
    // Translations need an application object, never a display. The manual page is written at
    // build time in the language asked, whatever the builder's own.
    QCoreApplication texts(argc, argv);
    if (line.action() != AppCommandLine::Action::ShowManPage)
        installTranslations(texts);
    else if (!line.manLanguage().isEmpty())
        installTranslations(texts, {line.manLanguage()});
    switch (line.action()) {
    case AppCommandLine::Action::ShowHelp:
        std::fputs(AppCommandLine::helpText().toUtf8().constData(), stdout);
        return 0;
    case AppCommandLine::Action::ShowVersion:
        std::printf("pressmark %s\n", AppCommandLine::version().toUtf8().constData());
        return 0;
    case AppCommandLine::Action::ShowManPage:
        std::fputs(AppCommandLine::manPage().toUtf8().constData(), stdout);
        return 0;
    case AppCommandLine::Action::UsageError:
        std::fprintf(
            // Read again now that the translation is installed: the error in the user's language.
            stderr, "pressmark: %s\n%s\n",
            AppCommandLine::parse(argc, argv).error().toLocal8Bit().constData(),
            QCoreApplication::translate("AppCommandLine", "Try 'pressmark --help' for more information.")
                .toLocal8Bit()
                .constData());
        return 2;
    case AppCommandLine::Action::Open:
    case AppCommandLine::Action::Service:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help, --version, the manual page and a usage error print before anything needs a display;
    // Qt's own arguments (-platform, -style, ...) are left to the application object, which takes
    // them out before the files are read.
    const int printed = printAsked(argc, argv, AppCommandLine::parse(argc, argv));
    if (printed >= 0)
        return printed;

    QApplication app(argc, argv);
    const AppCommandLine line = AppCommandLine::parse(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pressmark"));
    QApplication::setOrganizationName(QStringLiteral("Pressmark"));
    QApplication::setDesktopFileName(SingleInstance::applicationId());
    installTranslations(app);
    QApplication::setStyle(new SkinStyle(QStringLiteral("Fusion")));
    applySkinPalette();
    // "--service": started by the session bus for a desktop launcher, which then says what to open.
    const QStringList files = line.files();
    const bool service = line.action() == AppCommandLine::Action::Service;

    SingleInstance instance(SingleInstance::currentPlace());
    if (!service && instance.handOver(files))
        return 0;

    SettingsStore settings(SettingsStore::userFilePath());
    MainWindow window;
    window.useSettings(&settings);
    const bool listening = instance.listen();
    const auto toFront = [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    };
    QObject::connect(&instance, &SingleInstance::filesReceived, &window,
                     [&window, toFront](const QStringList &received) {
                         window.openFiles(received);
                         toFront();
                     });
    QObject::connect(&instance, &SingleInstance::activated, &window, toFront);
    if (service) {
        // Nothing to show until the launcher asks; a service nobody asks for ends.
        if (!listening)
            return 1;
        QTimer::singleShot(25000, &window, [&window] {
            if (!window.isVisible())
                QApplication::quit();
        });
    } else {
        window.openFiles(files);
        window.show();
    }
    const int status = app.exec();
    // Whatever still runs in the background finishes before the application object goes.
    BackgroundWork::drain();
    return status;
}
