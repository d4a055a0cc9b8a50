// The command line into the default agent parameters.
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include "KvTestUtil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Params {
    std::string address = "127.0.0.1";
    int port = 161;
    int version = 0;
    std::string contextName, contextEngineId;
    std::string readCommunity = "rdcomm", writeCommunity = "wrcommx";
    int model = 1, level = 1;
    std::string name, authPass, privPass;
    int authProtocol = 1, privProtocol = 1;
};

Params Current()
{
    return {DefaultDevice.Address, DefaultDevice.Port, DefaultSecurity.Version,
            DefaultScope.ContextName, DefaultScope.ContextEngineID,
            DefaultSecurity.ReadCommunity, DefaultSecurity.WriteCommunity,
            DefaultSecurity.SecurityModel, DefaultSecurity.SecurityLevel,
            DefaultSecurity.SecurityName, DefaultSecurity.AuthPassword, DefaultSecurity.PrivPassword,
            DefaultSecurity.AuthProtocol, DefaultSecurity.PrivProtocol};
}

void ExpectParams(const Params& want)
{
    Params got = Current();
    EXPECT_EQ(got.address, want.address);
    EXPECT_EQ(got.port, want.port);
    EXPECT_EQ(got.version, want.version);
    EXPECT_EQ(got.contextName, want.contextName);
    EXPECT_EQ(got.contextEngineId, want.contextEngineId);
    EXPECT_EQ(got.readCommunity, want.readCommunity);
    EXPECT_EQ(got.writeCommunity, want.writeCommunity);
    EXPECT_EQ(got.model, want.model);
    EXPECT_EQ(got.level, want.level);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.authPass, want.authPass);
    EXPECT_EQ(got.privPass, want.privPass);
    EXPECT_EQ(got.authProtocol, want.authProtocol);
    EXPECT_EQ(got.privProtocol, want.privProtocol);
}

