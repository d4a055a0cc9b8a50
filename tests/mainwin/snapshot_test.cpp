// Configuration snapshots of ksw-sim through the module's own model: a save, a
// change made through the views, the comparison that finds exactly it, and a
// restore after which a new save equals the first; a restore that stops at the
// first refusal; secrets; the switch cloned into the simulator.
#include "ConfigurationCommands.h"
#include "ConfigurationMenu.h"
#include "FreePort.h"
#include "KswSim.h"
#include "SetRecorder.h"
#include "SnapshotSources.h"
#include "ViewCatalogue.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvSnapshotFile.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotRestore.h"
#include "startup/ModuleStartup.h"
#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <numeric>
#include <tuple>

namespace {

using Step = std::function<int(QDialog&)>;

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
    return *qobject_cast<TConfigForm*>(&d);
}

bool Settled(TConfigForm& form)
{
    return QTest::qWaitFor(
        [&form] {
            const KvSNMPRequest2Edits* b = form.CurrentBinding();
            return b && !b->Busy() && form.Panel(0)->MsgPanel() && !KvMemoLines(form.Panel(0)->MsgPanel()->Memo).isEmpty();
        },
        15000);
}

void SelectRow(TSNMPListViewPanel& panel, const QString& key)
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

std::string WithoutTime(std::string text)
{
    const auto at = text.find("# time: ");
    return text.erase(at, text.find('\n', at) - at);
}

class Snapshots : public ::testing::Test {
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
        delete sim_;
        relay_ = nullptr;
        sim_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        ResetDefaultParameters();
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = relay_->port();
        DefaultSecurity.Version = 1;   // v2c: tables read with get-bulk
        DefaultTimeout = KvModuleTimeout;
        MainTexts.AgentIP = "127.0.0.1";
        relay_->Clear();
    }

    static KvSnapshot Save(bool secrets = false)
    {
        return ReadSnapshot(ModuleSnapshotModel(), secrets, "ksw4800 test");
    }

    std::vector<KvMessageRequest> boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;   // to a question
    KvScopedMessagePresenter presenter_{[this](const KvMessageRequest& r) {
        boxes_.push_back(r);
        return (r.Buttons & QMessageBox::Yes) ? answer_ : QMessageBox::Ok;
    }};
    QMainWindow window_;
    static inline KswSim* sim_ = nullptr;
    static inline SetRecorder* relay_ = nullptr;
};

