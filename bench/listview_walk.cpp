// A generated table of ROWS x 4 columns (ksw-sim --big-table) shown in a table
// view (TConfigForm with a TSNMPListViewPanel, asynchronous binding, Qt
// offscreen): time from the form's first read until the walk's last row is in
// the list and painted, next to the plain asynchronous KvSNMPRequest walk of the
// same table, in paired rounds of the same run.  Prints the ratio view / plain
// walk (min / median / max over the rounds; target at most 1.3, at any table
// length) and the view's marginal memory per row: the resident growth from the
// tenth of the table to its end, per row, which leaves the form's fixed cost out.
// Then the filter above the list: the same walk with a filter set (its cost per
// appended row), and the time from a key press in the filter field until the
// list is painted again, for a user typing a word into an empty filter field,
// deleting it again and clearing the field (min / median / max per key press).
// Last, the CSV export of the whole table: its time and the longest the window
// waits for its events meanwhile.
//
//   bench_listview_walk [rows] [rounds] [--get-next]   (default 10000 rows, 3 rounds;
//   --get-next walks as with get-bulk turned off)
#include "BenchSupport.h"
#include "KswSim.h"
#include "TableBench.h"
#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"
#include "KvSNMPRequest2Edits.h"
#include "KvSNMPSession.h"

#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/TableExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using bench::fillBigTable;
using bench::residentKb;
const std::string kTable = bench::kBigTable;

struct Result {
    double seconds = 0;
    int rows = 0;
    long rowBytes = 0;   // marginal, -1 when the table was too short to tell
    bool ok = false;
    std::string error;
    std::vector<double> keyMs;   // per filter key press, after the walk
    double firstKeyMs = 0;
    double exportMs = 0;       // every row written as CSV
    double exportWaitMs = 0;   // the longest the window waited meanwhile
};

// What the filter field holds after each key press, from an empty field: a
// word typed, taken back a key at a time, the field cleared, a text no row
// holds, cleared again.
const char* const kTyping[] = {"r",      "ro",      "row",    "row ", "row 4", "row 47", "row 471", "row 4711",
                               "row 471", "row 47", "row 4", "row ", "",      "x",      ""};

Result plainWalk(quint16 port)
{
    // Asked as the view's own request asks.
    const bench::TableWalk w = bench::requestTableWalk(port, DefaultUseGetBulk);
    Result r;
    r.seconds = w.seconds;
    r.rows = w.rows;
    r.ok = w.ok;
    r.error = w.error;
    return r;
}

