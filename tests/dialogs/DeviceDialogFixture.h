// What the device dialog tests share: a ksw-sim serving a small data file of
// the suite's own, the session and defaults pointed at it, message boxes
// recorded instead of shown, and reads and writes of single agent objects
// beside the dialog under test.
#pragma once

#include "KswSim.h"

#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

template <typename Base = ::testing::Test>
class DeviceDialogFixture : public Base {
protected:
    // Starts the agent on the data (snmprec lines) once for the suite.
    static void StartAgent(const char* data)
    {
        dir_ = new QTemporaryDir;
        QFile file(dir_->filePath("device.snmprec"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();
        KswSim::Options o;
        o.dataFile = file.fileName();
        o.stateFile = dir_->filePath("state.snmprec");
        sim_ = new KswSim(o);
        CreateGlobalSession(sim_->tempDir().toStdString());
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        delete dir_;
        sim_ = nullptr;
        dir_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim_ && sim_->running()) << (sim_ ? sim_->errorText().toStdString() : "");
        ResetDefaultParameters();
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim_->port();
        DefaultSecurity.Version = 1;
        DefaultTimeout = 100;
        MainTexts = {};
        MainTexts.AgentIP = "127.0.0.1";
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

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> texts;
        for (const KvMessageRequest& m : messages)
            texts.push_back(m.Text);
        return texts;
    }

    static inline KswSim* sim_ = nullptr;
    static inline QTemporaryDir* dir_ = nullptr;
    std::vector<KvMessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    KvScopedMessagePresenter presenter{[this](const KvMessageRequest& r) {
        messages.push_back(r);
        return answer;
    }};
};
