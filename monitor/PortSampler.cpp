#include "monitor/PortSampler.h"

#include "defs/MonitorDefs.h"
#include "kvsnmp/KvSNMPBulkGet.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "monitor/BulkAnswer.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

// The previous readings a port keeps, one per counter.
enum CounterSlot : std::size_t { SlotIn, SlotOut, SlotInErrors, SlotOutErrors, SlotInDiscards, SlotOutDiscards };

constexpr int kStateRows[] = {MonitorIfOperStatus, MonitorIfLastChange};
constexpr int kNameRows[] = {MonitorIfDescr, MonitorIfAlias, MonitorIfSpeed, MonitorIfHighSpeed};
constexpr int kFaultRows[] = {MonitorIfInErrors, MonitorIfOutErrors, MonitorIfInDiscards, MonitorIfOutDiscards,
                              MonitorIfCounterDiscontinuityTime};

// ifSpeed's value for "faster than it can say": ifHighSpeed tells then.
constexpr std::uint64_t kSpeedBeyondRange = 4294967295u;

std::int64_t SteadyMs()
{
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t.elapsed();
}

bool Present(const engine::Value* v) { return v && !v->isException() && v->tag != engine::kNull; }

std::optional<std::uint64_t> NumberOf(const engine::Value* v)
{
    if (!Present(v))
        return std::nullopt;
    switch (v->tag) {
    case engine::kInteger:
        return static_cast<std::uint64_t>(static_cast<std::int64_t>(v->asInt32()));
    case engine::kCounter32:
    case engine::kGauge32:
    case engine::kTimeTicks:
    case engine::kUInteger32:
    case engine::kCounter64:
        return v->number;
    default:
        return std::nullopt;   // not a number: as good as missing
    }
}

