// The IP mask and rule editors against ksw-sim: the columns a write carries for
// each mask state, protocol and option, the checks with their messages, and
// the rule editor's protocol and priority handling.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/acl/IPMaskInformationForm.h"
#include "dialogs/acl/IPRuleForm.h"
#include "dialogs/acl/PortUitForm.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

using namespace acltest;

namespace {

using Ints = std::vector<int>;
using M = TIPMaskInformationForm;
using R = TIPRuleForm;

QCheckBox* Box(QWidget& form, const char* name)
{
    return form.findChild<QCheckBox*>(QString::fromLatin1(name));
}

void Choose(QComboBox* combo, const char* text)
{
    combo->setCurrentText(QString::fromLatin1(text));
}

// ---- mask editor ----------------------------------------------------------------------

// A new profile 9 with the editor's initial choices (mask state "other",
// protocol "none", both options "other", flag-bit and protocol-id options
// "disable") and createAndGo; each case changes what it needs.
void NewProfile(M& f)
{
    f.IPIDEdit->setText(QStringLiteral("9"));
    f.UseVLANCBox->setCurrentIndex(0);
    f.RowStatusComBo->setCurrentIndex(RowStatusItem::CreateAndGo);
}

struct MaskCase {
    const char* Name;
    std::function<void(M&)> Change;
    const char* Button;   // "BT_Add", "SetBtn" or "BT_Delete"; the last two on profile 3
    Ints Columns;
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.Name; }

class IpMaskWrite : public AclAgentTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(IpMaskWrite, SendsWhatTheProtocolAndOptionsUse)
{
    const MaskCase& c = GetParam();
    M form;
    ASSERT_EQ(KvReportRowCount(form.ListView), 1);
    const bool add = std::string(c.Button) == "BT_Add";
    if (add) {
        NewProfile(form);
    } else {
        KvSelectReportRow(form.ListView, 0);
        ASSERT_EQ(form.IPIDEdit->text(), "3");
        EXPECT_FALSE(form.BT_Add->isEnabled());
        EXPECT_TRUE(form.SetBtn->isEnabled());
    }
    c.Change(form);
    form.findChild<QPushButton*>(QString::fromLatin1(c.Button))->click();
    // A delete's question has a test of its own.
    QStringList texts = messages_->Texts();
    texts.removeIf([](const QString& t) { return t.startsWith(QStringLiteral("Are you sure to delete ?")); });
    EXPECT_EQ(texts, QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kIpProfile, add ? "9" : "3"), c.Columns);
    // Back to idle with the edits emptied.
    EXPECT_TRUE(form.BT_Add->isEnabled());
    EXPECT_FALSE(form.SetBtn->isEnabled());
    EXPECT_TRUE(form.IPIDEdit->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, IpMaskWrite,
    ::testing::Values(
        MaskCase{"TcpDestinationPortMask",
                 [](M& f) {
                     Choose(f.UseProTypeComBo, "tcp");
                     Choose(f.TCPOptionComBo, "dst-addr");
                     f.TCPUDPSrcMaskEdit->setText(QStringLiteral("FFFF"));
                     f.TCPUDPDstPortMaskEdit->setText(QStringLiteral("FF00"));
                 },
                 "BT_Add", {2, 3, 6, 7, 10, 13, 14, 19}},
        MaskCase{"SourceIpMaskOnly",
                 [](M& f) {
                     Choose(f.IpAddMaskStateComboBox, "src-ip-addr");
                     f.IpAddMaskSrcEdit->setText(QStringLiteral("255.255.255.0"));
                     f.IpAddMaskDstEdit->setText(QStringLiteral("255.255.0.0"));
                 },
                 "BT_Add", {2, 3, 4, 6, 7, 19}},
        MaskCase{"Icmp", [](M& f) { Choose(f.UseProTypeComBo, "icmp"); }, "BT_Add", {2, 3, 6, 7, 8, 19}},
        MaskCase{"Igmp", [](M& f) { Choose(f.UseProTypeComBo, "igmp"); }, "BT_Add", {2, 3, 6, 7, 9, 19}},
        MaskCase{"UdpSourcePortMask",
                 [](M& f) {
                     Choose(f.UseProTypeComBo, "udp");
                     Choose(f.UDPOptionComBo, "src-addr");
                     f.TCPUDPSrcMaskEdit->setText(QStringLiteral("00FF"));
                     f.TCPUDPDstPortMaskEdit->setText(QStringLiteral("FF00"));
                 },
                 "BT_Add", {2, 3, 6, 7, 11, 12, 19}},
        // UDP with its option "other" sends no UDP column at all.
        MaskCase{"UdpOther", [](M& f) { Choose(f.UseProTypeComBo, "udp"); }, "BT_Add", {2, 3, 6, 7, 19}},
        MaskCase{"ProtocolId",
                 [](M& f) {
                     Choose(f.UseProTypeComBo, "protocolId");
                     Choose(f.ProOptionComBo, "enable");
                     f.ProtoIDEdit->setText(QStringLiteral("17"));
                     f.ProIDMaskEdit->setText(QStringLiteral("0000ffff"));
                 },
                 "BT_Add", {2, 3, 6, 7, 16, 17, 18, 19}},
        MaskCase{"SetTcpLine", [](M&) {}, "SetBtn", {2, 3, 4, 5, 6, 7, 10, 13, 14, 15, 19}},
        MaskCase{"SetDestroy", [](M& f) { f.RowStatusComBo->setCurrentIndex(RowStatusItem::Destroy); }, "SetBtn",
                 {19}},
        MaskCase{"Delete", [](M&) {}, "BT_Delete", {19}}));

struct RefusalCase {
    const char* Name;
    std::function<void(M&)> Change;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class IpMaskRefused : public AclAgentTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(IpMaskRefused, ShowsOneMessageAndSendsNothing)
{
    M form;
    NewProfile(form);
    GetParam().Change(form);
    form.BT_Add->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(GetParam().Message)});
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, IpMaskRefused,
    ::testing::Values(
        RefusalCase{"NoId", [](M& f) { f.IPIDEdit->clear(); }, "IP Mask ID must be set."},
        RefusalCase{"ShortSource",
                    [](M& f) {
                        Choose(f.IpAddMaskStateComboBox, "src-ip-addr");
                        f.IpAddMaskSrcEdit->setText(QStringLiteral("255.255.255"));
                    },
                    "Please input a valid IP"},
        RefusalCase{"JunkAfterDestination",
                    [](M& f) {
                        Choose(f.IpAddMaskStateComboBox, "dst-src-ip-addr");
                        f.IpAddMaskDstEdit->setText(QStringLiteral("255.255.255.255x"));
                    },
                    "Please input a valid IP"},
        RefusalCase{"ProtocolIdMask",
                    [](M& f) {
                        Choose(f.UseProTypeComBo, "protocolId");
                        Choose(f.ProOptionComBo, "enable");
                        f.ProIDMaskEdit->setText(QStringLiteral("FFFF"));
                    },
                    "Invalid Mask!"},
        RefusalCase{"ProtocolId256",
                    [](M& f) {
                        Choose(f.UseProTypeComBo, "protocolId");
                        f.ProtoIDEdit->setText(QStringLiteral("256"));
                    },
                    "Please input a valid value"},
        RefusalCase{"TcpDestinationMask",
                    [](M& f) {
                        Choose(f.UseProTypeComBo, "tcp");
                        Choose(f.TCPOptionComBo, "dst-src-addr");
                        f.TCPUDPDstPortMaskEdit->setText(QStringLiteral("FFF"));
                    },
                    "Invalid Mask!"},
        RefusalCase{"UdpSourceMask",
                    [](M& f) {
                        Choose(f.UseProTypeComBo, "udp");
                        Choose(f.UDPOptionComBo, "src-addr");
                        f.TCPUDPSrcMaskEdit->setText(QStringLiteral("FFFFF"));
                    },
                    "Invalid Mask!"},
        RefusalCase{"FlagBits64",
                    [](M& f) {
                        Choose(f.UseProTypeComBo, "tcp");
                        Choose(f.TCPFlagBitOptionComBo, "enable");
                        f.TCPFlagBitMaskEdit->setText(QStringLiteral("64"));
                    },
                    "Please input a valid value"},
        RefusalCase{"Duplicate", [](M& f) { f.IPIDEdit->setText(QStringLiteral("3")); },
                    "There is already a record with the same IP Mask ID. Please modified it."},
        RefusalCase{"NotCreate", [](M& f) { f.RowStatusComBo->setCurrentIndex(RowStatusItem::Active); },
                    "Row Status must be createAndGo."}));

