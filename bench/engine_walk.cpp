// Get-next walk of a whole snmpd tree (some 8,000 objects) through the engine's
// asynchronous path on the Qt event loop (QtEventDriver: socket notifier plus
// time-out timer, the next request sent from each callback), timed side by side
// with net-snmp's own snmpwalk run as a process against the same agent, in
// paired rounds whose first side alternates.  Both sides' get-next requests are
// counted by snmpd (snmpInGetNexts) and must agree.
//
//   bench_engine_walk [rounds]     (default 5; min / median / max of the rounds' ratios)
#include "BenchSupport.h"
#include "QtEventDriver.h"
#include "SnmpEngine.h"
#include "SnmpdAgent.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace engine;

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
    v2c.timeoutCs = KvModuleTimeout;
    Target v3 = v2c;
    v3.version = 3;
    v3.securityName = shaaes.name;
    v3.securityLevel = 3;
    const std::vector<Variant> variants = {
        {"v2c", v2c, bench::snmpwalkV2cArgs(peer)},
        {"v3 SHA/AES authPriv", v3, bench::snmpwalkV3Args(peer, shaaes)},
    };

    const bench::AgentCounter counter{bench::AgentCounter::Snmpd, agent.port()};
    std::printf("get-next walk of snmpd's whole tree on %s, %d paired rounds\n", qPrintable(peer), rounds);
    for (const Variant& v : variants) {
        const double ratio = bench::compareWithSnmpwalk(v.name, "engine", rounds, v.toolArgs, out, counter, [&] {
            return bench::getNextWalk([&](const Pdu& pdu, const Callback& done) {
                return session->send(Operation::GetNext, v.target, pdu, done);
            });
        });
        if (ratio < 0)
            return 1;
        std::printf("%-20s target median ratio <= 1.10: %s\n", "", ratio <= 1.1 ? "met" : "NOT met");
    }
    return 0;
}
