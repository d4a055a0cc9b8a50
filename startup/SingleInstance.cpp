#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kRaiseAnswer[] = "ok\n";
// Longest socket path we make: a Unix socket address holds 107 bytes and a
// terminating NUL, and the server binds first under its name plus 8 bytes
// before it moves the socket into place.
constexpr qsizetype kMaxSocketPath = 96;
// Longest folder the sockets may live in: a hashed name must still fit.
constexpr qsizetype kMaxFolderPath = 48;

QString UserTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

bool IsPlainNameChar(char c, bool dashIsPlain)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           (c == '-' && dashIsPlain);
}

QString Escaped(const QByteArray& utf8, bool dashIsPlain)
{
    QString readable;
    for (char c : utf8) {
        if (IsPlainNameChar(c, dashIsPlain))
            readable += QLatin1Char(c);
        else
            readable += QStringLiteral("_%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
    }
    return readable;
}

// A folder only this user may enter: a real folder, the user's own, with no
// access for group or others.  A link is refused even when it leads to one.
bool IsPrivateFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
#else
    return !path.isEmpty();
#endif
}

// True when the process at the other end of a connected local socket runs as
// this user.
bool PeerIsThisUser(qintptr descriptor)
{
#if defined(Q_OS_LINUX)
    struct ucred cred {};
    socklen_t length = sizeof cred;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0 &&
           cred.uid == ::getuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::getuid();
#else
    (void)descriptor;
    return true;   // named pipes are kept to the user by the system
#endif
}

} // namespace

QString InstanceDisplay(const QString& platform, const QProcessEnvironment& env)
{
    if (platform == QLatin1String("xcb")) {
        // [host]:number[.screen]; "unix" is the local host reached the same way.
        QString display = env.value(QStringLiteral("DISPLAY"));
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        QString host = colon < 0 ? QString() : display.left(colon);
        QString number = colon < 0 ? display : display.mid(colon + 1);
        if (host == QLatin1String("unix"))
            host.clear();
        if (const qsizetype dot = number.indexOf(QLatin1Char('.')); dot >= 0)
            number.truncate(dot);
        return QStringLiteral("x11:") + host + QLatin1Char(':') + number;
    }
    if (platform.startsWith(QLatin1String("wayland")))
        return QStringLiteral("wayland:") + env.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    return {};
}

QString InstanceFolder(const QProcessEnvironment& env)
{
#ifdef Q_OS_UNIX
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtime.startsWith(QLatin1Char('/')) && runtime.size() <= kMaxFolderPath && IsPrivateFolder(runtime))
        return QDir::cleanPath(runtime);
    QString temp = env.value(QStringLiteral("TMPDIR"));
    if (!temp.startsWith(QLatin1Char('/')))
        temp = QStringLiteral("/tmp");
    const QString own = QDir::cleanPath(temp + QStringLiteral("/ksw4800-") + UserTag());
    if (own.size() > kMaxFolderPath)
        return {};
    // An existing one must pass the same check: it may be someone else's.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
#else
    (void)env;
    return QStringLiteral(".");   // names without a folder: the system's pipe namespace
#endif
}

QString InstanceServerName(const QString& folder, const QString& display, const QString& key)
{
    if (folder.isEmpty())
        return {};
    const QString prefix = QStringLiteral("ksw4800-u") + UserTag() + QLatin1Char('-');
    QString name = prefix + Escaped(display.toUtf8(), false) + QLatin1Char('-') + Escaped(key.toUtf8(), true);
    if (folder.size() + 1 + name.toUtf8().size() > kMaxSocketPath) {
        const QByteArray both = display.toUtf8() + '\n' + key.toUtf8();
        name = prefix + QLatin1Char('h') +
               QString::fromLatin1(QCryptographicHash::hash(both, QCryptographicHash::Sha256).toHex().left(40));
    }
#ifdef Q_OS_UNIX
    return folder + QLatin1Char('/') + name;
#else
    return name;
#endif
}

QString InstanceServerName(const QString& key)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString platform = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::platformName()
                                                                                        : QString();
    return InstanceServerName(InstanceFolder(env), InstanceDisplay(platform, env), key);
}

TInstanceServer::TInstanceServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &TInstanceServer::OnNewConnection);
}

TInstanceServer::~TInstanceServer() = default;

QString TInstanceServer::ServerName() const
{
    return server_->serverName();
}

bool TInstanceServer::AskRunningInstance(const QString& key, int waitMs)
{
    const QString name = InstanceServerName(key);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    // A socket file without a listener (its process died) refuses at once.
    if (!socket.waitForConnected(waitMs))
        return false;
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        std::fprintf(stderr, "ksw4800: %s is held by another user; not trusted\n", qPrintable(name));
        return false;
    }
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(waitMs);
    socket.waitForReadyRead(waitMs);
    socket.disconnectFromServer();
    std::fprintf(stderr, "ksw4800: the window of agent %s is open already on this display; brought it forward\n",
                 qPrintable(key));
    return true;
}

TInstanceServer::ListenResult TInstanceServer::Listen(const QString& key)
{
    const QString name = InstanceServerName(key);
    server_->close();
    if (name.isEmpty())
        return ListenResult::Failed;
    if (server_->listen(name))
        return ListenResult::Serving;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return ListenResult::Failed;
    if (AskRunningInstance(key))
        return ListenResult::OtherInstance;
    // Nobody of ours answers on the name: left behind by a process that
    // crashed, or planted by someone else.
    QLocalServer::removeServer(name);
    return server_->listen(name) ? ListenResult::Serving : ListenResult::Failed;
}

void TInstanceServer::OnNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // A client that never finishes its request is dropped.
        QTimer::singleShot(5000, socket, [socket] { socket->abort(); socket->deleteLater(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 64)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(64);
            if (line == kRaiseRequest) {
                Q_EMIT RaiseRequested();
                socket->write(kRaiseAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
