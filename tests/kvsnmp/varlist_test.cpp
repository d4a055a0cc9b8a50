#include "KvSNMPVarList.h"

#include <gtest/gtest.h>

namespace {

using namespace KvAccess;

const KvSNMPVarDef kTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", KvSyntax::Integer, NotAccess, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", KvSyntax::DisplayStr, ReadOnly, nullptr, "$0+1", nullptr, "r", nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", KvSyntax::Integer, ReadWrite, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};

const KvSNMPVarDef kEmpty[] = {{nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};

TEST(VarList, BuildsOwnedCopiesOfTheTable)
{
    KvSNMPVarList list(kTable, MVT_FMV, 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemType, MVT_FMV);
    EXPECT_EQ(list.PKeyCount, 1);
    EXPECT_EQ(list.ItemAt(1).Caption, "Descr");
    EXPECT_EQ(list.ItemAt(1).GetExpression, "$0+1");
    EXPECT_EQ(list.ItemAt(1).Reserved, "r");
    EXPECT_TRUE(list.ItemAt(0).GetExpression.empty());
    EXPECT_TRUE(list.ItemAt(2).Value.empty());

    list.AppendTable(kEmpty);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(KvSNMPVarList(kEmpty, SVT_SV, 0).Count(), 0);

    list.AppendItem("1.3.6.1.2.1.1.5", "Name", KvSyntax::DisplayStr, ReadWrite);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.ItemAt(3).Oid, "1.3.6.1.2.1.1.5");
    EXPECT_TRUE(list.ItemAt(3).SetExpression.empty());
}

TEST(VarList, AssignKeepsTheTargetsInstance)
{
    KvSNMPVarList source(kTable, MVT_SV, 1);
    source.Instance = "5";
    source.Name = "ifTable";
    source.ItemAt(2).Value = "up";
    source.ItemAt(2).CurrentOid = "1.3.6.1.2.1.2.2.1.7.5";

    KvSNMPVarList target;
    target.AppendItem("9.9", "old", KvSyntax::Integer, ReadOnly);
    target.Assign(source);
    EXPECT_EQ(target.Instance, "");
    EXPECT_EQ(target.Name, "ifTable");
    EXPECT_EQ(target.ItemType, MVT_SV);
    ASSERT_EQ(target.Count(), 3);
    EXPECT_EQ(target.ItemAt(2).Value, "up");
    EXPECT_EQ(target.ItemAt(2).CurrentOid, "1.3.6.1.2.1.2.2.1.7.5");
    EXPECT_EQ(target.BaseOid(2), "1.3.6.1.2.1.2.2.1.7");
    EXPECT_EQ(source.BaseOid(2), "1.3.6.1.2.1.2.2.1.7.5");

    const KvSNMPVarList copy(source);
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.Count(), 3);

    target.Clear();
    EXPECT_EQ(target.Count(), 0);
}

struct PredicateCase {
    std::uint32_t access;
    std::uint8_t kind;
    int keyCount;
    bool readable, settable, shown, skipped;
};

class Predicates : public ::testing::TestWithParam<PredicateCase> {};

TEST_P(Predicates, FollowTheAccessFlags)
{
    const PredicateCase& c = GetParam();
    KvSNMPVarList list;
    list.ItemType = c.kind;
    list.PKeyCount = c.keyCount;
    list.AppendItem("1.2", "x", KvSyntax::Integer, c.access);
    EXPECT_EQ(list.IsReadable(0), c.readable);
    EXPECT_EQ(list.IsSettable(0), c.settable);
    EXPECT_EQ(list.IsShown(0), c.shown);
    EXPECT_EQ(list.IsSkipped(0), c.skipped);
    EXPECT_EQ(list.ShownCount(), c.shown ? 1 : 0);
    EXPECT_EQ(list.SkippedCount(), c.skipped ? 1 : 0);
    EXPECT_FALSE(list.IsReadable(1));   // past the end: no item, no answer
}

INSTANTIATE_TEST_SUITE_P(Cases, Predicates, ::testing::Values(
    PredicateCase{ReadWrite, SVT_SV, 0, true, true, true, false},
    PredicateCase{ReadWrite | Invalid, SVT_SV, 0, false, false, false, true},
    PredicateCase{ReadOnly, SVT_SV, 0, true, false, true, false},
    PredicateCase{WriteOnly, SVT_SV, 0, false, true, false, true},
    PredicateCase{WriteOnly | Derived, SVT_SV, 0, false, true, true, false},
    PredicateCase{ReadWrite | Hidden, SVT_SV, 0, true, true, false, true},
    PredicateCase{NotAccess, MVT_FMV, 1, false, true, true, false},      // a key of a table
    PredicateCase{NotAccess, MVT_SV, 1, false, false, true, false},      // a key of a single row
    PredicateCase{NotAccess, MVT_UMV, 0, false, false, true, false},
    PredicateCase{ReadOnly | Implied | NotAccess, MVT_FMV, 1, true, true, true, false}));

TEST(VarList, ImpliedFlag)
{
    KvSNMPVarList list;
    list.AppendItem("1", "k", KvSyntax::DisplayStr, NotAccess | Implied);
    list.AppendItem("2", "v", KvSyntax::DisplayStr, ReadOnly);
    EXPECT_TRUE(list.IsImplied(0));
    EXPECT_FALSE(list.IsImplied(1));
}

TEST(VarList, OwnedOptionListsOutliveTheSourceOfAnAssign)
{
    KvSNMPVarList target;
    {
        KvSNMPVarList source;
        const KvOptionDef table[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
        const KvOptionList* options =
            source.AddOwnedOptionList(std::make_unique<KvOptionList>(table, KvOptionList::IntegerValues));
        source.AppendItem("1.2", "status", KvSyntax::Integer, ReadOnly, options);
        target.Assign(source);
        EXPECT_EQ(source.OwnedOptionLists().size(), 1u);
    }
    ASSERT_NE(target.ItemAt(0).Options, nullptr);
    EXPECT_EQ(target.ItemAt(0).Options->LabelOf("2"), "down");
}

} // namespace
