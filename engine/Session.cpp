// The one UDP session of the process over net-snmp's single-session API.
//
// How it fits together:
//  - one library session (one socket) with version "default", so that every PDU
//    carries its own version, community or USM parameters and destination;
//  - retries are ours: the library session has none, a time-out of an attempt
//    sends a fresh PDU until the target's retries are used up;
//  - SNMPv3 engine ids are discovered by our own probe (one per peer at a time),
//    users are registered with the USM per (engine id, user) when first needed or
//    when their keys changed;
//  - the library's callback only records what happened (keyed by a token per
//    library send); the records are handled after the library call has returned,
//    so nothing of ours runs while the library walks its request list, and a late
//    or duplicate callback for a token already handled is simply ignored.
#include "SnmpEngine.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmp_transport.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/transform_oids.h>
#include <net-snmp/library/large_fd_set.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <unordered_map>

namespace engine {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxDatagramsPerPass = 256;      // a flood cannot starve the caller
constexpr auto kLostRequestGrace = std::chrono::milliseconds(2000);

// ---------------------------------------------------------------------------
// One-time library set-up: no configuration or persistent files, no MIBs, logs
// kept away from stderr except real errors.

int logHandler(int, int, void* serverarg, void*)
{
    static int printed = 0;
    auto* m = static_cast<snmp_log_message*>(serverarg);
    if (!m || !m->msg || m->priority > LOG_ERR || printed >= 50)
        return 0;
    ++printed;
    std::fprintf(stderr, "snmp engine: %s", m->msg);
    const std::size_t n = std::strlen(m->msg);
    if (n == 0 || m->msg[n - 1] != '\n')
        std::fputc('\n', stderr);
    return 0;
}

bool initLibrary()
{
    static int state = 0;   // 0 not yet, 1 ok
    if (state)
        return true;

    // An empty directory of our own that nothing is written to: the library insists
    // on having a configuration and a persistent directory.
    static std::string dir;
    if (dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/ksw-snmp-XXXXXX";
        if (!mkdtemp(tmpl.data()))
            return false;
        dir = tmpl;
        // The library only creates an empty index folder there; leave nothing behind.
        std::atexit([] {
            ::rmdir((dir + "/cert_indexes").c_str());
            ::rmdir(dir.c_str());
        });
    }

    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, logHandler, nullptr);
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);

    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    set_persistent_directory(dir.c_str());
    set_configuration_directory(dir.c_str());
    netsnmp_set_mib_directory("");
    netsnmp_config(const_cast<char*>("mibs :"));

    static const char kDefaultEngineId[] = "KvSNMP_PP_Application";
    set_exact_engineID(reinterpret_cast<const u_char*>(kDefaultEngineId), sizeof kDefaultEngineId - 1);

    init_snmp("ksw4800");
    // init_snmp may have (re)registered a stderr handler when none was configured.
    snmp_disable_stderrlog();
    state = 1;
    return true;
}

// ---------------------------------------------------------------------------
// Conversions

// Into `o`, reusing its buffer.
void fromLibOid(const oid* name, std::size_t len, Oid& o)
{
    o.resize(len);
    for (std::size_t i = 0; i < len; ++i)
        o[i] = static_cast<std::uint32_t>(name[i]);
}

// An OID in the library's arc type for the library to copy from: built for every
// binding sent, so the lengths a PDU may carry need no allocation.
class LibOid {
public:
    explicit LibOid(const Oid& o) : size_(o.size())
    {
        oid* p = inline_;
        if (size_ > MAX_OID_LEN) {
            heap_.resize(size_);
            p = heap_.data();
        }
        std::copy(o.begin(), o.end(), p);
        data_ = p;
    }
    LibOid(const LibOid&) = delete;
    LibOid& operator=(const LibOid&) = delete;
    const oid* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    oid inline_[MAX_OID_LEN];
    std::vector<oid> heap_;
    const oid* data_ = nullptr;
    std::size_t size_ = 0;
};

// Into `r`, reusing the buffers of the value it held.
void fromLibValue(const netsnmp_variable_list* v, Value& r)
{
    r.tag = v->type;
    r.number = 0;
    r.octets.clear();
    r.oid.clear();
    switch (v->type) {
    case ASN_INTEGER:
        if (v->val.integer && v->val_len >= sizeof(long))
            r.number = static_cast<std::uint32_t>(static_cast<std::int32_t>(*v->val.integer));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        if (v->val.integer && v->val_len >= sizeof(long))
            r.number = static_cast<std::uint32_t>(*v->val.integer);
        break;
    case ASN_COUNTER64:
        if (v->val.counter64 && v->val_len >= sizeof(counter64))
            r.number = (static_cast<std::uint64_t>(v->val.counter64->high & 0xFFFFFFFFul) << 32)
                       | (v->val.counter64->low & 0xFFFFFFFFul);
        break;
    case ASN_OBJECT_ID:
        if (v->val.objid)
            fromLibOid(v->val.objid, v->val_len / sizeof(oid), r.oid);
        break;
    case ASN_NULL:
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        break;
    default:
        // Octet strings and everything else: the value's bytes as received.
        if (v->val.string && v->val_len)
            r.octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
        break;
    }
}

