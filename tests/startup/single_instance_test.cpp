// One window per agent (address and port) and desktop, with real module
// processes: a second start for the same agent on the same display hands over
// to the first and ends; other agents, ports, displays and runtime folders run
// side by side; a socket left behind by a crashed module does not block the
// next start, and one that is not the user's own, or lies in a folder others
// may enter, is never trusted.  A signal to end leaves neither the socket nor
// the SNMP engine's private folder behind.
#include "KswSim.h"
#include "ModuleStartup.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// Failures show paths as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// Socket paths are short: so are the test's folders.
QString ShortTemplate()
{
    return QStringLiteral("/tmp/ksi-XXXXXX");
}

const QString kModule = QStringLiteral(KSW_BINARY_DIR "/ksw4800");

// The instance key of an agent at the default port.
QString Key(const QString& agent, int port = 161)
{
    return QString::fromStdString(AgentInstanceKey({agent.toStdString(), static_cast<std::uint16_t>(port)}));
}

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, QString>> values)
{
    QProcessEnvironment env;
    for (const auto& [key, value] : values)
        env.insert(QString::fromLatin1(key), value);
    return env;
}

// The socket the module started with this runtime folder serves for the agent
// (offscreen: no display).
QString SocketIn(const QString& folder, const QString& agent, int port = 161)
{
    return InstanceServerName(folder, QString(), Key(agent, port));
}

// The access bits of a file, 0 when it is missing.
mode_t Mode(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// The process listening on the socket, 0 when none is.
pid_t Listener(const QString& socketPath)
{
    QLocalSocket s;
    s.connectToServer(socketPath);
    ucred cred{};
    socklen_t length = sizeof cred;
    const bool ok = s.waitForConnected(500) &&
                    ::getsockopt(static_cast<int>(s.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0;
    s.abort();
    return ok ? cred.pid : 0;
}

bool Serving(const QString& socketPath)
{
    return Listener(socketPath) != 0;
}

bool WaitUntilServing(const QString& socketPath, QProcess& process)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        if (process.state() != QProcess::Running)
            return false;
        if (Listener(socketPath) == static_cast<pid_t>(process.processId()))
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
        // The module's own folder when the runtime folder is refused lies here.
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("tmp")));
        runtime_ = PrivateFolder(QStringLiteral("rt"));
    }
    void TearDown() override
    {
        for (auto& p : processes_) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    QString PrivateFolder(const QString& name)
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0700), 0);
        return path;
    }
    QString Temp() const { return dir_.filePath(QStringLiteral("tmp")); }
    // The folder the module makes for itself when the runtime folder will not do.
    QString OwnFolder() const { return Temp() + QStringLiteral("/ksw4800-") + QString::number(::getuid()); }

    QProcess& Start(const QString& agent, const QString& runtime, const QStringList& more = {QStringLiteral("/v1")})
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("ksw.instance.info=true"));
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("TMPDIR"), Temp());
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(dir_.path());
        p->start(kModule, QStringList{QStringLiteral("/I") + agent} + more);
        EXPECT_TRUE(p->waitForStarted(10000));
        processes_.push_back(std::move(p));
        return *processes_.back();
    }
    QProcess& Start(const QString& agent) { return Start(agent, runtime_); }
    static QString Stderr(QProcess& p) { return QString::fromLocal8Bit(p.readAllStandardError()); }
    // What the process has written on stderr once the text is among it (or
    // after waitMs without it).
    static QString StderrWith(QProcess& p, const QString& text, int waitMs = 2000)
    {
        QString said;
        QElapsedTimer t;
        t.start();
        while (!said.contains(text) && t.elapsed() < waitMs) {
            p.waitForReadyRead(50);
            said += Stderr(p);
        }
        return said;
    }

    QTemporaryDir dir_{ShortTemplate()};
    QString runtime_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

const QString kAgent = QStringLiteral("10.1.2.3");

