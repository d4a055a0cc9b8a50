// Monitor > Port Overview: one row per port with its state, speed, traffic in
// and out, utilisation, errors and discards per second, the age of its last
// change and its state changes in the last ten minutes, refreshed after every
// poll of the monitor's sampler.
//
// The list is the table views' own (filter, Ctrl+C, Copy and Export… in its
// menu); sorting is the overview's: a click on a column's header orders the
// ports by that column's value (numbers as numbers), again in reverse.  The
// order is kept as the values change, and the selected ports stay selected.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class TListViewPanel;
class TMonitor;
class TTableExport;

class TPortOverview : public QWidget {
    Q_OBJECT
public:
    enum Column {
        ColPort, ColDescr, ColState, ColSpeed, ColIn, ColOut, ColUtilisation, ColErrors, ColDiscards,
        ColLastChange, ColChanges, ColumnCount
    };

    TPortOverview(TMonitor& monitor, QWidget* parent);
    ~TPortOverview() override;

    // Writes the rows again from the sampler's latest values.
    void Refresh();
    // Orders the rows by a column.
    void SortBy(int column, Qt::SortOrder order);
    int SortColumn() const { return sortColumn_; }

    // The port shown in a list row, and the ports selected (in the order shown).
    int PortOfRow(int row) const { return rowPorts_.at(static_cast<std::size_t>(row)); }
    std::vector<int> SelectedPorts() const;
    // Opens a chart of the selected ports (of the row's port after a double click).
    void ChartSelected();
    // Writes the shown rows as CSV (the table views' export).
    TTableExport* ExportTo(const QString& path);

    TListViewPanel* List = nullptr;
    QComboBox* IntervalBox = nullptr;
    QLabel* StatusText = nullptr;

private:
    void WriteStatus(const QString& line);
    void IntervalChosen(int index);

    TMonitor& monitor_;
    std::vector<int> rowPorts_;
    int sortColumn_ = ColPort;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool ratesTold_ = false;
};

// The text of an age in seconds: "12 s", "5 min 3 s", "2 h 5 min", "3 d 4 h".
QString AgeText(double seconds);
// The name of an ifOperStatus value ("up", "down", ...), its number when unknown.
QString OperStatusText(int status);