// The PDU's bindings into `out`, reusing the bindings (and their buffers) it
// already holds.
void fromLibBindings(const netsnmp_variable_list* vars, std::vector<VarBind>& out)
{
    std::size_t n = 0;
    for (const netsnmp_variable_list* v = vars; v; v = v->next_variable) {
        if (n == out.size())
            out.emplace_back();
        VarBind& vb = out[n++];
        fromLibOid(v->name, v->name_length, vb.oid);
        fromLibValue(v, vb.value);
    }
    out.resize(n);
}

// Adds one binding to the PDU; false when the library refused it.
bool addLibValue(netsnmp_pdu* pdu, const VarBind& vb)
{
    const LibOid name(vb.oid);
    const Value& v = vb.value;
    netsnmp_variable_list* added = nullptr;
    switch (v.tag) {
    case kInteger: {
        long x = v.asInt32();
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &x, sizeof x);
        break;
    }
    case kCounter32:
    case kGauge32:
    case kTimeTicks:
    case kUInteger32: {
        u_long x = static_cast<std::uint32_t>(v.number);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), v.tag, &x, sizeof x);
        break;
    }
    case kCounter64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.number >> 32);
        c.low = static_cast<u_long>(v.number & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case kObjectId: {
        const LibOid val(v.oid);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, val.data(),
                                      val.size() * sizeof(oid));
        break;
    }
    case kIpAddress:
        if (v.octets.size() != 4)
            return false;
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS, v.octets.data(), 4);
        break;
    case kOctetString:
    case kBitString:
    case kOpaque:
    case kNsapAddress:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), v.tag, v.octets.data(),
                                      v.octets.size());
        break;
    default:   // null and the exception markers go out as null
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

// The Report's first binding names the counter that tells why the agent refused.
int reportCode(const netsnmp_pdu* pdu)
{
    static const oid mpd[] = {1, 3, 6, 1, 6, 3, 11, 2, 1};
    static const oid usm[] = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    static const oid tgt[] = {1, 3, 6, 1, 6, 3, 12, 1};
    const netsnmp_variable_list* v = pdu ? pdu->variables : nullptr;
    if (!v || !v->name)
        return kGeneralError;
    auto under = [&](const oid* prefix, std::size_t n) {
        return v->name_length > n && std::memcmp(v->name, prefix, n * sizeof(oid)) == 0;
    };
    if (under(mpd, 9)) {
        switch (v->name[9]) {
        case 1: return kMpUnsupportedSecurityModel;
        case 2: return kMpInvalidMessage;
        case 3: return kMpUnknownPduHandlers;
        }
    } else if (under(usm, 9)) {
        switch (v->name[9]) {
        case 1: return kUsmUnsupportedSecurityLevel;
        case 2: return kMpNotInTimeWindow;
        case 3: return kMpUnknownUserName;
        case 4: return kMpInvalidEngineId;
        case 5: return kUsmAuthenticationFailure;
        case 6: return kUsmDecryptionError;
        }
    } else if (under(tgt, 8)) {
        switch (v->name[8]) {
        case 4: return kMpUnavailableContext;
        case 5: return kMpUnknownContext;
        }
    }
    return kGeneralError;
}

// Errors the library reports for a send that never left.
int localErrorCode(int snmpErr)
{
    switch (snmpErr) {
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return kUsmUnknownSecurityName;
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return kUsmUnsupportedSecurityLevel;
    case SNMPERR_USM_ENCRYPTIONERROR: return kUsmEncryptionError;
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return kUsmAuthenticationError;
    case SNMPERR_USM_GENERICERROR: return kUsmError;
    case SNMPERR_USM_UNKNOWNENGINEID: return kMpInvalidEngineId;
    case SNMPERR_UNKNOWN_USER_NAME: return kUsmUnknownSecurityName;
    case SNMPERR_BAD_SENDTO: return kTransportFailed;
    case SNMPERR_BAD_VERSION: return kOperationNotSupported;
    case SNMPERR_TOO_LONG: return kInvalidPdu;
    case SNMPERR_MALLOC: return kResourceUnavailable;
    case SNMPERR_TIMEOUT: return kTimeout;
    default: return kGeneralError;
    }
}

// The library's number of a target's version (0 v1, 1 v2c, 3 v3).
long libVersion(int version)
{
    return version == 3 ? SNMP_VERSION_3 : version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
}

// A response that carries an outcome and nothing else.
Response outcomeOnly(int code)
{
    Response r;
    r.code = code;
    return r;
}

// Made for every response: plain digit writing, no format parsing.
std::string dottedIPv4(std::uint32_t ip)
{
    char buf[16];   // "255.255.255.255"
    char* p = buf;
    char* const end = buf + sizeof buf;
    for (int shift = 24; shift >= 0; shift -= 8) {
        p = std::to_chars(p, end, (ip >> shift) & 255u).ptr;
        if (shift)
            *p++ = '.';
    }
    return std::string(buf, p);
}

// A context engine id typed as "0x..." hex is taken as its octets; any other text
// is used as it stands.
std::string contextEngineOctets(const std::string& text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && text.size() % 2 == 0) {
        std::string out;
        for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
            auto hex = [](char c) -> int {
                if (c >= '0' && c <= '9') return c - '0';
                if (c >= 'a' && c <= 'f') return c - 'a' + 10;
                if (c >= 'A' && c <= 'F') return c - 'A' + 10;
                return -1;
            };
            const int h = hex(text[i]), l = hex(text[i + 1]);
            if (h < 0 || l < 0)
                return text;
            out += static_cast<char>(h * 16 + l);
        }
        return out;
    }
    return text;
}

constexpr std::size_t kTransformOidLen = 10;

