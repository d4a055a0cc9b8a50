// Opens and closes every generic view the menu offers, round after round in
// one process, against ksw-sim (offscreen), and prints what the process holds
// after each round: resident memory, open file descriptors, live QObjects.
//
//     bench_views_soak [rounds]      (default 20)
//
// Target: after the first round (which fills the caches of fonts, styles and
// the session), resident memory grows by less than 2 MB over the remaining
// rounds, and file descriptors and QObjects come back to the first round's
// values after every round.
#include "BenchSupport.h"
#include "KswSim.h"
#include "Soak.h"

#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    if (rounds < 2) {
        std::fprintf(stderr, "usage: bench_views_soak [ROUNDS >= 2]\n");
        return 2;
    }
    if (!soak::CountObjects()) {
        std::fprintf(stderr, "cannot count QObjects: Qt's hook table is not as known\n");
        return 1;
    }
    KswSim sim;
    if (!sim.running()) {
        std::fprintf(stderr, "ksw-sim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    CreateGlobalSession(sim.tempDir().toStdString());
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = sim.port();
    DefaultSecurity.Version = 1;
    MainTexts.AgentIP = "127.0.0.1";
    int boxes = 0;
    KvScopedMessagePresenter quiet([&boxes](const KvMessageRequest&) {
        ++boxes;
        return QMessageBox::Ok;
    });
    QMainWindow window;
    TMainMenu menu(window);
    menu.ApplySnmpVersion(3);
    const auto views = soak::VisibleGenericViews(menu);

    const soak::Sample start = soak::Take();
    std::printf("%zu views a round; before the first: RSS %ld KiB, %ld fds, %ld QObjects\n", views.size(),
                start.RssKiB, start.Fds, start.Objects);
    std::printf("%6s %10s %10s %6s %9s %8s\n", "round", "seconds", "RSS KiB", "fds", "QObjects", "unread");
    std::vector<soak::Sample> after;
    std::size_t unread = 0;
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const auto failed = soak::OpenAndCloseEach(menu, views);
        unread += failed.size();
        after.push_back(soak::Take());
        const soak::Sample& s = after.back();
        std::printf("%6d %10.1f %10ld %6ld %9ld %8zu\n", round, bench::secondsSince(clock), s.RssKiB, s.Fds, s.Objects,
                    failed.size());
        std::fflush(stdout);
    }
    const soak::Sample& first = after.front();
    long maxRss = first.RssKiB;
    bool fdsBack = true, objectsBack = true;
    for (const soak::Sample& s : after) {
        maxRss = std::max(maxRss, s.RssKiB);
        fdsBack = fdsBack && s.Fds == first.Fds;
        objectsBack = objectsBack && s.Objects == first.Objects;
    }
    const long growth = after.back().RssKiB - first.RssKiB;
    std::printf("after round 1 -> after round %d: RSS %+ld KiB (highest %+ld KiB), fds %s, QObjects %s; "
                "unread views %zu, message boxes %d\n",
                rounds, growth, maxRss - first.RssKiB, fdsBack ? "back every round" : "NOT back",
                objectsBack ? "back every round" : "NOT back", unread, boxes);
    const bool met = growth < 2048 && fdsBack && objectsBack && unread == 0;
    std::printf("target: RSS growth < 2048 KiB, fds and QObjects back: %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}
