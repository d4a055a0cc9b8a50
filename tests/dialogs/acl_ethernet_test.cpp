// The Ethernet mask and rule editors against ksw-sim: which columns each
// button writes for each mask state and setting, the checks that stop a write
// with their messages, and the state the rule editor returns to.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/acl/EthernetInformationRuleForm.h"
#include "dialogs/acl/EthernetMaskInformationForm.h"
#include "dialogs/acl/PortUitForm.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QUdpSocket>

#include <functional>

using namespace acltest;

namespace {

using Ints = std::vector<int>;

// ---- mask editor ----------------------------------------------------------------------

struct MaskCase {
    const char* Name;
    const char* Button;      // "SetBtn", "BT_Set" (Add) or "BT_Delete"
    const char* MaskState;
    int RowStatusItem;       // for Set
    Ints Columns;
    const char* RowStatus;   // the value sent
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.Name; }

class EthernetMask : public AclAgentTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(EthernetMask, WritesTheColumnsTheMaskStateUses)
{
    const MaskCase& c = GetParam();
    TEthernetMaskInformationForm form;
    ASSERT_EQ(KvReportRowCount(form.ListView), 2);
    const bool add = std::string(c.Button) == "BT_Set";
    if (add) {
        form.IDEdit->setText(QStringLiteral("7"));
        for (QComboBox* combo : {form.UseVLanComBo, form.Use8021pComBo, form.UseEthTypeCombo})
            combo->setCurrentIndex(0);
        form.MacAddMaskSourceEdit->setText(QStringLiteral("FFFFFF000000"));
        form.MacMaskDstEdit->setText(QStringLiteral("FFFFFFFFFFFF"));
    } else {
        KvSelectReportRow(form.ListView, 0);
        ASSERT_EQ(form.IDEdit->text(), "1");
        form.RowStatusComBo->setCurrentIndex(c.RowStatusItem);
    }
    form.MacMaskStateComBo->setCurrentText(QString::fromLatin1(c.MaskState));
    form.findChild<QPushButton*>(QString::fromLatin1(c.Button))->click();

    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    const std::string index = add ? "7" : "1";
    EXPECT_EQ(Columns(sets[0], kEthProfile, index), c.Columns);
    EXPECT_EQ(sets[0].ValueOf(Oid(kEthProfile, 8, index)), c.RowStatus);
    EXPECT_EQ(KvReportRowCount(form.ListView), add ? 3 : c.RowStatus == std::string("6") ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, EthernetMask,
    ::testing::Values(MaskCase{"SetOther", "SetBtn", "other", RowStatusItem::Active, {2, 3, 6, 7, 8}, "1"},
                      MaskCase{"SetDst", "SetBtn", "dst-mac-addr", RowStatusItem::Active, {2, 3, 5, 6, 7, 8}, "1"},
                      MaskCase{"SetSrc", "SetBtn", "src-mac-addr", RowStatusItem::Active, {2, 3, 4, 6, 7, 8}, "1"},
                      MaskCase{"SetBoth", "SetBtn", "dst-src-mac-addr", RowStatusItem::Active,
                               {2, 3, 4, 5, 6, 7, 8}, "1"},
                      MaskCase{"SetDestroy", "SetBtn", "dst-src-mac-addr", RowStatusItem::Destroy, {8}, "6"},
                      MaskCase{"AddDst", "BT_Set", "dst-mac-addr", 0, {2, 3, 5, 6, 7, 8}, "4"},
                      MaskCase{"Delete", "BT_Delete", "other", 0, {8}, "6"}));

TEST_F(AclAgentTest, EthernetMaskShowsAWriteTheAgentRefuses)
{
    TEthernetMaskInformationForm form;
    form.IDEdit->setText(QStringLiteral("1"));   // exists: createAndGo is refused
    form.MacMaskStateComBo->setCurrentIndex(0);
    form.BT_Set->click();
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_TRUE(form.StatusText().contains(QStringLiteral("inconsistent"), Qt::CaseInsensitive))
        << form.StatusText().toStdString();
    EXPECT_EQ(KvReportRowCount(form.ListView), 2);
}

// ---- rule editor -----------------------------------------------------------------------

QCheckBox* Box(QWidget& form, const char* name)
{
    return form.findChild<QCheckBox*>(QString::fromLatin1(name));
}

// A new rule 2/9 with every field filled in and only the row status checked
// (createAndGo); each case changes what it needs.
void FillNewRule(TEthernetInformationRuleForm& f)
{
    f.MaskIDEdit->setText(QStringLiteral("2"));
    f.AccessEdit->setText(QStringLiteral("9"));
    f.VlanRuleEdit->setText(QStringLiteral("v10"));
    f.SourceMACEdit->setText(QStringLiteral("001122334455"));
    f.DestMACEdit->setText(QStringLiteral("66778899aabb"));
    f.IEEE8021pEdit->setText(QStringLiteral("5"));
    f.EthTypeEdit->setText(QStringLiteral("86DD"));
    f.EnablePriorityComboBox->setCurrentText(QStringLiteral("enabled"));
    f.PriorityEdit->setText(QStringLiteral("3"));
    f.ReplacePriorityComboBox->setCurrentText(QStringLiteral("disabled"));
    f.EnableReplaceDSCPCBox->setCurrentText(QStringLiteral("enabled"));
    f.ReplaceDSCPEdit->setText(QStringLiteral("40"));
    f.PermitComboBox->setCurrentText(QStringLiteral("permit"));
    f.RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    Box(f, "cbxRow")->setChecked(true);
}

struct RefusalCase {
    const char* Name;
    std::function<void(TEthernetInformationRuleForm&)> Change;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class EthernetRuleAddRefused : public AclAgentTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EthernetRuleAddRefused, ShowsOneMessageAndSendsNothing)
{
    TEthernetInformationRuleForm form;
    FillNewRule(form);
    GetParam().Change(form);
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(GetParam().Message)});
    EXPECT_TRUE(Sets().empty());
}