struct ProtocolOid {
    const oid* id;
    std::size_t len;
};

std::optional<ProtocolOid> authOid(int p)
{
    switch (p) {
    case 1: return ProtocolOid{usmNoAuthProtocol, kTransformOidLen};
    case 2: return ProtocolOid{usmHMACMD5AuthProtocol, kTransformOidLen};
    case 3: return ProtocolOid{usmHMACSHA1AuthProtocol, kTransformOidLen};
    case 4: return ProtocolOid{usmHMAC128SHA224AuthProtocol, kTransformOidLen};
    case 5: return ProtocolOid{usmHMAC192SHA256AuthProtocol, kTransformOidLen};
    case 6: return ProtocolOid{usmHMAC256SHA384AuthProtocol, kTransformOidLen};
    case 7: return ProtocolOid{usmHMAC384SHA512AuthProtocol, kTransformOidLen};
    default: return std::nullopt;
    }
}

std::optional<ProtocolOid> privOid(int p)
{
    switch (p) {
    case 1: return ProtocolOid{usmNoPrivProtocol, kTransformOidLen};
    case 2: return ProtocolOid{usmDESPrivProtocol, kTransformOidLen};
    case 19: return ProtocolOid{usmAESPrivProtocol, kTransformOidLen};
    case 20: return ProtocolOid{usmAES192PrivProtocol, sizeof usmAES192PrivProtocol / sizeof(oid)};
    case 21: return ProtocolOid{usmAES256PrivProtocol, sizeof usmAES256PrivProtocol / sizeof(oid)};
    default: return std::nullopt;   // 9 (IDEA) included: not available
    }
}

} // namespace

// ---------------------------------------------------------------------------

class Session::Impl {
public:
    enum class Stage { Probe, Main };

    struct Req {
        std::uint64_t id = 0;
        Stage stage = Stage::Main;
        Operation op = Operation::Get;
        Target target;
        Pdu pdu;
        Callback cb;
        std::uint32_t ip = 0;
        std::uint64_t peerKey = 0;
        int attemptsLeft = 0;
        bool nitwSeen = false;          // first notInTimeWindow report: the library resends
        std::uint64_t nitwCall = 0;     // library call that delivered it
        bool mayReprobe = false;        // the engine id came from an earlier request
        bool waiting = false;           // waits for a probe; nothing of its own in flight
        Clock::time_point due{};        // end of the current attempt
        std::vector<std::uint64_t> waiters;   // probe only: requests waiting for the engine id
    };

    struct Peer {
        std::string engineId;
        std::uint64_t probe = 0;        // request id of the probe under way, 0 when none
    };

    struct UserDef {
        int auth = 1, priv = 1;
        std::string authPass, privPass;
        bool operator==(const UserDef&) const = default;
    };

    struct LibEvent {
        enum Kind { Received, Report, TimedOut, SendFailed, LocalError } kind = Received;
        std::intptr_t token = 0;
        std::uint64_t call = 0;      // library call it came from: one Report may come twice
        int code = 0;                // error status, report code or local error
        int errorIndex = 0;
        std::vector<VarBind> vbs;
        std::string peerAddress;
        std::uint16_t peerPort = 0;
        std::string engineId;        // reports: the reporting engine
    };

    void* ss = nullptr;
    int fd = -1;
    bool closing = false;
    std::uint64_t nextId = 1;
    std::intptr_t nextToken = 1;
    std::uint64_t libraryCall = 0;
    std::unordered_map<std::uint64_t, Req> reqs;
    // What each library send waits for: the request it belongs to and where its
    // answer must come from.  The one socket is not connected, so the library
    // matches answers by request (or message) id alone and would take one from
    // any address, port or SNMP version.
    struct Sent {
        std::uint64_t id = 0;
        std::uint32_t ipNet = 0;     // network order, as the datagram's source
        std::uint16_t portNet = 0;
        long version = 0;            // the library's version number: 0 v1, 1 v2c, 3 v3
    };
    std::unordered_map<std::intptr_t, Sent> tokens;
    std::deque<LibEvent> events;
    std::map<std::uint64_t, Peer> peers;
    std::map<std::string, UserDef> users;
    std::map<std::pair<std::string, std::string>, UserDef> registered;   // (engine id, name)
    std::map<std::string, std::pair<std::uint32_t, Clock::time_point>> resolved;
    std::function<void()> scheduleHook;
    netsnmp_large_fd_set readSet{};
    // The bindings of a response its callback has done with (or given back in
    // exchange for others): the next response is read into them, so that a walk
    // reuses the same buffers answer after answer instead of allocating and
    // freeing each binding's.
    std::vector<VarBind> spareBindings;

    ~Impl();

    static int libCallback(int op, netsnmp_session* sp, int, netsnmp_pdu* pdu, void* magic);
    bool fromTarget(std::intptr_t token, const netsnmp_pdu& pdu) const;

    int open();
    int startRequest(Operation op, const Target& t, Pdu pdu, Callback cb);
    int sendAttempt(Req& r);
    netsnmp_pdu* buildPdu(const Req& r, int& err);
    int ensureUser(const std::string& engineId, const std::string& name);
    int startProbe(std::uint64_t peerKey, std::uint64_t waiterId, bool reprobe);
    void handleEvent(LibEvent& e);
    void attemptTimedOut(std::uint64_t id);
    void probeFinished(std::uint64_t probeId, int code, const std::string& engineId);
    void complete(std::uint64_t id, Response resp);
    void dispatch();
    void clearSessionEngineIds();
    void readAvailable();
    void process();
    void sweepLost();
    std::optional<int> msUntilDue() const;
    void notifySchedule()
    {
        if (scheduleHook)
            scheduleHook();
    }
};

