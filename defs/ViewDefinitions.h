// Constant definition tables of the views and the dedicated editors, and the
// option lists they share.
//
// Every table is an array of KvSNMPVarDef records ended by a record whose Oid is
// null; the declared bound is the number of definitions plus that terminator.
// A view copies a table into its variable list when it opens; the list kind and
// the key count belong to the view, not to the table.
//
// The option lists are built once, during static initialisation, from constant
// rows and live until the process ends.  The tables only hold their addresses,
// so the order in which translation units are initialised does not matter; no
// code may read an option list before main() starts.
#pragma once

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPVarDef.h"

#include <iterator>

class KvSNMPVarList;

// Option lists
extern const KvOptionList ProtocolCapabilityOptions;
extern const KvOptionList InUseOptions;
extern const KvOptionList FileTransferStatusOptions;
extern const KvOptionList MibCapabilityTypeOptions;
extern const KvOptionList GetIpFromOptions;
extern const KvOptionList EnabledDisabledOptions;
extern const KvOptionList FileTransferTypeOptions;
extern const KvOptionList FileLoadTypeOptions;
extern const KvOptionList FileCtrlOptions;
extern const KvOptionList TruthValueOptions;
extern const KvOptionList SystemResetOptions;
extern const KvOptionList Rs232PortOptions;
extern const KvOptionList SeverityOptions;
extern const KvOptionList RowStatusOptions;
// Items of a drop-down list bound to RowStatusOptions, which lists its labels in order.
namespace RowStatusItem {
constexpr int Active = 0, CreateAndGo = 1, Destroy = 2;
}
extern const KvOptionList InetAddressTypeOptions;
extern const KvOptionList StorageTypeOptions;
extern const KvOptionList HopAddressTypeOptions;
extern const KvOptionList StackModeOptions;
extern const KvOptionList PowerStatusOptions;
extern const KvOptionList DisabledEnabledOptions;
extern const KvOptionList SntpTimeSourceOptions;
extern const KvOptionList AclOwnerOptions;
extern const KvOptionList MacAddressMaskStateOptions;
extern const KvOptionList RulePermitOptions;
extern const KvOptionList IpAddressMaskStateOptions;
extern const KvOptionList IpProtocolOptions;
extern const KvOptionList IcmpOptionOptions;
extern const KvOptionList EnableDisableOptions;
extern const KvOptionList L4AddressMaskOptions;
extern const KvOptionList Ipv6AddressMaskStateOptions;
extern const KvOptionList SyslogFacilityOptions;
extern const KvOptionList SyslogSeverityOptions;
extern const KvOptionList OtherDisabledEnabledOptions;
extern const KvOptionList LacpRxStateOptions;
extern const KvOptionList LacpMuxStateOptions;
extern const KvOptionList LacpChurnStateOptions;
extern const KvOptionList SingleIpRoleOptions;
extern const KvOptionList RstpVersionOptions;
extern const KvOptionList StpPortStateOptions;
extern const KvOptionList AcceptableFrameTypesOptions;
extern const KvOptionList StpProtocolOptions;
extern const KvOptionList MstpInstanceTypeOptions;
extern const KvOptionList MstpPointToPointOptions;
extern const KvOptionList MstpPortStatusOptions;
extern const KvOptionList MstpPortRoleOptions;
extern const KvOptionList FdbStatusOptions;
extern const KvOptionList VlanStatusOptions;
extern const KvOptionList SecurityLevelOptions;
extern const KvOptionList UsmAuthProtocolOptions;
extern const KvOptionList UsmPrivProtocolOptions;
extern const KvOptionList ContextMatchOptions;
extern const KvOptionList IncludedExcludedOptions;
extern const KvOptionList NotifyTypeOptions;
extern const KvOptionList RadiusAuthProtocolOptions;
extern const KvOptionList AuthModeOptions;
extern const KvOptionList RadiusServerIndexOptions;
extern const KvOptionList AuthPaeStateOptions;
extern const KvOptionList BackendAuthStateOptions;
extern const KvOptionList AuthPortStatusOptions;
extern const KvOptionList ControlledDirectionsOptions;
extern const KvOptionList AuthPortControlOptions;
extern const KvOptionList SessionAuthenticMethodOptions;
extern const KvOptionList SessionTerminateCauseOptions;
extern const KvOptionList SuppPaeStateOptions;
extern const KvOptionList AcctServiceIndexOptions;
extern const KvOptionList AcctServiceMethodOptions;
extern const KvOptionList AcctServiceModeOptions;
extern const KvOptionList SshRekeyingOptions;
extern const KvOptionList CertificateFileControlOptions;
extern const KvOptionList CertificateShowStatusOptions;
extern const KvOptionList CleanCountersOptions;
extern const KvOptionList OtherEnableDisableOptions;
extern const KvOptionList PortTypeOptions;
extern const KvOptionList LinkStatusOptions;
extern const KvOptionList NwayStatusOptions;
extern const KvOptionList NwayStateOptions;
extern const KvOptionList MulticastFilterModeOptions;
extern const KvOptionList TrunkAlgorithmOptions;
extern const KvOptionList TrunkTypeOptions;
extern const KvOptionList PortSecurityModeOptions;
extern const KvOptionList EnableDisable23Options;
extern const KvOptionList MulticastAccessOptions;
extern const KvOptionList BindingActionOptions;
extern const KvOptionList BindingModeOptions;
extern const KvOptionList BlockedTypeOptions;
extern const KvOptionList IgmpQuerierStateOptions;
extern const KvOptionList DisableEnable23Options;
extern const KvOptionList Option82PolicyOptions;
extern const KvOptionList InvalidValidOptions;
extern const KvOptionList StormTrapOptions;
extern const KvOptionList DisabledEnabled12Options;
extern const KvOptionList StormActionOptions;
extern const KvOptionList YesNoOptions;
extern const KvOptionList SafeguardStatusOptions;
extern const KvOptionList AacServerProtocolOptions;
extern const KvOptionList StpVersionOptions;
extern const KvOptionList SaveConfigOptions;
extern const KvOptionList SummerTimeStatusOptions;
// The fields of a summer-time point: its month, its week of the month ("last"
// is 0) and its weekday.
extern const KvOptionList SummerMonthOptions;
extern const KvOptionList SummerWeekOptions;
extern const KvOptionList SummerWeekdayOptions;
// The summer-time offsets in minutes the switch takes: 30, 60, 90 and 120.
extern const KvOptionList SummerOffsetOptions;
extern const KvOptionList AacLoginMethodTypeOptions;   // the login lists' method types
extern const KvOptionList AacEnableMethodTypeOptions;  // the enable lists' method types
// Items of the method type lists, the same in both.
namespace AacMethodItem {
constexpr int ServerGroup = 4, Local = 5, None = 6, Other = 7;
}
extern const KvOptionList AacAuthProtocolOptions;      // 1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius
// Items of the protocol list.
namespace AacProtocolItem {
constexpr int Tacacs = 0, Xtacacs = 1, TacacsPlus = 2, Radius = 3;
}
extern const KvOptionList AacGroupRowStateOptions;     // 1 add, 2 delete
extern const KvOptionList EquipmentCapacityOptions;    // "40" Redundant Power
extern const KvOptionList IfOperStatusOptions;
extern const KvOptionList IfAdminStatusOptions;