TEST_F(AclAgentTest, IpMaskStartsWithItsInitialChoices)
{
    M form;
    EXPECT_EQ(form.UseVLANCBox->currentIndex(), -1);
    EXPECT_EQ(form.IpAddMaskStateComboBox->currentText(), "other");
    EXPECT_EQ(form.UseDSCPComBo->currentText(), "disabled");
    EXPECT_EQ(form.UseProTypeComBo->currentText(), "none");
    EXPECT_EQ(form.IGMPOptionCBox->currentText(), "enable");
    EXPECT_EQ(form.TCPFlagBitOptionComBo->currentText(), "disable");
    EXPECT_EQ(form.RowStatusComBo->currentText(), "active");
    EXPECT_FALSE(form.SetBtn->isEnabled());
    EXPECT_NE(FindDialog("TIPMaskInformationForm"), nullptr);
    EXPECT_NE(FindDialog("TIPRuleForm"), nullptr);
}

// ---- rule editor -----------------------------------------------------------------------

// Priority enabled as a user would choose it: the priority controls follow.
void EnablePriority(R& f)
{
    f.PriorityComboBox->setCurrentIndex(0);
    Q_EMIT f.PriorityComboBox->activated(0);
}

// A new rule 2/9 with every field filled in and only the row status checked.
void NewRule(R& f, const char* protocol)
{
    f.IPRuleEdit->setText(QStringLiteral("2"));
    f.AccessIDEdit->setText(QStringLiteral("9"));
    f.RuleVLANEdit->setText(QStringLiteral("v10"));
    f.SourceIPEdit->setText(QStringLiteral("10.1.1.1"));
    f.DestIPEdit->setText(QStringLiteral("10.1.1.2"));
    f.DSCPEdit->setText(QStringLiteral("8"));
    Choose(f.ProtocolComboBox, protocol);
    f.RuleTypeEdit->setText(QStringLiteral("3"));
    f.RuleCodEdit->setText(QStringLiteral("1"));
    f.SourcePortEdit->setText(QStringLiteral("80"));
    f.DestPortEdit->setText(QStringLiteral("443"));
    f.FlagEdit->setText(QStringLiteral("2"));
    f.ProtocolIDEdit->setText(QStringLiteral("17"));
    f.UserMaskEdit->setText(QStringLiteral("0000FFFF"));
    f.PriorityEdit->setText(QStringLiteral("4"));
    f.DSCPValueEdit->setText(QStringLiteral("10"));
    Box(f, "cbxRow")->setChecked(true);
}