Result viewWalk(quint16 port, int rows, const QString& filter = {}, bool typeAfter = false)
{
    Result r;
    auto form = std::make_unique<TConfigForm>();
    auto* binding = new KvSNMPRequest2Edits(form.get());
    fillBigTable(binding->Variables());
    binding->Request().Device.Port = port;
    binding->Request().Timeout = KvModuleTimeout;
    binding->Request().Retries = 1;
    TSNMPListViewPanel* panel = form->AddListViewPanel(binding, -1, {}, -1, {});
    QTreeWidget* list = panel->ListViewPanel()->ListView;
    panel->ListViewPanel()->FilterEdit->setText(filter);
    const int tenth = rows / 10;
    long tenthKb = -1;
    int tenthRows = 0;
    QElapsedTimer t;
    t.start();
    form->show();   // the posted first message starts the walk
    QEventLoop loop;
    while (t.elapsed() < 600000) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
        if (tenthKb < 0 && tenth > 0 && list->topLevelItemCount() >= tenth) {
            tenthKb = residentKb();
            tenthRows = list->topLevelItemCount();
        }
        // The walk has ended and the view has caught up with it: the last
        // rows are laid out and counted.
        if (binding->Busy() || list->topLevelItemCount() == 0 ||
            panel->CtrlBtnPanel()->ST_RowCount->text() != QString::number(list->topLevelItemCount()))
            continue;
        break;
    }
    loop.processEvents();
    // The last row shown: scrolled to and painted.
    if (QTreeWidgetItem* last = list->topLevelItem(list->topLevelItemCount() - 1))
        list->scrollToItem(last);
    list->viewport()->repaint();
    r.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    r.rows = list->topLevelItemCount();
    r.ok = !binding->Busy() && r.rows == rows;
    if (!r.ok)
        r.error = "the view's walk did not end with every row";
    r.rowBytes = tenthKb >= 0 && r.rows > tenthRows ? (residentKb() - tenthKb) * 1024 / (r.rows - tenthRows) : -1;
    const auto press = [&](const char* typed) {
        QElapsedTimer k;
        k.start();
        panel->ListViewPanel()->FilterEdit->setText(QString::fromLatin1(typed));
        loop.processEvents();
        panel->ListViewPanel()->ShownView()->viewport()->repaint();
        return static_cast<double>(k.nsecsElapsed()) / 1e6;
    };
    if (typeAfter) {
        // A key press at once after the last row, before the filter has
        // prepared the rows' text in the background; then typing on.
        r.firstKeyMs = press(kTyping[0]);
        press("");
        for (const char* typed : kTyping)
            r.keyMs.push_back(press(typed));
        // Export of every row: the longest the window waits for its events.
        QTemporaryDir folder;
        QElapsedTimer e;
        e.start();
        TTableExport* job = panel->ListViewPanel()->StartExport(folder.filePath(QStringLiteral("table.csv")));
        r.exportWaitMs = static_cast<double>(e.nsecsElapsed()) / 1e6;
        bool done = false;
        QObject::connect(job, &TTableExport::Finished, job, [&done] { done = true; });
        while (!done) {
            QElapsedTimer turn;
            turn.start();
            loop.processEvents();
            r.exportWaitMs = std::max(r.exportWaitMs, static_cast<double>(turn.nsecsElapsed()) / 1e6);
        }
        r.exportMs = static_cast<double>(e.nsecsElapsed()) / 1e6;
    }
    form.reset();
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // --get-next: both walks as with UseGetBulk=0 in the configuration file.
    std::vector<int> numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--get-next")
            DefaultUseGetBulk = false;
        else
            numbers.push_back(std::atoi(argv[i]));
    }
    const int rows = numbers.size() > 0 ? numbers[0] : bench::kBigTableRows;
    const int rounds = numbers.size() > 1 ? numbers[1] : 3;
    if (rows < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: bench_listview_walk [rows] [rounds] [--get-next]\n");
        return 2;
    }

    KswSim::Options o;
    o.extraArgs << QStringLiteral("--big-table") << QString::number(rows) << QStringLiteral("--count-requests");
    KswSim sim(o);
    if (!sim.running()) {
        std::fprintf(stderr, "bench_listview_walk: ksw-sim: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    QTemporaryDir folder;
    try {
        CreateGlobalSession(folder.path().toStdString());
    } catch (const KvSNMPException& e) {
        std::fprintf(stderr, "bench_listview_walk: %s\n", e.Message().c_str());
        return 1;
    }
    DefaultDevice.Address = "127.0.0.1";
    DefaultDevice.Port = sim.port();
    DefaultSecurity.Version = 1;

    // Both sides ask the same requests; ksw-sim counts them.
    const bench::AgentCounter counter{bench::AgentCounter::KswSim, sim.port()};
    long viewRequests = -1, plainRequests = -1;
    std::vector<double> ratios, views, plains, keyMs;
    double firstKeyMs = 0, exportMs = 0, exportWaitMs = 0;
    long rowBytes = -1;
    for (int i = 0; i < rounds; ++i) {
        // Alternating order, so that neither side always runs on a warmer machine.
        Result v, p;
        // The first view is typed into afterwards: its first key press finds
        // the filter with nothing prepared.
        auto view = [&] { viewRequests = counter.around([&] { v = viewWalk(sim.port(), rows, {}, i == 0); }); };
        auto plain = [&] { plainRequests = counter.around([&] { p = plainWalk(sim.port()); }); };
        if (i % 2 == 0) {
            view();
            plain();
        } else {
            plain();
            view();
        }
        if (!v.ok) {
            std::fprintf(stderr, "bench_listview_walk: %s (%d rows)\n", v.error.c_str(), v.rows);
            return 1;
        }
        if (!p.ok || p.rows != rows) {
            std::fprintf(stderr, "bench_listview_walk: plain walk failed after %d rows: %s\n", p.rows, p.error.c_str());
            return 1;
        }
        // The view's requests are counted up to its form's end, the filter
        // typing and the export included: they send nothing.
        if (!bench::sameRequests("view/plain walk", viewRequests, plainRequests))
            return 1;
        views.push_back(v.seconds);
        plains.push_back(p.seconds);
        ratios.push_back(v.seconds / p.seconds);
        if (i == 0) {
            rowBytes = v.rowBytes;   // later rounds reuse memory the first one freed
            keyMs = v.keyMs;
            firstKeyMs = v.firstKeyMs;
            exportMs = v.exportMs;
            exportWaitMs = v.exportWaitMs;
        }
    }
    // A filter set before the walk checks each row as it comes; then typing
    // into the filter of the full table.
    const Result filtered = viewWalk(sim.port(), rows, QStringLiteral("row 1"));
    if (filtered.rows != rows) {
        std::fprintf(stderr, "bench_listview_walk: the filtered walk ended with %d rows\n", filtered.rows);
        return 1;
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(views.begin(), views.end());
    std::sort(plains.begin(), plains.end());
    const auto median = [](const std::vector<double>& v) { return v[v.size() / 2]; };
    std::printf("table %s, %d rows x 4 columns, v2c %s, %d paired rounds\n", kTable.c_str(), rows,
                DefaultUseGetBulk ? "get-bulk" : "get-next", rounds);
    std::printf("table view (TSNMPListViewPanel), last row shown: median %.3f s (%.1f us/row)\n", median(views),
                median(views) / rows * 1e6);
    std::printf("plain KvSNMPRequest async walk:                  median %.3f s (%.1f us/row)\n", median(plains),
                median(plains) / rows * 1e6);
    std::printf("ratio view/plain walk: min %.2f  median %.2f  max %.2f (%s, counted by ksw-sim; target <= 1.3)\n",
                ratios.front(), median(ratios), ratios.back(),
                bench::requestsText(viewRequests, plainRequests).c_str());
    if (rowBytes >= 0)
        std::printf("view memory: %ld bytes per extra row (resident growth from a tenth of the table to its end; "
                    "target <= 600)\n", rowBytes);
    std::printf("table view with the filter \"row 1\" set during the walk: %.3f s (%.2f x the unfiltered median)\n",
                filtered.seconds, filtered.seconds / median(views));
    std::printf("filter key press until painted, %d rows:", rows);
    for (size_t i = 0; i < keyMs.size(); ++i)
        std::printf(" \"%s\" %.0f ms%s", kTyping[i], keyMs[i], i + 1 < keyMs.size() ? "," : "");
    std::vector<double> keys = keyMs;
    std::sort(keys.begin(), keys.end());
    std::printf("\nfirst key press at once after the last row, the rows' text not yet prepared: %.1f ms",
                firstKeyMs);
    std::printf("\nper key press: min %.1f  median %.1f  max %.1f ms (target < 50)\n", keys.front(), median(keys),
                keys.back());
    std::printf("CSV export of the %d rows: %.0f ms, the window waiting at most %.0f ms at a time\n", rows, exportMs,
                exportWaitMs);
    return 0;
}
