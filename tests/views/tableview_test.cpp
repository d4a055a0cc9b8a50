// Table views against ksw-sim: the Add, Edit and Delete dialogs and what they
// send, Refresh while a walk runs, and the view's buttons and row hints.
#include "FreePort.h"
#include "KswSim.h"
#include "KvTestUtil.h"
#include "SetRecorder.h"

#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/TableFilter.h"
#include "views/Viewmodal.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace KvSyntax;
using namespace KvAccess;


const char* const kEntry = "1.3.6.1.4.1.97531.60.1.1";
enum Row { KeyRow = 0, NameRow = 1, MtuRow = 2, StatusRow = 3 };

QString TableData()
{
    const QString e = QString::fromLatin1(kEntry);
    return QStringLiteral("#!writable %1\n#!rowstatus %1.4\n"
                          "%1.2.1|4|uplink\n%1.2.2|4|server\n"
                          "%1.3.1|2|1500\n%1.3.2|2|9000\n"
                          "%1.4.1|2|1\n%1.4.2|2|2\n")
        .arg(e);
}

// n rows named "row1" ... with MTUs 1001 ...
QString ManyRowsData(int n)
{
    const QString e = QString::fromLatin1(kEntry);
    QString data = QStringLiteral("#!writable %1\n#!rowstatus %1.4\n").arg(e);
    for (int column = 2; column <= 4; ++column)
        for (int r = 1; r <= n; ++r)
            data += QStringLiteral("%1.%2.%3|%4|%5\n")
                        .arg(e)
                        .arg(column)
                        .arg(r)
                        .arg(column == 2 ? 4 : 2)
                        .arg(column == 2 ? QStringLiteral("row%1").arg(r) : QString::number(column == 3 ? 1000 + r : 1));
    return data;
}

KswSim::Options SimWithTable(const QString& folder, int delayMs = 0, const QString& data = TableData())
{
    KswSim::Options o;
    o.dataFile = folder + QStringLiteral("/table.snmprec");
    QFile f(o.dataFile);
    if (f.open(QIODevice::WriteOnly))
        f.write(data.toLatin1());
    o.delayMs = delayMs;
    return o;
}

KvSNMPRequest2Edits* MakeBinding(QWidget* owner, quint16 port)
{
    auto* b = new KvSNMPRequest2Edits(owner);
    KvSNMPVarList& vars = b->Variables();
    vars.ItemType = MVT_UMV;
    vars.PKeyCount = 1;
    const std::string e = kEntry;
    vars.AppendItem(" ", "Index", Integer, NotAccess);
    vars.AppendItem(e + ".2", "Name", DisplayStr, ReadWrite);
    vars.AppendItem(e + ".3", "Mtu", Integer, ReadWrite);
    vars.AppendItem(e + ".4", "Status", Integer, ReadWrite, &TestRowStatusOptions());
    b->Request().Device.Port = port;
    b->Request().Timeout = 100;
    b->Request().Retries = 0;
    return b;
}

// The agent's table, read with a plain synchronous walk: index -> "name mtu status".
std::map<std::string, std::string> AgentRows(quint16 port)
{
    QWidget owner;
    std::unique_ptr<KvSNMPRequest2Edits> b(MakeBinding(&owner, port));
    KvSNMPRequest& r = b->Request();
    std::map<std::string, std::string> rows;
    for (bool first = true; r.Get(first); first = false) {
        const KvSNMPVarList& v = r.Variables;
        rows[v.ItemAt(0).Value] = v.ItemAt(1).Value + " " + v.ItemAt(2).Value + " " + v.ItemAt(3).Value;
    }
    return rows;
}

