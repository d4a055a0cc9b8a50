// The authentication server editors against ksw-sim behind the SET recorder:
// which columns Add, Edit and Delete of a server send for each protocol and
// empty field, the question before a Delete, the refusals with their messages
// (nothing sent), and the server-group control's Set with its status texts.
#include "AclFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/aac/Accservercontrol.h"
#include "dialogs/aac/Serverinfounit.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>

using namespace acltest;

namespace {

using Ints = std::vector<int>;

const std::string kServers = "1.3.6.1.4.1.97531.12.5.10.1";
const std::string kGroupControl = "1.3.6.1.4.1.97531.12.5.12.1";

std::string ServerData()
{
    std::string d = TableData(kServers, {{3, "2", "49"}, {4, "4", "secret"}, {5, "2", "5"}, {6, "2", "2"}, {7, "2", "1"}},
                              7, {"192.0.2.31.3", "192.0.2.32.4"});
    d += "#!writable " + kGroupControl + ".4\n";
    d += "#!rowstatus " + kGroupControl + ".4 1 2\n";
    d += kGroupControl + ".4.6.103.114.111.117.112.49.192.0.2.32.4|2|1\n";
    return d;
}

class AacServerTest : public AclAgentTest {
protected:
    static void SetUpTestSuite() { StartAgent(ServerData()); }
};

// A new server 10.0.0.9 (radius unless changed) with every field filled in.
void FillNewServer(TServerInformationForm& f)
{
    f.IPEdit->setText(QStringLiteral("10.0.0.9"));
    f.ProtocolComboBox->setCurrentText(QStringLiteral("radius"));
    f.PortEdit->setText(QStringLiteral("1812"));
    f.KeyEdit->setText(QStringLiteral("k3y"));
    f.TimeoutEdit->setText(QStringLiteral("7"));
    f.RetryCEdit->setText(QStringLiteral("3"));
    f.RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
}

using F = TServerInformationForm;

struct AddCase {
    const char* Name;
    std::function<void(F&)> Change;
    const char* Index;
    Ints Columns;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.Name; }

class ServerAdd : public AacServerTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(ServerAdd, SendsTheFieldsTheProtocolKeeps)
{
    const AddCase& c = GetParam();
    TServerInformationForm form;
    ASSERT_EQ(form.Counter->text(), "2");
    FillNewServer(form);
    c.Change(form);
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kServers, c.Index), c.Columns);
    EXPECT_EQ(sets[0].ValueOf(Oid(kServers, 7, c.Index)), "4");
    // The counter follows the list read again (the agent leaves the columns
    // not written out of the new row, so the line count is not fixed here).
    EXPECT_EQ(form.Counter->text(), QString::number(KvReportRowCount(form.ListView)));
    EXPECT_GT(KvReportRowCount(form.ListView), 2);
    // Back to idle with the fields cleared, ready for the next Add.
    EXPECT_TRUE(form.IPEdit->text().isEmpty());
    EXPECT_EQ(form.RowComboBox->currentIndex(), RowStatusItem::CreateAndGo);
    EXPECT_TRUE(form.AddButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Protocols, ServerAdd,
    ::testing::Values(
        AddCase{"RadiusAllFields", [](F&) {}, "10.0.0.9.4", {3, 4, 5, 6, 7}},
        AddCase{"RadiusEmptyKey", [](F& f) { f.KeyEdit->clear(); }, "10.0.0.9.4", {3, 5, 6, 7}},
        AddCase{"RadiusOnlyStatus",
                [](F& f) {
                    for (QLineEdit* e : {f.PortEdit, f.KeyEdit, f.TimeoutEdit, f.RetryCEdit})
                        e->clear();
                },
                "10.0.0.9.4", {7}},
        // The retry count typed before the protocol was chosen is emptied.
        AddCase{"TacacsPlusDropsRetry",
                [](F& f) {
                    f.ProtocolComboBox->setCurrentText(QStringLiteral("tacacs-plus"));
                    EXPECT_FALSE(f.RetryCEdit->isEnabled());
                },
                "10.0.0.9.3", {3, 4, 5, 7}},
        AddCase{"TacacsDropsKey",
                [](F& f) {
                    f.ProtocolComboBox->setCurrentText(QStringLiteral("tacacs"));
                    EXPECT_FALSE(f.KeyEdit->isEnabled());
                },
                "10.0.0.9.1", {3, 5, 6, 7}},
        // A listed address with another protocol is another server.
        AddCase{"ListedAddressOtherProtocol",
                [](F& f) {
                    f.IPEdit->setText(QStringLiteral("192.0.2.32"));
                    f.ProtocolComboBox->setCurrentText(QStringLiteral("xtacacs"));
                },
                "192.0.2.32.2", {3, 5, 6, 7}}));

