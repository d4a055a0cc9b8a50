// The traffic monitor in the main window against ksw-sim's traffic model: the
// overview's rates, the flap marks on the front panel, the charts and their
// files, the Monitor menu, and silence while nobody watches.
#include "MainWindowHarness.h"
#include "MainMenu.h"
#include "MibData.h"
#include "TrafficModel.h"
#include "monitorwin/FlapMarks.h"
#include "monitorwin/Monitor.h"
#include "monitorwin/PortChart.h"
#include "monitorwin/PortOverview.h"
#include "views/Listviewpanel.h"
#include "views/TableExport.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

constexpr int kWaitMs = 20000;
// Short enough for a quick test, long enough for the agent's ticks.
constexpr int kIntervalMs = 500;

const ksw::sim::MibData& Shipped()
{
    static const ksw::sim::MibData data = ksw::sim::loadSnmprec(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec");
    return data;
}

KswSim::Options Traffic(QStringList extra = {})
{
    KswSim::Options o;
    o.traffic = true;
    o.extraArgs = std::move(extra);
    return o;
}

class Monitor : public MainWindowHarness {
protected:
    // Waits for `polls` more complete polls.
    static bool PollsMore(TPortSampler& s, int polls)
    {
        const auto until = s.Polls() + polls;
        return QTest::qWaitFor([&] { return s.Polls() >= until; }, kWaitMs);
    }
};

struct VersionCase {
    const char* name;
    const char* version;   // the module's /v switch
    bool wide;
};

class MonitorRates : public Monitor, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(MonitorRates, OverviewRatesAreTheModelsWithinTwoPercentAfterTwoIntervals)
{
    KswSim sim(Traffic());
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim, GetParam().version));
    TPortSampler& sampler = form->Monitor()->Sampler();
    sampler.SetIntervalMs(kIntervalMs);
    TPortOverview* overview = form->Monitor()->OpenOverview();
    ASSERT_TRUE(PollsMore(sampler, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sampler.Now(49).In.HasValue(); }, kWaitMs));

    const ksw::sim::TrafficModel model(Shipped());
    for (const int port : {1, 49, 3, 7}) {
        const TPortNow& now = sampler.Now(port);
        ASSERT_TRUE(now.In.HasValue() && now.UpTime) << "port " << port;
        EXPECT_EQ(now.Wide, GetParam().wide);
        // The wave moves well under 2 % within one interval.
        const auto expected = model.ratesAt(static_cast<unsigned long>(port), *now.UpTime / 100.0);
        EXPECT_NEAR(now.In.PerSecond * 8, expected.inBits, expected.inBits * 0.02) << "port " << port;
        EXPECT_NEAR(now.Out.PerSecond * 8, expected.outBits, expected.outBits * 0.02) << "port " << port;
        EXPECT_FALSE(now.In.AtLeast);
    }
    // 30 errors and 12 discards a second on port 7, counted in whole events per interval.
    EXPECT_NEAR(sampler.Now(7).Errors.PerSecond, 30, 2 * 1000.0 / kIntervalMs);
    EXPECT_NEAR(sampler.Now(7).Discards.PerSecond, 12, 2 * 1000.0 / kIntervalMs);

    // The rows show them with units; sorted by traffic in, a busy port leads.
    overview->SortBy(TPortOverview::ColIn, Qt::DescendingOrder);
    // The busy port of 1 Gbit/s.
    EXPECT_EQ(overview->PortOfRow(0), 49);
    const QTreeWidgetItem* row = overview->List->ListView->topLevelItem(0);
    EXPECT_TRUE(row->text(TPortOverview::ColIn).endsWith(QLatin1String("Mbit/s"))) << row->text(TPortOverview::ColIn).toStdString();
    EXPECT_EQ(row->text(TPortOverview::ColState), QStringLiteral("up"));
    EXPECT_TRUE(row->text(TPortOverview::ColUtilisation).endsWith(QLatin1String(" %")));
}

