#include "monitorwin/PortChart.h"

#include "binding/KvUserNotice.h"
#include "monitorwin/Monitor.h"
#include "views/TableExport.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

float ValueOf(const TTrafficPoint& p, TPortChart::Series s)
{
    switch (s) {
    case TPortChart::InBits:
        return p.InBits;
    case TPortChart::OutBits:
        return p.OutBits;
    default:
        return p.Faults;
    }
}

// Ports told apart by colour, the series of a port by the line's pattern.
QColor PortColour(std::size_t index)
{
    static const QColor colours[] = {QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115),
                                     QColor(204, 121, 167), QColor(86, 180, 233), QColor(230, 159, 0),
                                     QColor(0, 0, 0), QColor(240, 228, 66)};
    return colours[index % std::size(colours)];
}

Qt::PenStyle SeriesPattern(TPortChart::Series s)
{
    return s == TPortChart::InBits ? Qt::SolidLine : s == TPortChart::OutBits ? Qt::DashLine : Qt::DotLine;
}

QString PortsText(const std::vector<int>& ports)
{
    QStringList numbers;
    for (const int p : ports)
        numbers << QString::number(p);
    return (ports.size() == 1 ? QStringLiteral("port ") : QStringLiteral("ports ")) + numbers.join(QStringLiteral(", "));
}

// Bit/s shown in the unit the largest value needs.
struct Unit {
    double divisor;
    const char* name;
};
Unit BitUnit(double largest)
{
    static const Unit units[] = {{1e9, "Gbit/s"}, {1e6, "Mbit/s"}, {1e3, "kbit/s"}};
    for (const Unit& u : units)
        if (largest >= u.divisor)
            return u;
    return {1, "bit/s"};
}

} // namespace

QString SeriesName(TPortChart::Series series)
{
    switch (series) {
    case TPortChart::InBits:
        return QStringLiteral("in bit/s");
    case TPortChart::OutBits:
        return QStringLiteral("out bit/s");
    default:
        return QStringLiteral("errors+discards/s");
    }
}

TPortChart::TPortChart(TMonitor& monitor, std::vector<int> ports, QWidget* parent)
    : QWidget(parent, Qt::Window), monitor_(monitor), ports_(std::move(ports))
{
    setObjectName(QStringLiteral("PortChart"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Traffic: ") + PortsText(ports_));

    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Show the last"), this));
    SpanBox = new QComboBox(this);
    SpanBox->setObjectName(QStringLiteral("SpanBox"));
    SpanBox->addItem(QStringLiteral("10 min"), TenMinutes);
    SpanBox->addItem(QStringLiteral("1 h"), OneHour);
    top->addWidget(SpanBox);
    top->addStretch(1);
    auto* png = new QPushButton(QStringLiteral("Save PNG…"), this);
    auto* csv = new QPushButton(QStringLiteral("Save CSV…"), this);
    png->setObjectName(QStringLiteral("SavePngButton"));
    csv->setObjectName(QStringLiteral("SaveCsvButton"));
    top->addWidget(png);
    top->addWidget(csv);
    box->addLayout(top);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    timeAxis_ = new QDateTimeAxis(chart_);
    timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
    timeAxis_->setTickCount(7);
    bitsAxis_ = new QValueAxis(chart_);
    bitsAxis_->setLabelFormat(QStringLiteral("%.3g"));
    faultsAxis_ = new QValueAxis(chart_);
    faultsAxis_->setLabelFormat(QStringLiteral("%.3g"));
    faultsAxis_->setTitleText(QStringLiteral("errors+discards/s"));
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(bitsAxis_, Qt::AlignLeft);
    chart_->addAxis(faultsAxis_, Qt::AlignRight);
    for (const int port : ports_)
        for (int s = 0; s < SeriesCount; ++s)
            lines_.push_back({port, static_cast<Series>(s), {}});
    for (Line& line : lines_)
        NewSegment(line, 0);
    View = new QChartView(chart_, this);
    View->setRenderHint(QPainter::Antialiasing);
    box->addWidget(View, 1);

    StatusText = new QLabel(this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setTextFormat(Qt::PlainText);
    box->addWidget(StatusText);

    connect(SpanBox, &QComboBox::activated, this, [this](int index) { SetSpanSeconds(SpanBox->itemData(index).toInt()); });
    connect(png, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save PNG"), QStringLiteral("traffic.png"),
                                                          QStringLiteral("PNG images (*.png)"));
        QString error;
        if (!path.isEmpty() && !SavePng(path, &error))
            KvShowMessage({this, QStringLiteral("Save PNG"), QStringLiteral("Cannot write %1: %2").arg(path, error),
                           QMessageBox::Ok, QMessageBox::Warning});
    });
    connect(csv, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save CSV"), QStringLiteral("traffic.csv"),
                                                          QStringLiteral("CSV files (*.csv)"));
        QString error;
        if (!path.isEmpty() && !SaveCsv(path, &error))
            KvShowMessage({this, QStringLiteral("Save CSV"), QStringLiteral("Cannot write %1: %2").arg(path, error),
                           QMessageBox::Ok, QMessageBox::Warning});
    });
    connect(&monitor_.Sampler(), &TPortSampler::Sampled, this, &TPortChart::Refresh);
    connect(&monitor_.Sampler(), &TPortSampler::StatusLine, this, &TPortChart::WriteStatus);

    resize(900, 520);
    monitor_.Sampler().AddTrafficUser();
    Refresh();
    WriteStatus(QStringLiteral("Port Chart: %1 every %2 s").arg(PortsText(ports_)).arg(monitor_.Sampler().IntervalMs() / 1000.0));
}

