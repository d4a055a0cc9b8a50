#include "KvConvert.h"

#include "KvSNMPErrors.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <cctype>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

[[noreturn]] void badSyntax()
{
    throw LibraryError(KvBadSyntax);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view skipBlanks(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.substr(i);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Leading unsigned digits (no sign), saturating at max.
std::uint64_t leadingDigits(std::string_view s, std::uint64_t max, std::size_t* used = nullptr)
{
    std::uint64_t v = 0;
    std::size_t i = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        const unsigned d = static_cast<unsigned>(s[i] - '0');
        v = (v > (max - d) / 10) ? max : v * 10 + d;
    }
    if (used)
        *used = i;
    return v;
}

// Number texts are read leniently ("12 ports" is 12), but a text with something
// other than a number at its front is refused rather than sent as 0.  An empty
// text and the markers of a value not read still read as 0: dialogs leave unused
// fields empty, and a walk past the end of a key column encodes the marker.
bool isMarker(const std::string& text)
{
    return text == KvNullText || text == KvNotDoneText || skipBlanks(text).empty();
}

const std::string& numberOrBad(const std::string& text)
{
    if (isMarker(text))
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
    if (isMarker(text))
        return text;
    std::string_view s = skipBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double v = 0;
    if (std::from_chars(s.data(), s.data() + s.size(), v).ec == std::errc::invalid_argument)
        badSyntax();
    return text;
}

// The power of ten of the leading digit of a decimal number ("-120.5e3" gives 5,
// "0.004" gives -3); only its sign matters to the caller, so it saturates.
long decimalExponent(std::string_view number)
{
    std::size_t i = 0;
    if (i < number.size() && number[i] == '-')
        ++i;
    long significant = 0;   // integer digits from the first non-zero one
    for (; i < number.size() && isDigit(number[i]); ++i)
        if (significant > 0 || number[i] != '0')
            ++significant;
    long fractionZeros = 0;   // before the first non-zero digit, when the integer part is 0
    bool found = significant > 0;
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && isDigit(number[i]); ++i) {
            if (found)
                continue;
            if (number[i] == '0')
                ++fractionZeros;
            else
                found = true;
        }
    }
    long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        const auto magnitude = static_cast<long>(leadingDigits(number.substr(i), 1000000000));
        exponent = negative ? -magnitude : magnitude;
    }
    if (significant > 0)
        return exponent + significant - 1;
    return exponent - fractionZeros - 1;
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

std::string octetsOfDouble(double d)
{
    // Little-endian, as the agents store it.
    std::uint64_t bits = std::bit_cast<std::uint64_t>(d);
    std::string out(8, '\0');
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return out;
}

double doubleOfOctets(std::string_view o)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(o[static_cast<std::size_t>(i)])) << (8 * i);
    return std::bit_cast<double>(bits);
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
        out += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return out;
}

const QDate& dayCountEpoch()
{
    static const QDate epoch(1899, 12, 30);
    return epoch;
}

// ---- instance sub-identifiers ----