// Basic Configuration menu: system, files, ping and trace route, time, access control lists, CPU
// filter, system log, link aggregation and interface tables.
extern const KvSNMPVarDef BasicInformationDefs[4];
extern const KvSNMPVarDef MibCapabilitiesDefs[5];
extern const KvSNMPVarDef IpInformationDefs[4];
extern const KvSNMPVarDef FileTableDefs[11];
extern const KvSNMPVarDef MultiImageInformationDefs[7];
extern const KvSNMPVarDef CpuUtilizationDefs[4];
extern const KvSNMPVarDef BasicConfigDefs[3];
extern const KvSNMPVarDef AgentNotifyDefs[3];
extern const KvSNMPVarDef PingMaxConcurrentRequestsDefs[2];
extern const KvSNMPVarDef PingControlTableDefs[8];
extern const KvSNMPVarDef PingResultsTableDefs[13];
extern const KvSNMPVarDef TraceRouteMaxConcurrentRequestsDefs[2];
extern const KvSNMPVarDef TraceRouteControlTableDefs[28];
extern const KvSNMPVarDef TraceRouteResultsTableDefs[11];
extern const KvSNMPVarDef TraceRouteHopsTableDefs[13];
extern const KvSNMPVarDef UnitTableDefs[9];
extern const KvSNMPVarDef PowerTableDefs[4];
extern const KvSNMPVarDef SystemTimeInformationDefs[3];
extern const KvSNMPVarDef SystemTimeDefs[5];
extern const KvSNMPVarDef SntpDefs[6];
extern const KvSNMPVarDef AclPacketMaskTableDefs[9];
extern const KvSNMPVarDef AclEthernetTableDefs[10];
extern const KvSNMPVarDef AclEthernetRuleTableDefs[17];
extern const KvSNMPVarDef AclIpTableDefs[21];
extern const KvSNMPVarDef AclIpRuleTableDefs[24];
extern const KvSNMPVarDef AclPacketRuleTableDefs[17];
extern const KvSNMPVarDef AclIpv6TableDefs[9];
extern const KvSNMPVarDef AclIpv6RuleTableDefs[14];

