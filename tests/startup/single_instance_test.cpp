// One window per agent, with real module processes: a second start for the same
// agent hands over to the first and ends; other agents run side by side; a
// socket left behind by a crashed module does not block the next start.
#include "ModuleStartup.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString kModule = QStringLiteral(KSW_BINARY_DIR "/ksw4800");

// Addresses nobody else uses while the test runs (the module does not need an
// agent to start).
QString Agent(int n)
{
    return QStringLiteral("127.%1.%2.%3").arg(n).arg((::getpid() >> 8) & 0xFF).arg(::getpid() & 0xFF);
}

QString Caption(const QString& agent)
{
    return QString::fromStdString(MainCaption(agent.toStdString()));
}

bool Serving(const QString& agent)
{
    QLocalSocket s;
    s.connectToServer(InstanceServerName(Caption(agent)));
    const bool ok = s.waitForConnected(500);
    s.abort();
    return ok;
}

bool WaitUntilServing(const QString& agent, QProcess& process)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        if (process.state() != QProcess::Running)
            return false;
        if (Serving(agent))
            return true;
        QThread::msleep(50);
    }
    return false;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(kModule)) << kModule.toStdString();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override
    {
        for (auto& p : processes_) {
            p->kill();
            p->waitForFinished(5000);
        }
        for (const QString& agent : agents_)
            QLocalServer::removeServer(InstanceServerName(Caption(agent)));
    }

    QProcess& Start(const QString& agent)
    {
        agents_ << agent;
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("ksw.instance.info=true"));
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(dir_.path());
        p->start(kModule, {QStringLiteral("/I") + agent, QStringLiteral("/v1")});
        EXPECT_TRUE(p->waitForStarted(10000));
        processes_.push_back(std::move(p));
        return *processes_.back();
    }
    static QString Stderr(QProcess& p) { return QString::fromLocal8Bit(p.readAllStandardError()); }

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<QProcess>> processes_;
    QStringList agents_;
};

TEST_F(SingleInstanceTest, SecondStartForSameAgentHandsOverAndEnds)
{
    QProcess& first = Start(Agent(1));
    ASSERT_TRUE(WaitUntilServing(Agent(1), first)) << Stderr(first).toStdString();

    QElapsedTimer t;
    t.start();
    QProcess& second = Start(Agent(1));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    QThread::msleep(200);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.waitForReadyRead(2000);
    EXPECT_TRUE(Stderr(first).contains(QStringLiteral("raise requested for \"") + Caption(Agent(1)) + QLatin1Char('"')));
}

TEST_F(SingleInstanceTest, OtherAgentsRunSideBySide)
{
    QProcess& a = Start(Agent(2));
    ASSERT_TRUE(WaitUntilServing(Agent(2), a)) << Stderr(a).toStdString();
    QProcess& b = Start(Agent(3));
    ASSERT_TRUE(WaitUntilServing(Agent(3), b)) << Stderr(b).toStdString();
    EXPECT_EQ(a.state(), QProcess::Running);
    EXPECT_EQ(b.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, SocketLeftByCrashedModuleIsTakenOver)
{
    QProcess& crashed = Start(Agent(4));
    ASSERT_TRUE(WaitUntilServing(Agent(4), crashed)) << Stderr(crashed).toStdString();
    crashed.kill();
    crashed.waitForFinished(5000);
    ASSERT_FALSE(Serving(Agent(4)));

    QProcess& next = Start(Agent(4));
    ASSERT_TRUE(WaitUntilServing(Agent(4), next)) << Stderr(next).toStdString();
    EXPECT_EQ(next.state(), QProcess::Running);
}

TEST(InstanceServerName, DistinctCaptionsDistinctNames)
{
    const QString a = InstanceServerName(QStringLiteral("KSW-4800 : 10.0.0.1"));
    EXPECT_NE(a, InstanceServerName(QStringLiteral("KSW-4800 : 10.0.0.10")));
    EXPECT_NE(a, InstanceServerName(QStringLiteral("KSW-4800 _ 10.0.0.1")));
    EXPECT_NE(InstanceServerName(QStringLiteral("a_20b")), InstanceServerName(QStringLiteral("a b")));
    EXPECT_TRUE(a.contains(QString::number(::getuid())));
    const QString longName = InstanceServerName(QStringLiteral("KSW-4800 : ") + QString(300, QLatin1Char('h')));
    EXPECT_LT(longName.size(), 100);
    EXPECT_NE(longName, InstanceServerName(QStringLiteral("KSW-4800 : ") + QString(301, QLatin1Char('h'))));
    for (const QString& n : {a, longName})
        EXPECT_FALSE(n.contains(QLatin1Char('/')) || n.contains(QLatin1Char(' ')) || n.contains(QLatin1Char(':')));
}

} // namespace
