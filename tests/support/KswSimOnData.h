// A ksw-sim serving a small data file of the suite's own, started once for the
// suite, with the session and the default agent parameters pointed at it and
// message boxes recorded instead of shown:
//
//     class Dialogs : public KswSimOnData<> {
//     protected:
//         static void SetUpTestSuite() { StartAgent(kData); }
//     };
//
// kData holds snmprec lines.  The defaults reach the agent with SNMPv2c and a
// one-second time-out.
#pragma once

#include "KswSim.h"

#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

template <typename Base = ::testing::Test>
class KswSimOnData : public Base {
protected:
    static void StartAgent(const char* data)
    {
        dir_ = new QTemporaryDir;
        QFile file(dir_->filePath("agent.snmprec"));
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
    QMessageBox::StandardButton answer = QMessageBox::Ok;  // how every box is answered
    KvScopedMessagePresenter presenter{[this](const KvMessageRequest& r) {
        messages.push_back(r);
        return answer;
    }};
};
