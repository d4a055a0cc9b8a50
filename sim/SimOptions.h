// Command line of ksw-sim.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ksw::sim {

struct SimOptions {
    std::uint16_t port = 16100;
    std::string dataPath;   // empty: data/ksw4800.snmprec beside the executable
    std::string statePath;  // empty: saving keeps nothing
    std::vector<std::string> readCommunities{"rdcomm"};
    std::vector<std::string> writeCommunities{"wrcommx"};
    std::string authPass = "authpassword";
    std::string privPass = "privpassword";
    std::string engineId = "ksw-sim";
    int resetSeconds = 10;
    double flapSeconds = 0;  // 0: ports keep their state
    double dropPercent = 0;
    int delayMs = 0;
    int bigTableRows = 0;
    bool traffic = true;    // interface counters advance by the traffic model; false: served as stored
    bool countRequests = false;   // count the requests taken, by type, readable with a get
    bool lenient = false;   // leave out data lines that cannot be read, with a warning each
    bool help = false;
    bool version = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError with a message naming the bad option.
SimOptions parseOptions(const std::vector<std::string>& args);
std::string usageText();

} // namespace ksw::sim
