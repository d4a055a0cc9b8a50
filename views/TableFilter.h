// The filter of a table view: the rows holding the typed text in any column
// (letter case ignored), with a label saying how many rows are shown of
// how many.
//
// The rows stay in the report list, which the binding fills and reads; the
// filter is a flat model of the matching rows over the list's model, which a
// second view shows while a text is set.  Hiding rows in the report list
// itself cannot keep up with a long table: every hidden row is a persistent
// index, and each change of them lays out every row of the list again.  Here
// a key press costs one scan of the rows' case-folded text, kept in one buffer
// in step with the list's rows, and a reset of a model the table view lays out
// only as far as it paints.
#pragma once

#include <QAbstractProxyModel>
#include <QString>

#include <limits>
#include <vector>

class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;

class TTableFilter : public QAbstractProxyModel {
    Q_OBJECT
public:
    // Follows the edit's text; lives as a child of the list.
    TTableFilter(QTreeWidget* list, QLineEdit* edit, QLabel* count);

    void SetText(const QString& text);
    QString Text() const { return text_; }
    // A text is set: the rows shown are this model's.
    bool Active() const { return !folded_.isEmpty(); }
    // While a walk appends rows they are checked in batches, at CatchUp or
    // when the hold ends, rather than one signal each.
    void SetHolding(bool on);
    void CatchUp();

    int Shown() const;
    int Total() const;
    // The list row of a row of this model.
    int SourceRow(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // The label's "shown of total"; the owner calls it where it shows the row
    // count, not per appended row.
    void ShowCount();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // Case-folds up to limit list rows not yet in the buffer.
    void IndexRows(int limit = std::numeric_limits<int>::max());
    // The buffer is filled a slice of rows at a time while the window is idle
    // (after a walk, after rows are added), so that the first key press finds
    // it ready; a key press before it is complete completes it.
    void PrepareIndex();
    void IndexSlice();
    // The rows from `from` on that hold the text, in list order.
    std::vector<int> Matches(int from) const;
    void Refilter();
    void ForgetIndex();
    void SourceRowsInserted(const QModelIndex& parent, int start, int end);
    void SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void BeginSourceChange();
    void EndSourceChange();

    QTreeWidget* list_;
    QLineEdit* edit_;
    QLabel* count_;
    QString text_;
    QString folded_;   // text_ case-folded; empty while no filter is set
    // Each indexed row's cells, case-folded, each cell ended by kCellEnd
    // so that no match spans two cells; rowStart_[r] is where row r begins.
    QString index_;
    std::vector<qsizetype> rowStart_;
    // A row's text changed: the buffer is built again at the next key press.
    bool stale_ = false;
    std::vector<int> rows_;   // the list rows shown, ascending
    int checked_ = 0;         // list rows tested against the text so far
    bool holding_ = false;
    bool resetting_ = false;
    QTimer* indexTimer_ = nullptr;
};
