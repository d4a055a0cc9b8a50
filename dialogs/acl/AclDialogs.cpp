#include "dialogs/DialogCatalogue.h"

#include "dialogs/acl/EthernetInformationRuleForm.h"
#include "dialogs/acl/EthernetMaskInformationForm.h"
#include "dialogs/acl/IPMaskInformationForm.h"
#include "dialogs/acl/IPRuleForm.h"
#include "dialogs/acl/UserDefinedInformationRuleForm.h"

#include "startup/ModuleStartup.h"
#include "views/Viewmodal.h"

#include <QMainWindow>

namespace {

// The editor lives for the modal run only; the catalogue's caption, followed
// by the agent's address, replaces the editor's own.
template <typename Form>
void OpenEditor(const DialogRequest& request)
{
    Form form(request.Window);
    if (!request.Caption.isEmpty())
        form.setWindowTitle(request.Caption + QString::fromStdString(MainTexts.AgentIP));
    TRunModal(form);
}

constexpr DialogEntry kAclDialogs[] = {
    {"TEthernetMaskInformationForm", &OpenEditor<TEthernetMaskInformationForm>},
    {"TEthernetInformationRuleForm", &OpenEditor<TEthernetInformationRuleForm>},
    {"TIPMaskInformationForm", &OpenEditor<TIPMaskInformationForm>},
    {"TIPRuleForm", &OpenEditor<TIPRuleForm>},
    {"TUserDefinedInformationRuleForm", &OpenEditor<TUserDefinedInformationRuleForm>},
};

}  // namespace

std::span<const DialogEntry> AclDialogs()
{
    return kAclDialogs;
}
