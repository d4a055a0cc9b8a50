// The main window's front panel against ksw-sim: where the LEDs sit, what the
// agent's values light, how a silent agent darkens the panel and how it comes
// back, the close question and the SNMPv3 menu rule.
#include "MainWindowHarness.h"
#include "MainMenu.h"
#include "ModuleCommands.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

#include <set>

namespace {

using FrontPanelTest = MainWindowHarness;

// The left edges the panel artwork expects, port 1 first.
constexpr int kPortLefts[KswPortCount] = {
    90,  103, 117, 131, 144, 158, 172, 185, 199, 213, 226, 240, 254, 268, 281, 295,
    318, 331, 345, 359, 372, 386, 400, 413, 427, 441, 454, 468, 482, 496, 509, 523,
    546, 559, 573, 587, 600, 614, 628, 641, 655, 669, 682, 696, 710, 724, 737, 751,
    778, 817};

TEST_F(FrontPanelTest, LayoutAsDesigned)
{
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open({"/I127.0.0.1", "/v1"});

    for (int p = 1; p <= KswPortCount; ++p) {
        const KvShape* led = form->LinkShape_Port[static_cast<std::size_t>(p - 1)];
        EXPECT_EQ(PortLedLeft(p), kPortLefts[p - 1]) << "port " << p;
        EXPECT_EQ(led->geometry(), QRect(kPortLefts[p - 1], 6, 7, 7)) << "port " << p;
        EXPECT_EQ(led->ShapeForm(), KvShape::Form::Rectangle);
        EXPECT_EQ(led->objectName(), QStringLiteral("LinkShape_Port%1").arg(p));
        EXPECT_EQ(led->parentWidget(), form->Panel1);
    }
    // Asked for 9 by 9 at set-up, the status LEDs keep their 11 by 11.
    EXPECT_EQ(form->PowerLed->geometry(), QRect(45, 33, 11, 11));
    EXPECT_EQ(form->ConsoleLed->geometry(), QRect(45, 44, 11, 11));
    EXPECT_EQ(form->RPSLed->geometry(), QRect(45, 55, 11, 11));
    for (const KvShape* led : {form->PowerLed, form->ConsoleLed, form->RPSLed})
        EXPECT_EQ(led->ShapeForm(), KvShape::Form::Circle);
    EXPECT_TRUE(AllLedsBlack(*form));

    EXPECT_EQ(form->Image->geometry(), QRect(1, 1, 872, 77));
    EXPECT_FALSE(form->Image->pixmap().isNull());
    EXPECT_EQ(form->StatusBar->geometry(), QRect(1, 78, 872, 21));
    EXPECT_EQ(form->StatusBar->PanelCount(), 1);
    EXPECT_FALSE(form->StatusBar->SimplePanel());
    EXPECT_EQ(form->Panel1->size(), QSize(874, 100));

    EXPECT_EQ(form->stSTP->text(), QStringLiteral("stSTP"));
    EXPECT_EQ(form->ST_RmonState->text(), QStringLiteral("ST_RmonState"));
    form->show();
    EXPECT_FALSE(form->stSTP->isVisible());
    EXPECT_FALSE(form->ST_RmonState->isVisible());
    EXPECT_FALSE(form->windowIcon().isNull());

    // Each binding watches its own LEDs; the power LED rides on port 1's status.
    ASSERT_NE(form->PortLedBinding(), nullptr);
    EXPECT_EQ(form->PortLedBinding()->LedCount(), 51);
    EXPECT_EQ(form->PortLedBinding()->Variables().Count(), 50);
    EXPECT_EQ(form->PortLedBinding()->Variables().ItemAt(49).Oid, "1.3.6.1.2.1.2.2.1.8.50");
    EXPECT_EQ(form->PortLedBinding()->Led(50).Variable, 0);
    EXPECT_EQ(form->PortLedBinding()->Led(50).Shape, form->PowerLed);
    EXPECT_EQ(form->ConsoleLedBinding()->LedCount(), 1);
    EXPECT_EQ(form->RpsLedBinding()->LedCount(), 1);
}

// A LED of the panel: port 1 ... 50, or one of the status LEDs.
enum : int { Power = 0, Console = -1, Rps = -2 };

const KvShape* LedShape(const TMainForm& form, int led)
{
    switch (led) {
    case Power: return form.PowerLed;
    case Console: return form.ConsoleLed;
    case Rps: return form.RPSLed;
    default: return form.LinkShape_Port[static_cast<std::size_t>(led - 1)];
    }
}

const KvLedEntry& LedEntry(const TMainForm& form, int led)
{
    switch (led) {
    case Power: return form.PortLedBinding()->Led(50);
    case Console: return form.ConsoleLedBinding()->Led(0);
    case Rps: return form.RpsLedBinding()->Led(0);
    default: return form.PortLedBinding()->Led(led - 1);
    }
}

struct LedExpectation {
    int Led;
    bool Green;
    bool Blinks;
};

struct LedCase {
    const char* Name;
    std::map<std::string, std::string> Data;   // changes to the shipped data
    std::vector<LedExpectation> Leds;
};
void PrintTo(const LedCase& c, std::ostream* os) { *os << c.Name; }

const char* const kPort1 = "1.3.6.1.2.1.2.2.1.8.1";
const char* const kConsole = "1.3.6.1.4.1.97531.12.1.1.3.0";
const char* const kRps = "1.3.6.1.4.1.97531.12.11.1.6.1.3.1.2";

const LedCase kLedCases[] = {
    // Shipped data: port 1 up, 9 down, 13 testing, 49 up; console in use; RPS working.
    {"shipped",
     {},
     {{1, true, true}, {9, false, false}, {13, false, true}, {49, true, true}, {50, false, false},
      {Power, true, false}, {Console, true, false}, {Rps, true, false}}},
    // Port 1 down still means the agent answered: power stays green.
    {"port1_down_console_free_rps_failed",
     {{kPort1, "2|2"}, {kConsole, "2|3"}, {kRps, "2|4"}},
     {{1, false, false}, {Power, true, false}, {Console, false, false}, {Rps, false, false}}},
    // Values without an entry of their own show black.
    {"unlisted_values",
     {{kPort1, "2|7"}, {kConsole, "2|1"}, {kRps, "2|5"}},
     {{1, false, true}, {Power, false, false}, {Console, false, false}, {Rps, false, false}}},
    {"rps_disconnected", {{kRps, "2|6"}}, {{Rps, false, false}, {Power, true, false}}},
};

class LedColours : public FrontPanelTest, public ::testing::WithParamInterface<LedCase> {};

TEST_P(LedColours, FromAgentValues)
{
    const LedCase& c = GetParam();
    KswSim sim(c.Data.empty() ? KswSim::Options{} : WithData(DataWith(c.Data)));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PollsDone(*form); }, 5000));
    // Past the flashing that follows a poll every LED shows its colour.
    ASSERT_TRUE(QTest::qWaitFor([&] { return FlashingOver(*form); }, 3000));

    for (const LedExpectation& e : c.Leds) {
        EXPECT_EQ(Green(LedShape(*form, e.Led)), e.Green) << "LED " << e.Led;
        if (!e.Green) {
            EXPECT_TRUE(Black(LedShape(*form, e.Led))) << "LED " << e.Led;
        }
        EXPECT_EQ(LedEntry(*form, e.Led).Blink, e.Blinks) << "LED " << e.Led;
    }
    EXPECT_EQ(form->PortLedBinding()->PollTimer()->interval(), 5000);
}

