// The snapshot options of the command line, as a scheduled job runs them: the
// module without a display and without a window, its exit code, and one line
// on stderr when something fails.
#include "KswSim.h"
#include "kvsnmp/KvSnapshotFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString kModule = QStringLiteral(KSW_BINARY_DIR "/ksw4800");

struct Outcome {
    int Code = -1;
    QString Out, Err;
};

Outcome RunModule(const QStringList& args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(kModule, args);
    Outcome o;
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000))
        return o;
    o.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.Out = QString::fromUtf8(p.readAllStandardOutput());
    o.Err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

TEST(SnapshotCommand, SavesComparesAndFailsAsAScheduledJobNeeds)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QTemporaryDir dir;
    const QString file = dir.filePath("sim.snap");
    const QStringList agent{QStringLiteral("/I127.0.0.1"), QStringLiteral("/t%1").arg(sim.port()),
                            QStringLiteral("/v1")};

    Outcome o = RunModule(agent + QStringList{QStringLiteral("--snapshot"), file});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    EXPECT_TRUE(o.Err.isEmpty()) << o.Err.toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // The same switch: no difference, nothing printed.
    o = RunModule(agent + QStringList{QStringLiteral("--compare"), file});
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    EXPECT_TRUE(o.Out.isEmpty()) << o.Out.toStdString();

    // Two files offline: a changed value is listed by view and column, exit 1.
    KvSnapshot edited = KvReadSnapshotFile(file.toStdString());
    for (KvSnapshotLine& l : edited.Lines)
        if (l.Oid == "1.3.6.1.4.1.97531.12.8.1.2.3.0")
            l.Value = "222";
    const QString other = dir.filePath("other.snap");
    KvWriteSnapshotFile(edited, other.toStdString());
    o = RunModule({QStringLiteral("--compare"), file, other});
    EXPECT_EQ(o.Code, 1) << o.Err.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("Holdtime | changed: \"100\" -> \"222\""))) << o.Out.toStdString();

    struct Failure {
        const char* Name;
        QStringList Args;
        int Code;
        const char* Says;
    };
    QFile cut(dir.filePath("cut.snap"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    QFile whole(file);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    cut.write(whole.readAll().left(5000));
    cut.close();
    const Failure failures[] = {
        {"no file after --snapshot", agent + QStringList{QStringLiteral("--snapshot")}, 2, "--snapshot needs"},
        {"a cut file", agent + QStringList{QStringLiteral("--compare"), cut.fileName()}, 3, "cut.snap:"},
        {"a folder that is not there",
         agent + QStringList{QStringLiteral("--snapshot"), dir.filePath("none/x.snap")}, 3, "x.snap"},
        {"an agent that does not answer",
         QStringList{QStringLiteral("/I127.0.0.1"), QStringLiteral("/t%1").arg(sim.port() == 9 ? 10 : 9),
                     QStringLiteral("/v1"), QStringLiteral("--snapshot"), dir.filePath("never.snap")},
         4, "timed out"},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.Name);
        o = RunModule(f.Args);
        EXPECT_EQ(o.Code, f.Code) << o.Err.toStdString();
        EXPECT_EQ(o.Err.count(QLatin1Char('\n')), 1) << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(QString::fromLatin1(f.Says))) << o.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("never.snap")));
}

} // namespace
