// Asynchronous table walk through KvSNMPRequest (kind MVT_FMV, 4 columns, the
// next get-next sent from each callback, responses delivered by the session's
// event pump) of ksw-sim's generated 10,000-row table, side by side with
// net-snmp's own table tool on the same table and agent: snmptable -v2c -CB
// asks get-next with every column in one PDU, exactly the walk's own PDUs.  The
// tool needs a MIB module for the table; a minimal one is written for it into a
// temporary folder.  snmpwalk -v2c -Cc of one column (as many PDUs, a quarter
// of the agent's work per PDU) is timed as a second reference.  Prints the
// times, the ratios (request / tool, lower is better) and the peak resident
// memory the walk added.
//
// The raw engine walking with the same 4-column PDUs is timed as well, which
// separates what the access layer adds from what the larger PDUs cost.
//
// The same walk with get-bulk is set against snmptable -v2c (get-bulk) and
// snmpbulkwalk of the same four columns.
//
// Each round times the walks back to back, in alternating order, so that a slow
// spell of the machine falls on neighbours alike.  Ratios are taken per round
// and given as min / median / max over the rounds.
//
//   bench_request_walk [rounds] [--same-cpu]
//     rounds      default 7
//     --same-cpu  runs this program, ksw-sim and the tools on one processor: no
//                 wake-ups across processors, so processor time alone decides
#include "BenchSupport.h"
#include "TableBench.h"
#include "KswSim.h"
#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"
#include "KvSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>
#include <string>

