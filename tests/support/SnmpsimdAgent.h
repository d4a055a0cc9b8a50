// Test and benchmark fixture: snmpsimd (the snmpsim package's agent) serving the
// .snmprec files of one folder on a free 127.0.0.1 UDP port, SNMPv1/v2c only;
// each file answers to the community named after it (file "a.snmprec":
// community "a").  Started as root, the agent runs as nobody, which must be able
// to read the folder.  The agent is stopped by the destructor.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

class SnmpsimdAgent {
public:
    static constexpr const char* kProgram = "/usr/bin/snmpsimd";
    // Where the snmpsim package keeps its example recordings (compressed or not).
    static constexpr const char* kExamples = "/usr/share/doc/snmpsim/examples/data";

    // `dataDir` holds the files; `probeCommunity` is one of them, asked until the
    // agent answers (it indexes every file first: up to `startMs`).
    SnmpsimdAgent(const QString& dataDir, const QString& probeCommunity, int startMs = 60000);
    ~SnmpsimdAgent();
    SnmpsimdAgent(const SnmpsimdAgent&) = delete;
    SnmpsimdAgent& operator=(const SnmpsimdAgent&) = delete;

    bool ok() const { return ok_; }
    const QString& error() const { return error_; } // why it is not running
    std::uint16_t port() const { return port_; }

    // Writes `source` (a .snmprec file, gzip-compressed or not) to `target`.
    static bool copyRecording(const QString& source, const QString& target, QString* error);

private:
    QTemporaryDir cache_;
    QProcess process_;
    std::uint16_t port_ = 0;
    bool ok_ = false;
    QString error_;
};
