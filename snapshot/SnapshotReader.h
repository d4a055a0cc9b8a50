// Reading a snapshot from the agent the default parameters name: the system
// group's identity for the header, then each table of the model in turn, its
// scalars in one get, a table's columns in one walk (get-bulk over v2c and v3,
// as the table views read).  Objects the agent does not have are recorded as
// absent; secrets as withheld unless asked for.
#pragma once

#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSnapshotFile.h"
#include "snapshot/SnapshotModel.h"

#include <functional>
#include <memory>
#include <string>

class SnapshotReader {
public:
    // Called exactly once, from the event loop; Code 0: Result() holds the snapshot.
    using Finished = std::function<void(const KvSNMPError& outcome)>;
    // After each table: tables read so far, and of how many.
    using Progressed = std::function<void(int done, int total)>;

    SnapshotReader(const SnapshotModel& model, bool withSecrets, std::string moduleText);
    ~SnapshotReader();
    SnapshotReader(const SnapshotReader&) = delete;
    SnapshotReader& operator=(const SnapshotReader&) = delete;

    void Start(Finished finished, Progressed progressed = {});
    // Stops after the answer under way; Finished is not called.
    void Cancel();
    KvSnapshot& Result() { return result_; }

private:
    class Request;
    void ReadNext();
    void OnResponse(const KvSNMPError& e);
    void TakeHeader();
    void TakeScalars(const KvSNMPError& e);
    void TakeRow();
    void EndTable();
    void Fail(const KvSNMPError& e);
    static void Callback(void* self, const KvSNMPError& e, KvSNMPVarList&);

    const SnapshotModel& model_;
    bool withSecrets_;
    std::string moduleText_;
    std::unique_ptr<Request> request_;
    Finished finished_;
    Progressed progressed_;
    KvSnapshot result_;
    int table_ = -1;                 // -1: the header
    std::vector<int> columnOfItem_;  // per list item, its column in the table (-1 the key)
    std::vector<char> seen_;         // per column of the table: some row had a value
    bool cancelled_ = false;
};

// Reads the whole snapshot, waiting in a local event loop; raises the
// request's error.
KvSnapshot ReadSnapshot(const SnapshotModel& model, bool withSecrets, const std::string& moduleText);