QStringList ComboItems(QComboBox* c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

class TableView : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dataDir_ = new QTemporaryDir; }
    static void TearDownTestSuite()
    {
        delete dataDir_;
        dataDir_ = nullptr;
    }
    virtual QString Data() const { return TableData(); }
    virtual int Rows() const { return 2; }
    void SetUp() override
    {
        sim_ = std::make_unique<KswSim>(SimWithTable(dataDir_->path(), 0, Data()));
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        CreateGlobalSession(sim_->tempDir().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim_->port();
        DefaultSecurity.Version = 1;
        form_ = std::make_unique<TConfigForm>();
        form_->setWindowTitle(QStringLiteral("Test Table : 127.0.0.1"));
        binding_ = MakeBinding(form_.get(), sim_->port());
        panel_ = form_->AddListViewPanel(binding_, StatusRow, QStringLiteral("CreateAndGo"), StatusRow,
                                         QStringLiteral("Destroy"));
        form_->show();
        ASSERT_TRUE(WaitForRows(Rows()));
    }
    void TearDown() override
    {
        form_.reset();
        sim_.reset();
    }
    bool WaitForRows(int n)
    {
        // Rows are laid out (and clickable) once the view shows their count.
        return QTest::qWaitFor(
            [this, n] {
                return !binding_->Busy() && List()->topLevelItemCount() == n &&
                       Buttons()->ST_RowCount->text() == QString::number(n);
            },
            5000);
    }
    QTreeWidget* List() const { return panel_->ListViewPanel()->ListView; }
    QLineEdit* RowEdit(int row) const { return Edits()->RowEdit(row); }
    bool Ticked(int row) const { return Edits()->Row(row).Check->isChecked(); }
    QPushButton* DialogSet() const { return Edits()->Buttons()->BT_SetChecked; }
    // Replaces the row edit's text the way the user does: select all, type.
    static void Retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    TCtrlBtnPanel* Buttons() const { return panel_->CtrlBtnPanel(); }
    TEditsPanel* Edits() const { return panel_->EditsPanel(); }
    QComboBox* StatusCombo() const { return qobject_cast<QComboBox*>(Edits()->Row(StatusRow).Control); }
    // Clicks a row (the list's numbering) in the view in sight.
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        TListViewPanel* lp = panel_->ListViewPanel();
        if (lp->ShownView() == lp->FilteredView) {
            const QModelIndex at = lp->Filter->mapFromSource(List()->model()->index(row, 0));
            ASSERT_TRUE(at.isValid()) << "row " << row << " is filtered out";
            QTest::mouseClick(lp->FilteredView->viewport(), Qt::LeftButton, modifiers,
                              lp->FilteredView->visualRect(at).center());
            return;
        }
        QTreeWidgetItem* item = List()->topLevelItem(row);
        const QRect r = List()->visualItemRect(item);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, modifiers, r.center());
    }

    static QTemporaryDir* dataDir_;
    std::unique_ptr<KswSim> sim_;
    std::unique_ptr<TConfigForm> form_;
    KvSNMPRequest2Edits* binding_ = nullptr;
    TSNMPListViewPanel* panel_ = nullptr;
};
QTemporaryDir* TableView::dataDir_ = nullptr;

TEST_F(TableView, ButtonsFollowStatusRowsAndSelection)
{
    EXPECT_TRUE(Buttons()->BT_Add->isVisibleTo(form_.get()));
    EXPECT_TRUE(Buttons()->BT_Delete->isVisibleTo(form_.get()));
    EXPECT_FALSE(Buttons()->BT_SetChecked->isVisibleTo(form_.get()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Buttons()->ST_RowCount->text() == "2"; }, 1000));
    EXPECT_FALSE(Buttons()->BT_Edit->isEnabled());
    EXPECT_FALSE(Buttons()->BT_Delete->isEnabled());

    ClickRow(1);
    EXPECT_TRUE(Buttons()->BT_Edit->isEnabled());
    EXPECT_TRUE(Buttons()->BT_Delete->isEnabled());
    EXPECT_EQ(Edits()->RowEdit(NameRow)->text(), "server");
    // The hint pads each header with one tab per character it lacks to the longest.
    EXPECT_EQ(panel_->RowHint(List()->topLevelItem(1)).toStdString(),
              "Index\t  2\nName\t\t  server\nMtu\t\t\t  9000\nStatus  notInService\n");

    // A click into empty space leaves nothing selected and empties the edits.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, QPoint(5, List()->viewport()->height() - 3));
    EXPECT_FALSE(Buttons()->BT_Edit->isEnabled());
    EXPECT_FALSE(Buttons()->BT_Delete->isEnabled());
    EXPECT_TRUE(Edits()->RowEdit(NameRow)->text().isEmpty());

    // A table view without status rows has no Add and no Delete.
    TConfigForm plain;
    auto* view = plain.AddListViewPanel(MakeBinding(&plain, sim_->port()), -1, {}, -1, {});
    EXPECT_FALSE(view->CtrlBtnPanel()->BT_Add->isVisibleTo(&plain));
    EXPECT_FALSE(view->CtrlBtnPanel()->BT_Delete->isVisibleTo(&plain));
    EXPECT_TRUE(view->CtrlBtnPanel()->BT_Edit->isVisibleTo(&plain));
}