struct RefusalCase {
    const char* Name;
    std::function<void(F&)> Change;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class ServerAddRefused : public AacServerTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ServerAddRefused, ShowsOneMessageAndSendsNothing)
{
    TServerInformationForm form;
    FillNewServer(form);
    GetParam().Change(form);
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QString::fromLatin1(GetParam().Message)});
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ServerAddRefused,
    ::testing::Values(
        RefusalCase{"NoAddress", [](F& f) { f.IPEdit->clear(); }, "Please input a valid ip"},
        RefusalCase{"DoubleZeroGroup", [](F& f) { f.IPEdit->setText(QStringLiteral("192.168.00.1")); },
                    "Please input a valid ip"},
        RefusalCase{"NoProtocol", [](F& f) { f.ProtocolComboBox->setCurrentIndex(-1); }, "Protocol must be set."},
        RefusalCase{"ListedServer",
                    [](F& f) {
                        f.IPEdit->setText(QStringLiteral("192.0.2.32"));
                        f.ProtocolComboBox->setCurrentText(QStringLiteral("radius"));
                    },
                    "Has already a record with the same Server IP and Protocol. Please change Server IP or Protocol."},
        RefusalCase{"NotCreate", [](F& f) { f.RowComboBox->setCurrentIndex(RowStatusItem::Active); },
                    "Row State must be createAndGo."}));

struct EditCase {
    const char* Name;
    bool Delete;
    std::function<void(F&)> Change;
    Ints Columns;
    bool Asks = false;   // the delete question comes first
};

const QString kServerQuestion = DeleteQuestionText("IP Address: 192.0.2.32, Auth Protocol: radius");

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.Name; }

class ServerEdit : public AacServerTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(ServerEdit, SendsTheFilledFieldsOfTheSelectedServer)
{
    const EditCase& c = GetParam();
    TServerInformationForm form;
    KvSelectReportRow(form.ListView, 1);
    ASSERT_EQ(form.IPEdit->text(), "192.0.2.32");
    ASSERT_EQ(form.ProtocolComboBox->currentText(), "radius");
    EXPECT_FALSE(form.IPEdit->isEnabled());
    EXPECT_FALSE(form.AddButton->isEnabled());
    EXPECT_TRUE(form.DeleteButton->isEnabled());
    c.Change(form);
    (c.Delete ? form.DeleteButton : form.EditButton)->click();
    EXPECT_EQ(messages_->Texts(), c.Asks ? QStringList{kServerQuestion} : QStringList{});
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Columns(sets[0], kServers, "192.0.2.32.4"), c.Columns);
    EXPECT_FALSE(form.EditButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ServerEdit,
    ::testing::Values(EditCase{"AllFields", false, [](F&) {}, {3, 4, 5, 6}},
                      EditCase{"EmptyKeyAndTimeout", false,
                               [](F& f) {
                                   f.KeyEdit->clear();
                                   f.TimeoutEdit->clear();
                               },
                               {3, 6}},
                      EditCase{"Destroy", false,
                               [](F& f) { f.RowComboBox->setCurrentIndex(RowStatusItem::Destroy); }, {7}, true},
                      EditCase{"Delete", true, [](F&) {}, {7}, true}));

// Delete, and Edit with "destroy" chosen, ask first naming the server; No
// (the default) sends nothing.
class ServerDeleteAsks : public AacServerTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ServerDeleteAsks, NamingTheServerAndNoSendsNothing)
{
    TServerInformationForm form;
    KvSelectReportRow(form.ListView, 1);
    messages_->Answer = QMessageBox::No;
    if (GetParam()) {
        form.DeleteButton->click();
    } else {
        form.RowComboBox->setCurrentIndex(RowStatusItem::Destroy);
        form.EditButton->click();
    }
    ASSERT_EQ(messages_->Requests().size(), 1u);
    EXPECT_EQ(messages_->Requests()[0].Text, kServerQuestion);
    EXPECT_EQ(messages_->Requests()[0].DefaultButton, QMessageBox::No);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(KvReportRowCount(form.ListView), 2);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ServerDeleteAsks, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "Delete" : "EditDestroy"); });

