// Basic Configuration menu: system, files, ping and trace route, time, access control lists, CPU
// filter, system log, link aggregation and interface tables.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by BasicInformation2 (SVT_SV, 0 keys), Info page "Basic Information" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef BasicInformationDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.1.1.1", "Protocol Capability", Integer, ReadOnly, &ProtocolCapabilityOptions),
    Def("1.3.6.1.4.1.97531.12.1.1.3", "Console In Use", Integer, ReadOnly, &InUseOptions),
    Def("1.3.6.1.4.1.97531.12.1.1.5", "asFile Transfer", Integer, ReadOnly, &FileTransferStatusOptions),
    EndOfTable,
};

// Bound by Info page "Mib Capabilities" (MVT_FMV, 1 key), MibCapabilities1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef MibCapabilitiesDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.1.1.2.1.1", "Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.1.1.2.1.2", "Description", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.1.2.1.3", "Version", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.1.2.1.4", "Type", Integer, ReadOnly, &MibCapabilityTypeOptions),
    EndOfTable,
};

// Bound by IPInfo (SVT_SV, 0 keys), IpProtoConfig1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef IpInformationDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.1.3.1", "IP Num Of IF", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.3.3", "IP Get IP From", Integer, ReadWrite, &GetIpFromOptions),
    Def("1.3.6.1.4.1.97531.12.1.3.4", "IP Autoconfig", Integer, ReadWrite, &EnabledDisabledOptions),
    EndOfTable,
};

// Bound by ConfigFileTable page "Agent Information" (MVT_UMV, 0 keys), FileTable1 (MVT_FMV, 1
// key).
constinit const KvSNMPVarDef FileTableDefs[11] = {
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.1", "File Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.2", "File Dscription", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.3", "File Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.4", "File Transfer Type", Integer, ReadWrite, &FileTransferTypeOptions),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.5", "File", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.6", "File LocateId", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.7", "File Load Type", Integer, ReadWrite, &FileLoadTypeOptions),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.8", "File Ctrl", Integer, ReadWrite, &FileCtrlOptions),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.9", "File BIncrement", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.1.2.1.1.10", "Multi Image Ctrl ID", Integer, ReadWrite),
    EndOfTable,
};

// Bound by ConfigFileTable page "Multi Image Information" (MVT_UMV, 1 key), MultiImageInformation1
// (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MultiImageInformationDefs[7] = {
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.1", "Multi Image Information ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.2", "Multi Image Version", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.3", "Multi Image Size", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.4", "Multi Image Update Time", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.5", "Multi Image From", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.2.7.1.6", "Multi Image Send User", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by CPUUtilization2 (MVT_UMV, 0 keys).
constinit const KvSNMPVarDef CpuUtilizationDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.1.1.6.1", "CPU Utilization In 5sec", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.1.6.2", "CPU Utilization In 1min", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.1.1.6.3", "CPU Utilization In 5min", Integer, ReadOnly),
    EndOfTable,
};

// Bound by BasicConfig2 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef BasicConfigDefs[3] = {
    SystemResetRow,
    Def("1.3.6.1.4.1.97531.12.1.2.4", "RS232 Port", Integer, ReadWrite, &Rs232PortOptions),
    EndOfTable,
};

// Bound by AgentNotify1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef AgentNotifyDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.1.4.1.1", "System Traps Severity", Integer, ReadWrite, &SeverityOptions),
    Def("1.3.6.1.4.1.97531.12.1.4.1.2", "System Logs Severity", Integer, ReadWrite, &SeverityOptions),
    EndOfTable,
};

// Bound by MaxConcurrentRequests1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef PingMaxConcurrentRequestsDefs[2] = {
    Def("1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", Gauge, ReadOnly),
    EndOfTable,
};