Session::Impl::~Impl()
{
    if (ss) {
        closing = true;
        snmp_sess_close(ss);
        ss = nullptr;
    }
    netsnmp_large_fd_set_cleanup(&readSet);
}

int Session::Impl::open()
{
    if (!initLibrary())
        return kInternalError;
    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_DEFAULT_VERSION;
    s.peername = const_cast<char*>("udp:127.0.0.1:161");   // placeholder: each PDU names its peer
    s.localname = const_cast<char*>("0.0.0.0");
    s.local_port = 0;
    s.retries = 0;
    s.timeout = 1000000;
    s.flags |= SNMP_FLAGS_DONT_PROBE;
    s.callback = nullptr;
    ss = snmp_sess_open(&s);
    if (!ss)
        return kResourceUnavailable;
    netsnmp_transport* t = snmp_sess_transport(ss);
    if (!t || t->sock < 0)
        return kResourceUnavailable;
    fd = t->sock;
    snmp_sess_session(ss)->callback_magic = this;
    netsnmp_large_fd_set_init(&readSet, fd + 1);
    return kSuccess;
}

int Session::Impl::libCallback(int op, netsnmp_session* sp, int, netsnmp_pdu* pdu, void* magic)
{
    auto* self = static_cast<Impl*>(sp ? sp->callback_magic : nullptr);
    if (!self || self->closing)
        return 1;
    LibEvent e;
    e.token = reinterpret_cast<std::intptr_t>(magic);
    e.call = self->libraryCall;
    // An answer from elsewhere, or in another version, is not the request's: 0
    // keeps the library's request waiting for the right one (or its time-out).
    if (pdu && (pdu->command == SNMP_MSG_RESPONSE || pdu->command == SNMP_MSG_REPORT)
        && !self->fromTarget(e.token, *pdu))
        return 0;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            e.kind = LibEvent::Report;
            e.code = reportCode(pdu);
            if (pdu->securityEngineID && pdu->securityEngineIDLen)
                e.engineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID),
                                  pdu->securityEngineIDLen);
        } else if (op == NETSNMP_CALLBACK_OP_SEC_ERROR || !pdu) {
            e.kind = LibEvent::LocalError;
            e.code = localErrorCode(sp->s_snmp_errno);
        } else {
            e.kind = LibEvent::Received;
            e.code = static_cast<int>(pdu->errstat);
            e.errorIndex = static_cast<int>(pdu->errindex);
            e.vbs.swap(self->spareBindings);
            fromLibBindings(pdu->variables, e.vbs);
            if (pdu->transport_data && pdu->transport_data_length >= static_cast<int>(sizeof(sockaddr_in))) {
                const auto* a = static_cast<const netsnmp_indexed_addr_pair*>(pdu->transport_data);
                if (a->remote_addr.sa.sa_family == AF_INET) {
                    e.peerAddress = dottedIPv4(ntohl(a->remote_addr.sin.sin_addr.s_addr));
                    e.peerPort = ntohs(a->remote_addr.sin.sin_port);
                }
            }
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        e.kind = LibEvent::TimedOut;
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        e.kind = LibEvent::SendFailed;
        break;
    default:   // resend notices and the like
        return 1;
    }
    self->events.push_back(std::move(e));
    return 1;
}

bool Session::Impl::fromTarget(std::intptr_t token, const netsnmp_pdu& pdu) const
{
    const auto t = tokens.find(token);
    if (t == tokens.end())
        return true;   // nothing waits for it any more; dropped when handled
    const Sent& sent = t->second;
    if (pdu.version != sent.version || !pdu.transport_data
        || pdu.transport_data_length < static_cast<int>(sizeof(sockaddr_in)))
        return false;
    const auto* a = static_cast<const netsnmp_indexed_addr_pair*>(pdu.transport_data);
    return a->remote_addr.sa.sa_family == AF_INET && a->remote_addr.sin.sin_addr.s_addr == sent.ipNet
           && a->remote_addr.sin.sin_port == sent.portNet;
}

void Session::Impl::clearSessionEngineIds()
{
    // The library copies the engine id of the first Report into the session, and a
    // PDU without its own would inherit it: our probes must go out without one.
    netsnmp_session* sp = snmp_sess_session(ss);
    if (sp && (sp->securityEngineIDLen || sp->contextEngineIDLen)) {
        SNMP_FREE(sp->securityEngineID);
        sp->securityEngineIDLen = 0;
        SNMP_FREE(sp->contextEngineID);
        sp->contextEngineIDLen = 0;
    }
}

