#include "dialogs/common/BindingDialog.h"

#include "binding/KvControls.h"
#include "binding/KvRowNaming.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

// ---- saved column flags -------------------------------------------------------------

TSavedColumnFlags::TSavedColumnFlags(KvSNMPVarList& list) : list_(list)
{
    saved_.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        saved_.push_back(list.ItemAt(i).Access);
}

TSavedColumnFlags::~TSavedColumnFlags()
{
    RestoreAll();
}

void TSavedColumnFlags::Exclude(int column)
{
    if (column >= 1 && column <= static_cast<int>(saved_.size()))
        list_.ItemAt(column - 1).Access = KvAccess::Invalid;
}

void TSavedColumnFlags::Exclude(std::initializer_list<int> columns)
{
    for (int c : columns)
        Exclude(c);
}

void TSavedColumnFlags::ExcludeRange(int first, int last)
{
    for (int c = first; c <= last; ++c)
        Exclude(c);
}

void TSavedColumnFlags::Restore(int column)
{
    if (column >= 1 && column <= static_cast<int>(saved_.size()))
        list_.ItemAt(column - 1).Access = saved_[static_cast<std::size_t>(column - 1)];
}

void TSavedColumnFlags::RestoreAll()
{
    // The list may have been rebuilt meanwhile; only what is still there comes back.
    const int n = std::min(list_.Count(), static_cast<int>(saved_.size()));
    for (int i = 0; i < n; ++i)
        list_.ItemAt(i).Access = saved_[static_cast<std::size_t>(i)];
}

bool TSavedColumnFlags::IsExcluded(int column) const
{
    return column >= 1 && column <= list_.Count() && list_.ItemAt(column - 1).Access == KvAccess::Invalid;
}

// ---- dialog -----------------------------------------------------------------------

TBindingDialog::TBindingDialog(QWidget* parent) : QDialog(parent), statusBar_(new KvStatusBar(this))
{
    statusBar_->AddPanel(420);
    statusBar_->AddPanel(200);
}

TBindingDialog::~TBindingDialog()
{
    ReleaseBinding();
}

QString TBindingDialog::StatusText() const
{
    return statusBar_->PanelText(0);
}

void TBindingDialog::ShowStatusText(const QString& text)
{
    statusBar_->SetPanelText(0, text);
}

void TBindingDialog::CreateBinding(const KvSNMPVarDef* table, int keyCount, std::uint8_t itemType)
{
    binding_ = std::make_unique<KvSNMPRequest2Edits>(this);
    binding_->SetMode(KvSNMPRequest2Controls::Synchronous);
    binding_->SetConstraintOwner(this);
    binding_->Constraint().SetKeepRefusedText(true);
    KvSNMPVarList& vars = binding_->Variables();
    vars.ItemType = itemType;
    vars.PKeyCount = keyCount;
    vars.AppendTable(table);
    binding_->SetStatusOutput(statusBar_, 0);
}

void TBindingDialog::WriteWithExclusions(const std::function<void(TSavedColumnFlags&)>& exclude)
{
    if (!binding_)
        return;
    TSavedColumnFlags flags(binding_->Variables());
    exclude(flags);
    binding_->Set(false, true);
}

void TBindingDialog::DestroyRow(int rowStatusColumn, QComboBox* rowStatus, int destroyItem)
{
    WriteWithExclusions([&](TSavedColumnFlags& flags) {
        const int keys = binding_->Variables().PKeyCount;
        for (int c = keys + 1; c <= binding_->Variables().Count(); ++c)
            if (c != rowStatusColumn)
                flags.Exclude(c);
        rowStatus->setCurrentIndex(destroyItem);
    });
}

bool TBindingDialog::ConfirmDelete(QTreeWidget* list)
{
    if (!binding_)
        return false;
    const QStringList row = KvRowNameParts(*binding_, list, KvSelectedReportRow(list));
    return KvShowMessage(KvDeleteQuestion(this, row)) == QMessageBox::Yes;
}

void TBindingDialog::ConnectButtons(std::initializer_list<TButtonAction> actions)
{
    for (const TButtonAction& a : actions)
        connect(a.Button, &QPushButton::clicked, this, [this, run = a.Run] {
            if (binding_)
                run();
        });
}

void TBindingDialog::CountLines(QTreeWidget* list, QLabel* counter)
{
    auto show = [list, counter] { ShowLineCount(list, counter); };
    QAbstractItemModel* model = list->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, show);
    connect(model, &QAbstractItemModel::modelReset, this, show);
    show();
}

void TBindingDialog::ShowLineCount(QTreeWidget* list, QLabel* counter)
{
    counter->setText(QString::number(KvReportRowCount(list)));
}

void TBindingDialog::DisconnectChildren()
{
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

bool TBindingDialog::Guarded(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const KvSNMPException& e) {
        ShowError(QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void TBindingDialog::ShowError(const QString& text)
{
    ShowStatusText(text);
}

void TBindingDialog::ReleaseBinding()
{
    if (!binding_)
        return;
    KvSNMPRequest& request = binding_->Request();
    request.Alive = false;
    // Each attempt may take the whole time-out; a request still running after
    // all of them has nobody left to answer it.
    const qint64 bound = qint64{std::max(request.Timeout, 0)} * 10 * (std::max(request.Retries, 0) + 1) + 100;
    QDeadlineTimer deadline(bound);
    while ((binding_->Busy() || request.Pending > 0) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    binding_.reset();
}

void TBindingDialog::done(int result)
{
    ReleaseBinding();
    QDialog::done(result);
}
