// A table binding's report list: the hidden and shown column groups, rows from
// the value texts, and a selected row driving the value texts and the controls.
#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"

#include "KvTestUtil.h"
#include "kvsnmp/KvOptionList.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace KvSyntax;
using namespace KvAccess;


// Opens the steps a Get runs, so a test can feed rows without an agent.
class TableBinding : public KvSNMPRequest2Edits {
public:
    using KvSNMPRequest2Edits::KvSNMPRequest2Edits;
    using KvSNMPRequest2Edits::AfterGet;
    using KvSNMPRequest2Edits::BeforeGet;
    using KvSNMPRequest2Edits::CollectValues;
    using KvSNMPRequest2Edits::ValuesReceived;
};

class ListView : public ::testing::Test {
protected:
    void SetUp() override
    {
        KvSNMPVarList& vars = binding.Variables();
        vars.ItemType = MVT_FMV;
        vars.PKeyCount = 1;
        vars.AppendItem("1.3.6.1.4.1.97531.50.1.1", "Index", Integer, NotAccess);
        vars.AppendItem("1.3.6.1.4.1.97531.50.1.2", "Name", DisplayStr, ReadOnly);
        vars.AppendItem("1.3.6.1.4.1.97531.50.1.3", "Status", Integer, WriteOnly, &TestRowStatusOptions());
        vars.AppendItem("1.3.6.1.4.1.97531.50.1.4", "Secret", DisplayStr, ReadWrite | Hidden);
        vars.AppendItem("1.3.6.1.4.1.97531.50.1.5", "Mtu", Integer, ReadWrite);
        binding.AttachListView(&list, true);
        binding.AssociateComboBox(2, &status);
        binding.Associate(4, &mtu);
    }
    void row(const char* index, const char* name, const char* status, const char* mtuText)
    {
        KvSNMPVarList& vars = binding.Variables();
        vars.ItemAt(0).Value = index;
        vars.ItemAt(1).Value = name;
        vars.ItemAt(2).Value = status;
        vars.ItemAt(3).Value = "x";
        vars.ItemAt(4).Value = mtuText;
        binding.ValuesReceived();
    }

    QWidget form;
    QTreeWidget list{&form};
    QComboBox status{&form};
    QLineEdit mtu{&form};
    TableBinding binding{&form};
};

TEST_F(ListView, HiddenGroupFirstThenShownGroup)
{
    EXPECT_EQ(binding.ColumnVariables(), (std::vector<int>{2, 3, 0, 1, 4}));
    ASSERT_EQ(list.columnCount(), 5);
    EXPECT_EQ(list.headerItem()->text(0), "Status");
    EXPECT_EQ(list.headerItem()->text(2), "Index");
    EXPECT_TRUE(list.isColumnHidden(0));
    EXPECT_TRUE(list.isColumnHidden(1));
    EXPECT_FALSE(list.isColumnHidden(2));
    EXPECT_GT(list.columnWidth(4), 0);
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ListView, RowsComeFromTheValueTexts)
{
    binding.BeforeGet();
    row("1", "uplink", "active", "1500");
    row("2", "server", "active", "9000");
    ASSERT_EQ(KvReportRowCount(&list), 2);
    // The write-only status is the row's caption.
    EXPECT_EQ(KvReportCell(&list, 0, 0), "active");
    EXPECT_EQ(KvReportCell(&list, 1, 3), "server");
    EXPECT_EQ(KvReportCell(&list, 1, 4), "9000");

    // Another Get keeps the columns and empties the rows.
    list.setColumnWidth(3, 77);
    binding.BeforeGet();
    EXPECT_EQ(KvReportRowCount(&list), 0);
    EXPECT_EQ(list.columnCount(), 5);
    EXPECT_EQ(list.columnWidth(3), 77);
}

TEST_F(ListView, SelectionFollowsIntoValuesAndControls)
{
    binding.BeforeGet();
    row("1", "uplink", "active", "1500");
    row("2", "server", "destroy", "9000");
    binding.AfterGet();
    EXPECT_FALSE(mtu.isEnabled());
    EXPECT_FALSE(status.isEnabled());

    KvSelectReportRow(&list, 1);
    EXPECT_TRUE(mtu.isEnabled());
    EXPECT_EQ(binding.Variables().ItemAt(0).Value, "2");
    EXPECT_EQ(binding.Variables().ItemAt(1).Value, "server");
    EXPECT_EQ(mtu.text(), "9000");
    EXPECT_EQ(status.currentText(), "destroy");

    // Collecting takes the selected row and then the controls.
    mtu.setText("1400");
    binding.CollectValues();
    EXPECT_EQ(binding.Variables().ItemAt(0).Value, "2");
    EXPECT_EQ(binding.Variables().ItemAt(4).Value, "1400");

    binding.AfterGet();
    EXPECT_FALSE(mtu.isEnabled());
}

TEST_F(ListView, ReadSelectedRowWithoutSelectionChangesNothing)
{
    binding.BeforeGet();
    row("1", "uplink", "active", "1500");
    binding.Variables().ItemAt(1).Value = "kept";
    binding.ReadSelectedRow();
    EXPECT_EQ(binding.Variables().ItemAt(1).Value, "kept");
}

TEST(ListViewColumns, OnlyShownVariablesGiveVisibleColumns)
{
    QWidget form;
    QTreeWidget list(&form);
    TableBinding binding(&form);
    KvSNMPVarList& vars = binding.Variables();
    vars.ItemType = MVT_FMV;
    vars.AppendItem("1.3.6.1.2.1.31.1.1.1.1", "IF Name", DisplayStr, ReadOnly);
    vars.AppendItem("1.3.6.1.2.1.31.1.1.1.6", "In Octets", Counter64, ReadOnly);
    vars.AppendItem("1.3.6.1.2.1.31.1.1.1.18", "Alias", DisplayStr, ReadWrite);
    binding.AttachListView(&list, false);
    ASSERT_EQ(list.columnCount(), 3);
    for (int c = 0; c < 3; ++c)
        EXPECT_FALSE(list.isColumnHidden(c));
}

}  // namespace