namespace {

const int kRows = bench::kBigTableRows;
const std::string kTable = bench::kBigTable;

// The process's peak resident size so far (VmHWM).
long peakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// Processor time (user + system) this process has used so far; ksw-sim and
// snmpwalk run in other processes and are not counted.
double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
        + static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Result {
    double seconds = 0;
    double cpu = 0;      // processor time of this process during the walk
    int rows = 0;        // rows (request) or objects (snmpwalk)
    int pdus = 0;
    long peakGrowthKb = 0;
    bool ok = false;
    std::string error;
};

Result requestWalk(quint16 port, bool bulk)
{
    Result result;
    const long base = bench::residentKb();
    int responses = 0;
    const bench::TableWalk w = bench::requestTableWalk(port, bulk, [&] {
        if (++responses % 256 == 0)
            result.peakGrowthKb = std::max(result.peakGrowthKb, bench::residentKb() - base);
    });
    result.seconds = w.seconds;
    result.rows = w.rows;
    result.pdus = w.pdus;
    result.ok = w.ok;
    result.error = w.error;
    result.peakGrowthKb = std::max(result.peakGrowthKb, bench::residentKb() - base);
    return result;
}

// The same 4-column walk through the engine alone (no request, no conversions):
// what the larger PDUs cost the agent and the transport by themselves.
Result engineWalk(quint16 port)
{
    Result r;
    KvSNMPDevice device;
    device.Address = "127.0.0.1";
    device.Port = port;
    KvSNMPSecurity security = DefaultSecurity;
    security.Version = 1;
    const engine::Target target = BuildTarget(device, DefaultScope, security, KvModuleTimeout, 1);
    const engine::Oid table = *engine::oidFromText(kTable);
    QEventLoop loop;
    std::function<void(const engine::Response&)> next;
    auto send = [&](engine::Pdu pdu) {
        if (GlobalSession->send(engine::Operation::GetNext, target, std::move(pdu), next) != 0)
            loop.quit();
    };
    next = [&](const engine::Response& response) {
        ++r.pdus;
        const bool inTable = response.code == 0 && !response.vbs.empty()
            && response.vbs[0].oid.size() == table.size() + 2
            && std::equal(table.begin(), table.end(), response.vbs[0].oid.begin())
            && response.vbs[0].oid[table.size()] == 1;
        if (!inTable) {
            r.ok = response.code == 0;
            loop.quit();
            return;
        }
        ++r.rows;
        engine::Pdu pdu;
        pdu.vbs.reserve(response.vbs.size());
        for (const engine::VarBind& vb : response.vbs)
            pdu.vbs.push_back(engine::VarBind{vb.oid, engine::Value::null()});
        send(std::move(pdu));
    };
    engine::Pdu first;
    for (std::uint32_t c = 1; c <= 4; ++c) {
        engine::Oid column = table;
        column.push_back(c);
        first.vbs.push_back(engine::VarBind{column, engine::Value::null()});
    }
    QElapsedTimer t;
    t.start();
    send(std::move(first));
    loop.exec();
    r.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    return r;
}

// A self-contained MIB module for the generated table (its root spelled out
// from iso, so that it needs no imports), as KSW-BENCH-MIB in `folder`.
bool writeTableMib(const QString& folder)
{
    QFile f(folder + QStringLiteral("/KSW-BENCH-MIB.txt"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const char* column = "%1 OBJECT-TYPE\n    SYNTAX %2\n    MAX-ACCESS read-only\n    STATUS current\n"
                         "    DESCRIPTION \"-\"\n    ::= { benchEntry %3 }\n\n";
    QString text = QStringLiteral(
        "KSW-BENCH-MIB DEFINITIONS ::= BEGIN\n\n"
        "benchRoot OBJECT IDENTIFIER ::= { iso %1 }\n\n"
        "benchTable OBJECT-TYPE\n    SYNTAX SEQUENCE OF BenchEntry\n    MAX-ACCESS not-accessible\n"
        "    STATUS current\n    DESCRIPTION \"-\"\n    ::= { benchRoot %2 }\n\n"
        "benchEntry OBJECT-TYPE\n    SYNTAX BenchEntry\n    MAX-ACCESS not-accessible\n    STATUS current\n"
        "    DESCRIPTION \"-\"\n    INDEX { benchIndex }\n    ::= { benchTable 1 }\n\n"
        "BenchEntry ::= SEQUENCE { benchIndex INTEGER, benchName OCTET STRING, benchCount Counter32, "
        "benchState INTEGER }\n\n");
    // kTable is the entry: the table is its parent, the root the table's parent.
    QStringList arcs = QString::fromStdString(kTable).split(QLatin1Char('.'));
    arcs.removeFirst();   // iso
    arcs.removeLast();    // entry
    const QString tableArc = arcs.takeLast();
    text = text.arg(arcs.join(QLatin1Char(' ')), tableArc);
    const char* names[] = {"benchIndex", "benchName", "benchCount", "benchState"};
    const char* syntaxes[] = {"INTEGER", "OCTET STRING", "Counter32", "INTEGER"};
    for (int c = 0; c < 4; ++c)
        text += QString::fromLatin1(column).arg(QLatin1String(names[c]), QLatin1String(syntaxes[c])).arg(c + 1);
    text += QStringLiteral("END\n");
    return f.write(text.toLatin1()) > 0 && f.flush();
}

// Runs one of net-snmp's tools; its rows are `rowsOf` its output.
Result runTool(const QString& program, const QStringList& args, const QProcessEnvironment& env,
               const std::function<int(const QByteArray&)>& rowsOf)
{
    Result r;
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(600000)) {
        r.error = program.toStdString() + " did not run";
        return r;
    }
    r.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    r.rows = rowsOf(p.readAllStandardOutput());
    r.pdus = r.rows + 1;
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!r.ok)
        r.error = p.readAllStandardError().toStdString();
    return r;
}

int lines(const QByteArray& out)
{
    return static_cast<int>(out.count('\n'));
}

// snmptable -v2c over the generated table with the module above; -CB keeps it to
// get-next.  Rows are its output lines (no headers, one field separator).
Result tableToolWalk(quint16 port, const QString& mibFolder, bool getNextOnly)
{
    QProcessEnvironment env = bench::toolEnvironment();
    env.insert(QStringLiteral("MIBDIRS"), mibFolder);
    env.insert(QStringLiteral("MIBS"), QStringLiteral("KSW-BENCH-MIB"));
    QStringList args{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), QStringLiteral("-t"),
                     QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"), QStringLiteral("-CH"),
                     QStringLiteral("-Cf"), QStringLiteral("|")};
    if (getNextOnly)
        args << QStringLiteral("-CB");
    args << QStringLiteral("127.0.0.1:%1").arg(port) << QStringLiteral("KSW-BENCH-MIB::benchTable");
    return runTool(QStringLiteral("snmptable"), args, env, [](const QByteArray& out) {
        int rows = 0;
        for (const QByteArray& line : out.split('\n'))
            rows += line.contains('|') ? 1 : 0;
        return rows;
    });
}

// snmpbulkwalk -v2c of the table's entry: all four columns, one after another.
Result bulkToolWalk(quint16 port)
{
    return runTool(QStringLiteral("snmpbulkwalk"),
                   {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), QStringLiteral("-On"),
                    QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"),
                    QStringLiteral("127.0.0.1:%1").arg(port), QString::fromStdString(kTable)},
                   bench::toolEnvironment(), [](const QByteArray& out) { return lines(out) / 4; });
}

