// Asking the front panel: resting the mouse on a port's LED shows what the
// agent says about that interface; a double click opens the port's settings.
//
// The values are read when the hint is asked for, one get for the port, and
// not otherwise: a panel nobody points at costs the agent nothing beyond its
// LED polls.
#pragma once

#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvSNMPRequest.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <span>

class KvShape;
class KvSNMPRequest2Callback;
class KvSNMPVarList;
class QWidget;

// Fills list (emptied first) with the variables of port's hint.
void FillPortHintVariables(KvSNMPVarList& list, int port);

// The hint of a port from what one read of its variables gave: the values, or
// one short line saying why there are none.
QString PortHintText(int port, const KvSNMPError& outcome, const KvSNMPVarList& values);
// The hint while the values are on their way.
QString PortHintReadingText(int port);
// A hint as the tooltip shows it: the agent's texts are shown as they are,
// never taken for markup, and format characters that would disguise them
// (a right-to-left override) are dropped.
QString PortHintMarkup(const QString& text);

// Watches the port LEDs of a front panel: shows each port's hint when the
// mouse rests on its LED and hands a double click on to openPort.  At most one
// read is outstanding; an answer for a port the mouse has left is dropped.
class TPortHints : public QObject {
    Q_OBJECT
public:
    // leds[0] is port 1's LED.  The LEDs belong to window, which must outlive
    // this; they are watched, not owned.
    TPortHints(QWidget* window, std::span<KvShape* const> leds, std::function<void(int port)> openPort);
    ~TPortHints() override;

    // The port whose hint is wanted now; 0 when the mouse is on no LED.
    int HoveredPort() const { return hovered_; }
    // The port whose read is outstanding; 0 when none is.
    int ReadingPort() const { return reading_; }
    // The last hint shown (plain text), for the reading line as for the values.
    const QString& ShownText() const { return shown_; }

    // A line added below every hint of a port (none when it gives an empty text).
    void SetExtraLine(std::function<QString(int port)> line) { extraLine_ = std::move(line); }

    // What the mouse does on port's LED, at a global position.
    void HintRequested(int port, const QPoint& globalPos);
    void Left(int port);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int PortOf(const QObject* led) const;
    void StartRead(int port);
    void Answered(int port, const KvSNMPError& outcome, const KvSNMPVarList& values);
    void Show(const QString& text);

    QWidget* window_;
    std::span<KvShape* const> leds_;
    std::function<void(int)> openPort_;
    std::function<QString(int)> extraLine_;
    std::unique_ptr<KvSNMPRequest2Callback> binding_;
    int hovered_ = 0;
    int reading_ = 0;
    QPoint pos_;
    QString shown_;
};
