// Asking the front panel: the hint a port LED shows from its interface's
// values, read on hover from ksw-sim, the answers that come too late, the
// errors, and the double click that opens the port's settings on its row.
#include "KvTestUtil.h"
#include "MainWindowHarness.h"
#include "PortHint.h"
#include "ViewCatalogue.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "views/Ctrlbtnpanel.h"
#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/Viewmodal.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolTip>
#include <QTreeWidget>

namespace {

// ---- the text, from values as the conversions give them ---------------------

struct HintCase {
    const char* Name;
    std::map<int, std::string> Values;   // PortHintVariable -> value text; the rest as below
    const char* Expected;
};

// Port 3 up at 100 Mb/s, last changed 2 min 3 s before the agent's uptime of 1 h.
const std::map<int, std::string> kBase = {
    {PortDescr, "Port 3"},       {PortAlias, ""},       {PortOperStatus, "up"},
    {PortAdminStatus, "up"},     {PortSpeed, "100000000"}, {PortHighSpeed, "100"},
    {PortLastChange, KvTimeTicksText(360000 - 12300)}, {AgentUpTime, KvTimeTicksText(360000)},
};

const HintCase kHintCases[] = {
    {"plain", {}, "Port 3\nDescription: Port 3\nAlias: none\nState: up (admin up)\nSpeed: 100 Mb/s\nLast change: 2 min 3 s ago"},
    // ifSpeed saturates above 4.29 Gb/s; ifHighSpeed says how fast.
    {"past_gauge", {{PortSpeed, "4294967295"}, {PortHighSpeed, "10000"}}, "Speed: 10 Gb/s\n"},
    {"fractional_gigabits", {{PortSpeed, "2500000000"}, {PortHighSpeed, "2500"}}, "Speed: 2.5 Gb/s\n"},
    // Agents without ifXTable answer noSuchInstance: ifSpeed alone.
    {"no_high_speed", {{PortSpeed, "10000000"}, {PortHighSpeed, "(NULL)"}, {PortAlias, ""}}, "Speed: 10 Mb/s\n"},
    {"below_a_megabit", {{PortSpeed, "64000"}, {PortHighSpeed, "0"}}, "Speed: 64 kb/s\n"},
    {"no_estimate", {{PortSpeed, "0"}, {PortHighSpeed, "0"}}, "Speed: unknown\n"},
    {"unchanged_since_start", {{PortLastChange, KvTimeTicksText(0)}}, "Last change: none since the agent started 1 h 0 min ago\n"},
    {"days", {{PortLastChange, KvTimeTicksText(100)}, {AgentUpTime, KvTimeTicksText(3 * 8640000 + 4 * 360000 + 100)}},
     "Last change: 3 d 4 h ago\n"},
    // Past 497 days the uptime wraps below the change: no age can be told.
    {"uptime_wrapped", {{PortLastChange, KvTimeTicksText(500)}, {AgentUpTime, KvTimeTicksText(200)}},
     "Last change: at agent uptime 0:00:05.00\n"},
    {"states_down_admin_down", {{PortOperStatus, "down"}, {PortAdminStatus, "down"}}, "State: down (admin down)\n"},
    {"unlisted_state_shows_number", {{PortOperStatus, "9"}}, "State: 9 (admin up)\n"},
    // noSuchInstance for the states: the agent has no such interface.
    {"no_interface", {{PortOperStatus, "(NULL)"}, {PortAdminStatus, "(NULL)"}}, "Port 3\nNot read: the agent has no interface 3"},
    // An agent's text keeps to its line and its length.
    {"alias_with_line_breaks", {{PortAlias, "core\r\nlink\x01"}}, "Alias: core  link\n"},
    {"long_description", {{PortDescr, std::string(300, 'x')}}, nullptr},
};

TEST(PortHintText, FromValues)
{
    for (const HintCase& c : kHintCases) {
        SCOPED_TRACE(c.Name);
        KvSNMPVarList values;
        FillPortHintVariables(values, 3);
        ASSERT_EQ(values.Count(), PortHintVariableCount);
        EXPECT_EQ(values.ItemAt(PortDescr).Oid, "1.3.6.1.2.1.2.2.1.2.3");
        EXPECT_EQ(values.ItemAt(AgentUpTime).Oid, "1.3.6.1.2.1.1.3.0");
        for (int v = 0; v < PortHintVariableCount; ++v)
            values.ItemAt(v).Value = c.Values.count(v) ? c.Values.at(v) : kBase.at(v);
        const QString text = PortHintText(3, KvSNMPError{}, values);
        if (!c.Expected) {
            const QString line = text.split(QLatin1Char('\n')).at(1);
            EXPECT_EQ(line.size(), 13 + 80) << line.toStdString();
            EXPECT_TRUE(line.endsWith(QChar(0x2026)));
        } else if (QString::fromUtf8(c.Expected).startsWith(QLatin1String("Port 3\n"))) {
            EXPECT_EQ(text, QString::fromUtf8(c.Expected));
        } else {
            // One line of the hint, whole.
            EXPECT_TRUE((text + QLatin1Char('\n')).contains(QString::fromUtf8(c.Expected))) << text.toStdString();
        }
    }
}

TEST(PortHintText, FailedReadIsOneLine)
{
    KvSNMPVarList values;
    FillPortHintVariables(values, 12);
    KvSNMPError timeout;
    timeout.Code = -5;
    timeout.Message = "(SNMPClass) SNMP request timed out!";
    EXPECT_EQ(PortHintText(12, timeout, values), QStringLiteral("Port 12\nNot read: (SNMPClass) SNMP request timed out!"));
}

// Agents name their interfaces: a name that looks like markup is shown as typed.
TEST(PortHintText, MarkupShowsAgentTextAsTyped)
{
    const QString markup = PortHintMarkup(QStringLiteral("Port 1\nAlias: <b>core</b> & \"edge\""));
    EXPECT_TRUE(markup.contains(QStringLiteral("&lt;b&gt;core&lt;/b&gt; &amp; &quot;edge&quot;"))) << markup.toStdString();
    EXPECT_FALSE(markup.contains(QStringLiteral("<b>")));
    // A right-to-left override would turn the rest of the line around.
    EXPECT_EQ(ShownText(PortHintMarkup(QStringLiteral("Alias: uplink\u202E1 trop"))), QStringLiteral("Alias: uplink1 trop"));
}

// ---- on the front panel, against ksw-sim -------------------------------------

class PortHintPanel : public MainWindowHarness {
protected:
    static QWidget* Led(TMainForm& form, int port) { return form.LinkShape_Port[static_cast<std::size_t>(port - 1)]; }
    // What the mouse resting on a port's LED makes Qt send.
    static void Hover(TMainForm& form, int port)
    {
        QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), Led(form, port)->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(Led(form, port), &help);
    }
    static void Leave(TMainForm& form, int port)
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(Led(form, port), &leave);
    }
    static bool ReadDone(const TMainForm& form) { return form.PortHints()->ReadingPort() == 0; }
    static QString Shown(const TMainForm& form) { return form.PortHints()->ShownText(); }
};

