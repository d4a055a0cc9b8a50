// The engine against a real agent (snmpd): every version and USM user, sync and
// async, get / get-next / set, the agent's refusals and the codes they give.
#include "QtEventDriver.h"
#include "SnmpEngine.h"
#include "FreePort.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace engine;

namespace {

const Oid kSysDescr{1, 3, 6, 1, 2, 1, 1, 1, 0};
const Oid kSysUpTime{1, 3, 6, 1, 2, 1, 1, 3, 0};
const Oid kSysContact{1, 3, 6, 1, 2, 1, 1, 4, 0};
const Oid kSystem{1, 3, 6, 1, 2, 1, 1};

struct World {
    std::unique_ptr<SnmpdAgent> agent;
    std::unique_ptr<Session> session;
    std::unique_ptr<QtEventDriver> driver;
};

World& world()
{
    static World w;
    if (!w.agent) {
        w.agent = std::make_unique<SnmpdAgent>();
        int status = -1;
        w.session = Session::open(status);
        if (w.session) {
            w.session->mpInit("KvSNMP_PP_Application", 1);
            w.driver = std::make_unique<QtEventDriver>(*w.session);
        }
    }
    return w;
}

// Credentials of one case: version 0/1 with communities, or a v3 user.
struct Cred {
    const char* label;
    int version;
    const char* user;   // nullptr for community targets
};

Target targetFor(const Cred& c)
{
    Target t;
    t.address = SnmpdAgent::address();
    t.port = world().agent->port();
    t.version = c.version;
    t.retries = 1;
    t.timeoutCs = 100;
    t.readCommunity = "rdcomm";
    t.writeCommunity = "wrcommx";
    if (c.user) {
        for (const auto& u : SnmpdAgent::users()) {
            if (u.name == c.user) {
                EXPECT_EQ(world().session->addUser(u.name, u.auth, u.priv, u.authPass, u.privPass), kSuccess);
                t.securityName = u.name;
                t.securityLevel = u.level();
            }
        }
    }
    return t;
}

Pdu pduOf(std::vector<Oid> oids)
{
    Pdu p;
    for (auto& o : oids)
        p.vbs.push_back(VarBind{std::move(o), Value::null()});
    return p;
}

// Runs an asynchronous request to completion on the Qt event loop.
Response runAsync(Operation op, const Target& t, const Pdu& pdu)
{
    Response out;
    int calls = 0;
    QEventLoop loop;
    const int rc = world().session->send(op, t, pdu, [&](const Response& r) {
        out = r;
        ++calls;
        loop.quit();
    });
    if (rc != kSuccess)
        return Response{rc, 0, {}, {}};
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (calls == 0)
        loop.exec();
    EXPECT_EQ(calls, 1);
    return out;
}

Response run(bool async, Operation op, const Target& t, const Pdu& pdu)
{
    return async ? runAsync(op, t, pdu) : world().session->sendSync(op, t, pdu);
}

class AgentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(world().agent->ok()) << world().agent->error().toStdString();
        ASSERT_TRUE(world().session);
    }
};

class RoundTrip : public AgentTest, public ::testing::WithParamInterface<std::tuple<Cred, bool>> {};

TEST_P(RoundTrip, GetGetNextSet)
{
    const auto [cred, async] = GetParam();
    const Target t = targetFor(cred);

    Response r = run(async, Operation::Get, t, pduOf({kSysDescr, kSysUpTime}));
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 2u);
    EXPECT_EQ(r.vbs[0].oid, kSysDescr);
    EXPECT_EQ(r.vbs[0].value.tag, kOctetString);
    EXPECT_FALSE(r.vbs[0].value.octets.empty());
    EXPECT_EQ(r.vbs[1].value.tag, kTimeTicks);
    EXPECT_EQ(r.peerAddress, "127.0.0.1");
    EXPECT_EQ(r.peerPort, t.port);

    r = run(async, Operation::GetNext, t, pduOf({kSystem}));
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].oid, kSysDescr);

    const std::string text = std::string("contact ") + cred.label + (async ? " async" : " sync");
    Pdu set;
    set.vbs.push_back(VarBind{kSysContact, Value::octetString(text)});
    r = run(async, Operation::Set, t, set);
    ASSERT_EQ(r.code, 0);
    r = run(async, Operation::Get, t, pduOf({kSysContact}));
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].value.octets, text);
}

const Cred kCreds[] = {
    {"v1", 0, nullptr},         {"v2c", 1, nullptr},          {"md5des", 3, "md5des"},
    {"shaaes", 3, "shaaes"},    {"sha256aes", 3, "sha256aes"}, {"sha512aes256", 3, "sha512aes256"},
    {"authonly", 3, "authonly"}, {"noauth", 3, "noauth"},
};

