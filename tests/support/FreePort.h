// A loopback UDP port for agents a test or benchmark starts, or on which
// nothing answers.
#pragma once

#include <cstdint>

// A 127.0.0.1 UDP port nobody has bound at the time of the call; 0 when none can
// be found.  Another process may take it before the caller binds it: starters of
// agents try again with a new port when the agent cannot listen.
std::uint16_t FreeUdpPort();