struct ParseCase {
    const char* name;
    std::vector<std::string> args;
    Params want;
    const char* errorValue = nullptr;   // the value named by the conversion error, when one is raised
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {
protected:
    void SetUp() override { ResetDefaultParameters(); }
};

Params With(auto change)
{
    Params p;
    change(p);
    return p;
}

const ParseCase kParseCases[] = {
    {"every_switch",
     {"/I10.1.2.3", "/t1161", "/v3", "/cctx", "/dENGINE", "/Rpub", "/Wpriv", "/m3", "/l3", "/nuser",
      "/Aauthpass", "/Pprivpass", "/a3", "/p2"},
     With([](Params& p) {
         p.address = "10.1.2.3"; p.port = 1161; p.version = 3; p.contextName = "ctx";
         p.contextEngineId = "ENGINE"; p.readCommunity = "pub"; p.writeCommunity = "priv"; p.model = 3;
         p.level = 3; p.name = "user"; p.authPass = "authpass"; p.privPass = "privpass";
         p.authProtocol = 3; p.privProtocol = 2;
     })},
    // "/I" is tested first and may stand anywhere: the password switch before it loses.
    {"address_inside_password_argument", {"/A12/I34"}, With([](Params& p) { p.address = "34"; })},
    {"later_argument_wins", {"/I1.1.1.1", "/Rone", "/I2.2.2.2", "/Rtwo"},
     With([](Params& p) { p.address = "2.2.2.2"; p.readCommunity = "two"; })},
    {"marker_anywhere_value_to_end", {"junk/v1", "x/Rcommunity with blanks"},
     With([](Params& p) { p.version = 1; p.readCommunity = "community with blanks"; })},
    // "/R" comes before "/W" and "/a" before "/p" in the test order.
    {"first_switch_in_test_order_decides", {"/R/Wx", "/p/a3"},
     With([](Params& p) { p.readCommunity = "/Wx"; p.authProtocol = 3; })},
    {"markers_are_case_sensitive", {"/i10.0.0.9", "/T99", "/V3"}, Params{}},
    {"arguments_without_switch_ignored", {"", "I10.0.0.1", "-t5"}, Params{}},
    {"empty_text_values_allowed", {"/R", "/n", "/I"}, With([](Params& p) { p.readCommunity = ""; p.address = ""; })},
    {"signed_numbers", {"/m-5", "/l+2", "/t0", "/t65535"},
     With([](Params& p) { p.model = -5; p.level = 2; p.port = 65535; })},
    {"bad_port_number_stops_parsing", {"/I9.9.9.9", "/t16x", "/v3"},
     With([](Params& p) { p.address = "9.9.9.9"; }), "16x"},
    {"empty_number", {"/v"}, Params{}, ""},
    {"blank_inside_number", {"/a 2"}, Params{}, " 2"},
    {"double_sign", {"/p+-2"}, Params{}, "+-2"},
    {"number_beyond_32_bits", {"/m4294967296"}, Params{}, "4294967296"},
    // A port or version that does not fit its field is refused instead of wrapping.
    {"port_beyond_16_bits", {"/t70000"}, Params{}, "70000"},
    {"negative_port", {"/t-1"}, Params{}, "-1"},
    {"version_beyond_8_bits", {"/v259"}, Params{}, "259"},
    // Only the versions the engine speaks: 2 would start a session that never answers.
    {"version_2", {"/I9.9.9.9", "/v2"}, With([](Params& p) { p.address = "9.9.9.9"; }), "2"},
    {"version_4", {"/v4"}, Params{}, "4"},
    {"version_255", {"/v255"}, Params{}, "255"},
};

TEST_P(ParseCommandLineTest, SetsDefaults)
{
    const ParseCase& c = GetParam();
    if (c.errorValue) {
        try {
            ParseCommandLine(c.args);
            ADD_FAILURE() << "no conversion error";
        } catch (const KvSNMPException& e) {
            EXPECT_EQ(e.Code(), ConversionErrorCode);
            EXPECT_NE(e.Message().find("'" + std::string(c.errorValue) + "' is not a valid"), std::string::npos)
                << e.Message();
            EXPECT_NE(e.Message().find("(switch /"), std::string::npos) << e.Message();
        }
    } else {
        EXPECT_NO_THROW(ParseCommandLine(c.args));
    }
    ExpectParams(c.want);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLineTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CandidateAgentAddress, LastArgumentBeginningWithMarkerAndLongerThanIt)
{
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {{"/I"}, std::nullopt},
        {{"/A12/I34"}, std::nullopt},   // only an argument that begins with the marker counts
        {{"/I10.0.0.1", "/Rpub", "/I10.0.0.2", "/I"}, "10.0.0.2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CandidateAgentAddress(c.args), c.want);
}

// The agent a start claims for its window: the command line as start-up reads
// it and the configuration file's port; nothing for a start without "/I" or
// with a refused switch.
TEST(StartAgentEndpoint, AddressAndPortAsStartUpSettlesThem)
{
    QTemporaryDir exe;
    ASSERT_TRUE(exe.isValid());
    const QString local = exe.filePath(QString::fromLatin1(LocalConfigFolderName));
    ASSERT_TRUE(QDir().mkpath(local));
    WriteFile(local + QStringLiteral("/10.0.0.5.cfg"), "[Program Information]\r\nAgentPort=1161");
    WriteFile(local + QStringLiteral("/10.0.0.6.cfg"), "[Program Information]\r\nVersion=1");
    SetExeFolder(local.toStdString());
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::optional<std::string> key;
    };
    const Case cases[] = {
        {"address_only", {"/I10.0.0.1"}, "10.0.0.1:161"},
        {"address_and_port", {"/I10.0.0.1", "/v1", "/t16100"}, "10.0.0.1:16100"},
        {"host_name_any_case", {"/ISwitch-7.Lab", "/t162"}, "switch-7.lab:162"},
        {"later_address_wins", {"/I10.0.0.1", "/I10.0.0.2"}, "10.0.0.2:161"},
        {"file_port_wins", {"/I10.0.0.5", "/t16100"}, "10.0.0.5:1161"},
        {"file_without_port_gives_161", {"/I10.0.0.6", "/t16100"}, "10.0.0.6:161"},
        {"no_address_switch", {"/v1", "/t16100"}, std::nullopt},
        {"address_only_inside_another_switch", {"/A12/I34"}, std::nullopt},
        {"refused_port", {"/I10.0.0.1", "/tabc"}, std::nullopt},
        {"refused_version", {"/I10.0.0.1", "/v7"}, std::nullopt},
    };
    ResetDefaultParameters();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<AgentEndpoint> agent = StartAgentEndpoint(c.args);
        EXPECT_EQ(agent ? std::optional<std::string>(AgentInstanceKey(*agent)) : std::nullopt, c.key);
        // Asked before any window exists, it leaves the defaults to start-up.
        ExpectParams(Params{});
    }
    SetExeFolder("");
}