// The columns of the access profile and rule tables the access-control editors
// name (the editors call profiles masks).  Column numbers are the MIB's
// (1-based): item k of a table is column k + 1.
namespace EthernetProfileColumn {
enum : int { ProfileId = 1, UseVlan, MacMaskState, SourceMacMask, DestinationMacMask, Use8021p,
             UseEthernetType, RowStatus, Owner, Count = Owner };
}
static_assert(std::size(AclEthernetTableDefs) == EthernetProfileColumn::Count + 1);

namespace IpProfileColumn {
enum : int { ProfileId = 1, UseVlan, IpMaskState, SourceIpMask, DestinationIpMask, UseDscp, UseProtoType,
             IcmpOption, IgmpOption, TcpOption, UdpOption, SourcePortMask, DestinationPortMask, TcpFlagBit,
             TcpFlagBitMask, ProtoIdOption, ProtoId, ProtoIdMask, RowStatus, Owner, Count = Owner };
}
static_assert(std::size(AclIpTableDefs) == IpProfileColumn::Count + 1);

namespace PacketProfileColumn {
enum : int { ProfileId = 1, Offset0, Offset16, Offset32, Offset48, Offset64, RowStatus, Owner, Count = Owner };
}
static_assert(std::size(AclPacketMaskTableDefs) == PacketProfileColumn::Count + 1);

namespace EthernetRuleColumn {
enum : int { ProfileId = 1, AccessId, Vlan, SourceMac, DestinationMac, Priority8021p, EtherType,
             EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port,
             RowStatus, Owner, Count = Owner };
}
static_assert(std::size(AclEthernetRuleTableDefs) == EthernetRuleColumn::Count + 1);

namespace IpRuleColumn {
enum : int { ProfileId = 1, AccessId, Vlan, SourceIp, DestinationIp, Dscp, Protocol, Type, Code,
             SourcePort, DestinationPort, FlagBits, ProtoId, UserMask, EnablePriority, Priority,
             ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port, RowStatus, Owner, Count = Owner };
}
static_assert(std::size(AclIpRuleTableDefs) == IpRuleColumn::Count + 1);

namespace PacketRuleColumn {
enum : int { ProfileId = 1, AccessId, Offset0, Offset16, Offset32, Offset48, Offset64, EnablePriority,
             Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port, RowStatus, Owner,
             Count = Owner };
}
static_assert(std::size(AclPacketRuleTableDefs) == PacketRuleColumn::Count + 1);

// A rule's port column holds 64 ports, one bit each (8 octets), whatever the
// model has.
inline constexpr int AclRulePortCount = 64;
extern const KvSNMPVarDef CpuFilterControlDefs[2];
extern const KvSNMPVarDef CpuFilterEthernetTableDefs[9];
extern const KvSNMPVarDef CpuFilterEthernetRuleTableDefs[10];
extern const KvSNMPVarDef CpuFilterIpTableDefs[20];
extern const KvSNMPVarDef CpuFilterIpRuleTableDefs[17];
extern const KvSNMPVarDef CpuFilterPacketContentTableDefs[8];
extern const KvSNMPVarDef CpuFilterPacketContentRuleTableDefs[10];
extern const KvSNMPVarDef CpuFilterIpv6TableDefs[8];
extern const KvSNMPVarDef CpuFilterIpv6RuleTableDefs[9];
extern const KvSNMPVarDef SystemLogControlStateDefs[2];
extern const KvSNMPVarDef SystemLogServerTableDefs[8];
extern const KvSNMPVarDef AggregatorPortListDefs[3];
extern const KvSNMPVarDef AggregatorTableDefs[12];
extern const KvSNMPVarDef AggPortTableDefs[25];
extern const KvSNMPVarDef AggPortStateTableDefs[10];
extern const KvSNMPVarDef AggPortDebugTableDefs[14];
extern const KvSNMPVarDef IfGeneralDefs[3];
extern const KvSNMPVarDef IfXTableDefs[21];

