// A scalar-group view against ksw-sim: values read into the rows, Set Checked
// writing only the checked rows (seen on the agent with a fresh read), the
// single-value "Set", the empty-item warning, the range check and the bit
// editor's round trip to the agent and back.
#include "Editspanel.h"
#include "Snmpeditorpanel.h"
#include "Viewmodal.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"

#include "KswSimOnData.h"
#include "kvsnmp/KvOptionList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

const KvOptionDef kStateRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const KvOptionList kState(kStateRows, KvOptionList::IntegerValues);

const char* const kBase = "1.3.6.1.4.1.97531.99.1.";

// A small private group: a description, a hold time, a name, a port list of
// seven bytes (50 ports) and a state.
const char kData[] =
    "#!writable 1.3.6.1.4.1.97531.99.1.2.0 2 0..65535\n"
    "#!writable 1.3.6.1.4.1.97531.99.1.3.0 4 0..32\n"
    "#!writable 1.3.6.1.4.1.97531.99.1.4.0 4 0..16\n"
    "#!writable 1.3.6.1.4.1.97531.99.1.5.0 2 1..2\n"
    "1.3.6.1.4.1.97531.99.1.1.0|4|Test group\n"
    "1.3.6.1.4.1.97531.99.1.2.0|2|180\n"
    "1.3.6.1.4.1.97531.99.1.3.0|4|alpha\n"
    "1.3.6.1.4.1.97531.99.1.4.0|4x|00000000000000\n"
    "1.3.6.1.4.1.97531.99.1.5.0|2|1\n";

enum Row { Description = 0, HoldTime = 1, Name = 2, Ports = 3, State = 4 };

class EditorPanel : public KswSimOnData<> {
protected:
    static void SetUpTestSuite() { StartAgent(kData); }

    // A binding of the whole group (or of the rows given) with its view on the form.
    std::unique_ptr<KvSNMPRequest2Edits> makeBinding(const std::vector<Row>& rows = {Description, HoldTime, Name, Ports, State})
    {
        auto b = std::make_unique<KvSNMPRequest2Edits>(&form);
        b->Request().Timeout = 100;
        b->Request().Retries = 1;
        b->SetMode(KvSNMPRequest2Controls::Synchronous);
        KvSNMPVarList& vars = b->Variables();
        vars.Name = "test group";
        for (Row r : rows) {
            const std::string oid = kBase + std::to_string(int(r) + 1);
            switch (r) {
            case Description: vars.AppendItem(oid, "Description", DisplayStr, ReadOnly); break;
            case HoldTime: vars.AppendItem(oid, "Hold Time", Integer, ReadWrite); break;
            case Name: vars.AppendItem(oid, "Name", DisplayStr, ReadWrite); break;
            case Ports: vars.AppendItem(oid, "Ports", OctetStr, ReadWrite); break;
            case State: vars.AppendItem(oid, "State", Integer, ReadWrite, &kState); break;
            }
        }
        return b;
    }

    // What the agent holds now, read by a binding of its own.
    std::string agentValue(Row r)
    {
        auto b = makeBinding({r});
        b->Get();
        return b->Variables().ItemAt(0).Value;
    }

    void put(Row r, const std::string& value)
    {
        auto b = makeBinding({r});
        b->Variables().ItemAt(0).Value = value;
        b->Set(false, false);
    }

    static QStringList setLines(const TSNMPPanel& panel)
    {
        QStringList lines = KvMemoLines(panel.MsgPanel()->Memo);
        lines.removeIf([](const QString& l) { return !l.startsWith("Set:"); });
        return lines;
    }

    QWidget form;
};

