// SNMP V3 menu: engine, target, user-based security, view-based access, notification and community
// tables.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by Engine (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SnmpEngineDefs[5] = {
    Def("1.3.6.1.6.3.10.2.1.1", "Engine ID", OctetStr, ReadOnly),
    Def("1.3.6.1.6.3.10.2.1.2", "Engine Boots", Integer, ReadOnly),
    Def("1.3.6.1.6.3.10.2.1.3", "Engine Time", Integer, ReadOnly),
    Def("1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", Integer, ReadOnly),
    EndOfTable,
};

// Bound by MPD (SVT_SV, 0 keys).
constinit const KvSNMPVarDef MpdStatsDefs[4] = {
    Def("1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", Counter, ReadOnly),
    Def("1.3.6.1.6.3.11.2.1.2", "Invalid Message", Counter, ReadOnly),
    Def("1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", Counter, ReadOnly),
    EndOfTable,
};

// Bound by GeneralInformation1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SnmpTargetGeneralDefs[4] = {
    Def("1.3.6.1.6.3.12.1.1", "Target Spin Lock", Integer, ReadWrite),
    Def("1.3.6.1.6.3.12.1.4", "Unavailable Contexts", Counter, ReadOnly),
    Def("1.3.6.1.6.3.12.1.5", "Unknown Contexts", Counter, ReadOnly),
    EndOfTable,
};

