// The per-agent configuration file: where it is looked for and how it is read.
#include "KvTestUtil.h"
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The file as the connection dialog writes it: CR LF before every key, none at the end.
std::string DialogFile(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string s = "[Program Information]";
    for (const auto& [k, v] : entries)
        s += "\r\n" + k + "=" + v;
    return s;
}

template <std::size_t N>
std::string Bytes(const char (&s)[N])
{
    return std::string(s, N - 1);
}

struct Expected {
    int version = 0;
    int port = 161;
    int model = 1, level = 1, auth = 1, priv = 1;
    std::string contextName, contextEngineId, name, authPass, privPass;
    bool getBulk = true;
};

struct ConfigCase {
    const char* name;
    std::vector<std::string> commandLine;   // applied before the file is read
    std::string file;
    Expected want;
};
void PrintTo(const ConfigCase& c, std::ostream* os) { *os << c.name; }

Expected With(auto change)
{
    Expected e;
    change(e);
    return e;
}

std::string LargeGarbage()
{
    std::string s(3 << 20, '\0');
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>((i * 2654435761u) >> 13);
    return s + "\n[Program Information]\nVersion=1";
}

const ConfigCase kConfigCases[] = {
    {"written_by_dialog_v3", {},
     DialogFile({{"AgentIP", "10.0.0.1"}, {"AgentPort", "1161"}, {"Version", "3"}, {"SecurityName", "admin"},
                 {"AuthPassword", "auth pass"}, {"PrivPassword", "privpass1"}, {"AuthProtocol", "2"},
                 {"PrivProtocol", "1"}, {"ContextEngineID", "800007E5"}, {"SecurityLevel", "2"},
                 {"ContextName", "ctx"}, {"GetCommStr", "ctx"}, {"SetCommStr", "w"}, {"UpdateDate", "1/2/2026"},
                 {"UpdateTime", "10:00:00"}, {"SecurityModel", "3"}}),
     With([](Expected& e) {
         e.version = 3; e.port = 1161; e.name = "admin"; e.authPass = "auth pass"; e.privPass = "privpass1";
         e.auth = 3; e.priv = 2; e.contextEngineId = "800007E5"; e.level = 3; e.contextName = "ctx"; e.model = 3;
     })},
    // The file's keys win over the command line, missing ones included.
    {"missing_version_overrides_command_line", {"/v3", "/t2000", "/l3"}, "[Program Information]\nAgentPort=9\n",
     With([](Expected& e) { e.port = 9; })},
    {"idea_and_extended_protocols", {},
     "[Program Information]\nPrivProtocol=2\nAuthProtocol=6\n", With([](Expected& e) { e.priv = 9; e.auth = 7; })},
    // Table walks ask with get-bulk unless the file turns it off.
    {"get_bulk_off", {}, "[Program Information]\nUseGetBulk=0\n", With([](Expected& e) { e.getBulk = false; })},
    {"get_bulk_on", {}, "[Program Information]\nUseGetBulk=1\n", Expected{}},
    {"aes_128", {}, "[Program Information]\nPrivProtocol=3\n", With([](Expected& e) { e.priv = 19; })},
    {"aes_256", {}, "[Program Information]\nPrivProtocol=5\n", With([](Expected& e) { e.priv = 21; })},
    {"numbers_read_leniently", {},
     "[Program Information]\nVersion=v3\nAgentPort=161x\nSecurityModel=\nSecurityLevel= 1 \nAuthProtocol=1.5\n",
     With([](Expected& e) { e.level = 2; })},
    // A port or version that does not fit its field reads as the default instead of wrapping.
    {"numbers_that_do_not_fit", {}, "[Program Information]\nAgentPort=70000\nVersion=259\n", Expected{}},
    {"value_ends_at_nul", {}, Bytes("[Program Information]\r\nAuthPassword=secret\0tail\r\n"),
     With([](Expected& e) { e.authPass = "secret"; })},
    {"latin1_text", {}, "[Program Information]\nSecurityName=Jos\xe9\n",
     With([](Expected& e) { e.name = "Jos\xc3\xa9"; })},
    {"other_section_only", {"/v1"}, "[Other]\nVersion=3\n", Expected{}},
    {"binary_garbage", {"/v1"}, Bytes("\x00\xff\x01[\r\r\n=\x00=[]\n;\x7f"), Expected{}},
    {"large_garbage_then_section", {}, LargeGarbage(), With([](Expected& e) { e.version = 1; })},
};

