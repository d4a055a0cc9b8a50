// The objects the front panel reads: its LEDs' states and the hint of a port.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

constinit const KvSNMPVarDef PortLedDefs[2] = {
    Def("1.3.6.1.2.1.2.2.1.8", "ifOperStatus", Integer, ReadOnly),
    EndOfTable,
};

constinit const KvSNMPVarDef ConsoleLedDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.1.1.3", "Console In Use", Integer, ReadOnly),
    EndOfTable,
};

constinit const KvSNMPVarDef RpsLedDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.11.1.6.1.3.1.2", "Redundant Power Status", Integer, ReadOnly),
    EndOfTable,
};

constinit const KvSNMPVarDef PortHintDefs[9] = {
    IfDescrRow,
    IfAliasRow,
    IfOperStatusRow,
    Def("1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", Integer, ReadOnly, &IfAdminStatusOptions),
    IfSpeedRow,
    IfHighSpeedRow,
    IfLastChangeRow,
    SysUpTimeRow,
    EndOfTable,
};
