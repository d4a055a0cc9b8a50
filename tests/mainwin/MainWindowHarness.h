// Shared fixture of the main-window tests: a main window talking to ksw-sim,
// message boxes recorded and answered instead of shown, and agent data with
// chosen values.
#pragma once

#include "Mainunit.h"
#include "KswSim.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Leds.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

struct RecordedBox {
    QString Caption;
    QString Text;
    QMessageBox::StandardButtons Buttons;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButton DefaultButton;
};

class MainWindowHarness : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The engine-boots file goes into the current folder: keep it out of the tree.
        work_ = new QTemporaryDir;
        ASSERT_EQ(::chdir(work_->path().toLocal8Bit().constData()), 0);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    static void TearDownTestSuite()
    {
        delete work_;
        work_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        MainTexts = ConnectionTexts{};
        LocalConfigMode = false;
        const QString exe = dir_.filePath(QStringLiteral("bin"));
        QDir().mkpath(exe);
        SetExeFolder(exe.toStdString());
        TMainForm::SetFrontPanelPollPeriod(TMainForm::DefaultPollPeriod);
        TMainForm::SetFrontPanelPolling(true);
    }
    void TearDown() override
    {
        SetExeFolder("");
        TMainForm::SetFrontPanelPollPeriod(TMainForm::DefaultPollPeriod);
        TMainForm::SetFrontPanelPolling(true);
    }

    static std::vector<std::string> AgentArgs(const KswSim& sim, const char* version = "/v1")
    {
        return {"/I127.0.0.1", "/t" + std::to_string(sim.port()), version, "/Rrdcomm", "/Wwrcommx"};
    }

    std::unique_ptr<TMainForm> Open(std::vector<std::string> args)
    {
        return std::make_unique<TMainForm>(std::move(args));
    }

    // Polls every period × 10 ms with requests that give up after 2 × timeout × 10 ms.
    static void Quicken(TMainForm& form, int period = 10, int timeout = 10)
    {
        TMainForm::SetFrontPanelPollPeriod(period);
        DefaultTimeout = timeout;
        form.SetUpFrontPanel();
    }

    // The shipped agent data with some values replaced ("oid" -> "type|value")
    // or, with an empty replacement, some lines left out ("#!writable oid" drops
    // that directive).
    QString DataWith(const std::map<std::string, std::string>& changes)
    {
        QFile in(QStringLiteral(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec"));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QString text;
        for (const QByteArray& raw : in.readAll().split('\n')) {
            std::string line = raw.toStdString();
            for (const auto& [key, replacement] : changes) {
                // The key is an OID (a value line) or the start of a directive line.
                if (line.rfind(key + "|", 0) == 0 || line.rfind(key + " ", 0) == 0) {
                    line = replacement.empty() ? std::string() : key + "|" + replacement;
                    break;
                }
            }
            if (!line.empty())
                text += QString::fromStdString(line) + QLatin1Char('\n');
        }
        const QString path = dir_.filePath(QStringLiteral("data%1.snmprec").arg(++dataFiles_));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.toUtf8());
        return path;
    }

    static KswSim::Options WithData(const QString& dataFile)
    {
        KswSim::Options o;
        o.dataFile = dataFile;
        return o;
    }

    static bool Green(const KvShape* led) { return led->BrushColor() == QColor(0, 255, 0) && led->PenColor() == led->BrushColor(); }
    static bool Black(const KvShape* led) { return led->BrushColor() == QColor(0, 0, 0) && led->PenColor() == led->BrushColor(); }

    static bool AllLedsBlack(const TMainForm& form)
    {
        for (const KvShape* led : form.LinkShape_Port)
            if (!Black(led))
                return false;
        return Black(form.PowerLed) && Black(form.ConsoleLed) && Black(form.RPSLed);
    }

    // Every binding has had its answer (or failure) since it last started.
    static bool PollsDone(const TMainForm& form)
    {
        for (const KvSNMPRequest2Leds* b : {form.PortLedBinding(), form.ConsoleLedBinding(), form.RpsLedBinding()})
            if (!b || b->Busy())
                return false;
        return true;
    }

    // The port LEDs have stopped flashing after the last poll.
    static bool FlashingOver(const TMainForm& form)
    {
        const KvSNMPRequest2Leds* b = form.PortLedBinding();
        return b && b->BlinkCounter() > b->BlinkLimit();
    }

    std::vector<RecordedBox> boxes_;
    // The button each box is answered with; by default the box's first choice.
    std::function<QMessageBox::StandardButton(const KvMessageRequest&)> answer_ = [](const KvMessageRequest& r) {
        if (r.Buttons & QMessageBox::Yes)
            return QMessageBox::Yes;
        return QMessageBox::Ok;
    };
    KvScopedMessagePresenter presenter_{[this](const KvMessageRequest& r) {
        boxes_.push_back({r.Caption, r.Text, r.Buttons, r.Icon, r.DefaultButton});
        return answer_(r);
    }};
    QTemporaryDir dir_;
    int dataFiles_ = 0;
    static inline QTemporaryDir* work_ = nullptr;
};
