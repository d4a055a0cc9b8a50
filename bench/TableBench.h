// What the table benchmarks share: ksw-sim's generated 10,000-row, 4-column table,
// the variable list that reads it, and its walk through KvSNMPRequest with the
// next get-next sent from each callback (responses delivered by the event pump).
// Header only: every bench/*.cpp is a program of its own.
#pragma once

#include "KvSNMPErrors.h"
#include "KvSNMPRequest.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <fstream>
#include <functional>
#include <string>

namespace bench {

inline const int kBigTableRows = 10000;
inline const std::string kBigTable = "1.3.6.1.4.1.97531.99.1.1";

// Resident size of this process in KiB.
inline long residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;   // 4 KiB pages
}

inline void fillBigTable(KvSNMPVarList& v)
{
    v.ItemType = MVT_FMV;
    v.PKeyCount = 1;
    v.AppendItem(kBigTable + ".1", "Index", KvSyntax::Integer, KvAccess::ReadOnly);
    v.AppendItem(kBigTable + ".2", "Name", KvSyntax::DisplayStr, KvAccess::ReadOnly);
    v.AppendItem(kBigTable + ".3", "Count", KvSyntax::Counter, KvAccess::ReadOnly);
    v.AppendItem(kBigTable + ".4", "State", KvSyntax::Integer, KvAccess::ReadWrite);
}

struct TableWalk {
    double seconds = 0;
    int rows = 0;
    int pdus = 0;
    bool ok = false;
    std::string error;
};

// Walks the big table of the ksw-sim at 127.0.0.1:port (v2c) asynchronously,
// with get-bulk or get-next; `eachResponse` runs after every row.
inline TableWalk requestTableWalk(quint16 port, bool bulk, const std::function<void()>& eachResponse = {})
{
    struct State {
        KvSNMPRequest request;
        QEventLoop loop;
        TableWalk result;
        std::function<void()> each;
        void fail(const std::string& message)
        {
            result.error = message;
            loop.quit();
        }
        static void step(void* data, const KvSNMPError& e, KvSNMPVarList&)
        {
            auto* st = static_cast<State*>(data);
            ++st->result.pdus;
            if (st->each)
                st->each();
            if (e.Code != 0 || e.Finished) {
                st->result.ok = e.Code == 0;
                st->fail(e.Message);
                return;
            }
            ++st->result.rows;
            try {
                st->request.GetAsync(&State::step, st, false);
            } catch (const KvSNMPException& x) {
                st->fail(x.Message());
            }
        }
    } s;
    s.each = eachResponse;
    s.request.Device.Address = "127.0.0.1";
    s.request.Device.Port = port;
    s.request.Security.Version = 1;
    s.request.Timeout = KvModuleTimeout;
    s.request.Retries = 1;
    s.request.UseGetBulk = bulk;
    fillBigTable(s.request.Variables);

    QElapsedTimer t;
    t.start();
    try {
        s.request.GetAsync(&State::step, &s, true);
        s.loop.exec();
    } catch (const KvSNMPException& x) {
        s.result.error = x.Message();
    }
    s.result.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    return s.result;
}

} // namespace bench
