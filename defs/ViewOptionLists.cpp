// The option lists of the view definitions.  Lists with the same rows are one
// object, shared by every definition that names it.
#include "defs/ViewDefinitions.h"

namespace {

constexpr KvOptionDef ProtocolCapabilityRows[] = {
    {2, "snmp-ip"},
    {3, "snmp-ipx"},
    {4, "snmp-ip-ipx"},
    {0, nullptr},
};
constexpr KvOptionDef InUseRows[] = {
    {2, "in-use"},
    {3, "not-in-use"},
    {0, nullptr},
};
constexpr KvOptionDef FileTransferStatusRows[] = {
    {1, "other"},
    {2, "in-process"},
    {3, "invalid-file"},
    {4, "violation"},
    {5, "file-not-found"},
    {6, "disk-full"},
    {7, "complete"},
    {8, "time-out"},
    {9, "not-format"},
    {10, "memory-full"},
    {0, nullptr},
};
constexpr KvOptionDef MibCapabilityTypeRows[] = {
    {2, "standard"},
    {3, "proprietary"},
    {4, "experiment"},
    {0, nullptr},
};
constexpr KvOptionDef GetIpFromRows[] = {
    {2, "disabled"},
    {3, "bootp"},
    {4, "dhcp"},
    {0, nullptr},
};
constexpr KvOptionDef EnabledDisabledRows[] = {
    {1, "enabled"},
    {2, "disabled"},
    {0, nullptr},
};
constexpr KvOptionDef FileTransferTypeRows[] = {
    {2, "network-load"},
    {3, "out-of-band-load"},
    {0, nullptr},
};
constexpr KvOptionDef FileLoadTypeRows[] = {
    {2, "upload"},
    {3, "download"},
    {0, nullptr},
};
constexpr KvOptionDef FileCtrlRows[] = {
    {2, "inactive"},
    {3, "start"},
    {4, "delete"},
    {5, "config-as-bootup-fw"},
    {0, nullptr},
};
constexpr KvOptionDef TruthValueRows[] = {
    {1, "true"},
    {2, "false"},
    {0, nullptr},
};
constexpr KvOptionDef SystemResetRows[] = {
    {3, "warm-start"},
    {4, "no-reset"},
    {0, nullptr},
};
constexpr KvOptionDef Rs232PortRows[] = {
    {2, "console"},
    {0, nullptr},
};
constexpr KvOptionDef SeverityRows[] = {
    {0, "critical"},
    {1, "warning"},
    {2, "information"},
    {0, nullptr},
};
constexpr KvOptionDef RowStatusRows[] = {
    {1, "active"},
    {4, "createAndGo"},
    {6, "destroy"},
    {0, nullptr},
};
constexpr KvOptionDef InetAddressTypeRows[] = {
    {1, "ipv4"},
    {2, "ipv6"},
    {16, "dns"},
    {0, nullptr},
};
constexpr KvOptionDef StorageTypeRows[] = {
    {2, "volatile"},
    {3, "nonVolatile"},
    {4, "permanent"},
    {5, "readOnly"},
    {0, nullptr},
};
constexpr KvOptionDef HopAddressTypeRows[] = {
    {0, "unknown"},
    {1, "ipv4"},
    {2, "ipv6"},
    {16, "dns"},
    {0, nullptr},
};
constexpr KvOptionDef StackModeRows[] = {
    {2, "auto"},
    {3, "stand-alone"},
    {4, "master"},
    {5, "slave"},
    {0, nullptr},
};
constexpr KvOptionDef PowerStatusRows[] = {
    {1, "lowVoltage"},
    {2, "overCurrent"},
    {3, "working"},
    {4, "fail"},
    {5, "connect"},
    {6, "disconnect"},
    {0, nullptr},
};
constexpr KvOptionDef DisabledEnabledRows[] = {
    {2, "disabled"},
    {3, "enabled"},
    {0, nullptr},
};
constexpr KvOptionDef SntpTimeSourceRows[] = {
    {0, "system"},
    {1, "server1"},
    {2, "server2"},
    {0, nullptr},
};
constexpr KvOptionDef AclOwnerRows[] = {
    {0, "any"},
    {1, "acl"},
    {2, "ipbind"},
    {4, "other"},
    {0, nullptr},
};
constexpr KvOptionDef MacAddressMaskStateRows[] = {
    {1, "other"},
    {2, "dst-mac-addr"},
    {3, "src-mac-addr"},
    {4, "dst-src-mac-addr"},
    {0, nullptr},
};
constexpr KvOptionDef RulePermitRows[] = {
    {1, "deny"},
    {2, "permit"},
    {0, nullptr},
};
constexpr KvOptionDef IpAddressMaskStateRows[] = {
    {1, "other"},
    {2, "dst-ip-addr"},
    {3, "src-ip-addr"},
    {4, "dst-src-ip-addr"},
    {0, nullptr},
};
constexpr KvOptionDef IpProtocolRows[] = {
    {1, "none"},
    {2, "icmp"},
    {3, "igmp"},
    {4, "tcp"},
    {5, "udp"},
    {6, "protocolId"},
    {0, nullptr},
};
constexpr KvOptionDef IcmpOptionRows[] = {
    {1, "none"},
    {2, "type"},
    {3, "code"},
    {4, "type-code"},
    {0, nullptr},
};
constexpr KvOptionDef EnableDisableRows[] = {
    {1, "enable"},
    {2, "disable"},
    {0, nullptr},
};
constexpr KvOptionDef L4AddressMaskRows[] = {
    {1, "other"},
    {2, "dst-addr"},
    {3, "src-addr"},
    {4, "dst-src-addr"},
    {0, nullptr},
};
constexpr KvOptionDef Ipv6AddressMaskStateRows[] = {
    {1, "other"},
    {2, "dst-ipv6-addr"},
    {3, "src-ipv6-addr"},
    {4, "dst-src-ipv6-addr"},
    {0, nullptr},
};
constexpr KvOptionDef SyslogFacilityRows[] = {
    {0, "local0"},
    {1, "local1"},
    {2, "local2"},
    {3, "local3"},
    {4, "local4"},
    {5, "local5"},
    {6, "local6"},
    {7, "local7"},
    {0, nullptr},
};
constexpr KvOptionDef SyslogSeverityRows[] = {
    {1, "all"},
    {2, "warning"},
    {3, "informational"},
    {0, nullptr},
};
constexpr KvOptionDef OtherDisabledEnabledRows[] = {
    {1, "other"},
    {2, "disabled"},
    {3, "enabled"},
    {0, nullptr},
};
constexpr KvOptionDef LacpRxStateRows[] = {
    {1, "currentx"},
    {2, "expired"},
    {3, "defaulted"},
    {4, "initialize"},
    {5, "lacpDisabled"},
    {6, "portDisabled"},
    {0, nullptr},
};
constexpr KvOptionDef LacpMuxStateRows[] = {
    {1, "detached"},
    {2, "waiting"},
    {3, "attached"},
    {4, "collecting"},
    {5, "distributing"},
    {6, "collecting-distributing"},
    {0, nullptr},
};
constexpr KvOptionDef LacpChurnStateRows[] = {
    {1, "noChurn"},
    {2, "churn"},
    {3, "churnMonitor"},
    {0, nullptr},
};
constexpr KvOptionDef SingleIpRoleRows[] = {
    {1, "cs"},
    {2, "cas"},
    {3, "ms"},
    {0, nullptr},
};
constexpr KvOptionDef RstpVersionRows[] = {
    {0, "STP Compatibility"},
    {2, "RSTP"},
    {0, nullptr},
};
constexpr KvOptionDef StpPortStateRows[] = {
    {1, "disabled"},
    {2, "blocking"},
    {3, "listening"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {0, nullptr},
};
constexpr KvOptionDef AcceptableFrameTypesRows[] = {
    {1, "admitAll"},
    {2, "admitOnlyVlanTagged"},
    {0, nullptr},
};
constexpr KvOptionDef StpProtocolRows[] = {
    {1, "unknown"},
    {2, "decLb100"},
    {3, "ieee8021d"},
    {0, nullptr},
};
constexpr KvOptionDef MstpInstanceTypeRows[] = {
    {0, "cist"},
    {1, "msti"},
    {0, nullptr},
};
constexpr KvOptionDef MstpPointToPointRows[] = {
    {0, "true"},
    {1, "false"},
    {2, "auto"},
    {0, nullptr},
};
constexpr KvOptionDef MstpPortStatusRows[] = {
    {2, "disabled"},
    {3, "discarding"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {7, "no-stp-enabled"},
    {0, nullptr},
};
constexpr KvOptionDef MstpPortRoleRows[] = {
    {0, "disable"},
    {1, "alternate"},
    {2, "backup"},
    {3, "root"},
    {4, "desinated"},
    {5, "nonstp"},
    {0, nullptr},
};
constexpr KvOptionDef FdbStatusRows[] = {
    {2, "invalid"},
    {3, "learned"},
    {4, "self"},
    {5, "mgmt"},
    {0, nullptr},
};
constexpr KvOptionDef VlanStatusRows[] = {
    {2, "permanent"},
    {3, "dynamicGvrp"},
    {0, nullptr},
};
constexpr KvOptionDef SecurityLevelRows[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {0, nullptr},
};
constexpr KvOptionDef UsmAuthProtocolRows[] = {
    {0, "None", "1.3.6.1.6.3.10.1.1.1"},
    {0, "MD5", "1.3.6.1.6.3.10.1.1.2"},
    {0, "SHA", "1.3.6.1.6.3.10.1.1.3"},
    {0, nullptr},
};
constexpr KvOptionDef UsmPrivProtocolRows[] = {
    {0, "None", "1.3.6.1.6.3.10.1.2.1"},
    {0, "DES", "1.3.6.1.6.3.10.1.2.2"},
    {0, nullptr},
};
constexpr KvOptionDef ContextMatchRows[] = {
    {1, "exact"},
    {2, "prefix"},
    {0, nullptr},
};
constexpr KvOptionDef IncludedExcludedRows[] = {
    {1, "included"},
    {2, "excluded"},
    {0, nullptr},
};
constexpr KvOptionDef NotifyTypeRows[] = {
    {1, "trap"},
    {2, "inform"},
    {0, nullptr},
};
constexpr KvOptionDef RadiusAuthProtocolRows[] = {
    {1, "authProtocolRadiusEap"},
    {2, "authProtocolRadiusPap"},
    {0, nullptr},
};
constexpr KvOptionDef AuthModeRows[] = {
    {1, "portBase"},
    {2, "macBase"},
    {3, "none"},
    {0, nullptr},
};
constexpr KvOptionDef RadiusServerIndexRows[] = {
    {1, "swRadiusServerIndex-first"},
    {2, "swRadiusServerIndex-second"},
    {3, "swRadiusServerIndex-third"},
    {0, nullptr},
};
constexpr KvOptionDef AuthPaeStateRows[] = {
    {1, "initialize"},
    {2, "disconnected"},
    {3, "connecting"},
    {4, "authenticating"},
    {5, "authenticated"},
    {6, "aborting"},
    {7, "held"},
    {8, "forceAuth"},
    {9, "forceUnauth"},
    {0, nullptr},
};
constexpr KvOptionDef BackendAuthStateRows[] = {
    {1, "request"},
    {2, "response"},
    {3, "success"},
    {4, "fail"},
    {5, "timeout"},
    {6, "idle"},
    {7, "initialize"},
    {0, nullptr},
};
constexpr KvOptionDef AuthPortStatusRows[] = {
    {1, "authorized"},
    {2, "unauthorized"},
    {0, nullptr},
};
constexpr KvOptionDef ControlledDirectionsRows[] = {
    {0, "both"},
    {1, "in"},
    {0, nullptr},
};
constexpr KvOptionDef AuthPortControlRows[] = {
    {1, "forceUnauthorized"},
    {2, "auto"},
    {3, "forceAuthorized"},
    {0, nullptr},
};
constexpr KvOptionDef SessionAuthenticMethodRows[] = {
    {1, "remoteAuthServer"},
    {2, "localAuthServer"},
    {0, nullptr},
};
constexpr KvOptionDef SessionTerminateCauseRows[] = {
    {1, "supplicantLogoff"},
    {2, "portFailure"},
    {3, "supplicantRestart"},
    {4, "reauthFailed"},
    {5, "authControlForceUnauth"},
    {6, "portReInit"},
    {7, "portAdminDisabled"},
    {999, "notTerminatedYet"},
    {0, nullptr},
};
constexpr KvOptionDef SuppPaeStateRows[] = {
    {1, "disconnected"},
    {2, "logoff"},
    {3, "connecting"},
    {4, "authenticating"},
    {5, "authenticated"},
    {6, "acquired"},
    {7, "held"},
    {0, nullptr},
};
constexpr KvOptionDef AcctServiceIndexRows[] = {
    {1, "acctServiceIndex-network"},
    {2, "acctServiceIndex-exec"},
    {3, "acctServiceIndex-system"},
    {0, nullptr},
};
constexpr KvOptionDef AcctServiceMethodRows[] = {
    {1, "swRadiusAcctServiceMethodNone"},
    {2, "swRadiusAcctServiceMethodRadius"},
    {0, nullptr},
};
constexpr KvOptionDef AcctServiceModeRows[] = {
    {1, "radiusAcctServiceModeNone"},
    {2, "radiusAcctServiceModeStartStop"},
    {3, "radiusAcctServiceModeStopOnly"},
    {0, nullptr},
};
constexpr KvOptionDef SshRekeyingRows[] = {
    {0, "never"},
    {10, "ten-min"},
    {30, "thirty-min"},
    {60, "sixty-min"},
    {0, nullptr},
};
constexpr KvOptionDef CertificateFileControlRows[] = {
    {2, "inactive"},
    {3, "start"},
    {4, "delete"},
    {0, nullptr},
};
constexpr KvOptionDef CertificateShowStatusRows[] = {
    {1, "none"},
    {2, "rsa"},
    {3, "dsa"},
    {0, nullptr},
};
constexpr KvOptionDef CleanCountersRows[] = {
    {1, "normal"},
    {2, "active"},
    {0, nullptr},
};
constexpr KvOptionDef OtherEnableDisableRows[] = {
    {1, "other"},
    {2, "enable"},
    {3, "disable"},
    {0, nullptr},
};
constexpr KvOptionDef PortTypeRows[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"},
    {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"},
    {10, "portType-1000Base-1394"},
    {11, "none"},
    {0, nullptr},
};
constexpr KvOptionDef LinkStatusRows[] = {
    {1, "other"},
    {2, "link-pass"},
    {3, "link-fail"},
    {0, nullptr},
};
constexpr KvOptionDef NwayStatusRows[] = {
    {1, "other"},
    {2, "auto"},
    {3, "half-10Mbps"},
    {4, "full-10Mbps"},
    {5, "half-100Mbps"},
    {6, "full-100Mbps"},
    {7, "half-1Gigabps"},
    {8, "full-1Gigabps"},
    {0, nullptr},
};
constexpr KvOptionDef NwayStateRows[] = {
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {0, nullptr},
};
constexpr KvOptionDef MulticastFilterModeRows[] = {
    {1, "forward-all-groups"},
    {2, "forward-unregistered-groups"},
    {3, "filter-unregistered-groups"},
    {0, nullptr},
};
constexpr KvOptionDef TrunkAlgorithmRows[] = {
    {2, "mac-source"},
    {3, "mac-destination"},
    {4, "mac-source-dest"},
    {5, "ip-source"},
    {6, "ip-destination"},
    {7, "ip-source-dest"},
    {0, nullptr},
};
constexpr KvOptionDef TrunkTypeRows[] = {
    {2, "static"},
    {3, "lacp"},
    {0, nullptr},
};
constexpr KvOptionDef PortSecurityModeRows[] = {
    {2, "permanent"},
    {3, "deleteOnTimeout"},
    {4, "deleteOnReset"},
    {0, nullptr},
};
constexpr KvOptionDef EnableDisable23Rows[] = {
    {2, "enable"},
    {3, "disable"},
    {0, nullptr},
};
constexpr KvOptionDef MulticastAccessRows[] = {
    {1, "none"},
    {2, "permit"},
    {3, "deny"},
    {0, nullptr},
};
constexpr KvOptionDef BindingActionRows[] = {
    {0, "inactive"},
    {1, "active"},
    {0, nullptr},
};
constexpr KvOptionDef BindingModeRows[] = {
    {0, "arp"},
    {1, "acl"},
    {0, nullptr},
};
constexpr KvOptionDef BlockedTypeRows[] = {
    {2, "blockByAddrBind"},
    {3, "delete"},
    {0, nullptr},
};
constexpr KvOptionDef IgmpQuerierStateRows[] = {
    {2, "querier"},
    {3, "non-querier"},
    {0, nullptr},
};
constexpr KvOptionDef DisableEnable23Rows[] = {
    {2, "disable"},
    {3, "enable"},
    {0, nullptr},
};
constexpr KvOptionDef Option82PolicyRows[] = {
    {1, "replace"},
    {2, "drop"},
    {3, "keep"},
    {0, nullptr},
};
constexpr KvOptionDef InvalidValidRows[] = {
    {2, "invalid"},
    {3, "valid"},
    {0, nullptr},
};
constexpr KvOptionDef StormTrapRows[] = {
    {1, "none"},
    {2, "stormOccurred"},
    {3, "stormCleared"},
    {4, "both"},
    {0, nullptr},
};
constexpr KvOptionDef DisabledEnabled12Rows[] = {
    {1, "disabled"},
    {2, "enabled"},
    {0, nullptr},
};
constexpr KvOptionDef StormActionRows[] = {
    {1, "shutdown"},
    {2, "drop"},
    {0, nullptr},
};
constexpr KvOptionDef YesNoRows[] = {
    {1, "yes"},
    {2, "no"},
    {0, nullptr},
};
constexpr KvOptionDef SafeguardStatusRows[] = {
    {1, "normal"},
    {2, "exhausted"},
    {0, nullptr},
};
constexpr KvOptionDef AacServerProtocolRows[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "none"},
    {6, "other"},
    {0, nullptr},
};
constexpr KvOptionDef StpVersionRows[] = {
    {0, "stp"},
    {1, "rstp"},
    {2, "mstp"},
    {0, nullptr},
};
constexpr KvOptionDef SaveConfigRows[] = {
    {2, "idle"},
    {3, "set"},
    {0, nullptr},
};
constexpr KvOptionDef SummerTimeStatusRows[] = {
    {0, "disable"},
    {1, "repeating"},
    {2, "annual"},
    {0, nullptr},
};
constexpr KvOptionDef SummerMonthRows[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"}, {6, "Jun"},
    {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"},
    {0, nullptr},
};
constexpr KvOptionDef SummerWeekRows[] = {
    {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {0, nullptr},
};
constexpr KvOptionDef SummerOffsetRows[] = {
    {30, "30"}, {60, "60"}, {90, "90"}, {120, "120"}, {0, nullptr},
};
constexpr KvOptionDef SummerWeekdayRows[] = {
    {1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr},
};
constexpr KvOptionDef IfOperStatusRows[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr},
};
constexpr KvOptionDef IfAdminStatusRows[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};

}  // namespace

const KvOptionList ProtocolCapabilityOptions(ProtocolCapabilityRows, KvOptionList::IntegerValues);
const KvOptionList InUseOptions(InUseRows, KvOptionList::IntegerValues);
const KvOptionList FileTransferStatusOptions(FileTransferStatusRows, KvOptionList::IntegerValues);
const KvOptionList MibCapabilityTypeOptions(MibCapabilityTypeRows, KvOptionList::IntegerValues);
const KvOptionList GetIpFromOptions(GetIpFromRows, KvOptionList::IntegerValues);
const KvOptionList EnabledDisabledOptions(EnabledDisabledRows, KvOptionList::IntegerValues);
const KvOptionList FileTransferTypeOptions(FileTransferTypeRows, KvOptionList::IntegerValues);
const KvOptionList FileLoadTypeOptions(FileLoadTypeRows, KvOptionList::IntegerValues);
const KvOptionList FileCtrlOptions(FileCtrlRows, KvOptionList::IntegerValues);
const KvOptionList TruthValueOptions(TruthValueRows, KvOptionList::IntegerValues);
const KvOptionList SystemResetOptions(SystemResetRows, KvOptionList::IntegerValues);
const KvOptionList Rs232PortOptions(Rs232PortRows, KvOptionList::IntegerValues);
const KvOptionList SeverityOptions(SeverityRows, KvOptionList::IntegerValues);
const KvOptionList RowStatusOptions(RowStatusRows, KvOptionList::IntegerValues);
const KvOptionList InetAddressTypeOptions(InetAddressTypeRows, KvOptionList::IntegerValues);
const KvOptionList StorageTypeOptions(StorageTypeRows, KvOptionList::IntegerValues);
const KvOptionList HopAddressTypeOptions(HopAddressTypeRows, KvOptionList::IntegerValues);
const KvOptionList StackModeOptions(StackModeRows, KvOptionList::IntegerValues);
const KvOptionList PowerStatusOptions(PowerStatusRows, KvOptionList::IntegerValues);
const KvOptionList DisabledEnabledOptions(DisabledEnabledRows, KvOptionList::IntegerValues);
const KvOptionList SntpTimeSourceOptions(SntpTimeSourceRows, KvOptionList::IntegerValues);
const KvOptionList AclOwnerOptions(AclOwnerRows, KvOptionList::IntegerValues);
const KvOptionList MacAddressMaskStateOptions(MacAddressMaskStateRows, KvOptionList::IntegerValues);
const KvOptionList RulePermitOptions(RulePermitRows, KvOptionList::IntegerValues);
const KvOptionList IpAddressMaskStateOptions(IpAddressMaskStateRows, KvOptionList::IntegerValues);
const KvOptionList IpProtocolOptions(IpProtocolRows, KvOptionList::IntegerValues);
const KvOptionList IcmpOptionOptions(IcmpOptionRows, KvOptionList::IntegerValues);
const KvOptionList EnableDisableOptions(EnableDisableRows, KvOptionList::IntegerValues);
const KvOptionList L4AddressMaskOptions(L4AddressMaskRows, KvOptionList::IntegerValues);
const KvOptionList Ipv6AddressMaskStateOptions(Ipv6AddressMaskStateRows, KvOptionList::IntegerValues);
const KvOptionList SyslogFacilityOptions(SyslogFacilityRows, KvOptionList::IntegerValues);
const KvOptionList SyslogSeverityOptions(SyslogSeverityRows, KvOptionList::IntegerValues);
const KvOptionList OtherDisabledEnabledOptions(OtherDisabledEnabledRows, KvOptionList::IntegerValues);
const KvOptionList LacpRxStateOptions(LacpRxStateRows, KvOptionList::IntegerValues);
const KvOptionList LacpMuxStateOptions(LacpMuxStateRows, KvOptionList::IntegerValues);
const KvOptionList LacpChurnStateOptions(LacpChurnStateRows, KvOptionList::IntegerValues);
const KvOptionList SingleIpRoleOptions(SingleIpRoleRows, KvOptionList::IntegerValues);
const KvOptionList RstpVersionOptions(RstpVersionRows, KvOptionList::IntegerValues);
const KvOptionList StpPortStateOptions(StpPortStateRows, KvOptionList::IntegerValues);
const KvOptionList AcceptableFrameTypesOptions(AcceptableFrameTypesRows, KvOptionList::IntegerValues);
const KvOptionList StpProtocolOptions(StpProtocolRows, KvOptionList::IntegerValues);
const KvOptionList MstpInstanceTypeOptions(MstpInstanceTypeRows, KvOptionList::IntegerValues);
const KvOptionList MstpPointToPointOptions(MstpPointToPointRows, KvOptionList::IntegerValues);
const KvOptionList MstpPortStatusOptions(MstpPortStatusRows, KvOptionList::IntegerValues);
const KvOptionList MstpPortRoleOptions(MstpPortRoleRows, KvOptionList::IntegerValues);
const KvOptionList FdbStatusOptions(FdbStatusRows, KvOptionList::IntegerValues);
const KvOptionList VlanStatusOptions(VlanStatusRows, KvOptionList::IntegerValues);
const KvOptionList SecurityLevelOptions(SecurityLevelRows, KvOptionList::IntegerValues);
const KvOptionList UsmAuthProtocolOptions(UsmAuthProtocolRows, KvOptionList::StringValues);
const KvOptionList UsmPrivProtocolOptions(UsmPrivProtocolRows, KvOptionList::StringValues);
const KvOptionList ContextMatchOptions(ContextMatchRows, KvOptionList::IntegerValues);
const KvOptionList IncludedExcludedOptions(IncludedExcludedRows, KvOptionList::IntegerValues);
const KvOptionList NotifyTypeOptions(NotifyTypeRows, KvOptionList::IntegerValues);
const KvOptionList RadiusAuthProtocolOptions(RadiusAuthProtocolRows, KvOptionList::IntegerValues);
const KvOptionList AuthModeOptions(AuthModeRows, KvOptionList::IntegerValues);
const KvOptionList RadiusServerIndexOptions(RadiusServerIndexRows, KvOptionList::IntegerValues);
const KvOptionList AuthPaeStateOptions(AuthPaeStateRows, KvOptionList::IntegerValues);
const KvOptionList BackendAuthStateOptions(BackendAuthStateRows, KvOptionList::IntegerValues);
const KvOptionList AuthPortStatusOptions(AuthPortStatusRows, KvOptionList::IntegerValues);
const KvOptionList ControlledDirectionsOptions(ControlledDirectionsRows, KvOptionList::IntegerValues);
const KvOptionList AuthPortControlOptions(AuthPortControlRows, KvOptionList::IntegerValues);
const KvOptionList SessionAuthenticMethodOptions(SessionAuthenticMethodRows, KvOptionList::IntegerValues);
const KvOptionList SessionTerminateCauseOptions(SessionTerminateCauseRows, KvOptionList::IntegerValues);
const KvOptionList SuppPaeStateOptions(SuppPaeStateRows, KvOptionList::IntegerValues);
const KvOptionList AcctServiceIndexOptions(AcctServiceIndexRows, KvOptionList::IntegerValues);
const KvOptionList AcctServiceMethodOptions(AcctServiceMethodRows, KvOptionList::IntegerValues);
const KvOptionList AcctServiceModeOptions(AcctServiceModeRows, KvOptionList::IntegerValues);
const KvOptionList SshRekeyingOptions(SshRekeyingRows, KvOptionList::IntegerValues);
const KvOptionList CertificateFileControlOptions(CertificateFileControlRows, KvOptionList::IntegerValues);
const KvOptionList CertificateShowStatusOptions(CertificateShowStatusRows, KvOptionList::IntegerValues);
const KvOptionList CleanCountersOptions(CleanCountersRows, KvOptionList::IntegerValues);
const KvOptionList OtherEnableDisableOptions(OtherEnableDisableRows, KvOptionList::IntegerValues);
const KvOptionList PortTypeOptions(PortTypeRows, KvOptionList::IntegerValues);
const KvOptionList LinkStatusOptions(LinkStatusRows, KvOptionList::IntegerValues);
const KvOptionList NwayStatusOptions(NwayStatusRows, KvOptionList::IntegerValues);
const KvOptionList NwayStateOptions(NwayStateRows, KvOptionList::IntegerValues);
const KvOptionList MulticastFilterModeOptions(MulticastFilterModeRows, KvOptionList::IntegerValues);
const KvOptionList TrunkAlgorithmOptions(TrunkAlgorithmRows, KvOptionList::IntegerValues);
const KvOptionList TrunkTypeOptions(TrunkTypeRows, KvOptionList::IntegerValues);
const KvOptionList PortSecurityModeOptions(PortSecurityModeRows, KvOptionList::IntegerValues);
const KvOptionList EnableDisable23Options(EnableDisable23Rows, KvOptionList::IntegerValues);
const KvOptionList MulticastAccessOptions(MulticastAccessRows, KvOptionList::IntegerValues);
const KvOptionList BindingActionOptions(BindingActionRows, KvOptionList::IntegerValues);
const KvOptionList BindingModeOptions(BindingModeRows, KvOptionList::IntegerValues);
const KvOptionList BlockedTypeOptions(BlockedTypeRows, KvOptionList::IntegerValues);
const KvOptionList IgmpQuerierStateOptions(IgmpQuerierStateRows, KvOptionList::IntegerValues);
const KvOptionList DisableEnable23Options(DisableEnable23Rows, KvOptionList::IntegerValues);
const KvOptionList Option82PolicyOptions(Option82PolicyRows, KvOptionList::IntegerValues);
const KvOptionList InvalidValidOptions(InvalidValidRows, KvOptionList::IntegerValues);
const KvOptionList StormTrapOptions(StormTrapRows, KvOptionList::IntegerValues);
const KvOptionList DisabledEnabled12Options(DisabledEnabled12Rows, KvOptionList::IntegerValues);
const KvOptionList StormActionOptions(StormActionRows, KvOptionList::IntegerValues);
const KvOptionList YesNoOptions(YesNoRows, KvOptionList::IntegerValues);
const KvOptionList SafeguardStatusOptions(SafeguardStatusRows, KvOptionList::IntegerValues);
const KvOptionList AacServerProtocolOptions(AacServerProtocolRows, KvOptionList::IntegerValues);
const KvOptionList StpVersionOptions(StpVersionRows, KvOptionList::IntegerValues);
const KvOptionList SaveConfigOptions(SaveConfigRows, KvOptionList::IntegerValues);
const KvOptionList SummerTimeStatusOptions(SummerTimeStatusRows, KvOptionList::IntegerValues);
const KvOptionList SummerMonthOptions(SummerMonthRows, KvOptionList::IntegerValues);
const KvOptionList SummerWeekOptions(SummerWeekRows, KvOptionList::IntegerValues);
const KvOptionList SummerWeekdayOptions(SummerWeekdayRows, KvOptionList::IntegerValues);
const KvOptionList SummerOffsetOptions(SummerOffsetRows, KvOptionList::IntegerValues);
const KvOptionList IfOperStatusOptions(IfOperStatusRows, KvOptionList::IntegerValues);
const KvOptionList IfAdminStatusOptions(IfAdminStatusRows, KvOptionList::IntegerValues);
