// Test fixture: a private snmpd (net-snmp's agent) on a free 127.0.0.1 UDP port,
// with a generated configuration and its own persistent directory in a temporary
// folder.  Read community "rdcomm", write community "wrcommx" (sysContact.0 is
// writable), and the SNMPv3 users of users() (all read-write, authPriv unless the
// user has no privacy).  The agent is stopped by the destructor.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SnmpdAgent {
public:
    // One SNMPv3 user of the agent.  Protocol numbers as the access layer numbers
    // them: auth 1 none, 2 MD5, 3 SHA, 4..7 SHA-224..512; priv 1 none, 2 DES,
    // 19 AES-128, 20 AES-192, 21 AES-256.
    struct User {
        std::string name;
        int auth;
        int priv;
        std::string authPass;
        std::string privPass;
        int level() const { return auth == 1 ? 1 : priv == 1 ? 2 : 3; }
    };
    static const std::vector<User>& users();

    // extraConfig: more snmpd.conf lines (e.g. "sysLocation lab" or extra views).
    // port: 0 picks a free one; another value restarts an agent where one was.
    explicit SnmpdAgent(const QStringList& extraConfig = {}, std::uint16_t port = 0);
    ~SnmpdAgent();
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    bool ok() const { return ok_; }
    const QString& error() const { return error_; }   // why the agent is not running
    std::uint16_t port() const { return port_; }
    static std::string address() { return "127.0.0.1"; }
    QString logText() const;

private:
    bool answers(int waitMs) const;

    std::unique_ptr<QTemporaryDir> dir_;
    QProcess process_;
    std::uint16_t port_ = 0;
    bool ok_ = false;
    QString error_;
};
