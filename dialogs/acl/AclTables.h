// The column numbers the access-control editors name in the six access-control
// tables (profiles, which the editors call masks, and the rules of each profile
// kind).  The tables themselves, with their value sets, are the views' own:
// AclEthernetTableDefs, AclIpTableDefs, AclPacketMaskTableDefs,
// AclEthernetRuleTableDefs, AclIpRuleTableDefs and AclPacketRuleTableDefs.
//
// Column numbers are the MIB's (1-based); item k of a list is column k + 1.
#pragma once

#include "defs/ViewDefinitions.h"

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
