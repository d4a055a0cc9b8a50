// The question of a module started from the desktop's menu: which answers it
// takes, what it says about the others, and that the switches it makes read
// back as the answers.
#include "ConnectDialog.h"
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

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

// OK with answers it cannot use keeps the dialog open and says why.
TEST(ConnectDialog, OkStaysUntilAnswersDo)
{
    TConnectDialog dialog;
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

}  // namespace
