// Requests and table walks against ksw-sim (with data written here), the
// system's snmpd, and a small hand-made responder for the agents that misbehave.
#include "KswSim.h"
#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"
#include "KvSNMPSession.h"
#include "KvTestUtil.h"
#include "SetRecorder.h"
#include "FreePort.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using namespace KvAccess;
using namespace KvSyntax;

const std::string kScalars = "1.3.6.1.4.1.99.1";
const std::string kUneven = "1.3.6.1.4.1.99.2.1";    // key 1; column 2 has rows 1..3, column 3 rows 1..5
const std::string kImplied = "1.3.6.1.4.1.99.3.1";   // implied text key 1; column 2 writable
const std::string kTwoKeys = "1.3.6.1.4.1.99.4.1";   // text key 1, integer key 2; column 3
const std::string kGapped = "1.3.6.1.4.1.99.5.1";    // key 1; column 2 has rows 2 and 3, column 3 rows 1, 3 and 4
const std::string kLast = "1.3.6.1.4.1.99.9.1";      // columns 1 and 2, rows 1..3, the last objects served

const char* kData = R"(# request test data
1.3.6.1.4.1.99.1.1.0|4|alpha
1.3.6.1.4.1.99.1.2.0|2|7
1.3.6.1.4.1.99.1.3.0|67|12345
#!writable 1.3.6.1.4.1.99.1.1.0 4 0..32
#!writable 1.3.6.1.4.1.99.1.2.0 2 0..100
#!writable 1.3.6.1.4.1.99.1.3.0 67
1.3.6.1.4.1.99.2.1.1.1|2|1
1.3.6.1.4.1.99.2.1.1.2|2|2
1.3.6.1.4.1.99.2.1.1.3|2|3
1.3.6.1.4.1.99.2.1.1.4|2|4
1.3.6.1.4.1.99.2.1.1.5|2|5
1.3.6.1.4.1.99.2.1.2.1|4|name-1
1.3.6.1.4.1.99.2.1.2.2|4|name-2
1.3.6.1.4.1.99.2.1.2.3|4|name-3
1.3.6.1.4.1.99.2.1.3.1|65|100
1.3.6.1.4.1.99.2.1.3.2|65|200
1.3.6.1.4.1.99.2.1.3.3|65|300
1.3.6.1.4.1.99.2.1.3.4|65|400
1.3.6.1.4.1.99.2.1.3.5|65|500
1.3.6.1.4.1.99.3.1.2.112.117.98|2|1
1.3.6.1.4.1.99.3.1.2.112.114.105.118.97.116.101|2|2
#!writable 1.3.6.1.4.1.99.3.1.2 2 0..100
1.3.6.1.4.1.99.4.1.3.1.67.1|4|c-one
1.3.6.1.4.1.99.4.1.3.2.65.66.1|4|ab-one
1.3.6.1.4.1.99.4.1.3.2.65.66.2|4|ab-two
#!writable 1.3.6.1.4.1.99.4.1.3 4 0..32
1.3.6.1.4.1.99.5.1.2.2|4|name-2
1.3.6.1.4.1.99.5.1.2.3|4|name-3
1.3.6.1.4.1.99.5.1.3.1|65|100
1.3.6.1.4.1.99.5.1.3.3|65|300
1.3.6.1.4.1.99.5.1.3.4|65|400
1.3.6.1.4.1.99.9.1.1.1|2|1
1.3.6.1.4.1.99.9.1.1.2|2|2
1.3.6.1.4.1.99.9.1.1.3|2|3
1.3.6.1.4.1.99.9.1.2.1|4|x
1.3.6.1.4.1.99.9.1.2.2|4|y
1.3.6.1.4.1.99.9.1.2.3|4|z
)";

// ---- a hand-made SNMPv2c responder ------------------------------------------------

// Answers each request on its own thread: to every variable binding with the
// OID the test chooses, or, held, not at all until released.
class Responder {
public:
    using Answer = std::function<std::vector<std::uint32_t>(int requestNumber)>;

    explicit Responder(Answer answer) : answer_(std::move(answer))
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { run(); });
    }
    ~Responder()
    {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }
    std::uint16_t port() const { return port_; }
    int requests() const { return requests_; }
    void hold(bool on) { held_ = on; }
    // Answers with this many bindings more (or, negative, fewer) than asked for.
    void changeCount(int by) { countChange_ = by; }