struct PanelCase {
    const char* Version;   // "/v0" SNMPv1, "/v1" SNMPv2c
    int Port;
    const char* Expected;  // a pattern for the whole hint
};

// ksw-sim's ports: 1 up, 13 testing, 50 the gigabit uplink, 2 flapping.
TEST_F(PortHintPanel, HintsFromAgentData)
{
    KswSim::Options options;
    options.extraArgs = {QStringLiteral("--flap"), QStringLiteral("0.1")};
    KswSim sim(options);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const PanelCase cases[] = {
        {"/v0", 1, "Port 1\nDescription: Port 1\nAlias: none\nState: up \\(admin up\\)\nSpeed: 100 Mb/s\n"
                   "Last change: none since the agent started \\d+ s ago"},
        {"/v0", 13, "Port 13\nDescription: Port 13\nAlias: none\nState: testing \\(admin testing\\)\nSpeed: 100 Mb/s\n"
                    "Last change: none since the agent started \\d+ s ago"},
        {"/v1", 50, "Port 50\nDescription: Port 50\nAlias: uplink\nState: down \\(admin up\\)\nSpeed: 1 Gb/s\n"
                    "Last change: none since the agent started \\d+ s ago"},
        // A flapping port changed state within the last second.
        {"/v1", 2, "Port 2\nDescription: Port 2\nAlias: none\nState: (up|down) \\(admin up\\)\nSpeed: 100 Mb/s\n"
                   "Last change: [01] s ago"},
    };
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(std::string(c.Version) + " port " + std::to_string(c.Port));
        auto form = Open(AgentArgs(sim, c.Version));
        // A window becoming active takes any tip away: it is active before the mouse rests.
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Hover(*form, c.Port);
        EXPECT_EQ(Shown(*form), PortHintReadingText(c.Port));
        EXPECT_EQ(QToolTip::text(), PortHintMarkup(PortHintReadingText(c.Port)));
        EXPECT_EQ(form->PortHints()->ReadingPort(), c.Port);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ReadDone(*form); }, 5000));
        const QString shown = Shown(*form);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(QString::fromUtf8(c.Expected)));
        EXPECT_TRUE(pattern.match(shown).hasMatch()) << shown.toStdString();
        // The tip on screen is the hint, its texts as typed.
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), PortHintMarkup(shown));
        Leave(*form, c.Port);
        // Qt lets a tip go after a moment: the next case starts without one.
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    }
}

