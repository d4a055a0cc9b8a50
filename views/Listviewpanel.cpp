#include "Listviewpanel.h"

#include "ReportColumnFit.h"
#include "TableExport.h"
#include "TableFilter.h"
#include "Viewmodal.h"

#include "KvControls.h"
#include "binding/KvPlainText.h"
#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"
#include "binding/KvRowNaming.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <utility>
#include <exception>
#include <vector>

namespace {

constexpr int kPixelsPerHeaderChar = 8;
constexpr int kMaxListWidth = 450;
constexpr int kListHeight = 350;
constexpr int kDialogControlWidth = 200;

QComboBox* RowCombo(const TEditsPanel& edits, int row)
{
    if (row < 0 || row >= edits.RowCount())
        return nullptr;
    return qobject_cast<QComboBox*>(edits.Row(row).Control);
}

// An item taken out of a status list while a dialog runs, to be put back where it was.
struct RemovedItem {
    QComboBox* Combo;
    int Index;
    QString Text;
    QVariant Data;
};

} // namespace

// ---- TReportListView ---------------------------------------------------------

void TReportListView::SetDeferAppends(bool on)
{
    defer_ = on;
    if (!on)
        FlushAppends();
}

void TReportListView::FlushAppends()
{
    const int rows = topLevelItemCount();
    laidOut_ = std::min(laidOut_, rows);   // the list was cleared meanwhile
    if (!owed_ || (defer_ && rows - laidOut_ < laidOut_ / 4))
        return;
    owed_ = false;
    laidOut_ = rows;
    scheduleDelayedItemsLayout();
}

void TReportListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    if (defer_ && !parent.isValid()) {
        // Rows below the laid-out ones; the view's own bookkeeping still runs.
        owed_ = true;
        QAbstractItemView::rowsInserted(parent, start, end);
        return;
    }
    QTreeWidget::rowsInserted(parent, start, end);
}

// ---- TListViewPanel ----------------------------------------------------------

TListViewPanel::TListViewPanel(QWidget* parent, KvSNMPRequest2Edits* binding) : QWidget(parent)
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    FilterEdit = new QLineEdit(this);
    FilterEdit->setPlaceholderText(QStringLiteral("Filter"));
    FilterEdit->setClearButtonEnabled(true);
    FilterEdit->setToolTip(QStringLiteral("Shows only the rows containing this text"));
    FilterCount = new QLabel(this);
    filterRow->addWidget(FilterEdit, 1);
    filterRow->addWidget(FilterCount);
    box->addLayout(filterRow);
    views_ = new QStackedWidget(this);
    box->addWidget(views_);
    ListView = new TReportListView(views_);
    views_->addWidget(ListView);
    if (binding)
        binding->AttachListView(ListView, false);
    // Several rows may be chosen for copying; Edit and Delete are offered only
    // while one row is (see SoleSelectedRow).
    ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Filter = new TTableFilter(ListView, FilterEdit, FilterCount);

    FilteredView = new QTableView(views_);
    FilteredView->setModel(Filter);
    FilteredView->setSelectionBehavior(QAbstractItemView::SelectRows);
    FilteredView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FilteredView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FilteredView->setWordWrap(false);
    FilteredView->setTabKeyNavigation(false);
    FilteredView->setCornerButtonEnabled(false);
    FilteredView->setPalette(ListView->palette());
    FilteredView->verticalHeader()->hide();
    FilteredView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FilteredView->verticalHeader()->setMinimumSectionSize(0);
    FilteredView->verticalHeader()->setDefaultSectionSize(FilteredView->fontMetrics().height() + 6);
    FilteredView->horizontalHeader()->setHighlightSections(false);
    FilteredView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    views_->addWidget(FilteredView);
    views_->setCurrentWidget(ListView);

    // After the filter's own handler: the filter has its rows by then.
    connect(FilterEdit, &QLineEdit::textChanged, this, &TListViewPanel::FilterChanged);
    connect(Filter, &QAbstractItemModel::modelReset, this, [this] {
        if (Filter->Active())
            MirrorColumns();
    });
    connect(ListView->header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (Filter->Active())
            FilteredView->setColumnWidth(column, width);
    });
    connect(FilteredView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TListViewPanel::SelectFromFiltered);
    connect(FilteredView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TListViewPanel::SelectFromFiltered);
    connect(ListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TListViewPanel::SelectInFiltered);
    // After the handlers above: both views agree by the time it is told.
    for (QItemSelectionModel* chosen : {FilteredView->selectionModel(), ListView->selectionModel()})
        connect(chosen, &QItemSelectionModel::selectionChanged, this, &TListViewPanel::SelectionChanged);

    auto* copy = new QShortcut(QKeySequence::Copy, views_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &TListViewPanel::CopySelectedRows);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(ListView), static_cast<QAbstractItemView*>(FilteredView)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& pos) { ShowListMenu(view, pos); });
    }
    int chars = 0;
    const QTreeWidgetItem* header = ListView->headerItem();
    for (int c = 0; header && c < ListView->columnCount(); ++c)
        chars += static_cast<int>(header->text(c).size());
    resize(std::min(kPixelsPerHeaderChar * chars + 2 * ListView->frameWidth(), kMaxListWidth), kListHeight);
}

