// The main window's start-up sequence: what each command line, configuration
// file and catalogue folder leads to, and how failures are shown.
#include "KvTestUtil.h"
#include "Mainunit.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Leds.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

// Records the boxes instead of showing them: information boxes as messages,
// critical ones as errors.
struct RecordedBoxes {
    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// Each test gets a folder standing for the executable's; the process works in a
// folder of its own so that the engine-boots file stays out of the source tree.
class StartupSequenceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // No agent listens at the addresses these cases name: the front panel
        // stays unpolled so that nothing leaves the machine.
        TMainForm::SetFrontPanelPolling(false);
        work_ = new QTemporaryDir;
        ASSERT_EQ(::chdir(work_->path().toLocal8Bit().constData()), 0);
    }
    static void TearDownTestSuite()
    {
        delete work_;
        work_ = nullptr;
        TMainForm::SetFrontPanelPolling(true);
    }
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        MainTexts = ConnectionTexts{};
        LocalConfigMode = false;
        SetExeFolder(ExeDir("bin").toStdString());
    }
    void TearDown() override { SetExeFolder(""); }

    QString ExeDir(const char* name)
    {
        const QString d = dir_.filePath(QString::fromLatin1(name));
        QDir().mkpath(d);
        return d;
    }
    std::unique_ptr<TMainForm> Create(std::vector<std::string> args)
    {
        boxes_ = {};
        KvScopedMessagePresenter record([this](const KvMessageRequest& r) {
            auto& list = r.Icon == QMessageBox::Critical ? boxes_.errors : boxes_.messages;
            list.push_back(r.Text.toStdString());
            return QMessageBox::Ok;
        });
        return std::make_unique<TMainForm>(std::move(args));
    }

    QTemporaryDir dir_;
    RecordedBoxes boxes_;
    static QTemporaryDir* work_;
};
QTemporaryDir* StartupSequenceTest::work_ = nullptr;

struct SequenceCase {
    const char* name;
    std::vector<std::string> args;
    const char* caption;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    const char* agentIP;   // MainTexts.AgentIP afterwards ("" when the step was skipped)
    bool terminate = false;
    // The status bar afterwards: an error that ended the sequence stays readable
    // in the window once its box is gone.
    const char* status = "";
};
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

const SequenceCase kSequenceCases[] = {
    {"agent_and_version", {"/I10.0.0.9", "/v1", "/Rpub"}, "KSW-4800 : 10.0.0.9", {}, {}, "10.0.0.9"},
    // Told to end, but the sequence still runs to the end with the defaults.
    // The box says how to start after the designed words.
    {"no_arguments", {}, "KSW-4800 : 127.0.0.1", {NoParameterText()}, {}, "127.0.0.1", true},
    {"no_address_switch", {"/v1"}, "KSW-4800 : 127.0.0.1", {}, {}, "127.0.0.1"},
    // A bad number ends the sequence: no texts, no caption, but the window exists.
    {"bad_number", {"/I10.0.0.9", "/tabc", "/v1"}, "KSW-4800", {},
     {"'abc' is not a valid port number (switch /t)"}, "", false, "'abc' is not a valid port number (switch /t)"},
};