// Reads sub-identifiers from the front of an instance text.
class InstanceReader {
public:
    explicit InstanceReader(const std::string& text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Up to n sub-identifiers (fewer when the instance ends first).
    std::vector<std::uint32_t> take(std::size_t n)
    {
        std::vector<std::uint32_t> out;
        while (out.size() < n && !atEnd())
            out.push_back(next());
        return out;
    }
    std::vector<std::uint32_t> takeAll() { return take(std::numeric_limits<std::size_t>::max()); }
    std::string rest() const { return atEnd() ? std::string() : text_.substr(pos_); }

private:
    std::uint32_t next()
    {
        std::size_t end = text_.find('.', pos_);
        if (end == std::string::npos)
            end = text_.size();
        const std::uint32_t v = static_cast<std::uint32_t>(
            leadingDigits(std::string_view(text_).substr(pos_, end - pos_), kMax32));
        pos_ = end + 1;
        return v;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

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

// Runs for every binding of every response: the digits go straight into the
// text, which keeps its capacity from one response to the next.
void writeIds(std::string& out, const std::vector<std::uint32_t>& ids)
{
    out.resize(ids.size() * 11);   // at most 10 digits and a dot per arc
    char* const begin = out.data();
    char* p = begin;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i)
            *p++ = '.';
        p = std::to_chars(p, begin + out.size(), ids[i]).ptr;
    }
    out.resize(static_cast<std::size_t>(p - begin));
}

std::string joinIds(const std::vector<std::uint32_t>& ids)
{
    std::string out;
    writeIds(out, ids);
    return out;
}

void appendOctets(std::vector<std::uint32_t>& ids, std::string_view octets)
{
    for (char c : octets)
        ids.push_back(static_cast<unsigned char>(c));
}

std::string hexOrBad(const std::string& text)
{
    auto octets = KvOctetsFromHex(text);
    if (!octets)
        badSyntax();
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

bool isSupported(std::uint32_t syntax)
{
    using namespace KvSyntax;
    switch (syntax) {
    case Boolean: case Integer: case BitStr: case OctetStr: case Null: case ObjectId:
    case IpAddress: case Counter: case Gauge: case TimeTicks: case Opaque: case NsapAddr:
    case Counter64: case UInteger: case Double: case MacAddress: case DateTime: case BcDateTime:
    case DisplayStr: case Ipv6Address:
        return true;
    default:
        return false;
    }
}

// A value that is not there: "(NULL)", except for the octet syntaxes shown as hex
// (nothing to show) and display strings (the empty text).
std::string absentText(std::uint32_t syntax)
{
    using namespace KvSyntax;
    switch (syntax) {
    case BitStr: case OctetStr: case Opaque: case MacAddress: case Ipv6Address: case DisplayStr:
        return std::string();
    default:
        return KvNullText;
    }
}

std::string rawValueText(std::uint32_t syntax, const engine::Value& v)
{
    using namespace KvSyntax;
    const bool number = isNumberTag(v.tag);
    const bool octets = isOctetsTag(v.tag);
    switch (syntax) {
    case Boolean:
        if (number)
            return v.number != 0 ? "true" : "false";
        break;
    case Integer:
        if (v.tag == engine::kInteger)
            return std::to_string(v.asInt32());
        if (number)
            return std::to_string(v.number);
        break;
    case BitStr: case OctetStr: case Opaque: case MacAddress: case Ipv6Address:
        if (octets)
            return KvHexText(v.octets);
        break;
    case Null:
        break;
    case ObjectId:
        if (v.tag == engine::kObjectId && !v.oid.empty())
            return KvOidText(v.oid);
        break;
    case IpAddress: case NsapAddr:
        if (octets && v.octets.size() >= 4)
            return dottedQuad(v.octets);
        break;
    case Counter: case Gauge: case UInteger:
        if (number)
            return std::to_string(static_cast<std::uint32_t>(v.number));
        break;
    case TimeTicks:
        if (number)
            return KvTimeTicksText(static_cast<std::uint32_t>(v.number));
        break;
    case Counter64:
        if (number)
            return std::to_string(v.number);
        break;
    case Double:
        if (octets && v.octets.size() >= 8)
            return KvDoubleText(doubleOfOctets(v.octets));
        break;
    case DateTime:
        if (octets)
            if (auto dt = KvDateTime::FromOctets(v.octets))
                return dt->Text();
        break;
    case BcDateTime:
        if (octets && v.octets.size() >= 8)
            return KvDayCountText(doubleOfOctets(v.octets));
        break;
    case DisplayStr:
        if (octets)
            return v.octets;
        break;
    default:
        badSyntax();
    }
    return absentText(syntax);
}

} // namespace

// ---- text forms -------------------------------------------------------------

std::string KvHexText(std::string_view octets)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

std::optional<std::string> KvOctetsFromHex(std::string_view text)
{
    std::string digits;
    digits.reserve(text.size());
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits += c;
    }
    auto value = [](char c) -> unsigned {
        if (c <= '9')
            return static_cast<unsigned>(c - '0');
        return static_cast<unsigned>((c | 0x20) - 'a' + 10);
    };
    std::string out;
    out.reserve(digits.size() / 2 + 1);
    std::size_t i = 0;
    if (digits.size() % 2) {
        out += static_cast<char>(value(digits[0]));
        i = 1;
    }
    for (; i < digits.size(); i += 2)
        out += static_cast<char>((value(digits[i]) << 4) | value(digits[i + 1]));
    return out;
}

