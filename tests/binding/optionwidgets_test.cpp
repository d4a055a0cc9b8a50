// Option lists in drop-down lists and radio groups: filling keeps entry order and
// chooses nothing; selecting tries the labels first, then the values.
#include "KvControls.h"
#include "KvOptionWidgets.h"
#include "kvsnmp/KvOptionList.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

const KvOptionDef kPowerRows[] = {
    {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"},
    {4, "fail"},       {5, "connect"},     {6, "disconnect"},
    {0, nullptr},
};

// A list in which one label is itself a value text of another entry.
const KvOptionDef kTrickyRows[] = {
    {3, "other"}, {7, "3"}, {0, nullptr},
};

const KvOptionDef kPrefixRows[] = {
    {0, "Redundant Power", "40"}, {0, "Fan", "41"}, {0, nullptr},
};

struct SelectCase {
    const KvOptionDef* rows;
    std::uint32_t type;
    bool caseSensitive;
    const char* text;
    int index;
};

} // namespace

// One table for both controls: the same text must choose the same entry.
TEST(OptionWidgets, SelectByLabelThenByValue)
{
    const std::vector<SelectCase> cases = {
        {kPowerRows, KvOptionList::IntegerValues, false, "working", 2},
        {kPowerRows, KvOptionList::IntegerValues, false, "WORKING", 2},
        {kPowerRows, KvOptionList::IntegerValues, true, "WORKING", -1},
        {kPowerRows, KvOptionList::IntegerValues, false, "3", 2},   // no label "3": the value
        {kPowerRows, KvOptionList::IntegerValues, false, "7", -1},
        {kPowerRows, KvOptionList::IntegerValues, false, "(NULL)", -1},
        {kPowerRows, KvOptionList::IntegerValues, false, "", -1},
        {kTrickyRows, KvOptionList::IntegerValues, false, "3", 1},  // the label wins over the value
        {kPrefixRows, KvOptionList::PrefixValues, false, "Fan", 1},
        {kPrefixRows, KvOptionList::PrefixValues, false, "4012", 0},
    };
    for (const SelectCase& c : cases) {
        const KvOptionList list(c.rows, c.type, c.caseSensitive);
        QComboBox combo;
        KvRadioGroup group;
        FillComboBox(list, &combo);
        FillRadioGroup(list, &group);
        // Something else chosen first, so that "nothing" is a real change.
        combo.setCurrentIndex(0);
        group.SetItemIndex(0);

        SelectInComboBox(list, &combo, c.text);
        SelectInRadioGroup(list, &group, c.text);
        EXPECT_EQ(combo.currentIndex(), c.index) << "combo, text " << c.text;
        EXPECT_EQ(group.ItemIndex(), c.index) << "radio group, text " << c.text;
    }
}

TEST(OptionWidgets, FillReplacesItemsInEntryOrderAndChoosesNothing)
{
    const KvOptionList list(kPowerRows, KvOptionList::IntegerValues);
    QComboBox combo;
    combo.addItems({"stale", "items"});
    combo.setCurrentIndex(1);
    KvRadioGroup group;
    group.SetItems({"stale"});
    group.SetItemIndex(0);

    int comboSignals = 0, groupSignals = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&] { ++comboSignals; });
    QObject::connect(&group, &KvRadioGroup::ItemIndexChanged, [&] { ++groupSignals; });

    FillComboBox(list, &combo);
    FillRadioGroup(list, &group);

    ASSERT_EQ(combo.count(), list.Count());
    ASSERT_EQ(group.Count(), list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(combo.itemText(i).toStdString(), list.Item(i).Label);
        EXPECT_EQ(group.ItemText(i).toStdString(), list.Item(i).Label);
    }
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(comboSignals, 0) << "a fill is not a choice";
    EXPECT_EQ(groupSignals, 0);

    const KvOptionDef none[] = {{0, nullptr}};
    FillComboBox(KvOptionList(none, KvOptionList::IntegerValues), &combo);
    EXPECT_EQ(combo.count(), 0);
}
