// The engine without an agent: boots file, address checks, USM user checks,
// time-outs, closing with requests pending, and a peer that sends rubbish.
#include "SnmpEngine.h"
#include "SnmpdAgent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include <gtest/gtest.h>

using namespace engine;

namespace {

Session& session()
{
    static std::unique_ptr<Session> s = [] {
        int status = -1;
        auto p = Session::open(status);
        EXPECT_EQ(status, kSuccess);
        return p;
    }();
    return *s;
}

// ---------------------------------------------------------------------------
// Boots file

struct BootsCase {
    const char* label;
    std::optional<std::string> before;   // file content, none = no file
    std::string engineId;
    int getResult;
    std::uint32_t getBoots;
    std::optional<std::uint32_t> save;   // then saved, and the file must read:
    std::string after;
};

const std::string kId = "KvSNMP_PP_Application";
const std::string kIdHex = "4B76534E4D505F50505F4170706C69636174696F6E";
const std::string kOthers = "# engines\n414243 7\n";

class BootsFile : public ::testing::TestWithParam<BootsCase> {};

TEST_P(BootsFile, ReadAndSave)
{
    const BootsCase& c = GetParam();
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("KvSNMP_PP_BootCounter")).toStdString();
    if (c.before) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.before->data(), static_cast<qint64>(c.before->size()));
    }
    std::uint32_t boots = 777;
    EXPECT_EQ(getBootCounter(path, c.engineId, boots), c.getResult);
    EXPECT_EQ(boots, c.getBoots);
    if (!c.save)
        return;
    ASSERT_EQ(saveBootCounter(path, c.engineId, *c.save), kSuccess);
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), c.after);
    EXPECT_EQ(getBootCounter(path, c.engineId, boots), kSuccess);
    EXPECT_EQ(boots, *c.save);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "temporary file left behind";
}

const BootsCase kBootsCases[] = {
    {"absentFileThenFirstStart", std::nullopt, kId, kBootsCannotOpen, 0, 1u, kIdHex + " 1\n"},
    {"storedValueReadBack", kIdHex + " 41\n", kId, kSuccess, 41, 42u, kIdHex + " 42\n"},
    {"otherEnginesKeptInPlace", kOthers + kIdHex + " 9\n00FF 3\n", kId, kSuccess, 9, 5u,
     kOthers + kIdHex + " 5\n00FF 3\n"},
    {"newEntryAppended", kOthers, kId, kBootsNoEntry, 0, 1u, kOthers + kIdHex + " 1\n"},
    {"entryWithoutNumberReadsAsNoEntry", kOthers + kIdHex + "\n", kId, kBootsNoEntry, 0, 1u,
     kOthers + kIdHex + " 1\n"},
    {"garbageNumber", kIdHex + " 4x\n", kId, kBootsMalformed, 0, std::nullopt, {}},
    {"negativeNumber", kIdHex + " -5\n", kId, kBootsMalformed, 0, std::nullopt, {}},
    {"numberTooLarge", kIdHex + " 4294967296\n", kId, kBootsMalformed, 0, std::nullopt, {}},
    {"engineIdTooLong", std::string(), std::string(33, 'x'), kBootsBadEngineId, 0, std::nullopt, {}},
    {"emptyEngineId", std::string(), "", kBootsBadEngineId, 0, std::nullopt, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BootsFile, ::testing::ValuesIn(kBootsCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(BootsFileSave, UnwritablePlaceIsReported)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("missing-folder/KvSNMP_PP_BootCounter")).toStdString();
    EXPECT_EQ(saveBootCounter(path, kId, 1), kBootsCannotOpen);
}

// ---------------------------------------------------------------------------
// Text forms and checks made before anything is sent

TEST(OidText, StrictParsing)
{
    EXPECT_EQ(oidFromText("1.3.6.1.4294967295"), (Oid{1, 3, 6, 1, 4294967295u}));
    EXPECT_EQ(oidToText({1, 3, 6, 1, 2, 1}), "1.3.6.1.2.1");
    for (const char* bad : {"", ".1.3", "1..3", "1.3.", "1.3.a", "1.4294967296", " 1.3"})
        EXPECT_FALSE(oidFromText(bad)) << bad;
}

TEST(Addresses, RejectedBeforeSending)
{
    EXPECT_EQ(resolveIPv4("10.1.2.3"), 0x0A010203u);
    EXPECT_EQ(resolveIPv4("localhost"), 0x7F000001u);
    int calls = 0;
    for (const char* bad : {"", "256.1.1.1", "1.2.3", "127.1", "::1", "bad host name", "-x", "a..b"}) {
        Target t;
        t.address = bad;
        t.version = 1;
        EXPECT_EQ(session().send(Operation::Get, t, Pdu{}, [&](const Response&) { ++calls; }), kInvalidAddress)
            << bad;
    }
    Target noPort;
    noPort.address = "127.0.0.1";
    noPort.port = 0;
    EXPECT_EQ(session().send(Operation::Get, noPort, Pdu{}, [&](const Response&) { ++calls; }), kInvalidAddress);
    EXPECT_EQ(session().sendSync(Operation::Get, noPort, Pdu{}).code, kInvalidAddress);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(session().pendingCount(), 0);
}

struct UserCase {
    int auth, priv;
    const char* authPass;
    const char* privPass;
    int code;
};

TEST(Users, ProtocolsAndPassPhrasesChecked)
{
    const UserCase cases[] = {
        {1, 1, "", "", kSuccess},
        {2, 2, "12345678", "12345678", kSuccess},
        {7, 21, "12345678", "12345678", kSuccess},
        {8, 1, "12345678", "", kUsmUnsupportedAuthProtocol},
        {0, 1, "12345678", "", kUsmUnsupportedAuthProtocol},
        {3, 9, "12345678", "12345678", kUsmUnsupportedPrivProtocol},
        {3, 3, "12345678", "12345678", kUsmUnsupportedPrivProtocol},
        {3, 22, "12345678", "12345678", kUsmUnsupportedPrivProtocol},
        {3, 1, "1234567", "", kUsmPasswordTooShort},
        {3, 19, "12345678", "1234567", kUsmPasswordTooShort},
    };
    for (const UserCase& c : cases)
        EXPECT_EQ(session().addUser("u", c.auth, c.priv, c.authPass, c.privPass), c.code)
            << c.auth << "/" << c.priv;
}

// ---------------------------------------------------------------------------
// A peer under the test's control

class Peer {
public:
    Peer()
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~Peer() { ::close(fd_); }
    std::uint16_t port() const { return port_; }

    // The next request sent to us (empty when none arrives in time); remembers its sender.
    std::string receive(Session& s, int waitMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < waitMs) {
            s.processPendingEvents();
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) {
                char buf[65536];
                socklen_t len = sizeof from_;
                const ssize_t n = ::recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from_), &len);
                if (n > 0)
                    return std::string(buf, static_cast<std::size_t>(n));
            }
        }
        return {};
    }
    void reply(const std::string& bytes) { replyVia(fd_, bytes); }
    // The same answer sent from another socket.
    void replyVia(int fd, const std::string& bytes)
    {
        ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&from_), sizeof from_);
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
    sockaddr_in from_{};
};

