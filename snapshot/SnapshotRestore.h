// Putting a snapshot's settings back: which differences can be restored, the
// SETs that do it in an order that works, and the run that sends them.
//
// Order: the scalars of each view in one SET; each row the switch lacks in one
// SET that creates it (its row status at the create value) with all its
// columns; the changed cells of each row in one SET; last, each row only the
// switch has in one SET of the destroy value.  The run stops at the first
// refusal.  Only the model's objects are written (never one the definitions
// mark read-only), and withheld values never.
#pragma once

#include "kvsnmp/KvSNMPRequest.h"
#include "snapshot/SnapshotModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Whether a difference can be put back, and whether it is ticked at first
// (row deletions are not).
bool CanRestore(const SnapshotModel& model, const SnapshotDifference& d);
bool RestoreByDefault(const SnapshotDifference& d);

struct SnapshotBinding {
    std::string Oid;          // full OID
    std::uint32_t Syntax = 0;
    std::string Value;        // as sent (no option label)
    std::string Shown;        // view caption | key | column = label, for people
};

struct SnapshotSet {
    std::string Title;        // "Create row 10 of VLAN Static Table"
    std::vector<SnapshotBinding> Bindings;
    // Columns of a created row the snapshot withheld (secrets): not sent, and
    // said so before anything is.
    std::vector<std::string> Withheld;
};

// The SETs for the chosen differences (indices into differences).  left is
// the snapshot restored from: a created row takes its columns from there.
std::vector<SnapshotSet> PlanRestore(const SnapshotModel& model, const KvSnapshot& left,
                                     const std::vector<SnapshotDifference>& differences,
                                     const std::vector<int>& chosen);

// The plan as text, one SET and its bindings a few lines.
std::string RestorePlanText(const std::vector<SnapshotSet>& plan);

enum class SnapshotSetState : std::uint8_t { NotTried, Applied, Refused };

struct SnapshotRestoreReport {
    std::vector<SnapshotSetState> States;   // per SET of the plan
    int RefusedSet = -1;
    KvSNMPError Refusal;                    // why, when one was refused
    // The refused SET got no answer: the agent may have applied it or not.
    bool Unanswered() const;
    std::string Text(const std::vector<SnapshotSet>& plan) const;
};

// Sends the plan's SETs one after the other to the agent the defaults name,
// each through a request's set, and stops at the first refusal.
class SnapshotRestorer {
public:
    using Finished = std::function<void(const SnapshotRestoreReport& report)>;

    explicit SnapshotRestorer(std::vector<SnapshotSet> plan);
    ~SnapshotRestorer();
    SnapshotRestorer(const SnapshotRestorer&) = delete;
    SnapshotRestorer& operator=(const SnapshotRestorer&) = delete;

    // Finished comes exactly once, from the event loop or at once when the
    // first SET cannot even be built.
    void Start(Finished finished);
    const SnapshotRestoreReport& Report() const { return report_; }

private:
    void SendNext();
    static void Callback(void* self, const KvSNMPError& e, KvSNMPVarList&);
    void Stop(const KvSNMPError& e);

    std::vector<SnapshotSet> plan_;
    std::unique_ptr<KvSNMPRequest> request_;
    SnapshotRestoreReport report_;
    Finished finished_;
    int next_ = 0;
    bool gone_ = false;
};

// The same, waiting in a local event loop.
SnapshotRestoreReport RestoreSnapshot(const std::vector<SnapshotSet>& plan);
