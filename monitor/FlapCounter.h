// Counting a port's state changes to tell a flapping port.
//
// Only the polls are seen: a change of ifOperStatus between two polls counts
// once, and a change of ifLastChange with the same state counts twice (the
// port went and came back between the polls, a flap shorter than the poll
// interval).  A port is marked once it changed more than MarkAbove times in
// the last Window, and stays marked until it has been quiet for a whole
// Window.  Times are the poller's own clock, in milliseconds.
#pragma once

#include "monitor/RingBuffer.h"

#include <cstdint>
#include <optional>

class TFlapCounter {
public:
    static constexpr std::int64_t WindowMs = 10 * 60 * 1000;
    static constexpr int MarkAbove = 4;

    TFlapCounter() : changes_(kKept) {}

    // One poll's reading of the port; nullopt for what it did not read.  The
    // agent's uptime tells a restart, after which ifLastChange starts again
    // and is compared from afresh.
    void Observe(std::int64_t nowMs, std::optional<int> operStatus, std::optional<std::uint32_t> lastChange,
                 std::optional<std::uint32_t> upTime);

    // State changes seen within the window that ends at nowMs.
    int ChangesWithin(std::int64_t nowMs) const;
    bool Marked(std::int64_t nowMs) const;
    // Forgets what was seen (the agent changed, the monitoring stopped).
    void Reset();

private:
    // More changes than this within a window need not be told apart: the
    // mark is on either way.  Keeping the times of the last few is enough.
    static constexpr std::size_t kKept = 256;

    void Count(std::int64_t nowMs, int changes);

    TRingBuffer<std::int64_t> changes_;
    std::optional<int> status_;
    std::optional<std::uint32_t> lastChange_;
    std::optional<std::uint32_t> upTime_;
    bool marked_ = false;
    std::int64_t lastChangeAt_ = 0;
};
