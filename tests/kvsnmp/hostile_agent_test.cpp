// Requests against an agent that misbehaves: every walk and get ends with its
// code in bounded time, and with no more rows or requests than the agent's table
// gives reason for.
#include "HostileAgent.h"
#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"
#include "KvSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace KvAccess;
using namespace KvSyntax;
using Fault = HostileAgent::Fault;

constexpr int kRows = 3;          // rows the agent's table has
constexpr int kTimeout = 30;      // hundredths of a second per attempt
constexpr int kRetries = 1;

enum Operation { GetScalar, GetRow, Walk };
// Which ways of walking a v2c walk case runs with (v1 walks only with get-next).
enum Walks { BothWalks, GetNextOnly, GetBulkOnly };

struct HostileCase {
    const char* name;
    Fault fault;
    int faultFrom;          // the first request answered with the fault
    int version;            // 0 v1, 1 v2c
    Operation operation;
    int code;               // what the operation ends with
    int rows;               // rows a walk delivers before it ends
    std::size_t valueSize;  // the text column's value size in the last row (0: not checked)
    Walks walks = BothWalks;
    int bulkRows = 1;       // the most rows the agent answers a get-bulk with
    int requests = 0;       // requests the agent is sent (0: not checked)
    int faultCount = 0;     // requests answered with the fault (0: all from faultFrom on)
};

struct HostileRun {
    HostileCase c;
    bool bulk;    // the walk asks with get-bulk
    bool async;
};

// What an operation ended with.
struct Outcome {
    int code = 0;
    int rows = 0;
    std::size_t valueSize = 0;   // of the text column, in the last row read
    int callbacks = 0;
    bool done = false;
};

std::size_t textColumnSize(const KvSNMPVarList& list)
{
    return list.ItemAt(list.Count() - 1).Value.size();
}

Outcome runSync(KvSNMPRequest& r, Operation operation)
{
    Outcome o;
    try {
        for (bool first = true; o.rows < 10 * kRows; first = false) {
            const bool more = r.Get(first);
            if (operation == Walk && !more)
                break;
            o.valueSize = textColumnSize(r.Variables);
            if (operation != Walk)
                break;
            ++o.rows;
        }
    } catch (const KvSNMPException& e) {
        o.code = e.Code();
    }
    return o;
}

struct AsyncRun {
    KvSNMPRequest* request;
    Operation operation;
    Outcome outcome;
};

void asyncStep(void* data, const KvSNMPError& e, KvSNMPVarList& list)
{
    auto* run = static_cast<AsyncRun*>(data);
    Outcome& o = run->outcome;
    ++o.callbacks;
    o.code = e.Code;
    if (e.Code != 0 || (run->operation == Walk && e.Finished) || o.rows >= 10 * kRows) {
        o.done = true;
        return;
    }
    o.valueSize = textColumnSize(list);
    if (run->operation != Walk) {
        o.done = true;
        return;
    }
    ++o.rows;
    run->request->GetAsync(&asyncStep, run, false);
}

Outcome runAsync(KvSNMPRequest& r, Operation operation, int waitMs)
{
    AsyncRun run{&r, operation, {}};
    r.GetAsync(&asyncStep, &run, true);
    QElapsedTimer t;
    t.start();
    while (!run.outcome.done && t.elapsed() < waitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    EXPECT_TRUE(run.outcome.done) << "no final callback";
    EXPECT_EQ(run.outcome.callbacks, run.outcome.rows + 1) << "one callback per request answered or timed out";
    return run.outcome;
}

class HostileAgents : public ::testing::TestWithParam<HostileRun> {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        CreateGlobalSession(folder_->path().toStdString());
    }
    static void TearDownTestSuite() { delete folder_; }

    static QTemporaryDir* folder_;
};

QTemporaryDir* HostileAgents::folder_ = nullptr;

