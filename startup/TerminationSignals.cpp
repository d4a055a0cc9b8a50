#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only do what is safe in a signal handler: it writes the
// signal's number into a pipe the event loop watches.
int wakePipe[2] = {-1, -1};

void OnSignal(int signal)
{
    const int savedErrno = errno;
    // The next one of the same kind is not caught again.
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    ::sigaction(signal, &dfl, nullptr);
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)!::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TTerminationSignals::TTerminationSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TTerminationSignals::OnReadable);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

TTerminationSignals::~TTerminationSignals()
{
    if (!notifier_)
        return;
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int s : kSignals)
        ::sigaction(s, &dfl, nullptr);
    delete notifier_;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

void TTerminationSignals::OnReadable()
{
    unsigned char byte = 0;
    while (::read(wakePipe[0], &byte, 1) == 1) {
        if (received_)
            continue;
        received_ = byte;
        Q_EMIT TerminationRequested(received_);
    }
}
