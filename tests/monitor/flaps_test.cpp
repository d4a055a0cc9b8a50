// Flap counting from what the polls see: state changes, ifLastChange moving
// under an unchanged state, the mark above four changes in ten minutes and
// its expiry after ten quiet minutes, restarts and missed polls.
#include "monitor/FlapCounter.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Poll {
    int second;
    std::optional<int> status;            // 1 up, 2 down; nullopt: the poll failed
    std::optional<std::uint32_t> lastChange;
    std::uint32_t upTime;
};

struct Check {
    int second;
    int changes;
    bool marked;
};

struct FlapCase {
    const char* name;
    std::vector<Poll> polls;
    std::vector<Check> checks;
};

// A state change at every poll, 5 s apart, from second `from` on.
std::vector<Poll> Toggles(int count, int from = 0)
{
    std::vector<Poll> polls;
    for (int i = 0; i <= count; ++i) {
        const int s = from + 5 * i;
        polls.push_back({s, i % 2 ? 2 : 1, static_cast<std::uint32_t>(s * 100), static_cast<std::uint32_t>(s * 100 + 1000)});
    }
    return polls;
}

class FlapSequences : public ::testing::TestWithParam<FlapCase> {};

TEST_P(FlapSequences, CountAndMark)
{
    const FlapCase& c = GetParam();
    TFlapCounter counter;
    std::size_t next = 0;
    for (const Check& check : c.checks) {
        for (; next < c.polls.size() && c.polls[next].second <= check.second; ++next) {
            const Poll& p = c.polls[next];
            counter.Observe(p.second * 1000LL, p.status, p.status ? p.lastChange : std::nullopt,
                            p.status ? std::optional<std::uint32_t>(p.upTime) : std::nullopt);
        }
        EXPECT_EQ(counter.ChangesWithin(check.second * 1000LL), check.changes) << "at " << check.second << " s";
        EXPECT_EQ(counter.Marked(check.second * 1000LL), check.marked) << "at " << check.second << " s";
    }
}

std::vector<Poll> SameStateLastChangeMoves()
{
    // Up at every poll, but ifLastChange moved each time: down and up between polls.
    return {{0, 1, 100, 1000}, {5, 1, 1200, 1500}, {10, 1, 1700, 2000}, {15, 1, 2200, 2500}};
}

std::vector<Poll> BurstThenOneLater()
{
    std::vector<Poll> polls = Toggles(5);                 // 5 changes, the last (down) at 25 s
    polls.push_back({500, 2, 2500, 51000});                // still down
    polls.push_back({505, 1, 50500, 51500});               // up again at 505 s
    return polls;
}

std::vector<Poll> AgentRestart()
{
    // The agent restarts between two polls: its uptime and ifLastChange start
    // again, which is no flap.
    return {{0, 1, 100000, 900000}, {5, 1, 0, 300}, {10, 1, 0, 800}};
}

std::vector<Poll> MissedPoll()
{
    // A failed poll between two readings of different states: nothing to compare with.
    return {{0, 1, 100, 1000}, {5, std::nullopt, std::nullopt, 0}, {10, 2, 900, 2000}, {15, 1, 1400, 2500}};
}

const FlapCase kFlapCases[] = {
    {"steady", {{0, 1, 100, 1000}, {5, 1, 100, 1500}, {10, 1, 100, 2000}}, {{10, 0, false}}},
    {"fourChangesAreNoFlapping", Toggles(4), {{20, 4, false}}},
    {"fiveChangesMark", Toggles(5), {{20, 4, false}, {25, 5, true}}},
    {"sameStateCountsTwice", SameStateLastChangeMoves(), {{10, 4, false}, {15, 6, true}}},
    // Marked at 25 s; the changes leave the window from 600 s on, and the mark
    // goes once the port has been quiet for ten minutes (at 625 s).
    {"quietPeriodExpiry", Toggles(5), {{599, 5, true}, {605, 4, true}, {624, 1, true}, {625, 0, false}}},
    // A change at 505 s keeps the mark on although few changes are in the window,
    // until ten quiet minutes after it.
    {"markHeldByLaterChange", BurstThenOneLater(), {{25, 5, true}, {700, 1, true}, {1104, 1, true}, {1105, 0, false}}},
    {"agentRestartIsNoChange", AgentRestart(), {{10, 0, false}}},
    {"missedPollComparesAfresh", MissedPoll(), {{15, 1, false}}},
};

INSTANTIATE_TEST_SUITE_P(Polls, FlapSequences, ::testing::ValuesIn(kFlapCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FlapCounter, AnExpiredMarkComesBackOnlyWithANewBurst)
{
    TFlapCounter counter;
    for (const Poll& p : Toggles(5))
        counter.Observe(p.second * 1000LL, p.status, p.lastChange, p.upTime);
    ASSERT_TRUE(counter.Marked(25'000));
    ASSERT_FALSE(counter.Marked(700'000));
    // One change after the quiet period: counted, not marked.
    counter.Observe(700'000, 1, 70000, 71000);
    EXPECT_EQ(counter.ChangesWithin(700'000), 1);
    EXPECT_FALSE(counter.Marked(700'000));
}

} // namespace
