#include "dialogs/DialogCatalogue.h"

DialogOpener FindDialog(std::string_view className)
{
    for (auto family : {DeviceDialogs(), AclDialogs(), AacDialogs()})
        for (const DialogEntry& entry : family)
            if (className == entry.ClassName)
                return entry.Open;
    return nullptr;
}
