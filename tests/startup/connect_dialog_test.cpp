// The question of a module started from the desktop's menu: which answers it
// takes, what it says about the others, and that the switches it makes read
// back as the answers.
#include "ConnectDialog.h"
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPSession.h"

#include "KvTestUtil.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct AnswerCase {
    const char* Name;
    ConnectAnswers Answers;
    const char* Problem;   // empty: taken
};

ConnectAnswers With(std::string address, int port = 161, int version = 0, std::string read = "rdcomm",
                    std::string write = "wrcommx")
{
    return {std::move(address), port, version, std::move(read), std::move(write)};
}

const AnswerCase kCases[] = {
    {"defaults", ConnectAnswers{}, ""},
    {"address_v2c", With("10.0.0.1", 16100, 1, "public", "private"), ""},
    {"host_name", With("sw-3.lab.example", 161, 0, "my community", "w"), ""},
    {"no_address", With(""), "Enter the switch's address."},
    // A blank would let the rest pass for more switches.
    {"address_with_switch", With("10.0.0.1 /v3"), "The address \"10.0.0.1 /v3\" is neither a dotted IPv4 address nor a host name."},
    {"address_path", With("../etc/x"), "The address \"../etc/x\" is neither a dotted IPv4 address nor a host name."},
    // Digits and dots are meant as an IPv4 address; resolvers would take the
    // short and octal forms for other hosts.
    {"address_part_too_big", With("10.0.0.256"), "The address \"10.0.0.256\" is not a dotted IPv4 address (four numbers from 0 to 255)."},
    {"address_short_form", With("10.1"), "The address \"10.1\" is not a dotted IPv4 address (four numbers from 0 to 255)."},
    {"address_octal_form", With("010.0.0.1"), "The address \"010.0.0.1\" is not a dotted IPv4 address (four numbers from 0 to 255)."},
    {"port_zero", With("10.0.0.1", 0), "The UDP port must lie between 1 and 65535."},
    {"version_3", With("10.0.0.1", 161, 3), "The SNMP version must be SNMPv1 or SNMPv2c."},
    {"empty_read_community", With("10.0.0.1", 161, 1, ""), "The read community is empty."},
    // "/I" inside a value would be read as the address switch.
    {"community_with_switch", With("10.0.0.1", 161, 1, "public", "pri/Ivate"), "The write community cannot contain \"/\"."},
};

TEST(ConnectDialog, AnswersTakenOrRefused)
{
    for (const AnswerCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ConnectProblem(c.Answers), c.Problem);
        if (*c.Problem)
            continue;
        // Read back by the command line's own parser, the switches say the answers.
        DefaultDevice = KvSNMPDevice{"elsewhere", 1};
        DefaultSecurity = KvSNMPSecurity{};
        ParseCommandLine(ConnectSwitches(c.Answers));
        EXPECT_EQ(DefaultDevice.Address, c.Answers.Address);
        EXPECT_EQ(DefaultDevice.Port, c.Answers.Port);
        EXPECT_EQ(DefaultSecurity.Version, c.Answers.Version);
        EXPECT_EQ(DefaultSecurity.ReadCommunity, c.Answers.ReadCommunity);
        EXPECT_EQ(DefaultSecurity.WriteCommunity, c.Answers.WriteCommunity);
    }
    DefaultDevice = KvSNMPDevice{};
    DefaultSecurity = KvSNMPSecurity{};
}

TEST(ConnectDialog, AskOptionTakenOut)
{
    std::vector<std::string> args{"--ask", "/t16100", "--open", "IFXTable1"};
    EXPECT_TRUE(TakeAskOption(args));
    EXPECT_EQ(args, (std::vector<std::string>{"/t16100", "--open", "IFXTable1"}));
    EXPECT_FALSE(TakeAskOption(args));
}

// A lookup that answers only when the test says so.
struct FakeLookup {
    std::vector<std::string> asked;
    std::function<void(const std::string&)> pending;
    AddressLookup Function()
    {
        return [this](const std::string& address, QObject*, std::function<void(const std::string&)> done) {
            asked.push_back(address);
            pending = std::move(done);
        };
    }
    void Answer(const std::string& problem)
    {
        auto done = std::move(pending);
        pending = nullptr;
        done(problem);
    }
};