Result toolWalk(quint16 port)
{
    return runTool(QStringLiteral("snmpwalk"),
                   bench::v2cWalkArgs(QStringLiteral("rdcomm"), port, QString::fromStdString(kTable + ".2")),
                   bench::toolEnvironment(), lines);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int rounds = 7;
    bool sameCpu = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--same-cpu") == 0)
            sameCpu = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    if (sameCpu) {
        // Set before ksw-sim and snmpwalk start: they inherit it.
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(sched_getcpu() < 0 ? 0 : sched_getcpu(), &one);
        if (sched_setaffinity(0, sizeof one, &one) != 0)
            std::fprintf(stderr, "bench_request_walk: cannot keep to one processor; running unpinned\n");
    }

    KswSim::Options o;
    o.extraArgs << QStringLiteral("--big-table") << QString::number(kRows);
    KswSim sim(o);
    if (!sim.running()) {
        std::fprintf(stderr, "bench_request_walk: ksw-sim: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    QTemporaryDir folder;
    try {
        CreateGlobalSession(folder.path().toStdString());
    } catch (const KvSNMPException& e) {
        std::fprintf(stderr, "bench_request_walk: %s\n", e.Message().c_str());
        return 1;
    }

    auto timedRequest = [&] {
        const double cpu0 = cpuSeconds();
        Result r = requestWalk(sim.port(), false);
        r.cpu = cpuSeconds() - cpu0;
        return r;
    };
    auto timedEngine = [&] {
        const double cpu0 = cpuSeconds();
        Result e = engineWalk(sim.port());
        e.cpu = cpuSeconds() - cpu0;
        return e;
    };

    QTemporaryDir mibFolder;
    if (!writeTableMib(mibFolder.path())) {
        std::fprintf(stderr, "bench_request_walk: cannot write the table's MIB module\n");
        return 1;
    }

    auto keepBest = [](Result& best, const Result& r, bool first) {
        if (first || r.seconds < best.seconds)
            best = r;
    };
    Result bestRequest, bestTool, bestTable, bestEngine;
    double leastRequestCpu = -1, leastEngineCpu = -1;
    std::vector<double> requestToTable, requestToTool, requestToEngine, engineToTable;
    for (int i = 0; i < rounds; ++i) {
        Result r, w, t, e;
        if (i % 2 == 0) {
            r = timedRequest();
            t = tableToolWalk(sim.port(), mibFolder.path(), true);
            w = toolWalk(sim.port());
            e = timedEngine();
        } else {
            e = timedEngine();
            w = toolWalk(sim.port());
            t = tableToolWalk(sim.port(), mibFolder.path(), true);
            r = timedRequest();
        }
        if (!r.ok || r.rows != kRows) {
            std::fprintf(stderr, "bench_request_walk: request walk failed after %d rows: %s\n", r.rows, r.error.c_str());
            return 1;
        }
        if (!t.ok || t.rows != kRows) {
            std::fprintf(stderr, "bench_request_walk: snmptable failed after %d rows: %s\n", t.rows, t.error.c_str());
            return 1;
        }
        if (!w.ok || w.rows != kRows) {
            std::fprintf(stderr, "bench_request_walk: snmpwalk failed after %d objects: %s\n", w.rows, w.error.c_str());
            return 1;
        }
        if (!e.ok || e.rows != kRows) {
            std::fprintf(stderr, "bench_request_walk: engine walk failed after %d rows\n", e.rows);
            return 1;
        }
        requestToTable.push_back(r.seconds / t.seconds);
        requestToTool.push_back(r.seconds / w.seconds);
        requestToEngine.push_back(r.seconds / e.seconds);
        engineToTable.push_back(e.seconds / t.seconds);
        const long peak = std::max(bestRequest.peakGrowthKb, r.peakGrowthKb);
        if (i == 0 || r.seconds < bestRequest.seconds)
            bestRequest = r;
        bestRequest.peakGrowthKb = peak;
        keepBest(bestTool, w, i == 0);
        keepBest(bestTable, t, i == 0);
        keepBest(bestEngine, e, i == 0);
        leastRequestCpu = leastRequestCpu < 0 ? r.cpu : std::min(leastRequestCpu, r.cpu);
        leastEngineCpu = leastEngineCpu < 0 ? e.cpu : std::min(leastEngineCpu, e.cpu);
    }

    // Get-bulk: the request's walk against snmptable -v2c (get-bulk, its own
    // repetitions) and snmpbulkwalk of the same columns.
    std::vector<double> bulkToTable, bulkToBulkwalk;
    Result bestBulk, bestBulkTable, bestBulkwalk;
    for (int i = 0; i < rounds; ++i) {
        Result r, t, b;
        if (i % 2 == 0) {
            r = requestWalk(sim.port(), true);
            t = tableToolWalk(sim.port(), mibFolder.path(), false);
            b = bulkToolWalk(sim.port());
        } else {
            b = bulkToolWalk(sim.port());
            t = tableToolWalk(sim.port(), mibFolder.path(), false);
            r = requestWalk(sim.port(), true);
        }
        if (!r.ok || r.rows != kRows || !t.ok || t.rows != kRows || !b.ok || b.rows != kRows) {
            std::fprintf(stderr, "bench_request_walk: a get-bulk walk failed (request %d rows %s, snmptable %d rows %s, "
                         "snmpbulkwalk %d rows %s)\n", r.rows, r.error.c_str(), t.rows, t.error.c_str(), b.rows,
                         b.error.c_str());
            return 1;
        }
        bulkToTable.push_back(r.seconds / t.seconds);
        bulkToBulkwalk.push_back(r.seconds / b.seconds);
        keepBest(bestBulk, r, i == 0);
        keepBest(bestBulkTable, t, i == 0);
        keepBest(bestBulkwalk, b, i == 0);
    }

    auto perPdu = [](double seconds, int pdus) { return seconds / pdus * 1e6; };
    auto spread = [](const char* what, std::vector<double> v, const char* target) {
        std::sort(v.begin(), v.end());
        std::printf("ratio %-32s min %.2f  median %.2f  max %.2f%s\n", what, v.front(), v[v.size() / 2], v.back(),
                    target);
    };
    std::printf("table %s, %d rows x 4 columns, v2c get-next, %d rounds%s\n", kTable.c_str(), kRows, rounds,
                sameCpu ? ", all on one processor" : "");
    std::printf("KvSNMPRequest async walk (4 columns): %d PDUs, best %.3f s (%.1f us/PDU)\n", bestRequest.pdus,
                bestRequest.seconds, perPdu(bestRequest.seconds, bestRequest.pdus));
    std::printf("engine alone, same 4-column PDUs:     %d PDUs, best %.3f s (%.1f us/PDU)\n", bestEngine.pdus,
                bestEngine.seconds, perPdu(bestEngine.seconds, bestEngine.pdus));
    std::printf("snmptable -v2c -CB (4 columns):       %d PDUs, best %.3f s (%.1f us/PDU)\n", bestTable.pdus,
                bestTable.seconds, perPdu(bestTable.seconds, bestTable.pdus));
    std::printf("snmpwalk -v2c -Cc (1 column):         %d PDUs, best %.3f s (%.1f us/PDU)\n", bestTool.pdus,
                bestTool.seconds, perPdu(bestTool.seconds, bestTool.pdus));
    spread("request/snmptable -CB:", requestToTable, " (target <= 1.1)");
    spread("request/engine alone:", requestToEngine, " (the access layer's own share; target <= 1.1)");
    spread("engine alone/snmptable -CB:", engineToTable, "");
    spread("request/snmpwalk -Cc (1 column):", requestToTool, "");
    std::printf("processor time of this process, least of %d rounds: request walk %.1f us/PDU, engine alone "
                "%.1f us/PDU (access layer %.1f us/PDU)\n",
                rounds, perPdu(leastRequestCpu, bestRequest.pdus), perPdu(leastEngineCpu, bestEngine.pdus),
                perPdu(leastRequestCpu, bestRequest.pdus) - perPdu(leastEngineCpu, bestEngine.pdus));
    std::printf("get-bulk: KvSNMPRequest async walk best %.3f s, snmptable -v2c best %.3f s, snmpbulkwalk -v2c "
                "(4 columns) best %.3f s\n",
                bestBulk.seconds, bestBulkTable.seconds, bestBulkwalk.seconds);
    spread("get-bulk request/snmptable:", bulkToTable, "");
    spread("get-bulk request/snmpbulkwalk:", bulkToBulkwalk, " (target <= 1.0)");
    std::printf("walk peak memory: resident size grew by at most %ld KiB during a walk (process peak %ld KiB)\n",
                bestRequest.peakGrowthKb, peakKb());
    return 0;
}
