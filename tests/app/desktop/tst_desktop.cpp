#include "desktop/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

namespace {

// Stand-ins for a file manager and a notification daemon on a private session bus.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shown = uris; }
};

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList said;
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        said << summary << body;
        return 1;
    }
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void openFolderSelectsTheWrittenFiles();
    void longRunIsAnnounced();
};

void TestDesktop::initTestCase()
{
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus (the test runs under dbus-run-session where it is installed)");
}

void TestDesktop::openFolderSelectsTheWrittenFiles()
{
    QList<QUrl> opened;
    DesktopServices::setUrlOpenerForTests([&](const QUrl &url) {
        opened << url;
        return true;
    });
    // No file manager on the bus: the folder is opened.
    QVERIFY(DesktopServices::showFiles({"/photos/out/a b.jpg"}, "/photos/out"));
    QCOMPARE(opened, QList<QUrl> {QUrl::fromLocalFile("/photos/out")});

    FakeFileManager manager;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.registerObject("/org/freedesktop/FileManager1", &manager, QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService("org.freedesktop.FileManager1"));
    opened.clear();
    QVERIFY(DesktopServices::showFiles({"/photos/out/a b.jpg", "/photos/out/c.jpg"}, "/photos/out"));
    QCOMPARE(manager.shown, (QStringList {"file:///photos/out/a%20b.jpg", "file:///photos/out/c.jpg"}));
    QVERIFY(opened.isEmpty());
    bus.unregisterService("org.freedesktop.FileManager1");
    bus.unregisterObject("/org/freedesktop/FileManager1");
}

void TestDesktop::longRunIsAnnounced()
{
    FakeNotifications daemon;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &daemon, QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService("org.freedesktop.Notifications"));
    DesktopServices::notify("Image Conversion Completed!", "19 images converted");
    QTRY_COMPARE(daemon.said, (QStringList {"Image Conversion Completed!", "19 images converted"}));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
