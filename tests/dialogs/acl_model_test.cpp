// The shared mechanics of the access-control editors: the text checks with
// their messages, the port picker, the write with exclusions (what one SET
// carries, and that no column stays excluded after a refused write), the
// question before every delete, and the rule editors' field boxes that follow
// the user's changes.
#include "AclFixture.h"

#include "dialogs/acl/EthernetInformationRuleForm.h"
#include "dialogs/acl/EthernetMaskInformationForm.h"
#include "dialogs/acl/IPMaskInformationForm.h"
#include "dialogs/acl/IPRuleForm.h"
#include "dialogs/acl/PortUitForm.h"
#include "dialogs/acl/UserDefinedInformationRuleForm.h"
#include "dialogs/common/BindingDialog.h"
#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "KvTestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace acltest;

namespace {

// ---- text checks ------------------------------------------------------------------

struct HexCase {
    const char* Text;
    int Digits;
    const char* BadCharacter;
    const char* BadLength;
    const char* Shown;   // "" when the text passes
};

class HexCheck : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexCheck, ShowsTheMessageOfTheFirstFault)
{
    const HexCase& c = GetParam();
    MessageLog log;
    QLineEdit edit;
    const bool ok = CheckHexText(nullptr, QString::fromLatin1(c.Text), c.Digits, QString::fromLatin1(c.BadCharacter),
                                 QString::fromLatin1(c.BadLength), &edit);
    EXPECT_EQ(ok, *c.Shown == 0);
    EXPECT_EQ(log.Texts(), *c.Shown ? QStringList{QString::fromLatin1(c.Shown)} : QStringList{});
}

constexpr const char* kMacChar = "Invalid Macaddrss";
constexpr const char* kMacLength = "Invalid Macaddress";

INSTANTIATE_TEST_SUITE_P(
    Texts, HexCheck,
    ::testing::Values(HexCase{"001122aaBBff", 12, kMacChar, kMacLength, ""},
                      HexCase{"00112233445", 12, kMacChar, kMacLength, kMacLength},
                      HexCase{"00112233445G", 12, kMacChar, kMacLength, kMacChar},
                      HexCase{"0011223344556", 12, kMacChar, kMacLength, kMacLength},
                      // A bad character before the text runs out wins over the short length.
                      HexCase{"00-11", 12, kMacChar, kMacLength, kMacChar},
                      // Characters after the last digit counted are not looked at: too long.
                      HexCase{"001122334455G", 12, kMacChar, kMacLength, kMacLength},
                      HexCase{"", 12, kMacChar, kMacLength, kMacLength},
                      HexCase{"86dd", 4, "Invalid EtherType", "Invalid EtherType", ""},
                      HexCase{"86d", 4, "Invalid EtherType", "Invalid EtherType", "Invalid EtherType"},
                      HexCase{"0000FFFF", 8, "Invalid UserMask", "Invalid UserMask", ""},
                      HexCase{"0000FFFZ", 8, "Invalid UserMask", "Invalid UserMask", "Invalid UserMask"}));

struct IpCase {
    const char* Text;
    bool Valid;
};

class IPv4Check : public ::testing::TestWithParam<IpCase> {};

TEST_P(IPv4Check, RefusesWithTheCallersMessage)
{
    const IpCase& c = GetParam();
    MessageLog log;
    EXPECT_EQ(CheckIPv4Text(nullptr, QString::fromLatin1(c.Text), QStringLiteral("Please input a valid ip")), c.Valid);
    EXPECT_EQ(log.Texts(), c.Valid ? QStringList{} : QStringList{QStringLiteral("Please input a valid ip")});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IPv4Check,
    ::testing::Values(IpCase{"192.168.0.1", true}, IpCase{"0.0.0.0", true}, IpCase{"255.255.255.255", true},
                      IpCase{"10.0.0.01", true}, IpCase{"", false}, IpCase{"192.168.00.1", false},
                      IpCase{"1.2.3", false}, IpCase{".1.2.3", false}, IpCase{"1..2.3", false},
                      IpCase{"256.1.1.1", false}, IpCase{"1.2.3.4.5", false}, IpCase{"1.2.3.4.", false},
                      IpCase{"1.2.3.256", false}, IpCase{"1.2.3.00", false}, IpCase{"1.2.3.a", false},
                      IpCase{"1234.1.1.1", false}, IpCase{"1.2.3.99999999999", false},
                      // Regression: only the first 15 characters used to be read, so
                      // junk after a full-length valid address passed.
                      IpCase{"192.168.100.100junk", false}, IpCase{"255.255.255.2550", false},
                      IpCase{"10.10.10.10 x", false}));

