// Shorthand for writing the constant definition tables.
#pragma once

#include <cstdint>

#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvSNMPVarDef.h"

namespace ViewDefRows {

using namespace KvSyntax;
using KvAccess::ReadOnly;
using KvAccess::ReadWrite;

constexpr std::uint32_t Key = KvAccess::NotAccess;
// Last key of a table indexed without a length prefix.
constexpr std::uint32_t ImpliedKey = KvAccess::NotAccess | KvAccess::Implied;

// The views leave the expression and reserved fields empty; Value and
// CurrentOid are runtime-only.
constexpr KvSNMPVarDef Def(const char* oid, const char* caption, std::uint32_t syntax,
                           std::uint32_t access, const KvOptionList* options = nullptr)
{
    return KvSNMPVarDef{oid, caption, syntax, access, options,
                        nullptr, nullptr, nullptr, nullptr, nullptr};
}

constexpr KvSNMPVarDef EndOfTable{};

// Rows that stand in more than one table, written once: a view and a dialog or
// command reading the same object, or two views showing it.
constexpr KvSNMPVarDef StpVersionRow =
    Def("1.3.6.1.4.1.97531.12.15.1.2", "MSTP STP Version", Integer, ReadWrite, &StpVersionOptions);
constexpr KvSNMPVarDef SpanningTreeAlgorithmRow =
    Def("1.3.6.1.4.1.97531.12.15.1.1", "Spanning Tree Algorithm", Integer, ReadWrite, &DisabledEnabledOptions);
constexpr KvSNMPVarDef SystemResetRow =
    Def("1.3.6.1.4.1.97531.12.1.2.3", "System Reset", Integer, ReadWrite, &SystemResetOptions);
constexpr KvSNMPVarDef RmonStateRow =
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.3", "Rmon State", Integer, ReadWrite, &DisabledEnabledOptions);
constexpr KvSNMPVarDef RadiusAuthClientInvalidAddressesRow =
    Def("1.3.6.1.2.1.67.1.2.1.1.1", "RADIUS Auth Client Invalid Server Addresses", Counter, ReadOnly);
constexpr KvSNMPVarDef RadiusAuthClientIdentifierRow =
    Def("1.3.6.1.2.1.67.1.2.1.1.2", "RADIUS Auth Client Identifier", DisplayStr, ReadOnly);
// The interface columns and the agent's uptime that the port hint and the
// traffic monitor both read (the code gives each its instance).
constexpr KvSNMPVarDef IfDescrRow = Def("1.3.6.1.2.1.2.2.1.2", "ifDescr", DisplayStr, ReadOnly);
constexpr KvSNMPVarDef IfAliasRow = Def("1.3.6.1.2.1.31.1.1.1.18", "ifAlias", DisplayStr, ReadOnly);
constexpr KvSNMPVarDef IfSpeedRow = Def("1.3.6.1.2.1.2.2.1.5", "ifSpeed", Gauge, ReadOnly);
constexpr KvSNMPVarDef IfHighSpeedRow = Def("1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", Gauge, ReadOnly);
constexpr KvSNMPVarDef IfOperStatusRow =
    Def("1.3.6.1.2.1.2.2.1.8", "ifOperStatus", Integer, ReadOnly, &IfOperStatusOptions);
constexpr KvSNMPVarDef IfLastChangeRow = Def("1.3.6.1.2.1.2.2.1.9", "ifLastChange", TimeTicks, ReadOnly);
constexpr KvSNMPVarDef SysUpTimeRow = Def("1.3.6.1.2.1.1.3", "sysUpTime", TimeTicks, ReadOnly);

}  // namespace ViewDefRows
