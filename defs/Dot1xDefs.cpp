// 802.1X menu: port access control, RADIUS and MAC authentication.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by AuthenticationControl2 (SVT_SV, 0 keys), KorvaneAuth page "Auth Control" (SVT_SV, 0
// keys).
constinit const KvSNMPVarDef AuthControlDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.3.1.1", "Auth Protocol", Integer, ReadWrite, &RadiusAuthProtocolOptions),
    Def("1.3.6.1.4.1.97531.12.3.1.2", "Auth Mode", Integer, ReadWrite, &AuthModeOptions),
    EndOfTable,
};

// Bound by KorvaneAuth page "Radius Server Table" (MVT_FMV, 1 key), RadiusServerTable1 (MVT_UMV, 1
// key).
// The keys are items 0 and 2.
constinit const KvSNMPVarDef RadiusServerTableDefs[7] = {
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.1", "RADIUS ServerIndex", Integer, Key, &RadiusServerIndexOptions),
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.2", "RADIUS Server IP Address", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.3", "RADIUS Server Key", DisplayStr, Key),
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.4", "RADIUS Auth Port Number", Gauge, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.5", "RADIUS Acct PortNumber", Gauge, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.2.4.1.6", "RADIUS Server Status", Integer, ReadOnly, &RowStatusOptions),
    EndOfTable,
};

// Bound by KorvaneAuth page "Mac Auth State Table" (MVT_FMV, 1 key),
// MACAuthenticationBaseStateInfo1 page "MAC Auth State Table" (MVT_FMV, 2 keys),
// MACAuthenticationStateTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MacAuthStateTableDefs[6] = {
    Def("1.3.6.1.4.1.97531.12.3.6.1.1.1", "PAE MAC Address", MacAddress, Key),
    Def("1.3.6.1.4.1.97531.12.3.6.1.1.2", "PAE Port Number", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.6.1.1.3", "Auth PAE State", Integer, ReadOnly, &AuthPaeStateOptions),
    Def("1.3.6.1.4.1.97531.12.3.6.1.1.4", "Auth Backend Auth State", Integer, ReadOnly, &BackendAuthStateOptions),
    Def("1.3.6.1.4.1.97531.12.3.6.1.1.5", "Auth Auth Controlled Port Status", Integer, ReadOnly, &AuthPortStatusOptions),
    EndOfTable,
};

// Bound by AuthenticationConfiguration1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef Dot1xSystemAuthControlDefs[2] = {
    Def("1.0.8802.1.1.1.1.1.1", "System Auth Control", Integer, ReadWrite, &EnabledDisabledOptions),
    EndOfTable,
};

// Bound by PaeSystem (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PaeSystemPortTableDefs[6] = {
    Def("1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Integer, Key),
    Def("1.0.8802.1.1.1.1.1.2.1.2", "Port Protocol Version", Gauge, ReadOnly),
    Def("1.0.8802.1.1.1.1.1.2.1.3", "Port Capabilities", OctetStr, ReadOnly),
    Def("1.0.8802.1.1.1.1.1.2.1.4", "Port Initialize", Integer, ReadWrite, &TruthValueOptions),
    Def("1.0.8802.1.1.1.1.1.2.1.5", "Port Reauthenticate", Integer, ReadWrite, &TruthValueOptions),
    EndOfTable,
};

