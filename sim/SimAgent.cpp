#include "SimAgent.h"

#include "TrafficModel.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>

// Set up by the agent library's configuration modules; not in its headers.
extern "C" {
void init_vacm_conf(void);
void init_usmConf(void);
}

namespace ksw::sim {

namespace {

using Clock = std::chrono::steady_clock;

volatile sig_atomic_t g_signal = 0;
int g_wakePipe[2] = {-1, -1};

void onSignal(int sig)
{
    g_signal = sig;
    if (g_wakePipe[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] auto n = ::write(g_wakePipe[1], &c, 1);
    }
}

const Oid kSysUpTime = {1, 3, 6, 1, 2, 1, 1, 3, 0};
const Oid kIfOperStatus = {1, 3, 6, 1, 2, 1, 2, 2, 1, 8};
// The ifTable column of ifLastChange, beside ifOperStatus's.
constexpr unsigned kIfLastChangeColumn = 9;
const char* const kTxnKey = "ksw-sim-set";
// --count-requests: kRequestCounts.T.0 holds the count of requests of type T.
const Oid kRequestCounts = {1, 3, 6, 1, 4, 1, 97531, 98, 1};
enum CountedType : std::size_t { CountGet, CountGetNext, CountGetBulk, CountSet, CountedTypes };

// RowStatus values (RFC 2579).
enum RowStatus : long { Active = 1, NotInService = 2, NotReady = 3, CreateAndGo = 4, CreateAndWait = 5, Destroy = 6 };

struct SetOp {
    Oid oid;
    std::optional<Value> value; // nullopt: remove the object
};

// One set PDU from validation to commit; kept in the request's data list so
// every mode of the same PDU sees it.
struct SetTxn {
    std::vector<SetOp> ops;
    std::vector<std::pair<Oid, std::optional<Value>>> undo;
    bool save = false;
    bool reset = false;
    bool applied = false;
};

void freeTxn(void* p) { delete static_cast<SetTxn*>(p); }

Oid oidOf(const netsnmp_variable_list* vb) { return Oid(vb->name, vb->name + vb->name_length); }

Value valueOf(const netsnmp_variable_list* vb)
{
    Value v;
    v.tag = vb->type;
    if (vb->val.string && vb->val_len)
        v.raw.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
    return v;
}

} // namespace

struct SimAgent::Impl {
    SimOptions opt;
    MibData data;
    Clock::time_point started = Clock::now();
    bool silent = false;
    bool resetPending = false;
    bool stopRequested = false;
    // --drop decides every packet, retransmissions included, by a fresh draw from a
    // generator seeded anew at each start: a fixed seed replayed the same losses
    // (four in a row within the first 30 packets) on every run.
    std::mt19937 dropRng{std::random_device{}()};
    std::uniform_real_distribution<double> percent{0.0, 100.0};
    std::vector<Oid> flapPorts;
    size_t flapNext = 0;
    std::optional<TrafficModel> traffic; // --traffic model: the interface counters move
    netsnmp_session* session = nullptr;
    std::string scratchDir;
    struct Delayed;
    std::set<Delayed*> delayed; // requests waiting for --delay, freed at exit if still waiting
    // --count-requests: requests taken (not dropped), by type.  Benchmarks read
    // them around each walk to compare the requests of both sides.
    std::array<unsigned long, CountedTypes> counted{};

    // Where the latest get-nexts were answered.  A walk asks next for exactly the
    // OID it was last given, so that object's successor is found without a
    // search.  Only sets remove objects, and every set empties this.
    using Position = std::map<Oid, Value>::const_iterator;
    std::array<Position, 8> answered{};
    size_t answeredCount = 0, answeredNext = 0;

