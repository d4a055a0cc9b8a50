// Opening and closing every view of the menu, round after round in one
// process against ksw-sim, leaves nothing behind: after the first round (which
// fills the caches of fonts, styles and the session) resident memory, open
// file descriptors and live QObjects stay where they were.  bench_views_soak
// runs the same for 20 rounds.
#include "KswSim.h"
#include "Soak.h"

#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QMainWindow>

#include <gtest/gtest.h>

namespace {

constexpr int kRounds = 3;
constexpr long kRssGrowthKiB = 2048;

TEST(ViewsSoak, OpeningAndClosingEveryViewLeavesNothingBehind)
{
    ASSERT_TRUE(soak::CountObjects());
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    CreateGlobalSession(sim.tempDir().toStdString());
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = sim.port();
    DefaultSecurity.Version = 1;
    MainTexts.AgentIP = "127.0.0.1";
    std::vector<QString> boxes;
    KvScopedMessagePresenter presenter([&boxes](const KvMessageRequest& r) {
        boxes.push_back(r.Text);
        return QMessageBox::Ok;
    });
    QMainWindow window;
    TMainMenu menu(window);
    menu.ApplySnmpVersion(3);
    const auto views = soak::VisibleGenericViews(menu);
    ASSERT_GT(views.size(), 100u);

    std::vector<soak::Sample> after;
    for (int round = 0; round < kRounds; ++round) {
        for (const std::string& item : soak::OpenAndCloseEach(menu, views))
            ADD_FAILURE() << "round " << round << ": " << item << " was not read";
        after.push_back(soak::Take());
    }
    for (int round = 1; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(after[round].Fds, after[0].Fds);
        EXPECT_EQ(after[round].Objects, after[0].Objects);
    }
    if (soak::kResidentMemoryMeaningful)
        EXPECT_LT(after.back().RssKiB - after[0].RssKiB, kRssGrowthKiB);
    for (const QString& text : boxes)
        ADD_FAILURE() << "box: " << text.toStdString();
}

} // namespace
