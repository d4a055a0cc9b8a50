#include "TrafficModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ksw::sim {

namespace {

const Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};
constexpr Arc kIfSpeedColumn = 5, kIfOperStatusColumn = 8, kIfHighSpeedColumn = 15;

// What a counter counts; each has a 32-bit column, many a 64-bit one too.
enum Quantity : int {
    InOctets, InUcast, InNUcast, InMulticast, InBroadcast, InDiscards, InErrors,
    OutOctets, OutUcast, OutNUcast, OutMulticast, OutBroadcast, OutDiscards, OutErrors,
};

struct CounterColumn {
    bool extended;   // ifXTable, else ifTable
    Arc column;
    Quantity quantity;
    bool wide;       // Counter64
};

constexpr CounterColumn kColumns[] = {
    {false, 10, InOctets, false},     {false, 11, InUcast, false},      {false, 12, InNUcast, false},
    {false, 13, InDiscards, false},   {false, 14, InErrors, false},     {false, 16, OutOctets, false},
    {false, 17, OutUcast, false},     {false, 18, OutNUcast, false},    {false, 19, OutDiscards, false},
    {false, 20, OutErrors, false},
    {true, 2, InMulticast, false},    {true, 3, InBroadcast, false},    {true, 4, OutMulticast, false},
    {true, 5, OutBroadcast, false},   {true, 6, InOctets, true},        {true, 7, InUcast, true},
    {true, 8, InMulticast, true},     {true, 9, InBroadcast, true},     {true, 10, OutOctets, true},
    {true, 11, OutUcast, true},       {true, 12, OutMulticast, true},   {true, 13, OutBroadcast, true},
};

// Average frame size and the shares of multicast and broadcast frames.
constexpr double kOctetsPerPacket = 800;
constexpr double kMulticastShare = 0.02, kBroadcastShare = 0.01;

const CounterColumn* columnOf(const Oid& oid, unsigned long& ifIndex)
{
    const bool plain = oid.size() == kIfEntry.size() + 2 && startsWith(oid, kIfEntry);
    const bool extended = oid.size() == kIfXEntry.size() + 2 && startsWith(oid, kIfXEntry);
    if (!plain && !extended)
        return nullptr;
    const Arc column = oid[oid.size() - 2];
    ifIndex = oid.back();
    for (const CounterColumn& c : kColumns)
        if (c.extended == extended && c.column == column)
            return &c;
    return nullptr;
}

// A rate of base * (1 + amplitude * sin(2 pi t / period + phase)) and its integral from 0.
double waveRate(double base, double amplitude, double period, double phase, double t)
{
    return base * (1 + amplitude * std::sin(2 * std::numbers::pi * t / period + phase));
}

double waveIntegral(double base, double amplitude, double period, double phase, double t)
{
    const double w = 2 * std::numbers::pi / period;
    return base * (t + amplitude / w * (std::cos(phase) - std::cos(w * t + phase)));
}

struct Shape {
    double in, out, amplitude;          // shares of the line rate
    double inErrors, outErrors, inDiscards, outDiscards;
    double idleIn, idleOut;             // bit/s regardless of speed
};

Shape shapeOf(TrafficModel::Profile p)
{
    using P = TrafficModel::Profile;
    switch (p) {
    case P::Busy:
        return {0.92, 0.75, 0.05, 0, 0, 0, 0, 0, 0};
    case P::Moderate:
        return {0.30, 0.20, 0.20, 0, 0, 0, 0, 0, 0};
    case P::Errors:
        return {0.20, 0.20, 0.10, 25, 5, 10, 2, 0, 0};
    case P::Flapping:
        return {0.10, 0.10, 0.10, 0, 0, 0, 0, 0, 0};
    case P::Idle:
        return {0, 0, 0, 0, 0, 0, 0, 1200, 800};
    case P::Down:
        break;
    }
    return {};
}

