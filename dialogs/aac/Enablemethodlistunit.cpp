#include "dialogs/aac/Enablemethodlistunit.h"

#include "defs/ViewDefinitions.h"

namespace {

const TMethodListLook kEnableLook{
    EnableMethodListBinding,
    nullptr,
    "NameEdit",
    "Enable MethodList Name",
    {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    {"Enable Method1 Type", "Enable Method2 Type", "Enable Method3Type", "Enable Method4 Type"},
    {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    {"Enable Method1 ServerGroup", "Enable Method2 ServerGroup", "Enable Method3 ServerGroup",
     "Enable Method4 ServerGroup"},
    "Enable MethodList RowStatus",
    "Enable MethodList Name must be set.",
    "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
};

}  // namespace

TEnableMethodForm::TEnableMethodForm(QWidget* parent) : TMethodListForm(kEnableLook, parent) {}
