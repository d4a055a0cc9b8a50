// The panel frame without an agent: button pictures and stacking, sizing of
// the panel and its host form, the shared message memo, Close, and how the
// edits panel lays out its rows and sets up the buttons for a scalar group.
#include "Ctrlbtnpanel.h"
#include "Editspanel.h"
#include "Snmpeditorpanel.h"
#include "Snmppanel.h"

#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

const KvOptionDef kStateRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const KvOptionList kState(kStateRows, KvOptionList::IntegerValues);

// Captures every message box instead of showing it.
struct Messages {
    std::vector<KvMessageRequest> seen;
    KvScopedMessagePresenter scope{[this](const KvMessageRequest& r) {
        seen.push_back(r);
        return QMessageBox::Ok;
    }};
};

class CurrentDir {
public:
    explicit CurrentDir(const QString& dir) : old_(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentDir() { QDir::setCurrent(old_); }
private:
    QString old_;
};

TEST(CtrlBtnPanel, CaptionsWithoutPicturesAndPictureInsteadOfCaption)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        CurrentDir cd(dir.path());
        QWidget parent;
        TCtrlBtnPanel plain(&parent);
        for (QPushButton* b : {plain.BT_Refresh, plain.BT_Edit, plain.BT_SetChecked, plain.BT_Add, plain.BT_Delete,
                               plain.BT_CheckAll, plain.BT_ClearChecks, plain.BT_Close}) {
            EXPECT_FALSE(b->text().isEmpty());
            EXPECT_TRUE(b->icon().isNull());
        }
        EXPECT_EQ(plain.BT_Refresh->text(), "Refresh");
        EXPECT_EQ(plain.BT_ClearChecks->text(), "Clear Checks");
    }
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(dir.filePath("Get.bmp"), "BMP"));
    // A file that is no picture leaves its button's caption.
    QFile broken(dir.filePath("Close.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();

    CurrentDir cd(dir.path());
    QWidget parent;
    TCtrlBtnPanel withPicture(&parent);
    EXPECT_TRUE(withPicture.BT_Refresh->text().isEmpty());
    EXPECT_FALSE(withPicture.BT_Refresh->icon().isNull());
    EXPECT_EQ(withPicture.BT_Edit->text(), "Edit");
    EXPECT_EQ(withPicture.BT_Close->text(), "Close");
}

TEST(CtrlBtnPanel, HiddenButtonsTakeNoRoom)
{
    QWidget parent;
    TCtrlBtnPanel p(&parent);
    EXPECT_TRUE(p.BT_Add->isHidden());
    EXPECT_TRUE(p.BT_Delete->isHidden());
    EXPECT_EQ(p.BT_CheckAll->y(), p.BT_SetChecked->geometry().bottom() + 1 + 5);
    EXPECT_EQ(p.LB_Samples->y(), 10);
    for (QWidget* w : p.LayoutList()) {
        EXPECT_EQ(w->x(), 10);
        EXPECT_EQ(w->width(), 96);
    }
    EXPECT_EQ(p.minimumWidth(), 2 * 10 + 96);

    p.BT_Add->show();
    p.ArrangeButtons();
    EXPECT_EQ(p.BT_Add->y(), p.BT_SetChecked->geometry().bottom() + 1 + 5);
    EXPECT_EQ(p.BT_CheckAll->y(), p.BT_Add->geometry().bottom() + 1 + 5);
}

TEST(SNMPPanel, ContentSizesPanelAndFormUpToTheCap)
{
    struct Case {
        QSize content;
        QSize formBefore;
        QSize formAfter;   // empty: the panel's own size
    };
    const std::vector<Case> cases = {
        {{1000, 700}, {159, 105}, {800, 550}},
        {{300, 200}, {159, 105}, {}},
        {{300, 200}, {780, 500}, {780, 500}},   // a larger form keeps its size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content.width());
        QDialog form;
        form.resize(c.formBefore);
        KvSNMPRequest2Edits binding(&form);
        auto* panel = new TSNMPPanel(&form, nullptr, &binding);
        auto* content = new QWidget;
        content->resize(c.content);
        panel->SetContent(content);
        EXPECT_EQ(content->parentWidget()->parentWidget(), panel->BottomSplitter());
        const int expectedWidth = c.content.width() + panel->CtrlBtnPanel()->minimumWidth()
            + panel->RightSplitter()->handleWidth() + 3;
        EXPECT_EQ(panel->width(), expectedWidth);
        EXPECT_EQ(panel->height(), c.content.height() + 50 + 5);
        panel->AttachToForm(&form);
        EXPECT_EQ(panel->HostForm(), &form);
        EXPECT_EQ(form.size(), c.formAfter.isEmpty() ? panel->size() : c.formAfter);
    }
}

TEST(SNMPPanel, SmallContentStillShowsEveryButton)
{
    QWidget form;
    KvSNMPRequest2Edits binding(&form);
    TSNMPPanel panel(&form, nullptr, &binding);
    auto* content = new QWidget;
    content->resize(50, 20);
    panel.SetContent(content);
    EXPECT_EQ(panel.height(), panel.CtrlBtnPanel()->sizeHint().height());
    EXPECT_GE(panel.height(), panel.CtrlBtnPanel()->BT_Close->geometry().bottom());
}

TEST(SNMPPanel, ReplacedContentIsHiddenAndDetached)
{
    QWidget form;
    KvSNMPRequest2Edits binding(&form);
    TSNMPPanel panel(&form, nullptr, &binding);
    auto* first = new QWidget;
    auto* second = new QWidget;
    first->resize(100, 100);
    second->resize(200, 300);
    panel.SetContent(first);
    panel.SetContent(second);
    EXPECT_TRUE(first->isHidden());
    EXPECT_EQ(panel.Content(), second);
    EXPECT_EQ(panel.height(), 300 + 50 + 5);
}

TEST(SNMPPanel, HandedInMessagePanelIsSharedByBothBindings)
{
    QWidget form;
    KvSNMPRequest2Edits first(&form);
    KvSNMPRequest2Edits second(&form);
    TSNMPPanel owner(&form, nullptr, &first);
    TSNMPPanel borrower(&form, owner.OwnMsgPanel(), &second);
    EXPECT_EQ(borrower.OwnMsgPanel(), nullptr);
    EXPECT_EQ(borrower.MsgPanel(), owner.MsgPanel());
    first.ShowStatus("one");
    second.ShowStatus("two");
    const QStringList lines = KvMemoLines(owner.MsgPanel()->Memo);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("one"));
    EXPECT_TRUE(lines[1].contains("two"));

    // Without its own message area the panel is no taller than its content.
    auto* content = new QWidget;
    content->resize(300, 400);
    borrower.SetContent(content);
    EXPECT_EQ(borrower.height(), 400 + 5);
}

