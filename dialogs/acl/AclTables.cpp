#include "dialogs/acl/AclTables.h"

namespace {

using namespace KvSyntax;
using KvAccess::ReadOnly;
using KvAccess::ReadWrite;
constexpr std::uint32_t Key = KvAccess::NotAccess;

constexpr KvSNMPVarDef Def(const char* oid, const char* caption, std::uint32_t syntax, std::uint32_t access,
                           const KvOptionList* options = nullptr)
{
    return KvSNMPVarDef{oid, caption, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr KvSNMPVarDef EndOfTable{};

constexpr KvOptionDef EnabledDisabledRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr KvOptionDef EnableDisableRows[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
constexpr KvOptionDef RowStatusRows[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
constexpr KvOptionDef OwnerRows[] = {{0, "any"}, {1, "acl"}, {2, "ipbind"}, {4, "other"}, {0, nullptr}};
constexpr KvOptionDef ActionRows[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
constexpr KvOptionDef MacMaskStateRows[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
constexpr KvOptionDef IpMaskStateRows[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
constexpr KvOptionDef ProtocolRows[] = {{1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"},
                                        {5, "udp"},  {6, "protocolId"}, {0, nullptr}};
constexpr KvOptionDef IcmpOptionRows[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
constexpr KvOptionDef PortOptionRows[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};

}  // namespace

const KvOptionList AclEnabledDisabledOptions(EnabledDisabledRows, KvOptionList::IntegerValues);
const KvOptionList AclEnableDisableOptions(EnableDisableRows, KvOptionList::IntegerValues);
const KvOptionList AclRowStatusOptions(RowStatusRows, KvOptionList::IntegerValues);
const KvOptionList AclEntryOwnerOptions(OwnerRows, KvOptionList::IntegerValues);
const KvOptionList AclActionOptions(ActionRows, KvOptionList::IntegerValues);
const KvOptionList AclMacMaskStateOptions(MacMaskStateRows, KvOptionList::IntegerValues);
const KvOptionList AclIpMaskStateOptions(IpMaskStateRows, KvOptionList::IntegerValues);
const KvOptionList AclProtocolOptions(ProtocolRows, KvOptionList::IntegerValues);
const KvOptionList AclIcmpOptionOptions(IcmpOptionRows, KvOptionList::IntegerValues);
const KvOptionList AclPortOptionOptions(PortOptionRows, KvOptionList::IntegerValues);

constinit const KvSNMPVarDef EthernetProfileDefs[10] = {
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.2", "Use VLAN", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.3", "MAC Address Mask State", Integer, ReadWrite, &AclMacMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.4", "Source MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.5", "Destination MAC Address Mask", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.6", "Use 8021p", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.7", "Use Ethernet Type", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.8", "Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.1.1.9", "Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef IpProfileDefs[21] = {
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.1", "Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.2", "Use VLAN", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.3", "IP Address Mask State", Integer, ReadWrite, &AclIpMaskStateOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.4", "Source IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.5", "Destination IP Address Mask", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.6", "Use DSCP", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.7", "Use Proto Type", Integer, ReadWrite, &AclProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.8", "ICMP Option", Integer, ReadWrite, &AclIcmpOptionOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.9", "IGMP Option", Integer, ReadWrite, &AclEnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.10", "TCP Option", Integer, ReadWrite, &AclPortOptionOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.11", "UDP Option", Integer, ReadWrite, &AclPortOptionOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.12", "TCP or UDP Source Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.13", "TCP or UDP Destination Port Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.14", "TCP Flag Bit", Integer, ReadWrite, &AclEnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.15", "TCP Flag Bit Mask", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.16", "Proto ID Option", Integer, ReadWrite, &AclEnableDisableOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.17", "Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.18", "Proto ID Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.19", "Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.2.1.20", "Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef PacketProfileDefs[9] = {
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.1", "Mask Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.2", "Mask Offset 0 to 15", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.3", "Mask Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.4", "Mask Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.5", "Mask Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.6", "Mask Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.7", "Mask Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.1.3.1.8", "Mask Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};

// The doubled blank in column 5's caption and the "rRule" of column 11 are the
// agent's own headings; users know the columns by them.
constinit const KvSNMPVarDef EthernetRuleDefs[17] = {
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.1", "RuleProfile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.2", "RuleAccess ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.4", "Rule Source MAC Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.5", "Rule Destination MAC  Address", MacAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.6", "Rule 8021P", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.7", "Rule Ether Type", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.8", "Rule Enable Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.9", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.10", "Rule Replace Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.11", "rRule Enable Replace DSCP", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.12", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.13", "Rule Permit", Integer, ReadWrite, &AclActionOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.14", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.15", "Rule Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.1.1.16", "Rule Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef IpRuleDefs[24] = {
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.3", "Rule VLAN", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.4", "Rule Source IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.5", "Rule Destination IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.6", "Rule DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.7", "Rule Protocol", Integer, ReadOnly, &AclProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.8", "Rule Type", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.9", "Rule Code", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.10", "Rule Source Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.11", "Rule Destination Port", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.12", "Rule Flag Bits", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.13", "Rule Proto ID", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.14", "Rule User Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.15", "Rule Enable Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.16", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.17", "Rule Replace Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.18", "Rule Enable Replace DSCP", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.19", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.20", "Rule Permit", Integer, ReadWrite, &AclActionOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.21", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.22", "Rule Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.2.1.23", "Rule Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};

constinit const KvSNMPVarDef PacketRuleDefs[17] = {
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.1", "Rule Profile ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.2", "Rule Access ID", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.3", "Rule Offset0 to 15", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.4", "Rule Offset 16 to 31", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.5", "Rule Offset 32 to 47", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.6", "Rule Offset 48 to 63", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.7", "Rule Offset 64 to 79", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.8", "Rule Enable Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.9", "Rule Priority", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.10", "Rule Replace Priority", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.11", "Rule Enable Replace DSCP", Integer, ReadWrite, &AclEnabledDisabledOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.12", "Rule Replace DSCP", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.13", "Rule Permit", Integer, ReadWrite, &AclActionOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.14", "Rule Port", BitStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.15", "Rule Row Status", Integer, ReadWrite, &AclRowStatusOptions),
    Def("1.3.6.1.4.1.97531.12.9.2.3.1.16", "Rule Owner", Integer, ReadOnly, &AclEntryOwnerOptions),
    EndOfTable,
};