TListViewPanel::~TListViewPanel()
{
    // The list empties itself when it goes: neither the filtered view nor
    // this panel may follow that.
    ListView->model()->disconnect(Filter);
    ListView->header()->disconnect(this);
    ListView->selectionModel()->disconnect(this);
    delete FilteredView;
    FilteredView = nullptr;
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    buttons->LB_Samples->show();
    buttons->ST_RowCount->show();
    buttons->BT_Refresh->show();
    buttons->BT_Edit->show();
    buttons->BT_Edit->setEnabled(false);
    buttons->BT_Close->show();
    buttons->BT_Delete->setVisible(DeleteStatusRow >= 0);
    buttons->BT_Delete->setEnabled(false);
    buttons->BT_Add->setVisible(AddStatusRow >= 0);
    buttons->BT_SetChecked->hide();
    buttons->BT_CheckAll->hide();
    buttons->BT_ClearChecks->hide();
    buttons->ArrangeButtons();
}

void TListViewPanel::ShowListMenu(const QAbstractItemView* view, const QPoint& pos)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Copy"), this, &TListViewPanel::CopySelectedRows);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!SelectedRows().empty());
    menu.addAction(QStringLiteral("Export…"), this, &TListViewPanel::ExportRows);
    menu.exec(view->viewport()->mapToGlobal(pos));
}

QAbstractItemView* TListViewPanel::ShownView() const
{
    if (Filter->Active())
        return FilteredView;
    return ListView;
}

std::vector<int> TListViewPanel::ShownRows() const
{
    std::vector<int> rows(static_cast<std::size_t>(Filter->Shown()));
    if (Filter->Active()) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = Filter->SourceRow(static_cast<int>(i));
    } else {
        std::iota(rows.begin(), rows.end(), 0);
    }
    return rows;
}

std::vector<int> TListViewPanel::SelectedRows() const
{
    const bool filtered = Filter->Active();
    const QModelIndexList chosen = ShownView()->selectionModel()->selectedRows();
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QModelIndex& index : chosen)
        rows.push_back(index.row());
    // The selection keeps the order rows were chosen in; the copy follows the list.
    std::sort(rows.begin(), rows.end());
    if (filtered)
        for (int& row : rows)
            row = Filter->SourceRow(row);
    return rows;
}

int TListViewPanel::SoleSelectedRow() const
{
    const std::vector<int> rows = SelectedRows();
    return rows.size() == 1 ? rows.front() : -1;
}

int TListViewPanel::RowAt(const QAbstractItemView* view, const QPoint& pos) const
{
    const QModelIndex index = view->indexAt(pos);
    if (!index.isValid())
        return -1;
    return view == FilteredView ? Filter->SourceRow(index.row()) : index.row();
}

