#include "QtEventDriver.h"

#include <QSocketNotifier>

#include <algorithm>

namespace engine {

namespace {
// While a callback runs a nested event loop the notifier is off (it would fire
// again and again for the same datagram); responses are then fetched at this pace.
constexpr int kNestedPollMs = 5;
}

QtEventDriver::QtEventDriver(Session& session, QObject* parent) : QObject(parent), session_(session)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QtEventDriver::processNow);
    notifier_ = new QSocketNotifier(static_cast<qintptr>(session_.socketDescriptor()), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QtEventDriver::onReadable);
    session_.setScheduleHook([this] { reschedule(); });
    reschedule();
}

QtEventDriver::~QtEventDriver()
{
    session_.setScheduleHook({});
    delete notifier_;
    notifier_ = nullptr;
}

void QtEventDriver::onReadable() { processNow(); }

void QtEventDriver::processNow()
{
    ++depth_;
    notifier_->setEnabled(false);
    session_.processPendingEvents();
    --depth_;
    if (depth_ == 0) {
        notifier_->setEnabled(true);
        timer_.stop();   // drop a nested-poll arming
    }
    reschedule();
}

void QtEventDriver::reschedule()
{
    std::optional<int> due = session_.msUntilNextTimeout();
    if (depth_ > 0) {
        // Nested in a callback: keep delivering, the notifier is off.
        if (session_.pendingCount() > 0)
            due = std::min(due.value_or(kNestedPollMs), kNestedPollMs);
    }
    if (!due) {
        timer_.stop();
        return;
    }
    const int ms = std::max(0, *due);
    if (timer_.isActive() && timer_.remainingTime() >= 0 && timer_.remainingTime() <= ms)
        return;
    timer_.start(ms);
}

} // namespace engine