TEST(TypedNumber, NonNumbersCountAsMinusOne)
{
    EXPECT_EQ(TypedNumber(QStringLiteral("63")), 63);
    EXPECT_EQ(TypedNumber(QStringLiteral("")), -1);
    EXPECT_EQ(TypedNumber(QStringLiteral("6x")), -1);
}

// ---- port picker ------------------------------------------------------------------

TEST(PortPicker, SixtyFourBoxesFiftyShownTwelvePerRow)
{
    TPortUitForm picker;
    ASSERT_EQ(picker.Boxes().size(), 64);
    EXPECT_EQ(picker.PerRow(), 12);
    for (int k = 0; k < 64; ++k) {
        EXPECT_EQ(picker.Boxes()[k]->text(), QString::number(k + 1));
        EXPECT_EQ(picker.Boxes()[k]->isHidden(), k >= 50) << "box " << k;
    }
    // Box 12 starts the second row, box 13 is beside it.
    const QRect first = picker.Boxes()[0]->geometry(), next = picker.Boxes()[12]->geometry();
    EXPECT_EQ(next.left(), first.left());
    EXPECT_GT(next.top(), first.top());
    EXPECT_EQ(picker.Boxes()[13]->geometry().top(), next.top());
    EXPECT_EQ(picker.UnitPageControl()->tabText(0), "Unit1 KSW-4800");
    EXPECT_TRUE(picker.UnitPageControl()->tabBar()->isHidden());

    picker.Boxes()[3]->setChecked(true);
    picker.Boxes()[63]->setChecked(true);
    EXPECT_EQ(picker.CheckedCount(), 2);
    picker.Clear();
    EXPECT_EQ(picker.CheckedCount(), 0);
}

TEST(PortPicker, TenPerRowWhenDeviceInfoIsInTheWorkingFolder)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("DeviceInfo.ini")), "[Device]\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TPortUitForm picker;
    QDir::setCurrent(previous);
    EXPECT_EQ(picker.PerRow(), 10);
    EXPECT_EQ(picker.Boxes()[10]->geometry().left(), picker.Boxes()[0]->geometry().left());
    EXPECT_GT(picker.Boxes()[10]->geometry().top(), picker.Boxes()[0]->geometry().top());
}

// ---- write with exclusions ------------------------------------------------------------

// A bare editor over the Ethernet rule table: the two ids, the row status and
// the port picker, bound as the rule editors bind them.
class RuleForm : public TBindingDialog {
public:
    RuleForm()
    {
        CreateBinding(AclEthernetRuleTableDefs, 2);
        KvSNMPRequest2Edits& b = *Binding();
        b.AssociateEdits(0, QStringLiteral("%i{n1x6}"), {&profile});
        b.AssociateEdits(1, QStringLiteral("%i{n1x128}"), {&access});
        b.AssociateComboBox(EthernetRuleColumn::RowStatus - 1, &rowStatus);
        b.AssociateCheckBits(EthernetRuleColumn::Port - 1, TPortUitForm::BitList(), picker.Boxes());
        profile.setText(QStringLiteral("1"));
        access.setText(QStringLiteral("2"));
    }
    using TBindingDialog::DestroyRow;
    using TBindingDialog::Guarded;
    using TBindingDialog::WriteWithExclusions;

    QLineEdit profile, access;
    QComboBox rowStatus;
    TPortUitForm picker;
};

std::vector<std::uint32_t> AccessWords(const KvSNMPVarList& list)
{
    std::vector<std::uint32_t> words;
    for (int i = 0; i < list.Count(); ++i)
        words.push_back(list.ItemAt(i).Access);
    return words;
}

// Only the port and the row status go out: the other columns are excluded.
void WritePortAndStatus(RuleForm& form)
{
    form.rowStatus.setCurrentIndex(RowStatusItem::Active);
    form.WriteWithExclusions([](TSavedColumnFlags& flags) {
        for (int c = EthernetRuleColumn::Vlan; c <= EthernetRuleColumn::Owner; ++c)
            if (c != EthernetRuleColumn::Port && c != EthernetRuleColumn::RowStatus)
                flags.Exclude(c);
    });
}

using Write = AclAgentTest;

TEST_F(Write, DestroySendsOnlyTheRowStatusAsSix)
{
    RuleForm form;
    form.rowStatus.setCurrentIndex(RowStatusItem::Active);
    form.DestroyRow(EthernetRuleColumn::RowStatus, &form.rowStatus, RowStatusItem::Destroy);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, Oid(kEthRule, 15, "1.2"));
    EXPECT_EQ(sets[0].Bindings[0].Value, "6");
    EXPECT_EQ(form.rowStatus.currentText(), "destroy");
}

struct PortCase {
    std::vector<int> Ports;   // 1-based
    const char* Octets;
};