std::string tlv(unsigned char tag, const std::string& content)
{
    std::string s(1, static_cast<char>(tag));
    const std::size_t n = content.size();
    if (n < 128) {
        s += static_cast<char>(n);
    } else if (n < 256) {
        s += '\x81';
        s += static_cast<char>(n);
    } else {
        s += '\x82';
        s += static_cast<char>(n >> 8);
        s += static_cast<char>(n & 255);
    }
    return s + content;
}

// The request-id element (tag, length and value) of a v1/v2c request.
std::string requestIdOf(const std::string& msg)
{
    std::size_t pos = 0;
    auto header = [&](std::size_t& len) {
        ++pos;   // tag
        unsigned char b = static_cast<unsigned char>(msg.at(pos++));
        len = b;
        if (b & 0x80) {
            len = 0;
            for (int i = 0; i < (b & 0x7F); ++i)
                len = len * 256 + static_cast<unsigned char>(msg.at(pos++));
        }
    };
    std::size_t len = 0;
    header(len);            // message
    header(len);            // version
    pos += len;
    header(len);            // community
    pos += len;
    header(len);            // PDU
    const std::size_t start = pos;
    header(len);            // request id
    return msg.substr(start, pos + len - start);
}

// A v2c response (or, with version 0, a v1 one).
std::string v2cResponse(const std::string& reqId, const std::string& bindings, char version = 1)
{
    const std::string pdu = reqId + tlv(0x02, std::string(1, '\0')) + tlv(0x02, std::string(1, '\0'))
                            + tlv(0x30, bindings);
    return tlv(0x30, tlv(0x02, std::string(1, version)) + tlv(0x04, "rdcomm") + tlv(0xA2, pdu));
}

Target peerTarget(std::uint16_t port, int version = 1)
{
    Target t;
    t.address = "127.0.0.1";
    t.port = port;
    t.version = version;
    t.readCommunity = "rdcomm";
    t.retries = 0;
    t.timeoutCs = 300;
    return t;
}

