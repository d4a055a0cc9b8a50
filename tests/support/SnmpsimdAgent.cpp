#include "SnmpsimdAgent.h"

#include "FreePort.h"
#include "SnmpdAgent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

QProcessEnvironment toolEnvironment(const QString& persistent)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("MIBDIRS"), QStringLiteral("/nonexistent"));
    env.insert(QStringLiteral("SNMPCONFPATH"), QStringLiteral("/nonexistent"));
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), persistent);
    return env;
}

bool answers(std::uint16_t port, const QString& community, const QString& persistent)
{
    QProcess p;
    p.setProcessEnvironment(toolEnvironment(persistent));
    p.start(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"), community,
                                            QStringLiteral("-t"), QStringLiteral("0.3"), QStringLiteral("-r"),
                                            QStringLiteral("0"), QStringLiteral("127.0.0.1:%1").arg(port),
                                            QStringLiteral("1.3")});
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

bool SnmpsimdAgent::copyRecording(const QString& source, const QString& target, QString* error)
{
    QProcess gz;
    gz.setStandardOutputFile(target);
    // gzip -dcf passes a file that is not compressed through unchanged.
    gz.start(QStringLiteral("gzip"), {QStringLiteral("-dcf"), source});
    if (!gz.waitForFinished(60000) || gz.exitStatus() != QProcess::NormalExit || gz.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("cannot decompress %1: %2").arg(source, QString::fromLocal8Bit(gz.readAllStandardError()));
        return false;
    }
    return true;
}

SnmpsimdAgent::SnmpsimdAgent(const QString& dataDir, const QString& probeCommunity, int startMs)
{
    if (!QFileInfo(QString::fromLatin1(kProgram)).isExecutable()) {
        error_ = QStringLiteral("%1 is missing: install the Debian package snmpsim (scripts/deps)")
                     .arg(QString::fromLatin1(kProgram));
        return;
    }
    if (!cache_.isValid()) {
        error_ = QStringLiteral("cannot create a temporary folder for snmpsimd");
        return;
    }
    QStringList args{QStringLiteral("--data-dir=") + dataDir, QStringLiteral("--cache-dir=") + cache_.path(),
                     QStringLiteral("--v2c-arch"), QStringLiteral("--logging-method=null")};
    if (::geteuid() == 0) {
        // snmpsimd refuses to run as root; the user it drops to reads the data and
        // writes its index cache.
        const passwd* pw = ::getpwnam("nobody");
        const group* gr = ::getgrnam("nogroup");
        if (!pw || !gr || ::chown(QFile::encodeName(cache_.path()).constData(), pw->pw_uid, gr->gr_gid) != 0) {
            error_ = QStringLiteral("cannot hand the index cache to the user nobody");
            return;
        }
        QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const QFileInfo& f : QDir(dataDir).entryInfoList(QDir::Files))
            QFile::setPermissions(f.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                    QFile::ReadOther);
        args << QStringLiteral("--process-user=nobody") << QStringLiteral("--process-group=nogroup");
    }
    process_.setProcessChannelMode(QProcess::MergedChannels);
    for (int attempt = 0; attempt < 3 && !ok_; ++attempt) {
        port_ = FreeUdpPort();
        QStringList all = args;
        all << QStringLiteral("--agent-udpv4-endpoint=127.0.0.1:%1").arg(port_);
        process_.start(QString::fromLatin1(kProgram), all);
        if (!process_.waitForStarted(5000)) {
            error_ = QStringLiteral("cannot start %1: %2").arg(QString::fromLatin1(kProgram), process_.errorString());
            return;
        }
        QElapsedTimer t;
        t.start();
        while (process_.state() == QProcess::Running && t.elapsed() < startMs && !ok_)
            ok_ = answers(port_, probeCommunity, cache_.path());
        if (!ok_) {
            process_.kill();
            process_.waitForFinished();
            error_ = QStringLiteral("snmpsimd did not answer on port %1: %2")
                         .arg(port_)
                         .arg(QString::fromLocal8Bit(process_.readAll().right(2000)));
        }
    }
}

SnmpsimdAgent::~SnmpsimdAgent()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
}
