// The module's command line: one argument a line.  Any argument list either
// applies or stops with the conversion error; the agent address guess never fails.
#include "FuzzSupport.h"

#include "kvsnmp/KvSNMPErrors.h"
#include "startup/ModuleStartup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto args = fuzz::Lines(fuzz::Bytes(data, size));
    if (const auto address = CandidateAgentAddress(args))
        fuzz::Check(!address->empty(), "an empty agent address was guessed");
    try {
        ParseCommandLine(args);
    } catch (const KvSNMPException& e) {
        fuzz::Check(e.Code() == ConversionErrorCode, "unexpected code " + std::to_string(e.Code()));
    }
    return 0;
}
