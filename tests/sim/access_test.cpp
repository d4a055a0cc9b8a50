// Who gets answers from ksw-sim, and what a walk of it returns.
#include "SharedKswSim.h"
#include "SnmpTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kIfHCInOctets1 = QStringLiteral("1.3.6.1.2.1.31.1.1.1.6.1");

struct Credential {
    const char* name;
    QStringList args;
    bool answers;
};

QStringList v3(const char* user, const char* level, const char* auth = nullptr, const char* authPass = nullptr,
               const char* priv = nullptr, const char* privPass = nullptr)
{
    QStringList a{"-v3", "-u", user, "-l", level};
    if (auth)
        a << "-a" << auth << "-A" << authPass;
    if (priv)
        a << "-x" << priv << "-X" << privPass;
    return a;
}

std::vector<Credential> credentials()
{
    const char* A = "authpassword";
    const char* P = "privpassword";
    return {
        {"v1_read", v1(), true},
        {"v1_write", v1("wrcommx"), true},
        {"v2c_read", v2c(), true},
        {"v2c_write", v2c("wrcommx"), true},
        {"v2c_unknown_community", v2c("public"), false},
        {"v1_unknown_community", v1("private"), false},
        {"noAuthUser", v3("noAuthUser", "noAuthNoPriv"), true},
        {"MD5_User", v3("MD5_User", "authNoPriv", "MD5", A), true},
        {"MD5_DES_User", v3("MD5_DES_User", "authPriv", "MD5", A, "DES", P), true},
        {"SHA_User", v3("SHA_User", "authNoPriv", "SHA", A), true},
        {"SHA_DES_User", v3("SHA_DES_User", "authPriv", "SHA", A, "DES", P), true},
        {"SHA256_AES_User", v3("SHA256_AES_User", "authPriv", "SHA-256", A, "AES", P), true},
        {"SHA_User_wrong_auth_pass", v3("SHA_User", "authNoPriv", "SHA", "wrongpassword"), false},
        {"MD5_User_wrong_protocol", v3("MD5_User", "authNoPriv", "SHA", A), false},
        {"SHA_DES_User_wrong_priv_pass", v3("SHA_DES_User", "authPriv", "SHA", A, "DES", "wrongpassword"), false},
        {"SHA256_AES_User_DES_instead_of_AES", v3("SHA256_AES_User", "authPriv", "SHA-256", A, "DES", P), false},
        {"SHA_User_above_its_level", v3("SHA_User", "authPriv", "SHA", A, "DES", P), false},
        {"unknown_user", v3("nobody", "noAuthNoPriv"), false},
    };
}

class SimAccess : public SharedKswSim<::testing::TestWithParam<Credential>> {};

TEST_P(SimAccess, GetAnswersOnlyTheRightCredentials)
{
    ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
    const Credential& c = GetParam();
    QStringList args = c.args;
    args << "--" << kSysName;
    const ToolResult r = runTool("snmpget", args, target(*sim_));
    if (c.answers) {
        EXPECT_TRUE(r.ok()) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("1.3.6.1.2.1.1.5.0 = STRING: \"KSW-4800\"")) << r.out.toStdString();
    } else {
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.out.contains("KSW-4800")) << r.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Credentials, SimAccess, ::testing::ValuesIn(credentials()),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<unsigned long> oidOfLine(const QString& line)
{
    std::vector<unsigned long> out;
    for (const auto& arc : line.section(QLatin1Char(' '), 0, 0).split(QLatin1Char('.'), Qt::SkipEmptyParts))
        out.push_back(arc.toULong());
    return out;
}

// Walks must come back in strictly increasing OID order and end.
void expectOrdered(const QStringList& lines)
{
    for (int i = 1; i < lines.size(); ++i)
        ASSERT_LT(oidOfLine(lines[i - 1]), oidOfLine(lines[i])) << lines[i - 1].toStdString() << " then "
                                                                 << lines[i].toStdString();
}

