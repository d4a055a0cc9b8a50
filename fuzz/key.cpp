// Key values in instances.  Property: decoding a key from an instance and
// encoding it again gives back the sub-identifiers it was decoded from, or one of
// the two steps refuses with the module's error: a key is never sent as another
// row's.  Keys shown in a rounded form (booleans, doubles, date-times) need only
// come back as the same key text.  Input: key syntax selector, flags (bit 0:
// implied last key), then the instance's sub-identifiers (a byte from 0xF0 up
// announces one of four octets).
#include "FuzzSupport.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"

#include <cstring>

namespace {

using namespace KvSyntax;

const std::uint32_t kSyntaxes[] = {
    Boolean, Integer, BitStr, OctetStr, Null, ObjectId, IpAddress, Counter, Gauge, TimeTicks, Opaque,
    NsapAddr, Counter64, UInteger, Double, MacAddress, DateTime, BcDateTime, DisplayStr, Ipv6Address,
};

bool rounded(std::uint32_t syntax)
{
    return syntax == Boolean || syntax == Double || syntax == DateTime || syntax == BcDateTime;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    KvSNMPVarItem key;
    key.Oid = "1.3.6.1.4.1.1.1";
    key.Syntax = kSyntaxes[data[0] % std::size(kSyntaxes)];
    key.Access = KvAccess::ReadOnly;
    const bool implied = data[1] & 1;

    std::string instance;
    for (std::size_t i = 2; i < size; ++i) {
        std::uint32_t arc = data[i];
        if (arc >= 0xF0 && i + 4 < size) {
            std::memcpy(&arc, data + i + 1, 4);
            i += 4;
        }
        if (!instance.empty())
            instance += '.';
        instance += std::to_string(arc);
    }

    std::string rest, encoded;
    try {
        rest = KvDecodeKey(key, implied, instance);
        if (key.Value == KvNullText)
            return 0;   // too few sub-identifiers for the key: no row
        encoded = KvEncodeKey(key, implied);
    } catch (const KvSNMPException&) {
        return 0;
    }
    const std::string back = rest.empty() ? encoded : encoded.empty() ? rest : encoded + "." + rest;
    if (rounded(key.Syntax)) {
        KvSNMPVarItem again = key;
        KvDecodeKey(again, implied, encoded);
        fuzz::Check(again.Value == key.Value, "syntax " + std::to_string(key.Syntax) + ": key \"" + key.Value
                        + "\" encoded as " + encoded + " decodes to \"" + again.Value + "\"");
        return 0;
    }
    fuzz::Check(back == instance, "syntax " + std::to_string(key.Syntax) + (implied ? " implied" : "")
                    + ": instance " + instance + " decodes to \"" + key.Value + "\", encoded " + encoded
                    + " with " + rest + " left");
    return 0;
}
