#include "kvsnmp/KvSyntaxCodec.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "kvsnmp/KvTextScan.h"

#include <QString>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

using namespace kvscan;
using namespace KvSyntax;

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

[[noreturn]] void fail(int row)
{
    throw LibraryError(row);
}

[[noreturn]] void badSyntax()
{
    fail(KvBadSyntax);
}

bool isMarker(const std::string& text)
{
    return text == KvNullText || text == KvNotDoneText;
}

// Number texts are read leniently ("12 ports" is 12), but a text with something
// other than a number at its front is refused rather than sent as 0.  An empty
// text and the markers of a value not read still read as 0: dialogs leave unused
// fields empty, and a walk past the end of a key column encodes the marker.
bool isNumberMarker(const std::string& text)
{
    return isMarker(text) || skipBlanks(text).empty();
}

const std::string& numberOrBad(const std::string& text)
{
    if (isNumberMarker(text))
        return text;
    std::string_view s = skipBlanks(text);
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    if (s.empty() || !isDigit(s.front()))
        badSyntax();
    return text;
}

const std::string& realOrBad(const std::string& text)
{
    if (isNumberMarker(text))
        return text;
    std::string_view s = skipBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double v = 0;
    if (std::from_chars(s.data(), s.data() + s.size(), v).ec == std::errc::invalid_argument)
        badSyntax();
    return text;
}

bool isOctetsTag(std::uint8_t tag)
{
    return tag == engine::kOctetString || tag == engine::kBitString || tag == engine::kOpaque
        || tag == engine::kNsapAddress || tag == engine::kIpAddress;
}

bool isNumberTag(std::uint8_t tag)
{
    return tag == engine::kInteger || tag == engine::kCounter32 || tag == engine::kGauge32
        || tag == engine::kTimeTicks || tag == engine::kUInteger32 || tag == engine::kCounter64;
}

engine::Value makeNumber(std::uint8_t tag, std::uint64_t number)
{
    engine::Value v;
    v.tag = tag;
    v.number = number;
    return v;
}

engine::Value makeOctets(std::string octets, std::uint8_t tag = engine::kOctetString)
{
    engine::Value v;
    v.tag = tag;
    v.octets = std::move(octets);
    return v;
}

// ---- octet layouts ----

// Numbers lowest byte first, as the agents store them.
std::string littleEndian(std::uint64_t value, std::size_t bytes)
{
    std::string out(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::uint64_t readLittle(std::string_view o, std::size_t bytes)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(o[i])) << (8 * i);
    return v;
}

std::string bigEndian16(std::uint16_t v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}

std::uint16_t readBig16(std::string_view o)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(o[0]) << 8) | static_cast<unsigned char>(o[1]));
}

std::string octetsOfDouble(double d)
{
    return littleEndian(std::bit_cast<std::uint64_t>(d), 8);
}

double doubleOfOctets(std::string_view o)
{
    return std::bit_cast<double>(readLittle(o, 8));
}

std::uint8_t byteAt(std::string_view octets, std::size_t i)
{
    return static_cast<std::uint8_t>(octets[i]);
}

std::optional<std::uint32_t> parseDottedQuad(std::string_view text)
{
    const auto oid = KvOidFromText(text);
    if (!oid || oid->size() != 4)
        return std::nullopt;
    std::uint32_t a = 0;
    for (std::uint32_t part : *oid) {
        if (part > 255)
            return std::nullopt;
        a = (a << 8) | part;
    }
    return a;
}

std::string dottedQuad(std::string_view octets)
{
    std::string out;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i)
            out += '.';
        out += std::to_string(byteAt(octets, i));
    }
    return out;
}

std::string hexOrBad(const std::string& text)
{
    auto octets = KvOctetsFromHex(text);
    if (!octets)
        badSyntax();
    return *octets;
}

std::string hexOrBadField(const std::string& text)
{
    auto octets = KvOctetsFromHex(text);
    if (!octets)
        fail(KvBadPartialValue);
    return *octets;
}

// The octets of a hex text that must have exactly this length: anything else
// would address another row.
std::string octetsOfLength(const std::string& text, std::size_t length)
{
    std::string octets = hexOrBad(text);
    if (octets.size() != length)
        badSyntax();
    return octets;
}

std::string dateTimeOctetsOrBad(const std::string& text)
{
    auto dt = KvDateTime::Parse(text);
    if (!dt)
        badSyntax();
    return dt->Octets();
}

double dayCountOrBad(const std::string& text)
{
    auto d = KvDayCountFromText(text);
    if (!d)
        badSyntax();
    return *d;
}

// ---- instance sub-identifiers ----

// Each sub-identifier of an octet key is one octet: a larger one is refused,
// as cutting it to its low byte would name another row.
std::string octetsOf(const std::vector<std::uint32_t>& ids)
{
    std::string out;
    out.reserve(ids.size());
    for (std::uint32_t id : ids) {
        if (id > 0xFF)
            badSyntax();
        out += static_cast<char>(id);
    }
    return out;
}

void appendOctets(std::vector<std::uint32_t>& ids, std::string_view octets)
{
    for (char c : octets)
        ids.push_back(static_cast<unsigned char>(c));
}