// Edit and Delete act on the chosen row, which must be one the user sees: a
// filter that takes it out of sight leaves no row chosen.
// An agent's value that looks like markup (an image larger than the screen)
// is shown in the row hint as written.
TEST_F(TableView, RowHintShowsAgentMarkupAsWritten)
{
    ASSERT_TRUE(QTest::qWaitFor([this] { return List()->topLevelItemCount() == 2 && !binding_->Busy(); }, 5000));
    const QString img = QStringLiteral("<img src=x width=3000 height=2000>");
    List()->topLevelItem(1)->setText(NameRow, img);
    QMouseEvent move(QEvent::MouseMove, List()->visualItemRect(List()->topLevelItem(1)).center(),
                     List()->viewport()->mapToGlobal(List()->visualItemRect(List()->topLevelItem(1)).center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(List()->viewport(), &move);
    const QString shown = ShownText(List()->toolTip());
    EXPECT_TRUE(shown.contains(QStringLiteral("Name\t\t  ") + img)) << shown.toStdString();
}

TEST_F(TableView, FilterKeepsTheChosenRowOnlyWhileItIsShown)
{
    TListViewPanel* lp = panel_->ListViewPanel();
    ClickRow(1);
    lp->FilterEdit->setText(QStringLiteral("SERV"));
    EXPECT_EQ(lp->ShownView(), lp->FilteredView);
    EXPECT_EQ(lp->SelectedRows(), std::vector<int>{1});
    EXPECT_TRUE(Buttons()->BT_Delete->isEnabled());
    EXPECT_EQ(Edits()->RowEdit(NameRow)->text(), "server");

    lp->FilterEdit->setText(QStringLiteral("1500"));
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    EXPECT_FALSE(Buttons()->BT_Edit->isEnabled());
    EXPECT_FALSE(Buttons()->BT_Delete->isEnabled());
    EXPECT_TRUE(Edits()->RowEdit(NameRow)->text().isEmpty());

    // A row chosen among the filtered ones is the binding's row.
    ClickRow(0);
    EXPECT_TRUE(Buttons()->BT_Edit->isEnabled());
    EXPECT_EQ(KvSelectedReportRow(List()), 0);
    EXPECT_EQ(Edits()->RowEdit(NameRow)->text(), "uplink");
    // Refresh reads the table again under the filter; the row stays chosen.
    Buttons()->BT_Refresh->click();
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_EQ(lp->Filter->Shown(), 1);
    EXPECT_EQ(lp->SelectedRows(), std::vector<int>{0});
    EXPECT_TRUE(Buttons()->BT_Edit->isEnabled());

    ClickRow(0);
    lp->FilterEdit->clear();
    EXPECT_EQ(lp->ShownView(), lp->ListView);
    EXPECT_EQ(KvSelectedReportRow(List()), 0);
    EXPECT_TRUE(Buttons()->BT_Edit->isEnabled());
}

// Edit and Delete act on one row: with several selected (for copying) they
// are not offered, whichever way the selection came about.
struct RowChoiceCase {
    const char* FilterBefore;
    std::vector<int> Clicks;   // a click, then Ctrl+clicks
    QKeyCombination Key;       // pressed in the view in sight after the clicks
    const char* FilterAfter;   // null: the filter stays
    bool Offered;
};

TEST_F(TableView, EditAndDeleteAreOfferedOnlyWithOneRowSelected)
{
    constexpr QKeyCombination none{};
    const RowChoiceCase cases[] = {
        {"", {}, none, nullptr, false},
        {"", {0}, none, nullptr, true},
        {"", {0, 1}, none, nullptr, false},
        {"", {0, 1, 1}, none, nullptr, true},   // the second Ctrl+click takes row 1 off again
        {"", {0}, Qt::ShiftModifier | Qt::Key_Down, nullptr, false},
        {"", {1}, Qt::ControlModifier | Qt::Key_A, nullptr, false},
        {"0", {0, 1}, none, nullptr, false},   // both rows pass the filter
        {"0", {1}, none, nullptr, true},
        {"0", {1}, Qt::ShiftModifier | Qt::Key_Up, nullptr, false},
        {"0", {0, 1}, none, "", true},   // the list takes back the current row alone
        {"", {0, 1}, none, "SERV", true},   // the filter leaves the current row alone in sight
        {"", {0}, none, "SERV", false},     // the filter hides the one chosen
    };
    TListViewPanel* lp = panel_->ListViewPanel();
    for (const RowChoiceCase& c : cases) {
        std::string name = std::string("filter '") + c.FilterBefore + "' then clicks";
        for (int row : c.Clicks)
            name += " " + std::to_string(row);
        if (c.FilterAfter)
            name += std::string(" then filter '") + c.FilterAfter + "'";
        lp->FilterEdit->setText(QString::fromLatin1(c.FilterBefore));
        lp->ClearSelection();
        for (std::size_t k = 0; k < c.Clicks.size(); ++k)
            ClickRow(c.Clicks[k], k == 0 ? Qt::NoModifier : Qt::ControlModifier);
        if (c.Key != none)
            QTest::keyClick(lp->ShownView(), c.Key.key(), c.Key.keyboardModifiers());
        if (c.FilterAfter)
            lp->FilterEdit->setText(QString::fromLatin1(c.FilterAfter));

        EXPECT_EQ(Buttons()->BT_Edit->isEnabled(), c.Offered) << name;
        EXPECT_EQ(Buttons()->BT_Delete->isEnabled(), c.Offered) << name;
    }
}

TEST_F(TableView, WrongStatusValueIsRefused)
{
    try {
        panel_->SetAddStatus(StatusRow, QStringLiteral("create"));
        FAIL() << "no error";
    } catch (const KvSNMPException& e) {
        EXPECT_EQ(e.Message(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create");
    }
    // Not a drop-down row.
    EXPECT_THROW(panel_->SetDeleteStatus(NameRow, QStringLiteral("destroy")), KvSNMPException);
}

TEST_F(TableView, AddLocksKeysFixesStatusAndRefreshes)
{
    bool ran = false;
    TScopedModalRunner runner([&](QDialog& d) {
        ran = true;
        EXPECT_EQ(d.windowTitle(), "Test Table : 127.0.0.1 (Add)");
        const KvEditRow& key = Edits()->Row(KeyRow);
        EXPECT_TRUE(key.Check->isChecked());
        EXPECT_FALSE(key.Check->isEnabled());
        EXPECT_TRUE(key.Control->isEnabled());
        EXPECT_EQ(StatusCombo()->currentText(), "createAndGo");   // the list's own spelling
        EXPECT_FALSE(StatusCombo()->isEnabled());
        EXPECT_TRUE(Edits()->Row(StatusRow).Check->isChecked());
        Edits()->RowEdit(KeyRow)->setText(QStringLiteral("7"));
        Edits()->RowEdit(NameRow)->setText(QStringLiteral("backup"));
        Edits()->RowEdit(MtuRow)->setText(QStringLiteral("1400"));
        // Regression: the ticked key and status rows left Set Checked disabled
        // until Check All.
        QPushButton* set = panel_->EditsPanel()->Buttons()->BT_SetChecked;
        EXPECT_TRUE(set->isEnabled());
        Edits()->Row(NameRow).Check->click();
        Edits()->Row(MtuRow).Check->click();
        EXPECT_TRUE(set->isEnabled());
        set->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.result();
    });
    Buttons()->BT_Add->click();
    ASSERT_TRUE(ran);
    ASSERT_TRUE(WaitForRows(3));
    EXPECT_EQ(AgentRows(sim_->port())["7"], "backup 1400 active");
    // The edits panel is back, hidden, in the table view.
    EXPECT_EQ(Edits()->parentWidget(), panel_);
    EXPECT_FALSE(Edits()->isVisible());
}

TEST_F(TableView, EditOffersNeitherCreateNorDestroyAndRestoresTheList)
{
    const QStringList before = ComboItems(StatusCombo());
    ClickRow(1);
    bool ran = false;
    TScopedModalRunner runner([&](QDialog& d) {
        ran = true;
        EXPECT_EQ(ComboItems(StatusCombo()), QStringList({"active", "notInService", "notReady", "createAndWait"}));
        EXPECT_EQ(Edits()->RowEdit(NameRow)->text(), "server");
        Edits()->RowEdit(MtuRow)->setText(QStringLiteral("1600"));
        // Nothing ticked, nothing to write; the button follows the user's tick.
        QPushButton* set = Edits()->Buttons()->BT_SetChecked;
        EXPECT_FALSE(set->isEnabled());
        Edits()->Row(MtuRow).Check->click();
        EXPECT_TRUE(set->isEnabled());
        set->click();
        return d.result();
    });
    Buttons()->BT_Edit->click();
    ASSERT_TRUE(ran);
    EXPECT_EQ(ComboItems(StatusCombo()), before);
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_EQ(AgentRows(sim_->port())["2"], "server 1600 notInService");
    ClickRow(0);
    EXPECT_EQ(StatusCombo()->currentText(), "active");
}

TEST_F(TableView, DeleteSendsKeysAndStatusOnlyAndNoSendsNothing)
{
    ClickRow(0);
    // The hidden edits hold a changed name: Delete must not send it.
    Edits()->RowEdit(NameRow)->setText(QStringLiteral("changed"));
    QString asked;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    {
        KvScopedMessagePresenter no([&](const KvMessageRequest& r) {
            asked = r.Caption + "|" + r.Text;
            defaultButton = r.DefaultButton;
            return QMessageBox::No;
        });
        Buttons()->BT_Delete->click();
    }
    // The question names the row as the list shows it (key and name), and
    // Enter alone answers No.
    EXPECT_EQ(asked, "Delete|Are you sure to delete ?\n\nIndex: 1, Name: uplink");
    EXPECT_EQ(defaultButton, QMessageBox::No);
    EXPECT_EQ(AgentRows(sim_->port()).size(), 2u);

    // Regression: with two rows selected (for copying) Delete deleted only the
    // current one.  It asks nothing and sends nothing until one row is left.
    ClickRow(1);
    ClickRow(0, Qt::ControlModifier);
    ASSERT_EQ(List()->selectedItems().size(), 2);
    {
        KvScopedMessagePresenter yes([&](const KvMessageRequest& r) {
            asked = r.Text;
            return QMessageBox::Yes;
        });
        asked.clear();
        panel_->BT_DeleteClick();
        EXPECT_TRUE(asked.isEmpty());
        EXPECT_EQ(AgentRows(sim_->port()).size(), 2u);

        ClickRow(1, Qt::ControlModifier);
        ASSERT_EQ(List()->selectedItems().size(), 1);
        EXPECT_EQ(Edits()->RowEdit(NameRow)->text(), "uplink");
        Edits()->RowEdit(NameRow)->setText(QStringLiteral("changed"));
        Buttons()->BT_Delete->click();
    }
    ASSERT_TRUE(WaitForRows(1));
    const auto rows = AgentRows(sim_->port());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.begin()->second, "server 9000 notInService");
    // Nothing is left marked out of later writes.
    for (int i = 0; i < binding_->Variables().Count(); ++i)
        EXPECT_FALSE(binding_->Variables().ItemAt(i).Access & Invalid) << i;
    EXPECT_EQ(binding_->Mode(), KvSNMPRequest2Controls::Asynchronous);
}

// Regression: columns kept the header's width and cut values to a few letters
// ("notInServi..."); each completed read fits them to the values again.
TEST_F(TableView, ColumnsFitValuesAfterEachRead)
{
    const QFontMetrics metrics = List()->fontMetrics();
    const int status = List()->columnCount() - 1;
    ASSERT_EQ(List()->headerItem()->text(status), "Status");
    const int statusWidth = metrics.horizontalAdvance(QStringLiteral("notInService"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->columnWidth(status) >= statusWidth; }, 2000));
    EXPECT_GE(List()->columnWidth(status - 2), metrics.horizontalAdvance(QStringLiteral("uplink")));

    List()->setColumnWidth(status, 30);
    Buttons()->BT_Refresh->click();
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->columnWidth(status) >= statusWidth; }, 2000));
}

