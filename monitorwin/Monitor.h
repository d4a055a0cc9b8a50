// The traffic monitor of one main window: its sampler, the port overview, the
// port charts and the flap marks on the front panel's LEDs.
//
// The windows are not modal: they stay open beside the front panel and the
// views, each a traffic user of the one sampler, so that several windows cost
// the agent one poll.  The flap marks are on unless turned off; with no window
// open and the marks off, the monitor sends nothing.
#pragma once

#include "monitor/PortSampler.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <span>
#include <vector>

class KvShape;
class QWidget;
class TFlapMarks;
class TPortChart;
class TPortOverview;

class TMonitor : public QObject {
    Q_OBJECT
public:
    // leds[0] is port 1's LED; they belong to window, which outlives this.
    TMonitor(QWidget* window, std::span<KvShape* const> leds);
    ~TMonitor() override;

    TPortSampler& Sampler() { return sampler_; }
    QWidget* Window() const { return window_; }
    int PortCount() const { return sampler_.PortCount(); }

    // Opens the overview, or brings the open one forward.
    TPortOverview* OpenOverview();
    TPortOverview* Overview() const;
    // Opens a chart of the ports (1 ... PortCount(), at least one); raises an
    // error naming a port outside the panel.
    TPortChart* OpenChart(std::vector<int> ports);
    std::vector<TPortChart*> Charts() const;

    void SetFlapMarks(bool on);
    const TFlapMarks& Marks() const { return *marks_; }
    bool FlapMarks() const { return marksOn_; }
    // Off, nothing is ever sent (a window that polls nothing).
    void SetPollingAllowed(bool allowed);

    // The line a port's hint gets about its state changes; empty when the
    // marks are off or nothing was seen.
    QString FlapHintLine(int port) const;

    // "PortChart:N" as --open gives it: opens port N's chart and is true;
    // false for any other item.  A bad port raises an error that says why.
    bool ChooseItem(const QString& item);
    static constexpr const char* ChartItemPrefix = "PortChart:";

    // The LED's context menu, at a global position: "Traffic…".
    void ShowLedMenu(int port, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::span<KvShape* const> leds_;
    TPortSampler sampler_;
    std::unique_ptr<TFlapMarks> marks_;
    bool marksOn_ = true;
    QPointer<TPortOverview> overview_;
    std::vector<QPointer<TPortChart>> charts_;
};
