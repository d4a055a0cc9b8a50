// Writing the per-agent configuration file that LoadModuleConfiguration reads.
#pragma once

#include "kvsnmp/KvSNMPErrors.h"

#include <string>

// The settings as the file stores them: protocol and level choices are list
// indices (-1 when nothing of the list was chosen), see ModuleStartup.h.
struct ModuleConfigurationRecord {
    std::string AgentIP;
    std::string AgentPort;
    int Version = 0;               // 0 v1, 1 v2c, 3 v3
    std::string SecurityName;      // written for version 3 only
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocol = -1;
    int PrivProtocol = -1;
    std::string ContextEngineID;
    int SecurityLevel = -1;
    std::string ContextName;       // the read community for v1 and v2c
    std::string GetCommStr;
    std::string SetCommStr;
    std::string UpdateDate;
    std::string UpdateTime;
};

// The file's bytes: "[Program Information]", then for each key in the fixed
// order CR LF, key, "=", value; the last entry "SecurityModel=3" has no line
// break after it.  Texts are UTF-8 here and Latin-1 in the file, as the
// reader takes them.  Raises KvSNMPException (ConfigurationTextErrorCode) for
// a value the file cannot hold: a line break or NUL, which would end the value
// early or start another key, a character outside Latin-1, a blank or control
// character at either end (the reader trims them) or more than
// KvIni::MaxValueLength characters (the reader cuts the rest).
std::string ModuleConfigurationBytes(const ModuleConfigurationRecord& record);
inline constexpr int ConfigurationTextErrorCode = KvLibraryCode(KvBadSyntax);

// The bytes that replace the file old: the module's section as above, where
// the old one stood, followed by the section's other keys and comments (a
// setting such as "UseGetBulk=0" that the record does not hold); the other
// sections unchanged.  Text before the first section is not kept.  Lines end
// with CR LF.
std::string ModuleConfigurationBytes(const ModuleConfigurationRecord& record, const std::string& old);

// Writes the file whole or not at all, keeping what the old file holds beyond
// the record (see above): a new private (0600) file in the same folder
// receives the bytes and then replaces the old file in one step; on any
// failure, an old file that cannot be read included, the old file stays as it
// was and no temporary file is left.  Returns false with the reason in error.
bool WriteModuleConfigurationFile(const std::string& path, const ModuleConfigurationRecord& record,
                                  std::string& error);
