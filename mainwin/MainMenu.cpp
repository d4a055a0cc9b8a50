#include "MainMenu.h"

#include "ViewCatalogue.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include <exception>
#include <vector>

namespace {

constexpr MainMenuItemDef kMenu[] = {
    {0, "Device", "Basic Configuration", 0},
    {1,   "SNMPConfig", "SNMP Configuration", MiHidden | MiAction},
    {1,   "Agent1", "SNMP Agent", MiHidden},
    {2,     "Info", "Information", MiAction},
    {2,     "BasicConfig1", nullptr, MiSeparator},
    {2,     "BasicConfig", "System Configure", MiAction},
    {2,     "IPInfo", "IP Control", MiAction},
    {2,     "ConfigFileTable", "Download/Upload", MiAction},
    {2,     "AgentNotifyLevel", "Agent Notify Level", MiAction},
    {1,   "Basic1", "Basic ", 0},
    {2,     "BasicInformation2", "Basic Information", MiAction},
    {2,     "MibCapabilities1", "MIB Capabilities", MiAction},
    {2,     "CPUUtilization2", "CPU Utilization", MiAction},
    {2,     "BasicConfig2", "Basic Config", MiAction},
    {2,     "IPInformation1", "IP Information", MiHidden},
    {2,     "FileTable1", "File Table", MiAction},
    {2,     "IpProtoConfig1", "IP Proto Config", MiAction},
    {2,     "MultiImageInformation1", "Multi Image Information", MiAction},
    {2,     "AgentNotify1", "Agent Notify Management", MiAction},
    {2,     "TrapReceiver1", "Trap Receiver", MiHidden},
    {2,     "Ping1", "Ping", 0},
    {3,       "MaxConcurrentRequests1", "Max Concurrent Requests", MiAction},
    {3,       "ControlTable1", "Control Table", MiAction},
    {3,       "ResultTable1", "Result Table", MiAction},
    {2,     "TraceRoute1", "Trace Route", MiHidden},
    {3,       "MaxConcurrentRequests2", "Max Concurrent Requests", MiAction},
    {3,       "ControlTable2", "Control Table", MiAction},
    {3,       "ResultTable2", "Result Table", MiAction},
    {3,       "RouteHopsTable1", "Route Hops Table", MiAction},
    {1,   "TimeMIB", "Equipment Management", 0},
    {2,     "SystemTime", "System Time", MiHidden},
    {2,     "CPUUtilization1", "CPU Utilization", MiHidden | MiAction},
    {2,     "BasicInformation1", "Basic Information", MiAction},
    {2,     "UnitTable1", "Unit Table", MiAction},
    {2,     "PowerTable1", "Power Table", MiAction},
    {2,     "N7", nullptr, MiHidden | MiSeparator},
    {2,     "SNTP", "SNTP", MiHidden},
    {2,     "SummerTime", "Summer Time", MiHidden},
    {1,   "TimeManagement1", "Time Management", 0},
    {2,     "SystemTime1", "System Time", MiAction},
    {2,     "SNTP1", "SNTP", MiAction},
    {2,     "DaylightSavingTimeSummerTime1", "Daylight Saving Time/Summer Time", MiAction},
    {1,   "ACLManagement1", "ACL Management", 0},
    {2,     "EthernetMaskInformation1", "Ethernet Mask Information", MiHidden | MiAction},
    {2,     "EthernetRuleInformation1", "Ethernet Rule Information", MiHidden | MiAction},
    {2,     "IPMaskInformation1", "IP Mask Information", MiHidden | MiAction},
    {2,     "IPRule1", "IP Rule Information", MiHidden | MiAction},
    {2,     "ACLPacketMask1", "ACL Packet Mask", MiHidden | MiAction},
    {2,     "ACLPacketRuleInformation1", "ACL Packet Rule Information", MiHidden | MiAction},
    {2,     "EthernetTable", "Ethernet Table", MiAction},
    {2,     "ACLIPTable", "IP Table", MiAction},
    {2,     "PacketTable1", "Packet Content Table", MiAction},
    {2,     "IPV6Table1", "IPV6 Table", MiHidden | MiAction},
    {1,   "CPUFilter1", "CPU Filter ", 0},
    {2,     "CPUFilterControl1", "CPU Filter Control ", MiAction},
    {2,     "N11", nullptr, MiSeparator},
    {2,     "EthernetTableCPUFilter1", "Ethernet Table : (CPU Filter)", MiAction},
    {2,     "IPTableCPUFilter1", "IP Table :(CPU Filter)", MiAction},
    {2,     "PacketContentTableCPUFilter1", "Packet Content Table :(CPU Filter) ", MiAction},
    {2,     "IPV6TableCPUFilter1", "IPV6 Table: (CPU Filter)  ", MiHidden | MiAction},
    {1,   "SystemLogManagement1", "System Log Management", 0},
    {2,     "SystemLogControlState1", "Log Control State", MiAction},
    {2,     "SystemLogServerTable1", "System Log Server Table", MiAction},
    {1,   "LagMIB1", "Link Aggregation", 0},
    {2,     "PortList1", "Port List", MiAction},
    {2,     "AggregatorTable1", "Aggregator Table", MiAction},
    {2,     "LinkAggregationControl1", "Aggregation Port Table", MiAction},
    {2,     "AggPortStateTable1", "AggPort State Table", MiHidden | MiAction},
    {2,     "AggPortDebugTable1", "AggPort Debug Table", MiHidden | MiAction},
    {1,   "IFMIB1", "IF-MIB", 0},
    {2,     "GeneralTable1", "General Table", MiAction},
    {2,     "IFXTable1", "IfX Table", MiAction},
    {2,     "IfStackTable1", "IfStack Table", MiHidden | MiAction},
    {2,     "ReceiveAddressTable1", "Receive Address Table", MiHidden | MiAction},
    {1,   "MIBII1", "MIB II", 0},
    {2,     "MIB2Information", "Information", MiAction},
    {2,     "N4", nullptr, MiSeparator},
    {2,     "MIB2IFTable", "IF Table", MiAction},
    {2,     "MIB2IFCounter", "IF Counter", MiAction},
    {2,     "N5", nullptr, MiSeparator},
    {2,     "MIB2IPCounter", "IP Counter", MiAction},
    {2,     "MIB2IPRouting", "IP Routing", MiAction},
    {2,     "MIB2IPAddressTable", "IP Address Table", MiAction},
    {2,     "N6", nullptr, MiSeparator},
    {2,     "MIB2ICMPCounter", "ICMP Counter", MiAction},
    {2,     "MIB2UDPCounter", "UDP Counter", MiAction},
    {2,     "MIB2SNMPCounter", "SNMP Counter", MiAction},
    {1,   "N3", nullptr, MiSeparator},
    {1,   "dot3Statistics1", "dot3 Statistics", MiAction},
    {1,   "N1", nullptr, MiSeparator},
    {1,   "SysLog", "Syslog", MiHidden},
    {1,   "Refresh", "Refresh Panel", MiHidden | MiAction},
    {1,   "SaveConfig", "Save Changes", MiAction},
    {1,   "Reset", "Reboot", MiAction},
    {1,   "Exit", "Exit", MiHidden | MiDisabled | MiAction},
    {0, "SingleIP1", "Single IP Configuration", 0},
    {1,   "Information1", "Single IP Information", MiAction},
    {1,   "Control1", "Single IP Control", MiAction},
    {1,   "MemberSwitch1", "Single IP MS Table", MiAction},
    {1,   "CandidateSwitch1", "Single IP CaS Table", MiAction},
    {1,   "IPManagementGroup1", "Single IP Group Table", MiAction},
    {0, "RSTP", "RSTP", MiHidden | MiAction},
    {0, "Bridge1", "Bridge", 0},
    {1,   "SpanningTreeAlgorithm1", "Spanning Tree Algorithm", MiAction},
    {1,   "N8021d1", "802.1d ", 0},
    {2,     "BridgeInformation", "Information", MiAction},
    {2,     "BridgePortTable", "Port Table", MiHidden | MiAction},
    {1,   "SpaningTree1", "Spanning Tree", 0},
    {2,     "BridgeSTPInformation", "STP Control ", MiAction},
    {2,     "BridgeSTPPortTable", "Port Table", MiHidden | MiAction},
    {2,     "ConfigurationIdentification1", "Configuration Identification", MiAction},
    {2,     "InstanceInformation1", "Instance Information", MiAction},
    {2,     "PortStateInformation1", "Port State Information", MiAction},
    {2,     "PortMSTPInformation1", "Port MSTP Information", MiAction},
    {1,   "TransparentBridge1", "Transparent Bridge", 0},
    {2,     "BridgeForwardingTable", "Forwarding Table", MiAction},
    {2,     "BridgeStaticTable", "Static Table", MiHidden | MiAction},
    {2,     "BridgePortCounters", "Port Counters", MiAction},
    {0, "VLAN1", "VLAN", 0},
    {1,   "N8021P1", "802.1P", MiHidden},
    {2,     "BasicConfigure", "Basic Configure", MiAction},
    {2,     "PriorityInformation", "Priority Information", MiAction},
    {2,     "GMRP", "GMRP", MiAction},
    {2,     "GARP", "GARP", MiAction},
    {2,     "PortCapbility", "Port Capability", MiAction},
    {1,   "N8021Q1", "802.1Q", 0},
    {2,     "N8021QBridge2", "802.1Q Bridge", 0},
    {3,       "BasicConfigure2", "Basic Configure", MiAction},
    {3,       "PortInformation1", "Ports Information", MiAction},
    {3,       "LearningConstraintInformation1", "Learning Constraint Information", MiHidden | MiAction},
    {2,     "ForwardingFiltering1", "Forwarding/Filtering", MiAction},
    {2,     "N8021QVLAN1", "802.1Q VLAN", MiAction},
    {2,     "UnicastMulticastStaticForwardTable1", "Unicast/Multicast Static Forwarding Table", MiAction},
    {0, "RMON1", "RMON", MiAction},
    {1,   "S1", "RMON State", MiAction},
    {1,   "Statistics1", "Statistics", MiAction},
    {1,   "History1", "History", MiAction},
    {1,   "AlarmEvent1", "Alarm/Event", MiAction},
    {0, "Other1", "EtherLike", MiHidden},
    {1,   "dot3Stats", "Stats Table", 0},
    {0, "SNMPV3", "SNMP V3", 0},
    {1,   "SNMPConfigure1", "SNMP Configure", MiAction},
    {1,   "Engine", "SNMP Engine", MiAction},
    {1,   "MPD", "Message Processing and Dispatching", MiAction},
    {1,   "TARGET", "SNMP Target MIB", MiAction},
    {2,     "GeneralInformation1", "General Information", MiAction},
    {2,     "TargetAddressTable1", "Target Address Table", MiAction},
    {2,     "TargetParameters1", "Target Parameters", MiAction},
    {1,   "USM", "User-based Security Model", 0},
    {2,     "USMStats", "Statistics", MiAction},
    {2,     "USMUserTable", "User Table", MiAction},
    {1,   "VACM", "View-based Access Control Model", 0},
    {2,     "VACMSecurityToGroupTable", "Security Group Table", MiAction},
    {2,     "VACMAccessTable", "Access Table", MiAction},
    {2,     "VACMMIBViews1", "View MIB Tree Family Table", MiAction},
    {1,   "Notification1", "Notifications", 0},
    {2,     "NotifyTable", "Notify Table", MiAction},
    {2,     "NotifyFilterProfileTable", "Notify Filter Profile Table", MiAction},
    {2,     "NotifyFilterTable", "Notify Filter Entry Table", MiAction},
    {1,   "CommunityMIB", "Community", 0},
    {2,     "CommunityTable", "Community String Table", MiAction},
    {2,     "TargetAddrExtTable", "Target Address Table", MiAction},
    {0, "Auth", "802.1X", 0},
    {1,   "KorvaneAuth", "Auth Control", MiHidden | MiAction},
    {1,   "AuthenticationConfiguration1", "Authentication Configuration", MiAction},
    {1,   "PaeSystem", "PAE Port Table", MiAction},
    {1,   "PaeAuthenticator", "Authentication Configuration Table", MiAction},
    {1,   "AuthenticationStatsTable1", "Authentication Stats Table", MiAction},
    {1,   "AuthenticationDiagnosticsTable1", "Authentication Diagnostics Table", MiAction},
    {1,   "AuthenticationSessionStatistics1", "Authentication Session Statistics", MiAction},
    {1,   "PaeSupplicant", "Supplicant Config Table", MiHidden | MiAction},
    {1,   "SupplicantStatsTable1", "Supplicant Stats Table", MiHidden | MiAction},
    {1,   "N9", nullptr, MiSeparator},
    {1,   "RadiusClientMIB", "RADIUS Server", 0},
    {2,     "AuthenticationControl2", "Authentication Control", MiAction},
    {2,     "RadiusServerTable1", "RADIUS Server Table", MiAction},
    {2,     "AuthenticationInformation1", "Authentication Information", MiHidden | MiAction},
    {2,     "RadiusAuthenticationServerTable1", "RADIUS Authentication Server Table", MiAction},
    {2,     "RadiusAccountingControl1", "RADIUS Accounting Control", MiAction},
    {2,     "RadiusAccountingServiceTable1", "RADIUS Accounting Service Table", MiAction},
    {2,     "RadiusAccountingInformation1", "RADIUS Accounting Information", MiHidden | MiAction},
    {2,     "RadiusAccountingServerTable1", "RADIUS Accounting Server Table", MiAction},
    {2,     "MACAuthenticationBaseStateInfo1", "MAC Authentication Base State Info", MiHidden | MiAction},
    {2,     "MACAuthenticationStateTable1", "MAC Authentication State Table", MiAction},
    {2,     "MACAuthenticationStatsTable1", "MAC Authentication Stats Table", MiAction},
    {2,     "MACAuthenticationDiagTable1", "MAC Authentication Diag Table", MiAction},
    {2,     "MACAuthenticationSessionStatsTable1", "MAC Authentication Session Stats Table", MiAction},
    {2,     "RadiusAuthClient", "RADIUS Authentication Client", MiAction},
    {2,     "RadiusAuthenticationServerTable2", "Radius Authentication Server Table", MiHidden | MiAction},
    {2,     "RadiusAccClient", "RADIUS Accounting Client", MiAction},
    {2,     "RadiusAccountingServerTable2", "Radius Accounting Server Table", MiHidden | MiAction},
    {1,   "MacAuth1", "Mac Auth", MiHidden | MiAction},
    {0, "SSH1", "SSH", 0},
    {1,   "SSHControl1", "SSH Control", MiAction},
    {1,   "SSHEncryptAlgControl1", "SSH Encrypt Alg Control", MiAction},
    {1,   "SSHAuthMethodControl1", "SSH Auth Method Control", MiAction},
    {1,   "SSHInteAlgControl1", "SSH Inte Alg Control", MiAction},
    {1,   "SSHPublicKeyControl1", "SSH Public Key Control", MiAction},
    {0, "SSL1", "SSL", 0},
    {1,   "SSLControl1", "SSL Control", MiAction},
    {1,   "SSLCertificateFile1", "SSL Certificate File", MiAction},
    {0, "Layer2", "Layer2 Management", 0},
    {1,   "DeviceManagemnet", "Device Management", 0},
    {2,     "DeviceInformation1", "Device Information", MiAction},
    {2,     "StackInformation1", "Stack Information ", MiHidden | MiAction},
    {2,     "PowerInformation1", "Power Information", MiAction},
    {2,     "DeviceControl1", "Device Control", MiAction},
    {2,     "AlarmControl1", "Alarm Control", MiAction},
    {1,   "PortManagement", "Port Management", 0},
    {2,     "PortInformationTable1", "Port Information Table", MiAction},
    {2,     "PortControlTable1", "Port Control Table", MiAction},
    {2,     "PortTrunkMgmt1", "Port Trunk Mgmt", MiAction},
    {2,     "PortTrunkTable1", "Port Trunk Table", MiAction},
    {2,     "PortMirrorTable1", "Port Mirror Table", MiAction},
    {2,     "PortSecurityTable1", "Port Security Table", MiAction},
    {1,   "LimitedMulticast1", "Limited Multicast", MiAction},
    {1,   "QOSManagement1", "QOS Management", MiAction},
    {2,     "BandwidthControlTable1", "Bandwidth Control Table", MiAction},
    {2,     "SchedulingTable1", "Scheduling Table", MiAction},
    {2,     "N8021pUserPriorityTable1", "802.1p User Priority Table", MiAction},
    {2,     "N8021pDefaultPriorityTable1", "802.1p Default Priority Table", MiAction},
    {1,   "MACBindingManagement1", "MAC Binding Management", 0},
    {2,     "MACBindingManagement2", "MAC Binding Management", MiAction},
    {2,     "N13", nullptr, MiSeparator},
    {2,     "MACBindingPort1", "MAC Binding Port", MiAction},
    {2,     "MACBindingInformation1", "MAC Binding Information", MiAction},
    {2,     "MACBindingBlocked1", "MAC Binding Blocked", MiAction},
    {1,   "N8", nullptr, MiSeparator},
    {1,   "TrunkManagement", "Trunk Management", MiHidden | MiAction},
    {1,   "MirrorManagement", "Mirror Management", MiHidden | MiAction},
    {1,   "IGMPManagement1", "IGMP Management", 0},
    {2,     "IGMPControl1", "IGMP Control", MiAction},
    {2,     "N12", nullptr, MiSeparator},
    {2,     "IGMPControlTable1", "IGMP Control Table", MiAction},
    {2,     "IGMPQueryInformation1", "IGMP Query Information", MiAction},
    {2,     "IGMPManagement", "IGMP Information", MiAction},
    {2,     "IGMPMulticastVlan1", "IGMP Multicast VLAN", MiAction},
    {2,     "IGMPRouterPortTable1", "IGMP Router Port Table", MiAction},
    {1,   "DHCPRelay1", "DHCP Relay", 0},
    {2,     "Management1", "Management", MiAction},
    {2,     "Control2", "Control", MiAction},
    {1,   "N10", nullptr, MiSeparator},
    {1,   "PacketStromControlManagemnet1", "Packet Strom Control Management", 0},
    {2,     "PacketStormTrapControl1", "Packet Storm Trap Control", MiAction},
    {2,     "PacketStromControlTable1", "Packet Strom Control Table", MiAction},
    {1,   "SafeGuardManagement1", "Safeguard Management", 0},
    {2,     "SafeGuardAdminState1", "Safeguard Admin State", MiAction},
    {2,     "SafeGuardControl1", "Safeguard Control", MiAction},
    {1,   "N2", nullptr, MiSeparator},
    {1,   "TrafficControlTable1", "Traffic Control Table", MiHidden | MiAction},
    {1,   "TrafficManagement", "Traffic Segmentation Table ", MiAction},
    {1,   "AACManagement1", "Access Control Information", 0},
    {2,     "AuthenticationControl1", "AAC Control", MiAction},
    {2,     "AACInformationTable1", "AAC Info", MiAction},
    {2,     "AACEnableMethodList1", "AAC Enable Method List", MiAction},
    {2,     "AACLoginMethodList1", "AAC Login Method List", MiAction},
    {2,     "AACLoginMethod1", "AAC Login Method", MiAction},
    {2,     "AACEnableMethod1", "AAC Enable Method", MiAction},
    {2,     "AuthenticationParaTable1", "Authentication Para Table", MiAction},
    {2,     "AACServerGroupTable1", "AAC Server Group Table", MiAction},
    {2,     "AACServerInformation1", "AAC Server Information", MiAction},
    {2,     "AACServerControlTable1", "AAC  Server Control Table", MiAction},
    {0, "Monitor1", "Monitor", 0},
    {1,   "PortOverview", "Port Overview", MiAction},
    {1,   "FlapMarks", "Mark Flapping Ports", MiAction},
    {0, "Help1", "Help", 0},
    {1,   "GoToView1", "Go to View…", MiAction},
    {1,   "N14", nullptr, MiSeparator},
    {1,   "H1", "Help", MiAction},
    {1,   "About1", "About", MiAction},
};

void showErrorBox(QWidget* parent, const QString& caption, const QString& text)
{
    KvShowMessage({parent, caption, text, QMessageBox::Ok, QMessageBox::Critical});
}

void runItem(QMainWindow& window, const MenuRunner& run, const MenuErrorPresenter& presentError, const QString& item)
{
    try {
        run(window, item);
    } catch (const std::exception& e) {
        presentError(&window, KvExecutableFileName(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        presentError(&window, KvExecutableFileName(), QStringLiteral("Unknown error."));
    }
}

} // namespace

std::span<const MainMenuItemDef> MainMenuItems()
{
    return kMenu;
}

std::vector<MainMenuPlace> MainMenuPlaces()
{
    std::vector<MainMenuPlace> places;
    const auto items = MainMenuItems();
    // above[l]: the caption and hiding of the submenu that holds level l + 1.
    std::vector<std::pair<QString, bool>> above;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MainMenuItemDef& item = items[i];
        above.resize(static_cast<std::size_t>(item.Level));
        const QString caption = QString::fromUtf8(item.Caption ? item.Caption : "").simplified();
        const bool hidden = item.Hidden() || (!above.empty() && above.back().second);
        QStringList menu;
        for (const auto& [submenu, ignored] : above)
            menu << submenu;
        const QString path = (QStringList(menu) << caption).join(QStringLiteral(" > "));
        const bool hasChildren = i + 1 < items.size() && items[i + 1].Level > item.Level;
        if (item.HasAction())
            places.push_back({QString::fromLatin1(item.Name), caption, menu.join(QStringLiteral(" > ")), path,
                              hasChildren, hidden});
        above.emplace_back(caption, hidden);
    }
    return places;
}

void RunMenuItem(QMainWindow& window, const QString& item)
{
    if (!RunViewEntry(window, item.toStdString()))
        throw LibraryError(KvUnknownErrorCode, "No view catalogue entry for " + item.toStdString());
}

TMainMenu::TMainMenu(QMainWindow& window, MenuRunner run, MenuErrorPresenter presentError)
    : window_(window), run_(run ? std::move(run) : MenuRunner(&RunMenuItem)),
      presentError_(presentError ? std::move(presentError) : MenuErrorPresenter(&showErrorBox))
{
    QMenuBar* bar = window.menuBar();
    // parents[l] is the submenu that receives the items of level l + 1.
    std::vector<QMenu*> parents;
    const auto items = MainMenuItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MainMenuItemDef& item = items[i];
        const QString name = QString::fromLatin1(item.Name);
        const QString caption = QString::fromUtf8(item.Caption ? item.Caption : "");
        const bool hasChildren = i + 1 < items.size() && items[i + 1].Level > item.Level;
        parents.resize(static_cast<std::size_t>(item.Level));
        QMenu* parent = item.Level == 0 ? nullptr : parents.back();

        QAction* action = nullptr;
        QMenu* submenu = nullptr;
        if (hasChildren) {
            submenu = new QMenu(caption, parent ? static_cast<QWidget*>(parent) : bar);
            submenu->setObjectName(name);
            action = parent ? parent->addMenu(submenu) : bar->addMenu(submenu);
            menus_.insert(name, submenu);
            parents.push_back(submenu);
        } else if (item.Separator()) {
            action = parent ? parent->addSeparator() : bar->addSeparator();
        } else {
            action = parent ? parent->addAction(caption) : bar->addAction(caption);
        }
        action->setObjectName(name);
        action->setVisible(!item.Hidden());
        action->setEnabled(!item.Disabled());
        actions_.insert(name, action);

        if (!item.HasAction())
            continue;
        // Copies: the actions keep working without this object.
        auto chosen = [w = &window, run = run_, present = presentError_, name] { runItem(*w, run, present, name); };
        if (submenu)
            QObject::connect(submenu, &QMenu::aboutToShow, &window, chosen);
        else
            QObject::connect(action, &QAction::triggered, &window, chosen);
    }
    // The design has no shortcut keys; finding a view gets those that search
    // boxes commonly have.
    if (QAction* find = Action(QString::fromLatin1(kGoToViewItem)))
        find->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::CTRL | Qt::Key_L)});
}