std::optional<std::uint32_t> TicksOf(const engine::Value* v)
{
    const auto n = NumberOf(v);
    if (!n || *n > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

QString TextOf(const engine::Value* v)
{
    if (!Present(v) || v->tag != engine::kOctetString)
        return {};
    return QString::fromUtf8(v->octets.data(), static_cast<qsizetype>(v->octets.size()));
}

// The arcs of a row's column, for telling where a get-bulk's binding belongs.
const engine::Oid& ColumnArcs(int row)
{
    static const std::vector<engine::Oid> arcs = [] {
        std::vector<engine::Oid> all;
        for (int r = 0; r < PortMonitorRowCount; ++r)
            all.push_back(engine::oidFromText(PortMonitorDefs[r].Oid).value_or(engine::Oid{}));
        return all;
    }();
    return arcs.at(static_cast<std::size_t>(row));
}

const engine::Oid& UpTimeColumn()
{
    static const engine::Oid arcs = engine::oidFromText(AgentUpTimeDefs[0].Oid).value_or(engine::Oid{});
    return arcs;
}

const engine::Oid& UpTimeInstance()
{
    static const engine::Oid arcs = engine::oidFromText(std::string(AgentUpTimeDefs[0].Oid) + ".0").value_or(engine::Oid{});
    return arcs;
}

// The agent answered with an error status other than tooBig: it refuses the
// operation itself, not this request's size.
bool AgentRefused(int code)
{
    for (int raw = engine::kAgentTooBig + 1; raw <= engine::kAgentLastStatus; ++raw)
        if (code == MapErrorCode(raw).Code)
            return true;
    return false;
}

float PointValue(const TRate& r, double scale)
{
    return r.HasValue() ? static_cast<float>(r.PerSecond * scale) : std::numeric_limits<float>::quiet_NaN();
}

} // namespace

// One request of a poll: gets of whole instances, sysUpTime first.  The
// values are kept as the agent sent them, numbers as numbers.
class TPortSampler::TChunk : public KvSNMPRequest {
public:
    explicit TChunk(TPortSampler& owner) : owner_(owner)
    {
        Variables.ItemType = MVT_SV;
        Variables.PKeyCount = 0;
    }

    // The ports of this request, each with the rows asked.
    std::vector<std::pair<int, std::vector<int>>> Ports;
    std::vector<engine::Value> Values;   // by item; item 0 is sysUpTime

    void FillGets(std::vector<std::pair<int, std::vector<int>>> ports)
    {
        Ports = std::move(ports);
        Variables.Clear();
        Variables.Instance.clear();
        Variables.AppendItem(std::string(AgentUpTimeDefs[0].Oid) + ".0", AgentUpTimeDefs[0].Caption,
                             AgentUpTimeDefs[0].Syntax, KvAccess::ReadOnly);
        for (const auto& [port, rows] : Ports) {
            const std::string instance = "." + std::to_string(port);
            for (const int row : rows) {
                const KvSNMPVarDef& d = PortMonitorDefs[row];
                Variables.AppendItem(d.Oid + instance, d.Caption, d.Syntax, KvAccess::ReadOnly);
            }
        }
        Values.assign(static_cast<std::size_t>(Variables.Count()), engine::Value::null());
    }

    // A get-bulk of ports that share their rows: sysUpTime as the one
    // non-repeater, then each row's column from just before the first port,
    // as many repetitions as there are ports.
    std::vector<engine::Oid> FillBulk(std::vector<std::pair<int, std::vector<int>>> ports)
    {
        Ports = std::move(ports);
        Bulk = true;
        Answer.clear();
        std::vector<engine::Oid> oids{UpTimeColumn()};
        for (const int row : Ports.front().second) {
            oids.push_back(ColumnArcs(row));
            oids.back().push_back(static_cast<std::uint32_t>(Ports.front().first - 1));
        }
        return oids;
    }

    void Fill(std::vector<std::pair<int, std::vector<int>>> ports)
    {
        Bulk = false;
        FillGets(std::move(ports));
    }

    void ValueFromBinding(int index, const engine::VarBind& binding) override
    {
        Values.at(static_cast<std::size_t>(index)) = binding.value;
    }

    bool Idle() const { return Pending == 0 && Bulker.Pending() == 0; }

    bool Bulk = false;
    std::vector<engine::VarBind> Answer;   // a get-bulk's bindings as they came
    // Declared last, destroyed first: its answers stop before the rest goes.
    KvSNMPBulkGet Bulker;

    TPortSampler& Owner() { return owner_; }

private:
    TPortSampler& owner_;
};

TPortSampler::TPortSampler(int portCount, QObject* parent) : QObject(parent), ports_(static_cast<std::size_t>(portCount))
{
    clock_ = &SteadyMs;
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TPortSampler::Poll);
}

TPortSampler::~TPortSampler()
{
    timer_.stop();
    // A request's destructor lets its outstanding answers arrive, and the
    // answers of the others may come meanwhile: they are dropped, and nobody
    // hears of them (the listeners may be gone already).
    closing_ = true;
    blockSignals(true);
    chunks_.clear();
}

void TPortSampler::SetIntervalMs(int ms)
{
    intervalMs_ = std::max(ms, 100);
    ApplyDemand();
}

void TPortSampler::AddTrafficUser()
{
    ++trafficUsers_;
    ApplyDemand();
    if (trafficUsers_ == 1)
        PollNow();
}

void TPortSampler::RemoveTrafficUser()
{
    trafficUsers_ = std::max(trafficUsers_ - 1, 0);
    ApplyDemand();
}

void TPortSampler::SetStatesWanted(bool wanted)
{
    if (wanted == statesWanted_)
        return;
    statesWanted_ = wanted;
    ApplyDemand();
    if (wanted)
        PollNow();
}

void TPortSampler::SetPollingAllowed(bool allowed)
{
    allowed_ = allowed;
    ApplyDemand();
}

TPortSampler::Demand TPortSampler::CurrentDemand() const
{
    if (!allowed_)
        return Demand::None;
    if (trafficUsers_ > 0)
        return Demand::Traffic;
    return statesWanted_ ? Demand::States : Demand::None;
}

