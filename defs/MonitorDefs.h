// The objects the traffic monitor reads: the interface columns it samples for
// every port and the agent's uptime that each of its requests carries.
#pragma once

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