TEST(TableViewSlow, RefreshWhileWalkingIsIgnored)
{
    QTemporaryDir dir;
    KswSim sim(SimWithTable(dir.path(), 150));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    CreateGlobalSession(sim.tempDir().toStdString());
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = sim.port();
    DefaultSecurity.Version = 1;
    TConfigForm form;
    KvSNMPRequest2Edits* b = MakeBinding(&form, sim.port());
    auto* panel = form.AddListViewPanel(b, -1, {}, -1, {});
    QPlainTextEdit* memo = panel->MsgPanel()->Memo;
    panel->CtrlBtnPanel()->BT_Refresh->click();
    ASSERT_TRUE(b->Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->ListViewPanel()->ListView->topLevelItemCount() == 1; }, 5000));
    panel->CtrlBtnPanel()->BT_Refresh->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
    // One walk: both rows once, one status line.
    EXPECT_EQ(panel->ListViewPanel()->ListView->topLevelItemCount(), 2);
    EXPECT_EQ(KvMemoLines(memo).size(), 1);
}

// ---- what a write sends --------------------------------------------------------

// Regression: a number with text after its digits was written as its leading
// digits ("1,000" as 1, "1e3" as 1) with "Set: Ok!".  It is refused with a
// message naming the field, and nothing goes out.
TEST_F(TableView, TypedNumberIsWrittenWholeOrRefusedNamingTheField)
{
    SetRecorder rec(sim_->port());
    ASSERT_TRUE(rec.running());
    binding_->Request().Device.Port = rec.port();
    const std::string mtu = std::string(kEntry) + ".3.2";
    struct Case {
        const char* typed;
        const char* written;   // null: refused
    } const cases[] = {
        {"1,000", nullptr}, {"12abc", nullptr}, {"100O", nullptr}, {"1e3", nullptr}, {"1 400", nullptr},
        {"99999999999", nullptr}, {" 1400 ", "1400"}, {"-7", "-7"},
    };
    for (const Case& c : cases) {
        rec.Clear();
        ClickRow(1);
        std::vector<KvMessageRequest> said;
        KvScopedMessagePresenter record([&](const KvMessageRequest& r) {
            said.push_back(r);
            return QMessageBox::Ok;
        });
        int result = -1;
        TScopedModalRunner runner([&](QDialog& d) {
            d.show();
            Retype(RowEdit(MtuRow), QString::fromLatin1(c.typed));
            DialogSet()->click();
            result = d.result();
            return result;
        });
        Buttons()->BT_Edit->click();
        ASSERT_TRUE(WaitForRows(2));
        if (c.written) {
            EXPECT_EQ(result, QDialog::Accepted) << c.typed;
            ASSERT_EQ(rec.Sets().size(), 1u) << c.typed;
            EXPECT_EQ(rec.Sets()[0].Oids(), std::vector<std::string>{mtu}) << c.typed;
            EXPECT_EQ(rec.Sets()[0].ValueOf(mtu), c.written) << c.typed;
            EXPECT_TRUE(said.empty()) << c.typed;
        } else {
            EXPECT_NE(result, QDialog::Accepted) << c.typed;   // the dialog stays for a correction
            EXPECT_TRUE(rec.Sets().empty()) << c.typed;
            ASSERT_EQ(said.size(), 1u) << c.typed;
            EXPECT_EQ(said[0].Text, QStringLiteral("Bad value of Mtu field: \"%1\"! Nothing was written.").arg(c.typed));
        }
    }
}

