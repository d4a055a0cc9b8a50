// A live chart of ports' traffic: bit/s in and out on the left axis, errors
// and discards per second on the right one, over the last ten minutes or the
// last hour, one colour per port and series.  A poll that gave no rate leaves
// a gap in the line.  Resting the mouse on a line shows its value at that
// time; the chart is saved as PNG or as CSV (time, port, series, value), each
// file written whole or not at all.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QValueAxis;
class TMonitor;

class TPortChart : public QWidget {
    Q_OBJECT
public:
    enum Series { InBits, OutBits, Faults, SeriesCount };
    static constexpr int TenMinutes = 10 * 60;
    static constexpr int OneHour = 60 * 60;

    TPortChart(TMonitor& monitor, std::vector<int> ports, QWidget* parent);
    ~TPortChart() override;

    const std::vector<int>& Ports() const { return ports_; }
    // The span shown, in seconds: TenMinutes or OneHour.
    void SetSpanSeconds(int seconds);
    int SpanSeconds() const { return span_; }

    // Draws the lines again from the sampler's history.
    void Refresh();
    // The points of one port's series as drawn (x: ms since the epoch); the
    // segments between gaps follow each other.
    QList<QPointF> Points(int port, Series series) const;
    // How many separate segments (a gap between each two) a series is drawn as.
    int Segments(int port, Series series) const;
    // The text shown when the mouse rests on a series at a point.
    QString HoverText(int port, Series series, const QPointF& point) const;

    // Written whole through a temporary file beside it, then renamed; false
    // with the reason in error otherwise (an existing file stays as it was).
    bool SavePng(const QString& path, QString* error = nullptr);
    bool SaveCsv(const QString& path, QString* error = nullptr);

    QChartView* View = nullptr;
    QComboBox* SpanBox = nullptr;
    QLabel* StatusText = nullptr;

private:
    struct Line {
        int port;
        Series series;
        std::vector<QLineSeries*> segments;
    };
    void WriteStatus(const QString& line);
    QLineSeries* NewSegment(Line& line, int index);
    void AskSave();

    TMonitor& monitor_;
    std::vector<int> ports_;
    int span_ = TenMinutes;
    QChart* chart_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
    QValueAxis* bitsAxis_ = nullptr;
    QValueAxis* faultsAxis_ = nullptr;
    std::vector<Line> lines_;
};

// The name of a series in the legend and the CSV file.
QString SeriesName(TPortChart::Series series);
