// Objects read and written outside the generic views: the spanning-tree version, the device
// commands and the daylight-saving dialog.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Read of the spanning-tree version before the spanning-tree dialog opens.
constinit const KvSNMPVarDef StpVersionDefs[2] = {
    StpVersionRow,
    EndOfTable,
};

// The Reboot command.
constinit const KvSNMPVarDef SystemResetDefs[2] = {
    SystemResetRow,
    EndOfTable,
};

// The Save Changes command.
constinit const KvSNMPVarDef SaveConfigDefs[2] = {
    Def("1.3.6.1.4.1.97531.12.1.2.6", "Save Config", Integer, ReadWrite, &SaveConfigOptions),
    EndOfTable,
};

// The daylight-saving time dialog.
constinit const KvSNMPVarDef SummerTimeDefs[7] = {
    Def("1.3.6.1.4.1.97531.12.10.12.1", "Summer Time Status", Integer, ReadWrite, &SummerTimeStatusOptions),
    Def("1.3.6.1.4.1.97531.12.10.12.2", "Summer Time Offset", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.12.3", "Repeat Summer Time Start", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.12.4", "Repeat Summer Time End", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.12.5", "Annual Summer Time Start", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.10.12.6", "Annual Summer Time End", OctetStr, ReadWrite),
    EndOfTable,
};
