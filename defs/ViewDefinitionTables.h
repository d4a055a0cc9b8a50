// The index of all definition tables: the views' in menu order, then those of
// the commands and the dedicated editors, for code that walks all of them (the
// checks of the tables, the simulator's data); and the bindings of the tables no
// view shows.  Each entry is made from its array or record, so a new table is
// its array and one line here.
#pragma once

#include "defs/MonitorDefs.h"
#include "defs/ViewDefinitions.h"

#include <cstddef>
#include <iterator>

struct ViewDefinitionTable {
    const char* Name;
    const KvSNMPVarDef* Defs;
    int Count;  // records before the terminator
};

namespace ViewDefinitionIndex {
// An array's bound holds its records and the terminator.
template <std::size_t N>
constexpr ViewDefinitionTable Entry(const char* name, const KvSNMPVarDef (&defs)[N])
{
    static_assert(N > 1, "a definition table holds at least one record before its terminator");
    return {name, defs, static_cast<int>(N - 1)};
}
}  // namespace ViewDefinitionIndex

#define KSW_DEFINITION_TABLE(table) ViewDefinitionIndex::Entry(#table, table)

inline constexpr ViewDefinitionTable ViewDefinitionTables[] = {
    KSW_DEFINITION_TABLE(BasicInformationDefs),
    KSW_DEFINITION_TABLE(MibCapabilitiesDefs),
    KSW_DEFINITION_TABLE(IpInformationDefs),
    KSW_DEFINITION_TABLE(FileTableDefs),
    KSW_DEFINITION_TABLE(MultiImageInformationDefs),
    KSW_DEFINITION_TABLE(CpuUtilizationDefs),
    KSW_DEFINITION_TABLE(BasicConfigDefs),
    KSW_DEFINITION_TABLE(AgentNotifyDefs),
    KSW_DEFINITION_TABLE(PingMaxConcurrentRequestsDefs),
    KSW_DEFINITION_TABLE(PingControlTableDefs),
    KSW_DEFINITION_TABLE(PingResultsTableDefs),
    KSW_DEFINITION_TABLE(TraceRouteMaxConcurrentRequestsDefs),
    KSW_DEFINITION_TABLE(TraceRouteControlTableDefs),
    KSW_DEFINITION_TABLE(TraceRouteResultsTableDefs),
    KSW_DEFINITION_TABLE(TraceRouteHopsTableDefs),
    KSW_DEFINITION_TABLE(UnitTableDefs),
    KSW_DEFINITION_TABLE(PowerTableDefs),
    KSW_DEFINITION_TABLE(SystemTimeInformationDefs),
    KSW_DEFINITION_TABLE(SystemTimeDefs),
    KSW_DEFINITION_TABLE(SntpDefs),
    KSW_DEFINITION_TABLE(AclPacketMaskTableDefs),
    KSW_DEFINITION_TABLE(AclEthernetTableDefs),
    KSW_DEFINITION_TABLE(AclEthernetRuleTableDefs),
    KSW_DEFINITION_TABLE(AclIpTableDefs),
    KSW_DEFINITION_TABLE(AclIpRuleTableDefs),
    KSW_DEFINITION_TABLE(AclPacketRuleTableDefs),
    KSW_DEFINITION_TABLE(AclIpv6TableDefs),
    KSW_DEFINITION_TABLE(AclIpv6RuleTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterControlDefs),
    KSW_DEFINITION_TABLE(CpuFilterEthernetTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterEthernetRuleTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterIpTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterIpRuleTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterPacketContentTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterPacketContentRuleTableDefs),
    KSW_DEFINITION_TABLE(CpuFilterIpv6TableDefs),
    KSW_DEFINITION_TABLE(CpuFilterIpv6RuleTableDefs),
    KSW_DEFINITION_TABLE(SystemLogControlStateDefs),
    KSW_DEFINITION_TABLE(SystemLogServerTableDefs),
    KSW_DEFINITION_TABLE(AggregatorPortListDefs),
    KSW_DEFINITION_TABLE(AggregatorTableDefs),
    KSW_DEFINITION_TABLE(AggPortTableDefs),
    KSW_DEFINITION_TABLE(AggPortStateTableDefs),
    KSW_DEFINITION_TABLE(AggPortDebugTableDefs),
    KSW_DEFINITION_TABLE(IfGeneralDefs),
    KSW_DEFINITION_TABLE(IfXTableDefs),
    KSW_DEFINITION_TABLE(SingleIpInformationDefs),
    KSW_DEFINITION_TABLE(SingleIpControlDefs),
    KSW_DEFINITION_TABLE(SingleIpCandidateSwitchDefs),
    KSW_DEFINITION_TABLE(SingleIpGroupDefs),
    KSW_DEFINITION_TABLE(StpControlDefs),
    KSW_DEFINITION_TABLE(StpPortControlDefs),
    KSW_DEFINITION_TABLE(SpanningTreeAlgorithmDefs),
    KSW_DEFINITION_TABLE(BridgeInformationDefs),
    KSW_DEFINITION_TABLE(VlanPortTableDefs),
    KSW_DEFINITION_TABLE(BridgeStpPortTableDefs),
    KSW_DEFINITION_TABLE(MstpConfigurationIdDefs),
    KSW_DEFINITION_TABLE(MstpInstanceTableDefs),
    KSW_DEFINITION_TABLE(MstpPortStateDefs),
    KSW_DEFINITION_TABLE(MstpPortInstanceDefs),
    KSW_DEFINITION_TABLE(Dot1pBasicConfigureDefs),
    KSW_DEFINITION_TABLE(PortCapabilitiesDefs),
    KSW_DEFINITION_TABLE(GmrpPortTableDefs),
    KSW_DEFINITION_TABLE(GarpPortTableDefs),
    KSW_DEFINITION_TABLE(PortDefaultUserPriorityDefs),
    KSW_DEFINITION_TABLE(RegenUserPriorityDefs),
    KSW_DEFINITION_TABLE(TrafficClassDefs),
    KSW_DEFINITION_TABLE(PortOutboundAccessPriorityDefs),
    KSW_DEFINITION_TABLE(Dot1qBasicConfigureDefs),
    KSW_DEFINITION_TABLE(UnicastForwardingDefs),
    KSW_DEFINITION_TABLE(VlanStaticTableDefs),
    KSW_DEFINITION_TABLE(VlanCurrentTableDefs),
    KSW_DEFINITION_TABLE(RmonStateDefs),
    KSW_DEFINITION_TABLE(SnmpEngineDefs),
    KSW_DEFINITION_TABLE(MpdStatsDefs),
    KSW_DEFINITION_TABLE(SnmpTargetGeneralDefs),
    KSW_DEFINITION_TABLE(TargetAddressTableDefs),
    KSW_DEFINITION_TABLE(TargetParamsTableDefs),
    KSW_DEFINITION_TABLE(UsmStatsDefs),
    KSW_DEFINITION_TABLE(UsmUserSpinLockDefs),
    KSW_DEFINITION_TABLE(UsmUserTableDefs),
    KSW_DEFINITION_TABLE(VacmSecurityToGroupDefs),
    KSW_DEFINITION_TABLE(VacmAccessTableDefs),
    KSW_DEFINITION_TABLE(VacmViewSpinLockDefs),
    KSW_DEFINITION_TABLE(VacmViewTreeFamilyDefs),
    KSW_DEFINITION_TABLE(NotifyTableDefs),
    KSW_DEFINITION_TABLE(NotifyFilterProfileDefs),
    KSW_DEFINITION_TABLE(NotifyFilterTableDefs),
    KSW_DEFINITION_TABLE(CommunityTableDefs),
    KSW_DEFINITION_TABLE(TargetAddrExtTableDefs),
    KSW_DEFINITION_TABLE(AuthControlDefs),
    KSW_DEFINITION_TABLE(RadiusServerTableDefs),
    KSW_DEFINITION_TABLE(MacAuthStateTableDefs),
    KSW_DEFINITION_TABLE(Dot1xSystemAuthControlDefs),
    KSW_DEFINITION_TABLE(PaeSystemPortTableDefs),
    KSW_DEFINITION_TABLE(PaeAuthenticatorDefs),
    KSW_DEFINITION_TABLE(AuthenticatorStatsDefs),
    KSW_DEFINITION_TABLE(AuthenticatorDiagnosticsDefs),
    KSW_DEFINITION_TABLE(AuthenticatorSessionStatsDefs),
    KSW_DEFINITION_TABLE(PaeSupplicantDefs),
    KSW_DEFINITION_TABLE(SupplicantStatsDefs),
    KSW_DEFINITION_TABLE(RadiusAuthInformationDefs),
    KSW_DEFINITION_TABLE(RadiusAuthServerTableDefs),
    KSW_DEFINITION_TABLE(RadiusAccountingControlDefs),
    KSW_DEFINITION_TABLE(RadiusAccountingServiceDefs),
    KSW_DEFINITION_TABLE(RadiusAcctInformationDefs),
    KSW_DEFINITION_TABLE(RadiusAcctServerTableDefs),
    KSW_DEFINITION_TABLE(MacAuthStatsTableDefs),
    KSW_DEFINITION_TABLE(MacAuthDiagTableDefs),
    KSW_DEFINITION_TABLE(MacAuthSessionStatsDefs),
    KSW_DEFINITION_TABLE(RadiusAuthClientDefs),
    KSW_DEFINITION_TABLE(RadiusAuthClientServerTableDefs),
    KSW_DEFINITION_TABLE(RadiusAccClientDefs),
    KSW_DEFINITION_TABLE(RadiusAccClientServerTableDefs),
    KSW_DEFINITION_TABLE(SshControlDefs),
    KSW_DEFINITION_TABLE(SshEncryptAlgDefs),
    KSW_DEFINITION_TABLE(SshAuthMethodDefs),
    KSW_DEFINITION_TABLE(SshIntegrityAlgDefs),
    KSW_DEFINITION_TABLE(SshPublicKeyDefs),
    KSW_DEFINITION_TABLE(SslControlDefs),
    KSW_DEFINITION_TABLE(SslCertificateFileDefs),
    KSW_DEFINITION_TABLE(DeviceInformationDefs),
    KSW_DEFINITION_TABLE(StackInformationDefs),
    KSW_DEFINITION_TABLE(PowerInformationDefs),
    KSW_DEFINITION_TABLE(DeviceControlDefs),
    KSW_DEFINITION_TABLE(AlarmControlDefs),
    KSW_DEFINITION_TABLE(PortInformationTableDefs),
    KSW_DEFINITION_TABLE(PortControlTableDefs),
    KSW_DEFINITION_TABLE(PortTrunkManagementDefs),
    KSW_DEFINITION_TABLE(PortTrunkTableDefs),
    KSW_DEFINITION_TABLE(PortSecurityTableDefs),
    KSW_DEFINITION_TABLE(LimitedMulticastDefs),
    KSW_DEFINITION_TABLE(BandwidthControlDefs),
    KSW_DEFINITION_TABLE(SchedulingTableDefs),
    KSW_DEFINITION_TABLE(Dot1pUserPriorityDefs),
    KSW_DEFINITION_TABLE(Dot1pDefaultPriorityDefs),
    KSW_DEFINITION_TABLE(MacBindingManagementDefs),
    KSW_DEFINITION_TABLE(MacBindingPortDefs),
    KSW_DEFINITION_TABLE(MacBindingInformationDefs),
    KSW_DEFINITION_TABLE(MacBindingBlockedDefs),
    KSW_DEFINITION_TABLE(MirrorManagementDefs),
    KSW_DEFINITION_TABLE(IgmpControlDefs),
    KSW_DEFINITION_TABLE(IgmpControlTableDefs),
    KSW_DEFINITION_TABLE(IgmpQueryInformationDefs),
    KSW_DEFINITION_TABLE(IgmpGroupTableDefs),
    KSW_DEFINITION_TABLE(IgmpMulticastVlanDefs),
    KSW_DEFINITION_TABLE(IgmpRouterPortDefs),
    KSW_DEFINITION_TABLE(DhcpRelayManagementDefs),
    KSW_DEFINITION_TABLE(DhcpRelayServerDefs),
    KSW_DEFINITION_TABLE(PacketStormTrapControlDefs),
    KSW_DEFINITION_TABLE(PacketStormControlTableDefs),
    KSW_DEFINITION_TABLE(SafeguardAdminStateDefs),
    KSW_DEFINITION_TABLE(SafeguardControlDefs),
    KSW_DEFINITION_TABLE(TrafficControlTableDefs),
    KSW_DEFINITION_TABLE(TrafficSegmentTableDefs),
    KSW_DEFINITION_TABLE(AacAdminStateDefs),
    KSW_DEFINITION_TABLE(AacInformationDefs),
    KSW_DEFINITION_TABLE(AacLoginMethodDefs),
    KSW_DEFINITION_TABLE(AacEnableMethodDefs),
    KSW_DEFINITION_TABLE(AacAuthParamDefs),
    KSW_DEFINITION_TABLE(AacServerGroupTableDefs),
    KSW_DEFINITION_TABLE(StpVersionDefs),
    KSW_DEFINITION_TABLE(SystemResetDefs),
    KSW_DEFINITION_TABLE(SaveConfigDefs),
    KSW_DEFINITION_TABLE(SummerTimeDefs),
    KSW_DEFINITION_TABLE(LoginMethodListDefs),
    KSW_DEFINITION_TABLE(EnableMethodListDefs),
    KSW_DEFINITION_TABLE(AuthServerDefs),
    KSW_DEFINITION_TABLE(ServerGroupControlDefs),
    KSW_DEFINITION_TABLE(StpSettingsDefs),
    KSW_DEFINITION_TABLE(StpStateDefs),
    KSW_DEFINITION_TABLE(MemberSwitchDefs),
    KSW_DEFINITION_TABLE(MemberEditDefs),
    KSW_DEFINITION_TABLE(EquipmentDefs),
    KSW_DEFINITION_TABLE(PortMonitorDefs),
    KSW_DEFINITION_TABLE(AgentUpTimeDefs),
    KSW_DEFINITION_TABLE(PortLedDefs),
    KSW_DEFINITION_TABLE(ConsoleLedDefs),
    KSW_DEFINITION_TABLE(RpsLedDefs),
    KSW_DEFINITION_TABLE(PortHintDefs),
};