TEST_F(SingleInstanceTest, SecondStartForSameAgentHandsOverAndEnds)
{
    QProcess& first = Start(kAgent);
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent), first)) << Stderr(first).toStdString();

    QElapsedTimer t;
    t.start();
    QProcess& second = Start(kAgent);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // It says why it ended, in one line.
    const QStringList said = Stderr(second).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(said.size(), 1) << said.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(said[0].contains(QStringLiteral("brought it forward"))) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains(Key(kAgent)));

    QThread::msleep(200);
    EXPECT_EQ(first.state(), QProcess::Running);
    const QString raised = QStringLiteral("raise requested for \"") + Key(kAgent) + QLatin1Char('"');
    EXPECT_TRUE(StderrWith(first, raised).contains(raised));
}

// Two switches behind one address on different ports each get their window; a
// start for one of them still finds its window.
TEST_F(SingleInstanceTest, PortsOfOneAddressAreAgentsOfTheirOwn)
{
    QProcess& first = Start(kAgent, runtime_, {QStringLiteral("/t1161"), QStringLiteral("/v1")});
    QProcess& second = Start(kAgent, runtime_, {QStringLiteral("/v1"), QStringLiteral("/t1162")});
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent, 1161), first)) << Stderr(first).toStdString();
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent, 1162), second)) << Stderr(second).toStdString();

    QProcess& again = Start(kAgent, runtime_, {QStringLiteral("/t1162")});
    ASSERT_TRUE(again.waitForFinished(10000));
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_TRUE(Stderr(again).contains(Key(kAgent, 1162)));
    const QString raised = QStringLiteral("raise requested for \"") + Key(kAgent, 1162) + QLatin1Char('"');
    EXPECT_TRUE(StderrWith(second, raised).contains(raised));
    EXPECT_EQ(first.state(), QProcess::Running);
}

// SIGTERM and SIGINT end the module as closing its window does, also from
// inside a modal view: the exit code says which signal, and neither the
// instance socket nor the SNMP engine's private folder is left behind.
TEST_F(SingleInstanceTest, SignalEndsTheModuleAndLeavesNothingBehind)
{
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QString port = QString::number(sim.port());
    struct Case {
        const char* name;
        int signal;
        bool viewOpen;
    } const cases[] = {{"sigterm", SIGTERM, false}, {"sigint", SIGINT, false}, {"sigterm_in_modal_view", SIGTERM, true}};
    const QDir temp(Temp());
    const QStringList engineFolders{QStringLiteral("ksw-snmp-*")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList args{QStringLiteral("/t") + port, QStringLiteral("/v1")};
        if (c.viewOpen)
            args << QStringLiteral("--open") << QStringLiteral("IFXTable1");
        QProcess& module = Start(sim.address(), runtime_, args);
        const QString socket = SocketIn(runtime_, sim.address(), sim.port());
        ASSERT_TRUE(WaitUntilServing(socket, module)) << Stderr(module).toStdString();
        if (c.viewOpen) {
            // The view's first read has ended: its modal loop runs.
            const QString said = StderrWith(module, QStringLiteral("Get: "), 30000);
            ASSERT_TRUE(said.contains(QStringLiteral("Get: "))) << said.toStdString();
        }
        EXPECT_EQ(temp.entryList(engineFolders, QDir::Dirs).size(), 1);

        ASSERT_EQ(::kill(static_cast<pid_t>(module.processId()), c.signal), 0);
        ASSERT_TRUE(module.waitForFinished(10000));
        EXPECT_EQ(module.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(module.exitCode(), 128 + c.signal);
        EXPECT_EQ(temp.entryList(engineFolders, QDir::Dirs), QStringList{});
        EXPECT_FALSE(QFileInfo::exists(socket));
    }
}

// Other agents, and other logins or tests with runtime folders of their own,
// run side by side.
TEST_F(SingleInstanceTest, OtherAgentsAndRuntimeFoldersRunSideBySide)
{
    const QString other = PrivateFolder(QStringLiteral("rt2"));
    struct {
        QString agent;
        QString runtime;
    } const starts[] = {{kAgent, runtime_}, {QStringLiteral("10.1.2.4"), runtime_}, {kAgent, other}};
    std::vector<QProcess*> started;
    for (const auto& s : starts) {
        QProcess& p = Start(s.agent, s.runtime);
        ASSERT_TRUE(WaitUntilServing(SocketIn(s.runtime, s.agent), p)) << Stderr(p).toStdString();
        started.push_back(&p);
    }
    for (QProcess* p : started)
        EXPECT_EQ(p->state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, SocketLeftByCrashedModuleIsTakenOver)
{
    QProcess& crashed = Start(kAgent);
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent), crashed)) << Stderr(crashed).toStdString();
    crashed.kill();
    crashed.waitForFinished(5000);
    ASSERT_FALSE(Serving(SocketIn(runtime_, kAgent)));

    QProcess& next = Start(kAgent);
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent), next)) << Stderr(next).toStdString();
    EXPECT_EQ(next.state(), QProcess::Running);
}

