// Sampling every port's counters and states for the traffic monitor.
//
// One poll reads what its users need of every port: with a monitor window
// open the states, counters and (once a minute) names and speeds; with only
// the front panel's flap marks on, the states alone.  Nobody needing anything,
// nothing is sent.  Every request carries sysUpTime, so that the ports'
// values and the agent's time come from the same moment, and a port's objects
// stay in one request.  Over v2c and v3 a poll asks get-bulks: sysUpTime as
// the non-repeater and each column from just before the first port, one
// repetition a port, at most InitialBulkBindings port bindings an answer
// (halved whenever the agent answers tooBig or sends not one whole port); an
// answer cut short leaves its remaining ports to the next request, and later
// polls ask no more than that answer held.  Over v1,
// with get-bulk turned off (DefaultUseGetBulk), or with an agent that refuses
// get-bulk or leaves its first unanswered, a poll asks gets of explicit
// instances, at most BindingsPerRequest() bindings a request, halved whenever
// the agent answers tooBig; an object an SNMPv1 agent answers noSuchName for
// is left out of later polls and shows as missing.  The 64-bit octet counters
// are asked over v2c and v3; a port whose agent has none, and every port over
// v1, is read with the 32-bit ones.
//
// Each port keeps its samples in a ring of HistoryPoints points, allocated
// when the sampler is made: memory does not grow with the hours.  A poll still
// running when the next is due makes that one wait for it (no pile-up); the
// results are taken as soon as each answer arrives.
#pragma once

#include "monitor/CounterRates.h"
#include "monitor/FlapCounter.h"
#include "monitor/RingBuffer.h"
#include "engine/SnmpEngine.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

struct KvSNMPError;
class KvSNMPVarList;

// One point of a port's history: rates at the moment of a poll's answer.  A
// rate that could not be had (first sample, gap, missing object) is NaN.
struct TTrafficPoint {
    std::int64_t TimeMs = 0;   // local wall-clock time of the answer, ms since the epoch
    float InBits = 0;          // bit/s
    float OutBits = 0;
    float Faults = 0;          // errors and discards, in and out, per second
    bool AtLeast = false;      // a 32-bit counter may have wrapped unseen
};

// What is known of a port now.
struct TPortNow {
    QString Descr, Alias;
    std::optional<int> OperStatus;
    std::optional<std::uint32_t> LastChange;   // ifLastChange, hundredths of a second
    std::optional<std::uint32_t> UpTime;       // the agent's uptime when the port was last read
    std::optional<double> SpeedBits;           // bit/s, from ifHighSpeed or ifSpeed
    bool SpeedMissing = false;                 // the agent has neither
    TRate In, Out;                             // octets per second
    TRate Errors, Discards;                    // in and out together, per second
    bool Wide = false;                         // read with the 64-bit counters
    bool Read = false;                         // the last poll read it
};

class TPortSampler : public QObject {
    Q_OBJECT
public:
    // One hour at one sample a second.
    static constexpr std::size_t HistoryPoints = 3600;
    // The intervals a user may choose, in seconds; 5 unless chosen otherwise.
    static constexpr std::array<int, 5> Intervals = {1, 2, 5, 10, 30};
    static constexpr int DefaultIntervalMs = 5000;
    // With only the flap marks wanted, states are read at the front panel's pace.
    static constexpr int StatesIntervalMs = 5000;
    // Names and speeds change seldom: read again after this long.
    static constexpr std::int64_t NamesEveryMs = 60 * 1000;
    static constexpr int InitialBindingsPerRequest = 60;
    // A get-bulk's answer carries at most this many port bindings at first.
    static constexpr int InitialBulkBindings = 512;

    explicit TPortSampler(int portCount, QObject* parent = nullptr);
    ~TPortSampler() override;

    int PortCount() const { return static_cast<int>(ports_.size()); }

    // The interval of traffic polls.
    void SetIntervalMs(int ms);
    int IntervalMs() const { return intervalMs_; }

    // Users: each open monitor window wants traffic; the flap marks want states.
    void AddTrafficUser();
    void RemoveTrafficUser();
    int TrafficUsers() const { return trafficUsers_; }
    void SetStatesWanted(bool wanted);
    bool StatesWanted() const { return statesWanted_; }
    // With polling off nothing is ever sent (windows made without an agent).
    void SetPollingAllowed(bool allowed);
    bool Polling() const { return timer_.isActive(); }

    // Polls now unless a poll is running (a new user wants its first sample).
    void PollNow();

