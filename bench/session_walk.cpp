// Get-next walk of a whole snmpd tree through the access layer's session path:
// CreateGlobalSession, a target built with BuildTarget for every step (as each
// request builds its own), responses delivered by the event pump.  Timed side by
// side with net-snmp's snmpwalk against the same agent.
//
//   bench_session_walk [rounds]     (default 5; min / median / max of the paired rounds' ratios,
//                                    each side's get-next requests counted by snmpd)
#include "BenchSupport.h"
#include "SnmpdAgent.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// One get-next through GlobalSession with a target built for the step, as each
// request builds its own.
int sendThroughSession(const KvSNMPDevice& device, const KvSNMPSecurity& security, const engine::Pdu& pdu,
                       const engine::Callback& done)
{
    engine::Target t;
    try {
        t = BuildTarget(device, {}, security, KvModuleTimeout, 0);
    } catch (...) {
        return -509;
    }
    return GlobalSession->send(engine::Operation::GetNext, t, pdu, done);
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

    struct Variant {
        const char* name;
        KvSNMPSecurity security;
        QStringList toolArgs;
    };
    const std::vector<Variant> variants = {
        {"v2c", v2c, bench::snmpwalkV2cArgs(peer)},
        {"v3 SHA/AES authPriv", v3, bench::snmpwalkV3Args(peer, u)},
    };

    const bench::AgentCounter counter{bench::AgentCounter::Snmpd, agent.port()};
    std::printf("get-next walk of snmpd's whole tree on %s through BuildTarget and the pump, %d paired rounds\n",
                qPrintable(peer), rounds);
    for (const Variant& v : variants) {
        const double ratio = bench::compareWithSnmpwalk(v.name, "layer", rounds, v.toolArgs, out, counter, [&] {
            return bench::getNextWalk([&](const engine::Pdu& pdu, const engine::Callback& done) {
                return sendThroughSession(device, v.security, pdu, done);
            });
        });
        if (ratio < 0)
            return 1;
    }
    return 0;
}
