// The packet-content rule editor against ksw-sim: offset windows (how many may
// carry content, which texts pass), the action that keeps a deny rule from
// rewriting anything, and what each button sends.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/acl/PortUitForm.h"
#include "dialogs/acl/UserDefinedInformationRuleForm.h"
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
using P = TUserDefinedInformationRuleForm;

QCheckBox* Box(QWidget& form, const char* name)
{
    return form.findChild<QCheckBox*>(QString::fromLatin1(name));
}

const QString kZeros(32, QLatin1Char('0'));

// A new rule 1/1 with createAndGo shown and no box checked.
void NewRule(P& f)
{
    f.ProfileIDEdit->setText(QStringLiteral("1"));
    f.AccessIDEdit->setText(QStringLiteral("1"));
}

struct WriteCase {
    const char* Name;
    const char* Button;   // "AddButton" for rule 1/1; "EditButton" / "DeleteButton" on the selected 5/6
    std::function<void(P&)> Change;
    Ints Columns;
    const char* RowStatus;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.Name; }

class PacketRuleWrite : public AclAgentTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PacketRuleWrite, SendsTheCheckedColumns)
{
    const WriteCase& c = GetParam();
    P form;
    const bool add = std::string(c.Button) == "AddButton";
    if (add) {
        NewRule(form);
    } else {
        KvSelectReportRow(form.ListView, 0);
        ASSERT_EQ(form.ProfileIDEdit->text(), "5");
        ASSERT_EQ(form.PermitComboBox->currentText(), "deny");
    }
    c.Change(form);
    form.findChild<QPushButton*>(QString::fromLatin1(c.Button))->click();
    // A delete's question has a test of its own.
    QStringList texts = messages_->Texts();
    texts.removeIf([](const QString& t) { return t.startsWith(QStringLiteral("Are you sure to delete ?")); });
    EXPECT_EQ(texts, QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    const std::string index = add ? "1.1" : "5.6";
    EXPECT_EQ(Columns(sets[0], kPacketRule, index), c.Columns);
    EXPECT_EQ(sets[0].ValueOf(Oid(kPacketRule, 15, index)), c.RowStatus);
    EXPECT_EQ(form.StaticText1->text(), QString::number(KvReportRowCount(form.ListView)));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PacketRuleWrite,
    ::testing::Values(
        // The row status goes with an Add whatever its box says.
        WriteCase{"AddRowUnchecked", "AddButton", [](P&) {}, {14, 15}, "4"},
        // A window of 32 zeros carries nothing and does not count.
        WriteCase{"AddThreeWindowsOneEmpty", "AddButton",
                  [](P& f) {
                      f.OffsetGroupFirstEdit->setText(QStringLiteral("00ff"));
                      f.OffsetGroupSecondEdit->setText(kZeros);
                      f.OffsetGroupThirdEdit->setText(QStringLiteral("AB"));
                      for (const char* b : {"cbxGroupFirst", "cbxGroupSecond", "cbxGroupThird"})
                          Box(f, b)->setChecked(true);
                  },
                  {3, 4, 5, 14, 15}, "4"},
        WriteCase{"EditDenyRewritesNothing", "EditButton", [](P& f) { f.CheckAllButton->click(); },
                  {3, 4, 5, 6, 7, 13, 14, 15}, "1"},
        WriteCase{"EditPermitCheckAll", "EditButton",
                  [](P& f) {
                      f.PermitComboBox->setCurrentText(QStringLiteral("permit"));
                      f.CheckAllButton->click();
                  },
                  {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "1"},
        // Without its box the action does not decide: the checked fields go.
        WriteCase{"EditPermitUnchecked", "EditButton",
                  [](P& f) {
                      f.CheckAllButton->click();
                      Box(f, "cbxPermit")->setChecked(false);
                      Box(f, "cbxRow")->setChecked(false);
                  },
                  {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14}, ""},
        WriteCase{"EditDestroy", "EditButton",
                  [](P& f) {
                      f.CheckAllButton->click();
                      f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy);
                  },
                  {15}, "6"},
        WriteCase{"Delete", "DeleteButton", [](P&) {}, {15}, "6"}));

TEST_F(AclAgentTest, PacketRuleSendsAnOffsetAsTyped)
{
    P form;
    NewRule(form);
    form.OffsetGroupFifthEdit->setText(QStringLiteral("0800ab"));
    Box(form, "cbxGroupFifth")->setChecked(true);
    form.AddButton->click();
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Sets()[0].ValueOf(Oid(kPacketRule, 7, "1.1")), "0800AB");
    EXPECT_EQ(form.StaticText1->text(), "2");
}

