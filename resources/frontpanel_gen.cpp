// Draws the front-panel picture behind the main window's LEDs (872 x 77 JPEG)
// and the module icon (icons/ksw4800-<size>.png, 16 to 128 pixels square) in
// the same style.  The outputs are
// committed; run this only when the artwork changes:
//     frontpanel_gen <output folder>
//
// The picture sits at (1, 1) inside the panel that carries the LED shapes, so a
// LED at panel position (x, y) covers picture pixels from (x - 1, y - 1).
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdio>

namespace {

constexpr int kWidth = 872;
constexpr int kHeight = 77;
constexpr int kLedTop = 6;     // panel coordinates
constexpr int kLedSize = 7;
constexpr int kStatusLedLeft = 45;
constexpr int kStatusLedSize = 11;

// Left edges of the port link LEDs 1..50 in panel coordinates.
constexpr std::array<int, 50> kPortLedLeft = {
    90,  103, 117, 131, 144, 158, 172, 185, 199, 213, 226, 240, 254, 268, 281, 295,
    318, 331, 345, 359, 372, 386, 400, 413, 427, 441, 454, 468, 482, 496, 509, 523,
    546, 559, 573, 587, 600, 614, 628, 641, 655, 669, 682, 696, 710, 724, 737, 751,
    778, 817};

struct StatusLed { const char* label; int top; };
constexpr std::array<StatusLed, 3> kStatusLeds = {{{"Power", 33}, {"Console", 44}, {"RPS", 55}}};

const QColor kBodyTop(92, 98, 108);
const QColor kBodyBottom(58, 62, 70);
const QColor kSocket(20, 20, 22);
const QColor kSilk(226, 230, 236);
const QColor kAccent(0, 120, 190);

QFont smallFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Picture coordinates from panel coordinates.
QRectF fromPanel(int left, int top, int w, int h, int margin)
{
    return QRectF(left - 1 - margin, top - 1 - margin, w + 2 * margin, h + 2 * margin);
}

void drawBody(QPainter& p, const QRectF& r, qreal radius)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kBodyTop);
    g.setColorAt(1.0, kBodyBottom);
    p.setPen(QPen(QColor(30, 32, 36), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void drawJack(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(150, 155, 162), 1));
    p.setBrush(kSocket);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    // latch notch of an RJ-45 socket
    const qreal nw = r.width() * 0.4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(QRectF(r.center().x() - nw / 2, r.bottom() - 5, nw, 3));
}

void drawPortGroup(QPainter& p, int firstPort)
{
    // Sixteen ports in two rows of eight under the group's sixteen LEDs:
    // odd ports on top, even ports below, as on the real unit.
    const qreal left = kPortLedLeft[firstPort - 1] - 3;
    const qreal right = kPortLedLeft[firstPort + 14] + kLedSize + 1;
    const qreal jackW = (right - left - 7 * 2) / 8.0;
    const qreal jackH = 17;
    const qreal rowTop[2] = {24, 50};
    p.setFont(smallFont(7));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int port = firstPort + col * 2 + row;
            const QRectF jack(left + col * (jackW + 2), rowTop[row], jackW, jackH);
            drawJack(p, jack);
            p.setPen(kSilk);
            const QRectF label = row == 0 ? QRectF(jack.left(), 14, jack.width(), 9)
                                          : QRectF(jack.left(), jack.bottom() + 0.5, jack.width(), 9);
            p.drawText(label, Qt::AlignCenter, QString::number(port));
        }
    }
}

void drawUplink(QPainter& p, int port)
{
    const int led = kPortLedLeft[port - 1];
    const QRectF cage(led - 12, 24, 30, 32);
    p.setPen(QPen(QColor(170, 175, 182), 1));
    p.setBrush(QColor(34, 36, 40));
    p.drawRect(cage.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(80, 84, 90), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(cage.left() + 4, cage.top() + 7 * i + 0.5),
                   QPointF(cage.right() - 4, cage.top() + 7 * i + 0.5));
    p.setPen(kSilk);
    p.setFont(smallFont(8, true));
    p.drawText(QRectF(cage.left(), 14, cage.width(), 9), Qt::AlignCenter, QString::number(port));
    p.setFont(smallFont(7));
    p.drawText(QRectF(cage.left() - 2, cage.bottom() + 2, cage.width() + 4, 9), Qt::AlignCenter,
               QStringLiteral("SFP"));
}

