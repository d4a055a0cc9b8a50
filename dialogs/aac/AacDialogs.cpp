#include "dialogs/DialogCatalogue.h"

#include "dialogs/aac/Accservercontrol.h"
#include "dialogs/aac/Enablemethodlistunit.h"
#include "dialogs/aac/Loginmethodlistunit.h"
#include "dialogs/aac/Serverinfounit.h"

#include "views/Viewmodal.h"

#include <QMainWindow>

namespace {

// The editor lives for the modal run only.  The catalogue's caption carries
// the agent's address already and replaces the editor's own.
template <typename Form>
void OpenEditor(const DialogRequest& request)
{
    Form form(request.Window);
    if (!request.Caption.isEmpty())
        form.setWindowTitle(request.Caption);
    TRunModal(form);
}

constexpr DialogEntry kAacDialogs[] = {
    {"TEnableMethodForm", &OpenEditor<TEnableMethodForm>},
    {"TLoginMethodListForm", &OpenEditor<TLoginMethodListForm>},
    {"TServerInformationForm", &OpenEditor<TServerInformationForm>},
    {"TfrmACCServerCtrl", &OpenEditor<TfrmACCServerCtrl>},
};

}  // namespace

std::span<const DialogEntry> AacDialogs()
{
    return kAacDialogs;
}
