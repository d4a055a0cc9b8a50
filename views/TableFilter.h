// The filter of a table view: the rows that do not contain the typed text in
// any column (letter case ignored) are hidden, and a label says how many rows
// are shown of how many.  Rows appended while a filter is set are checked as
// they come, or once a walk holding the filter ends.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QTreeWidget;

class TTableFilter : public QObject {
    Q_OBJECT
public:
    // Follows the edit's text; lives as a child of the list.
    TTableFilter(QTreeWidget* list, QLineEdit* edit, QLabel* count);

    void SetText(const QString& text);
    // While a walk appends rows: each hidden row makes every later append
    // dearer (the view keeps hidden rows as persistent indexes, which every
    // insertion visits), so appended rows are checked in one pass on release.
    void SetHolding(bool on);
    QString Text() const { return text_; }
    int Shown() const;
    int Total() const;
    // The label's "shown of total"; the owner calls it where it shows the row
    // count, not per appended row.
    void ShowCount();

private:
    bool Matches(int row) const;
    // Hides or shows rows [start, end] by the text; counts what it hides.
    void Apply(int start, int end, bool shownOnly);
    void RowsInserted(int start, int end);
    void RowsAboutToBeRemoved(int start, int end);

    QTreeWidget* list_;
    QLineEdit* edit_;
    QLabel* count_;
    QString text_;
    int hidden_ = 0;
    bool holding_ = false;
};
