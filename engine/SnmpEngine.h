// The SNMP protocol engine as the access layer sees it: one UDP session kept for
// the whole process, get / get-next / set with callbacks, community and user
// targets, USM users, the local engine id with its boots file.
//
// Every outcome is reported in the raw code numbering the unified code mapping
// expects (kvsnmp/KvSNMPErrors): 0 success, 1..18 agent error status, -1..-23
// class errors (-5 time-out, -8 session destroyed), -1402..-1418 SNMPv3 message
// processing, 1401..1414 USM.  This header includes nothing of the underlying
// library; nothing outside engine/ may include the library's headers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// Raw outcome codes by name.  The engine reports an agent's error status as it
// came (RFC 3416 numbering, kAgentTooBig .. kAgentLastStatus); the other codes
// here are the ones the adapter reports itself, plus kInvalidObjectId, which the
// access layer raises in the same numbering for an OID text that does not parse.
// The numbers are those of the message catalogues' rows (kvsnmp/KvSNMPErrors):
// they never change, and a new code goes into kNamedCodes below.
enum RawCode : int {
    kSuccess = 0,
    kAgentTooBig = 1,
    kAgentNoSuchName = 2,          // also how SNMPv1 agents end a walk
    kAgentLastStatus = 18,

    kGeneralError = -1,
    kResourceUnavailable = -2,
    kInternalError = -3,
    kTimeout = -5,
    kSessionDestroyed = -8,
    kInvalidAddress = -9,          // address text unusable (the caller maps it to its own code)
    kInvalidPdu = -11,
    kOperationNotSupported = -16,  // e.g. a version the adapter cannot send
    kInvalidObjectId = -17,
    kTransportFailed = -22,        // the datagram could not be sent

    // SNMPv3 message processing, mostly Reports from the agent
    kMpUnsupportedSecurityModel = -1402,
    kMpNotInTimeWindow = -1403,
    kMpInvalidMessage = -1405,
    kMpInvalidEngineId = -1406,    // unknownEngineIDs report
    kMpUnknownUserName = -1412,    // unknownUserNames report
    kMpUnknownPduHandlers = -1415,
    kMpUnavailableContext = -1416,
    kMpUnknownContext = -1417,

    // User-based security model
    kUsmError = 1401,
    kUsmUnsupportedSecurityLevel = 1403,  // also the unsupportedSecLevels report
    kUsmUnknownSecurityName = 1404,       // no local user for a level that needs keys
    kUsmEncryptionError = 1405,
    kUsmDecryptionError = 1406,           // decryptionErrors report
    kUsmAuthenticationError = 1407,
    kUsmAuthenticationFailure = 1408,     // wrongDigests report
    kUsmUnsupportedAuthProtocol = 1412,
    kUsmUnsupportedPrivProtocol = 1413,
    // A pass phrase too short to make a key from is an authentication error on
    // purpose: the USM codes are exactly the 14 rows of "snmpusm.err" (1401..1414),
    // which has no row for it, and a number of its own would show the user
    // "Unknown error code" instead of the message of its nearest row.
    kUsmPasswordTooShort = kUsmAuthenticationError,
};

// Every code named above but the agent's statuses (1 .. kAgentLastStatus, all of
// which the engine may pass on), so that a check can prove each has its message.
inline constexpr RawCode kNamedCodes[] = {
    kSuccess, kGeneralError, kResourceUnavailable, kInternalError, kTimeout, kSessionDestroyed,
    kInvalidAddress, kInvalidPdu, kOperationNotSupported, kInvalidObjectId, kTransportFailed,
    kMpUnsupportedSecurityModel, kMpNotInTimeWindow, kMpInvalidMessage, kMpInvalidEngineId,
    kMpUnknownUserName, kMpUnknownPduHandlers, kMpUnavailableContext, kMpUnknownContext,
    kUsmError, kUsmUnsupportedSecurityLevel, kUsmUnknownSecurityName, kUsmEncryptionError,
    kUsmDecryptionError, kUsmAuthenticationError, kUsmAuthenticationFailure,
    kUsmUnsupportedAuthProtocol, kUsmUnsupportedPrivProtocol,
};

// Results of the boots file functions below (besides 0).
enum BootsResult : int {
    kBootsNoEntry = -1,        // no line for the engine id, or a line without a number
    kBootsCannotOpen = -2,     // file missing or unreadable (get), not writable (save)
    kBootsMalformed = -3,      // the engine id's line holds something that is not a boots number
    kBootsBadEngineId = -4,    // empty engine id or longer than 32 octets
};

// ASN.1 / SNMP application tags of a value.
enum Tag : std::uint8_t {
    kInteger = 0x02,
    kBitString = 0x03,
    kOctetString = 0x04,
    kNull = 0x05,
    kObjectId = 0x06,
    kIpAddress = 0x40,
    kCounter32 = 0x41,
    kGauge32 = 0x42,
    kTimeTicks = 0x43,
    kOpaque = 0x44,
    kNsapAddress = 0x45,
    kCounter64 = 0x46,
    kUInteger32 = 0x47,
    kNoSuchObject = 0x80,
    kNoSuchInstance = 0x81,
    kEndOfMibView = 0x82,
};

using Oid = std::vector<std::uint32_t>;

std::string oidToText(const Oid& oid);                  // "1.3.6.1"
std::optional<Oid> oidFromText(const std::string& text); // strict: digits and single dots, each arc < 2^32