std::string KvTimeTicksText(std::uint32_t ticks)
{
    const unsigned long cs = ticks % 100;
    const unsigned long totalSeconds = ticks / 100;
    const unsigned long s = totalSeconds % 60;
    const unsigned long m = (totalSeconds / 60) % 60;
    const unsigned long h = (totalSeconds / 3600) % 24;
    const unsigned long days = totalSeconds / 86400;
    char buf[64];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, cs);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, cs);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, h, m, s, cs);
    return buf;
}

std::uint32_t KvTimeTicksFromText(std::string_view text)
{
    constexpr std::uint64_t cap = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t days = 0;
    std::string_view rest = text;
    if (const std::size_t d = text.find("day"); d != std::string_view::npos) {
        days = leadingDigits(skipBlanks(text.substr(0, d)), cap);
        rest = text.substr(d + 3);
        if (!rest.empty() && rest.front() == 's')
            rest.remove_prefix(1);
        rest = skipBlanks(rest);
        if (!rest.empty() && rest.front() == ',')
            rest.remove_prefix(1);
    }
    std::uint64_t h = 0, m = 0, s = 0, cs = 0;
    if (const std::size_t c1 = rest.find(':'); c1 != std::string_view::npos) {
        h = leadingDigits(skipBlanks(rest.substr(0, c1)), cap);
        std::string_view tail = rest.substr(c1 + 1);
        std::string_view secondsPart;
        if (const std::size_t c2 = tail.find(':'); c2 != std::string_view::npos) {
            m = leadingDigits(skipBlanks(tail.substr(0, c2)), cap);
            secondsPart = tail.substr(c2 + 1);
        } else {
            m = leadingDigits(skipBlanks(tail), cap);
        }
        if (const std::size_t dot = secondsPart.find('.'); dot != std::string_view::npos) {
            s = leadingDigits(skipBlanks(secondsPart.substr(0, dot)), cap);
            cs = leadingDigits(secondsPart.substr(dot + 1), cap);
        } else {
            s = leadingDigits(skipBlanks(secondsPart), cap);
        }
    }
    // Each term is below 2^32 times a small factor, so the sum cannot overflow 64 bits.
    const std::uint64_t total = days * 8640000 + h * 360000 + m * 6000 + s * 100 + cs;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(total, cap));
}

std::int32_t KvLeadingInt32(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    const std::uint64_t v = leadingDigits(s, limit);
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(v)) : static_cast<std::int32_t>(v);
}

std::uint32_t KvLeadingUInt32(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    return static_cast<std::uint32_t>(leadingDigits(s, kMax32));
}

std::uint64_t KvLeadingUInt64(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    return leadingDigits(s, std::numeric_limits<std::uint64_t>::max());
}

double KvLeadingDouble(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves v alone then.  Too large a number gives the sign's
        // largest finite value: the text of that value, rounded to 15 digits, lies
        // just beyond it and must read back as it.  Too small a number gives 0.
        const bool negative = s.front() == '-';
        if (decimalExponent(std::string_view(s.data(), static_cast<std::size_t>(ptr - s.data()))) < 0)
            return negative ? -0.0 : 0.0;
        return negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    }
    return ec == std::errc() ? v : 0.0;
}

std::string KvDoubleText(double value)
{
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buf, ptr) : std::string("0");
}

std::optional<std::vector<std::uint32_t>> KvOidFromText(std::string_view text)
{
    std::vector<std::uint32_t> out;
    if (text.empty())
        return std::nullopt;
    out.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '.')) + 1);
    std::size_t pos = 0;
    while (true) {
        std::size_t used = 0;
        const std::uint64_t arc = leadingDigits(text.substr(pos), std::numeric_limits<std::uint64_t>::max() / 16, &used);
        if (used == 0 || arc > kMax32)
            return std::nullopt;
        out.push_back(static_cast<std::uint32_t>(arc));
        pos += used;
        if (pos == text.size())
            return out;
        if (text[pos] != '.' || pos + 1 == text.size())
            return std::nullopt;
        ++pos;
    }
}

