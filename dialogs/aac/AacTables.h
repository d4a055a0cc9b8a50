// The column numbers and list items the access authentication editors name in
// their tables (login and enable method lists, authentication servers and the
// server-group control; the tables are LoginMethodListDefs, EnableMethodListDefs,
// AuthServerDefs and ServerGroupControlDefs).  Columns are 1-based, as in the MIB.
#pragma once

#include "defs/ViewDefinitions.h"

// Items of the method type lists.
namespace AacMethodItem {
constexpr int ServerGroup = 4, Local = 5, None = 6, Other = 7;
}

// Items of the protocol lists.
namespace AacProtocolItem {
constexpr int Tacacs = 0, Xtacacs = 1, TacacsPlus = 2, Radius = 3;
}

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