#undef KSW_DEFINITION_TABLE

inline constexpr int ViewDefinitionTableCount = static_cast<int>(std::size(ViewDefinitionTables));

// Every binding of a table outside the view catalogue, by its name.
struct NamedDefinitionBinding {
    const char* Name;
    DefinitionBinding Binding;
};

#define KSW_DEFINITION_BINDING(binding) NamedDefinitionBinding{#binding, binding}

inline constexpr NamedDefinitionBinding DefinitionBindings[] = {
    KSW_DEFINITION_BINDING(StpVersionBinding),
    KSW_DEFINITION_BINDING(SystemResetBinding),
    KSW_DEFINITION_BINDING(SaveConfigBinding),
    KSW_DEFINITION_BINDING(SummerTimeBinding),
    KSW_DEFINITION_BINDING(LoginMethodListBinding),
    KSW_DEFINITION_BINDING(EnableMethodListBinding),
    KSW_DEFINITION_BINDING(AuthServerBinding),
    KSW_DEFINITION_BINDING(ServerGroupControlBinding),
    KSW_DEFINITION_BINDING(StpSettingsBinding),
    KSW_DEFINITION_BINDING(StpStateBinding),
    KSW_DEFINITION_BINDING(MemberSwitchBinding),
    KSW_DEFINITION_BINDING(MemberEditBinding),
    KSW_DEFINITION_BINDING(EquipmentBinding),
    KSW_DEFINITION_BINDING(PortMonitorBinding),
    KSW_DEFINITION_BINDING(AgentUpTimeBinding),
    KSW_DEFINITION_BINDING(PortLedBinding),
    KSW_DEFINITION_BINDING(ConsoleLedBinding),
    KSW_DEFINITION_BINDING(RpsLedBinding),
    KSW_DEFINITION_BINDING(PortHintBinding),
};

#undef KSW_DEFINITION_BINDING