struct RuleCase {
    const char* Name;
    bool Edit;   // Edit of the selected line 3/4 (a tcp rule), otherwise Add of 2/9
    std::function<void(R&)> Change;
    Ints Columns;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.Name; }

class IpRuleWrite : public AclAgentTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(IpRuleWrite, SendsTheProtocolsColumns)
{
    const RuleCase& c = GetParam();
    R form;
    if (c.Edit) {
        KvSelectReportRow(form.ListView, 0);
        ASSERT_EQ(form.IPRuleEdit->text(), "3");
        ASSERT_EQ(form.ProtocolComboBox->currentText(), "tcp");
        EXPECT_FALSE(form.ProtocolComboBox->isEnabled());
        form.RowComboBox->setCurrentIndex(RowStatusItem::Active);
    }
    c.Change(form);
    (c.Edit ? form.EditButton : form.AddButton)->click();
    // A delete's question has a test of its own.
    QStringList texts = messages_->Texts();
    texts.removeIf([](const QString& t) { return t.startsWith(QStringLiteral("Are you sure to delete ?")); });
    EXPECT_EQ(texts, QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kIpRule, c.Edit ? "3.4" : "2.9"), c.Columns);
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.ProtocolComboBox->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, IpRuleWrite,
    ::testing::Values(
        RuleCase{"OnlyRow", false, [](R& f) { NewRule(f, "none"); }, {21, 22}},
        // Check All leaves the VLAN box alone, and the disabled priority boxes.
        RuleCase{"IgmpCheckAll", false,
                 [](R& f) {
                     NewRule(f, "igmp");
                     f.CheckAllButton->click();
                 },
                 {4, 5, 6, 8, 14, 15, 18, 19, 20, 21, 22}},
        RuleCase{"IcmpCheckAll", false,
                 [](R& f) {
                     NewRule(f, "icmp");
                     f.CheckAllButton->click();
                 },
                 {4, 5, 6, 8, 9, 14, 15, 18, 19, 20, 21, 22}},
        RuleCase{"TcpPriorityEnabled", false,
                 [](R& f) {
                     NewRule(f, "tcp");
                     EnablePriority(f);
                     f.CheckAllButton->click();
                 },
                 {4, 5, 6, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        RuleCase{"UdpWithVlan", false,
                 [](R& f) {
                     NewRule(f, "udp");
                     f.CheckAllButton->click();
                     Box(f, "cbxRuleVLAN")->setChecked(true);
                 },
                 {3, 4, 5, 6, 10, 11, 14, 15, 18, 19, 20, 21, 22}},
        RuleCase{"ProtocolId", false,
                 [](R& f) {
                     NewRule(f, "protocolId");
                     f.CheckAllButton->click();
                 },
                 {4, 5, 6, 13, 14, 15, 18, 19, 20, 21, 22}},
        RuleCase{"EditNeverWritesThePort", true,
                 [](R& f) {
                     f.CheckAllButton->click();
                     f.Picker->Boxes()[4]->setChecked(true);
                 },
                 {4, 5, 6, 10, 11, 12, 14, 15, 18, 19, 20, 22}},
        // The line's priority is disabled and its box unchecked (the user's
        // choice checked it; the user unchecks it again): the priority boxes
        // the user checked do not count.
        RuleCase{"EditLinePriorityDisabled", true,
                 [](R& f) {
                     EnablePriority(f);
                     Box(f, "cbxEnablePriority")->setChecked(false);
                     Box(f, "cbxPriority")->setChecked(true);
                     Box(f, "cbxReplacePriority")->setChecked(true);
                     Box(f, "cbxDscp")->setChecked(true);
                     Box(f, "cbxRow")->setChecked(true);
                 },
                 {6, 22}},
        RuleCase{"EditDestroy", true,
                 [](R& f) {
                     f.CheckAllButton->click();
                     f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy);
                 },
                 {22}}));

