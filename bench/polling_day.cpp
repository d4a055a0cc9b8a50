// A day of front-panel polling in half an hour: the main window against
// ksw-sim that drops 10 % of the requests, with a flapping port, and restarts
// the agent every two minutes (silent for a second each time).  The panel
// polls every 100 ms instead of every 5 s (the tests' switch for the poll
// period), so 30 minutes carry about as many polls as a day; the request
// time-out is scaled with it.
//
//     bench_polling_day [minutes] [restart-seconds]    (default 30 and 120)
//
// Prints resident memory every half minute (freed heap given back first, so
// that it counts what is held), how long each restart took to light the panel
// again, and whether each port LED agreed with the agent after each restart.
// Targets: no growth of resident memory after the first 5 minutes beyond
// 1 MB; every restart recovered within two poll intervals; no stuck LED.
#include "BenchSupport.h"
#include "KswSim.h"
#include "Soak.h"

#include "Mainunit.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Leds.h"
#include "binding/KvUserNotice.h"
#include "defs/SwitchPorts.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kPollPeriod = 10;   // tens of ms: 100 ms, a 50th of the module's 5 s
constexpr int kTimeout = 5;       // tens of ms, one retry: a lost request is retried after 50 ms
constexpr int kPorts = KswPortCount;

bool Green(const KvShape* led) { return led->BrushColor() == QColor(0, 255, 0); }

void Wait(int ms)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, static_cast<int>(until.remainingTime()));
}

// ifOperStatus of every port as the agent has it now (1 up); nothing when the
// agent does not answer.
std::optional<std::array<int, kPorts>> AgentPortStates()
{
    KvSNMPRequest r;
    r.Retries = 10;   // through the 10 % loss
    r.Variables.ItemType = MVT_SV;
    for (int p = 1; p <= kPorts; ++p)
        r.Variables.AppendItem("1.3.6.1.2.1.2.2.1.8." + std::to_string(p), "", KvSyntax::Integer, KvAccess::ReadOnly);
    try {
        r.Get(true);
    } catch (const KvSNMPException&) {
        return std::nullopt;
    }
    std::array<int, kPorts> states{};
    for (int p = 0; p < kPorts; ++p)
        states[static_cast<std::size_t>(p)] = std::atoi(r.Variables.ItemAt(p).Value.c_str());
    return states;
}

// Ports whose LED disagrees with the agent over a second of polls: an up port
// never seen green, or a port that is not up seen green.  A port that changed
// meanwhile (the flapping one) is not judged.
std::vector<int> StuckLeds(const TMainForm& form)
{
    const auto before = AgentPortStates();
    std::array<bool, kPorts> seenGreen{};
    const QDeadlineTimer window(1000);
    while (!window.hasExpired()) {
        for (int p = 0; p < kPorts; ++p)
            seenGreen[static_cast<std::size_t>(p)] =
                seenGreen[static_cast<std::size_t>(p)] || Green(form.LinkShape_Port[static_cast<std::size_t>(p)]);
        Wait(10);
    }
    const auto after = AgentPortStates();
    std::vector<int> stuck;
    if (!before || !after)
        return {-1};
    for (std::size_t p = 0; p < kPorts; ++p)
        if ((*before)[p] == (*after)[p] && seenGreen[p] != ((*before)[p] == 1))
            stuck.push_back(static_cast<int>(p) + 1);
    return stuck;
}

