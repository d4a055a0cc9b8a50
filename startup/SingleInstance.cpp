#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kRaiseAnswer[] = "ok\n";
// Readable part of a name beyond which the caption is hashed instead; keeps the
// socket path well inside the platform's limit.
constexpr qsizetype kMaxReadableName = 64;

QString UserTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

bool IsPlainNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

} // namespace

QString InstanceServerName(const QString& caption)
{
    const QByteArray utf8 = caption.toUtf8();
    QString readable;
    for (char c : utf8) {
        if (IsPlainNameChar(c))
            readable += QLatin1Char(c);
        else
            readable += QStringLiteral("_%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
    }
    if (readable.size() > kMaxReadableName)
        readable = QStringLiteral("h") + QString::fromLatin1(QCryptographicHash::hash(utf8, QCryptographicHash::Sha256).toHex());
    return QStringLiteral("ksw4800-u") + UserTag() + QLatin1Char('-') + readable;
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

bool TInstanceServer::AskRunningInstance(const QString& caption, int waitMs)
{
    QLocalSocket socket;
    socket.connectToServer(InstanceServerName(caption));
    // A socket file without a listener (its process died) refuses at once.
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(waitMs);
    socket.waitForReadyRead(waitMs);
    socket.disconnectFromServer();
    return true;
}

TInstanceServer::ListenResult TInstanceServer::Listen(const QString& caption)
{
    const QString name = InstanceServerName(caption);
    server_->close();
    if (server_->listen(name))
        return ListenResult::Serving;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return ListenResult::Failed;
    if (AskRunningInstance(caption))
        return ListenResult::OtherInstance;
    // Nobody answers on the name: left behind by a process that crashed.
    QLocalServer::removeServer(name);
    return server_->listen(name) ? ListenResult::Serving : ListenResult::Failed;
}

void TInstanceServer::OnNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