TEST_P(HostileAgents, EndWithTheirCodeInBoundedTime)
{
    const auto& [c, bulk, async] = GetParam();
    HostileAgent agent(c.fault, c.faultFrom, kRows, c.bulkRows, c.faultCount);
    ASSERT_TRUE(agent.ok());

    KvSNMPRequest r;
    r.Device.Address = "127.0.0.1";
    r.Device.Port = agent.port();
    r.Security.Version = static_cast<std::uint8_t>(c.version);
    r.Timeout = kTimeout;
    r.Retries = kRetries;
    r.UseGetBulk = bulk;
    const std::string entry = HostileAgent::kEntry;
    if (c.operation == GetScalar) {
        r.Variables.ItemType = SVT_SV;
        r.Variables.AppendItem(HostileAgent::kScalar, "scalar", Integer, ReadOnly);
    } else {
        r.Variables.ItemType = c.operation == Walk ? MVT_FMV : MVT_SV;
        r.Variables.PKeyCount = 1;
        r.Variables.AppendItem(entry + ".1", "index", Integer, ReadOnly);
        r.Variables.AppendItem(entry + ".2", "name", OctetStr, ReadOnly);
        if (c.operation == GetRow)
            r.Variables.Instance = "2";
    }

    // Each request waits at most for its attempts; a walk asks once per row and once more.
    const int maxRequests = (kRows + 2) * (kRetries + 1);
    const int maxMs = maxRequests * kTimeout * 10 + 2000;
    QElapsedTimer t;
    t.start();
    const Outcome o = async ? runAsync(r, c.operation, maxMs) : runSync(r, c.operation);
    EXPECT_EQ(o.code, c.code);
    EXPECT_EQ(o.rows, c.rows);
    if (c.valueSize) {
        EXPECT_EQ(o.valueSize, c.valueSize);
    }
    EXPECT_LE(agent.requests(), maxRequests);
    if (c.requests) {
        EXPECT_EQ(agent.requests(), c.requests);
    }
    EXPECT_LT(t.elapsed(), maxMs);
}

constexpr int kTimedOut = -405;
constexpr int kTooBig = -101;
constexpr int kNoSuchName = -102;
constexpr int kMismatch = -529;   // the answer's bindings are not the ones asked for
constexpr std::size_t kHugeHex = 2 * HostileAgent::kHugeLength;