TEST(MisbehavingPeer, RubbishIsDroppedAndAHugeOddResponseArrivesWhole)
{
    Peer peer;
    Pdu pdu;
    pdu.vbs.push_back(VarBind{{1, 3, 6, 1, 2, 1, 1, 1, 0}, Value::null()});
    std::vector<Response> got;
    ASSERT_EQ(session().send(Operation::Get, peerTarget(peer.port()), pdu,
                             [&](const Response& r) { got.push_back(r); }),
              kSuccess);
    const std::string request = peer.receive(session(), 3000);
    ASSERT_FALSE(request.empty());
    const std::string reqId = requestIdOf(request);

    // Bindings of many application types, 2,400 of them.
    std::string bindings;
    const std::string oidPrefix = "\x2B\x06\x01\x04\x01\x81\x80\x01";
    const std::string values[] = {tlv(0x44, "\x01\x02\x03"), tlv(0x46, std::string("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9)),
                                  tlv(0x40, std::string("\x0A\x00\x00\x01", 4)), tlv(0x06, "\x2B\x06\x01"), tlv(0x05, ""),
                                  tlv(0x42, "\x7F\xFF\xFF\xFF"), tlv(0x04, std::string(3, '\0'))};
    const int count = 2400;
    for (int i = 0; i < count; ++i) {
        const std::string oidBytes = oidPrefix + static_cast<char>(0x81 + (i >> 7) % 0x7F) + static_cast<char>(i & 0x7F);
        bindings += tlv(0x30, tlv(0x06, oidBytes) + values[i % 7]);
    }
    const std::string good = v2cResponse(reqId, bindings);
    ASSERT_LT(good.size(), 65000u);

    std::string random(300, '\0');
    for (std::size_t i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919u + 13u) & 0xFF);
    const std::string rubbish[] = {
        random,
        std::string(),
        good.substr(0, good.size() / 2),                                         // cut short
        v2cResponse(tlv(0x02, "\x7F\x7E\x7D\x7C"), bindings),                    // somebody else's id
        std::string("\x30\x84\x7F\xFF\xFF\xFF\x02\x01\x01", 9),                 // absurd length
        tlv(0x30, tlv(0x02, "\x01") + tlv(0x04, "rdcomm") + tlv(0xA2, reqId)),   // PDU without its fields
        std::string(1, '\x30'),
    };
    for (const std::string& r : rubbish)
        peer.reply(r);
    for (int i = 0; i < 20; ++i)
        session().processPendingEvents();
    EXPECT_TRUE(got.empty());

    peer.reply(good);
    QElapsedTimer t;
    t.start();
    while (got.empty() && t.elapsed() < 3000) {
        ::usleep(2000);
        session().processPendingEvents();
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, 0);
    ASSERT_EQ(got[0].vbs.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(got[0].vbs[0].value.tag, kOpaque);
    EXPECT_EQ(got[0].vbs[1].value.tag, kCounter64);
    EXPECT_EQ(got[0].vbs[1].value.number, 0xFFFFFFFFFFFFFFFFull);
    EXPECT_EQ(got[0].vbs[2].value.octets, std::string("\x0A\x00\x00\x01", 4));
    EXPECT_EQ(got[0].vbs[3].value.oid, (Oid{1, 3, 6, 1}));
    EXPECT_EQ(got[0].vbs[5].value.number, 0x7FFFFFFFu);
    EXPECT_EQ(got[0].peerAddress, "127.0.0.1");
    EXPECT_EQ(got[0].peerPort, peer.port());

    // The same answer again, now that the request is gone: dropped.
    peer.reply(good);
    for (int i = 0; i < 20; ++i) {
        ::usleep(1000);
        session().processPendingEvents();
    }
    EXPECT_EQ(got.size(), 1u);
}

// ---------------------------------------------------------------------------
// Answers that carry the request's id but not from where it went, or not in its
// version: the request waits on for the right answer and times out without one.

struct StrayCase {
    const char* name;
    char version;          // of the stray answer's message (the request is v2c)
    const char* address;   // a socket of its own on this address sends it; nullptr: the peer's
    bool peerPort;         // that socket has the peer's port number, otherwise any
};

class StrayAnswers : public ::testing::TestWithParam<StrayCase> {};

TEST_P(StrayAnswers, AreDroppedAndTheRightOneStillTaken)
{
    const StrayCase& c = GetParam();
    Peer peer;
    int stray = -1;
    if (c.address) {
        stray = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        ::inet_pton(AF_INET, c.address, &a.sin_addr);
        a.sin_port = c.peerPort ? htons(peer.port()) : 0;
        ASSERT_EQ(::bind(stray, reinterpret_cast<sockaddr*>(&a), sizeof a), 0) << c.address;
    }
    // sysDescr.0 as an INTEGER: 666 from the stray, 42 from the peer.
    auto binding = [](const std::string& value) {
        return tlv(0x30, tlv(0x06, std::string("\x2B\x06\x01\x02\x01\x01\x01\x00", 8)) + tlv(0x02, value));
    };
    const std::string strayValue("\x02\x9A", 2);

    for (const bool rightAnswerFollows : {true, false}) {
        Target t = peerTarget(peer.port());
        t.timeoutCs = 30;
        Pdu pdu;
        pdu.vbs.push_back(VarBind{{1, 3, 6, 1, 2, 1, 1, 1, 0}, Value::null()});
        std::vector<Response> got;
        ASSERT_EQ(session().send(Operation::Get, t, pdu, [&](const Response& r) { got.push_back(r); }), kSuccess);
        const std::string request = peer.receive(session(), 3000);
        ASSERT_FALSE(request.empty());
        const std::string reqId = requestIdOf(request);

        const std::string wrong = v2cResponse(reqId, binding(strayValue), c.version);
        if (c.address)
            peer.replyVia(stray, wrong);
        else
            peer.reply(wrong);
        for (int i = 0; i < 20; ++i)
            session().processPendingEvents();
        EXPECT_TRUE(got.empty()) << "the stray answer was taken";

        if (rightAnswerFollows)
            peer.reply(v2cResponse(reqId, binding("\x2A")));
        QElapsedTimer clock;
        clock.start();
        while (got.empty() && clock.elapsed() < 3000) {
            pollfd p{session().socketDescriptor(), POLLIN, 0};
            ::poll(&p, 1, std::clamp(session().msUntilNextTimeout().value_or(10), 0, 10));
            session().processPendingEvents();
        }
        ASSERT_EQ(got.size(), 1u) << (rightAnswerFollows ? "right answer" : "time-out");
        if (rightAnswerFollows) {
            EXPECT_EQ(got[0].code, kSuccess);
            ASSERT_EQ(got[0].vbs.size(), 1u);
            EXPECT_EQ(got[0].vbs[0].value.asInt32(), 42);
            EXPECT_EQ(got[0].peerAddress, "127.0.0.1");
            EXPECT_EQ(got[0].peerPort, peer.port());
        } else {
            EXPECT_EQ(got[0].code, kTimeout);
        }
    }
    if (stray >= 0)
        ::close(stray);
}

const StrayCase kStrayCases[] = {
    {"other_version", 0, nullptr, false},        // a v1 message answers a v2c request
    {"other_port", 1, "127.0.0.1", false},
    {"other_address", 1, "127.0.0.2", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, StrayAnswers, ::testing::ValuesIn(kStrayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TimeOut, AfterEveryRetryAndLateAnswerDropped)
{
    for (int version : {1, 3}) {
        Peer peer;   // bound, never answers in time
        Target t = peerTarget(peer.port(), version);
        t.timeoutCs = 20;
        t.retries = 2;
        t.securityName = "nobody";
        QElapsedTimer clock;
        clock.start();
        const Response r = session().sendSync(Operation::Get, t, Pdu{});
        const qint64 ms = clock.elapsed();
        EXPECT_EQ(r.code, kTimeout) << version;
        EXPECT_GE(ms, 580) << version;
        EXPECT_LT(ms, 1500) << version;
        EXPECT_EQ(session().pendingCount(), 0);
    }

    // An answer arriving after the time-out finds nothing to call.
    Peer peer;
    Target t = peerTarget(peer.port());
    t.timeoutCs = 10;
    int calls = 0;
    ASSERT_EQ(session().send(Operation::Get, t, Pdu{}, [&](const Response& r) {
        ++calls;
        EXPECT_EQ(r.code, kTimeout);
    }), kSuccess);
    const std::string request = peer.receive(session(), 2000);
    ASSERT_FALSE(request.empty());
    while (calls == 0) {
        ::usleep(5000);
        session().processPendingEvents();
    }
    peer.reply(v2cResponse(requestIdOf(request), ""));
    for (int i = 0; i < 20; ++i) {
        ::usleep(1000);
        session().processPendingEvents();
    }
    EXPECT_EQ(calls, 1);
}

TEST(Closing, PendingRequestsReportSessionDestroyedOnce)
{
    Peer peer;
    int status = -1;
    auto s = Session::open(status);
    ASSERT_TRUE(s);
    std::vector<int> codes;
    int resendResult = 0;
    Session* raw = s.get();
    for (int version : {1, 3, 0}) {
        Target t = peerTarget(peer.port(), version);
        t.securityName = "nobody";
        ASSERT_EQ(s->send(Operation::Get, t, Pdu{}, [&, raw, t](const Response& r) {
            codes.push_back(r.code);
            resendResult = raw->send(Operation::Get, t, Pdu{}, [&](const Response&) { codes.push_back(999); });
        }), kSuccess);
    }
    EXPECT_EQ(s->pendingCount(), 3);
    s.reset();
    EXPECT_EQ(codes, (std::vector<int>{kSessionDestroyed, kSessionDestroyed, kSessionDestroyed}));
    EXPECT_EQ(resendResult, kSessionDestroyed);
}

} // namespace
