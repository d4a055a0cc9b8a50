// What the benchmarks share: net-snmp's snmpwalk run as a process beside our own
// walks, object counts, medians and the side-by-side report of a whole-tree walk.
// Header only: every bench/*.cpp is a program of its own.
#pragma once

#include "SnmpEngine.h"
#include "SnmpdAgent.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

struct WalkRun {
    double seconds = 0;
    long objects = 0;
    int code = 0;
};

inline double secondsSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Sends one get-next PDU with `done` as its callback; gives the engine's code
// (anything but 0 ends the walk with that code).
using GetNextSender = std::function<int(const engine::Pdu& pdu, const engine::Callback& done)>;

// A get-next walk from 1.3.6.1 to the end of the agent's tree, each request sent
// from the previous answer's callback on a local event loop.
inline WalkRun getNextWalk(const GetNextSender& send)
{
    WalkRun run;
    QEventLoop loop;
    engine::Callback step;
    auto sendNext = [&](const engine::Oid& from) {
        engine::Pdu pdu;
        pdu.vbs.push_back(engine::VarBind{from, engine::Value::null()});
        const int rc = send(pdu, step);
        if (rc != engine::kSuccess) {
            run.code = rc;
            loop.quit();
        }
    };
    step = [&](const engine::Response& r) {
        if (r.code != engine::kSuccess) {
            run.code = r.code;
            loop.quit();
            return;
        }
        if (r.vbs.empty() || r.vbs[0].value.isException()) {
            loop.quit();
            return;
        }
        ++run.objects;
        sendNext(r.vbs[0].oid);
    };
    QElapsedTimer timer;
    timer.start();
    sendNext({1, 3, 6, 1});
    loop.exec();
    run.seconds = secondsSince(timer);
    return run;
}

// snmpwalk with `args`, its output in `outFile`; objects are the output lines.
inline WalkRun snmpwalkRun(const QStringList& args, const QString& outFile)
{
    WalkRun run;
    QProcess p;
    p.setStandardOutputFile(outFile);
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(QStringLiteral("snmpwalk"), args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(120000)) {
        run.code = -1;
        return run;
    }
    run.seconds = secondsSince(timer);
    run.code = p.exitCode();
    QFile f(outFile);
    if (f.open(QIODevice::ReadOnly))
        while (!f.atEnd())
            if (f.readLine().startsWith('.'))
                ++run.objects;
    return run;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// snmpwalk arguments for the whole tree of `peer` ("address:port"), numeric
// OIDs and no MIBs: v2c with the read community, or v3 authPriv (SHA/AES) as `user`.
inline QStringList snmpwalkV2cArgs(const QString& peer)
{
    return {QStringLiteral("-On"), QStringLiteral("-m"), QString(), QStringLiteral("-v2c"), QStringLiteral("-c"),
            QStringLiteral("rdcomm"), peer, QStringLiteral(".1")};
}
inline QStringList snmpwalkV3Args(const QString& peer, const SnmpdAgent::User& user)
{
    return {QStringLiteral("-On"), QStringLiteral("-m"), QString(), QStringLiteral("-v3"), QStringLiteral("-l"),
            QStringLiteral("authPriv"), QStringLiteral("-u"), QString::fromStdString(user.name), QStringLiteral("-a"),
            QStringLiteral("SHA"), QStringLiteral("-A"), QString::fromStdString(user.authPass), QStringLiteral("-x"),
            QStringLiteral("AES"), QStringLiteral("-X"), QString::fromStdString(user.privPass), peer,
            QStringLiteral(".1")};
}

// `rounds` rounds of snmpwalk and our own walk taken in turn; prints the medians
// side by side (`ours` names our side) and gives the ratio ours / snmpwalk, or
// a negative value when a walk failed.
inline double compareWithSnmpwalk(const char* name, const char* ours, int rounds, const QStringList& toolArgs,
                                  const QString& outFile, const std::function<WalkRun()>& ourWalk)
{
    std::vector<double> oursSeconds, theirsSeconds;
    long oursObjects = 0, theirObjects = 0;
    for (int i = 0; i < rounds; ++i) {
        const WalkRun t = snmpwalkRun(toolArgs, outFile);
        const WalkRun e = ourWalk();
        if (t.code != 0 || e.code != 0) {
            std::fprintf(stderr, "%s: walk failed (snmpwalk exit %d, %s code %d)\n", name, t.code, ours, e.code);
            return -1;
        }
        theirsSeconds.push_back(t.seconds);
        oursSeconds.push_back(e.seconds);
        theirObjects = t.objects;
        oursObjects = e.objects;
    }
    const double a = median(oursSeconds), b = median(theirsSeconds);
    std::printf("%-20s %s %7.3f s (%ld objects, %.1f us/step)   snmpwalk %7.3f s (%ld objects)   ratio %.2f\n", name,
                ours, a, oursObjects, a * 1e6 / std::max(1L, oursObjects), b, theirObjects, a / b);
    return a / b;
}

// The environment net-snmp's tools get here: no MIBs, no configuration files,
// their engine data in a private folder instead of the system's.
inline QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QStringLiteral(""));
    env.insert(QStringLiteral("SNMPCONFPATH"), QStringLiteral("/nonexistent"));
    static QTemporaryDir persistent;
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), persistent.path());
    return env;
}

// Arguments of a v2c get-next walk (-Cc, 2 s time-out, one retry) of `root`
// on the agent at 127.0.0.1:`port`.
inline QStringList v2cWalkArgs(const QString& community, quint16 port, const QString& root)
{
    return {QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-On"), QStringLiteral("-Cc"),
            QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"),
            QStringLiteral("127.0.0.1:%1").arg(port), root};
}

} // namespace bench