TEST(SNMPPanel, CloseClosesTheHostFormOrSaysWhyNot)
{
    Messages messages;
    QWidget parent;
    KvSNMPRequest2Edits binding(&parent);
    TSNMPPanel loose(&parent, nullptr, &binding);
    loose.CtrlBtnPanel()->BT_Close->click();
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].Text, "Please initial close form");

    QDialog form;
    auto* panel = new TSNMPPanel(&form, nullptr, &binding);
    panel->AttachToForm(&form);
    form.show();
    panel->CtrlBtnPanel()->BT_Close->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(messages.seen.size(), 1u);
}

// ---------------------------------------------------------------------------
// Edits panel without an agent.

enum class V { ReadOnly, Edit, Choice, ReadOnlyChoice };

std::unique_ptr<KvSNMPRequest2Edits> makeBinding(QWidget* form, const std::vector<V>& kinds)
{
    auto b = std::make_unique<KvSNMPRequest2Edits>(form);
    int n = 0;
    for (V k : kinds) {
        const std::string oid = "1.3.6.1.4.1.97531.99.2." + std::to_string(++n);
        const std::string caption = "Item " + std::to_string(n);
        switch (k) {
        case V::ReadOnly: b->Variables().AppendItem(oid, caption, DisplayStr, ReadOnly); break;
        case V::Edit: b->Variables().AppendItem(oid, caption, DisplayStr, ReadWrite); break;
        case V::Choice: b->Variables().AppendItem(oid, caption, Integer, ReadWrite, &kState); break;
        case V::ReadOnlyChoice: b->Variables().AppendItem(oid, caption, Integer, ReadOnly, &kState); break;
        }
    }
    return b;
}

