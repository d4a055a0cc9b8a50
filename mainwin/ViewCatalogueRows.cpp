// The catalogue's rows: one per page, the pages of an item together, in menu order.
#include "About.h"
#include "ModuleCommands.h"
#include "MonitorCommands.h"
#include "ViewCatalogue.h"
#include "mainwin/ViewFinder.h"
#include "defs/SwitchPorts.h"
#include "defs/ViewDefinitions.h"

#include <string_view>

namespace {

constexpr ViewTitle Designed{};
constexpr ViewTitle Same{ViewTitleForm::Same, nullptr};
constexpr ViewTitle Agent(const char* prefix) { return {ViewTitleForm::Agent, prefix}; }
constexpr ViewTitle Fixed(const char* text) { return {ViewTitleForm::Fixed, text}; }
constexpr ViewRowStatus Status(int row, const char* label) { return {row, label}; }

constexpr ViewAdjustment VarFormat(int row, const char* spec) { return {ViewAdjust::SetVarFormat, row, 0, 0, spec}; }
constexpr ViewAdjustment OctetEditor(int row) { return {ViewAdjust::SetOctetEditor, row}; }
constexpr ViewAdjustment NoEdit() { return {ViewAdjust::NoEdit}; }
constexpr ViewAdjustment EditWidth(int w) { return {ViewAdjust::SetEditWidth, -1, w}; }
constexpr ViewAdjustment ControlWidth(int w) { return {ViewAdjust::SetControlWidth, -1, w}; }
constexpr ViewAdjustment Width(int w) { return {ViewAdjust::Width, -1, w}; }
constexpr ViewAdjustment Height(int h) { return {ViewAdjust::Height, -1, h}; }
constexpr ViewAdjustment WidenBy(int w) { return {ViewAdjust::WidenBy, -1, w}; }
constexpr ViewAdjustment Hooks(ViewHook hook) { return {ViewAdjust::Hooks, -1, 0, 0, nullptr, hook}; }
constexpr ViewAdjustment RangeCheck(int row, int minimum, int maximum, const char* name)
{
    return {ViewAdjust::RangeCheck, row, minimum, maximum, name};
}
constexpr ViewAdjustment MulticastRange() { return {ViewAdjust::MulticastRange}; }
constexpr ViewAdjustment SpinLockRow() { return {ViewAdjust::SpinLockRow}; }
constexpr ViewAdjustment VersionV2c() { return {ViewAdjust::VersionV2c}; }
constexpr ViewAdjustment Counter64Prompt() { return {ViewAdjust::Counter64Prompt}; }
constexpr ViewAdjustment ReadStpVersion() { return {ViewAdjust::ReadStpVersion}; }

// The edit format of a port number: 1 to the port count.
struct PortNumberFormat {
    char Text[16] = {};
    constexpr PortNumberFormat()
    {
        int n = 0;
        for (char c : std::string_view("%i{n1x"))
            Text[n++] = c;
        char digits[10] = {};
        int d = 0;
        for (int v = KswPortCount; v > 0; v /= 10)
            digits[d++] = static_cast<char>('0' + v % 10);
        while (d > 0)
            Text[n++] = digits[--d];
        Text[n] = '}';
    }
};
constexpr PortNumberFormat kPortNumber;

constexpr ViewCatalogueRow Row(const char* item)
{
    ViewCatalogueRow r;
    r.Item = item;
    return r;
}

constexpr ViewCatalogueRow Page(const char* item, ViewTitle title, const char* page, ViewPanel panel,
                                const KvSNMPVarDef* defs, std::uint8_t itemType, int keys,
                                ViewRowStatus add, ViewRowStatus del, const ViewAdjustments& adjust)
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::Generic;
    r.Title = title;
    r.Page = page;
    r.Panel = panel;
    r.Defs = defs;
    r.ItemType = itemType;
    r.Keys = keys;
    r.Add = add;
    r.Delete = del;
    r.Adjust = adjust;
    return r;
}

constexpr ViewCatalogueRow Scalars(const char* item, ViewTitle title, const KvSNMPVarDef* defs, std::uint8_t itemType,
                                   int keys, const ViewAdjustments& adjust = {})
{
    return Page(item, title, nullptr, ViewPanel::Scalars, defs, itemType, keys, {}, {}, adjust);
}

constexpr ViewCatalogueRow ScalarsPage(const char* item, ViewTitle title, const char* page, const KvSNMPVarDef* defs,
                                       std::uint8_t itemType, int keys, const ViewAdjustments& adjust = {})
{
    return Page(item, title, page, ViewPanel::Scalars, defs, itemType, keys, {}, {}, adjust);
}

constexpr ViewCatalogueRow Table(const char* item, ViewTitle title, const KvSNMPVarDef* defs, std::uint8_t itemType,
                                 int keys, ViewRowStatus add = {}, ViewRowStatus del = {},
                                 const ViewAdjustments& adjust = {})
{
    return Page(item, title, nullptr, ViewPanel::Table, defs, itemType, keys, add, del, adjust);
}

