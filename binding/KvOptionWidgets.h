// Option lists shown in drop-down lists and radio groups.  A control filled from
// a list has one item per entry in entry order, so its item index is the entry
// index.
#pragma once

#include <string>

class KvOptionList;
class KvRadioGroup;
class QComboBox;

// Replaces the items by the list's labels; nothing is chosen afterwards.  A fill
// is not a choice: the control's change signals stay quiet.
void FillComboBox(const KvOptionList& list, QComboBox* combo);
void FillRadioGroup(const KvOptionList& list, KvRadioGroup* group);

// Chooses the item whose label is the text; failing that, the item whose value
// is the text; failing both, nothing.
void SelectInComboBox(const KvOptionList& list, QComboBox* combo, const std::string& text);
void SelectInRadioGroup(const KvOptionList& list, KvRadioGroup* group, const std::string& text);