// Exactly n sub-identifiers; nothing when the instance ends before.
std::optional<std::vector<std::uint32_t>> fixedIds(KvInstanceReader& in, std::size_t n)
{
    auto ids = in.Take(n);
    if (ids.size() != n)
        return std::nullopt;
    return ids;
}

// Length-prefixed (or, for the last implied key, all remaining) sub-identifiers.
// A length beyond the end of the instance is refused: taking what is there would
// give a shorter key, that is another row's.
std::vector<std::uint32_t> variableIds(KvInstanceReader& in, bool implied)
{
    if (implied)
        return in.TakeAll();
    const auto length = in.Take(1);
    if (length.empty())
        fail(KvBadKeyCount);   // not even the length: the instance lacks the key
    auto ids = in.Take(length[0]);
    if (ids.size() != length[0])
        badSyntax();
    return ids;
}

void putVariable(std::vector<std::uint32_t>& ids, bool implied, std::string_view octets)
{
    if (!implied)
        ids.push_back(static_cast<std::uint32_t>(octets.size()));
    appendOctets(ids, octets);
}

// A double key: low 32 bits, then high 32 bits.
double doubleOfHalves(const std::vector<std::uint32_t>& ids)
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(ids[1]) << 32 | ids[0]);
}

void putHalves(std::vector<std::uint32_t>& ids, double d)
{
    const auto bits = std::bit_cast<std::uint64_t>(d);
    ids.push_back(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    ids.push_back(static_cast<std::uint32_t>(bits >> 32));
}

// ---- the syntaxes ----------------------------------------------------------------
// Each group below holds what one family of syntaxes does in every part of its row.

// boolean: "true" / "false"
bool showBoolean(const engine::Value& v, std::string& text)
{
    if (!isNumberTag(v.tag))
        return false;
    text = v.number != 0 ? "true" : "false";
    return true;
}
engine::Value sendBoolean(const std::string& text)
{
    return makeNumber(engine::kInteger, text == "true" ? 1 : 0);
}
std::string decodeBoolean(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return !id ? KvNullText : *id != 0 ? "true" : "false";
}
void encodeBoolean(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(text == "true" ? 1 : 0);
}
std::string booleanOctets(const std::string& text)
{
    return littleEndian(text == "true" ? 1 : 0, 4);
}
std::string booleanText(const std::string& o)
{
    return readLittle(o, 4) ? "true" : "false";
}

// integer: signed 32-bit
bool showInteger(const engine::Value& v, std::string& text)
{
    if (v.tag == engine::kInteger)
        text = std::to_string(v.asInt32());
    else if (isNumberTag(v.tag))
        text = std::to_string(v.number);
    else
        return false;
    return true;
}
engine::Value sendInteger(const std::string& text)
{
    return makeNumber(engine::kInteger, static_cast<std::uint32_t>(KvLeadingInt32(numberOrBad(text))));
}
std::string decodeInteger(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? std::to_string(static_cast<std::int32_t>(*id)) : KvNullText;
}
void encodeInteger(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(static_cast<std::uint32_t>(KvLeadingInt32(numberOrBad(text))));
}
std::string integerOctets(const std::string& text)
{
    return littleEndian(static_cast<std::uint32_t>(KvLeadingInt32(text)), 4);
}
std::string integerText(const std::string& o)
{
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittle(o, 4))));
}

// bitstr, octetstr, opaque, macaddress, ipv6address: hex text of the octets
bool showHex(const engine::Value& v, std::string& text)
{
    if (!isOctetsTag(v.tag))
        return false;
    text = KvHexText(v.octets);
    return true;
}
// BITS travel as an OCTET STRING (RFC 2578); agents refuse a BIT STRING as the wrong type.
engine::Value sendHex(const std::string& text)
{
    return makeOctets(hexOrBad(text));
}
engine::Value sendOpaque(const std::string& text)
{
    return makeOctets(hexOrBad(text), engine::kOpaque);
}
std::string decodeHex(KvInstanceReader& in, bool implied)
{
    return KvHexText(octetsOf(variableIds(in, implied)));
}
void encodeHex(const std::string& text, bool implied, std::vector<std::uint32_t>& ids)
{
    putVariable(ids, implied, hexOrBad(text));
}
std::string decodeMac(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 6);
    return ids ? KvHexText(octetsOf(*ids)) : KvNullText;
}
void encodeMac(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    appendOctets(ids, octetsOfLength(text, 6));
}
std::string decodeIpv6(KvInstanceReader& in, bool implied)
{
    if (implied) {
        const auto ids = in.TakeAll();
        if (ids.size() != 16)
            badSyntax();
        return KvHexText(octetsOf(ids));
    }
    const auto ids = fixedIds(in, 16);
    return ids ? KvHexText(octetsOf(*ids)) : KvNullText;
}
void encodeIpv6(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    appendOctets(ids, octetsOfLength(text, 16));
}
std::string hexOctets(const std::string& text)
{
    return hexOrBadField(text);
}
std::string hexText(const std::string& o)
{
    return KvHexText(o);
}
std::string macText(const std::string& o)
{
    return KvHexText(o.substr(0, 6));
}
std::string ipv6Text(const std::string& o)
{
    return KvHexText(o.substr(0, 16));
}
std::vector<std::string> splitHex(const KvSyntaxCodec& self, const std::string&, const KvOctetsSource& octets, int edits)
{
    const std::string& o = octets();
    const int shown = self.Edits ? self.Edits : edits;
    if (!self.Edits && static_cast<int>(o.size()) > edits)
        fail(KvNotEnoughControls);
    std::vector<std::string> fields(static_cast<std::size_t>(shown));
    static const char digits[] = "0123456789ABCDEF";
    for (std::size_t k = 0; k < fields.size() && k < o.size(); ++k)
        fields[k] = {digits[byteAt(o, k) >> 4], digits[byteAt(o, k) & 0x0F]};
    return fields;
}
std::string joinHex(const KvSyntaxCodec& self, const std::vector<std::string>& fields)
{
    const std::size_t used = self.Edits ? static_cast<std::size_t>(self.Edits) : fields.size();
    std::string text;
    for (std::size_t k = 0; k < used; ++k) {
        const std::string& piece = fields[k];
        text += piece.empty() ? std::string("00") : piece.size() == 1 ? "0" + piece : piece;
    }
    return text;
}

