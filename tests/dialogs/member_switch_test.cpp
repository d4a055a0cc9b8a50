// The member switch windows against ksw-sim behind the SET recorder: the checks
// of a new member with their messages (nothing sent on a refusal), what Add and
// Delete send, the question before a Delete, and the column flags after it.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/Msinfortable.h"
#include "dialogs/device/Msunit.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "views/Viewmodal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

using namespace acltest;

namespace {

const std::string kMembers = "1.3.6.1.4.1.97531.12.8.1.3.1";

std::string MemberData()
{
    return TableData(kMembers,
                     {{2, "4", "member", false}, {3, "4x", "000A7B300001", false}, {4, "4", "1.02.008", false},
                      {5, "4", "L2 switch", false}, {6, "4", "KSW-4800", false}, {7, "2", "100", false},
                      {8, "2", "1"}, {9, "4", ""}, {10, "2", "1"}},
                     10, {"3", "5"});
}

class MemberSwitchTest : public AclAgentTest {
protected:
    static void SetUpTestSuite() { StartAgent(MemberData()); }
};

// Runs Add with the editor driven by `fill` once it has been shown; the editor's
// result comes back.
int AddThrough(TMSInformationForm& form, const std::function<void(TMSEditForm&)>& fill)
{
    int result = -1;
    TScopedModalRunner runner([&](QDialog& d) {
        auto& editor = static_cast<TMSEditForm&>(d);
        editor.show();
        fill(editor);
        editor.SetButton->click();
        result = editor.result();
        editor.hide();
        return result;
    });
    form.AddButton->click();
    return result;
}

struct RefusalCase {
    const char* Name;
    const char* Id;
    const char* Candidate;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class MemberAddRefused : public MemberSwitchTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(MemberAddRefused, ShowsOneMessageAndSendsNothing)
{
    const RefusalCase& c = GetParam();
    TMSInformationForm form;
    ASSERT_EQ(KvReportRowCount(form.ListView1), 2);
    const int result = AddThrough(form, [&](TMSEditForm& e) {
        e.MSIDEdit->setText(QString::fromLatin1(c.Id));
        e.KeyIDEdit->setText(QString::fromLatin1(c.Candidate));
    });
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(c.Message)});
    EXPECT_TRUE(Sets().empty());
    EXPECT_NE(result, QDialog::Accepted);   // the editor stays open
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MemberAddRefused,
    ::testing::Values(
        // The duplicate warning comes first, whatever else is wrong.
        RefusalCase{"ListedId", "3", "",
                    "There is already a record with the same Member Siwitch ID. Please modified it."},
        RefusalCase{"NoId", "", "2", "Member Siwitch ID is needed."},
        RefusalCase{"NoCandidate", "7", "", "Member Candidate ID is needed."}));

TEST_F(MemberSwitchTest, AddWritesCandidateEmptyPasswordAndCreate)
{
    TMSInformationForm form;
    const int result = AddThrough(form, [](TMSEditForm& e) {
        EXPECT_TRUE(e.MSIDEdit->text().isEmpty());
        EXPECT_TRUE(e.KeyIDEdit->isEnabled());
        // The one row status a new member accepts is the one offered, chosen.
        EXPECT_EQ(Offered(e.Row_Status), QStringList{"createAndGo"});
        EXPECT_EQ(e.Row_Status->currentIndex(), RowStatusItem::CreateAndGo);
        e.MSIDEdit->setText(QStringLiteral("7"));
        e.KeyIDEdit->setText(QStringLiteral("2"));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages_->Texts(), QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kMembers, "7"), (std::vector<int>{8, 9, 10}));
    EXPECT_EQ(sets[0].ValueOf(Oid(kMembers, 8, "7")), "2");
    EXPECT_TRUE(sets[0].Has(Oid(kMembers, 9, "7")));
    EXPECT_EQ(sets[0].ValueOf(Oid(kMembers, 9, "7")), "");
    EXPECT_EQ(sets[0].ValueOf(Oid(kMembers, 10, "7")), "4");
    EXPECT_EQ(KvReportRowCount(form.ListView1), 3);

    // The editor is kept for the window's life: closing it must not take its
    // binding, or the next Add would send nothing.
    AddThrough(form, [](TMSEditForm& e) {
        e.MSIDEdit->setText(QStringLiteral("8"));
        e.KeyIDEdit->setText(QStringLiteral("4"));
    });
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Columns(Sets()[1], kMembers, "8"), (std::vector<int>{8, 9, 10}));
}

// Delete asks first, naming the member; No (the default) sends nothing.
TEST_F(MemberSwitchTest, DeleteAsksNamingTheMemberAndNoSendsNothing)
{
    TMSInformationForm form;
    KvSelectReportRow(form.ListView1, 1);
    messages_->Answer = QMessageBox::No;
    form.DeleteButton->click();
    ASSERT_EQ(messages_->Requests().size(), 1u);
    const KvMessageRequest& asked = messages_->Requests()[0];
    EXPECT_EQ(asked.Text, DeleteQuestionText("ID: 5, Device Name: member"));
    EXPECT_EQ(asked.Buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(asked.DefaultButton, QMessageBox::No);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(KvReportRowCount(form.ListView1), 2);
}

TEST_F(MemberSwitchTest, DeleteSendsOnlyTheRowStatusAndGivesTheColumnsBack)
{
    TMSInformationForm form;
    KvSelectReportRow(form.ListView1, 1);
    ASSERT_EQ(KvReportCell(form.ListView1, 1, 0), "5");
    ASSERT_TRUE(form.DeleteButton->isEnabled());
    form.DeleteButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{DeleteQuestionText("ID: 5, Device Name: member")});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, Oid(kMembers, 10, "5"));
    EXPECT_EQ(sets[0].Bindings[0].Value, "6");
    EXPECT_EQ(KvReportRowCount(form.ListView1), 1);
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    const KvSNMPVarList& vars = form.Editor()->Binding()->Variables();
    for (int i = 1; i < vars.Count(); ++i)
        EXPECT_EQ(vars.ItemAt(i).Access, KvAccess::ReadWrite) << i;
}

TEST_F(MemberSwitchTest, DeleteWithoutSelectionSendsNothing)
{
    TMSInformationForm form;
    form.DeleteButtonClick();
    EXPECT_EQ(messages_->Texts(), QStringList{QStringLiteral("Choose the item first.")});
    EXPECT_TRUE(Sets().empty());
}

TEST_F(MemberSwitchTest, RefusedDeleteGoesToTheMemo)
{
    TMSInformationForm form;
    KvSelectReportRow(form.ListView1, 0);
    recorder_->FailNextSet(17);
    form.DeleteButton->click();
    EXPECT_EQ(Sets().size(), 1u);
    EXPECT_TRUE(form.Memo1->toPlainText().contains(QStringLiteral("not writable"), Qt::CaseInsensitive))
        << form.Memo1->toPlainText().toStdString();
    EXPECT_EQ(KvReportRowCount(form.ListView1), 2);
}

TEST_F(MemberSwitchTest, ListWindowIsInTheCatalogue)
{
    EXPECT_NE(FindDialog("TMSInformationForm"), nullptr);
}

}  // namespace
