// One main window per agent and user: the running window serves a local socket
// named after its caption; a second start for the same caption asks it to come
// forward and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The local server name for a window caption: the user id and the caption with
// every character outside [A-Za-z0-9.-] written as "_xx" (hex), so two captions
// never share a name; captions too long for a socket name are hashed.
QString InstanceServerName(const QString& caption);

class TInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit TInstanceServer(QObject* parent = nullptr);
    ~TInstanceServer() override;

    // Asks the process serving the caption to bring its window forward.  True
    // when such a process exists (it accepted the connection), even if it is too
    // busy to confirm within waitMs.
    static bool AskRunningInstance(const QString& caption, int waitMs = 3000);

    enum class ListenResult { Serving, OtherInstance, Failed };
    // Serves the caption.  A socket left behind by a process that ended without
    // closing it is removed; when a live process serves the caption already it is
    // asked to come forward and OtherInstance is returned.
    ListenResult Listen(const QString& caption);

    QString ServerName() const;

Q_SIGNALS:
    void RaiseRequested();

private:
    void OnNewConnection();
    QLocalServer* server_;
};