// Regression: a value the row's edit constraint refuses when the edit is left
// was written when the write started with the focus still in the edit.
TEST_F(TableView, ValueTheEditWouldRefuseIsNotWrittenFromTheEdit)
{
    panel_->SetVarFormat(MtuRow, QStringLiteral("%i{n68x9216}"));
    SetRecorder rec(sim_->port());
    binding_->Request().Device.Port = rec.port();
    ClickRow(1);
    std::vector<QString> said;
    KvScopedMessagePresenter record([&](const KvMessageRequest& r) {
        said.push_back(r.Text);
        return QMessageBox::Ok;
    });
    TScopedModalRunner runner([&](QDialog& d) {
        d.show();
        Retype(RowEdit(MtuRow), QStringLiteral("9999"));
        QTest::keyClick(RowEdit(MtuRow), Qt::Key_Return);
        EXPECT_NE(d.result(), QDialog::Accepted);
        return d.result();
    });
    Buttons()->BT_Edit->click();
    EXPECT_TRUE(rec.Sets().empty());
    EXPECT_EQ(said, std::vector<QString>{"Please enter a number between 68 and 9216!"});
}

// An Edit that changes nothing writes nothing, Return included.
TEST_F(TableView, UnchangedEditSendsNothing)
{
    SetRecorder rec(sim_->port());
    binding_->Request().Device.Port = rec.port();
    ClickRow(0);
    TScopedModalRunner runner([&](QDialog& d) {
        d.show();
        EXPECT_FALSE(DialogSet()->isEnabled());
        QTest::keyClick(RowEdit(NameRow), Qt::Key_Return);
        return d.result();
    });
    Buttons()->BT_Edit->click();
    EXPECT_TRUE(rec.Sets().empty());
}

