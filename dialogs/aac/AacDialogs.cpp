#include "dialogs/DialogCatalogue.h"

#include "dialogs/aac/Accservercontrol.h"
#include "dialogs/aac/Enablemethodlistunit.h"
#include "dialogs/aac/Loginmethodlistunit.h"
#include "dialogs/aac/Serverinfounit.h"

namespace {

constexpr DialogEntry kAacDialogs[] = {
    {"TEnableMethodForm", &OpenDialogForm<TEnableMethodForm>},
    {"TLoginMethodListForm", &OpenDialogForm<TLoginMethodListForm>},
    {"TServerInformationForm", &OpenDialogForm<TServerInformationForm>},
    {"TfrmACCServerCtrl", &OpenDialogForm<TfrmACCServerCtrl>},
};

}  // namespace

std::span<const DialogEntry> AacDialogs()
{
    return kAacDialogs;
}