// Single IP Configuration, RSTP, Bridge, VLAN and RMON menus.
extern const KvSNMPVarDef SingleIpInformationDefs[4];
extern const KvSNMPVarDef SingleIpControlDefs[5];
extern const KvSNMPVarDef SingleIpCandidateSwitchDefs[8];
extern const KvSNMPVarDef SingleIpGroupDefs[9];
extern const KvSNMPVarDef StpControlDefs[7];
extern const KvSNMPVarDef StpPortControlDefs[11];
extern const KvSNMPVarDef SpanningTreeAlgorithmDefs[2];
extern const KvSNMPVarDef BridgeInformationDefs[4];
extern const KvSNMPVarDef VlanPortTableDefs[8];
extern const KvSNMPVarDef BridgeStpPortTableDefs[16];
extern const KvSNMPVarDef MstpConfigurationIdDefs[3];
extern const KvSNMPVarDef MstpInstanceTableDefs[25];
extern const KvSNMPVarDef MstpPortStateDefs[13];
extern const KvSNMPVarDef MstpPortInstanceDefs[8];
extern const KvSNMPVarDef Dot1pBasicConfigureDefs[4];
extern const KvSNMPVarDef PortCapabilitiesDefs[3];
extern const KvSNMPVarDef GmrpPortTableDefs[5];
extern const KvSNMPVarDef GarpPortTableDefs[5];
extern const KvSNMPVarDef PortDefaultUserPriorityDefs[4];
extern const KvSNMPVarDef RegenUserPriorityDefs[4];
extern const KvSNMPVarDef TrafficClassDefs[4];
extern const KvSNMPVarDef PortOutboundAccessPriorityDefs[4];
extern const KvSNMPVarDef Dot1qBasicConfigureDefs[6];
extern const KvSNMPVarDef UnicastForwardingDefs[5];
extern const KvSNMPVarDef VlanStaticTableDefs[7];
// Its rows (0-based items), as the catalogue's VLAN page and hook name them.
namespace VlanStaticRow {
enum : int { Index, Name, EgressPorts, ForbiddenEgressPorts, UntaggedPorts, RowStatus, Count };
}
static_assert(std::size(VlanStaticTableDefs) == VlanStaticRow::Count + 1);
extern const KvSNMPVarDef VlanCurrentTableDefs[8];
extern const KvSNMPVarDef RmonStateDefs[2];

// SNMP V3 menu: engine, target, user-based security, view-based access, notification and community
// tables.
extern const KvSNMPVarDef SnmpEngineDefs[5];
extern const KvSNMPVarDef MpdStatsDefs[4];
extern const KvSNMPVarDef SnmpTargetGeneralDefs[4];
extern const KvSNMPVarDef TargetAddressTableDefs[10];
extern const KvSNMPVarDef TargetParamsTableDefs[8];
extern const KvSNMPVarDef UsmStatsDefs[7];
extern const KvSNMPVarDef UsmUserSpinLockDefs[2];
extern const KvSNMPVarDef UsmUserTableDefs[14];
extern const KvSNMPVarDef VacmSecurityToGroupDefs[6];
extern const KvSNMPVarDef VacmAccessTableDefs[11];
extern const KvSNMPVarDef VacmViewSpinLockDefs[2];
extern const KvSNMPVarDef VacmViewTreeFamilyDefs[7];
// Its rows (0-based items), as the catalogue's page and hook name them.
namespace ViewTreeFamilyRow {
enum : int { ViewName, Subtree, Mask, Type, StorageType, Status, Count };
}
static_assert(std::size(VacmViewTreeFamilyDefs) == ViewTreeFamilyRow::Count + 1);
extern const KvSNMPVarDef NotifyTableDefs[6];
extern const KvSNMPVarDef NotifyFilterProfileDefs[5];
extern const KvSNMPVarDef NotifyFilterTableDefs[7];
extern const KvSNMPVarDef CommunityTableDefs[9];
// Its rows (0-based items), as the catalogue's page and hook name them.
namespace CommunityRow {
enum : int { Index, Name, SecurityName, ContextEngineId, ContextName, TransportTag, StorageType, Status, Count };
}
static_assert(std::size(CommunityTableDefs) == CommunityRow::Count + 1);
extern const KvSNMPVarDef TargetAddrExtTableDefs[4];

