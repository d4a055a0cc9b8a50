#include "monitorwin/PortOverview.h"

#include "binding/KvUserNotice.h"
#include "monitorwin/Monitor.h"
#include "views/Listviewpanel.h"
#include "views/TableExport.h"
#include "views/TableFilter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

namespace {

const char* const kCaptions[TPortOverview::ColumnCount] = {
    "Port", "Description / Alias", "State", "Speed", "In", "Out", "Utilisation", "Errors", "Discards",
    "Last Change", "Changes (10 min)"};

const int kWidths[TPortOverview::ColumnCount] = {50, 190, 80, 90, 110, 110, 90, 70, 75, 95, 115};

// Sort keys of what has no value: after every value when ascending.
constexpr double kNoValue = -1;
constexpr double kMissingValue = -2;

double RateKey(const TRate& r)
{
    if (r.Kind == TRateKind::Missing)
        return kMissingValue;
    return r.HasValue() ? r.PerSecond : kNoValue;
}

QString SpeedText(const TPortNow& now)
{
    if (!now.SpeedBits)
        return now.SpeedMissing ? MissingText() : QString();
    return BitRateText({TRateKind::Rate, *now.SpeedBits / 8, false});
}

// The busier direction against the port's speed: a full-duplex port is as
// used as its busier direction.
TRate Utilisation(const TPortNow& now)
{
    if (now.In.Kind == TRateKind::Missing && now.Out.Kind == TRateKind::Missing)
        return {};
    if (!now.SpeedBits || *now.SpeedBits <= 0)
        return now.SpeedMissing ? TRate{} : TRate{TRateKind::NoRate, 0, false};
    const TRate parts[] = {now.In, now.Out};
    for (const TRate& r : parts)
        if (r.Kind == TRateKind::NoRate)
            return {TRateKind::NoRate, 0, false};
    const double busier = std::max(now.In.HasValue() ? now.In.PerSecond : 0, now.Out.HasValue() ? now.Out.PerSecond : 0);
    return {TRateKind::Rate, busier * 8 / *now.SpeedBits * 100, now.In.AtLeast || now.Out.AtLeast};
}

QString PercentText(const TRate& r)
{
    if (r.Kind == TRateKind::Missing)
        return MissingText();
    if (!r.HasValue())
        return {};
    return (r.AtLeast ? QStringLiteral("\u2265 ") : QString()) + QString::number(r.PerSecond, 'f', 1) + QStringLiteral(" %");
}

std::optional<double> AgeSeconds(const TPortNow& now)
{
    if (!now.LastChange || !now.UpTime || *now.LastChange > *now.UpTime)
        return std::nullopt;
    return (*now.UpTime - *now.LastChange) / 100.0;
}

} // namespace

QString AgeText(double seconds)
{
    const auto s = static_cast<long long>(seconds);
    const long long d = s / 86400, h = s % 86400 / 3600, m = s % 3600 / 60, sec = s % 60;
    if (d > 0)
        return QStringLiteral("%1 d %2 h").arg(d).arg(h);
    if (h > 0)
        return QStringLiteral("%1 h %2 min").arg(h).arg(m);
    if (m > 0)
        return QStringLiteral("%1 min %2 s").arg(m).arg(sec);
    return QStringLiteral("%1 s").arg(sec);
}

QString OperStatusText(int status)
{
    static const char* const names[] = {"up", "down", "testing", "unknown", "dormant", "notPresent", "lowerLayerDown"};
    if (status >= 1 && status <= 7)
        return QLatin1String(names[status - 1]);
    return QString::number(status);
}

