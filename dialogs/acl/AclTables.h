// The six access-control tables of the switch (profiles, which the editors call
// masks, and the rules of each profile kind) as constant variable lists, with
// their value sets and the column numbers the editors name.
//
// Column numbers are the MIB's (1-based); item k of a list is column k + 1.
// Each table ends with a record whose Oid is null; the declared bound is the
// number of columns plus that terminator.
#pragma once

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPVarDef.h"

// A column of a constant table: no expressions, no value.
constexpr KvSNMPVarDef ColumnDef(const char* oid, const char* caption, std::uint32_t syntax, std::uint32_t access,
                                 const KvOptionList* options = nullptr)
{
    return KvSNMPVarDef{oid, caption, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}

// Value sets.  A drop-down list bound to a column lists the labels in this
// order, so item k of a row-status list is the k-th row ("createAndGo" is item 1,
// "destroy" item 2).
extern const KvOptionList AclEnabledDisabledOptions;   // 1 enabled, 2 disabled
extern const KvOptionList AclEnableDisableOptions;     // 1 enable, 2 disable
extern const KvOptionList AclRowStatusOptions;         // 1 active, 4 createAndGo, 6 destroy
extern const KvOptionList AclEntryOwnerOptions;        // 0 any, 1 acl, 2 ipbind, 4 other
extern const KvOptionList AclActionOptions;            // 1 deny, 2 permit
extern const KvOptionList AclMacMaskStateOptions;
extern const KvOptionList AclIpMaskStateOptions;
extern const KvOptionList AclProtocolOptions;          // none, icmp, igmp, tcp, udp, protocolId
extern const KvOptionList AclIcmpOptionOptions;
extern const KvOptionList AclPortOptionOptions;

// Items of the row-status drop-down lists.
namespace AclRowStatusItem {
constexpr int Active = 0, CreateAndGo = 1, Destroy = 2;
}

extern const KvSNMPVarDef EthernetProfileDefs[10];
extern const KvSNMPVarDef IpProfileDefs[21];
extern const KvSNMPVarDef PacketProfileDefs[9];
extern const KvSNMPVarDef EthernetRuleDefs[17];
extern const KvSNMPVarDef IpRuleDefs[24];
extern const KvSNMPVarDef PacketRuleDefs[17];

namespace EthernetProfileColumn {
enum : int { ProfileId = 1, UseVlan, MacMaskState, SourceMacMask, DestinationMacMask, Use8021p,
             UseEthernetType, RowStatus, Owner, Count = Owner };
}

namespace IpProfileColumn {
enum : int { ProfileId = 1, UseVlan, IpMaskState, SourceIpMask, DestinationIpMask, UseDscp, UseProtoType,
             IcmpOption, IgmpOption, TcpOption, UdpOption, SourcePortMask, DestinationPortMask, TcpFlagBit,
             TcpFlagBitMask, ProtoIdOption, ProtoId, ProtoIdMask, RowStatus, Owner, Count = Owner };
}

namespace PacketProfileColumn {
enum : int { ProfileId = 1, Offset0, Offset16, Offset32, Offset48, Offset64, RowStatus, Owner, Count = Owner };
}

namespace EthernetRuleColumn {
enum : int { ProfileId = 1, AccessId, Vlan, SourceMac, DestinationMac, Priority8021p, EtherType,
             EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port,
             RowStatus, Owner, Count = Owner };
}

namespace IpRuleColumn {
enum : int { ProfileId = 1, AccessId, Vlan, SourceIp, DestinationIp, Dscp, Protocol, Type, Code,
             SourcePort, DestinationPort, FlagBits, ProtoId, UserMask, EnablePriority, Priority,
             ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port, RowStatus, Owner, Count = Owner };
}

namespace PacketRuleColumn {
enum : int { ProfileId = 1, AccessId, Offset0, Offset16, Offset32, Offset48, Offset64, EnablePriority,
             Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Port, RowStatus, Owner,
             Count = Owner };
}