TPortChart::~TPortChart()
{
    monitor_.Sampler().RemoveTrafficUser();
}

QLineSeries* TPortChart::NewSegment(Line& line, int index)
{
    auto* series = new QLineSeries(chart_);
    const auto at = std::find(ports_.begin(), ports_.end(), line.port);
    QPen pen(PortColour(static_cast<std::size_t>(at - ports_.begin())));
    pen.setWidthF(line.series == Faults ? 1.5 : 2);
    pen.setStyle(SeriesPattern(line.series));
    series->setPen(pen);
    series->setName(QStringLiteral("Port %1 %2").arg(line.port).arg(SeriesName(line.series)));
    chart_->addSeries(series);
    series->attachAxis(timeAxis_);
    series->attachAxis(line.series == Faults ? faultsAxis_ : bitsAxis_);
    // One legend entry a line, however many gaps cut it.
    if (index > 0)
        for (QLegendMarker* m : chart_->legend()->markers(series))
            m->setVisible(false);
    const int port = line.port;
    const Series kind = line.series;
    connect(series, &QLineSeries::hovered, this, [this, port, kind](const QPointF& point, bool state) {
        if (state)
            QToolTip::showText(QCursor::pos(), HoverText(port, kind, point), View);
        else
            QToolTip::hideText();
    });
    line.segments.push_back(series);
    return series;
}

void TPortChart::SetSpanSeconds(int seconds)
{
    span_ = seconds == OneHour ? OneHour : TenMinutes;
    SpanBox->setCurrentIndex(SpanBox->findData(span_));
    Refresh();
}

void TPortChart::Refresh()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 from = now - static_cast<qint64>(span_) * 1000;
    double largestBits = 0, largestFaults = 0;
    for (const int port : ports_) {
        const TRingBuffer<TTrafficPoint>& h = monitor_.Sampler().History(port);
        for (std::size_t i = 0; i < h.Size(); ++i) {
            if (h[i].TimeMs < from)
                continue;
            if (!std::isnan(h[i].InBits))
                largestBits = std::max({largestBits, double(h[i].InBits), double(h[i].OutBits)});
            if (!std::isnan(h[i].Faults))
                largestFaults = std::max(largestFaults, double(h[i].Faults));
        }
    }
    const Unit unit = BitUnit(largestBits);
    for (Line& line : lines_) {
        const TRingBuffer<TTrafficPoint>& h = monitor_.Sampler().History(line.port);
        const double scale = line.series == Faults ? 1 : unit.divisor;
        std::vector<QList<QPointF>> runs(1);
        for (std::size_t i = 0; i < h.Size(); ++i) {
            if (h[i].TimeMs < from)
                continue;
            const float v = ValueOf(h[i], line.series);
            if (std::isnan(v)) {
                if (!runs.back().isEmpty())
                    runs.emplace_back();
                continue;
            }
            runs.back().append(QPointF(static_cast<qreal>(h[i].TimeMs), v / scale));
        }
        if (runs.size() > 1 && runs.back().isEmpty())
            runs.pop_back();
        for (std::size_t r = line.segments.size(); r < runs.size(); ++r)
            NewSegment(line, static_cast<int>(r));
        for (std::size_t r = 0; r < line.segments.size(); ++r)
            line.segments[r]->replace(r < runs.size() ? runs[r] : QList<QPointF>());
    }
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(now));
    bitsAxis_->setRange(0, std::max(largestBits / unit.divisor * 1.1, 1.0));
    bitsAxis_->setTitleText(QLatin1String(unit.name));
    faultsAxis_->setRange(0, std::max(largestFaults * 1.1, 1.0));
    // Round steps (0, 5, 10, 15 ...), not a fifth of whatever the largest value is.
    bitsAxis_->applyNiceNumbers();
    faultsAxis_->applyNiceNumbers();
}