INSTANTIATE_TEST_SUITE_P(AllTargets, RoundTrip, ::testing::Combine(::testing::ValuesIn(kCreds), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) + (std::get<1>(info.param) ? "_async" : "_sync");
                         });

// The agent's refusals and SNMPv3 reports, each with the raw code it must give.
struct Refusal {
    const char* label;
    int version;
    const char* user;          // v3: security name
    int auth, priv;            // v3: our local keys for it
    const char* authPass;
    const char* privPass;
    int level;
    const char* community;     // v1/v2c: used for both read and write
    Operation op;
    Value setValue;
    int code;
    int errorIndex;
};

class Refusals : public AgentTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, GiveTheirCode)
{
    const Refusal& c = GetParam();
    Target t;
    t.address = SnmpdAgent::address();
    t.port = world().agent->port();
    t.version = c.version;
    t.timeoutCs = 100;
    t.retries = 0;
    if (c.version == 3) {
        ASSERT_EQ(world().session->addUser(c.user, c.auth, c.priv, c.authPass, c.privPass), kSuccess);
        t.securityName = c.user;
        t.securityLevel = c.level;
    } else {
        t.readCommunity = t.writeCommunity = c.community;
    }
    Pdu pdu = pduOf({kSysContact});
    if (c.op == Operation::Set)
        pdu.vbs[0].value = c.setValue;
    const Response r = world().session->sendSync(c.op, t, pdu);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.errorIndex, c.errorIndex);
}

const Refusal kRefusals[] = {
    {"v2cSetWithReadCommunity", 1, nullptr, 0, 0, nullptr, nullptr, 0, "rdcomm", Operation::Set,
     Value::octetString("x"), 6, 1},
    {"v1SetWithReadCommunity", 0, nullptr, 0, 0, nullptr, nullptr, 0, "rdcomm", Operation::Set,
     Value::octetString("x"), 2, 1},
    {"v2cWrongType", 1, nullptr, 0, 0, nullptr, nullptr, 0, "wrcommx", Operation::Set, Value::integer(5), 7, 1},
    {"wrongAuthPass", 3, "shaaes", 3, 19, "notTheRightOne", "shaaesPrivPass", 3, nullptr, Operation::Get, {},
     kUsmAuthenticationFailure, 0},
    {"unknownUser", 3, "nobodyHere", 3, 1, "nobodyAuthPass", "", 2, nullptr, Operation::Get, {}, kMpUnknownUserName, 0},
    {"privOnAuthOnlyUser", 3, "authonly", 3, 19, "authonlyPass", "authonlyPass", 3, nullptr, Operation::Get, {},
     kUsmUnsupportedSecurityLevel, 0},
};

INSTANTIATE_TEST_SUITE_P(Agent, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AgentTest, MissingObjectsComeBackAsExceptionsOrNoSuchName)
{
    const Oid missing{1, 3, 6, 1, 2, 1, 1, 99, 0};
    Target t = targetFor({"v2c", 1, nullptr});
    Response r = world().session->sendSync(Operation::Get, t, pduOf({missing}));
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].value.tag, kNoSuchObject);

    t.version = 0;
    r = world().session->sendSync(Operation::Get, t, pduOf({missing}));
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.errorIndex, 1);

    t.version = 1;
    r = world().session->sendSync(Operation::GetNext, t, pduOf({{1, 3, 6, 1, 9, 9}}));
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].value.tag, kEndOfMibView);
}

// A user whose keys change is registered again: the old keys must not stick.
TEST_F(AgentTest, ChangedPassPhraseTakesEffect)
{
    const auto& u = SnmpdAgent::users()[1];   // shaaes
    Target t = targetFor({"shaaes", 3, "shaaes"});
    ASSERT_EQ(world().session->sendSync(Operation::Get, t, pduOf({kSysDescr})).code, 0);
    ASSERT_EQ(world().session->addUser(u.name, u.auth, u.priv, "a wrong pass phrase", u.privPass), kSuccess);
    EXPECT_EQ(world().session->sendSync(Operation::Get, t, pduOf({kSysDescr})).code, kUsmAuthenticationFailure);
    ASSERT_EQ(world().session->addUser(u.name, u.auth, u.priv, u.authPass, u.privPass), kSuccess);
    EXPECT_EQ(world().session->sendSync(Operation::Get, t, pduOf({kSysDescr})).code, 0);
}

