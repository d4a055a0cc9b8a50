#include "TableFilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

TTableFilter::TTableFilter(QTreeWidget* list, QLineEdit* edit, QLabel* count)
    : QObject(list), list_(list), edit_(edit), count_(count)
{
    connect(edit_, &QLineEdit::textChanged, this, &TTableFilter::SetText);
    QAbstractItemModel* model = list_->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int start, int end) {
        if (!parent.isValid())
            RowsInserted(start, end);
    });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int start, int end) {
                if (!parent.isValid())
                    RowsAboutToBeRemoved(start, end);
            });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { hidden_ = 0; });
    ShowCount();
}

int TTableFilter::Total() const
{
    return list_->topLevelItemCount();
}

int TTableFilter::Shown() const
{
    return Total() - hidden_;
}

void TTableFilter::ShowCount()
{
    count_->setText(QStringLiteral("%1 of %2").arg(Shown()).arg(Total()));
}

bool TTableFilter::Matches(int row) const
{
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    const int columns = list_->columnCount();
    for (int c = 0; c < columns; ++c)
        if (item->text(c).contains(text_, Qt::CaseInsensitive))
            return true;
    return false;
}

void TTableFilter::Apply(int start, int end, bool shownOnly)
{
    // Rows are addressed by number: finding an item's row costs a search.
    const QModelIndex top;
    for (int r = start; r <= end; ++r) {
        const bool hidden = list_->isRowHidden(r, top);
        if (shownOnly && hidden)
            continue;
        const bool hide = !text_.isEmpty() && !Matches(r);
        if (hide != hidden) {
            list_->setRowHidden(r, top, hide);
            hidden_ += hide ? 1 : -1;
        }
    }
}

void TTableFilter::SetText(const QString& text)
{
    if (text == text_)
        return;
    // A longer text that holds the last one can only hide more: the rows
    // hidden already stay hidden, and typing on gets quicker as rows go.
    const bool narrower = !text_.isEmpty() && text.contains(text_, Qt::CaseInsensitive);
    text_ = text;
    if (edit_->text() != text)
        edit_->setText(text);
    const int total = Total();
    if (text_.isEmpty() && hidden_ > 0) {
        for (int r = 0; r < total; ++r)
            if (list_->isRowHidden(r, QModelIndex()))
                list_->setRowHidden(r, QModelIndex(), false);
        hidden_ = 0;
    } else if (!text_.isEmpty()) {
        Apply(0, total - 1, narrower);
    }
    ShowCount();
}

void TTableFilter::SetHolding(bool on)
{
    if (holding_ == on)
        return;
    holding_ = on;
    if (!on && !text_.isEmpty())
        Apply(0, Total() - 1, true);
}

void TTableFilter::RowsInserted(int start, int end)
{
    if (!text_.isEmpty() && !holding_)
        Apply(start, end, false);
}

void TTableFilter::RowsAboutToBeRemoved(int start, int end)
{
    if (hidden_ == 0)
        return;
    for (int r = start; r <= end; ++r)
        if (list_->isRowHidden(r, QModelIndex()))
            --hidden_;
}
