// Opens every generic view the menu offers, once, against ksw-sim (v2c) and times
// the click up to the first page's read completed (the agent's answers included).
// Next to it, net-snmp's tool asking the same requests: for a table page
// snmpbulkwalk -v2c -Cr<N> of the table's entry, N = the page's columns x 25
// (the view's get-bulk: 25 repetitions of every column it reads), for a scalar
// page snmpget of the same objects.  ksw-sim counts each side's requests
// (--count-requests); a view whose tool asked differently (it reads only some
// of the entry's columns, or columns of several tables) is listed as not the
// same work and left out of the target.
//
//     bench_views_open [rounds] [--all]
//
// Each view is opened once a round (default 3 rounds) and its median taken, so
// that one busy moment of a shared machine does not decide; the view and its
// tool run in alternating order.  --all prints every view, not only the ten
// closest to their target.
#include "BenchSupport.h"
#include "KswSim.h"

#include "MainMenu.h"
#include "ViewCatalogue.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"
#include "views/Guiconfigform.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct ViewTime {
    std::string Item;
    double Ours = 0; // seconds, click to first page read
    double Tool = 0; // seconds, net-snmp's tool over the same objects
    const char* ToolName = "";
    long OursRequests = -1;   // as ksw-sim counted them
    long ToolRequests = -1;
    bool Failed = false;
    bool SameWork() const
    {
        return OursRequests >= 0 && ToolRequests >= 0
            && std::labs(OursRequests - ToolRequests) * 100 <= std::max(OursRequests, ToolRequests);
    }
};

// What the first page's binding reads: its readable items' OIDs and kind.
struct PageRead {
    std::vector<std::string> Oids;
    bool Table = false;
};

// The view's get-bulk repetitions (KvSNMPTableWalk).
constexpr int kBulkRepetitions = 25;

// The longest common prefix, in whole arcs, of the OIDs: a table's entry.
std::string CommonRoot(const std::vector<std::string>& oids)
{
    std::vector<std::string> root;
    bool first = true;
    for (const std::string& oid : oids) {
        const QStringList arcs = QString::fromStdString(oid).split(QLatin1Char('.'));
        if (first) {
            for (const QString& a : arcs)
                root.push_back(a.toStdString());
            first = false;
            continue;
        }
        std::size_t n = 0;
        while (n < root.size() && n < static_cast<std::size_t>(arcs.size()) &&
               root[n] == arcs[static_cast<qsizetype>(n)].toStdString())
            ++n;
        root.resize(n);
    }
    // A single column's root is the column: its entry is one arc up.
    if (oids.size() == 1 && !root.empty())
        root.pop_back();
    std::string text;
    for (const std::string& a : root)
        text += (text.empty() ? "" : ".") + a;
    return text;
}

