// The simulator's object store and its text form.
//
// Objects are kept in OID order in a std::map keyed by the OID arcs, so get-next
// is one upper_bound.  Values are held in the layout net-snmp varbinds use
// (long for INTEGER, u_long for the unsigned 32-bit types, struct counter64,
// four network-order octets for IpAddress, oid arcs for OBJECT IDENTIFIER, raw
// octets for strings), so serving one is a plain copy.
//
// The text form is the `.snmprec` format: one object per line, `OID|TAG|VALUE`,
// TAG the decimal ASN.1 tag, with an `x` suffix when VALUE is given in hex.
// Lines starting with `#` are comments; lines starting with `#!` are our own
// directives (see parseDirective in MibData.cpp and the README), which other
// readers of the format skip as comments.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ksw::sim {

using Arc = unsigned long; // net-snmp's oid
using Oid = std::vector<Arc>;

// ASN.1 tags the store can hold (the tag numbers of the text form).
enum Tag : std::uint8_t {
    TagInteger = 0x02,
    TagOctetString = 0x04,
    TagNull = 0x05,
    TagObjectId = 0x06,
    TagIpAddress = 0x40,
    TagCounter32 = 0x41,
    TagGauge32 = 0x42,
    TagTimeTicks = 0x43,
    TagOpaque = 0x44,
    TagCounter64 = 0x46,
};

struct Value {
    std::uint8_t tag = TagNull;
    std::string raw; // varbind layout, see above

    static Value integer(long v);
    static Value unsignedOf(std::uint8_t tag, unsigned long v); // Counter32, Gauge32, TimeTicks
    static Value counter64(std::uint64_t v);
    static Value octets(std::string bytes, std::uint8_t tag = TagOctetString);
    static Value objectId(const Oid& oid);
    static Value ipAddress(std::uint32_t hostOrder);

    long asInteger() const;            // TagInteger only
    unsigned long asUnsigned() const;  // Counter32, Gauge32, TimeTicks
    std::uint64_t asCounter64() const;

    bool operator==(const Value&) const = default;
};

// A bad data file or a bad value text.  what() is the complete message,
// "FILE:LINE: reason" for file errors.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Objects at or under `prefix` accept sets.  `tag` (0 = take it from the stored
// instances) fixes the type for instances that do not exist yet; min/max bound
// an INTEGER's value or an octet string's length.
struct WritableRule {
    Oid prefix;
    std::uint8_t tag = 0;
    std::optional<long long> min, max;
};

// Setting `oid` to `value` makes the agent act; the object keeps its old value.
enum class ActionKind { Save, Reset };
struct ActionRule {
    ActionKind kind;
    Oid oid;
    long value;
};

// A row-status column whose rows are created and destroyed by values of its
// own instead of RowStatus's createAndGo/createAndWait and destroy; any other
// value is an ordinary set of an existing row.
struct RowActionValues {
    long create;
    long destroy;
    bool operator==(const RowActionValues&) const = default;
};

struct MibData {
    std::map<Oid, Value> objects;
    std::vector<WritableRule> writable;
    std::vector<Oid> rowStatusColumns; // column OIDs (entry OID + column arc)
    std::map<Oid, RowActionValues> rowActionValues; // by column, for the columns that have their own
    std::vector<ActionRule> actions;
    std::vector<Oid> flap; // INTEGER instances that --flap toggles between 1 and 2

    // The rule covering `oid`, the longest prefix wins; nullptr if not writable.
    const WritableRule* writableRule(const Oid& oid) const;
    // The RowStatus column of the table `oid` is a column instance of, if any.
    const Oid* rowStatusColumnFor(const Oid& oid) const;
};

// Text helpers.
Oid parseOid(const std::string& text); // throws DataError
std::string oidText(const Oid& oid);
bool startsWith(const Oid& oid, const Oid& prefix);

// One `TAG|VALUE` pair of the text form (tag text includes an optional `x`).
Value parseValue(const std::string& tag, const std::string& value); // throws DataError
// The `TAG|VALUE` text; octet strings that are not plain printable text are hex.
std::string formatValue(const Value& v);

// Loads a data file, plain or gzip-compressed (told by its content; a name ending
// in .gz must hold gzip data); throws DataError naming the file and line of the first
// line it cannot read.  Given `leftOut` it is lenient instead: such lines are
// left out, and variation-module tags ("2:numeric|rate=1,initial=5") are served
// as their plain tag's starting value; each gets one "FILE:LINE: why" entry.
// Only a regular file is read, of at most 512 MiB of text (as it is, or once
// decompressed); running out of memory while loading is a DataError too.
MibData loadSnmprec(const std::string& path, std::vector<std::string>* leftOut = nullptr);
MibData parseSnmprec(const std::string& text, const std::string& name, std::vector<std::string>* leftOut = nullptr);
std::string formatSnmprec(const MibData& data);
// Writes the whole file, private to its owner (0600), via a uniquely named
// temporary file in the same folder, fsync, a rename and an fsync of the folder;
// throws DataError when it cannot.
void saveSnmprec(const MibData& data, const std::string& path);

// The generated large table used by benchmarks: `rows` rows of four columns
// under kBigTableEntry: .1 index (INTEGER), .2 name (OCTET STRING), .3 a
// Counter32, .4 a writable INTEGER status 1..2.  Rows are indexed 1..rows.
inline const Oid kBigTableEntry = {1, 3, 6, 1, 4, 1, 97531, 99, 1, 1};
void addBigTable(MibData& data, int rows);

} // namespace ksw::sim