// null
bool showNothing(const engine::Value&, std::string&)
{
    return false;
}
engine::Value sendNull(const std::string&)
{
    return engine::Value::null();
}
std::string decodeNull(KvInstanceReader&, bool)
{
    return KvNullText;
}
void encodeNull(const std::string&, bool, std::vector<std::uint32_t>&)
{
}
std::string nullOctets(const std::string&)
{
    return {};
}
std::string nullText(const std::string&)
{
    return KvNullText;
}

// objectid: dotted decimal
bool showOid(const engine::Value& v, std::string& text)
{
    if (v.tag != engine::kObjectId || v.oid.empty())
        return false;
    KvOidText(v.oid, text);
    return true;
}
engine::Value sendOid(const std::string& text)
{
    auto oid = KvOidFromText(text);
    if (!oid)
        badSyntax();
    engine::Value v;
    v.tag = engine::kObjectId;
    v.oid = std::move(*oid);
    return v;
}
std::string decodeOid(KvInstanceReader& in, bool implied)
{
    // An OID has at least one arc: none means the instance lacks the key.
    const auto arcs = variableIds(in, implied);
    if (arcs.empty())
        fail(KvBadKeyCount);
    return KvOidText(arcs);
}
void encodeOid(const std::string& text, bool implied, std::vector<std::uint32_t>& ids)
{
    auto oid = KvOidFromText(text);
    if (!oid)
        badSyntax();
    if (!implied)
        ids.push_back(static_cast<std::uint32_t>(oid->size()));
    ids.insert(ids.end(), oid->begin(), oid->end());
}
std::string oidOctets(const std::string& text)
{
    auto ids = KvOidFromText(text);
    if (!ids)
        fail(KvBadPartialValue);
    std::string out;
    for (std::uint32_t id : *ids)
        out += littleEndian(id, 4);
    return out;
}
std::string oidText(const std::string& o)
{
    if (o.size() % 4)
        fail(KvBadPartialValue);
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 0; i < o.size(); i += 4)
        ids.push_back(static_cast<std::uint32_t>(readLittle(std::string_view(o).substr(i, 4), 4)));
    return KvOidText(ids);
}
std::vector<std::string> splitOid(const KvSyntaxCodec&, const std::string& text, const KvOctetsSource&, int edits)
{
    std::vector<std::uint32_t> ids;
    if (!isMarker(text)) {
        auto parsed = KvOidFromText(text);
        if (!parsed)
            fail(KvBadPartialValue);
        ids = std::move(*parsed);
    }
    if (static_cast<int>(ids.size()) > edits)
        fail(KvNotEnoughControls);
    std::vector<std::string> fields(static_cast<std::size_t>(edits));
    for (std::size_t k = 0; k < ids.size(); ++k)
        fields[k] = std::to_string(ids[k]);
    return fields;
}
// An identifier shorter than the row of edits leaves the last ones empty.
std::string joinOid(const KvSyntaxCodec&, const std::vector<std::string>& fields)
{
    std::string text;
    for (const std::string& f : fields) {
        if (QString::fromStdString(f).trimmed().isEmpty())
            continue;
        if (!text.empty())
            text += '.';
        text += std::to_string(KvLeadingUInt32(f));
    }
    return text;
}

