#include "PortHint.h"

#include "binding/KvControls.h"
#include "binding/KvPlainText.h"
#include "binding/KvSNMPRequest2Callback.h"
#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarList.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <cstdint>
#include <exception>
#include <string>

namespace {

using namespace KvSyntax;

// Agent texts are cut to what a tooltip line can show.
constexpr qsizetype kMaxTextLength = 80;

// ifSpeed's largest value says "look at ifHighSpeed".
constexpr std::uint32_t kSpeedPastGauge = 4294967295U;

bool Read(const KvSNMPVarItem& item)
{
    return item.Value != KvNullText && item.Value != KvNotDoneText;
}

// An agent's text as one line: control characters become blanks, bytes that
// are not UTF-8 show as replacement characters, a long text is cut.
QString AgentText(const std::string& value)
{
    QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    text = text.trimmed();
    if (text.size() > kMaxTextLength)
        text = text.left(kMaxTextLength - 1) + QChar(0x2026);
    return text;
}

QString Number(double value)
{
    return QLocale::c().toString(value, 'g', 4);
}

// Bits per second as the usual unit: "100 Mb/s", "2.5 Gb/s".
QString SpeedText(double bitsPerSecond)
{
    if (bitsPerSecond >= 1e9)
        return Number(bitsPerSecond / 1e9) + QStringLiteral(" Gb/s");
    if (bitsPerSecond >= 1e6)
        return Number(bitsPerSecond / 1e6) + QStringLiteral(" Mb/s");
    if (bitsPerSecond >= 1e3)
        return Number(bitsPerSecond / 1e3) + QStringLiteral(" kb/s");
    return Number(bitsPerSecond) + QStringLiteral(" b/s");
}

// ifHighSpeed counts whole megabits and is what a fast port reports; an
// agent without it, or a port below a megabit, leaves ifSpeed to say.
QString SpeedOf(const KvSNMPVarList& values)
{
    const KvSNMPVarItem& high = values.ItemAt(PortHighSpeed);
    const KvSNMPVarItem& speed = values.ItemAt(PortSpeed);
    const std::uint32_t mbps = Read(high) ? KvLeadingUInt32(high.Value) : 0;
    const std::uint32_t bps = Read(speed) ? KvLeadingUInt32(speed.Value) : 0;
    if (mbps > 0 && (bps == 0 || bps == kSpeedPastGauge || bps >= 1000000))
        return SpeedText(mbps * 1e6);
    if (bps > 0 && bps != kSpeedPastGauge)
        return SpeedText(bps);
    if (!Read(speed))
        return QStringLiteral("not read");
    return QStringLiteral("unknown");
}

// A span of hundredths of a second in its two largest units: "45 s",
// "3 min 20 s", "2 h 14 min", "3 d 4 h".
QString AgeText(std::uint32_t hundredths)
{
    const std::uint32_t s = hundredths / 100;
    const std::uint32_t d = s / 86400, h = s / 3600 % 24, m = s / 60 % 60, sec = s % 60;
    if (d > 0)
        return QStringLiteral("%1 d %2 h").arg(d).arg(h);
    if (h > 0)
        return QStringLiteral("%1 h %2 min").arg(h).arg(m);
    if (m > 0)
        return QStringLiteral("%1 min %2 s").arg(m).arg(sec);
    return QStringLiteral("%1 s").arg(sec);
}

// ifLastChange is the agent's uptime when the port last changed state; 0 says
// the state has held since the agent started.
QString LastChangeOf(const KvSNMPVarList& values)
{
    const KvSNMPVarItem& last = values.ItemAt(PortLastChange);
    const KvSNMPVarItem& up = values.ItemAt(AgentUpTime);
    if (!Read(last) || !Read(up))
        return QStringLiteral("not read");
    const std::uint32_t at = KvTimeTicksFromText(last.Value);
    const std::uint32_t now = KvTimeTicksFromText(up.Value);
    if (at == 0)
        return QStringLiteral("none since the agent started %1 ago").arg(AgeText(now));
    // The agent's uptime wrapped after 497 days, or the agent is confused.
    if (at > now)
        return QStringLiteral("at agent uptime %1").arg(QString::fromStdString(last.Value));
    return QStringLiteral("%1 ago").arg(AgeText(now - at));
}

QString PortTitle(int port)
{
    return QStringLiteral("Port %1").arg(port);
}

}  // namespace

void FillPortHintVariables(KvSNMPVarList& list, int port)
{
    list.Clear();
    // Whole instances, one get: the interface columns at the port's number, the
    // agent's uptime at its scalar instance.
    list.ItemType = PortHintBinding.Kind;
    list.PKeyCount = PortHintBinding.Keys;
    list.Name = "port " + std::to_string(port);
    const std::string instance = "." + std::to_string(port);
    for (int i = 0; i < PortHintVariableCount; ++i) {
        const KvSNMPVarDef& d = PortHintDefs[i];
        list.AppendItem(d.Oid + (i == AgentUpTime ? std::string(".0") : instance), d.Caption, d.Syntax, d.Access,
                        d.Options);
    }
}

