// Single IP Configuration, RSTP, Bridge, VLAN and RMON menus.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by Information1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SingleIpInformationDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.8.1.1.1", "Version", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.1.2", "Capability", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.1.3", "Platform", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by Control1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SingleIpControlDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.8.1.2.1", "Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.8.1.2.2", "Role State", Integer, ReadWrite, &SingleIpRoleOptions),
    Def("1.3.6.1.4.1.97531.12.8.1.2.3", "Holdtime", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.8.1.2.4", "Time Interval", Integer, ReadWrite),
    EndOfTable,
};

// Bound by CandidateSwitch1 (MVT_UMV, 1 key).
// Items 1 and 2 both carry the heading "Device Name"; item 2 is the MAC address column.
constinit const KvSNMPVarDef SingleIpCandidateSwitchDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.1", "ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.2", "Device Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.3", "Device Name", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.4", "Firmware Version", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.5", "Capability", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.6", "Platform", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.4.1.7", "Holdtime", Integer, ReadOnly),
    EndOfTable,
};

// Bound by IPManagementGroup1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef SingleIpGroupDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.1", "MAC Address", MacAddress, Key),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.2", "Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.3", "Device Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.4", "MS Number", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.5", "Firmware Version", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.6", "Capability", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.7", "Platform", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.8.1.5.1.8", "Holdtime", Integer, ReadOnly),
    EndOfTable,
};

// Bound by RSTP page "STP Control" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef StpControlDefs[7] = {
    Def("1.3.6.1.2.1.17.2.16", "dot1dStpVersion", Integer, ReadWrite, &RstpVersionOptions),
    Def("1.3.6.1.2.1.17.2.2", "dot1dStpPriority", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.12", "dot1dStpBridgeMaxAge", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.13", "dot1dStpBridgeHelloTime", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.14", "dot1dStpBridgeForwardDelay", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.17", "dot1StpTxHoldCount", Integer, ReadWrite),
    EndOfTable,
};

// Bound by RSTP page "STP Port Control" (MVT_FMV, 1 key).
constinit const KvSNMPVarDef StpPortControlDefs[11] = {
    Def("1.3.6.1.2.1.17.2.15.1.1", "STP Port", Integer, Key),
    Def("1.3.6.1.2.1.17.2.15.1.2", "STP Port Priority", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.15.1.3", "STP Port State", Integer, ReadOnly, &StpPortStateOptions),
    Def("1.3.6.1.2.1.17.2.15.1.4", "STP Port Enable", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.17.2.15.1.5", "STP Port Path Cost", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.15.1.6", "STP Port Designated Root", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.17.2.15.1.7", "STP Port Designated Cost", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.15.1.8", "STP Port Designated Bridge", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.17.2.15.1.9", "STP Port Designated Port", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.17.2.15.1.10", "STP Port Forward Transitions", Counter, ReadOnly),
    EndOfTable,
};

// Bound by SpanningTreeAlgorithm1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SpanningTreeAlgorithmDefs[2] = {
    SpanningTreeAlgorithmRow,
    EndOfTable,
};

// Bound by BridgeInformation (SVT_SV, 0 keys).
constinit const KvSNMPVarDef BridgeInformationDefs[4] = {
    Def("1.3.6.1.2.1.17.1.2", "Number of Ports", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.4.1", "Learned Entry Discards", Counter, ReadOnly),
    Def("1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", Integer, ReadWrite),
    EndOfTable,
};

// Bound by BridgePortTable (MVT_UMV, 1 key), PortInformation1 (MVT_FMV, 1 key).
// Item 5 keeps the doubled blank of its heading.
constinit const KvSNMPVarDef VlanPortTableDefs[8] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.2", "Port Acceptable FrameT ypes", Integer, ReadWrite, &AcceptableFrameTypesOptions),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.3", "Port IngressF iltering", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.4", "Port GVRP Status", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP  Failed Registrations", Counter, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.4.5.1.6", "Port GVRP Last PDU Or igin", MacAddress, ReadOnly),
    EndOfTable,
};