TEST_F(EditorPanel, SetCheckedWritesOnlyTheCheckedRows)
{
    put(HoldTime, "180");
    put(Name, "alpha");
    auto b = makeBinding();
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    panel.CtrlBtnPanel()->BT_Refresh->click();
    EXPECT_EQ(edits->RowEdit(Description)->text(), "Test group");
    EXPECT_EQ(edits->RowEdit(HoldTime)->text(), "180");
    EXPECT_EQ(edits->RowEdit(Name)->text(), "alpha");
    EXPECT_EQ(qobject_cast<QComboBox*>(edits->Row(State).Control)->currentText(), "enabled");

    edits->RowEdit(HoldTime)->setText("200");
    edits->RowEdit(Name)->setText("beta");
    edits->Row(Name).Check->click();
    ASSERT_TRUE(panel.CtrlBtnPanel()->BT_SetChecked->isEnabled());
    panel.CtrlBtnPanel()->BT_SetChecked->click();
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(setLines(panel).size(), 1);
    EXPECT_TRUE(setLines(panel)[0].contains("Ok!")) << setLines(panel)[0].toStdString();
    EXPECT_EQ(agentValue(Name), "beta");
    EXPECT_EQ(agentValue(HoldTime), "180");
    // The unchecked rows were left out for that write only.
    for (int i = 0; i < b->Variables().Count(); ++i)
        EXPECT_FALSE(b->Variables().ItemAt(i).Access & Invalid) << i;
    EXPECT_EQ(b->Mode(), KvSNMPRequest2Controls::Synchronous);

    edits->Row(Name).Check->click();
    edits->Row(HoldTime).Check->click();
    panel.CtrlBtnPanel()->BT_SetChecked->click();
    EXPECT_EQ(agentValue(HoldTime), "200");
    EXPECT_EQ(setLines(panel).size(), 2);
}

TEST_F(EditorPanel, WriteFollowsTheBindingsAsynchronousModeAfterwards)
{
    put(State, "enabled");
    auto b = makeBinding();
    b->SetMode(KvSNMPRequest2Controls::Asynchronous);
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    edits->SetRowValue(State, "disabled");
    edits->CheckRow(State);
    EXPECT_TRUE(edits->SetCheckedClick());
    // The write itself ran synchronously: the agent has the value at once.
    EXPECT_EQ(agentValue(State), "disabled");
    EXPECT_EQ(b->Mode(), KvSNMPRequest2Controls::Asynchronous);
}

TEST_F(EditorPanel, SingleEditableValueIsWrittenWithSet)
{
    put(Name, "alpha");
    auto b = makeBinding({Description, Name});
    TSNMPEditorPanel panel(&form, b.get());
    QPushButton* set = panel.CtrlBtnPanel()->BT_SetChecked;
    EXPECT_EQ(set->text(), "Set");
    EXPECT_TRUE(set->isEnabled());
    EXPECT_TRUE(panel.EditsPanel()->Row(1).Check->isHidden());
    panel.CtrlBtnPanel()->BT_Refresh->click();
    panel.EditsPanel()->RowEdit(1)->setText("gamma");
    set->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(agentValue(Name), "gamma");
}

TEST_F(EditorPanel, EmptyCheckedItemIsNotWritten)
{
    put(Name, "alpha");
    put(HoldTime, "180");
    auto b = makeBinding();
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    panel.CtrlBtnPanel()->BT_Refresh->click();
    edits->RowEdit(Name)->clear();
    edits->RowEdit(HoldTime)->setText("181");
    edits->CheckRow(Name);
    edits->CheckRow(HoldTime);
    EXPECT_FALSE(edits->SetCheckedClick());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Caption, "Warning");
    EXPECT_EQ(messages[0].Text, "Some items are empty!\nName");
    EXPECT_TRUE(setLines(panel).isEmpty());
    EXPECT_EQ(agentValue(Name), "alpha");
    EXPECT_EQ(agentValue(HoldTime), "180");

    // An empty row that is not checked stays out and does not stop the others.
    edits->UncheckRow(Name);
    EXPECT_TRUE(edits->SetCheckedClick());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(agentValue(HoldTime), "181");
    EXPECT_EQ(agentValue(Name), "alpha");
}