class PortBits : public Write, public ::testing::WithParamInterface<PortCase> {};

TEST_P(PortBits, AlwaysEightOctetsInBitsOrder)
{
    RuleForm form;
    for (int p : GetParam().Ports)
        form.picker.Boxes()[p - 1]->setChecked(true);
    WritePortAndStatus(form);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kEthRule, "1.2"), (std::vector<int>{14, 15}));
    const SetRecorder::VarBind& port = sets[0].Bindings[0];
    EXPECT_EQ(port.Value, GetParam().Octets);
    // Regression: port lists went out as BIT STRING, which agents refuse as the
    // wrong type; a BITS object is an OCTET STRING on the wire.
    EXPECT_EQ(port.Tag, 0x04);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortBits,
                         ::testing::Values(PortCase{{}, "0000000000000000"}, PortCase{{1}, "8000000000000000"},
                                           PortCase{{9, 50}, "0080000000004000"},
                                           PortCase{{8, 64}, "0100000000000001"}));

TEST_F(Write, ARefusedWriteLeavesNoColumnExcluded)
{
    RuleForm form;
    const std::vector<std::uint32_t> before = AccessWords(form.Binding()->Variables());
    recorder_->FailNextSet(17);   // notWritable
    EXPECT_FALSE(form.Guarded([&] { WritePortAndStatus(form); }));
    EXPECT_EQ(AccessWords(form.Binding()->Variables()), before);
    EXPECT_FALSE(form.StatusText().isEmpty());
    ASSERT_EQ(Sets().size(), 1u);

    // The next write carries the same columns again.
    WritePortAndStatus(form);
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Sets()[1].Oids(), Sets()[0].Oids());
}

TEST_F(Write, ClosingReleasesTheBinding)
{
    RuleForm form;
    form.Binding()->Get();
    EXPECT_EQ(form.Binding()->RowCount(), 1);
    form.done(QDialog::Rejected);
    EXPECT_EQ(form.Binding(), nullptr);
}

// ---- deletes ------------------------------------------------------------------------

// Every way of deleting a profile or a rule asks first, naming the line; No
// (the default) sends nothing.
struct DeleteCase {
    const char* Name;
    std::function<std::unique_ptr<TAclTableForm>()> Make;
    const char* Button;
    const char* DestroyList;   // the row status list showing "destroy" first ("" none)
    const char* Row;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.Name; }

class AclDeleteAsks : public AclAgentTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(AclDeleteAsks, NamingTheLineAndNoSendsNothing)
{
    const DeleteCase& c = GetParam();
    std::unique_ptr<TAclTableForm> form = c.Make();
    ASSERT_GT(KvReportRowCount(form->ListView), 0);
    KvSelectReportRow(form->ListView, 0);
    if (*c.DestroyList) {
        form->findChild<QComboBox*>(QString::fromLatin1(c.DestroyList))->setCurrentIndex(RowStatusItem::Destroy);
        // The rule editors write the row status only with its box checked.
        if (auto* box = form->findChild<QCheckBox*>(QStringLiteral("cbxRow")))
            box->setChecked(true);
    }
    messages_->Answer = QMessageBox::No;
    form->findChild<QPushButton*>(QString::fromLatin1(c.Button))->click();
    ASSERT_EQ(messages_->Requests().size(), 1u);
    EXPECT_EQ(messages_->Requests()[0].Text.toStdString(), DeleteQuestionText(QString::fromLatin1(c.Row)).toStdString());
    EXPECT_EQ(messages_->Requests()[0].DefaultButton, QMessageBox::No);
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Editors, AclDeleteAsks,
    ::testing::Values(
        DeleteCase{"EthernetMask", [] { return std::make_unique<TEthernetMaskInformationForm>(); }, "BT_Delete", "",
                   "Profile ID: 1"},
        DeleteCase{"EthernetMaskSetDestroy", [] { return std::make_unique<TEthernetMaskInformationForm>(); },
                   "SetBtn", "RowStatusComBo", "Profile ID: 1"},
        DeleteCase{"IpMask", [] { return std::make_unique<TIPMaskInformationForm>(); }, "BT_Delete", "",
                   "Profile ID: 3"},
        DeleteCase{"IpMaskSetDestroy", [] { return std::make_unique<TIPMaskInformationForm>(); }, "SetBtn",
                   "RowStatusComBo", "Profile ID: 3"},
        DeleteCase{"EthernetRule", [] { return std::make_unique<TEthernetInformationRuleForm>(); }, "DeleteButton",
                   "", "RuleProfile ID: 1, RuleAccess ID: 2"},
        DeleteCase{"EthernetRuleEditDestroy", [] { return std::make_unique<TEthernetInformationRuleForm>(); },
                   "EditButton", "RowComboBox", "RuleProfile ID: 1, RuleAccess ID: 2"},
        DeleteCase{"IpRule", [] { return std::make_unique<TIPRuleForm>(); }, "DeleteButton", "",
                   "Rule Profile ID: 3, Rule Access ID: 4"},
        DeleteCase{"IpRuleEditDestroy", [] { return std::make_unique<TIPRuleForm>(); }, "EditButton", "RowComboBox",
                   "Rule Profile ID: 3, Rule Access ID: 4"},
        DeleteCase{"PacketRule", [] { return std::make_unique<TUserDefinedInformationRuleForm>(); }, "DeleteButton",
                   "", "Rule Profile ID: 5, Rule Access ID: 6"},
        DeleteCase{"PacketRuleEditDestroy", [] { return std::make_unique<TUserDefinedInformationRuleForm>(); },
                   "EditButton", "RowComboBox", "Rule Profile ID: 5, Rule Access ID: 6"}));

