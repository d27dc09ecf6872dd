#include "SingleInstance.h"

#include "common/FileName.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

bool SingleInstance::handOver(const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    QByteArray names;
    for (const QString &file : files)
        names += encodeFileName(QFileInfo(file).absoluteFilePath()) + '\n';
    socket.write(names);
    socket.flush();
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_name); // a server left behind by a crash
    if (!m_server->listen(m_name))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, [this, socket] {
                const QByteArray names = socket->readAll();
                socket->deleteLater();
                QStringList files;
                for (const QByteArray &name : names.split('\n'))
                    if (!name.isEmpty())
                        files << decodeFileName(name);
                Q_EMIT filesReceived(files);
            });
        }
    });
    return true;
}
