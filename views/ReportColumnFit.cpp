#include "ReportColumnFit.h"

#include <QEvent>
#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTreeView>

#include <algorithm>

namespace {

// Rows measured per column at most, whatever the table's length.
constexpr int kSampledRows = 1000;

} // namespace

TReportColumnFit::TReportColumnFit(QTreeView* list) : QObject(list), list_(list)
{
    QHeaderView* header = list->header();
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (pressed_ && size > 0)
            userSized_.insert(column);
    });
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, [this](int column) { userSized_.insert(column); });
    // New columns are new: nobody has sized them yet.
    connect(header, &QHeaderView::sectionCountChanged, this, [this] { userSized_.clear(); });
}

bool TReportColumnFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        pressed_ = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        pressed_ = false;
    return QObject::eventFilter(watched, event);
}

void TReportColumnFit::Fit()
{
    QHeaderView* header = list_->header();
    const QAbstractItemModel* model = list_->model();
    const int rows = model->rowCount();
    // Up to kSampledRows rows spread evenly over the table: all of a short
    // table, and the far end of a long one as well as its first rows.
    const int samples = std::min(rows, kSampledRows);
    QStyleOptionViewItem option;
    option.initFrom(list_);
    option.widget = list_;
    const bool wasPressed = pressed_;
    pressed_ = false;
    for (int c = 0; c < header->count(); ++c) {
        if (list_->isColumnHidden(c) || userSized_.contains(c))
            continue;
        // The delegate lays a text out in full to size it; the cells differ only
        // in their texts, so the one the font makes widest is the one the
        // delegate sizes the column for, and only that one goes through it.
        QModelIndex widest;
        int widestAdvance = -1;
        for (int k = 0; k < samples && widestAdvance < MaxColumnWidth; ++k) {
            const QModelIndex index = model->index(static_cast<int>(static_cast<long long>(k) * rows / samples), c);
            const int advance = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
            if (advance > widestAdvance) {
                widestAdvance = advance;
                widest = index;
            }
        }
        int wanted = header->sectionSizeHint(c);
        if (widest.isValid())
            wanted = std::max(wanted, list_->itemDelegateForIndex(widest)->sizeHint(option, widest).width());
        list_->setColumnWidth(c, std::min(wanted, MaxColumnWidth));
    }
    pressed_ = wasPressed;
}