std::string KvOidText(const std::vector<std::uint32_t>& oid)
{
    return joinIds(oid);
}

void KvOidText(const std::vector<std::uint32_t>& oid, std::string& out)
{
    writeIds(out, oid);
}

// ---- date and time ------------------------------------------------------------

KvDateTime::KvDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    Year = static_cast<std::uint16_t>(now.date().year());
    Month = static_cast<std::uint8_t>(now.date().month());
    Day = static_cast<std::uint8_t>(now.date().day());
    Hour = static_cast<std::uint8_t>(now.time().hour());
    Minutes = static_cast<std::uint8_t>(now.time().minute());
    Seconds = static_cast<std::uint8_t>(now.time().second());
}

KvDateTime::KvDateTime(const std::string& text)
{
    if (auto parsed = Parse(text))
        *this = *parsed;
    else
        Direction = '+';   // all other fields stay 0
}

std::optional<KvDateTime> KvDateTime::Parse(const std::string& text)
{
    int f[9] = {};
    KvDateTime dt;
    auto fill = [&](char direction, bool zone) {
        dt.Year = static_cast<std::uint16_t>(f[0]);
        dt.Month = static_cast<std::uint8_t>(f[1]);
        dt.Day = static_cast<std::uint8_t>(f[2]);
        dt.Hour = static_cast<std::uint8_t>(f[3]);
        dt.Minutes = static_cast<std::uint8_t>(f[4]);
        dt.Seconds = static_cast<std::uint8_t>(f[5]);
        dt.DeciSeconds = static_cast<std::uint8_t>(f[6]);
        dt.Direction = direction;
        dt.HoursFromUtc = zone ? static_cast<std::uint8_t>(f[7]) : 0;
        dt.MinutesFromUtc = zone ? static_cast<std::uint8_t>(f[8]) : 0;
        return dt;
    };
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8]) == 9)
        return fill('+', true);
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8]) == 9)
        return fill('-', true);
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]) == 7)
        return fill('+', false);
    return std::nullopt;
}

std::optional<KvDateTime> KvDateTime::FromOctets(std::string_view octets)
{
    if (octets.size() < 8)
        return std::nullopt;
    auto at = [&](std::size_t i) -> std::uint8_t {
        return i < octets.size() ? static_cast<std::uint8_t>(octets[i]) : 0;
    };
    KvDateTime dt;
    dt.Year = static_cast<std::uint16_t>((at(0) << 8) | at(1));
    dt.Month = at(2);
    dt.Day = at(3);
    dt.Hour = at(4);
    dt.Minutes = at(5);
    dt.Seconds = at(6);
    dt.DeciSeconds = at(7);
    dt.Direction = octets.size() > 8 ? static_cast<char>(at(8)) : '+';
    dt.HoursFromUtc = at(9);
    dt.MinutesFromUtc = at(10);
    return dt;
}

std::string KvDateTime::Text() const
{
    char buf[96];
    if ((HoursFromUtc != 0 || MinutesFromUtc != 0) && (Direction == '+' || Direction == '-'))
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds, Direction, HoursFromUtc, MinutesFromUtc);
    else
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds, DeciSeconds);
    return buf;
}

std::string KvDateTime::Octets() const
{
    std::string o(11, '\0');
    o[0] = static_cast<char>(Year >> 8);
    o[1] = static_cast<char>(Year & 0xFF);
    o[2] = static_cast<char>(Month);
    o[3] = static_cast<char>(Day);
    o[4] = static_cast<char>(Hour);
    o[5] = static_cast<char>(Minutes);
    o[6] = static_cast<char>(Seconds);
    o[7] = static_cast<char>(DeciSeconds);
    o[8] = Direction;
    o[9] = static_cast<char>(HoursFromUtc);
    o[10] = static_cast<char>(MinutesFromUtc);
    return o;
}

