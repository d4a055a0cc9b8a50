// What the traffic monitor costs, next to the front panel's own idle cost, in
// one run against ksw-sim with its traffic model (offscreen, in this process;
// the agent is another process and is not counted):
//
//   1. the front panel alone (flap marks off): processor time per second;
//   2. the front panel with the flap marks (states every 5 s);
//   3. the port overview and a chart of 4 ports at a 1 s interval: processor
//      time, requests and bindings per poll;
//   4. bytes per poll, counted by a relay in front of the agent, next to
//      net-snmp's snmpbulkwalk of the same columns through the same relay;
//   5. memory: the rings' size computed, and the resident memory 50 rings take
//      after a simulated hour (and a second one) of samples.
//
//     bench_monitor_cost [SECONDS]     (default 60 per phase)
#include "BenchSupport.h"
#include "KswSim.h"
#include "MainMenu.h"
#include "Mainunit.h"
#include "monitorwin/Monitor.h"
#include "monitorwin/PortChart.h"
#include "monitorwin/PortOverview.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long ResidentKiB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) / 1024 : 0;
}

// Forwards datagrams between one client and the agent, counting the bytes.
class Relay : public QObject {
public:
    explicit Relay(quint16 agentPort) : agentPort_(agentPort)
    {
        front_.bind(QHostAddress::LocalHost, 0);
        back_.bind(QHostAddress::LocalHost, 0);
        connect(&front_, &QUdpSocket::readyRead, this, [this] {
            while (front_.hasPendingDatagrams()) {
                const QNetworkDatagram d = front_.receiveDatagram();
                client_ = d.senderAddress();
                clientPort_ = static_cast<quint16>(d.senderPort());
                sent += d.data().size();
                ++requests;
                back_.writeDatagram(d.data(), QHostAddress::LocalHost, agentPort_);
            }
        });
        connect(&back_, &QUdpSocket::readyRead, this, [this] {
            while (back_.hasPendingDatagrams()) {
                const QNetworkDatagram d = back_.receiveDatagram();
                received += d.data().size();
                front_.writeDatagram(d.data(), client_, clientPort_);
            }
        });
    }
    quint16 Port() const { return front_.localPort(); }
    void Reset() { sent = received = requests = 0; }

    qint64 sent = 0, received = 0, requests = 0;

private:
    quint16 agentPort_;
    QUdpSocket front_, back_;
    QHostAddress client_;
    quint16 clientPort_ = 0;
};

// version: the module's /v switch ("/v0" SNMPv1: gets; "/v1" SNMPv2c: get-bulks).
std::unique_ptr<TMainForm> Module(quint16 port, const char* version)
{
    return std::make_unique<TMainForm>(std::vector<std::string>{
        "/I127.0.0.1", "/t" + std::to_string(port), version, "/Rrdcomm", "/Wwrcommx"});
}

void SetMarks(TMainForm& form, bool on)
{
    QAction* item = form.MainMenu->Action(QStringLiteral("FlapMarks"));
    if (item->isChecked() != on)
        item->trigger();
}