constexpr ViewCatalogueRow TablePage(const char* item, ViewTitle title, const char* page, const KvSNMPVarDef* defs,
                                     std::uint8_t itemType, int keys, ViewRowStatus add = {},
                                     ViewRowStatus del = {}, const ViewAdjustments& adjust = {})
{
    return Page(item, title, page, ViewPanel::Table, defs, itemType, keys, add, del, adjust);
}

constexpr ViewCatalogueRow Viewer(const char* item, const char* viewArgument)
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::Viewer;
    r.Target = viewArgument;
    return r;
}

constexpr ViewCatalogueRow Dialog(const char* item, ViewTitle title, const char* className,
                                  const ViewAdjustments& adjust = {})
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::Dialog;
    r.Title = title;
    r.Target = className;
    r.Adjust = adjust;
    return r;
}

constexpr ViewCatalogueRow Command(const char* item, MenuCommand command)
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::Command;
    r.Command = command;
    return r;
}

// A command that lives with the dialogs and is looked up among them.
constexpr ViewCatalogueRow CommandDialog(const char* item, const char* name)
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::Command;
    r.Target = name;
    return r;
}

constexpr ViewCatalogueRow SameViewAs(const char* item, const char* other)
{
    ViewCatalogueRow r = Row(item);
    r.Action = ViewAction::SameViewAs;
    r.Target = other;
    return r;
}

constexpr ViewCatalogueRow NoAction(const char* item) { return Row(item); }