INSTANTIATE_TEST_SUITE_P(Cases, LedColours, ::testing::ValuesIn(kLedCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// An up port flickers green and black after each poll and settles on green; a
// down port never lights.
TEST_F(FrontPanelTest, UpPortFlickersThenSettlesGreen)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    std::set<QRgb> port1;
    std::set<QRgb> port9;
    QObject::connect(form->PortLedBinding()->BlinkTimer(), &QTimer::timeout, form.get(), [&] {
        port1.insert(form->LinkShape_Port[0]->BrushColor().rgb());
        port9.insert(form->LinkShape_Port[8]->BrushColor().rgb());
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return Green(form->LinkShape_Port[0]); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return FlashingOver(*form); }, 3000));
    EXPECT_EQ(port1, (std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 255, 0)}));
    EXPECT_TRUE(Green(form->LinkShape_Port[0]));
    EXPECT_EQ(port9, std::set<QRgb>{qRgb(0, 0, 0)});
}

// A silent agent darkens every LED within a period and puts the error in the
// status bar; once it answers again the panel lights up by itself.
TEST_F(FrontPanelTest, SilentAgentDarkensPanelWhichRecovers)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    Quicken(*form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Green(form->PowerLed) && Green(form->RPSLed); }, 5000));
    const QString answered = form->StatusBar->PanelText(0);

    sim.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return AllLedsBlack(*form) && PollsDone(*form); }, 5000));
    // Lit again by nothing: the LEDs stay dark while the agent is silent.
    QTest::qWait(300);
    EXPECT_TRUE(AllLedsBlack(*form));
    const QString failed = form->StatusBar->PanelText(0);
    EXPECT_FALSE(failed.isEmpty());
    EXPECT_NE(failed, answered);

    ASSERT_TRUE(sim.restart()) << sim.errorText().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Green(form->PowerLed) && Green(form->ConsoleLed) && Green(form->RPSLed) && Black(form->LinkShape_Port[8]);
    }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Green(form->LinkShape_Port[0]); }, 2000));
}