// ipaddress, nsapaddr: dotted quad
bool showAddress(const engine::Value& v, std::string& text)
{
    if (!isOctetsTag(v.tag) || v.octets.size() < 4)
        return false;
    text = dottedQuad(v.octets);
    return true;
}
template <std::uint8_t Tag>
engine::Value sendAddress(const std::string& text)
{
    auto a = parseDottedQuad(text);
    if (!a)
        badSyntax();
    std::string o(4, '\0');
    for (int i = 0; i < 4; ++i)
        o[static_cast<std::size_t>(i)] = static_cast<char>((*a >> (24 - 8 * i)) & 0xFF);
    return makeOctets(std::move(o), Tag);
}
std::string decodeAddress(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 4);
    return ids ? dottedQuad(octetsOf(*ids)) : KvNullText;
}
void encodeAddress(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    auto a = parseDottedQuad(text);
    if (!a)
        badSyntax();
    for (int i = 3; i >= 0; --i)
        ids.push_back((*a >> (8 * i)) & 0xFF);
}
// One byte per component, each of at most three digits.
std::string addressOctets(const std::string& text)
{
    std::string out;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        std::size_t end = text.find('.', pos);
        if ((part < 3) != (end != std::string::npos))
            fail(KvBadPartialValue);
        const std::string piece = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (piece.empty() || piece.size() > 3 || piece.find_first_not_of("0123456789") != std::string::npos)
            fail(KvBadPartialValue);
        const int value = std::stoi(piece);
        if (value > 255)
            fail(KvBadPartialValue);
        out += static_cast<char>(value);
        pos = end + 1;
    }
    return out;
}
std::string addressText(const std::string& o)
{
    return dottedQuad(o);
}
std::vector<std::string> splitAddress(const KvSyntaxCodec&, const std::string& text, const KvOctetsSource& octets, int)
{
    if (isMarker(text))
        return {};
    const std::string& o = octets();
    std::vector<std::string> fields;
    for (std::size_t k = 0; k < 4; ++k)
        fields.push_back(std::to_string(byteAt(o, k)));
    return fields;
}
std::string joinAddress(const KvSyntaxCodec&, const std::vector<std::string>& fields)
{
    std::string text;
    for (std::size_t k = 0; k < 4; ++k) {
        if (k)
            text += '.';
        text += std::to_string(KvLeadingUInt32(fields[k]));
    }
    return text;
}

// counter, guage, uinteger: unsigned 32-bit
bool showUnsigned(const engine::Value& v, std::string& text)
{
    if (!isNumberTag(v.tag))
        return false;
    text = std::to_string(static_cast<std::uint32_t>(v.number));
    return true;
}
template <std::uint8_t Tag>
engine::Value sendUnsigned(const std::string& text)
{
    return makeNumber(Tag, KvLeadingUInt32(numberOrBad(text)));
}
std::string decodeUnsigned(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? std::to_string(*id) : KvNullText;
}
void encodeUnsigned(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(KvLeadingUInt32(numberOrBad(text)));
}
std::string unsignedOctets(const std::string& text)
{
    return littleEndian(KvLeadingUInt32(text), 4);
}
std::string unsignedText(const std::string& o)
{
    return std::to_string(static_cast<std::uint32_t>(readLittle(o, 4)));
}

// timeticks: "1 day 0:00:01.02"; five edits: days, hours, minutes, seconds, hundredths
bool showTicks(const engine::Value& v, std::string& text)
{
    if (!isNumberTag(v.tag))
        return false;
    text = KvTimeTicksText(static_cast<std::uint32_t>(v.number));
    return true;
}
engine::Value sendTicks(const std::string& text)
{
    return makeNumber(engine::kTimeTicks, KvTimeTicksFromText(text));
}
std::string decodeTicks(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? KvTimeTicksText(*id) : KvNullText;
}
void encodeTicks(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(KvTimeTicksFromText(text));
}
std::string ticksOctets(const std::string& text)
{
    return littleEndian(KvTimeTicksFromText(text), 4);
}
std::string ticksText(const std::string& o)
{
    return KvTimeTicksText(static_cast<std::uint32_t>(readLittle(o, 4)));
}
std::vector<std::string> splitTicks(const KvSyntaxCodec&, const std::string& text, const KvOctetsSource&, int)
{
    if (isMarker(text))
        return {};
    const std::uint32_t t = KvTimeTicksFromText(text);
    return {std::to_string(t / 8640000), std::to_string(t % 8640000 / 360000), std::to_string(t % 360000 / 6000),
            std::to_string(t % 6000 / 100), std::to_string(t % 100)};
}
std::string joinTicks(const KvSyntaxCodec&, const std::vector<std::string>& fields)
{
    const std::uint64_t t = std::uint64_t{KvLeadingUInt32(fields[0])} * 8640000
        + std::uint64_t{KvLeadingUInt32(fields[1])} * 360000 + std::uint64_t{KvLeadingUInt32(fields[2])} * 6000
        + std::uint64_t{KvLeadingUInt32(fields[3])} * 100 + KvLeadingUInt32(fields[4]);
    return KvTimeTicksText(static_cast<std::uint32_t>(std::min<std::uint64_t>(t, kMax32)));
}

