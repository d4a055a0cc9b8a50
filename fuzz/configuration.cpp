// The per-agent configuration file: nothing in it can make loading fail, and the
// numbers it yields stay within their fields.
#include "FuzzSupport.h"

#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ScratchFile file;
    LoadModuleConfigurationFile(file.Write(fuzz::Bytes(data, size)));
    fuzz::Check(MainTexts.AgentPort == std::to_string(DefaultDevice.Port), "port text and value differ");
    fuzz::Check(MainTexts.Version == std::to_string(DefaultSecurity.Version), "version text and value differ");
    return 0;
}