TPortOverview::TPortOverview(TMonitor& monitor, QWidget* parent) : QWidget(parent, Qt::Window), monitor_(monitor)
{
    setObjectName(QStringLiteral("PortOverview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Port Overview"));

    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Refresh every"), this));
    IntervalBox = new QComboBox(this);
    IntervalBox->setObjectName(QStringLiteral("IntervalBox"));
    for (const int s : TPortSampler::Intervals)
        IntervalBox->addItem(QStringLiteral("%1 s").arg(s), s * 1000);
    IntervalBox->setCurrentIndex(std::max(IntervalBox->findData(monitor_.Sampler().IntervalMs()), 0));
    top->addWidget(IntervalBox);
    top->addStretch(1);
    auto* chart = new QPushButton(QStringLiteral("Chart"), this);
    chart->setObjectName(QStringLiteral("ChartButton"));
    chart->setToolTip(QStringLiteral("A chart of the selected ports' traffic"));
    top->addWidget(chart);
    box->addLayout(top);

    List = new TListViewPanel(this, nullptr);
    QTreeWidget* list = List->ListView;
    list->setColumnCount(ColumnCount);
    QStringList captions;
    for (const char* c : kCaptions)
        captions << QLatin1String(c);
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(true);
    list->header()->setSortIndicator(sortColumn_, sortOrder_);
    List->FilteredView->horizontalHeader()->setSectionsClickable(true);
    const int ports = monitor_.PortCount();
    for (int p = 1; p <= ports; ++p)
        list->addTopLevelItem(new QTreeWidgetItem(list));
    rowPorts_.resize(static_cast<std::size_t>(ports));
    std::iota(rowPorts_.begin(), rowPorts_.end(), 1);
    for (int c = ColSpeed; c < ColumnCount; ++c)
        if (c != ColLastChange)
            list->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for "Port 48 / uplink to core" and "≥ 940.5 Mbit/s": every
    // column fits the window without scrolling.
    for (int c = 0; c < ColumnCount; ++c)
        list->setColumnWidth(c, kWidths[c]);
    List->Filter->ShowCount();
    box->addWidget(List, 1);

    StatusText = new QLabel(this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setTextFormat(Qt::PlainText);
    box->addWidget(StatusText);

    auto clicked = [this](int column) {
        SortBy(column, column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
    };
    connect(list->header(), &QHeaderView::sectionClicked, this, clicked);
    connect(List->FilteredView->horizontalHeader(), &QHeaderView::sectionClicked, this, clicked);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = List->ListView->indexOfTopLevelItem(item);
        if (row >= 0)
            monitor_.OpenChart({PortOfRow(row)});
    });
    connect(List->FilteredView, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        monitor_.OpenChart({PortOfRow(List->Filter->SourceRow(index.row()))});
    });
    connect(chart, &QPushButton::clicked, this, &TPortOverview::ChartSelected);
    connect(IntervalBox, &QComboBox::activated, this, &TPortOverview::IntervalChosen);
    connect(&monitor_.Sampler(), &TPortSampler::Sampled, this, &TPortOverview::Refresh);
    connect(&monitor_.Sampler(), &TPortSampler::StatusLine, this, &TPortOverview::WriteStatus);

    resize(1110, 600);
    monitor_.Sampler().AddTrafficUser();
    Refresh();
    WriteStatus(QStringLiteral("Port Overview: %1 ports every %2 s").arg(ports).arg(monitor_.Sampler().IntervalMs() / 1000.0));
}

TPortOverview::~TPortOverview()
{
    monitor_.Sampler().RemoveTrafficUser();
}

void TPortOverview::IntervalChosen(int index)
{
    const int ms = IntervalBox->itemData(index).toInt();
    monitor_.Sampler().SetIntervalMs(ms);
    WriteStatus(QStringLiteral("Port Overview: every %1 s").arg(ms / 1000));
}

void TPortOverview::WriteStatus(const QString& line)
{
    StatusText->setText(line);
    KvEchoNotice(line);
}

std::vector<int> TPortOverview::SelectedPorts() const
{
    std::vector<int> ports;
    for (const int row : List->SelectedRows())
        ports.push_back(PortOfRow(row));
    return ports;
}

void TPortOverview::ChartSelected()
{
    const std::vector<int> ports = SelectedPorts();
    if (ports.empty()) {
        WriteStatus(QStringLiteral("Chart: choose one or more ports first"));
        return;
    }
    monitor_.OpenChart(ports);
}

TTableExport* TPortOverview::ExportTo(const QString& path)
{
    TTableExport* job = List->StartExport(path);
    const int rows = static_cast<int>(List->ShownRows().size());
    connect(job, &TTableExport::Finished, this, [this, path, rows](bool ok, const QString&) {
        if (ok)
            WriteStatus(QStringLiteral("Export: %1 rows written to %2").arg(rows).arg(path));
    });
    return job;
}