TEST(FindInfoRequest, FirstOfHelpVersionAndItemListButNotAnOpenItem)
{
    struct Case {
        std::vector<std::string> args;
        InfoRequest want;
    };
    const Case cases[] = {
        {{}, InfoRequest::None},
        {{"/I10.0.0.1", "--help"}, InfoRequest::Help},
        {{"--version", "--help"}, InfoRequest::Version},
        {{"/v9", "--help"}, InfoRequest::Help},   // the help is for a command line that does not work
        {{"--open", "--help"}, InfoRequest::None},
        {{"/I10.0.0.1", "--open", "--list", "--help"}, InfoRequest::MenuItems},
        {{"--list"}, InfoRequest::None},   // a request only after --open
        {{"-help", "/I--help", "--Help"}, InfoRequest::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindInfoRequest(c.args), c.want) << ::testing::PrintToString(c.args);
}

TEST(FillConnectionTexts, NumbersAsDecimalText)
{
    ResetDefaultParameters();
    ParseCommandLine({"/I10.0.0.7", "/t65000", "/v3", "/m3", "/l-2", "/p19", "/Rr", "/Ww", "/cc", "/dd", "/nn",
                      "/Aaa", "/Ppp", "/a7"});
    FillConnectionTexts();
    const ConnectionTexts& t = MainTexts;
    EXPECT_EQ(t.AgentIP, "10.0.0.7");
    EXPECT_EQ(t.AgentPort, "65000");
    EXPECT_EQ(t.Version, "3");
    EXPECT_EQ(t.SecurityModel, "3");
    EXPECT_EQ(t.SecurityLevel, "-2");
    EXPECT_EQ(t.PrivProtocol, "19");
    EXPECT_EQ(t.AuthProtocol, "7");
    EXPECT_EQ(t.GetCommStr, "r");
    EXPECT_EQ(t.SetCommStr, "w");
    EXPECT_EQ(t.ContextName, "c");
    EXPECT_EQ(t.ContextEngineID, "d");
    EXPECT_EQ(t.SecurityName, "n");
    EXPECT_EQ(t.AuthPassword, "aa");
    EXPECT_EQ(t.PrivPassword, "pp");
}

TEST(ModuleHelpers, FolderNameAndModelPorts)
{
    EXPECT_EQ(LastFolderName("C:\\a\\korvane_ems\\"), "korvane_ems");
    EXPECT_EQ(LastFolderName("/opt/a/Korvane_EMS"), "Korvane_EMS");
    EXPECT_EQ(LastFolderName("/"), "");
    EXPECT_EQ(PortCountOfModel("ksw-4800"), 50);
    EXPECT_EQ(PortCountOfModel("KSW-4800 "), 0);
    EXPECT_EQ(PortCountOfModel(""), 0);
}

} // namespace
