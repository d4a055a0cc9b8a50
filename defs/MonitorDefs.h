// The objects the traffic monitor reads: the interface columns it samples for
// every port and the agent's uptime that each of its requests carries.
#pragma once

#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvSNMPVarDef.h"

// Rows of PortMonitorDefs, in table order.
enum PortMonitorRow : int {
    MonitorIfDescr,
    MonitorIfAlias,
    MonitorIfSpeed,
    MonitorIfHighSpeed,
    MonitorIfOperStatus,
    MonitorIfLastChange,
    MonitorIfInOctets,
    MonitorIfOutOctets,
    MonitorIfHCInOctets,
    MonitorIfHCOutOctets,
    MonitorIfInErrors,
    MonitorIfOutErrors,
    MonitorIfInDiscards,
    MonitorIfOutDiscards,
    MonitorIfCounterDiscontinuityTime,
    PortMonitorRowCount
};

// Columns (OIDs without the ifIndex) of ifTable and ifXTable.
extern const KvSNMPVarDef PortMonitorDefs[PortMonitorRowCount + 1];
// sysUpTime, a scalar.
extern const KvSNMPVarDef AgentUpTimeDefs[2];

// Whole instances: the sampler gives each column a port's number and the
// uptime its scalar instance.
inline constexpr DefinitionBinding PortMonitorBinding{PortMonitorDefs, MVT_SV, 0};
inline constexpr DefinitionBinding AgentUpTimeBinding{AgentUpTimeDefs, MVT_SV, 0};
