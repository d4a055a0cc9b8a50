// ksw-sim over time: warm start, saving and restarting, faults, flapping ports.
#include "SnmpTools.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString kSysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");
const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kReset = QStringLiteral("1.3.6.1.4.1.97531.12.1.2.3.0");
const QString kSave = QStringLiteral("1.3.6.1.4.1.97531.12.1.2.6.0");

ToolResult get(const KswSim& sim, const QStringList& oids, const QString& timeout = QStringLiteral("0.5"))
{
    QStringList args = v2c();
    args << "-t" << timeout << "-r" << "0" << "--" << oids;
    return runTool("snmpget", args, target(sim));
}

ToolResult set(const KswSim& sim, const QStringList& varbinds)
{
    QStringList args = writeV2c();
    args << "--" << varbinds;
    return runTool("snmpset", args, target(sim));
}

long ticks(const ToolResult& r)
{
    // "... = Timeticks: (1234) 0:00:12.34"
    const int open = r.out.indexOf('(');
    return open < 0 ? -1 : r.out.mid(open + 1, r.out.indexOf(')') - open - 1).toLong();
}

// Waits until the agent's log holds `text`: it reports each change of its behaviour.
bool logSays(KswSim& sim, const char* text)
{
    QElapsedTimer t;
    t.start();
    while (!sim.log().contains(QLatin1String(text)))
        if (t.elapsed() > 20000)
            return false;
    return true;
}

// Waits on the agent's own reports, never on the silence's length: a probe or a
// comparison of uptimes timed against the one-second silence failed under load.
TEST(SimBehaviour, WarmStartFallsSilentThenAnswersWithItsStateAndNewUptime)
{
    KswSim sim; // one second of silence
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    ASSERT_TRUE(set(sim, {kSysName, "s", "kept"}).ok());

    QElapsedTimer sinceReset;
    sinceReset.start();
    const ToolResult reset = set(sim, {kReset, "i", "3"});
    ASSERT_TRUE(reset.ok()) << reset.err.toStdString(); // answered before going down
    ASSERT_TRUE(logSays(sim, "warm start, silent")) << sim.log().toStdString();
    const ToolResult probe = get(sim, {kSysName}, "0.3");
    if (!sim.log().contains(QLatin1String("answering again"))) {
        EXPECT_FALSE(probe.ok()) << "answered while silent"; // the probe's whole wait fell in the silence
    }

    ASSERT_TRUE(logSays(sim, "answering again")) << sim.log().toStdString();
    const ToolResult back = get(sim, {kSysUpTime, kSysName, kReset}, "5");
    ASSERT_TRUE(back.ok()) << "no answer after the warm start";
    // The uptime counts from the warm start: less than the time since the reset
    // was asked for, which the uptime before it already exceeded.
    const long uptime = ticks(back);
    EXPECT_GE(uptime, 0) << back.out.toStdString();
    EXPECT_LT(uptime * 10, sinceReset.elapsed()) << back.out.toStdString();
    EXPECT_TRUE(back.out.contains("STRING: \"kept\""));
    EXPECT_TRUE(back.out.contains(kReset + " = INTEGER: 4")) << back.out.toStdString(); // back to no-reset
}

TEST(SimBehaviour, SavedStateIsServedAfterRestart)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    ASSERT_TRUE(set(sim, {kSysName, "s", "saved"}).ok());
    ASSERT_TRUE(set(sim, {kSave, "i", "3"}).ok());
    ASSERT_TRUE(set(sim, {kSysName, "s", "not saved"}).ok());
    ASSERT_TRUE(QFile::exists(sim.stateFile()));
    EXPECT_FALSE(QFile::exists(sim.stateFile() + ".tmp"));

    ASSERT_TRUE(sim.restart()) << sim.errorText().toStdString();
    const ToolResult r = get(sim, {kSysName, kSave});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("STRING: \"saved\"")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(kSave + " = INTEGER: 2")) << r.out.toStdString(); // idle again
}

TEST(SimBehaviour, SaveThatCannotWriteFailsAndSaysSo)
{
    KswSim::Options o;
    o.stateFile = QStringLiteral("/nonexistent-folder/state.snmprec");
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const ToolResult r = set(sim, {kSysName, "s", "x", kSave, "i", "3"});
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.err.contains("commitFailed")) << r.err.toStdString();
    EXPECT_TRUE(get(sim, {kSysName}).out.contains("\"KSW-4800\"")); // the whole PDU was undone
    EXPECT_TRUE(sim.log().contains("save failed"));
}

TEST(SimBehaviour, DropAndDelayFaults)
{
    KswSim::Options dropAll;
    dropAll.dropPercent = 100;
    KswSim silent(dropAll);
    ASSERT_TRUE(silent.running()) << silent.errorText().toStdString();
    EXPECT_FALSE(get(silent, {kSysName}, "0.3").ok());

    KswSim::Options late;
    late.delayMs = 400;
    KswSim slow(late);
    ASSERT_TRUE(slow.running()) << slow.errorText().toStdString();
    EXPECT_FALSE(get(slow, {kSysName}, "0.2").ok());
    QElapsedTimer t;
    t.start();
    const ToolResult r = get(slow, {kSysName}, "2");
    EXPECT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_GE(t.elapsed(), 400);
}

