// The main window says which switch it shows (its name, address and port) and,
// once, when the agent does not identify as a KSW-4800; a view of objects the
// agent lacks says so instead of reporting "Ok!" over empty fields.
#include "About.h"
#include "MainMenu.h"
#include "MainWindowHarness.h"
#include "SnmpdAgent.h"
#include "SwitchIdentity.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvStatusLine.h"
#include "views/Guiconfigform.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <string>

namespace {

struct TitleCase {
    const char* name;
    const char* address;
    std::uint16_t port;
    std::string sysName;
    QString title;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

const TitleCase kTitleCases[] = {
    {"snmp_port_before_the_answer", "10.0.0.9", 161, KvNullText, QStringLiteral("KSW-4800 : 10.0.0.9")},
    {"other_port_and_name", "10.0.0.9", 1161, "core-1", QStringLiteral("KSW-4800 : 10.0.0.9:1161 (core-1)")},
    {"empty_name", "sw.example", 161, "", QStringLiteral("KSW-4800 : sw.example")},
    // Anyone who can set the name chooses it: line breaks and controls do not
    // make a second title line, and a long name is cut.
    {"name_on_one_line", "10.0.0.9", 161, "a\r\nb\tc\x1b\xe2\x80\xae", QStringLiteral("KSW-4800 : 10.0.0.9 (a b c)")},
    {"long_name_cut", "10.0.0.9", 161, std::string(100, 'x'),
     QStringLiteral("KSW-4800 : 10.0.0.9 (") + QString(63, QLatin1Char('x')) + QChar(0x2026) + QLatin1Char(')')},
};

class MainWindowTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(MainWindowTitles, AddressPortAndName)
{
    const TitleCase& c = GetParam();
    EXPECT_EQ(MainWindowTitle(c.address, c.port, c.sysName), c.title);
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWindowTitles, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Identity : public MainWindowHarness {
protected:
    // The About box as the menu opens it.
    QString AboutWarning(TMainForm& form)
    {
        QString warning = QStringLiteral("not shown");
        TScopedModalRunner runner([&warning](QDialog& d) {
            if (auto* about = qobject_cast<TAboutForm*>(&d))
                warning = about->IdentityWarning->isVisibleTo(about) ? about->IdentityWarning->text() : QString();
            return static_cast<int>(QDialog::Accepted);
        });
        form.MainMenu->Choose(QStringLiteral("About1"));
        return warning;
    }

    // The bar after a few more polls: the warning is said once and stays.
    static QStringList StatusPanels(TMainForm& form)
    {
        int polls = 0;
        form.PortLedBinding()->OnGetEnded = [&polls] { ++polls; };
        EXPECT_TRUE(QTest::qWaitFor([&] { return polls >= 3 && PollsDone(form); }, 15000));
        form.PortLedBinding()->OnGetEnded = nullptr;
        QStringList panels;
        for (int i = 0; i < form.StatusBar->PanelCount(); ++i)
            panels << form.StatusBar->PanelText(i);
        return panels;
    }
};

TEST_F(Identity, KswAgentNamesTheWindowAndIsNotWarnedAbout)
{
    KswSim sim(WithData(DataWith({{"1.3.6.1.2.1.1.5.0", "4|core-1"}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    Quicken(*form);
    const QString title = QStringLiteral("KSW-4800 : 127.0.0.1:%1 (core-1)").arg(sim.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle() == title; }, 15000)) << form->windowTitle().toStdString();
    EXPECT_EQ(StatusPanels(*form).size(), 1);
    EXPECT_EQ(form->IdentityWarning(), QString());
    EXPECT_EQ(AboutWarning(*form), QString());
}

struct StrangerCase {
    const char* name;
    const char* sysObjectId;   // replacement line ("" drops the object)
    const char* version;
};
void PrintTo(const StrangerCase& c, std::ostream* os) { *os << c.name; }

class Strangers : public Identity, public ::testing::WithParamInterface<StrangerCase> {};

TEST_P(Strangers, AreWarnedAboutOnceInTheBarAndInTheAboutBox)
{
    const StrangerCase& c = GetParam();
    KswSim sim(WithData(DataWith({{"1.3.6.1.2.1.1.2.0", c.sysObjectId}})));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim, c.version));
    Quicken(*form);
    const QString warning = QString::fromLatin1(NotKswWarningText);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->IdentityWarning() == warning; }, 15000));
    const QStringList panels = StatusPanels(*form);
    ASSERT_EQ(panels.size(), 2);
    EXPECT_TRUE(panels[0].startsWith(QStringLiteral("Get: "))) << panels[0].toStdString();   // the polls go on
    EXPECT_EQ(panels[1], warning);
    EXPECT_EQ(AboutWarning(*form), warning);
}

const StrangerCase kStrangers[] = {
    {"another_model", "6|1.3.6.1.4.1.8072.3.2.10", "/v1"},
    {"a_prefix_of_the_ksw_id", "6|1.3.6.1.4.1.97531.10", "/v1"},
    {"no_sysobjectid_v2c", "", "/v1"},
    // SNMPv1 refuses the whole get: nothing can be read.
    {"no_sysobjectid_v1", "", "/v0"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Strangers, ::testing::ValuesIn(kStrangers),
                         [](const auto& info) { return std::string(info.param.name); });

// An agent of another make: the window warns, and a view of the switch's own
// objects says that the agent has none instead of "Ok!" over "(NULL)" fields.
TEST_F(Identity, ViewOfObjectsTheAgentLacksSaysSo)
{
    SnmpdAgent agent({QStringLiteral("sysName edge-7")});
    ASSERT_TRUE(agent.ok()) << agent.error().toStdString();
    auto form = Open({"/I127.0.0.1", "/t" + std::to_string(agent.port()), "/v1", "/Rrdcomm", "/Wwrcommx"});
    Quicken(*form, 10, 50);
    const QString title = QStringLiteral("KSW-4800 : 127.0.0.1:%1 (edge-7)").arg(agent.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle() == title; }, 15000)) << form->windowTitle().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->IdentityWarning().isEmpty(); }, 15000));

    QStringList memo;
    TScopedModalRunner runner([&memo](QDialog& d) {
        auto* view = qobject_cast<TConfigForm*>(&d);
        if (!view)
            return static_cast<int>(QDialog::Rejected);
        const auto* panel = view->Panel(0);
        (void)QTest::qWaitFor([&] {
            const KvSNMPRequest2Edits* b = view->CurrentBinding();
            return b && !b->Busy() && panel->MsgPanel() && !KvMemoLines(panel->MsgPanel()->Memo).isEmpty();
        }, 15000);
        memo = KvMemoLines(panel->MsgPanel()->Memo);
        return static_cast<int>(QDialog::Rejected);
    });
    form->MainMenu->Choose(QStringLiteral("BasicConfig2"));
    ASSERT_EQ(memo.size(), 1);
    EXPECT_TRUE(memo[0].startsWith(QStringLiteral("Get: ") + QString::fromLatin1(KvNoObjectsText))) << memo[0].toStdString();
}

}  // namespace