double KvNowDayCount()
{
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<double>(dayCountEpoch().daysTo(now.date()))
        + now.time().msecsSinceStartOfDay() / 86400000.0;
}

// Day counts further from the epoch than this (about the years -6300 and 10100)
// are shown as plain numbers, and typed dates beyond them are refused: a date
// that goes out must come back in the same form.
constexpr double kCalendarDays = 3.0e6;

std::string KvDayCountText(double days)
{
    // Far outside any calendar the day count is shown as the number it is.
    if (!std::isfinite(days) || std::fabs(days) > kCalendarDays)
        return KvDoubleText(days);
    double whole = std::trunc(days);
    std::int64_t ms = std::llround(std::fabs(days - whole) * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        whole += days < 0 ? -1 : 1;
    }
    const QDate date = dayCountEpoch().addDays(static_cast<qint64>(whole));
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    int hour12 = time.hour() % 12;
    if (hour12 == 0)
        hour12 = 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(), date.day(),
                  hour12, time.minute(), time.second(), time.hour() < 12 ? "am" : "pm");
    return buf;
}

std::optional<double> KvDayCountFromText(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        std::size_t used = 0;
        parts[i] = static_cast<int>(leadingDigits(s, 100000, &used));
        if (used == 0)
            return std::nullopt;
        s.remove_prefix(used);
        if (i < 2) {
            if (s.empty() || (s.front() != '/' && s.front() != '-' && s.front() != '.'))
                return std::nullopt;
            s.remove_prefix(1);
        }
    }
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return std::nullopt;
    int t[3] = {};
    s = skipBlanks(s);
    for (int i = 0; i < 3 && !s.empty() && isDigit(s.front()); ++i) {
        std::size_t used = 0;
        t[i] = static_cast<int>(leadingDigits(s, 100000, &used));
        s.remove_prefix(used);
        if (s.empty() || s.front() != ':')
            break;
        s.remove_prefix(1);
    }
    s = skipBlanks(s);
    if (!s.empty()) {
        auto lower = [](char c) { return static_cast<char>(c | 0x20); };
        if (s.size() < 2 || lower(s[1]) != 'm' || (lower(s[0]) != 'a' && lower(s[0]) != 'p'))
            return std::nullopt;
        if (t[0] < 1 || t[0] > 12)
            return std::nullopt;
        const bool pm = lower(s[0]) == 'p';
        t[0] = t[0] % 12 + (pm ? 12 : 0);
        if (!skipBlanks(s.substr(2)).empty())
            return std::nullopt;
    }
    if (t[0] > 23 || t[1] > 59 || t[2] > 59)
        return std::nullopt;
    const double days = static_cast<double>(dayCountEpoch().daysTo(date));
    if (std::fabs(days) >= kCalendarDays)
        return std::nullopt;
    const double fraction = (t[0] * 3600 + t[1] * 60 + t[2]) / 86400.0;
    return days < 0 ? days - fraction : days + fraction;
}

// ---- conversions ----------------------------------------------------------------

std::string KvValueFromBinding(const KvSNMPVarItem& item, const engine::Value& value)
{
    const std::string text = rawValueText(item.Syntax, value);
    return item.Options ? item.Options->LabelOf(text) : text;
}

