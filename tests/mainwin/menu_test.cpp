// The main menu as built on a window: structure, captions, design visibility,
// the start-up rules and the dispatch of items to their catalogue entries.
#include "MainMenu.h"
#include "ModuleCommands.h"
#include "ViewCatalogue.h"
#include "KvSNMPErrors.h"
#include "RefusingWindow.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ExpectedItem {
    const char* Parent;   // "" for the menu bar
    const char* Name;
    const char* Caption;  // "-" for a separator
    bool Hidden;
    bool Disabled;
};

// The whole menu in order, as the window's design has it.
const ExpectedItem kExpected[] = {
    {"", "Device", "Basic Configuration", false, false},
    {"Device", "SNMPConfig", "SNMP Configuration", true, false},
    {"Device", "Agent1", "SNMP Agent", true, false},
    {"Agent1", "Info", "Information", false, false},
    {"Agent1", "BasicConfig1", "-", false, false},
    {"Agent1", "BasicConfig", "System Configure", false, false},
    {"Agent1", "IPInfo", "IP Control", false, false},
    {"Agent1", "ConfigFileTable", "Download/Upload", false, false},
    {"Agent1", "AgentNotifyLevel", "Agent Notify Level", false, false},
    {"Device", "Basic1", "Basic ", false, false},
    {"Basic1", "BasicInformation2", "Basic Information", false, false},
    {"Basic1", "MibCapabilities1", "MIB Capabilities", false, false},
    {"Basic1", "CPUUtilization2", "CPU Utilization", false, false},
    {"Basic1", "BasicConfig2", "Basic Config", false, false},
    {"Basic1", "IPInformation1", "IP Information", true, false},
    {"Basic1", "FileTable1", "File Table", false, false},
    {"Basic1", "IpProtoConfig1", "IP Proto Config", false, false},
    {"Basic1", "MultiImageInformation1", "Multi Image Information", false, false},
    {"Basic1", "AgentNotify1", "Agent Notify Management", false, false},
    {"Basic1", "TrapReceiver1", "Trap Receiver", true, false},
    {"Basic1", "Ping1", "Ping", false, false},
    {"Ping1", "MaxConcurrentRequests1", "Max Concurrent Requests", false, false},
    {"Ping1", "ControlTable1", "Control Table", false, false},
    {"Ping1", "ResultTable1", "Result Table", false, false},
    {"Basic1", "TraceRoute1", "Trace Route", true, false},
    {"TraceRoute1", "MaxConcurrentRequests2", "Max Concurrent Requests", false, false},
    {"TraceRoute1", "ControlTable2", "Control Table", false, false},
    {"TraceRoute1", "ResultTable2", "Result Table", false, false},
    {"TraceRoute1", "RouteHopsTable1", "Route Hops Table", false, false},
    {"Device", "TimeMIB", "Equipment Management", false, false},
    {"TimeMIB", "SystemTime", "System Time", true, false},
    {"TimeMIB", "CPUUtilization1", "CPU Utilization", true, false},
    {"TimeMIB", "BasicInformation1", "Basic Information", false, false},
    {"TimeMIB", "UnitTable1", "Unit Table", false, false},
    {"TimeMIB", "PowerTable1", "Power Table", false, false},
    {"TimeMIB", "N7", "-", true, false},
    {"TimeMIB", "SNTP", "SNTP", true, false},
    {"TimeMIB", "SummerTime", "Summer Time", true, false},
    {"Device", "TimeManagement1", "Time Management", false, false},
    {"TimeManagement1", "SystemTime1", "System Time", false, false},
    {"TimeManagement1", "SNTP1", "SNTP", false, false},
    {"TimeManagement1", "DaylightSavingTimeSummerTime1", "Daylight Saving Time/Summer Time", false, false},
    {"Device", "ACLManagement1", "ACL Management", false, false},
    {"ACLManagement1", "EthernetMaskInformation1", "Ethernet Mask Information", true, false},
    {"ACLManagement1", "EthernetRuleInformation1", "Ethernet Rule Information", true, false},
    {"ACLManagement1", "IPMaskInformation1", "IP Mask Information", true, false},
    {"ACLManagement1", "IPRule1", "IP Rule Information", true, false},
    {"ACLManagement1", "ACLPacketMask1", "ACL Packet Mask", true, false},
    {"ACLManagement1", "ACLPacketRuleInformation1", "ACL Packet Rule Information", true, false},
    {"ACLManagement1", "EthernetTable", "Ethernet Table", false, false},
    {"ACLManagement1", "ACLIPTable", "IP Table", false, false},
    {"ACLManagement1", "PacketTable1", "Packet Content Table", false, false},
    {"ACLManagement1", "IPV6Table1", "IPV6 Table", true, false},
    {"Device", "CPUFilter1", "CPU Filter ", false, false},
    {"CPUFilter1", "CPUFilterControl1", "CPU Filter Control ", false, false},
    {"CPUFilter1", "N11", "-", false, false},
    {"CPUFilter1", "EthernetTableCPUFilter1", "Ethernet Table : (CPU Filter)", false, false},
    {"CPUFilter1", "IPTableCPUFilter1", "IP Table :(CPU Filter)", false, false},
    {"CPUFilter1", "PacketContentTableCPUFilter1", "Packet Content Table :(CPU Filter) ", false, false},
    {"CPUFilter1", "IPV6TableCPUFilter1", "IPV6 Table: (CPU Filter)  ", true, false},
    {"Device", "SystemLogManagement1", "System Log Management", false, false},
    {"SystemLogManagement1", "SystemLogControlState1", "Log Control State", false, false},
    {"SystemLogManagement1", "SystemLogServerTable1", "System Log Server Table", false, false},
    {"Device", "LagMIB1", "Link Aggregation", false, false},
    {"LagMIB1", "PortList1", "Port List", false, false},
    {"LagMIB1", "AggregatorTable1", "Aggregator Table", false, false},
    {"LagMIB1", "LinkAggregationControl1", "Aggregation Port Table", false, false},
    {"LagMIB1", "AggPortStateTable1", "AggPort State Table", true, false},
    {"LagMIB1", "AggPortDebugTable1", "AggPort Debug Table", true, false},
    {"Device", "IFMIB1", "IF-MIB", false, false},
    {"IFMIB1", "GeneralTable1", "General Table", false, false},
    {"IFMIB1", "IFXTable1", "IfX Table", false, false},
    {"IFMIB1", "IfStackTable1", "IfStack Table", true, false},
    {"IFMIB1", "ReceiveAddressTable1", "Receive Address Table", true, false},
    {"Device", "MIBII1", "MIB II", false, false},
    {"MIBII1", "MIB2Information", "Information", false, false},
    {"MIBII1", "N4", "-", false, false},
    {"MIBII1", "MIB2IFTable", "IF Table", false, false},
    {"MIBII1", "MIB2IFCounter", "IF Counter", false, false},
    {"MIBII1", "N5", "-", false, false},
    {"MIBII1", "MIB2IPCounter", "IP Counter", false, false},
    {"MIBII1", "MIB2IPRouting", "IP Routing", false, false},
    {"MIBII1", "MIB2IPAddressTable", "IP Address Table", false, false},
    {"MIBII1", "N6", "-", false, false},
    {"MIBII1", "MIB2ICMPCounter", "ICMP Counter", false, false},
    {"MIBII1", "MIB2UDPCounter", "UDP Counter", false, false},
    {"MIBII1", "MIB2SNMPCounter", "SNMP Counter", false, false},
    {"Device", "N3", "-", false, false},
    {"Device", "dot3Statistics1", "dot3 Statistics", false, false},
    {"Device", "N1", "-", false, false},
    {"Device", "SysLog", "Syslog", true, false},
    {"Device", "Refresh", "Refresh Panel", true, false},
    {"Device", "SaveConfig", "Save Changes", false, false},
    {"Device", "Reset", "Reboot", false, false},
    {"Device", "Exit", "Exit", true, true},
    {"", "SingleIP1", "Single IP Configuration", false, false},
    {"SingleIP1", "Information1", "Single IP Information", false, false},
    {"SingleIP1", "Control1", "Single IP Control", false, false},
    {"SingleIP1", "MemberSwitch1", "Single IP MS Table", false, false},
    {"SingleIP1", "CandidateSwitch1", "Single IP CaS Table", false, false},
    {"SingleIP1", "IPManagementGroup1", "Single IP Group Table", false, false},
    {"", "RSTP", "RSTP", true, false},
    {"", "Bridge1", "Bridge", false, false},
    {"Bridge1", "SpanningTreeAlgorithm1", "Spanning Tree Algorithm", false, false},
    {"Bridge1", "N8021d1", "802.1d ", false, false},
    {"N8021d1", "BridgeInformation", "Information", false, false},
    {"N8021d1", "BridgePortTable", "Port Table", true, false},
    {"Bridge1", "SpaningTree1", "Spanning Tree", false, false},
    {"SpaningTree1", "BridgeSTPInformation", "STP Control ", false, false},
    {"SpaningTree1", "BridgeSTPPortTable", "Port Table", true, false},
    {"SpaningTree1", "ConfigurationIdentification1", "Configuration Identification", false, false},
    {"SpaningTree1", "InstanceInformation1", "Instance Information", false, false},
    {"SpaningTree1", "PortStateInformation1", "Port State Information", false, false},
    {"SpaningTree1", "PortMSTPInformation1", "Port MSTP Information", false, false},
    {"Bridge1", "TransparentBridge1", "Transparent Bridge", false, false},
    {"TransparentBridge1", "BridgeForwardingTable", "Forwarding Table", false, false},
    {"TransparentBridge1", "BridgeStaticTable", "Static Table", true, false},
    {"TransparentBridge1", "BridgePortCounters", "Port Counters", false, false},
    {"", "VLAN1", "VLAN", false, false},
    {"VLAN1", "N8021P1", "802.1P", true, false},
    {"N8021P1", "BasicConfigure", "Basic Configure", false, false},
    {"N8021P1", "PriorityInformation", "Priority Information", false, false},
    {"N8021P1", "GMRP", "GMRP", false, false},
    {"N8021P1", "GARP", "GARP", false, false},
    {"N8021P1", "PortCapbility", "Port Capability", false, false},
    {"VLAN1", "N8021Q1", "802.1Q", false, false},
    {"N8021Q1", "N8021QBridge2", "802.1Q Bridge", false, false},
    {"N8021QBridge2", "BasicConfigure2", "Basic Configure", false, false},
    {"N8021QBridge2", "PortInformation1", "Ports Information", false, false},
    {"N8021QBridge2", "LearningConstraintInformation1", "Learning Constraint Information", true, false},
    {"N8021Q1", "ForwardingFiltering1", "Forwarding/Filtering", false, false},
    {"N8021Q1", "N8021QVLAN1", "802.1Q VLAN", false, false},
    {"N8021Q1", "UnicastMulticastStaticForwardTable1", "Unicast/Multicast Static Forwarding Table", false, false},
    {"", "RMON1", "RMON", false, false},
    {"RMON1", "S1", "RMON State", false, false},
    {"RMON1", "Statistics1", "Statistics", false, false},
    {"RMON1", "History1", "History", false, false},
    {"RMON1", "AlarmEvent1", "Alarm/Event", false, false},
    {"", "Other1", "EtherLike", true, false},
    {"Other1", "dot3Stats", "Stats Table", false, false},
    {"", "SNMPV3", "SNMP V3", false, false},
    {"SNMPV3", "SNMPConfigure1", "SNMP Configure", false, false},
    {"SNMPV3", "Engine", "SNMP Engine", false, false},
    {"SNMPV3", "MPD", "Message Processing and Dispatching", false, false},
    {"SNMPV3", "TARGET", "SNMP Target MIB", false, false},
    {"TARGET", "GeneralInformation1", "General Information", false, false},
    {"TARGET", "TargetAddressTable1", "Target Address Table", false, false},
    {"TARGET", "TargetParameters1", "Target Parameters", false, false},
    {"SNMPV3", "USM", "User-based Security Model", false, false},
    {"USM", "USMStats", "Statistics", false, false},
    {"USM", "USMUserTable", "User Table", false, false},
    {"SNMPV3", "VACM", "View-based Access Control Model", false, false},
    {"VACM", "VACMSecurityToGroupTable", "Security Group Table", false, false},
    {"VACM", "VACMAccessTable", "Access Table", false, false},
    {"VACM", "VACMMIBViews1", "View MIB Tree Family Table", false, false},
    {"SNMPV3", "Notification1", "Notifications", false, false},
    {"Notification1", "NotifyTable", "Notify Table", false, false},
    {"Notification1", "NotifyFilterProfileTable", "Notify Filter Profile Table", false, false},
    {"Notification1", "NotifyFilterTable", "Notify Filter Entry Table", false, false},
    {"SNMPV3", "CommunityMIB", "Community", false, false},
    {"CommunityMIB", "CommunityTable", "Community String Table", false, false},
    {"CommunityMIB", "TargetAddrExtTable", "Target Address Table", false, false},
    {"", "Auth", "802.1X", false, false},
    {"Auth", "KorvaneAuth", "Auth Control", true, false},
    {"Auth", "AuthenticationConfiguration1", "Authentication Configuration", false, false},
    {"Auth", "PaeSystem", "PAE Port Table", false, false},
    {"Auth", "PaeAuthenticator", "Authentication Configuration Table", false, false},
    {"Auth", "AuthenticationStatsTable1", "Authentication Stats Table", false, false},
    {"Auth", "AuthenticationDiagnosticsTable1", "Authentication Diagnostics Table", false, false},
    {"Auth", "AuthenticationSessionStatistics1", "Authentication Session Statistics", false, false},
    {"Auth", "PaeSupplicant", "Supplicant Config Table", true, false},
    {"Auth", "SupplicantStatsTable1", "Supplicant Stats Table", true, false},
    {"Auth", "N9", "-", false, false},
    {"Auth", "RadiusClientMIB", "RADIUS Server", false, false},
    {"RadiusClientMIB", "AuthenticationControl2", "Authentication Control", false, false},
    {"RadiusClientMIB", "RadiusServerTable1", "RADIUS Server Table", false, false},
    {"RadiusClientMIB", "AuthenticationInformation1", "Authentication Information", true, false},
    {"RadiusClientMIB", "RadiusAuthenticationServerTable1", "RADIUS Authentication Server Table", false, false},
    {"RadiusClientMIB", "RadiusAccountingControl1", "RADIUS Accounting Control", false, false},
    {"RadiusClientMIB", "RadiusAccountingServiceTable1", "RADIUS Accounting Service Table", false, false},
    {"RadiusClientMIB", "RadiusAccountingInformation1", "RADIUS Accounting Information", true, false},
    {"RadiusClientMIB", "RadiusAccountingServerTable1", "RADIUS Accounting Server Table", false, false},
    {"RadiusClientMIB", "MACAuthenticationBaseStateInfo1", "MAC Authentication Base State Info", true, false},
    {"RadiusClientMIB", "MACAuthenticationStateTable1", "MAC Authentication State Table", false, false},
    {"RadiusClientMIB", "MACAuthenticationStatsTable1", "MAC Authentication Stats Table", false, false},
    {"RadiusClientMIB", "MACAuthenticationDiagTable1", "MAC Authentication Diag Table", false, false},
    {"RadiusClientMIB", "MACAuthenticationSessionStatsTable1", "MAC Authentication Session Stats Table", false, false},
    {"RadiusClientMIB", "RadiusAuthClient", "RADIUS Authentication Client", false, false},
    {"RadiusClientMIB", "RadiusAuthenticationServerTable2", "Radius Authentication Server Table", true, false},
    {"RadiusClientMIB", "RadiusAccClient", "RADIUS Accounting Client", false, false},
    {"RadiusClientMIB", "RadiusAccountingServerTable2", "Radius Accounting Server Table", true, false},
    {"Auth", "MacAuth1", "Mac Auth", true, false},
    {"", "SSH1", "SSH", false, false},
    {"SSH1", "SSHControl1", "SSH Control", false, false},
    {"SSH1", "SSHEncryptAlgControl1", "SSH Encrypt Alg Control", false, false},
    {"SSH1", "SSHAuthMethodControl1", "SSH Auth Method Control", false, false},
    {"SSH1", "SSHInteAlgControl1", "SSH Inte Alg Control", false, false},
    {"SSH1", "SSHPublicKeyControl1", "SSH Public Key Control", false, false},
    {"", "SSL1", "SSL", false, false},
    {"SSL1", "SSLControl1", "SSL Control", false, false},
    {"SSL1", "SSLCertificateFile1", "SSL Certificate File", false, false},
    {"", "Layer2", "Layer2 Management", false, false},
    {"Layer2", "DeviceManagemnet", "Device Management", false, false},
    {"DeviceManagemnet", "DeviceInformation1", "Device Information", false, false},
    {"DeviceManagemnet", "StackInformation1", "Stack Information ", true, false},
    {"DeviceManagemnet", "PowerInformation1", "Power Information", false, false},
    {"DeviceManagemnet", "DeviceControl1", "Device Control", false, false},
    {"DeviceManagemnet", "AlarmControl1", "Alarm Control", false, false},
    {"Layer2", "PortManagement", "Port Management", false, false},
    {"PortManagement", "PortInformationTable1", "Port Information Table", false, false},
    {"PortManagement", "PortControlTable1", "Port Control Table", false, false},
    {"PortManagement", "PortTrunkMgmt1", "Port Trunk Mgmt", false, false},
    {"PortManagement", "PortTrunkTable1", "Port Trunk Table", false, false},
    {"PortManagement", "PortMirrorTable1", "Port Mirror Table", false, false},
    {"PortManagement", "PortSecurityTable1", "Port Security Table", false, false},
    {"Layer2", "LimitedMulticast1", "Limited Multicast", false, false},
    {"Layer2", "QOSManagement1", "QOS Management", false, false},
    {"QOSManagement1", "BandwidthControlTable1", "Bandwidth Control Table", false, false},
    {"QOSManagement1", "SchedulingTable1", "Scheduling Table", false, false},
    {"QOSManagement1", "N8021pUserPriorityTable1", "802.1p User Priority Table", false, false},
    {"QOSManagement1", "N8021pDefaultPriorityTable1", "802.1p Default Priority Table", false, false},
    {"Layer2", "MACBindingManagement1", "MAC Binding Management", false, false},
    {"MACBindingManagement1", "MACBindingManagement2", "MAC Binding Management", false, false},
    {"MACBindingManagement1", "N13", "-", false, false},
    {"MACBindingManagement1", "MACBindingPort1", "MAC Binding Port", false, false},
    {"MACBindingManagement1", "MACBindingInformation1", "MAC Binding Information", false, false},
    {"MACBindingManagement1", "MACBindingBlocked1", "MAC Binding Blocked", false, false},
    {"Layer2", "N8", "-", false, false},
    {"Layer2", "TrunkManagement", "Trunk Management", true, false},
    {"Layer2", "MirrorManagement", "Mirror Management", true, false},
    {"Layer2", "IGMPManagement1", "IGMP Management", false, false},
    {"IGMPManagement1", "IGMPControl1", "IGMP Control", false, false},
    {"IGMPManagement1", "N12", "-", false, false},
    {"IGMPManagement1", "IGMPControlTable1", "IGMP Control Table", false, false},
    {"IGMPManagement1", "IGMPQueryInformation1", "IGMP Query Information", false, false},
    {"IGMPManagement1", "IGMPManagement", "IGMP Information", false, false},
    {"IGMPManagement1", "IGMPMulticastVlan1", "IGMP Multicast VLAN", false, false},
    {"IGMPManagement1", "IGMPRouterPortTable1", "IGMP Router Port Table", false, false},
    {"Layer2", "DHCPRelay1", "DHCP Relay", false, false},
    {"DHCPRelay1", "Management1", "Management", false, false},
    {"DHCPRelay1", "Control2", "Control", false, false},
    {"Layer2", "N10", "-", false, false},
    {"Layer2", "PacketStromControlManagemnet1", "Packet Strom Control Management", false, false},
    {"PacketStromControlManagemnet1", "PacketStormTrapControl1", "Packet Storm Trap Control", false, false},
    {"PacketStromControlManagemnet1", "PacketStromControlTable1", "Packet Strom Control Table", false, false},
    {"Layer2", "SafeGuardManagement1", "Safeguard Management", false, false},
    {"SafeGuardManagement1", "SafeGuardAdminState1", "Safeguard Admin State", false, false},
    {"SafeGuardManagement1", "SafeGuardControl1", "Safeguard Control", false, false},
    {"Layer2", "N2", "-", false, false},
    {"Layer2", "TrafficControlTable1", "Traffic Control Table", true, false},
    {"Layer2", "TrafficManagement", "Traffic Segmentation Table ", false, false},
    {"Layer2", "AACManagement1", "Access Control Information", false, false},
    {"AACManagement1", "AuthenticationControl1", "AAC Control", false, false},
    {"AACManagement1", "AACInformationTable1", "AAC Info", false, false},
    {"AACManagement1", "AACEnableMethodList1", "AAC Enable Method List", false, false},
    {"AACManagement1", "AACLoginMethodList1", "AAC Login Method List", false, false},
    {"AACManagement1", "AACLoginMethod1", "AAC Login Method", false, false},
    {"AACManagement1", "AACEnableMethod1", "AAC Enable Method", false, false},
    {"AACManagement1", "AuthenticationParaTable1", "Authentication Para Table", false, false},
    {"AACManagement1", "AACServerGroupTable1", "AAC Server Group Table", false, false},
    {"AACManagement1", "AACServerInformation1", "AAC Server Information", false, false},
    {"AACManagement1", "AACServerControlTable1", "AAC  Server Control Table", false, false},
    {"", "Monitor1", "Monitor", false, false},
    {"Monitor1", "PortOverview", "Port Overview", false, false},
    {"Monitor1", "FlapMarks", "Mark Flapping Ports", false, false},
    {"", "Help1", "Help", false, false},
    {"Help1", "GoToView1", "Go to View…", false, false},
    {"Help1", "N14", "-", false, false},
    {"Help1", "H1", "Help", false, false},
    {"Help1", "About1", "About", false, false},
};