TEST(EditsPanel, RowKindsFollowAccessAndOptionList)
{
    QWidget form;
    auto b = makeBinding(&form, {V::ReadOnly, V::Edit, V::Choice, V::ReadOnlyChoice});
    b->Variables().ItemAt(3).Value = "2";
    TEditsPanel p(&form, b.get());
    ASSERT_EQ(p.RowCount(), 4);
    EXPECT_EQ(p.Row(0).Kind, KindReadOnlyEdit);
    EXPECT_EQ(p.Row(1).Kind, KindEdit);
    EXPECT_EQ(p.Row(2).Kind, KindDropDown);
    EXPECT_EQ(p.Row(3).Kind, KindReadOnlyLabel);
    EXPECT_NE(qobject_cast<QComboBox*>(p.Row(2).Control), nullptr);
    EXPECT_EQ(qobject_cast<QComboBox*>(p.Row(2).Control)->count(), 2);

    // Read-only rows: no check box, edit not writable; editable rows unchecked.
    EXPECT_TRUE(p.Row(0).Check->isHidden());
    EXPECT_TRUE(p.RowEdit(0)->isReadOnly());
    EXPECT_TRUE(p.RowEdit(3)->isReadOnly());
    EXPECT_FALSE(p.RowEdit(1)->isReadOnly());
    EXPECT_FALSE(p.Row(1).Check->isHidden());
    EXPECT_FALSE(p.Row(1).Check->isChecked());
    EXPECT_TRUE(p.Row(2).Control->isEnabled());

    b->UpdateControls();
    EXPECT_EQ(p.RowEdit(3)->text(), "disabled");
}

TEST(EditsPanel, RowLayout)
{
    QWidget form;
    auto b = makeBinding(&form, {V::Edit, V::ReadOnly, V::Choice});
    b->Variables().ItemAt(1).Caption = "A much longer caption";
    TEditsPanel p(&form, b.get());
    const KvEditRow& first = p.Row(0);
    EXPECT_EQ(first.Control->y(), 20);
    EXPECT_EQ(p.Row(1).Control->y(), 20 + first.Control->height() + 5);
    EXPECT_EQ(p.Row(2).Control->y(), p.Row(1).Control->y() + p.Row(1).Control->height() + 5);
    int widest = 0;
    for (int i = 0; i < p.RowCount(); ++i) {
        const KvEditRow& r = p.Row(i);
        widest = std::max(widest, r.Caption->width());
        EXPECT_EQ(r.Check->x(), 20);
        EXPECT_EQ(r.Caption->x(), 20 + 20 + 5);
        EXPECT_EQ(r.Control->width(), 121);
        EXPECT_LE(std::abs(r.Check->geometry().center().y() - r.Control->geometry().center().y()), 1);
    }
    for (int i = 0; i < p.RowCount(); ++i)
        EXPECT_EQ(p.Row(i).Control->x(), 45 + widest + 5);
    const QRect last = p.Row(2).Control->geometry();
    EXPECT_EQ(p.size(), QSize(last.right() + 1 + 40, last.bottom() + 1 + 40));

    p.SetControlWidth(240);
    EXPECT_EQ(p.Row(1).Control->width(), 240);
    EXPECT_EQ(p.width(), p.Row(1).Control->geometry().right() + 1 + 40);

    // A hidden row is skipped.
    p.HideRow(1);
    EXPECT_TRUE(b->Variables().ItemAt(1).Access & Hidden);
    p.ArrangeRows();
    EXPECT_EQ(p.Row(2).Control->y(), 20 + first.Control->height() + 5);
    p.ShowRow(1);
    EXPECT_FALSE(b->Variables().ItemAt(1).Access & Hidden);
}