// Bound by PaeAuthenticator (MVT_UMV, 1 key).
// Item 7 keeps the leading blank of its heading.
constinit const KvSNMPVarDef PaeAuthenticatorDefs[16] = {
    Def(" ", "Port Number", Integer, Key),
    Def("1.0.8802.1.1.1.1.2.1.1.1", "PAE State", Integer, ReadOnly, &AuthPaeStateOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", Integer, ReadOnly, &BackendAuthStateOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", Integer, ReadWrite, &ControlledDirectionsOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.4", "Operation Controlled Directions", Integer, ReadOnly, &ControlledDirectionsOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.5", "Port Status", Integer, ReadOnly, &AuthPortStatusOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.6", "Port Control", Integer, ReadWrite, &AuthPortControlOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.7", " Quiet Period", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.11", "Max Req", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.12", "Re Auth Period", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.2.1.1.13", "Re Auth Enabled", Integer, ReadWrite, &TruthValueOptions),
    Def("1.0.8802.1.1.1.1.2.1.1.14", "Key Tx Enabled", Integer, ReadWrite, &TruthValueOptions),
    EndOfTable,
};

// Bound by AuthenticationStatsTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AuthenticatorStatsDefs[14] = {
    Def(" ", "Port Number", Integer, Key),
    Def("1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/ID Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/ID Frames Tx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.8", "EAPOL ResponseFrames Tx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", Gauge, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", MacAddress, ReadOnly),
    EndOfTable,
};

// Bound by AuthenticationDiagnosticsTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef AuthenticatorDiagnosticsDefs[20] = {
    Def(" ", "Port Number", Integer, Key),
    Def("1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", Counter, ReadOnly),
    EndOfTable,
};

// Bound by AuthenticationSessionStatistics1 (MVT_FMV, 1 key).
constinit const KvSNMPVarDef AuthenticatorSessionStatsDefs[11] = {
    Def(" ", "Port Number", Integer, Key),
    Def("1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets Rx", Counter64, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets Tx", Counter64, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames Rx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames Tx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", DisplayStr, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", Integer, ReadOnly, &SessionAuthenticMethodOptions),
    Def("1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", TimeTicks, ReadOnly),
    Def("1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", Integer, ReadOnly, &SessionTerminateCauseOptions),
    Def("1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by PaeSupplicant (MVT_UMV, 1 key).
constinit const KvSNMPVarDef PaeSupplicantDefs[7] = {
    Def(" ", "dot1xPaePortNumber", Integer, Key),
    Def("1.0.8802.1.1.1.1.3.1.1.1", "dot1xSuppPaeState", Integer, ReadOnly, &SuppPaeStateOptions),
    Def("1.0.8802.1.1.1.1.3.1.1.2", "dot1xSuppHeldPeriod", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.3.1.1.3", "dot1xSuppAuthPeriod", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.3.1.1.4", "dot1xSuppStartPeriod", Gauge, ReadWrite),
    Def("1.0.8802.1.1.1.1.3.1.1.5", "dot1xSuppMaxStart", Gauge, ReadWrite),
    EndOfTable,
};

// Bound by SupplicantStatsTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef SupplicantStatsDefs[14] = {
    Def(" ", "dot1xPaePortNumber", Integer, Key),
    Def("1.0.8802.1.1.1.1.3.2.1.1", "dot1xSuppEapolFramesRx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.2", "dot1xSuppEapolFramesTx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.3", "dot1xSuppEapolStartFramesTx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.4", "dot1xSuppEapolLogoffFramesTx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.5", "dot1xSuppEapolRespIdFramesTx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.6", "dot1xSuppEapolRespFramesTx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.7", "dot1xSuppEapolReqIdFramesRx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.8", "dot1xSuppEapolReqFramesRx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.9", "dot1xSuppInvalidEapolFramesRx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.10", "dot1xSuppEapLengthErrorFramesRx", Counter, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.11", "dot1xSuppLastEapolFrameVersion", Gauge, ReadOnly),
    Def("1.0.8802.1.1.1.1.3.2.1.12", "dot1xSuppLastEapolFrameSource", MacAddress, ReadOnly),
    EndOfTable,
};

// Bound by AuthenticationInformation1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef RadiusAuthInformationDefs[3] = {
    RadiusAuthClientIdentifierRow,
    RadiusAuthClientInvalidAddressesRow,
    EndOfTable,
};

// Bound by RadiusAuthenticationServerTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef RadiusAuthServerTableDefs[16] = {
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.1", "RADIUS Auth Server Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.2", "RADIUS Auth Server Address", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.3", "RADIUS Auth Client Server Port Number", Gauge, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.4", "RADIUS Auth Client Round Trip Time", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.5", "RADIUS Auth Client Access Requests", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.6", "RADIUS Auth Client Access Retransmissions", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.7", "RADIUS Auth Client Access Accepts", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.8", "RADIUS Auth Client Access Rejects", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.9", "RADIUS Auth Client Access Challenges", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.10", "RADIUS Auth Client Malformed Access Responses", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.11", "RADIUS Auth Client Bad Authenticators", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.12", "RADIUS Auth Client Pending Requests", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.13", "RADIUS Auth Client Timeouts", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.14", "RADIUS Auth Client Unknown Types", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.3.3.1.15", "RADIUS Auth Client Packets Dropped", Counter, ReadOnly),
    EndOfTable,
};

