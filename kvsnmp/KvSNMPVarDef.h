// The constant definition record of one MIB object, as the view tables list them.
#pragma once

#include <cstdint>

class KvOptionList;

// Syntax codes: ASN.1 tags for the SNMP base types, the library's own codes for
// octet strings with a known layout.
namespace KvSyntax {
constexpr std::uint32_t Boolean = 1, Integer = 2, BitStr = 3, OctetStr = 4, Null = 5,
    ObjectId = 6, IpAddress = 0x40, Counter = 0x41, Gauge = 0x42, TimeTicks = 0x43,
    Opaque = 0x44, NsapAddr = 0x45, Counter64 = 0x46, UInteger = 0x47, Double = 0x48,
    MacAddress = 0x49, DateTime = 0x4A, BcDateTime = 0x4B, DisplayStr = 0x4C,
    Ipv6Address = 0x4D, Bool8 = 0xC1, Int8 = 0xC2, UInt8 = 0xC3, Bool16 = 0xC4,
    Int16 = 0xC5, UInt16 = 0xC6;
}

// Access flags (combinable).
namespace KvAccess {
constexpr std::uint32_t NotAccess = 0x01, ReadOnly = 0x02, WriteOnly = 0x04, ReadWrite = 0x06,
    Derived = 0x08, Hidden = 0x10, Invalid = 0x20, Implied = 0x40;
}

// Kinds of variable list.
enum KvListKind : std::uint8_t { SVT_SV = 0, MVT_SV = 1, MVT_FMV = 2, MVT_UMV = 3 };

// A constant table is an array of these ended by a record whose Oid is null.
// Value and CurrentOid are null in constant tables.
struct KvSNMPVarDef {
    const char* Oid;
    const char* Caption;
    std::uint32_t Syntax;
    std::uint32_t Access;
    const KvOptionList* Options;
    const char* GetExpression;
    const char* SetExpression;
    const char* Reserved;
    const char* Value;
    const char* CurrentOid;
};
