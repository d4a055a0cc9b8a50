// Opens every generic view the menu offers, once, against ksw-sim and times the
// click up to the first page's read completed (the agent's answers included).
// Next to it: snmpwalk of the same columns (the common prefix of the page's
// OIDs) for a table page, snmpget of the same objects for a scalar page.
//
//     bench_views_open [rounds] [--all]
//
// Each view is opened once a round (default 3 rounds) and its median taken, so
// that one busy moment of a shared machine does not decide; --all prints every
// view, not only the ten closest to their target.
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
    bool Failed = false;
};

// Index columns read from the row OIDs have none of their own.
bool HasOid(const KvSNMPVarDef& d)
{
    return d.Oid[0] >= '0' && d.Oid[0] <= '9';
}

// The longest common prefix, in whole arcs, of the page's OIDs.
std::string CommonRoot(const KvSNMPVarDef* defs)
{
    std::vector<std::string> root;
    bool first = true;
    for (const KvSNMPVarDef* d = defs; d->Oid; ++d) {
        if (!HasOid(*d))
            continue;
        const QStringList arcs = QString::fromLatin1(d->Oid).split(QLatin1Char('.'));
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
    std::string text;
    for (const std::string& a : root)
        text += (text.empty() ? "" : ".") + a;
    return text;
}

double ToolSeconds(const ViewCatalogueRow& page, quint16 port, const char** name)
{
    QStringList args = {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"),
                        QStringLiteral("-On"),  QStringLiteral("-t"), QStringLiteral("2"),
                        QStringLiteral("-r"),   QStringLiteral("1"),  QStringLiteral("127.0.0.1:%1").arg(port)};
    QString program;
    if (page.Panel == ViewPanel::Table) {
        program = QStringLiteral("snmpwalk");
        args.insert(4, QStringLiteral("-Cc"));
        args << QString::fromStdString(CommonRoot(page.Defs));
    } else {
        program = QStringLiteral("snmpget");
        for (const KvSNMPVarDef* d = page.Defs; d->Oid; ++d)
            if (HasOid(*d))
                args << QString::fromLatin1(d->Oid) + QStringLiteral(".0");
    }
    *name = page.Panel == ViewPanel::Table ? "snmpwalk" : "snmpget";
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
    std::vector<std::vector<ViewTime>> runs(views.size());
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
                return static_cast<int>(QDialog::Rejected);
            });
            clock.start();
            menu.Choose(item);
            t.Tool = ToolSeconds(row, sim.port(), &t.ToolName);
            runs[v].push_back(t);
        }
    std::vector<ViewTime> times;
    for (const auto& r : runs) {
        ViewTime t = r.front();
        std::vector<double> ours, tool;
        for (const ViewTime& x : r) {
            ours.push_back(x.Ours);
            tool.push_back(x.Tool);
            t.Failed = t.Failed || x.Failed;
        }
        t.Ours = bench::median(ours);
        t.Tool = bench::median(tool);
        times.push_back(t);
    }
    if (times.empty()) {
        std::fprintf(stderr, "no view opened\n");
        return 1;
    }

    std::vector<double> ours;
    for (const ViewTime& t : times)
        ours.push_back(t.Ours);
    std::vector<ViewTime> bySlowest = times;
    std::sort(bySlowest.begin(), bySlowest.end(), [](const ViewTime& a, const ViewTime& b) { return a.Ours > b.Ours; });
    const ViewTime& slowest = bySlowest.front();
    const double target = 1.5 * slowest.Tool + 0.050;

    std::printf(
        "views opened: %zu, %d rounds, medians per view (failed reads: "
        "%ld, message boxes: %d)\n",
        times.size(), rounds,
        static_cast<long>(std::count_if(times.begin(), times.end(), [](const ViewTime& t) { return t.Failed; })),
        boxes);
    std::printf("click to first page read: median %.1f ms, slowest %.1f ms (%s)\n", 1e3 * bench::median(ours),
                1e3 * slowest.Ours, slowest.Item.c_str());
    std::printf("slowest view's %s of the same objects: %.1f ms; target 1.5 x "
                "that + 50 ms = %.1f ms: %s\n",
                slowest.ToolName, 1e3 * slowest.Tool, 1e3 * target, slowest.Ours < target ? "met" : "NOT met");
    // The views that come closest to their own target, whichever is slowest.
    std::sort(times.begin(), times.end(), [](const ViewTime& a, const ViewTime& b) {
        return a.Ours - (1.5 * a.Tool + 0.05) > b.Ours - (1.5 * b.Tool + 0.05);
    });
    std::printf("%-40s %10s %10s %8s\n", "view (closest to its target first)", "ours ms", "tool ms", "ratio");
    const std::size_t shown = all ? times.size() : std::min<std::size_t>(times.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) {
        const ViewTime& t = times[i];
        std::printf("%-40s %10.1f %10.1f %8.2f %s\n", t.Item.c_str(), 1e3 * t.Ours, 1e3 * t.Tool,
                    t.Tool > 0 ? t.Ours / t.Tool : 0.0, t.ToolName);
    }
    return 0;
}