// Which of `count` gets of sysName `sim` answers, each sent with `retries`
// retransmissions 10 ms apart (loopback answers take well under that).
std::vector<bool> answeredGets(const KswSim& sim, int count, int retries)
{
    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = "udp:127.0.0.1:" + std::to_string(sim.port());
    std::string community = "rdcomm";
    s.peername = peer.data();
    s.version = SNMP_VERSION_2c;
    s.community = reinterpret_cast<u_char*>(community.data());
    s.community_len = community.size();
    s.retries = retries;
    s.timeout = 10000;
    void* session = snmp_sess_open(&s);
    std::vector<bool> out;
    if (!session)
        return out;
    const oid sysName[] = {1, 3, 6, 1, 2, 1, 1, 5, 0};
    for (int i = 0; i < count; ++i) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
        snmp_add_null_var(pdu, sysName, OID_LENGTH(sysName));
        netsnmp_pdu* response = nullptr;
        out.push_back(snmp_sess_synch_response(session, pdu, &response) == STAT_SUCCESS);
        if (response)
            snmp_free_pdu(response);
    }
    snmp_sess_close(session);
    return out;
}

// --drop used a fixed seed: every start lost the same packets, among them four
// in a row early on, so walks with three retries failed after a few rows on
// every run.  Each start now loses other packets, and a retransmission is
// decided on its own.
TEST(SimBehaviour, DropReplayedTheSameLossesOnEveryStart)
{
    KswSim::Options half;
    half.dropPercent = 50;
    KswSim first(half), second(half);
    ASSERT_TRUE(first.running()) << first.errorText().toStdString();
    ASSERT_TRUE(second.running()) << second.errorText().toStdString();
    const std::vector<bool> a = answeredGets(first, 48, 0), b = answeredGets(second, 48, 0);
    ASSERT_EQ(a.size(), 48u);
    EXPECT_NE(a, b); // equal by chance once in 2^48

    // With three retransmissions a request is lost only when all four packets
    // are: 1 in 16, not 1 in 2 as when retransmissions share their original's fate.
    const std::vector<bool> retried = answeredGets(first, 100, 3);
    ASSERT_EQ(retried.size(), 100u);
    EXPECT_LT(std::count(retried.begin(), retried.end(), false), 25);
}

TEST(SimBehaviour, FlappingPortsChangeTheirOperStatus)
{
    KswSim::Options o;
    o.extraArgs << "--flap" << "0.05";
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QString port2 = QStringLiteral("1.3.6.1.2.1.2.2.1.8.2");
    const QString first = get(sim, {port2}).out;
    QElapsedTimer t;
    t.start();
    bool changed = false;
    while (!changed && t.elapsed() < 3000) {
        QThread::msleep(50);
        const QString now = get(sim, {port2}).out;
        changed = !now.isEmpty() && now != first;
    }
    EXPECT_TRUE(changed);
}

// The benchmarks hold both sides of a ratio to the requests ksw-sim counted:
// each type on its own, the reads of the counts themselves left out, and the
// counts out of every walk's sight.
TEST(SimBehaviour, RequestsAreCountedByTypeWhenAsked)
{
    const QString counts = QStringLiteral("1.3.6.1.4.1.97531.98.1");
    const QStringList all = {counts + ".1.0", counts + ".2.0", counts + ".3.0", counts + ".4.0"};
    KswSim plain;
    ASSERT_TRUE(plain.running()) << plain.errorText().toStdString();
    EXPECT_TRUE(get(plain, {all[0]}).out.contains("No Such Object")) << "counted without --count-requests";

    KswSim::Options o;
    o.extraArgs << "--count-requests";
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    ASSERT_TRUE(get(sim, {kSysName, kSysUpTime}).ok());
    const ToolResult walk = runTool("snmpwalk", QStringList(v2c()) << "--" << "1.3.6.1.2.1.1", target(sim));
    const ToolResult bulk =
        runTool("snmpbulkwalk", QStringList(v2c()) << "-Cr5" << "--" << "1.3.6.1.2.1.1", target(sim));
    ASSERT_TRUE(set(sim, {kSysName, "s", "counted"}).ok());
    ASSERT_TRUE(walk.ok() && bulk.ok()) << walk.err.toStdString() << bulk.err.toStdString();
    const qsizetype objects = outputLines(walk).size();
    ASSERT_GT(objects, 5);
    ASSERT_EQ(outputLines(bulk).size(), objects);

    // A walk asks once more than it has objects; 5 repetitions a request.
    const QStringList expected = {
        all[0] + " = Counter32: 1",
        all[1] + " = Counter32: " + QString::number(objects + 1),
        all[2] + " = Counter32: " + QString::number(objects / 5 + 1),
        all[3] + " = Counter32: 1",
    };
    EXPECT_EQ(outputLines(get(sim, all)).join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_EQ(outputLines(get(sim, all)), expected) << "reading the counts counted";
    // A get that asks for more than the counts is a request like any other.
    EXPECT_TRUE(get(sim, {all[0], kSysName}).out.contains("Counter32: 2\n"));
    EXPECT_TRUE(get(sim, {all[0]}).out.contains("Counter32: 2\n"));

    const ToolResult hidden = runTool("snmpwalk", QStringList(v2c()) << "--" << "1.3.6.1.4.1.97531.98", target(sim));
    EXPECT_FALSE(hidden.out.contains("Counter32")) << hidden.out.toStdString();
}

} // namespace
