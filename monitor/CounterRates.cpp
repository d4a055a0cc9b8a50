#include "monitor/CounterRates.h"

#include <cmath>

namespace {

constexpr double kWrap32 = 4294967296.0;
constexpr double kTicksPerSecond = 100;
// Preamble, the shortest frame and the gap between frames.
constexpr double kShortestFrameOctets = 84;

TRate NoRate() { return {TRateKind::NoRate, 0, false}; }

QString WithMark(const TRate& r, const QString& text)
{
    return r.AtLeast ? QStringLiteral("\u2265 ") + text : text;
}

} // namespace

TRate CounterRate(const std::optional<TCounterReading>& previous, const TCounterReading& current, bool wide,
                  double maxPerSecond)
{
    if (!current.Value)
        return {};
    if (!previous || !previous->Value)
        return NoRate();
    if (current.UpTime <= previous->UpTime)
        return NoRate();   // a restart, or no time between the readings
    if (previous->Discontinuity != current.Discontinuity)
        return NoRate();
    const double seconds = (current.UpTime - previous->UpTime) / kTicksPerSecond;
    const std::uint64_t before = *previous->Value, now = *current.Value;
    double delta = 0;
    if (wide) {
        if (now < before)
            return NoRate();
        delta = static_cast<double>(now - before);
    } else {
        delta = now >= before ? static_cast<double>(now - before) : static_cast<double>(now) + kWrap32 - static_cast<double>(before);
        // More than the port can count: not a wrap but a reset the agent did not tell.
        if (maxPerSecond > 0 && now < before && delta > maxPerSecond * seconds * 1.01 + 1)
            return NoRate();
    }
    TRate r{TRateKind::Rate, delta / seconds, false};
    r.AtLeast = !wide && maxPerSecond > 0 && maxPerSecond * seconds >= kWrap32;
    return r;
}

TRate SumOfRates(std::span<const TRate> rates)
{
    TRate sum;
    for (const TRate& r : rates) {
        if (r.Kind == TRateKind::Missing)
            continue;
        if (r.Kind == TRateKind::NoRate)
            return NoRate();
        sum.Kind = TRateKind::Rate;
        sum.PerSecond += r.PerSecond;
        sum.AtLeast = sum.AtLeast || r.AtLeast;
    }
    return sum;
}

double MaxOctetsPerSecond(double bitsPerSecond) { return bitsPerSecond / 8; }

double MaxFramesPerSecond(double bitsPerSecond) { return bitsPerSecond / 8 / kShortestFrameOctets; }

QString BitRateText(const TRate& octetRate)
{
    if (octetRate.Kind == TRateKind::Missing)
        return MissingText();
    if (octetRate.Kind == TRateKind::NoRate)
        return {};
    double bits = octetRate.PerSecond * 8;
    static const char* const units[] = {"bit/s", "kbit/s", "Mbit/s", "Gbit/s", "Tbit/s"};
    int u = 0;
    while (bits >= 1000 && u < 4) {
        bits /= 1000;
        ++u;
    }
    // Three significant digits, as far as the unit has them.
    const int decimals = u == 0 || bits >= 100 ? 0 : bits >= 10 ? 1 : 2;
    return WithMark(octetRate, QString::number(bits, 'f', decimals) + QLatin1Char(' ') + QLatin1String(units[u]));
}

QString EventRateText(const TRate& rate)
{
    if (rate.Kind == TRateKind::Missing)
        return MissingText();
    if (rate.Kind == TRateKind::NoRate)
        return {};
    const double v = rate.PerSecond;
    const int decimals = v == 0 || v >= 100 ? 0 : v >= 10 ? 1 : 2;
    return WithMark(rate, QString::number(v, 'f', decimals) + QStringLiteral("/s"));
}
