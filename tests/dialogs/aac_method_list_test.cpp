// The login and enable method list editors against ksw-sim behind the SET
// recorder: which columns Add and Edit send for each combination of method
// types (unset and "other" slots, server groups, methods after a terminal one
// with either answer), the refusals with their messages, and the default list
// that can be edited but not deleted.
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

std::string MethodData()
{
    std::string d;
    for (const std::string& entry : {kLogin, kEnable})
        d += TableData(entry,
                       {{2, "2", "4"}, {3, "4", ""}, {4, "2", "8"}, {5, "4", ""}, {6, "2", "9"}, {7, "4", ""},
                        {8, "2", "9"}, {9, "4", ""}, {10, "2", "1"}},
                       10, {kConsole, kDefault});
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

    EXPECT_EQ(texts_, c.Asked ? QStringList{kTerminalQuestion} : QStringList{});
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
                      f.TypeCombo[0]->setCurrentText(QStringLiteral("radius"));
                      EXPECT_FALSE(f.GroupEdit[0]->isEnabled());
                  },
                  kNo, false, {2, 10}, "4"},
        WriteCase{"EnableLocalThenNoneKept", true, false, A{"local-enable", "none", "radius", ""}, {}, kNo, true,
                  {2, 10}, "7"},
        WriteCase{"EditLeavesTheRowStatus", false, true, A{"tacacs-plus", "none", "", ""}, {}, kNo, false, {2, 4},
                  "3"},
        WriteCase{"EditDestroySendsOnlyTheStatus", false, true, A{"radius", "local", "tacacs", ""},
                  [](TMethodListForm& f) { f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy); }, kNo, false,
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

TEST_F(AacMethodListTest, SelectionEmptiesTheServerGroupsAndOpensTheirEdits)
{
    TLoginMethodListForm form;
    KvSelectReportRow(form.ListView, 0);
    form.TypeCombo[1]->setCurrentText(QStringLiteral("server-group"));
    EXPECT_TRUE(form.GroupEdit[1]->isEnabled());
    form.GroupEdit[1]->setText(QStringLiteral("grp1"));
    KvSelectReportRow(form.ListView, 1);
    EXPECT_EQ(form.TypeCombo[0]->currentText(), "radius");
    for (QLineEdit* e : form.GroupEdit) {
        EXPECT_TRUE(e->text().isEmpty());
        EXPECT_FALSE(e->isEnabled());
    }
}

TEST_F(AacMethodListTest, DeleteSendsTheDestroyAlone)
{
    TEnableMethodForm form;
    KvSelectReportRow(form.ListView, 0);
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
