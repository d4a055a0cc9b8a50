// Typing into and leaving constrained edits, on real widgets: the change filter,
// the maximum input length, auto-advance and exit characters, the exit check
// with its messages, the veto of the edit's own handlers, detaching.
#include "KvEditConstraint.h"
#include "KvUserNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Shown {
    QString Caption, Text;
    QWidget* Owner;
};

// A form with three edits, a constraint owned by it, and the message boxes and
// beeps recorded instead of shown.
class ConstraintForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&form);
        for (QLineEdit*& e : edits) {
            e = new QLineEdit(&form);
            layout->addWidget(e);
        }
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edits[0]->setFocus();
        ASSERT_TRUE(edits[0]->hasFocus());
    }

    // Leaves the edit with the Tab key, as the user would.
    void Leave(QLineEdit* e)
    {
        QTest::keyClick(e, Qt::Key_Tab);
        QApplication::processEvents();
    }

    QString Focused() const
    {
        for (int i = 0; i < 3; ++i)
            if (edits[i]->hasFocus())
                return QString("edit %1").arg(i);
        return "elsewhere";
    }

    QWidget form;
    QLineEdit* edits[3] = {};
    KvEditConstraint constraint{&form, true};
    std::vector<Shown> shown;
    int beeps = 0;
    KvScopedMessagePresenter presenter{[this](const KvMessageRequest& r) {
        shown.push_back({r.Caption, r.Text, r.Owner});
        return QMessageBox::Ok;
    }};
    KvScopedBeeper beeper{[this] { ++beeps; }};
};

} // namespace

TEST_F(ConstraintForm, TypingKeepsOnlyWhatTheKindAllows)
{
    struct Case {
        const char* spec;
        const char* typed;
        const char* text;
        int beeps;
    };
    const std::vector<Case> cases = {
        {"%i{n1x4094}", "4a", "4", 1},
        {"%i{n1x4094}", "-5", "-5", 0},
        {"%i", "1-2", "12", 1},
        {"%u", "-7", "7", 1},
        {"%f", "-1.2.5", "-1.25", 1},
        {"%h", "0aFg9", "0aF9", 1},
        {"%s", "any text: %!", "any text: %!", 0},
        {"%n,", ",1,,2,3", "1,2,3", 2},
        {"%i{n0x255l3}", "1234", "123", 0},  // the maximum input length
        {"%n,{l2}", "4294967295,4294967295,1", "4294967295,4294967295", 0},  // room for two widest numbers
    };
    for (const Case& c : cases) {
        QLineEdit* e = edits[1];
        constraint.Attach(c.spec, e);
        beeps = 0;
        QTest::keyClicks(e, c.typed);
        EXPECT_EQ(e->text(), c.text) << c.spec << " typed " << c.typed;
        EXPECT_EQ(beeps, c.beeps) << c.spec << " typed " << c.typed;
        constraint.Detach(e);
        e->clear();
    }
    EXPECT_TRUE(shown.empty());
}

// Regression: a refused keystroke went with a beep alone, easily missed: "1,5"
// became 15 and "+5:30" 530 under the user's eyes.  A hint at the edit names
// the refused characters and what the edit takes.
TEST_F(ConstraintForm, RefusedCharactersAreNamedInAHint)
{
    std::vector<std::pair<QWidget*, QString>> hints;
    KvScopedHintPresenter record([&](QWidget* at, const QString& text) { hints.emplace_back(at, text); });
    const QString whole = QStringLiteral("refused: this field takes a whole number (digits, '-' first)");
    struct Case {
        const char* spec;
        const char* typed;
        const char* text;
        QStringList hints;
    };
    const Case cases[] = {
        {"%i{n-779x839}", "+5:30", "530", {"'+' " + whole, "':' " + whole}},
        {"%i{n1x255}", "1,5", "15", {"',' " + whole}},
        {"%u", "12", "12", {}},
        {"%h", "0x1F", "01F", {"'x' refused: this field takes hex digits only (0-9, A-F)"}},
        {"%n,", "1;2", "12", {"';' refused: this field takes numbers separated by ','"}},
    };
    QLineEdit* e = edits[1];
    for (const Case& c : cases) {
        constraint.Attach(c.spec, e);
        hints.clear();
        QTest::keyClicks(e, c.typed);
        EXPECT_EQ(e->text(), c.text) << c.spec << " typed " << c.typed;
        QStringList texts;
        for (const auto& [at, text] : hints) {
            EXPECT_EQ(at, e);
            texts << text;
        }
        EXPECT_EQ(texts, c.hints) << c.spec << " typed " << c.typed;
        constraint.Detach(e);
        e->clear();
    }
    // A paste is one change: one hint names what it lost.
    constraint.Attach("%i", e);
    hints.clear();
    QApplication::clipboard()->setText("1a2 b");
    e->paste();
    EXPECT_EQ(e->text(), "12");
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0].second, "'a', blank, 'b' " + whole);
}

