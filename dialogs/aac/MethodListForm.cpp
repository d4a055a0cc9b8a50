#include "dialogs/aac/MethodListForm.h"

#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvUserNotice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace MethodListColumn;

namespace {

const QString kDefaultList = QStringLiteral("default");

}  // namespace

TMethodListForm::TMethodListForm(const TMethodListLook& look, QWidget* parent)
    : TAacListForm(look.Table, "StaticText1", parent),
      NameEdit(BindEdit(QString::fromLatin1(look.NameLabel), Name, QStringLiteral("%s{l15}"), look.NameEditName)),
      look_(look)
{
    for (int k = 0; k < kSlots; ++k) {
        const int slot = k + 1;
        TypeCombo[k] = BindCombo(QString::fromLatin1(look.TypeLabels[k]), TypeOf(slot), look.TypeComboNames[k]);
        GroupEdit[k] = BindEdit(QString::fromLatin1(look.GroupLabels[k]), GroupOf(slot), QStringLiteral("%s{l15}"),
                                look.GroupEditNames[k]);
    }
    RowComboBox = BindCombo(QString::fromLatin1(look.RowStatusLabel), RowStatus, "RowComboBox");
    if (look.OwnCaption)
        SetAgentCaption(QString::fromLatin1(look.OwnCaption));
    FinishFields(RowStatus);
    for (int k = 0; k < kSlots; ++k) {
        // Any change, a row being loaded included, opens or closes the group's
        // edit; only the user's choice of another method empties it, so that a
        // loaded row shows, and an unchanged Edit sends, the group it has.
        connect(TypeCombo[k], &QComboBox::currentIndexChanged, this, [this, k] { ApplyServerGroupRule(k); });
        connect(TypeCombo[k], &QComboBox::activated, this, [this, k](int item) {
            if (item != AacMethodItem::ServerGroup)
                GroupEdit[k]->clear();
        });
    }
    resize(760, 560);

    NameEdit->clear();
    SetIdle();
    ReadFirst();
    UpdateCount();
    OfferRowStatuses();
    ApplyServerGroupRules();
}

// ---- state -----------------------------------------------------------------------

void TMethodListForm::SetIdle()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    NameEdit->setEnabled(true);
    AddButton->setEnabled(true);
}

void TMethodListForm::SetSelected()
{
    EditButton->setEnabled(true);
    // The default list always exists on the switch: it can be changed, never deleted.
    DeleteButton->setEnabled(SelectedCell(Name) != kDefaultList);
    NameEdit->setEnabled(false);
    AddButton->setEnabled(false);
}

void TMethodListForm::ClearFields()
{
    NameEdit->clear();
    for (QLineEdit* e : GroupEdit)
        e->clear();
    UpdateCount();
    ApplyServerGroupRules();
}

void TMethodListForm::LineChanged(bool)
{
    ApplyServerGroupRules();
}

bool TMethodListForm::SlotSet(int slot) const
{
    const int item = TypeCombo[slot]->currentIndex();
    return item >= 0 && item != AacMethodItem::Other;
}

void TMethodListForm::ApplyServerGroupRule(int slot)
{
    GroupEdit[slot]->setEnabled(TypeCombo[slot]->currentIndex() == AacMethodItem::ServerGroup);
}

void TMethodListForm::ApplyServerGroupRules()
{
    for (int k = 0; k < kSlots; ++k)
        ApplyServerGroupRule(k);
}

// ---- writes ----------------------------------------------------------------------

int TMethodListForm::SlotsToWrite()
{
    int terminal = -1;
    for (int k = 0; k < kSlots; ++k) {
        if (!SlotSet(k))
            continue;
        if (terminal >= 0) {
            const auto answer = KvShowMessage(
                {this, KvExecutableFileName(),
                 QStringLiteral("Method(s) after method local and none is(are) ineffective. "
                                "Do you want to change your configurations?"),
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Question});
            return answer == QMessageBox::No ? terminal + 1 : -1;
        }
        const int item = TypeCombo[k]->currentIndex();
        if (item == AacMethodItem::Local || item == AacMethodItem::None)
            terminal = k;
    }
    return kSlots;
}

bool TMethodListForm::ServerGroupsGiven(int slotsToWrite)
{
    // An empty group would leave the method without servers on the switch,
    // which can lock the administrators out.
    for (int k = 0; k < slotsToWrite; ++k) {
        if (SlotSet(k) && TypeCombo[k]->currentIndex() == AacMethodItem::ServerGroup
            && GroupEdit[k]->text().isEmpty()) {
            RefuseInput(this, QString::fromLatin1(look_.GroupLabels[k]) + QStringLiteral(" must be set."),
                        GroupEdit[k]);
            return false;
        }
    }
    return true;
}

void TMethodListForm::ExcludeUnsetSlots(TSavedColumnFlags& flags, int slotsToWrite) const
{
    for (int k = 0; k < kSlots; ++k) {
        const int slot = k + 1;
        if (k >= slotsToWrite || !SlotSet(k))
            flags.Exclude({TypeOf(slot), GroupOf(slot)});
        else if (TypeCombo[k]->currentIndex() != AacMethodItem::ServerGroup)
            flags.Exclude(GroupOf(slot));
    }
}

void TMethodListForm::EditClick()
{
    if (NameEdit->text().isEmpty()) {
        RefuseInput(this, QString::fromLatin1(look_.EmptyNameMessage));
        return;
    }
    if (DestroyIfChosen())
        return;
    const int slots = SlotsToWrite();
    if (slots < 0 || !ServerGroupsGiven(slots))
        return;
    WriteAndRefresh([this, slots](TSavedColumnFlags& flags) {
        ExcludeUnsetSlots(flags, slots);
        flags.Exclude(RowStatus);   // Edit leaves the row status as it is
    });
}

void TMethodListForm::AddClick()
{
    if (NameEdit->text().isEmpty()) {
        RefuseInput(this, QString::fromLatin1(look_.EmptyNameMessage), NameEdit);
        return;
    }
    if (LineExists({{Name, NameEdit->text()}})) {
        RefuseInput(this, QString::fromLatin1(look_.DuplicateMessage), NameEdit);
        return;
    }
    if (RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(this, QStringLiteral("Row State must be createAndGo."), RowComboBox);
        return;
    }
    const int slots = SlotsToWrite();
    if (slots < 0 || !ServerGroupsGiven(slots))
        return;
    WriteAndRefresh([this, slots](TSavedColumnFlags& flags) { ExcludeUnsetSlots(flags, slots); });
}