using F = TEthernetInformationRuleForm;
INSTANTIATE_TEST_SUITE_P(
    Checks, EthernetRuleAddRefused,
    ::testing::Values(
        // The port count comes first, whatever else is wrong.
        RefusalCase{"TwoPorts",
                    [](F& f) {
                        f.MaskIDEdit->clear();
                        f.Picker->Boxes()[0]->setChecked(true);
                        f.Picker->Boxes()[7]->setChecked(true);
                    },
                    "olny one Port can be selected from portlist."},
        RefusalCase{"NoMaskId", [](F& f) { f.MaskIDEdit->clear(); }, "Mask ID must be set."},
        RefusalCase{"NoAccessId", [](F& f) { f.AccessEdit->clear(); }, "Access ID must be set."},
        RefusalCase{"CheckedEmpty",
                    [](F& f) {
                        f.VlanRuleEdit->clear();
                        Box(f, "cbxVlan")->setChecked(true);
                    },
                    "Some check field is empty\nVLAN Rule"},
        RefusalCase{"CheckedNoPermit",
                    [](F& f) {
                        f.PermitComboBox->setCurrentIndex(-1);
                        Box(f, "cbxPermit")->setChecked(true);
                    },
                    "Some check field is empty\nPermit"},
        // Every empty checked field is named, not only the first.
        RefusalCase{"SeveralCheckedEmpty",
                    [](F& f) {
                        f.CheckAllButton->click();
                        f.VlanRuleEdit->clear();
                        f.EthTypeEdit->clear();
                        f.PermitComboBox->setCurrentIndex(-1);
                    },
                    "Some check field is empty\nVLAN Rule, Ethernet Type Rule, Permit"},
        RefusalCase{"ShortMac",
                    [](F& f) {
                        f.SourceMACEdit->setText(QStringLiteral("00112233445"));
                        Box(f, "cbxSource")->setChecked(true);
                    },
                    "Invalid Macaddress"},
        RefusalCase{"BadMacDigit",
                    [](F& f) {
                        f.DestMACEdit->setText(QStringLiteral("00112233445G"));
                        Box(f, "cbxDestination")->setChecked(true);
                    },
                    "Invalid Macaddrss"},
        RefusalCase{"ShortEtherType",
                    [](F& f) {
                        f.EthTypeEdit->setText(QStringLiteral("800"));
                        Box(f, "cbxEtherType")->setChecked(true);
                    },
                    "Invalid EtherType"},
        RefusalCase{"Priority8",
                    [](F& f) {
                        f.PriorityEdit->setText(QStringLiteral("8"));
                        Box(f, "cbxPriority")->setChecked(true);
                    },
                    "Priority value should between 0-7"},
        RefusalCase{"Dscp64",
                    [](F& f) {
                        f.ReplaceDSCPEdit->setText(QStringLiteral("64"));
                        Box(f, "cbxReplaceDSCP")->setChecked(true);
                    },
                    "Realace value should between 0-63"},
        RefusalCase{"Duplicate",
                    [](F& f) {
                        f.MaskIDEdit->setText(QStringLiteral("1"));
                        f.AccessEdit->setText(QStringLiteral("2"));
                    },
                    "Has already a record with the same Mask ID and Access ID. Please change eithor of them."},
        RefusalCase{"RowNotChecked", [](F& f) { Box(f, "cbxRow")->setChecked(false); },
                    "Row State must be checked and set to createAndGo."},
        RefusalCase{"RowNotCreate", [](F& f) { f.RowComboBox->setCurrentIndex(RowStatusItem::Active); },
                    "Row State must be checked and set to createAndGo."}));

