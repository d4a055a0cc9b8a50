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

// A typed number is sent only when it is exactly a number of the syntax: blanks
// around it, a sign where the syntax has one, digits and nothing else, within
// the syntax's range.  Reading the leading digits would send "1,000" as 1,
// "12abc" as 12 and "1e3" as 1.  An empty text and the markers of a value not
// read still read as 0: dialogs leave unused fields empty, and a walk past the
// end of a key column encodes the marker.
bool isNumberMarker(const std::string& text)
{
    return isMarker(text) || skipBlanks(text).empty();
}

std::string_view trimmed(std::string_view text)
{
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A '+' may stand before a number, but not before another sign.
std::string_view withoutPlus(std::string_view s)
{
    if (s.size() > 1 && s.front() == '+' && s[1] != '-' && s[1] != '+')
        s.remove_prefix(1);
    return s;
}

template <class T>
std::optional<T> exactNumber(std::string_view text)
{
    const std::string_view s = withoutPlus(trimmed(text));
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

// The same for a real number; one beyond the largest double reads as the
// largest (the largest one's own 15-digit text lies beyond it), one too small
// as 0.  Infinity and NaN are no numbers to send.
std::optional<double> exactReal(std::string_view text)
{
    const std::string_view s = withoutPlus(trimmed(text));
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || end != s.data() + s.size() || ec == std::errc::invalid_argument)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return KvLeadingDouble(s);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

template <class T>
T numberOrBad(const std::string& text)
{
    if (isNumberMarker(text))
        return 0;
    const std::optional<T> v = exactNumber<T>(text);
    if (!v)
        badSyntax();
    return *v;
}

double realOrBad(const std::string& text)
{
    if (isNumberMarker(text))
        return 0;
    const std::optional<double> v = exactReal(text);
    if (!v)
        badSyntax();
    return *v;
}

std::uint32_t ticksOrBad(const std::string& text)
{
    if (isNumberMarker(text))
        return 0;
    const std::optional<std::uint32_t> v = KvTimeTicksExact(text);
    if (!v)
        badSyntax();
    return *v;
}

// A number typed into the edit of a field (or one edit of several) is held to
// the same rule; an empty edit reads as 0.
template <class T>
T fieldNumber(const std::string& text)
{
    if (isNumberMarker(text))
        return 0;
    const std::optional<T> v = exactNumber<T>(text);
    if (!v)
        fail(KvBadPartialValue);
    return *v;
}

// A number of 8 or 16 bits, signed or not: the fields of those widths share
// their octet form.
template <int Bits>
std::uint32_t narrowFieldNumber(const std::string& text)
{
    const std::int32_t v = fieldNumber<std::int32_t>(text);
    if (v < -(1 << (Bits - 1)) || v >= (1 << Bits))
        fail(KvBadPartialValue);
    return static_cast<std::uint32_t>(v);
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
    return makeNumber(engine::kInteger, static_cast<std::uint32_t>(numberOrBad<std::int32_t>(text)));
}
std::string decodeInteger(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? std::to_string(static_cast<std::int32_t>(*id)) : KvNullText;
}
void encodeInteger(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(static_cast<std::uint32_t>(numberOrBad<std::int32_t>(text)));
}
std::string integerOctets(const std::string& text)
{
    return littleEndian(static_cast<std::uint32_t>(fieldNumber<std::int32_t>(text)), 4);
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
        text += std::to_string(fieldNumber<std::uint32_t>(f));
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
        text += std::to_string(fieldNumber<std::uint32_t>(fields[k]));
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
    return makeNumber(Tag, numberOrBad<std::uint32_t>(text));
}
std::string decodeUnsigned(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? std::to_string(*id) : KvNullText;
}
void encodeUnsigned(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(numberOrBad<std::uint32_t>(text));
}
std::string unsignedOctets(const std::string& text)
{
    return littleEndian(fieldNumber<std::uint32_t>(text), 4);
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
    return makeNumber(engine::kTimeTicks, ticksOrBad(text));
}
std::string decodeTicks(KvInstanceReader& in, bool)
{
    const auto id = in.TakeOne();
    return id ? KvTimeTicksText(*id) : KvNullText;
}
void encodeTicks(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    ids.push_back(ticksOrBad(text));
}
std::string ticksOctets(const std::string& text)
{
    if (isNumberMarker(text))
        return littleEndian(0, 4);
    const std::optional<std::uint32_t> t = KvTimeTicksExact(text);
    if (!t)
        fail(KvBadPartialValue);
    return littleEndian(*t, 4);
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
    auto number = [&](std::size_t k) { return std::uint64_t{fieldNumber<std::uint32_t>(fields[k])}; };
    const std::uint64_t t = number(0) * 8640000 + number(1) * 360000 + number(2) * 6000 + number(3) * 100 + number(4);
    if (t > kMax32)
        fail(KvBadPartialValue);
    return KvTimeTicksText(static_cast<std::uint32_t>(t));
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
    return makeNumber(engine::kCounter64, numberOrBad<std::uint64_t>(text));
}
std::string decodeCounter64(KvInstanceReader& in, bool)
{
    const auto ids = fixedIds(in, 2);
    return ids ? std::to_string(static_cast<std::uint64_t>((*ids)[0]) << 32 | (*ids)[1]) : KvNullText;
}
void encodeCounter64(const std::string& text, bool, std::vector<std::uint32_t>& ids)
{
    const std::uint64_t v = numberOrBad<std::uint64_t>(text);
    ids.push_back(static_cast<std::uint32_t>(v >> 32));
    ids.push_back(static_cast<std::uint32_t>(v & 0xFFFFFFFFu));
}
std::string counter64Octets(const std::string& text)
{
    return littleEndian(fieldNumber<std::uint64_t>(text), 8);
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
    return realOrBad(text);
}
double doubleOfText(const std::string& text)
{
    if (isNumberMarker(text))
        return 0;
    const std::optional<double> v = exactReal(text);
    if (!v)
        fail(KvBadPartialValue);
    return *v;
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
    // Each number must fit its octet (the year its two): a larger one would be
    // cut to another date.
    auto number = [&](std::size_t k) {
        const std::uint32_t v = fieldNumber<std::uint32_t>(fields[k]);
        if (v > (k == 0 ? 0xFFFFu : 0xFFu))
            fail(KvBadPartialValue);
        return v;
    };
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
    auto number = [&](std::size_t k) { return fieldNumber<std::uint32_t>(fields[k]); };
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
    return std::string(1, static_cast<char>(narrowFieldNumber<8>(text) & 0xFF));
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
    return bigEndian16(static_cast<std::uint16_t>(narrowFieldNumber<16>(text) & 0xFFFF));
}
std::string int16Text(const std::string& o)
{
    return std::to_string(static_cast<std::int16_t>(readBig16(o)));
}
std::string uint16Text(const std::string& o)
{
    return std::to_string(readBig16(o));
}

// ---- expressions ----

bool exprTruth(const std::string& value, std::string& out)
{
    out += value == "true" ? "1" : "0";
    return true;
}
bool exprNumber(const std::string& value, std::string& out)
{
    out += value;
    return true;
}
bool exprTicks(const std::string& value, std::string& out)
{
    out += std::to_string(KvTimeTicksFromText(value));
    return true;
}
bool exprDayCount(const std::string& value, std::string& out)
{
    const auto days = KvDayCountFromText(value);
    if (!days)
        return false;
    out += KvPlainNumberText(*days);
    return true;
}

// Truncates toward zero into [lo, hi]; not-a-number gives 0.
double truncated(double x, double lo, double hi)
{
    if (std::isnan(x))
        return 0.0;
    return std::trunc(std::fmin(std::fmax(x, lo), hi));
}
std::string deriveTruth(double x)
{
    return x != 0 ? "true" : "false";
}
std::string deriveInteger(double x)
{
    return std::to_string(static_cast<std::int32_t>(truncated(x, -2147483648.0, 2147483647.0)));
}
std::string deriveUnsigned(double x)
{
    return std::to_string(static_cast<std::uint32_t>(truncated(x, 0.0, 4294967295.0)));
}
std::string deriveTicks(double x)
{
    return KvTimeTicksText(static_cast<std::uint32_t>(truncated(x, 0.0, 4294967295.0)));
}
std::string deriveCounter64(double x)
{
    // 2^64 itself is not representable; the largest double below it is.
    return std::to_string(static_cast<std::uint64_t>(truncated(x, 0.0, 18446744073709549568.0)));
}

constexpr const char* kNull = "(NULL)";
constexpr const char* kEmpty = "";

// Each row names only what its syntax has: the parts left out are null (no
// such form) or false.
constexpr KvSyntaxCodec kCodecs[] = {
    {.Syntax = Boolean, .Keyword = "boolean", .TruthValue = true,
     .Show = showBoolean, .AbsentText = kNull, .Send = sendBoolean,
     .DecodeKey = decodeBoolean, .EncodeKey = encodeBoolean,
     .Width = 4, .ToOctets = booleanOctets, .OctetsText = booleanText,
     .InExpression = exprTruth, .FromNumber = deriveTruth},
    {.Syntax = Integer, .Keyword = "integer",
     .Show = showInteger, .AbsentText = kNull, .Send = sendInteger,
     .DecodeKey = decodeInteger, .EncodeKey = encodeInteger,
     .Width = 4, .ToOctets = integerOctets, .OctetsText = integerText,
     .InExpression = exprNumber, .FromNumber = deriveInteger},
    {.Syntax = BitStr, .Keyword = "bitstr",
     .Show = showHex, .AbsentText = kEmpty, .Send = sendHex,
     .DecodeKey = decodeHex, .EncodeKey = encodeHex,
     .Width = -1, .ToOctets = hexOctets, .OctetsText = hexText,
     .SplitFields = splitHex, .JoinFields = joinHex},
    {.Syntax = OctetStr, .Keyword = "octetstr",
     .Show = showHex, .AbsentText = kEmpty, .Send = sendHex,
     .DecodeKey = decodeHex, .EncodeKey = encodeHex,
     .Width = -1, .ToOctets = hexOctets, .OctetsText = hexText,
     .SplitFields = splitHex, .JoinFields = joinHex},
    {.Syntax = Null, .Keyword = "null",
     .Show = showNothing, .AbsentText = kNull, .Send = sendNull,
     .DecodeKey = decodeNull, .EncodeKey = encodeNull,
     .Width = 0, .ToOctets = nullOctets, .OctetsText = nullText},
    {.Syntax = ObjectId, .Keyword = "objectid", .PrefixSeparator = '.',
     .Show = showOid, .AbsentText = kNull, .Send = sendOid,
     .DecodeKey = decodeOid, .EncodeKey = encodeOid,
     .Width = -1, .ToOctets = oidOctets, .OctetsText = oidText,
     .SplitFields = splitOid, .JoinFields = joinOid},
    {.Syntax = IpAddress, .Keyword = "ipaddress",
     .Show = showAddress, .AbsentText = kNull, .Send = sendAddress<engine::kIpAddress>,
     .DecodeKey = decodeAddress, .EncodeKey = encodeAddress,
     .Width = 4, .ToOctets = addressOctets, .OctetsText = addressText,
     .Edits = 4, .SplitFields = splitAddress, .JoinFields = joinAddress},
    {.Syntax = Counter, .Keyword = "counter",
     .Show = showUnsigned, .AbsentText = kNull, .Send = sendUnsigned<engine::kCounter32>,
     .DecodeKey = decodeUnsigned, .EncodeKey = encodeUnsigned,
     .Width = 4, .ToOctets = unsignedOctets, .OctetsText = unsignedText,
     .InExpression = exprNumber, .FromNumber = deriveUnsigned},
    {.Syntax = Gauge, .Keyword = "guage",
     .Show = showUnsigned, .AbsentText = kNull, .Send = sendUnsigned<engine::kGauge32>,
     .DecodeKey = decodeUnsigned, .EncodeKey = encodeUnsigned,
     .Width = 4, .ToOctets = unsignedOctets, .OctetsText = unsignedText,
     .InExpression = exprNumber, .FromNumber = deriveUnsigned},
    {.Syntax = TimeTicks, .Keyword = "timeticks",
     .Show = showTicks, .AbsentText = kNull, .Send = sendTicks,
     .DecodeKey = decodeTicks, .EncodeKey = encodeTicks,
     .Width = 4, .ToOctets = ticksOctets, .OctetsText = ticksText,
     .Edits = 5, .SplitFields = splitTicks, .JoinFields = joinTicks,
     .InExpression = exprTicks, .FromNumber = deriveTicks},
    {.Syntax = Opaque, .Keyword = "opaque",
     .Show = showHex, .AbsentText = kEmpty, .Send = sendOpaque,
     .DecodeKey = decodeHex, .EncodeKey = encodeHex,
     .Width = -1, .ToOctets = hexOctets, .OctetsText = hexText,
     .SplitFields = splitHex, .JoinFields = joinHex},
    {.Syntax = NsapAddr, .Keyword = "nsapaddr",
     .Show = showAddress, .AbsentText = kNull, .Send = sendAddress<engine::kNsapAddress>,
     .DecodeKey = decodeAddress, .EncodeKey = encodeAddress,
     .Width = 4, .ToOctets = addressOctets, .OctetsText = addressText,
     .Edits = 4, .SplitFields = splitAddress, .JoinFields = joinAddress},
    {.Syntax = Counter64, .Keyword = "counter64",
     .Show = showCounter64, .AbsentText = kNull, .Send = sendCounter64,
     .DecodeKey = decodeCounter64, .EncodeKey = encodeCounter64,
     .Width = 8, .ToOctets = counter64Octets, .OctetsText = counter64Text,
     .InExpression = exprNumber, .FromNumber = deriveCounter64},
    {.Syntax = UInteger, .Keyword = "uinteger",
     .Show = showUnsigned, .AbsentText = kNull, .Send = sendUnsigned<engine::kUInteger32>,
     .DecodeKey = decodeUnsigned, .EncodeKey = encodeUnsigned,
     .Width = 4, .ToOctets = unsignedOctets, .OctetsText = unsignedText,
     .InExpression = exprNumber, .FromNumber = deriveUnsigned},
    {.Syntax = Double, .Keyword = "double",
     .Show = showReal<KvDoubleText>, .AbsentText = kNull, .Send = sendReal<doubleOrBad>,
     .DecodeKey = decodeReal<KvDoubleText>, .EncodeKey = encodeReal<doubleOrBad>,
     .Width = 8, .ToOctets = realOctets<doubleOfText>, .OctetsText = realText<KvDoubleText>,
     .InExpression = exprNumber, .FromNumber = KvDoubleText},
    {.Syntax = MacAddress, .Keyword = "macaddress",
     .Show = showHex, .AbsentText = kEmpty, .Send = sendHex,
     .DecodeKey = decodeMac, .EncodeKey = encodeMac,
     .Width = 6, .ToOctets = hexOctets, .OctetsText = macText,
     .Edits = 6, .SplitFields = splitHex, .JoinFields = joinHex},
    {.Syntax = DateTime, .Keyword = "datetime",
     .Show = showDateTime, .AbsentText = kNull, .Send = sendDateTime,
     .DecodeKey = decodeDateTime, .EncodeKey = encodeDateTime,
     .Width = 11, .ToOctets = dateTimeOctets, .OctetsText = dateTimeText,
     .Edits = 10, .SplitFields = splitDateTime, .JoinFields = joinDateTime},
    {.Syntax = BcDateTime, .Keyword = "bcdatetime",
     .Show = showReal<KvDayCountText>, .AbsentText = kNull, .Send = sendReal<dayCountOrBad>,
     .DecodeKey = decodeReal<KvDayCountText>, .EncodeKey = encodeReal<dayCountOrBad>,
     .Width = 8, .ToOctets = realOctets<dayCountOfField>, .OctetsText = realText<KvDayCountText>,
     .Edits = 7, .SplitFields = splitDayCount, .JoinFields = joinDayCount,
     .InExpression = exprDayCount, .FromNumber = KvDayCountText},
    {.Syntax = DisplayStr, .Keyword = "displaystr", .PlainText = true,
     .Show = showDisplay, .AbsentText = kEmpty, .Send = sendDisplay,
     .DecodeKey = decodeDisplay, .EncodeKey = encodeDisplay,
     .Width = -1, .ToOctets = displayOctets},
    {.Syntax = Ipv6Address, .Keyword = "ipv6address",
     .Show = showHex, .AbsentText = kEmpty, .Send = sendHex,
     .DecodeKey = decodeIpv6, .EncodeKey = encodeIpv6,
     .Width = 16, .ToOctets = hexOctets, .OctetsText = ipv6Text,
     .Edits = 16, .SplitFields = splitHex, .JoinFields = joinHex},
    {.Syntax = Bool8, .Keyword = "bool8", .TruthValue = true,
     .Width = 1, .ToOctets = bool8Octets, .OctetsText = bool8Text,
     .InExpression = exprTruth},
    {.Syntax = Int8, .Keyword = "int8",
     .Width = 1, .ToOctets = byteOctets, .OctetsText = int8Text,
     .InExpression = exprNumber},
    {.Syntax = UInt8, .Keyword = "uint8",
     .Width = 1, .ToOctets = byteOctets, .OctetsText = uint8Text,
     .InExpression = exprNumber},
    {.Syntax = Bool16, .Keyword = "bool16", .TruthValue = true,
     .Width = 2, .ToOctets = bool16Octets, .OctetsText = bool16Text,
     .InExpression = exprTruth},
    {.Syntax = Int16, .Keyword = "int16",
     .Width = 2, .ToOctets = word16Octets, .OctetsText = int16Text,
     .InExpression = exprNumber},
    {.Syntax = UInt16, .Keyword = "uint16",
     .Width = 2, .ToOctets = word16Octets, .OctetsText = uint16Text,
     .InExpression = exprNumber},
};

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