// Bound by RadiusAccountingControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef RadiusAccountingControlDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.3.4.1", "RADIUS Acct Update Interval", Gauge, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.3.4.2", "RADIUS Acct Suppress Null User Name", Integer, ReadWrite, &TruthValueOptions),
    EndOfTable,
};

// Bound by RadiusAccountingServiceTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef RadiusAccountingServiceDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.3.4.3.1.1", "RADIUS Acct Service Index", Integer, Key, &AcctServiceIndexOptions),
    Def("1.3.6.1.4.1.97531.12.3.4.3.1.2", "RADIUS Acct Service Method", Integer, ReadWrite, &AcctServiceMethodOptions),
    Def("1.3.6.1.4.1.97531.12.3.4.3.1.3", "RADIUS Acct Service Mode", Integer, ReadWrite, &AcctServiceModeOptions),
    EndOfTable,
};

// Bound by RadiusAccountingInformation1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef RadiusAcctInformationDefs[3] = {
    Def("1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Acct Client Identifier", DisplayStr, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Acct Client Invalid Server Addresses", Counter, ReadOnly),
    EndOfTable,
};

// Bound by RadiusAccountingServerTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef RadiusAcctServerTableDefs[14] = {
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.1", "RADIUS Acct Server Index", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.2", "RADIUS Acct Server Address", IpAddress, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.3", "RADIUS Acct Client Server Port Number", Gauge, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.4", "RADIUS Acct Client Round Trip Time", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.5", "RADIUS Acct Client Requests", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.6", "RADIUS Acct Client Retransmissions", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.7", "RADIUS Acct Client Responses", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.8", "RADIUS Acct Client Malformed Responses", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.9", "RADIUS Acct Client Bad Authenticators", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.10", "RADIUS Acct Client Pending Requests", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.11", "RADIUS Acct Client Timeouts", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.12", "RADIUS Acct Client Unknown Types", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.5.3.1.13", "RADIUS Acct Client Packets Dropped", Counter, ReadOnly),
    EndOfTable,
};

// Bound by MACAuthenticationBaseStateInfo1 page "MAC Auth Stats Table" (MVT_UMV, 2 keys),
// MACAuthenticationStatsTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MacAuthStatsTableDefs[15] = {
    Def(" ", "PAE MAC Address", DisplayStr, Key),
    Def(" ", "PAE Port Number", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.1", "Auth EAPOL Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.2", "Auth EAPOL Frames Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.3", "Auth EAPOL Start Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.4", "Auth EAPOL Logoff Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.5", "Auth EAPOL Resp Id Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.6", "Auth EAPOL Resp Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.7", "Auth EAPOL Req Id Frames Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.8", "Auth EAPOL Req Frames Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.9", "Auth Invalid EAPOL Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.10", "Auth Eap Length Error Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.11", "Auth Last Eapol Frame Version", Gauge, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.2.1.12", "Auth Last Eapol Frame Source", MacAddress, ReadOnly),
    EndOfTable,
};