// 802.1X menu: port access control, RADIUS and MAC authentication.
extern const KvSNMPVarDef AuthControlDefs[3];
extern const KvSNMPVarDef RadiusServerTableDefs[7];
extern const KvSNMPVarDef MacAuthStateTableDefs[6];
extern const KvSNMPVarDef Dot1xSystemAuthControlDefs[2];
extern const KvSNMPVarDef PaeSystemPortTableDefs[6];
extern const KvSNMPVarDef PaeAuthenticatorDefs[16];
extern const KvSNMPVarDef AuthenticatorStatsDefs[14];
extern const KvSNMPVarDef AuthenticatorDiagnosticsDefs[20];
extern const KvSNMPVarDef AuthenticatorSessionStatsDefs[11];
extern const KvSNMPVarDef PaeSupplicantDefs[7];
extern const KvSNMPVarDef SupplicantStatsDefs[14];
extern const KvSNMPVarDef RadiusAuthInformationDefs[3];
extern const KvSNMPVarDef RadiusAuthServerTableDefs[16];
extern const KvSNMPVarDef RadiusAccountingControlDefs[3];
extern const KvSNMPVarDef RadiusAccountingServiceDefs[4];
extern const KvSNMPVarDef RadiusAcctInformationDefs[3];
extern const KvSNMPVarDef RadiusAcctServerTableDefs[14];
extern const KvSNMPVarDef MacAuthStatsTableDefs[15];
extern const KvSNMPVarDef MacAuthDiagTableDefs[21];
extern const KvSNMPVarDef MacAuthSessionStatsDefs[12];
extern const KvSNMPVarDef RadiusAuthClientDefs[3];
extern const KvSNMPVarDef RadiusAuthClientServerTableDefs[16];
extern const KvSNMPVarDef RadiusAccClientDefs[3];
extern const KvSNMPVarDef RadiusAccClientServerTableDefs[14];

// SSH and SSL menus.
extern const KvSNMPVarDef SshControlDefs[8];
extern const KvSNMPVarDef SshEncryptAlgDefs[11];
extern const KvSNMPVarDef SshAuthMethodDefs[4];
extern const KvSNMPVarDef SshIntegrityAlgDefs[3];
extern const KvSNMPVarDef SshPublicKeyDefs[3];
extern const KvSNMPVarDef SslControlDefs[4];
extern const KvSNMPVarDef SslCertificateFileDefs[6];

