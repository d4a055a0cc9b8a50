// The global session: engine-boots file, defaults, targets and the event pump.
//
// The session and its engine exist once per process, so every boots case runs in
// a child process of its own (a death test that ends normally and reports what it
// saw on stderr); the other tests share the parent's session.
#include "KvSNMPErrors.h"
#include "KvSNMPSession.h"
#include "SnmpdAgent.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

const engine::Oid kSysDescr{1, 3, 6, 1, 2, 1, 1, 1, 0};

std::string BootsPath(const QString& folder)
{
    return QDir(folder).filePath(QString::fromLatin1(KvBootCounterFile)).toStdString();
}

void WriteFile(const std::string& path, const std::string& text)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.data(), static_cast<qint64>(text.size()));
}

std::string EngineIdHex()
{
    return QByteArray(KvLocalEngineId).toHex().toStdString();
}

// In the child: create the session in the folder ("" = the current directory,
// which is then changed to cwd), report the outcome and what the boots file
// holds afterwards, and remove the child's own temporary folder.
[[noreturn]] void CreateAndReport(QTemporaryDir& dir, const std::string& folder)
{
    if (folder.empty() && ::chdir(dir.path().toLocal8Bit().constData()) != 0)
        std::fprintf(stderr, "chdir failed\n");
    try {
        CreateGlobalSession(folder);
        std::fprintf(stderr, "boots=%u pump=%d", LocalEngineBoots(), KvSNMPEventPump::IsRunning() ? 1 : 0);
    } catch (const KvSNMPException& e) {
        std::fprintf(stderr, "error %d %s", e.Code(), e.what());
    }
    std::uint32_t stored = 0;
    if (engine::getBootCounter(BootsPath(dir.path()), KvLocalEngineId, stored) == 0)
        std::fprintf(stderr, " stored=%u", stored);
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir.remove();
    ::_exit(0);
}

struct BootsCase {
    const char* name;
    // Prepares the folder; returns the folder to pass (empty: the current directory).
    std::string (*prepare)(const QString& dir);
    const char* report;   // the child's report (regular expression)
};
void PrintTo(const BootsCase& c, std::ostream* os) { *os << c.name; }

const BootsCase kBootsCases[] = {
    {"no_file_in_current_directory", [](const QString&) { return std::string(); }, "boots=1 pump=1 stored=1\n"},
    {"counter_41",
     [](const QString& dir) {
         EXPECT_EQ(engine::saveBootCounter(BootsPath(dir), KvLocalEngineId, 41), 0);
         return dir.toStdString();
     },
     "boots=42 pump=1 stored=42\n"},
    {"folder_with_trailing_separator",
     [](const QString& dir) {
         EXPECT_EQ(engine::saveBootCounter(BootsPath(dir), KvLocalEngineId, 7), 0);
         return dir.toStdString() + "/";
     },
     "boots=8 pump=1 stored=8\n"},
    {"entry_without_number",
     [](const QString& dir) {
         WriteFile(BootsPath(dir), "# boots\n" + EngineIdHex() + "\n");
         return dir.toStdString();
     },
     "boots=1 pump=1 stored=1\n"},
    {"other_engines_only",
     [](const QString& dir) {
         EXPECT_EQ(engine::saveBootCounter(BootsPath(dir), "SomeOtherEngine", 99), 0);
         return dir.toStdString();
     },
     "boots=1 pump=1 stored=1\n"},
    {"malformed_entry",
     [](const QString& dir) {
         WriteFile(BootsPath(dir), EngineIdHex() + " many\n");
         return dir.toStdString();
     },
     "error -507 \\(KvSNMP\\+\\+\\) Error when loading SNMP engine boots counter!\n"},
    {"folder_missing",
     [](const QString& dir) { return (dir + QStringLiteral("/absent")).toStdString(); },
     "error -508 \\(KvSNMP\\+\\+\\) Error when saving SNMP engine boots counter!\n"},
    // Stands in for a read-only directory even when the tests run as root.
    {"file_name_taken_by_a_folder",
     [](const QString& dir) {
         QDir(dir).mkdir(QString::fromLatin1(KvBootCounterFile));
         return dir.toStdString();
     },
     "error -508 \\(KvSNMP\\+\\+\\) Error when saving SNMP engine boots counter!\n"},
};

class BootsFileTest : public ::testing::TestWithParam<BootsCase> {};

TEST_P(BootsFileTest, CreateGlobalSessionAdvancesCounter)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const BootsCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = c.prepare(dir.path());
    EXPECT_EXIT(CreateAndReport(dir, folder), ::testing::ExitedWithCode(0), c.report);
}

INSTANTIATE_TEST_SUITE_P(Cases, BootsFileTest, ::testing::ValuesIn(kBootsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BootsFileTest, ReadOnlyDirectory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EXIT(CreateAndReport(dir, dir.path().toStdString()), ::testing::ExitedWithCode(0),
                "error -508 \\(KvSNMP\\+\\+\\) Error when saving SNMP engine boots counter!\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The parent's one session, its boots file in a folder of its own.
class SessionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        if (!GlobalSession)
            CreateGlobalSession(dir.path().toStdString());
    }
    void SetUp() override { ASSERT_NE(GlobalSession, nullptr); }
};

TEST_F(SessionTest, RepeatedCreationKeepsSessionAndResetsDefaults)
{
    engine::Session* session = GlobalSession;
    const std::uint32_t boots = LocalEngineBoots();
    DefaultDevice.Address = "10.9.9.9";
    DefaultSecurity.Version = 3;
    DefaultSecurity.ReadCommunity = "x";
    DefaultTimeout = KvModuleTimeout;
    KvSNMPEventPump::Stop();

    CreateGlobalSession("");

    EXPECT_EQ(GlobalSession, session);
    EXPECT_EQ(LocalEngineBoots(), boots);
    EXPECT_EQ(DefaultDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultDevice.Port, 161);
    EXPECT_EQ(DefaultSecurity.Version, 0);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "rdcomm");
    EXPECT_EQ(DefaultSecurity.WriteCommunity, "wrcommx");
    EXPECT_EQ(DefaultSecurity.SecurityModel, 1);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 1);
    EXPECT_EQ(DefaultSecurity.AuthProtocol, 1);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, 1);
    EXPECT_EQ(DefaultTimeout, 100);
    EXPECT_TRUE(KvSNMPEventPump::IsRunning());
}

