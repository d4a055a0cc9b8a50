#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/DeviceOpeners.h"

#include "startup/ModuleStartup.h"

namespace {

const DialogEntry kDeviceDialogs[] = {
    {"TSummerTimeForm", &OpenSummerTimeForm},
    {"TfrmConfigSNMP", &OpenConfigSNMP},
    {"SNMPConfig", &RunUsmSetup},
    {"TSTP_Info", &OpenSTPInfo},
    {"TEquipmentBasicInfoForm", &OpenEquipmentBasicInfoForm},
};

} // namespace

std::span<const DialogEntry> DeviceDialogs()
{
    return kDeviceDialogs;
}

QString DeviceDialogCaption(const DialogRequest& request, const char* ownCaption)
{
    const QString prefix = request.Caption.isEmpty() ? QString::fromUtf8(ownCaption) : request.Caption;
    return prefix + QString::fromStdString(MainTexts.AgentIP);
}
