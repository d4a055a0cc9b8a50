#include "dialogs/aac/Loginmethodlistunit.h"

#include "defs/ViewDefinitions.h"

namespace {

const TMethodListLook kLoginLook{
    LoginMethodListBinding,
    "Login Method List: ",
    "ListnameEdit",
    "AAC Login Method List Name",
    {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    {"Method1 Type", "Method2 Type", "Method3 Type", "Method4 Type"},
    {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    {"Method1 ServerGroup", "Method2 ServerGroup", "Method3 ServerGroup", "Method4 ServerGroup"},
    "MethodList RowStatus",
    "AAC Login Method List Name must be set.",
    "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};

}  // namespace

TLoginMethodListForm::TLoginMethodListForm(QWidget* parent) : TMethodListForm(kLoginLook, parent) {}