// One value. Only the member that belongs to the tag is meaningful:
//  number  : kInteger (as signed 32-bit), kCounter32, kGauge32, kTimeTicks, kUInteger32, kCounter64
//  octets  : kOctetString, kBitString, kOpaque, kNsapAddress, kIpAddress (4 octets, network order)
//  oid     : kObjectId
struct Value {
    std::uint8_t tag = kNull;
    std::uint64_t number = 0;   // kInteger stores the two's complement of the 32-bit value
    std::string octets;
    Oid oid;

    static Value null() { return {}; }
    static Value integer(std::int32_t v);
    static Value unsigned32(std::uint8_t tag, std::uint32_t v);
    static Value counter64(std::uint64_t v);
    static Value octetString(std::string bytes, std::uint8_t tag = kOctetString);
    static Value ipAddress(std::uint32_t hostOrder);
    static Value objectId(Oid oid);
    std::int32_t asInt32() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(number)); }
    bool isException() const { return tag == kNoSuchObject || tag == kNoSuchInstance || tag == kEndOfMibView; }
};

struct VarBind {
    Oid oid;
    Value value;
};

// GetBulk (v2c and v3 only): the first errorStatus bindings (its non-repeaters, where the
// wire has them) get one successor, the others maxRepetitions; then the rows.
enum class Operation { Get, GetNext, Set, GetBulk };

// Where and how to send.  Version: 0 v1, 1 v2c, 3 v3.  Time-out in hundredths of a second.
struct Target {
    std::string address;   // dotted IPv4 or host name
    std::uint16_t port = 161;
    int version = 0;
    int retries = 1;
    int timeoutCs = 100;
    std::string readCommunity;
    std::string writeCommunity;   // used for Set on v1 / v2c
    int securityModel = 3;        // 3 = USM
    std::string securityName;
    int securityLevel = 1;        // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string contextName;
    std::string contextEngineId;  // as text; empty = the agent's own engine id
};

struct Pdu {
    std::vector<VarBind> vbs;
    int errorStatus = 0;
    int errorIndex = 0;
    int maxRepetitions = 0;   // GetBulk only
};

struct Response {
    int code = 0;           // raw outcome, see the header comment
    int errorIndex = 0;
    std::vector<VarBind> vbs;
    std::string peerAddress;    // dotted IPv4 of the responder, empty when none
    std::uint16_t peerPort = 0; // its UDP port
};

// The response is the callback's own: it may move out what it keeps.
using Callback = std::function<void(Response&&)>;

// Resolves "a.b.c.d" strictly or a host name (IPv4); nullopt when neither works.
std::optional<std::uint32_t> resolveIPv4(const std::string& addressText);

// Engine-boots file: one entry per engine id.  Results: 0 success, -1 no entry
// for the id, -2 file cannot be opened, another negative value for a malformed
// entry or an unusable engine id.  save creates the file when missing and writes
// it whole (temporary file and rename), keeping the other engines' entries.
//
// Layout: one line per engine, "<engine id in hex> <boots in decimal>"; blank
// lines and lines starting with '#' are ignored, other engines' lines are kept
// verbatim.  A line with the engine id but no number reads as kBootsNoEntry with
// boots 0, so the caller starts the counter afresh (it stores 1); a line whose
// number is not a decimal 0..4294967295 is kBootsMalformed.
int getBootCounter(const std::string& path, const std::string& engineId, std::uint32_t& boots);
int saveBootCounter(const std::string& path, const std::string& engineId, std::uint32_t boots);

class Session {
public:
    // Opens the process's session on a free local UDP port; status receives 0 or a raw code.
    static std::unique_ptr<Session> open(int& status);
    ~Session();   // pending requests get kSessionDestroyed

    // Sets the local SNMPv3 engine id and boots counter (message processing and USM).
    int mpInit(const std::string& engineId, std::uint32_t boots);

    // Registers (or re-registers with changed keys) a USM user for every engine it is used with.
    // Protocols in the numbering of the access layer: auth 1 none, 2 MD5, 3 SHA, 4..7 SHA-224..512;
    // priv 1 none, 2 DES, 9 IDEA (refused), 19/20/21 AES-128/192/256.
    int addUser(const std::string& name, int authProtocol, int privProtocol,
                const std::string& authPass, const std::string& privPass);

    // Asynchronous request: returns 0 when sent (the callback then runs exactly once,
    // from processPendingEvents / a synchronous call's wait / the destructor), or a raw
    // error code (the callback is not run).  The PDU is kept for retransmissions:
    // a caller that has no further use for it moves it in.
    int send(Operation op, const Target& target, Pdu pdu, Callback cb);

    // Synchronous request: waits at most timeout x (retries + 1); other requests'
    // callbacks may run during the wait.
    Response sendSync(Operation op, const Target& target, const Pdu& pdu);

    // Non-blocking: reads what is readable, runs due retransmissions and time-outs and
    // invokes callbacks.
    void processPendingEvents();

    // For an event loop: the socket to watch for readability and the time until the next
    // retransmission or time-out is due (nullopt when nothing is pending).
    int socketDescriptor() const;
    std::optional<int> msUntilNextTimeout() const;

    int pendingCount() const;

    // Called (outside any library call) whenever a request has been sent, so that an
    // event loop can re-arm its time-out timer.  One hook; an empty function clears it.
    void setScheduleHook(std::function<void()> hook);

    class Impl;
private:
    explicit Session(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace engine
