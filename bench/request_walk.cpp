// Asynchronous table walk through KvSNMPRequest (kind MVT_FMV, 4 columns, the
// next get-next sent from each callback, responses delivered by the session's
// event pump) of ksw-sim's generated 10,000-row table, side by side with
// net-snmp's own table tool on the same table and agent: snmptable -v2c -CB
// asks get-next with every column in one PDU, exactly the walk's own PDUs.  The
// tool needs a MIB module for the table; a minimal one is written for it into a
// temporary folder.  snmpwalk -v2c -Cc of one column (as many PDUs, a quarter
// of the agent's work per PDU: not the same work) is timed as a further line.
// Prints the times, the ratios (request / tool, lower is better) and the peak
// resident memory the walk added.
//
// The raw engine walking with the same 4-column PDUs is timed as well, which
// separates what the access layer adds from what the larger PDUs cost.
//
// The same walk with get-bulk (4 columns x 25 repetitions a request) is set
// against snmpbulkwalk -v2c -Cr100 of the table's entry: 100 bindings a
// request, the same responses.
//
// ksw-sim counts the requests each side makes (--count-requests); every ratio
// is printed beside both counts, and a run whose sides differ by more than 1 %
// stops with an error instead of a ratio.
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
// The repetitions of the request's get-bulk.
constexpr int kBulkRepetitions = 25;

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

// Processor time (user + system) of the children waited for so far: the tools,
// once they have ended.
double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
        + static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Result {
    double seconds = 0;
    double cpu = 0;      // processor time of the side (this process, or the tool's process)
    int rows = 0;        // rows (request) or objects (snmpwalk)
    int pdus = 0;
    long requests = -1;  // as ksw-sim counted them
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
    const double cpu0 = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(600000)) {
        r.error = program.toStdString() + " did not run";
        return r;
    }
    r.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    r.cpu = childCpuSeconds() - cpu0;
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

