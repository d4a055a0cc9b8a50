#include "Snmpeditorpanel.h"

#include "KvSNMPRequest2Edits.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QLineEdit>
#include <QPushButton>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, KvSNMPRequest2Edits* binding)
    : TSNMPPanel(parent, nullptr, binding)
{
    edits_ = new TEditsPanel(this, binding);
    TCtrlBtnPanel* buttons = CtrlBtnPanel();
    buttons->BT_SetChecked->setEnabled(false);
    connect(buttons->BT_SetChecked, &QPushButton::clicked, this, &TSNMPEditorPanel::BT_SetCheckedClick);
    connect(buttons->BT_CheckAll, &QPushButton::clicked, edits_, &TEditsPanel::CheckAllClick);
    connect(buttons->BT_ClearChecks, &QPushButton::clicked, edits_, &TEditsPanel::ClearChecksClick);
    edits_->ArrangeCtrlBtn(buttons);
    SetContent(edits_);
}

void TSNMPEditorPanel::BT_SetCheckedClick()
{
    edits_->SetCheckedClick(false);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    edits_->SetControlWidth(width);
    SetContent(edits_);
    if (HostForm())
        AttachToForm(HostForm());
}

void TSNMPEditorPanel::SetVarFormat(int row, const QString& specifier)
{
    const KvEditRow& r = edits_->Row(row);
    if (r.Kind == KindDropDown)
        throw LibraryError(KvBadControlType, "Can not set Var format to a ComboBox!");
    if (r.Kind != KindReadOnlyEdit && r.Kind != KindEdit)
        throw LibraryError(KvBadControlType, "Unknow UI Control type!");
    binding_->Dissociate(row);
    binding_->AssociateEdits(row, specifier, {edits_->RowEdit(row)});
    edits_->SetRowSpecifier(row, specifier);
}
