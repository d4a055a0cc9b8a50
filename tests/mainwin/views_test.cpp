// The catalogue's views against ksw-sim: every view of the menu reads its first
// page, and the views with row logic of their own behave as the switch needs.
// Writes pass through a relay that records each SET.
#include "MainMenu.h"
#include "Mainunit.h"
#include "ViewCatalogue.h"
#include "KswSim.h"
#include "SetRecorder.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "dialogs/DialogCatalogue.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"
#include "startup/TableViewer.h"
#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using Step = std::function<int(QDialog&)>;

// Hands each modal dialog to the next step; a dialog without a step fails the test.
class ModalScript {
public:
    explicit ModalScript(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {}
    bool Done() const { return steps_.empty(); }

private:
    std::deque<Step> steps_;
    TScopedModalRunner runner_{[this](QDialog& d) {
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected dialog " << d.windowTitle().toStdString();
            return static_cast<int>(QDialog::Rejected);
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        return step(d);
    }};
};

TConfigForm& Form(QDialog& d)
{
    auto* f = qobject_cast<TConfigForm*>(&d);
    EXPECT_NE(f, nullptr) << "not a view: " << d.windowTitle().toStdString();
    return *f;
}

QStringList MemoOf(const TSNMPPanel* panel)
{
    return panel->MsgPanel() ? KvMemoLines(panel->MsgPanel()->Memo) : QStringList();
}

// The read of the view's first page has finished and reported.
bool FirstReadDone(TConfigForm& form)
{
    return QTest::qWaitFor(
        [&form] {
            const KvSNMPRequest2Edits* b = form.CurrentBinding();
            return b && !b->Busy() && !MemoOf(form.Panel(0)).isEmpty();
        },
        15000);
}

const QString& OkText()
{
    static const QString ok = QString::fromStdString(LibraryMessages().Text(KvOk));
    return ok;
}

QString RowText(const TEditsPanel& edits, int row)
{
    if (const QLineEdit* e = edits.RowEdit(row))
        return e->text();
    const auto* combo = qobject_cast<const QComboBox*>(edits.Row(row).Control);
    return combo ? combo->currentText() : QString();
}

bool IsValue(const std::string& v)
{
    return !v.empty() && v != "(NULL)" && v != "(NOTDONE)";
}

class CatalogueViews : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sim_ = new KswSim;
        relay_ = new SetRecorder(sim_->port());
        CreateGlobalSession(sim_->tempDir().toStdString());
    }
    static void TearDownTestSuite()
    {
        delete relay_;
        relay_ = nullptr;
        delete sim_;
        sim_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        ASSERT_TRUE(relay_->running());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = relay_->port();
        DefaultSecurity.Version = 1;
        DefaultTimeout = KvModuleTimeout;
        MainTexts.AgentIP = "127.0.0.1";
        relay_->Clear();
    }

    // One value read straight from the agent ("" when it has none).
    static std::string AgentValue(const std::string& oid, std::uint32_t syntax = KvSyntax::Integer)
    {
        KvSNMPRequest r;
        r.Variables.ItemType = MVT_SV;   // the instance OID as given
        r.Variables.AppendItem(oid, "", syntax, KvAccess::ReadOnly);
        try {
            r.Get(true);
        } catch (const KvSNMPException&) {
            return {};
        }
        const std::string& v = r.Variables.ItemAt(0).Value;
        return v == "(NULL)" ? std::string() : v;
    }

    static TSNMPListViewPanel* ListPanel(TConfigForm& form, int page)
    {
        return qobject_cast<TSNMPListViewPanel*>(form.Panel(page));
    }

    static void SelectRowWithKey(TSNMPListViewPanel& panel, const QString& key)
    {
        QTreeWidget* list = panel.ListViewPanel()->ListView;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(0) == key) {
                list->setCurrentItem(list->topLevelItem(i));
                panel.ListViewClick();
                return;
            }
        }
        ADD_FAILURE() << "no row " << key.toStdString();
    }

    std::vector<KvMessageRequest> boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Ok;
    KvScopedMessagePresenter presenter_{[this](const KvMessageRequest& r) {
        boxes_.push_back(r);
        if (r.Buttons & QMessageBox::Yes)
            return QMessageBox::Yes;
        return answer_;
    }};
    QMainWindow window_;

    static inline KswSim* sim_ = nullptr;
    static inline SetRecorder* relay_ = nullptr;
};