// ---- ticks ------------------------------------------------------------------------

// Regression: a changed value left its row unticked and Set Checked disabled,
// so the change was silently not written.  A row the user changes is ticked;
// what the program puts into a row is not a change.
TEST_F(TableView, RowsTheUserChangesAreTicked)
{
    ClickRow(1);
    bool ran = false;
    TScopedModalRunner runner([&](QDialog& d) {
        ran = true;
        d.show();
        EXPECT_FALSE(Ticked(MtuRow));
        Retype(RowEdit(MtuRow), QStringLiteral("1600"));
        EXPECT_TRUE(Ticked(MtuRow));
        EXPECT_TRUE(DialogSet()->isEnabled());
        EXPECT_FALSE(Ticked(NameRow));
        RowEdit(NameRow)->setText(QStringLiteral("set by the program"));
        EXPECT_FALSE(Ticked(NameRow));
        // Choosing the value the row holds changes nothing; another one does.
        QComboBox* status = StatusCombo();
        Q_EMIT status->activated(status->currentIndex());
        EXPECT_FALSE(Ticked(StatusRow));
        status->setFocus();
        QTest::keyClick(status, Qt::Key_Down);
        EXPECT_TRUE(Ticked(StatusRow));
        // The user may still take a tick off.
        Edits()->Row(MtuRow).Check->click();
        EXPECT_FALSE(Ticked(MtuRow));
        return int(QDialog::Rejected);
    });
    Buttons()->BT_Edit->click();
    ASSERT_TRUE(ran);
}

// Regression: a new Add kept the previous dialog's ticks while its values were
// emptied, and "Some items are empty!" did not say which.
TEST_F(TableView, AddStartsUntickedAndNamesTheEmptyItems)
{
    int round = 0;
    std::vector<QString> said;
    KvScopedMessagePresenter record([&](const KvMessageRequest& r) {
        said.push_back(r.Text);
        return QMessageBox::Ok;
    });
    TScopedModalRunner runner([&](QDialog& d) {
        d.show();
        EXPECT_FALSE(Ticked(NameRow)) << "round " << round;
        EXPECT_FALSE(Ticked(MtuRow)) << "round " << round;
        EXPECT_TRUE(RowEdit(MtuRow)->text().isEmpty()) << "round " << round;
        if (round++ == 0) {
            Retype(RowEdit(KeyRow), QStringLiteral("7"));
            Edits()->Row(NameRow).Check->click();
            Edits()->Row(MtuRow).Check->click();
            DialogSet()->click();
        }
        return d.result();
    });
    Buttons()->BT_Add->click();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], "Some items are empty!\nName, Mtu");
    Buttons()->BT_Add->click();
    EXPECT_EQ(round, 2);
    EXPECT_EQ(AgentRows(sim_->port()).size(), 2u);
}

