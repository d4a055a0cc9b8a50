#include "dialogs/device/Equipmentbasicinfoformunit.h"
#include "dialogs/device/DeviceOpeners.h"

#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "views/Viewmodal.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

QLineEdit* readOnlyEdit(QWidget* parent, const QString& text = {})
{
    auto* e = new QLineEdit(text, parent);
    e->setReadOnly(true);
    return e;
}

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner, const QString& caption)
    : QDialog(owner), binding_(std::make_unique<KvSNMPRequest2Edits>(this))
{
    setWindowTitle(caption);
    Edit1 = readOnlyEdit(this, QStringLiteral("Redundant Power and Stacking"));
    Edit2 = readOnlyEdit(this);
    Edit3 = readOnlyEdit(this);
    Edit4 = readOnlyEdit(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(60);
    BitBtn1 = new QPushButton(QStringLiteral("Refresh"), this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Equipment Capacity"), Edit1);
    fields->addRow(QStringLiteral("Max Supported Units"), Edit2);
    fields->addRow(QStringLiteral("Number Of Unit"), Edit3);
    fields->addRow(QStringLiteral("Stacking Version"), Edit4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    resize(380, sizeHint().height());

    KvSNMPVarList& vars = binding_->Variables();
    AppendBinding(vars, EquipmentBinding);
    // The table's order; the edits take them as Edit1, Edit4, Edit2, Edit3.
    binding_->AssociateEdits(0, QStringLiteral("%s"), {Edit1});
    binding_->AssociateEdits(1, QStringLiteral("%i"), {Edit4});
    binding_->AssociateEdits(2, QStringLiteral("%i"), {Edit2});
    binding_->AssociateEdits(3, QStringLiteral("%i"), {Edit3});
    binding_->SetStatusOutput(Memo1);
    connect(BitBtn1, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::BitBtn1Click);
    BitBtn1Click();
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() = default;

void TEquipmentBasicInfoForm::BitBtn1Click()
{
    if (binding_->Busy())
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->ShowStatus(e.what());
    }
}

void OpenEquipmentBasicInfoForm(const DialogRequest& request)
{
    TEquipmentBasicInfoForm form(request.Window, DeviceDialogCaption(request, "Equipment Basic Information :"));
    TRunModal(form);
}
