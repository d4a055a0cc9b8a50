// Rates from counter readings: wraps, 64-bit counters, restarts and
// discontinuities that must leave gaps, missing objects, the lower-bound mark,
// and the texts the windows show.
#include "monitor/CounterRates.h"
#include "monitor/RingBuffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr std::uint64_t k2p32 = 4294967296ull;
// Most octets per second of a 100 Mbit/s, 1 Gbit/s and 10 Gbit/s port.
constexpr double k100M = 12.5e6, k1G = 125e6, k10G = 1.25e9;

struct RateCase {
    const char* name;
    std::optional<TCounterReading> previous;
    TCounterReading current;
    bool wide;
    double maxPerSecond;
    TRateKind kind;
    double perSecond;
    bool atLeast;
};

TCounterReading At(std::optional<std::uint64_t> value, std::uint32_t upTime,
                   std::optional<std::uint32_t> discontinuity = std::nullopt)
{
    return {value, upTime, discontinuity};
}

class CounterRateCases : public ::testing::TestWithParam<RateCase> {};

TEST_P(CounterRateCases, GiveTheRateAGapOrNothing)
{
    const RateCase& c = GetParam();
    const TRate r = CounterRate(c.previous, c.current, c.wide, c.maxPerSecond);
    EXPECT_EQ(r.Kind, c.kind);
    if (c.kind == TRateKind::Rate) {
        EXPECT_DOUBLE_EQ(r.PerSecond, c.perSecond);
    }
    EXPECT_EQ(r.AtLeast, c.atLeast);
}

const RateCase kRateCases[] = {
    // Two seconds of the agent's time, whatever the local clock said.
    {"normal", At(1000, 100), At(1000 + 250000, 300), false, k100M, TRateKind::Rate, 125000, false},
    {"wrap32", At(k2p32 - 1000, 100), At(24000, 200), false, k1G, TRateKind::Rate, 25000, false},
    {"wide64", At(10'000'000'000'000ull, 100), At(10'000'000'000'000ull + 1'250'000'000ull, 200), true, k10G,
     TRateKind::Rate, 1.25e9, false},
    // 10 Gbit/s for 5 s counts 6.25e9 octets: the counter may have gone round once more.
    {"wrapAmbiguity", At(1000, 100), At(5000, 600), false, k10G, TRateKind::Rate, 800, true},
    // The same port read through the 64-bit counter is exact.
    {"wideNoAmbiguity", At(1000, 100), At(5000, 600), true, k10G, TRateKind::Rate, 800, false},
    {"agentRestart", At(5'000'000, 90000), At(100, 500), false, k100M, TRateKind::NoRate, 0, false},
    {"discontinuityTimeChanged", At(1000, 100, 0), At(2000, 200, 150), false, k100M, TRateKind::NoRate, 0, false},
    {"discontinuityTimeSame", At(1000, 100, 40), At(2000, 200, 40), false, k100M, TRateKind::Rate, 1000, false},
    // Back by more than one wrap at the port's speed can explain: a reset, not traffic.
    {"backBeyondOneWrap", At(3'000'000'000ull, 100), At(1'000'000'000ull, 200), false, k100M, TRateKind::NoRate, 0, false},
    {"wide64WentBack", At(5'000'000'000ull, 100), At(4'000'000'000ull, 200), true, k1G, TRateKind::NoRate, 0, false},
    {"missingObject", At(1000, 100), At(std::nullopt, 200), false, k100M, TRateKind::Missing, 0, false},
    {"missingBeforeNow", At(std::nullopt, 100), At(1000, 200), false, k100M, TRateKind::NoRate, 0, false},
    {"firstSample", std::nullopt, At(1000, 200), false, k100M, TRateKind::NoRate, 0, false},
    {"noTimeBetween", At(1000, 200), At(2000, 200), false, k100M, TRateKind::NoRate, 0, false},
    // SNMPv1 without ifXTable or a speed: 32-bit counters, one wrap allowed, no mark.
    {"v1WithoutIfX", At(k2p32 - 10, 100), At(90, 1100), false, 0, TRateKind::Rate, 10, false},
};

INSTANTIATE_TEST_SUITE_P(Readings, CounterRateCases, ::testing::ValuesIn(kRateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CounterRates, SumsAreMissingOnlyWhenAllAreAndAGapWhenAnyIs)
{
    const TRate missing{}, gap{TRateKind::NoRate, 0, false};
    const TRate two{TRateKind::Rate, 2, false}, three{TRateKind::Rate, 3, true};
    const std::vector<TRate> allMissing{missing, missing}, someMissing{two, missing}, withGap{two, gap},
        both{two, three};
    EXPECT_EQ(SumOfRates(allMissing).Kind, TRateKind::Missing);
    EXPECT_EQ(SumOfRates(someMissing).PerSecond, 2);
    EXPECT_EQ(SumOfRates(withGap).Kind, TRateKind::NoRate);
    EXPECT_EQ(SumOfRates(both).PerSecond, 5);
    EXPECT_TRUE(SumOfRates(both).AtLeast);
}

TEST(CounterRates, TextsShowUnitsTheMarkAndTheDash)
{
    struct TextCase {
        TRate rate;
        QString bits, events;
    };
    const TextCase cases[] = {
        {{TRateKind::Missing, 0, false}, QStringLiteral("\u2014"), QStringLiteral("\u2014")},
        {{TRateKind::NoRate, 0, false}, QString(), QString()},
        {{TRateKind::Rate, 0, false}, QStringLiteral("0 bit/s"), QStringLiteral("0/s")},
        {{TRateKind::Rate, 150, false}, QStringLiteral("1.20 kbit/s"), QStringLiteral("150/s")},
        {{TRateKind::Rate, 117.5e6, false}, QStringLiteral("940 Mbit/s"), QStringLiteral("117500000/s")},
        {{TRateKind::Rate, 1.5, true}, QStringLiteral("\u2265 12 bit/s"), QStringLiteral("\u2265 1.50/s")},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(BitRateText(c.rate), c.bits);
        EXPECT_EQ(EventRateText(c.rate), c.events);
    }
}

TEST(RingBuffer, KeepsTheNewestValuesInOrderWithinItsFixedMemory)
{
    TRingBuffer<int> ring(3);
    const std::size_t bytes = ring.Bytes();
    for (int i = 1; i <= 7; ++i)
        ring.Push(i);
    ASSERT_EQ(ring.Size(), 3u);
    EXPECT_EQ(ring[0], 5);
    EXPECT_EQ(ring[2], 7);
    EXPECT_EQ(ring.Newest(), 7);
    EXPECT_EQ(ring.Bytes(), bytes);
    EXPECT_THROW(TRingBuffer<int>(0), std::invalid_argument);
}

} // namespace