void TPortSampler::ApplyDemand()
{
    const Demand d = CurrentDemand();
    if (d == Demand::None) {
        timer_.stop();
        // What was seen before the pause says nothing about the next reading.
        for (Port& p : ports_) {
            p.previous = {};
            p.flaps.Reset();
            p.now.Read = false;
        }
        return;
    }
    const int interval = d == Demand::Traffic ? intervalMs_ : StatesIntervalMs;
    if (!timer_.isActive() || timer_.interval() != interval)
        timer_.start(interval);
    if (d != Demand::Traffic)
        for (Port& p : ports_)
            p.previous = {};   // counters are not read: the next traffic sample starts afresh
}

void TPortSampler::PollNow()
{
    if (CurrentDemand() == Demand::None)
        return;
    if (running_)
        pollAgain_ = true;   // right after the running one, which may not read what is wanted now
    else
        Poll();
}

int TPortSampler::ChangesWithin10Min(int port) const
{
    return ports_.at(static_cast<std::size_t>(port - 1)).flaps.ChangesWithin(clock_());
}

bool TPortSampler::FlapMarked(int port) const
{
    return ports_.at(static_cast<std::size_t>(port - 1)).flaps.Marked(clock_());
}

std::size_t TPortSampler::HistoryBytes() const
{
    std::size_t bytes = 0;
    for (const Port& p : ports_)
        bytes += p.history.Bytes();
    return bytes;
}

std::vector<int> TPortSampler::RowsOf(int port, Demand demand, bool names) const
{
    const Port& p = ports_.at(static_cast<std::size_t>(port - 1));
    std::vector<int> rows(std::begin(kStateRows), std::end(kStateRows));
    if (demand == Demand::Traffic) {
        if (names)
            rows.insert(rows.end(), std::begin(kNameRows), std::end(kNameRows));
        // Counter64 does not exist for SNMPv1.
        const bool wide = DefaultSecurity.Version != 0 && !p.wideKnownMissing;
        if (wide) {
            rows.push_back(MonitorIfHCInOctets);
            rows.push_back(MonitorIfHCOutOctets);
        } else {
            rows.push_back(MonitorIfInOctets);
            rows.push_back(MonitorIfOutOctets);
        }
        rows.insert(rows.end(), std::begin(kFaultRows), std::end(kFaultRows));
    }
    std::erase_if(rows, [&](int r) { return p.absent.count(r) > 0; });
    return rows;
}

void TPortSampler::Poll()
{
    if (running_)
        return;   // the next tick comes after this poll has ended
    const Demand demand = CurrentDemand();
    if (demand == Demand::None)
        return;
    if (version_ != DefaultSecurity.Version) {
        // Another agent or version: nothing learned of the old one holds.
        version_ = DefaultSecurity.Version;
        for (Port& p : ports_) {
            p.wideKnownMissing = false;
            p.absent.clear();
            p.previous = {};
        }
        bindingsPerRequest_ = InitialBindingsPerRequest;
        bulkBindings_ = InitialBulkBindings;
        bulkOff_ = bulkAnswered_ = bulkTimedOut_ = bulkRetried_ = false;
        namesReadAt_ = -1;
    }
    const std::int64_t now = clock_();
    pollDemand_ = demand;
    pollNames_ = demand == Demand::Traffic && (namesReadAt_ < 0 || now - namesReadAt_ >= NamesEveryMs);
    running_ = true;
    building_ = true;
    requestsThisPoll_ = 0;
    bindingsThisPoll_ = 0;
    outstanding_ = 0;

    PortRows all;
    for (int port = 1; port <= PortCount(); ++port)
        if (std::vector<int> rows = RowsOf(port, demand, pollNames_); !rows.empty())
            all.emplace_back(port, std::move(rows));
    SendPorts(std::move(all));
    building_ = false;
    ChunkDone();
}

bool TPortSampler::BulkUsable() const
{
    return DefaultSecurity.Version != 0 && DefaultUseGetBulk && !bulkOff_;
}