netsnmp_pdu* Session::Impl::buildPdu(const Req& r, int& err)
{
    err = kSuccess;
    const Target& t = r.target;
    int command = SNMP_MSG_GET;
    if (r.stage == Stage::Main)
        command = r.op == Operation::GetNext ? SNMP_MSG_GETNEXT
                  : r.op == Operation::Set   ? SNMP_MSG_SET
                  : r.op == Operation::GetBulk ? SNMP_MSG_GETBULK
                                               : SNMP_MSG_GET;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    if (!pdu) {
        err = kResourceUnavailable;
        return nullptr;
    }
    if (command == SNMP_MSG_GETBULK) {
        pdu->non_repeaters = std::clamp(r.pdu.errorStatus, 0, static_cast<int>(r.pdu.vbs.size()));
        pdu->max_repetitions = std::max(1, r.pdu.maxRepetitions);
    }
    auto* addr = static_cast<netsnmp_indexed_addr_pair*>(calloc(1, sizeof(netsnmp_indexed_addr_pair)));
    if (!addr) {
        snmp_free_pdu(pdu);
        err = kResourceUnavailable;
        return nullptr;
    }
    addr->remote_addr.sin.sin_family = AF_INET;
    addr->remote_addr.sin.sin_addr.s_addr = htonl(r.ip);
    addr->remote_addr.sin.sin_port = htons(t.port);
    pdu->transport_data = addr;
    pdu->transport_data_length = sizeof(netsnmp_indexed_addr_pair);

    auto dupText = [](const std::string& s, char*& dst, std::size_t& len) {
        dst = static_cast<char*>(malloc(s.size() + 1));
        if (!dst)
            return false;
        std::memcpy(dst, s.data(), s.size());
        dst[s.size()] = '\0';
        len = s.size();
        return true;
    };
    auto dupOctets = [](const std::string& s, u_char*& dst, std::size_t& len) {
        dst = static_cast<u_char*>(malloc(s.size() + 1));
        if (!dst)
            return false;
        std::memcpy(dst, s.data(), s.size());
        len = s.size();
        return true;
    };

    bool ok = true;
    if (t.version == 3) {
        pdu->version = libVersion(t.version);
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        if (r.stage == Stage::Probe) {
            pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
            ok = dupText("", pdu->securityName, pdu->securityNameLen);
        } else {
            const Peer& p = peers[r.peerKey];
            pdu->securityLevel = t.securityLevel == 3 ? SNMP_SEC_LEVEL_AUTHPRIV
                                 : t.securityLevel == 2 ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                                        : SNMP_SEC_LEVEL_NOAUTH;
            const std::string ctxEngine =
                t.contextEngineId.empty() ? p.engineId : contextEngineOctets(t.contextEngineId);
            ok = dupText(t.securityName, pdu->securityName, pdu->securityNameLen)
                 && dupOctets(p.engineId, pdu->securityEngineID, pdu->securityEngineIDLen)
                 && dupOctets(ctxEngine, pdu->contextEngineID, pdu->contextEngineIDLen)
                 && dupText(t.contextName, pdu->contextName, pdu->contextNameLen);
        }
    } else {
        pdu->version = libVersion(t.version);
        const std::string& community = r.op == Operation::Set ? t.writeCommunity : t.readCommunity;
        ok = dupOctets(community, pdu->community, pdu->community_len);
    }
    if (ok && r.stage == Stage::Main) {
        for (const VarBind& vb : r.pdu.vbs) {
            if (vb.oid.empty() || vb.oid.size() > MAX_OID_LEN) {
                snmp_free_pdu(pdu);
                err = kInvalidPdu;
                return nullptr;
            }
            if (r.op == Operation::Set ? !addLibValue(pdu, vb)
                                       : !snmp_add_null_var(pdu, LibOid(vb.oid).data(), vb.oid.size())) {
                snmp_free_pdu(pdu);
                err = kInvalidPdu;
                return nullptr;
            }
        }
    }
    if (!ok) {
        snmp_free_pdu(pdu);
        err = kResourceUnavailable;
        return nullptr;
    }
    return pdu;
}