// ---- keys -------------------------------------------------------------------------

// Return on a chosen row opens it as a double click does, in the list and in
// the filtered rows; with no row chosen it opens nothing.
TEST_F(TableView, ReturnOnAChosenRowOpensEdit)
{
    struct Case {
        const char* filter;
        int click;   // -1: none
        bool opens;
    } const cases[] = {{"", 1, true}, {"", -1, false}, {"SERV", 1, true}, {"SERV", -1, false}};
    TListViewPanel* lp = panel_->ListViewPanel();
    for (const Case& c : cases) {
        lp->FilterEdit->setText(QString::fromLatin1(c.filter));
        lp->ClearSelection();
        if (c.click >= 0)
            ClickRow(c.click);
        QString shown;
        int opened = 0;
        TScopedModalRunner runner([&](QDialog& d) {
            ++opened;
            shown = RowEdit(NameRow)->text();
            return d.result();
        });
        lp->ShownView()->setFocus();
        QTest::keyClick(lp->ShownView(), Qt::Key_Return);
        EXPECT_EQ(opened, c.opens ? 1 : 0) << "filter '" << c.filter << "' row " << c.click;
        if (c.opens)
            EXPECT_EQ(shown, "server");
        ASSERT_TRUE(WaitForRows(2));
    }
}

// ---- reading again ----------------------------------------------------------------

// Regression: Refresh emptied the table before the agent answered, and a
// silent agent left "0 of 0" with the last data gone.  The rows and the chosen
// one stay until a read completes; a failed read says so.
TEST_F(TableView, RefreshKeepsTheRowsUntilTheReadEndsAndWhenItFails)
{
    TListViewPanel* lp = panel_->ListViewPanel();
    ClickRow(1);
    binding_->Request().Device.Port = FreeUdpPort();   // nobody answers there
    binding_->Request().Timeout = 20;
    binding_->Request().Retries = 0;
    Buttons()->BT_Refresh->click();
    ASSERT_TRUE(binding_->Busy());
    EXPECT_EQ(List()->topLevelItemCount(), 2);
    EXPECT_EQ(lp->FilterCount->text(), "2 of 2");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !binding_->Busy(); }, 5000));
    EXPECT_EQ(List()->topLevelItemCount(), 2);
    EXPECT_EQ(Buttons()->ST_RowCount->text(), "2");
    EXPECT_EQ(lp->FilterCount->text(), "2 of 2");
    EXPECT_EQ(lp->SelectedRows(), std::vector<int>{1});
    EXPECT_TRUE(Buttons()->BT_Edit->isEnabled());
    const QStringList lines = KvMemoLines(panel_->MsgPanel()->Memo);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.back().startsWith("Get:")) << lines.back().toStdString();
    EXPECT_TRUE(lines.back().contains("The rows shown are those of the last complete read."))
        << lines.back().toStdString();

    // Once the agent answers again the new rows replace the old ones.
    binding_->Request().Device.Port = sim_->port();
    Buttons()->BT_Refresh->click();
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_EQ(lp->SelectedRows(), std::vector<int>{1});
}

// A table long enough to scroll.
class LongTableView : public TableView {
protected:
    QString Data() const override { return ManyRowsData(Rows()); }
    int Rows() const override { return 150; }
};

// Regression: after an Edit the table was read again and the chosen row and
// the scroll position were lost.  Both come back, by the row's key, in the
// list and in the filtered rows alike.
TEST_F(LongTableView, EditKeepsTheChosenRowAndTheScrollPosition)
{
    struct Case {
        const char* filter;
        int row;   // the list's numbering
    } const cases[] = {{"", 119}, {"row1", 112}};
    TListViewPanel* lp = panel_->ListViewPanel();
    for (const Case& c : cases) {
        lp->FilterEdit->setText(QString::fromLatin1(c.filter));
        QAbstractItemView* view = lp->ShownView();
        const QModelIndex at = view == List() ? List()->model()->index(c.row, 0)
                                              : lp->Filter->mapFromSource(List()->model()->index(c.row, 0));
        view->scrollTo(at, QAbstractItemView::PositionAtCenter);
        ClickRow(c.row);
        ASSERT_EQ(lp->SelectedRows(), std::vector<int>{c.row});
        const int scrolled = view->verticalScrollBar()->value();
        ASSERT_GT(scrolled, 0);
        const QString mtu = QString::number(2000 + c.row);
        TScopedModalRunner runner([&](QDialog& d) {
            d.show();
            Retype(RowEdit(MtuRow), mtu);
            DialogSet()->click();
            return d.result();
        });
        Buttons()->BT_Edit->click();
        ASSERT_TRUE(WaitForRows(Rows()));
        EXPECT_EQ(KvReportCell(List(), c.row, MtuRow), mtu) << c.filter;   // read again
        EXPECT_EQ(lp->SelectedRows(), std::vector<int>{c.row}) << c.filter;
        EXPECT_EQ(view->verticalScrollBar()->value(), scrolled) << c.filter;
        EXPECT_TRUE(Buttons()->BT_Edit->isEnabled()) << c.filter;
        EXPECT_EQ(RowEdit(NameRow)->text(), QStringLiteral("row%1").arg(c.row + 1)) << c.filter;
    }
}

