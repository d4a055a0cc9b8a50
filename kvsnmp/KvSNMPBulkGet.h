// One get-bulk of explicit OIDs, answered with the bindings as they came.
//
// Table walks read through KvSNMPRequest, which turns answers into rows of
// text.  A poller that wants many instances of a few columns at once, with a
// scalar beside them from the same moment, needs the get-bulk itself: the
// first nonRepeaters OIDs get one successor each, the others maxRepetitions,
// and the caller places the bindings.  Addressing and time-outs are a
// request's; the answer arrives on the GUI thread through the session's
// event pump.
#pragma once

#include "KvSNMPRequest.h"
#include "engine/SnmpEngine.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class KvSNMPBulkGet {
public:
    // error.Code 0: bindings holds the answer; otherwise the outcome's code
    // and message, and no bindings.
    using Done = std::function<void(const KvSNMPError& error, std::span<const engine::VarBind> bindings)>;

    KvSNMPBulkGet();
    // Lets outstanding answers arrive for at most six seconds without handing
    // them to anyone; later ones are dropped unseen.
    ~KvSNMPBulkGet();
    KvSNMPBulkGet(const KvSNMPBulkGet&) = delete;
    KvSNMPBulkGet& operator=(const KvSNMPBulkGet&) = delete;

    std::int32_t Timeout;   // hundredths of a second per attempt
    std::int32_t Retries = 1;
    KvSNMPDevice Device;
    KvSNMPScope Scope;
    KvSNMPSecurity Security;
    // Sent and not yet answered.
    std::int32_t Pending() const { return state_->pending; }

    // Raises KvSNMPException for what fails before sending (SNMPv1, which has
    // no get-bulk; no session; an address that does not resolve).
    void Send(std::vector<engine::Oid> oids, int nonRepeaters, int maxRepetitions, Done done);

private:
    // Shared with the answers still to come: they find the object through it
    // while it lives, and count down even after it is gone.
    struct State {
        KvSNMPBulkGet* owner = nullptr;
        std::int32_t pending = 0;
    };
    std::shared_ptr<State> state_;
};
