// The process entry's edges, run in this process with the boxes recorded: the
// exit codes and texts of starts that cannot go on, which starts claim their
// agent's instance name, and a signal ending the module from inside a modal
// dialog without the exit question.
#include "KvTestUtil.h"
#include "Mainunit.h"
#include "ModuleEntry.h"
#include "binding/KvUserNotice.h"
#include "startup/ModuleStartup.h"
#include "startup/SingleInstance.h"
#include "startup/TerminationSignals.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Boxes {
    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

class ModuleEntryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // No agent answers at these addresses: nothing is polled, and the
        // engine-boots file and instance sockets stay in folders of the test.
        TMainForm::SetFrontPanelPolling(false);
        QApplication::setQuitOnLastWindowClosed(false);
        work_ = new QTemporaryDir(QStringLiteral("/tmp/kme-XXXXXX"));
        ASSERT_EQ(::chdir(work_->path().toLocal8Bit().constData()), 0);
        ASSERT_EQ(::chmod(work_->path().toLocal8Bit().constData(), 0700), 0);
        qputenv("XDG_RUNTIME_DIR", work_->path().toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        delete work_;
        work_ = nullptr;
        TMainForm::SetFrontPanelPolling(true);
    }

    // Runs the module; during its message loop, once, calls during() and then
    // ends the loop as closing the window would.
    int Run(std::vector<std::string> args, std::function<void()> during = [] {})
    {
        boxes_ = {};
        KvScopedMessagePresenter record([this](const KvMessageRequest& r) {
            (r.Icon == QMessageBox::Critical ? boxes_.errors : boxes_.messages).push_back(r.Text.toStdString());
            return QMessageBox::Yes;
        });
        // Gone with this call: a start that ends before its loop never sees it.
        QTimer once;
        once.setSingleShot(true);
        QObject::connect(&once, &QTimer::timeout, [during] {
            during();
            QCoreApplication::exit(0);
        });
        once.start(0);
        return RunModule(std::move(args), termination_);
    }

    static bool Served(const std::string& key)
    {
        return QFileInfo::exists(InstanceServerName(QString::fromStdString(key)));
    }

    static QTemporaryDir* work_;
    TTerminationSignals termination_;
    Boxes boxes_;
};
QTemporaryDir* ModuleEntryTest::work_ = nullptr;

TEST_F(ModuleEntryTest, StartsThatCannotGoOnEndWithTheirCodeAndSayWhy)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        Boxes boxes;
    };
    const Case cases[] = {
        {"no_arguments", {}, NoParameterExitCode, {{NoParameterText()}, {}}},
        {"open_without_item", {"/I10.9.9.9", "--open"}, 2, {{}, {"--open needs the name of a menu item"}}},
        {"open_twice", {"/I10.9.9.9", "--open", "A", "--open", "B"}, 2, {{}, {"--open is given twice"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.args), c.code);
        EXPECT_EQ(boxes_.messages, c.boxes.messages);
        EXPECT_EQ(boxes_.errors, c.boxes.errors);
    }
    const std::string text = NoParameterText();
    EXPECT_EQ(text.rfind("No parameter input\n", 0), 0u) << text;
    EXPECT_NE(text.find("/I"), std::string::npos);
    EXPECT_NE(text.find("--ask"), std::string::npos);
}

// Regression: a start without "/I", or with a refused switch, served the
// caption of the default agent and so stood in for another window of it.
TEST_F(ModuleEntryTest, OnlyAStartNamingItsAgentWithGoodSwitchesClaimsIt)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* key;      // the instance the running window serves, or none
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"address_and_port", {"/I10.9.9.9", "/t1234", "/v1"}, "10.9.9.9:1234", {}},
        {"no_address", {"/v1"}, nullptr, {}},
        {"refused_version", {"/I10.9.9.9", "/t1234", "/v7"}, nullptr,
         {"'7' is not a valid version number (0, 1 or 3) (switch /v)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> served;
        EXPECT_EQ(Run(c.args, [&served] {
                      for (const char* key : {"10.9.9.9:1234", "10.9.9.9:161", "127.0.0.1:161"})
                          if (Served(key))
                              served.push_back(key);
                  }),
                  0);
        EXPECT_EQ(served, c.key ? std::vector<std::string>{c.key} : std::vector<std::string>{});
        EXPECT_EQ(boxes_.errors, c.errors);
        // Gone with the window.
        if (c.key) {
            EXPECT_FALSE(Served(c.key));
        }
    }
}

// SIGTERM while a modal dialog is open: every loop ends, the module returns
// 128 + 15 and the exit question is never asked.
TEST_F(ModuleEntryTest, SignalLeavesModalDialogsAndEndsWithoutTheExitQuestion)
{
    int dialogResult = -1;
    boxes_ = {};
    KvScopedMessagePresenter record([this](const KvMessageRequest& r) {
        boxes_.messages.push_back(r.Text.toStdString());
        return QMessageBox::No;
    });
    QTimer::singleShot(0, qApp, [&dialogResult] {
        QDialog modal;
        QTimer::singleShot(0, &modal, [] { ::raise(SIGTERM); });
        dialogResult = modal.exec();
    });
    EXPECT_EQ(RunModule({"/I10.9.9.9", "/t1235", "/v1"}, termination_), 128 + SIGTERM);
    EXPECT_EQ(dialogResult, QDialog::Rejected);
    EXPECT_EQ(termination_.Received(), SIGTERM);
    EXPECT_EQ(boxes_.messages, std::vector<std::string>{});
    EXPECT_FALSE(Served("10.9.9.9:1235"));
}

} // namespace
