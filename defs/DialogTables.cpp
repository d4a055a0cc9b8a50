// The tables the dedicated editors bind: authentication method lists, servers
// and server groups, the spanning-tree settings, the member switches and the
// equipment facts.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

#include <string_view>

using namespace ViewDefRows;

namespace {

// The enable lists have "local-enable" (7) where the login lists have "local" (6).
constexpr KvOptionDef LoginMethodTypeRows[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
constexpr KvOptionDef EnableMethodTypeRows[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
constexpr KvOptionDef AacAuthProtocolRows[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr},
};
constexpr KvOptionDef AacGroupRowStateRows[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
// The capacity bits name one feature the chassis can carry.
constexpr KvOptionDef EquipmentCapacityRows[] = {{0, "Redundant Power", "40"}, {0, nullptr}};

// The editors name items of these lists.
constexpr bool LabelIs(const KvOptionDef* rows, int item, std::string_view label) { return rows[item].Label == label; }
static_assert(LabelIs(LoginMethodTypeRows, AacMethodItem::ServerGroup, "server-group") &&
              LabelIs(LoginMethodTypeRows, AacMethodItem::Local, "local") &&
              LabelIs(LoginMethodTypeRows, AacMethodItem::None, "none") &&
              LabelIs(LoginMethodTypeRows, AacMethodItem::Other, "other"));
static_assert(LabelIs(EnableMethodTypeRows, AacMethodItem::ServerGroup, "server-group") &&
              LabelIs(EnableMethodTypeRows, AacMethodItem::Local, "local-enable") &&
              LabelIs(EnableMethodTypeRows, AacMethodItem::None, "none") &&
              LabelIs(EnableMethodTypeRows, AacMethodItem::Other, "other"));
static_assert(LabelIs(AacAuthProtocolRows, AacProtocolItem::Tacacs, "tacacs") &&
              LabelIs(AacAuthProtocolRows, AacProtocolItem::Xtacacs, "xtacacs") &&
              LabelIs(AacAuthProtocolRows, AacProtocolItem::TacacsPlus, "tacacs-plus") &&
              LabelIs(AacAuthProtocolRows, AacProtocolItem::Radius, "radius"));

}  // namespace

const KvOptionList AacLoginMethodTypeOptions(LoginMethodTypeRows, KvOptionList::IntegerValues);
const KvOptionList AacEnableMethodTypeOptions(EnableMethodTypeRows, KvOptionList::IntegerValues);
const KvOptionList AacAuthProtocolOptions(AacAuthProtocolRows, KvOptionList::IntegerValues);
const KvOptionList AacGroupRowStateOptions(AacGroupRowStateRows, KvOptionList::IntegerValues);
const KvOptionList EquipmentCapacityOptions(EquipmentCapacityRows, KvOptionList::StringValues);

// TLoginMethodListForm (MVT_UMV, 1 key: the list name as a string index).
constinit const KvSNMPVarDef LoginMethodListDefs[11] = {
    Def("1.3.6.1.4.1.97531.12.5.3.1.1", "MethodList Name", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.12.5.3.1.2", "Method1 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.3.1.3", "Method1 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.3.1.4", "Method2 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.3.1.5", "Method2 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.3.1.6", "Method3 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.3.1.7", "Method3 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.3.1.8", "Method4 Type", Integer, ReadWrite, &AacLoginMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.3.1.9", "Method4 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.3.1.10", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// TEnableMethodForm (MVT_UMV, 1 key).
constinit const KvSNMPVarDef EnableMethodListDefs[11] = {
    Def("1.3.6.1.4.1.97531.12.5.4.1.1", "MethodList Name", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.12.5.4.1.2", "Method1 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.4.1.3", "Method1 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.4.1.4", "Method2 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.4.1.5", "Method2 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.4.1.6", "Method3 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.4.1.7", "Method3 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.4.1.8", "Method4 Type", Integer, ReadWrite, &AacEnableMethodTypeOptions),
    Def("1.3.6.1.4.1.97531.12.5.4.1.9", "Method4 Server Group", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.4.1.10", "Method List Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// TServerInformationForm (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef AuthServerDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.5.10.1.1", "IP Address", IpAddress, Key),
    Def("1.3.6.1.4.1.97531.12.5.10.1.2", "Auth Protocol", Integer, Key, &AacAuthProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.10.1.3", "Auth Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.10.1.4", "Auth Key", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.10.1.5", "Timeout", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.10.1.6", "Retry Count", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.10.1.7", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// TfrmACCServerCtrl (MVT_UMV, 3 keys).
constinit const KvSNMPVarDef ServerGroupControlDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.5.12.1.1", "Group Name", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.12.5.12.1.2", "IP Address", IpAddress, Key),
    Def("1.3.6.1.4.1.97531.12.5.12.1.3", "Auth Protocol", Integer, Key, &AacAuthProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.12.1.4", "Row State", Integer, ReadWrite, &AacGroupRowStateOptions),
    EndOfTable,
};

// TSTP_Info: every variable, in the order of the controls.
constinit const KvSNMPVarDef StpSettingsDefs[10] = {
    StpVersionRow,
    Def("1.3.6.1.4.1.97531.12.15.1.3", "MSTP STP Max Age", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.1.4", "MSTP STP Hello Time", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.1.5", "MSTP STP Forward Delay", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.1.6", "MSTP STP Max Hops", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.1.7", "MSTP STP Tx Hold Count", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.1.8", "MSTP STP Forward BPDU", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.15.1.9", "MSTP STP LBD", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.15.1.10", "MSTP STP LBD Recover Time", Integer, ReadWrite),
    EndOfTable,
};

// TSTP_Info: the spanning-tree state, read after the version (StpVersionDefs):
// it decides whether a version change makes the switch work for a while.
constinit const KvSNMPVarDef StpStateDefs[2] = {
    SpanningTreeAlgorithmRow,
    EndOfTable,
};

// TMSInformationForm (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MemberSwitchDefs[11] = {
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.1", "ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.2", "Device Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.3", "MAC Address", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.4", "Firmware Version", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.5", "Capability", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.6", "Platform", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.7", "Hold Time", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.8", "Cas Source", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.9", "Password", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.10", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// TMSEditForm: the columns of the member switch table the editor writes, under
// the captions its messages use.
constinit const KvSNMPVarDef MemberEditDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.1", "ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.8", "Member Candidate Source", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.9", "Member Password", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.8.1.3.1.10", "Member Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// TEquipmentBasicInfoForm (SVT_SV, 0 keys).
constinit const KvSNMPVarDef EquipmentDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.11.1.1", "Equipment Capacity", BitStr, ReadOnly, &EquipmentCapacityOptions),
    Def("1.3.6.1.4.1.97531.12.11.1.9.1", "Stacking Version", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.2", "Max SupportedUnits", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.3", "Num Of Unit", Integer, ReadOnly),
    EndOfTable,
};
