// Small pieces the request and its table walk share; not for other users.
#pragma once

#include "engine/SnmpEngine.h"
#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include <string>

namespace kvsnmp_detail {

inline KvSNMPException mappedError(int raw)
{
    const KvMappedCode m = MapErrorCode(raw);
    return KvSNMPException(m.Code, m.Message);
}

inline engine::Oid oidOrThrow(const std::string& text)
{
    auto oid = KvOidFromText(text);
    if (!oid)
        throw mappedError(engine::kInvalidObjectId);
    return std::move(*oid);
}

// Bindings are matched to the items asked for by position: an answer with
// another count would put values into the wrong items, or none into some.
inline void checkAnswered(std::size_t received, std::size_t asked)
{
    if (received != asked)
        throw LibraryError(KvResponseMismatch);
}

// The responder of a response; the agent asked when the engine knows none.
inline KvSNMPDevice deviceOf(const engine::Response& response, const KvSNMPDevice& fallback)
{
    if (response.peerAddress.empty())
        return fallback;
    return KvSNMPDevice{response.peerAddress, response.peerPort};
}

} // namespace kvsnmp_detail