// Layer2 Management menu.
extern const KvSNMPVarDef DeviceInformationDefs[6];
extern const KvSNMPVarDef StackInformationDefs[8];
extern const KvSNMPVarDef PowerInformationDefs[4];
extern const KvSNMPVarDef DeviceControlDefs[12];
extern const KvSNMPVarDef AlarmControlDefs[4];
extern const KvSNMPVarDef PortInformationTableDefs[7];
extern const KvSNMPVarDef PortControlTableDefs[9];
extern const KvSNMPVarDef PortTrunkManagementDefs[4];
extern const KvSNMPVarDef PortTrunkTableDefs[8];
// Its rows (0-based items), as the catalogue's pages and trunk hook name them.
namespace TrunkRow {
enum : int { Index, Name, MasterPort, Members, FloodingPort, Type, State, Count };
}
static_assert(std::size(PortTrunkTableDefs) == TrunkRow::Count + 1);
extern const KvSNMPVarDef PortSecurityTableDefs[5];
extern const KvSNMPVarDef LimitedMulticastDefs[6];
extern const KvSNMPVarDef BandwidthControlDefs[4];
extern const KvSNMPVarDef SchedulingTableDefs[4];
extern const KvSNMPVarDef Dot1pUserPriorityDefs[3];
extern const KvSNMPVarDef Dot1pDefaultPriorityDefs[3];
extern const KvSNMPVarDef MacBindingManagementDefs[4];
extern const KvSNMPVarDef MacBindingPortDefs[3];
extern const KvSNMPVarDef MacBindingInformationDefs[7];
extern const KvSNMPVarDef MacBindingBlockedDefs[6];
extern const KvSNMPVarDef MirrorManagementDefs[5];
extern const KvSNMPVarDef IgmpControlDefs[3];
extern const KvSNMPVarDef IgmpControlTableDefs[12];
extern const KvSNMPVarDef IgmpQueryInformationDefs[4];
extern const KvSNMPVarDef IgmpGroupTableDefs[6];
extern const KvSNMPVarDef IgmpMulticastVlanDefs[6];
extern const KvSNMPVarDef IgmpRouterPortDefs[6];
extern const KvSNMPVarDef DhcpRelayManagementDefs[7];
extern const KvSNMPVarDef DhcpRelayServerDefs[4];
extern const KvSNMPVarDef PacketStormTrapControlDefs[2];
extern const KvSNMPVarDef PacketStormControlTableDefs[12];
extern const KvSNMPVarDef SafeguardAdminStateDefs[2];
extern const KvSNMPVarDef SafeguardControlDefs[6];
extern const KvSNMPVarDef TrafficControlTableDefs[7];
extern const KvSNMPVarDef TrafficSegmentTableDefs[3];
extern const KvSNMPVarDef AacAdminStateDefs[2];
extern const KvSNMPVarDef AacInformationDefs[5];
extern const KvSNMPVarDef AacLoginMethodDefs[5];
extern const KvSNMPVarDef AacEnableMethodDefs[5];
extern const KvSNMPVarDef AacAuthParamDefs[3];
extern const KvSNMPVarDef AacServerGroupTableDefs[19];

// Objects read and written outside the generic views: the spanning-tree version, the device
// commands and the daylight-saving dialog.
extern const KvSNMPVarDef StpVersionDefs[2];
extern const KvSNMPVarDef SystemResetDefs[2];
extern const KvSNMPVarDef SaveConfigDefs[2];
extern const KvSNMPVarDef SummerTimeDefs[7];

// The rows of the daylight-saving dialog, in the table's order.
enum SummerTimeRow : int { StStatus, StOffset, StRepeatStart, StRepeatEnd, StAnnualStart, StAnnualEnd, StRowCount };
static_assert(std::size(SummerTimeDefs) == StRowCount + 1);

// The dedicated editors' own tables: login and enable method lists, authentication
// servers, server groups, spanning-tree settings, member switches and equipment.
extern const KvSNMPVarDef LoginMethodListDefs[11];
extern const KvSNMPVarDef EnableMethodListDefs[11];
extern const KvSNMPVarDef AuthServerDefs[8];
extern const KvSNMPVarDef ServerGroupControlDefs[5];
extern const KvSNMPVarDef StpSettingsDefs[10];
extern const KvSNMPVarDef StpStateDefs[2];
extern const KvSNMPVarDef MemberSwitchDefs[11];
extern const KvSNMPVarDef MemberEditDefs[5];
extern const KvSNMPVarDef EquipmentDefs[5];

// The spanning-tree dialog's variables, in StpSettingsDefs's order.
namespace StpSetting {
enum : int { Version, MaxAge, HelloTime, ForwardDelay, MaxHops, TxHoldCount, Bpdu, Lbd, LbdRecover, Count };
}
static_assert(std::size(StpSettingsDefs) == StpSetting::Count + 1);

// The member switch table's columns the member editor writes, 1-based: item k of
// MemberEditDefs is the (k + 1)-th of them.
namespace MemberEditColumn {
enum : int { MemberId = 1, Candidate, Password, RowStatus, Count = RowStatus };
}
static_assert(std::size(MemberEditDefs) == MemberEditColumn::Count + 1);

