// The snapshot model on small definition tables: which objects it keeps, how
// two snapshots differ, and the SETs that put one back, in their order.
#include "defs/DefinitionRows.h"
#include "defs/ViewDefinitions.h"
#include "snapshot/SnapshotModel.h"
#include "snapshot/SnapshotRestore.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ViewDefRows;

const KvOptionDef kUpDownRows[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const KvOptionList kUpDown(kUpDownRows, KvOptionList::IntegerValues);

const KvSNMPVarDef kSystem[] = {
    Def("1.3.6.1.4.1.9.1.1", "Lock", Integer, ReadWrite),           // a spin lock on this page
    Def("1.3.6.1.4.1.9.1.2", "Uptime", TimeTicks, ReadOnly),
    Def("1.3.6.1.4.1.9.1.3", "Location", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.9.1.4", "System Reset", Integer, ReadWrite, &SystemResetOptions),
    Def("1.3.6.1.4.1.9.1.5", "Agg Actor Admin Key", Integer, ReadWrite),
    EndOfTable,
};
// Two pages of one table: the first shows it, the second adds and deletes rows.
const KvSNMPVarDef kPortsShown[] = {
    Def("1.3.6.1.4.1.9.2.1.1", "Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.4.1.9.2.1.2", "Admin", Integer, ReadWrite, &kUpDown),
    Def("1.3.6.1.4.1.9.2.1.3", "In Octets", Counter64, ReadOnly),
    EndOfTable,
};
const KvSNMPVarDef kPortsEdited[] = {
    Def("1.3.6.1.4.1.9.2.1.1", "Name", DisplayStr, ImpliedKey),
    Def("1.3.6.1.4.1.9.2.1.2", "Admin", Integer, ReadWrite, &kUpDown),
    Def("1.3.6.1.4.1.9.2.1.4", "Community Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.9.2.1.5", "Community Security Name", DisplayStr, ReadWrite),
    Def("1.3.6.1.4.1.9.2.1.6", "Status", Integer, ReadWrite, &RowStatusOptions),
    EndOfTable,
};

std::vector<SnapshotSource> Sources()
{
    SnapshotSource system{"System", kSystem, SVT_SV, 0, 0, -1, {}, {}};
    SnapshotSource shown{"Ports", kPortsShown, MVT_UMV, 1, -1, -1, {}, {}};
    SnapshotSource edited{"Port Edit", kPortsEdited, MVT_UMV, 1, -1, 4, "createAndGo", "destroy"};
    return {system, shown, edited};
}

TEST(SnapshotModel, KeepsTheWritableSettingsOnceAndLeavesOutCommandsLocksAndReadOnlyObjects)
{
    const SnapshotModel model(Sources());
    ASSERT_EQ(model.Tables().size(), 2u);
    const SnapshotTable& system = model.Tables()[0];
    EXPECT_TRUE(system.Scalars);
    std::vector<std::string> captions;
    for (const SnapshotColumn& c : system.Columns)
        captions.push_back(c.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Location", "Agg Actor Admin Key"}));

    const SnapshotTable& ports = model.Tables()[1];
    EXPECT_FALSE(ports.Scalars);
    EXPECT_EQ(ports.View, "Ports");   // the first page that shows it
    EXPECT_EQ(ports.Entry, "1.3.6.1.4.1.9.2.1");
    captions.clear();
    for (const SnapshotColumn& c : ports.Columns)
        captions.push_back(c.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Admin", "Community Name", "Community Security Name", "Status"}));
    // The row status of the page that adds rows, with the values it sends.
    ASSERT_EQ(ports.RowStatus, 3);
    EXPECT_EQ(ports.CreateValue, "4");
    EXPECT_EQ(ports.DestroyValue, "6");
    // Secrets: the community itself; not its user's name, not a number called a key.
    EXPECT_TRUE(ports.Columns[1].Secret);
    EXPECT_FALSE(ports.Columns[2].Secret);
    EXPECT_FALSE(system.Columns[1].Secret);
}

KvSnapshotLine Line(const std::string& oid, std::uint32_t syntax, const std::string& value)
{
    return {oid, syntax, KvSnapshotState::Value, value, {}};
}

// Rows "pub" (112.117.98) and "lab" (108.97.98) of the ports table.
KvSnapshot Base()
{
    KvSnapshot s;
    s.Lines = {
        Line("1.3.6.1.4.1.9.1.3.0", DisplayStr, "lab"),
        Line("1.3.6.1.4.1.9.1.5.0", Integer, "7"),
        Line("1.3.6.1.4.1.9.2.1.2.108.97.98", Integer, "1"),
        Line("1.3.6.1.4.1.9.2.1.2.112.117.98", Integer, "1"),
        {"1.3.6.1.4.1.9.2.1.4.108.97.98", DisplayStr, KvSnapshotState::Withheld, {}, {}},
        {"1.3.6.1.4.1.9.2.1.4.112.117.98", DisplayStr, KvSnapshotState::Withheld, {}, {}},
        Line("1.3.6.1.4.1.9.2.1.5.108.97.98", DisplayStr, "ops"),
        Line("1.3.6.1.4.1.9.2.1.5.112.117.98", DisplayStr, "ops"),
        Line("1.3.6.1.4.1.9.2.1.6.108.97.98", Integer, "1"),
        Line("1.3.6.1.4.1.9.2.1.6.112.117.98", Integer, "1"),
    };
    return s;
}

void Drop(KvSnapshot& s, const std::string& suffix)
{
    std::erase_if(s.Lines, [&](const KvSnapshotLine& l) { return l.Oid.ends_with(suffix); });
}

void Set(KvSnapshot& s, const std::string& oid, const std::string& value)
{
    for (KvSnapshotLine& l : s.Lines)
        if (l.Oid == oid) {
            l.State = KvSnapshotState::Value;
            l.Value = value;
        }
}

struct CompareCase {
    const char* Name;
    std::function<void(KvSnapshot& right)> Change;
    SnapshotDiffKind Kind;
    const char* Key;
    const char* Column;
    const char* LeftShown;
    const char* RightShown;
};

TEST(SnapshotModel, ComparisonNamesEachDifferenceAsTheViewsShowIt)
{
    const SnapshotModel model(Sources());
    const CompareCase cases[] = {
        {"a scalar changed", [](KvSnapshot& r) { Set(r, "1.3.6.1.4.1.9.1.3.0", "core"); },
         SnapshotDiffKind::Changed, "", "Location", "lab", "core"},
        {"a cell changed, shown by its label", [](KvSnapshot& r) { Set(r, "1.3.6.1.4.1.9.2.1.2.112.117.98", "2"); },
         SnapshotDiffKind::Changed, "pub", "Admin", "up", "down"},
        {"a row the right lacks", [](KvSnapshot& r) { Drop(r, ".112.117.98"); }, SnapshotDiffKind::RowOnlyLeft, "pub",
         "", "row", ""},
        {"a row only the right has",
         [](KvSnapshot& r) {
             r.Lines.push_back(Line("1.3.6.1.4.1.9.2.1.2.110.101.119", Integer, "2"));
             KvSortSnapshot(r);
         },
         SnapshotDiffKind::RowOnlyRight, "new", "", "", "row"},
        {"a column the right's agent lacks, said once",
         [](KvSnapshot& r) {
             Drop(r, "1.3.6.1.4.1.9.2.1.5.108.97.98");
             Drop(r, "1.3.6.1.4.1.9.2.1.5.112.117.98");
             r.Lines.push_back({"1.3.6.1.4.1.9.2.1.5", DisplayStr, KvSnapshotState::Absent, {}, {}});
             KvSortSnapshot(r);
         },
         SnapshotDiffKind::AbsentRight, "", "Community Security Name", "", ""},
        {"a cell the right lacks in a row it has", [](KvSnapshot& r) { Drop(r, "1.3.6.1.4.1.9.2.1.5.108.97.98"); },
         SnapshotDiffKind::OnlyLeft, "lab", "Community Security Name", "ops", ""},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(c.Name);
        KvSnapshot right = Base();
        c.Change(right);
        const auto diffs = CompareSnapshots(model, Base(), right);
        ASSERT_EQ(diffs.size(), 1u) << DifferenceText(diffs, "snapshot", "switch");
        EXPECT_EQ(diffs[0].Kind, c.Kind);
        EXPECT_EQ(diffs[0].Key, c.Key);
        EXPECT_EQ(diffs[0].ColumnCaption, c.Column);
        EXPECT_EQ(diffs[0].LeftShown, c.LeftShown);
        EXPECT_EQ(diffs[0].RightShown, c.RightShown);
    }
    // A withheld secret equals whatever the other side holds.
    KvSnapshot right = Base();
    Set(right, "1.3.6.1.4.1.9.2.1.4.112.117.98", "s3cret");
    EXPECT_TRUE(CompareSnapshots(model, Base(), right).empty());
}

TEST(SnapshotRestore, PlansScalarsThenNewRowsThenChangedCellsThenDeletions)
{
    const SnapshotModel model(Sources());
    const KvSnapshot left = Base();
    KvSnapshot right = Base();
    Drop(right, ".112.117.98");                                     // "pub" to create again
    Set(right, "1.3.6.1.4.1.9.2.1.2.108.97.98", "2");              // "lab" changed
    Set(right, "1.3.6.1.4.1.9.1.5.0", "8");                        // a scalar
    right.Lines.push_back(Line("1.3.6.1.4.1.9.2.1.2.110.101.119", Integer, "2"));   // "new" to delete
    KvSortSnapshot(right);
    const auto diffs = CompareSnapshots(model, left, right);
    ASSERT_EQ(diffs.size(), 4u) << DifferenceText(diffs, "snapshot", "switch");

    std::vector<int> byDefault, all;
    for (int i = 0; i < static_cast<int>(diffs.size()); ++i) {
        ASSERT_TRUE(CanRestore(model, diffs[static_cast<std::size_t>(i)]));
        all.push_back(i);
        if (RestoreByDefault(diffs[static_cast<std::size_t>(i)]))
            byDefault.push_back(i);
    }
    EXPECT_EQ(byDefault.size(), 3u);   // the deletion waits to be ticked

    const auto plan = PlanRestore(model, left, diffs, all);
    ASSERT_EQ(plan.size(), 4u) << RestorePlanText(plan);
    EXPECT_EQ(plan[0].Title, "Set the scalars of System");
    EXPECT_EQ(plan[1].Title, "Create row pub of Ports");
    EXPECT_EQ(plan[2].Title, "Change row lab of Ports");
    EXPECT_EQ(plan[3].Title, "Delete row new of Ports");
    // The new row: its status at createAndGo first, then every column it had
    // but the withheld one.
    std::vector<std::pair<std::string, std::string>> create;
    for (const SnapshotBinding& b : plan[1].Bindings)
        create.emplace_back(b.Oid, b.Value);
    EXPECT_EQ(create, (std::vector<std::pair<std::string, std::string>>{
                          {"1.3.6.1.4.1.9.2.1.6.112.117.98", "4"},
                          {"1.3.6.1.4.1.9.2.1.2.112.117.98", "1"},
                          {"1.3.6.1.4.1.9.2.1.5.112.117.98", "ops"}}));
    // The withheld secret is not sent, and the plan says so.
    EXPECT_EQ(plan[1].Withheld, std::vector<std::string>{"Community Name"});
    EXPECT_NE(RestorePlanText(plan).find("not sent, withheld in the snapshot: Community Name"), std::string::npos)
        << RestorePlanText(plan);
    ASSERT_EQ(plan[3].Bindings.size(), 1u);
    EXPECT_EQ(plan[3].Bindings[0].Oid, "1.3.6.1.4.1.9.2.1.6.110.101.119");
    EXPECT_EQ(plan[3].Bindings[0].Value, "6");
    EXPECT_EQ(plan[2].Bindings[0].Shown, "Ports | lab | Admin = up");
}

} // namespace