double ToolSeconds(const PageRead& page, quint16 port, const char** name)
{
    QStringList args = {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"),
                        QStringLiteral("-On"),  QStringLiteral("-t"), QStringLiteral("2"),
                        QStringLiteral("-r"),   QStringLiteral("1"),  QStringLiteral("127.0.0.1:%1").arg(port)};
    QString program;
    if (page.Table) {
        program = QStringLiteral("snmpbulkwalk");
        args.insert(4, QStringLiteral("-Cr%1").arg(static_cast<int>(page.Oids.size()) * kBulkRepetitions));
        args << QString::fromStdString(CommonRoot(page.Oids));
    } else {
        program = QStringLiteral("snmpget");
        for (const std::string& oid : page.Oids)
            args << QString::fromStdString(oid) + QStringLiteral(".0");
    }
    *name = page.Table ? "snmpbulkwalk" : "snmpget";
    QProcess p;
    p.setProcessEnvironment(bench::toolEnvironment());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(60000))
        return -1;
    const double seconds = bench::secondsSince(timer);
    // An answer without objects is a failed comparison, not a fast one.
    const QByteArray out = p.readAllStandardOutput();
    if (p.exitCode() != 0 || out.count('\n') == 0) {
        std::fprintf(stderr, "%s %s failed: %s\n", *name, qPrintable(args.join(QLatin1Char(' '))), out.constData());
        return -1;
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool all = false;
    int rounds = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--all") == 0)
            all = true;
        else if (std::atoi(argv[i]) > 0)
            rounds = std::atoi(argv[i]);
    }

    KswSim::Options options;
    options.extraArgs << QStringLiteral("--count-requests");
    KswSim sim(options);
    if (!sim.running()) {
        std::fprintf(stderr, "ksw-sim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    CreateGlobalSession(sim.tempDir().toStdString());
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = sim.port();
    DefaultSecurity.Version = 1;
    MainTexts.AgentIP = "127.0.0.1";
    // Boxes would stop the run: count them instead.
    int boxes = 0;
    KvScopedMessagePresenter quiet([&](const KvMessageRequest&) {
        ++boxes;
        return QMessageBox::Ok;
    });

    QMainWindow window;
    TMainMenu menu(window);
    menu.ApplySnmpVersion(3);

    std::vector<const ViewCatalogueRow*> views;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        const auto entry = FindViewEntry(row.Item);
        if (&entry.front() == &row && row.Action == ViewAction::Generic &&
            menu.CanChoose(QString::fromLatin1(row.Item)))
            views.push_back(&row);
    }
    const bench::AgentCounter counter{bench::AgentCounter::KswSim, sim.port()};
    std::vector<std::vector<ViewTime>> runs(views.size());
    std::vector<PageRead> pages(views.size());   // learnt when a view first opens
    for (int round = 0; round < rounds; ++round)
        for (std::size_t v = 0; v < views.size(); ++v) {
            const ViewCatalogueRow& row = *views[v];
            const QString item = QString::fromLatin1(row.Item);
            ViewTime t;
            t.Item = row.Item;
            QElapsedTimer clock;
            TScopedModalRunner runner([&](QDialog& d) {
                auto& form = static_cast<TConfigForm&>(d);
                const QDeadlineTimer limit(30000);
                auto done = [&] {
                    const KvSNMPRequest2Edits* b = form.CurrentBinding();
                    const TMsgPanel* msg = form.PanelCount() > 0 ? form.Panel(0)->MsgPanel() : nullptr;
                    return b && !b->Busy() && msg && !msg->Memo->toPlainText().isEmpty();
                };
                while (!done() && !limit.hasExpired())
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                t.Ours = bench::secondsSince(clock);
                t.Failed = !done();
                if (const KvSNMPRequest2Edits* b = form.CurrentBinding(); b && pages[v].Oids.empty()) {
                    const KvSNMPVarList& list = b->Variables();
                    pages[v].Table = list.ItemType == MVT_FMV || list.ItemType == MVT_UMV;
                    for (int i = 0; i < list.Count(); ++i)
                        if (list.IsReadable(i))
                            pages[v].Oids.push_back(list.BaseOid(i));
                }
                return static_cast<int>(QDialog::Rejected);
            });
            auto open = [&] {
                t.OursRequests = counter.around([&] {
                    clock.start();
                    menu.Choose(item);
                });
            };
            auto tool = [&] {
                t.ToolRequests = counter.around([&] { t.Tool = ToolSeconds(pages[v], sim.port(), &t.ToolName); });
            };
            // The tool learns the page's objects from the view's first opening.
            if (round % 2 == 0 || pages[v].Oids.empty()) {
                open();
                tool();
            } else {
                tool();
                open();
            }
            runs[v].push_back(t);
        }
    std::vector<ViewTime> times;
    for (const auto& r : runs) {
        ViewTime t = r.front();
        std::vector<double> ours, tool;
        bool same = true;
        for (const ViewTime& x : r) {
            ours.push_back(x.Ours);
            tool.push_back(x.Tool);
            t.Failed = t.Failed || x.Failed || x.Tool <= 0;
            same = same && x.SameWork();
        }
        t.Ours = bench::median(ours);
        t.Tool = bench::median(tool);
        if (!same && t.SameWork())
            t.ToolRequests = -1;   // differed in another round
        times.push_back(t);
    }
    if (times.empty()) {
        std::fprintf(stderr, "no view opened\n");
        return 1;
    }

    std::vector<double> ours;
    std::vector<ViewTime> compared, differing;
    for (const ViewTime& t : times) {
        ours.push_back(t.Ours);
        (t.SameWork() && !t.Failed ? compared : differing).push_back(t);
    }
    auto ratio = [](const ViewTime& t) { return t.Tool > 0 ? t.Ours / t.Tool : 0.0; };
    auto byRatio = [&](const ViewTime& a, const ViewTime& b) { return ratio(a) > ratio(b); };
    std::sort(compared.begin(), compared.end(), byRatio);
    const ViewTime* slowest = &times.front();
    for (const ViewTime& t : times)
        if (t.Ours > slowest->Ours)
            slowest = &t;

    std::printf("views opened: %zu, %d rounds, medians per view (failed reads: %ld, message boxes: %d); requests "
                "counted by ksw-sim\n",
                times.size(), rounds,
                static_cast<long>(std::count_if(times.begin(), times.end(), [](const ViewTime& t) { return t.Failed; })),
                boxes);
    std::printf("click to first page read: median %.1f ms, slowest %.1f ms (%s: %s %.1f ms, %s)\n",
                1e3 * bench::median(ours), 1e3 * slowest->Ours, slowest->Item.c_str(), slowest->ToolName,
                1e3 * slowest->Tool, bench::requestsText(slowest->OursRequests, slowest->ToolRequests).c_str());
    if (!compared.empty()) {
        std::vector<double> ratios;
        for (const ViewTime& t : compared)
            ratios.push_back(ratio(t));
        std::printf("ratio view/tool over %zu views with the same requests: min / median / max %s; target: every view "
                    "<= 1.5: %s\n",
                    compared.size(), bench::spreadText(ratios).c_str(), ratio(compared.front()) <= 1.5 ? "met" : "NOT met");
    }
    std::printf("%-40s %10s %10s %8s %s\n", "view (highest ratio first)", "ours ms", "tool ms", "ratio",
                "requests ours / tool");
    const std::size_t shown = all ? compared.size() : std::min<std::size_t>(compared.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) {
        const ViewTime& t = compared[i];
        std::printf("%-40s %10.1f %10.1f %8.2f %ld / %ld %s\n", t.Item.c_str(), 1e3 * t.Ours, 1e3 * t.Tool, ratio(t),
                    t.OursRequests, t.ToolRequests, t.ToolName);
    }
    if (!differing.empty()) {
        std::printf("not the same work (left out of the target; the tool asked differently or failed):\n");
        for (const ViewTime& t : differing)
            std::printf("%-40s %10.1f %10.1f %8s %ld / %ld %s%s\n", t.Item.c_str(), 1e3 * t.Ours, 1e3 * t.Tool, "-",
                        t.OursRequests, t.ToolRequests, t.ToolName, t.Failed ? " (failed)" : "");
    }
    return 0;
}