struct RuleRefusal {
    const char* Name;
    std::function<void(R&)> Change;
    const char* Message;
};

void PrintTo(const RuleRefusal& c, std::ostream* os) { *os << c.Name; }

class IpRuleRefused : public AclAgentTest, public ::testing::WithParamInterface<RuleRefusal> {};

TEST_P(IpRuleRefused, ShowsOneMessageAndSendsNothing)
{
    R form;
    NewRule(form, "tcp");
    GetParam().Change(form);
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(GetParam().Message)});
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, IpRuleRefused,
    ::testing::Values(
        RuleRefusal{"TwoPorts",
                    [](R& f) {
                        f.IPRuleEdit->clear();
                        f.Picker->Boxes()[0]->setChecked(true);
                        f.Picker->Boxes()[49]->setChecked(true);
                    },
                    "olny one Port can be selected from portlist."},
        RuleRefusal{"NoRuleId", [](R& f) { f.IPRuleEdit->clear(); }, "IP Rule ID must be set."},
        RuleRefusal{"NoAccessId", [](R& f) { f.AccessIDEdit->clear(); }, "IP Rule Access ID must be set."},
        RuleRefusal{"EmptySource",
                    [](R& f) {
                        f.SourceIPEdit->clear();
                        Box(f, "cbxSourceIP")->setChecked(true);
                    },
                    "Some checked field is empty\nSource IP Address"},
        RuleRefusal{"BadDestination",
                    [](R& f) {
                        f.DestIPEdit->setText(QStringLiteral("10.0.0.256"));
                        Box(f, "cbxDestIP")->setChecked(true);
                    },
                    "Please input a valid ip"},
        RuleRefusal{"EmptyType",
                    [](R& f) {
                        f.RuleTypeEdit->clear();
                        Box(f, "cbxRuleType")->setChecked(true);
                    },
                    "Some checked field is empty\nRule Type"},
        // The VLAN may be written empty; the other empty fields are all named.
        RuleRefusal{"SeveralEmpty",
                    [](R& f) {
                        for (const char* b : {"cbxRuleVLAN", "cbxDscp", "cbxDestPort"})
                            Box(f, b)->setChecked(true);
                        f.RuleVLANEdit->clear();
                        f.DSCPEdit->clear();
                        f.DestPortEdit->clear();
                    },
                    "Some checked field is empty\nDSCP, Destination Port"},
        RuleRefusal{"ShortUserMask",
                    [](R& f) {
                        f.UserMaskEdit->setText(QStringLiteral("FFFF"));
                        Box(f, "cbxUserMask")->setChecked(true);
                    },
                    "Invalid UserMask"},
        RuleRefusal{"NoPermit",
                    [](R& f) {
                        f.PermitComboBox->setCurrentIndex(-1);
                        Box(f, "cbxPermit")->setChecked(true);
                    },
                    "Some checked field is empty\nPermit"},
        RuleRefusal{"Duplicate",
                    [](R& f) {
                        f.IPRuleEdit->setText(QStringLiteral("3"));
                        f.AccessIDEdit->setText(QStringLiteral("4"));
                    },
                    "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
        RuleRefusal{"RowNotChecked", [](R& f) { Box(f, "cbxRow")->setChecked(false); },
                    "Row State must be checked and set to createAndGo."}));

TEST_F(AclAgentTest, IpRulePriorityControlsFollowTheUsersChoice)
{
    R form;
    EXPECT_EQ(form.PriorityComboBox->currentText(), "disabled");
    EXPECT_FALSE(form.PriorityEdit->isEnabled());
    EnablePriority(form);
    EXPECT_TRUE(form.PriorityEdit->isEnabled());
    EXPECT_TRUE(Box(form, "cbxReplacePriority")->isEnabled());
    form.CheckAllButton->click();
    EXPECT_TRUE(Box(form, "cbxPriority")->isChecked());
    EXPECT_FALSE(Box(form, "cbxRuleVLAN")->isChecked());
    Box(form, "cbxRuleVLAN")->setChecked(true);
    form.ClearChecksButton->click();
    EXPECT_TRUE(Box(form, "cbxRuleVLAN")->isChecked());
    EXPECT_FALSE(Box(form, "cbxPriority")->isChecked());
}

}  // namespace