    std::optional<Position> answeredAt(const netsnmp_variable_list* vb) const
    {
        for (size_t i = 0; i < answeredCount; ++i) {
            const Oid& o = answered[i]->first;
            if (o.size() == vb->name_length && std::equal(o.begin(), o.end(), vb->name))
                return answered[i];
        }
        return std::nullopt;
    }
    // Sets may erase remembered objects: start remembering afresh, slot 0 first,
    // so that no slot below answeredCount still holds an old position.
    void forgetAnswered()
    {
        answeredCount = 0;
        answeredNext = 0;
    }
    void remember(Position p)
    {
        answered[answeredNext] = p;
        answeredNext = (answeredNext + 1) % answered.size();
        answeredCount = std::min(answeredCount + 1, answered.size());
    }

    // --- request entry points -------------------------------------------------

    static Impl* instance;

    static int preParse(netsnmp_session*, netsnmp_transport*, void*, int)
    {
        Impl* d = instance;
        if (!d || d->silent)
            return 0;
        if (d->opt.dropPercent > 0 && d->percent(d->dropRng) < d->opt.dropPercent)
            return 0;
        return 1;
    }

    struct Delayed {
        netsnmp_session* session;
        netsnmp_pdu* pdu;
    };

    static void delayedPacket(unsigned int, void* arg)
    {
        auto* p = static_cast<Delayed*>(arg);
        if (instance) {
            instance->delayed.erase(p);
            if (!instance->silent)
                handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, p->session, p->pdu->reqid, p->pdu, nullptr);
        }
        snmp_free_pdu(p->pdu);
        delete p;
    }

    // The index of kRequestCounts.T.0 for an OID, or CountedTypes.
    static std::size_t countIndex(const oid* name, std::size_t length)
    {
        if (length != kRequestCounts.size() + 2 || name[length - 1] != 0
            || !std::equal(kRequestCounts.begin(), kRequestCounts.end(), name))
            return CountedTypes;
        const oid t = name[kRequestCounts.size()];
        return t >= 1 && t <= CountedTypes ? static_cast<std::size_t>(t - 1) : CountedTypes;
    }

    void count(const netsnmp_pdu* pdu)
    {
        std::size_t type = CountedTypes;
        switch (pdu->command) {
        case SNMP_MSG_GET: type = CountGet; break;
        case SNMP_MSG_GETNEXT: type = CountGetNext; break;
        case SNMP_MSG_GETBULK: type = CountGetBulk; break;
        case SNMP_MSG_SET: type = CountSet; break;
        default: return;
        }
        // A get of the counts alone reads them without changing them; a PDU
        // without bindings (an SNMPv3 discovery) asks for nothing.
        bool onlyCounts = true;
        for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
            onlyCounts = onlyCounts && countIndex(v->name, v->name_length) != CountedTypes;
        if (!pdu->variables || (type == CountGet && onlyCounts))
            return;
        ++counted[type];
    }