class StartupSequenceCases : public StartupSequenceTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(StartupSequenceCases, CaptionTextsAndBoxes)
{
    const SequenceCase& c = GetParam();
    auto form = Create(c.args);
    EXPECT_EQ(form->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(boxes_.messages, c.messages);
    EXPECT_EQ(boxes_.errors, c.errors);
    EXPECT_EQ(MainTexts.AgentIP, c.agentIP);
    EXPECT_EQ(form->TerminateRequested(), c.terminate);
    EXPECT_EQ(form->StatusBar->PanelText(0).toStdString(), c.status);
    EXPECT_EQ(DefaultTimeout, 200);
    EXPECT_NE(GlobalSession, nullptr);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupSequenceCases, ::testing::ValuesIn(kSequenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Regression: without arguments the window polled the default agent, and the
// process waited for those polls to time out (4 s) before it ended.
TEST_F(StartupSequenceTest, NoArgumentsPollsNothingAndEndsAtOnce)
{
    TMainForm::SetFrontPanelPolling(true);
    auto form = Create({});
    TMainForm::SetFrontPanelPolling(false);
    ASSERT_TRUE(form->TerminateRequested());
    for (const KvSNMPRequest2Leds* b : {form->PortLedBinding(), form->ConsoleLedBinding(), form->RpsLedBinding()}) {
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->Polling());
        EXPECT_FALSE(b->Busy());
    }
    QElapsedTimer t;
    t.start();
    form.reset();
    EXPECT_LT(t.elapsed(), 1000);
}

// The configuration file read at start-up is the one beside the executable only
// when its folder is named exactly "korvane_ems"; its values win over the
// command line.
TEST_F(StartupSequenceTest, LocalConfigurationBesideExecutable)
{
    for (const char* folder : {"korvane_ems", "Korvane_EMS"}) {
        const QString exe = ExeDir(folder);
        WriteFile(exe + QStringLiteral("/10.0.0.9.cfg"), "[Program Information]\r\nVersion=1\r\nAgentPort=1161");
        SetExeFolder(exe.toStdString());
        auto form = Create({"/I10.0.0.9", "/v3"});
        const bool local = std::string(folder) == "korvane_ems";
        EXPECT_EQ(LocalConfigMode, local) << folder;
        EXPECT_EQ(DefaultSecurity.Version, local ? 1 : 3) << folder;
        EXPECT_EQ(MainTexts.Version, local ? "1" : "3") << folder;
        EXPECT_EQ(MainTexts.AgentPort, local ? "1161" : "161") << folder;
    }
}

// Each catalogue file replaces its own table; the session's errors come before
// the catalogues and therefore keep the built-in texts (see SessionFailure).
TEST_F(StartupSequenceTest, CataloguesLoadedIntoTheirTables)
{
    const QString folder = ExeDir("bin") + QStringLiteral("/errMSg/");
    struct Catalogue {
        const char* file;
        KvMessageTable& (*table)();
    };
    const Catalogue catalogues[] = {
        {"snmpclass.err", &SnmpClassMessages}, {"snmp.err", &SnmpMessages},     {"snmp.msg", &RequestLogMessages},
        {"kvsnmp.err", &LibraryMessages},      {"snmpv3.err", &SnmpV3Messages}, {"snmpusm.err", &UsmMessages},
        {"common.err", &KvCommonMessages},
    };
    for (const Catalogue& c : catalogues)
        WriteFile(folder + QString::fromLatin1(c.file), std::string("first of ") + c.file + "\n");
    auto form = Create({"/I10.0.0.9"});
    for (const Catalogue& c : catalogues)
        EXPECT_EQ(c.table().Text(0), std::string("first of ") + c.file);
    EXPECT_EQ(MapErrorCode(1).Message, "first of snmp.err");
}

// In a process of its own: the engine-boots file cannot be saved.  The built-in
// text is shown although a catalogue would reword it, and the later steps are
// skipped.
TEST_F(StartupSequenceTest, SessionFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString work = ExeDir("work");
    QDir(work).mkdir(QString::fromLatin1(KvBootCounterFile));   // the file name is taken by a folder
    WriteFile(ExeDir("bin") + QStringLiteral("/errMSg/kvsnmp.err"),
              "0\n1\n2\n3\n4\n5\n6\n7\nreworded saving error\n");
    const std::string workPath = work.toStdString();
    EXPECT_EXIT(
        {
            if (::chdir(workPath.c_str()) != 0)
                std::fprintf(stderr, "chdir failed\n");
            auto form = Create({"/I10.0.0.9"});
            for (const std::string& e : boxes_.errors)
                std::fprintf(stderr, "error: %s\n", e.c_str());
            std::fprintf(stderr, "caption: %s; texts: '%s'; catalogue row 8: %s\n",
                         form->windowTitle().toStdString().c_str(), MainTexts.AgentIP.c_str(),
                         LibraryMessages().Text(8).c_str());
            std::fflush(stderr);
            dir_.remove();
            work_->remove();
            ::_exit(0);
        },
        ::testing::ExitedWithCode(0),
        "error: \\(KvSNMP\\+\\+\\) Error when saving SNMP engine boots counter!\n"
        "caption: KSW-4800; texts: ''; catalogue row 8: \\(KvSNMP\\+\\+\\) Error when saving");
}

} // namespace