void TPortSampler::SendPorts(PortRows ports)
{
    if (BulkUsable()) {
        // Runs of neighbouring ports that ask the same rows, each run within the
        // bindings one answer may carry.
        PortRows run;
        auto flush = [&] {
            if (!run.empty())
                SendChunk(std::exchange(run, {}), true);
        };
        for (auto& entry : ports) {
            const std::size_t cap = std::max<std::size_t>(1, static_cast<std::size_t>(bulkBindings_) / entry.second.size());
            if (!run.empty() &&
                (entry.first != run.back().first + 1 || entry.second != run.back().second || run.size() >= cap))
                flush();
            run.push_back(std::move(entry));
        }
        flush();
        return;
    }
    // Gets of whole ports, as many as fit beside sysUpTime.
    PortRows batch;
    int bindings = 1;
    for (auto& entry : ports) {
        const int size = static_cast<int>(entry.second.size());
        if (!batch.empty() && bindings + size > bindingsPerRequest_) {
            SendChunk(std::exchange(batch, {}), false);
            bindings = 1;
        }
        bindings += size;
        batch.push_back(std::move(entry));
    }
    if (!batch.empty())
        SendChunk(std::move(batch), false);
}

void TPortSampler::SendChunk(PortRows ports, bool bulk)
{
    TChunk* chunk = nullptr;
    for (const auto& c : chunks_)
        if (c->Idle()) {   // answered, its values taken: free for the next request
            chunk = c.get();
            break;
        }
    if (!chunk) {
        chunks_.push_back(std::make_unique<TChunk>(*this));
        chunk = chunks_.back().get();
    }
    // Each request takes the addressing in force now.
    chunk->Device = chunk->Bulker.Device = DefaultDevice;
    chunk->Scope = chunk->Bulker.Scope = DefaultScope;
    chunk->Security = chunk->Bulker.Security = DefaultSecurity;
    chunk->Timeout = chunk->Bulker.Timeout = DefaultTimeout;
    const int repetitions = static_cast<int>(ports.size());
    const int columns = static_cast<int>(ports.front().second.size());
    std::vector<engine::Oid> oids;
    if (bulk)
        oids = chunk->FillBulk(std::move(ports));
    else
        chunk->Fill(std::move(ports));
    ++outstanding_;
    ++requestsThisPoll_;
    // What the request asks for: a get-bulk's answer has a binding per column and port.
    bindingsThisPoll_ += bulk ? 1 + columns * repetitions : chunk->Variables.Count();
    try {
        if (bulk)
            chunk->Bulker.Send(std::move(oids), 1, repetitions,
                               [chunk](const KvSNMPError& error, std::span<const engine::VarBind> bindings) {
                chunk->Answer.assign(bindings.begin(), bindings.end());
                Answered(chunk, error, chunk->Variables);
            });
        else
            chunk->GetAsync(&TPortSampler::Answered, chunk, true);
    } catch (const KvSNMPException& e) {
        KvSNMPError failed;
        failed.Code = e.Code();
        failed.Message = e.Message();
        TakeChunk(*chunk, failed);
    }
}

void TPortSampler::Answered(void* userData, const KvSNMPError& error, KvSNMPVarList&)
{
    auto* chunk = static_cast<TChunk*>(userData);
    if (!chunk->Owner().closing_)
        chunk->Owner().TakeChunk(*chunk, error);
}

