#include "dialogs/acl/PortUitForm.h"

#include "startup/ModuleStartup.h"

#include <QCheckBox>
#include <QFile>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kUnitTitle = QStringLiteral("Unit1");

}  // namespace

TPortUitForm::TPortUitForm(QWidget* parent)
    : QWidget(parent), pages_(new QTabWidget(this)), scroll_(new QScrollArea),
      perRow_(QFile::exists(QStringLiteral("DeviceInfo.ini")) ? 10 : 12)
{
    setObjectName(QStringLiteral("PortUitForm"));
    pages_->setObjectName(QStringLiteral("UnitPageControl"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    pages_->tabBar()->hide();

    auto* inner = new QWidget;
    int right = 0, bottom = 0;
    for (int k = 0; k < BoxCount; ++k) {
        auto* box = new QCheckBox(QString::number(k + 1), inner);
        box->hide();
        const int s = box->font().pointSize() > 0 ? box->font().pointSize() : 9;
        const int h = box->sizeHint().height();
        const int c = k % perRow_, r = k / perRow_;
        box->setGeometry(5 * s * c + 20, r * h + 4, (static_cast<int>(box->text().size()) + 3) * s, h);
        right = std::max(right, box->geometry().right());
        bottom = std::max(bottom, box->geometry().bottom());
        boxes_ << box;
    }
    inner->setMinimumSize(right + 8, bottom + 4);
    scroll_->setWidget(inner);
    scroll_->setFrameShape(QFrame::NoFrame);
    pages_->addTab(scroll_, kUnitTitle);
    ShowUnit(QStringLiteral("KSW-4800"));
}

void TPortUitForm::ShowUnit(const QString& model)
{
    pages_->setTabText(0, kUnitTitle + QLatin1Char(' ') + model);
    const int shown = PortCountOfModel(model.toStdString());
    for (int k = 0; k < BoxCount; ++k)
        boxes_[k]->setVisible(k < shown);
}

void TPortUitForm::Clear()
{
    for (QCheckBox* b : boxes_)
        b->setChecked(false);
}

int TPortUitForm::CheckedCount() const
{
    int n = 0;
    for (QCheckBox* b : boxes_)
        n += b->isChecked() ? 1 : 0;
    return n;
}

std::string TPortUitForm::BitList()
{
    std::string list;
    for (int k = 0; k < BoxCount; ++k) {
        if (k)
            list += ',';
        list += std::to_string(k);
    }
    return list;
}