// Registers the user's keys for an engine when not yet done with the current keys.
int Session::Impl::ensureUser(const std::string& engineId, const std::string& name)
{
    auto u = users.find(name);
    // Levels that need keys then fail with an unknown security name.  The empty name
    // belongs to the library's own discovery user, which must stay as it is.
    if (u == users.end() || engineId.empty() || name.empty())
        return kSuccess;
    const auto key = std::make_pair(engineId, name);
    auto reg = registered.find(key);
    if (reg != registered.end() && reg->second == u->second)
        return kSuccess;

    auto* eid = reinterpret_cast<u_char*>(const_cast<char*>(engineId.data()));
    usmUser* old = usm_get_user(eid, engineId.size(), const_cast<char*>(name.c_str()));
    if (old && old->engineIDLen == engineId.size()) {
        // An existing (engine, user) would silently keep its old keys.
        usm_remove_user(old);
        usm_free_user(old);
    }
    registered.erase(key);

    const UserDef& d = u->second;
    const auto a = authOid(d.auth);
    const auto p = privOid(d.auth == 1 ? 1 : d.priv);
    if (!a || !p)
        return kUsmError;

    netsnmp_session s;
    std::memset(&s, 0, sizeof s);
    s.version = SNMP_VERSION_3;
    s.securityModel = SNMP_SEC_MODEL_USM;
    std::string nameCopy = name;
    s.securityName = nameCopy.data();
    s.securityNameLen = nameCopy.size();
    s.securityEngineID = eid;
    s.securityEngineIDLen = engineId.size();
    s.securityAuthProto = const_cast<oid*>(a->id);
    s.securityAuthProtoLen = a->len;
    s.securityPrivProto = const_cast<oid*>(p->id);
    s.securityPrivProtoLen = p->len;
    if (d.auth != 1) {
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(a->id, a->len, reinterpret_cast<const u_char*>(d.authPass.data()), d.authPass.size(),
                        s.securityAuthKey, &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
            return kUsmAuthenticationError;
        s.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
        if (d.priv != 1) {
            s.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(a->id, a->len, reinterpret_cast<const u_char*>(d.privPass.data()), d.privPass.size(),
                            s.securityPrivKey, &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
                return kUsmAuthenticationError;
            s.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
        }
    } else {
        s.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    }
    if (usm_create_user_from_session(&s) != SNMPERR_SUCCESS)
        return kUsmError;
    registered[key] = d;
    return kSuccess;
}

// Sends the current attempt of a request (probe or main PDU).
int Session::Impl::sendAttempt(Req& r)
{
    if (r.stage == Stage::Main && r.target.version == 3) {
        const int rc = ensureUser(peers[r.peerKey].engineId, r.target.securityName);
        if (rc != kSuccess)
            return rc;
    }
    int err = kSuccess;
    netsnmp_pdu* pdu = buildPdu(r, err);
    if (!pdu)
        return err;
    netsnmp_session* sp = snmp_sess_session(ss);
    const long cs = std::max(1, r.target.timeoutCs);
    sp->timeout = cs * 10000L;
    const std::intptr_t token = nextToken++;
    tokens[token] = Sent{r.id, htonl(r.ip), htons(r.target.port), libVersion(r.target.version)};
    r.due = Clock::now() + std::chrono::milliseconds(cs * 10);
    r.nitwSeen = false;
    const std::size_t queued = events.size();
    ++libraryCall;
    const int reqid = snmp_sess_async_send(ss, pdu, &Impl::libCallback, reinterpret_cast<void*>(token));
    clearSessionEngineIds();
    if (reqid == 0) {
        // A local refusal may also have reached the callback inside the call.
        const int code = localErrorCode(sp->s_snmp_errno);
        events.erase(std::remove_if(events.begin() + static_cast<std::ptrdiff_t>(queued), events.end(),
                                    [&](const LibEvent& e) { return e.token == token; }),
                     events.end());
        tokens.erase(token);
        snmp_free_pdu(pdu);
        return code == kTimeout ? kGeneralError : code;
    }
    return kSuccess;
}

int Session::Impl::startRequest(Operation op, const Target& t, Pdu pdu, Callback cb)
{
    if (closing || !ss)
        return kSessionDestroyed;
    if ((t.version != 0 && t.version != 1 && t.version != 3) || (op == Operation::GetBulk && t.version == 0))
        return kOperationNotSupported;
    if (t.version == 3 && t.securityModel != 3)
        return kMpUnsupportedSecurityModel;
    if (t.port == 0)
        return kInvalidAddress;
    // Names are looked up once a minute at most, not for every request of a walk.
    std::uint32_t ip = 0;
    const auto now = Clock::now();
    if (auto c = resolved.find(t.address); c != resolved.end() && now - c->second.second < std::chrono::seconds(60)) {
        ip = c->second.first;
    } else {
        const auto r = resolveIPv4(t.address);
        if (!r)
            return kInvalidAddress;
        ip = *r;
        if (resolved.size() > 64)
            resolved.clear();
        resolved[t.address] = {ip, now};
    }

    Req r;
    r.id = nextId++;
    r.op = op;
    r.target = t;
    r.target.retries = std::max(0, t.retries);
    r.pdu = std::move(pdu);
    r.cb = std::move(cb);
    r.ip = ip;
    r.peerKey = (static_cast<std::uint64_t>(ip) << 16) | t.port;
    r.attemptsLeft = r.target.retries;
    const std::uint64_t id = r.id;
    Req& stored = reqs.emplace(id, std::move(r)).first->second;

    int rc = kSuccess;
    if (t.version == 3) {
        if (peers[stored.peerKey].engineId.empty()) {
            rc = startProbe(stored.peerKey, id, false);
            if (rc != kSuccess) {
                reqs.erase(id);
                return rc;
            }
            notifySchedule();
            return kSuccess;
        }
        stored.mayReprobe = true;
    }
    rc = sendAttempt(stored);
    if (rc != kSuccess) {
        reqs.erase(id);
        return rc;
    }
    notifySchedule();
    return kSuccess;
}

// Starts (or joins) the engine id discovery for a peer on behalf of a request.
int Session::Impl::startProbe(std::uint64_t peerKey, std::uint64_t waiterId, bool reprobe)
{
    auto w = reqs.find(waiterId);
    if (w == reqs.end())
        return kSuccess;
    Peer& p = peers[peerKey];
    if (p.probe) {
        auto running = reqs.find(p.probe);
        if (running != reqs.end()) {
            running->second.waiters.push_back(waiterId);
            w->second.waiting = true;
            return kSuccess;
        }
        p.probe = 0;
    }
    Req probe;
    probe.id = nextId++;
    probe.stage = Stage::Probe;
    probe.op = Operation::Get;
    probe.target = w->second.target;
    probe.ip = w->second.ip;
    probe.peerKey = peerKey;
    probe.attemptsLeft = reprobe ? 0 : w->second.target.retries;
    probe.waiters.push_back(waiterId);
    const std::uint64_t pid = probe.id;
    Req& stored = reqs.emplace(pid, std::move(probe)).first->second;
    const int rc = sendAttempt(stored);
    if (rc != kSuccess) {
        reqs.erase(pid);
        return rc;
    }
    peers[peerKey].probe = pid;
    w->second.waiting = true;
    return kSuccess;
}

void Session::Impl::complete(std::uint64_t id, Response resp)
{
    auto it = reqs.find(id);
    if (it == reqs.end())
        return;
    Callback cb = std::move(it->second.cb);
    reqs.erase(it);
    if (cb)
        cb(std::move(resp));
    if (resp.vbs.capacity() > spareBindings.capacity())
        spareBindings = std::move(resp.vbs);
}

void Session::Impl::probeFinished(std::uint64_t probeId, int code, const std::string& engineId)
{
    auto it = reqs.find(probeId);
    if (it == reqs.end())
        return;
    const std::uint64_t peerKey = it->second.peerKey;
    const std::vector<std::uint64_t> waiters = std::move(it->second.waiters);
    reqs.erase(it);
    Peer& p = peers[peerKey];
    p.probe = 0;
    if (code == kSuccess)
        p.engineId = engineId;
    for (std::uint64_t w : waiters) {
        auto wi = reqs.find(w);
        if (wi == reqs.end())
            continue;
        if (code != kSuccess) {
            complete(w, outcomeOnly(code));
            continue;
        }
        Req& r = wi->second;
        r.stage = Stage::Main;
        r.waiting = false;
        r.attemptsLeft = r.target.retries;
        const int rc = sendAttempt(r);
        if (rc != kSuccess)
            complete(w, outcomeOnly(rc));
    }
}

void Session::Impl::attemptTimedOut(std::uint64_t id)
{
    auto it = reqs.find(id);
    if (it == reqs.end())
        return;
    Req& r = it->second;
    if (r.attemptsLeft > 0) {
        --r.attemptsLeft;
        const int rc = sendAttempt(r);
        if (rc == kSuccess)
            return;
        if (r.stage == Stage::Probe)
            probeFinished(id, rc, {});
        else
            complete(id, outcomeOnly(rc));
        return;
    }
    if (r.stage == Stage::Probe) {
        probeFinished(id, kTimeout, {});
        return;
    }
    if (r.target.version == 3 && r.mayReprobe) {
        // The agent may have restarted with a new engine id or time: forget what we
        // know of it, discover it again once and retry.
        r.mayReprobe = false;
        Peer& p = peers[r.peerKey];
        if (!p.engineId.empty()) {
            free_enginetime(reinterpret_cast<u_char*>(p.engineId.data()), p.engineId.size());
            p.engineId.clear();
        }
        if (startProbe(r.peerKey, id, true) != kSuccess)
            complete(id, outcomeOnly(kTimeout));
        return;
    }
    complete(id, outcomeOnly(kTimeout));
}

void Session::Impl::handleEvent(LibEvent& e)
{
    auto t = tokens.find(e.token);
    if (t == tokens.end())
        return;   // already handled (the other half of a pair, or a late answer)
    const std::uint64_t id = t->second.id;
    auto it = reqs.find(id);
    if (it == reqs.end()) {
        tokens.erase(t);
        return;
    }
    Req& r = it->second;
    if (e.kind == LibEvent::Report && e.code == kMpNotInTimeWindow && r.stage == Stage::Main
        && (!r.nitwSeen || r.nitwCall == e.call)) {
        // The library resends once with the corrected time (some builds report the
        // same Report twice, as a security error and as a message: one event).
        r.nitwSeen = true;
        r.nitwCall = e.call;
        return;
    }
    tokens.erase(t);
    switch (e.kind) {
    case LibEvent::TimedOut:
        attemptTimedOut(id);
        return;
    case LibEvent::SendFailed:
        if (r.stage == Stage::Probe)
            probeFinished(id, kTransportFailed, {});
        else
            complete(id, outcomeOnly(kTransportFailed));
        return;
    case LibEvent::LocalError:
        if (r.stage == Stage::Probe)
            probeFinished(id, e.code, {});
        else
            complete(id, outcomeOnly(e.code));
        return;
    case LibEvent::Report:
        if (r.stage == Stage::Probe) {
            if (!e.engineId.empty() && e.engineId.size() <= 32)
                probeFinished(id, kSuccess, e.engineId);
            else
                probeFinished(id, e.code == kMpInvalidEngineId ? kMpInvalidMessage : e.code, {});
            return;
        }
        if (e.code == kMpInvalidEngineId && r.mayReprobe) {
            r.mayReprobe = false;
            Peer& p = peers[r.peerKey];
            p.engineId.clear();
            const int code = e.code;
            if (startProbe(r.peerKey, id, true) != kSuccess)
                complete(id, outcomeOnly(code));
            return;
        }
        complete(id, outcomeOnly(e.code));
        return;
    case LibEvent::Received:
        if (r.stage == Stage::Probe) {
            // An agent answering a probe with a plain response cannot be talked to
            // with USM.
            probeFinished(id, kMpInvalidMessage, {});
            return;
        }
        {
            Response resp;
            resp.code = e.code;
            resp.errorIndex = e.errorIndex;
            resp.vbs = std::move(e.vbs);
            resp.peerAddress = std::move(e.peerAddress);
            resp.peerPort = e.peerPort;
            complete(id, std::move(resp));
        }
        return;
    }
}

void Session::Impl::dispatch()
{
    while (!events.empty()) {
        LibEvent e = std::move(events.front());
        events.pop_front();
        handleEvent(e);
    }
}

void Session::Impl::readAvailable()
{
    for (int n = 0; n < kMaxDatagramsPerPass && ss; ++n) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0 || !(p.revents & (POLLIN | POLLERR)))
            break;
        NETSNMP_LARGE_FD_ZERO(&readSet);
        NETSNMP_LARGE_FD_SET(fd, &readSet);
        ++libraryCall;
        snmp_sess_read2(ss, &readSet);
        clearSessionEngineIds();
        dispatch();
    }
}

