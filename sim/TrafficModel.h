// The traffic of ksw-sim's ports: interface counters that advance with the
// agent's uptime by a fixed, deterministic model, so that a monitor reading
// them sees rates it can check.
//
// Every counter is a function of the uptime in ticks (hundredths of a second,
// the sysUpTime the agent serves): start value + the integral of the port's
// rate up to then.  A 32-bit counter is the low 32 bits of its 64-bit
// companion, wrapping as a real interface's does.  A port's rate depends only
// on its ifIndex and its speed:
//
//   - busy (ifIndex 1, 9, 17, ...: every 8th from 1): in near line rate
//     (92 % +- 5 %), out 75 % +- 5 %, a slow wave over two to three minutes;
//   - moderate (every 8th from 3): 30 % in, 20 % out, +- 20 %;
//   - errors (ifIndex 7): 20 % in and out, 25 errors and 10 discards a second
//     in, 5 errors and 2 discards out;
//   - flapping (the data's #!flap ports): 10 % in and out while up, nothing
//     while down;
//   - idle (the rest): 1,200 bit/s in, 800 out (control traffic); a port
//     that is down from the start counts nothing.
//
// After a warm start the counters start again from 0 with the uptime, so
// ifCounterDiscontinuityTime (0) stays true.
#pragma once

#include "MibData.h"

#include <cstdint>
#include <map>
#include <optional>

namespace ksw::sim {

class TrafficModel {
public:
    enum class Profile { Idle, Busy, Moderate, Errors, Flapping, Down };

    // What a port does per second at uptime t (seconds), while it is up.
    struct Rates {
        double inBits = 0, outBits = 0;
        double inErrors = 0, outErrors = 0;
        double inDiscards = 0, outDiscards = 0;
    };

    // Takes the ports of data's ifTable (every ifIndex with an ifOperStatus),
    // their speeds and starting counter values.
    explicit TrafficModel(const MibData& data);

    // The counter `oid` at uptime `ticks`, when the model drives it; nullopt
    // for every other object (served as stored).
    std::optional<Value> valueAt(const Oid& oid, unsigned long ticks) const;

    // A flapping port went up or down at `ticks`: while down it counts nothing.
    void stateChanged(unsigned long ifIndex, bool up, unsigned long ticks);
    // The agent restarted: every counter starts again from 0 at uptime 0.
    void restart();

    Profile profileOf(unsigned long ifIndex) const;
    // The instantaneous rates of a port at uptime t seconds (zero rates for an
    // unknown port).
    Rates ratesAt(unsigned long ifIndex, double seconds) const;
    // Octets counted by the 64-bit in/out counters at `ticks`.
    std::uint64_t inOctetsAt(unsigned long ifIndex, unsigned long ticks) const;
    std::uint64_t outOctetsAt(unsigned long ifIndex, unsigned long ticks) const;

private:
    struct Port {
        Profile profile = Profile::Idle;
        double speed = 0;             // bit/s
        double period = 150, phase = 0;
        bool up = true;
        double upSince = 0;           // seconds
        // The integrals of the rates over the up periods before upSince.
        Rates before;
        // Starting values, by counter column (see the .cpp's column table).
        std::map<int, std::uint64_t> start;
    };

    // The integral of port's rates from 0 to t seconds, as if it were up throughout.
    Rates integral(const Port& port, double seconds) const;
    // The counted amounts up to t seconds, up periods only.
    Rates counted(const Port& port, double seconds) const;

    std::map<unsigned long, Port> ports_;
};

} // namespace ksw::sim