QImage drawFrontPanel()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(QColor(40, 42, 46));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawBody(p, QRectF(0, 0, kWidth, kHeight), 3);
    // rack ears
    for (qreal x : {2.0, kWidth - 9.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 32, 36));
        p.drawEllipse(QRectF(x, 8, 6, 6));
        p.drawEllipse(QRectF(x, kHeight - 14, 6, 6));
    }

    // model name and maker
    p.setPen(kSilk);
    p.setFont(smallFont(12, true));
    p.drawText(QRectF(10, 4, 76, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KSW-4800"));
    p.setPen(kAccent.lighter(140));
    p.setFont(smallFont(7, true));
    p.drawText(QRectF(10, 18, 76, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KORVANE"));

    // status LEDs: label on the left, round socket where the LED shape sits
    p.setFont(smallFont(7));
    for (const StatusLed& s : kStatusLeds) {
        p.setPen(kSilk);
        p.drawText(QRectF(8, s.top - 1, kStatusLedLeft - 12, kStatusLedSize), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromLatin1(s.label));
        p.setPen(QPen(QColor(140, 145, 152), 1));
        p.setBrush(kSocket);
        p.drawEllipse(fromPanel(kStatusLedLeft, s.top, kStatusLedSize, kStatusLedSize, 1));
    }
    p.setPen(QPen(QColor(110, 115, 122), 1));
    p.drawLine(QPointF(84.5, 6), QPointF(84.5, kHeight - 6));

    // link LED sockets: square recesses around each 7 x 7 LED
    for (int port = 1; port <= 50; ++port) {
        p.setPen(QPen(QColor(140, 145, 152), 1));
        p.setBrush(kSocket);
        p.drawRect(fromPanel(kPortLedLeft[port - 1], kLedTop, kLedSize, kLedSize, 1).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    for (int group = 0; group < 3; ++group)
        drawPortGroup(p, group * 16 + 1);

    // uplink ports 49 and 50
    p.setPen(QPen(QColor(110, 115, 122), 1));
    p.drawLine(QPointF(768.5, 6), QPointF(768.5, kHeight - 6));
    drawUplink(p, 49);
    drawUplink(p, 50);
    p.end();
    return img;
}

// The icon is drawn on a 32-unit grid and scaled to each size the desktops ask
// for; at 16 pixels the jacks would blur into one another, so that size shows
// four wider ones.
QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawBody(p, QRectF(1, 8, 30, 16), 2);
    const bool small = size < 24;
    const int jacks = small ? 4 : 6;
    const qreal pitch = small ? 6 : 4;
    const qreal width = small ? 4 : 3;
    for (int i = 0; i < jacks; ++i) {
        const QRectF jack(4 + i * pitch, 15, width, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(kSocket);
        p.drawRect(jack);
        p.setBrush(i % 3 == 2 ? QColor(0, 0, 0) : QColor(0, 255, 0));
        p.drawRect(QRectF(jack.left(), 11, width, 2));
    }
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(QRectF(27, 11, 2.5, 2.5));
    p.setBrush(kAccent);
    p.drawRect(QRectF(4, 21, 24, 1.5));
    p.end();
    return img;
}

// The sizes of the hicolor icon theme the desktops ask for.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: frontpanel_gen <output folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString panelPath = dir + QStringLiteral("/frontpanel.jpg");
    if (!drawFrontPanel().save(panelPath, "JPG", 92)) {
        std::fprintf(stderr, "frontpanel_gen: cannot write %s\n", qPrintable(panelPath));
        return 1;
    }
    QDir().mkpath(dir + QStringLiteral("/icons"));
    for (int size : kIconSizes) {
        const QString iconPath = dir + QStringLiteral("/icons/ksw4800-%1.png").arg(size);
        if (!drawIcon(size).save(iconPath, "PNG")) {
            std::fprintf(stderr, "frontpanel_gen: cannot write %s\n", qPrintable(iconPath));
            return 1;
        }
    }
    return 0;
}