// The four changes an administrator makes by hand, made through the views:
// a scalar, a table cell, a new row and a deleted row.
TEST_F(Snapshots, RoundTripFindsExactlyTheChangesMadeInTheViewsAndRestoreUndoesThem)
{
    const SnapshotModel& model = ModuleSnapshotModel();
    const KvSnapshot first = Save();
    ASSERT_GT(first.Lines.size(), 1000u);

    TEditsPanel* edits = nullptr;   // the VLAN page's rows, lent to its dialogs
    ModalScript script({
        [&](QDialog& d) {   // Single IP Management Control: the hold time
            TConfigForm& form = Form(d);
            EXPECT_TRUE(Settled(form));
            TEditsPanel* scalars = form.Panel(0)->EditsPanel();
            scalars->RowEdit(2)->setText(QStringLiteral("222"));
            scalars->Row(2).Check->click();
            scalars->Buttons()->BT_SetChecked->click();
            EXPECT_TRUE(QTest::qWaitFor([&] { return !form.CurrentBinding()->Busy(); }, 5000));
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& d) {   // 802.1Q VLAN: rename 10, add 77, delete 20
            TConfigForm& form = Form(d);
            EXPECT_TRUE(Settled(form));
            auto* vlans = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
            auto settled = [&] { return QTest::qWaitFor([&] { return !vlans->Binding()->Busy(); }, 5000); };
            edits = vlans->EditsPanel();
            SelectRow(*vlans, QStringLiteral("10"));
            vlans->CtrlBtnPanel()->BT_Edit->click();
            EXPECT_TRUE(settled());
            vlans->CtrlBtnPanel()->BT_Add->click();
            EXPECT_TRUE(settled());
            SelectRow(*vlans, QStringLiteral("20"));
            vlans->CtrlBtnPanel()->BT_Delete->click();
            EXPECT_TRUE(settled());
            return static_cast<int>(QDialog::Rejected);
        },
        [&](QDialog& edit) {
            edits->RowEdit(1)->setText(QStringLiteral("renamed"));
            if (!edits->Row(1).Check->isChecked())
                edits->Row(1).Check->click();
            edits->Buttons()->BT_SetChecked->click();
            return edit.result();
        },
        [&](QDialog& add) {
            edits->RowEdit(0)->setText(QStringLiteral("77"));
            edits->RowEdit(1)->setText(QStringLiteral("lab"));
            edits->Buttons()->BT_SetChecked->click();
            return add.result();
        },
    });
    ASSERT_TRUE(RunViewEntry(window_, "Control1"));
    ASSERT_TRUE(RunViewEntry(window_, "N8021QVLAN1"));
    EXPECT_TRUE(script.Done());

    const KvSnapshot changed = Save();
    const auto diffs = CompareSnapshots(model, first, changed);
    std::vector<std::tuple<SnapshotDiffKind, std::string, std::string>> found;
    for (const SnapshotDifference& d : diffs)
        found.emplace_back(d.Kind, d.Key, d.ColumnCaption);
    EXPECT_EQ(found, (std::vector<std::tuple<SnapshotDiffKind, std::string, std::string>>{
                         {SnapshotDiffKind::Changed, "", "Holdtime"},
                         {SnapshotDiffKind::Changed, "10", "VLAN Static Name"},
                         {SnapshotDiffKind::RowOnlyLeft, "20", ""},
                         {SnapshotDiffKind::RowOnlyRight, "77", ""},
                     }))
        << DifferenceText(diffs, "snapshot", "switch");

    std::vector<int> all(diffs.size());
    std::iota(all.begin(), all.end(), 0);
    const auto plan = PlanRestore(model, first, diffs, all);
    const SnapshotRestoreReport report = RestoreSnapshot(plan);
    EXPECT_EQ(report.RefusedSet, -1) << report.Text(plan);

    const KvSnapshot restored = Save();
    EXPECT_TRUE(CompareSnapshots(model, first, restored).empty())
        << DifferenceText(CompareSnapshots(model, first, restored), "snapshot", "switch");
    EXPECT_EQ(WithoutTime(KvSnapshotText(restored)), WithoutTime(KvSnapshotText(first)));
}

// The first SET the agent refuses ends the restore: what came before is
// reported applied, the refusal with its reason, the rest as not tried, and
// nothing after it is sent.
TEST_F(Snapshots, RestoreStopsAtTheFirstRefusalAndSendsNothingAfterIt)
{
    const SnapshotModel& model = ModuleSnapshotModel();
    KvSnapshot wanted = Save();
    KvSnapshot now = wanted;
    int changedScalars = 0, changedCells = 0;
    for (KvSnapshotLine& l : now.Lines) {
        if (l.State != KvSnapshotState::Value || l.Syntax != KvSyntax::Integer)
            continue;
        const auto place = model.Find(l.Oid);
        const bool scalar = model.Tables()[static_cast<std::size_t>(place->Table)].Scalars;
        if ((scalar && changedScalars < 2) || (!scalar && changedCells < 1)) {
            l.Value = std::to_string(std::stol(l.Value) + 1);
            (scalar ? changedScalars : changedCells)++;
        }
    }
    const auto diffs = CompareSnapshots(model, wanted, now);
    std::vector<int> all(diffs.size());
    std::iota(all.begin(), all.end(), 0);
    const auto plan = PlanRestore(model, wanted, diffs, all);
    ASSERT_GE(plan.size(), 2u) << RestorePlanText(plan);

    relay_->FailNextSet(6);   // noAccess
    const SnapshotRestoreReport report = RestoreSnapshot(plan);
    EXPECT_EQ(report.RefusedSet, 0);
    EXPECT_EQ(report.States[0], SnapshotSetState::Refused);
    for (std::size_t i = 1; i < plan.size(); ++i)
        EXPECT_EQ(report.States[i], SnapshotSetState::NotTried);
    EXPECT_EQ(relay_->Sets().size(), 1u);
    const std::string text = report.Text(plan);
    EXPECT_NE(text.find("REFUSED: " + plan[0].Title), std::string::npos) << text;
    EXPECT_NE(text.find(MapErrorCode(6).Message), std::string::npos) << text;
    EXPECT_NE(text.find("not tried"), std::string::npos) << text;
}