TrafficModel::Rates operator-(TrafficModel::Rates a, const TrafficModel::Rates& b)
{
    a.inBits -= b.inBits;
    a.outBits -= b.outBits;
    a.inErrors -= b.inErrors;
    a.outErrors -= b.outErrors;
    a.inDiscards -= b.inDiscards;
    a.outDiscards -= b.outDiscards;
    return a;
}

TrafficModel::Rates operator+(TrafficModel::Rates a, const TrafficModel::Rates& b)
{
    a.inBits += b.inBits;
    a.outBits += b.outBits;
    a.inErrors += b.inErrors;
    a.outErrors += b.outErrors;
    a.inDiscards += b.inDiscards;
    a.outDiscards += b.outDiscards;
    return a;
}

} // namespace

TrafficModel::TrafficModel(const MibData& data)
{
    Oid status = kIfEntry;
    status.push_back(kIfOperStatusColumn);
    for (auto it = data.objects.lower_bound(status); it != data.objects.end() && startsWith(it->first, status); ++it) {
        if (it->first.size() != status.size() + 1 || it->second.tag != TagInteger)
            continue;
        const unsigned long ifIndex = it->first.back();
        Port& port = ports_[ifIndex];
        const bool flapping = std::find(data.flap.begin(), data.flap.end(), it->first) != data.flap.end();
        if (flapping)
            port.profile = Profile::Flapping;
        else if (it->second.asInteger() != 1)
            port.profile = Profile::Down;
        else if (ifIndex == 7)
            port.profile = Profile::Errors;
        else if (ifIndex % 8 == 1)
            port.profile = Profile::Busy;
        else if (ifIndex % 8 == 3)
            port.profile = Profile::Moderate;
        port.up = it->second.asInteger() == 1;
        port.period = 120 + 10 * static_cast<double>(ifIndex % 7);
        port.phase = static_cast<double>(ifIndex);

        auto find = [&](const Oid& entry, Arc column) -> const Value* {
            Oid o = entry;
            o.push_back(column);
            o.push_back(ifIndex);
            const auto f = data.objects.find(o);
            return f == data.objects.end() ? nullptr : &f->second;
        };
        const Value* high = find(kIfXEntry, kIfHighSpeedColumn);
        const Value* plain = find(kIfEntry, kIfSpeedColumn);
        if (high && high->tag == TagGauge32 && high->asUnsigned() > 0)
            port.speed = static_cast<double>(high->asUnsigned()) * 1e6;
        else if (plain && plain->tag == TagGauge32)
            port.speed = static_cast<double>(plain->asUnsigned());
        // A 64-bit column's value wins: its 32-bit companion is its low half.
        for (const CounterColumn& c : kColumns) {
            const Value* v = find(c.extended ? kIfXEntry : kIfEntry, c.column);
            if (!v)
                continue;
            if (c.wide && v->tag == TagCounter64)
                port.start[c.quantity] = v->asCounter64();
            else if (!c.wide && v->tag == TagCounter32 && !port.start.count(c.quantity))
                port.start[c.quantity] = v->asUnsigned();
        }
    }
}

TrafficModel::Profile TrafficModel::profileOf(unsigned long ifIndex) const
{
    const auto it = ports_.find(ifIndex);
    return it == ports_.end() ? Profile::Down : it->second.profile;
}

TrafficModel::Rates TrafficModel::ratesAt(unsigned long ifIndex, double t) const
{
    const auto it = ports_.find(ifIndex);
    if (it == ports_.end() || !it->second.up)
        return {};
    const Port& p = it->second;
    const Shape s = shapeOf(p.profile);
    Rates r;
    r.inBits = waveRate(s.in * p.speed, s.amplitude, p.period, p.phase, t) + s.idleIn;
    r.outBits = waveRate(s.out * p.speed, s.amplitude, p.period, p.phase + 1, t) + s.idleOut;
    r.inErrors = s.inErrors;
    r.outErrors = s.outErrors;
    r.inDiscards = s.inDiscards;
    r.outDiscards = s.outDiscards;
    return r;
}

