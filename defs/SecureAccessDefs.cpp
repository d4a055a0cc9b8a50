// SSH and SSL menus.
#include "defs/ViewDefinitions.h"
#include "defs/DefinitionRows.h"

using namespace ViewDefRows;

// Bound by SSHControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SshControlDefs[8] = {
    Def("1.3.6.1.4.1.97531.12.6.1.1", "SSH Version", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.6.1.2", "SSH Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.1.3", "SSH Max Auth Fail Attempts", Integer, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.6.1.4", "SSH Session Key Rekeying", Integer, ReadWrite, &SshRekeyingOptions),
    Def("1.3.6.1.4.1.97531.12.6.1.5", "SSH Max Session", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.6.1.6", "SSH Connection Timeout", Integer, ReadOnly),
    Def("1.3.6.1.4.1.97531.12.6.1.7", "SSH Listened Port", Integer, ReadOnly),
    EndOfTable,
};

// Bound by SSHEncryptAlgControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SshEncryptAlgDefs[11] = {
    Def("1.3.6.1.4.1.97531.12.6.3.1.1", "DES Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.2", "Blowfish Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.3", "AES128 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.4", "AES192 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.5", "AES256 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.6", "Arcfour Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.7", "CAST28 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.8", "Twofish128 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.9", "Twofish192 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.1.10", "Twofish256 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SSHAuthMethodControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SshAuthMethodDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.6.3.2.1", "Password Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.2.2", "Public Key Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.2.3", "Host Key Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SSHInteAlgControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SshIntegrityAlgDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.6.3.3.1", "SHA1 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.3.2", "MD5 Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SSHPublicKeyControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SshPublicKeyDefs[3] = {
    Def("1.3.6.1.4.1.97531.12.6.3.5.1", "RSA Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.6.3.5.2", "DSA Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    EndOfTable,
};

// Bound by SSLControl1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SslControlDefs[4] = {
    Def("1.3.6.1.4.1.97531.12.7.1.1", "Status Admin", Integer, ReadWrite, &DisabledEnabledOptions),
    Def("1.3.6.1.4.1.97531.12.7.1.2", "Cipher Suites", OctetStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.7.1.3", "Cache Timeout", Gauge, ReadWrite),
    EndOfTable,
};

// Bound by SSLCertificateFile1 (SVT_SV, 0 keys).
constinit const KvSNMPVarDef SslCertificateFileDefs[6] = {
    Def("1.3.6.1.4.1.97531.12.7.2.1", "Certificate File IP Address", IpAddress, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.7.2.2", "Certificate File Path", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.7.2.3", "Certificate Key File Path", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.97531.12.7.2.4", "Certificate File Control", Integer, ReadWrite, &CertificateFileControlOptions),
    Def("1.3.6.1.4.1.97531.12.7.2.5", "Certificate File Show Satus", Integer, ReadOnly, &CertificateShowStatusOptions),
    EndOfTable,
};