struct BuiltItem {
    std::string Parent, Name, Caption;
    bool Hidden, Disabled;
    QAction* Action;
};

void collect(const QList<QAction*>& actions, const std::string& parent, std::vector<BuiltItem>& out)
{
    for (QAction* a : actions) {
        // A hidden action always reports itself disabled; its own enabled
        // state shows once it is made visible.
        const bool hidden = !a->isVisible();
        a->setVisible(true);
        const bool disabled = !a->isEnabled();
        a->setVisible(!hidden);
        out.push_back({parent, a->objectName().toStdString(),
                       a->isSeparator() ? std::string("-") : a->text().toStdString(), hidden, disabled, a});
        if (a->menu())
            collect(a->menu()->actions(), a->objectName().toStdString(), out);
    }
}

TEST(MainMenu, BuildsTheDesignedTreeWithCaptionsAndVisibility)
{
    QMainWindow window;
    TMainMenu menu(window);
    std::vector<BuiltItem> built;
    collect(window.menuBar()->actions(), "", built);

    ASSERT_EQ(built.size(), std::size(kExpected));
    EXPECT_EQ(menu.Count(), static_cast<int>(std::size(kExpected)));
    for (std::size_t i = 0; i < built.size(); ++i) {
        const ExpectedItem& e = kExpected[i];
        const BuiltItem& b = built[i];
        SCOPED_TRACE(std::string("item ") + e.Name);
        EXPECT_EQ(b.Parent, e.Parent);
        EXPECT_EQ(b.Name, e.Name);
        EXPECT_EQ(b.Caption, e.Caption);  // trailing blanks included
        EXPECT_EQ(b.Hidden, e.Hidden);
        EXPECT_EQ(b.Disabled, e.Disabled);
        EXPECT_EQ(menu.Action(QString::fromLatin1(e.Name)), b.Action);
    }
    EXPECT_EQ(menu.Action(QStringLiteral("NoSuchItem")), nullptr);
    ASSERT_NE(menu.Submenu(QStringLiteral("RMON1")), nullptr);
    EXPECT_EQ(menu.Submenu(QStringLiteral("RMON1"))->menuAction(), menu.Action(QStringLiteral("RMON1")));
    EXPECT_EQ(menu.Submenu(QStringLiteral("IFXTable1")), nullptr);
}