// Add takes "createAndGo" only: without a selected line that is all the row
// status list offers, already chosen; a selected line offers every status.
TEST_F(AacServerTest, RowStatusOffersWhatAddAndEditAccept)
{
    TServerInformationForm form;
    auto expectAddOnly = [&](const char* when) {
        EXPECT_EQ(Offered(form.RowComboBox), QStringList{"createAndGo"}) << when;
        EXPECT_EQ(form.RowComboBox->currentText(), "createAndGo") << when;
    };
    expectAddOnly("opened");
    QTest::keyClick(form.RowComboBox, Qt::Key_Down);
    QTest::keyClick(form.RowComboBox, Qt::Key_Up);
    expectAddOnly("after the arrow keys");
    KvSelectReportRow(form.ListView, 1);
    QStringList all;
    for (int i = 0; i < form.RowComboBox->count(); ++i)
        all << form.RowComboBox->itemText(i);
    EXPECT_GT(all.size(), 1);
    EXPECT_EQ(Offered(form.RowComboBox), all);
    EXPECT_EQ(form.RowComboBox->currentText(), "active");
    KvSelectReportRow(form.ListView, -1);
    expectAddOnly("selection gone");

    // Add without touching the list creates the row.
    form.IPEdit->setText(QStringLiteral("10.0.0.9"));
    form.ProtocolComboBox->setCurrentText(QStringLiteral("radius"));
    form.AddButton->click();
    EXPECT_EQ(messages_->Texts(), QStringList{});
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Sets()[0].ValueOf(Oid(kServers, 7, "10.0.0.9.4")), "4");
    expectAddOnly("after the Add");
}

// A port out of range is refused when the field is left; the field keeps what
// the user typed, not the port of a line left earlier, so that nothing else
// can go out in its place.
TEST_F(AacServerTest, RefusedPortKeepsTheTypedText)
{
    TServerInformationForm form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    KvSelectReportRow(form.ListView, 1);
    ASSERT_EQ(form.PortEdit->text(), "49");
    form.PortEdit->setFocus();
    QTest::keyClick(form.PortEdit, Qt::Key_Tab);   // 49 accepted on leaving
    KvSelectReportRow(form.ListView, -1);
    ASSERT_TRUE(form.PortEdit->text().isEmpty());

    form.PortEdit->setFocus();
    QTest::keyClicks(form.PortEdit, "70000");
    QTest::keyClick(form.PortEdit, Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(messages_->Texts().size(), 1);
    EXPECT_TRUE(messages_->Texts()[0].contains("65535")) << messages_->Texts()[0].toStdString();
    EXPECT_EQ(form.PortEdit->text(), "70000");
    EXPECT_TRUE(form.PortEdit->hasFocus());
    EXPECT_TRUE(Sets().empty());
}

TEST_F(AacServerTest, SelectingATacacsPlusServerClosesTheRetryCount)
{
    TServerInformationForm form;
    KvSelectReportRow(form.ListView, 0);
    ASSERT_EQ(form.ProtocolComboBox->currentText(), "tacacs-plus");
    EXPECT_EQ(form.KeyEdit->text(), "secret");
    EXPECT_TRUE(form.KeyEdit->isEnabled());
    EXPECT_TRUE(form.RetryCEdit->text().isEmpty());
    EXPECT_FALSE(form.RetryCEdit->isEnabled());
    KvSelectReportRow(form.ListView, -1);
    EXPECT_TRUE(form.RetryCEdit->isEnabled());
    EXPECT_TRUE(form.IPEdit->isEnabled());
}

TEST_F(AacServerTest, RefusedDeleteLeavesItsTextAndTheIdleState)
{
    TServerInformationForm form;
    KvSelectReportRow(form.ListView, 1);
    recorder_->FailNextSet(17);
    form.DeleteButton->click();
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_TRUE(form.StatusText().contains(QStringLiteral("not writable"), Qt::CaseInsensitive))
        << form.StatusText().toStdString();
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    EXPECT_TRUE(form.IPEdit->text().isEmpty());
    for (int i = 2; i < form.Binding()->Variables().Count(); ++i)
        EXPECT_EQ(form.Binding()->Variables().ItemAt(i).Access, KvAccess::ReadWrite) << i;
}

// ---- server-group control --------------------------------------------------------

struct ControlCase {
    const char* Name;
    const char* Group;
    const char* Address;
    int Protocol;
    int RowState;
};

void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.Name; }