bool TMainMenu::CanChoose(const QString& name, std::string* why) const
{
    return reachable(name, false, why);
}

bool TMainMenu::CanOpen(const QString& name, std::string* why) const
{
    return reachable(name, true, why);
}

bool TMainMenu::reachable(const QString& name, bool hiddenWithEntry, std::string* why) const
{
    auto refuse = [&](const char* reason) {
        if (why)
            *why = "The menu item " + name.toStdString() + reason;
        return false;
    };
    const auto items = MainMenuItems();
    std::size_t at = items.size();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (name == QLatin1String(items[i].Name))
            at = i;
    if (at == items.size())
        return refuse(" does not exist");
    // An item the design hides still works when the catalogue has its entry
    // (the access-control editors sit behind such items).  One hidden for the
    // module's mode, or disabled, does not.
    const bool hiddenAllowed = hiddenWithEntry && !FindViewEntry(items[at].Name).empty();
    // The item and every submenu above it must be enabled, and visible unless allowed.
    int level = items[at].Level + 1;
    for (std::size_t i = at + 1; i-- > 0;) {
        if (items[i].Level >= level)
            continue;
        level = items[i].Level;
        const QAction* a = Action(QString::fromLatin1(items[i].Name));
        if (!a)
            return refuse(" does not exist");
        if (!a->isVisible() && !(hiddenAllowed && items[i].Hidden()))
            return refuse(" is hidden");
        // A hidden action also reads as disabled: its own state is the design's.
        if (a->isVisible() ? !a->isEnabled() : items[i].Disabled())
            return refuse(" is disabled");
    }
    if (!items[at].HasAction())
        return refuse(" does nothing");
    return true;
}

void TMainMenu::Choose(const QString& name)
{
    std::string why;
    if (!CanOpen(name, &why))
        throw LibraryError(KvUnknownErrorCode, why);
    runItem(window_, run_, presentError_, name);
}

void TMainMenu::ApplySnmpVersion(int version)
{
    for (const char* group : kSnmpV3MenuGroups)
        if (QAction* a = Action(QString::fromLatin1(group)))
            a->setEnabled(version == 3);
}

void TMainMenu::ApplyLocalConfigMode(bool localConfigMode)
{
    if (QAction* a = Action(QStringLiteral("SNMPConfigure1")))
        a->setVisible(localConfigMode);
}
