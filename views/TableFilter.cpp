#include "TableFilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace {

// Ends each cell in the buffer: no typed text holds it, so no match runs on
// from one cell into the next.
constexpr QChar kCellEnd = QChar(0);

// Rows case-folded per pass of the event loop while the filter prepares them
// in the background: a few milliseconds.
constexpr int kRowsPerSlice = 4000;

void FoldInPlace(QChar* begin, QChar* end)
{
    for (QChar* ch = begin; ch != end; ++ch) {
        const char16_t c = ch->unicode();
        if (c < 0x80)
            *ch = QChar(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c);
        else
            *ch = QChar(QChar::toCaseFolded(c));
    }
}

QString Folded(QString text)
{
    FoldInPlace(text.data(), text.data() + text.size());
    return text;
}

} // namespace

TTableFilter::TTableFilter(QTreeWidget* list, QLineEdit* edit, QLabel* count)
    : QAbstractProxyModel(list), list_(list), edit_(edit), count_(count)
{
    QAbstractItemModel* model = list_->model();
    setSourceModel(model);
    indexTimer_ = new QTimer(this);
    indexTimer_->setSingleShot(true);
    indexTimer_->setInterval(0);
    connect(indexTimer_, &QTimer::timeout, this, &TTableFilter::IndexSlice);
    connect(edit_, &QLineEdit::textChanged, this, &TTableFilter::SetText);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex& parent, int start, int) {
                // Rows put before rows already indexed or tested move them all.
                if (!parent.isValid() && (start < static_cast<int>(rowStart_.size()) || (Active() && start < checked_)))
                    BeginSourceChange();
            });
    connect(model, &QAbstractItemModel::rowsInserted, this, &TTableFilter::SourceRowsInserted);
    connect(model, &QAbstractItemModel::dataChanged, this, &TTableFilter::SourceDataChanged);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
    // Anything else that moves or removes rows or columns is rare (a new read
    // clears the list): the filter starts again from the list as it is then.
    const auto before = [this] { BeginSourceChange(); };
    const auto after = [this] { EndSourceChange(); };
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, before);
    connect(model, &QAbstractItemModel::rowsRemoved, this, after);
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, before);
    connect(model, &QAbstractItemModel::rowsMoved, this, after);
    connect(model, &QAbstractItemModel::columnsAboutToBeInserted, this, before);
    connect(model, &QAbstractItemModel::columnsInserted, this, after);
    connect(model, &QAbstractItemModel::columnsAboutToBeRemoved, this, before);
    connect(model, &QAbstractItemModel::columnsRemoved, this, after);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, before);
    connect(model, &QAbstractItemModel::modelReset, this, after);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, before);
    connect(model, &QAbstractItemModel::layoutChanged, this, after);
    ShowCount();
}

int TTableFilter::Total() const
{
    return list_->topLevelItemCount();
}

int TTableFilter::Shown() const
{
    return Active() ? static_cast<int>(rows_.size()) : Total();
}

void TTableFilter::ShowCount()
{
    count_->setText(QStringLiteral("%1 of %2").arg(Shown()).arg(Total()));
}

void TTableFilter::IndexRows(int limit)
{
    if (stale_)
        ForgetIndex();
    const int first = static_cast<int>(rowStart_.size());
    const int end = Total() - first > limit ? first + limit : Total();
    const int columns = list_->columnCount();
    rowStart_.reserve(static_cast<std::size_t>(Total()));
    for (int r = first; r < end; ++r) {
        rowStart_.push_back(index_.size());
        const QTreeWidgetItem* item = list_->topLevelItem(r);
        for (int c = 0; c < columns; ++c) {
            const qsizetype at = index_.size();
            index_ += item->text(c);
            FoldInPlace(index_.data() + at, index_.data() + index_.size());
            index_ += kCellEnd;
        }
    }
}

void TTableFilter::IndexSlice()
{
    if (holding_)
        return;   // the walk's end brings it back
    IndexRows(kRowsPerSlice);
    if (stale_ || static_cast<int>(rowStart_.size()) < Total())
        indexTimer_->start();
}

void TTableFilter::PrepareIndex()
{
    if (!holding_ && (stale_ || static_cast<int>(rowStart_.size()) < Total()) && !indexTimer_->isActive())
        indexTimer_->start();
}

