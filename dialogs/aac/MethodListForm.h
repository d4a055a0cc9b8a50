// The editor of a table of authentication method lists (login or enable): a
// named list tries up to four methods in order.  Which columns a write sends
// follows from the method types: a slot showing nothing or "other" is not set
// and stays out, a server group is written only for the "server-group" type,
// and the methods after a "local" or "none" can be left out on request.  The
// login and enable editors differ only in their table, names and texts.
#pragma once

#include "dialogs/aac/AacListForm.h"

#include "kvsnmp/KvSNMPVarDef.h"

#include <array>

// What tells the two editors apart.
struct TMethodListLook {
    const DefinitionBinding& Table;
    const char* OwnCaption;   // followed by the agent address; null: none
    const char* NameEditName;
    const char* NameLabel;
    std::array<const char*, 4> TypeComboNames;
    std::array<const char*, 4> TypeLabels;
    std::array<const char*, 4> GroupEditNames;
    std::array<const char*, 4> GroupLabels;
    const char* RowStatusLabel;
    const char* EmptyNameMessage;
    const char* DuplicateMessage;
};

class TMethodListForm : public TAacListForm {
    Q_OBJECT
public:
    static constexpr int kSlots = 4;

    QLineEdit* NameEdit;
    std::array<QComboBox*, kSlots> TypeCombo{};
    std::array<QLineEdit*, kSlots> GroupEdit{};

protected:
    TMethodListForm(const TMethodListLook& look, QWidget* parent);

private:
    void SetIdle() override;
    void SetSelected() override;
    void ClearFields() override;
    void LineChanged(bool selected) override;
    void EditClick() override;
    void AddClick() override;

    // A slot (0-based) counts when its type shows a method other than "other".
    bool SlotSet(int slot) const;
    // The server group can be typed only for the "server-group" type.
    void ApplyServerGroupRule(int slot);
    void ApplyServerGroupRules();
    // The number of slots to write: all of them, or, when a method follows a
    // terminal one and the user keeps it that way, those up to the terminal
    // method.  -1: the user goes back to change the methods.
    int SlotsToWrite();
    // Every "server-group" slot that is written names its group; otherwise a
    // message names the slot and false comes back.
    bool ServerGroupsGiven(int slotsToWrite);
    void ExcludeUnsetSlots(TSavedColumnFlags& flags, int slotsToWrite) const;

    const TMethodListLook& look_;
};