// ---- field boxes of the rule editors ------------------------------------------------

// The field boxes of a rule editor (the port picker's boxes aside).
QList<QCheckBox*> FieldBoxes(QWidget& form)
{
    return form.findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^cbx")));
}

// A field the user changes is checked, so that Edit writes it and nothing else;
// every box comes unchecked when a line fills the fields or they are cleared
// (a checked VLAN box stayed over the emptied field after a write).
struct TickCase {
    const char* Name;
    std::function<std::unique_ptr<TAclRuleForm>()> Make;
    const char* Control;   // typed into (an edit) or stepped to a neighbouring item with the keys (a list)
    const char* Typed;     // "" for a list
    const char* Box;
    const char* Entry;
    const char* Index;
    std::vector<int> Columns;   // what Edit sends
};

void PrintTo(const TickCase& c, std::ostream* os) { *os << c.Name; }

class RuleFieldBoxes : public AclAgentTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(RuleFieldBoxes, ChangedFieldLeftUncheckedIsNotWritten)
{
    const TickCase& c = GetParam();
    std::unique_ptr<TAclRuleForm> form = c.Make();
    auto change = [&] {
        QWidget* control = form->findChild<QWidget*>(QString::fromLatin1(c.Control));
        if (*c.Typed) {
            QTest::keyClicks(control, QString::fromLatin1(c.Typed));
            return;
        }
        auto* list = qobject_cast<QComboBox*>(control);
        QTest::keyClick(list, list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
    };
    auto box = [&] { return form->findChild<QCheckBox*>(QString::fromLatin1(c.Box)); };
    auto noneChecked = [&](const char* when) {
        for (QCheckBox* b : FieldBoxes(*form))
            EXPECT_FALSE(b->isChecked()) << when << ": " << b->objectName().toStdString();
    };

    KvSelectReportRow(form->ListView, 0);
    noneChecked("line selected");
    change();
    EXPECT_TRUE(box()->isChecked());
    // Another line (here the same one again) shows its values unchanged.
    KvSelectReportRow(form->ListView, -1);
    KvSelectReportRow(form->ListView, 0);
    noneChecked("line selected again");

    change();
    form->EditButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], c.Entry, c.Index), c.Columns);
    noneChecked("after the write");
}

INSTANTIATE_TEST_SUITE_P(
    Editors, RuleFieldBoxes,
    ::testing::Values(
        TickCase{"EthernetTyped", [] { return std::make_unique<TEthernetInformationRuleForm>(); }, "VlanRuleEdit", "x",
                 "cbxVlan", kEthRule.c_str(), "1.2", {3}},
        TickCase{"EthernetChosen", [] { return std::make_unique<TEthernetInformationRuleForm>(); }, "PermitComboBox",
                 "", "cbxPermit", kEthRule.c_str(), "1.2", {13}},
        // The VLAN box is not one that Check All and Clear Checks handle.
        TickCase{"IpVlanTyped", [] { return std::make_unique<TIPRuleForm>(); }, "RuleVLANEdit", "x", "cbxRuleVLAN",
                 kIpRule.c_str(), "3.4", {3}},
        TickCase{"IpChosen", [] { return std::make_unique<TIPRuleForm>(); }, "PermitComboBox", "", "cbxPermit",
                 kIpRule.c_str(), "3.4", {20}},
        // This editor's Edit writes the port picker's ports as well.
        TickCase{"PacketTyped", [] { return std::make_unique<TUserDefinedInformationRuleForm>(); },
                 "OffsetGroupSecondEdit", "AB", "cbxGroupSecond", kPacketRule.c_str(), "5.6", {4, 14}}));

}  // namespace