struct RefusalCase {
    const char* Name;
    std::function<void(P&)> Change;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class PacketRuleRefused : public AclAgentTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PacketRuleRefused, ShowsOneMessageAndSendsNothing)
{
    P form;
    NewRule(form);
    GetParam().Change(form);
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(GetParam().Message)});
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, PacketRuleRefused,
    ::testing::Values(
        RefusalCase{"NoProfileId", [](P& f) { f.ProfileIDEdit->clear(); }, "Profile ID must be set."},
        RefusalCase{"NoAccessId", [](P& f) { f.AccessIDEdit->clear(); }, "Access ID must be set."},
        RefusalCase{"Duplicate",
                    [](P& f) {
                        f.ProfileIDEdit->setText(QStringLiteral("5"));
                        f.AccessIDEdit->setText(QStringLiteral("6"));
                    },
                    "There is already a record with the same Profile ID and Access ID. Please modified eithor of "
                    "them."},
        RefusalCase{"RowCheckedNotCreate",
                    [](P& f) {
                        Box(f, "cbxRow")->setChecked(true);
                        f.RowComboBox->setCurrentIndex(RowStatusItem::Active);
                    },
                    "Row State must be createAndGo."},
        RefusalCase{"ThreeWindows",
                    [](P& f) {
                        for (QLineEdit* e : {f.OffsetGroupFirstEdit, f.OffsetGroupThirdEdit, f.OffsetGroupFifthEdit})
                            e->setText(QStringLiteral("01"));
                        for (const char* b : {"cbxGroupFirst", "cbxGroupThird", "cbxGroupFifth"})
                            Box(f, b)->setChecked(true);
                    },
                    "Packet(s) Offset can not over two groups."},
        RefusalCase{"ThirtyThreeDigits",
                    [](P& f) {
                        f.OffsetGroupSecondEdit->setText(kZeros + QStringLiteral("1"));
                        Box(f, "cbxGroupSecond")->setChecked(true);
                    },
                    "Packet(s) Offset [16 to 31] can not contain invalid character(s)."},
        RefusalCase{"LastDigitG",
                    [](P& f) {
                        f.OffsetGroupFirstEdit->setText(QString(31, QLatin1Char('0')) + QStringLiteral("G"));
                        Box(f, "cbxGroupFirst")->setChecked(true);
                    },
                    "Packet(s) Offset [0 to 15] can not contain invalid character(s)."}));

TEST_F(AclAgentTest, PacketRuleDenyDisablesThePriorityControls)
{
    P form;
    EXPECT_TRUE(form.PriorityEdit->isEnabled());
    KvSelectReportRow(form.ListView, 0);   // a deny rule
    EXPECT_FALSE(form.PriorityEdit->isEnabled());
    EXPECT_FALSE(Box(form, "cbxReplaceDscp")->isEnabled());
    form.PermitComboBox->setCurrentText(QStringLiteral("permit"));
    EXPECT_TRUE(form.EnablePriComboBox->isEnabled());
    form.PermitComboBox->setCurrentText(QStringLiteral("deny"));
    EXPECT_FALSE(form.EnablePriComboBox->isEnabled());
    KvSelectReportRow(form.ListView, -1);
    EXPECT_TRUE(form.PriorityEdit->isEnabled());
    // The fields stay as they were when the selection goes.
    EXPECT_EQ(form.ProfileIDEdit->text(), "5");
    EXPECT_NE(FindDialog("TUserDefinedInformationRuleForm"), nullptr);
}

TEST_F(AclAgentTest, PacketRuleCounterShowsZeroForAnEmptyTable)
{
    P form;
    EXPECT_EQ(form.StaticText1->text(), "1");
    KvSelectReportRow(form.ListView, 0);
    form.DeleteButton->click();
    EXPECT_EQ(KvReportRowCount(form.ListView), 0);
    EXPECT_EQ(form.StaticText1->text(), "0");
}

}  // namespace
