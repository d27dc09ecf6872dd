#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

class QLocalServer;
class ApplicationObject;

// One Pressmark window per login session and display: a second launch hands its files to the
// running one and exits. The handover goes through the session bus (org.freedesktop.Application
// at the application's id, as desktop launchers use it for DBusActivatable applications); where
// there is no session bus, through a socket in the user's private runtime folder
// (XDG_RUNTIME_DIR, which must be the user's own and closed to others), named for the session
// and display, whose peer must be the same user. Either way a launch on another display or in
// another session opens its own window, nothing another user runs can take the files, and an
// instance's socket is never removed while anything answers on it.
//
// Threading: UI thread only.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The application's id: its bus name and the name of its desktop entry.
    static QString applicationId();

    // Where a launch looks for the running instance.
    struct Place {
        QDBusConnection bus;   // a disconnected bus means none
        QString runtimeFolder; // empty: no socket
        QString display;       // the display and session this launch belongs to
    };
    // The session bus, XDG_RUNTIME_DIR and this process's display and login session.
    static Place currentPlace();

    explicit SingleInstance(Place place, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another instance of this session and display took the files (or, with none,
    // was brought to the front); this process should then exit.
    bool handOver(const QStringList &files);
    // Starts answering later launches: false when another instance answers already, or when
    // neither road is safe to use.
    bool listen();

    // The socket of the road without a bus, for this place.
    QString socketPath() const;
    // How long a launch waits for the running instance to answer.
    static int answerTimeoutMs();

Q_SIGNALS:
    void filesReceived(const QStringList &files);
    // Asked to come to the front, without files.
    void activated();

private:
    friend class ApplicationObject;
    bool handOverOnBus(const QStringList &files);
    bool handOverOnSocket(const QStringList &files);
    bool listenOnBus();
    bool listenOnSocket();
    bool runtimeFolderIsPrivate() const;
    bool fromThisDisplay(const QVariantMap &platformData) const;
    void received(const QStringList &files);

    Place m_place;
    ApplicationObject *m_object = nullptr;
    QLocalServer *m_server = nullptr;
    bool m_registered = false;
};
