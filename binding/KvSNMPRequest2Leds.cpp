#include "KvSNMPRequest2Leds.h"

#include "KvControls.h"
#include "KvPartialData.h"

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QTimer>

KvSNMPRequest2Leds::KvSNMPRequest2Leds(QWidget* mainWindow)
    : KvSNMPRequest2Controls(mainWindow), pollTimer_(std::make_unique<QTimer>()),
      blinkTimer_(std::make_unique<QTimer>())
{
    QObject::connect(pollTimer_.get(), &QTimer::timeout, pollTimer_.get(), [this] { Poll(); });
    QObject::connect(blinkTimer_.get(), &QTimer::timeout, blinkTimer_.get(), [this] { Paint(); });
    // Runs only while some LED flashes after a poll: an idle panel wakes nobody.
    blinkTimer_->setInterval(BlinkInterval);
}

KvSNMPRequest2Leds::~KvSNMPRequest2Leds()
{
    StopResponses();
    // Only the timers: the colour maps and shapes belong to others, who may be
    // gone already, and the LEDs are not shown again anyway.
    stopped_ = true;
    pollTimer_->stop();
    blinkTimer_->stop();
}

void KvSNMPRequest2Leds::Show(const KvLedEntry& led, std::uint32_t colour)
{
    if (!led.Shape)
        return;
    const QColor c = KvColorFromBgr(colour);
    led.Shape->SetColors(c, c);
    led.Shape->show();
}

void KvSNMPRequest2Leds::AddLed(int variable, int byteIndex, const KvSNMPLedColorMapList* map, KvShape* shape)
{
    KvLedEntry led;
    led.Variable = variable;
    led.ByteIndex = byteIndex;
    led.Map = map;
    led.Shape = shape;
    led.Colour = map ? map->DefaultColour() : 0;
    Show(led, led.Colour);
    leds_.push_back(std::move(led));
}

void KvSNMPRequest2Leds::ResetLeds()
{
    for (KvLedEntry& led : leds_) {
        led.Blink = false;
        led.Colour = led.Map ? led.Map->DefaultColour() : 0;
        Show(led, led.Colour);
    }
}

void KvSNMPRequest2Leds::StartPolling(int period)
{
    stopped_ = false;
    // A period of 0 polls once and then not again, as a timer of interval 0 is off.
    if (period > 0)
        pollTimer_->start(period * 10);
    else
        pollTimer_->stop();
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void KvSNMPRequest2Leds::StopPolling()
{
    stopped_ = true;
    pollTimer_->stop();
    blinkTimer_->stop();
    ResetLeds();
}

bool KvSNMPRequest2Leds::Polling() const
{
    return pollTimer_->isActive();
}

void KvSNMPRequest2Leds::Poll()
{
    try {
        Get();
    } catch (const KvSNMPException& e) {
        ResetLeds();
        ShowStatus(e.Message());
    }
}

void KvSNMPRequest2Leds::ValuesReceived()
{
    // A poll answered after StopPolling must not light the LEDs again.
    if (stopped_)
        return;
    blinkCounter_ = 0;
    for (KvLedEntry& led : leds_)
        UpdateLed(led);
    Paint();
    if (blinkCounter_ > 0 && !blinkTimer_->isActive())
        blinkTimer_->start();
}

void KvSNMPRequest2Leds::GetFailed(const KvSNMPError& error)
{
    ResetLeds();
    // Only a status line: a poll that fails every few seconds must not stack up
    // message boxes.
    ShowStatus(error.Message);
}

void KvSNMPRequest2Leds::UpdateLed(KvLedEntry& led)
{
    if (!led.Map || led.Variable < 0 || led.Variable >= Variables().Count())
        return;
    const KvSNMPVarItem& item = Variables().ItemAt(led.Variable);
    const std::string text = item.Options ? item.Options->ValueOf(item.Value) : item.Value;
    const std::string octets = KvFieldToOctets(text, item.Syntax);
    const KvSNMPLedColorMapList& map = *led.Map;
    const auto index = static_cast<std::size_t>(led.ByteIndex);
    if (led.ByteIndex < 0 || index >= octets.size()) {
        if (!map.HasMissingColour())
            throw LibraryError(KvPartialIndexOutOfRange);
        led.Colour = map.MissingColour();
        led.Blink = false;
        return;
    }
    const auto b = static_cast<std::uint8_t>(octets[index]);
    if (mode_ != 2 || led.ByteIndex < headerLength_) {
        led.Colour = map.ColourOf(b & map.ColourMask());
        led.Blink = (b & map.BlinkMask()) != 0;
        return;
    }
    if (b == 1) {
        led.Blink = false;
        led.Colour = map.HasMissingColour() ? map.MissingColour() : map.DefaultColour();
        return;
    }
    led.Blink = (b & map.BlinkMask()) != 0;
    // The colour byte follows; a value that ends here has none.
    const std::uint8_t colourByte = index + 1 < octets.size() ? static_cast<std::uint8_t>(octets[index + 1]) : 0;
    led.Colour = map.ColourOf(colourByte & map.ColourMask());
}

void KvSNMPRequest2Leds::Paint()
{
    bool anyBlinks = false;
    bool allSettled = true;   // every LED shows its own colour
    for (const KvLedEntry& led : leds_) {
        if (!led.Blink || !led.Map || !led.Shape) {
            Show(led, led.Colour);
            continue;
        }
        anyBlinks = true;
        const bool showsDefault = KvBgrOf(led.Shape->BrushColor()) == led.Map->DefaultColour();
        const std::uint32_t colour =
            showsDefault || blinkCounter_ > blinkLimit_ ? led.Colour : led.Map->DefaultColour();
        allSettled = allSettled && colour == led.Colour;
        Show(led, colour);
    }
    if (anyBlinks && blinkCounter_ <= blinkLimit_)
        ++blinkCounter_;
    // Past the limit every LED keeps its colour until the next poll, which starts
    // the timer again.
    if (!anyBlinks || (blinkCounter_ > blinkLimit_ && allSettled))
        blinkTimer_->stop();
}
