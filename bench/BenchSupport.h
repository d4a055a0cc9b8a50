// What the benchmarks share: net-snmp's snmpwalk run as a process beside our own
// walks, object counts, medians, the requests each side made as the agent counted
// them, and the side-by-side report of a whole-tree walk.
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
#include <cstdlib>
#include <functional>
#include <string>
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

// min / median / max of a list of ratios, as the reports print them.
inline std::string spreadText(std::vector<double> v)
{
    if (v.empty())
        return "-";
    std::sort(v.begin(), v.end());
    char text[96];
    std::snprintf(text, sizeof text, "%.2f / %.2f / %.2f", v.front(), v[v.size() / 2], v.back());
    return text;
}

// ---- requests as the agent counted them --------------------------------------

// A ratio is only honest when both sides asked the agent the same: each side's
// requests are read from the agent before and after it runs.  ksw-sim counts
// them with --count-requests; snmpd keeps SNMPv2-MIB's snmpInGetNexts.
struct AgentCounter {
    enum Kind { KswSim, Snmpd };
    Kind kind = KswSim;
    quint16 port = 0;

    // Requests taken so far (ksw-sim: every type but its own counter reads;
    // snmpd: get-next only), or -1 when the agent did not answer.
    long read() const
    {
        QStringList args{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), QStringLiteral("-On"),
                         QStringLiteral("-Oqv"), QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"),
                         QStringLiteral("1"), QStringLiteral("127.0.0.1:%1").arg(port)};
        if (kind == KswSim)
            for (int type = 1; type <= 4; ++type)
                args << QStringLiteral("1.3.6.1.4.1.97531.98.1.%1.0").arg(type);
        else
            args << QStringLiteral("1.3.6.1.2.1.11.16.0");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MIBS"), QString());
        env.insert(QStringLiteral("SNMPCONFPATH"), QStringLiteral("/nonexistent"));
        p.setProcessEnvironment(env);
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(QStringLiteral("snmpget"), args);
        if (!p.waitForStarted(5000) || !p.waitForFinished(10000) || p.exitCode() != 0)
            return -1;
        long total = 0;
        int values = 0;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            bool ok = false;
            const long n = line.trimmed().toLong(&ok);
            if (!line.trimmed().isEmpty() && !ok)
                return -1;
            total += ok ? n : 0;
            values += ok ? 1 : 0;
        }
        return values == (kind == KswSim ? 4 : 1) ? total : -1;
    }

    // Runs `side` and gives the requests the agent took meanwhile (-1 unknown).
    template <class Side>
    long around(Side&& side) const
    {
        const long before = read();
        side();
        const long after = read();
        return before < 0 || after < 0 ? -1 : after - before;
    }
};

// The request counts of both sides of a ratio, as printed beside it.
inline std::string requestsText(long ours, long theirs)
{
    char text[96];
    std::snprintf(text, sizeof text, "requests %ld / %ld", ours, theirs);
    return text;
}

// Whether both sides made the same requests (within 1 %); when not, says so
// loudly on stderr: the ratio compares different work and must not be used.
inline bool sameRequests(const char* what, long ours, long theirs)
{
    const long larger = std::max(ours, theirs);
    const bool same = ours >= 0 && theirs >= 0 && std::labs(ours - theirs) * 100 <= larger;
    if (!same)
        std::fprintf(stderr, "\n*** %s: REQUEST COUNTS DIFFER (ours %ld, reference %ld): the ratio compares "
                     "different work ***\n\n", what, ours, theirs);
    return same;
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

// `rounds` paired rounds of snmpwalk and our own walk, the side that goes first
// alternating, so that a slow spell of the machine falls on both alike; the
// requests of each side are counted by `agent`.  Prints each side's median
// time and the min / median / max of the rounds' ratios ours / snmpwalk beside
// the request counts (`ours` names our side) and gives the median ratio, or a
// negative value when a walk failed or the two sides asked differently.
inline double compareWithSnmpwalk(const char* name, const char* ours, int rounds, const QStringList& toolArgs,
                                  const QString& outFile, const AgentCounter& agent,
                                  const std::function<WalkRun()>& ourWalk)
{
    std::vector<double> oursSeconds, theirsSeconds, ratios;
    long oursObjects = 0, theirObjects = 0, oursRequests = 0, theirRequests = 0;
    for (int i = 0; i < rounds; ++i) {
        WalkRun t, e;
        long tr = 0, er = 0;
        auto tool = [&] { tr = agent.around([&] { t = snmpwalkRun(toolArgs, outFile); }); };
        auto walk = [&] { er = agent.around([&] { e = ourWalk(); }); };
        if (i % 2 == 0) {
            walk();
            tool();
        } else {
            tool();
            walk();
        }
        if (t.code != 0 || e.code != 0) {
            std::fprintf(stderr, "%s: walk failed (snmpwalk exit %d, %s code %d)\n", name, t.code, ours, e.code);
            return -1;
        }
        if (!sameRequests(name, er, tr))
            return -1;
        theirsSeconds.push_back(t.seconds);
        oursSeconds.push_back(e.seconds);
        ratios.push_back(e.seconds / t.seconds);
        theirObjects = t.objects;
        oursObjects = e.objects;
        oursRequests = er;
        theirRequests = tr;
    }
    const double a = median(oursSeconds), b = median(theirsSeconds);
    std::printf("%-20s %s %7.3f s (%ld objects, %.1f us/step)   snmpwalk %7.3f s (%ld objects)\n", name, ours, a,
                oursObjects, a * 1e6 / std::max(1L, oursObjects), b, theirObjects);
    std::printf("%-20s ratio %s/snmpwalk min / median / max %s (%s, get-next, counted at the agent)\n", "", ours,
                spreadText(ratios).c_str(), requestsText(oursRequests, theirRequests).c_str());
    return median(ratios);
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
