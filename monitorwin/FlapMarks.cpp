#include "monitorwin/FlapMarks.h"

#include "binding/KvControls.h"
#include "monitor/PortSampler.h"

#include <QPainter>

namespace {

// Around a 7-pixel LED: wide enough to be seen on the dark panel, narrow
// enough not to cover the next LED's.
constexpr int kMargin = 3;
constexpr int kPen = 2;
const QColor kRingColour(255, 176, 0);   // amber: no LED has it

class TRing : public QWidget {
public:
    explicit TRing(QWidget* parent) : QWidget(parent)
    {
        // The LED's hint, double click and menu stay the LED's.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(kRingColour, kPen));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(kPen / 2, kPen / 2, -kPen / 2 - 1, -kPen / 2 - 1));
    }
};

} // namespace

TFlapMarks::TFlapMarks(TPortSampler& sampler, std::span<KvShape* const> leds) : sampler_(sampler), leds_(leds)
{
    for (KvShape* led : leds) {
        auto* ring = new TRing(led->parentWidget());
        ring->setObjectName(led->objectName() + QStringLiteral("FlapMark"));
        rings_.push_back(ring);
    }
}

TFlapMarks::~TFlapMarks()
{
    for (const QPointer<QWidget>& ring : rings_)
        delete ring.data();
}

void TFlapMarks::Update()
{
    for (std::size_t i = 0; i < rings_.size(); ++i) {
        QWidget* ring = rings_[i];
        if (!ring)
            continue;
        const bool marked = sampler_.FlapMarked(static_cast<int>(i) + 1);
        if (marked) {
            // Where the LED is now: the panel places its LEDs again on Refresh.
            ring->setGeometry(leds_[i]->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
            ring->raise();
        }
        ring->setVisible(marked);
    }
}

void TFlapMarks::HideAll()
{
    for (const QPointer<QWidget>& ring : rings_)
        if (ring)
            ring->hide();
}

bool TFlapMarks::Shown(int port) const
{
    const QWidget* ring = rings_.at(static_cast<std::size_t>(port - 1));
    return ring && !ring->isHidden();
}

QWidget* TFlapMarks::Ring(int port) const
{
    return rings_.at(static_cast<std::size_t>(port - 1));
}
