// The Debian package as a user would get it: built with CPack into a folder of
// the test, checked by the tools Debian checks packages with (lintian, and the
// desktop entry and AppStream validators), then unpacked with dpkg -x, never
// installed, and its module run offscreen against its ksw-sim until the first
// read completes.
#include "FreePort.h"
#include "KswVersion.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Ran {
    bool ok = false;   // exit code 0
    int code = -1;
    QString output;    // stdout and stderr
};

Ran RunTool(const QString& program, const QStringList& args, int waitMs = 300000,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Ran r;
    if (!p.waitForFinished(waitMs)) {
        p.kill();
        p.waitForFinished();
        r.output = QStringLiteral("%1 did not finish: %2").arg(program, p.errorString());
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.ok = r.code == 0;
    r.output = QString::fromLocal8Bit(p.readAll());
    return r;
}

class DebianPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir(QStringLiteral("/tmp/kpk-XXXXXX"));
        const Ran cpack = RunTool(QStringLiteral(KSW_CPACK_COMMAND),
                                  {QStringLiteral("--config"), QStringLiteral(KSW_BINARY_DIR "/CPackConfig.cmake"),
                                   QStringLiteral("-B"), dir_->filePath(QStringLiteral("out"))});
        const QStringList debs = QDir(dir_->filePath(QStringLiteral("out"))).entryList({QStringLiteral("*.deb")}, QDir::Files);
        if (!cpack.ok || debs.size() != 1) {
            *error_ = QStringLiteral("cpack: ") + cpack.output;
            return;
        }
        *deb_ = dir_->filePath(QStringLiteral("out/") + debs.first());
        const Ran unpack = RunTool(QStringLiteral("dpkg"), {QStringLiteral("-x"), *deb_, Root()});
        if (!unpack.ok)
            *error_ = QStringLiteral("dpkg -x: ") + unpack.output;
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(error_->isEmpty()) << error_->toStdString(); }

    // The unpacked tree, as it would lie under /.
    static QString Root() { return dir_->filePath(QStringLiteral("root")); }
    static QString Unpacked(const QString& path) { return Root() + path; }

    static QTemporaryDir* dir_;
    static QString* deb_;
    static QString* error_;
};
QTemporaryDir* DebianPackage::dir_ = nullptr;
QString* DebianPackage::deb_ = new QString;
QString* DebianPackage::error_ = new QString;

TEST_F(DebianPackage, PassesLintianAndTheDesktopValidators)
{
    // Warnings fail as errors do; what an override silences says why in its file.
    const Ran lintian = RunTool(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"),
                                                            QStringLiteral("--no-tag-display-limit"), *deb_});
    EXPECT_TRUE(lintian.ok) << lintian.output.toStdString();
    EXPECT_FALSE(lintian.output.contains(QRegularExpression(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption)))
        << lintian.output.toStdString();

    const Ran desktop = RunTool(QStringLiteral("desktop-file-validate"), {Unpacked(QStringLiteral("/usr/share/applications/ksw4800.desktop"))});
    EXPECT_TRUE(desktop.ok) << desktop.output.toStdString();
    EXPECT_FALSE(desktop.output.contains(QLatin1String("error:")) || desktop.output.contains(QLatin1String("warning:")))
        << desktop.output.toStdString();

    const QString metainfoDir = Unpacked(QStringLiteral("/usr/share/metainfo"));
    const QStringList metainfo = QDir(metainfoDir).entryList({QStringLiteral("*.metainfo.xml")}, QDir::Files);
    ASSERT_EQ(metainfo.size(), 1) << metainfo.join(' ').toStdString();
    const Ran appstream = RunTool(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                                   metainfoDir + QLatin1Char('/') + metainfo.first()});
    EXPECT_TRUE(appstream.ok) << appstream.output.toStdString();
}