    static int packet(int op, netsnmp_session* s, int reqid, netsnmp_pdu* pdu, void* magic)
    {
        auto* d = static_cast<Impl*>(magic);
        if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && d->opt.countRequests)
            d->count(pdu);
        if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && d->opt.delayMs > 0) {
            // The library frees `pdu` after this call; the agent clones what it keeps.
            netsnmp_pdu* copy = snmp_clone_pdu(pdu);
            if (!copy)
                return 1;
            struct timeval t;
            t.tv_sec = d->opt.delayMs / 1000;
            t.tv_usec = (d->opt.delayMs % 1000) * 1000;
            auto* p = new Delayed{s, copy};
            d->delayed.insert(p);
            snmp_alarm_register_hr(t, 0, delayedPacket, p);
            return 1;
        }
        return handle_snmp_packet(op, s, reqid, pdu, nullptr);
    }

    static int handler(netsnmp_mib_handler* h, netsnmp_handler_registration*, netsnmp_agent_request_info* ri,
                       netsnmp_request_info* reqs)
    {
        auto* d = static_cast<Impl*>(h->myvoid);
        const long version = ri->asp && ri->asp->pdu ? ri->asp->pdu->version : SNMP_VERSION_2c;
        switch (ri->mode) {
        case MODE_GET:
            d->get(reqs, version, d->requestTicks(ri));
            break;
        case MODE_GETNEXT:
            d->getNext(reqs, version, d->requestTicks(ri));
            break;
        case MODE_SET_RESERVE1:
            d->forgetAnswered();
            d->reserve(ri, reqs);
            break;
        case MODE_SET_ACTION:
            d->action(ri, reqs);
            break;
        case MODE_SET_UNDO:
            d->undo(ri);
            break;
        case MODE_SET_COMMIT:
            d->commit(ri);
            break;
        default: // RESERVE2, FREE: nothing held
            break;
        }
        return SNMP_ERR_NOERROR;
    }

    // --- reads -------------------------------------------------------------------

    unsigned long uptimeTicks() const
    {
        const auto cs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count() / 10;
        return static_cast<unsigned long>(cs);
    }

    // `now`: the uptime of the request, one for all its objects, so that the
    // counters and sysUpTime of one answer agree as a real agent's snapshot does.
    void serve(netsnmp_variable_list* vb, const Oid& oid, const Value& v, unsigned long now)
    {
        if (oid == kSysUpTime && v.tag == TagTimeTicks) {
            const unsigned long t = now;
            snmp_set_var_typed_value(vb, TagTimeTicks, &t, sizeof t);
            return;
        }
        if (traffic) {
            if (const auto moved = traffic->valueAt(oid, now)) {
                snmp_set_var_typed_value(vb, moved->tag, moved->raw.data(), moved->raw.size());
                return;
            }
        }
        snmp_set_var_typed_value(vb, v.tag, v.raw.data(), v.raw.size());
    }

    // The uptime of the request being answered: the agent library answers a
    // get-bulk in one pass per repetition, and all passes take the first's
    // time, so that sysUpTime and every counter of one answer agree.
    unsigned long requestTicks(const netsnmp_agent_request_info* ri)
    {
        const void* session = ri->asp;
        const long reqid = ri->asp && ri->asp->pdu ? ri->asp->pdu->reqid : -1;
        if (reqid < 0 || session != answering.session || reqid != answering.reqid)
            answering = {session, reqid, uptimeTicks()};
        return answering.ticks;
    }
    struct Answering {
        const void* session = nullptr;
        long reqid = -1;
        unsigned long ticks = 0;
    } answering;

    void get(netsnmp_request_info* reqs, long version, unsigned long now)
    {
        for (auto* r = reqs; r; r = r->next) {
            if (r->processed)
                continue;
            if (const std::size_t c = opt.countRequests
                    ? countIndex(r->requestvb->name, r->requestvb->name_length) : CountedTypes;
                c != CountedTypes) {
                const unsigned long n = counted[c] & 0xffffffffUL;
                snmp_set_var_typed_value(r->requestvb, TagCounter32, &n, sizeof n);
                continue;
            }
            const Oid oid = oidOf(r->requestvb);
            auto it = data.objects.find(oid);
            // A v1 PDU cannot carry a Counter64: such objects do not exist for v1.
            if (it != data.objects.end() && !(version == SNMP_VERSION_1 && it->second.tag == TagCounter64)) {
                serve(r->requestvb, oid, it->second, now);
                continue;
            }
            Oid parent(oid.begin(), oid.end() - (oid.empty() ? 0 : 1));
            auto p = data.objects.lower_bound(parent);
            const bool typeKnown = p != data.objects.end() && startsWith(p->first, parent) && p->first != parent;
            snmp_set_var_typed_value(r->requestvb, typeKnown ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT, nullptr, 0);
        }
    }

    void getNext(netsnmp_request_info* reqs, long version, unsigned long now)
    {
        for (auto* r = reqs; r; r = r->next) {
            if (r->processed)
                continue;
            netsnmp_variable_list* vb = r->requestvb;
            auto it = data.objects.cend();
            if (const auto at = r->inclusive ? std::nullopt : answeredAt(vb))
                it = std::next(*at);
            else {
                const Oid oid = oidOf(vb);
                it = r->inclusive ? data.objects.lower_bound(oid) : data.objects.upper_bound(oid);
            }
            while (version == SNMP_VERSION_1 && it != data.objects.end() && it->second.tag == TagCounter64)
                ++it;
            if (it == data.objects.end())
                continue; // past our objects: the agent answers endOfMibView
            if (r->range_end &&
                snmp_oid_compare(it->first.data(), it->first.size(), r->range_end, r->range_end_len) >= 0)
                continue;
            snmp_set_var_objid(vb, it->first.data(), it->first.size());
            serve(vb, it->first, it->second, now);
            remember(it);
        }
    }

    // --- sets ----------------------------------------------------------------------

    std::optional<std::uint8_t> columnTag(const Oid& column) const
    {
        auto it = data.objects.lower_bound(column);
        if (it != data.objects.end() && startsWith(it->first, column) && it->first.size() > column.size())
            return it->second.tag;
        return std::nullopt;
    }

    static int checkValue(const Value& v, std::uint8_t expected, const WritableRule* rule)
    {
        if (v.tag != expected)
            return SNMP_ERR_WRONGTYPE;
        switch (v.tag) {
        case TagInteger:
            if (v.raw.size() != sizeof(long))
                return SNMP_ERR_WRONGLENGTH;
            if (rule && rule->min && (v.asInteger() < *rule->min || v.asInteger() > *rule->max))
                return SNMP_ERR_WRONGVALUE;
            break;
        case TagOctetString:
        case TagOpaque:
            if (rule && rule->min &&
                (static_cast<long long>(v.raw.size()) < *rule->min || static_cast<long long>(v.raw.size()) > *rule->max))
                return SNMP_ERR_WRONGLENGTH;
            break;
        case TagIpAddress:
            if (v.raw.size() != 4)
                return SNMP_ERR_WRONGLENGTH;
            break;
        case TagCounter32:
        case TagGauge32:
        case TagTimeTicks:
            if (v.raw.size() != sizeof(unsigned long))
                return SNMP_ERR_WRONGLENGTH;
            break;
        default:
            break;
        }
        return SNMP_ERR_NOERROR;
    }

    // The column instances of the row `index` in the table of `rsColumn`.
    std::vector<Oid> rowObjects(const Oid& rsColumn, const Oid& index) const
    {
        std::vector<Oid> out;
        const Oid entry(rsColumn.begin(), rsColumn.end() - 1);
        auto it = data.objects.lower_bound(entry);
        while (it != data.objects.end() && startsWith(it->first, entry) && it->first.size() > entry.size()) {
            Oid inst = entry;
            inst.push_back(it->first[entry.size()]);
            inst.insert(inst.end(), index.begin(), index.end());
            if (data.objects.count(inst))
                out.push_back(inst);
            Oid nextColumn = entry;
            nextColumn.push_back(it->first[entry.size()] + 1);
            if (nextColumn.back() == 0)
                break;
            it = data.objects.lower_bound(nextColumn);
        }
        return out;
    }

    // Validates one varbind of a set and adds its changes to `txn`; returns an
    // SNMP error status.  `created` holds the RowStatus instances that this PDU
    // creates with createAndGo/createAndWait.
    int plan(SetTxn& txn, const netsnmp_variable_list* vb, const std::set<Oid>& created)
    {
        const Oid oid = oidOf(vb);
        const Value v = valueOf(vb);
        const auto found = data.objects.find(oid);
        const bool exists = found != data.objects.end();
        const Oid* rsCol = data.rowStatusColumnFor(oid);
        const Oid entry = rsCol ? Oid(rsCol->begin(), rsCol->end() - 1) : Oid{};
        const Oid index = rsCol ? Oid(oid.begin() + static_cast<long>(rsCol->size()), oid.end()) : Oid{};
        const bool isStatus = rsCol && std::equal(rsCol->begin(), rsCol->end(), oid.begin());

        if (isStatus) {
            if (v.tag != TagInteger)
                return SNMP_ERR_WRONGTYPE;
            const long s = v.asInteger();
            if (const auto own = data.rowActionValues.find(*rsCol); own != data.rowActionValues.end()) {
                if (s == own->second.destroy) {
                    for (auto& o : rowObjects(*rsCol, index))
                        txn.ops.push_back({std::move(o), std::nullopt});
                    return SNMP_ERR_NOERROR;
                }
                if (!exists && s != own->second.create)
                    return SNMP_ERR_INCONSISTENTVALUE;
                if (exists) {
                    const WritableRule* rule = data.writableRule(oid);
                    if (const int e = checkValue(v, TagInteger, rule))
                        return e;
                }
                txn.ops.push_back({oid, v});
                return SNMP_ERR_NOERROR;
            }
            if (s < Active || s > Destroy || s == NotReady)
                return SNMP_ERR_WRONGVALUE;
            if (s == Destroy) {
                for (auto& o : rowObjects(*rsCol, index))
                    txn.ops.push_back({std::move(o), std::nullopt});
                return SNMP_ERR_NOERROR;
            }
            if (s == CreateAndGo || s == CreateAndWait) {
                if (exists)
                    return SNMP_ERR_INCONSISTENTVALUE;
                txn.ops.push_back({oid, Value::integer(s == CreateAndGo ? Active : NotInService)});
                return SNMP_ERR_NOERROR;
            }
            if (!exists)
                return SNMP_ERR_INCONSISTENTVALUE; // active/notInService on a row that is not there
            txn.ops.push_back({oid, v});
            return SNMP_ERR_NOERROR;
        }

        const WritableRule* rule = data.writableRule(oid);
        if (exists) {
            if (!rule)
                return SNMP_ERR_NOTWRITABLE;
            if (const int e = checkValue(v, found->second.tag, rule))
                return e;
            for (const auto& a : data.actions) {
                if (a.oid == oid && v.asInteger() == a.value) {
                    (a.kind == ActionKind::Save ? txn.save : txn.reset) = true;
                    return SNMP_ERR_NOERROR; // the object keeps its resting value
                }
            }
            txn.ops.push_back({oid, v});
            return SNMP_ERR_NOERROR;
        }

        if (!rsCol)
            return SNMP_ERR_NOCREATION;
        if (!rule)
            return SNMP_ERR_NOTWRITABLE;
        Oid statusInst = *rsCol;
        statusInst.insert(statusInst.end(), index.begin(), index.end());
        if (!data.objects.count(statusInst) && !created.count(statusInst))
            return SNMP_ERR_INCONSISTENTNAME; // the row must be created in the same PDU
        Oid column(oid.begin(), oid.begin() + static_cast<long>(entry.size()) + 1);
        const std::uint8_t expected = rule->tag ? rule->tag : columnTag(column).value_or(v.tag);
        if (const int e = checkValue(v, expected, rule))
            return e;
        txn.ops.push_back({oid, v});
        return SNMP_ERR_NOERROR;
    }

    bool createsRow(const Oid& statusColumn, long value) const
    {
        if (const auto own = data.rowActionValues.find(statusColumn); own != data.rowActionValues.end())
            return value == own->second.create;
        return value == CreateAndGo || value == CreateAndWait;
    }

    SetTxn* txnOf(netsnmp_agent_request_info* ri, bool create)
    {
        auto* t = static_cast<SetTxn*>(netsnmp_agent_get_list_data(ri, kTxnKey));
        if (!t && create) {
            t = new SetTxn;
            netsnmp_agent_add_list_data(ri, netsnmp_create_data_list(kTxnKey, t, freeTxn));
        }
        return t;
    }

    void reserve(netsnmp_agent_request_info* ri, netsnmp_request_info* reqs)
    {
        SetTxn* txn = txnOf(ri, true);
        std::set<Oid> created;
        for (auto* r = reqs; r; r = r->next) {
            const Oid oid = oidOf(r->requestvb);
            const Oid* rs = data.rowStatusColumnFor(oid);
            if (rs && std::equal(rs->begin(), rs->end(), oid.begin()) && r->requestvb->type == TagInteger &&
                r->requestvb->val.integer && createsRow(*rs, *r->requestvb->val.integer) && !data.objects.count(oid))
                created.insert(oid);
        }
        for (auto* r = reqs; r; r = r->next) {
            if (const int e = plan(*txn, r->requestvb, created)) {
                netsnmp_set_request_error(ri, r, e);
                return;
            }
        }
    }

    void action(netsnmp_agent_request_info* ri, netsnmp_request_info* reqs)
    {
        SetTxn* txn = txnOf(ri, false);
        if (!txn || txn->applied)
            return;
        forgetAnswered();
        txn->applied = true;
        for (auto& op : txn->ops) {
            auto it = data.objects.find(op.oid);
            txn->undo.emplace_back(op.oid, it == data.objects.end() ? std::nullopt : std::optional<Value>(it->second));
            if (op.value)
                data.objects[op.oid] = *op.value;
            else if (it != data.objects.end())
                data.objects.erase(it);
        }
        if (txn->save && !saveState())
            netsnmp_set_request_error(ri, reqs, SNMP_ERR_COMMITFAILED);
    }

    void undo(netsnmp_agent_request_info* ri)
    {
        SetTxn* txn = txnOf(ri, false);
        if (!txn)
            return;
        forgetAnswered();
        for (auto it = txn->undo.rbegin(); it != txn->undo.rend(); ++it) {
            if (it->second)
                data.objects[it->first] = *it->second;
            else
                data.objects.erase(it->first);
        }
        txn->undo.clear();
    }

    void commit(netsnmp_agent_request_info* ri)
    {
        SetTxn* txn = txnOf(ri, false);
        if (txn && txn->reset)
            resetPending = true;
    }

    bool saveState()
    {
        if (opt.statePath.empty()) {
            std::fprintf(stderr, "ksw-sim: save requested; no --state FILE given, nothing written\n");
            return true;
        }
        try {
            saveSnmprec(data, opt.statePath);
            std::fprintf(stderr, "ksw-sim: state saved to %s\n", opt.statePath.c_str());
            return true;
        } catch (const DataError& e) {
            std::fprintf(stderr, "ksw-sim: save failed: %s\n", e.what());
            return false;
        }
    }

    // --- behaviour over time ----------------------------------------------------------

    static void endSilence(unsigned int, void* arg)
    {
        auto* d = static_cast<Impl*>(arg);
        d->silent = false;
        d->started = Clock::now();
        if (d->traffic)
            d->traffic->restart();
        std::fprintf(stderr, "ksw-sim: answering again after warm start\n");
    }

    void warmStart()
    {
        resetPending = false;
        std::fprintf(stderr, "ksw-sim: warm start, silent for %d s\n", opt.resetSeconds);
        if (opt.resetSeconds <= 0) {
            started = Clock::now();
            if (traffic)
                traffic->restart();
            return;
        }
        silent = true;
        snmp_alarm_register(static_cast<unsigned>(opt.resetSeconds), 0, endSilence, this);
    }

    static void flapTick(unsigned int, void* arg)
    {
        auto* d = static_cast<Impl*>(arg);
        if (d->flapPorts.empty())
            return;
        const Oid& port = d->flapPorts[d->flapNext++ % d->flapPorts.size()];
        auto it = d->data.objects.find(port);
        if (it == d->data.objects.end() || it->second.tag != TagInteger)
            return;
        it->second = Value::integer(it->second.asInteger() == 1 ? 2 : 1);
        if (d->traffic && port.size() == kIfOperStatus.size() + 1 && startsWith(port, kIfOperStatus))
            d->traffic->stateChanged(port.back(), it->second.asInteger() == 1, d->uptimeTicks());
        // An interface's ifLastChange is the uptime of its last state change.
        if (port.size() == kIfOperStatus.size() + 1 && startsWith(port, kIfOperStatus)) {
            Oid lastChange = port;
            lastChange[kIfOperStatus.size() - 1] = kIfLastChangeColumn;
            auto last = d->data.objects.find(lastChange);
            if (last != d->data.objects.end() && last->second.tag == TagTimeTicks)
                last->second = Value::unsignedOf(TagTimeTicks, d->uptimeTicks());
        }
    }

    void chooseFlapPorts()
    {
        for (const auto& o : data.flap)
            if (auto it = data.objects.find(o); it != data.objects.end() && it->second.tag == TagInteger)
                flapPorts.push_back(o);
        if (!data.flap.empty())
            return;
        // No #!flap lines: take a few interfaces that are up or down.
        for (auto it = data.objects.lower_bound(kIfOperStatus);
             it != data.objects.end() && startsWith(it->first, kIfOperStatus) && flapPorts.size() < 4; ++it)
            if (it->second.tag == TagInteger && (it->second.asInteger() == 1 || it->second.asInteger() == 2))
                flapPorts.push_back(it->first);
    }
};