const char* const kV3Groups[] = {"Engine", "MPD", "TARGET", "USM", "VACM", "Notification1", "CommunityMIB"};

class SnmpVersionRule : public ::testing::TestWithParam<int> {};

TEST_P(SnmpVersionRule, EnablesTheV3GroupsOnlyForVersion3)
{
    QMainWindow window;
    TMainMenu menu(window);
    // Start from the opposite state so that a rule that only ever enables or
    // only ever disables is caught.
    menu.ApplySnmpVersion(GetParam() == 3 ? 0 : 3);
    menu.ApplySnmpVersion(GetParam());
    for (const char* g : kV3Groups)
        EXPECT_EQ(menu.Action(QString::fromLatin1(g))->isEnabled(), GetParam() == 3) << g;
    // The rest of the SNMP V3 menu is not part of the rule.
    EXPECT_TRUE(menu.Action(QStringLiteral("SNMPV3"))->isEnabled());
    EXPECT_TRUE(menu.Action(QStringLiteral("SNMPConfigure1"))->isEnabled());
    EXPECT_TRUE(menu.Action(QStringLiteral("USMUserTable"))->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpVersionRule, ::testing::Values(0, 1, 3));

TEST(MainMenu, SnmpConfigureIsVisibleExactlyInLocalConfigMode)
{
    QMainWindow window;
    TMainMenu menu(window);
    QAction* item = menu.Action(QStringLiteral("SNMPConfigure1"));
    menu.ApplyLocalConfigMode(true);
    EXPECT_TRUE(item->isVisible());
    menu.ApplyLocalConfigMode(false);
    EXPECT_FALSE(item->isVisible());
}

TEST(MainMenu, EveryItemTheUserCanChooseHasACatalogueEntry)
{
    const auto items = MainMenuItems();
    std::set<std::string> withAction;
    // hiddenAbove[l]: some item on the path down to level l is hidden.
    std::vector<bool> hiddenAbove;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MainMenuItemDef& item = items[i];
        SCOPED_TRACE(item.Name);
        hiddenAbove.resize(static_cast<std::size_t>(item.Level) + 1);
        const bool hidden = item.Hidden() || (item.Level > 0 && hiddenAbove[static_cast<std::size_t>(item.Level) - 1]);
        hiddenAbove.back() = hidden;
        const bool leaf = i + 1 == items.size() || items[i + 1].Level <= item.Level;
        // An item the user can see, without children, that does nothing would be a dead entry.
        if (leaf && !item.Separator() && !hidden) {
            EXPECT_TRUE(item.HasAction()) << "visible item without an action";
        }
        if (item.HasAction()) {
            withAction.insert(item.Name);
            EXPECT_FALSE(FindViewEntry(item.Name).empty()) << "no catalogue entry";
        }
    }
    // And the catalogue names nothing the menu does not run.
    for (const ViewCatalogueRow& row : ViewCatalogue())
        EXPECT_EQ(withAction.count(row.Item), 1u) << row.Item;
    // Submenus that do work when opened, and items that have none.
    for (const char* n : {"RMON1", "TARGET", "QOSManagement1", "MacAuth1", "Reset"})
        EXPECT_EQ(withAction.count(n), 1u) << n;
    for (const char* n : {"SysLog", "dot3Stats", "SystemTime", "N1", "Device"})
        EXPECT_EQ(withAction.count(n), 0u) << n;
}