// Every generic view the user can reach from the menu opens, reads its first
// page without an error and shows data: filled scalars, tables with rows.
// Closing it takes its bindings with it.
TEST_F(CatalogueViews, EveryVisibleGenericViewReadsItsFirstPage)
{
    TMainMenu menu(window_);
    menu.ApplySnmpVersion(3);   // the SNMPv3 groups too
    int opened = 0;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        const auto entry = FindViewEntry(row.Item);
        const QString item = QString::fromLatin1(row.Item);
        if (&entry.front() != &row || row.Action != ViewAction::Generic || !menu.CanChoose(item))
            continue;
        SCOPED_TRACE(row.Item);
        QPointer<TConfigForm> shown;
        ModalScript script({[&](QDialog& d) {
            TConfigForm& form = Form(d);
            shown = &form;
            EXPECT_TRUE(FirstReadDone(form));
            const TSNMPEditorPanel* panel = form.Panel(0);
            for (const QString& line : MemoOf(panel)) {
                EXPECT_TRUE(line.contains(OkText())) << line.toStdString();
            }
            if (row.Panel == ViewPanel::Scalars) {
                const TEditsPanel* edits = panel->EditsPanel();
                for (int i = 0; i < edits->RowCount(); ++i) {
                    EXPECT_TRUE(IsValue(RowText(*edits, i).toStdString())) << edits->Row(i).Caption->text().toStdString();
                }
            } else {
                EXPECT_GE(ListPanel(form, 0)->ListViewPanel()->ListView->topLevelItemCount(), 1);
            }
            return static_cast<int>(QDialog::Rejected);
        }});
        menu.Choose(item);
        EXPECT_TRUE(script.Done());
        EXPECT_TRUE(shown.isNull()) << "the form outlived its view";
        ++opened;
    }
    EXPECT_GT(opened, 100);
    for (const KvMessageRequest& b : boxes_)
        ADD_FAILURE() << "box: " << b.Text.toStdString();
}

// A VLAN created and destroyed through "802.1Q VLAN": the Add dialog starts
// empty with the name row locked in, the row goes out with createAndGo (4) and
// its deletion with destroy (6), though the catalogue spells them
// "CreateAndGo" and "Destroy"; the agent's table follows.
TEST_F(CatalogueViews, VlanAddAndDeleteReachTheAgentWithTheirStatuses)
{
    const std::string name = "1.3.6.1.2.1.17.7.1.4.3.1.1.77";
    const std::string status = "1.3.6.1.2.1.17.7.1.4.3.1.5.77";
    ASSERT_EQ(AgentValue(status), "");

    TEditsPanel* edits = nullptr;   // the table page's rows, lent to its dialogs
    ModalScript script({
        [&](QDialog& d) {
            TConfigForm& form = Form(d);
            EXPECT_TRUE(FirstReadDone(form));
            TSNMPListViewPanel* vlans = ListPanel(form, 0);
            edits = vlans->EditsPanel();
            auto settled = [&] { return QTest::qWaitFor([&] { return !vlans->Binding()->Busy(); }, 5000); };
            vlans->CtrlBtnPanel()->BT_Add->click();
            // After the dialog the name row's check box can be used again.
            EXPECT_TRUE(edits->Row(1).Check->isEnabled());
            EXPECT_TRUE(settled());
            EXPECT_EQ(AgentValue(status), "1") << MemoOf(vlans).join("\n").toStdString();
            SelectRowWithKey(*vlans, QStringLiteral("77"));
            vlans->CtrlBtnPanel()->BT_Edit->click();
            EXPECT_TRUE(settled());
            SelectRowWithKey(*vlans, QStringLiteral("77"));
            vlans->CtrlBtnPanel()->BT_Delete->click();
            EXPECT_TRUE(settled());
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& add) {
            for (int r = 0; r < edits->RowCount(); ++r) {
                if (QLineEdit* e = edits->RowEdit(r)) {
                    EXPECT_TRUE(e->text().isEmpty()) << "row " << r;
                }
            }
            EXPECT_TRUE(edits->Row(1).Check->isChecked());
            EXPECT_FALSE(edits->Row(1).Check->isEnabled());
            edits->RowEdit(0)->setText(QStringLiteral("77"));
            edits->RowEdit(1)->setText(QStringLiteral("lab"));
            edits->Buttons()->BT_SetChecked->click();
            return add.result();
        },
        [&](QDialog&) {
            EXPECT_TRUE(edits->Row(1).Check->isEnabled()) << "the name stays locked after Add";
            return static_cast<int>(QDialog::Rejected);
        },
    });
    ASSERT_TRUE(RunViewEntry(window_, "N8021QVLAN1"));
    EXPECT_TRUE(script.Done());

    const auto sets = relay_->Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].ValueOf(status), "4");
    EXPECT_EQ(sets[0].ValueOf(name), "6C6162");   // "lab"
    EXPECT_EQ(sets[1].ValueOf(status), "6");
    EXPECT_EQ(AgentValue(status), "");
    for (const KvMessageRequest& b : boxes_) {
        EXPECT_EQ(b.Caption, QStringLiteral("Delete"));
    }
}