TEST_F(ConstraintForm, PastedTextLosesRefusedCharactersAndOverflow)
{
    QLineEdit* e = edits[0];
    constraint.Attach("%s{l32}", e);
    QApplication::clipboard()->setText(QString(33, 'x'));
    e->paste();
    EXPECT_EQ(e->text(), QString(32, 'x'));

    constraint.Detach(e);
    e->clear();
    constraint.Attach("%i", e);
    QApplication::clipboard()->setText("1a2b3c4");
    e->paste();
    EXPECT_EQ(e->text(), "1234");
    EXPECT_EQ(e->cursorPosition(), 4);
    EXPECT_EQ(beeps, 1) << "one beep per change, not per character";

    // Pasted into the middle, the cursor stays after what was pasted.
    e->setCursorPosition(2);
    QApplication::clipboard()->setText("x5-6");
    e->paste();
    EXPECT_EQ(e->text(), "125634");
    EXPECT_EQ(e->cursorPosition(), 4);

    // A long paste of junk costs one pass, not one per character.
    e->clear();
    QApplication::clipboard()->setText(QString(30000, QLatin1Char('z')) + "7");
    e->paste();
    EXPECT_EQ(e->text(), "7");
}

TEST_F(ConstraintForm, ProgramTextsAreNeverCutToTheInputLength)
{
    QLineEdit* e = edits[0];
    constraint.Attach("%i{n0x255l3}", e);
    for (const char* placeholder : {"(NOTDONE)", "(NULL)"}) {
        e->setText(placeholder);
        EXPECT_EQ(e->text(), placeholder);
    }
    EXPECT_EQ(beeps, 0);

    // A value read from the agent that is longer than the limit is shown whole;
    // only leaving the edit judges it.
    QLineEdit* name = edits[1];
    constraint.Attach("%s{l4}", name);
    name->setText("longer name");
    EXPECT_EQ(name->text(), "longer name");

    // A placeholder passes the exit check untouched.
    Leave(e);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(e->text(), "(NULL)");
    EXPECT_EQ(constraint.LastAccepted(e), "");
}