// Bound by ControlTable1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef PingControlTableDefs[8] = {
    Def("1.3.6.1.2.1.80.1.2.1.1", "Owner Index", DisplayStr, Key),
    Def("1.3.6.1.2.1.80.1.2.1.2", "Test Name", DisplayStr, Key),
    Def("1.3.6.1.2.1.80.1.2.1.4", "Target Address", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.80.1.2.1.6", "Time Out", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.80.1.2.1.7", "Probe Count", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.80.1.2.1.8", "Admin Status", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.80.1.2.1.23", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by ResultTable1 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef PingResultsTableDefs[13] = {
    Def(" ", "Owner Index", DisplayStr, Key),
    Def(" ", "Test Name", DisplayStr, Key),
    Def("1.3.6.1.2.1.80.1.3.1.1", "Oper Status", Integer, ReadOnly, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", Integer, ReadOnly, &InetAddressTypeOptions),
    Def("1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.5", "Max Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.9", "Rtt Sum Of Squares", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by MaxConcurrentRequests2 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef TraceRouteMaxConcurrentRequestsDefs[2] = {
    Def("1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", Gauge, ReadOnly),
    EndOfTable,
};

// Bound by ControlTable2 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef TraceRouteControlTableDefs[28] = {
    Def("1.3.6.1.2.1.81.1.2.1.1", "Owner Index", DisplayStr, Key),
    Def("1.3.6.1.2.1.81.1.2.1.2", "Test Name", DisplayStr, Key),
    Def("1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", Integer, ReadWrite, &InetAddressTypeOptions),
    Def("1.3.6.1.2.1.81.1.2.1.4", "Target Address", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.5", "By Pass Route Table", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.81.1.2.1.6", "Data Size", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.7", "Time Out", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.9", "Port", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.10", "Max Ttl", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.11", "DS Field", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.12", "Source Address Type", Integer, ReadWrite, &InetAddressTypeOptions),
    Def("1.3.6.1.2.1.81.1.2.1.13", "Source Address", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.14", "IF Index", Integer, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.15", "Misc Options", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.16", "Max Failures", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.17", "Dont Fragment", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.81.1.2.1.18", "Initial Ttl", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.19", "Frequency", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.20", "Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.2.1.81.1.2.1.21", "Admin Status", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.81.1.2.1.22", "Descr", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.23", "Max Rows", Gauge, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.24", "Trap Generation", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.81.1.2.1.26", "Type", ObjectId, ReadWrite),
    Def("1.3.6.1.2.1.81.1.2.1.27", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by ResultTable2 (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef TraceRouteResultsTableDefs[11] = {
    Def(" ", "Owner Index", DisplayStr, Key),
    Def(" ", "Test Name", DisplayStr, Key),
    Def("1.3.6.1.2.1.81.1.3.1.1", "Oper Status", Integer, ReadOnly, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.81.1.3.1.2", "Cur Hop Count", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.3.1.3", "Cur Probe Count", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", Integer, ReadOnly, &InetAddressTypeOptions),
    Def("1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.3.1.7", "Test Successes", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by RouteHopsTable1 (MVT_UMV, 3 keys).
constinit const KvSNMPVarDef TraceRouteHopsTableDefs[13] = {
    Def(" ", "Owner Index", DisplayStr, Key),
    Def(" ", "Test Name", DisplayStr, Key),
    Def("1.3.6.1.2.1.81.1.5.1.1", "Hop Index", Gauge, Key),
    Def("1.3.6.1.2.1.81.1.5.1.2", "IP Target AddressType", Integer, ReadOnly, &HopAddressTypeOptions),
    Def("1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by UnitTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef UnitTableDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.1", "Unit ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.2", "MAC Address", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.3", "Start Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.4", "Port Range", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.5", "Front Panel Led Status", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.6", "Ctrl Mode", Integer, ReadWrite, &StackModeOptions),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.7", "tCurrent Mode", Integer, ReadOnly, &StackModeOptions),
    Def("1.3.6.1.4.1.97531.12.11.1.9.4.1.9", "Module Name", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by PowerTable1 (MVT_FMV, 2 keys).
constinit const KvSNMPVarDef PowerTableDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.11.1.6.1.1", "Power Unit Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.11.1.6.1.2", "Power ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.11.1.6.1.3", "Power Status", Integer, ReadOnly, &PowerStatusOptions),
    EndOfTable,
};

// Bound by SystemTime1 page "Information" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SystemTimeInformationDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.10.1", "Time Capacity", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.10.3", "Clock Lost On Reboot", Integer, ReadOnly, &TruthValueOptions),
    EndOfTable,
};

// Bound by SystemTime1 page "System Time" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SystemTimeDefs[5] = {
    Def("1.3.6.1.4.1.97531.12.10.10.1", "System Current Time", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.10.10.2", "System Up Time", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.10.10.3", "System Boot Time", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.10.10.4", "System Time Zone", Integer, ReadWrite),
    EndOfTable,
};

// Bound by SNTP1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SntpDefs[6] = {
    Def("1.3.6.1.4.1.97531.12.10.11.1", "SNTP State", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.10.11.2", "SNTP Time Source", Integer, ReadOnly, &SntpTimeSourceOptions),
    Def("1.3.6.1.4.1.97531.12.10.11.3", "SNTP Server1 IP Addessr", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.11.4", "SNTP Server2 IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.11.5", "SNTP Poll Interval", Integer, ReadWrite),
    EndOfTable,
};

// Bound by ACLPacketMask1 (MVT_FMV, 1 key), PacketTable1 page "ACL Packet Mask Table" (MVT_UMV, 1
// key).
constinit const KvSNMPVarDef AclPacketMaskTableDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.1", "Mask Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.2", "Mask Offset 0 to 15", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.3", "Mask Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.4", "Mask Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.5", "Mask Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.6", "Mask Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.7", "Mask Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.8", "Mask Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by EthernetTable page "ACL Ethernet Table" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AclEthernetTableDefs[10] = {
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.2", "Use VLAN", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.3", "MAC Address Mask State", Integer, ReadWrite, &MacAddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.4", "Source MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.5", "Destination MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.6", "Use 8021p", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.7", "Use Ethernet Type", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.8", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.9", "Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by EthernetTable page "ACL Ethernet Rule Table" (MVT_UMV, 2 keys).
// Item 4 keeps the doubled blank of its heading.
constinit const KvSNMPVarDef AclEthernetRuleTableDefs[17] = {
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.1", "RuleProfile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.2", "RuleAccess ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.4", "Rule Source MAC Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.5", "Rule Destination MAC  Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.6", "Rule 8021P", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.7", "Rule Ether Type", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.8", "Rule Enable Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.9", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.10", "Rule Replace Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.11", "rRule Enable Replace DSCP", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.12", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.13", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.14", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.15", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.16", "Rule Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by ACLIPTable page "ACL Ethernet IP Table" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AclIpTableDefs[21] = {
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.2", "Use VLAN", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.3", "IP Address Mask State", Integer, ReadWrite, &IpAddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.4", "Source IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.5", "Destination IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.6", "Use DSCP", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.7", "Use Proto Type", Integer, ReadWrite, &IpProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.8", "ICMP Option", Integer, ReadWrite, &IcmpOptionOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.9", "IGMP Option", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.10", "TCP Option", Integer, ReadWrite, &L4AddressMaskOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.11", "UDP Option", Integer, ReadWrite, &L4AddressMaskOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.12", "TCP or UDP Source Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.13", "TCP or UDP Destination Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.14", "TCP Flag Bit", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.15", "TCP Flag Bit Mask", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.16", "Proto ID Option", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.17", "Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.18", "Proto ID Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.19", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.20", "Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by ACLIPTable page "ACL IP Rule Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef AclIpRuleTableDefs[24] = {
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.4", "Rule Source IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.5", "Rule Destination IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.6", "Rule DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.7", "Rule Protocol", Integer, ReadOnly, &IpProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.8", "Rule Type", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.9", "Rule Code", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.10", "Rule Source Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.11", "Rule Destination Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.12", "Rule Flag Bits", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.13", "Rule Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.14", "Rule User Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.15", "Rule Enable Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.16", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.17", "Rule Replace Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.18", "Rule Enable Replace DSCP", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.19", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.20", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.21", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.22", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.23", "Rule Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by PacketTable1 page "ACL Packet Rule Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef AclPacketRuleTableDefs[17] = {
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.3", "Rule Offset0 to 15", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.4", "Rule Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.5", "Rule Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.6", "Rule Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.7", "Rule Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.8", "Rule Enable Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.9", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.10", "Rule Replace Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.11", "Rule Enable Replace DSCP", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.12", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.13", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.14", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.15", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.16", "Rule Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by IPV6Table1 page "ACL Ethernet IPV6 Table" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AclIpv6TableDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.1", "Mask Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.2", "Mask Class", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.3", "Mask Flow Label", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.4", "IP Address Mask State", Integer, ReadWrite, &Ipv6AddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.5", "Mask Source IPv6 Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.6", "Mask Destination IPv6 Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.7", "Mask Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.4.1.8", "Mask Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by IPV6Table1 page "ACL IPV6 Rule Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef AclIpv6RuleTableDefs[14] = {
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.3", "Rule Class", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.4", "Rule Flow Label", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.5", "Rule Source IPV6 Address", Ipv6Address, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.6", "Rule Destination IPV6 Address", Ipv6Address, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.7", "Rule Enable Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.8", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.9", "Rule Replace Priority", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.10", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.11", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.12", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.4.1.13", "Rule Owner", Integer, ReadOnly, &AclOwnerOptions),
    EndOfTable,
};

// Bound by CPUFilterControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef CpuFilterControlDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.9.3.1", "Interfacefilter State", Integer, ReadWrite, &EnableDisableOptions),
    EndOfTable,
};

// Bound by EthernetTableCPUFilter1 page "Ethernet Table (CPU Filter)" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef CpuFilterEthernetTableDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.2", "Use VLAN", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.3", "MAC Address Mask State", Integer, ReadWrite, &MacAddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.4", "Source MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.5", "Destination MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.6", "Use 8021p", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.7", "Use Ethernet Type", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.1.1.8", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by EthernetTableCPUFilter1 page "Ethernet Rule Table (CPU Filter)" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef CpuFilterEthernetRuleTableDefs[10] = {
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.4", "Rule Source MAC Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.5", "Rule Destination MAC Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.6", "Rule 8021P", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.7", "Rule Ether Type", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.8", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.5.1.1.9", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by IPTableCPUFilter1 page "IP Table (CPU Filter)" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef CpuFilterIpTableDefs[20] = {
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.2", "Use VLAN", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.3", "IP Address Mask State", Integer, ReadWrite, &IpAddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.4", "Sourcr IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.5", "Destination IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.6", "Use DSCP", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.7", "Use Proto Type", Integer, ReadWrite, &IpProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.8", "ICMP Option", Integer, ReadWrite, &IcmpOptionOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.9", "IGMP Option", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.10", "TCP Option", Integer, ReadWrite, &L4AddressMaskOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.11", "UDP Option", Integer, ReadWrite, &L4AddressMaskOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.12", "TCP or UDP Source Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.14", "TCP Flag Bit", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.15", "TCP Flag Bit Mask", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.16", "Proto ID Option", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.17", "Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.18", "Proto ID Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.2.1.19", "Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by IPTableCPUFilter1 page "IP Rule Table (CPU Filter)" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef CpuFilterIpRuleTableDefs[17] = {
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.4", "Rule Source IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.5", "Rule Destination IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.6", "Rule DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.7", "Rule Protocol", Integer, ReadOnly, &IpProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.8", "Rule Type", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.9", "Rule Code", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.10", "Rule Source Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.11", "Rule Destination Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.12", "Rule Flag Bits", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.13", "Rule Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.14", "Rule User Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.15", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.5.2.1.16", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by PacketContentTableCPUFilter1 page "Packet Content Table (CPU Filter)" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef CpuFilterPacketContentTableDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.1", "Mask Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.2", "Mask Offset 0 to1 5", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.3", "Mask Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.4", "Mask Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.5", "Mask Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.6", "Mask Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.3.1.7", "Mask Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by PacketContentTableCPUFilter1 page "Packet Content Table (CPU Filter)" (MVT_UMV, 2
// keys).
constinit const KvSNMPVarDef CpuFilterPacketContentRuleTableDefs[10] = {
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.3", "Rule Offset 0 to 15", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.4", "Rule Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.5", "Rule Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.6", "Rule Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.7", "Rule Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.8", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.5.3.1.9", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by IPV6TableCPUFilter1 page "IPV6 Table (CPU Filter)" (MVT_UMV, 1 key).
constinit const KvSNMPVarDef CpuFilterIpv6TableDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.1", "Mask Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.2", "Mask Class", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.3", "Mask Flow Label", Integer, ReadWrite, &EnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.4", "IP Address Mask State", Integer, ReadWrite, &Ipv6AddressMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.5", "Mask Source IPV6 Mask", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.6", "Mask Destination IPV6 Mask", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.4.4.1.7", "Mask Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by IPV6TableCPUFilter1 page "IPV6 Table (CPU Filter)" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef CpuFilterIpv6RuleTableDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.3", "Rule Class", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.4", "Rule Flow Label", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.5", "Rule Source IPV6 Address", Ipv6Address, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.6", "Rule Destination IPV6 Address", Ipv6Address, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.7", "Rule Permit", Integer, ReadWrite, &RulePermitOptions),
    Def("1.3.6.1.4.1.97531.12.9.5.4.1.8", "Rule Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by SystemLogControlState1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SystemLogControlStateDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.12.1", "System Log Ctrl State", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SystemLogServerTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef SystemLogServerTableDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.12.2.1.1", "SysLog Server Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.12.2.1.2", "SysLog Server IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.12.2.1.3", "SysLog Server Facility", Integer, ReadWrite, &SyslogFacilityOptions),
    Def("1.3.6.1.4.1.97531.12.12.2.1.4", "SysLog Server Severity", Integer, ReadWrite, &SyslogSeverityOptions),
    Def("1.3.6.1.4.1.97531.12.12.2.1.5", "SysLog Server UDP Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.12.2.1.6", "SysLog Server State", Integer, ReadWrite, &OtherDisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.12.2.1.7", "SysLog Server Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by PortList1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AggregatorPortListDefs[3] = {
    Def(" ", "Agg Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.4.1.1.2.1.1", "Agg Port", BitStr, ReadOnly),
    EndOfTable,
};

// Bound by AggregatorTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AggregatorTableDefs[12] = {
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.1", "Agg Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.2", "Agg MAC Address", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.3", "Agg Actor System Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.4", "Agg ActorS ystem ID", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.5", "Agg Aggregate Or Individual", Integer, ReadOnly, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.6", "Agg Actor Admin Key", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.7", "Agg Actor Oper Key", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.8", "Agg Partner System ID", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.9", "Agg Partner System Priority", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.10", "Agg Partner Oper Key", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.1.1.1.11", "Agg Collector Max Delay", Integer, ReadWrite),
    EndOfTable,
};

// Bound by LinkAggregationControl1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AggPortTableDefs[25] = {
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.1", "Agg Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.14", "Agg Port Actor Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.15", "Agg Port Actor Port Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.16", "Agg Port Partner Admin Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.17", "Agg Port Partner Oper Port", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.18", "Agg Port Partner Admin Port Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.19", "Agg Port Partner Oper Port Priority", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.20", "Agg Port Actor Admin State", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.21", "Agg Port Actor Oper State", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.22", "Agg Port Partner Admin State", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.23", "Agg Port Partner Oper State", OctetStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.24", "Agg Port Aggregate Or Individual", Integer, ReadOnly, &TruthValueOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.2", "Agg Port Actor System Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.3", "Agg Port Actor System ID", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.4", "Agg Port Actor Admin Key", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.5", "Agg Port Actor Oper Key", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.6", "Agg Port Partner Admin System Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.7", "Agg Port Partner Oper System Priority", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.8", "Agg Port Partner Admin System ID", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.9", "Agg Port Partner Oper System ID", MacAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.10", "Agg Port Partner Admin Key", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.11", "Agg Port Partner Oper Key", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.12", "Agg Port Selected Agg ID", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.1.1.13", "Agg Port Attached Agg ID", Integer, ReadOnly),
    EndOfTable,
};

// Bound by AggPortStateTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AggPortStateTableDefs[10] = {
    Def(" ", "Agg Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.1", "Agg Port Stats LAC PDUs Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.2", "Agg Port Stats Marker PDUs Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.3", "Agg Port Stats Marker Response PDUs Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.4", "Agg Port Stats Unknown Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.5", "Agg Port Stats Illegal Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.6", "Agg Port Stats LAC PDUs Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.7", "Agg Port Stats Marker PDUs Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.2.1.8", "Agg Port Stats Marker Response PDUs Tx", Counter, ReadOnly),
    EndOfTable,
};

// Bound by AggPortDebugTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AggPortDebugTableDefs[14] = {
    Def(" ", "Agg Port Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.1", "Agg Port Debug Rx State", Integer, ReadOnly, &LacpRxStateOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.2", "Agg Port Debug Last Rx Time", TimeTicks, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.3", "Agg Port Debug Mux State", Integer, ReadOnly, &LacpMuxStateOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.4", "Agg Port Debug Mux Reason", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.5", "Agg Port Debug Actor Churn State", Integer, ReadOnly, &LacpChurnStateOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.6", "Agg Port Debug Partner Churn State", Integer, ReadOnly, &LacpChurnStateOptions),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.7", "Agg Port Debug Actor Churn Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.8", "Agg Port Debug Partner Churn Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.9", "Agg Port Debug Actor Sync Transition Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.10", "Agg Port Debug Partner Sync Transition Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.11", "Agg Port Debug Actor Change Count", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.4.1.2.3.1.12", "Agg Port Debug Partner Change Count", Counter, ReadOnly),
    EndOfTable,
};

// Bound by GeneralTable1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef IfGeneralDefs[3] = {
    Def("1.3.6.1.2.1.31.1.5", "IF Table Last Change", TimeTicks, ReadOnly),
    Def("1.3.6.1.2.1.31.1.6", "IF Stack Last Change", TimeTicks, ReadOnly),
    EndOfTable,
};

// Bound by IFXTable1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef IfXTableDefs[21] = {
    Def(" ", "IF Index", Integer, Key),
    Def("1.3.6.1.2.1.31.1.1.1.1", "IF Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.2", "IF In Multicast Parkets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.3", "IF In Broadcast Parkets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.4", "IF Out Multicast Parkets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.5", "IF Out Broadcast Parkets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.6", "IF HC In Octets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.7", "IF HC In Unicast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.8", "IF HC In Multicast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.9", "IF HC In Broadcast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.10", "IF HC Out Octets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.11", "IF HC Out Unicast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.12", "IF HC Out Multicast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.13", "IF HC Out Broadcast Parkets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.14", "IF Link Up Down Trap Enable", Integer, ReadWrite, &EnabledDisabledOptions),
    Def("1.3.6.1.2.1.31.1.1.1.15", "IF High Speed", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.16", "IF Promiscuous Mode", Integer, ReadWrite, &TruthValueOptions),
    Def("1.3.6.1.2.1.31.1.1.1.17", "IF Connector Present", Integer, ReadOnly, &TruthValueOptions),
    Def("1.3.6.1.2.1.31.1.1.1.18", "IF Alias", DisplayStr, ReadWrite),
    Def("1.3.6.1.2.1.31.1.1.1.19", "IF Counter Discontinuity Time", TimeTicks, ReadOnly),
    EndOfTable,
};
