// Get-next walk of a whole snmpd tree through the access layer's session path:
// CreateGlobalSession, a target built with BuildTarget for every step (as each
// request builds its own), responses delivered by the event pump.  Timed side by
// side with net-snmp's snmpwalk against the same agent.
//
//   bench_session_walk [rounds]     (default 5; the medians are compared)
#include "SnmpdAgent.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Run {
    double seconds = 0;
    long objects = 0;
    int code = 0;
};

Run LayerWalk(const KvSNMPDevice& device, const KvSNMPSecurity& security)
{
    Run run;
    QEventLoop loop;
    std::function<void(const engine::Response&)> step;
    auto sendNext = [&](const engine::Oid& from) {
        engine::Target t;
        try {
            t = BuildTarget(device, {}, security, 200, 0);
        } catch (...) {
            run.code = -509;
            loop.quit();
            return;
        }
        engine::Pdu pdu;
        pdu.vbs.push_back({from, engine::Value::null()});
        const int rc = GlobalSession->send(engine::Operation::GetNext, t, pdu, step);
        if (rc != 0) {
            run.code = rc;
            loop.quit();
        }
    };
    step = [&](const engine::Response& r) {
        if (r.code != 0) {
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
    run.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return run;
}

Run ToolWalk(const QStringList& args, const QString& outFile)
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

double Median(std::vector<double> v)
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
        std::fprintf(stderr, "bench_session_walk: %s\n", qPrintable(agent.error()));
        return 1;
    }
    QTemporaryDir tmp;
    try {
        CreateGlobalSession(tmp.path().toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_session_walk: %s\n", e.what());
        return 1;
    }
    const QString out = tmp.filePath(QStringLiteral("walk.txt"));
    const QString peer = QStringLiteral("127.0.0.1:%1").arg(agent.port());
    const KvSNMPDevice device{SnmpdAgent::address(), agent.port()};

    KvSNMPSecurity v2c;
    v2c.Version = 1;
    const auto& u = SnmpdAgent::users()[1];   // SHA / AES-128
    KvSNMPSecurity v3;
    v3.Version = 3;
    v3.SecurityModel = 3;
    v3.SecurityLevel = 3;
    v3.SecurityName = u.name;
    v3.AuthProtocol = u.auth;
    v3.PrivProtocol = u.priv;
    v3.AuthPassword = u.authPass;
    v3.PrivPassword = u.privPass;

    const QStringList common = {QStringLiteral("-On"), QStringLiteral("-m"), QString()};
    struct Variant {
        const char* name;
        KvSNMPSecurity security;
        QStringList toolArgs;
    };
    const std::vector<Variant> variants = {
        {"v2c", v2c, common + QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"), peer,
                                          QStringLiteral(".1")}},
        {"v3 SHA/AES authPriv", v3,
         common + QStringList{QStringLiteral("-v3"), QStringLiteral("-l"), QStringLiteral("authPriv"), QStringLiteral("-u"),
                              QString::fromStdString(u.name), QStringLiteral("-a"), QStringLiteral("SHA"),
                              QStringLiteral("-A"), QString::fromStdString(u.authPass), QStringLiteral("-x"),
                              QStringLiteral("AES"), QStringLiteral("-X"), QString::fromStdString(u.privPass), peer,
                              QStringLiteral(".1")}},
    };

    std::printf("get-next walk of snmpd's whole tree on %s through BuildTarget and the pump, %d rounds, medians\n",
                qPrintable(peer), rounds);
    for (const Variant& v : variants) {
        std::vector<double> ours, theirs;
        long oursObjects = 0, theirObjects = 0;
        for (int i = 0; i < rounds; ++i) {
            const Run t = ToolWalk(v.toolArgs, out);
            const Run e = LayerWalk(device, v.security);
            if (t.code != 0 || e.code != 0) {
                std::fprintf(stderr, "%s: walk failed (snmpwalk exit %d, layer code %d)\n", v.name, t.code, e.code);
                return 1;
            }
            theirs.push_back(t.seconds);
            ours.push_back(e.seconds);
            theirObjects = t.objects;
            oursObjects = e.objects;
        }
        const double a = Median(ours), b = Median(theirs);
        std::printf("%-20s layer %7.3f s (%ld objects, %.1f us/step)   snmpwalk %7.3f s (%ld objects)   ratio %.2f\n",
                    v.name, a, oursObjects, a * 1e6 / std::max(1L, oursObjects), b, theirObjects, a / b);
    }
    return 0;
}