INSTANTIATE_TEST_SUITE_P(Versions, MonitorRates,
                         ::testing::Values(VersionCase{"v1", "/v0", false}, VersionCase{"v2c", "/v1", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Monitor, AFlappingPortIsMarkedOnThePanelAndTheMenuTurnsTheMarksOff)
{
    KswSim sim(Traffic({QStringLiteral("--flap"), QStringLiteral("0.1")}));
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    TMonitor& monitor = *form->Monitor();
    monitor.Sampler().SetIntervalMs(kIntervalMs);
    monitor.OpenOverview();
    // Ports 2, 5, 18 and 34 take turns: each changes every 0.4 s.
    ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.Marks().Shown(2); }, kWaitMs));
    EXPECT_TRUE(monitor.Sampler().FlapMarked(2));
    EXPECT_GT(monitor.Sampler().ChangesWithin10Min(2), TFlapCounter::MarkAbove);
    EXPECT_FALSE(monitor.Marks().Shown(1));
    EXPECT_TRUE(monitor.FlapHintLine(2).contains(QLatin1String("(flapping)"))) << monitor.FlapHintLine(2).toStdString();
    EXPECT_TRUE(monitor.FlapHintLine(1).isEmpty());
    // The ring surrounds the LED: the LED's own colour stays the link state's.
    const QRect led = form->LinkShape_Port[1]->geometry();
    EXPECT_TRUE(monitor.Marks().Ring(2)->geometry().contains(led));
    EXPECT_FALSE(monitor.Marks().Ring(2)->geometry().intersects(form->LinkShape_Port[2]->geometry()));

    QAction* item = form->MainMenu->Action(QStringLiteral("FlapMarks"));
    ASSERT_TRUE(item && item->isCheckable() && item->isChecked());
    item->trigger();
    EXPECT_FALSE(monitor.FlapMarks());
    EXPECT_FALSE(monitor.Marks().Shown(2));
    EXPECT_TRUE(monitor.FlapHintLine(2).isEmpty());
}

TEST_F(Monitor, NothingIsSentWhileNoWindowIsOpenAndTheMarksAreOff)
{
    KswSim sim(Traffic());
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    TPortSampler& sampler = form->Monitor()->Sampler();
    // With the marks on, the states are read beside the front panel's polls.
    EXPECT_TRUE(sampler.Polling());
    ASSERT_TRUE(PollsMore(sampler, 1));
    form->MainMenu->Action(QStringLiteral("FlapMarks"))->trigger();
    EXPECT_FALSE(sampler.Polling());
    const auto polls = sampler.Polls();
    Quicken(*form);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !PollsDone(*form); }, kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return PollsDone(*form); }, kWaitMs));
    }
    EXPECT_EQ(sampler.Polls(), polls);

    sampler.SetIntervalMs(kIntervalMs);
    TPortOverview* overview = form->Monitor()->OpenOverview();
    ASSERT_TRUE(PollsMore(sampler, 1));
    EXPECT_GT(sampler.RequestsLastPoll(), 0);
    // Get-bulks over v2c, each answer cut at ksw-sim's 100 bindings: once
    // learned, 50 ports of 9 columns in 5 requests, none asked twice.
    ASSERT_TRUE(PollsMore(sampler, 1));
    EXPECT_LE(sampler.RequestsLastPoll(), 5);
    EXPECT_EQ(sampler.BindingsLastPoll(), sampler.RequestsLastPoll() + 50 * 9);
    overview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(sampler.Polling());
}

