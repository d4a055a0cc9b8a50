// Drives an engine::Session on the Qt event loop: a socket notifier delivers each
// response as soon as its datagram is readable, a single-shot timer runs the next
// retransmission or time-out when it is due.  The timer is armed only while a
// request waits.
//
// The session runs callbacks only between library calls and reads every datagram
// that is readable, so a callback may run a nested event loop: the notifier then
// fires inside it, the session reads the new datagrams and nothing spins.
//
// Create the driver after the session is open and destroy it before the session.
#pragma once

#include "SnmpEngine.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace engine {

class QtEventDriver : public QObject {
    Q_OBJECT
public:
    explicit QtEventDriver(Session& session, QObject* parent = nullptr);
    ~QtEventDriver() override;

    // Handles whatever is due now (also what a periodic pump may call).
    void processNow();

    // Re-arms the timer, or stops it when nothing waits; the session calls it
    // after each send.
    void reschedule();

    bool armed() const { return timer_.isActive(); }

Q_SIGNALS:
    // Whether some request waits, from every reschedule.
    void waiting(bool any);

private:
    void arm(int ms);

    Session& session_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer timer_;
    QDeadlineTimer armedFor_{QDeadlineTimer::Forever};   // when timer_ fires, if active
};

} // namespace engine