struct MasterPortCase {
    const char* Shown;
    bool Writable;
};

class TrunkMasterPort : public CatalogueViews, public ::testing::WithParamInterface<MasterPortCase> {};

// A trunk's master port can be set while it reads "0" and is fixed otherwise;
// the next edit starts from a writable row again.
TEST_P(TrunkMasterPort, IsWritableOnlyWhileItReadsZero)
{
    ModalScript script({
        [&](QDialog& d) {
            TConfigForm& form = Form(d);
            EXPECT_TRUE(FirstReadDone(form));
            TSNMPListViewPanel* trunks = ListPanel(form, 0);
            SelectRowWithKey(*trunks, QStringLiteral("1"));
            trunks->EditsPanel()->RowEdit(2)->setText(QString::fromLatin1(GetParam().Shown));
            trunks->CtrlBtnPanel()->BT_Edit->click();
            EXPECT_TRUE(trunks->Binding()->Variables().IsSettable(2));
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& edit) {
            auto* edits = edit.findChild<TEditsPanel*>();
            EXPECT_NE(edits, nullptr);
            if (edits) {
                EXPECT_EQ(!edits->IsReadOnlyRow(2), GetParam().Writable);
            }
            return static_cast<int>(QDialog::Rejected);
        },
    });
    ASSERT_TRUE(RunViewEntry(window_, "TrunkManagement"));
    EXPECT_TRUE(script.Done());
}

INSTANTIATE_TEST_SUITE_P(Shown, TrunkMasterPort,
                         ::testing::Values(MasterPortCase{"0", true}, MasterPortCase{"45", false},
                                           MasterPortCase{"00", false}));

// "IfX Table" reads 64-bit counters: under v1 its own requests go as v2c,
// while the module and the other views stay on v1.
TEST_F(CatalogueViews, IfXTableUsesV2cForItselfOnly)
{
    DefaultSecurity.Version = 0;
    int versions[2] = {-1, -1};
    ModalScript script({
        [&](QDialog& d) {
            TConfigForm& form = Form(d);
            versions[0] = form.Binding(0)->Request().Security.Version;
            EXPECT_TRUE(FirstReadDone(form));
            for (const QString& line : MemoOf(form.Panel(0))) {
                EXPECT_TRUE(line.contains(OkText())) << line.toStdString();
            }
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& d) {
            versions[1] = Form(d).Binding(0)->Request().Security.Version;
            return static_cast<int>(QDialog::Rejected);
        },
    });
    RunViewEntry(window_, "IFXTable1");
    RunViewEntry(window_, "GeneralTable1");
    EXPECT_EQ(versions[0], 1);
    EXPECT_EQ(versions[1], 0);
    EXPECT_EQ(DefaultSecurity.Version, 0);
}

