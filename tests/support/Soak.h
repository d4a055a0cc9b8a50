// Long runs in one process: what the process holds (resident memory, open file
// descriptors, live QObjects) sampled between rounds, and a round that opens
// and closes every generic view of the menu.  Shared by the soak test and the
// soak benchmarks; they link the main window's layer.
#pragma once

#include "MainMenu.h"
#include "ViewCatalogue.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "views/Ctrlbtnpanel.h"
#include "views/Guiconfigform.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QString>

#include <atomic>
#include <string>
#include <vector>

#include <malloc.h>

// Qt's table of hooks for debugging tools (qhooks_p.h): entry 1 is its size,
// entries 3 and 4 are called with every QObject made and destroyed.
extern Q_DECL_IMPORT quintptr qtHookData[];

namespace soak {

// AddressSanitizer keeps freed memory in quarantine, so resident memory then
// says nothing about what the process holds (its leak check does).
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kResidentMemoryMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kResidentMemoryMeaningful = false;
#else
inline constexpr bool kResidentMemoryMeaningful = true;
#endif
#else
inline constexpr bool kResidentMemoryMeaningful = true;
#endif

inline std::atomic<long>& LiveObjectCount()
{
    static std::atomic<long> count{0};
    return count;
}

// Counts every QObject made and destroyed from now on, in any thread.  False
// when Qt's hook table is not as known or a hook is taken already.
inline bool CountObjects()
{
    enum { HookDataSize = 1, AddQObject = 3, RemoveQObject = 4 };
    if (qtHookData[HookDataSize] <= RemoveQObject || qtHookData[AddQObject] || qtHookData[RemoveQObject])
        return false;
    using Hook = void (*)(QObject*);
    const Hook added = [](QObject*) { ++LiveObjectCount(); };
    const Hook removed = [](QObject*) { --LiveObjectCount(); };
    qtHookData[AddQObject] = reinterpret_cast<quintptr>(added);
    qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(removed);
    return true;
}

struct Sample {
    long RssKiB = 0;
    long Fds = 0;
    long Objects = 0;   // live since CountObjects
};

// The process between two rounds: deferred deletions done first (a closed
// view's objects go at the next turn of the loop), freed heap given back to
// the system so that resident memory counts what is still held.
inline Sample Take()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    ::malloc_trim(0);
    Sample s;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                s.RssKiB = line.mid(6).trimmed().split(' ').value(0).toLong();
    s.Fds = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
    s.Objects = LiveObjectCount();
    return s;
}

// The generic views the user can open from the menu, each once.
inline std::vector<const ViewCatalogueRow*> VisibleGenericViews(const TMainMenu& menu)
{
    std::vector<const ViewCatalogueRow*> views;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        const auto entry = FindViewEntry(row.Item);
        if (&entry.front() == &row && row.Action == ViewAction::Generic && menu.CanChoose(QString::fromLatin1(row.Item)))
            views.push_back(&row);
    }
    return views;
}

// Opens each view as the menu does, lets its first page's read finish (at
// most 30 s) and closes it.  Gives the items whose read did not finish.
inline std::vector<std::string> OpenAndCloseEach(TMainMenu& menu, const std::vector<const ViewCatalogueRow*>& views)
{
    std::vector<std::string> unread;
    for (const ViewCatalogueRow* row : views) {
        bool read = false;
        TScopedModalRunner runner([&read](QDialog& d) {
            auto& form = static_cast<TConfigForm&>(d);
            auto done = [&form] {
                const KvSNMPRequest2Edits* b = form.CurrentBinding();
                const TMsgPanel* msg = form.PanelCount() > 0 ? form.Panel(0)->MsgPanel() : nullptr;
                return b && !b->Busy() && msg && !msg->Memo->toPlainText().isEmpty();
            };
            const QDeadlineTimer limit(30000);
            while (!done() && !limit.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            read = done();
            return static_cast<int>(QDialog::Rejected);
        });
        menu.Choose(QString::fromLatin1(row->Item));
        if (!read)
            unread.push_back(row->Item);
    }
    return unread;
}

} // namespace soak