class LoadModuleConfigurationTest : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(LoadModuleConfigurationTest, ReadsKeys)
{
    const ConfigCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("10.0.0.1.cfg"));
    WriteFile(path, c.file);
    ResetDefaultParameters();
    ParseCommandLine(c.commandLine);
    FillConnectionTexts();

    LoadModuleConfigurationFile(path.toStdString());

    const Expected& w = c.want;
    EXPECT_EQ(DefaultSecurity.Version, w.version);
    EXPECT_EQ(DefaultDevice.Port, w.port);
    EXPECT_EQ(DefaultSecurity.SecurityModel, w.model);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, w.level);
    EXPECT_EQ(DefaultSecurity.AuthProtocol, w.auth);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, w.priv);
    EXPECT_EQ(DefaultScope.ContextName, w.contextName);
    EXPECT_EQ(DefaultScope.ContextEngineID, w.contextEngineId);
    EXPECT_EQ(DefaultSecurity.SecurityName, w.name);
    EXPECT_EQ(DefaultSecurity.AuthPassword, w.authPass);
    EXPECT_EQ(DefaultSecurity.PrivPassword, w.privPass);
    EXPECT_EQ(DefaultUseGetBulk, w.getBulk);
    // The text copies follow the parameters.
    const ConnectionTexts& t = MainTexts;
    EXPECT_EQ(t.Version, std::to_string(w.version));
    EXPECT_EQ(t.AgentPort, std::to_string(w.port));
    EXPECT_EQ(t.SecurityModel, std::to_string(w.model));
    EXPECT_EQ(t.SecurityLevel, std::to_string(w.level));
    EXPECT_EQ(t.AuthProtocol, std::to_string(w.auth));
    EXPECT_EQ(t.PrivProtocol, std::to_string(w.priv));
    EXPECT_EQ(t.ContextName, w.contextName);
    EXPECT_EQ(t.ContextEngineID, w.contextEngineId);
    EXPECT_EQ(t.SecurityName, w.name);
    EXPECT_EQ(t.AuthPassword, w.authPass);
    EXPECT_EQ(t.PrivPassword, w.privPass);
    // Communities and the address come from the command line only.
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "rdcomm");
    EXPECT_EQ(DefaultDevice.Address, "127.0.0.1");
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadModuleConfigurationTest, ::testing::ValuesIn(kConfigCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadModuleConfigurationTest, MissingFileKeepsCommandLine)
{
    QTemporaryDir dir;
    ResetDefaultParameters();
    ParseCommandLine({"/v3", "/t99"});
    LoadModuleConfigurationFile(dir.filePath(QStringLiteral("absent.cfg")).toStdString());
    LoadModuleConfigurationFile(dir.path().toStdString());   // a folder is not a file
    EXPECT_EQ(DefaultSecurity.Version, 3);
    EXPECT_EQ(DefaultDevice.Port, 99);
}

TEST(StoredIndices, ConvertBothWays)
{
    for (int index = 0; index <= 5; ++index)
        EXPECT_EQ(IndexFromPrivProtocol(PrivProtocolFromIndex(index)), index);
    for (int index = 0; index <= 6; ++index)
        EXPECT_EQ(IndexFromAuthProtocol(AuthProtocolFromIndex(index)), index);
    for (int index = 0; index <= 2; ++index)
        EXPECT_EQ(IndexFromSecurityLevel(SecurityLevelFromIndex(index)), index);
}

// Where the file is looked for: beside the executable in local mode, otherwise
// under the host's install path.
class ConfigurationLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("user")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir_.filePath(QStringLiteral("system")));
        ResetDefaultParameters();
    }
    void TearDown() override
    {
        LocalConfigMode = false;
        SetExeFolder("");
    }
    void SetInstallPath(const QString& path)
    {
        QSettings host(QStringLiteral("Korvane"), QStringLiteral("Zantiv5.1"));
        host.setValue(QStringLiteral("ExePath/Path"), path);
        host.sync();
    }
    std::string Path(const char* relative) const { return dir_.filePath(QString::fromLatin1(relative)).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(ConfigurationLocationTest, LocalModeReadsBesideExecutable)
{
    SetExeFolder(Path("korvane_ems"));
    LocalConfigMode = true;
    WriteFile(dir_.filePath(QStringLiteral("korvane_ems/127.0.0.1.cfg")), "[Program Information]\nVersion=1\n");
    EXPECT_EQ(ModuleConfigurationPath("127.0.0.1"), Path("korvane_ems/127.0.0.1.cfg"));
    LoadModuleConfiguration("127.0.0.1");
    EXPECT_EQ(DefaultSecurity.Version, 1);
}

TEST_F(ConfigurationLocationTest, HostInstallPathWithEitherSeparator)
{
    WriteFile(dir_.filePath(QStringLiteral("Conf/MBF/10.0.0.1.cfg")), "[Program Information]\nVersion=1\n");
    QDir(dir_.path()).mkdir(QStringLiteral("bin"));
    for (const QString& install : {dir_.filePath(QStringLiteral("bin/")), dir_.filePath(QStringLiteral("bin")),
                                   dir_.filePath(QStringLiteral("bin\\"))}) {
        SetInstallPath(install);
        ResetDefaultParameters();
        LoadModuleConfiguration("10.0.0.1");
        EXPECT_EQ(DefaultSecurity.Version, 1) << install.toStdString();
    }
}

TEST_F(ConfigurationLocationTest, NoInstallPathReadsNothing)
{
    ParseCommandLine({"/v3"});
    EXPECT_EQ(ModuleConfigurationPath("10.0.0.1"), std::nullopt);
    LoadModuleConfiguration("10.0.0.1");
    EXPECT_EQ(DefaultSecurity.Version, 3);
}

TEST_F(ConfigurationLocationTest, AddressNeverNamesAPathOutsideTheFolder)
{
    SetInstallPath(dir_.filePath(QStringLiteral("bin/")));
    QDir(dir_.path()).mkpath(QStringLiteral("bin"));
    WriteFile(dir_.filePath(QStringLiteral("Conf/evil.cfg")), "[Program Information]\nVersion=1\n");
    for (const char* address : {"../evil", "..\\evil", "..", "a/b"})
        EXPECT_EQ(ModuleConfigurationPath(address), std::nullopt) << address;
    ParseCommandLine({"/v3"});
    LoadModuleConfiguration("../evil");
    EXPECT_EQ(DefaultSecurity.Version, 3);
}

} // namespace
