#include "dialogs/DialogCatalogue.h"

std::span<const DialogEntry> AclDialogs()
{
    return {};
}
