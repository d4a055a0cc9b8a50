// Value text forms: how a received SNMP value becomes the text an item holds,
// how that text becomes a value to send, and how key values are taken from and
// put into the instance part of an OID.  The request's conversion operations use
// these; everything above the access layer sees values only as text.
#pragma once

#include "KvSNMPVarList.h"
#include "engine/SnmpEngine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---- text forms -----------------------------------------------------------

// Two upper-case hex digits per octet, no separators.
std::string KvHexText(std::string_view octets);
// Blanks are ignored; digits are taken in pairs except that an odd count makes
// the first digit an octet of its own.  Nothing when a character is neither a
// blank nor a hex digit.
std::optional<std::string> KvOctetsFromHex(std::string_view text);

// "0:00:05.00", "1 day 2:03:04.05", "3 days, 2:03:04.05".
std::string KvTimeTicksText(std::uint32_t ticks);
// The hundredths of a second a time-ticks text stands for (absent parts count 0,
// a plain number gives 0); at most the largest 32-bit value.
std::uint32_t KvTimeTicksFromText(std::string_view text);
// A typed time-ticks text: exactly "[N day[s][,]] h[:m[:s[.cc]]]" or a plain
// number of hundredths, blanks around it let through; nothing for any other
// text or one beyond 32 bits.
std::optional<std::uint32_t> KvTimeTicksExact(std::string_view text);

// Lenient number reading: the leading number after blanks, 0 when there is none;
// values outside the type's range give its nearest limit.
std::int32_t KvLeadingInt32(std::string_view text);
std::uint32_t KvLeadingUInt32(std::string_view text);
std::uint64_t KvLeadingUInt64(std::string_view text);
double KvLeadingDouble(std::string_view text);

// A double as decimal text (15 significant digits, locale independent).
std::string KvDoubleText(double value);
// A double as plain decimal text, never with an exponent (whose "+" or "-" an
// expression would take for an operator); the shortest that reads back exactly.
std::string KvPlainNumberText(double value);

// Strict dotted decimal OID ("1.3.6.1"): digits and single dots, each arc < 2^32.
std::optional<std::vector<std::uint32_t>> KvOidFromText(std::string_view text);
std::string KvOidText(const std::vector<std::uint32_t>& oid);
// The same text written over `out` (for loops that reuse one buffer).
void KvOidText(const std::vector<std::uint32_t>& oid, std::string& out);

// ---- date and time --------------------------------------------------------

// The SNMPv2 DateAndTime octet string in memory (year as a number; the octet
// string holds it most significant byte first).
struct KvDateTime {
    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t DeciSeconds = 0;
    char Direction = '+';
    std::uint8_t HoursFromUtc = 0;
    std::uint8_t MinutesFromUtc = 0;

    // The current local date and time, deci-seconds 0, zone +0:0.
    KvDateTime();
    // "y-m-d,h:m:s.d[,+h:m|,-h:m]"; a text of another form gives an all-zero date
    // (use Parse to tell).
    explicit KvDateTime(const std::string& text);

    static std::optional<KvDateTime> Parse(const std::string& text);
    // The first 11 octets (8 are enough: a missing zone reads as +0:0); nothing
    // when fewer than 8 octets were received.
    static std::optional<KvDateTime> FromOctets(std::string_view octets);

    std::string Text() const;
    std::string Octets() const;   // 11 octets
};

// Date-times as a day count: days since 1899-12-30 00:00 local time, the
// fraction being the time of day.
double KvNowDayCount();
// The calendar date of a day count and its time of day in milliseconds; nothing
// for a count outside the calendar the date form shows (or no number at all).
struct KvCalendarTime {
    int Year = 0, Month = 0, Day = 0;
    int Millisecond = 0;
};
std::optional<KvCalendarTime> KvDayCountCalendar(double days);
// The day count of a date and a time of day given as a fraction of the day
// (before the epoch the fraction goes further back); nothing for no valid date.
std::optional<double> KvCalendarDayCount(int year, int month, int day, double fractionOfDay);
// "yyyy/mm/dd hh:nn:ss am/pm" on the 12-hour clock.
std::string KvDayCountText(double days);
// Reads "y/m/d [h:n[:s]] [am|pm]" (also with "-" or "." between the date parts);
// nothing when the text is not a date.
std::optional<double> KvDayCountFromText(std::string_view text);

// ---- conversions by syntax --------------------------------------------------
// Each goes through the syntax's row of the codec table (KvSyntaxCodec.h; they
// are defined beside it, in KvSyntaxCodec.cpp) and raises the library's bad-syntax error (-511) for a syntax it does not handle,
// or for a text that cannot be turned into a value of the syntax.

// The text of a received value for the item (mapped to its option label).
std::string KvValueFromBinding(const KvSNMPVarItem& item, const engine::Value& value);
// The same, written into text (a table walk reuses the item's own Value buffer).
void KvValueFromBinding(const KvSNMPVarItem& item, const engine::Value& value, std::string& text);
// The value to send for the item's Value text (a label is first mapped back).
engine::Value KvBindingFromValue(const KvSNMPVarItem& item);
// Sets the key item's Value from the leading sub-identifiers of the instance and
// returns the rest of the instance.  lastImpliedKey: the key is the list's last
// key and carries the implied flag.
std::string KvDecodeKey(KvSNMPVarItem& key, bool lastImpliedKey, const std::string& instance);
// The sub-identifiers that stand for the key item's Value, as dotted text.
std::string KvEncodeKey(const KvSNMPVarItem& key, bool lastImpliedKey);
