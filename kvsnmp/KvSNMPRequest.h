// The unit of SNMP work: one variable list, one agent with its security, and
// the operations that read the list from the agent (one PDU for scalars or a
// row, a get-next walk for a table) and write it back, synchronously or with a
// callback delivered on the GUI thread by the session's event pump.
#pragma once

#include "KvSNMPSession.h"
#include "KvSNMPVarList.h"
#include "engine/SnmpEngine.h"
#include "kvsnmp/KvSNMPTableWalk.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The outcome handed to asynchronous callbacks.
struct KvSNMPError {
    std::int32_t Code = 0;        // unified code, 0 = success
    std::int32_t ErrorIndex = 0;  // the PDU's error index (1-based), 0 if none
    std::string Message;
    KvSNMPDevice Device;          // the peer the response came from
    bool Finished = true;         // no further request follows for this operation
};

// Whether new requests walk tables with get-bulk (v2c and v3); the module's
// configuration file can turn it off.
extern bool DefaultUseGetBulk;

// Called exactly once per asynchronous request that gets a response or times
// out, with the user data given to GetAsync / SetAsync and the request's list.
using KvSNMPCallback = void (*)(void* userData, const KvSNMPError& error, KvSNMPVarList& variables);

class KvSNMPRequest {
public:
    KvSNMPRequest();
    // Marks the request not alive and lets outstanding responses arrive for at
    // most six seconds; responses arriving later are dropped unseen.
    virtual ~KvSNMPRequest();
    KvSNMPRequest(const KvSNMPRequest&) = delete;
    KvSNMPRequest& operator=(const KvSNMPRequest&) = delete;

    bool UseGetNext = false;           // a row list (kind 1) read with get-next
    // Table walks over v2c and v3 ask with get-bulk: the same rows, fewer round
    // trips.  A walk goes on with get-next after a get-bulk is refused; after its
    // first get-bulk timed out, get-bulk is tried once more when get-next is answered.
    bool UseGetBulk = DefaultUseGetBulk;
    std::int32_t Timeout;              // hundredths of a second per attempt
    std::int32_t Retries = 1;
    KvSNMPDevice Device;
    KvSNMPScope Scope;
    KvSNMPSecurity Security;
    KvSNMPVarList Variables;
    std::string RowFilter;             // logic expression a row must satisfy; empty accepts all
    bool Alive = true;
    std::int32_t Pending = 0;          // asynchronous requests sent and not yet answered

    // Synchronous read; first = false continues a table walk from each item's
    // CurrentOid.  True when another row follows.  Raises KvSNMPException.
    bool Get(bool first);
    // The same read, answered through callback; raises only errors found before sending.
    void GetAsync(KvSNMPCallback callback, void* userData, bool first);
    // Writes the list's values; selection is a comma-separated list of item
    // indices, empty for all items.
    void Set(const std::string& selection);
    void SetAsync(KvSNMPCallback callback, void* userData, const std::string& selection);

    // Raises the bad-syntax error naming the item, as a write would, when the
    // item's value text cannot be sent (a key item: cannot address a row);
    // sends nothing.  Lets a form refuse a mistyped value before writing any.
    void CheckValue(int index);

    // Decodes the keys of a row from its instance text (raises -514 when the
    // instance runs out before the keys do).
    void KeysFromInstance(const std::string& instance);
    // The instance text of the row the key values stand for.
    std::string InstanceFromKeys();

    bool CheckRowFilter() { return EvaluateCondition(RowFilter); }
    bool CheckCondition(const std::string& condition) { return EvaluateCondition(condition); }

    // ---- replaceable behaviour ----
    virtual std::string SubstituteVariables(const std::string& expression, bool quoteStrings,
                                            const std::string& marker);
    virtual std::string DecodeKey(int keyIndex, const std::string& instance);
    virtual std::string EncodeKey(int keyIndex);
    virtual void ValueFromBinding(int index, const engine::VarBind& binding);
    virtual void BindingFromValue(int index, engine::VarBind& binding);
    virtual void EvaluateDerived(int index, bool afterRead);
    virtual bool EvaluateCondition(const std::string& condition);
    // True when a table column has ended: the received OID left the column, or
    // did not advance past the previous one (empty when there is none yet).
    // Depends on its arguments and the list's kind only.
    virtual bool IsColumnDone(const engine::Oid& prefix, const engine::Oid& previous,
                              const engine::Oid& received);
    // The same question about dotted texts (a previous text that is no OID
    // counts as none); answered by the operation above.
    bool IsColumnDone(const std::string& prefix, const std::string& previousOid,
                      const std::string& receivedOid);

private:
    friend class KvSNMPTableWalk;
    enum class Mode { FirstRead, NextRead };

    bool isTable() const;
    engine::Target target() const;
    // The target of a read: a walk's later reads keep the one its first read
    // built while the request's addressing stays the same.  v3 builds it for
    // every read, as building registers the user's current credentials.
    const engine::Target& readTarget(Mode mode);
    engine::Pdu buildWritePdu(const std::string& selection);
    void sendRead(Mode mode, KvSNMPCallback callback, void* userData);
    // The answer to a read goes to the walk's step; asked again, or delivered.
    void handleRead(engine::Response&& response, const KvSNMPTableWalk::Read& read, Mode mode,
                    KvSNMPCallback callback, void* userData);
    // asked: the number of bindings sent, which the write's response must match.
    void handleWrite(const engine::Response& response, std::size_t asked, KvSNMPCallback callback,
                     void* userData);
    // The next row of the get-bulk answer at hand, answered from the event loop.
    void deliverBulkRow(KvSNMPCallback callback, void* userData);
    // Hands the outcome to the user's callback; nothing leaves by an exception.
    void deliver(KvSNMPError& e, KvSNMPCallback callback, void* userData);

    // Which operation reads next, the rows at hand and where each column stands.
    KvSNMPTableWalk walk_{*this};
    // The target readTarget keeps, with what it was built from.
    struct ReadTarget {
        bool valid = false;
        KvSNMPDevice device;
        KvSNMPScope scope;
        KvSNMPSecurity security;
        std::int32_t timeout = 0;
        std::int32_t retries = 0;
        engine::Target target;
    };
    ReadTarget readTarget_;

    // Shared with the callbacks of outstanding requests: null once the request is gone.
    std::shared_ptr<KvSNMPRequest*> self_;
};