// Attempts the library lost without telling us (it drops a request after a second
// notInTimeWindow report, for instance) end as time-outs.
void Session::Impl::sweepLost()
{
    const auto now = Clock::now();
    std::vector<std::uint64_t> lost;
    for (const auto& [id, r] : reqs)
        if (!r.waiting && now > r.due + kLostRequestGrace)
            lost.push_back(id);
    for (std::uint64_t id : lost) {
        for (auto t = tokens.begin(); t != tokens.end();) {
            if (t->second.id == id)
                t = tokens.erase(t);
            else
                ++t;
        }
        auto it = reqs.find(id);
        if (it == reqs.end())
            continue;
        it->second.attemptsLeft = 0;
        it->second.mayReprobe = false;
        attemptTimedOut(id);
    }
}

void Session::Impl::process()
{
    if (!ss)
        return;
    dispatch();
    readAvailable();
    if (!reqs.empty()) {
        ++libraryCall;
        snmp_sess_timeout(ss);
        clearSessionEngineIds();
        dispatch();
        sweepLost();
    }
}

std::optional<int> Session::Impl::msUntilDue() const
{
    if (!events.empty())
        return 0;
    if (reqs.empty())
        return std::nullopt;
    auto first = Clock::time_point::max();
    for (const auto& [id, r] : reqs)
        if (!r.waiting)
            first = std::min(first, r.due);
    if (first == Clock::time_point::max())
        return std::nullopt;
    const auto now = Clock::now();
    if (first <= now)
        return 1;   // the library's own clock decides; look again shortly, without spinning
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(first - now).count()) + 1;
}

