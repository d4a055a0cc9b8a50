// LEDs of the front panel: the variables of one request are polled on a timer;
// one byte of each variable's value, through a colour map, gives a LED's colour,
// and LEDs whose byte has the blink bit set flash for a short while after every
// poll.
#pragma once

#include "KvSNMPLedColorMap.h"
#include "KvSNMPRequest2Controls.h"

#include <QPointer>

#include <memory>
#include <vector>

class KvShape;
class QTimer;

struct KvLedEntry {
    int Variable = 0;
    int ByteIndex = 0;
    const KvSNMPLedColorMapList* Map = nullptr;   // not owned
    QPointer<KvShape> Shape;                      // not owned
    bool Blink = false;
    std::uint32_t Colour = 0;
};

class KvSNMPRequest2Leds : public KvSNMPRequest2Controls {
public:
    static constexpr int BlinkInterval = 60;   // ms

    explicit KvSNMPRequest2Leds(QWidget* mainWindow);
    ~KvSNMPRequest2Leds() override;

    // The LED starts in its map's default colour, not blinking.
    void AddLed(int variable, int byteIndex, const KvSNMPLedColorMapList* map, KvShape* shape);
    int LedCount() const { return static_cast<int>(leds_.size()); }
    const KvLedEntry& Led(int index) const { return leds_.at(static_cast<std::size_t>(index)); }

    // Polls every period × 10 ms (period 0: no periodic poll), and once at once;
    // an error of that first poll resets the LEDs and reaches the caller.
    void StartPolling(int period);
    // Both timers stop and every LED goes back to its default colour.
    void StopPolling();
    bool Polling() const;
    void ResetLeds();

    // Mode 1: each LED's byte holds colour and blink bits.  Mode 2: past the
    // header, a LED's byte holds the blink bits (1 meaning "no LED") and the
    // byte after it the colour.
    int LedMode() const { return mode_; }
    void SetLedMode(int mode) { mode_ = mode; }
    int HeaderLength() const { return headerLength_; }
    void SetHeaderLength(int length) { headerLength_ = length; }
    int BlinkLimit() const { return blinkLimit_; }
    void SetBlinkLimit(int limit) { blinkLimit_ = limit; }
    int BlinkCounter() const { return blinkCounter_; }

    // One blink step: what the blink timer does every 60 ms.
    void Paint();

    QTimer* PollTimer() const { return pollTimer_.get(); }
    QTimer* BlinkTimer() const { return blinkTimer_.get(); }

protected:
    void ValuesReceived() override;
    void GetFailed(const KvSNMPError& error) override;
    virtual void UpdateLed(KvLedEntry& led);

private:
    void Poll();
    static void Show(const KvLedEntry& led, std::uint32_t colour);

    std::vector<KvLedEntry> leds_;
    std::unique_ptr<QTimer> pollTimer_;
    std::unique_ptr<QTimer> blinkTimer_;
    int blinkLimit_ = 6;
    int blinkCounter_ = 0;
    int mode_ = 1;
    bool stopped_ = false;   // StopPolling ran and no StartPolling since
    int headerLength_ = 4;
};