TEST(MainMenu, CommandsOfTheWindowAreWired)
{
    auto commandOf = [](std::string_view item) { return FindViewEntry(item).front().Command; };
    EXPECT_EQ(commandOf("H1"), &H1Click);
    EXPECT_EQ(commandOf("Exit"), &ExitClick);
    EXPECT_EQ(commandOf("Reset"), &RebootClick);
    EXPECT_EQ(commandOf("SaveConfig"), &SaveConfigClick);
    EXPECT_EQ(commandOf("RMON1"), &RMON1Click);
}

struct DispatchCase {
    const char* Item;
    std::vector<std::string> Ran;
};

class MenuDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(MenuDispatch, RunsTheItemsOwnEntry)
{
    QMainWindow window;
    std::vector<std::string> ran;
    TMainMenu menu(window, [&](QMainWindow& w, const QString& item) {
        EXPECT_EQ(&w, &window);
        ran.push_back(item.toStdString());
    });
    const QString name = QString::fromLatin1(GetParam().Item);
    if (QMenu* sub = menu.Submenu(name)) {
        sub->popup(QPoint(0, 0));  // opening the submenu is its "click"
        sub->hide();
    } else {
        menu.Action(name)->trigger();
    }
    EXPECT_EQ(ran, GetParam().Ran);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuDispatch,
    ::testing::Values(DispatchCase{"Reset", {"Reset"}}, DispatchCase{"IFXTable1", {"IFXTable1"}},
                      DispatchCase{"RMON1", {"RMON1"}},
                      DispatchCase{"RSTP", {"RSTP"}},   // a menu-bar entry without a submenu
                      DispatchCase{"SysLog", {}},       // no action
                      DispatchCase{"Bridge1", {}}));    // plain submenu