void TPortSampler::TakeChunk(TChunk& chunk, const KvSNMPError& error)
{
    if (chunk.Bulk)
        return TakeBulk(chunk, error);
    const std::int64_t now = clock_();
    const std::int64_t wall = QDateTime::currentMSecsSinceEpoch();
    auto ports = chunk.Ports;
    static const int tooBig = MapErrorCode(engine::kAgentTooBig).Code;

    if (error.Code == tooBig && chunk.Variables.Count() > 2) {
        // Fewer bindings from now on; this request's ports asked again in two halves.
        bindingsPerRequest_ = std::max(2, std::min(bindingsPerRequest_, chunk.Variables.Count()) / 2);
        --outstanding_;
        std::vector<std::pair<int, std::vector<int>>> first, second;
        if (ports.size() > 1) {
            const std::size_t half = ports.size() / 2;
            first.assign(ports.begin(), ports.begin() + static_cast<std::ptrdiff_t>(half));
            second.assign(ports.begin() + static_cast<std::ptrdiff_t>(half), ports.end());
        } else {
            std::vector<int> rows = ports[0].second;
            const std::size_t half = rows.size() / 2;
            first.emplace_back(ports[0].first, std::vector<int>(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(half)));
            second.emplace_back(ports[0].first, std::vector<int>(rows.begin() + static_cast<std::ptrdiff_t>(half), rows.end()));
        }
        SendChunk(std::move(first), false);
        SendChunk(std::move(second), false);
        return;
    }
    if (error.Code == KvCodeNoSuchName && error.ErrorIndex > 1 && error.ErrorIndex <= chunk.Variables.Count()) {
        // SNMPv1 refuses the whole request for one object it lacks: leave that
        // object out from now on and ask the rest again.
        int item = error.ErrorIndex - 1;
        for (auto& [port, rows] : ports) {
            if (item <= static_cast<int>(rows.size())) {
                ports_.at(static_cast<std::size_t>(port - 1)).absent.insert(rows[static_cast<std::size_t>(item - 1)]);
                rows.erase(rows.begin() + item - 1);
                break;
            }
            item -= static_cast<int>(rows.size());
        }
        std::erase_if(ports, [](const auto& p) { return p.second.empty(); });
        --outstanding_;
        if (!ports.empty())
            SendChunk(std::move(ports), false);
        else
            ChunkDone();
        return;
    }
    if (error.Code != 0) {
        for (const auto& [port, rows] : ports)
            PortUnread(port, wall);
        Report(QStringLiteral("Monitor: ") + QString::fromUtf8(error.Message.data(), static_cast<qsizetype>(error.Message.size())), true);
        --outstanding_;
        ChunkDone();
        return;
    }

    const auto upTime = TicksOf(&chunk.Values[0]);
    std::size_t item = 1;
    std::vector<const engine::Value*> values;
    for (const auto& [port, rows] : ports) {
        values.clear();
        for (std::size_t r = 0; r < rows.size(); ++r)
            values.push_back(item + r < chunk.Values.size() ? &chunk.Values[item + r] : nullptr);
        item += rows.size();
        if (upTime)
            TakePort(port, rows, values, *upTime, now, wall);
        else
            PortUnread(port, wall);
    }
    if (bulkOff_ && bulkTimedOut_ && !bulkRetried_) {
        // Get-bulk left after a time-out: once more, now that the agent answers.
        bulkOff_ = false;
        bulkRetried_ = true;
    }
    if (upTime)
        Report(QStringLiteral("Monitor: the agent answers again"), false);
    else
        Report(QStringLiteral("Monitor: the agent did not say its uptime"), true);
    --outstanding_;
    ChunkDone();
}