struct WriteCase {
    const char* Name;
    bool Edit;   // Edit of the selected line 1/2, otherwise Add of 2/9
    std::function<void(TEthernetInformationRuleForm&)> Change;
    Ints Columns;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.Name; }

class EthernetRuleWrite : public AclAgentTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(EthernetRuleWrite, SendsTheCheckedColumns)
{
    const WriteCase& c = GetParam();
    TEthernetInformationRuleForm form;
    ASSERT_EQ(form.StaticText1->text(), "1");
    if (c.Edit) {
        KvSelectReportRow(form.ListView, 0);
        ASSERT_EQ(form.MaskIDEdit->text(), "1");
        ASSERT_EQ(form.AccessEdit->text(), "2");
        EXPECT_TRUE(form.EditButton->isEnabled());
        EXPECT_FALSE(form.AddButton->isEnabled());
        EXPECT_FALSE(form.MaskIDEdit->isEnabled());
    } else {
        FillNewRule(form);
    }
    c.Change(form);
    (c.Edit ? form.EditButton : form.AddButton)->click();
    // A delete's question has a test of its own.
    QStringList texts = messages_->Texts();
    texts.removeIf([](const QString& t) { return t.startsWith(QStringLiteral("Are you sure to delete ?")); });
    EXPECT_EQ(texts, QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kEthRule, c.Edit ? "1.2" : "2.9"), c.Columns);

    // Back to the idle state with the fields cleared and the list read again.
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.AddButton->isEnabled());
    EXPECT_TRUE(form.MaskIDEdit->text().isEmpty());
    EXPECT_FALSE(Box(form, "cbxRow")->isChecked());
    EXPECT_EQ(form.Picker->CheckedCount(), 0);
    EXPECT_EQ(form.StaticText1->text(), QString::number(KvReportRowCount(form.ListView)));
}

const Ints kAllButPort{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15};

