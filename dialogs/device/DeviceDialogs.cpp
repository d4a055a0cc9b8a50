#include "dialogs/DialogCatalogue.h"

std::span<const DialogEntry> DeviceDialogs()
{
    return {};
}