TEST_F(SessionTest, InvalidAddressRaises509)
{
    for (const char* address : {"", "256.1.1.1", "127.1", "1.2.3", "::1", "a b", "host..name", "-x"}) {
        try {
            BuildTarget({address, 161}, {}, {}, 100, 1);
            ADD_FAILURE() << "accepted " << address;
        } catch (const KvSNMPException& e) {
            EXPECT_EQ(e.Code(), -509) << address;
            EXPECT_STREQ(e.what(), "(KvSNMP++) Invalid IP Address or DNS name!");
        }
    }
}

TEST_F(SessionTest, TargetCarriesRequestParameters)
{
    KvSNMPSecurity v2;
    v2.Version = 1;
    v2.ReadCommunity = "r";
    v2.WriteCommunity = "w";
    engine::Target t = BuildTarget({"localhost", 1161}, {"ENG", "ctx"}, v2, 250, 3);
    EXPECT_EQ(t.address, "127.0.0.1");
    EXPECT_EQ(t.port, 1161);
    EXPECT_EQ(t.version, 1);
    EXPECT_EQ(t.retries, 3);
    EXPECT_EQ(t.timeoutCs, 250);
    EXPECT_EQ(t.readCommunity, "r");
    EXPECT_EQ(t.writeCommunity, "w");

    KvSNMPSecurity v3;
    v3.Version = 3;
    v3.SecurityModel = 3;
    v3.SecurityLevel = 2;
    v3.SecurityName = "user";
    v3.AuthProtocol = 3;
    v3.AuthPassword = "authpassword";
    t = BuildTarget({"10.0.0.1", 161}, {"8000", "ctx"}, v3, 100, 0);
    EXPECT_EQ(t.version, 3);
    EXPECT_EQ(t.securityModel, 3);
    EXPECT_EQ(t.securityLevel, 2);
    EXPECT_EQ(t.securityName, "user");
    EXPECT_EQ(t.contextName, "ctx");
    EXPECT_EQ(t.contextEngineId, "8000");
    EXPECT_EQ(t.readCommunity, "");
}

// Through BuildTarget and the pump, the way every request travels.
class SessionAgentTest : public SessionTest {
protected:
    static void SetUpTestSuite()
    {
        SessionTest::SetUpTestSuite();
        agent_ = new SnmpdAgent;
    }
    static void TearDownTestSuite()
    {
        delete agent_;
        agent_ = nullptr;
    }
    void SetUp() override
    {
        SessionTest::SetUp();
        ASSERT_TRUE(agent_->ok()) << agent_->error().toStdString();
        ASSERT_TRUE(KvSNMPEventPump::IsRunning());
    }

    // Sends one get and waits on the event loop until the pump delivers the answer.
    engine::Response Get(const KvSNMPSecurity& security)
    {
        const engine::Target t = BuildTarget({SnmpdAgent::address(), agent_->port()}, {}, security, 100, 0);
        engine::Pdu pdu;
        pdu.vbs.push_back({kSysDescr, engine::Value::null()});
        engine::Response out{engine::kGeneralError, 0, {}, {}};
        int calls = 0;
        QEventLoop loop;
        const int rc = GlobalSession->send(engine::Operation::Get, t, pdu, [&](const engine::Response& r) {
            out = r;
            ++calls;
            loop.quit();
        });
        if (rc != 0)
            return {rc, 0, {}, {}};
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (calls == 0)
            loop.exec();
        EXPECT_EQ(calls, 1);
        return out;
    }

    static SnmpdAgent* agent_;
};
SnmpdAgent* SessionAgentTest::agent_ = nullptr;

TEST_F(SessionAgentTest, CommunityRequestAnswered)
{
    KvSNMPSecurity v2;
    v2.Version = 1;
    engine::Response r = Get(v2);
    EXPECT_EQ(r.code, 0);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].value.tag, engine::kOctetString);
}

// The user registration is skipped for unchanged credentials but never when
// they change: a corrected pass phrase must reach the engine.
TEST_F(SessionAgentTest, ChangedPassPhraseIsRegisteredAgain)
{
    const SnmpdAgent::User& u = SnmpdAgent::users()[1];
    KvSNMPSecurity v3;
    v3.Version = 3;
    v3.SecurityModel = 3;
    v3.SecurityName = u.name;
    v3.SecurityLevel = u.level();
    v3.AuthProtocol = u.auth;
    v3.PrivProtocol = u.priv;
    v3.AuthPassword = u.authPass;
    v3.PrivPassword = u.privPass;
    EXPECT_EQ(Get(v3).code, 0);
    EXPECT_EQ(Get(v3).code, 0);

    KvSNMPSecurity wrong = v3;
    wrong.AuthPassword = "notTheAuthPass";
    EXPECT_NE(Get(wrong).code, 0);

    EXPECT_EQ(Get(v3).code, 0);
}

} // namespace
