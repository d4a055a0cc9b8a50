#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/DeviceOpeners.h"
#include "dialogs/device/Msinfortable.h"

#include "startup/ModuleStartup.h"

namespace {

const DialogEntry kDeviceDialogs[] = {
    {"TSummerTimeForm", &OpenSummerTimeForm},
    {"TfrmConfigSNMP", &OpenConfigSNMP},
    {"SNMPConfig", &RunUsmSetup},
    {"TSTP_Info", &OpenSTPInfo},
    {"TEquipmentBasicInfoForm", &OpenEquipmentBasicInfoForm},
    {"TMSInformationForm", &OpenDialogForm<TMSInformationForm>},
};

} // namespace

std::span<const DialogEntry> DeviceDialogs()
{
    return kDeviceDialogs;
}

QString DeviceDialogCaption(const DialogRequest& request, const char* ownCaption)
{
    if (!request.Caption.isEmpty())
        return request.Caption;
    return QString::fromUtf8(ownCaption) + QString::fromStdString(MainTexts.AgentIP);
}
