// The simulator agent: net-snmp's agent library serving a MibData store.
//
// One agent per process (the library keeps global state).  start() binds
// udp:127.0.0.1:PORT and throws std::runtime_error when it cannot; run() serves
// until stop() is called or SIGINT/SIGTERM arrives (installRunSignals()).
#pragma once

#include "MibData.h"
#include "SimOptions.h"

#include <memory>

namespace ksw::sim {

class SimAgent {
public:
    SimAgent(SimOptions options, MibData data);
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    void start();
    // Serves until stop(); returns the signal number that ended it, or 0.
    int run();
    void stop();
    // SIGINT/SIGTERM end run().
    static void installRunSignals();

    struct Impl;

private:
    std::unique_ptr<Impl> d_;
};

} // namespace ksw::sim
