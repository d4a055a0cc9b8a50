#include "dialogs/aac/AacTables.h"

#include "dialogs/acl/AclTables.h"

namespace {

using namespace KvSyntax;
using KvAccess::ReadWrite;
constexpr std::uint32_t Key = KvAccess::NotAccess;

constexpr KvSNMPVarDef EndOfTable{};

constexpr KvOptionDef LoginMethodRows[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                           {5, "server-group"}, {6, "local"}, {8, "none"}, {9, "other"},
                                           {0, nullptr}};
constexpr KvOptionDef EnableMethodRows[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                            {5, "server-group"}, {7, "local-enable"}, {8, "none"}, {9, "other"},
                                            {0, nullptr}};
constexpr KvOptionDef ProtocolRows[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                        {0, nullptr}};
constexpr KvOptionDef GroupRowStateRows[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};

}  // namespace

const KvOptionList AacLoginMethodTypeOptions(LoginMethodRows, KvOptionList::IntegerValues);
const KvOptionList AacEnableMethodTypeOptions(EnableMethodRows, KvOptionList::IntegerValues);
const KvOptionList AacAuthProtocolOptions(ProtocolRows, KvOptionList::IntegerValues);
const KvOptionList AacGroupRowStateOptions(GroupRowStateRows, KvOptionList::IntegerValues);

constinit const KvSNMPVarDef LoginMethodListDefs[11] = {
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.1", "MethodList Name", DisplayStr, Key),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.2", "Method1 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.3", "Method1 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.4", "Method2 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.5", "Method2 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.6", "Method3 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.7", "Method3 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.8", "Method4 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.9", "Method4 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.3.1.10", "Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef EnableMethodListDefs[11] = {
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.1", "MethodList Name", DisplayStr, Key),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.2", "Method1 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.3", "Method1 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.4", "Method2 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.5", "Method2 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.6", "Method3 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.7", "Method3 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.8", "Method4 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.9", "Method4 Server Group", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.4.1.10", "Method List Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef AuthServerDefs[8] = {
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.1", "IP Address", IpAddress, Key),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.2", "Auth Protocol", Integer, Key, &AacAuthProtocolOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.3", "Auth Port", Integer, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.4", "Auth Key", DisplayStr, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.5", "Timeout", Integer, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.6", "Retry Count", Integer, ReadWrite),
    ColumnDef("1.3.6.1.4.1.97531.12.5.10.1.7", "Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef ServerGroupControlDefs[5] = {
    ColumnDef("1.3.6.1.4.1.97531.12.5.12.1.1", "Group Name", DisplayStr, Key),
    ColumnDef("1.3.6.1.4.1.97531.12.5.12.1.2", "IP Address", IpAddress, Key),
    ColumnDef("1.3.6.1.4.1.97531.12.5.12.1.3", "Auth Protocol", Integer, Key, &AacAuthProtocolOptions),
    ColumnDef("1.3.6.1.4.1.97531.12.5.12.1.4", "Row State", Integer, ReadWrite, &AacGroupRowStateOptions),
    EndOfTable,
};