// counter64: unsigned 64-bit; a key is its high, then its low 32 bits
bool showCounter64(const engine::Value& v, std::string& text)
{
    if (!isNumberTag(v.tag))
        return false;
    text = std::to_string(v.number);
    return true;
}
engine::Value sendCounter64(const std::string& text)
{
    return makeNumber(engine::kCounter64, KvLeadingUInt64(numberOrBad(text)));
}
std::string decodeCounter64(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 2);
    return ids ? std::to_string(static_cast<std::uint64_t>((*ids)[0]) << 32 | (*ids)[1]) : KvNullText;
}
void encodeCounter64(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    const std::uint64_t v = KvLeadingUInt64(numberOrBad(text));
    ids.push_back(static_cast<std::uint32_t>(v >> 32));
    ids.push_back(static_cast<std::uint32_t>(v & 0xFFFFFFFFu));
}
std::string counter64Octets(const std::string& text)
{
    return littleEndian(KvLeadingUInt64(text), 8);
}
std::string counter64Text(const std::string& o)
{
    return std::to_string(readLittle(o, 8));
}

// double and bcdatetime: a double in 8 octets, lowest first; as a key its low,
// then its high 32 bits.  They differ in their text form alone.
template <std::string (*Text)(double)>
bool showReal(const engine::Value& v, std::string& text)
{
    if (!isOctetsTag(v.tag) || v.octets.size() < 8)
        return false;
    text = Text(doubleOfOctets(v.octets));
    return true;
}
template <double (*Read)(const std::string&)>
engine::Value sendReal(const std::string& text)
{
    return makeOctets(octetsOfDouble(Read(text)));
}
template <std::string (*Text)(double)>
std::string decodeReal(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 2);
    return ids ? Text(doubleOfHalves(*ids)) : KvNullText;
}
template <double (*Read)(const std::string&)>
void encodeReal(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    putHalves(ids, Read(text));
}
template <double (*Read)(const std::string&)>
std::string realOctets(const std::string& text)
{
    return octetsOfDouble(Read(text));
}
template <std::string (*Text)(double)>
std::string realText(const std::string& o)
{
    return Text(doubleOfOctets(o));
}
double doubleOrBad(const std::string& text)
{
    return KvLeadingDouble(realOrBad(text));
}
// A field is read as leniently as a typed number is not.
double doubleOfText(const std::string& text)
{
    return KvLeadingDouble(text);
}
double dayCountOfField(const std::string& text)
{
    auto days = KvDayCountFromText(text);
    if (!days)
        fail(KvBadPartialValue);
    return *days;
}

// datetime: the 11 octets of a DateAndTime; ten edits: year ... deci-seconds,
// direction, hours and minutes from UTC
bool showDateTime(const engine::Value& v, std::string& text)
{
    if (!isOctetsTag(v.tag))
        return false;
    const auto dt = KvDateTime::FromOctets(v.octets);
    if (!dt)
        return false;
    text = dt->Text();
    return true;
}
engine::Value sendDateTime(const std::string& text)
{
    return makeOctets(dateTimeOctetsOrBad(text));
}
std::string decodeDateTime(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 11);
    return ids ? KvDateTime::FromOctets(octetsOf(*ids))->Text() : KvNullText;
}
void encodeDateTime(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    appendOctets(ids, dateTimeOctetsOrBad(text));
}
std::string dateTimeOctets(const std::string& text)
{
    auto dt = KvDateTime::Parse(text);
    if (!dt)
        fail(KvBadPartialValue);
    return dt->Octets();
}
std::string dateTimeText(const std::string& o)
{
    return KvDateTime::FromOctets(o)->Text();
}
std::vector<std::string> splitDateTime(const KvSyntaxCodec&, const std::string& text, const KvOctetsSource& octets, int)
{
    if (isMarker(text))
        return {};
    const std::optional<KvDateTime> parsed = KvDateTime::FromOctets(octets());
    if (!parsed)
        fail(KvBadPartialValue);
    const KvDateTime& dt = *parsed;
    const int parts[] = {dt.Year, dt.Month, dt.Day, dt.Hour, dt.Minutes, dt.Seconds, dt.DeciSeconds};
    std::vector<std::string> fields;
    for (int p : parts)
        fields.push_back(std::to_string(p));
    fields.push_back(QString(QChar::fromLatin1(dt.Direction)).toStdString());
    fields.push_back(std::to_string(dt.HoursFromUtc));
    fields.push_back(std::to_string(dt.MinutesFromUtc));
    return fields;
}
std::string joinDateTime(const KvSyntaxCodec&, const std::vector<std::string>& fields)
{
    auto number = [&](std::size_t k) { return KvLeadingUInt32(fields[k]); };
    KvDateTime dt;
    dt.Year = static_cast<std::uint16_t>(number(0));
    dt.Month = static_cast<std::uint8_t>(number(1));
    dt.Day = static_cast<std::uint8_t>(number(2));
    dt.Hour = static_cast<std::uint8_t>(number(3));
    dt.Minutes = static_cast<std::uint8_t>(number(4));
    dt.Seconds = static_cast<std::uint8_t>(number(5));
    dt.DeciSeconds = static_cast<std::uint8_t>(number(6));
    const QString direction = QString::fromStdString(fields[7]);
    dt.Direction = direction.isEmpty() ? '+' : direction[0].toLatin1();
    dt.HoursFromUtc = static_cast<std::uint8_t>(number(8));
    dt.MinutesFromUtc = static_cast<std::uint8_t>(number(9));
    return dt.Text();
}

