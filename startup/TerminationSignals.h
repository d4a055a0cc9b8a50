// The signals that ask a process to end (SIGTERM, SIGINT, SIGHUP), turned into
// a Qt signal on the GUI thread, so that the module ends as its window closes
// does: the windows and bindings go down in order, the instance socket and the
// SNMP engine's private folder are removed.  Without this the default action
// kills the process on the spot and leaves both behind.
#pragma once

#include <QObject>

class QSocketNotifier;

class TTerminationSignals : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; one object per process.
    explicit TTerminationSignals(QObject* parent = nullptr);
    // Gives the signals their default action back.
    ~TTerminationSignals() override;

    // The first signal caught, 0 before one was.
    int Received() const { return received_; }
    // The exit code of a process ended by that signal: 128 + its number, as a
    // shell reports it.
    int ExitCode() const { return received_ ? 128 + received_ : 0; }

Q_SIGNALS:
    // Emitted once, for the first signal.  A second one ends the process with
    // the signal's default action, in case shutting down hangs.
    void TerminationRequested(int signal);

private:
    void OnReadable();
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};
