#include "KvOptionWidgets.h"

#include "KvControls.h"
#include "kvsnmp/KvOptionList.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

QStringList LabelsOf(const KvOptionList& list)
{
    QStringList labels;
    labels.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        labels << QString::fromStdString(list.Item(i).Label);
    return labels;
}

int IndexOfText(const KvOptionList& list, const std::string& text)
{
    const int byLabel = list.IndexOfLabel(text);
    return byLabel >= 0 ? byLabel : list.IndexOfValue(text);
}

} // namespace

void FillComboBox(const KvOptionList& list, QComboBox* combo)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(LabelsOf(list));
    // Qt chooses the first item of a combo box that had none; a fresh fill
    // shows no choice until a value is selected.
    combo->setCurrentIndex(-1);
}

void FillRadioGroup(const KvOptionList& list, KvRadioGroup* group)
{
    const QSignalBlocker quiet(group);
    group->SetItems(LabelsOf(list));
}

void SelectInComboBox(const KvOptionList& list, QComboBox* combo, const std::string& text)
{
    combo->setCurrentIndex(IndexOfText(list, text));
}

void SelectInRadioGroup(const KvOptionList& list, KvRadioGroup* group, const std::string& text)
{
    group->SetItemIndex(IndexOfText(list, text));
}
