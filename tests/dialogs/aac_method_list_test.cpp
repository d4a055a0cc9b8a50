// The login and enable method list editors against ksw-sim behind the SET
// recorder: which columns Add and Edit send for each combination of method
// types (unset and "other" slots, server groups, methods after a terminal one
// with either answer), the refusals with their messages, the server groups
// (shown as the row has them, never written empty), and the default list that
// can be edited but not deleted.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/aac/Enablemethodlistunit.h"
#include "dialogs/aac/Loginmethodlistunit.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <array>
#include <functional>
#include <memory>

using namespace acltest;

namespace {

using Ints = std::vector<int>;

const std::string kLogin = "1.3.6.1.4.1.97531.12.5.3.1";
const std::string kEnable = "1.3.6.1.4.1.97531.12.5.4.1";
// The string indices of the lists "console", "default" and "ops".
const std::string kConsole = "7.99.111.110.115.111.108.101";
const std::string kDefault = "7.100.101.102.97.117.108.116";
const std::string kOps = "3.111.112.115";

// "console": radius, none; "default": server-group "group1", local.
std::string MethodData()
{
    std::string d;
    for (const std::string& entry : {kLogin, kEnable}) {
        d += TableData(entry,
                       {{2, "2", "4"}, {3, "4", ""}, {4, "2", "8"}, {5, "4", ""}, {6, "2", "9"}, {7, "4", ""},
                        {8, "2", "9"}, {9, "4", ""}, {10, "2", "1"}},
                       10, {kConsole});
        const std::string local = entry == kLogin ? "6" : "7";
        for (const auto& [column, value] : std::vector<std::pair<int, std::string>>{
                 {2, "2|5"}, {3, "4|group1"}, {4, "2|" + local}, {5, "4|"}, {6, "2|9"}, {7, "4|"}, {8, "2|9"},
                 {9, "4|"}, {10, "2|1"}})
            d += Oid(entry, column, kDefault) + "|" + value + "\n";
    }
    return d;
}

const QString kTerminalQuestion = QStringLiteral(
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?");

class AacMethodListTest : public AclAgentTest {
protected:
    static void SetUpTestSuite() { StartAgent(MethodData()); }
    void SetUp() override
    {
        AclAgentTest::SetUp();
        // Questions get the answer the test chose; every box is recorded.
        presenter_ = std::make_unique<KvScopedMessagePresenter>([this](const KvMessageRequest& r) {
            texts_ << r.Text;
            return r.Buttons.testFlag(QMessageBox::Yes) ? answer_ : QMessageBox::Ok;
        });
    }
    void TearDown() override
    {
        presenter_.reset();
        AclAgentTest::TearDown();
    }

    QStringList texts_;
    QMessageBox::StandardButton answer_ = QMessageBox::No;
    std::unique_ptr<KvScopedMessagePresenter> presenter_;
};

std::unique_ptr<TMethodListForm> MakeEditor(bool enable)
{
    if (enable)
        return std::make_unique<TEnableMethodForm>();
    return std::make_unique<TLoginMethodListForm>();
}

// As the user picks a method type from the list.
void Choose(QComboBox* combo, const char* label)
{
    const int item = combo->findText(QString::fromLatin1(label));
    combo->setCurrentIndex(item);
    Q_EMIT combo->activated(item);
}

// Method types of the four slots by their labels ("" shows nothing).
void SetTypes(TMethodListForm& f, const std::array<const char*, 4>& types)
{
    for (int k = 0; k < 4; ++k) {
        if (*types[k])
            f.TypeCombo[k]->setCurrentText(QString::fromLatin1(types[k]));
        else
            f.TypeCombo[k]->setCurrentIndex(-1);
    }
}

struct WriteCase {
    const char* Name;
    bool Enable;
    bool Edit;                                // Edit of "console", otherwise Add of "ops"
    std::array<const char*, 4> Types;
    std::function<void(TMethodListForm&)> Change;
    QMessageBox::StandardButton Answer;
    bool Asked;
    Ints Columns;                             // empty: nothing sent
    const char* Method1;                      // the value sent for method 1
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.Name; }

class MethodListWrite : public AacMethodListTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(MethodListWrite, SendsTheSetSlots)
{
    const WriteCase& c = GetParam();
    answer_ = c.Answer;
    auto form = MakeEditor(c.Enable);
    ASSERT_EQ(form->Counter->text(), "2");
    if (c.Edit) {
        KvSelectReportRow(form->ListView, 0);
        ASSERT_EQ(form->NameEdit->text(), "console");
    } else {
        form->NameEdit->setText(QStringLiteral("ops"));
    }
    SetTypes(*form, c.Types);
    if (c.Change)
        c.Change(*form);
    (c.Edit ? form->EditButton : form->AddButton)->click();

    // The delete question of an Edit with "destroy" has a test of its own.
    QStringList asked = texts_;
    asked.removeIf([](const QString& t) { return t.startsWith(QStringLiteral("Are you sure to delete ?")); });
    EXPECT_EQ(asked, c.Asked ? QStringList{kTerminalQuestion} : QStringList{});
    const auto sets = Sets();
    if (c.Columns.empty()) {
        EXPECT_TRUE(sets.empty());
        // Going back to change the methods keeps what the user chose.
        EXPECT_EQ(form->NameEdit->text(), c.Edit ? "console" : "ops");
        EXPECT_EQ(form->TypeCombo[0]->currentText(), QString::fromLatin1(c.Types[0]));
        return;
    }
    ASSERT_EQ(sets.size(), 1u);
    const std::string& entry = c.Enable ? kEnable : kLogin;
    const std::string& index = c.Edit ? kConsole : kOps;
    EXPECT_EQ(Columns(sets[0], entry, index), c.Columns);
    EXPECT_EQ(sets[0].ValueOf(Oid(entry, 2, index)), c.Method1);
    if (!c.Edit) {
        EXPECT_EQ(sets[0].ValueOf(Oid(entry, 10, index)), "4");
    }
    EXPECT_TRUE(form->NameEdit->text().isEmpty());
    EXPECT_TRUE(form->AddButton->isEnabled());
}

using A = std::array<const char*, 4>;
constexpr auto kNo = QMessageBox::No;
constexpr auto kYes = QMessageBox::Yes;

INSTANTIATE_TEST_SUITE_P(
    Slots, MethodListWrite,
    ::testing::Values(
        WriteCase{"LocalThenRadiusKept", false, false, A{"local", "radius", "", ""}, {}, kNo, true, {2, 10}, "6"},
        WriteCase{"LocalThenRadiusChangedBack", false, false, A{"local", "radius", "", ""}, {}, kYes, true, {}, ""},
        WriteCase{"NoneLastSet", false, false, A{"radius", "tacacs", "none", ""}, {}, kNo, false, {2, 4, 6, 10}, "4"},
        WriteCase{"OtherIsNotSet", false, false, A{"radius", "other", "local", "other"}, {}, kNo, false, {2, 6, 10},
                  "4"},
        WriteCase{"ServerGroupWithName", false, false, A{"server-group", "local", "", ""},
                  [](TMethodListForm& f) { f.GroupEdit[0]->setText(QStringLiteral("grp1")); }, kNo, false,
                  {2, 3, 4, 10}, "5"},
        // A name typed while the slot was a server group goes with the type change.
        WriteCase{"GroupNameTypedForAnotherType", false, false, A{"server-group", "", "", ""},
                  [](TMethodListForm& f) {
                      f.GroupEdit[0]->setText(QStringLiteral("grp1"));
                      Choose(f.TypeCombo[0], "radius");
                      EXPECT_FALSE(f.GroupEdit[0]->isEnabled());
                      EXPECT_TRUE(f.GroupEdit[0]->text().isEmpty());
                  },
                  kNo, false, {2, 10}, "4"},
        WriteCase{"EnableLocalThenNoneKept", true, false, A{"local-enable", "none", "radius", ""}, {}, kNo, true,
                  {2, 10}, "7"},
        WriteCase{"EditLeavesTheRowStatus", false, true, A{"tacacs-plus", "none", "", ""}, {}, kNo, false, {2, 4},
                  "3"},
        WriteCase{"EditDestroySendsOnlyTheStatus", false, true, A{"radius", "local", "tacacs", ""},
                  [](TMethodListForm& f) { f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy); }, kYes, false,
                  {10}, ""},
        WriteCase{"EnableEditAfterTerminalKept", true, true, A{"none", "radius", "", ""}, {}, kNo, true, {2}, "8"}));

struct RefusalCase {
    const char* Name;
    bool Enable;
    const char* ListName;
    int RowStatusItem;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class MethodListAddRefused : public AacMethodListTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(MethodListAddRefused, ShowsOneMessageAndSendsNothing)
{
    const RefusalCase& c = GetParam();
    auto form = MakeEditor(c.Enable);
    form->NameEdit->setText(QString::fromLatin1(c.ListName));
    SetTypes(*form, A{"local", "radius", "", ""});   // no question before the refusals
    form->RowComboBox->setCurrentIndex(c.RowStatusItem);
    form->AddButton->click();
    EXPECT_EQ(texts_, QStringList{QString::fromLatin1(c.Message)});
    EXPECT_TRUE(Sets().empty());
}

constexpr int kCreate = RowStatusItem::CreateAndGo;

INSTANTIATE_TEST_SUITE_P(
    Checks, MethodListAddRefused,
    ::testing::Values(
        RefusalCase{"LoginNoName", false, "", kCreate, "AAC Login Method List Name must be set."},
        RefusalCase{"EnableNoName", true, "", kCreate, "Enable MethodList Name must be set."},
        RefusalCase{"LoginListed", false, "console", kCreate,
                    "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
        RefusalCase{"EnableListed", true, "default", kCreate,
                    "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name."},
        RefusalCase{"NotCreate", false, "ops", RowStatusItem::Active, "Row State must be createAndGo."}));

TEST_F(AacMethodListTest, DefaultListCanBeEditedButNotDeleted)
{
    TLoginMethodListForm form;
    KvSelectReportRow(form.ListView, 1);
    ASSERT_EQ(form.NameEdit->text(), "default");
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    EXPECT_FALSE(form.NameEdit->isEnabled());
    KvSelectReportRow(form.ListView, 0);
    EXPECT_TRUE(form.DeleteButton->isEnabled());
}

// Loading a row shows its groups as the switch has them; the edit of a group
// is open only for a "server-group" method.
TEST_F(AacMethodListTest, SelectionShowsTheServerGroupsOfTheRow)
{
    TLoginMethodListForm form;
    KvSelectReportRow(form.ListView, 0);
    Choose(form.TypeCombo[1], "server-group");
    EXPECT_TRUE(form.GroupEdit[1]->isEnabled());
    form.GroupEdit[1]->setText(QStringLiteral("grp1"));
    KvSelectReportRow(form.ListView, 1);
    EXPECT_EQ(form.TypeCombo[0]->currentText(), "server-group");
    EXPECT_EQ(form.GroupEdit[0]->text(), "group1");
    EXPECT_TRUE(form.GroupEdit[0]->isEnabled());
    for (int k = 1; k < 4; ++k) {
        EXPECT_TRUE(form.GroupEdit[k]->text().isEmpty()) << k;
        EXPECT_FALSE(form.GroupEdit[k]->isEnabled()) << k;
    }
}

// The server group of a "server-group" method is never written empty: an
// unchanged Edit sends the group the row has, and an Edit or Add that would
// send none is refused with the slot named.
struct GroupCase {
    const char* Name;
    bool Enable;
    bool Edit;                                    // Edit of "default", otherwise Add of "ops"
    std::function<void(TMethodListForm&)> Change;
    const char* Message;                          // "" when the write goes out
    const char* Group;                            // the group sent for method 1
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.Name; }

class MethodListServerGroup : public AacMethodListTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(MethodListServerGroup, IsKeptOrRefusedEmpty)
{
    const GroupCase& c = GetParam();
    auto form = MakeEditor(c.Enable);
    if (c.Edit) {
        KvSelectReportRow(form->ListView, 1);
        ASSERT_EQ(form->NameEdit->text(), "default");
    } else {
        form->NameEdit->setText(QStringLiteral("ops"));
        SetTypes(*form, A{"server-group", "", "", ""});
    }
    if (c.Change)
        c.Change(*form);
    (c.Edit ? form->EditButton : form->AddButton)->click();

    const std::string& entry = c.Enable ? kEnable : kLogin;
    const auto sets = Sets();
    if (*c.Message) {
        EXPECT_EQ(texts_, QStringList{QString::fromLatin1(c.Message)});
        EXPECT_TRUE(sets.empty());
        return;
    }
    EXPECT_TRUE(texts_.isEmpty());
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].ValueOf(Oid(entry, 2, c.Edit ? kDefault : kOps)), "5");
    // Octet strings are recorded in hex.
    EXPECT_EQ(sets[0].ValueOf(Oid(entry, 3, c.Edit ? kDefault : kOps)), QByteArray(c.Group).toHex().toUpper().toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Groups, MethodListServerGroup,
    ::testing::Values(
        GroupCase{"LoginUnchangedEdit", false, true, {}, "", "group1"},
        GroupCase{"EnableUnchangedEdit", true, true, {}, "", "group1"},
        GroupCase{"EditWithAnotherGroup", false, true,
                  [](TMethodListForm& f) { f.GroupEdit[0]->setText(QStringLiteral("group2")); }, "", "group2"},
        GroupCase{"TypeChangedAwayAndBack", false, true,
                  [](TMethodListForm& f) {
                      Choose(f.TypeCombo[0], "radius");
                      Choose(f.TypeCombo[0], "server-group");
                  },
                  "Method1 ServerGroup must be set.", ""},
        GroupCase{"EnableEditGroupErased", true, true, [](TMethodListForm& f) { f.GroupEdit[0]->clear(); },
                  "Enable Method1 ServerGroup must be set.", ""},
        GroupCase{"AddWithoutGroup", false, false, {}, "Method1 ServerGroup must be set.", ""},
        GroupCase{"AddWithGroup", false, false,
                  [](TMethodListForm& f) { f.GroupEdit[0]->setText(QStringLiteral("group1")); }, "", "group1"}));

TEST_F(AacMethodListTest, DeleteAsksNamingTheListAndNoSendsNothing)
{
    TLoginMethodListForm form;
    KvSelectReportRow(form.ListView, 0);
    form.DeleteButton->click();
    EXPECT_EQ(texts_, QStringList{DeleteQuestionText("MethodList Name: console")});
    EXPECT_TRUE(Sets().empty());
}

TEST_F(AacMethodListTest, DeleteSendsTheDestroyAlone)
{
    TEnableMethodForm form;
    KvSelectReportRow(form.ListView, 0);
    answer_ = QMessageBox::Yes;
    form.DeleteButton->click();
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, Oid(kEnable, 10, kConsole));
    EXPECT_EQ(sets[0].Bindings[0].Value, "6");
    EXPECT_EQ(form.Counter->text(), "1");
}

TEST_F(AacMethodListTest, EditorsAreInTheCatalogue)
{
    EXPECT_NE(FindDialog("TLoginMethodListForm"), nullptr);
    EXPECT_NE(FindDialog("TEnableMethodForm"), nullptr);
}

}  // namespace