// bcdatetime in seven edits: year, month, day, hour, minute, second, millisecond
std::vector<std::string> splitDayCount(const KvSyntaxCodec&, const std::string& text, const KvOctetsSource& octets, int)
{
    if (isMarker(text))
        return {};
    const std::string& o = octets();
    if (o.size() < 8)
        fail(KvBadPartialValue);
    // A count beyond the calendar has no date to show in the edits.
    const std::optional<KvCalendarTime> c = KvDayCountCalendar(doubleOfOctets(o));
    if (!c)
        fail(KvBadPartialValue);
    const int t = c->Millisecond;
    const int parts[] = {c->Year, c->Month, c->Day, t / 3600000, t / 60000 % 60, t / 1000 % 60, t % 1000};
    std::vector<std::string> fields;
    for (int p : parts)
        fields.push_back(std::to_string(p));
    return fields;
}
std::string joinDayCount(const KvSyntaxCodec&, const std::vector<std::string>& fields)
{
    auto number = [&](std::size_t k) { return KvLeadingUInt32(fields[k]); };
    const double fraction = (number(3) * 3600000.0 + number(4) * 60000.0 + number(5) * 1000.0 + number(6)) / 86400000.0;
    const std::optional<double> days = KvCalendarDayCount(static_cast<int>(number(0)), static_cast<int>(number(1)),
                                                          static_cast<int>(number(2)), fraction);
    if (!days)
        fail(KvBadPartialValue);
    return KvDayCountText(*days);
}

// displaystr: the octets are the text
bool showDisplay(const engine::Value& v, std::string& text)
{
    if (!isOctetsTag(v.tag))
        return false;
    text = v.octets;
    return true;
}
engine::Value sendDisplay(const std::string& text)
{
    return makeOctets(text);
}
std::string decodeDisplay(KvInstanceReader& in, bool implied)
{
    return octetsOf(variableIds(in, implied));
}
void encodeDisplay(const std::string& text, bool implied, std::vector<std::uint32_t>& ids)
{
    putVariable(ids, implied, text);
}
std::string displayOctets(const std::string& text)
{
    return text;
}

// bool8, int8, uint8, bool16, int16, uint16: fields only expressions read
std::string bool8Octets(const std::string& text)
{
    return std::string(1, text == "true" ? '\1' : '\0');
}
std::string bool8Text(const std::string& o)
{
    return o[0] ? "true" : "false";
}
std::string byteOctets(const std::string& text)
{
    return std::string(1, static_cast<char>(KvLeadingInt32(text) & 0xFF));
}
std::string int8Text(const std::string& o)
{
    return std::to_string(static_cast<int>(static_cast<signed char>(o[0])));
}
std::string uint8Text(const std::string& o)
{
    return std::to_string(static_cast<unsigned>(byteAt(o, 0)));
}
std::string bool16Octets(const std::string& text)
{
    return bigEndian16(text == "true" ? 1 : 0);
}
std::string bool16Text(const std::string& o)
{
    return readBig16(o) ? "true" : "false";
}
std::string word16Octets(const std::string& text)
{
    return bigEndian16(static_cast<std::uint16_t>(KvLeadingInt32(text) & 0xFFFF));
}
std::string int16Text(const std::string& o)
{
    return std::to_string(static_cast<std::int16_t>(readBig16(o)));
}
std::string uint16Text(const std::string& o)
{
    return std::to_string(readBig16(o));
}

constexpr const char* kNull = "(NULL)";
constexpr const char* kEmpty = "";