// "Refresh Panel" replaces the bindings and polls at once.
TEST_F(FrontPanelTest, RefreshRebuildsAndPolls)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Green(form->PowerLed); }, 5000));
    // The old binding is marked: the new one may well be built at its address.
    form->PortLedBinding()->Variables().Name = "before the refresh";

    form->MainMenu->Action(QStringLiteral("Refresh"))->trigger();
    EXPECT_NE(form->PortLedBinding()->Variables().Name, "before the refresh");
    EXPECT_TRUE(Black(form->PowerLed));   // a new binding starts dark
    EXPECT_TRUE(form->PortLedBinding()->Polling());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Green(form->PowerLed); }, 5000));
}

// Every close asks first; No keeps the window and its polling.
TEST_F(FrontPanelTest, CloseAsksAndNoKeepsPolling)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    Quicken(*form, 100);   // a poll a second: the flashing ends well before the next one
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Green(form->LinkShape_Port[0]); }, 5000));

    answer_ = [](const KvMessageRequest&) { return QMessageBox::No; };
    boxes_.clear();
    EXPECT_FALSE(form->close());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Caption, QStringLiteral("Exit"));
    EXPECT_EQ(boxes_[0].Text, QStringLiteral("Are you sure to exit?"));
    EXPECT_EQ(boxes_[0].Buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(form->isVisible());
    // The handler of the hidden Exit item goes through the same question.
    ExitClick(*form);
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(form->isVisible());

    // Still polling: the next poll starts port 1 flashing again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return FlashingOver(*form); }, 3000));
    ASSERT_TRUE(Green(form->LinkShape_Port[0]));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Black(form->LinkShape_Port[0]); }, 3000));

    answer_ = [](const KvMessageRequest&) { return QMessageBox::Yes; };
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(boxes_.size(), 3u);
}

// The SNMPv3 groups work over version 3 only; the connection dialog's item
// shows only in local configuration mode.
TEST_F(FrontPanelTest, SnmpV3GroupsFollowVersion)
{
    TMainForm::SetFrontPanelPolling(false);
    for (const auto& [version, enabled] : {std::pair{"/v0", false}, {"/v1", false}, {"/v3", true}}) {
        auto form = Open({"/I127.0.0.1", version});
        for (const char* group : kSnmpV3MenuGroups)
            EXPECT_EQ(form->MainMenu->Action(QString::fromLatin1(group))->isEnabled(), enabled) << version << group;
        EXPECT_TRUE(form->MainMenu->Action(QStringLiteral("RMON1"))->isEnabled());
        EXPECT_FALSE(form->MainMenu->Action(QStringLiteral("SNMPConfigure1"))->isVisible());
    }

    const QString local = dir_.filePath(QStringLiteral("korvane_ems"));
    QDir().mkpath(local);
    SetExeFolder(local.toStdString());
    auto form = Open({"/I127.0.0.1", "/v3"});
    EXPECT_TRUE(form->MainMenu->Action(QStringLiteral("SNMPConfigure1"))->isVisible());
    EXPECT_TRUE(form->MainMenu->Action(QStringLiteral("Engine"))->isEnabled());
}

} // namespace
