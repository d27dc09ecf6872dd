#include "desktop/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QGuiApplication>

namespace {

std::function<bool(const QUrl &)> &opener()
{
    static std::function<bool(const QUrl &)> open = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return open;
}

bool serviceAvailable(const QString &name)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(name).value() ||
           bus.interface()->activatableServiceNames().value().contains(name);
}

} // namespace

namespace DesktopServices {

bool openUrl(const QUrl &url)
{
    return opener()(url);
}

void setUrlOpenerForTests(std::function<bool(const QUrl &)> open)
{
    opener() = std::move(open);
}

bool showFiles(const QStringList &files, const QString &folder)
{
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    if (!files.isEmpty() && serviceAvailable(service)) {
        QStringList uris;
        for (const QString &file : files)
            uris << QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, QStringLiteral("/org/freedesktop/FileManager1"), service, QStringLiteral("ShowItems"));
        call << uris << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return openUrl(QUrl::fromLocalFile(folder));
}

void notify(const QString &summary, const QString &body)
{
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    if (!serviceAvailable(service))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/Notifications"), service, QStringLiteral("Notify"));
    call << QGuiApplication::applicationDisplayName() << uint(0) << QStringLiteral("pressmark") << summary
         << body << QStringList() << QVariantMap() << int(-1);
    QDBusConnection::sessionBus().asyncCall(call);
}

} // namespace DesktopServices
