// Text and value conversions for every syntax.  Properties:
//  - a received value shows as a text that converts back to a value showing the
//    same text (an unchanged field can be sent again), and for the syntaxes that
//    hold a value exactly, back to the very value received;
//  - a typed text converts or is refused with the bad-syntax error; what it
//    converts to shows as a text with the same properties.
// Input: syntax selector, tag selector, eight number octets, then the octets (or
// the typed text); the OID of an object-id value is read from the same octets.
#include "FuzzSupport.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"

#include <cstring>

namespace {

using namespace KvSyntax;

struct SyntaxCase {
    std::uint32_t syntax;
    std::uint8_t exactTag;   // the tag whose values must come back unchanged; 0 = none
};

const SyntaxCase kSyntaxes[] = {
    {Boolean, 0}, {Integer, engine::kInteger}, {BitStr, 0}, {OctetStr, engine::kOctetString}, {Null, 0},
    {ObjectId, engine::kObjectId}, {IpAddress, engine::kIpAddress}, {Counter, engine::kCounter32},
    {Gauge, engine::kGauge32}, {TimeTicks, engine::kTimeTicks}, {Opaque, engine::kOpaque}, {NsapAddr, 0},
    {Counter64, engine::kCounter64}, {UInteger, engine::kUInteger32}, {Double, 0}, {MacAddress, 0},
    {DateTime, 0}, {BcDateTime, 0}, {DisplayStr, engine::kOctetString}, {Ipv6Address, 0},
    {Int8, 0}, {UInt16, 0},   // not handled: always the bad-syntax error
};

const std::uint8_t kTags[] = {
    engine::kInteger, engine::kBitString, engine::kOctetString, engine::kNull, engine::kObjectId,
    engine::kIpAddress, engine::kCounter32, engine::kGauge32, engine::kTimeTicks, engine::kOpaque,
    engine::kNsapAddress, engine::kCounter64, engine::kUInteger32, engine::kNoSuchObject,
    engine::kNoSuchInstance, engine::kEndOfMibView,
};

bool handled(std::uint32_t syntax)
{
    return syntax != Int8 && syntax != UInt16;
}

// Compares the member that belongs to the tag.
bool same(const engine::Value& a, const engine::Value& b)
{
    if (a.tag != b.tag)
        return false;
    switch (a.tag) {
    case engine::kObjectId:
        return a.oid == b.oid;
    case engine::kOctetString: case engine::kBitString: case engine::kOpaque: case engine::kNsapAddress:
    case engine::kIpAddress:
        return a.octets == b.octets;
    default:
        return a.number == b.number;
    }
}

std::string describe(const KvSNMPVarItem& item, const std::string& what)
{
    return "syntax " + std::to_string(item.Syntax) + ": " + what;
}

// Shows the value; checks that the text converts back to a value that shows the
// same.  A received value that is none of the syntax (a date out of any calendar)
// may show as a text that is refused, but only with the bad-syntax error.
void checkShownText(KvSNMPVarItem& item, const engine::Value& value, bool received)
{
    // The markers of a value not read are sent as no value, whoever wrote them
    // (an agent's text that reads like one included).
    const std::string shown = KvValueFromBinding(item, value);
    if (shown == KvNullText || shown == KvNotDoneText)
        return;
    item.Value = shown;
    engine::Value back;
    try {
        back = KvBindingFromValue(item);
    } catch (const KvSNMPException& e) {
        if (received && e.Code() == KvLibraryCode(KvBadSyntax))
            return;
        fuzz::Fail(describe(item, "the shown text \"" + shown + "\" is refused: " + e.Message()));
    }
    // An unsigned number an agent sends for an INTEGER object shows as it came;
    // beyond INTEGER's range that text is refused (above) rather than sent.
    if (received && item.Syntax == KvSyntax::Integer && value.tag != engine::kInteger)
        return;
    const std::string again = KvValueFromBinding(item, back);
    fuzz::Check(again == shown, describe(item, "\"" + shown + "\" is sent as a value showing \"" + again + "\""));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    const SyntaxCase& c = kSyntaxes[data[0] % std::size(kSyntaxes)];
    KvSNMPVarItem item;
    item.Oid = "1.3.6.1.4.1.1";
    item.Syntax = c.syntax;
    item.Access = KvAccess::ReadWrite;

    engine::Value received;
    received.tag = kTags[data[1] % std::size(kTags)];
    std::memcpy(&received.number, data + 2, 8);
    if (received.tag != engine::kCounter64)
        received.number &= 0xFFFFFFFFu;   // the engine's 32-bit values
    const auto rest = fuzz::Bytes(data + 10, size - 10);
    switch (received.tag) {
    case engine::kIpAddress:
        received.octets = std::string(rest.substr(0, 4));
        break;
    case engine::kOctetString: case engine::kBitString: case engine::kOpaque: case engine::kNsapAddress:
        received.octets = std::string(rest);
        break;
    case engine::kObjectId:
        for (std::size_t i = 0; i < rest.size(); ++i) {
            // A byte from 0xF0 up announces an arc of four octets.
            std::uint32_t arc = static_cast<std::uint8_t>(rest[i]);
            if (arc >= 0xF0 && i + 4 < rest.size()) {
                std::memcpy(&arc, rest.data() + i + 1, 4);
                i += 4;
            }
            received.oid.push_back(arc);
        }
        break;
    }

    if (!handled(c.syntax)) {
        try {
            KvValueFromBinding(item, received);
            fuzz::Fail(describe(item, "an unhandled syntax was shown"));
        } catch (const KvSNMPException& e) {
            fuzz::Check(e.Code() == KvLibraryCode(KvBadSyntax), "unexpected code " + std::to_string(e.Code()));
        }
        return 0;
    }

    checkShownText(item, received, true);
    const bool exactValue = received.tag == c.exactTag
        && (received.tag != engine::kIpAddress || received.octets.size() == 4)
        && (received.tag != engine::kObjectId || !received.oid.empty());
    if (exactValue) {
        item.Value = KvValueFromBinding(item, received);
        if (item.Value == KvNullText || item.Value == KvNotDoneText)
            return 0;   // a marker is sent as no value (see checkShownText)
        fuzz::Check(same(KvBindingFromValue(item), received), describe(item, "\"" + item.Value + "\" is sent as another value"));
    }

    // The octets as a typed text (but the markers, see above).
    item.Value = std::string(rest);
    if (item.Value == KvNullText || item.Value == KvNotDoneText)
        return 0;
    engine::Value typed;
    try {
        typed = KvBindingFromValue(item);
    } catch (const KvSNMPException& e) {
        fuzz::Check(e.Code() == KvLibraryCode(KvBadSyntax), "unexpected code " + std::to_string(e.Code()));
        return 0;
    }
    checkShownText(item, typed, false);
    return 0;
}