void TPortOverview::SortBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    List->ListView->header()->setSortIndicator(column, order);
    Refresh();
}

void TPortOverview::Refresh()
{
    const TPortSampler& sampler = monitor_.Sampler();
    const int ports = static_cast<int>(rowPorts_.size());

    // The sort keys of every port: a number where the column has one.
    auto key = [&](int port) -> std::pair<double, QString> {
        const TPortNow& n = sampler.Now(port);
        switch (sortColumn_) {
        case ColPort:
            return {static_cast<double>(port), {}};
        case ColDescr:
            return {0, n.Descr + QLatin1Char(' ') + n.Alias};
        case ColState:
            return {static_cast<double>(n.OperStatus.value_or(1000)), {}};
        case ColSpeed:
            return {n.SpeedBits.value_or(kMissingValue), {}};
        case ColIn:
            return {RateKey(n.In), {}};
        case ColOut:
            return {RateKey(n.Out), {}};
        case ColUtilisation:
            return {RateKey(Utilisation(n)), {}};
        case ColErrors:
            return {RateKey(n.Errors), {}};
        case ColDiscards:
            return {RateKey(n.Discards), {}};
        case ColLastChange:
            return {AgeSeconds(n).value_or(1e12), {}};
        default:
            return {static_cast<double>(sampler.ChangesWithin10Min(port)), {}};
        }
    };
    std::vector<std::pair<std::pair<double, QString>, int>> order;
    for (int p = 1; p <= ports; ++p)
        order.push_back({key(p), p});
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        const int text = QString::compare(a.first.second, b.first.second, Qt::CaseInsensitive);
        if (text != 0)
            return sortOrder_ == Qt::AscendingOrder ? text < 0 : text > 0;
        if (a.first.first != b.first.first)
            return sortOrder_ == Qt::AscendingOrder ? a.first.first < b.first.first : a.first.first > b.first.first;
        return a.second < b.second;
    });

    const std::vector<int> chosen = SelectedPorts();
    QTreeWidget* list = List->ListView;
    bool moved = false;
    for (int row = 0; row < ports; ++row) {
        const int port = order[static_cast<std::size_t>(row)].second;
        moved = moved || rowPorts_[static_cast<std::size_t>(row)] != port;
        rowPorts_[static_cast<std::size_t>(row)] = port;
        const TPortNow& n = sampler.Now(port);
        const int changes = sampler.ChangesWithin10Min(port);
        QString names = n.Descr;
        if (!n.Alias.isEmpty())
            names += (names.isEmpty() ? QString() : QStringLiteral(" / ")) + n.Alias;
        const auto age = AgeSeconds(n);
        const QString texts[ColumnCount] = {
            QString::number(port),
            names,
            n.OperStatus ? OperStatusText(*n.OperStatus) : (n.Read ? MissingText() : QString()),
            SpeedText(n),
            BitRateText(n.In),
            BitRateText(n.Out),
            PercentText(Utilisation(n)),
            EventRateText(n.Errors),
            EventRateText(n.Discards),
            age ? AgeText(*age) : (n.Read && !n.LastChange ? MissingText() : QString()),
            n.Read || changes > 0 ? QString::number(changes) : QString(),
        };
        QTreeWidgetItem* item = list->topLevelItem(row);
        for (int c = 0; c < ColumnCount; ++c) {
            if (item->text(c) != texts[c])
                item->setText(c, texts[c]);
            if (c >= ColSpeed && c != ColLastChange)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (moved && !chosen.empty()) {
        // The same ports stay chosen where the order took them.
        const std::set<int> keep(chosen.begin(), chosen.end());
        List->ClearSelection();
        for (int row = 0; row < ports; ++row)
            if (keep.count(rowPorts_[static_cast<std::size_t>(row)]))
                list->topLevelItem(row)->setSelected(true);
    }
    if (!ratesTold_) {
        int withRates = 0;
        for (int p = 1; p <= ports; ++p)
            withRates += sampler.Now(p).In.HasValue() || sampler.Now(p).Out.HasValue();
        if (withRates > 0) {
            ratesTold_ = true;
            WriteStatus(QStringLiteral("Port Overview: rates of %1 ports").arg(withRates));
        }
    }
}