private:
    struct Tlv {
        std::uint8_t tag = 0;
        std::string value;   // contents
        std::string raw;     // the whole element
    };
    // Reads one element at pos; false when the data is cut short.
    static bool read(const std::string& d, std::size_t& pos, Tlv& t)
    {
        const std::size_t start = pos;
        if (pos + 2 > d.size())
            return false;
        t.tag = static_cast<std::uint8_t>(d[pos++]);
        std::size_t len = static_cast<std::uint8_t>(d[pos++]);
        if (len & 0x80) {
            const std::size_t n = len & 0x7F;
            len = 0;
            for (std::size_t i = 0; i < n; ++i) {
                if (pos >= d.size())
                    return false;
                len = len << 8 | static_cast<std::uint8_t>(d[pos++]);
            }
        }
        if (pos + len > d.size())
            return false;
        t.value = d.substr(pos, len);
        pos += len;
        t.raw = d.substr(start, pos - start);
        return true;
    }
    static std::string element(std::uint8_t tag, const std::string& contents)
    {
        std::string out(1, static_cast<char>(tag));
        if (contents.size() < 128) {
            out += static_cast<char>(contents.size());
        } else {
            out += static_cast<char>(0x82);
            out += static_cast<char>(contents.size() >> 8);
            out += static_cast<char>(contents.size() & 0xFF);
        }
        return out + contents;
    }
    static std::string oid(const std::vector<std::uint32_t>& arcs)
    {
        std::string out(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
        for (std::size_t i = 2; i < arcs.size(); ++i) {
            std::string b(1, static_cast<char>(arcs[i] & 0x7F));
            for (std::uint32_t v = arcs[i] >> 7; v; v >>= 7)
                b.insert(b.begin(), static_cast<char>(0x80 | (v & 0x7F)));
            out += b;
        }
        return element(0x06, out);
    }

    void run()
    {
        std::vector<std::pair<std::string, sockaddr_in>> waiting;
        while (!stop_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                char buf[2048];
                sockaddr_in from{};
                socklen_t len = sizeof from;
                const ssize_t n = ::recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
                if (n > 0)
                    waiting.emplace_back(std::string(buf, static_cast<std::size_t>(n)), from);
            }
            if (held_)
                continue;
            for (const auto& [request, from] : waiting) {
                const std::string reply = answer(request);
                if (!reply.empty())
                    ::sendto(fd_, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&from), sizeof from);
            }
            waiting.clear();
        }
    }

    std::string answer(const std::string& request)
    {
        std::size_t pos = 0;
        Tlv message, version, community, pdu;
        if (!read(request, pos, message))
            return {};
        std::size_t m = 0;
        if (!read(message.value, m, version) || !read(message.value, m, community) || !read(message.value, m, pdu))
            return {};
        std::size_t q = 0;
        Tlv id, status, index, list;
        if (!read(pdu.value, q, id) || !read(pdu.value, q, status) || !read(pdu.value, q, index) || !read(pdu.value, q, list))
            return {};
        const int number = ++requests_;
        std::string vbs;
        std::size_t v = 0;
        Tlv vb;
        int count = countChange_;
        while (read(list.value, v, vb))
            ++count;
        for (int i = 0; i < count; ++i)
            vbs += element(0x30, oid(answer_(number)) + element(0x02, std::string(1, '\x01')));
        const std::string body = id.raw + element(0x02, std::string(1, '\0')) + element(0x02, std::string(1, '\0'))
            + element(0x30, vbs);
        return element(0x30, version.raw + community.raw + element(0xA2, body));
    }

    Answer answer_;
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> held_{false};
    std::atomic<int> countChange_{0};
    std::atomic<int> requests_{0};
};

// ---- the column-end rule ------------------------------------------------------

