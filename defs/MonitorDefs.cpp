#include "defs/MonitorDefs.h"

#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

const KvSNMPVarDef PortMonitorDefs[PortMonitorRowCount + 1] = {
    IfDescrRow,
    IfAliasRow,
    IfSpeedRow,
    IfHighSpeedRow,
    IfOperStatusRow,
    IfLastChangeRow,
    Def("1.3.6.1.2.1.2.2.1.10", "ifInOctets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.2.2.1.16", "ifOutOctets", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.6", "ifHCInOctets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.10", "ifHCOutOctets", Counter64, ReadOnly),
    Def("1.3.6.1.2.1.2.2.1.14", "ifInErrors", Counter, ReadOnly),
    Def("1.3.6.1.2.1.2.2.1.20", "ifOutErrors", Counter, ReadOnly),
    Def("1.3.6.1.2.1.2.2.1.13", "ifInDiscards", Counter, ReadOnly),
    Def("1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", Counter, ReadOnly),
    Def("1.3.6.1.2.1.31.1.1.1.19", "ifCounterDiscontinuityTime", TimeTicks, ReadOnly),
    EndOfTable,
};

const KvSNMPVarDef AgentUpTimeDefs[2] = {
    SysUpTimeRow,
    EndOfTable,
};
