#include "dialogs/DialogCatalogue.h"

#include "dialogs/acl/EthernetInformationRuleForm.h"
#include "dialogs/acl/EthernetMaskInformationForm.h"
#include "dialogs/acl/IPMaskInformationForm.h"
#include "dialogs/acl/IPRuleForm.h"
#include "dialogs/acl/UserDefinedInformationRuleForm.h"

namespace {

constexpr DialogEntry kAclDialogs[] = {
    {"TEthernetMaskInformationForm", &OpenDialogForm<TEthernetMaskInformationForm>},
    {"TEthernetInformationRuleForm", &OpenDialogForm<TEthernetInformationRuleForm>},
    {"TIPMaskInformationForm", &OpenDialogForm<TIPMaskInformationForm>},
    {"TIPRuleForm", &OpenDialogForm<TIPRuleForm>},
    {"TUserDefinedInformationRuleForm", &OpenDialogForm<TUserDefinedInformationRuleForm>},
};

}  // namespace

std::span<const DialogEntry> AclDialogs()
{
    return kAclDialogs;
}