TEST(ColumnEnd, DecidedByPrefixAndProgress)
{
    struct Case {
        const char* previous;
        const char* received;
        bool done;
    } cases[] = {
        {"", "1.3.6.1.1.1.5", false},                 // first row
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1.6", false},     // advanced
        {"1.3.6.1.1.1.9", "1.3.6.1.1.1.10", false},    // arcs compare as numbers
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1.5.1", false},   // a longer instance follows
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1.5", true},      // no progress
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1.4", true},      // backwards
        {"1.3.6.1.1.1.5.1", "1.3.6.1.1.1.5", true},    // backwards to a shorter one
        {"1.3.6.1.1.1.5", "1.3.6.1.1.10.3", true},     // same stem, not under the prefix and a dot
        {"1.3.6.1.1.1.5", "1.3.6.1.1.2.1", true},      // the next column
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1", true},        // the prefix itself
        {"1.3.6.1.1.1.5", "", true},                   // nothing received
        // Texts that first differ inside an arc still compare arc by arc.
        {"1.3.6.1.1.1.15", "1.3.6.1.1.1.9", true},
        {"1.3.6.1.1.1.99.1", "1.3.6.1.1.1.100", false},
        {"1.3.6.1.1.1.5", "1.3.6.1.1.1.5.0", false},
        {"1.3.6.1.1.1.07", "1.3.6.1.1.1.7", true},     // a leading zero is the same arc
        {"1.3.6.1.1.1.7", "1.3.6.1.1.1.07.1", false},
        {"1.3.6.1.1.1.5x", "1.3.6.1.1.1.6", false},    // a previous text that is no OID
    };
    KvSNMPRequest r;
    r.Variables.ItemType = MVT_FMV;
    for (const Case& c : cases)
        EXPECT_EQ(r.IsColumnDone("1.3.6.1.1.1", c.previous, c.received), c.done) << c.previous << " -> " << c.received;
    r.Variables.ItemType = MVT_SV;
    EXPECT_FALSE(r.IsColumnDone("1.3.6.1.1.1", "1.3.6.1.1.1.5", "1.3.6.1.1.1.4"));
}

// ---- fixture ----------------------------------------------------------------

class Requests : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        CreateGlobalSession(folder_->path().toStdString());
        const QString data = folder_->filePath(QStringLiteral("request.snmprec"));
        QFile f(data);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kData);
        f.close();
        KswSim::Options o;
        o.dataFile = data;
        sim_ = new KswSim(o);
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        delete folder_;
    }
    void SetUp() override { ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString(); }

    // A v2c request to the simulator with the given items.
    static std::unique_ptr<KvSNMPRequest> request(std::uint8_t kind, int keys, std::uint16_t port = 0)
    {
        auto r = std::make_unique<KvSNMPRequest>();
        r->Device.Address = "127.0.0.1";
        r->Device.Port = port ? port : sim_->port();
        r->Security.Version = 1;
        r->Timeout = 100;
        r->Retries = 0;
        r->Variables.ItemType = kind;
        r->Variables.PKeyCount = keys;
        return r;
    }

    static std::vector<std::string> values(const KvSNMPRequest& r)
    {
        std::vector<std::string> out;
        for (int i = 0; i < r.Variables.Count(); ++i)
            out.push_back(r.Variables.ItemAt(i).Value);
        return out;
    }

    static std::vector<std::vector<std::string>> walk(KvSNMPRequest& r, int limit = 100)
    {
        std::vector<std::vector<std::string>> rows;
        for (bool first = true; rows.size() < static_cast<std::size_t>(limit) && r.Get(first); first = false)
            rows.push_back(values(r));
        return rows;
    }

    static QTemporaryDir* folder_;
    static KswSim* sim_;
};

QTemporaryDir* Requests::folder_ = nullptr;
KswSim* Requests::sim_ = nullptr;

using Rows = std::vector<std::vector<std::string>>;

TEST_F(Requests, ScalarGroup)
{
    auto r = request(SVT_SV, 0);
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    r->Variables.AppendItem(kScalars + ".2", "level", Integer, ReadWrite);
    r->Variables.AppendItem(kScalars + ".3", "uptime", TimeTicks, ReadOnly);
    r->Variables.AppendItem(kScalars + ".9", "absent", Integer, ReadOnly);
    EXPECT_FALSE(r->Get(true));
    EXPECT_EQ(values(*r), (std::vector<std::string>{"alpha", "7", "0:02:03.45", "(NULL)"}));
    EXPECT_EQ(r->Variables.ItemAt(1).CurrentOid, kScalars + ".2.0");
    EXPECT_EQ(codeOf([&] { r->Get(false); }), -510);
}

