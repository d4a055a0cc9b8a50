// The process-wide defaults live apart from the session so that code which only
// reads or sets parameters does not pull in the engine.
#include "KvSNMPSession.h"

KvSNMPDevice DefaultDevice;
KvSNMPScope DefaultScope;
KvSNMPSecurity DefaultSecurity;
std::int32_t DefaultTimeout = KvInitialTimeout;
engine::Session* GlobalSession = nullptr;

void ResetDefaultParameters()
{
    DefaultDevice = KvSNMPDevice{};
    DefaultScope = KvSNMPScope{};
    DefaultSecurity = KvSNMPSecurity{};
    DefaultTimeout = KvInitialTimeout;
}