engine::Value KvBindingFromValue(const KvSNMPVarItem& item)
{
    using namespace KvSyntax;
    const std::string text = item.Options ? item.Options->ValueOf(item.Value) : item.Value;
    // A value never read (or a column that has ended) is sent as "no value"
    // rather than as a number or text made up from the marker.
    if (text == KvNullText || text == KvNotDoneText)
        return engine::Value::null();
    switch (item.Syntax) {
    case Boolean:
        return makeNumber(engine::kInteger, text == "true" ? 1 : 0);
    case Null:
        return engine::Value::null();
    case Integer:
        return makeNumber(engine::kInteger, static_cast<std::uint32_t>(KvLeadingInt32(numberOrBad(text))));
    case BitStr:
        // BITS travel as an OCTET STRING (RFC 2578); agents refuse a BIT STRING as the wrong type.
        return makeOctets(hexOrBad(text));
    case Opaque:
        return makeOctets(hexOrBad(text), engine::kOpaque);
    case OctetStr: case MacAddress: case Ipv6Address:
        return makeOctets(hexOrBad(text));
    case ObjectId: {
        auto oid = KvOidFromText(text);
        if (!oid)
            badSyntax();
        engine::Value v;
        v.tag = engine::kObjectId;
        v.oid = std::move(*oid);
        return v;
    }
    case IpAddress: case NsapAddr: {
        auto a = parseDottedQuad(text);
        if (!a)
            badSyntax();
        std::string o(4, '\0');
        for (int i = 0; i < 4; ++i)
            o[static_cast<std::size_t>(i)] = static_cast<char>((*a >> (24 - 8 * i)) & 0xFF);
        return makeOctets(std::move(o), item.Syntax == IpAddress ? engine::kIpAddress : engine::kNsapAddress);
    }
    case Counter:
        return makeNumber(engine::kCounter32, KvLeadingUInt32(numberOrBad(text)));
    case Gauge:
        return makeNumber(engine::kGauge32, KvLeadingUInt32(numberOrBad(text)));
    case UInteger:
        return makeNumber(engine::kUInteger32, KvLeadingUInt32(numberOrBad(text)));
    case TimeTicks:
        return makeNumber(engine::kTimeTicks, KvTimeTicksFromText(text));
    case Counter64:
        return makeNumber(engine::kCounter64, KvLeadingUInt64(numberOrBad(text)));
    case Double:
        return makeOctets(octetsOfDouble(KvLeadingDouble(realOrBad(text))));
    case DateTime:
        return makeOctets(dateTimeOctetsOrBad(text));
    case BcDateTime:
        return makeOctets(octetsOfDouble(dayCountOrBad(text)));
    case DisplayStr:
        return makeOctets(text);
    default:
        badSyntax();
    }
}

std::string KvDecodeKey(KvSNMPVarItem& key, bool lastImpliedKey, const std::string& instance)
{
    using namespace KvSyntax;
    if (!isSupported(key.Syntax))
        badSyntax();
    InstanceReader in(instance);
    // Length-prefixed (or, for the last implied key, all remaining) sub-identifiers.
    // A length beyond the end of the instance is refused: taking what is there
    // would give a shorter key, that is another row's.
    auto variable = [&]() {
        if (lastImpliedKey)
            return in.takeAll();
        const auto length = in.take(1);
        if (length.empty())
            throw LibraryError(KvBadKeyCount);   // not even the length: the instance lacks the key
        auto ids = in.take(length[0]);
        if (ids.size() != length[0])
            badSyntax();
        return ids;
    };
    // Exactly n sub-identifiers; nothing when the instance ends before.
    auto fixed = [&](std::size_t n) -> std::optional<std::vector<std::uint32_t>> {
        auto ids = in.take(n);
        if (ids.size() != n)
            return std::nullopt;
        return ids;
    };
    auto halves = [](const std::vector<std::uint32_t>& ids) {
        return std::bit_cast<double>(static_cast<std::uint64_t>(ids[1]) << 32 | ids[0]);
    };

    std::string text = KvNullText;
    switch (key.Syntax) {
    case Boolean:
        if (auto ids = fixed(1))
            text = (*ids)[0] != 0 ? "true" : "false";
        break;
    case Integer:
        if (auto ids = fixed(1))
            text = std::to_string(static_cast<std::int32_t>((*ids)[0]));
        break;
    case BitStr: case OctetStr: case Opaque:
        text = KvHexText(octetsOf(variable()));
        break;
    case Null:
        break;
    case ObjectId: {
        // An OID has at least one arc: none means the instance lacks the key.
        const auto arcs = variable();
        if (arcs.empty())
            throw LibraryError(KvBadKeyCount);
        text = KvOidText(arcs);
        break;
    }
    case IpAddress: case NsapAddr:
        if (auto ids = fixed(4))
            text = dottedQuad(octetsOf(*ids));
        break;
    case Counter: case Gauge: case UInteger:
        if (auto ids = fixed(1))
            text = std::to_string((*ids)[0]);
        break;
    case TimeTicks:
        if (auto ids = fixed(1))
            text = KvTimeTicksText((*ids)[0]);
        break;
    case Counter64:
        if (auto ids = fixed(2))
            text = std::to_string(static_cast<std::uint64_t>((*ids)[0]) << 32 | (*ids)[1]);
        break;
    case Double:
        if (auto ids = fixed(2))
            text = KvDoubleText(halves(*ids));
        break;
    case MacAddress:
        if (auto ids = fixed(6))
            text = KvHexText(octetsOf(*ids));
        break;
    case DateTime:
        if (auto ids = fixed(11))
            text = KvDateTime::FromOctets(octetsOf(*ids))->Text();
        break;
    case BcDateTime:
        if (auto ids = fixed(2))
            text = KvDayCountText(halves(*ids));
        break;
    case DisplayStr:
        text = octetsOf(variable());
        break;
    case Ipv6Address:
        if (lastImpliedKey) {
            const auto ids = in.takeAll();
            if (ids.size() != 16)
                badSyntax();
            text = KvHexText(octetsOf(ids));
        } else if (auto ids = fixed(16))
            text = KvHexText(octetsOf(*ids));
        break;
    }
    key.Value = key.Options ? key.Options->LabelOf(text) : text;
    return in.rest();
}