// Processor share of this process over `seconds` of the event loop, in % of a core.
double CpuShare(int seconds)
{
    const double before = CpuSeconds();
    QTest::qWait(seconds * 1000);
    return 100.0 * (CpuSeconds() - before) / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: bench_monitor_cost [SECONDS]\n");
        return 2;
    }
    // Memory first, while the heap holds no freed pages that would hide the rings.
    {
        const std::size_t computed = 50 * TPortSampler::HistoryPoints * sizeof(TTrafficPoint);
        const long before = ResidentKiB();
        std::vector<TRingBuffer<TTrafficPoint>> rings;
        for (int p = 0; p < 50; ++p)
            rings.emplace_back(TPortSampler::HistoryPoints);
        for (std::size_t s = 0; s < TPortSampler::HistoryPoints; ++s)
            for (auto& r : rings)
                r.Push({static_cast<std::int64_t>(s) * 1000, 1e9f, 5e8f, 3.0f, false});
        const long hour = ResidentKiB();
        for (std::size_t s = 0; s < TPortSampler::HistoryPoints; ++s)
            for (auto& r : rings)
                r.Push({static_cast<std::int64_t>(s) * 1000, 1e9f, 5e8f, 3.0f, false});
        const long twoHours = ResidentKiB();
        std::printf("history of 50 ports, %zu points each (1 h at 1 s), %zu bytes a point: computed %.2f MiB; "
                    "resident after 1 h %.2f MiB, after 2 h %.2f MiB more than before\n",
                    TPortSampler::HistoryPoints, sizeof(TTrafficPoint), static_cast<double>(computed) / 1048576.0,
                    static_cast<double>(hour - before) / 1024.0, static_cast<double>(twoHours - before) / 1024.0);
    }
    QTemporaryDir work;
    if (!work.isValid() || ::chdir(work.path().toLocal8Bit().constData()) != 0)
        return 1;
    KswSim::Options o;
    o.traffic = true;
    o.extraArgs << QStringLiteral("--flap") << QStringLiteral("7");
    KswSim sim(o);
    if (!sim.running()) {
        std::fprintf(stderr, "ksw-sim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }

    {
        auto form = Module(sim.port(), "/v1");
        SetMarks(*form, false);
        QTest::qWait(6000);   // start-up and the first polls are not idle
        const double panel = CpuShare(seconds);
        SetMarks(*form, true);
        QTest::qWait(1000);
        const auto marksPolls = form->Monitor()->Sampler().Polls();
        const double marks = CpuShare(seconds);
        const auto statesPolls = form->Monitor()->Sampler().Polls() - marksPolls;

        TPortSampler& sampler = form->Monitor()->Sampler();
        sampler.SetIntervalMs(1000);
        form->Monitor()->OpenOverview();
        form->Monitor()->OpenChart({1, 7, 33, 49});
        QTest::qWait(3000);
        const auto polls = sampler.Polls();
        const double monitor = CpuShare(seconds);
        std::printf("over %d s each, this process only (ksw-sim runs apart):\n", seconds);
        std::printf("  front panel alone:                    CPU %.3f %% of a core\n", panel);
        std::printf("  front panel + flap marks:             CPU %.3f %% of a core (%lld state polls)\n", marks,
                    static_cast<long long>(statesPolls));
        std::printf("  + overview + chart of 4 ports at 1 s: CPU %.3f %% of a core (%lld polls, %d requests and %d "
                    "bindings per poll)\n",
                    monitor, static_cast<long long>(sampler.Polls() - polls), sampler.RequestsLastPoll(),
                    sampler.BindingsLastPoll());
        std::printf("  monitor's share beside the front panel: %.3f %% of a core (target under 1 %%: %s)\n",
                    monitor - panel, monitor - panel < 1 ? "met" : "NOT met");
    }

    {
        Relay relay(sim.port());
        double perPollSent = 0, perPollReceived = 0, perPollRequests = 0;
        for (const auto& [version, name] : {std::pair{"/v0", "v1"}, std::pair{"/v1", "v2c"}}) {
            auto form = Module(relay.Port(), version);
            SetMarks(*form, false);
            TPortSampler& sampler = form->Monitor()->Sampler();
            sampler.SetIntervalMs(1000);
            form->Monitor()->OpenOverview();
            // The first polls learn what the agent has and read the names.
            (void)QTest::qWaitFor([&] { return sampler.Polls() >= 3; }, 30000);
            QTest::qWait(300);
            relay.Reset();
            const auto from = sampler.Polls();
            (void)QTest::qWaitFor([&] { return sampler.Polls() >= from + 10; }, 60000);
            const auto polls = sampler.Polls() - from;
            // The front panel polls too (every 5 s): three requests each time.
            perPollSent = static_cast<double>(relay.sent) / static_cast<double>(polls);
            perPollReceived = static_cast<double>(relay.received) / static_cast<double>(polls);
            perPollRequests = static_cast<double>(relay.requests) / static_cast<double>(polls);
            std::printf("%s, bytes per poll (10 polls through a relay, the front panel's own polls included): %.0f "
                        "sent, %.0f received, %.1f requests (%d requests and %d bindings in the last poll alone)\n",
                        name, perPollSent, perPollReceived, perPollRequests, sampler.RequestsLastPoll(),
                        sampler.BindingsLastPoll());
            form.reset();
        }

        // net-snmp's get-bulk walk of the same columns, through the same relay.
        relay.Reset();
        const QStringList args{QStringLiteral("-On"), QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("rdcomm"),
                               QStringLiteral("-Cr25"), QStringLiteral("127.0.0.1:%1").arg(relay.Port())};
        QStringList columns;
        for (const char* c : {"1.3.6.1.2.1.2.2.1.8", "1.3.6.1.2.1.2.2.1.9", "1.3.6.1.2.1.31.1.1.1.6",
                              "1.3.6.1.2.1.31.1.1.1.10", "1.3.6.1.2.1.2.2.1.14", "1.3.6.1.2.1.2.2.1.20",
                              "1.3.6.1.2.1.2.2.1.13", "1.3.6.1.2.1.2.2.1.19", "1.3.6.1.2.1.31.1.1.1.19"})
            columns << QLatin1String(c);
        qint64 toolSent = 0, toolReceived = 0, toolRequests = 0;
        for (const QString& c : columns) {
            QProcess tool;
            tool.setProcessEnvironment(bench::toolEnvironment());
            tool.start(QStringLiteral("snmpbulkwalk"), QStringList(args) << c);
            while (tool.state() != QProcess::NotRunning)
                QTest::qWait(5);
            toolSent += relay.sent;
            toolReceived += relay.received;
            toolRequests += relay.requests;
            relay.Reset();
        }
        std::printf("snmpbulkwalk of the same 9 columns (one walk each, 25 repetitions): %lld sent, %lld received, "
                    "%lld requests\n",
                    static_cast<long long>(toolSent), static_cast<long long>(toolReceived),
                    static_cast<long long>(toolRequests));
        std::printf("ratio ours (v2c)/snmpbulkwalk: sent %.2f, received %.2f, requests %.2f\n",
                    perPollSent / static_cast<double>(toolSent), perPollReceived / static_cast<double>(toolReceived),
                    perPollRequests / static_cast<double>(toolRequests));
    }

    return 0;
}
