// Hand-over of a table to the host's table viewer.
#include "ModuleStartup.h"
#include "TableViewer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

struct Captured {
    bool called = false;
    std::string program;
    std::vector<std::string> args;
};

class TableViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTableViewerLauncher([this](const std::string& program, const std::vector<std::string>& args) {
            captured_ = {true, program, args};
            return true;
        });
        MainTexts = ConnectionTexts{};
        MainTexts.AgentIP = "10.0.0.5";
        MainTexts.AgentPort = "1161";
        MainTexts.GetCommStr = "public";
        MainTexts.SetCommStr = "private";
        MainTexts.ContextName = "ctx";
        MainTexts.ContextEngineID = "8000";
        MainTexts.SecurityModel = "3";
        MainTexts.SecurityLevel = "3";
        MainTexts.SecurityName = "admin";
        MainTexts.AuthProtocol = "2";
        MainTexts.PrivProtocol = "2";
        MainTexts.AuthPassword = "authpass";
        MainTexts.PrivPassword = "priv pass";
    }
    void TearDown() override { SetTableViewerLauncher({}); }

    Captured captured_;
};

TEST_F(TableViewerTest, CommandLinePerVersion)
{
    struct Case {
        const char* version;
        const char* view;
        const char* extra;
        const char* commandLine;
    };
    const Case cases[] = {
        {"0", "/TIFMib_ifStackTable", "", "IFMib /I10.0.0.5 /Rpublic /Wprivate /TIFMib_ifStackTable "},
        {"1", "/TBridge_Forwarding", "x", "Bridge /I10.0.0.5 /Rpublic /Wprivate /TBridge_Forwarding x"},
        {"3", "/TRmon_History", "",
         "Rmon /I10.0.0.5 /t1161 /v3 /d8000 /m3 /nadmin /l3 /a2 /p2 /Aauthpass /Ppriv pass /cctx /TRmon_History "},
        // Only exactly "3" selects the v3 switches.
        {"03", "/TRmon_History", "", "Rmon /I10.0.0.5 /Rpublic /Wprivate /TRmon_History "},
    };
    for (const Case& c : cases) {
        MainTexts.Version = c.version;
        EXPECT_EQ(TableViewerCommandLine(c.view, c.extra), c.commandLine);
        captured_ = {};
        RunTableViewer(c.view, c.extra);
        ASSERT_TRUE(captured_.called);
        // The launcher gets the same line as program and arguments; a value with a
        // blank stays one argument.
        std::string line = captured_.program;
        for (const std::string& a : captured_.args)
            line += " " + a;
        if (std::string(c.extra).empty())
            line += " ";
        EXPECT_EQ(line, c.commandLine);
    }
    MainTexts.Version = "3";
    RunTableViewer("/TRmon_History", "");
    EXPECT_EQ(captured_.args[10], "/Ppriv pass");
}

TEST_F(TableViewerTest, ProgramNameUpToFirstUnderscore)
{
    EXPECT_EQ(TableViewerProgram("/TIFMib_ifStackTable"), "IFMib");
    EXPECT_EQ(TableViewerProgram("/TA_B_C"), "A");
    EXPECT_EQ(TableViewerProgram("/TNoUnderscore"), "");
    EXPECT_EQ(TableViewerProgram("_T"), "");
    EXPECT_EQ(TableViewerProgram(""), "");
}

// The real launcher: the executable's folder first, then the PATH; nothing
// waits for the viewer and a missing viewer is no error.
class TableViewerStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkdir(QStringLiteral("exe"));
        QDir(dir_.path()).mkdir(QStringLiteral("path"));
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", dir_.filePath(QStringLiteral("path")).toLocal8Bit() + ":" + oldPath_);
        SetExeFolder(dir_.filePath(QStringLiteral("exe")).toStdString());
        MainTexts = ConnectionTexts{};
        MainTexts.AgentIP = "10.0.0.5";
        MainTexts.Version = "0";
        MainTexts.GetCommStr = "pub lic";
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath_);
        SetExeFolder("");
    }
    // A viewer that writes where it was found and its arguments, one per line.
    void MakeViewer(const char* folder, const char* name)
    {
        const QString out = dir_.filePath(QStringLiteral("out.txt"));
        QFile f(dir_.filePath(QString::fromLatin1(folder) + QLatin1Char('/') + QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\n{ echo %1; for a in \"$@\"; do echo \"$a\"; done; } > '%2.tmp'\nmv '%2.tmp' '%2'\n")
                    .arg(QString::fromLatin1(folder), out)
                    .toLocal8Bit());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList WaitForOutput()
    {
        QFile f(dir_.filePath(QStringLiteral("out.txt")));
        QElapsedTimer t;
        t.start();
        while (!f.exists() && t.elapsed() < 10000)
            QThread::msleep(20);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir_;
    QByteArray oldPath_;
};

TEST_F(TableViewerStartTest, FoundOnPath)
{
    MakeViewer("path", "KswTestViewer");
    RunTableViewer("/TKswTestViewer_tbl", "");
    EXPECT_EQ(WaitForOutput(), (QStringList{"path", "/I10.0.0.5", "/Rpub lic", "/W", "/TKswTestViewer_tbl"}));
}

TEST_F(TableViewerStartTest, ExecutableFolderBeforePath)
{
    MakeViewer("path", "KswTestViewer");
    MakeViewer("exe", "KswTestViewer");
    RunTableViewer("/TKswTestViewer_tbl", "more");
    EXPECT_EQ(WaitForOutput(), (QStringList{"exe", "/I10.0.0.5", "/Rpub lic", "/W", "/TKswTestViewer_tbl", "more"}));
}

TEST_F(TableViewerStartTest, MissingViewerIgnored)
{
    EXPECT_FALSE(StartDetachedFromExeFolderOrPath("KswNoSuchViewer", {}));
    EXPECT_FALSE(StartDetachedFromExeFolderOrPath("", {}));
    EXPECT_FALSE(StartDetachedFromExeFolderOrPath("../exe/KswTestViewer", {}));
    RunTableViewer("/TNoUnderscore", "");
}

} // namespace