std::string KvEncodeKey(const KvSNMPVarItem& key, bool lastImpliedKey)
{
    using namespace KvSyntax;
    const std::string text = key.Options ? key.Options->ValueOf(key.Value) : key.Value;
    std::vector<std::uint32_t> ids;
    auto variable = [&](std::string_view octets) {
        if (!lastImpliedKey)
            ids.push_back(static_cast<std::uint32_t>(octets.size()));
        appendOctets(ids, octets);
    };
    auto halves = [&](double d) {
        const auto bits = std::bit_cast<std::uint64_t>(d);
        ids.push_back(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
        ids.push_back(static_cast<std::uint32_t>(bits >> 32));
    };
    switch (key.Syntax) {
    case Boolean:
        ids.push_back(text == "true" ? 1 : 0);
        break;
    case Integer:
        ids.push_back(static_cast<std::uint32_t>(KvLeadingInt32(numberOrBad(text))));
        break;
    case Counter: case Gauge: case UInteger:
        ids.push_back(KvLeadingUInt32(numberOrBad(text)));
        break;
    case BitStr: case OctetStr: case Opaque:
        variable(hexOrBad(text));
        break;
    case Null:
        break;
    case ObjectId: {
        auto oid = KvOidFromText(text);
        if (!oid)
            badSyntax();
        if (!lastImpliedKey)
            ids.push_back(static_cast<std::uint32_t>(oid->size()));
        ids.insert(ids.end(), oid->begin(), oid->end());
        break;
    }
    case IpAddress: case NsapAddr: {
        auto a = parseDottedQuad(text);
        if (!a)
            badSyntax();
        for (int i = 3; i >= 0; --i)
            ids.push_back((*a >> (8 * i)) & 0xFF);
        break;
    }
    case TimeTicks:
        ids.push_back(KvTimeTicksFromText(text));
        break;
    case Counter64: {
        const std::uint64_t v = KvLeadingUInt64(numberOrBad(text));
        ids.push_back(static_cast<std::uint32_t>(v >> 32));
        ids.push_back(static_cast<std::uint32_t>(v & 0xFFFFFFFFu));
        break;
    }
    case Double:
        halves(KvLeadingDouble(realOrBad(text)));
        break;
    case MacAddress:
        appendOctets(ids, octetsOfLength(text, 6));
        break;
    case DateTime:
        appendOctets(ids, dateTimeOctetsOrBad(text));
        break;
    case BcDateTime:
        halves(dayCountOrBad(text));
        break;
    case DisplayStr:
        variable(text);
        break;
    case Ipv6Address:
        appendOctets(ids, octetsOfLength(text, 16));
        break;
    default:
        badSyntax();
    }
    return joinIds(ids);
}
