// One main window per agent on each desktop: the running window serves a local
// socket keyed by the user, the display and its agent (address and port, see
// AgentInstanceKey); a second start for the same agent on the same display asks
// it to come forward and ends.  The
// sockets live in a folder only the user may enter, and a window is asked to
// come forward only when the process listening is the user's own.
#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>

class QLocalServer;

// The display a window shows on, as a key: the X display (host and number: ":0"
// and ":0.0" are one desktop), the Wayland display ("wayland-0" when unnamed), or
// empty for a platform without a display (offscreen).
QString InstanceDisplay(const QString& platform, const QProcessEnvironment& env);

// The private folder for the sockets: XDG_RUNTIME_DIR when it is a folder (not a
// link) owned by the user and closed to everyone else; otherwise "ksw4800-<uid>"
// in TMPDIR (or /tmp), created for the purpose and checked the same way.  Empty
// when neither is private: no socket is then served or trusted.
QString InstanceFolder(const QProcessEnvironment& env);

// The socket path in the folder for a display and an agent key: the user id,
// the display and the key with every character outside [A-Za-z0-9.-] written
// as "_xx" (hex; the display's "-" too), so two keys never share a name; a key
// too long for a socket path is hashed.
QString InstanceServerName(const QString& folder, const QString& display, const QString& key);
// This process's socket path for the agent key (its environment and display
// platform); empty without a private folder.
QString InstanceServerName(const QString& key);

class TInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit TInstanceServer(QObject* parent = nullptr);
    ~TInstanceServer() override;

    // Asks the process serving the agent key to bring its window forward and,
    // when one does, says so in one line on stderr.  True when such a process of
    // this user exists (it accepted the connection), even if it is too busy to
    // confirm within waitMs.  A listener of another user is not asked and gives
    // false.
    static bool AskRunningInstance(const QString& key, int waitMs = 3000);

    enum class ListenResult { Serving, OtherInstance, Failed };
    // Serves the agent key.  A socket left behind by a process that ended
    // without closing it, or held by another user, is removed; when a live
    // process of this user serves the key already it is asked to come forward
    // and OtherInstance is returned.  The socket goes when the server is
    // destroyed.
    ListenResult Listen(const QString& key);

    QString ServerName() const;

Q_SIGNALS:
    void RaiseRequested();

private:
    void OnNewConnection();
    QLocalServer* server_;
};