void TListViewPanel::ClearSelection()
{
    FilteredView->clearSelection();
    ListView->clearSelection();
    ListView->setCurrentItem(nullptr);
}

void TListViewPanel::FilterChanged()
{
    const bool filtered = Filter->Active();
    // The row the binding works on stays chosen while the filter shows it;
    // otherwise nothing is chosen, so that Edit and Delete never act on a row
    // out of sight.
    const int row = KvSelectedReportRow(ListView);
    QTreeWidgetItem* item = row >= 0 ? ListView->topLevelItem(row) : nullptr;
    const QModelIndex shown = filtered && item ? Filter->mapFromSource(ListView->model()->index(row, 0)) : QModelIndex();
    // The switch may hand the focus to the filtered view, which then makes
    // its first row current: that is not a choice of the user's.
    selecting_ = true;
    views_->setCurrentWidget(ShownView());
    if (item && (!filtered || shown.isValid())) {
        if (ListView->selectedItems().size() > 1)
            ListView->setCurrentItem(item);   // one row, as the filtered view hands back
        if (filtered) {
            FilteredView->selectionModel()->setCurrentIndex(
                shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            FilteredView->scrollTo(shown);
        } else {
            ListView->scrollToItem(item);
        }
    } else if (filtered) {
        ListView->clearSelection();
        ListView->setCurrentItem(nullptr);
    }
    selecting_ = false;
    // The filtered view loses its selection without a word when its rows change.
    Q_EMIT SelectionChanged();
}

void TListViewPanel::MirrorColumns()
{
    for (int c = 0; c < ListView->columnCount(); ++c) {
        FilteredView->setColumnHidden(c, ListView->isColumnHidden(c));
        FilteredView->setColumnWidth(c, ListView->columnWidth(c));
    }
}

void TListViewPanel::SelectFromFiltered()
{
    if (selecting_ || !Filter->Active())
        return;
    const QItemSelectionModel* chosen = FilteredView->selectionModel();
    const QModelIndex current = chosen->currentIndex();
    int row = -1;
    if (current.isValid() && chosen->isRowSelected(current.row())) {
        row = current.row();
    } else {
        for (const QModelIndex& index : chosen->selectedRows())
            row = row < 0 ? index.row() : std::min(row, index.row());
    }
    selecting_ = true;
    if (row < 0) {
        ListView->clearSelection();
        ListView->setCurrentItem(nullptr);
    } else {
        ListView->selectionModel()->setCurrentIndex(ListView->model()->index(Filter->SourceRow(row), 0),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    selecting_ = false;
}

void TListViewPanel::SelectInFiltered()
{
    if (selecting_ || !Filter->Active())
        return;
    QItemSelection shown;
    for (const QModelIndex& index : ListView->selectionModel()->selectedRows()) {
        const QModelIndex at = Filter->mapFromSource(index);
        if (at.isValid())
            shown.select(at, at);
    }
    selecting_ = true;
    QItemSelectionModel* chosen = FilteredView->selectionModel();
    chosen->select(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    chosen->setCurrentIndex(Filter->mapFromSource(ListView->currentIndex()), QItemSelectionModel::NoUpdate);
    selecting_ = false;
}

void TListViewPanel::CopySelectedRows()
{
    const std::vector<int> rows = SelectedRows();
    if (!rows.empty())
        QGuiApplication::clipboard()->setText(TableCopyText(TableRows(*ListView, rows)));
}

void TListViewPanel::ExportRows()
{
    // The view's caption without the agent: "IF Table : 10.0.0.1" -> "IF Table.csv".
    const QString suggested = window()->windowTitle().section(QLatin1Char(':'), 0, 0).trimmed() + QStringLiteral(".csv");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export"), suggested,
                                                      QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        StartExport(path);
}

TTableExport* TListViewPanel::StartExport(const QString& path)
{
    auto* job = new TTableExport(TableRows(*ListView, ShownRows()), path, this);
    connect(job, &TTableExport::Finished, this, [this, job, path](bool ok, const QString& error) {
        job->deleteLater();
        if (ok || error.isEmpty())
            return;
        KvMessageRequest say;
        say.Owner = window();
        say.Caption = QStringLiteral("Export");
        say.Text = QStringLiteral("Cannot write %1: %2").arg(path, error);
        say.Buttons = QMessageBox::Ok;
        say.Icon = QMessageBox::Warning;
        KvShowMessage(say);
    });
    job->Start(window());
    return job;
}

// ---- TSNMPListViewPanel ------------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, KvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding)
{
    OnBeforeAdd = [this](QObject*) { edits_->ClearRows(); };
    listPanel_ = new TListViewPanel(this, binding);
    QTreeWidget* list = listPanel_->ListView;
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(listPanel_->FilteredView)}) {
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        view->installEventFilter(this);   // Return on a row
    }
    // A filter that takes the chosen row out of sight leaves no row chosen.
    connect(listPanel_->FilterEdit, &QLineEdit::textChanged, this, &TSNMPListViewPanel::ListViewClick);
    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TSNMPListViewPanel::ListViewItemsChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TSNMPListViewPanel::ListViewItemsChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &TSNMPListViewPanel::ListViewItemsChanged);

    walkTimer_ = new QTimer(this);
    walkTimer_->setSingleShot(true);
    walkTimer_->setInterval(kWalkTickMs);
    connect(walkTimer_, &QTimer::timeout, this, &TSNMPListViewPanel::WalkTick);
    if (binding) {
        // Refresh, and the reads after Add, Edit and Delete, keep the rows in
        // sight until the new ones are all in; the chosen row and the scroll
        // position survive the exchange.
        binding->SetKeepRowsWhileReading(true);
        binding->OnRowsReplacing = [panel = QPointer<TSNMPListViewPanel>(this)] {
            if (panel)
                panel->KeepPlace();
        };
        binding->OnGetEnded = [panel = QPointer<TSNMPListViewPanel>(this)] {
            if (!panel)
                return;
            if (panel->walkTimer_->isActive())
                panel->WalkTick();
            panel->RestorePlace();
        };
    }
    columnFit_ = new TReportColumnFit(list);

    TCtrlBtnPanel* buttons = CtrlBtnPanel();
    connect(buttons->BT_Edit, &QPushButton::clicked, this, &TSNMPListViewPanel::BT_EditClick);
    connect(buttons->BT_Add, &QPushButton::clicked, this, &TSNMPListViewPanel::BT_AddClick);
    connect(buttons->BT_Delete, &QPushButton::clicked, this, &TSNMPListViewPanel::BT_DeleteClick);
    listPanel_->ArrangeCtrlBtn(buttons);
    connect(listPanel_, &TListViewPanel::SelectionChanged, this, &TSNMPListViewPanel::UpdateRowButtons);

    bool anyEditable = false;
    for (int r = 0; r < edits_->RowCount(); ++r)
        anyEditable = anyEditable || !(edits_->IsReadOnlyRow(r) || edits_->IsKeyRow(r));
    if (!anyEditable) {
        buttons->BT_Edit->hide();
        buttons->ArrangeButtons();
    }
    SetContent(listPanel_);
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    // The list empties itself while the children go; by then the row-count
    // text may be gone, so the list's signals and events must not reach us.
    listPanel_->disconnect(this);
    QTreeWidget* list = listPanel_->ListView;
    list->model()->disconnect(this);
    list->viewport()->removeEventFilter(this);
    list->removeEventFilter(this);
    listPanel_->FilteredView->viewport()->removeEventFilter(this);
    listPanel_->FilteredView->removeEventFilter(this);
}

void TSNMPListViewPanel::KeepPlace()
{
    place_ = {};
    place_.Valid = true;
    place_.Key = binding_->RowKey(listPanel_->SoleSelectedRow());
    const QAbstractItemView* view = listPanel_->ShownView();
    place_.Vertical = view->verticalScrollBar()->value();
    place_.Horizontal = view->horizontalScrollBar()->value();
}

void TSNMPListViewPanel::RestorePlace()
{
    if (std::exchange(place_.Valid, false)) {
        // A row chosen since the rows were exchanged (by the user, or by the
        // one who opened the view) stays chosen.
        if (!place_.Key.isEmpty() && listPanel_->SelectedRows().empty()) {
            const int row = binding_->RowWithKey(place_.Key);
            if (row >= 0) {
                const bool shown = !listPanel_->Filter->Active() ||
                                   listPanel_->Filter->mapFromSource(listPanel_->ListView->model()->index(row, 0)).isValid();
                if (shown)
                    KvSelectReportRow(listPanel_->ListView, row);
            }
        }
        QAbstractItemView* view = listPanel_->ShownView();
        // The scroll range follows the new rows only once they are laid out.
        view->doItemsLayout();
        view->verticalScrollBar()->setValue(place_.Vertical);
        view->horizontalScrollBar()->setValue(place_.Horizontal);
    }
    // A read that failed kept the rows and the chosen one.
    UpdateRowButtons();
}

QString TSNMPListViewPanel::MatchStatus(int row, const QString& value, const char* error) const
{
    if (QComboBox* combo = RowCombo(*edits_, row)) {
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).compare(value, Qt::CaseInsensitive) == 0)
                return combo->itemText(i);
    }
    throw LibraryError(KvBadControlType, std::string(error) + value.toStdString());
}