// Bound by MACAuthenticationBaseStateInfo1 page "MAC Auth Diag Table" (MVT_UMV, 2 keys),
// MACAuthenticationDiagTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MacAuthDiagTableDefs[21] = {
    Def(" ", "PAE MAC Address", DisplayStr, Key),
    Def(" ", "PAE Port Number", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.1", "Auth Enters Connecting", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.2", "Auth Eap Logoffs While Connecting", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.3", "Auth Enters Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.4", "Auth Auth Success While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.5", "Auth Auth Timeouts While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.6", "Auth Auth Fail While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.7", "Auth Auth Reauths While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.8", "Auth Auth Eap Starts While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.9", "Auth Auth Eap Logoff While Authenticating", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.10", "Auth Auth ReauthsWhile Authenticated", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.11", "Auth Auth Eap Starts While Authenticated", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.12", "Auth Auth Eap Logoff While Authenticated", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.13", "Auth Backend Responses", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.14", "Auth Backend Access Challenges", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.15", "Auth Backend Other Requests To Supplicant", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.16", "Auth Backend NonNak Responses From Supplicant", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.17", "Auth Backend Auth Successes", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.3.1.18", "Auth Backend Auth Fails", Counter, ReadOnly),
    EndOfTable,
};

// Bound by MACAuthenticationBaseStateInfo1 page "MAC Auth Session Stats Table" (MVT_UMV, 2 keys),
// MACAuthenticationSessionStatsTable1 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef MacAuthSessionStatsDefs[12] = {
    Def(" ", "PAE MAC Address", DisplayStr, Key),
    Def(" ", "PAE Port Number", Integer, Key),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.1", "Auth Session Octets Rx", Counter64, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.2", "Auth Session Octets Tx", Counter64, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.3", "Auth Session Frames Rx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.4", "Auth Session Frames Tx", Counter, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.5", "Auth Session Id", DisplayStr, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.6", "Auth Session Authentic Method", Integer, ReadOnly, &SessionAuthenticMethodOptions),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.7", "Auth Session Time", TimeTicks, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.8", "Auth Session Terminate Cause", Integer, ReadOnly, &SessionTerminateCauseOptions),
    Def("1.3.6.1.4.1.97531.12.3.6.4.1.9", "Auth Session User Name", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by RadiusAuthClient (SVT_SV, 0 keys).
constinit const KvSNMPVarDef RadiusAuthClientDefs[3] = {
    RadiusAuthClientInvalidAddressesRow,
    RadiusAuthClientIdentifierRow,
    EndOfTable,
};

// Bound by RadiusAuthenticationServerTable2 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef RadiusAuthClientServerTableDefs[16] = {
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Server Index", Integer, Key),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Server Address", IpAddress, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Client Server Port Number", Integer, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Client Round Trip Time", TimeTicks, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Client Access Requests", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Client Access Retransmissions", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Client Access Accepts", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Client Access Rejects", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Client Access Challenges", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Client Malformed Access Responses", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Client Bad Authenticators", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Client Pending Requests", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Client Timeouts", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Client Unknown Types", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Client Packets Dropped", Counter, ReadOnly),
    EndOfTable,
};

// Bound by RadiusAccClient (SVT_SV, 0 keys).
constinit const KvSNMPVarDef RadiusAccClientDefs[3] = {
    Def("1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Acc Client Invalid Server Addresses", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Acc Client Identifier", DisplayStr, ReadOnly),
    EndOfTable,
};

// Bound by RadiusAccountingServerTable2 (MVT_UMV, 1 key).
constinit const KvSNMPVarDef RadiusAccClientServerTableDefs[14] = {
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.1", "RADIUS Acc Server Index", Integer, Key),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.2", "RADIUS Acc Server Address", IpAddress, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.3", "RADIUS Acc Client Server Port Number", Integer, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.4", "RADIUS Acc Client Round Trip Time", TimeTicks, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.5", "RADIUS Acc Client Requests", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.6", "RADIUS Acc Client Retransmissions", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.7", "RADIUS Acc Client Responses", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.8", "RADIUS Acc Client Malformed Responses", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.9", "RADIUS Acc Client Bad Authenticators", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.10", "RADIUS Acc Client Pending Requests", Gauge, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.11", "RADIUS Acc Client Timeouts", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.12", "RADIUS Acc Client Unknown Types", Counter, ReadOnly),
    Def("1.3.6.1.2.1.67.2.2.1.1.3.1.13", "RADIUS Acc Client Packets Dropped", Counter, ReadOnly),
    EndOfTable,
};