TEST(MenuDispatch, AnErrorEscapingAnEntryIsShownNotPropagated)
{
    QMainWindow window;
    std::vector<QString> shown;
    TMainMenu menu(
        window, [](QMainWindow&, const QString&) { throw KvSNMPException(-1416, "Request timed out."); },
        [&](QWidget* parent, const QString&, const QString& text) {
            EXPECT_EQ(parent, &window);
            shown.push_back(text);
        });
    menu.Action(QStringLiteral("Reset"))->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], QStringLiteral("Request timed out."));
}

struct ChooseCase {
    const char* Item;
    bool Runs;      // by Choose (--open)
    bool UserCan;   // from the menu
};

class MenuChoose : public ::testing::TestWithParam<ChooseCase> {};

// Choosing from outside (--open) reaches what the user could click and the
// hidden items that have a catalogue entry, and nothing else.
TEST_P(MenuChoose, RunsWhatTheUserCouldChooseAndHiddenCatalogueItems)
{
    QMainWindow window;
    std::vector<std::string> ran;
    TMainMenu menu(window, [&](QMainWindow&, const QString& item) { ran.push_back(item.toStdString()); });
    menu.ApplySnmpVersion(1);
    menu.ApplyLocalConfigMode(false);
    const QString name = QString::fromLatin1(GetParam().Item);
    EXPECT_EQ(menu.CanChoose(name), GetParam().UserCan);
    if (GetParam().Runs) {
        menu.Choose(name);
        EXPECT_EQ(ran, std::vector<std::string>{GetParam().Item});
    } else {
        EXPECT_THROW(menu.Choose(name), KvSNMPException);
        EXPECT_TRUE(ran.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuChoose,
    ::testing::Values(ChooseCase{"IFXTable1", true, true}, ChooseCase{"RMON1", true, true},
                      ChooseCase{"MirrorManagement", true, false},           // hidden, with its view
                      ChooseCase{"EthernetMaskInformation1", true, false},   // hidden, with its editor
                      ChooseCase{"Info", true, false},                       // under a hidden submenu
                      ChooseCase{"TrapReceiver1", false, false},             // hidden, without an action
                      ChooseCase{"SNMPConfigure1", false, false},            // hidden outside local configuration mode
                      ChooseCase{"Exit", false, false},                      // hidden and disabled
                      ChooseCase{"USMUserTable", false, false},              // SNMPv3 group disabled under v2c
                      ChooseCase{"Bridge1", false, false},                   // a submenu without an action
                      ChooseCase{"NoSuchItem", false, false}));

// The refusal says why, so that a mistyped --open is told apart from an item
// that cannot run now.
TEST(MenuOpen, RefusalNamesTheItemAndTheReason)
{
    QMainWindow window;
    TMainMenu menu(window, [](QMainWindow&, const QString&) {});
    menu.ApplySnmpVersion(1);
    const std::pair<const char*, const char*> cases[] = {
        {"NoSuchItem", "The menu item NoSuchItem does not exist"},
        {"USMUserTable", "The menu item USMUserTable is disabled"},
        {"TrapReceiver1", "The menu item TrapReceiver1 is hidden"},
        {"Bridge1", "The menu item Bridge1 does nothing"},
    };
    for (const auto& [item, why] : cases) {
        std::string reason;
        EXPECT_FALSE(menu.CanOpen(QString::fromLatin1(item), &reason));
        EXPECT_EQ(reason, why);
    }
}

TEST(ModuleCommands, ExitAsksTheWindowToCloseAndRespectsItsAnswer)
{
    RefusingWindow window;
    window.show();
    ExitClick(window);
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