QString PortHintReadingText(int port)
{
    return PortTitle(port) + QStringLiteral("\nreading\u2026");
}

QString PortHintText(int port, const KvSNMPError& outcome, const KvSNMPVarList& values)
{
    const QString title = PortTitle(port);
    if (outcome.Code != 0)
        return title + QStringLiteral("\nNot read: ") + AgentText(outcome.Message);
    if (values.Count() != PortHintVariableCount)
        return title + QStringLiteral("\nNot read");
    // Without its states the agent has no such interface (noSuchInstance).
    const KvSNMPVarItem& oper = values.ItemAt(PortOperStatus);
    const KvSNMPVarItem& admin = values.ItemAt(PortAdminStatus);
    if (!Read(oper) || !Read(admin))
        return title + QStringLiteral("\nNot read: the agent has no interface %1").arg(port);

    const QString descr = AgentText(values.ItemAt(PortDescr).Value);
    const QString alias = AgentText(values.ItemAt(PortAlias).Value);
    QStringList lines{title};
    lines << QStringLiteral("Description: ") + (descr.isEmpty() ? QStringLiteral("none") : descr);
    lines << QStringLiteral("Alias: ") + (alias.isEmpty() ? QStringLiteral("none") : alias);
    lines << QStringLiteral("State: %1 (admin %2)").arg(AgentText(oper.Value), AgentText(admin.Value));
    lines << QStringLiteral("Speed: ") + SpeedOf(values);
    lines << QStringLiteral("Last change: ") + LastChangeOf(values);
    return lines.join(QLatin1Char('\n'));
}

QString PortHintMarkup(const QString& text)
{
    return KvPlainHint(text);
}

// ---- TPortHints ----------------------------------------------------------------

TPortHints::TPortHints(QWidget* window, std::span<KvShape* const> leds, std::function<void(int port)> openPort)
    : window_(window), leds_(leds), openPort_(std::move(openPort))
{
    for (KvShape* led : leds_)
        led->installEventFilter(this);
}

TPortHints::~TPortHints() = default;

int TPortHints::PortOf(const QObject* led) const
{
    for (std::size_t i = 0; i < leds_.size(); ++i)
        if (leds_[i] == led)
            return static_cast<int>(i) + 1;
    return 0;
}

bool TPortHints::eventFilter(QObject* watched, QEvent* event)
{
    const int port = PortOf(watched);
    if (port == 0)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip:
        HintRequested(port, static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    case QEvent::Leave:
        Left(port);
        break;
    case QEvent::MouseButtonDblClick:
        Left(port);
        QToolTip::hideText();
        if (openPort_)
            openPort_(port);
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TPortHints::HintRequested(int port, const QPoint& globalPos)
{
    hovered_ = port;
    pos_ = globalPos;
    Show(PortHintReadingText(port));
    // A read under way for another port is let finish; its answer starts ours.
    if (reading_ == 0)
        StartRead(port);
}

void TPortHints::Left(int port)
{
    if (hovered_ == port)
        hovered_ = 0;
}

void TPortHints::StartRead(int port)
{
    // A binding of its own per read takes the agent's parameters as they are
    // now; the one before has answered and waits for nothing.
    binding_ = std::make_unique<KvSNMPRequest2Callback>(
        window_, [this, port](const KvSNMPError& outcome, const KvSNMPVarList& values) { Answered(port, outcome, values); });
    FillPortHintVariables(binding_->Variables(), port);
    reading_ = port;
    // What fails while the request is sent is shown like a failed answer.
    KvSNMPError failed;
    try {
        binding_->Get();
        return;
    } catch (const KvSNMPException& e) {
        failed.Code = e.Code();
        failed.Message = e.Message();
    } catch (const std::exception& e) {
        failed.Code = LibraryError(KvUnknownErrorCode).Code();
        failed.Message = e.what();
    }
    Answered(port, failed, binding_->Variables());
}

void TPortHints::Answered(int port, const KvSNMPError& outcome, const KvSNMPVarList& values)
{
    reading_ = 0;
    if (port == hovered_) {
        Show(PortHintText(port, outcome, values));
        return;
    }
    // The mouse has moved on: this answer is dropped, and the port it rests on
    // now is read once the binding that answered has returned.
    if (hovered_ != 0)
        QTimer::singleShot(0, this, [this] {
            if (hovered_ != 0 && reading_ == 0)
                StartRead(hovered_);
        });
}

void TPortHints::Show(const QString& text)
{
    shown_ = text;
    if (hovered_ < 1 || static_cast<std::size_t>(hovered_) > leds_.size())
        return;
    if (const QString extra = extraLine_ ? extraLine_(hovered_) : QString(); !extra.isEmpty())
        shown_ += QLatin1Char('\n') + extra;
    // Tied to the LED: the tip goes when the mouse leaves it.
    KvShape* led = leds_[static_cast<std::size_t>(hovered_ - 1)];
    QToolTip::showText(pos_, PortHintMarkup(shown_), led);
}
