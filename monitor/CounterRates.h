// Rates from two readings of an interface counter.
//
// A rate is the counter's delta over the agent's own time between the two
// readings (the sysUpTime read in the same request), never the local clock's:
// a late answer does not make a port look slower.  What cannot give a rate
// gives none, so that a chart shows a gap and never a spike:
//   - the first reading, or one after a reading that failed;
//   - the agent restarted (its uptime went back) or said its counters had a
//     discontinuity (ifCounterDiscontinuityTime changed);
//   - a 64-bit counter that went back; a 32-bit one that went back by more than
//     one wrap can explain (a delta beyond what the port's speed can count).
// A 32-bit counter may wrap once between two readings.  When the port's speed
// could count through the whole 32-bit range within the interval, the
// counter may have gone round once more than its values show: the rate is a
// lower bound and says so.  An object the agent does not have gives no value
// at all, which is shown as such and never as 0.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// One counter as one request read it.
struct TCounterReading {
    std::optional<std::uint64_t> Value;             // nullopt: the agent has no such object
    std::uint32_t UpTime = 0;                        // the request's sysUpTime, hundredths of a second
    std::optional<std::uint32_t> Discontinuity;     // ifCounterDiscontinuityTime, when the agent has it
};

enum class TRateKind : std::uint8_t {
    Rate,     // PerSecond holds the rate
    NoRate,   // a first reading or a discontinuity: a gap
    Missing,  // the agent has no such object
};

struct TRate {
    TRateKind Kind = TRateKind::Missing;
    double PerSecond = 0;
    bool AtLeast = false;   // the counter may have wrapped more often than its values show

    bool HasValue() const { return Kind == TRateKind::Rate; }
};

// The counter's rate per second between two readings.  previous is absent for
// the first reading; wide says the counter has 64 bits.  maxPerSecond is the
// most the port can count per second at its speed (0 when its speed is not
// known: then neither the wrap check nor the lower-bound mark applies).
TRate CounterRate(const std::optional<TCounterReading>& previous, const TCounterReading& current, bool wide,
                  double maxPerSecond);

// The sum of several rates of one port (errors in and out, discards in and
// out): missing only when all are; a gap when any present one is.
TRate SumOfRates(std::span<const TRate> rates);

// The most octets per second a port of `bitsPerSecond` carries, and the most
// frames (the shortest frame with its preamble and gap takes 84 octets).
double MaxOctetsPerSecond(double bitsPerSecond);
double MaxFramesPerSecond(double bitsPerSecond);

// "940 Mbit/s", "1.2 kbit/s", "0 bit/s", "≥ 3.4 Gbit/s"; "—" for a missing
// object, empty for no rate yet.
QString BitRateText(const TRate& octetRate);
// "12.5/s" for events per second, with the same marks.
QString EventRateText(const TRate& rate);
// The dash shown for what the agent does not have.
inline const QString& MissingText()
{
    static const QString dash = QStringLiteral("\u2014");
    return dash;
}