// Regression: anyone listening on the name made every start end silently.  A
// listener in a runtime folder that others may enter is not asked; the module
// serves from a private folder of its own instead.
TEST_F(SingleInstanceTest, ListenerInOpenRuntimeFolderIsNotTrusted)
{
    const QString open = dir_.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkpath(open));
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(SocketIn(open, kAgent)));
    int asked = 0;
    QObject::connect(&squatter, &QLocalServer::newConnection, [&] { ++asked; });

    QProcess& module = Start(kAgent, open);
    ASSERT_TRUE(WaitUntilServing(SocketIn(OwnFolder(), kAgent), module)) << Stderr(module).toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Mode(OwnFolder()), 0700u);
}

// A listener of another user on the very name, in the user's own folder (as
// root could plant it), is not asked either: its socket is replaced.
TEST_F(SingleInstanceTest, ListenerOfAnotherUserIsNotTrusted)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to listen as another user";
    const QByteArray path = QFile::encodeName(SocketIn(runtime_, kAgent));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Bound as root in the private folder, listening as nobody.  It accepts
        // nobody: the backlog must hold every poll of WaitUntilServing (one per
        // 50 ms while the module starts) and still take the module's connection.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool ok = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                        ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::listen(fd, SOMAXCONN) == 0;
        const char byte = ok ? '1' : '0';
        (void)!::write(ready[1], &byte, 1);
        while (ok)
            ::pause();
        ::_exit(ok ? 0 : 1);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    struct Reap {
        pid_t pid;
        ~Reap()
        {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } reap{child};
    ASSERT_EQ(byte, '1');

    QProcess& module = Start(kAgent);
    ASSERT_TRUE(WaitUntilServing(SocketIn(runtime_, kAgent), module)) << Stderr(module).toStdString();
    EXPECT_TRUE(StderrWith(module, QStringLiteral("not trusted")).contains(QStringLiteral("not trusted")));
    EXPECT_EQ(module.state(), QProcess::Running);
}

// Which runtime folder is used: only one that nobody else may enter.
TEST(InstanceFolder, OnlyPrivateFoldersAreUsed)
{
    QTemporaryDir dir(ShortTemplate());
    ASSERT_TRUE(dir.isValid());
    const QString temp = dir.filePath(QStringLiteral("t"));
    const QString own = temp + QStringLiteral("/ksw4800-") + QString::number(::getuid());
    auto folder = [&](const char* name, mode_t mode) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(path).constData(), mode);
        return path;
    };
    const QString privateDir = folder("private", 0700);
    const QString groupDir = folder("group", 0750);
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(privateDir, link));
    QDir().mkpath(temp);

    struct {
        const char* name;
        QString runtime;
        QString expected;
    } const cases[] = {
        {"private", privateDir, privateDir},
        {"open_to_group", groupDir, own},
        {"link_to_private", link, own},
        {"unset", QString(), own},
        {"relative", QStringLiteral("private"), own},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstanceFolder(Env({{"XDG_RUNTIME_DIR", c.runtime}, {"TMPDIR", temp}})), c.expected) << c.name;
        if (c.expected == own) {
            EXPECT_EQ(Mode(own), 0700u) << c.name;
        }
    }

    // A folder of that name that others may enter is not taken over.
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0755), 0);
    EXPECT_EQ(InstanceFolder(Env({{"TMPDIR", temp}})), QString());
    EXPECT_EQ(InstanceServerName(QString(), QString(), QStringLiteral("10.0.0.1:161")), QString());
}