TEST_F(EditorPanel, RangeCheckBeforeWriting)
{
    struct Case {
        const char* typed;
        const char* message;   // null: written
    };
    const std::vector<Case> cases = {
        {"99", "swSingleIPHoldtime must be between 100 and 255!"},
        {"256", "swSingleIPHoldtime must be between 100 and 255!"},
        {"100", nullptr},
        {"255", nullptr},
        // No whole number is between them either.
        {"12x", "swSingleIPHoldtime must be between 100 and 255!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        put(HoldTime, "180");
        auto b = makeBinding();
        TSNMPEditorPanel panel(&form, b.get());
        TEditsPanel* edits = panel.EditsPanel();
        edits->SetNeedCheckItemRange("swSingleIPHoldtime", HoldTime, 100, 255);
        edits->SetRangeCheck(true);
        panel.CtrlBtnPanel()->BT_Refresh->click();
        edits->RowEdit(HoldTime)->setText(c.typed);
        edits->CheckRow(HoldTime);
        const bool sent = edits->SetCheckedClick();
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].Caption, "Error");
            EXPECT_EQ(messages[0].Text, c.message);
        } else {
            EXPECT_TRUE(messages.empty());
        }
        const bool written = !c.message;
        EXPECT_EQ(sent, written);
        EXPECT_EQ(agentValue(HoldTime), written ? c.typed : "180");
        EXPECT_FALSE(b->Variables().ItemAt(Name).Access & Invalid);
    }
}

