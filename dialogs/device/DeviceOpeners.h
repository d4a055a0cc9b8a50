// The openers of the device dialogs and commands, as the device table of the
// dialog catalogue lists them.
#pragma once

#include "dialogs/DialogCatalogue.h"

#include <QString>

void OpenSummerTimeForm(const DialogRequest& request);
void OpenConfigSNMP(const DialogRequest& request);
void RunUsmSetup(const DialogRequest& request);
void OpenSTPInfo(const DialogRequest& request);
void OpenEquipmentBasicInfoForm(const DialogRequest& request);

// The window caption: the catalogue's caption when it gives one, otherwise the
// dialog's own followed by the agent address.
QString DeviceDialogCaption(const DialogRequest& request, const char* ownCaption);