// The columns the authentication editors name in the method-list, server and
// server-group tables, 1-based as in the MIB.
namespace MethodListColumn {
enum : int { Name = 1, Method1Type, Method1Group, Method2Type, Method2Group, Method3Type, Method3Group,
             Method4Type, Method4Group, RowStatus, Count = RowStatus };
// The type and server-group columns of method slot k (1 to 4).
constexpr int TypeOf(int slot) { return 2 * slot; }
constexpr int GroupOf(int slot) { return 2 * slot + 1; }
constexpr int Slots = 4;
}
static_assert(std::size(LoginMethodListDefs) == MethodListColumn::Count + 1);
static_assert(std::size(EnableMethodListDefs) == MethodListColumn::Count + 1);

namespace AuthServerColumn {
enum : int { Address = 1, Protocol, Port, Key, Timeout, RetryCount, RowStatus, Count = RowStatus };
}
static_assert(std::size(AuthServerDefs) == AuthServerColumn::Count + 1);

namespace ServerGroupControlColumn {
enum : int { GroupName = 1, Address, Protocol, RowState, Count = RowState };
}
static_assert(std::size(ServerGroupControlDefs) == ServerGroupControlColumn::Count + 1);

// The front panel's objects: a port's link state (read at each port's number),
// the console in use, the redundant power supply (unit 1, supply 2), and the
// hint of a port.
extern const KvSNMPVarDef PortLedDefs[2];
extern const KvSNMPVarDef ConsoleLedDefs[2];
extern const KvSNMPVarDef RpsLedDefs[2];
extern const KvSNMPVarDef PortHintDefs[9];
// The variables of a port's hint, in PortHintDefs's order: the interface's
// columns, read at the port's number, then the agent's uptime, a scalar.
enum PortHintVariable : int {
    PortDescr,
    PortAlias,
    PortOperStatus,
    PortAdminStatus,
    PortSpeed,
    PortHighSpeed,
    PortLastChange,
    AgentUpTime,
    PortHintVariableCount
};
static_assert(std::size(PortHintDefs) == PortHintVariableCount + 1);

// How the code that binds a table no view shows lists it: the list kind and the
// number of keys (a view's are in its row of the view catalogue).
struct DefinitionBinding {
    const KvSNMPVarDef* Defs;
    KvListKind Kind;
    int Keys;
};
inline constexpr DefinitionBinding StpVersionBinding{StpVersionDefs, SVT_SV, 0};
inline constexpr DefinitionBinding SystemResetBinding{SystemResetDefs, SVT_SV, 0};
inline constexpr DefinitionBinding SaveConfigBinding{SaveConfigDefs, SVT_SV, 0};
inline constexpr DefinitionBinding SummerTimeBinding{SummerTimeDefs, SVT_SV, 0};
inline constexpr DefinitionBinding LoginMethodListBinding{LoginMethodListDefs, MVT_UMV, 1};
inline constexpr DefinitionBinding EnableMethodListBinding{EnableMethodListDefs, MVT_UMV, 1};
inline constexpr DefinitionBinding AuthServerBinding{AuthServerDefs, MVT_UMV, 2};
inline constexpr DefinitionBinding ServerGroupControlBinding{ServerGroupControlDefs, MVT_UMV, 3};
inline constexpr DefinitionBinding StpSettingsBinding{StpSettingsDefs, SVT_SV, 0};
inline constexpr DefinitionBinding StpStateBinding{StpStateDefs, SVT_SV, 0};
inline constexpr DefinitionBinding MemberSwitchBinding{MemberSwitchDefs, MVT_UMV, 1};
// One row whose instance the editor sets itself.
inline constexpr DefinitionBinding MemberEditBinding{MemberEditDefs, MVT_SV, 1};
inline constexpr DefinitionBinding EquipmentBinding{EquipmentDefs, SVT_SV, 0};
// Whole instances: the code gives each object its instance.
inline constexpr DefinitionBinding PortLedBinding{PortLedDefs, MVT_SV, 0};
inline constexpr DefinitionBinding ConsoleLedBinding{ConsoleLedDefs, SVT_SV, 0};
inline constexpr DefinitionBinding RpsLedBinding{RpsLedDefs, MVT_SV, 0};
inline constexpr DefinitionBinding PortHintBinding{PortHintDefs, MVT_SV, 0};

// Appends the binding's table to list and gives the list the binding's kind and
// key count.
void AppendBinding(KvSNMPVarList& list, const DefinitionBinding& binding);

// defs/ViewDefinitionTables.h lists every table and binding above.
