// Layer2 Management menu.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by DeviceInformation1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef DeviceInformationDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.1", "System UpT ime", TimeTicks, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.2", "Total Num Of Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.3", "Num Of Port In Use", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.4", "Console In Use", Integer, ReadOnly, &InUseOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.5", "Module Type", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by StackInformation1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef StackInformationDefs[8] = {
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.1", "Unit ID", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.2", "MAC Address", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.3", "Start Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.4", "Port Range", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.5", "Control Mode", Integer, ReadWrite, &StackModeOptions),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.6", "Current Mode", Integer, ReadOnly, &StackModeOptions),
    Def("1.3.6.1.4.1.97531.11.48.1.1.4.1.3.1.7", "Version", Integer, ReadOnly),
    EndOfTable,
};

// Bound by PowerInformation1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef PowerInformationDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.8.1.1", "Power UnitI ndex", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.8.1.2", "Power ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.1.8.1.3", "Power Status", Integer, ReadOnly, &PowerStatusOptions),
    EndOfTable,
};

// Bound by DeviceControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef DeviceControlDefs[12] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.1", "STP State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.2", "IGMP Snooping", Integer, ReadWrite, &DisabledEnabledOptions),
    RmonStateRow,
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.8", "Clean All Statistic Counter", Integer, ReadWrite, &CleanCountersOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.9", "Vlan ID Of FDB Table", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.10", "MAC Notify State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.11", "MAC Notify History Size", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.12", "MAC Notify Interval", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.13", "Asymmetric VLAN State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.2.14", "Management VLAN ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.14.2", "Port Security Trap Log State", Integer, ReadWrite, &OtherEnableDisableOptions),
    EndOfTable,
};

// Bound by AlarmControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AlarmControlDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.3.1", "Dev Alarm New Root", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.3.2", "Dev Alarm Topology Change", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.1.3.3", "Dev Alarm Link Change", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by PortInformationTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PortInformationTableDefs[7] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.1", "Port Index", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.2", "Unit Index", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.3", "Type", Integer, ReadOnly, &PortTypeOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.4", "Link Status", Integer, ReadOnly, &LinkStatusOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.5", "Nway Status", Integer, ReadOnly, &NwayStatusOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.1.1.6", "Module Type", Integer, ReadOnly),
    EndOfTable,
};

// Bound by PortControlTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef PortControlTableDefs[9] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.1", "Port Ctrl Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.2", "Port Ctrl UnitI ndex", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.3", "Port Ctrl Admin State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.4", "Port Ctrl Nway State", Integer, ReadWrite, &NwayStateOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.5", "Port Ctrl Flow Ctrl State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.6", "Port Ctrl Lock State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.7", "Port Ctrl MAC Notify State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.4.2.1.8", "Port Ctrl Multicastfilter", Integer, ReadWrite, &MulticastFilterModeOptions),
    EndOfTable,
};

// Bound by PortTrunkMgmt1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef PortTrunkManagementDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.1", "Trunk Max Supported Entries", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.2", "Trunk Current Num Entries", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.4", "Trunk Algorithm", Integer, ReadWrite, &TrunkAlgorithmOptions),
    EndOfTable,
};

// Bound by PortTrunkTable1 (MVT_FMV, 1 key), TrunkManagement (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PortTrunkTableDefs[8] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.1", "Trunk Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.2", "Trunk Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.3", "Trunk Master Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.4", "Trunk Member", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.5", "Trunk Flooding Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.6", "Trunk Type", Integer, ReadWrite, &TrunkTypeOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.8.3.1.7", "Trunk State", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by PortSecurityTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PortSecurityTableDefs[5] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.14.1.1.1", "Port Index", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.14.1.1.2", "Max Learned Address", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.14.1.1.3", "Security Mode", Integer, ReadWrite, &PortSecurityModeOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.14.1.1.4", "Admin State", Integer, ReadWrite, &EnableDisable23Options),
    EndOfTable,
};

// Bound by LimitedMulticast1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef LimitedMulticastDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.5.1.1.1", "Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.5.1.1.2", "From IP", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.5.1.1.3", "To IP", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.5.1.1.4", "Access", Integer, ReadWrite, &MulticastAccessOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.5.1.1.5", "State", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by BandwidthControlTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef BandwidthControlDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.1.1.1", "Bandwidth Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.1.1.2", "Bandwidth Rx Rate", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.1.1.3", "Bandwidth Tx Rate", Integer, ReadWrite),
    EndOfTable,
};

// Bound by SchedulingTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef SchedulingTableDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.2.1.1", "Scheduling Class Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.2.1.2", "Scheduling Max Packets", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.2.1.3", "Scheduling Max Latency", Integer, ReadWrite),
    EndOfTable,
};