// clang-format off
// syntax, keyword, plain text, truth value, prefix separator, show, absent, send,
// decode key, encode key,
// width, to octets, octets text, edits, split, join
constexpr KvSyntaxCodec kCodecs[] = {
    {Boolean,     "boolean",     false, true , 0  , showBoolean,   kNull,  sendBoolean,                     decodeBoolean,   encodeBoolean,    4, booleanOctets,   booleanText,   0, nullptr,       nullptr},
    {Integer,     "integer",     false, false, 0  , showInteger,   kNull,  sendInteger,                     decodeInteger,   encodeInteger,    4, integerOctets,   integerText,   0, nullptr,       nullptr},
    {BitStr,      "bitstr",      false, false, 0  , showHex,       kEmpty, sendHex,                         decodeHex,       encodeHex,       -1, hexOctets,       hexText,       0, splitHex,      joinHex},
    {OctetStr,    "octetstr",    false, false, 0  , showHex,       kEmpty, sendHex,                         decodeHex,       encodeHex,       -1, hexOctets,       hexText,       0, splitHex,      joinHex},
    {Null,        "null",        false, false, 0  , showNothing,   kNull,  sendNull,                        decodeNull,      encodeNull,       0, nullOctets,      nullText,      0, nullptr,       nullptr},
    {ObjectId,    "objectid",    false, false, '.', showOid,       kNull,  sendOid,                         decodeOid,       encodeOid,       -1, oidOctets,       oidText,       0, splitOid,      joinOid},
    {IpAddress,   "ipaddress",   false, false, 0  , showAddress,   kNull,  sendAddress<engine::kIpAddress>,   decodeAddress, encodeAddress,    4, addressOctets,   addressText,   4, splitAddress,  joinAddress},
    {Counter,     "counter",     false, false, 0  , showUnsigned,  kNull,  sendUnsigned<engine::kCounter32>,  decodeUnsigned, encodeUnsigned,  4, unsignedOctets,  unsignedText,  0, nullptr,       nullptr},
    {Gauge,       "guage",       false, false, 0  , showUnsigned,  kNull,  sendUnsigned<engine::kGauge32>,    decodeUnsigned, encodeUnsigned,  4, unsignedOctets,  unsignedText,  0, nullptr,       nullptr},
    {TimeTicks,   "timeticks",   false, false, 0  , showTicks,     kNull,  sendTicks,                       decodeTicks,     encodeTicks,      4, ticksOctets,     ticksText,     5, splitTicks,    joinTicks},
    {Opaque,      "opaque",      false, false, 0  , showHex,       kEmpty, sendOpaque,                      decodeHex,       encodeHex,       -1, hexOctets,       hexText,       0, splitHex,      joinHex},
    {NsapAddr,    "nsapaddr",    false, false, 0  , showAddress,   kNull,  sendAddress<engine::kNsapAddress>, decodeAddress, encodeAddress,    4, addressOctets,   addressText,   4, splitAddress,  joinAddress},
    {Counter64,   "counter64",   false, false, 0  , showCounter64, kNull,  sendCounter64,                   decodeCounter64, encodeCounter64,  8, counter64Octets, counter64Text, 0, nullptr,       nullptr},
    {UInteger,    "uinteger",    false, false, 0  , showUnsigned,  kNull,  sendUnsigned<engine::kUInteger32>, decodeUnsigned, encodeUnsigned,  4, unsignedOctets,  unsignedText,  0, nullptr,       nullptr},
    {Double,      "double",      false, false, 0  , showReal<KvDoubleText>,   kNull, sendReal<doubleOrBad>,   decodeReal<KvDoubleText>,   encodeReal<doubleOrBad>,   8, realOctets<doubleOfText>,    realText<KvDoubleText>,   0, nullptr, nullptr},
    {MacAddress,  "macaddress",  false, false, 0  , showHex,       kEmpty, sendHex,                         decodeMac,       encodeMac,        6, hexOctets,       macText,       6, splitHex,      joinHex},
    {DateTime,    "datetime",    false, false, 0  , showDateTime,  kNull,  sendDateTime,                    decodeDateTime,  encodeDateTime,  11, dateTimeOctets,  dateTimeText, 10, splitDateTime, joinDateTime},
    {BcDateTime,  "bcdatetime",  false, false, 0  , showReal<KvDayCountText>, kNull, sendReal<dayCountOrBad>, decodeReal<KvDayCountText>, encodeReal<dayCountOrBad>, 8, realOctets<dayCountOfField>, realText<KvDayCountText>, 7, splitDayCount, joinDayCount},
    {DisplayStr,  "displaystr",  true, false, 0  ,  showDisplay,   kEmpty, sendDisplay,                     decodeDisplay,   encodeDisplay,   -1, displayOctets,   nullptr,       0, nullptr,       nullptr},
    {Ipv6Address, "ipv6address", false, false, 0  , showHex,       kEmpty, sendHex,                         decodeIpv6,      encodeIpv6,      16, hexOctets,       ipv6Text,     16, splitHex,      joinHex},
    {Bool8,       "bool8",       false, true , 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          1, bool8Octets,     bool8Text,     0, nullptr,       nullptr},
    {Int8,        "int8",        false, false, 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          1, byteOctets,      int8Text,      0, nullptr,       nullptr},
    {UInt8,       "uint8",       false, false, 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          1, byteOctets,      uint8Text,     0, nullptr,       nullptr},
    {Bool16,      "bool16",      false, true , 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          2, bool16Octets,    bool16Text,    0, nullptr,       nullptr},
    {Int16,       "int16",       false, false, 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          2, word16Octets,    int16Text,     0, nullptr,       nullptr},
    {UInt16,      "uint16",      false, false, 0  , nullptr,       kNull,  nullptr,                         nullptr,         nullptr,          2, word16Octets,    uint16Text,    0, nullptr,       nullptr},
};
// clang-format on

// Row index by code (every code is below 256), for the lookups of every binding
// of every response.
constexpr std::array<std::int8_t, 256> kRowOf = [] {
    std::array<std::int8_t, 256> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < std::size(kCodecs); ++i)
        rows[kCodecs[i].Syntax] = static_cast<std::int8_t>(i);
    return rows;
}();

const KvSyntaxCodec& rowOrBad(std::uint32_t syntax, bool present)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    if (!c || !present)
        badSyntax();
    return *c;
}

} // namespace

// ---- instance reader ------------------------------------------------------------

std::vector<std::uint32_t> KvInstanceReader::Take(std::size_t n)
{
    std::vector<std::uint32_t> out;
    while (out.size() < n && !AtEnd())
        out.push_back(next());
    return out;
}

