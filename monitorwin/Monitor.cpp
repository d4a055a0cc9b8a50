#include "monitorwin/Monitor.h"

#include "binding/KvControls.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "monitorwin/FlapMarks.h"
#include "monitorwin/PortChart.h"
#include "monitorwin/PortOverview.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <string>

TMonitor::TMonitor(QWidget* window, std::span<KvShape* const> leds)
    : QObject(window), window_(window), leds_(leds), sampler_(static_cast<int>(leds.size())),
      marks_(std::make_unique<TFlapMarks>(sampler_, leds))
{
    // Until the window says its agent may be polled, nothing is sent.
    sampler_.SetPollingAllowed(false);
    sampler_.SetStatesWanted(marksOn_);
    connect(&sampler_, &TPortSampler::Sampled, this, [this] {
        if (marksOn_)
            marks_->Update();
    });
    for (KvShape* led : leds_)
        led->installEventFilter(this);
}

TMonitor::~TMonitor()
{
    // The windows use the sampler: they go first.
    for (const QPointer<TPortChart>& chart : charts_)
        delete chart.data();
    delete overview_.data();
    sampler_.disconnect(this);
    for (KvShape* led : leds_)
        led->removeEventFilter(this);
}

TPortOverview* TMonitor::OpenOverview()
{
    if (!overview_)
        overview_ = new TPortOverview(*this, window_);
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
    return overview_;
}

TPortOverview* TMonitor::Overview() const
{
    return overview_;
}

TPortChart* TMonitor::OpenChart(std::vector<int> ports)
{
    if (ports.empty())
        throw LibraryError(KvUnknownErrorCode, "A chart needs at least one port.");
    for (const int p : ports)
        if (p < 1 || p > PortCount())
            throw LibraryError(KvUnknownErrorCode, "No port " + std::to_string(p) + ": the ports are 1 to " +
                                                       std::to_string(PortCount()) + ".");
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    std::erase_if(charts_, [](const QPointer<TPortChart>& c) { return c.isNull(); });
    auto* chart = new TPortChart(*this, std::move(ports), window_);
    charts_.emplace_back(chart);
    chart->show();
    chart->raise();
    return chart;
}

std::vector<TPortChart*> TMonitor::Charts() const
{
    std::vector<TPortChart*> open;
    for (const QPointer<TPortChart>& c : charts_)
        if (c)
            open.push_back(c);
    return open;
}

void TMonitor::SetFlapMarks(bool on)
{
    marksOn_ = on;
    sampler_.SetStatesWanted(on);
    if (on)
        marks_->Update();
    else
        marks_->HideAll();
}

void TMonitor::SetPollingAllowed(bool allowed)
{
    sampler_.SetPollingAllowed(allowed);
    if (allowed)
        sampler_.PollNow();
}

QString TMonitor::FlapHintLine(int port) const
{
    if (!marksOn_ || port < 1 || port > PortCount())
        return {};
    const int changes = sampler_.ChangesWithin10Min(port);
    if (changes == 0 && !sampler_.FlapMarked(port))
        return {};
    QString line = QStringLiteral("State changes in the last 10 minutes: %1").arg(changes);
    if (sampler_.FlapMarked(port))
        line += QStringLiteral(" (flapping)");
    return line;
}

bool TMonitor::ChooseItem(const QString& item)
{
    const QString prefix = QLatin1String(ChartItemPrefix);
    if (!item.startsWith(prefix))
        return false;
    bool ok = false;
    const int port = item.mid(prefix.size()).toInt(&ok);
    if (!ok)
        throw LibraryError(KvUnknownErrorCode, "The chart item " + item.toStdString() +
                                                   " names no port: give its number, as in PortChart:3.");
    OpenChart({port});
    return true;
}

void TMonitor::ShowLedMenu(int port, const QPoint& globalPos)
{
    QMenu menu(window_);
    menu.addAction(QStringLiteral("Traffic…"), this, [this, port] { OpenChart({port}); });
    menu.exec(globalPos);
}

bool TMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        for (std::size_t i = 0; i < leds_.size(); ++i) {
            if (static_cast<QObject*>(leds_[i]) == watched) {
                ShowLedMenu(static_cast<int>(i) + 1, static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
