#include "SnmpdAgent.h"

#include "FreePort.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* kSnmpd = "/usr/sbin/snmpd";

const char* authName(int a)
{
    switch (a) {
    case 2: return "MD5";
    case 3: return "SHA";
    case 4: return "SHA-224";
    case 5: return "SHA-256";
    case 6: return "SHA-384";
    case 7: return "SHA-512";
    default: return nullptr;
    }
}

const char* privName(int p)
{
    switch (p) {
    case 2: return "DES";
    case 19: return "AES";
    case 20: return "AES-192";
    case 21: return "AES-256";
    default: return nullptr;
    }
}

// A v2c get of sysUpTime.0 with community "rdcomm", encoded by hand so the fixture
// does not depend on the code under test.
QByteArray upTimeRequest()
{
    const unsigned char pkt[] = {
        0x30, 0x29,                                           // message
        0x02, 0x01, 0x01,                                     // version v2c
        0x04, 0x06, 'r', 'd', 'c', 'o', 'm', 'm',             // community
        0xA0, 0x1C,                                           // get-request
        0x02, 0x04, 0x12, 0x34, 0x56, 0x78,                   // request id
        0x02, 0x01, 0x00, 0x02, 0x01, 0x00,                   // status, index
        0x30, 0x0E, 0x30, 0x0C,                               // bindings
        0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00,   // 1.3.6.1.2.1.1.3.0
        0x05, 0x00};
    return QByteArray(reinterpret_cast<const char*>(pkt), sizeof pkt);
}

} // namespace

const std::vector<SnmpdAgent::User>& SnmpdAgent::users()
{
    static const std::vector<User> list = {
        {"md5des", 2, 2, "md5desAuthPass", "md5desPrivPass"},
        {"shaaes", 3, 19, "shaaesAuthPass", "shaaesPrivPass"},
        {"sha256aes", 5, 19, "sha256AuthPass", "sha256PrivPass"},
        {"sha512aes256", 7, 21, "sha512AuthPass", "sha512PrivPass"},
        {"authonly", 3, 1, "authonlyPass", ""},
        {"noauth", 1, 1, "", ""},
    };
    return list;
}

SnmpdAgent::SnmpdAgent(const QStringList& extraConfig, std::uint16_t port)
{
    if (!QFileInfo(QString::fromLatin1(kSnmpd)).isExecutable()) {
        error_ = QStringLiteral("%1 is missing: install the Debian package snmpd (scripts/deps)")
                     .arg(QString::fromLatin1(kSnmpd));
        return;
    }
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) {
        error_ = QStringLiteral("cannot create a temporary folder for snmpd");
        return;
    }
    const QString conf = dir_->filePath(QStringLiteral("snmpd.conf"));
    {
        QFile f(conf);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
            error_ = QStringLiteral("cannot write %1").arg(conf);
            return;
        }
        QTextStream out(&f);
        out << "rocommunity rdcomm 127.0.0.1\n"
            << "rwcommunity wrcommx 127.0.0.1\n"
            << "dontLogTCPWrappersConnects yes\n";
        for (const User& u : users()) {
            out << "createUser " << u.name.c_str();
            if (const char* a = authName(u.auth)) {
                out << ' ' << a << " \"" << u.authPass.c_str() << '"';
                if (const char* p = privName(u.priv))
                    out << ' ' << p << " \"" << u.privPass.c_str() << '"';
            }
            out << '\n';
            out << "rwuser " << u.name.c_str() << ' ' << (u.level() == 3 ? "priv" : u.level() == 2 ? "auth" : "noauth")
                << '\n';
        }
        for (const QString& line : extraConfig)
            out << line << '\n';
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), dir_->filePath(QStringLiteral("persist")));
    env.insert(QStringLiteral("SNMPCONFPATH"), dir_->path());
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("MIBDIRS"), dir_->path());
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(dir_->filePath(QStringLiteral("snmpd.out")));

    for (int attempt = 0; attempt < 3 && !ok_; ++attempt) {
        port_ = port ? port : FreeUdpPort();
        // -f foreground, -C no default configuration, -c ours, -I -smux no TCP listener.
        process_.start(QString::fromLatin1(kSnmpd),
                       {QStringLiteral("-f"), QStringLiteral("-Lf"), dir_->filePath(QStringLiteral("snmpd.log")),
                        QStringLiteral("-C"), QStringLiteral("-c"), conf, QStringLiteral("-I"),
                        QStringLiteral("-smux"), QStringLiteral("udp:127.0.0.1:%1").arg(port_)});
        if (!process_.waitForStarted(5000)) {
            error_ = QStringLiteral("cannot start %1: %2").arg(QString::fromLatin1(kSnmpd), process_.errorString());
            return;
        }
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && process_.state() == QProcess::Running) {
            if (answers(100)) {
                ok_ = true;
                break;
            }
            ::usleep(20000);   // an ICMP refusal returns at once
        }
        if (!ok_) {
            error_ = QStringLiteral("snmpd did not answer on 127.0.0.1:%1; its log:\n%2").arg(port_).arg(logText());
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    if (ok_)
        error_.clear();
}

SnmpdAgent::~SnmpdAgent()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
}

QString SnmpdAgent::logText() const
{
    if (!dir_)
        return {};
    QString text;
    for (const char* name : {"snmpd.log", "snmpd.out"}) {
        QFile f(dir_->filePath(QString::fromLatin1(name)));
        if (f.open(QIODevice::ReadOnly))
            text += QString::fromLocal8Bit(f.readAll());
    }
    return text;
}

bool SnmpdAgent::answers(int waitMs) const
{
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port_);
    const QByteArray req = upTimeRequest();
    bool got = false;
    if (::sendto(s, req.constData(), static_cast<size_t>(req.size()), 0, reinterpret_cast<sockaddr*>(&a), sizeof a) > 0) {
        pollfd p{s, POLLIN, 0};
        if (::poll(&p, 1, waitMs) > 0) {
            char buf[1500];
            got = ::recv(s, buf, sizeof buf, 0) > 0;
        }
    }
    ::close(s);
    return got;
}