// snmpbulkwalk -v2c of the table's entry with as many bindings a request as the
// request's get-bulk asks (4 columns x 25 repetitions): the same requests and
// responses, the columns one after another.
Result bulkToolWalk(quint16 port)
{
    return runTool(QStringLiteral("snmpbulkwalk"),
                   {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), QStringLiteral("-On"),
                    QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"),
                    QStringLiteral("-Cr%1").arg(4 * kBulkRepetitions), QStringLiteral("127.0.0.1:%1").arg(port),
                    QString::fromStdString(kTable)},
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
    o.extraArgs << QStringLiteral("--big-table") << QString::number(kRows) << QStringLiteral("--count-requests");
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

    const bench::AgentCounter counter{bench::AgentCounter::KswSim, sim.port()};
    // Runs a side, timing its processor use (ours in this process; a tool's is
    // taken by runTool) and counting its requests at the agent.
    auto counted = [&](const std::function<Result()>& run, bool inProcess) {
        Result r;
        r.requests = counter.around([&] {
            const double cpu0 = cpuSeconds();
            r = run();
            if (inProcess)
                r.cpu = cpuSeconds() - cpu0;
        });
        return r;
    };
    auto requestSide = [&](bool bulk) { return counted([&] { return requestWalk(sim.port(), bulk); }, true); };

    QTemporaryDir mibFolder;
    if (!writeTableMib(mibFolder.path())) {
        std::fprintf(stderr, "bench_request_walk: cannot write the table's MIB module\n");
        return 1;
    }

    // One comparison: the request's side against a reference, per round.
    struct Pairing {
        const char* name;
        const char* note;      // the target, or why the line is reference only
        bool sameWork;         // the same requests: their counts must agree
        std::vector<double> ratios;
        std::vector<double> cpuOurs, cpuTheirs;   // per round, seconds
        long ours = -1, theirs = -1;
        double leastCpuOurs = -1, leastCpuTheirs = -1;
    };
    auto take = [](Pairing& p, const Result& ours, const Result& theirs) {
        p.ratios.push_back(ours.seconds / theirs.seconds);
        p.cpuOurs.push_back(ours.cpu);
        p.cpuTheirs.push_back(theirs.cpu);
        p.ours = ours.requests;
        p.theirs = theirs.requests;
        p.leastCpuOurs = p.leastCpuOurs < 0 ? ours.cpu : std::min(p.leastCpuOurs, ours.cpu);
        p.leastCpuTheirs = p.leastCpuTheirs < 0 ? theirs.cpu : std::min(p.leastCpuTheirs, theirs.cpu);
        return p.sameWork ? bench::sameRequests(p.name, ours.requests, theirs.requests) : true;
    };
    auto checkRows = [](const char* what, const Result& r) {
        if (r.ok && r.rows == kRows)
            return true;
        std::fprintf(stderr, "bench_request_walk: %s failed after %d rows: %s\n", what, r.rows, r.error.c_str());
        return false;
    };

    Pairing toTable{"request/snmptable -CB", " (target <= 1.1)", true};
    Pairing toEngine{"request/engine alone", " (the access layer's own share; target <= 1.1)", true};
    Pairing engineToTable{"engine alone/snmptable -CB", "", true};
    Pairing toColumn{"request/snmpwalk -Cc", " (not the same work: one column a request)", false};
    Result bestRequest;
    for (int i = 0; i < rounds; ++i) {
        Result r, w, t, e;
        auto runRequest = [&] { r = requestSide(false); };
        auto runTable = [&] {
            t = counted([&] { return tableToolWalk(sim.port(), mibFolder.path(), true); }, false);
        };
        auto runColumn = [&] { w = counted([&] { return toolWalk(sim.port()); }, false); };
        auto runEngine = [&] { e = counted([&] { return engineWalk(sim.port()); }, true); };
        if (i % 2 == 0) {
            runRequest();
            runTable();
            runColumn();
            runEngine();
        } else {
            runEngine();
            runColumn();
            runTable();
            runRequest();
        }
        if (!checkRows("request walk", r) || !checkRows("snmptable", t) || !checkRows("snmpwalk", w)
            || !checkRows("engine walk", e))
            return 1;
        if (!take(toTable, r, t) || !take(toEngine, r, e) || !take(engineToTable, e, t) || !take(toColumn, r, w))
            return 1;
        const long peak = std::max(bestRequest.peakGrowthKb, r.peakGrowthKb);
        if (i == 0 || r.seconds < bestRequest.seconds)
            bestRequest = r;
        bestRequest.peakGrowthKb = peak;
    }

    // Get-bulk: the request's walk against snmpbulkwalk -Cr100 of the entry.
    Pairing bulkToBulkwalk{"get-bulk request/snmpbulkwalk -Cr100", " (target <= 0.9)", true};
    for (int i = 0; i < rounds; ++i) {
        Result r, b;
        auto runRequest = [&] { r = requestSide(true); };
        auto runTool = [&] { b = counted([&] { return bulkToolWalk(sim.port()); }, false); };
        if (i % 2 == 0) {
            runRequest();
            runTool();
        } else {
            runTool();
            runRequest();
        }
        if (!checkRows("get-bulk request walk", r) || !checkRows("snmpbulkwalk", b))
            return 1;
        if (!take(bulkToBulkwalk, r, b))
            return 1;
    }

    auto perRequest = [](double seconds, long requests) { return seconds / static_cast<double>(requests) * 1e6; };
    auto report = [&](const Pairing& p) {
        std::printf("ratio %-38s %s  (%s)%s\n", p.name, bench::spreadText(p.ratios).c_str(),
                    bench::requestsText(p.ours, p.theirs).c_str(), p.note);
    };
    std::printf("table %s, %d rows x 4 columns, v2c, %d paired rounds%s; requests counted by ksw-sim\n",
                kTable.c_str(), kRows, rounds, sameCpu ? ", all on one processor" : "");
    std::printf("get-next: KvSNMPRequest async walk (4 columns), best %.3f s, %.1f us/request\n",
                bestRequest.seconds, perRequest(bestRequest.seconds, toTable.ours));
    report(toTable);
    report(toEngine);
    report(engineToTable);
    report(toColumn);
    std::printf("processor time, least of %d rounds: request walk %.1f us/request, engine alone %.1f us/request "
                "(access layer %.1f us/request), snmptable -CB %.1f us/request\n",
                rounds, perRequest(toEngine.leastCpuOurs, toEngine.ours),
                perRequest(toEngine.leastCpuTheirs, toEngine.theirs),
                perRequest(toEngine.leastCpuOurs, toEngine.ours) - perRequest(toEngine.leastCpuTheirs, toEngine.theirs),
                perRequest(toTable.leastCpuTheirs, toTable.theirs));
    report(bulkToBulkwalk);
    auto perRow = [](std::vector<double> v) {
        for (double& x : v)
            x = x / kRows * 1e6;
        return bench::spreadText(v);
    };
    std::printf("get-bulk processor time per row, min / median / max of %d rounds: request walk %s us, snmpbulkwalk "
                "%s us (target: the request's below the tool's)\n",
                rounds, perRow(bulkToBulkwalk.cpuOurs).c_str(), perRow(bulkToBulkwalk.cpuTheirs).c_str());
    std::printf("walk peak memory: resident size grew by at most %ld KiB during a walk (process peak %ld KiB)\n",
                bestRequest.peakGrowthKb, peakKb());
    return 0;
}
