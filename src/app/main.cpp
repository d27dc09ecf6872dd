// pressmark: the desktop application.
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pressmark"));
    QApplication::setOrganizationName(QStringLiteral("Pressmark"));
    MainWindow window;
    window.openFiles(QApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