// ---------------------------------------------------------------------------

Session::Session(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

std::unique_ptr<Session> Session::open(int& status)
{
    auto impl = std::make_unique<Impl>();
    status = impl->open();
    if (status != kSuccess)
        return nullptr;
    return std::unique_ptr<Session>(new Session(std::move(impl)));
}

Session::~Session()
{
    d->closing = true;
    // Every request the caller sees gets its callback; probes have none of their own.
    std::vector<std::uint64_t> pending;
    for (const auto& [id, r] : d->reqs)
        if (r.stage == Impl::Stage::Main)
            pending.push_back(id);
    std::sort(pending.begin(), pending.end());
    for (std::uint64_t id : pending)
        d->complete(id, outcomeOnly(kSessionDestroyed));
    d->reqs.clear();
    d->tokens.clear();
    d->events.clear();
}

int Session::mpInit(const std::string& engineId, std::uint32_t boots)
{
    if (engineId.empty())
        return kGeneralError;
    const std::string id = engineId.substr(0, 32);
    if (set_exact_engineID(reinterpret_cast<const u_char*>(id.data()), id.size()) != SNMPERR_SUCCESS)
        return kGeneralError;
    // engineBoots_conf stores its argument plus one.
    char text[32];
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(boots) - 1);
    engineBoots_conf("engineBoots", text);
    set_enginetime(reinterpret_cast<const u_char*>(id.data()), id.size(), boots,
                   snmpv3_local_snmpEngineTime(), TRUE);
    return kSuccess;
}

int Session::addUser(const std::string& name, int authProtocol, int privProtocol,
                     const std::string& authPass, const std::string& privPass)
{
    if (!authOid(authProtocol))
        return kUsmUnsupportedAuthProtocol;
    if (!privOid(privProtocol))
        return kUsmUnsupportedPrivProtocol;
    if (authProtocol != 1 && authPass.size() < 8)
        return kUsmPasswordTooShort;
    if (authProtocol != 1 && privProtocol != 1 && privPass.size() < 8)
        return kUsmPasswordTooShort;
    Impl::UserDef def;
    def.auth = authProtocol;
    def.priv = authProtocol == 1 ? 1 : privProtocol;
    if (authProtocol != 1)
        def.authPass = authPass;
    if (def.priv != 1)
        def.privPass = privPass;
    // Registration with each engine happens at the next send to it, with these keys.
    d->users[name] = def;
    return kSuccess;
}

int Session::send(Operation op, const Target& target, Pdu pdu, Callback cb)
{
    return d->startRequest(op, target, std::move(pdu), std::move(cb));
}

Response Session::sendSync(Operation op, const Target& target, const Pdu& pdu)
{
    std::optional<Response> result;
    const int rc = d->startRequest(op, target, pdu, [&result](Response&& r) { result = std::move(r); });
    if (rc != kSuccess)
        return outcomeOnly(rc);
    while (!result) {
        const auto due = d->msUntilDue();
        const int wait = std::clamp(due.value_or(50), 0, 50);
        pollfd p{d->fd, POLLIN, 0};
        ::poll(&p, 1, wait);
        d->process();
        if (d->closing && !result)
            return outcomeOnly(kSessionDestroyed);
    }
    return std::move(*result);
}

void Session::processPendingEvents() { d->process(); }

int Session::socketDescriptor() const { return d->fd; }

std::optional<int> Session::msUntilNextTimeout() const { return d->msUntilDue(); }

int Session::pendingCount() const
{
    int n = 0;
    for (const auto& [id, r] : d->reqs)
        if (r.stage == Impl::Stage::Main)
            ++n;
    return n;
}

void Session::setScheduleHook(std::function<void()> hook) { d->scheduleHook = std::move(hook); }

} // namespace engine