SimAgent::Impl* SimAgent::Impl::instance = nullptr;

SimAgent::SimAgent(SimOptions options, MibData data) : d_(std::make_unique<Impl>())
{
    d_->opt = std::move(options);
    d_->data = std::move(data);
}

SimAgent::~SimAgent()
{
    for (auto* p : d_->delayed) {
        snmp_free_pdu(p->pdu);
        delete p;
    }
    if (Impl::instance == d_.get()) {
        snmp_shutdown("ksw-sim");
        Impl::instance = nullptr;
    }
    if (!d_->scratchDir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(d_->scratchDir, ec);
    }
}

void SimAgent::installRunSignals()
{
    if (g_wakePipe[0] < 0 && ::pipe2(g_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_wakePipe[0] = g_wakePipe[1] = -1;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

void SimAgent::start()
{
    if (Impl::instance)
        throw std::runtime_error("only one agent per process");
    Impl& d = *d_;

    // The library insists on a configuration and a persistent folder; give it a
    // private scratch folder that nothing is read from and that goes at exit.
    char tmpl[] = "/tmp/ksw-sim.XXXXXX";
    if (!mkdtemp(tmpl))
        throw std::runtime_error("cannot create a scratch folder in /tmp");
    d.scratchDir = tmpl;
    // Present already, so the library does not announce creating it.
    std::filesystem::create_directory(d.scratchDir + "/cert_indexes");
    ::setenv("MIBS", "", 1);
    ::setenv("SNMPCONFPATH", tmpl, 1);
    ::setenv("SNMP_PERSISTENT_DIR", tmpl, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    set_persistent_directory(tmpl);
    set_configuration_directory(tmpl);
    netsnmp_set_mib_directory("");

    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DISABLE_PERL, 1);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, "none");
    set_exact_engineID(reinterpret_cast<const u_char*>(d.opt.engineId.data()), d.opt.engineId.size());
    char noSmux[] = "-smux";
    add_to_init_list(noSmux);

    init_agent("ksw-sim");
    init_vacm_conf();
    init_usmConf();

    auto config = [](const std::string& line) { netsnmp_config(const_cast<char*>(line.c_str())); };
    config("mibs :");
    for (const auto& c : d.opt.readCommunities)
        config("rocommunity " + c);
    for (const auto& c : d.opt.writeCommunities)
        config("rwcommunity " + c);
    const std::string& a = d.opt.authPass;
    const std::string& p = d.opt.privPass;
    const struct {
        const char* name;
        std::string keys;
        const char* level;
    } users[] = {
        {"noAuthUser", "", "noauth"},
        {"MD5_User", "MD5 " + a, "auth"},
        {"MD5_DES_User", "MD5 " + a + " DES " + p, "priv"},
        {"SHA_User", "SHA " + a, "auth"},
        {"SHA_DES_User", "SHA " + a + " DES " + p, "priv"},
        {"SHA256_AES_User", "SHA-256 " + a + " AES " + p, "priv"},
    };
    for (const auto& u : users) {
        config("createUser " + std::string(u.name) + (u.keys.empty() ? "" : " " + u.keys));
        config("rwuser " + std::string(u.name) + " " + u.level);
    }

    // One registration per two-arc prefix in use (1.3 always): the library keeps
    // placeholder registrations on the one-arc roots that would shadow ours.
    std::set<Oid> roots{{1, 3}};
    auto addRoot = [&](const Oid& o) {
        if (o.size() >= 2)
            roots.insert(Oid(o.begin(), o.begin() + 2));
    };
    for (const auto& [o, v] : d.data.objects)
        addRoot(o);
    for (const auto& r : d.data.writable)
        addRoot(r.prefix);
    for (const auto& c : d.data.rowStatusColumns)
        addRoot(c);
    for (const Oid& root : roots) {
        netsnmp_handler_registration* reg =
            netsnmp_create_handler_registration("ksw-sim", Impl::handler, root.data(), root.size(), HANDLER_CAN_RWRITE);
        if (!reg)
            throw std::runtime_error("cannot register the object handler");
        reg->handler->myvoid = &d;
        if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
            throw std::runtime_error("cannot register the object handler at " + oidText(root));
    }

    init_snmp("ksw-sim");
    init_master_agent();

    // Our own listener: the library's default one consults the host access files per packet.
    const std::string spec = "udp:127.0.0.1:" + std::to_string(d.opt.port);
    netsnmp_transport* t = netsnmp_transport_open_server("snmp", spec.c_str());
    if (!t)
        throw std::runtime_error("cannot listen on " + spec + " (port in use?)");
    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_DEFAULT_VERSION;
    s.callback = Impl::packet;
    s.callback_magic = &d;
    s.authenticator = nullptr;
    s.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    s.flags = SNMP_FLAGS_DONT_PROBE;
    d.session = snmp_add(&s, t, Impl::preParse, netsnmp_agent_check_parse);
    if (!d.session) {
        netsnmp_transport_free(t);
        throw std::runtime_error("cannot open an SNMP session on " + spec);
    }
    Impl::instance = &d;
    d.started = Clock::now();
    if (d.opt.traffic)
        d.traffic.emplace(d.data);

    if (d.opt.flapSeconds > 0) {
        d.chooseFlapPorts();
        struct timeval tv;
        tv.tv_sec = static_cast<long>(d.opt.flapSeconds);
        tv.tv_usec = static_cast<long>((d.opt.flapSeconds - static_cast<double>(tv.tv_sec)) * 1e6);
        snmp_alarm_register_hr(tv, SA_REPEAT, Impl::flapTick, &d);
    }
    if (g_wakePipe[0] >= 0)
        register_readfd(g_wakePipe[0], [](int fd, void*) {
            char buf[16];
            while (::read(fd, buf, sizeof buf) > 0) {}
        }, nullptr);
}

int SimAgent::run()
{
    Impl& d = *d_;
    while (!g_signal && !d.stopRequested) {
        agent_check_and_process(1);
        if (d.resetPending)
            d.warmStart();
    }
    return g_signal;
}

void SimAgent::stop() { d_->stopRequested = true; }

} // namespace ksw::sim