// A get-next chain driven from the callbacks on the Qt event loop, with a
// synchronous request nested in one of the callbacks.
TEST_F(AgentTest, CallbacksMaySendAndWaitForMoreRequests)
{
    for (const Cred& cred : {Cred{"v2c", 1, nullptr}, Cred{"shaaes", 3, "shaaes"}}) {
        const Target t = targetFor(cred);
        Oid next = kSystem;
        int steps = 0;
        int nestedCode = -999;
        bool done = false;
        QEventLoop loop;
        std::function<void(const Response&)> step = [&](const Response& r) {
            if (r.code != 0 || r.vbs.empty() || r.vbs[0].value.isException() || steps == 40) {
                done = true;
                loop.quit();
                return;
            }
            ++steps;
            next = r.vbs[0].oid;
            if (steps == 5)
                nestedCode = world().session->sendSync(Operation::Get, t, pduOf({kSysUpTime})).code;
            if (steps == 10) {
                // A nested event loop waiting for another request, as a closing view does.
                bool answered = false;
                QEventLoop inner;
                ASSERT_EQ(world().session->send(Operation::Get, t, pduOf({kSysUpTime}), [&](const Response& r) {
                    answered = r.code == 0;
                    inner.quit();
                }), kSuccess);
                QTimer::singleShot(5000, &inner, &QEventLoop::quit);
                inner.exec();
                EXPECT_TRUE(answered);
            }
            ASSERT_EQ(world().session->send(Operation::GetNext, t, pduOf({next}), step), kSuccess);
        };
        ASSERT_EQ(world().session->send(Operation::GetNext, t, pduOf({next}), step), kSuccess);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(done) << cred.label;
        EXPECT_EQ(steps, 40) << cred.label;
        EXPECT_EQ(nestedCode, 0) << cred.label;
        EXPECT_EQ(world().session->pendingCount(), 0);
    }
}

// With nothing answering, the driver's timer alone runs the retries and the time-out.
TEST(QtDriver, TimeOutsFireFromItsTimer)
{
    ASSERT_TRUE(world().session);
    Target t;
    t.address = "127.0.0.1";
    t.port = FreeUdpPort();
    t.version = 1;
    t.retries = 2;
    t.timeoutCs = 10;
    const Response r = runAsync(Operation::Get, t, pduOf({kSysDescr}));
    EXPECT_EQ(r.code, kTimeout);
    EXPECT_EQ(world().session->pendingCount(), 0);
}

// Regression: the timer stayed armed after the last answer and woke an idle
// module once for nothing; now it runs only while a request waits.
TEST(QtDriver, ArmedOnlyWhileARequestWaits)
{
    ASSERT_TRUE(world().agent->ok()) << world().agent->error().toStdString();
    ASSERT_TRUE(world().session);
    QEventLoop loop;
    int code = -1;
    ASSERT_EQ(world().session->send(Operation::Get, targetFor({"v2c", 1, nullptr}), pduOf({kSysDescr}),
                                    [&](const Response& r) {
                                        code = r.code;
                                        loop.quit();
                                    }),
              kSuccess);
    EXPECT_TRUE(world().driver->armed());
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(code, kSuccess);
    EXPECT_FALSE(world().driver->armed());
}

// An agent replaced at the same address by one with another engine id: the first
// request after it times out, the engine discovers the new id and retries.
TEST(Rediscovery, AgentRestartedWithAnotherEngineId)
{
    ASSERT_TRUE(world().session);
    auto first = std::make_unique<SnmpdAgent>(QStringList{QStringLiteral("exactEngineID kswtest-engine-one")});
    ASSERT_TRUE(first->ok()) << first->error().toStdString();
    const std::uint16_t port = first->port();
    const auto& u = SnmpdAgent::users()[1];
    ASSERT_EQ(world().session->addUser(u.name, u.auth, u.priv, u.authPass, u.privPass), kSuccess);
    Target t;
    t.address = SnmpdAgent::address();
    t.port = port;
    t.version = 3;
    t.retries = 0;
    t.timeoutCs = 30;
    t.securityName = u.name;
    t.securityLevel = u.level();
    ASSERT_EQ(world().session->sendSync(Operation::Get, t, pduOf({kSysDescr})).code, 0);

    first.reset();
    SnmpdAgent second(QStringList{QStringLiteral("exactEngineID kswtest-engine-two")}, port);
    ASSERT_TRUE(second.ok()) << second.error().toStdString();
    const Response r = world().session->sendSync(Operation::Get, t, pduOf({kSysDescr}));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(world().session->sendSync(Operation::Get, t, pduOf({kSysDescr})).code, 0);
}

} // namespace
