#include "KvConvert.h"

#include "KvSNMPErrors.h"
#include "KvTextScan.h"

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

using namespace kvscan;

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

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

const QDate& dayCountEpoch()
{
    static const QDate epoch(1899, 12, 30);
    return epoch;
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

std::optional<std::uint32_t> KvTimeTicksExact(std::string_view text)
{
    std::string_view s = skipBlanks(text);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    // One group of digits, consumed from the front; nothing when there is none.
    auto digits = [&s]() -> std::optional<std::uint64_t> {
        std::size_t used = 0;
        const std::uint64_t v = leadingDigits(s, std::uint64_t{1} << 40, &used);
        if (used == 0)
            return std::nullopt;
        s.remove_prefix(used);
        return v;
    };
    auto take = [&s](std::string_view word) {
        if (s.substr(0, word.size()) != word)
            return false;
        s.remove_prefix(word.size());
        return true;
    };
    const auto first = digits();
    if (!first)
        return std::nullopt;
    std::uint64_t days = 0;
    std::uint64_t parts[4] = {*first, 0, 0, 0};   // hours, minutes, seconds, hundredths
    if (s.empty())
        return *first <= kMax32 ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*first)) : std::nullopt;
    const std::string_view afterNumber = s;
    s = skipBlanks(s);
    if (take("day")) {
        days = *first;
        take("s");
        s = skipBlanks(s);
        if (take(","))
            s = skipBlanks(s);
        const auto hours = digits();
        if (!hours)
            return std::nullopt;
        parts[0] = *hours;
    } else {
        s = afterNumber;
    }
    // h[:m[:s[.cc]]]
    for (std::size_t k = 1; k < 4 && !s.empty(); ++k) {
        if (!take(k == 3 ? "." : ":"))
            return std::nullopt;
        const auto v = digits();
        if (!v)
            return std::nullopt;
        parts[k] = *v;
    }
    if (!s.empty())
        return std::nullopt;
    const std::uint64_t total = days * 8640000 + parts[0] * 360000 + parts[1] * 6000 + parts[2] * 100 + parts[3];
    if (total > kMax32)
        return std::nullopt;
    return static_cast<std::uint32_t>(total);
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

std::string KvPlainNumberText(double value)
{
    char buf[400];   // the largest double in fixed notation has 309 digits
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
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

namespace {

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

} // namespace

std::string KvOidText(const std::vector<std::uint32_t>& oid)
{
    std::string out;
    writeIds(out, oid);
    return out;
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
    // "y-m-d,h:m:s.d" and, optionally, ",+h:m" or ",-h:m"; blanks only around
    // the whole.  Each number must fit its octet (the year its two): text after
    // the form, or a number too wide, would be sent as another date.
    std::string_view s = skipBlanks(text);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    std::uint32_t f[9] = {};
    auto number = [&s](std::uint32_t& out, std::uint32_t max) {
        std::size_t used = 0;
        const std::uint64_t v = leadingDigits(s, std::uint64_t{max} + 1, &used);
        if (used == 0 || v > max)
            return false;
        out = static_cast<std::uint32_t>(v);
        s.remove_prefix(used);
        return true;
    };
    auto take = [&s](char c) {
        if (s.empty() || s.front() != c)
            return false;
        s.remove_prefix(1);
        return true;
    };
    constexpr char kAfter[] = {'-', '-', ',', ':', ':', '.'};
    for (std::size_t k = 0; k < 7; ++k) {
        if (!number(f[k], k == 0 ? 0xFFFFu : 0xFFu))
            return std::nullopt;
        if (k < 6 && !take(kAfter[k]))
            return std::nullopt;
    }
    KvDateTime dt;
    dt.Year = static_cast<std::uint16_t>(f[0]);
    dt.Month = static_cast<std::uint8_t>(f[1]);
    dt.Day = static_cast<std::uint8_t>(f[2]);
    dt.Hour = static_cast<std::uint8_t>(f[3]);
    dt.Minutes = static_cast<std::uint8_t>(f[4]);
    dt.Seconds = static_cast<std::uint8_t>(f[5]);
    dt.DeciSeconds = static_cast<std::uint8_t>(f[6]);
    dt.Direction = '+';
    dt.HoursFromUtc = 0;
    dt.MinutesFromUtc = 0;
    if (s.empty())
        return dt;
    if (!take(','))
        return std::nullopt;
    if (take('-'))
        dt.Direction = '-';
    else if (!take('+'))
        return std::nullopt;
    if (!number(f[7], 0xFF) || !take(':') || !number(f[8], 0xFF) || !s.empty())
        return std::nullopt;
    dt.HoursFromUtc = static_cast<std::uint8_t>(f[7]);
    dt.MinutesFromUtc = static_cast<std::uint8_t>(f[8]);
    return dt;
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

std::optional<KvCalendarTime> KvDayCountCalendar(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > kCalendarDays)
        return std::nullopt;
    double whole = std::trunc(days);
    std::int64_t ms = std::llround(std::fabs(days - whole) * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        whole += days < 0 ? -1 : 1;
    }
    const QDate date = dayCountEpoch().addDays(static_cast<qint64>(whole));
    return KvCalendarTime{date.year(), date.month(), date.day(), static_cast<int>(ms)};
}

std::string KvDayCountText(double days)
{
    // Far outside any calendar the day count is shown as the number it is.
    const std::optional<KvCalendarTime> c = KvDayCountCalendar(days);
    if (!c)
        return KvDoubleText(days);
    const int hour = c->Millisecond / 3600000;
    int hour12 = hour % 12;
    if (hour12 == 0)
        hour12 = 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d %s", c->Year, c->Month, c->Day, hour12,
                  c->Millisecond / 60000 % 60, c->Millisecond / 1000 % 60, hour < 12 ? "am" : "pm");
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
    const std::optional<double> days =
        KvCalendarDayCount(parts[0], parts[1], parts[2], (t[0] * 3600 + t[1] * 60 + t[2]) / 86400.0);
    if (std::fabs(*days) >= kCalendarDays)
        return std::nullopt;
    return days;
}

std::optional<double> KvCalendarDayCount(int year, int month, int day, double fractionOfDay)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    const double days = static_cast<double>(dayCountEpoch().daysTo(date));
    return days < 0 ? days - fractionOfDay : days + fractionOfDay;
}