// Communities, keys and passwords leave the switch only when asked for; the
// model keeps no read-only object (counters among them) and no command.
TEST_F(Snapshots, SecretsAreWithheldUnlessAskedForAndOnlySettingsAreSaved)
{
    const SnapshotModel& model = ModuleSnapshotModel();
    for (const SnapshotTable& t : model.Tables())
        for (const SnapshotColumn& c : t.Columns) {
            EXPECT_NE(c.Syntax, KvSyntax::Counter64) << c.Caption;
            EXPECT_NE(c.Options, &SystemResetOptions) << c.Caption;
            EXPECT_NE(c.Options, &SaveConfigOptions) << c.Caption;
        }
    // The 802.1X port controls that initialize or re-authenticate a port.
    for (const char* trigger : {"1.0.8802.1.1.1.1.1.2.1.4.1", "1.0.8802.1.1.1.1.1.2.1.5.1"})
        EXPECT_FALSE(model.Find(trigger)) << trigger;
    const std::string communityName = "1.3.6.1.6.3.18.1.1.1.2.";
    auto lines = [&](const KvSnapshot& s) {
        std::vector<const KvSnapshotLine*> out;
        for (const KvSnapshotLine& l : s.Lines)
            if (l.Oid.starts_with(communityName))
                out.push_back(&l);
        return out;
    };
    const KvSnapshot plain = Save(false);
    const KvSnapshot secret = Save(true);
    ASSERT_FALSE(lines(plain).empty());
    for (const KvSnapshotLine* l : lines(plain))
        EXPECT_EQ(l->State, KvSnapshotState::Withheld) << l->Oid;
    for (const KvSnapshotLine* l : lines(secret))
        EXPECT_EQ(l->State, KvSnapshotState::Value) << l->Oid;
    EXPECT_FALSE(plain.Header.Secrets);
    EXPECT_TRUE(secret.Header.Secrets);
    EXPECT_NE(KvSnapshotText(plain).find(" displaystr withheld  # Community Table | "), std::string::npos);
}

// A saved switch served by ksw-sim reads back as the same settings.
TEST_F(Snapshots, ASavedSwitchClonedIntoTheSimulatorReadsBackTheSame)
{
    const KvSnapshot saved = Save(true);
    QTemporaryDir dir;
    const QString path = dir.filePath("switch.snap");
    KvWriteSnapshotFile(saved, path.toStdString());
    KswSim::Options o;
    o.dataFile = path;
    KswSim clone(o);
    ASSERT_TRUE(clone.running()) << clone.errorText().toStdString();
    DefaultDevice.Port = clone.port();
    const KvSnapshot again = Save(true);
    EXPECT_TRUE(CompareSnapshots(ModuleSnapshotModel(), saved, again).empty())
        << DifferenceText(CompareSnapshots(ModuleSnapshotModel(), saved, again), "saved", "clone");
    EXPECT_EQ(again.Header.SysObjectId, saved.Header.SysObjectId);
    EXPECT_EQ(again.Header.SysName, saved.Header.SysName);
}

} // namespace

namespace {

// The compare window: every difference listed with its view, key and column,
// the ones that can be put back ticked but the row deletion, and Restore…
// sends what is ticked after the SETs were shown.
TEST_F(Snapshots, CompareWindowTicksAllButDeletionsAndRestoresTheTickedAfterShowingTheSets)
{
    const KvSnapshot now = Save();
    KvSnapshot wanted = now;
    for (KvSnapshotLine& l : wanted.Lines)
        if (l.Oid == "1.3.6.1.4.1.97531.12.8.1.2.3.0")
            l.Value = "150";   // Holdtime
    // A row the switch has and the snapshot lacks: VLAN 20.
    std::erase_if(wanted.Lines, [](const KvSnapshotLine& l) {
        return l.Oid.starts_with("1.3.6.1.2.1.17.7.1.4.3.1.") && l.Oid.ends_with(".20");
    });
    TSnapshotCompareForm form(&window_, wanted, now, QStringLiteral("Snapshot"), QStringLiteral("Switch"), true);
    ASSERT_EQ(form.Differences().size(), 2u) << DifferenceText(form.Differences(), "snapshot", "switch");
    QTreeWidget* list = form.List()->ListView;
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("Holdtime"));
    EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("20"));
    EXPECT_EQ(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(form.Chosen(), std::vector<int>{0});

    QString shown;
    ModalScript script({[&](QDialog& confirm) {
        shown = confirm.findChild<QPlainTextEdit*>()->toPlainText();
        return static_cast<int>(QDialog::Accepted);
    }});
    form.Restore();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(shown.contains(QStringLiteral("1.3.6.1.4.1.97531.12.8.1.2.3.0 = \"150\""))) << shown.toStdString();
    ASSERT_EQ(relay_->Sets().size(), 1u);
    EXPECT_EQ(relay_->Sets()[0].ValueOf("1.3.6.1.4.1.97531.12.8.1.2.3.0"), "150");
    // Read again: only the unticked deletion is left.
    ASSERT_EQ(form.Differences().size(), 1u) << DifferenceText(form.Differences(), "snapshot", "switch");
    EXPECT_EQ(form.Differences()[0].Kind, SnapshotDiffKind::RowOnlyRight);
}

} // namespace