// The port's states missing from the agent: v2c answers noSuchInstance for
// them, v1 refuses the whole get with noSuchName; or no agent answers at all.
TEST_F(PortHintPanel, ErrorsShowOneLine)
{
    KswSim sim(WithData(DataWith({{"1.3.6.1.2.1.2.2.1.7.7", ""}, {"1.3.6.1.2.1.2.2.1.8.7", ""}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const struct {
        const char* Version;
        bool Silent;
        QString Expected;
    } cases[] = {
        {"/v1", false, QStringLiteral("Port 7\nNot read: the agent has no interface 7")},
        {"/v0", false, QStringLiteral("Port 7\nNot read: ") + QString::fromStdString(MapErrorCode(2).Message)},
        {"/v1", true, QStringLiteral("Port 7\nNot read: ") + QString::fromStdString(MapErrorCode(-5).Message)},
    };
    // The LEDs are left dark: only the hint's reads wait for the silent agent, briefly.
    TMainForm::SetFrontPanelPolling(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected.toStdString());
        if (c.Silent)
            sim.stop();
        auto form = Open(AgentArgs(sim, c.Version));
        DefaultTimeout = 10;
        Hover(*form, 7);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ReadDone(*form); }, 5000));
        EXPECT_EQ(Shown(*form), c.Expected);
    }
}

// Answers come late: the mouse has left the LED, or moved on to another one.
TEST_F(PortHintPanel, LateAnswerForAPortLeftIsDropped)
{
    KswSim::Options slow;
    slow.delayMs = 300;
    KswSim sim(slow);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PollsDone(*form); }, 5000));

    Hover(*form, 1);
    Leave(*form, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadDone(*form); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(Shown(*form), PortHintReadingText(1));
    // Nothing is read for a panel nobody points at.
    EXPECT_EQ(form->PortHints()->ReadingPort(), 0);

    Hover(*form, 1);
    Leave(*form, 1);
    Hover(*form, 50);
    EXPECT_EQ(form->PortHints()->ReadingPort(), 1);
    EXPECT_EQ(Shown(*form), PortHintReadingText(50));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown(*form).startsWith(QLatin1String("Port 50\nDescription: Port 50\n")); }, 5000));
    EXPECT_EQ(form->PortHints()->ReadingPort(), 0);
}

// A double click opens the port configuration table with that port's row
// selected once the table has been read, ready for Edit.
TEST_F(PortHintPanel, DoubleClickOpensPortSettingsOnItsRow)
{
    EXPECT_EQ(PortSettingsItem(), "PortControlTable1");
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    form->show();

    QString title, selectedKey;
    int selectedRows = -1;
    bool editEnabled = false;
    int views = 0;
    TScopedModalRunner runner([&](QDialog& d) {
        ++views;
        auto* view = qobject_cast<TConfigForm*>(&d);
        EXPECT_NE(view, nullptr);
        if (!view)
            return static_cast<int>(QDialog::Rejected);
        title = view->windowTitle();
        auto* panel = qobject_cast<TSNMPListViewPanel*>(view->Panel(0));
        EXPECT_NE(panel, nullptr);
        if (!panel)
            return static_cast<int>(QDialog::Rejected);
        QTreeWidget* list = panel->ListViewPanel()->ListView;
        // The view is read as it opens; the row is chosen when the read is done.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view->Binding(0)->Busy() && !list->selectedItems().isEmpty(); }, 10000));
        selectedRows = static_cast<int>(list->selectedItems().size());
        if (selectedRows == 1)
            selectedKey = list->selectedItems().front()->text(0);
        editEnabled = panel->CtrlBtnPanel()->BT_Edit->isEnabled();
        return static_cast<int>(QDialog::Rejected);
    });
    QTest::mouseDClick(Led(*form, 37), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(views, 1);
    EXPECT_EQ(title, QStringLiteral("Port Control Table : 127.0.0.1"));
    EXPECT_EQ(selectedRows, 1);
    EXPECT_EQ(selectedKey, QStringLiteral("37"));
    EXPECT_TRUE(editEnabled);
}

}  // namespace