QList<QPointF> TPortChart::Points(int port, Series series) const
{
    QList<QPointF> all;
    for (const Line& line : lines_) {
        if (line.port != port || line.series != series)
            continue;
        for (const QLineSeries* s : line.segments)
            all += s->points();
    }
    return all;
}

int TPortChart::Segments(int port, Series series) const
{
    for (const Line& line : lines_)
        if (line.port == port && line.series == series)
            return static_cast<int>(std::count_if(line.segments.begin(), line.segments.end(),
                                                  [](const QLineSeries* s) { return s->count() > 0; }));
    return 0;
}

QString TPortChart::HoverText(int port, Series series, const QPointF& point) const
{
    // The sample nearest the mouse, with its own value and mark.
    const TRingBuffer<TTrafficPoint>& h = monitor_.Sampler().History(port);
    const TTrafficPoint* best = nullptr;
    for (std::size_t i = 0; i < h.Size(); ++i)
        if (!best || std::abs(h[i].TimeMs - point.x()) < std::abs(best->TimeMs - point.x()))
            best = &h[i];
    if (!best)
        return {};
    const float v = ValueOf(*best, series);
    const TRate rate = std::isnan(v) ? TRate{TRateKind::NoRate, 0, false}
                                     : TRate{TRateKind::Rate, series == Faults ? v : v / 8.0, series != Faults && best->AtLeast};
    const QString value = series == Faults ? EventRateText(rate) : BitRateText(rate);
    return QStringLiteral("%1  port %2 %3: %4")
        .arg(QDateTime::fromMSecsSinceEpoch(best->TimeMs).toString(QStringLiteral("hh:mm:ss")))
        .arg(port)
        .arg(SeriesName(series), value.isEmpty() ? QStringLiteral("no value") : value);
}

bool TPortChart::SavePng(const QString& path, QString* error)
{
    QSaveFile file(path);
    const QPixmap picture = View->grab();
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        WriteStatus(QStringLiteral("Save PNG: cannot write %1").arg(path));
        return false;
    }
    WriteStatus(QStringLiteral("Save PNG: %1").arg(path));
    return true;
}

bool TPortChart::SaveCsv(const QString& path, QString* error)
{
    const qint64 from = QDateTime::currentMSecsSinceEpoch() - static_cast<qint64>(span_) * 1000;
    QByteArray text = CsvRecord({QStringLiteral("time"), QStringLiteral("port"), QStringLiteral("series"),
                                 QStringLiteral("value")});
    int records = 0;
    for (const int port : ports_) {
        const TRingBuffer<TTrafficPoint>& h = monitor_.Sampler().History(port);
        for (std::size_t i = 0; i < h.Size(); ++i) {
            if (h[i].TimeMs < from)
                continue;
            const QString time = QDateTime::fromMSecsSinceEpoch(h[i].TimeMs).toString(Qt::ISODateWithMs);
            for (int s = 0; s < SeriesCount; ++s) {
                const float v = ValueOf(h[i], static_cast<Series>(s));
                // A gap stays a gap: an empty value, never 0.
                text += CsvRecord({time, QString::number(port), SeriesName(static_cast<Series>(s)),
                                   std::isnan(v) ? QString() : QString::number(static_cast<double>(v), 'f', 2)});
                ++records;
            }
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        WriteStatus(QStringLiteral("Save CSV: cannot write %1").arg(path));
        return false;
    }
    WriteStatus(QStringLiteral("Save CSV: %1 values written to %2").arg(records).arg(path));
    return true;
}

void TPortChart::WriteStatus(const QString& line)
{
    StatusText->setText(line);
    KvEchoNotice(line);
}
