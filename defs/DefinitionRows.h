// Shorthand for writing the constant definition tables.
#pragma once

#include <cstdint>

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

}  // namespace ViewDefRows
