#include "KvSNMPRequest2Callback.h"

#include "kvsnmp/KvSNMPErrors.h"

KvSNMPRequest2Callback::KvSNMPRequest2Callback(QWidget* ownerForm, Answer answer)
    : KvSNMPRequest2Controls(ownerForm), answer_(std::move(answer))
{
}

KvSNMPRequest2Callback::~KvSNMPRequest2Callback()
{
    StopResponses();
}

void KvSNMPRequest2Callback::AfterGet()
{
    KvSNMPError ok;
    ok.Code = 0;
    ok.Message = LibraryMessages().Text(KvOk);
    ok.Finished = true;
    ok.Device = Request().Device;
    answer_(ok, Variables());
}

// The function is told instead of a status line or a message box.
void KvSNMPRequest2Callback::GetFailed(const KvSNMPError& error)
{
    answer_(error, Variables());
}