TEST_F(DebianPackage, CarriesItsLicenceHistoryIconsAndOneVersion)
{
    for (const char* path : {"/usr/share/doc/ksw4800/copyright", "/usr/share/doc/ksw4800/changelog.Debian.gz",
                             "/usr/share/man/man1/ksw4800.1.gz", "/usr/share/man/man1/ksw-sim.1.gz"})
        EXPECT_GT(QFileInfo(Unpacked(QLatin1String(path))).size(), 0) << path;
    QFile copyright(Unpacked(QStringLiteral("/usr/share/doc/ksw4800/copyright")));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly));
    const QByteArray dep5 = copyright.readAll();
    EXPECT_TRUE(dep5.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
    EXPECT_TRUE(dep5.contains("Copyright: 2026 The KSW-4800 management module authors\n"));
    for (int size : {16, 32, 48, 64, 128}) {
        const QString icon = Unpacked(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/ksw4800.png").arg(size));
        EXPECT_EQ(QImageReader(icon).size(), QSize(size, size)) << icon.toStdString();
    }

    // The package's upstream version is the one the programs give.
    const Ran field = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), *deb_, QStringLiteral("Version")});
    ASSERT_TRUE(field.ok) << field.output.toStdString();
    const QString version = field.output.trimmed();
    EXPECT_TRUE(version.startsWith(QLatin1String(KswVersion) + QLatin1Char('-'))) << version.toStdString();
    for (const char* program : {"ksw4800", "ksw-sim"}) {
        const Ran answer = RunTool(Unpacked(QStringLiteral("/usr/bin/") + QLatin1String(program)), {QStringLiteral("--version")});
        EXPECT_TRUE(answer.ok) << answer.output.toStdString();
        EXPECT_EQ(answer.output, QLatin1String(program) + QLatin1Char(' ') + version.section(QLatin1Char('-'), 0, -2) + QLatin1Char('\n'));
    }
}

TEST_F(DebianPackage, UnpackedModuleReadsFromUnpackedSimulator)
{
    const quint16 port = FreeUdpPort();
    ASSERT_NE(port, 0);
    QTemporaryDir work(QStringLiteral("/tmp/kpw-XXXXXX"));
    ASSERT_TRUE(work.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(work.path()).constData(), 0700), 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), work.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.path());
    env.insert(QStringLiteral("TMPDIR"), work.path());

    // No --data: the data the package installs.
    QProcess sim;
    sim.setProcessEnvironment(env);
    sim.setWorkingDirectory(work.path());
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.start(Unpacked(QStringLiteral("/usr/bin/ksw-sim")), {QStringLiteral("--port"), QString::number(port)});
    QString simLog;
    const QDeadlineTimer simStarted(30000);
    while (!simLog.contains(QLatin1String("ksw-sim: started")) && sim.state() != QProcess::NotRunning && !simStarted.hasExpired()) {
        sim.waitForReadyRead(50);
        simLog += QString::fromLocal8Bit(sim.readAllStandardError());
    }
    ASSERT_TRUE(simLog.contains(QLatin1String("ksw-sim: started")) && simLog.contains(Root())) << simLog.toStdString();

    QProcess module;
    module.setProcessEnvironment(env);
    module.setWorkingDirectory(work.path());
    module.setStandardOutputFile(QProcess::nullDevice());
    module.start(Unpacked(QStringLiteral("/usr/bin/ksw4800")),
                 {QStringLiteral("/I127.0.0.1"), QStringLiteral("/t%1").arg(port), QStringLiteral("/v1"),
                  QStringLiteral("--open"), QStringLiteral("IFXTable1")});
    ASSERT_TRUE(module.waitForStarted(10000));
    QString err;
    const QDeadlineTimer deadline(60000);
    while (!err.contains(QLatin1String("Get: ")) && module.state() == QProcess::Running && !deadline.hasExpired()) {
        module.waitForReadyRead(100);
        err += QString::fromLocal8Bit(module.readAllStandardError());
    }
    const bool running = module.state() == QProcess::Running;
    module.terminate();
    const bool ended = module.waitForFinished(10000);
    if (!ended)
        module.kill();
    err += QString::fromLocal8Bit(module.readAllStandardError());
    sim.terminate();
    sim.waitForFinished(10000);
    EXPECT_TRUE(running) << err.toStdString();
    EXPECT_TRUE(err.contains(QRegularExpression(QStringLiteral("^Get: .*Ok!"), QRegularExpression::MultilineOption)))
        << err.toStdString();
    EXPECT_TRUE(ended);
    EXPECT_EQ(module.exitCode(), 128 + 15);
}

} // namespace
