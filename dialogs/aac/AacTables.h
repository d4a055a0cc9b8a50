// The access authentication tables the dedicated editors write: login and
// enable method lists, authentication servers and the server-group control,
// with their value sets and column numbers (1-based, as in the MIB).
#pragma once

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPVarDef.h"

// Method types in the order the type lists show them; the enable lists have
// "local-enable" (7) where the login lists have "local" (6).
extern const KvOptionList AacLoginMethodTypeOptions;
extern const KvOptionList AacEnableMethodTypeOptions;
extern const KvOptionList AacAuthProtocolOptions;   // 1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius
extern const KvOptionList AacGroupRowStateOptions;  // 1 add, 2 delete

// Items of the method type lists.
namespace AacMethodItem {
constexpr int ServerGroup = 4, Local = 5, None = 6, Other = 7;
}

// Items of the protocol lists.
namespace AacProtocolItem {
constexpr int Tacacs = 0, Xtacacs = 1, TacacsPlus = 2, Radius = 3;
}

extern const KvSNMPVarDef LoginMethodListDefs[11];
extern const KvSNMPVarDef EnableMethodListDefs[11];
extern const KvSNMPVarDef AuthServerDefs[8];
extern const KvSNMPVarDef ServerGroupControlDefs[5];

namespace MethodListColumn {
enum : int { Name = 1, Method1Type, Method1Group, Method2Type, Method2Group, Method3Type, Method3Group,
             Method4Type, Method4Group, RowStatus, Count = RowStatus };
// The type and server-group columns of method slot k (1 to 4).
constexpr int TypeOf(int slot) { return 2 * slot; }
constexpr int GroupOf(int slot) { return 2 * slot + 1; }
constexpr int Slots = 4;
}

namespace AuthServerColumn {
enum : int { Address = 1, Protocol, Port, Key, Timeout, RetryCount, RowStatus, Count = RowStatus };
}

namespace ServerGroupControlColumn {
enum : int { GroupName = 1, Address, Protocol, RowState, Count = RowState };
}