    // port is 1 ... PortCount().
    const TPortNow& Now(int port) const { return ports_.at(static_cast<std::size_t>(port - 1)).now; }
    const TRingBuffer<TTrafficPoint>& History(int port) const
    {
        return ports_.at(static_cast<std::size_t>(port - 1)).history;
    }
    int ChangesWithin10Min(int port) const;
    bool FlapMarked(int port) const;

    // Figures of the last complete poll and of all polls.
    int RequestsLastPoll() const { return requestsLastPoll_; }
    int BindingsLastPoll() const { return bindingsLastPoll_; }
    int BindingsPerRequest() const { return bindingsPerRequest_; }
    std::int64_t Polls() const { return polls_; }
    // The ring buffers' memory, whether filled or not.
    std::size_t HistoryBytes() const;

    // The clock the flap counting and the history use, in ms (tests and
    // benchmarks replace it).
    using Clock = std::int64_t (*)();
    void SetClock(Clock clock) { clock_ = clock; }

Q_SIGNALS:
    // A poll has ended, every request of it answered or failed.
    void Sampled();
    // A line for the windows' status: the poll's error, or that it works again.
    void StatusLine(const QString& line);

private:
    class TChunk;
    struct Port {
        explicit Port() : history(HistoryPoints) {}
        TPortNow now;
        TRingBuffer<TTrafficPoint> history;
        TFlapCounter flaps;
        // The previous readings the next rates are taken against.
        std::array<std::optional<TCounterReading>, 6> previous;
        std::array<TRate, 6> rates;   // the last rate of each counter
        std::optional<std::uint32_t> discontinuity;
        bool wideKnownMissing = false;   // the agent has no 64-bit counters for it
        std::set<int> absent;            // rows an SNMPv1 agent answered noSuchName for
    };
    enum class Demand { None, States, Traffic };

    Demand CurrentDemand() const;
    void ApplyDemand();
    void Poll();
    // The rows to read of a port in this poll.
    std::vector<int> RowsOf(int port, Demand demand, bool names) const;
    using PortRows = std::vector<std::pair<int, std::vector<int>>>;
    bool BulkUsable() const;
    // Sends the ports' rows: get-bulks of neighbouring ports asking the same
    // rows over v2c and v3, gets of whole ports otherwise.
    void SendPorts(PortRows ports);
    void SendChunk(PortRows ports, bool bulk);
    static void Answered(void* userData, const KvSNMPError& error, KvSNMPVarList& variables);
    void TakeChunk(TChunk& chunk, const KvSNMPError& error);
    void TakeBulk(TChunk& chunk, const KvSNMPError& error);
    void TakePort(int port, const std::vector<int>& rows, const std::vector<const engine::Value*>& values,
                  std::uint32_t upTime, std::int64_t nowMs, std::int64_t wallMs);
    void PortUnread(int port, std::int64_t wallMs);
    void ChunkDone();
    void Report(const QString& line, bool failed);

    std::vector<Port> ports_;
    QTimer timer_;
    int intervalMs_ = DefaultIntervalMs;
    int trafficUsers_ = 0;
    bool statesWanted_ = false;
    bool allowed_ = true;
    Clock clock_;
    QElapsedTimer started_;

    // The poll under way.
    Demand pollDemand_ = Demand::None;
    bool pollNames_ = false;
    int outstanding_ = 0;
    bool running_ = false;
    bool building_ = false;   // the poll's requests are still being sent
    bool pollAgain_ = false;  // a poll was asked for while one ran
    bool closing_ = false;
    int requestsThisPoll_ = 0, bindingsThisPoll_ = 0;
    std::int64_t namesReadAt_ = -1;
    int version_ = -1;   // SNMP version the ports' widths were decided for

    int requestsLastPoll_ = 0, bindingsLastPoll_ = 0;
    int bindingsPerRequest_ = InitialBindingsPerRequest;
    int bulkBindings_ = InitialBulkBindings;
    // Get-bulk is left for gets when the agent answers it with an error, or
    // when its first get-bulk goes unanswered; after that time-out it is
    // tried once more as soon as a get is answered (the agent may only have
    // been out of reach).
    bool bulkOff_ = false;
    bool bulkAnswered_ = false;
    bool bulkTimedOut_ = false;
    bool bulkRetried_ = false;
    std::int64_t polls_ = 0;
    bool failing_ = false;
    // Requests in flight or idle; a request is reused once answered.
    std::vector<std::unique_ptr<TChunk>> chunks_;
};
