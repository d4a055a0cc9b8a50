#include "dialogs/DialogCatalogue.h"

std::span<const DialogEntry> AacDialogs()
{
    return {};
}
