// Drives an engine::Session on the Qt event loop: a socket notifier delivers each
// response as soon as its datagram is readable, a single-shot timer runs the next
// retransmission or time-out when it is due.
//
// Create the driver after the session is open and destroy it before the session.
#pragma once

#include "SnmpEngine.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace engine {

class QtEventDriver : public QObject {
    Q_OBJECT
public:
    explicit QtEventDriver(Session& session, QObject* parent = nullptr);
    ~QtEventDriver() override;

    // Handles whatever is due now (also what a periodic pump calls).
    void processNow();

    // Re-arms the timer after requests were sent by other means than this driver.
    void reschedule();

private:
    void onReadable();

    Session& session_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer timer_;
    int depth_ = 0;   // > 0 while the session runs callbacks through us
};

} // namespace engine