// Bound by N8021pUserPriorityTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef Dot1pUserPriorityDefs[3] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.3.1.1", "User Priority Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.3.1.2", "User Priority Class", Integer, ReadWrite),
    EndOfTable,
};

// Bound by N8021pDefaultPriorityTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef Dot1pDefaultPriorityDefs[3] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.4.1.1", "Priority Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.6.4.1.2", "Priority", Integer, ReadWrite),
    EndOfTable,
};

// Bound by MACBindingManagement2 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef MacBindingManagementDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.4", "IP MAC Binding All Port State", Integer, ReadWrite, &OtherEnableDisableOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.5", "IP MAC Binding Trap Log State", Integer, ReadWrite, &EnableDisable23Options),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.6", "IP MAC Binding ACL Mode", Integer, ReadWrite, &EnableDisable23Options),
    EndOfTable,
};

// Bound by MACBindingPort1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef MacBindingPortDefs[3] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.1.1.1", "Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.1.1.2", "Port State", Integer, ReadWrite, &EnableDisable23Options),
    EndOfTable,
};

// Bound by MACBindingInformation1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MacBindingInformationDefs[7] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.1", "IP Index", IpAddress, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.2", "MAC", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.3", "Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.4", "Ports", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.5", "Action", Integer, ReadOnly, &BindingActionOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.2.1.6", "Mode", Integer, ReadWrite, &BindingModeOptions),
    EndOfTable,
};

// Bound by MACBindingBlocked1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef MacBindingBlockedDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.3.1.1", "Blocked VID", Gauge, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.3.1.2", "Blocked MAC", MacAddress, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.3.1.3", "Blocked VLAN Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.3.1.4", "Blocked Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.7.3.1.5", "Blocked Type", Integer, ReadWrite, &BlockedTypeOptions),
    EndOfTable,
};

// Bound by MirrorManagement (SVT_SV, 0 keys).
constinit const KvSNMPVarDef MirrorManagementDefs[5] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.9.1", "MirrorLogic Target Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.9.2", "Mirror Port Source Ingress", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.9.3", "Mirror Port Source Egress", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.9.4", "Mirror Port State", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by IGMPControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef IgmpControlDefs[3] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.1", "Max Supported VLANs", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.2", "Max IP Group Num Per VLAN", Integer, ReadOnly),
    EndOfTable,
};

// Bound by IGMPControlTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef IgmpControlTableDefs[12] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.1", "VID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.2", "Query Interval", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.3", "Max Response Time", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.4", "Robustness", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.5", "Last Member Query Interval", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.6", "Host Timeout", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.7", "Route Timeout", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.8", "Leave Timer", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.9", "Query State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.10", "Current State", Integer, ReadOnly, &IgmpQuerierStateOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.3.1.11", "Ctrl State", Integer, ReadWrite, &DisableEnable23Options),
    EndOfTable,
};

// Bound by IGMPQueryInformation1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef IgmpQueryInformationDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.4.1.1", "VID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.4.1.2", "Query Count", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.4.1.3", "Tx Query Count", Integer, ReadOnly),
    EndOfTable,
};

// Bound by IGMPManagement (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef IgmpGroupTableDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.5.1.1", "VID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.5.1.2", "Group IP Address", IpAddress, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.5.1.3", "MAC Address", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.5.1.4", "Port Map", BitStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.5.1.5", "IP Group Report Count", Integer, ReadOnly),
    EndOfTable,
};

// Bound by IGMPMulticastVlan1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef IgmpMulticastVlanDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.6.1.1", "Multicast VLAN ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.6.1.2", "Multicast VLAN Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.6.1.3", "Multicast VLAN Source Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.6.1.4", "Multicast VLAN Member Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.6.1.5", "Multicast VLAN Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by IGMPRouterPortTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef IgmpRouterPortDefs[6] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.7.1.1", "VLAN ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.7.1.2", "VLAN Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.7.1.3", "Static Port List", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.7.1.4", "Dynamic Port List", BitStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.10.7.1.5", "Forbidden Port List", BitStr, ReadWrite),
    EndOfTable,
};

// Bound by Management1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef DhcpRelayManagementDefs[7] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.1", "Relay State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.2", "Relay Hop Count", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.3", "Relay Time Threshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.4", "Relay Option 82 State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.5", "Relay Option 82 Check", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.6", "Relay Option 82 Policy", Integer, ReadWrite, &Option82PolicyOptions),
    EndOfTable,
};