TEST_F(EditorPanel, DialogClosesOnlyAfterAWriteThatWentThrough)
{
    struct Case {
        const char* typed;
        bool closes;
    };
    // Out of the checked range; refused by the agent; written.
    const std::vector<Case> cases = {{"99", false}, {"70000", false}, {"150", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        put(HoldTime, "180");
        QDialog dialog;
        auto b = std::make_unique<KvSNMPRequest2Edits>(&dialog);
        b->SetMode(KvSNMPRequest2Controls::Synchronous);
        b->Request().Timeout = 100;
        b->Request().Retries = 1;
        b->Variables().AppendItem(std::string(kBase) + "2", "Hold Time", Integer, ReadWrite);
        b->Variables().AppendItem(std::string(kBase) + "3", "Name", DisplayStr, ReadWrite);
        auto* panel = new TSNMPEditorPanel(&dialog, b.get());
        panel->AttachToForm(&dialog);
        TEditsPanel* edits = panel->EditsPanel();
        edits->SetNeedCheckItemRange("Hold Time", 0, 100, 70000);
        edits->SetRangeCheck(std::string(c.typed) == "99");
        dialog.show();
        panel->CtrlBtnPanel()->BT_Refresh->click();
        edits->SetRowValue(0, c.typed);
        edits->CheckRow(0);
        edits->SetCheckedClick(true);
        EXPECT_EQ(dialog.isVisible(), !c.closes);
        EXPECT_EQ(dialog.result(), c.closes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(agentValue(HoldTime), c.closes ? c.typed : "180");
    }
}

TEST_F(EditorPanel, RangeCheckOnlyWhileSwitchedOn)
{
    put(HoldTime, "180");
    auto b = makeBinding();
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    edits->SetNeedCheckItemRange("swSingleIPHoldtime", HoldTime, 100, 255);
    edits->SetRowValue(HoldTime, "99");
    edits->CheckRow(HoldTime);
    EXPECT_TRUE(edits->SetCheckedClick());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(agentValue(HoldTime), "99");
}

TEST_F(EditorPanel, BitEditorRoundTrip)
{
    put(Ports, "00000000000000");
    auto b = makeBinding();
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    edits->SetOctetEditor(Ports, 25, 50);
    panel.CtrlBtnPanel()->BT_Refresh->click();
    QLineEdit* edit = edits->RowEdit(Ports);
    EXPECT_EQ(edit->text(), "00000000000000");
    EXPECT_TRUE(edit->isReadOnly());

    int opened = 0;
    {
        TScopedModalRunner runner([&](QDialog& d) {
            ++opened;
            auto* dialog = dynamic_cast<TBitEditorDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int(QDialog::Rejected);
            EXPECT_EQ(dialog->windowTitle(), "Ports");
            const auto& boxes = dialog->Boxes();
            const auto& labels = dialog->Labels();
            EXPECT_EQ(boxes.size(), 50);
            EXPECT_EQ(labels.size(), 50);
            for (int i = 0; i < labels.size(); ++i)
                EXPECT_EQ(labels[i]->text(), QString::number(i + 1));
            // Two lines of 25: box 26 starts the second line under box 1.
            EXPECT_EQ(boxes[25]->x(), boxes[0]->x());
            EXPECT_EQ(labels[25]->y(), boxes[0]->height() + labels[0]->height() + 10);
            EXPECT_EQ(boxes[24]->x(), 24 * 20 + 10);
            EXPECT_EQ(dialog->width(), boxes[24]->geometry().right() + 1 + 10);
            EXPECT_EQ(dialog->height(), dialog->BT_OK->geometry().bottom() + 1 + 10);
            for (QCheckBox* box : boxes)
                EXPECT_FALSE(box->isChecked());
            boxes[0]->setChecked(true);
            boxes[25]->setChecked(true);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(edit, Qt::LeftButton);
    }
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(edit->text(), "80000040000000");

    // Cancel leaves the value as it was.
    {
        TScopedModalRunner runner([](QDialog& d) {
            static_cast<TBitEditorDialog&>(d).CheckAll(true);
            return int(QDialog::Rejected);
        });
        QTest::keyClick(edit, Qt::Key_Space);
    }
    EXPECT_EQ(edit->text(), "80000040000000");

    edits->CheckRow(Ports);
    ASSERT_TRUE(edits->SetCheckedClick());
    EXPECT_EQ(agentValue(Ports), "80000040000000");

    // Read back from the agent, the editor shows the same two ports.
    edit->clear();
    panel.CtrlBtnPanel()->BT_Refresh->click();
    EXPECT_EQ(edit->text(), "80000040000000");
    std::vector<int> checked;
    TScopedModalRunner runner([&](QDialog& d) {
        const auto& boxes = static_cast<TBitEditorDialog&>(d).Boxes();
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i]->isChecked())
                checked.push_back(i + 1);
        return int(QDialog::Accepted);
    });
    edits->OpenBitEditor(Ports);
    EXPECT_EQ(checked, (std::vector<int>{1, 26}));
    EXPECT_EQ(edit->text(), "80000040000000");
}

TEST_F(EditorPanel, BitEditorOfAReadOnlyValueOnlyShows)
{
    auto b = makeBinding({Description, Ports});
    b->Variables().ItemAt(1).Access = ReadOnly;
    b->Variables().ItemAt(1).Value = "A0";
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    b->UpdateControls();
    edits->SetOctetEditor(1, 8, 8);
    bool seen = false;
    TScopedModalRunner runner([&](QDialog& d) {
        auto& dialog = static_cast<TBitEditorDialog&>(d);
        seen = true;
        EXPECT_EQ(dialog.BT_Cancel, nullptr);
        EXPECT_EQ(dialog.BT_CheckAll, nullptr);
        EXPECT_TRUE(dialog.Boxes()[0]->isChecked());
        EXPECT_FALSE(dialog.Boxes()[1]->isChecked());
        EXPECT_TRUE(dialog.Boxes()[2]->isChecked());
        EXPECT_FALSE(dialog.Boxes()[0]->isEnabled());
        // The buttons fit even under a short line of boxes.
        EXPECT_LE(dialog.BT_OK->geometry().right(), dialog.width());
        return int(QDialog::Accepted);
    });
    edits->OpenBitEditor(1);
    EXPECT_TRUE(seen);
    EXPECT_EQ(edits->RowEdit(1)->text(), "A0");
}

} // namespace
