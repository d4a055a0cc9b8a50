// The marks of flapping ports on the front panel: a ring drawn around the
// port's LED (its colour stays the link state's), shown while the sampler
// counts the port as flapping.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <span>
#include <vector>

class KvShape;
class TPortSampler;

class TFlapMarks : public QObject {
    Q_OBJECT
public:
    // leds[0] is port 1's; the rings are drawn on the LEDs' parent.
    TFlapMarks(TPortSampler& sampler, std::span<KvShape* const> leds);
    ~TFlapMarks() override;

    // Shows the rings of the marked ports; Hide takes them all away.
    void Update();
    void HideAll();
    bool Shown(int port) const;
    // The ring of a port (for a look at where it is drawn).
    QWidget* Ring(int port) const;

private:
    TPortSampler& sampler_;
    std::span<KvShape* const> leds_;
    // The rings belong to the panel, which may be gone first when the window closes.
    std::vector<QPointer<QWidget>> rings_;
};