// Bound by TargetAddressTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef TargetAddressTableDefs[10] = {
    Def("1.3.6.1.6.3.12.1.2.1.1", "Target AddrName", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.12.1.2.1.2", "Target Address TDomain", ObjectId, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.3", "Target Address TAddress", BitStr, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.4", "Target Address Timeout", Integer, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.5", "Target Address Retry Count", Integer, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.6", "Target Address Tag List", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.7", "Target Address Params", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.12.1.2.1.8", "Target Address Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.12.1.2.1.9", "Target Address Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by TargetParameters1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef TargetParamsTableDefs[8] = {
    Def("1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.12.1.3.1.2", "Target Params MPModel", Integer, ReadWrite),
    Def("1.3.6.1.6.3.12.1.3.1.3", "Target Params Security Model", Integer, ReadWrite),
    Def("1.3.6.1.6.3.12.1.3.1.4", "Target Params Security Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.12.1.3.1.5", "Target Params Security Level", Integer, ReadWrite, &SecurityLevelOptions),
    Def("1.3.6.1.6.3.12.1.3.1.6", "Target Params Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.12.1.3.1.7", "Target Params Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by USMStats (SVT_SV, 0 keys).
constinit const KvSNMPVarDef UsmStatsDefs[7] = {
    Def("1.3.6.1.6.3.15.1.1.1", "Stats Unsupported Sec Levels", Counter, ReadOnly),
    Def("1.3.6.1.6.3.15.1.1.2", "Stats Not In Time Windows", Counter, ReadOnly),
    Def("1.3.6.1.6.3.15.1.1.3", "Stats Unknown User Names", Counter, ReadOnly),
    Def("1.3.6.1.6.3.15.1.1.4", "Stats Unknown EngineIDs", Counter, ReadOnly),
    Def("1.3.6.1.6.3.15.1.1.5", "Stats Wrong Digests", Counter, ReadOnly),
    Def("1.3.6.1.6.3.15.1.1.6", "Stats Decryption Errors", Counter, ReadOnly),
    EndOfTable,
};

// Bound by USMUserTable page "User Spin Lock" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef UsmUserSpinLockDefs[2] = {
    Def("1.3.6.1.6.3.15.1.2.1", "User Spin Lock", Integer, ReadWrite),
    EndOfTable,
};

// Bound by USMUserTable page "USM User Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef UsmUserTableDefs[14] = {
    Def("1.3.6.1.6.3.15.1.2.2.1.1", "User EngineID", OctetStr, Key),
    Def("1.3.6.1.6.3.15.1.2.2.1.2", "User Name", DisplayStr, Key),
    Def("1.3.6.1.6.3.15.1.2.2.1.3", "User Security Name", DisplayStr, ReadOnly),
    Def("1.3.6.1.6.3.15.1.2.2.1.4", "User Clone From", ObjectId, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.5", "User Auth Protocol", ObjectId, ReadWrite, &UsmAuthProtocolOptions),
    Def("1.3.6.1.6.3.15.1.2.2.1.6", "User Auth Key Change", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.7", "User Own Auth Key Change", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.8", "User Priv Protocol", ObjectId, ReadWrite, &UsmPrivProtocolOptions),
    Def("1.3.6.1.6.3.15.1.2.2.1.9", "User Priv Key Change", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.10", "User Own Priv Key Change", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.11", "User Public", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.15.1.2.2.1.12", "User Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.15.1.2.2.1.13", "User Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by VACMSecurityToGroupTable (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef VacmSecurityToGroupDefs[6] = {
    Def("1.3.6.1.6.3.16.1.2.1.1", "Security Model", Integer, Key),
    Def("1.3.6.1.6.3.16.1.2.1.2", "Security Name", DisplayStr, Key),
    Def("1.3.6.1.6.3.16.1.2.1.3", "Group Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.16.1.2.1.4", "Security To Group Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.16.1.2.1.5", "Security To Group Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by VACMAccessTable (MVT_UMV, 4 keys).
constinit const KvSNMPVarDef VacmAccessTableDefs[11] = {
    Def("1.3.6.1.6.3.16.1.2.1.3", "Group Name", DisplayStr, Key),
    Def("1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", OctetStr, Key),
    Def("1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", Integer, Key),
    Def("1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", Integer, Key, &SecurityLevelOptions),
    Def("1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", Integer, ReadWrite, &ContextMatchOptions),
    Def("1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.16.1.4.1.9", "Access Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by VACMMIBViews1 page "View Spin Lock" (SVT_SV, 0 keys).
constinit const KvSNMPVarDef VacmViewSpinLockDefs[2] = {
    Def("1.3.6.1.6.3.16.1.5.1", "VACM View Spin Lock", Integer, ReadWrite),
    EndOfTable,
};

// Bound by VACMMIBViews1 page "View Tree Family Table" (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef VacmViewTreeFamilyDefs[7] = {
    Def("1.3.6.1.6.3.16.1.5.2.1.1", "View Tree Family View Name", DisplayStr, Key),
    Def("1.3.6.1.6.3.16.1.5.2.1.2", "View Tree Family Subtree", ObjectId, Key),
    Def("1.3.6.1.6.3.16.1.5.2.1.3", "View Tree Family Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.16.1.5.2.1.4", "View Tree Family Type", Integer, ReadWrite, &IncludedExcludedOptions),
    Def("1.3.6.1.6.3.16.1.5.2.1.5", "View Tree Family Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.16.1.5.2.1.6", "View Tree Family Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by NotifyTable (MVT_UMV, 1 key).
constinit const KvSNMPVarDef NotifyTableDefs[6] = {
    Def("1.3.6.1.6.3.13.1.1.1.1", "Notify Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.13.1.1.1.2", "Notify Tag", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.13.1.1.1.3", "Notify Type", Integer, ReadWrite, &NotifyTypeOptions),
    Def("1.3.6.1.6.3.13.1.1.1.4", "Notify Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.13.1.1.1.5", "Notify Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by NotifyFilterProfileTable (MVT_UMV, 1 key).
constinit const KvSNMPVarDef NotifyFilterProfileDefs[5] = {
    Def(" ", "Target Params Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by NotifyFilterTable (MVT_UMV, 2 keys).
constinit const KvSNMPVarDef NotifyFilterTableDefs[7] = {
    Def(" ", "Notify Filter Profile Name", OctetStr, Key),
    Def("1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", ObjectId, ImpliedKey),
    Def("1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", Integer, ReadWrite, &IncludedExcludedOptions),
    Def("1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by CommunityTable (MVT_UMV, 1 key).
constinit const KvSNMPVarDef CommunityTableDefs[9] = {
    Def("1.3.6.1.6.3.18.1.1.1.1", "Community Index", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.18.1.1.1.2", "Community Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.1.1.3", "Community Security Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.1.1.4", "Community Context EngineID", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.1.1.5", "Community Context Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.1.1.6", "Community Transport Tag", DisplayStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.1.1.7", "Community Storage Type", Integer, ReadWrite, &StorageTypeOptions),
    Def("1.3.6.1.6.3.18.1.1.1.8", "Community Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

// Bound by TargetAddrExtTable (MVT_UMV, 1 key).
constinit const KvSNMPVarDef TargetAddrExtTableDefs[4] = {
    Def(" ", "Target Address Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", OctetStr, ReadWrite),
    Def("1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", Integer, ReadWrite),
    EndOfTable,
};
