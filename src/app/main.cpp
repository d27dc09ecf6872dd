// pressmark: the desktop application.
#include "BackgroundWork.h"
#include "MainWindow.h"
#include "common/FileName.h"
#include "common/Translations.h"
#include "desktop/SingleInstance.h"
#include "settings/SettingsStore.h"
#include "skin/SkinnedControls.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pressmark"));
    QApplication::setOrganizationName(QStringLiteral("Pressmark"));
    QApplication::setDesktopFileName(SingleInstance::applicationId());
    installTranslations(app);
    QApplication::setStyle(new SkinStyle(QStringLiteral("Fusion")));
    applySkinPalette();
    // File names as the bytes they are: a name need not be UTF-8. "--service": started by the
    // session bus for a desktop launcher, which then says what to open.
    QStringList files;
    bool service = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--service")
            service = true;
        else
            files << decodeFileName(argument);
    }

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
