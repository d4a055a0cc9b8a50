// A 10,000-row, 4-column table (ksw-sim --big-table) shown in a table view
// (TConfigForm with a TSNMPListViewPanel, asynchronous binding, Qt offscreen):
// time from the form's first read until the walk's last row is in the list and
// painted, next to the plain asynchronous KvSNMPRequest walk of the same table
// in the same run.  Prints both times, the ratio (view / plain walk; target
// at most 1.5) and the resident memory the view's rows take, per row.
//
//   bench_listview_walk [rounds]     (default 3; the best round of each is compared)
#include "KswSim.h"
#include "TableBench.h"
#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"
#include "KvSNMPRequest2Edits.h"
#include "KvSNMPSession.h"

#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const int kRows = bench::kBigTableRows;
using bench::fillBigTable;
using bench::residentKb;
const std::string kTable = bench::kBigTable;

struct Result {
    double seconds = 0;
    int rows = 0;
    long rowBytes = 0;
    bool ok = false;
    std::string error;
};

Result plainWalk(quint16 port)
{
    const bench::TableWalk w = bench::requestTableWalk(port);
    Result r;
    r.seconds = w.seconds;
    r.rows = w.rows;
    r.ok = w.ok;
    r.error = w.error;
    return r;
}

Result viewWalk(quint16 port)
{
    Result r;
    const long before = residentKb();
    auto form = std::make_unique<TConfigForm>();
    auto* binding = new KvSNMPRequest2Edits(form.get());
    fillBigTable(binding->Variables());
    binding->Request().Device.Port = port;
    binding->Request().Timeout = 200;
    binding->Request().Retries = 1;
    TSNMPListViewPanel* panel = form->AddListViewPanel(binding, -1, {}, -1, {});
    QTreeWidget* list = panel->ListViewPanel()->ListView;
    QElapsedTimer t;
    t.start();
    form->show();   // the posted first message starts the walk
    QEventLoop loop;
    while (t.elapsed() < 600000) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
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
    r.ok = !binding->Busy() && r.rows == kRows;
    if (!r.ok)
        r.error = "the view's walk did not end with every row";
    r.rowBytes = r.rows > 0 ? (residentKb() - before) * 1024 / r.rows : 0;
    form.reset();
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    KswSim::Options o;
    o.extraArgs << QStringLiteral("--big-table") << QString::number(kRows);
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

    Result bestView, bestPlain;
    long rowBytes = 0;
    for (int i = 0; i < rounds; ++i) {
        const Result v = viewWalk(sim.port());
        const Result p = plainWalk(sim.port());
        if (!v.ok) {
            std::fprintf(stderr, "bench_listview_walk: %s (%d rows)\n", v.error.c_str(), v.rows);
            return 1;
        }
        if (!p.ok || p.rows != kRows) {
            std::fprintf(stderr, "bench_listview_walk: plain walk failed after %d rows: %s\n", p.rows, p.error.c_str());
            return 1;
        }
        if (i == 0 || v.seconds < bestView.seconds)
            bestView = v;
        if (i == 0 || p.seconds < bestPlain.seconds)
            bestPlain = p;
        if (i == 0)
            rowBytes = v.rowBytes;   // later rounds reuse memory the first one freed
    }
    std::printf("table %s, %d rows x 4 columns, v2c get-next, best of %d rounds\n", kTable.c_str(), kRows, rounds);
    std::printf("table view (TSNMPListViewPanel), last row shown: %.3f s (%.1f us/row)\n", bestView.seconds,
                bestView.seconds / kRows * 1e6);
    std::printf("plain KvSNMPRequest async walk:                  %.3f s (%.1f us/row)\n", bestPlain.seconds,
                bestPlain.seconds / kRows * 1e6);
    std::printf("ratio view/plain walk: %.2f (target <= 1.5)\n", bestView.seconds / bestPlain.seconds);
    std::printf("view memory: about %ld bytes per row (resident growth of the first round / rows)\n", rowBytes);
    return 0;
}