// Bound by BridgeSTPPortTable (MVT_UMV, 1 key).
// The port key is the last item, after the bridge-wide scalars.
constinit const KvSNMPVarDef BridgeStpPortTableDefs[16] = {
    Def("1.3.6.1.2.1.17.2.1", "STP Protocol Specification", Integer, ReadOnly, &StpProtocolOptions),
    Def("1.3.6.1.2.1.17.2.2", "STP Priority", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.3", "STP Time Since Topology Change", TimeTicks, ReadOnly),
    Def("1.3.6.1.2.1.17.2.4", "STP Top Changes", Counter, ReadOnly),
    Def("1.3.6.1.2.1.17.2.5", "STP Designated Root", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.17.2.6", "STP Root Cost", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.7", "STP Root Port", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.8", "STP Max Age", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.9", "STP Hello Time", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.10", "STP Hold Time", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.11", "STP Forward Delay", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.2.12", "STP Bridge Max Age", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.13", "STP Bridge Hello Time", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.14", "STP Bridge Forward Delay", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.2.15", "STP Port Table", BitStr, Key),
    EndOfTable,
};

// Bound by ConfigurationIdentification1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef MstpConfigurationIdDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.15.2.1", "MSTP Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.2", "MSTP Revision Level", Integer, ReadWrite),
    EndOfTable,
};

// Bound by InstanceInformation1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MstpInstanceTableDefs[25] = {
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.1", "MSTP Inst ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.2", "Vlan Range [1-64]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.3", "Vlan Range [65-128]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.4", "Vlan Range [129-192]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.5", "Vlan Range [193-256]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.6", "Vlan Range [257-320]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.7", "Vlan Range [321-384]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.8", "Vlan Range [385-448]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.9", "Vlan Range [449-512]", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.10", "Type", Integer, ReadOnly, &MstpInstanceTypeOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.11", "Status", Integer, ReadOnly, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.12", "Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.13", "Designated Root Bridge", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.14", "External Root Cost", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.15", "Regional Root Bridge", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.16", "Internal Root Cost", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.17", "Designated Bridge", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.18", "Root Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.19", "Max Age", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.20", "Forward Delay", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.21", "Last Topology Change", TimeTicks, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.22", "Top Changes Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.23", "Remain Hops", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.3.1.24", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by PortStateInformation1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MstpPortStateDefs[13] = {
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.1", "MSTP Port", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.2", "Admin HelloTime", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.3", "Operate HelloTime", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.4", "MSTP Port Enable", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.5", "MSTP Port External Path Cost", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.6", "MSTP Port Migration", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.7", "MSTP Port Admin Edge Port", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.8", "MSTP Port Operate Edge Port", Integer, ReadOnly, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.9", "MSTP Port Admin P2P", Integer, ReadWrite, &MstpPointToPointOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.10", "MSTP Port Operate P2P", Integer, ReadOnly, &MstpPointToPointOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.11", "MSTP Port Forwarding BPDU", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.4.1.12", "MSTP Port LBD", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by PortMSTPInformation1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef MstpPortInstanceDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.1", "Master Port", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.2", "MSTP Instance ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.3", "Designated Bridge", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.4", "Internal Path Cost", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.5", "Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.6", "Status", Integer, ReadOnly, &MstpPortStatusOptions),
    Def("1.3.6.1.4.1.97531.12.15.2.5.1.7", "Role", Integer, ReadOnly, &MstpPortRoleOptions),
    EndOfTable,
};

// Bound by BasicConfigure (SVT_SV, 0 keys).
constinit const KvSNMPVarDef Dot1pBasicConfigureDefs[4] = {
    Def("1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", OctetStr, ReadOnly),
    Def("1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.17.6.1.1.3", "GMRP Status", Integer, ReadWrite, &EnabledDisabledOptions),
    EndOfTable,
};

// Bound by PriorityInformation (MVT_FMV, 1 key).
constinit const KvSNMPVarDef PortCapabilitiesDefs[3] = {
    Def("1.3.6.1.2.1.17.1.4.1.1", "Port Number", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", BitStr, ReadOnly),
    EndOfTable,
};

// Bound by GMRP (MVT_FMV, 1 key).
constinit const KvSNMPVarDef GmrpPortTableDefs[5] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.4.1.1.1", "Port GMRP Status", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.17.6.1.4.1.1.2", "Port GMRP Failed Registrations", Counter, ReadOnly),
    Def("1.3.6.1.2.1.17.6.1.4.1.1.3", "Port GMRP Last PDU Or igin", MacAddress, ReadOnly),
    EndOfTable,
};