// OK with answers it cannot use keeps the dialog open and says why.
TEST(ConnectDialog, OkStaysUntilAnswersDo)
{
    TConnectDialog dialog({}, {}, nullptr);
    EXPECT_EQ(dialog.AddressEdit->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(dialog.PortSpin->value(), 161);
    EXPECT_EQ(dialog.VersionCombo->currentText(), QStringLiteral("SNMPv1"));
    dialog.show();
    dialog.AddressEdit->setText(QStringLiteral("10.0.0.1 /v3"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.Problem->isVisible());
    EXPECT_TRUE(dialog.Problem->text().contains(QStringLiteral("neither")));

    dialog.AddressEdit->setText(QStringLiteral(" 10.0.0.1 "));
    dialog.PortSpin->setValue(16100);
    dialog.VersionCombo->setCurrentIndex(1);
    dialog.ReadCommunityEdit->setText(QStringLiteral("public"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ConnectSwitches(dialog.Answers()),
              (std::vector<std::string>{"/I10.0.0.1", "/t16100", "/v1", "/Rpublic", "/Wwrcommx"}));
}

// An address that does not resolve keeps the dialog open with the reason; OK
// waits for the lookup, and a lookup for an address typed over meanwhile
// takes nothing.
TEST(ConnectDialog, OkWaitsForTheLookupAndStaysOnAnUnknownHost)
{
    FakeLookup lookup;
    TConnectDialog dialog({}, {}, lookup.Function());
    dialog.show();
    dialog.AddressEdit->setText(QStringLiteral("no-such-switch"));
    dialog.accept();
    ASSERT_EQ(lookup.asked, (std::vector<std::string>{"no-such-switch"}));
    EXPECT_FALSE(dialog.OkButton->isEnabled());
    lookup.Answer("The host name \"no-such-switch\" does not resolve: Host not found.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.OkButton->isEnabled());
    EXPECT_EQ(dialog.Problem->text(), QStringLiteral("The host name \"no-such-switch\" does not resolve: Host not found."));

    dialog.AddressEdit->setText(QStringLiteral("sw-1"));
    dialog.accept();
    dialog.AddressEdit->setText(QStringLiteral("sw-2"));
    lookup.Answer("");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.accept();
    lookup.Answer("");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Answers().Address, "sw-2");
}

// The real lookup: dotted addresses without asking anyone, a name through the
// system's resolver (localhost is in the hosts file: no network).
TEST(LookUpAgentAddress, DottedAtOnceNamesThroughTheResolver)
{
    QObject context;
    struct Case {
        const char* address;
        bool taken;
    };
    for (const Case& c : {Case{"192.0.2.1", true}, Case{"192.0.2.300", false}, Case{"localhost", true}}) {
        std::optional<std::string> problem;
        LookUpAgentAddress(c.address, &context, [&problem](const std::string& p) { problem = p; });
        EXPECT_TRUE(QTest::qWaitFor([&problem] { return problem.has_value(); }, 10000)) << c.address;
        EXPECT_EQ(problem.value_or("?").empty(), c.taken) << c.address << ": " << problem.value_or("?");
    }
}

// The switches the dialog was given, most recent first, five at most, one per
// address and port, without the communities.
TEST(RecentSwitches, RememberedWithoutCredentials)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("ksw4800.conf"));
    {
        QSettings settings(file, QSettings::IniFormat);
        for (int i = 1; i <= 6; ++i)
            RememberSwitch(settings, With("10.0.0." + std::to_string(i), 161, i % 2, "secret-read", "secret-write"));
        RememberSwitch(settings, With("SW-1.lab", 1161, 1));
        RememberSwitch(settings, With("10.0.0.4", 161, 0));   // again: moves to the top
        RememberSwitch(settings, With("sw-1.LAB", 1161, 0));  // the same switch in other letters
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(ReadRecentSwitches(settings), (std::vector<RecentSwitch>{{"sw-1.LAB", 1161, 0},
                                                                        {"10.0.0.4", 161, 0},
                                                                        {"10.0.0.6", 161, 0},
                                                                        {"10.0.0.5", 161, 1},
                                                                        {"10.0.0.3", 161, 1}}));
    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    EXPECT_FALSE(bytes.readAll().contains("secret"));
}

TEST(RecentSwitches, EntriesTheDialogCannotTakeAreLeftOut)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("ksw4800.conf"));
    WriteFile(file,
              "[RecentSwitches]\n"
              "1\\Address=10.0.0.1\n1\\Port=161\n1\\Version=1\n"
              "2\\Address=10.0.0.1 /v3\n2\\Port=161\n2\\Version=0\n"
              "3\\Address=10.0.0.3\n3\\Port=70000\n3\\Version=0\n"
              "4\\Address=10.0.0.4\n4\\Port=161\n4\\Version=3\n"
              "5\\Address=10.0.0.5\n5\\Port=x\n5\\Version=0\n"
              "size=5\n");
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(ReadRecentSwitches(settings), (std::vector<RecentSwitch>{{"10.0.0.1", 161, 1}}));
}

TEST(ConnectDialog, OpensWithTheMostRecentSwitchAndOffersTheOthers)
{
    const std::vector<RecentSwitch> recent{{"10.0.0.9", 16100, 1}, {"sw-2", 162, 0}};
    TConnectDialog dialog(With("127.0.0.1", 161, 0, "public", "private"), recent, nullptr);
    EXPECT_FALSE(dialog.RecentCombo->isHidden());
    EXPECT_EQ(dialog.RecentCombo->count(), 2);
    ConnectAnswers a = dialog.Answers();
    EXPECT_EQ(a.Address, "10.0.0.9");
    EXPECT_EQ(a.Port, 16100);
    EXPECT_EQ(a.Version, 1);
    EXPECT_EQ(a.ReadCommunity, "public");   // never stored, so kept as given

    dialog.RecentCombo->setCurrentIndex(1);
    Q_EMIT dialog.RecentCombo->activated(1);
    a = dialog.Answers();
    EXPECT_EQ(a.Address, "sw-2");
    EXPECT_EQ(a.Port, 162);
    EXPECT_EQ(a.Version, 0);

    TConnectDialog fresh({}, {}, nullptr);
    EXPECT_TRUE(fresh.RecentCombo->isHidden());
}

}  // namespace