// clang-format off
const ViewCatalogueRow kCatalogue[] = {
    // Basic Configuration
    CommandDialog("SNMPConfig", "SNMPConfig"),
    ScalarsPage("Info", Agent("Information : "), "Basic Information", BasicInformationDefs, SVT_SV, 0,
        {Width(500), Height(450)}),
    TablePage("Info", Same, "Mib Capabilities", MibCapabilitiesDefs, MVT_FMV, 1),
    NoAction("BasicConfig"),
    Scalars("IPInfo", Agent("IP Information : "), IpInformationDefs, SVT_SV, 0),
    ScalarsPage("ConfigFileTable", Agent("Download/Upload : "), "Agent Information", FileTableDefs, MVT_UMV, 0),
    TablePage("ConfigFileTable", Same, "Multi Image Information", MultiImageInformationDefs, MVT_UMV, 1),
    NoAction("AgentNotifyLevel"),
    Scalars("BasicInformation2", Agent("Basic Information : "), BasicInformationDefs, SVT_SV, 0),
    Table("MibCapabilities1", Agent("MIB Capabilities : "), MibCapabilitiesDefs, MVT_FMV, 1,
        {}, {}, {Height(450)}),
    Scalars("CPUUtilization2", Agent("CPU Utilization : "), CpuUtilizationDefs, MVT_UMV, 0),
    Scalars("BasicConfig2", Agent("Basic Configuration : "), BasicConfigDefs, SVT_SV, 0),
    Table("FileTable1", Agent("File Table : "), FileTableDefs, MVT_FMV, 1),
    Scalars("IpProtoConfig1", Agent("IP Information : "), IpInformationDefs, SVT_SV, 0),
    Table("MultiImageInformation1", Agent("Multi Image Information : "), MultiImageInformationDefs, MVT_UMV, 1),
    Scalars("AgentNotify1", Agent("Agent Notify Management : "), AgentNotifyDefs, SVT_SV, 0),
    Scalars("MaxConcurrentRequests1", Agent("Max Concurrent Requests : "), PingMaxConcurrentRequestsDefs, SVT_SV, 0),
    Table("ControlTable1", Agent("Ping Control Table : "), PingControlTableDefs, MVT_UMV, 2,
        Status(6, "createAndGo"), Status(6, "destroy")),
    Table("ResultTable1", Agent("Ping Results Table : "), PingResultsTableDefs, MVT_UMV, 2),
    Scalars("MaxConcurrentRequests2", Agent("Max Concurrent Requests : "), TraceRouteMaxConcurrentRequestsDefs, SVT_SV, 0),
    Table("ControlTable2", Agent("Trace Route Control Table : "), TraceRouteControlTableDefs, MVT_UMV, 2,
        Status(26, "createAndGo"), Status(26, "destroy")),
    Table("ResultTable2", Agent("Trace Route Results Table : "), TraceRouteResultsTableDefs, MVT_UMV, 2),
    Table("RouteHopsTable1", Agent("Route Hops Table : "), TraceRouteHopsTableDefs, MVT_UMV, 3),
    NoAction("CPUUtilization1"),
    Dialog("BasicInformation1", Designed, "TEquipmentBasicInfoForm"),
    Table("UnitTable1", Agent("Unit Table : "), UnitTableDefs, MVT_UMV, 1, {}, {}, {Height(450)}),
    Table("PowerTable1", Agent("Power Table : "), PowerTableDefs, MVT_FMV, 2, {}, {}, {Height(450)}),
    ScalarsPage("SystemTime1", Agent("System Time : "), "Information", SystemTimeInformationDefs, SVT_SV, 0),
    ScalarsPage("SystemTime1", Same, "System Time", SystemTimeDefs, SVT_SV, 0, {VarFormat(3, "%i{n-779x839}")}),
    Scalars("SNTP1", Agent("SNTP : "), SntpDefs, SVT_SV, 0, {VarFormat(4, "%i{n30x99999}")}),
    Dialog("DaylightSavingTimeSummerTime1", Agent("Daylight Saving Time/Summer Time : "), "TSummerTimeForm"),
    Dialog("EthernetMaskInformation1", Agent("Ethernet Mask Information: "), "TEthernetMaskInformationForm"),
    Dialog("EthernetRuleInformation1", Agent("Ethernet Rule Information: "), "TEthernetInformationRuleForm"),
    Dialog("IPMaskInformation1", Agent("IP Mask Information: "), "TIPMaskInformationForm"),
    Dialog("IPRule1", Agent("IP Rule Information: "), "TIPRuleForm"),
    Table("ACLPacketMask1", Agent("ACL Packet Mask : "), AclPacketMaskTableDefs, MVT_FMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy")),
    Dialog("ACLPacketRuleInformation1", Agent("ACL Packet Rule Information: "), "TUserDefinedInformationRuleForm"),
    TablePage("EthernetTable", Agent("Ethernet Table : "), "ACL Ethernet Table", AclEthernetTableDefs, MVT_UMV, 1,
        Status(7, "createAndGo"), Status(7, "destroy"), {NoEdit(), Height(500)}),
    TablePage("EthernetTable", Same, "ACL Ethernet Rule Table", AclEthernetRuleTableDefs, MVT_UMV, 2,
        Status(14, "createAndGo"), Status(14, "destroy"), {OctetEditor(13)}),
    TablePage("ACLIPTable", Agent("IP Table : "), "ACL Ethernet IP Table", AclIpTableDefs, MVT_UMV, 1,
        Status(18, "createAndGo"), Status(18, "destroy"), {NoEdit()}),
    TablePage("ACLIPTable", Same, "ACL IP Rule Table", AclIpRuleTableDefs, MVT_UMV, 2,
        Status(21, "createAndGo"), Status(21, "destroy"), {OctetEditor(20)}),
    TablePage("PacketTable1", Agent("Packet Content Table : "), "ACL Packet Mask Table", AclPacketMaskTableDefs, MVT_UMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy"), {NoEdit()}),
    TablePage("PacketTable1", Same, "ACL Packet Rule Table", AclPacketRuleTableDefs, MVT_UMV, 2,
        Status(14, "createAndGo"), Status(14, "destroy"), {OctetEditor(13)}),
    TablePage("IPV6Table1", Agent("IPV6 Table : "), "ACL Ethernet IPV6 Table", AclIpv6TableDefs, MVT_UMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy")),
    TablePage("IPV6Table1", Same, "ACL IPV6 Rule Table", AclIpv6RuleTableDefs, MVT_UMV, 2,
        Status(11, "createAndGo"), Status(11, "destroy")),
    Scalars("CPUFilterControl1", Agent("CPU Filter Control : "), CpuFilterControlDefs, SVT_SV, 0),
    TablePage("EthernetTableCPUFilter1", Agent("Ethernet Table : (CPU Filter) "), "Ethernet Table (CPU Filter)", CpuFilterEthernetTableDefs, MVT_UMV, 1,
        Status(7, "createAndGo"), Status(7, "destroy"), {NoEdit(), Height(500)}),
    TablePage("EthernetTableCPUFilter1", Same, "Ethernet Rule Table (CPU Filter)", CpuFilterEthernetRuleTableDefs, MVT_UMV, 2,
        Status(8, "createAndGo"), Status(8, "destroy")),
    TablePage("IPTableCPUFilter1", Agent("IP Table : (CPU Filter) "), "IP Table (CPU Filter)", CpuFilterIpTableDefs, MVT_UMV, 1,
        Status(18, "createAndGo"), Status(18, "destroy"), {NoEdit(), Height(500)}),
    TablePage("IPTableCPUFilter1", Same, "IP Rule Table (CPU Filter)", CpuFilterIpRuleTableDefs, MVT_UMV, 2,
        Status(15, "createAndGo"), Status(15, "destroy")),
    TablePage("PacketContentTableCPUFilter1", Agent("Packet Content Table : (CPU Filter) "), "Packet Content Table (CPU Filter)", CpuFilterPacketContentTableDefs, MVT_UMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy"), {NoEdit(), Height(500)}),
    TablePage("PacketContentTableCPUFilter1", Same, "Packet Content Table (CPU Filter)", CpuFilterPacketContentRuleTableDefs, MVT_UMV, 2,
        Status(8, "createAndGo"), Status(8, "destroy")),
    TablePage("IPV6TableCPUFilter1", Agent("IPV6 Table : (CPU Filter) "), "IPV6 Table (CPU Filter)", CpuFilterIpv6TableDefs, MVT_UMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy"), {Height(500)}),
    TablePage("IPV6TableCPUFilter1", Same, "IPV6 Table (CPU Filter)", CpuFilterIpv6RuleTableDefs, MVT_UMV, 2,
        Status(7, "createAndGo"), Status(7, "destroy")),
    Scalars("SystemLogControlState1", Agent("System Log Control State : "), SystemLogControlStateDefs, SVT_SV, 0),
    Table("SystemLogServerTable1", Agent("System Log Server Table : "), SystemLogServerTableDefs, MVT_FMV, 1,
        Status(6, "createAndGo"), Status(6, "destroy")),
    Table("PortList1", Agent("Aggregator Port List : "), AggregatorPortListDefs, MVT_FMV, 1,
        {}, {}, {OctetEditor(1), Height(450)}),
    Table("AggregatorTable1", Agent("Aggregator Table : "), AggregatorTableDefs, MVT_FMV, 1),
    Table("LinkAggregationControl1", Agent("Aggregation Port Table : "), AggPortTableDefs, MVT_FMV, 1),
    Table("AggPortStateTable1", Agent("Aggregation Port State : "), AggPortStateTableDefs, MVT_UMV, 1),
    Table("AggPortDebugTable1", Agent("Aggregation Port Debug : "), AggPortDebugTableDefs, MVT_FMV, 1),
    Scalars("GeneralTable1", Agent("If General Table : "), IfGeneralDefs, SVT_SV, 0),
    Table("IFXTable1", Agent("ifX Table : "), IfXTableDefs, MVT_FMV, 1,
        {}, {}, {VarFormat(18, "%s{l32}"), VersionV2c()}),
    Viewer("IfStackTable1", "/TIFMib_ifStackTable"),
    Viewer("ReceiveAddressTable1", "/TIFMib_ifRcvAddressTable"),
    Viewer("MIB2Information", "/TMIB_Info"),
    Viewer("MIB2IFTable", "/TMIB_IFTable"),
    Viewer("MIB2IFCounter", "/TMIB_IFCounters"),
    Viewer("MIB2IPCounter", "/TMIB_IPCounters"),
    Viewer("MIB2IPRouting", "/TMIB_IPRouting"),
    Viewer("MIB2IPAddressTable", "/TMIB_IPAddress"),
    Viewer("MIB2ICMPCounter", "/TMIB_ICMPCounters"),
    Viewer("MIB2UDPCounter", "/TMIB_UDPCounters"),
    Viewer("MIB2SNMPCounter", "/TMIB_SNMPCounters"),
    Viewer("dot3Statistics1", "/TEthernetLike_dot3StatsTable"),
    Command("Refresh", &RefreshClick),
    Command("SaveConfig", &SaveConfigClick),
    Command("Reset", &RebootClick),
    Command("Exit", &ExitClick),
    // Monitor (our own menu)
    Command("PortOverview", &PortOverviewClick),
    Command("FlapMarks", &FlapMarksClick),

    // Single IP Configuration
    Scalars("Information1", Agent("Single IP Management Information : "), SingleIpInformationDefs, SVT_SV, 0,
        {EditWidth(180)}),
    Scalars("Control1", Agent("Single IP Management Control : "), SingleIpControlDefs, SVT_SV, 0,
        {EditWidth(180), RangeCheck(2, 100, 255, "swSingleIPHoldtime")}),
    Dialog("MemberSwitch1", Fixed("Member Switch Information Table"), "TMSInformationForm"),
    Table("CandidateSwitch1", Agent("Single IP Candidate Switch Management : "), SingleIpCandidateSwitchDefs, MVT_UMV, 1),
    Table("IPManagementGroup1", Fixed("Single IP Group Management"), SingleIpGroupDefs, MVT_UMV, 1),

    // RSTP
    ScalarsPage("RSTP", Agent("RSTP : "), "STP Control", StpControlDefs, SVT_SV, 0),
    TablePage("RSTP", Same, "STP Port Control", StpPortControlDefs, MVT_FMV, 1),

    // Bridge
    Scalars("SpanningTreeAlgorithm1", Agent("Spanning Tree Algorithm : "), SpanningTreeAlgorithmDefs, SVT_SV, 0),
    Scalars("BridgeInformation", Agent("Bridge 802.1d Information : "), BridgeInformationDefs, SVT_SV, 0),
    Table("BridgePortTable", Agent("Bridge 802.1d Port Table : "), VlanPortTableDefs, MVT_UMV, 1),
    Dialog("BridgeSTPInformation", Designed, "TSTP_Info", {ReadStpVersion()}),
    Table("BridgeSTPPortTable", Agent("STP Port Table : "), BridgeStpPortTableDefs, MVT_UMV, 1,
        {}, {}, {VarFormat(1, "%i{n0x240l3a}"), VarFormat(4, "%i{n1x200000000l9a}")}),
    Scalars("ConfigurationIdentification1", Agent("Configuration Identification : "), MstpConfigurationIdDefs, SVT_SV, 0),
    Table("InstanceInformation1", Agent("MSTP Instance Control : "), MstpInstanceTableDefs, MVT_UMV, 1),
    Table("PortStateInformation1", Agent("MSTP Port State Information : "), MstpPortStateDefs, MVT_UMV, 1),
    Table("PortMSTPInformation1", Agent("Port MSTP Information : "), MstpPortInstanceDefs, MVT_UMV, 2),
    Viewer("BridgeForwardingTable", "/TBridge_Forwarding"),
    Viewer("BridgeStaticTable", "/TBridge_StaticFilter"),
    Viewer("BridgePortCounters", "/TBridge_TpPortInfo"),

    // VLAN
    Scalars("BasicConfigure", Agent("802.1P Basic Configure : "), Dot1pBasicConfigureDefs, SVT_SV, 0),
    Table("PriorityInformation", Agent("Priority Information Form : "), PortCapabilitiesDefs, MVT_FMV, 1),
    Table("GMRP", Agent("GMRP Form : "), GmrpPortTableDefs, MVT_FMV, 1),
    Table("GARP", Agent("GARP Form : "), GarpPortTableDefs, MVT_FMV, 1,
        {},
        {}, {VarFormat(1, "%i{n0x2147483647l10}"), VarFormat(2, "%i{n0x2147483647l10}"), VarFormat(3, "%i{n0x2147483647l10}")}),
    TablePage("PortCapbility", Agent("Port Capability : "), "Default User Priorities of Each Port", PortDefaultUserPriorityDefs, MVT_FMV, 1,
        {}, {}, {VarFormat(1, "%i{n0x7l1}"), VarFormat(2, "%i{n0x8l1}")}),
    TablePage("PortCapbility", Same, "Regenerated User Priorities", RegenUserPriorityDefs, MVT_FMV, 2,
        {}, {}, {VarFormat(2, "%i{n0x7l1}")}),
    TablePage("PortCapbility", Same, "User Priorities to Traffic Class", TrafficClassDefs, MVT_FMV, 2,
        {}, {}, {VarFormat(2, "%i{n0x7l1}")}),
    TablePage("PortCapbility", Same, "Port Outbound Access Priorities", PortOutboundAccessPriorityDefs, MVT_FMV, 2),
    Scalars("BasicConfigure2", Agent("802.1Q Basic Configure : "), Dot1qBasicConfigureDefs, SVT_SV, 0),
    Table("PortInformation1", Agent("VLAN Port Information : "), VlanPortTableDefs, MVT_FMV, 1,
        {}, {}, {VarFormat(1, "%i{n1x4094}")}),
    NoAction("LearningConstraintInformation1"),
    Table("ForwardingFiltering1", Agent("Unicast Forwarding Information : "), UnicastForwardingDefs, MVT_UMV, 2),
    TablePage("N8021QVLAN1", Agent("802.1Q VLAN Config : "), "VLAN Static Table", VlanStaticTableDefs, MVT_UMV, 1,
        Status(VlanStaticRow::RowStatus, "CreateAndGo"), Status(VlanStaticRow::RowStatus, "Destroy"),
        {VarFormat(VlanStaticRow::Index, "%i{n1x4094}"), VarFormat(VlanStaticRow::Name, "%s{l32}"),
         OctetEditor(VlanStaticRow::EgressPorts), OctetEditor(VlanStaticRow::ForbiddenEgressPorts),
         OctetEditor(VlanStaticRow::UntaggedPorts), Hooks(ViewHook::VlanStatic)}),
    TablePage("N8021QVLAN1", Same, "VLAN Current Table", VlanCurrentTableDefs, MVT_UMV, 2),
    Viewer("UnicastMulticastStaticForwardTable1", "/TVLan_Tp8021QStatic"),

    // RMON
    Command("RMON1", &RMON1Click),
    Scalars("S1", Agent("RMON State : "), RmonStateDefs, SVT_SV, 0),
    Viewer("Statistics1", "/TRmon_Statistics"),
    Viewer("History1", "/TRmon_History"),
    Viewer("AlarmEvent1", "/TRmon_AlarmEvent"),

    // SNMP V3
    Dialog("SNMPConfigure1", Designed, "TfrmConfigSNMP"),
    Scalars("Engine", Agent("SNMP Engine : "), SnmpEngineDefs, SVT_SV, 0, {EditWidth(150)}),
    Scalars("MPD", Agent("Message Processingand Dispatching : "), MpdStatsDefs, SVT_SV, 0),
    NoAction("TARGET"),
    Scalars("GeneralInformation1", Agent("General Information : "), SnmpTargetGeneralDefs, SVT_SV, 0),
    Table("TargetAddressTable1", Agent("Target Address Table : "), TargetAddressTableDefs, MVT_UMV, 1),
    Table("TargetParameters1", Agent("Target Parameters : "), TargetParamsTableDefs, MVT_UMV, 1),
    Scalars("USMStats", Agent("USM Stats : "), UsmStatsDefs, SVT_SV, 0),
    ScalarsPage("USMUserTable", Agent("USM User Table : "), "User Spin Lock", UsmUserSpinLockDefs, SVT_SV, 0,
        {SpinLockRow()}),
    TablePage("USMUserTable", Same, "USM User Table", UsmUserTableDefs, MVT_UMV, 2,
        Status(12, "createAndGo"), Status(12, "destroy")),
    Table("VACMSecurityToGroupTable", Agent("VACM Security To Group Table : "), VacmSecurityToGroupDefs, MVT_UMV, 2,
        Status(4, "createAndGo"), Status(4, "destroy")),
    Table("VACMAccessTable", Agent("VACM Access Table : "), VacmAccessTableDefs, MVT_UMV, 4),
    ScalarsPage("VACMMIBViews1", Agent("VACM MIB Views : "), "View Spin Lock", VacmViewSpinLockDefs, SVT_SV, 0,
        {SpinLockRow()}),
    TablePage("VACMMIBViews1", Same, "View Tree Family Table", VacmViewTreeFamilyDefs, MVT_UMV, 2,
        Status(ViewTreeFamilyRow::Status, "createAndGo"), Status(ViewTreeFamilyRow::Status, "destroy"),
        {Hooks(ViewHook::ViewTreeFamily)}),
    Table("NotifyTable", Agent("Notify Table : "), NotifyTableDefs, MVT_UMV, 1,
        Status(4, "createAndGo"), Status(4, "destroy")),
    Table("NotifyFilterProfileTable", Agent("Notify Filter Profile Table : "), NotifyFilterProfileDefs, MVT_UMV, 1,
        Status(3, "createAndGo"), Status(3, "destroy")),
    Table("NotifyFilterTable", Agent("Notify Filter Table : "), NotifyFilterTableDefs, MVT_UMV, 2,
        Status(5, "createAndGo"), Status(5, "destroy")),
    Table("CommunityTable", Agent("Community Table : "), CommunityTableDefs, MVT_UMV, 1,
        Status(CommunityRow::Status, "createAndGo"), Status(CommunityRow::Status, "destroy"),
        {Hooks(ViewHook::Community), ControlWidth(150)}),
    Table("TargetAddrExtTable", Agent("TargetAddr Ext Table : "), TargetAddrExtTableDefs, MVT_UMV, 1),

    // 802.1X
    ScalarsPage("KorvaneAuth", Agent("Auth Control : "), "Auth Control", AuthControlDefs, SVT_SV, 0),
    TablePage("KorvaneAuth", Same, "Radius Server Table", RadiusServerTableDefs, MVT_FMV, 1),
    TablePage("KorvaneAuth", Same, "Mac Auth State Table", MacAuthStateTableDefs, MVT_FMV, 1),
    Scalars("AuthenticationConfiguration1", Agent("802.1X Configuration : "), Dot1xSystemAuthControlDefs, SVT_SV, 0),
    Table("PaeSystem", Agent("Port Table : "), PaeSystemPortTableDefs, MVT_UMV, 1),
    Table("PaeAuthenticator", Agent("802.1X Port Configuration : "), PaeAuthenticatorDefs, MVT_UMV, 1),
    Table("AuthenticationStatsTable1", Agent("Port Statistics : "), AuthenticatorStatsDefs, MVT_UMV, 1),
    Table("AuthenticationDiagnosticsTable1", Agent("Port Diagnostics : "), AuthenticatorDiagnosticsDefs, MVT_UMV, 1),
    Table("AuthenticationSessionStatistics1", Agent("Port Session Statistics : "), AuthenticatorSessionStatsDefs, MVT_FMV, 1,
        {}, {}, {Counter64Prompt()}),
    Table("PaeSupplicant", Agent("Supplicant Config Table : "), PaeSupplicantDefs, MVT_UMV, 1),
    Table("SupplicantStatsTable1", Agent("Supplicant Stats Table : "), SupplicantStatsDefs, MVT_UMV, 1),
    Scalars("AuthenticationControl2", Agent("Authentication Control : "), AuthControlDefs, SVT_SV, 0),
    Table("RadiusServerTable1", Agent("RADIUS Server Table : "), RadiusServerTableDefs, MVT_UMV, 1),
    Scalars("AuthenticationInformation1", Agent("Authentication Information : "), RadiusAuthInformationDefs, SVT_SV, 0),
    Table("RadiusAuthenticationServerTable1", Agent("RADIUS Authentication Server Table : "), RadiusAuthServerTableDefs, MVT_UMV, 1),
    Scalars("RadiusAccountingControl1", Agent("RADIUS Accounting Control : "), RadiusAccountingControlDefs, SVT_SV, 0),
    Table("RadiusAccountingServiceTable1", Agent("RADIUS Accounting Service Table : "), RadiusAccountingServiceDefs, MVT_UMV, 1),
    Scalars("RadiusAccountingInformation1", Agent("Radius Accounting Information : "), RadiusAcctInformationDefs, SVT_SV, 0),
    Table("RadiusAccountingServerTable1", Agent("RADIUS Accounting Server Table : "), RadiusAcctServerTableDefs, MVT_UMV, 1),
    TablePage("MACAuthenticationBaseStateInfo1", Agent("MAC Authentication Base State Information :"), "MAC Auth State Table", MacAuthStateTableDefs, MVT_FMV, 2,
        {}, {}, {Height(500)}),
    TablePage("MACAuthenticationBaseStateInfo1", Same, "MAC Auth Stats Table", MacAuthStatsTableDefs, MVT_UMV, 2),
    TablePage("MACAuthenticationBaseStateInfo1", Same, "MAC Auth Diag Table", MacAuthDiagTableDefs, MVT_UMV, 2),
    TablePage("MACAuthenticationBaseStateInfo1", Same, "MAC Auth Session Stats Table", MacAuthSessionStatsDefs, MVT_UMV, 2),
    Table("MACAuthenticationStateTable1", Agent("MAC Authentication State Table : "), MacAuthStateTableDefs, MVT_UMV, 1),
    Table("MACAuthenticationStatsTable1", Agent("MAC Authentication Stats Table : "), MacAuthStatsTableDefs, MVT_UMV, 1),
    Table("MACAuthenticationDiagTable1", Agent("MAC Authentication Diag Table : "), MacAuthDiagTableDefs, MVT_UMV, 1),
    Table("MACAuthenticationSessionStatsTable1", Agent("MAC Authentication Session Stats Table : "), MacAuthSessionStatsDefs, MVT_UMV, 1),
    Scalars("RadiusAuthClient", Agent("RADIUS Authentication Client : "), RadiusAuthClientDefs, SVT_SV, 0),
    Table("RadiusAuthenticationServerTable2", Agent("Radius Authentication Server Table : "), RadiusAuthClientServerTableDefs, MVT_UMV, 1),
    Scalars("RadiusAccClient", Agent("RADIUS Accounting Client : "), RadiusAccClientDefs, SVT_SV, 0),
    Table("RadiusAccountingServerTable2", Agent("Radius Accounting Server Table : "), RadiusAccClientServerTableDefs, MVT_UMV, 1),
    NoAction("MacAuth1"),

    // SSH
    Scalars("SSHControl1", Agent("SSH Control : "), SshControlDefs, SVT_SV, 0),
    Scalars("SSHEncryptAlgControl1", Agent("SSH Encrypt Alg Control : "), SshEncryptAlgDefs, SVT_SV, 0),
    Scalars("SSHAuthMethodControl1", Agent("SSH Auth Method Control : "), SshAuthMethodDefs, SVT_SV, 0),
    Scalars("SSHInteAlgControl1", Agent("SSH Inte Alg Control : "), SshIntegrityAlgDefs, SVT_SV, 0),
    Scalars("SSHPublicKeyControl1", Agent("SSH Public Key Control : "), SshPublicKeyDefs, SVT_SV, 0),

    // SSL
    Scalars("SSLControl1", Agent("SSL Control : "), SslControlDefs, SVT_SV, 0),
    Scalars("SSLCertificateFile1", Agent("SSL Certificate File : "), SslCertificateFileDefs, SVT_SV, 0),

    // Layer2 Management
    Scalars("DeviceInformation1", Agent("Device Information : "), DeviceInformationDefs, SVT_SV, 0,
        {EditWidth(180)}),
    Table("StackInformation1", Agent("Stack Information : "), StackInformationDefs, MVT_UMV, 1,
        {}, {}, {Height(450)}),
    Table("PowerInformation1", Agent("Device Information Power Table : "), PowerInformationDefs, MVT_UMV, 2),
    Scalars("DeviceControl1", Agent("Device Control : "), DeviceControlDefs, SVT_SV, 0),
    Scalars("AlarmControl1", Agent("Alarm Control : "), AlarmControlDefs, SVT_SV, 0),
    Table("PortInformationTable1", Agent("Port Information Table : "), PortInformationTableDefs, MVT_UMV, 1,
        {}, {}, {Height(450)}),
    Table("PortControlTable1", Agent("Port Control Table : "), PortControlTableDefs, MVT_FMV, 1,
        {}, {}, {Height(450)}),
    Scalars("PortTrunkMgmt1", Agent("Port Trunk Management : "), PortTrunkManagementDefs, SVT_SV, 0),
    Table("PortTrunkTable1", Agent("Port Trunk Table : "), PortTrunkTableDefs, MVT_FMV, 1,
        Status(TrunkRow::State, "createAndGo"), Status(TrunkRow::State, "destroy"), {OctetEditor(TrunkRow::Members)}),
    SameViewAs("PortMirrorTable1", "MirrorManagement"),
    Table("PortSecurityTable1", Agent("Port Security Table : "), PortSecurityTableDefs, MVT_UMV, 1,
        {}, {}, {Height(450)}),
    Table("LimitedMulticast1", Agent("Limited Multicast : "), LimitedMulticastDefs, MVT_FMV, 1,
        {}, {}, {MulticastRange(), WidenBy(100)}),
    NoAction("QOSManagement1"),
    Table("BandwidthControlTable1", Agent("Bandwidth Control Table : "), BandwidthControlDefs, MVT_UMV, 1),
    Table("SchedulingTable1", Agent("Scheduling Table : "), SchedulingTableDefs, MVT_UMV, 1),
    Table("N8021pUserPriorityTable1", Agent("802.1p User Priority Table : "), Dot1pUserPriorityDefs, MVT_UMV, 1),
    Table("N8021pDefaultPriorityTable1", Agent("802.1p Default Priority Table : "), Dot1pDefaultPriorityDefs, MVT_UMV, 1),
    Scalars("MACBindingManagement2", Agent("MAC Binding Management : "), MacBindingManagementDefs, SVT_SV, 0),
    Table("MACBindingPort1", Agent("MAC Binding Port : "), MacBindingPortDefs, MVT_FMV, 1),
    Table("MACBindingInformation1", Agent("MAC Binding Information : "), MacBindingInformationDefs, MVT_UMV, 1,
        Status(2, "createAndGo"), Status(2, "destroy"), {OctetEditor(3)}),
    Table("MACBindingBlocked1", Agent("MAC Binding Blocked : "), MacBindingBlockedDefs, MVT_UMV, 2),
    Table("TrunkManagement", Agent("Trunk Management : "), PortTrunkTableDefs, MVT_UMV, 1,
        {}, {}, {VarFormat(TrunkRow::MasterPort, kPortNumber.Text), OctetEditor(TrunkRow::Members), Hooks(ViewHook::Trunk)}),
    Scalars("MirrorManagement", Agent("Mirror Management : "), MirrorManagementDefs, SVT_SV, 0,
        {OctetEditor(1), OctetEditor(2)}),
    Scalars("IGMPControl1", Agent("IGMP Management : "), IgmpControlDefs, SVT_SV, 0),
    Table("IGMPControlTable1", Agent("IGMP Control : "), IgmpControlTableDefs, MVT_UMV, 1, {}, {}, {Height(450)}),
    Table("IGMPQueryInformation1", Agent("IGMP Query Information : "), IgmpQueryInformationDefs, MVT_UMV, 1,
        {}, {}, {Height(450)}),
    Table("IGMPManagement", Agent("IGMP Information : "), IgmpGroupTableDefs, MVT_UMV, 2, {}, {}, {Height(450)}),
    Table("IGMPMulticastVlan1", Agent("IGMP Multicast VLAN : "), IgmpMulticastVlanDefs, MVT_UMV, 1,
        Status(4, "createAndGo"), Status(4, "destroy")),
    Table("IGMPRouterPortTable1", Agent("IGMP Router Port : "), IgmpRouterPortDefs, MVT_UMV, 1,
        {}, {}, {OctetEditor(2), OctetEditor(3), OctetEditor(4)}),
    Scalars("Management1", Agent("DHCP Relay Management : "), DhcpRelayManagementDefs, SVT_SV, 0),
    Table("Control2", Agent("DHCP Relay Control : "), DhcpRelayServerDefs, MVT_FMV, 2,
        Status(2, "valid"), Status(2, "invalid")),
    Scalars("PacketStormTrapControl1", Agent("Packet Storm Trap Control : "), PacketStormTrapControlDefs, SVT_SV, 0),
    Table("PacketStromControlTable1", Agent("Packet Strom Control Table : "), PacketStormControlTableDefs, MVT_UMV, 1),
    Scalars("SafeGuardAdminState1", Agent("Safeguard Admin State : "), SafeguardAdminStateDefs, SVT_SV, 0),
    Scalars("SafeGuardControl1", Agent("Safeguard Control : "), SafeguardControlDefs, SVT_SV, 0),
    Table("TrafficControlTable1", Agent("Traffic Control Table : "), TrafficControlTableDefs, MVT_UMV, 1,
        {}, {}, {Height(450)}),
    TablePage("TrafficManagement", Agent("Traffic Segmentation Table : "), "Traffic Segment Table", TrafficSegmentTableDefs, MVT_FMV, 1,
        {}, {}, {OctetEditor(1)}),
    Scalars("AuthenticationControl1", Agent("AAC Control Table : "), AacAdminStateDefs, SVT_SV, 0),
    Scalars("AACInformationTable1", Agent("AAC Information Table : "), AacInformationDefs, SVT_SV, 0),
    Dialog("AACEnableMethodList1", Agent("Enable Method Control: "), "TEnableMethodForm"),
    Dialog("AACLoginMethodList1", Agent("Login Method Control: "), "TLoginMethodListForm"),
    Scalars("AACLoginMethod1", Agent("AAC Login Method : "), AacLoginMethodDefs, SVT_SV, 0),
    Scalars("AACEnableMethod1", Agent("AAC Enable Method : "), AacEnableMethodDefs, SVT_SV, 0),
    Scalars("AuthenticationParaTable1", Agent("Authentication Parameter Table : "), AacAuthParamDefs, SVT_SV, 0),
    Table("AACServerGroupTable1", Agent("AAC Server Group Table: "), AacServerGroupTableDefs, MVT_FMV, 1,
        Status(17, "createAndGo"), Status(17, "destroy"), {NoEdit()}),
    Dialog("AACServerInformation1", Designed, "TServerInformationForm"),
    Dialog("AACServerControlTable1", Agent("AAC Server Control Table: "), "TfrmACCServerCtrl"),

    // Help
    Command("GoToView1", &GoToViewClick),
    Command("H1", &H1Click),
    Dialog("About1", Designed, "TAboutForm"),
};
// clang-format on

} // namespace

std::span<const ViewCatalogueRow> ViewCatalogue()
{
    return kCatalogue;
}
