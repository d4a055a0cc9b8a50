#include "defs/ViewDefinitions.h"

#include "kvsnmp/KvSNMPVarList.h"

void AppendBinding(KvSNMPVarList& list, const DefinitionBinding& binding)
{
    list.ItemType = binding.Kind;
    list.PKeyCount = binding.Keys;
    list.AppendTable(binding.Defs);
}