void TPortSampler::TakeBulk(TChunk& chunk, const KvSNMPError& error)
{
    const std::int64_t now = clock_();
    const std::int64_t wall = QDateTime::currentMSecsSinceEpoch();
    PortRows ports = chunk.Ports;
    const std::vector<int> rows = ports.front().second;
    const std::size_t columns = rows.size();
    const int asked = static_cast<int>(columns * ports.size());
    static const int tooBig = MapErrorCode(engine::kAgentTooBig).Code;
    // A lone port's rows go as gets, which split them further where needed.
    auto again = [&](PortRows rest) {
        if (rest.size() > 1)
            SendPorts(std::move(rest));
        else
            SendChunk(std::move(rest), false);
    };

    if (error.Code == tooBig) {
        bulkBindings_ = std::max(1, std::min(bulkBindings_, asked) / 2);
        --outstanding_;
        again(std::move(ports));
        return;
    }
    static const int timeout = MapErrorCode(engine::kTimeout).Code;
    const bool silent = error.Code == timeout && !bulkAnswered_;
    if (AgentRefused(error.Code) || silent) {
        // This poll's ports asked again with gets, and the next polls too.
        bulkOff_ = true;
        bulkTimedOut_ = silent;
        --outstanding_;
        SendPorts(std::move(ports));
        return;
    }
    if (error.Code == 0)
        bulkAnswered_ = true;
    const std::vector<engine::VarBind>& answer = chunk.Answer;
    const std::optional<std::uint32_t> upTime =
        error.Code == 0 && !answer.empty() && answer[0].oid == UpTimeInstance() ? TicksOf(&answer[0].value) : std::nullopt;
    if (!upTime) {
        for (const auto& [port, portRows] : ports)
            PortUnread(port, wall);
        if (error.Code != 0)
            Report(QStringLiteral("Monitor: ") + QString::fromUtf8(error.Message.data(), static_cast<qsizetype>(error.Message.size())), true);
        else
            Report(QStringLiteral("Monitor: the agent did not say its uptime"), true);
        --outstanding_;
        ChunkDone();
        return;
    }

    std::vector<engine::Oid> columnArcs;
    for (const int row : rows)
        columnArcs.push_back(ColumnArcs(row));
    const int first = ports.front().first, last = ports.back().first;
    const TBulkRows split = SplitBulkAnswer(std::span(answer).subspan(1), columnArcs, first, last);
    const std::int64_t covered = split.Whole;
    PortRows rest;
    for (std::size_t p = 0; p < ports.size(); ++p) {
        if (ports[p].first <= covered)
            TakePort(ports[p].first, rows, split.Values[static_cast<std::size_t>(ports[p].first - first)], *upTime, now, wall);
        else
            rest.push_back(std::move(ports[p]));
    }
    Report(QStringLiteral("Monitor: the agent answers again"), false);
    --outstanding_;
    if (!rest.empty()) {
        // The agent keeps its answers smaller than asked (many cap a get-bulk's
        // bindings): the next polls ask no more than it gave, all requests at
        // once, instead of one after the other.  Not one whole port: fewer.
        const int gave = static_cast<int>(answer.size()) - 1;
        bulkBindings_ = covered < first ? std::max(1, std::min(bulkBindings_, asked) / 2)
                                        : std::max(1, std::min(bulkBindings_, gave));
        again(std::move(rest));
    }
    ChunkDone();
}

