// Device commands and the RMON menu check against ksw-sim: what reaches the
// agent after each answer to the question, how failures are shown, and what
// a reboot does to the front panel.
#include "MainWindowHarness.h"
#include "MainMenu.h"
#include "kvsnmp/KvSNMPRequest.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

using CommandsTest = MainWindowHarness;

const char* const kSaveOid = "1.3.6.1.4.1.97531.12.1.2.6.0";
const char* const kRmonOid = "1.3.6.1.4.1.97531.11.64.2.2.1.2.3.0";

// What the agent did on a set of the value 3 to the command's object: it saves
// its state, or warm-starts.
struct CommandCase {
    const char* Name;
    const char* Item;
    const char* Caption;
    const char* Question;
    const char* AgentLog;
    const char* Status;   // the status bar after a successful set
    QMessageBox::StandardButton DefaultButton;
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.Name; }

const CommandCase kCommands[] = {
    {"save", "SaveConfig", "Device Save Changes", "Are you sure?\nIt will spend a lot time !\nPlease wait !",
     "ksw-sim: state saved to ",
     "Save Changes: sent", QMessageBox::NoButton},
    // The reboot names the switch as the title does (PORT: the simulator's)
    // and what it loses; Enter alone cancels it.
    {"reboot", "Reset", "Device Reboot",
     "Are you sure?\n\nThe switch KSW-4800 : 127.0.0.1:PORT restarts: changes not saved with Save Changes are lost.",
     "ksw-sim: warm start, silent for ", "Reboot: sent", QMessageBox::Cancel},
};

class DeviceCommands : public CommandsTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(DeviceCommands, OkSendsOneSetCancelSendsNothing)
{
    const CommandCase& c = GetParam();
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open(AgentArgs(sim));
    QAction* item = form->MainMenu->Action(QString::fromLatin1(c.Item));
    ASSERT_NE(item, nullptr);

    answer_ = [](const KvMessageRequest&) { return QMessageBox::Cancel; };
    item->trigger();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Caption, QString::fromLatin1(c.Caption));
    EXPECT_EQ(boxes_[0].Text, QString::fromLatin1(c.Question).replace(QStringLiteral("PORT"), QString::number(sim.port())));
    EXPECT_EQ(boxes_[0].Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(boxes_[0].Icon, QMessageBox::Information);
    EXPECT_EQ(boxes_[0].DefaultButton, c.DefaultButton);
    QTest::qWait(100);
    EXPECT_EQ(sim.log().count(QString::fromLatin1(c.AgentLog)), 0);
    EXPECT_FALSE(QFile::exists(sim.stateFile()));
    EXPECT_EQ(form->StatusBar->PanelText(0), QString());

    answer_ = [](const KvMessageRequest&) { return QMessageBox::Ok; };
    item->trigger();
    // The question only: a successful Set shows no box, but says so in the status bar.
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(form->StatusBar->PanelText(0), QString::fromLatin1(c.Status));
    QTest::qWait(100);
    EXPECT_EQ(sim.log().count(QString::fromLatin1(c.AgentLog)), 1) << sim.log().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceCommands, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.Name); });

