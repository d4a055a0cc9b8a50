// The sampler against ksw-sim: an SNMPv1 agent without ifXTable gives 32-bit
// rates and "missing" for what it lacks, learned from its noSuchName answers;
// an agent that stops answering leaves gaps, and rates come back after it.
#include "KswSim.h"
#include "monitor/PortSampler.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kWaitMs = 20000;
constexpr int kIntervalMs = 500;

// The shipped data without a subtree.
QString DataWithout(const QTemporaryDir& dir, const QByteArray& prefix)
{
    QFile in(QStringLiteral(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec"));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray out;
    for (const QByteArray& line : in.readAll().split('\n'))
        if (!line.startsWith(prefix))
            out += line + '\n';
    const QString path = dir.filePath(QStringLiteral("agent.snmprec"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(out);
    return path;
}

class Sampler : public ::testing::Test {
protected:
    void Start(const KswSim& sim, int version)
    {
        CreateGlobalSession(dir_.path().toStdString());
        ResetDefaultParameters();
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim.port();
        DefaultSecurity.Version = static_cast<std::uint8_t>(version);
        DefaultTimeout = KvInitialTimeout;
    }
    static bool PollsMore(TPortSampler& s, int polls)
    {
        const auto until = s.Polls() + polls;
        return QTest::qWaitFor([&] { return s.Polls() >= until; }, kWaitMs);
    }
    QTemporaryDir dir_;
};

TEST_F(Sampler, AnSnmpV1AgentWithoutIfXTableGives32BitRatesAndMissingObjects)
{
    KswSim::Options o;
    o.traffic = true;
    o.dataFile = DataWithout(dir_, "1.3.6.1.2.1.31.");
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    Start(sim, 0);
    TPortSampler sampler(50);
    sampler.SetIntervalMs(kIntervalMs);
    sampler.AddTrafficUser();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sampler.Now(49).In.HasValue(); }, kWaitMs));
    const TPortNow& busy = sampler.Now(49);
    EXPECT_FALSE(busy.Wide);
    // ifSpeed, not ifHighSpeed: 1 Gbit/s here; the rate stays under it.
    ASSERT_TRUE(busy.SpeedBits);
    EXPECT_EQ(*busy.SpeedBits, 1e9);
    EXPECT_GT(busy.In.PerSecond * 8, 0.8e9);
    EXPECT_LT(busy.In.PerSecond * 8, 1e9);
    EXPECT_TRUE(busy.Alias.isEmpty());
    EXPECT_EQ(busy.Descr, QStringLiteral("Port 49"));
    // Every object of ifXTable was left out after its noSuchName, and the requests go on without them.
    ASSERT_TRUE(PollsMore(sampler, 2));
    EXPECT_TRUE(sampler.Now(49).In.HasValue());
    EXPECT_EQ(sampler.Now(49).Errors.Kind, TRateKind::Rate);
    EXPECT_GT(sampler.RequestsLastPoll(), 0);
    EXPECT_EQ(sampler.BindingsLastPoll(), sampler.RequestsLastPoll() + 50 * 8);
}

TEST_F(Sampler, AnSnmpV2cAgentWithoutIfXTableIsReadWithGetBulksTheAgentAnswersWholeAnd32BitCounters)
{
    KswSim::Options o;
    o.traffic = true;
    o.dataFile = DataWithout(dir_, "1.3.6.1.2.1.31.");
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    Start(sim, 1);
    TPortSampler sampler(50);
    sampler.SetIntervalMs(kIntervalMs);
    sampler.AddTrafficUser();
    // The first poll finds no 64-bit counters; the next reads the 32-bit ones, the one after gives rates.
    ASSERT_TRUE(QTest::qWaitFor([&] { return sampler.Now(49).In.HasValue(); }, kWaitMs));
    const TPortNow& busy = sampler.Now(49);
    EXPECT_FALSE(busy.Wide);
    ASSERT_TRUE(busy.SpeedBits);
    EXPECT_EQ(*busy.SpeedBits, 1e9);
    EXPECT_GT(busy.In.PerSecond * 8, 0.8e9);
    EXPECT_LT(busy.In.PerSecond * 8, 1e9);
    EXPECT_EQ(busy.Descr, QStringLiteral("Port 49"));
    EXPECT_TRUE(busy.Alias.isEmpty());
    ASSERT_TRUE(PollsMore(sampler, 1));
    // ksw-sim cuts a get-bulk's answer at 100 bindings, as net-snmp's agents do:
    // the first answer cut short taught the sampler that, so every port is
    // asked once (9 columns beside each request's sysUpTime) and no answer is
    // cut again, in fewer requests than gets of 60 bindings would take.
    EXPECT_EQ(sampler.BindingsLastPoll(), sampler.RequestsLastPoll() + 50 * 9);
    EXPECT_LE(sampler.RequestsLastPoll(), 5);
    EXPECT_EQ(sampler.Now(7).Errors.Kind, TRateKind::Rate);
}

TEST_F(Sampler, ASilentAgentLeavesGapsAndRatesReturnAfterIt)
{
    KswSim::Options o;
    o.traffic = true;
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    Start(sim, 1);
    DefaultTimeout = 20;
    TPortSampler sampler(50);
    QStringList lines;
    QObject::connect(&sampler, &TPortSampler::StatusLine, [&](const QString& l) { lines << l; });
    sampler.SetIntervalMs(kIntervalMs);
    sampler.AddTrafficUser();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sampler.Now(1).In.HasValue(); }, kWaitMs));
    sim.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sampler.Now(1).Read; }, kWaitMs));
    EXPECT_TRUE(std::isnan(sampler.History(1).Newest().InBits));
    EXPECT_EQ(sampler.Now(1).In.Kind, TRateKind::NoRate);
    ASSERT_TRUE(sim.restart());
    // The agent restarted: the first reading after it gives no rate, the next does.
    ASSERT_TRUE(QTest::qWaitFor([&] { return sampler.Now(1).In.HasValue(); }, kWaitMs));
    EXPECT_FALSE(std::isnan(sampler.History(1).Newest().InBits));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.front().startsWith(QLatin1String("Monitor: "))) << lines.front().toStdString();
    EXPECT_EQ(lines.back(), QStringLiteral("Monitor: the agent answers again"));
}

TEST_F(Sampler, HistoryMemoryIsFixedAtAnHourOfSecondsForEveryPort)
{
    TPortSampler sampler(50);
    EXPECT_EQ(sampler.HistoryBytes(), 50 * TPortSampler::HistoryPoints * sizeof(TTrafficPoint));
    EXPECT_EQ(sampler.Polling(), false);
}

} // namespace
