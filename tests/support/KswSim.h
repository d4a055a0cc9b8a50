// Test fixture: runs the real ksw-sim binary on a free 127.0.0.1 port.
//
//     KswSim sim;                         // default KSW-4800 data
//     ASSERT_TRUE(sim.running()) << sim.errorText();
//     ... talk SNMP to 127.0.0.1:sim.port() (communities "rdcomm"/"wrcommx") ...
//
// The agent runs in its own temporary folder; unless told otherwise its state
// file is state.snmprec in that folder, so a save followed by restart() serves
// the saved state.  The destructor stops the agent.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class KswSim {
public:
    struct Options {
        QString dataFile;        // empty: the shipped KSW-4800 data
        QString stateFile;       // empty: state.snmprec in the temporary folder
        int resetSeconds = 1;    // silence after a warm start (the agent's own default is 10)
        double dropPercent = 0;  // share of requests ignored
        int delayMs = 0;         // every answer this late
        // The interface counters advance by ksw-sim's traffic model; off, they
        // are served as stored (what most tests compare against).
        bool traffic = false;
        QStringList extraArgs;   // any other ksw-sim options
    };

    KswSim();
    explicit KswSim(const Options& options);
    ~KswSim();
    KswSim(const KswSim&) = delete;
    KswSim& operator=(const KswSim&) = delete;

    bool running() const;
    quint16 port() const { return port_; }
    QString address() const { return QStringLiteral("127.0.0.1"); }
    QString stateFile() const { return stateFile_; }
    QString tempDir() const { return dir_.path(); }
    // Why it is not running, with what the agent printed.
    QString errorText() const { return error_; }
    // Everything the agent printed on stderr so far.
    QString log();

    void stop();
    // Stops and starts again on the same port with the same options.
    bool restart();

    // The ksw-sim binary the tests run.
    static QString program();

private:
    bool start();

    Options options_;
    QTemporaryDir dir_;
    QString stateFile_;
    quint16 port_ = 0;
    std::unique_ptr<QProcess> process_;
    QString log_;
    QString error_;
};