void TTableFilter::ForgetIndex()
{
    index_.clear();
    rowStart_.clear();
    stale_ = false;
}

std::vector<int> TTableFilter::Matches(int from) const
{
    std::vector<int> found;
    const QStringView text(index_);
    const auto rows = static_cast<int>(rowStart_.size());
    const auto start = [this](int row) { return rowStart_[static_cast<std::size_t>(row)]; };
    qsizetype at = from < rows ? start(from) : text.size();
    // One search through the whole buffer: the next match, its row (the rows
    // only move forward), and on from the start of the row after it.
    int row = from;
    while ((at = text.indexOf(folded_, at)) >= 0) {
        while (row + 1 < rows && start(row + 1) <= at)
            ++row;
        found.push_back(row);
        if (++row >= rows)
            break;
        at = start(row);
    }
    return found;
}

void TTableFilter::Refilter()
{
    rows_.clear();
    checked_ = 0;
    if (folded_.isEmpty())
        return;
    IndexRows();
    rows_ = Matches(0);
    checked_ = Total();
}

void TTableFilter::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    if (edit_->text() != text)
        edit_->setText(text);
    beginResetModel();
    folded_ = Folded(text);
    Refilter();
    endResetModel();
    ShowCount();
}

void TTableFilter::SetHolding(bool on)
{
    holding_ = on;
    if (!on) {
        CatchUp();
        PrepareIndex();
    }
}

void TTableFilter::CatchUp()
{
    const int total = Total();
    if (!Active() || resetting_ || checked_ >= total)
        return;
    IndexRows();
    const std::vector<int> found = Matches(checked_);
    checked_ = total;
    if (found.empty())
        return;
    const auto first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(found.size()) - 1);
    rows_.insert(rows_.end(), found.begin(), found.end());
    endInsertRows();
}

void TTableFilter::SourceRowsInserted(const QModelIndex& parent, int, int)
{
    if (resetting_) {
        EndSourceChange();
        return;
    }
    // Rows appended after the last tested one: one batch now, or at the end
    // of a walk's hold.
    if (!parent.isValid() && !holding_) {
        CatchUp();
        PrepareIndex();
    }
}

void TTableFilter::SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (topLeft.parent().isValid())
        return;
    if (topLeft.row() < static_cast<int>(rowStart_.size())) {
        stale_ = true;   // a row shown stays shown until the text changes
        PrepareIndex();
    }
    if (!Active())
        return;
    const auto first = std::lower_bound(rows_.begin(), rows_.end(), topLeft.row());
    const auto last = std::upper_bound(first, rows_.end(), bottomRight.row());
    if (first != last)
        Q_EMIT dataChanged(index(static_cast<int>(first - rows_.begin()), topLeft.column()),
                           index(static_cast<int>(last - rows_.begin()) - 1, bottomRight.column()));
}

void TTableFilter::BeginSourceChange()
{
    if (resetting_)
        return;
    resetting_ = true;
    beginResetModel();
}

void TTableFilter::EndSourceChange()
{
    if (!resetting_)
        return;
    ForgetIndex();
    Refilter();
    resetting_ = false;
    endResetModel();
    PrepareIndex();
}

// ---- the model of the shown rows ------------------------------------------------

QModelIndex TTableFilter::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex TTableFilter::parent(const QModelIndex&) const
{
    return {};
}

int TTableFilter::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TTableFilter::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : list_->columnCount();
}

bool TTableFilter::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && !rows_.empty();
}

QModelIndex TTableFilter::mapToSource(const QModelIndex& proxy) const
{
    if (!proxy.isValid() || proxy.row() >= rowCount())
        return {};
    return sourceModel()->index(SourceRow(proxy.row()), proxy.column());
}

QModelIndex TTableFilter::mapFromSource(const QModelIndex& source) const
{
    if (!source.isValid() || source.parent().isValid())
        return {};
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), source.row());
    if (it == rows_.end() || *it != source.row())
        return {};
    return index(static_cast<int>(it - rows_.begin()), source.column());
}

QVariant TTableFilter::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal)
        return sourceModel()->headerData(section, orientation, role);
    return QAbstractItemModel::headerData(section, orientation, role);
}