// Bound by Control2 (MVT_FMV, 2 keys).
constinit const KvSNMPVarDef DhcpRelayServerDefs[4] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.7.1.1", "Ctrl Interface Name", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.7.1.2", "Ctrl Server", IpAddress, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.11.7.1.3", "Ctrl State", Integer, ReadWrite, &InvalidValidOptions),
    EndOfTable,
};

// Bound by PacketStormTrapControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef PacketStormTrapControlDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.25.1.2", "Packet Storm Trap Ctrl", Integer, ReadWrite, &StormTrapOptions),
    EndOfTable,
};

// Bound by PacketStromControlTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PacketStormControlTableDefs[12] = {
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.1", "Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.3", "Broadcast Status", Integer, ReadWrite, &DisabledEnabled12Options),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.4", "Multicast Status", Integer, ReadWrite, &DisabledEnabled12Options),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.5", "Destination Loopback Fail Status", Integer, ReadWrite, &DisabledEnabled12Options),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.6", "Action Status", Integer, ReadWrite, &StormActionOptions),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.7", "Count Down", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.8", "Time interval", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.9", "Shutdown Forever", Integer, ReadOnly, &YesNoOptions),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.10", "Broadcast Threshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.11", "Multicast Threshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.25.3.1.1.12", "Destination Loopback Fail Threshold", Integer, ReadWrite),
    EndOfTable,
};

// Bound by SafeGuardAdminState1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SafeguardAdminStateDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.19.1.1", "Safeguard Admin State", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SafeGuardControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SafeguardControlDefs[6] = {
    Def("1.3.6.1.4.1.97531.12.19.2.1", "Rising Threshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.19.2.2", "Falling Threshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.19.2.4", "AlarmAdmin State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.19.2.5", "CurrentStatus", Integer, ReadOnly, &SafeguardStatusOptions),
    Def("1.3.6.1.4.1.97531.12.19.2.6", "Interval", Integer, ReadOnly),
    EndOfTable,
};

// Bound by TrafficControlTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef TrafficControlTableDefs[7] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.1", "swL2TrafficCtrlGroupIndex", Integer, Key),
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.2", "swL2TrafficCtrlUnitIndex", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.3", "swL2TrafficCtrlBMStromthreshold", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.4", "swL2TrafficCtrlBcastStromCtrl", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.5", "swL2TrafficCtrlMcastStromCtrl", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.11.64.2.2.12.1.1.6", "swL2TrafficCtrlDlfStromCtrl", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by TrafficManagement page "Traffic Segment Table" (MVT_FMV, 1 key).
constinit const KvSNMPVarDef TrafficSegmentTableDefs[3] = {
    Def("1.3.6.1.4.1.97531.11.64.2.2.13.1.1.1", "Traffic Seg Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.11.64.2.2.13.1.1.2", "Traffic Seg Forward Ports", OctetStr, ReadWrite),
    EndOfTable,
};

// Bound by AuthenticationControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AacAdminStateDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.5.1.1", "Admin State", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by AACInformationTable1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AacInformationDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.5.2.1", "Max Login Method List", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.2.2", "Max Enable Method List", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.2.3", "Max Server Group", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.2.4", "Max Server", Integer, ReadOnly),
    EndOfTable,
};

// Bound by AACLoginMethod1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AacLoginMethodDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.5.7.1.1", "Console Login Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.1.2", "Telnet Login Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.1.3", "SSH Login Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.1.4", "HTTP Login Method", DisplayStr, ReadWrite),
    EndOfTable,
};

// Bound by AACEnableMethod1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AacEnableMethodDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.5.7.2.1", "Console Enable Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.2.2", "Telnet Enable Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.2.3", "SSH Enable Method", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.7.2.4", "HTTP Enable Method", DisplayStr, ReadWrite),
    EndOfTable,
};

// Bound by AuthenticationParaTable1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AacAuthParamDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.5.8.1", "Param Response Timeout", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.5.8.2", "Param Attempt", Integer, ReadWrite),
    EndOfTable,
};

// Bound by AACServerGroupTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AacServerGroupTableDefs[19] = {
    Def("1.3.6.1.4.1.97531.12.5.9.1.1", "Name", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.12.5.9.1.2", "IP Address1", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.3", "Auth Protocol1", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.4", "IP Address2", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.5", "Auth Protocol2", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.6", "IP Address3", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.7", "Auth Protocol3", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.8", "IP Address4", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.9", "Auth Protocol4", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.10", "IP Address5", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.11", "Auth Protocol5", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.12", "IP Address6", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.13", "Auth Protocol6", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.14", "IP Address7", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.15", "Auth Protocol7", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.16", "IP Address8", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.5.9.1.17", "Auth Protocol8", Integer, ReadOnly, &AacServerProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.5.9.1.18", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};
