// Agent, scope and security parameters, the process-wide defaults every request
// copies, the one SNMP session of the process and the pump that delivers its
// responses on the GUI thread.
#pragma once

#include <cstdint>
#include <string>

#include "engine/SnmpEngine.h"

// The agent's transport address.
struct KvSNMPDevice {
    std::string Address = "127.0.0.1";   // dotted IPv4 or host name
    std::uint16_t Port = 161;
    bool operator==(const KvSNMPDevice&) const = default;
};

// The SNMPv3 context.
struct KvSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
    bool operator==(const KvSNMPScope&) const = default;
};

// Version and credentials.  Protocol and level numbers are those of the engine:
// level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; auth 1 none, 2 MD5, 3 SHA,
// 4..7 SHA-224..512; priv 1 none, 2 DES, 9 IDEA (refused), 19..21 AES-128..256.
struct KvSNMPSecurity {
    std::uint8_t Version = 0;            // 0 v1, 1 v2c, 3 v3
    std::string ReadCommunity = "rdcomm";
    std::string WriteCommunity = "wrcommx";
    std::int32_t SecurityModel = 1;      // 3 = USM
    std::int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 1;
    std::int32_t PrivProtocol = 1;
    bool operator==(const KvSNMPSecurity&) const = default;
};

// Defaults copied by every request when it is constructed.  CreateGlobalSession
// resets them to the values above and DefaultTimeout to KvInitialTimeout.
extern KvSNMPDevice DefaultDevice;
extern KvSNMPScope DefaultScope;
extern KvSNMPSecurity DefaultSecurity;
extern std::int32_t DefaultTimeout;      // hundredths of a second

// Time-outs in hundredths of a second: DefaultTimeout's value before start-up,
// the module's own once started, and the longer one of the requests the switch
// takes long to answer (saving, rebooting, the member switches behind the commander).
inline constexpr std::int32_t KvInitialTimeout = 100;
inline constexpr std::int32_t KvModuleTimeout = 200;
inline constexpr std::int32_t KvDeviceCommandTimeout = 500;

// Sets the four defaults to their start values (what CreateGlobalSession does).
void ResetDefaultParameters();

// The session every request is sent through; null until CreateGlobalSession
// succeeded.  It is never destroyed while the process runs.
extern engine::Session* GlobalSession;

// The local SNMPv3 engine id and the file its boots counter is kept in.
inline constexpr const char* KvLocalEngineId = "KvSNMP_PP_Application";
inline constexpr const char* KvBootCounterFile = "KvSNMP_PP_BootCounter";

// Opens the session, advances the engine-boots counter kept in
// folder/KvSNMP_PP_BootCounter (an empty folder means the current directory),
// starts the local SNMPv3 engine with the advanced value, sets the defaults and
// starts the event pump.  Raises KvSNMPException -506 (session), -507 (boots
// file unreadable or malformed) or -508 (boots file cannot be saved).
// The session and engine are created once per process: a later call keeps them
// (the boots file is not advanced again) and only resets the defaults and makes
// sure the pump runs.
void CreateGlobalSession(const std::string& folder);

// The boots value the local engine was started with (0 before CreateGlobalSession).
std::uint32_t LocalEngineBoots();

// Turns a request's parameters into the engine's target.  Raises -509 when the
// address is neither strict dotted IPv4 nor a resolvable name.  For v3 the USM
// user is (re-)registered with the session; unchanged credentials are not
// registered twice.  A failed registration is not reported: the agent's answer
// shows the problem.
engine::Target BuildTarget(const KvSNMPDevice& device, const KvSNMPScope& scope,
                           const KvSNMPSecurity& security, std::int32_t timeout,
                           std::int32_t retries);

// The event pump: a 20 ms GUI timer that lets the session handle due socket
// events, retransmissions and time-outs and run the callbacks.  It ticks only
// while a request waits, and is off while a tick works, so a callback that runs
// a nested event loop does not re-enter it.  Besides the timer, the session's socket is watched so that a
// response is delivered as soon as it arrives rather than at the next tick.
// Stop ends the periodic tick; the socket watcher lives until the application
// object is destroyed.
namespace KvSNMPEventPump {
void Start();
void Stop();
bool IsRunning();
}