TEST_F(Requests, RowByGetAndByGetNext)
{
    auto r = request(MVT_SV, 0);
    r->Variables.Instance = "2";
    r->Variables.AppendItem(kUneven + ".2", "name", DisplayStr, ReadOnly);
    r->Variables.AppendItem(kUneven + ".3", "count", Counter, ReadOnly);
    EXPECT_FALSE(r->Get(true));
    EXPECT_EQ(values(*r), (std::vector<std::string>{"name-2", "200"}));
    r->UseGetNext = true;
    EXPECT_FALSE(r->Get(true));
    EXPECT_EQ(values(*r), (std::vector<std::string>{"name-3", "300"}));
    EXPECT_EQ(r->Variables.ItemAt(1).CurrentOid, kUneven + ".3.3");
}

TEST_F(Requests, WalkOfATableWithUnevenColumns)
{
    auto r = request(MVT_FMV, 1);
    r->Variables.AppendItem(kUneven + ".1", "index", Integer, NotAccess);
    r->Variables.AppendItem(kUneven + ".2", "name", DisplayStr, ReadOnly);
    r->Variables.AppendItem(kUneven + ".3", "count", Counter, ReadOnly);
    const Rows expected = {{"1", "name-1", "100"}, {"2", "name-2", "200"}, {"3", "name-3", "300"},
                           {"4", "(NOTDONE)", "400"}, {"5", "(NOTDONE)", "500"}};
    EXPECT_EQ(walk(*r), expected);
    // After the end both columns are marked and point at the last row.
    EXPECT_EQ(values(*r), (std::vector<std::string>{"5", "(NOTDONE)", "(NOTDONE)"}));
    EXPECT_EQ(r->Variables.ItemAt(2).CurrentOid, kUneven + ".3.5");
    EXPECT_EQ(r->Variables.ItemAt(0).CurrentOid, kUneven + ".1.5");
}

// Regression: a column lacking a row filed the next row it has under the row
// walked (get-next answers with the next instance there is), so values landed
// in the wrong rows and the rows after a gap came out shifted.  A value the
// agent has not got for a row is "(NULL)" in that row; the column is asked
// again from the row, so its next value lands where it belongs.
TEST_F(Requests, GapInAColumnFiledAnotherRowsValue)
{
    auto r = request(MVT_FMV, 1);
    r->Variables.AppendItem(kGapped + ".1", "index", Integer, NotAccess);
    r->Variables.AppendItem(kGapped + ".2", "name", DisplayStr, ReadOnly);
    r->Variables.AppendItem(kGapped + ".3", "count", Counter, ReadOnly);
    const Rows expected = {{"1", "(NULL)", "100"}, {"2", "name-2", "(NULL)"}, {"3", "name-3", "300"},
                           {"4", "(NOTDONE)", "400"}};
    EXPECT_EQ(walk(*r), expected);
    r->UseGetBulk = false;
    EXPECT_EQ(walk(*r), expected);
}

TEST_F(Requests, WalkFilteredByRows)
{
    auto r = request(MVT_FMV, 1);
    r->Variables.AppendItem(kUneven + ".1", "index", Integer, NotAccess);
    r->Variables.AppendItem(kUneven + ".3", "count", Counter, ReadOnly);
    r->RowFilter = "$1 >= 300";
    int accepted = 0;
    for (bool first = true; r->Get(first); first = false)
        accepted += r->CheckRowFilter() ? 1 : 0;
    EXPECT_EQ(accepted, 3);
    EXPECT_TRUE(r->CheckCondition(""));
    EXPECT_EQ(codeOf([&] { r->CheckCondition("$1"); }), -1);
}

TEST_F(Requests, ImpliedAndLengthPrefixedKeys)
{
    auto implied = request(MVT_FMV, 1);
    implied->Variables.AppendItem(kImplied + ".1", "name", DisplayStr, NotAccess | Implied);
    implied->Variables.AppendItem(kImplied + ".2", "value", Integer, ReadWrite);
    EXPECT_EQ(walk(*implied), (Rows{{"private", "2"}, {"pub", "1"}}));

    auto two = request(MVT_FMV, 2);
    two->Variables.AppendItem(kTwoKeys + ".1", "name", DisplayStr, NotAccess);
    two->Variables.AppendItem(kTwoKeys + ".2", "number", Integer, NotAccess);
    two->Variables.AppendItem(kTwoKeys + ".3", "text", DisplayStr, ReadWrite);
    EXPECT_EQ(walk(*two), (Rows{{"C", "1", "c-one"}, {"AB", "1", "ab-one"}, {"AB", "2", "ab-two"}}));
}