TEST_F(Monitor, ChartsDrawTheSamplesWithGapsAndSaveWholeFiles)
{
    KswSim sim(Traffic());
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    TMonitor& monitor = *form->Monitor();
    monitor.Sampler().SetIntervalMs(kIntervalMs);
    // --open PortChart:9 comes this way.
    form->ChooseMenuItemLater(QStringLiteral("PortChart:49"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.Charts().size() == 1; }, kWaitMs));
    TPortChart* two = monitor.OpenChart({49, 1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.Sampler().History(49).Size() >= 4; }, kWaitMs));
    two->Refresh();

    EXPECT_EQ(two->Ports(), (std::vector<int>{1, 49}));
    const TRingBuffer<TTrafficPoint>& history = monitor.Sampler().History(49);
    // The first sample gives no rate: every later one is a point.
    const QList<QPointF> in = two->Points(49, TPortChart::InBits);
    ASSERT_GE(in.size(), 3);
    EXPECT_EQ(in.size(), static_cast<qsizetype>(history.Size()) - 1);
    for (qsizetype i = 1; i < in.size(); ++i)
        EXPECT_GT(in[i].x(), in[i - 1].x());
    EXPECT_EQ(in.back().x(), static_cast<qreal>(history.Newest().TimeMs));
    EXPECT_EQ(two->Segments(49, TPortChart::InBits), 1);
    EXPECT_EQ(two->Points(1, TPortChart::Faults).size(), in.size());
    EXPECT_TRUE(two->HoverText(49, TPortChart::InBits, in.back()).contains(QLatin1String("Mbit/s")));

    const QString png = dir_.filePath(QStringLiteral("chart.png"));
    const QString csv = dir_.filePath(QStringLiteral("chart.csv"));
    QString error;
    ASSERT_TRUE(two->SavePng(png, &error)) << error.toStdString();
    ASSERT_TRUE(two->SaveCsv(csv, &error)) << error.toStdString();
    QImage picture(png);
    EXPECT_FALSE(picture.isNull());
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.front(), QByteArray("time,port,series,value\r"));
    // Two ports, three series each, every sample within the span; a gap has an empty value.
    const auto samples = static_cast<qsizetype>(monitor.Sampler().History(1).Size() + history.Size());
    EXPECT_EQ(lines.size() - 2, samples * 3);
    EXPECT_TRUE(lines[1].endsWith(",\r")) << lines[1].toStdString();
    // Nothing but the two files: the temporary ones were renamed.
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("chart*")}, QDir::Files).size(), 2);

    // A folder that is not there: refused, no file.
    const QString nowhere = dir_.filePath(QStringLiteral("missing/chart.csv"));
    EXPECT_FALSE(two->SaveCsv(nowhere, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(Monitor, ChartItemsNamingNoPanelPortAreRefusedWithTheReason)
{
    KswSim sim(Traffic());
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    const struct {
        const char* item;
        const char* says;
    } cases[] = {{"PortChart:51", "No port 51"}, {"PortChart:0", "No port 0"}, {"PortChart:x", "names no port"},
                 {"PortChart:", "names no port"}};
    for (const auto& c : cases) {
        boxes_.clear();
        form->ChooseMenuItemLater(QString::fromLatin1(c.item));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes_.empty(); }, kWaitMs)) << c.item;
        EXPECT_TRUE(boxes_.front().Text.contains(QLatin1String(c.says))) << boxes_.front().Text.toStdString();
    }
    EXPECT_TRUE(form->Monitor()->Charts().empty());
}

TEST_F(Monitor, TheOverviewExportsItsRowsAsTheTableViewsDo)
{
    KswSim sim(Traffic());
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    auto form = Open(AgentArgs(sim));
    form->Monitor()->Sampler().SetIntervalMs(kIntervalMs);
    form->MainMenu->Choose(QStringLiteral("PortOverview"));
    TPortOverview* overview = form->Monitor()->Overview();
    ASSERT_NE(overview, nullptr);
    ASSERT_TRUE(PollsMore(form->Monitor()->Sampler(), 2));
    overview->List->FilterEdit->setText(QStringLiteral("port 50 /"));
    ASSERT_EQ(overview->List->ShownRows().size(), 1u);
    const QString path = dir_.filePath(QStringLiteral("overview.csv"));
    TTableExport* job = overview->ExportTo(path);
    QSignalSpy done(job, &TTableExport::Finished);
    ASSERT_TRUE(done.wait(kWaitMs));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Port,Description / Alias,State,Speed,In,Out"));
    EXPECT_TRUE(lines[1].startsWith("50,Port 50 / uplink,down,1.00 Gbit/s,")) << lines[1].toStdString();
    EXPECT_TRUE(overview->StatusText->text().startsWith(QLatin1String("Export: 1 rows"))) << overview->StatusText->text().toStdString();
}

} // namespace
