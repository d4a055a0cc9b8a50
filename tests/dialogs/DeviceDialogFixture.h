// What the device dialog tests share: the agent on the suite's own data with
// the defaults pointed at it (KswSimOnData), the agent's address as the main
// window's, and reads and writes of single agent objects beside the dialog
// under test.
#pragma once

#include "KswSimOnData.h"

#include "binding/KvSNMPRequest2Edits.h"
#include "dialogs/DialogCatalogue.h"
#include "startup/ModuleStartup.h"
#include "views/Viewmodal.h"

#include <string>

template <typename Base = ::testing::Test>
class DeviceDialogFixture : public KswSimOnData<Base> {
protected:
    void SetUp() override
    {
        KswSimOnData<Base>::SetUp();
        MainTexts = {};
        MainTexts.AgentIP = "127.0.0.1";
    }

    // The caption the catalogue's dialog of the class opens with (closed at once);
    // empty when the catalogue has no such class.
    static QString CatalogueCaption(const char* className, const DialogRequest& request = {})
    {
        const DialogOpener open = FindDialog(className);
        if (!open)
            return {};
        QString caption;
        TScopedModalRunner runner([&](QDialog& d) {
            caption = d.windowTitle();
            return int(QDialog::Rejected);
        });
        open(request);
        return caption;
    }

    // A scalar (".0" instance) read or written on its own.
    std::string agentValue(const std::string& oid, std::uint32_t syntax)
    {
        KvSNMPRequest2Edits b(nullptr);
        b.SetMode(KvSNMPRequest2Controls::Synchronous);
        b.Variables().AppendItem(oid, "probe", syntax, KvAccess::ReadWrite);
        b.Get();
        return b.Variables().ItemAt(0).Value;
    }
    void put(const std::string& oid, std::uint32_t syntax, const std::string& value)
    {
        KvSNMPRequest2Edits b(nullptr);
        b.SetMode(KvSNMPRequest2Controls::Synchronous);
        b.Variables().AppendItem(oid, "probe", syntax, KvAccess::ReadWrite);
        b.Variables().ItemAt(0).Value = value;
        b.Set(false, false);
    }
};