TEST(EditsPanel, ReturnInARowEditPressesNoButton)
{
    QDialog form;
    auto b = makeBinding(&form, {V::Edit, V::Edit});
    auto* panel = new TSNMPEditorPanel(&form, b.get());
    panel->AttachToForm(&form);
    int clicks = 0;
    for (QWidget* w : panel->CtrlBtnPanel()->LayoutList())
        if (auto* button = qobject_cast<QPushButton*>(w))
            QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    form.show();
    QLineEdit* edit = panel->EditsPanel()->RowEdit(0);
    edit->setFocus();
    QTest::keyClicks(edit, "abc");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(edit->text(), "abc");
}

struct ButtonCase {
    const char* name;
    std::vector<V> kinds;
    bool setShown;
    QString setCaption;
    bool setEnabled;
    bool checkAllShown;
    int visibleRowBoxes;
};

class ScalarButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ScalarButtons, ButtonsFollowTheEditableRows)
{
    const ButtonCase& c = GetParam();
    QWidget form;
    auto b = makeBinding(&form, c.kinds);
    TSNMPEditorPanel panel(&form, b.get());
    const TCtrlBtnPanel* buttons = panel.CtrlBtnPanel();
    EXPECT_TRUE(buttons->LB_Samples->isHidden());
    EXPECT_TRUE(buttons->ST_RowCount->isHidden());
    EXPECT_FALSE(buttons->BT_Refresh->isHidden());
    EXPECT_TRUE(buttons->BT_Edit->isHidden());
    EXPECT_TRUE(buttons->BT_Add->isHidden());
    EXPECT_TRUE(buttons->BT_Delete->isHidden());
    EXPECT_FALSE(buttons->BT_Close->isHidden());
    EXPECT_EQ(!buttons->BT_SetChecked->isHidden(), c.setShown);
    if (c.setShown) {
        EXPECT_EQ(buttons->BT_SetChecked->text(), c.setCaption);
        EXPECT_EQ(buttons->BT_SetChecked->isEnabled(), c.setEnabled);
    }
    EXPECT_EQ(!buttons->BT_CheckAll->isHidden(), c.checkAllShown);
    EXPECT_EQ(!buttons->BT_ClearChecks->isHidden(), c.checkAllShown);
    int boxes = 0;
    for (int i = 0; i < panel.EditsPanel()->RowCount(); ++i)
        boxes += panel.EditsPanel()->Row(i).Check->isHidden() ? 0 : 1;
    EXPECT_EQ(boxes, c.visibleRowBoxes);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ScalarButtons,
    ::testing::Values(
        ButtonCase{"AllReadOnly", {V::ReadOnly, V::ReadOnlyChoice}, false, {}, false, false, 0},
        ButtonCase{"OneEditable", {V::ReadOnly, V::Edit, V::ReadOnly}, true, "Set", true, false, 0},
        ButtonCase{"OneChoice", {V::Choice}, true, "Set", true, false, 0},
        ButtonCase{"Several", {V::ReadOnly, V::Edit, V::Choice}, true, "Set Checked", false, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditsPanel, ChecksDriveTheSetCheckedButton)
{
    QWidget form;
    auto b = makeBinding(&form, {V::Edit, V::Edit, V::Choice});
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    QPushButton* set = panel.CtrlBtnPanel()->BT_SetChecked;
    EXPECT_FALSE(set->isEnabled());
    edits->Row(1).Check->click();
    EXPECT_TRUE(set->isEnabled());
    edits->Row(1).Check->click();
    EXPECT_FALSE(set->isEnabled());
    panel.CtrlBtnPanel()->BT_CheckAll->click();
    EXPECT_TRUE(set->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(edits->Row(i).Check->isChecked());
    panel.CtrlBtnPanel()->BT_ClearChecks->click();
    EXPECT_FALSE(set->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(edits->Row(i).Check->isChecked());
}

TEST(EditsPanel, RowValuesAndClearing)
{
    QWidget form;
    auto b = makeBinding(&form, {V::Edit, V::Choice});
    TEditsPanel p(&form, b.get());
    auto* combo = qobject_cast<QComboBox*>(p.Row(1).Control);
    p.SetRowValue(0, "abc");
    p.SetRowValue(1, "disabled");
    EXPECT_EQ(p.RowEdit(0)->text(), "abc");
    EXPECT_EQ(combo->currentText(), "disabled");
    EXPECT_EQ(b->Variables().ItemAt(1).Value, "disabled");
    p.SetRowValue(1, "missing");
    EXPECT_EQ(combo->currentIndex(), -1);
    p.SetRowValue(1, "enabled");
    p.ClearRows();
    EXPECT_TRUE(p.RowEdit(0)->text().isEmpty());
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_TRUE(b->Variables().ItemAt(0).Value.empty());

    p.EnableRow(1);
    p.DisableRow(1);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_TRUE(p.Row(1).Check->isHidden());
    p.SetRowsState(true);
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_TRUE(p.Row(1).Check->isChecked());
}

TEST(EditsPanel, WrongRowKindsAreRefused)
{
    QWidget form;
    auto b = makeBinding(&form, {V::ReadOnly, V::Edit, V::Choice, V::ReadOnlyChoice});
    TSNMPEditorPanel panel(&form, b.get());
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const std::vector<Case> cases = {
        {[&] { panel.SetVarFormat(2, "%i{n1x4094}"); }, "Can not set Var format to a ComboBox!"},
        {[&] { panel.SetVarFormat(3, "%i{n1x4094}"); }, "Unknow UI Control type!"},
        {[&] { panel.EditsPanel()->SetOctetEditor(2, 8, 8); }, "You can only assign Octet Item to a Edit!"},
        {[&] { panel.EditsPanel()->SetOctetEditor(3, 8, 8); }, "You can only assign Octet Item to a Edit!"},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const KvSNMPException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    panel.SetVarFormat(1, "%i{n1x4094}");
    ASSERT_TRUE(b->Constraint().SpecOf(panel.EditsPanel()->RowEdit(1)).has_value());
    EXPECT_EQ(b->Constraint().SpecOf(panel.EditsPanel()->RowEdit(1))->Kind, 'i');
    EXPECT_EQ(panel.EditsPanel()->Row(1).Specifier, "%i{n1x4094}");
}

TEST(EditsPanel, EditWidthRefitsTheHostForm)
{
    QDialog form;
    form.resize(159, 105);
    auto b = makeBinding(&form, {V::Edit, V::Edit});
    auto* panel = new TSNMPEditorPanel(&form, b.get());
    panel->AttachToForm(&form);
    const int before = form.width();
    EXPECT_EQ(before, panel->width());
    panel->SetEditWidth(240);
    EXPECT_EQ(panel->EditsPanel()->Row(0).Control->width(), 240);
    EXPECT_EQ(form.width(), before + 240 - 121);
}


const KvOptionDef kAccessRows[] = {{1, "none"}, {2, "permit"}, {3, "deny"}, {0, nullptr}};
const KvOptionList kAccessList(kAccessRows, KvOptionList::IntegerValues);

TEST(EditsPanel, MulticastRangeModeRefusesIncompleteOrBadEntries)
{
    struct Case {
        const char* name;
        std::vector<bool> checks;   // rows 1 to 4
        const char* from;
        const char* to;
        const char* access;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"StateUnchecked", {true, true, true, false}, "224.1.1.1", "224.1.1.9", "permit", "Some fields need to be checked!"},
        {"PairHalfChecked", {true, true, false, true}, "224.1.1.1", "224.1.1.9", "permit", "Some fields need to be checked!"},
        {"BadFrom", {true, true, true, true}, "223.1.1.1", "224.1.1.9", "permit", "Bad value of FromIP field!"},
        {"BadTo", {true, true, true, true}, "224.1.1.1", "224.1.1", "permit", "Bad value of ToIP field!"},
        {"NoAccess", {true, true, true, true}, "224.1.1.1", "224.1.1.9", "none", "Bad value of Access field!"},
        {"NothingCheckedStillChecked", {false, false, false, true}, "224.1.1", "224.1.1.9", "permit", "Bad value of FromIP field!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Messages messages;
        QWidget form;
        auto b = std::make_unique<KvSNMPRequest2Edits>(&form);
        KvSNMPVarList& vars = b->Variables();
        vars.AppendItem("1.3.6.1.4.1.97531.99.3.1", "Index", Integer, ReadOnly);
        vars.AppendItem("1.3.6.1.4.1.97531.99.3.2", "From IP", IpAddress, ReadWrite);
        vars.AppendItem("1.3.6.1.4.1.97531.99.3.3", "To IP", IpAddress, ReadWrite);
        vars.AppendItem("1.3.6.1.4.1.97531.99.3.4", "Access", Integer, ReadWrite, &kAccessList);
        vars.AppendItem("1.3.6.1.4.1.97531.99.3.5", "State", Integer, ReadWrite, &kState);
        TSNMPEditorPanel panel(&form, b.get());
        TEditsPanel* edits = panel.EditsPanel();
        edits->SetMulticastRangeMode(true);
        edits->SetRowValue(1, c.from);
        edits->SetRowValue(2, c.to);
        edits->SetRowValue(3, c.access);
        edits->SetRowValue(4, "enabled");
        for (int r = 1; r <= 4; ++r)
            c.checks[static_cast<std::size_t>(r - 1)] ? edits->CheckRow(r) : edits->UncheckRow(r);
        EXPECT_FALSE(edits->SetCheckedClick());
        ASSERT_EQ(messages.seen.size(), 1u);
        EXPECT_EQ(messages.seen[0].Caption, "Error");
        EXPECT_EQ(messages.seen[0].Text, c.message);
        EXPECT_TRUE(KvMemoLines(panel.MsgPanel()->Memo).isEmpty());
    }
}

TEST(EditsPanel, MulticastRangeModeCheckingAnAddressChecksEveryRow)
{
    QWidget form;
    auto b = makeBinding(&form, {V::ReadOnly, V::Edit, V::Edit, V::Choice, V::Choice});
    TSNMPEditorPanel panel(&form, b.get());
    TEditsPanel* edits = panel.EditsPanel();
    edits->SetMulticastRangeMode(true);
    edits->Row(4).Check->click();
    EXPECT_FALSE(edits->Row(1).Check->isChecked());
    edits->Row(4).Check->click();
    edits->Row(2).Check->click();
    for (int r = 1; r <= 4; ++r)
        EXPECT_TRUE(edits->Row(r).Check->isChecked()) << r;
    EXPECT_TRUE(panel.CtrlBtnPanel()->BT_SetChecked->isEnabled());
}

struct MulticastCase {
    const char* text;
    bool ok;
};

class MulticastAddress : public ::testing::TestWithParam<MulticastCase> {};

TEST_P(MulticastAddress, Recognised)
{
    EXPECT_EQ(TEditsPanel::IsMulticastAddress(GetParam().text), GetParam().ok) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, MulticastAddress,
                         ::testing::Values(MulticastCase{"224.1.1.1", true}, MulticastCase{"239.255.255.255", true},
                                           MulticastCase{"223.1.1.1", false}, MulticastCase{"240.1.1.1", false},
                                           MulticastCase{"224.1.1", false}, MulticastCase{"224.1.1.256", false},
                                           MulticastCase{".224.1.1.1", false}, MulticastCase{"224.1.1.1.", false},
                                           MulticastCase{"224.1.1.1.1", false}, MulticastCase{"224.1.x.1", false},
                                           MulticastCase{"224.0224.1.1", true}, MulticastCase{"224.1.1.99999999999", false},
                                           MulticastCase{"224.1.1.7abc", false},   // regression: taken as 224.1.1.7
                                           MulticastCase{"", false}));

} // namespace