const HostileCase kCases[] = {
    {"well_behaved_walk", Fault::None, 1, 1, Walk, 0, kRows, 10},
    {"well_behaved_walk_v1", Fault::None, 1, 0, Walk, 0, kRows, 10},
    {"well_behaved_get", Fault::None, 1, 1, GetRow, 0, 0, 10},
    {"backwards_oid_mid_walk", Fault::BackwardsOid, 3, 1, Walk, 0, 2, 0},
    {"equal_oid_mid_walk", Fault::EqualOid, 3, 1, Walk, 0, 2, 0},
    {"equal_oid_first", Fault::EqualOid, 1, 1, Walk, 0, 0, 0},
    {"wrong_type_walk", Fault::WrongType, 1, 1, Walk, 0, kRows, 0},
    {"wrong_type_get", Fault::WrongType, 1, 1, GetScalar, 0, 0, 0},
    {"empty_string_walk", Fault::EmptyString, 1, 1, Walk, 0, kRows, 0},
    {"huge_string_walk", Fault::HugeString, 1, 1, Walk, 0, kRows, kHugeHex},
    {"huge_string_get", Fault::HugeString, 1, 1, GetRow, 0, 0, kHugeHex},
    {"too_big_get", Fault::TooBig, 1, 1, GetRow, kTooBig, 0, 0},
    {"too_big_mid_walk", Fault::TooBig, 2, 1, Walk, kTooBig, 1, 0},
    {"wrong_request_id_get", Fault::WrongRequestId, 1, 1, GetScalar, kTimedOut, 0, 0},
    {"wrong_request_id_mid_walk", Fault::WrongRequestId, 2, 1, Walk, kTimedOut, 1, 0},
    {"end_of_mib_view_first", Fault::EndOfMibView, 1, 1, Walk, 0, 0, 0},
    {"end_of_mib_view_mid_walk", Fault::EndOfMibView, 2, 1, Walk, 0, 1, 0},
    {"no_such_name_mid_walk_v1", Fault::EndOfMibView, 2, 0, Walk, 0, 1, 0},
    {"no_such_name_get_v1", Fault::EndOfMibView, 1, 0, GetScalar, kNoSuchName, 0, 0},
    {"garbage_get", Fault::Garbage, 1, 1, GetScalar, kTimedOut, 0, 0},
    {"truncated_get", Fault::Truncated, 1, 1, GetRow, kTimedOut, 0, 0},
    {"silence_get", Fault::Silence, 1, 1, GetScalar, kTimedOut, 0, 0},
    // One time-out only: an agent that answered the walk's first request and then
    // falls silent is not asked again with get-next (regression: a get-bulk walk
    // waited twice).
    {"silence_mid_walk", Fault::Silence, 2, 1, Walk, kTimedOut, 1, 0, BothWalks, 1, 1 + kRetries + 1},
    {"fewer_varbinds_get", Fault::FewerVarbinds, 1, 1, GetRow, kMismatch, 0, 0},
    {"fewer_varbinds_mid_walk", Fault::FewerVarbinds, 2, 1, Walk, kMismatch, 1, 0},
    {"no_varbinds_get", Fault::NoVarbinds, 1, 1, GetScalar, kMismatch, 0, 0},
    {"no_varbinds_first", Fault::NoVarbinds, 1, 1, Walk, kMismatch, 0, 0},
    {"no_varbinds_mid_walk_v1", Fault::NoVarbinds, 2, 0, Walk, kMismatch, 1, 0},
    // A get-bulk answer may be cut short to fit the agent's message size: the
    // whole rows count, the cut one is asked for again.
    {"bulk_rows", Fault::None, 1, 1, Walk, 0, kRows, 10, GetBulkOnly, 2, 2},
    {"bulk_cut_mid_row", Fault::BulkCut, 1, 1, Walk, 0, kRows, 10, GetBulkOnly, 2},
    {"bulk_cut_first_row", Fault::BulkCut, 1, 1, Walk, 0, kRows, 10, GetBulkOnly, 1},
    {"bulk_empty", Fault::BulkEmpty, 1, 1, Walk, 0, kRows, 10, GetBulkOnly},
    {"bulk_empty_mid_walk", Fault::BulkEmpty, 2, 1, Walk, 0, kRows, 10, GetBulkOnly, 2},
    // The first get-bulk goes unanswered while the agent is out of reach: get-next
    // reads the row again, and once it is answered the walk goes back to get-bulk
    // (the lost attempts, 1 get-next, 2 get-bulk; regression: get-next for the
    // rest of the walk, one request per row).
    {"bulk_briefly_unanswered", Fault::Silence, 1, 1, Walk, 0, kRows, 10, GetBulkOnly, 2, (kRetries + 1) + 1 + 2, kRetries + 1},
    // An agent that drops get-bulk: get-bulk is tried once more after the first
    // get-next answer, then get-next reads the rest.
    {"bulk_never_answered", Fault::BulkSilence, 1, 1, Walk, 0, kRows, 10, GetBulkOnly, 2, (kRetries + 1) + 1 + (kRetries + 1) + 3},
};

std::vector<HostileRun> hostileRuns()
{
    std::vector<HostileRun> runs;
    for (const HostileCase& c : kCases) {
        const bool bulkWalk = c.operation == Walk && c.version != 0;
        for (const bool bulk : {false, true}) {
            if (bulk ? !bulkWalk || c.walks == GetNextOnly : bulkWalk && c.walks == GetBulkOnly)
                continue;
            for (const bool async : {false, true})
                runs.push_back({c, bulk, async});
        }
    }
    return runs;
}

INSTANTIATE_TEST_SUITE_P(Faults, HostileAgents, ::testing::ValuesIn(hostileRuns()), [](const auto& info) {
    return std::string(info.param.c.name) + (info.param.bulk ? "_bulk" : "") + (info.param.async ? "_async" : "");
});

} // namespace