// Which starts meet: the same display (however it is written) and agent key
// do, anything else does not.
TEST(InstanceServerName, SameDisplayAndAgentOnly)
{
    struct Start {
        const char* platform;
        const char* display;          // DISPLAY
        const char* waylandDisplay;   // WAYLAND_DISPLAY, nullptr: unset
        const char* key;
    };
    struct Case {
        const char* name;
        Start a;
        Start b;
        bool meet;
    } const cases[] = {
        {"same_x_display", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", ":0", nullptr, "10.0.0.1:161"}, true},
        {"screen_of_same_display", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", "unix:0.1", nullptr, "10.0.0.1:161"}, true},
        {"other_x_display", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", ":1", nullptr, "10.0.0.1:161"}, false},
        {"remote_x_display", {"xcb", ":10", nullptr, "10.0.0.1:161"}, {"xcb", "localhost:10", nullptr, "10.0.0.1:161"}, false},
        {"wayland_default_name", {"wayland", ":0", nullptr, "10.0.0.1:161"}, {"wayland", ":1", "wayland-0", "10.0.0.1:161"}, true},
        {"other_wayland_display", {"wayland", ":0", "wayland-0", "10.0.0.1:161"}, {"wayland", ":0", "wayland-1", "10.0.0.1:161"}, false},
        {"x_and_wayland", {"xcb", ":0", "wayland-0", "10.0.0.1:161"}, {"wayland", ":0", "wayland-0", "10.0.0.1:161"}, false},
        {"offscreen_has_no_display", {"offscreen", ":0", nullptr, "10.0.0.1:161"}, {"offscreen", ":1", "wayland-1", "10.0.0.1:161"}, true},
        {"other_agent", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", ":0", nullptr, "10.0.0.10:161"}, false},
        {"other_port", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", ":0", nullptr, "10.0.0.1:1161"}, false},
        {"other_separator", {"xcb", ":0", nullptr, "10.0.0.1:161"}, {"xcb", ":0", nullptr, "10.0.0.1_161"}, false},
        {"escape_is_not_a_character", {"xcb", ":0", nullptr, "a_20b"}, {"xcb", ":0", nullptr, "a b"}, false},
        // The display and the key never run into each other.
        {"display_caption_boundary", {"wayland", "", "w-a", "b"}, {"wayland", "", "w", "a-b"}, false},
    };
    const QString folder = QStringLiteral("/run/user/1000");
    auto name = [&folder](const Start& s) {
        QProcessEnvironment env = Env({{"DISPLAY", QString::fromLatin1(s.display)}});
        if (s.waylandDisplay)
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLatin1(s.waylandDisplay));
        return InstanceServerName(folder, InstanceDisplay(QString::fromLatin1(s.platform), env),
                                  QString::fromUtf8(s.key));
    };
    for (const Case& c : cases)
        EXPECT_EQ(name(c.a) == name(c.b), c.meet) << c.name << ": " << name(c.a).toStdString() << " / "
                                                  << name(c.b).toStdString();
}

TEST(InstanceServerName, FitsSocketPathAndStaysInFolder)
{
    const QString folder = QStringLiteral("/tmp/ksw4800-1000");
    const QString shortName = InstanceServerName(folder, QStringLiteral("x11::0"), QStringLiteral("10.0.0.1:161"));
    const QString longName = InstanceServerName(folder, QStringLiteral("x11::0"), QString(300, QLatin1Char('h')) + QStringLiteral(":161"));
    EXPECT_NE(longName, InstanceServerName(folder, QStringLiteral("x11::0"), QString(301, QLatin1Char('h')) + QStringLiteral(":161")));
    EXPECT_NE(longName, InstanceServerName(folder, QStringLiteral("x11::1"), QString(300, QLatin1Char('h')) + QStringLiteral(":161")));
    for (const QString& n : {shortName, longName}) {
        EXPECT_TRUE(n.startsWith(folder + QLatin1Char('/'))) << n.toStdString();
        EXPECT_LE(n.toUtf8().size(), 96) << n.toStdString();
        const QString file = n.mid(folder.size() + 1);
        EXPECT_FALSE(file.contains(QLatin1Char('/')) || file.contains(QLatin1Char(' ')) || file.contains(QLatin1Char(':')));
        EXPECT_TRUE(file.contains(QString::number(::getuid())));
    }
}

} // namespace