// Bound by GARP (MVT_FMV, 1 key).
constinit const KvSNMPVarDef GarpPortTableDefs[5] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.3.1.1.1", "Port GARP Join Time", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.6.1.3.1.1.2", "Port GARP Leave Time", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.6.1.3.1.1.3", "Port GARP Leave All Time", Integer, ReadWrite),
    EndOfTable,
};

// Bound by PortCapbility page "Default User Priorities of Each Port" (MVT_FMV, 1 key).
constinit const KvSNMPVarDef PortDefaultUserPriorityDefs[4] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.1.1.1", "Port Default User Priority", Integer, ReadWrite),
    Def("1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", Integer, ReadWrite),
    EndOfTable,
};

// Bound by PortCapbility page "Regenerated User Priorities" (MVT_FMV, 2 keys).
constinit const KvSNMPVarDef RegenUserPriorityDefs[4] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.2.1.2", "Regen User Priority", Integer, ReadWrite),
    EndOfTable,
};

// Bound by PortCapbility page "User Priorities to Traffic Class" (MVT_FMV, 2 keys).
constinit const KvSNMPVarDef TrafficClassDefs[4] = {
    Def(" ", "Base Port", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", Integer, ReadWrite),
    EndOfTable,
};

// Bound by PortCapbility page "Port Outbound Access Priorities" (MVT_FMV, 2 keys).
constinit const KvSNMPVarDef PortOutboundAccessPriorityDefs[4] = {
    Def(" ", "Base Port", Integer, Key),
    Def(" ", "Regen User Priority", Integer, Key),
    Def("1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Out bound Access Priority", Integer, ReadOnly),
    EndOfTable,
};

// Bound by BasicConfigure2 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef Dot1qBasicConfigureDefs[6] = {
    Def("1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", Integer, ReadWrite, &EnabledDisabledOptions),
    EndOfTable,
};

// Bound by ForwardingFiltering1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef UnicastForwardingDefs[5] = {
    Def(" ", "FDB ID", Gauge, Key),
    Def("1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB Address", MacAddress, Key),
    Def("1.3.6.1.2.1.17.7.1.2.2.1.2", "FDB Port", Integer, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.2.2.1.3", "FDB Status", Integer, ReadOnly, &FdbStatusOptions),
    EndOfTable,
};

// Bound by N8021QVLAN1 page "VLAN Static Table" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef VlanStaticTableDefs[7] = {
    Def(" ", "VLAN Index", Gauge, Key),
    Def("1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Static Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.17.7.1.4.3.1.2", "VLAN Static Egress Ports", BitStr, ReadWrite),
    Def("1.3.6.1.2.1.17.7.1.4.3.1.3", "VLAN Forbidden Egress Ports", BitStr, ReadWrite),
    Def("1.3.6.1.2.1.17.7.1.4.3.1.4", "VLAN Static Untagged Ports", BitStr, ReadWrite),
    Def("1.3.6.1.2.1.17.7.1.4.3.1.5", "VLAN Static Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by N8021QVLAN1 page "VLAN Current Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef VlanCurrentTableDefs[8] = {
    Def("1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", TimeTicks, Key),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", Gauge, Key),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.3", "VLAN FDB ID", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.4", "VLAN Current Egress Ports", BitStr, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.5", "VLAN Current Untagged Ports", BitStr, ReadOnly),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", Integer, ReadOnly, &VlanStatusOptions),
    Def("1.3.6.1.2.1.17.7.1.4.2.1.7", "VLAN Creation Time", TimeTicks, ReadOnly),
    EndOfTable,
};

// Bound by S1 (SVT_SV, 0 keys), the RMON menu check.
constinit const KvSNMPVarDef RmonStateDefs[2] = {
    RmonStateRow,
    EndOfTable,
};