TEST(SimWalk, WholeTreeInOrderAndBulkAgrees)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList args = v2c();
    args << "--" << "1";
    const ToolResult walk = runTool("snmpwalk", args, target(sim));
    ASSERT_TRUE(walk.ok()) << walk.err.toStdString();
    QStringList lines = outputLines(walk);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().contains("No more variables")) << lines.last().toStdString();
    lines.removeLast();
    // The shipped data: system, 50 ports of ifTable and ifXTable and the private groups.
    EXPECT_GT(lines.size(), 2000);
    expectOrdered(lines);

    const ToolResult bulk = runTool("snmpbulkwalk", args, target(sim));
    ASSERT_TRUE(bulk.ok()) << bulk.err.toStdString();
    // sysUpTime moves between the walks.
    auto withoutUptime = [](QStringList l) {
        l.removeIf([](const QString& s) { return s.startsWith("1.3.6.1.2.1.1.3.0 "); });
        return l;
    };
    QStringList bulkLines = outputLines(bulk);
    bulkLines.removeIf([](const QString& s) { return s.contains("No more variables"); });
    EXPECT_EQ(withoutUptime(bulkLines), withoutUptime(lines));
}

TEST(SimWalk, Counter64IsInvisibleToV1)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList walkArgs = v1();
    walkArgs << "--" << "1.3.6.1.2.1.31.1.1.1";
    const ToolResult walk = runTool("snmpwalk", walkArgs, target(sim));
    ASSERT_TRUE(walk.ok()) << walk.err.toStdString();
    const QStringList lines = outputLines(walk);
    EXPECT_FALSE(walk.out.contains("Counter64"));
    EXPECT_EQ(lines.size(), 50 * 11); // 19 columns, 8 of them Counter64
    expectOrdered(lines);

    QStringList getArgs = v1();
    getArgs << "--" << kIfHCInOctets1;
    const ToolResult get = runTool("snmpget", getArgs, target(sim));
    EXPECT_TRUE(get.err.contains("noSuchName")) << get.err.toStdString() << get.out.toStdString();

    QStringList v2Args = v2c();
    v2Args << "--" << kIfHCInOctets1;
    const ToolResult get2 = runTool("snmpget", v2Args, target(sim));
    EXPECT_TRUE(get2.out.contains("Counter64:")) << get2.out.toStdString();
}

TEST(SimWalk, MissingObjectsAreReportedAsARealAgentDoes)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList args = v2c();
    args << "--" << "1.3.6.1.2.1.1.5.1" << "1.3.6.1.2.1.99.1.0" << "1.3.6.1.2.1.2.2.1.8.51";
    const ToolResult r = runTool("snmpget", args, target(sim));
    const QStringList lines = outputLines(r);
    ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
    EXPECT_TRUE(lines[0].contains("No Such Instance"));
    EXPECT_TRUE(lines[1].contains("No Such Object"));
    EXPECT_TRUE(lines[2].contains("No Such Instance"));
}

} // namespace

namespace {

TEST(SimCredentialOptions, ReplaceTheDefaults)
{
    KswSim::Options o;
    o.extraArgs << "--read-community" << "ops" << "--write-community" << "opsrw" << "--auth-pass" << "another-pass"
                << "--priv-pass" << "another-priv";
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto answers = [&](QStringList args) {
        args << "--" << kSysName;
        return runTool("snmpget", args, target(sim)).out.contains("KSW-4800");
    };
    EXPECT_TRUE(answers(v2c("ops")));
    EXPECT_TRUE(answers(v1("opsrw")));
    EXPECT_FALSE(answers(v2c("rdcomm")));
    EXPECT_FALSE(answers(v2c("wrcommx")));
    EXPECT_TRUE(answers(v3("SHA_DES_User", "authPriv", "SHA", "another-pass", "DES", "another-priv")));
    EXPECT_FALSE(answers(v3("SHA_User", "authNoPriv", "SHA", "authpassword")));
}

} // namespace