TEST_F(Requests, TableSetAddressedByKeys)
{
    auto implied = request(MVT_FMV, 1);
    implied->Variables.AppendItem(kImplied + ".1", "name", DisplayStr, NotAccess | Implied);
    implied->Variables.AppendItem(kImplied + ".2", "value", Integer, ReadWrite);
    implied->Variables.ItemAt(0).Value = "pub";
    implied->Variables.ItemAt(1).Value = "42";
    EXPECT_EQ(implied->InstanceFromKeys(), "112.117.98");
    implied->Set("");

    auto two = request(MVT_FMV, 2);
    two->Variables.AppendItem(kTwoKeys + ".1", "name", DisplayStr, NotAccess);
    two->Variables.AppendItem(kTwoKeys + ".2", "number", Integer, NotAccess);
    two->Variables.AppendItem(kTwoKeys + ".3", "text", DisplayStr, ReadWrite);
    two->Variables.ItemAt(0).Value = "AB";
    two->Variables.ItemAt(1).Value = "2";
    two->Variables.ItemAt(2).Value = "changed";
    two->Set("");

    auto check = request(MVT_SV, 0);
    check->Variables.AppendItem(kImplied + ".2.112.117.98", "value", Integer, ReadOnly);
    check->Variables.AppendItem(kTwoKeys + ".3.2.65.66.2", "text", DisplayStr, ReadOnly);
    check->Get(true);
    EXPECT_EQ(values(*check), (std::vector<std::string>{"42", "changed"}));
}

TEST_F(Requests, SetWithASelection)
{
    auto r = request(SVT_SV, 0);
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    r->Variables.AppendItem(kScalars + ".2", "level", Integer, ReadWrite);
    r->Variables.AppendItem(kScalars + ".3", "uptime", TimeTicks, ReadWrite);
    r->Get(true);
    r->Variables.ItemAt(0).Value = "beta";
    r->Variables.ItemAt(1).Value = "55";
    r->Variables.ItemAt(2).Value = "0:00:01.00";
    r->Set("0, 2");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r->Variables.ItemAt(i).Access, ReadWrite) << i;
    EXPECT_EQ(r->Variables.ItemAt(1).Value, "55");

    auto check = request(SVT_SV, 0);
    check->Variables.Assign(r->Variables);
    check->Get(true);
    EXPECT_EQ(values(*check), (std::vector<std::string>{"beta", "7", "0:00:01.00"}));

    // The agent refuses a value out of its range: the error stands and the list is as it was.
    r->Variables.ItemAt(1).Value = "101";
    EXPECT_EQ(codeOf([&] { r->Set("1"); }), -110);
    EXPECT_EQ(r->Variables.ItemAt(0).Access, ReadWrite);
    // A value that cannot be sent is refused before anything is sent.
    r->Variables.ItemAt(1).Value = "(NULL)";
    r->Variables.ItemAt(0).Syntax = IpAddress;
    EXPECT_EQ(codeOf([&] { r->Set(""); }), -511);
    EXPECT_EQ(r->Variables.ItemAt(0).Syntax, IpAddress);
}

TEST_F(Requests, VersionOneWalkEndsWithNoSuchName)
{
    auto r = request(MVT_FMV, 1);
    r->Security.Version = 0;
    r->Variables.AppendItem(kLast + ".1", "index", Integer, ReadOnly);
    r->Variables.AppendItem(kLast + ".2", "text", DisplayStr, ReadOnly);
    EXPECT_EQ(walk(*r), (Rows{{"1", "x"}, {"2", "y"}, {"3", "z"}}));

    // The same end reached asynchronously is a success.
    std::vector<KvSNMPError> outcomes;
    auto collect = [](void* data, const KvSNMPError& e, KvSNMPVarList&) {
        static_cast<std::vector<KvSNMPError>*>(data)->push_back(e);
    };
    r->Variables.ItemAt(0).CurrentOid = kLast + ".1.3";
    r->Variables.ItemAt(1).CurrentOid = kLast + ".2.3";
    r->GetAsync(collect, &outcomes, false);
    QElapsedTimer t;
    t.start();
    while (outcomes.empty() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].Code, 0);
    EXPECT_TRUE(outcomes[0].Finished);
    EXPECT_EQ(outcomes[0].Message, MapErrorCode(0).Message);
}

