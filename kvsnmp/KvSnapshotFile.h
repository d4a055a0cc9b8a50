// The text file of a configuration snapshot: what a switch's settings were at
// one moment, one object a line, so that diff and version control work on it.
//
//     # KSW-4800 configuration snapshot, format 1
//     # agent: "10.0.0.1:161"
//     # sysName: "core-1"
//     # sysDescr: "KSW-4800 ..."
//     # sysObjectID: "1.3.6.1.4.1.97531.4800"
//     # time: "2026-03-01T02:00:00Z"
//     # module: "ksw4800 1.0.0"
//     # secrets: withheld
//     1.3.6.1.2.1.31.1.1.1.18.5 displaystr "uplink to core"  # ifX Table | 5 | IF Alias
//     1.3.6.1.6.3.18.1.1.1.2.6.112.117.98.108.105.99 displaystr withheld  # Community Table | public | Community Name
//     1.3.6.1.4.1.97531.12.3.2.4.1.2 ipaddress absent  # Radius Server Table | RADIUS Server IP Address
//     # end: 3 objects
//
// Lines are sorted by OID, arc by arc.  A value is the text form its syntax
// has in the codec table (kvsnmp/KvSyntaxCodec.h), without option labels, in
// double quotes: a backslash escapes \ and ", \n \r \t stand for themselves,
// \xHH for any other control character or a byte that is not UTF-8 text.
// "withheld" stands for a secret that was not saved, "absent" for an object
// the agent does not have (the column or scalar OID, without instance).  What
// follows "  # " is a comment for people and is not read back.  The end line
// counts the object lines: a file cut short is told from a whole one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct KvSnapshotHeader {
    std::string Agent;        // "address:port"
    std::string SysName;
    std::string SysDescr;
    std::string SysObjectId;  // dotted
    std::string Time;         // UTC, "2026-03-01T02:00:00Z"
    std::string Module;       // "ksw4800 1.0.0"
    bool Secrets = false;     // secrets were saved rather than withheld
};

enum class KvSnapshotState : std::uint8_t { Value, Withheld, Absent };

struct KvSnapshotLine {
    std::string Oid;          // dotted; with instance unless Absent
    std::uint32_t Syntax = 0;
    KvSnapshotState State = KvSnapshotState::Value;
    std::string Value;        // the syntax's text form (Value lines only)
    std::string Comment;      // written, never read back
};

struct KvSnapshot {
    KvSnapshotHeader Header;
    std::vector<KvSnapshotLine> Lines;   // sorted by OID
};

// OID order, arc by arc ("1.3.6.1.2" before "1.3.6.1.10").  Texts that are no
// OID sort after those that are, by their text.
bool KvOidLess(std::string_view a, std::string_view b);
void KvSortSnapshot(KvSnapshot& snapshot);

// Whether text is a value of the syntax exactly as the codec writes one, so
// that it reads back as the same value.
bool KvIsSnapshotValue(std::uint32_t syntax, const std::string& text);

// The file's text.  The lines must be sorted.
std::string KvSnapshotText(const KvSnapshot& snapshot);

// File errors carry the common messages' codes (KvFileReadFailed and
// KvFileWriteFailed of KvSNMPErrors.h) with a text that says more.
//
// Reads a file's text.  A truncated, edited or foreign file is refused with
// the common read error (KvFileReadFailed) whose text is "NAME:LINE: reason".
KvSnapshot KvParseSnapshot(std::string_view text, const std::string& name);

// Writes the file whole or not at all: a uniquely named temporary file beside
// it, mode 0600 from its creation, flushed, then renamed over the old one.
// Raises KvFileWriteFailed, saying why, and leaves an existing file as it was.
void KvWriteSnapshotFile(const KvSnapshot& snapshot, const std::string& path);

// Reads a regular file of at most 256 MiB; raises KvFileReadFailed.
KvSnapshot KvReadSnapshotFile(const std::string& path);

// The quoted form of a text (as the file writes values) and back; Unquote
// gives false for a text that is not exactly one quoted string.
std::string KvSnapshotQuote(std::string_view bytes);
bool KvSnapshotUnquote(std::string_view quoted, std::string& bytes);
