#include "QtEventDriver.h"

#include <QSocketNotifier>

#include <algorithm>

namespace engine {

QtEventDriver::QtEventDriver(Session& session, QObject* parent) : QObject(parent), session_(session)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtEventDriver::processNow);
    // Kept enabled throughout: toggling it costs the event loop a wake-up per response.
    notifier_ = new QSocketNotifier(static_cast<qintptr>(session_.socketDescriptor()), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QtEventDriver::processNow);
    session_.setScheduleHook([this] { reschedule(); });
    reschedule();
}

QtEventDriver::~QtEventDriver()
{
    session_.setScheduleHook({});
    delete notifier_;
    notifier_ = nullptr;
}

void QtEventDriver::processNow()
{
    session_.processPendingEvents();
    reschedule();
}

void QtEventDriver::reschedule()
{
    const std::optional<int> due = session_.msUntilNextTimeout();
    if (!due) {
        // Nothing waits: an idle module must not wake up.  During a walk the next
        // request is sent before this runs, so the timer stays armed throughout.
        timer_.stop();
        Q_EMIT waiting(false);
        return;
    }
    arm(std::max(0, *due));
    Q_EMIT waiting(true);
}

void QtEventDriver::arm(int ms)
{
    const QDeadlineTimer wanted(ms, Qt::PreciseTimer);
    if (timer_.isActive() && armedFor_ <= wanted)
        return;   // fires early enough; an early firing just re-arms
    armedFor_ = wanted;
    timer_.start(ms);
}

} // namespace engine
