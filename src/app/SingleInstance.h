#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One Pressmark per user: a second launch hands its files to the running one over a local
// socket and exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);

    // True when another instance took the files; this process should then exit.
    bool handOver(const QStringList &files);
    // Starts listening for later launches.
    bool listen();

Q_SIGNALS:
    void filesReceived(const QStringList &files);

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