void TSNMPListViewPanel::SetAddStatus(int row, const QString& value)
{
    // The list's own spelling is kept: it is what selects the item and what the
    // option list turns back into the value sent.
    const QString label = MatchStatus(row, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:");
    listPanel_->AddStatusRow = row;
    listPanel_->AddStatusValue = label;
    CtrlBtnPanel()->BT_Add->show();
    CtrlBtnPanel()->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const QString& value)
{
    const QString label = MatchStatus(row, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:");
    listPanel_->DeleteStatusRow = row;
    listPanel_->DeleteStatusValue = label;
    CtrlBtnPanel()->BT_Delete->show();
    CtrlBtnPanel()->ArrangeButtons();
}

QWidget* TSNMPListViewPanel::HostWindow() const
{
    return HostForm() ? HostForm() : window();
}

QString TSNMPListViewPanel::HostCaption() const
{
    return parentWidget() ? parentWidget()->windowTitle() : QString();
}

void TSNMPListViewPanel::SetRowButtons(bool rowSelected)
{
    TCtrlBtnPanel* buttons = CtrlBtnPanel();
    if (!ReadOnly)
        buttons->BT_Edit->setEnabled(rowSelected);
    buttons->BT_Delete->setEnabled(rowSelected);
}

void TSNMPListViewPanel::UpdateRowButtons()
{
    SetRowButtons(listPanel_->SoleSelectedRow() >= 0);
}

// ---- list-view events --------------------------------------------------------

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (listPanel_ && event->type() == QEvent::KeyPress &&
        (watched == listPanel_->ListView || watched == listPanel_->FilteredView)) {
        // Return on the chosen row opens it, as a double click does.
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            ListViewDblClick();
            return true;
        }
        return TSNMPEditorPanel::eventFilter(watched, event);
    }
    QAbstractItemView* view = nullptr;
    if (listPanel_ && watched == listPanel_->ListView->viewport())
        view = listPanel_->ListView;
    else if (listPanel_ && watched == listPanel_->FilteredView->viewport())
        view = listPanel_->FilteredView;
    if (!view)
        return TSNMPEditorPanel::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // A click into empty space leaves no row selected.
        if (listPanel_->RowAt(view, static_cast<QMouseEvent*>(event)->position().toPoint()) < 0)
            listPanel_->ClearSelection();
        ListViewClick();
        break;
    case QEvent::MouseButtonDblClick:
        // The double click's own release comes later; the row is selected by now.
        ListViewDblClick();
        break;
    case QEvent::MouseMove:
        ListViewMouseMove(view, static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::ToolTip: {
        const auto* he = static_cast<QHelpEvent*>(event);
        if (view->toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), view->toolTip(), view->viewport());
        return true;
    }
    default:
        break;
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::ListViewClick()
{
    UpdateRowButtons();
    if (listPanel_->ListView->selectedItems().isEmpty())
        edits_->ClearRows();
}

void TSNMPListViewPanel::ListViewDblClick()
{
    if (listPanel_->SoleSelectedRow() >= 0 && !ReadOnly)
        BT_EditClick();
}

void TSNMPListViewPanel::ListViewItemsChanged()
{
    // While a walk appends rows, the list's layout and the count follow a few
    // times a second: per row, the layout of the whole list and the button
    // column's layout for the new text would cost more than the row itself.
    if (binding_ && binding_->Busy()) {
        listPanel_->ListView->SetDeferAppends(true);
        listPanel_->Filter->SetHolding(true);
        if (!walkTimer_->isActive())
            walkTimer_->start();
        return;
    }
    ShowRowCount();
}

void TSNMPListViewPanel::WalkTick()
{
    const bool walking = binding_ && binding_->Busy();
    listPanel_->ListView->FlushAppends();
    listPanel_->ListView->SetDeferAppends(walking);
    listPanel_->Filter->SetHolding(walking);
    listPanel_->Filter->CatchUp();
    ShowRowCount();
    if (walking) {
        walkTimer_->start();
    } else {
        walkTimer_->stop();
        columnFit_->Fit();
    }
}

void TSNMPListViewPanel::ShowRowCount()
{
    CtrlBtnPanel()->ST_RowCount->setText(QString::number(listPanel_->ListView->topLevelItemCount()));
    listPanel_->Filter->ShowCount();
}

QString TSNMPListViewPanel::RowHint(const QTreeWidgetItem* item) const
{
    const QTreeWidget* list = listPanel_->ListView;
    const QTreeWidgetItem* header = list->headerItem();
    qsizetype longest = 0;
    for (int c = 0; c < list->columnCount(); ++c)
        longest = std::max(longest, header->text(c).size());
    QString hint;
    for (int c = 0; c < list->columnCount(); ++c) {
        const QString h = header->text(c);
        hint += h + QString(longest - h.size(), QLatin1Char('\t')) + QStringLiteral("  ") + item->text(c) +
                QLatin1Char('\n');
    }
    return hint;
}

void TSNMPListViewPanel::ListViewMouseMove(QAbstractItemView* view, const QPoint& pos)
{
    const int row = listPanel_->RowAt(view, pos);
    view->setToolTip(row >= 0 ? KvPlainHint(RowHint(listPanel_->ListView->topLevelItem(row))) : QString());
}

// ---- buttons -----------------------------------------------------------------

void TSNMPListViewPanel::BT_RefreshClick()
{
    if (!binding_)
        return;
    if (binding_->Mode() == KvSNMPRequest2Controls::Asynchronous && binding_->Busy())
        return;   // the running read fills the list already
    SetRowButtons(false);
    TSNMPEditorPanel::BT_RefreshClick();
}

void TSNMPListViewPanel::BT_EditClick()
{
    QObject* button = CtrlBtnPanel()->BT_Edit;
    if (OnBeforeEdit)
        OnBeforeEdit(button);
    EditDialog();
    if (OnAfterEdit)
        OnAfterEdit(button);
}

void TSNMPListViewPanel::BT_AddClick()
{
    QObject* button = CtrlBtnPanel()->BT_Add;
    // A new row starts from nothing: no row is ticked from an earlier dialog.
    edits_->SetRowsState(false);
    if (OnBeforeAdd)
        OnBeforeAdd(button);
    AddDialog();
    if (OnAfterAdd)
        OnAfterAdd(button);
}

TSNMPPanel* TSNMPListViewPanel::LendEdits(QDialog& dialog)
{
    binding_->SetConstraintOwner(&dialog);
    auto* panel = new TSNMPPanel(&dialog, MsgPanel(), binding_);
    TCtrlBtnPanel* buttons = panel->CtrlBtnPanel();
    buttons->BT_SetChecked->setEnabled(false);
    // Return writes what is ticked and closes the dialog, as OK would; it
    // does nothing while Set Checked is disabled.  Escape closes it.
    buttons->BT_SetChecked->setDefault(true);
    TEditsPanel* edits = edits_;
    connect(buttons->BT_SetChecked, &QPushButton::clicked, edits, [edits] { edits->SetCheckedClick(true); });
    connect(buttons->BT_CheckAll, &QPushButton::clicked, edits, &TEditsPanel::CheckAllClick);
    connect(buttons->BT_ClearChecks, &QPushButton::clicked, edits, &TEditsPanel::ClearChecksClick);
    return panel;
}

void TSNMPListViewPanel::ReturnEdits(QDialog& dialog)
{
    // The edits panel must leave the dialog before the dialog goes.
    edits_->hide();
    edits_->setParent(this);
    edits_->hide();
    binding_->SetConstraintOwner(HostWindow());
    (void)dialog;
}

namespace {

// Gives the edits panel back to its table view however the dialog ends.
template <class F>
struct ScopeExit {
    F f;
    ~ScopeExit() { f(); }
};
template <class F>
ScopeExit(F) -> ScopeExit<F>;

} // namespace

void TSNMPListViewPanel::EditDialog()
{
    if (binding_->Mode() == KvSNMPRequest2Controls::Asynchronous) {
        // A walk still under way would overwrite the row being edited.
        binding_->Request().Alive = false;
        const QDeadlineTimer limit(1000);
        while (binding_->Busy() && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        binding_->Request().Alive = true;
    }

    std::vector<RemovedItem> removed;
    std::vector<int> hiddenRows;
    {
        QDialog dialog(HostWindow());
        dialog.setWindowTitle(HostWindow()->windowTitle());
        ScopeExit giveBack{[this, &dialog] { ReturnEdits(dialog); }};
        TSNMPPanel* panel = LendEdits(dialog);
        TCtrlBtnPanel* buttons = panel->CtrlBtnPanel();

        edits_->SetRowsState(false);
        for (int r = 0; r < edits_->RowCount(); ++r)
            if (edits_->Row(r).BitEditor)
                if (QLineEdit* edit = edits_->RowEdit(r))
                    edit->setReadOnly(true);
        edits_->ArrangeCtrlBtn(buttons);
        edits_->ArrangeRows();
        buttons->BT_Refresh->hide();
        buttons->ArrangeButtons();
        edits_->SetControlWidth(kDialogControlWidth);
        panel->SetContent(edits_);
        panel->AttachToForm(&dialog);

        // Creating and destroying are the Add and Delete buttons' work.
        const std::pair<int, QString> statusItems[] = {
            {listPanel_->AddStatusRow, listPanel_->AddStatusValue},
            {listPanel_->DeleteStatusRow, listPanel_->DeleteStatusValue}};
        for (const auto& [row, value] : statusItems) {
            QComboBox* combo = RowCombo(*edits_, row);
            if (!combo || value.isEmpty())
                continue;
            const int index = combo->findText(value, Qt::MatchFixedString);
            if (index < 0)
                continue;
            removed.push_back({combo, index, combo->itemText(index), combo->itemData(index)});
            combo->removeItem(index);
            if (combo->count() == 0 && std::find(hiddenRows.begin(), hiddenRows.end(), row) == hiddenRows.end()) {
                edits_->HideRow(row);
                hiddenRows.push_back(row);
            }
        }

        ScopeExit restore{[this, &removed, &hiddenRows] {
            for (int row : hiddenRows)
                edits_->ShowRow(row);
            for (auto it = removed.rbegin(); it != removed.rend(); ++it)
                it->Combo->insertItem(it->Index, it->Text, it->Data);
        }};
        TRunModal(dialog);
    }
    // What was typed into a dialog that wrote nothing is not the row: the
    // edits show the chosen row again, which stays chosen through the read
    // that follows (and through its failure).
    if (listPanel_->SoleSelectedRow() >= 0) {
        try {
            binding_->ReadSelectedRow();
            binding_->UpdateControls(-1);
        } catch (const std::exception& e) {
            binding_->ShowStatus(e.what());
        }
    }
    BT_RefreshClick();
}

void TSNMPListViewPanel::AddDialog()
{
    {
        QDialog dialog(HostWindow());
        dialog.setWindowTitle(HostCaption() + QStringLiteral(" (Add)"));
        ScopeExit giveBack{[this, &dialog] { ReturnEdits(dialog); }};
        TSNMPPanel* panel = LendEdits(dialog);
        TCtrlBtnPanel* buttons = panel->CtrlBtnPanel();

        const int keys = binding_->Variables().PKeyCount;
        for (int r = 0; r < std::min(keys, edits_->RowCount()); ++r) {
            // Keys are always written: checked and locked.
            edits_->EnableRow(r);
            edits_->CheckRow(r);
            const KvEditRow& row = edits_->Row(r);
            row.Check->setVisible(true);
            row.Check->setEnabled(false);
            row.Control->setEnabled(true);
        }
        for (int r = 0; r < edits_->RowCount(); ++r)
            if (edits_->Row(r).BitEditor)
                if (QLineEdit* edit = edits_->RowEdit(r))
                    edit->setReadOnly(true);
        const int status = listPanel_->AddStatusRow;
        if (status >= 0 && status < edits_->RowCount()) {
            const KvEditRow& row = edits_->Row(status);
            edits_->SetRowValue(status, listPanel_->AddStatusValue);
            row.Control->setEnabled(false);
            row.Check->setChecked(true);
            row.Check->setEnabled(false);
        }
        edits_->ArrangeCtrlBtn(buttons);
        buttons->BT_Refresh->hide();
        buttons->ArrangeButtons();
        edits_->ArrangeRows();
        panel->SetContent(edits_);
        panel->AttachToForm(&dialog);
        listPanel_->ClearSelection();
        CtrlBtnPanel()->BT_Edit->setEnabled(false);
        CtrlBtnPanel()->BT_Delete->setEnabled(false);

        TRunModal(dialog);
    }
    BT_RefreshClick();
}

void TSNMPListViewPanel::BT_DeleteClick()
{
    const int status = listPanel_->DeleteStatusRow;
    // Nothing chosen: writing keys from an empty row would hit another row;
    // several chosen: only one of them would go.
    if (status < 0 || listPanel_->SoleSelectedRow() < 0)
        return;
    const QStringList row = KvRowNameParts(*binding_, listPanel_->ListView, listPanel_->SoleSelectedRow());
    if (KvShowMessage(KvDeleteQuestion(HostWindow(), row)) != QMessageBox::Yes)
        return;

    const std::uint8_t savedMode = binding_->Mode();
    binding_->SetMode(KvSNMPRequest2Controls::Synchronous);
    KvSNMPVarList& vars = binding_->Variables();
    std::vector<int> marked;
    for (int i = vars.PKeyCount; i < vars.Count(); ++i) {
        if (i == status || (vars.ItemAt(i).Access & KvAccess::Invalid))
            continue;
        vars.ItemAt(i).Access |= KvAccess::Invalid;
        marked.push_back(i);
    }
    try {
        for (int i = 0; i < vars.Count(); ++i)
            vars.ItemAt(i).Value.clear();
        binding_->ReadSelectedRow();
        binding_->ReadControls(-1);
        vars.ItemAt(status).Value = listPanel_->DeleteStatusValue.toStdString();
        binding_->Set(false, false, {});
    } catch (const std::exception& e) {
        binding_->ShowStatus(e.what());
    }
    for (int i : marked)
        vars.ItemAt(i).Access &= ~KvAccess::Invalid;
    // The table is read again in the view's own mode, so that a long table
    // does not hold up the window.
    binding_->SetMode(savedMode);
    BT_RefreshClick();
}
