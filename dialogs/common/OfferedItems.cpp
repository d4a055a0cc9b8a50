#include "dialogs/common/OfferedItems.h"

#include <QComboBox>
#include <QListView>
#include <QStandardItemModel>

namespace {

void Offer(QComboBox* combo, int only)
{
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    auto* view = qobject_cast<QListView*>(combo->view());
    for (int row = 0; row < combo->count(); ++row) {
        const bool offered = only < 0 || row == only;
        // Disabled items are skipped by the arrow keys and the wheel.
        if (model)
            if (QStandardItem* item = model->item(row))
                item->setEnabled(offered);
        if (view)
            view->setRowHidden(row, !offered);
    }
}

}  // namespace

void OfferOnly(QComboBox* combo, int item)
{
    Offer(combo, item);
    combo->setCurrentIndex(item);
}

void OfferAll(QComboBox* combo)
{
    Offer(combo, -1);
}