TrafficModel::Rates TrafficModel::integral(const Port& p, double t) const
{
    const Shape s = shapeOf(p.profile);
    Rates r;
    r.inBits = waveIntegral(s.in * p.speed, s.amplitude, p.period, p.phase, t) + s.idleIn * t;
    r.outBits = waveIntegral(s.out * p.speed, s.amplitude, p.period, p.phase + 1, t) + s.idleOut * t;
    r.inErrors = s.inErrors * t;
    r.outErrors = s.outErrors * t;
    r.inDiscards = s.inDiscards * t;
    r.outDiscards = s.outDiscards * t;
    return r;
}

TrafficModel::Rates TrafficModel::counted(const Port& p, double t) const
{
    if (!p.up || t <= p.upSince)
        return p.before;
    return p.before + (integral(p, t) - integral(p, p.upSince));
}

std::uint64_t TrafficModel::inOctetsAt(unsigned long ifIndex, unsigned long ticks) const
{
    const auto it = ports_.find(ifIndex);
    if (it == ports_.end())
        return 0;
    const auto s = it->second.start.find(InOctets);
    return (s == it->second.start.end() ? 0 : s->second) +
           static_cast<std::uint64_t>(std::floor(counted(it->second, static_cast<double>(ticks) / 100).inBits / 8));
}

std::uint64_t TrafficModel::outOctetsAt(unsigned long ifIndex, unsigned long ticks) const
{
    const auto it = ports_.find(ifIndex);
    if (it == ports_.end())
        return 0;
    const auto s = it->second.start.find(OutOctets);
    return (s == it->second.start.end() ? 0 : s->second) +
           static_cast<std::uint64_t>(std::floor(counted(it->second, static_cast<double>(ticks) / 100).outBits / 8));
}

std::optional<Value> TrafficModel::valueAt(const Oid& oid, unsigned long ticks) const
{
    unsigned long ifIndex = 0;
    const CounterColumn* c = columnOf(oid, ifIndex);
    if (!c)
        return std::nullopt;
    const auto it = ports_.find(ifIndex);
    if (it == ports_.end())
        return std::nullopt;
    const Port& p = it->second;
    const Rates n = counted(p, static_cast<double>(ticks) / 100);
    const bool in = c->quantity <= InErrors;
    const double packets = (in ? n.inBits : n.outBits) / 8 / kOctetsPerPacket;
    double amount = 0;
    switch (c->quantity) {
    case InOctets:
    case OutOctets:
        amount = (in ? n.inBits : n.outBits) / 8;
        break;
    case InUcast:
    case OutUcast:
        amount = packets * (1 - kMulticastShare - kBroadcastShare);
        break;
    case InNUcast:
    case OutNUcast:
        amount = packets * (kMulticastShare + kBroadcastShare);
        break;
    case InMulticast:
    case OutMulticast:
        amount = packets * kMulticastShare;
        break;
    case InBroadcast:
    case OutBroadcast:
        amount = packets * kBroadcastShare;
        break;
    case InDiscards:
        amount = n.inDiscards;
        break;
    case OutDiscards:
        amount = n.outDiscards;
        break;
    case InErrors:
        amount = n.inErrors;
        break;
    case OutErrors:
        amount = n.outErrors;
        break;
    }
    const auto s = p.start.find(c->quantity);
    const std::uint64_t value = (s == p.start.end() ? 0 : s->second) + static_cast<std::uint64_t>(std::floor(amount));
    if (c->wide)
        return Value::counter64(value);
    return Value::unsignedOf(TagCounter32, static_cast<unsigned long>(value & 0xffffffffu));
}

void TrafficModel::stateChanged(unsigned long ifIndex, bool up, unsigned long ticks)
{
    const auto it = ports_.find(ifIndex);
    if (it == ports_.end() || it->second.up == up)
        return;
    Port& p = it->second;
    const double t = static_cast<double>(ticks) / 100;
    if (up) {
        p.upSince = t;
    } else {
        p.before = counted(p, t);
    }
    p.up = up;
}

void TrafficModel::restart()
{
    for (auto& [ifIndex, p] : ports_) {
        p.start.clear();
        p.before = {};
        p.upSince = 0;
    }
}

} // namespace ksw::sim