std::optional<std::uint32_t> KvInstanceReader::TakeOne()
{
    if (AtEnd())
        return std::nullopt;
    return next();
}

std::vector<std::uint32_t> KvInstanceReader::TakeAll()
{
    return Take(std::numeric_limits<std::size_t>::max());
}

std::uint32_t KvInstanceReader::next()
{
    std::size_t end = text_.find('.', pos_);
    if (end == std::string::npos)
        end = text_.size();
    const auto v = static_cast<std::uint32_t>(leadingDigits(std::string_view(text_).substr(pos_, end - pos_), kMax32));
    pos_ = end + 1;
    return v;
}

// ---- the table --------------------------------------------------------------------

std::span<const KvSyntaxCodec> KvSyntaxCodecs()
{
    return kCodecs;
}

const KvSyntaxCodec* KvFindSyntaxCodec(std::uint32_t syntax)
{
    if (syntax >= kRowOf.size() || kRowOf[syntax] < 0)
        return nullptr;
    return &kCodecs[static_cast<std::size_t>(kRowOf[syntax])];
}

const KvSyntaxCodec& KvSyntaxCodecOf(std::uint32_t syntax)
{
    return rowOrBad(syntax, true);
}

// ---- the request's conversions ------------------------------------------------------

std::string KvValueFromBinding(const KvSNMPVarItem& item, const engine::Value& value)
{
    std::string text;
    KvValueFromBinding(item, value, text);
    return text;
}

void KvValueFromBinding(const KvSNMPVarItem& item, const engine::Value& value, std::string& text)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(item.Syntax);
    if (!c || !c->Show)
        badSyntax();
    // Every Show writes text whole or leaves it untouched, so text may be the
    // item's own Value: it keeps its buffer, and a failure leaves it as it was.
    if (item.Options) {
        std::string shown;
        if (!c->Show(value, shown))
            shown = c->AbsentText;
        text = item.Options->LabelOf(shown);
    } else if (!c->Show(value, text)) {
        text = c->AbsentText;
    }
}

engine::Value KvBindingFromValue(const KvSNMPVarItem& item)
{
    const std::string text = item.Options ? item.Options->ValueOf(item.Value) : item.Value;
    // A value never read (or a column that has ended) is sent as "no value"
    // rather than as a number or text made up from the marker.
    if (isMarker(text))
        return engine::Value::null();
    const KvSyntaxCodec* c = KvFindSyntaxCodec(item.Syntax);
    return rowOrBad(item.Syntax, c && c->Send).Send(text);
}

std::string KvDecodeKey(KvSNMPVarItem& key, bool lastImpliedKey, const std::string& instance)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(key.Syntax);
    const KvSyntaxCodec& row = rowOrBad(key.Syntax, c && c->DecodeKey);
    KvInstanceReader in(instance);
    const std::string text = row.DecodeKey(in, lastImpliedKey);
    key.Value = key.Options ? key.Options->LabelOf(text) : text;
    return in.Rest();
}

std::string KvEncodeKey(const KvSNMPVarItem& key, bool lastImpliedKey)
{
    const std::string text = key.Options ? key.Options->ValueOf(key.Value) : key.Value;
    const KvSyntaxCodec* c = KvFindSyntaxCodec(key.Syntax);
    std::vector<std::uint32_t> ids;
    rowOrBad(key.Syntax, c && c->EncodeKey).EncodeKey(text, lastImpliedKey, ids);
    std::string out;
    KvOidText(ids, out);
    return out;
}

// ---- octet form -----------------------------------------------------------------------

int KvFieldWidth(std::uint32_t syntax)
{
    return KvSyntaxCodecOf(syntax).Width;
}

std::string KvFieldToOctets(const std::string& text, std::uint32_t syntax)
{
    const KvSyntaxCodec& c = KvSyntaxCodecOf(syntax);
    if (!c.PlainText && isMarker(text))
        return {};
    return c.ToOctets(text);
}

std::string KvFieldText(const std::string& octets, std::uint32_t syntax)
{
    const KvSyntaxCodec& c = KvSyntaxCodecOf(syntax);
    if (c.PlainText)
        return octets;
    if (octets.empty())
        return KvNullText;
    if (c.Width > 0 && octets.size() < static_cast<std::size_t>(c.Width))
        fail(KvBadPartialValue);
    return c.OctetsText(octets);
}

// ---- several edits ---------------------------------------------------------------------

std::vector<std::string> KvEditFields(std::uint32_t syntax, const std::string& text,
                                      const KvOctetsSource& octets, int edits)
{
    // A code that is none shows whole, as a syntax without fields does.
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    if (c && edits < c->Edits)
        fail(KvNotEnoughControls);
    if (!c || !c->SplitFields)
        return {text};
    return c->SplitFields(*c, text, octets, edits);
}

std::string KvJoinEditFields(std::uint32_t syntax, const std::vector<std::string>& fields)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    if (c && static_cast<int>(fields.size()) < c->Edits)
        fail(KvNotEnoughControls);
    if (!c || !c->JoinFields)
        return fields.empty() ? std::string() : fields.front();
    return c->JoinFields(*c, fields);
}
