// ksw-sim's traffic model: which port does what, counters that follow their
// rates and wrap, flapping ports that count only while up, a restart, and the
// agent serving the model's values at its own uptime.
#include "SnmpTools.h"
#include "MibData.h"
#include "SimOptions.h"
#include "TrafficModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace ksw::sim;

namespace {

const MibData& shipped()
{
    static const MibData data = loadSnmprec(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec");
    return data;
}

Oid column(const Oid& entry, Arc col, Arc ifIndex)
{
    Oid o = entry;
    o.push_back(col);
    o.push_back(ifIndex);
    return o;
}

const Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};

std::uint64_t counter(const TrafficModel& m, const Oid& oid, unsigned long ticks)
{
    const auto v = m.valueAt(oid, ticks);
    if (!v)
        return ~std::uint64_t{0};
    return v->tag == TagCounter64 ? v->asCounter64() : v->asUnsigned();
}

struct ProfileCase {
    unsigned long ifIndex;
    TrafficModel::Profile profile;
};

TEST(SimTraffic, EachPortOfTheShippedDataHasItsProfile)
{
    const TrafficModel m(shipped());
    using P = TrafficModel::Profile;
    const ProfileCase cases[] = {
        {1, P::Busy},      {49, P::Busy},    {2, P::Flapping}, {5, P::Flapping}, {3, P::Moderate},
        {7, P::Errors},    {4, P::Idle},     {9, P::Down},     {13, P::Down},    {50, P::Down},
        {51, P::Down},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m.profileOf(c.ifIndex), c.profile) << "ifIndex " << c.ifIndex;
}

TEST(SimTraffic, CountersFollowTheirRatesAndThe32BitOnesAreTheLowHalf)
{
    const TrafficModel m(shipped());
    // Port 49 runs at 1 Gbit/s near line rate: its 32-bit octet counter wraps
    // every 37 s or so.
    const Oid wide = column(kIfXEntry, 6, 49), narrow = column(kIfEntry, 10, 49);
    std::uint64_t last = counter(m, wide, 0);
    int wraps = 0;
    std::uint64_t lastNarrow = counter(m, narrow, 0);
    for (unsigned long t = 100; t <= 12000; t += 100) {
        const std::uint64_t w = counter(m, wide, t), n = counter(m, narrow, t);
        ASSERT_GE(w, last);
        EXPECT_EQ(n, w & 0xffffffffu);
        // Its rate over the second lies within the busy profile's band.
        const double bits = static_cast<double>(w - last) * 8;
        EXPECT_GT(bits, 0.86e9);
        EXPECT_LT(bits, 0.98e9);
        wraps += n < lastNarrow;
        last = w;
        lastNarrow = n;
    }
    EXPECT_GE(wraps, 2);

    // Port 7 counts errors and discards; an idle port its control traffic.
    EXPECT_EQ(counter(m, column(kIfEntry, 14, 7), 1000) - counter(m, column(kIfEntry, 14, 7), 0), 250u);
    EXPECT_EQ(counter(m, column(kIfEntry, 13, 7), 1000) - counter(m, column(kIfEntry, 13, 7), 0), 100u);
    EXPECT_EQ(counter(m, column(kIfEntry, 10, 4), 1000) - counter(m, column(kIfEntry, 10, 4), 0), 1500u);
    // A port down from the start, and the objects that are no counters, are not the model's.
    EXPECT_EQ(counter(m, column(kIfEntry, 10, 50), 1000), counter(m, column(kIfEntry, 10, 50), 0));
    EXPECT_FALSE(m.valueAt(column(kIfEntry, 8, 1), 100));
    EXPECT_FALSE(m.valueAt({1, 3, 6, 1, 2, 1, 1, 3, 0}, 100));
}

TEST(SimTraffic, AFlappingPortCountsOnlyWhileUpAndARestartBeginsAtZero)
{
    TrafficModel m(shipped());
    const Oid octets = column(kIfXEntry, 6, 2);
    const std::uint64_t start = counter(m, octets, 0);
    m.stateChanged(2, false, 1000);
    const std::uint64_t atDown = counter(m, octets, 1000);
    EXPECT_GT(atDown, start);
    EXPECT_EQ(counter(m, octets, 5000), atDown);
    m.stateChanged(2, true, 5000);
    EXPECT_GT(counter(m, octets, 6000), atDown);
    // Up for 10 of the 60 s after the drop: as much as 10 s counted from there.
    EXPECT_NEAR(static_cast<double>(counter(m, octets, 6000) - atDown),
                static_cast<double>(atDown - start), static_cast<double>(atDown - start) * 0.25);

    m.restart();
    EXPECT_EQ(counter(m, octets, 0), 0u);
    EXPECT_EQ(counter(m, column(kIfEntry, 14, 7), 100), 25u);
}

TEST(SimTraffic, TheOptionTakesModelOrNone)
{
    EXPECT_TRUE(parseOptions({}).traffic);
    EXPECT_TRUE(parseOptions({"--traffic", "model"}).traffic);
    EXPECT_FALSE(parseOptions({"--traffic=none"}).traffic);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--traffic", "busy"},
                                                 std::vector<std::string>{"--traffic"},
                                                 std::vector<std::string>{"--traffic="}})
        EXPECT_THROW(parseOptions(bad), UsageError) << bad.back();
}

// "... = Counter64: 1234" / "... = Timeticks: (1234) 0:00:12.34"
std::uint64_t numberOf(const QString& line)
{
    const int open = line.indexOf('(');
    if (open >= 0)
        return line.mid(open + 1, line.indexOf(')') - open - 1).toULongLong();
    return line.section(QLatin1Char(':'), -1).trimmed().toULongLong();
}

TEST(SimTraffic, TheAgentServesTheModelAtItsOwnUptime)
{
    KswSim::Options o;
    o.traffic = true;
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList args = v2c();
    args << "--" << "1.3.6.1.2.1.1.3.0" << "1.3.6.1.2.1.31.1.1.1.6.49" << "1.3.6.1.2.1.2.2.1.10.49"
         << "1.3.6.1.2.1.2.2.1.14.7";
    const ToolResult r = runTool("snmpget", args, target(sim));
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    const TrafficModel m(shipped());
    const unsigned long ticks = numberOf(lines[0]);
    // One answer, one moment: every counter is the model's at the answer's sysUpTime.
    auto within = [&](std::uint64_t served, const Oid& oid) { return served == counter(m, oid, ticks); };
    EXPECT_TRUE(within(numberOf(lines[1]), column(kIfXEntry, 6, 49))) << lines[1].toStdString();
    EXPECT_TRUE(within(numberOf(lines[2]), column(kIfEntry, 10, 49))) << lines[2].toStdString();
    EXPECT_TRUE(within(numberOf(lines[3]), column(kIfEntry, 14, 7))) << lines[3].toStdString();
}

} // namespace
