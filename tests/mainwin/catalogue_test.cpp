// The view catalogue against the definition tables it binds, its titles, and
// every generic view built from its rows without an agent.
#include "ViewCatalogue.h"
#include "defs/ViewDefinitionTables.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/Snmpeditorpanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

const ViewDefinitionTable* TableOf(const KvSNMPVarDef* defs)
{
    for (const ViewDefinitionTable& t : ViewDefinitionTables)
        if (t.Defs == defs)
            return &t;
    return nullptr;
}

bool OffersLabel(const KvOptionList* options, const char* label)
{
    if (!options || !label)
        return false;
    for (int i = 0; i < options->Count(); ++i)
        if (QString::fromStdString(options->Item(i).Label).compare(QLatin1String(label), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool IsTableType(std::uint8_t t) { return t == MVT_FMV || t == MVT_UMV; }

TEST(ViewCatalogue, RowsAgreeWithTheDefinitionTables)
{
    std::set<std::string> items;
    std::string previous;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        SCOPED_TRACE(std::string(row.Item) + (row.Page ? std::string(" / ") + row.Page : std::string()));
        // The pages of an item stand together.
        if (row.Item != previous) {
            EXPECT_TRUE(items.insert(row.Item).second) << "item's rows are split";
        }
        const bool laterPage = row.Item == previous;
        previous = row.Item;

        if (row.Action == ViewAction::SameViewAs) {
            const auto target = FindViewEntry(row.Target);
            ASSERT_FALSE(target.empty());
            EXPECT_NE(target.front().Action, ViewAction::SameViewAs);
            continue;
        }
        if (row.Action == ViewAction::Viewer) {
            EXPECT_EQ(std::string(row.Target).rfind("/T", 0), 0u);
        }
        if (row.Action == ViewAction::Dialog) {
            EXPECT_NE(row.Target, nullptr);
        }
        if (row.Action == ViewAction::Command) {
            EXPECT_TRUE(row.Command || row.Target);
        }
        if (row.Action != ViewAction::Generic) {
            EXPECT_EQ(row.Defs, nullptr);
            continue;
        }

        const ViewDefinitionTable* table = TableOf(row.Defs);
        ASSERT_NE(table, nullptr) << "definitions not among the tables";
        const int columns = table->Count;
        EXPECT_EQ(row.Title.Form == ViewTitleForm::Same, laterPage);
        if (row.Panel == ViewPanel::Table) {
            EXPECT_TRUE(IsTableType(row.ItemType));
        } else {
            EXPECT_EQ(row.Panel, ViewPanel::Scalars);
        }
        EXPECT_TRUE(row.Keys == 0 || IsTableType(row.ItemType));

        for (const ViewRowStatus* s : {&row.Add, &row.Delete}) {
            if (s->Row < 0)
                continue;
            ASSERT_EQ(row.Panel, ViewPanel::Table);
            ASSERT_LT(s->Row, columns);
            EXPECT_TRUE(OffersLabel(row.Defs[s->Row].Options, s->Label)) << s->Label;
        }
        EXPECT_EQ(row.Add.Row, row.Delete.Row);

        for (const ViewAdjustment& a : row.Adjust) {
            switch (a.Kind) {
            case ViewAdjust::SetVarFormat:
            case ViewAdjust::RangeCheck:
                ASSERT_GE(a.Row, 0);
                EXPECT_LT(a.Row, columns);
                break;
            case ViewAdjust::SetOctetEditor:
                ASSERT_GE(a.Row, 0);
                ASSERT_LT(a.Row, columns);
                EXPECT_TRUE(row.Defs[a.Row].Syntax == KvSyntax::OctetStr || row.Defs[a.Row].Syntax == KvSyntax::BitStr)
                    << "port list row " << a.Row;
                break;
            case ViewAdjust::NoEdit:
            case ViewAdjust::SetControlWidth:
            case ViewAdjust::Hooks:
            case ViewAdjust::MulticastRange:
                EXPECT_EQ(row.Panel, ViewPanel::Table);
                break;
            case ViewAdjust::SetEditWidth:
            case ViewAdjust::SpinLockRow:
                EXPECT_EQ(row.Panel, ViewPanel::Scalars);
                break;
            default:
                break;
            }
        }
    }
    EXPECT_GE(ViewCatalogue().size(), 225u);
}

// A table's list kind and key count come from a view's row or from its binding
// record; one that has neither could not be read, nor served by the simulator.
TEST(ViewCatalogue, EveryDefinitionTableIsBound)
{
    for (const ViewDefinitionTable& t : ViewDefinitionTables) {
        bool bound = false;
        for (const ViewCatalogueRow& row : ViewCatalogue())
            bound = bound || (row.Action == ViewAction::Generic && row.Defs == t.Defs);
        for (const NamedDefinitionBinding& b : DefinitionBindings) {
            if (b.Binding.Defs != t.Defs)
                continue;
            bound = true;
            int keys = 0;
            for (int i = 0; i < t.Count; ++i)
                keys += (t.Defs[i].Access & KvAccess::NotAccess) != 0 ? 1 : 0;
            EXPECT_EQ(b.Binding.Keys, keys) << b.Name;
        }
        EXPECT_TRUE(bound) << t.Name;
    }
}

struct TitleCase {
    const char* Item;
    const char* Caption;
};

class ViewTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ViewTitles, AreSpelledAsTheWindowsShowThem)
{
    const auto entry = FindViewEntry(GetParam().Item);
    ASSERT_FALSE(entry.empty());
    EXPECT_EQ(ViewCaption(entry.front().Title, QStringLiteral("10.1.2.3")).toStdString(), GetParam().Caption);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ViewTitles,
    ::testing::Values(TitleCase{"IFXTable1", "ifX Table : 10.1.2.3"},
                      TitleCase{"BasicInformation2", "Basic Information : 10.1.2.3"},
                      TitleCase{"AACServerGroupTable1", "AAC Server Group Table: 10.1.2.3"},
                      TitleCase{"MACAuthenticationBaseStateInfo1", "MAC Authentication Base State Information :10.1.2.3"},
                      TitleCase{"EthernetTableCPUFilter1", "Ethernet Table : (CPU Filter) 10.1.2.3"},
                      TitleCase{"IPManagementGroup1", "Single IP Group Management"},
                      TitleCase{"MemberSwitch1", "Member Switch Information Table"},
                      TitleCase{"MPD", "Message Processingand Dispatching : 10.1.2.3"},
                      TitleCase{"BridgeSTPInformation", ""}));

// Every generic view builds from its rows: panels in a valid order, status
// labels found in their lists, adjustments on rows that take them.
TEST(ViewCatalogue, EveryGenericViewBuilds)
{
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        const auto entry = FindViewEntry(row.Item);
        if (&entry.front() != &row || row.Action != ViewAction::Generic)
            continue;
        SCOPED_TRACE(row.Item);
        std::unique_ptr<TConfigForm> form;
        ASSERT_NO_THROW(form = BuildView(entry, nullptr, QStringLiteral("127.0.0.1")));
        ASSERT_EQ(form->PanelCount(), static_cast<int>(entry.size()));
        const bool paged = entry.size() > 1 || row.Page;
        EXPECT_EQ(form->ViewType(), paged ? TConfigForm::PagedView : static_cast<int>(row.Panel == ViewPanel::Table ? TConfigForm::ListViewView : TConfigForm::EditorView));
        for (std::size_t p = 0; p < entry.size(); ++p) {
            const ViewCatalogueRow& page = entry[p];
            TSNMPEditorPanel* panel = form->Panel(static_cast<int>(p));
            const KvSNMPVarList& vars = panel->Binding()->Variables();
            const ViewDefinitionTable* table = TableOf(page.Defs);
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(vars.Count(), table->Count);
            EXPECT_EQ(vars.ItemType, page.ItemType);
            EXPECT_EQ(vars.PKeyCount, page.Keys);
            if (auto* list = qobject_cast<TSNMPListViewPanel*>(panel)) {
                EXPECT_EQ(page.Panel, ViewPanel::Table);
                EXPECT_EQ(list->ListViewPanel()->AddStatusRow, page.Add.Row);
                EXPECT_EQ(list->ListViewPanel()->DeleteStatusRow, page.Delete.Row);
                EXPECT_EQ(list->ReadOnly != 0, page.Has(ViewAdjust::NoEdit));
            } else {
                EXPECT_EQ(page.Panel, ViewPanel::Scalars);
            }
        }
        if (paged) {
            EXPECT_EQ(form->PageControl()->count(), static_cast<int>(entry.size()));
        }
    }
}

// The catalogue's rows are copied: what one opening changes is gone at the next.
TEST(ViewCatalogue, EachOpeningStartsFromTheConstantTables)
{
    const auto entry = FindViewEntry("TrunkManagement");
    auto first = BuildView(entry, nullptr, {});
    auto* panel = qobject_cast<TSNMPListViewPanel*>(first->Panel(0));
    ASSERT_NE(panel, nullptr);
    QLineEdit* master = panel->EditsPanel()->RowEdit(2);
    ASSERT_NE(master, nullptr);
    master->setText(QStringLiteral("7"));
    panel->OnBeforeEdit(nullptr);   // takes the write bit away from this opening's master port
    ASSERT_FALSE(first->Binding(0)->Variables().IsSettable(2));

    auto second = BuildView(entry, nullptr, {});
    EXPECT_TRUE(second->Binding(0)->Variables().IsSettable(2));
    EXPECT_TRUE(second->Panel(0)->EditsPanel()->RowEdit(2)->text().isEmpty());
}

} // namespace