TEST_F(Requests, WrongKindsAndAddresses)
{
    auto r = request(7, 0);
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    EXPECT_EQ(codeOf([&] { r->Get(true); }), -515);
    EXPECT_EQ(codeOf([&] { r->Set(""); }), -515);
    r->Variables.ItemType = SVT_SV;
    r->Device.Address = "no.such.host.invalid";
    EXPECT_EQ(codeOf([&] { r->Get(true); }), -509);
    r->Alive = false;
    EXPECT_FALSE(r->Get(true));
}

struct WalkState {
    KvSNMPRequest* request = nullptr;
    Rows rows;
    KvSNMPError last;
    int callbacks = 0;
    bool done = false;
};

void walkStep(void* data, const KvSNMPError& e, KvSNMPVarList& list)
{
    auto* s = static_cast<WalkState*>(data);
    ++s->callbacks;
    s->last = e;
    if (e.Code != 0 || e.Finished) {
        s->done = true;
        return;
    }
    std::vector<std::string> row;
    for (int i = 0; i < list.Count(); ++i)
        row.push_back(list.ItemAt(i).Value);
    s->rows.push_back(row);
    s->request->GetAsync(&walkStep, s, false);
}

bool waitFor(const bool& flag, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!flag && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return flag;
}

TEST_F(Requests, AsynchronousWalkDrivenByThePump)
{
    ASSERT_TRUE(KvSNMPEventPump::IsRunning());
    auto r = request(MVT_FMV, 1);
    r->Variables.AppendItem(kUneven + ".1", "index", Integer, NotAccess);
    r->Variables.AppendItem(kUneven + ".2", "name", DisplayStr, ReadOnly);
    r->Variables.AppendItem(kUneven + ".3", "count", Counter, ReadOnly);
    WalkState s;
    s.request = r.get();
    r->GetAsync(&walkStep, &s, true);
    EXPECT_EQ(r->Pending, 1);
    ASSERT_TRUE(waitFor(s.done, 5000));
    EXPECT_EQ(s.last.Code, 0);
    EXPECT_EQ(s.last.Device.Address, "127.0.0.1");
    EXPECT_EQ(s.last.Device.Port, sim_->port());
    EXPECT_EQ(s.rows.size(), 5u);
    EXPECT_EQ(s.rows[3], (std::vector<std::string>{"4", "(NOTDONE)", "400"}));
    EXPECT_EQ(r->Pending, 0);

    // An asynchronous write reports its outcome the same way.
    auto w = request(SVT_SV, 0);
    w->Variables.AppendItem(kScalars + ".2", "level", Integer, ReadWrite);
    w->Variables.ItemAt(0).Value = "200";
    WalkState ws;
    w->SetAsync(&walkStep, &ws, "");
    ASSERT_TRUE(waitFor(ws.done, 5000));
    EXPECT_EQ(ws.last.Code, -110);
    EXPECT_TRUE(ws.last.Finished);
    EXPECT_EQ(ws.last.ErrorIndex, 1);
}

TEST_F(Requests, TimeOut)
{
    auto r = request(SVT_SV, 0, FreeUdpPort());
    r->Timeout = 20;
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    EXPECT_EQ(codeOf([&] { r->Get(true); }), -405);
    WalkState s;
    r->GetAsync(&walkStep, &s, true);
    ASSERT_TRUE(waitFor(s.done, 5000));
    EXPECT_EQ(s.last.Code, -405);
    EXPECT_TRUE(s.last.Finished);
    EXPECT_EQ(s.callbacks, 1);
}

TEST_F(Requests, DestructionWaitsForTheOutstandingResponse)
{
    KswSim::Options o;
    o.dataFile = folder_->filePath(QStringLiteral("request.snmprec"));
    o.delayMs = 300;
    KswSim slow(o);
    ASSERT_TRUE(slow.running());
    auto r = request(SVT_SV, 0, slow.port());
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    WalkState s;
    r->GetAsync(&walkStep, &s, true);
    QElapsedTimer t;
    t.start();
    r.reset();
    EXPECT_EQ(s.callbacks, 1);
    EXPECT_EQ(s.last.Code, 0);
    EXPECT_LT(t.elapsed(), 3000);
}

