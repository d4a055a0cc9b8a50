#include "dialogs/aac/AacListForm.h"

#include "defs/ViewDefinitions.h"
#include "dialogs/common/OfferedItems.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

TAacListForm::TAacListForm(const DefinitionBinding& table, const char* counterName, QWidget* parent)
    : TAclTableForm(table.Defs, table.Keys, parent), GetButton(MakeButton(QStringLiteral("Refresh"), "GetButton")),
      EditButton(MakeButton(QStringLiteral("Edit"), "EditButton")),
      AddButton(MakeButton(QStringLiteral("Add"), "AddButton")),
      DeleteButton(MakeButton(QStringLiteral("Delete"), "DeleteButton")), Counter(MakeCounter(counterName))
{
}

void TAacListForm::FinishFields(int rowStatusColumn)
{
    rowStatusColumn_ = rowStatusColumn;
    AttachList([this] {
        const bool selected = LineSelected();
        if (selected)
            SetSelected();
        else
            SetIdle();
        LineChanged(selected);
        OfferRowStatuses();
    });
    CountLines(ListView, Counter);
    ConnectButtons({{GetButton, [this] { Refresh(); }},
                    {EditButton, [this] { EditClick(); }},
                    {AddButton, [this] { AddClick(); }},
                    {DeleteButton, [this] { DeleteClick(); }}});
}

void TAacListForm::UpdateCount()
{
    ShowLineCount(ListView, Counter);
}

bool TAacListForm::LineExists(std::initializer_list<std::pair<int, QString>> cells) const
{
    for (int row = 0; row < KvReportRowCount(ListView); ++row) {
        bool all = true;
        for (const auto& [column, text] : cells)
            all = all && KvReportCell(ListView, row, CellColumn(column)) == text;
        if (all)
            return true;
    }
    return false;
}

void TAacListForm::Refresh()
{
    if (!Binding())
        return;
    Guarded([this] { Binding()->Get(); });
    SetIdle();
    ClearFields();
    OfferRowStatuses();
}

void TAacListForm::WriteThenRefresh(const std::function<void()>& write)
{
    if (!Binding())
        return;
    if (Guarded(write)) {
        Refresh();
        return;
    }
    SetIdle();
    ClearFields();
    OfferRowStatuses();
}

void TAacListForm::OfferRowStatuses()
{
    // Without a selected line the fields make a new row, which Add accepts
    // only as "createAndGo"; a selected line may be given any status by Edit.
    if (LineSelected())
        OfferAll(RowComboBox);
    else
        OfferOnly(RowComboBox, RowStatusItem::CreateAndGo);
}

void TAacListForm::WriteAndRefresh(const std::function<void(TSavedColumnFlags&)>& exclude)
{
    WriteThenRefresh([&] { WriteWithExclusions(exclude); });
}

bool TAacListForm::DestroyIfChosen()
{
    if (RowComboBox->currentIndex() != RowStatusItem::Destroy)
        return false;
    DeleteClick();
    return true;
}

void TAacListForm::DeleteClick()
{
    if (!ConfirmDelete(ListView))
        return;
    WriteThenRefresh([this] { DestroyRow(rowStatusColumn_, RowComboBox, RowStatusItem::Destroy); });
}