struct Counter64Case {
    QMessageBox::StandardButton Answer;
    int Version;   // of the view and of the module afterwards
};

class Counter64Question : public CatalogueViews, public ::testing::WithParamInterface<Counter64Case> {};

TEST_P(Counter64Question, OkMovesTheModuleToV2cCancelLeavesItAndAsksAgain)
{
    DefaultSecurity.Version = 0;
    answer_ = GetParam().Answer;
    int viewVersion = -1;
    ModalScript script({[&](QDialog& d) {
        viewVersion = Form(d).Binding(0)->Request().Security.Version;
        return static_cast<int>(QDialog::Rejected);
    }});
    RunViewEntry(window_, "AuthenticationSessionStatistics1");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Caption, QStringLiteral("Changes SNMP Version"));
    EXPECT_EQ(boxes_[0].Text, QStringLiteral("This table has Counter64 ! \n Do you want to chane to SNMP V2 ?"));
    EXPECT_EQ(boxes_[0].Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(viewVersion, GetParam().Version);
    EXPECT_EQ(DefaultSecurity.Version, GetParam().Version);

    ModalScript again({[](QDialog&) { return static_cast<int>(QDialog::Rejected); }});
    RunViewEntry(window_, "AuthenticationSessionStatistics1");
    EXPECT_EQ(boxes_.size(), GetParam().Version == 0 ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, Counter64Question,
                         ::testing::Values(Counter64Case{QMessageBox::Ok, 1}, Counter64Case{QMessageBox::Cancel, 0}));

struct HoldtimeCase {
    const char* Value;
    bool Refused;
};

class SingleIpHoldtime : public CatalogueViews, public ::testing::WithParamInterface<HoldtimeCase> {};

TEST_P(SingleIpHoldtime, IsCheckedAgainstItsRangeBeforeAnythingIsWritten)
{
    ModalScript script({[&](QDialog& d) {
        TConfigForm& form = Form(d);
        EXPECT_TRUE(FirstReadDone(form));
        TEditsPanel* edits = form.Panel(0)->EditsPanel();
        edits->RowEdit(2)->setText(QString::fromLatin1(GetParam().Value));
        edits->Row(2).Check->click();
        edits->Buttons()->BT_SetChecked->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.CurrentBinding()->Busy(); }, 5000));
        return static_cast<int>(QDialog::Rejected);
    }});
    RunViewEntry(window_, "Control1");
    const std::string holdtime = "1.3.6.1.4.1.97531.12.8.1.2.3.0";
    if (GetParam().Refused) {
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].Text, QStringLiteral("swSingleIPHoldtime must be between 100 and 255!"));
        EXPECT_TRUE(relay_->Sets().empty());
    } else {
        EXPECT_TRUE(boxes_.empty());
        ASSERT_EQ(relay_->Sets().size(), 1u);
        EXPECT_EQ(relay_->Sets()[0].ValueOf(holdtime), GetParam().Value);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SingleIpHoldtime,
                         ::testing::Values(HoldtimeCase{"99", true}, HoldtimeCase{"256", true},
                                           HoldtimeCase{"100", false}, HoldtimeCase{"255", false}));

struct MulticastCase {
    const char* From;
    bool TickState;
    const char* Message;
};

class LimitedMulticast : public CatalogueViews, public ::testing::WithParamInterface<MulticastCase> {};