// The request is gone before the agent answers (after the six seconds the
// destruction waits): the answer is dropped without reaching the callback.
TEST_F(Requests, ResponseAfterTheRequestIsGoneIsDropped)
{
    Responder late([](int) { return std::vector<std::uint32_t>{1, 3, 6, 1, 4, 1, 99, 1, 1, 0}; });
    late.hold(true);
    auto r = request(SVT_SV, 0, late.port());
    r->Timeout = 1500;
    r->Variables.AppendItem(kScalars + ".1", "name", DisplayStr, ReadWrite);
    WalkState s;
    r->GetAsync(&walkStep, &s, true);
    QElapsedTimer t;
    t.start();
    r.reset();
    EXPECT_GE(t.elapsed(), 5900);
    EXPECT_EQ(s.callbacks, 0);
    late.hold(false);
    QElapsedTimer more;
    more.start();
    while (late.requests() == 0 && more.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    GlobalSession->processPendingEvents();
    EXPECT_EQ(late.requests(), 1);
    EXPECT_EQ(s.callbacks, 0);
}

// An agent whose get-next answers go backwards would keep a walk going forever.
TEST_F(Requests, WalkEndsWhenTheAgentGoesBackwards)
{
    Responder backwards([](int n) {
        return std::vector<std::uint32_t>{1, 3, 6, 1, 4, 1, 99, 7, 1, 2, n % 2 ? 5u : 4u};
    });
    auto r = request(MVT_FMV, 0, backwards.port());
    r->Variables.AppendItem("1.3.6.1.4.1.99.7.1.2", "value", Integer, ReadOnly);
    const Rows rows = walk(*r, 50);
    EXPECT_EQ(rows, (Rows{{"1"}}));
    EXPECT_EQ(backwards.requests(), 2);
}

// Get-bulk walks give the rows of the get-next walk, whatever the table's shape
// and whatever the agent refuses: after tooBig with fewer repetitions, after any
// other refusal with get-next for the rest of the walk.  v1 never asks with it.
enum class Table { Uneven, Gapped, Last };

struct BulkCase {
    const char* name;
    Table table;
    int version;
    int refusal;      // error status of the agent's refusals, 0 for none
    int refusals;
    int bulks;        // get-bulk requests the walk sends
};

class BulkWalks : public Requests, public ::testing::WithParamInterface<BulkCase> {};

TEST_P(BulkWalks, SameRowsAsGetNext)
{
    const BulkCase& c = GetParam();
    SetRecorder relay(sim_->port());
    ASSERT_TRUE(relay.running());
    auto walkWith = [&](bool bulk) {
        auto r = request(MVT_FMV, 1, relay.port());
        r->Security.Version = static_cast<std::uint8_t>(c.version);
        r->UseGetBulk = bulk;
        if (c.table == Table::Last) {
            r->Variables.AppendItem(kLast + ".1", "index", Integer, ReadOnly);
            r->Variables.AppendItem(kLast + ".2", "name", DisplayStr, ReadOnly);
        } else {
            const std::string& table = c.table == Table::Gapped ? kGapped : kUneven;
            r->Variables.AppendItem(table + ".1", "index", Integer, NotAccess);
            r->Variables.AppendItem(table + ".2", "name", DisplayStr, ReadOnly);
            r->Variables.AppendItem(table + ".3", "count", Counter, ReadOnly);
        }
        return walk(*r);
    };
    const Rows byGetNext = walkWith(false);
    ASSERT_EQ(relay.GetBulkCount(), 0);
    ASSERT_FALSE(byGetNext.empty());
    relay.FailGetBulks(c.refusal, c.refusals);
    EXPECT_EQ(walkWith(true), byGetNext);
    EXPECT_EQ(relay.GetBulkCount(), c.bulks);
}

INSTANTIATE_TEST_SUITE_P(
    Agents, BulkWalks,
    ::testing::Values(BulkCase{"UnevenColumns", Table::Uneven, 1, 0, 0, 1},   // get-next once a column has ended
                      BulkCase{"GappedColumns", Table::Gapped, 1, 0, 0, 1},   // a gap costs no request
                      BulkCase{"EndOfTheAgentsObjects", Table::Last, 1, 0, 0, 1},
                      BulkCase{"VersionOne", Table::Uneven, 0, 0, 0, 0},
                      BulkCase{"TooBigOnce", Table::Uneven, 1, 1, 1, 2},
                      BulkCase{"TooBigAlways", Table::Uneven, 1, 1, 99, 5},   // 25, 12, 6, 3, 1 repetitions
                      BulkCase{"Refused", Table::Uneven, 1, 5, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Requests, StandardTableOfTheSystemAgent)
{
    SnmpdAgent agent;
    ASSERT_TRUE(agent.ok()) << agent.error().toStdString();
    auto r = request(MVT_FMV, 1, agent.port());
    const std::string sysOR = "1.3.6.1.2.1.1.9.1";
    r->Variables.AppendItem(sysOR + ".1", "index", Integer, NotAccess);
    r->Variables.AppendItem(sysOR + ".2", "id", ObjectId, ReadOnly);
    r->Variables.AppendItem(sysOR + ".3", "descr", DisplayStr, ReadOnly);
    r->Variables.AppendItem(sysOR + ".4", "uptime", TimeTicks, ReadOnly);
    const Rows rows = walk(*r);
    ASSERT_FALSE(rows.empty());
    r->UseGetBulk = false;
    EXPECT_EQ(walk(*r), rows) << "get-bulk and get-next walks";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i][1].rfind("1.3.6.1.", 0), 0u) << rows[i][1];
        EXPECT_NE(rows[i][3].find(':'), std::string::npos);
    }
}

} // namespace

