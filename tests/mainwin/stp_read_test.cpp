// "STP Control " reads the switch's spanning-tree version into the main
// window before its dialog opens, and keeps the last label when the read fails.
#include "MainWindowHarness.h"
#include "ViewCatalogue.h"
#include "views/Viewmodal.h"

#include <QDialog>
#include <QLabel>

namespace {

class StpVersionRead : public MainWindowHarness {};

TEST_F(StpVersionRead, FillsTheHiddenTextFirstAndKeepsItWhenTheAgentIsGone)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    TMainForm::SetFrontPanelPolling(false);
    auto form = Open(AgentArgs(sim));
    QStringList seen;   // the hidden text as each dialog opened
    TScopedModalRunner runner([&](QDialog&) {
        seen << form->stSTP->text();
        return static_cast<int>(QDialog::Rejected);
    });

    RunViewEntry(*form, "BridgeSTPInformation");
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front(), QStringLiteral("rstp"));   // the agent runs version 1
    EXPECT_EQ(form->StatusBar->PanelText(0), QString());

    sim.stop();
    DefaultTimeout = 10;
    seen.clear();
    RunViewEntry(*form, "BridgeSTPInformation");
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front(), QStringLiteral("rstp"));
    EXPECT_FALSE(form->StatusBar->PanelText(0).isEmpty());
}

} // namespace
