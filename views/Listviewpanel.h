// The view of a table: one list-view row per table row, one column per
// variable, with row operations.  Edit changes the selected row in a dialog,
// Add creates a row in a dialog with the row-status variable fixed to its
// create value, Delete writes the destroy value to the selected row's status.
// The row editor of both dialogs is the panel's own edits panel, which lives
// hidden here and is lent to each dialog for the dialog's lifetime.
#pragma once

#include "Snmpeditorpanel.h"

#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <functional>
#include <vector>

class QAbstractItemView;
class QDialog;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableView;
class QTimer;
class TReportColumnFit;
class TTableExport;
class TTableFilter;
class QTreeWidgetItem;

// The report list of a table view.  While a walk appends rows, appended rows
// can be left out of the list's layout until FlushAppends: laying the whole
// list out again after every row would make a long table quadratic.  While
// appends are deferred, FlushAppends lays the list out only once it has grown
// by a quarter since the last layout, so the layouts of a whole walk cost a
// few times its rows however long the table.
class TReportListView : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    void SetDeferAppends(bool on);
    // Lays out the rows appended since the last layout (at the next event).
    void FlushAppends();

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    bool defer_ = false;
    bool owed_ = false;
    int laidOut_ = 0;   // rows at the last layout asked for
};

class TListViewPanel : public QWidget {
    Q_OBJECT
public:
    TListViewPanel(QWidget* parent, KvSNMPRequest2Edits* binding);
    ~TListViewPanel() override;

    // Shows the buttons of a table view; Add and Delete only with their status rows.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    // Ctrl+C and the list's menu: the selected rows, tab-separated under the
    // column captions, onto the clipboard.
    void CopySelectedRows();
    // The list's menu: asks for a file and exports the shown rows as CSV.
    void ExportRows();
    // Writes the shown rows as they are now to path in the background; an
    // error is reported in a message box.  The export deletes itself once
    // finished.
    TTableExport* StartExport(const QString& path);

    // The rows of the list (ListView's row numbers) the user sees, and the
    // selected ones among them, in the order shown.
    std::vector<int> ShownRows() const;
    std::vector<int> SelectedRows() const;
    // The one selected row (ListView's row number); -1 with none or several,
    // where Edit and Delete would have to guess which row is meant.
    int SoleSelectedRow() const;
    // The view in sight: FilteredView while a filter text is set, else ListView.
    QAbstractItemView* ShownView() const;
    // The list row under pos in view (one of the two), -1 for none.
    int RowAt(const QAbstractItemView* view, const QPoint& pos) const;
    void ClearSelection();

    // Holds every row: the binding fills it and reads the selected row from it.
    TReportListView* ListView = nullptr;
    // Shows the rows the filter lets through while a filter text is set.  A
    // row chosen here is selected in ListView as well, so that the binding and
    // the row buttons see it there.
    QTableView* FilteredView = nullptr;
    QLineEdit* FilterEdit = nullptr;
    QLabel* FilterCount = nullptr;
    TTableFilter* Filter = nullptr;
    int DeleteStatusRow = -1;
    int AddStatusRow = -1;
    QString AddStatusValue;
    QString DeleteStatusValue;

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    // The selection in sight changed, by mouse, keys, code or the filter.
    void SelectionChanged();

private:
    void ShowListMenu(const QAbstractItemView* view, const QPoint& pos);
    void FilterChanged();
    void MirrorColumns();
    // The filtered view's current (or first selected) row becomes ListView's
    // one selected row; and back when code changes ListView's selection.
    void SelectFromFiltered();
    void SelectInFiltered();

    QStackedWidget* views_ = nullptr;
    bool selecting_ = false;
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    // Handlers called around the dialogs with the button as sender.
    using TNotifyEvent = std::function<void(QObject* sender)>;

    TSNMPListViewPanel(QWidget* parent, KvSNMPRequest2Edits* binding);
    ~TSNMPListViewPanel() override;

    TListViewPanel* ListViewPanel() const { return listPanel_; }

    // The status row must be a drop-down row offering the value; letter case
    // does not matter, and the row's own label is kept.
    void SetAddStatus(int row, const QString& value);
    void SetDeleteStatus(int row, const QString& value);

    // Set: Edit stays as it is on a row click (the view only shows rows).
    std::uint8_t ReadOnly = 0;
    TNotifyEvent OnBeforeAdd;   // preset: the edits are emptied
    TNotifyEvent OnAfterAdd;
    TNotifyEvent OnBeforeEdit;
    TNotifyEvent OnAfterEdit;

    void BT_RefreshClick() override;
    virtual void BT_EditClick();
    virtual void BT_AddClick();
    virtual void BT_DeleteClick();

    void ListViewClick();
    void ListViewDblClick();
    void ListViewItemsChanged();
    void ShowRowCount();
    // Edit and Delete are offered while exactly one row is selected.
    void UpdateRowButtons();
    // The hint over a row: each column's header padded with tabs to the longest
    // header, two spaces and the row's text in that column, one line each.
    QString RowHint(const QTreeWidgetItem* item) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The caption of the form (or tab page) the view is on.
    QString HostCaption() const;
    QWidget* HostWindow() const;
    void EditDialog();
    void AddDialog();
    // Lends the edits panel to a new dialog panel; RunLent gives it back.
    TSNMPPanel* LendEdits(QDialog& dialog);
    void ReturnEdits(QDialog& dialog);
    void ListViewMouseMove(QAbstractItemView* view, const QPoint& pos);
    void SetRowButtons(bool rowSelected);
    QString MatchStatus(int row, const QString& value, const char* error) const;
    // The chosen row (by its key) and the scroll position, taken when a read's
    // rows replace those shown and given back once the read has ended.
    struct Place {
        bool Valid = false;
        QStringList Key;
        int Vertical = 0;
        int Horizontal = 0;
    };
    void KeepPlace();
    void RestorePlace();
    Place place_;
    // While a walk fills the list, its row count is shown (and the list laid
    // out as it grows) every kWalkTickMs, and once more as soon as the walk ends.
    void WalkTick();

    static constexpr int kWalkTickMs = 100;
    QTimer* walkTimer_ = nullptr;
    // Sizes the columns once each read is complete.
    TReportColumnFit* columnFit_ = nullptr;

    TListViewPanel* listPanel_ = nullptr;
};