void TPortSampler::TakePort(int portNumber, const std::vector<int>& rows, const std::vector<const engine::Value*>& values,
                            std::uint32_t upTime, std::int64_t nowMs, std::int64_t wallMs)
{
    Port& port = ports_.at(static_cast<std::size_t>(portNumber - 1));
    TPortNow& now = port.now;
    // A port's rows normally come in one request; only an agent that takes very
    // few bindings splits them, and then each part updates what it carries.
    auto asked = [&](int row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); };
    auto valueOf = [&](int row) -> const engine::Value* {
        const auto at = std::find(rows.begin(), rows.end(), row);
        return at == rows.end() ? nullptr : values[static_cast<std::size_t>(at - rows.begin())];
    };

    now.UpTime = upTime;
    now.Read = true;
    if (asked(MonitorIfOperStatus) || asked(MonitorIfLastChange)) {
        const auto status = NumberOf(valueOf(MonitorIfOperStatus));
        now.OperStatus = status ? std::optional<int>(static_cast<int>(*status)) : std::nullopt;
        now.LastChange = TicksOf(valueOf(MonitorIfLastChange));
        port.flaps.Observe(nowMs, now.OperStatus, now.LastChange, upTime);
    }
    if (pollDemand_ != Demand::Traffic)
        return;

    if (asked(MonitorIfDescr))
        now.Descr = TextOf(valueOf(MonitorIfDescr));
    if (asked(MonitorIfAlias))
        now.Alias = TextOf(valueOf(MonitorIfAlias));
    if (asked(MonitorIfSpeed) || asked(MonitorIfHighSpeed)) {
        const auto high = NumberOf(valueOf(MonitorIfHighSpeed));
        const auto plain = NumberOf(valueOf(MonitorIfSpeed));
        if (high && *high > 0 && (!plain || *plain == kSpeedBeyondRange || *high * 1000000 >= *plain))
            now.SpeedBits = static_cast<double>(*high) * 1e6;
        else if (plain)
            now.SpeedBits = static_cast<double>(*plain);
        else
            now.SpeedBits.reset();
        now.SpeedMissing = !high && !plain;
    }

    const auto discontinuity = TicksOf(valueOf(MonitorIfCounterDiscontinuityTime));
    const double speed = now.SpeedBits.value_or(0);
    const double frames = MaxFramesPerSecond(speed);
    auto update = [&](CounterSlot slot, int row, bool wide, double maxPerSecond) {
        if (!asked(row))
            return false;
        const TCounterReading reading{NumberOf(valueOf(row)), upTime, discontinuity};
        port.rates[slot] = CounterRate(port.previous[slot], reading, wide, maxPerSecond);
        port.previous[slot] = reading;
        return true;
    };

    const bool wide = asked(MonitorIfHCInOctets) || asked(MonitorIfHCOutOctets);
    if (wide != now.Wide) {
        port.previous[SlotIn].reset();
        port.previous[SlotOut].reset();
        now.Wide = wide;
    }
    bool octets = update(SlotIn, wide ? MonitorIfHCInOctets : MonitorIfInOctets, wide, MaxOctetsPerSecond(speed));
    octets = update(SlotOut, wide ? MonitorIfHCOutOctets : MonitorIfOutOctets, wide, MaxOctetsPerSecond(speed)) || octets;
    if (wide && asked(MonitorIfHCInOctets) && port.rates[SlotIn].Kind == TRateKind::Missing &&
        port.rates[SlotOut].Kind == TRateKind::Missing)
        port.wideKnownMissing = true;   // no 64-bit counters here: the 32-bit ones from the next poll on
    update(SlotInErrors, MonitorIfInErrors, false, frames);
    update(SlotOutErrors, MonitorIfOutErrors, false, frames);
    update(SlotInDiscards, MonitorIfInDiscards, false, frames);
    update(SlotOutDiscards, MonitorIfOutDiscards, false, frames);

    now.In = port.rates[SlotIn];
    now.Out = port.rates[SlotOut];
    const TRate errors[] = {port.rates[SlotInErrors], port.rates[SlotOutErrors]};
    const TRate discards[] = {port.rates[SlotInDiscards], port.rates[SlotOutDiscards]};
    now.Errors = SumOfRates(errors);
    now.Discards = SumOfRates(discards);
    if (!octets)
        return;
    const TRate faultParts[] = {now.Errors, now.Discards};
    const TRate faults = SumOfRates(faultParts);
    port.history.Push({wallMs, PointValue(now.In, 8), PointValue(now.Out, 8), PointValue(faults, 1),
                       now.In.AtLeast || now.Out.AtLeast});
}

void TPortSampler::PortUnread(int portNumber, std::int64_t wallMs)
{
    Port& port = ports_.at(static_cast<std::size_t>(portNumber - 1));
    port.now.Read = false;
    port.previous = {};
    port.rates.fill(TRate{TRateKind::NoRate, 0, false});
    port.now.In = port.now.Out = port.now.Errors = port.now.Discards = TRate{TRateKind::NoRate, 0, false};
    port.flaps.Observe(clock_(), std::nullopt, std::nullopt, std::nullopt);
    if (pollDemand_ == Demand::Traffic) {
        const float gap = std::numeric_limits<float>::quiet_NaN();
        port.history.Push({wallMs, gap, gap, gap, false});
    }
}

void TPortSampler::ChunkDone()
{
    if (outstanding_ > 0 || !running_ || building_)
        return;
    running_ = false;
    if (pollNames_)
        namesReadAt_ = clock_();
    requestsLastPoll_ = requestsThisPoll_;
    bindingsLastPoll_ = bindingsThisPoll_;
    ++polls_;
    Q_EMIT Sampled();
    if (pollAgain_) {
        pollAgain_ = false;
        Poll();
    }
}

void TPortSampler::Report(const QString& line, bool failed)
{
    // Each change between failing and working is told once, not every poll.
    if (failed == failing_ && !failed)
        return;
    if (failed && failing_)
        return;
    failing_ = failed;
    Q_EMIT StatusLine(line);
}