bool Lit(const TMainForm& form)
{
    return Green(form.PowerLed) && Green(form.ConsoleLed) && Green(form.RPSLed);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    soak::CountObjects();
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
    const int restartEvery = argc > 2 ? std::atoi(argv[2]) : 120;
    if (minutes < 6 || restartEvery < 5) {
        std::fprintf(stderr, "usage: bench_polling_day [MINUTES >= 6] [RESTART-SECONDS >= 5]\n");
        return 2;
    }
    // The engine-boots file goes into the working folder.
    QTemporaryDir work;
    if (::chdir(QFile::encodeName(work.path()).constData()) != 0)
        return 1;
    SetExeFolder(work.path().toStdString());

    KswSim::Options options;
    options.dropPercent = 10;
    options.extraArgs = {QStringLiteral("--flap"), QStringLiteral("5")};
    KswSim sim(options);
    if (!sim.running()) {
        std::fprintf(stderr, "ksw-sim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    int boxes = 0;
    KvScopedMessagePresenter quiet([&boxes](const KvMessageRequest&) {
        ++boxes;
        return QMessageBox::Ok;
    });
    TMainForm form({"/I127.0.0.1", "/t" + std::to_string(sim.port()), "/v1", "/Rrdcomm", "/Wwrcommx"});
    TMainForm::SetFrontPanelPollPeriod(kPollPeriod);
    DefaultTimeout = kTimeout;
    form.SetUpFrontPanel();

    const qint64 total = qint64{minutes} * 60000;
    const qint64 settled = 5 * 60000;
    const int pollMs = kPollPeriod * 10;
    std::printf("%d min, a poll every %d ms (%lld polls), 10 %% loss, flapping ports, agent restart every %d s\n",
                minutes, pollMs, static_cast<long long>(total / pollMs), restartEvery);
    std::printf("%8s %10s %6s %9s\n", "minute", "RSS KiB", "fds", "QObjects");
    QElapsedTimer clock;
    clock.start();
    qint64 nextSample = 0, nextRestart = qint64{restartEvery} * 1000;
    std::optional<long> rssSettled;
    long rssMaxAfter = 0;
    std::vector<qint64> recoveries;   // ms, -1 never
    int stuckChecks = 0, stuckFound = 0;
    while (clock.elapsed() < total) {
        Wait(50);
        if (clock.elapsed() >= nextSample) {
            const soak::Sample s = soak::Take();
            std::printf("%8.1f %10ld %6ld %9ld\n", clock.elapsed() / 60000.0, s.RssKiB, s.Fds, s.Objects);
            std::fflush(stdout);
            if (clock.elapsed() >= settled) {
                if (!rssSettled)
                    rssSettled = s.RssKiB;
                rssMaxAfter = std::max(rssMaxAfter, s.RssKiB);
            }
            nextSample += 30000;
        }
        if (clock.elapsed() >= nextRestart) {
            sim.stop();
            Wait(1000);
            const bool dark = !Lit(form);
            if (!sim.restart()) {
                std::fprintf(stderr, "ksw-sim did not start again: %s\n", qPrintable(sim.errorText()));
                return 1;
            }
            QElapsedTimer back;
            back.start();
            const QDeadlineTimer limit(10000);
            while (!Lit(form) && !limit.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
            recoveries.push_back(Lit(form) ? back.elapsed() : -1);
            const std::vector<int> stuck = StuckLeds(form);
            ++stuckChecks;
            stuckFound += static_cast<int>(stuck.size());
            std::printf("restart at %.1f min: panel dark while silent: %s, lit again after %lld ms, LEDs not "
                        "agreeing with the agent: %zu\n",
                        clock.elapsed() / 60000.0, dark ? "yes" : "NO", static_cast<long long>(recoveries.back()),
                        stuck.size());
            for (int p : stuck)
                std::printf("  port %d\n", p);
            std::fflush(stdout);
            nextRestart += qint64{restartEvery} * 1000;
        }
    }
    std::vector<int> stuckAtEnd = StuckLeds(form);
    ++stuckChecks;
    stuckFound += static_cast<int>(stuckAtEnd.size());

    std::vector<double> ms;
    int late = 0;
    for (qint64 r : recoveries) {
        ms.push_back(static_cast<double>(r));
        late += r < 0 || r > 2 * pollMs ? 1 : 0;
    }
    const long growth = rssSettled ? rssMaxAfter - *rssSettled : 0;
    std::printf("RSS after 5 min %ld KiB, highest after that %ld KiB: growth %ld KiB\n", rssSettled.value_or(0),
                rssMaxAfter, growth);
    if (!ms.empty())
        std::printf("restarts %zu: lit again after median %.0f ms, slowest %.0f ms; later than two polls (%d ms): %d\n",
                    ms.size(), bench::median(ms), *std::max_element(ms.begin(), ms.end()), 2 * pollMs, late);
    std::printf("stuck LEDs: %d in %d checks; message boxes: %d\n", stuckFound, stuckChecks, boxes);
    const bool met = growth <= 1024 && late == 0 && stuckFound == 0;
    std::printf("target: RSS growth <= 1024 KiB after 5 min, every restart lit within two polls, no stuck LED: %s\n",
                met ? "met" : "NOT met");
    return met ? 0 : 1;
}
