// Get-next walk of a whole snmpd tree (some 8,000 objects) through the engine's
// asynchronous path on the Qt event loop (QtEventDriver: socket notifier plus
// time-out timer, the next request sent from each callback), timed side by side
// with net-snmp's own snmpwalk run as a process against the same agent.
//
//   bench_engine_walk [rounds]     (default 5; the medians are compared)
#include "QtEventDriver.h"
#include "SnmpEngine.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace engine;

namespace {

struct Run {
    double seconds = 0;
    long objects = 0;
    int code = 0;
};

Run engineWalk(Session& session, const Target& target)
{
    Run run;
    QEventLoop loop;
    const Oid root{1, 3, 6, 1};
    std::function<void(const Response&)> step;
    auto sendNext = [&](const Oid& from) {
        Pdu pdu;
        pdu.vbs.push_back(VarBind{from, Value::null()});
        const int rc = session.send(Operation::GetNext, target, pdu, step);
        if (rc != kSuccess) {
            run.code = rc;
            loop.quit();
        }
    };
    step = [&](const Response& r) {
        if (r.code != kSuccess) {
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
    sendNext(root);
    loop.exec();
    run.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return run;
}

Run toolWalk(const QStringList& args, const QString& outFile)
{
    Run run;
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
    run.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    run.code = p.exitCode();
    QFile f(outFile);
    if (f.open(QIODevice::ReadOnly))
        while (!f.atEnd())
            if (f.readLine().startsWith('.'))
                ++run.objects;
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    SnmpdAgent agent;
    if (!agent.ok()) {
        std::fprintf(stderr, "bench_engine_walk: %s\n", qPrintable(agent.error()));
        return 1;
    }
    int status = -1;
    auto session = Session::open(status);
    if (!session) {
        std::fprintf(stderr, "bench_engine_walk: cannot open the session (%d)\n", status);
        return 1;
    }
    session->mpInit("KvSNMP_PP_Application", 1);
    QtEventDriver driver(*session);
    QTemporaryDir tmp;
    const QString out = tmp.filePath(QStringLiteral("walk.txt"));
    const QString peer = QStringLiteral("127.0.0.1:%1").arg(agent.port());

    const auto& shaaes = SnmpdAgent::users()[1];
    session->addUser(shaaes.name, shaaes.auth, shaaes.priv, shaaes.authPass, shaaes.privPass);

    struct Variant {
        const char* name;
        Target target;
        QStringList toolArgs;
    };
    Target v2c;
    v2c.address = SnmpdAgent::address();
    v2c.port = agent.port();
    v2c.version = 1;
    v2c.readCommunity = "rdcomm";
    v2c.timeoutCs = 200;
    Target v3 = v2c;
    v3.version = 3;
    v3.securityName = shaaes.name;
    v3.securityLevel = 3;
    const QStringList common = {QStringLiteral("-On"), QStringLiteral("-m"), QString()};
    const std::vector<Variant> variants = {
        {"v2c", v2c, common + QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), peer,
                                          QStringLiteral(".1")}},
        {"v3 SHA/AES authPriv", v3,
         common + QStringList{QStringLiteral("-v3"), QStringLiteral("-l"), QStringLiteral("authPriv"), QStringLiteral("-u"),
                              QString::fromStdString(shaaes.name), QStringLiteral("-a"), QStringLiteral("SHA"),
                              QStringLiteral("-A"), QString::fromStdString(shaaes.authPass), QStringLiteral("-x"),
                              QStringLiteral("AES"), QStringLiteral("-X"), QString::fromStdString(shaaes.privPass), peer,
                              QStringLiteral(".1")}},
    };

    std::printf("get-next walk of snmpd's whole tree on %s, %d rounds, medians\n", qPrintable(peer), rounds);
    for (const Variant& v : variants) {
        std::vector<double> ours, theirs;
        long oursObjects = 0, theirObjects = 0;
        for (int i = 0; i < rounds; ++i) {
            const Run t = toolWalk(v.toolArgs, out);
            const Run e = engineWalk(*session, v.target);
            if (t.code != 0 || e.code != 0) {
                std::fprintf(stderr, "%s: walk failed (snmpwalk exit %d, engine code %d)\n", v.name, t.code, e.code);
                return 1;
            }
            theirs.push_back(t.seconds);
            ours.push_back(e.seconds);
            theirObjects = t.objects;
            oursObjects = e.objects;
        }
        const double a = median(ours), b = median(theirs);
        const double ratio = a / b;
        std::printf("%-20s engine %7.3f s (%ld objects, %.1f us/step)   snmpwalk %7.3f s (%ld objects)   ratio %.2f\n",
                    v.name, a, oursObjects, a * 1e6 / std::max(1L, oursObjects), b, theirObjects, ratio);
        std::printf("%-20s target ratio <= 1.30: %s\n", "", ratio <= 1.3 ? "met" : "NOT met");
    }
    return 0;
}
