// One codec per syntax code: what the module knows about the values of a syntax
// stands in its row, and nowhere else.  A row gives
//  - the value's text forms: the text of a received value and the value a text
//    sends (the request's conversions, KvConvert.h);
//  - its key coding: the sub-identifiers of an instance that hold a key value;
//  - its octet form, used for fields inside an octet-string value (partial data)
//    and for check boxes bound to bits;
//  - its fields when a value is shown across several edits (an address in four
//    edits, a date in seven): the binding lays these texts out into its edits
//    and reads them back, and knows no syntax itself;
//  - its number in expressions, and its text for a derived number.
// A part a syntax does not have is null; asking for it is the bad-syntax error
// (-511).  The codes only expressions understand (bool8 ... uint16) have an octet
// form and nothing else.
#pragma once

#include "engine/SnmpEngine.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Reads sub-identifiers from the front of an instance text ("3.65.66.67.5").
class KvInstanceReader {
public:
    explicit KvInstanceReader(const std::string& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // Up to n sub-identifiers (fewer when the instance ends first).
    std::vector<std::uint32_t> Take(std::size_t n);
    // The next sub-identifier; none when the instance has ended.
    std::optional<std::uint32_t> TakeOne();
    std::vector<std::uint32_t> TakeAll();
    std::string Rest() const { return AtEnd() ? std::string() : text_.substr(pos_); }

private:
    std::uint32_t next();

    const std::string& text_;
    std::size_t pos_ = 0;
};

// The octet form of the value being shown, made only when asked for: a value
// shown whole must not fail on a form its edits do not need.
using KvOctetsSource = std::function<const std::string&()>;

struct KvSyntaxCodec {
    std::uint32_t Syntax = 0;
    const char* Keyword = nullptr;   // the syntax's name in definition files and tables
    // The text is the octets themselves: every text is a value, the markers too,
    // and a value built from fields starts empty.
    bool PlainText = false;
    // A single check box shows the value, checked for "true".
    bool TruthValue = false;
    // What stands between a prefix and the rest of a value (an identifier's
    // dot); 0 when the rest follows the prefix directly.
    char PrefixSeparator = 0;

    // ---- text forms ----
    // The text of a received value; false when the value holds nothing of the
    // syntax, which then shows as AbsentText.
    bool (*Show)(const engine::Value& value, std::string& text) = nullptr;
    const char* AbsentText = nullptr;
    // The value to send for a text (never a marker: those are sent as no value).
    engine::Value (*Send)(const std::string& text) = nullptr;

    // ---- key coding ----
    // The key text from the front of the instance; "(NULL)" when the instance
    // ends before the key does.  implied: the key is the last one and implied.
    std::string (*DecodeKey)(KvInstanceReader& in, bool implied) = nullptr;
    void (*EncodeKey)(const std::string& text, bool implied, std::vector<std::uint32_t>& ids) = nullptr;

    // ---- octet form ----
    int Width = 0;   // bytes of a field; -1 for the kinds that take the rest of the value
    // Markers and the empty value are handled by the callers (KvPartialData.h).
    std::string (*ToOctets)(const std::string& text) = nullptr;
    std::string (*OctetsText)(const std::string& octets) = nullptr;

    // ---- several edits ----
    int Edits = 0;   // edits needed; 0 for one per octet or arc, or a syntax shown in one
    // The field texts for edits 0, 1 ...; edits beyond them keep what they show,
    // and nothing at all changes when a value not read is shown.  Null: the text
    // goes whole into the first edit.
    std::vector<std::string> (*SplitFields)(const KvSyntaxCodec& self, const std::string& text,
                                            const KvOctetsSource& octets, int edits) = nullptr;
    // Null: the first edit's text is the value.
    std::string (*JoinFields)(const KvSyntaxCodec& self,
                              const std::vector<std::string>& fields) = nullptr;

    // ---- expressions ----
    // Appends the value's number where an expression names the item ("$N");
    // false when the text is no value of the syntax.  Null: the value enters as
    // a quoted text, where texts are allowed.
    bool (*InExpression)(const std::string& value, std::string& out) = nullptr;
    // The value's text for the number a derived item's expression gave (whole
    // numbers truncated toward zero and held to the syntax's range).  Null: the
    // syntax takes no derived value.
    std::string (*FromNumber)(double x) = nullptr;
};

// Every row, one per syntax code, in code order.
std::span<const KvSyntaxCodec> KvSyntaxCodecs();
// The row of a syntax code; null for a code that is none.
const KvSyntaxCodec* KvFindSyntaxCodec(std::uint32_t syntax);
// The same, raising the bad-syntax error (-511) for a code that is none.
const KvSyntaxCodec& KvSyntaxCodecOf(std::uint32_t syntax);

// ---- octet form (fields of an octet value) ----
// Numbers of 32 and 64 bits are stored lowest byte first, the 16-bit kinds in
// network order.  "(NULL)" (and "(NOTDONE)", a value not read yet) becomes an
// empty octet string for every syntax but null and displaystr, and an empty
// octet string reads back as "(NULL)" (as an empty text for displaystr).

// Bytes a field of the syntax takes; -1 for the kinds that take the rest of the
// value.  Raises -511 for a syntax the codec does not know.
int KvFieldWidth(std::uint32_t syntax);
// The octet form of one field value given as text.  Raises -511 for an unknown
// syntax and -518 for a text that is no value of the syntax.
std::string KvFieldToOctets(const std::string& text, std::uint32_t syntax);
// The text form of a field.  Raises -518 when there are fewer bytes than the
// syntax needs, -511 for an unknown syntax.
std::string KvFieldText(const std::string& octets, std::uint32_t syntax);

// ---- several edits ----
// A value shown across several edits: the texts of edits 0, 1 ... for the value
// text (with its option label) and its octet form.  Raises -522 for fewer edits
// than the syntax needs and -518 for a value that is none of the syntax.
std::vector<std::string> KvEditFields(std::uint32_t syntax, const std::string& text,
                                      const KvOctetsSource& octets, int edits);
// The value text of the edits' texts.  Raises -522 for too few edits.
std::string KvJoinEditFields(std::uint32_t syntax, const std::vector<std::string>& fields);
