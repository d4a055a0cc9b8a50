// `cmake --install` into a temporary prefix: the tree holds what an installation
// needs, and the installed module runs against the installed ksw-sim, each
// finding its data in the installed share folder (nothing lies beside them).
#include "FreePort.h"
#include "KvTestUtil.h"
#include "kvsnmp/KvCatalogueFiles.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

class InstalledTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(KSW_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(KSW_BINARY_DIR), QStringLiteral("--prefix"), prefix_->path()});
        installed_ = install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        output_ = new QString(QString::fromLocal8Bit(install.readAll()));
    }
    static void TearDownTestSuite()
    {
        delete prefix_;
        delete output_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << output_->toStdString(); }

    static QString Path(const QString& relative) { return prefix_->filePath(relative); }

    static QTemporaryDir* prefix_;
    static QString* output_;
    static bool installed_;
};
QTemporaryDir* InstalledTree::prefix_ = nullptr;
QString* InstalledTree::output_ = nullptr;
bool InstalledTree::installed_ = false;

TEST_F(InstalledTree, HoldsProgramsDataDesktopEntryAndManPages)
{
    for (const char* program : {"bin/ksw4800", "bin/ksw-sim"})
        EXPECT_TRUE(QFileInfo(Path(QLatin1String(program))).isExecutable()) << program;
    QStringList files{QStringLiteral("share/ksw4800/KSW-4800dr3.html"), QStringLiteral("share/ksw-sim/ksw4800.snmprec"),
                      QStringLiteral("share/applications/ksw4800.desktop"),
                      QStringLiteral("share/icons/hicolor/32x32/apps/ksw4800.png"),
                      QStringLiteral("share/man/man1/ksw4800.1.gz"), QStringLiteral("share/man/man1/ksw-sim.1.gz")};
    for (const KvCatalogueFile& c : CatalogueFiles())
        files << QStringLiteral("share/ksw4800/errMSg/") + QLatin1String(c.File);
    for (const QString& f : files)
        EXPECT_GT(QFileInfo(Path(f)).size(), 0) << f.toStdString();

    // The launcher starts the installed program and shows the installed icon.
    QSettings desktop(Path(QStringLiteral("share/applications/ksw4800.desktop")), QSettings::IniFormat);
    desktop.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(desktop.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
    // Started from a menu the module has no switches: it asks for the switch.
    EXPECT_EQ(desktop.value(QStringLiteral("Exec")).toString(), QStringLiteral("ksw4800 --ask"));
    EXPECT_EQ(desktop.value(QStringLiteral("Icon")).toString(), QStringLiteral("ksw4800"));
}

TEST_F(InstalledTree, CataloguesHoldTheBuiltInTextsRowForRow)
{
    // A shipped catalogue must not shift a message into another row: loaded into
    // a table it changes nothing.
    for (const KvCatalogueFile& c : CatalogueFiles()) {
        KvMessageTable& live = c.Table();
        std::vector<std::string> texts;
        for (int row = 0; row < live.Count(); ++row)
            texts.push_back(live.Text(row));
        KvMessageTable loaded(texts);
        for (int row = 0; row < loaded.Count(); ++row)
            loaded.Replace(row, "?");
        LoadCatalogue(loaded, Path(QStringLiteral("share/ksw4800/errMSg/") + QLatin1String(c.File)).toStdString());
        int replaced = 0;
        for (int row = 0; row < loaded.Count(); ++row) {
            if (loaded.Text(row) == "?")
                continue;
            EXPECT_EQ(loaded.Text(row), texts[row]) << c.File << " row " << row;
            ++replaced;
        }
        EXPECT_GT(replaced, 0) << c.File;
    }
}

TEST_F(InstalledTree, ModuleRunsAgainstTheInstalledSimulator)
{
    // No --data: the installed data.
    const quint16 port = FreeUdpPort();
    ASSERT_NE(port, 0);
    QTemporaryDir simDir;
    QProcess sim;
    sim.setWorkingDirectory(simDir.path());
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.start(Path(QStringLiteral("bin/ksw-sim")), {QStringLiteral("--port"), QString::number(port)});
    QString simLog;
    const QDeadlineTimer simStarted(20000);
    while (!simLog.contains(QLatin1String("ksw-sim: started")) && sim.state() != QProcess::NotRunning &&
           !simStarted.hasExpired()) {
        sim.waitForReadyRead(50);
        simLog += QString::fromLocal8Bit(sim.readAllStandardError());
    }
    ASSERT_TRUE(simLog.contains(QLatin1String("ksw-sim: started"))) << simLog.toStdString();

    // A reworded status line proves the module reads the installed catalogues.
    WriteFile(Path(QStringLiteral("share/ksw4800/errMSg/snmp.msg")),
              "Installed get: [ERROR] Request:[VARLIST].\nInstalled set: [ERROR] Request:[VARLIST].\n");
    QTemporaryDir work;
    QProcess module;
    module.setWorkingDirectory(work.path());
    module.setStandardOutputFile(QProcess::nullDevice());
    module.start(Path(QStringLiteral("bin/ksw4800")),
                 {QStringLiteral("/I127.0.0.1"), QStringLiteral("/t%1").arg(port), QStringLiteral("/v1"),
                  QStringLiteral("--open"), QStringLiteral("IFXTable1")});
    ASSERT_TRUE(module.waitForStarted(10000));
    QString err;
    const QDeadlineTimer deadline(60000);
    while (!err.contains(QLatin1String("Installed get: ")) && module.state() == QProcess::Running && !deadline.hasExpired()) {
        module.waitForReadyRead(100);
        err += QString::fromLocal8Bit(module.readAllStandardError());
    }
    const bool running = module.state() == QProcess::Running;
    module.terminate();
    if (!module.waitForFinished(10000))
        module.kill();
    err += QString::fromLocal8Bit(module.readAllStandardError());
    sim.terminate();
    sim.waitForFinished(10000);
    EXPECT_TRUE(running) << err.toStdString();
    EXPECT_TRUE(err.contains(QRegularExpression(QStringLiteral("^Installed get: .*Ok!"), QRegularExpression::MultilineOption))) << err.toStdString();
}

} // namespace