class ServerControlEmpty : public AacServerTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ServerControlEmpty, SaysSoInTheStatusBarAndSendsNothing)
{
    const ControlCase& c = GetParam();
    TfrmACCServerCtrl form;
    form.edtGroupName->setText(QString::fromLatin1(c.Group));
    form.edtIPAddr->setText(QString::fromLatin1(c.Address));
    form.cbAuthProtocol->setCurrentIndex(c.Protocol);
    form.cbRowState->setCurrentIndex(c.RowState);
    form.Button1->click();
    EXPECT_EQ(form.StatusText(), "Don't Leave Empty Fileds !");
    EXPECT_EQ(messages_->Texts(), QStringList{});
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, ServerControlEmpty,
                         ::testing::Values(ControlCase{"Group", "", "10.0.0.9", 3, 0},
                                           ControlCase{"Address", "group1", "", 3, 0},
                                           ControlCase{"Protocol", "group1", "10.0.0.9", -1, 0},
                                           ControlCase{"RowState", "group1", "10.0.0.9", 3, -1}));

TEST_F(AacServerTest, ServerControlOpensEmptyAndSetsTheRowState)
{
    TfrmACCServerCtrl form;
    EXPECT_TRUE(form.edtGroupName->text().isEmpty());
    EXPECT_TRUE(form.edtIPAddr->text().isEmpty());
    EXPECT_EQ(form.cbAuthProtocol->currentIndex(), -1);
    EXPECT_EQ(form.cbRowState->currentIndex(), -1);

    form.edtGroupName->setText(QStringLiteral("group1"));
    form.edtIPAddr->setText(QStringLiteral("192.0.2.31"));
    form.cbAuthProtocol->setCurrentText(QStringLiteral("tacacs-plus"));
    form.cbRowState->setCurrentText(QStringLiteral("add"));
    form.Button1->click();
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, kGroupControl + ".4.6.103.114.111.117.112.49.192.0.2.31.3");
    EXPECT_EQ(sets[0].Bindings[0].Value, "1");
    EXPECT_TRUE(form.StatusText().startsWith(QStringLiteral("Set: Ok!. Receive at "))) << form.StatusText().toStdString();
    EXPECT_TRUE(form.StatusText().endsWith(QStringLiteral(".")));

    recorder_->FailNextSet(17);
    form.Button1->click();
    EXPECT_EQ(messages_->Texts(), QStringList{QStringLiteral("Set entry failed!")});
}

// Taking a server out of a group asks first, naming the row; No (the default)
// sends nothing, Yes sends the "delete".
TEST_F(AacServerTest, ServerControlDeleteAsksNamingTheRow)
{
    TfrmACCServerCtrl form;
    form.edtGroupName->setText(QStringLiteral("group1"));
    form.edtIPAddr->setText(QStringLiteral("192.0.2.31"));
    form.cbAuthProtocol->setCurrentText(QStringLiteral("tacacs-plus"));
    form.cbRowState->setCurrentText(QStringLiteral("delete"));
    messages_->Answer = QMessageBox::No;
    form.Button1->click();
    ASSERT_EQ(messages_->Requests().size(), 1u);
    EXPECT_EQ(messages_->Requests()[0].Text,
              DeleteQuestionText("Group Name: group1, IP Address: 192.0.2.31, Auth Protocol: tacacs-plus"));
    EXPECT_EQ(messages_->Requests()[0].DefaultButton, QMessageBox::No);
    EXPECT_TRUE(Sets().empty());

    messages_->Answer = QMessageBox::Yes;
    form.Button1->click();
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Sets()[0].ValueOf(kGroupControl + ".4.6.103.114.111.117.112.49.192.0.2.31.3"), "2");
}

TEST_F(AacServerTest, EditorsAreInTheCatalogue)
{
    EXPECT_NE(FindDialog("TServerInformationForm"), nullptr);
    EXPECT_NE(FindDialog("TfrmACCServerCtrl"), nullptr);
}

}  // namespace
