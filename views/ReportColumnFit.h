// The columns of a table view as wide as their header and the values of the
// last read, within a bound: values are not cut to a few letters, and one long
// value does not push the other columns out of sight.  A column the user has
// sized keeps the user's width for as long as the list lives.
#pragma once

#include <QObject>
#include <QSet>

class QTreeView;

class TReportColumnFit : public QObject {
    Q_OBJECT
public:
    // The widest a fitted column gets.
    static constexpr int MaxColumnWidth = 300;

    // Lives as a child of the list.
    explicit TReportColumnFit(QTreeView* list);

    // Sizes every shown column the user has not sized.  It measures at most a
    // thousand rows however long the table is; still, call it once a read is
    // complete, never per row.
    void Fit();

    bool UserSized(int column) const { return userSized_.contains(column); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeView* list_;
    // A width changes under the user's hand only while a button is down on the
    // header (a drag of a section's edge) or through a double click on an edge.
    bool pressed_ = false;
    QSet<int> userSized_;
};