TEST_F(ConstraintForm, LeavingChecksTheValue)
{
    struct Case {
        const char* spec;
        const char* text;
        const char* message;  // null: accepted
    };
    const std::vector<Case> cases = {
        {"%i{n1x4094}", "-5", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4095", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4094", nullptr},
        {"%i{n-779x839}", "-780", "Please enter a number between -779 and 839!"},
        {"%i", "-", "Please enter a number between -2147483648 and 2147483647!"},
        {"%i", "-2147483648", nullptr},
        {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
        {"%f{n0x1.5}", "1.51", "Please enter a number between 0 and 1.5!"},
        {"%s{l4f}", "abc", "Please enter a string whose length is 4!"},
        {"%s{l4f}", "abcd", nullptr},
        {"%s{l4}", "abcde", "Please enter a string whose length is less than 4!"},
        {"%h{l4}", "ABCDE", "Please enter a hex string whose length is less than 4!"},
        {"%h{l2f}", "A", "Please enter a hex string whose length is 2!"},
        {"%s{l32n}", "", "Empty value is not allowed!"},
        {"%s{l32}", "", nullptr},
        {"%n,{l4f}", "1,2",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 4!"},
        {"%n,{l2}", "1,2,3",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
        {"%n,{x10}", "1,20",
         "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 10!"},
        {"%n,{x10}", "1,10,", nullptr},  // an empty piece counts as 0
        {"%n,", "4294967296",
         "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 4294967295!"},
    };
    QLineEdit* e = edits[0];
    for (const Case& c : cases) {
        shown.clear();
        constraint.Attach(c.spec, e);
        e->setFocus();
        e->setText(c.text);
        ASSERT_EQ(e->text(), c.text) << c.spec;
        Leave(e);
        if (c.message) {
            ASSERT_EQ(shown.size(), 1u) << c.spec << " " << c.text;
            EXPECT_EQ(shown[0].Text, c.message);
            EXPECT_EQ(shown[0].Caption, KvExecutableFileName());
            EXPECT_EQ(shown[0].Owner, &form);
            EXPECT_EQ(e->text(), "") << "never accepted before, so nothing comes back";
            EXPECT_EQ(Focused(), "edit 0") << c.spec << " " << c.text;
        } else {
            EXPECT_TRUE(shown.empty()) << c.spec << " " << c.text << ": " << shown[0].Text.toStdString();
            EXPECT_EQ(e->text(), c.text);
            EXPECT_EQ(Focused(), "edit 1") << c.spec << " " << c.text;
        }
        constraint.Detach(e);
    }
}

TEST_F(ConstraintForm, RefusedValueGivesBackTheLastAcceptedOne)
{
    QLineEdit* e = edits[0];
    constraint.Attach("%i{n1x4094}", e);
    QTest::keyClicks(e, "100");
    Leave(e);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(constraint.LastAccepted(e), "100");

    e->setFocus();
    e->setText("5000");
    Leave(e);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(e->text(), "100");
    EXPECT_EQ(Focused(), "edit 0");

    // Without remembering, a refusal always empties the edit.
    KvEditConstraint forgetful(&form, false);
    QLineEdit* f = edits[1];
    forgetful.Attach("%i{n1x10}", f);
    f->setFocus();
    QTest::keyClicks(f, "7");
    Leave(f);
    f->setFocus();
    f->setText("70");
    Leave(f);
    EXPECT_EQ(f->text(), "");
}

TEST_F(ConstraintForm, AutoAdvanceAndExitCharacterMoveTheFocusOn)
{
    QLineEdit* e = edits[0];
    constraint.Attach("%i{n0x240l3a}", e);
    QTest::keyClicks(e, "20");
    QApplication::processEvents();
    EXPECT_EQ(Focused(), "edit 0");
    QTest::keyClick(e, '0');
    QApplication::processEvents();
    EXPECT_EQ(Focused(), "edit 1");
    EXPECT_EQ(constraint.LastAccepted(e), "200");

    // The move on leaves a refused value behind: the message, the old text and
    // the focus come back, and the restored text does not move on again.
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, "241");
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, "Please enter a number between 0 and 240!");
    EXPECT_EQ(e->text(), "200");
    EXPECT_EQ(Focused(), "edit 0");

    QLineEdit* octet = edits[1];
    constraint.Attach("%i{n0x255l3e.}", octet);
    octet->setFocus();
    QTest::keyClicks(octet, "12.");
    QApplication::processEvents();
    EXPECT_EQ(octet->text(), "12");
    EXPECT_EQ(Focused(), "edit 2");
}

TEST_F(ConstraintForm, OwnHandlersRunOnFilteredTextAndMayVeto)
{
    QLineEdit* e = edits[0];
    constraint.Attach("%i{n0x255l3a}", e);
    QStringList changes;
    bool vetoChange = true, vetoLeave = false;
    QObject::connect(&constraint, &KvEditConstraint::Changed, &form, [&](QLineEdit* edit) {
        changes << edit->text();
        if (vetoChange)
            constraint.Veto(edit);
    });
    int left = 0;
    QObject::connect(&constraint, &KvEditConstraint::Left, &form, [&](QLineEdit* edit) {
        ++left;
        if (vetoLeave)
            constraint.Veto(edit);
    });

    QTest::keyClicks(e, "1x23");
    QApplication::processEvents();
    // The text holding the refused x is never reported; the text after its removal is.
    EXPECT_EQ(changes, QStringList({"1", "1", "12", "123"}));
    EXPECT_EQ(Focused(), "edit 0") << "a vetoed change does not advance";

    Leave(e);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(constraint.LastAccepted(e), "123");

    // A vetoed leave puts the last accepted text back without a message.
    vetoLeave = true;
    e->setFocus();
    e->setText("7");
    Leave(e);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(e->text(), "123");
    EXPECT_EQ(Focused(), "edit 1");

    // A refused value never reaches the leave handler.
    left = 0;
    e->setFocus();
    e->setText("999");
    Leave(e);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ConstraintForm, GroupDetachAndLifetimes)
{
    constraint.AttachGroup("%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", {edits[0], edits[1], edits[2]});
    EXPECT_EQ(constraint.ItemCount(), 3);
    for (QLineEdit* e : edits)
        EXPECT_EQ(constraint.SpecOf(e)->Maximum, 255);

    // After detaching, the edit is a plain edit again.
    constraint.Detach(edits[0]);
    constraint.Detach(edits[0]);  // no item: nothing happens
    QTest::keyClicks(edits[0], "abc");
    EXPECT_EQ(edits[0]->text(), "abc");
    EXPECT_EQ(beeps, 0);
    Leave(edits[0]);
    EXPECT_TRUE(shown.empty());

    // An edit attached twice keeps its first item until that one is detached.
    constraint.Attach("%s{l1}", edits[1]);
    EXPECT_EQ(constraint.SpecOf(edits[1])->Kind, 'i');
    constraint.Detach(edits[1]);
    EXPECT_EQ(constraint.SpecOf(edits[1])->Kind, 's');

    // An edit destroyed while attached takes its items with it.
    delete edits[2];
    edits[2] = nullptr;
    EXPECT_EQ(constraint.ItemCount(), 1);

    // A constraint destroyed first leaves its edits plain.
    auto other = std::make_unique<KvEditConstraint>(&form, true);
    other->Attach("%i", edits[0]);
    other.reset();
    edits[0]->clear();
    QTest::keyClicks(edits[0], "x");
    EXPECT_EQ(edits[0]->text(), "x");
}