namespace {

// A snapshot of another switch model is put back only when the user insists:
// answered No, nothing is sent, not even the list of SETs is offered.
TEST_F(Snapshots, RestoreOfAnotherSwitchModelIsRefusedUnlessTheUserInsists)
{
    const KvSnapshot now = Save();
    KvSnapshot wanted = now;
    wanted.Header.SysObjectId = "1.3.6.1.4.1.97531.10.24";
    for (KvSnapshotLine& l : wanted.Lines)
        if (l.Oid == "1.3.6.1.4.1.97531.12.8.1.2.3.0")
            l.Value = std::to_string(std::stoi(l.Value) + 1);   // Holdtime
    const struct {
        QMessageBox::StandardButton Answer;
        int Confirmations;
        std::size_t Sets;
    } cases[] = {{QMessageBox::No, 0, 0}, {QMessageBox::Yes, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Answer == QMessageBox::Yes ? "insists" : "declines");
        relay_->Clear();
        boxes_.clear();
        answer_ = c.Answer;
        TSnapshotCompareForm form(&window_, wanted, now, QStringLiteral("Snapshot"), QStringLiteral("Switch"), true);
        ASSERT_EQ(form.Chosen().size(), 1u) << DifferenceText(form.Differences(), "snapshot", "switch");
        int confirmations = 0;
        TScopedModalRunner runner([&](QDialog&) {
            ++confirmations;
            return static_cast<int>(QDialog::Accepted);
        });
        form.Restore();
        ASSERT_FALSE(boxes_.empty());
        EXPECT_TRUE(boxes_[0].Text.contains(QStringLiteral("another switch model"))) << boxes_[0].Text.toStdString();
        EXPECT_EQ(confirmations, c.Confirmations);
        EXPECT_EQ(relay_->Sets().size(), c.Sets);
    }
}

// A SET that gets no answer may have been applied or not: the report says
// that, not that the switch refused it, and nothing after it is sent.
TEST_F(Snapshots, RestoreWithoutAnAnswerIsNotReportedAsRefused)
{
    const SnapshotModel& model = ModuleSnapshotModel();
    const KvSnapshot now = Save();
    KvSnapshot wanted = now;
    for (KvSnapshotLine& l : wanted.Lines)
        if (l.Oid == "1.3.6.1.4.1.97531.12.8.1.2.3.0" || l.Oid == "1.3.6.1.2.1.17.7.1.4.3.1.1.10")
            l.Value = l.Syntax == KvSyntax::Integer ? std::to_string(std::stoi(l.Value) + 1) : "other";
    const auto diffs = CompareSnapshots(model, wanted, now);
    std::vector<int> all(diffs.size());
    std::iota(all.begin(), all.end(), 0);
    const auto plan = PlanRestore(model, wanted, diffs, all);
    ASSERT_EQ(plan.size(), 2u) << RestorePlanText(plan);

    DefaultDevice.Port = FreeUdpPort();   // nobody answers there
    DefaultTimeout = 20;
    const SnapshotRestoreReport report = RestoreSnapshot(plan);
    EXPECT_TRUE(report.Unanswered());
    EXPECT_EQ(report.States, (std::vector<SnapshotSetState>{SnapshotSetState::Refused, SnapshotSetState::NotTried}));
    const std::string text = report.Text(plan);
    EXPECT_NE(text.find("NO ANSWER: " + plan[0].Title), std::string::npos) << text;
    EXPECT_NE(text.find("may or may not have applied"), std::string::npos) << text;
    EXPECT_EQ(text.find("REFUSED"), std::string::npos) << text;
}

} // namespace