// ---- a port list in the edit dialog ---------------------------------------------

const char* const kPortEntry = "1.3.6.1.4.1.97531.61.1.1";
enum PortRow { PortKeyRow = 0, PortsRow = 1, PortStatusRow = 2 };

// Regression: with the focus on a port list in the edit dialog, every key with
// a text (Escape and Return among them) opened the bit editor instead of
// closing or accepting the dialog.  Space and a click open it; a change made
// there ticks the row, and Return then writes that row alone.
TEST(PortListView, OnlySpaceOrAClickOpensTheBitEditor)
{
    QTemporaryDir dir;
    const QString e = QString::fromLatin1(kPortEntry);
    KswSim sim(SimWithTable(dir.path(), 0,
                            QStringLiteral("#!writable %1\n#!rowstatus %1.3\n%1.2.1|4x|80000000000000\n%1.3.1|2|1\n").arg(e)));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    SetRecorder rec(sim.port());
    CreateGlobalSession(sim.tempDir().toStdString());
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = rec.port();
    DefaultSecurity.Version = 1;
    TConfigForm form;
    auto* b = new KvSNMPRequest2Edits(&form);
    b->Variables().ItemType = MVT_UMV;
    b->Variables().PKeyCount = 1;
    b->Variables().AppendItem(" ", "Index", Integer, NotAccess);
    b->Variables().AppendItem(e.toStdString() + ".2", "Ports", OctetStr, ReadWrite);
    b->Variables().AppendItem(e.toStdString() + ".3", "Status", Integer, ReadWrite, &TestRowStatusOptions());
    TSNMPListViewPanel* panel = form.AddListViewPanel(b, PortStatusRow, QStringLiteral("createAndGo"), PortStatusRow,
                                                      QStringLiteral("destroy"));
    TEditsPanel* edits = panel->EditsPanel();
    edits->SetOctetEditor(PortsRow, 25, 50);
    form.show();
    QTreeWidget* list = panel->ListViewPanel()->ListView;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy() && list->topLevelItemCount() == 1; }, 5000));
    KvSelectReportRow(list, 0);

    int editors = 0;
    bool escape = false;
    TScopedModalRunner runner([&](QDialog& d) {
        if (auto* bits = dynamic_cast<TBitEditorDialog*>(&d)) {
            ++editors;
            bits->Boxes()[1]->setChecked(true);   // port 2 as well
            return int(QDialog::Accepted);
        }
        d.show();
        QLineEdit* ports = edits->RowEdit(PortsRow);
        ports->setFocus();
        if (escape) {
            QTest::keyClick(ports, Qt::Key_Escape);
            EXPECT_EQ(editors, 1);
            EXPECT_FALSE(d.isVisible());
            return d.result();
        }
        for (Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Return})
            QTest::keyClick(ports, key);
        EXPECT_EQ(editors, 0);
        EXPECT_TRUE(d.isVisible()) << "Return with nothing ticked writes nothing";
        QTest::keyClick(ports, Qt::Key_Space);
        EXPECT_EQ(editors, 1);
        EXPECT_EQ(ports->text(), "C0000000000000");
        EXPECT_TRUE(edits->Row(PortsRow).Check->isChecked());
        EXPECT_FALSE(edits->Row(PortStatusRow).Check->isChecked());
        QTest::mouseClick(ports, Qt::LeftButton);
        EXPECT_EQ(editors, 2);
        QTest::keyClick(ports, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.result();
    });
    panel->CtrlBtnPanel()->BT_Edit->click();
    ASSERT_EQ(rec.Sets().size(), 1u);
    const std::string ports = e.toStdString() + ".2.1";
    EXPECT_EQ(rec.Sets()[0].Oids(), std::vector<std::string>{ports});
    EXPECT_EQ(rec.Sets()[0].ValueOf(ports), "C0000000000000");

    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
    KvSelectReportRow(list, 0);
    editors = 1;
    escape = true;
    panel->CtrlBtnPanel()->BT_Edit->click();
    EXPECT_EQ(rec.Sets().size(), 1u);
}

} // namespace
