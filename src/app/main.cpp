// pressmark: the desktop application.
#include "BackgroundWork.h"
#include "MainWindow.h"
#include "SingleInstance.h"
#include "SkinnedControls.h"
#include "common/FileName.h"
#include "settings/SettingsStore.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pressmark"));
    QApplication::setOrganizationName(QStringLiteral("Pressmark"));
    QApplication::setDesktopFileName(QStringLiteral("pressmark"));
    QApplication::setStyle(new SkinStyle(QStringLiteral("Fusion")));
    applySkinPalette();
    // File names as the bytes they are: a name need not be UTF-8.
    QStringList files;
    for (int i = 1; i < argc; ++i)
        files << decodeFileName(QByteArray(argv[i]));

    SingleInstance instance(QStringLiteral("pressmark-%1").arg(getuid()));
    if (instance.handOver(files))
        return 0;

    SettingsStore settings(SettingsStore::userFilePath());
    MainWindow window;
    window.useSettings(&settings);
    instance.listen();
    QObject::connect(&instance, &SingleInstance::filesReceived, &window,
                     [&window](const QStringList &received) {
                         window.openFiles(received);
                         window.raise();
                         window.activateWindow();
                     });
    window.openFiles(files);
    window.show();
    const int status = app.exec();
    // Whatever still runs in the background finishes before the application object goes.
    BackgroundWork::drain();
    return status;
}
