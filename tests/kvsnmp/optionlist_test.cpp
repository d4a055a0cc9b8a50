#include "KvOptionList.h"

#include <gtest/gtest.h>

namespace {

const KvOptionDef kPowerStates[] = {
    {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"},
    {-5, "negative"}, {0, nullptr}};

const KvOptionDef kEmpty[] = {{0, nullptr}};

struct Case {
    const char* name;
    bool caseSensitive;
    const char* input;
    int indexOfValue;
    int indexOfLabel;
    const char* labelOf;
    const char* valueOf;
};

class IntegerList : public ::testing::TestWithParam<Case> {};

TEST_P(IntegerList, MapsBothWays)
{
    const Case& c = GetParam();
    const KvOptionList list(kPowerStates, KvOptionList::IntegerValues, c.caseSensitive);
    EXPECT_EQ(list.IndexOfValue(c.input), c.indexOfValue);
    EXPECT_EQ(list.IndexOfLabel(c.input), c.indexOfLabel);
    EXPECT_EQ(list.LabelOf(c.input), c.labelOf);
    EXPECT_EQ(list.ValueOf(c.input), c.valueOf);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerList, ::testing::Values(
    Case{"Value", false, "3", 2, -1, "working", "3"},
    Case{"Label", false, "working", -1, 2, "working", "3"},
    Case{"CapitalLabelWithoutCase", false, "WORKING", -1, 2, "WORKING", "3"},
    Case{"CapitalLabelWithCase", true, "WORKING", -1, -1, "WORKING", "WORKING"},
    Case{"NullMarker", false, "(NULL)", -1, -1, "(NULL)", "(NULL)"},
    Case{"NotANumber", false, "3x", -1, -1, "3x", "3x"},
    Case{"OutOfRange", false, "4294967299", -1, -1, "4294967299", "4294967299"},
    Case{"UnknownValue", false, "7", -1, -1, "7", "7"},
    Case{"NegativeValue", false, "negative", -1, 6, "negative", "-5"},
    Case{"PartialLabel", false, "work", -1, -1, "work", "work"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionList, EmptyTableAndAppendKeepOrder)
{
    KvOptionList list(kEmpty, KvOptionList::IntegerValues);
    EXPECT_EQ(list.Count(), 0);
    list.Append(kEmpty);
    EXPECT_EQ(list.Count(), 0);

    const KvOptionDef first[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
    const KvOptionDef second[] = {{3, "testing"}, {1, "again"}, {0, nullptr}};
    list.Append(first);
    list.Append(second);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0).Label, "up");
    EXPECT_EQ(list.Item(2).Label, "testing");
    // Two entries with the value 1: the earlier one wins.
    EXPECT_EQ(list.LabelOf("1"), "up");
    EXPECT_EQ(list.ValueOf("again"), "1");
}

TEST(OptionList, CopiesTheTable)
{
    char label[] = "up";
    char value[] = "40";
    const KvOptionDef table[] = {{0, label, value}, {0, nullptr}};
    const KvOptionList list(table, KvOptionList::StringValues);
    label[0] = 'X';
    value[0] = '9';
    EXPECT_EQ(list.LabelOf("40"), "up");
}

TEST(OptionList, StringValues)
{
    const KvOptionDef table[] = {{0, "Redundant Power", "40"}, {0, "Main", "ab"}, {0, nullptr}};
    const KvOptionList list(table, KvOptionList::StringValues);
    EXPECT_EQ(list.LabelOf("40"), "Redundant Power");
    EXPECT_EQ(list.LabelOf("4"), "4");
    EXPECT_EQ(list.LabelOf("400"), "400");
    EXPECT_EQ(list.LabelOf("AB"), "Main");          // values follow the case rule of labels
    EXPECT_EQ(list.ValueOf("redundant power"), "40");

    const KvOptionList strict(table, KvOptionList::StringValues, true);
    EXPECT_EQ(strict.LabelOf("AB"), "AB");
}

TEST(OptionList, PrefixValues)
{
    const KvOptionDef table[] = {{0, "Prefix", "AB"}, {0, nullptr}};
    const KvOptionList list(table, KvOptionList::PrefixValues);
    EXPECT_EQ(list.LabelOf("AB12"), "Prefix12");
    EXPECT_EQ(list.ValueOf("Prefix12"), "AB12");
    EXPECT_EQ(list.ValueOf("PREFIX12"), "AB12");
    EXPECT_EQ(list.IndexOfValue("A"), -1);        // shorter than the value string
    EXPECT_EQ(list.IndexOfLabel("Pre"), -1);

    const KvOptionDef anything[] = {{0, "Any:", ""}, {0, nullptr}};
    const KvOptionList catchAll(anything, KvOptionList::PrefixValues);
    EXPECT_EQ(catchAll.IndexOfValue("whatever"), 0);
    EXPECT_EQ(catchAll.LabelOf("xyz"), "Any:xyz");
}

TEST(OptionList, Latin1LabelsCompareWithoutCase)
{
    // "Ébène" and "éBÈNE" in Latin-1.
    const KvOptionDef table[] = {{1, "\xC9" "b\xE8" "ne"}, {0, nullptr}};
    const KvOptionList list(table, KvOptionList::IntegerValues);
    EXPECT_EQ(list.ValueOf("\xE9" "B\xC8" "NE"), "1");
    const KvOptionList strict(table, KvOptionList::IntegerValues, true);
    EXPECT_EQ(strict.ValueOf("\xE9" "B\xC8" "NE"), "\xE9" "B\xC8" "NE");
}

} // namespace