// The agent refuses the write: the error reaches the error box, once.
TEST_F(CommandsTest, RefusedSaveShowsTheError)
{
    // Without its writable marker the save object is read-only.
    KswSim sim(WithData(DataWith({{"#!writable " + std::string(kSaveOid), ""}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open(AgentArgs(sim));

    form->MainMenu->Action(QStringLiteral("SaveConfig"))->trigger();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes_[1].Caption, KvExecutableFileName());
    EXPECT_FALSE(boxes_[1].Text.isEmpty());
    EXPECT_FALSE(sim.log().contains(QStringLiteral("state saved")));
    EXPECT_FALSE(form->StatusBar->PanelText(0).contains(QStringLiteral("sent")));
}

// The switch restarts: the panel goes dark and lights up again unaided.
TEST_F(CommandsTest, RebootDarkensPanelUntilAgentAnswers)
{
    KswSim sim;   // silent for one second after a warm start
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    Quicken(*form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Green(form->PowerLed) && Green(form->RPSLed); }, 5000));

    form->MainMenu->Action(QStringLiteral("Reset"))->trigger();
    ASSERT_EQ(boxes_.size(), 1u);   // the question; the Set was answered
    EXPECT_TRUE(QTest::qWaitFor([&] { return AllLedsBlack(*form); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Green(form->PowerLed) && Green(form->RPSLed); }, 5000));
    EXPECT_TRUE(sim.log().contains(QStringLiteral("answering again")));
}

// The RMON items after each state the agent may report.
struct RmonCase {
    const char* Name;
    const char* Value;                  // the agent's RMON state
    std::vector<bool> Before;           // S1, Statistics1, History1, AlarmEvent1
    std::vector<bool> After;
    const char* Text;                   // left in ST_RmonState
};
void PrintTo(const RmonCase& c, std::ostream* os) { *os << c.Name; }

const char* const kRmonItems[] = {"S1", "Statistics1", "History1", "AlarmEvent1"};

const RmonCase kRmonCases[] = {
    {"disabled", "2", {true, true, true, true}, {true, false, false, false}, "disabled"},
    {"enabled", "3", {false, false, true, false}, {true, true, true, true}, "enabled"},
    {"unlabelled", "5", {false, true, false, true}, {false, true, false, true}, "5"},
};

class RmonCheck : public CommandsTest, public ::testing::WithParamInterface<RmonCase> {
protected:
    static std::vector<bool> States(const TMainForm& form)
    {
        std::vector<bool> states;
        for (const char* name : kRmonItems)
            states.push_back(form.MainMenu->Action(QString::fromLatin1(name))->isEnabled());
        return states;
    }
    static void SetStates(TMainForm& form, const std::vector<bool>& states)
    {
        for (std::size_t i = 0; i < states.size(); ++i)
            form.MainMenu->Action(QString::fromLatin1(kRmonItems[i]))->setEnabled(states[i]);
    }
    // What the user does: open the RMON menu.
    static void OpenRmonMenu(TMainForm& form) { Q_EMIT form.MainMenu->Submenu(QStringLiteral("RMON1"))->aboutToShow(); }
};

TEST_P(RmonCheck, ItemsFollowAgentState)
{
    const RmonCase& c = GetParam();
    KswSim sim(WithData(DataWith({{kRmonOid, std::string("2|") + c.Value}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open(AgentArgs(sim));
    SetStates(*form, c.Before);

    OpenRmonMenu(*form);
    EXPECT_EQ(States(*form), c.After);
    EXPECT_EQ(form->ST_RmonState->text().toStdString(), c.Text);
    EXPECT_TRUE(boxes_.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RmonCheck, ::testing::ValuesIn(kRmonCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Enabling RMON on the agent enables the items at the next opening; a failed
// read leaves them as they were and reports in the status bar.
TEST_F(RmonCheck, StateChangeAndFailure)
{
    KswSim sim(WithData(DataWith({{kRmonOid, "2|2"}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open(AgentArgs(sim));
    OpenRmonMenu(*form);
    ASSERT_EQ(States(*form), (std::vector<bool>{true, false, false, false}));

    {
        KvSNMPRequest enable;
        enable.Variables.AppendItem("1.3.6.1.4.1.97531.11.64.2.2.1.2.3", "", KvSyntax::Integer, KvAccess::ReadWrite);
        enable.Variables.ItemAt(0).Value = "3";
        enable.Set({});
    }
    OpenRmonMenu(*form);
    EXPECT_EQ(States(*form), (std::vector<bool>{true, true, true, true}));

    sim.stop();
    DefaultTimeout = 10;
    SetStates(*form, {true, false, true, false});
    form->StatusBar->SetPanelText(0, QString());
    OpenRmonMenu(*form);
    EXPECT_EQ(States(*form), (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(form->StatusBar->PanelText(0).isEmpty());
    EXPECT_EQ(form->ST_RmonState->text(), QStringLiteral("enabled"));
    EXPECT_TRUE(boxes_.empty());
}

} // namespace