// Regression: an answer with fewer (or more) bindings than asked for was taken
// as good: missing columns stayed "(NOTDONE)", an empty list looked like the end
// of the table with code 0.
TEST_F(Requests, ResponseWithAnotherBindingCountFailsTheRequest)
{
    Responder agent([](int) { return std::vector<std::uint32_t>{1, 3, 6, 1, 4, 1, 99, 7, 1, 2, 1}; });
    for (const int by : {-1, -2, 1}) {
        agent.changeCount(by);
        // A get-bulk answer holds whole rows, any number of them: get-next walks
        // and plain gets are the ones whose answers must match binding for binding.
        auto r = request(MVT_FMV, 0, agent.port());
        r->UseGetBulk = false;
        r->Variables.AppendItem("1.3.6.1.4.1.99.7.1.2", "a", Integer, ReadOnly);
        r->Variables.AppendItem("1.3.6.1.4.1.99.7.1.3", "b", Integer, ReadOnly);
        EXPECT_EQ(codeOf([&] { r->Get(true); }), -529) << by;

        WalkState s;
        s.request = r.get();
        r->GetAsync(&walkStep, &s, true);
        ASSERT_TRUE(waitFor(s.done, 3000)) << by;
        EXPECT_EQ(s.last.Code, -529) << by;
        EXPECT_EQ(s.last.Message, "(KvSNMP++) Count of the variables in the agent's response differs from the request!");
        EXPECT_TRUE(s.last.Finished);
        EXPECT_TRUE(s.rows.empty());

        auto write = request(SVT_SV, 0, agent.port());
        write->Variables.AppendItem("1.3.6.1.4.1.99.7.1.2", "a", Integer, ReadWrite);
        write->Variables.AppendItem("1.3.6.1.4.1.99.7.1.3", "b", Integer, ReadWrite);
        write->Variables.ItemAt(0).Value = "1";
        write->Variables.ItemAt(1).Value = "2";
        EXPECT_EQ(codeOf([&] { write->Set(""); }), -529) << by;
        WalkState w;
        write->SetAsync(&walkStep, &w, "");
        ASSERT_TRUE(waitFor(w.done, 3000)) << by;
        EXPECT_EQ(w.last.Code, -529) << by;
    }
}

// Regression: letters typed for a number were written to the agent as 0.  The
// text is refused before anything is sent, and the message names the item.
TEST_F(Requests, LettersForANumberAreRefusedNotWrittenAsZero)
{
    auto r = request(SVT_SV, 0);
    r->Variables.AppendItem(kScalars + ".2", "MTU", Integer, ReadWrite);
    r->Get(true);
    const std::string before = r->Variables.ItemAt(0).Value;
    r->Variables.ItemAt(0).Value = "abc";
    try {
        r->Set("");
        ADD_FAILURE() << "written";
    } catch (const KvSNMPException& e) {
        EXPECT_EQ(e.Code(), -511);
        EXPECT_EQ(e.Message(), "(KvSNMP++) Bad SNMP syntax! (MTU: \"abc\")");
    }
    r->Get(true);
    EXPECT_EQ(r->Variables.ItemAt(0).Value, before);
}