// The entry's edit dialog checks the address range before anything is written.
TEST_P(LimitedMulticast, RefusesIncompleteOrNonMulticastRanges)
{
    ModalScript script({
        [&](QDialog& d) {
            TConfigForm& form = Form(d);
            EXPECT_TRUE(FirstReadDone(form));
            TSNMPListViewPanel* list = ListPanel(form, 0);
            QTreeWidget* rows = list->ListViewPanel()->ListView;
            EXPECT_GE(rows->topLevelItemCount(), 1);
            if (rows->topLevelItemCount() > 0)
                SelectRowWithKey(*list, rows->topLevelItem(0)->text(0));
            list->CtrlBtnPanel()->BT_Edit->click();
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& edit) {
            auto* edits = edit.findChild<TEditsPanel*>();
            EXPECT_NE(edits, nullptr);
            if (!edits)
                return static_cast<int>(QDialog::Rejected);
            edits->RowEdit(1)->setText(QString::fromLatin1(GetParam().From));
            edits->Row(1).Check->click();   // ticks the whole range
            EXPECT_TRUE(edits->Row(2).Check->isChecked());
            EXPECT_TRUE(edits->Row(3).Check->isChecked());
            if (edits->Row(4).Check->isChecked() != GetParam().TickState)
                edits->Row(4).Check->click();
            edits->Buttons()->BT_SetChecked->click();
            return edit.result();
        },
    });
    RunViewEntry(window_, "LimitedMulticast1");
    EXPECT_TRUE(relay_->Sets().empty());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Text, QString::fromLatin1(GetParam().Message));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LimitedMulticast,
    ::testing::Values(MulticastCase{"224.1.1.1", false, "Some fields need to be checked!"},
                      MulticastCase{"223.1.1.1", true, "Bad value of FromIP field!"}));

// Items that hand their table to the host's viewer start it and wait for nothing.
TEST_F(CatalogueViews, ViewerItemsStartTheTableViewer)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    SetTableViewerLauncher([&](const std::string& program, const std::vector<std::string>& args) {
        started.emplace_back(program, args);
        return true;
    });
    RunViewEntry(window_, "MIB2IFTable");
    SetTableViewerLauncher({});
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, "MIB");
    EXPECT_NE(std::find(started[0].second.begin(), started[0].second.end(), "/TMIB_IFTable"), started[0].second.end());
}

// "Port Mirror Table" is the hidden "Mirror Management" view.
TEST_F(CatalogueViews, PortMirrorTableOpensTheMirrorManagementView)
{
    QString title;
    ModalScript script({[&](QDialog& d) {
        title = d.windowTitle();
        return static_cast<int>(QDialog::Rejected);
    }});
    RunViewEntry(window_, "PortMirrorTable1");
    EXPECT_EQ(title, QStringLiteral("Mirror Management : 127.0.0.1"));
}

// Regression: the access-control editors put the agent's address after a
// catalogue caption that already ends with it.  Every dedicated dialog the
// catalogue opens names the agent once at most, and exactly once where its
// title is followed by the address.
TEST_F(CatalogueViews, DialogCaptionsNameTheAgentOnce)
{
    const QString address = QString::fromStdString(MainTexts.AgentIP);
    std::set<std::string> opened;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        if (row.Action != ViewAction::Dialog || !FindDialog(row.Target))
            continue;
        SCOPED_TRACE(row.Item);
        QString caption;
        ModalScript script({[&](QDialog& d) {
            caption = d.windowTitle();
            return static_cast<int>(QDialog::Rejected);
        }});
        RunViewEntry(window_, row.Item);
        ASSERT_TRUE(script.Done());
        opened.insert(row.Target);
        EXPECT_LE(caption.count(address), 1) << caption.toStdString();
        if (row.Title.Form == ViewTitleForm::Agent) {
            EXPECT_EQ(caption, ViewCaption(row.Title, address));
        }
    }
    // Every dialog of the dialog catalogue was among them; "SNMPConfig" starts
    // the host's tool and opens no window.
    for (auto family : {DeviceDialogs(), AclDialogs(), AacDialogs()})
        for (const DialogEntry& entry : family)
            if (std::string_view(entry.ClassName) != "SNMPConfig") {
                EXPECT_TRUE(opened.count(entry.ClassName)) << entry.ClassName;
            }
}

// A dedicated editor that is not built yet says so instead of doing nothing.
TEST_F(CatalogueViews, DialogItemsWithoutTheirEditorSaySo)
{
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        if (row.Action != ViewAction::Dialog || FindDialog(row.Target) || std::string_view(row.Target) == "TAboutForm")
            continue;
        SCOPED_TRACE(row.Item);
        boxes_.clear();
        RunViewEntry(window_, row.Item);
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_TRUE(boxes_[0].Text.endsWith(QStringLiteral("editor is not available yet."))) << boxes_[0].Text.toStdString();
    }
}

} // namespace