INSTANTIATE_TEST_SUITE_P(
    Buttons, EthernetRuleWrite,
    ::testing::Values(
        WriteCase{"AddOnlyRow", false, [](F&) {}, {14, 15}},
        WriteCase{"AddCheckAll", false, [](F& f) { f.CheckAllButton->click(); },
                  {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        WriteCase{"AddPriorityDisabled", false,
                  [](F& f) {
                      f.CheckAllButton->click();
                      f.EnablePriorityComboBox->setCurrentText(QStringLiteral("disabled"));
                  },
                  {3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15}},
        // Priority boxes without the enable box: priority counts as disabled.
        WriteCase{"AddPriorityUnknown", false,
                  [](F& f) {
                      Box(f, "cbxPriority")->setChecked(true);
                      Box(f, "cbxReplacePriority")->setChecked(true);
                  },
                  {14, 15}},
        WriteCase{"EditDestroy", true,
                  [](F& f) {
                      f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy);
                      f.CheckAllButton->click();
                  },
                  {15}},
        // The line's priority is disabled and its box unchecked: priority stays out.
        WriteCase{"EditLinePriorityDisabled", true,
                  [](F& f) {
                      f.CheckAllButton->click();
                      Box(f, "cbxEnablePriority")->setChecked(false);
                      f.RowComboBox->setCurrentIndex(RowStatusItem::Active);
                      f.Picker->Boxes()[5]->setChecked(true);
                  },
                  {3, 4, 5, 6, 7, 11, 12, 13, 15}},
        WriteCase{"EditEnablesPriority", true,
                  [](F& f) {
                      f.CheckAllButton->click();
                      f.EnablePriorityComboBox->setCurrentText(QStringLiteral("enabled"));
                      f.PriorityEdit->setText(QStringLiteral("2"));
                      f.RowComboBox->setCurrentIndex(RowStatusItem::Active);
                  },
                  kAllButPort}));

TEST_F(AclAgentTest, EthernetRuleAddWritesTheRuleAndItsPort)
{
    TEthernetInformationRuleForm form;
    FillNewRule(form);
    form.CheckAllButton->click();
    form.Picker->Boxes()[2]->setChecked(true);
    form.AddButton->click();
    ASSERT_EQ(Sets().size(), 1u);
    const SetRecorder::SetRequest set = Sets()[0];
    EXPECT_EQ(set.ValueOf(Oid(kEthRule, 4, "2.9")), "001122334455");
    EXPECT_EQ(set.ValueOf(Oid(kEthRule, 5, "2.9")), "66778899AABB");
    EXPECT_EQ(set.ValueOf(Oid(kEthRule, 7, "2.9")), "86DD");
    EXPECT_EQ(set.ValueOf(Oid(kEthRule, 14, "2.9")), "2000000000000000");
    EXPECT_EQ(set.ValueOf(Oid(kEthRule, 15, "2.9")), "4");
    EXPECT_EQ(form.StaticText1->text(), "2");

    // The new line reads back as it was written.
    KvSelectReportRow(form.ListView, 1);
    EXPECT_EQ(form.AccessEdit->text(), "9");
    EXPECT_EQ(form.EthTypeEdit->text(), "86DD");
    EXPECT_TRUE(form.Picker->Boxes()[2]->isChecked());
}

TEST_F(AclAgentTest, EthernetRuleSelectionSetsThePriorityControls)
{
    TEthernetInformationRuleForm form;
    // Nothing shown at creation: the priority controls start disabled.
    EXPECT_FALSE(form.PriorityEdit->isEnabled());
    KvSelectReportRow(form.ListView, 0);   // its priority is disabled
    EXPECT_EQ(form.EnablePriorityComboBox->currentText(), "disabled");
    EXPECT_FALSE(form.PriorityEdit->isEnabled());
    EXPECT_FALSE(form.ReplacePriorityComboBox->isEnabled());
    KvSelectReportRow(form.ListView, -1);
    EXPECT_TRUE(form.MaskIDEdit->text().isEmpty());
    EXPECT_TRUE(form.AddButton->isEnabled());
}

TEST_F(AclAgentTest, EthernetRuleRefusedWriteReturnsToIdleWithItsError)
{
    TEthernetInformationRuleForm form;
    KvSelectReportRow(form.ListView, 0);
    const std::vector<std::uint32_t> before = [&] {
        std::vector<std::uint32_t> w;
        for (int i = 0; i < form.Binding()->Variables().Count(); ++i)
            w.push_back(form.Binding()->Variables().ItemAt(i).Access);
        return w;
    }();
    recorder_->FailNextSet(17);
    Box(form, "cbxVlan")->setChecked(true);
    form.VlanRuleEdit->setText(QStringLiteral("other"));
    form.EditButton->click();
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_FALSE(form.StatusText().isEmpty());
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.MaskIDEdit->text().isEmpty());
    for (int i = 0; i < form.Binding()->Variables().Count(); ++i)
        EXPECT_EQ(form.Binding()->Variables().ItemAt(i).Access, before[static_cast<std::size_t>(i)]) << i;
}

TEST_F(AclAgentTest, EthernetRuleOpensWithTheErrorWhenTheAgentIsSilent)
{
    quint16 silent = 0;
    {
        QUdpSocket probe;   // a port nobody answers on once the probe is gone
        ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
        silent = probe.localPort();
    }
    DefaultDevice.Port = silent;
    DefaultTimeout = 10;
    TEthernetInformationRuleForm form;
    EXPECT_FALSE(form.StatusText().isEmpty());
    EXPECT_FALSE(form.StatusText().contains(QStringLiteral("Ok!")));
    EXPECT_EQ(form.StaticText1->text(), "0");
    EXPECT_TRUE(form.AddButton->isEnabled());
    form.done(QDialog::Rejected);
    EXPECT_EQ(form.Binding(), nullptr);
}

TEST_F(AclAgentTest, EthernetEditorsAreInTheCatalogue)
{
    EXPECT_NE(FindDialog("TEthernetMaskInformationForm"), nullptr);
    EXPECT_NE(FindDialog("TEthernetInformationRuleForm"), nullptr);
}

}  // namespace
