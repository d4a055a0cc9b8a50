// How often the module wakes up while it only shows the front panel: ksw4800 runs
// against ksw-sim (offscreen), and after a warm-up its main thread's voluntary
// context switches (each one a wait of the event loop that ended: timer, socket
// or other event) and the process's processor time are sampled from /proc over a
// span of seconds.  The main thread lives throughout, so its count is whole;
// other threads are counted only while alive at both samples (a thread that
// ends between them takes its count with it), and the threads that came or went
// are reported beside them.
//
//     bench_idle_wakeups [SECONDS]     (default 60)
//
// The three LED bindings poll every 5 s, so their requests, answers and the
// flashing of up ports after each poll are the whole expected traffic.
#include "KswSim.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

struct Sample {
    std::map<qint64, long long> voluntary;   // per thread alive at the sample
    long long involuntary = 0;
    long long mainVoluntary = 0;
    long long mainInvoluntary = 0;
    long long cpuTicks = 0;      // user + system, of every thread, ended ones included
    int threads = 0;
};

long long field(const QByteArray& status, const char* name)
{
    const QByteArray key = QByteArray(name) + ':';
    const qsizetype at = status.indexOf(key);
    if (at < 0)
        return 0;
    const qsizetype end = status.indexOf('\n', at);
    return status.mid(at + key.size(), end - at - key.size()).trimmed().toLongLong();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool sample(qint64 pid, Sample& out)
{
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    const QByteArray stat = readAll(proc + QStringLiteral("/stat"));
    // Fields after the command's closing parenthesis: state is field 3, utime 14, stime 15.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> f = stat.mid(close + 2).split(' ');
    if (f.size() < 13)
        return false;
    out.cpuTicks = f[11].toLongLong() + f[12].toLongLong();
    const QStringList tasks = QDir(proc + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    out.threads = static_cast<int>(tasks.size());
    for (const QString& t : tasks) {
        const QByteArray s = readAll(proc + QStringLiteral("/task/") + t + QStringLiteral("/status"));
        out.voluntary[t.toLongLong()] = field(s, "voluntary_ctxt_switches");
        out.involuntary += field(s, "nonvoluntary_ctxt_switches");
        if (t.toLongLong() == pid) {
            out.mainVoluntary = field(s, "voluntary_ctxt_switches");
            out.mainInvoluntary = field(s, "nonvoluntary_ctxt_switches");
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: bench_idle_wakeups [SECONDS]\n");
        return 2;
    }
    KswSim sim;
    if (!sim.running()) {
        std::fprintf(stderr, "ksw-sim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    // The module keeps its engine-boots file in its working folder.
    QTemporaryDir work;
    QProcess module;
    module.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.path());
    module.setProcessEnvironment(env);
    module.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    module.start(QStringLiteral(KSW_BINARY_DIR "/ksw4800"),
                 {QStringLiteral("/I127.0.0.1"), QStringLiteral("/t%1").arg(sim.port()), QStringLiteral("/v1")});
    if (!module.waitForStarted(5000)) {
        std::fprintf(stderr, "ksw4800 did not start\n");
        return 1;
    }
    // Start-up and the first polls are not idle.
    QThread::sleep(6);
    Sample a, b;
    if (module.state() != QProcess::Running || !sample(module.processId(), a)) {
        std::fprintf(stderr, "ksw4800 ended early\n");
        return 1;
    }
    QThread::sleep(static_cast<unsigned long>(seconds));
    const bool ok = module.state() == QProcess::Running && sample(module.processId(), b);
    module.terminate();
    if (!module.waitForFinished(5000))
        module.kill();
    if (!ok) {
        std::fprintf(stderr, "ksw4800 ended during the measurement\n");
        return 1;
    }
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double mainWakeups = static_cast<double>(b.mainVoluntary - a.mainVoluntary) / seconds;
    long long others = 0;
    int kept = 0, came = 0, went = 0;
    for (const auto& [tid, n] : b.voluntary) {
        const auto before = a.voluntary.find(tid);
        if (before == a.voluntary.end()) {
            ++came;
        } else if (tid != module.processId()) {
            ++kept;
            others += n - before->second;
        }
    }
    for (const auto& [tid, n] : a.voluntary)
        went += b.voluntary.count(tid) ? 0 : 1;
    const double cpu = 100.0 * static_cast<double>(b.cpuTicks - a.cpuTicks) / hz / seconds;
    std::printf("idle front panel over %d s: main thread %.2f voluntary context switches/s (%.2f involuntary/s); "
                "%d other threads alive throughout %.2f/s; threads started %d, ended %d; CPU %.3f %% of a core\n",
                seconds, mainWakeups, static_cast<double>(b.mainInvoluntary - a.mainInvoluntary) / seconds, kept,
                static_cast<double>(others) / seconds, came, went, cpu);
    std::printf("target: main thread under 2 wake-ups/s and under 0.3 %% CPU: %s\n",
                mainWakeups < 2 && cpu < 0.3 ? "met" : "NOT met");
    return 0;
}
