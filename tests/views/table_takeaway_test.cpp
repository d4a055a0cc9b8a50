// Taking rows out of a table view (Ctrl+C, CSV export) and finding rows with
// its filter.
#include "views/Listviewpanel.h"
#include "views/TableExport.h"
#include "views/TableFilter.h"

#include "KvControls.h"
#include "KvUserNotice.h"
#include "defs/ViewDefinitions.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// Values that break naive copies and CSV writers: separators, quotes and
// line breaks inside a value, and text outside ASCII.
const QStringList kHeader = {QStringLiteral("Name"), QStringLiteral("Description, long"), QStringLiteral("Mtu")};
const QList<QStringList> kRows = {
    {QStringLiteral("uplink"), QStringLiteral("to \"core\" switch"), QStringLiteral("1500")},
    {QStringLiteral("server"), QStringLiteral("rack 4, row 2"), QStringLiteral("9000")},
    {QStringLiteral("two\nlines"), QStringLiteral("tab\there"), QStringLiteral("")},
    {QStringLiteral("Büro"), QStringLiteral("crlf\r\nend"), QStringLiteral("1500")},
};

void Fill(QTreeWidget& list, const QList<QStringList>& rows = kRows)
{
    list.setColumnCount(static_cast<int>(kHeader.size()));
    list.setHeaderLabels(kHeader);
    for (const QStringList& r : rows)
        list.addTopLevelItem(new QTreeWidgetItem(r));
}

// Clicks a row of the list (ListView's numbering) in the view in sight.
void ClickRow(TListViewPanel& panel, int row, Qt::KeyboardModifiers modifiers = {})
{
    QAbstractItemView* view = panel.ShownView();
    QModelIndex index = panel.ListView->model()->index(row, 0);
    if (view == panel.FilteredView)
        index = panel.Filter->mapFromSource(index);
    ASSERT_TRUE(index.isValid()) << "row " << row << " is not shown";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
}

struct CopyCase {
    const char* Filter;
    std::vector<int> Clicks;   // a click, then Ctrl+clicks
    const char* Copied;
};

TEST(TableTakeAway, CtrlCCopiesSelectedRowsInListOrderTabSeparatedUnderTheHeader)
{
    // Rows chosen last to first still go out in the list's order; a tab or
    // line break inside a value would split the pasted cell.
    const CopyCase cases[] = {
        {"", {2, 0},
         "Name\tDescription, long\tMtu\n"
         "uplink\tto \"core\" switch\t1500\n"
         "two lines\ttab here\t\n"},
        {"1500", {3, 0},
         "Name\tDescription, long\tMtu\n"
         "uplink\tto \"core\" switch\t1500\n"
         "B\xC3\xBCro\tcrlf  end\t1500\n"},
        {"", {1}, "Name\tDescription, long\tMtu\nserver\track 4, row 2\t9000\n"},
    };
    TListViewPanel panel(nullptr, nullptr);
    Fill(*panel.ListView);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    for (const CopyCase& c : cases) {
        panel.FilterEdit->setText(QString::fromLatin1(c.Filter));
        for (std::size_t k = 0; k < c.Clicks.size(); ++k)
            ClickRow(panel, c.Clicks[k], k == 0 ? Qt::NoModifier : Qt::ControlModifier);
        QGuiApplication::clipboard()->clear();

        QTest::keyClick(panel.ShownView(), Qt::Key_C, Qt::ControlModifier);

        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.Copied) << "filter " << c.Filter;
        // The row the binding reads for Edit and Delete is the current one.
        EXPECT_EQ(KvSelectedReportRow(panel.ListView), c.Clicks.back()) << "filter " << c.Filter;
    }
}

TEST(TableTakeAway, ExportWritesRfc4180CsvOfTheShownRows)
{
    QTemporaryDir dir;
    TListViewPanel panel(nullptr, nullptr);
    Fill(*panel.ListView);
    panel.Filter->SetText(QStringLiteral("1500"));   // what the user sees is what is written
    const QString path = dir.filePath(QStringLiteral("ports.csv"));
    {
        QFile old(path);   // an existing file is replaced whole
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content that is longer than the new one, to catch a file written over in place\n");
    }

    QSignalSpy done(panel.StartExport(path), &TTableExport::Finished);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_TRUE(done.at(0).at(0).toBool()) << done.at(0).at(1).toString().toStdString();

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(),
              "Name,\"Description, long\",Mtu\r\n"
              "uplink,\"to \"\"core\"\" switch\",1500\r\n"
              "B\xC3\xBCro,\"crlf\r\nend\",1500\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ports.csv")});
}

TEST(TableTakeAway, ExportThatCannotWriteSaysSoAndLeavesNoFile)
{
    QTemporaryDir dir;
    QStringList shown;
    const KvMessagePresenter before = KvSetMessagePresenter([&shown](const KvMessageRequest& r) {
        shown << r.Text;
        return QMessageBox::Ok;
    });
    TListViewPanel panel(nullptr, nullptr);
    Fill(*panel.ListView);
    const QString path = dir.filePath(QStringLiteral("missing/ports.csv"));
    QSignalSpy done(panel.StartExport(path), &TTableExport::Finished);
    ASSERT_TRUE(done.wait(5000));
    KvSetMessagePresenter(before);
    EXPECT_FALSE(done.at(0).at(0).toBool());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(path)) << shown[0].toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// A big table goes out in slices; cancelling midway leaves the old file as it was.
TEST(TableTakeAway, CancelledExportKeepsTheOldFile)
{
    QTemporaryDir dir;
    QTreeWidget list;
    QList<QStringList> many;
    for (int i = 0; i < 3 * TTableExport::RowsPerSlice; ++i)
        many << QStringList{QString::number(i), QStringLiteral("x"), QStringLiteral("y")};
    Fill(list, many);
    const QString path = dir.filePath(QStringLiteral("t.csv"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept\n");
    old.close();

    TTableExport job(TableRows(list), path);
    QSignalSpy done(&job, &TTableExport::Finished);
    QObject::connect(&job, &TTableExport::Written, &job, &TTableExport::Cancel);   // after the first slice
    job.Start(nullptr);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_FALSE(done.at(0).at(0).toBool());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("kept\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A value an agent or a user chose must not become a formula in the
// operator's spreadsheet, whether opened from the CSV file or pasted.
TEST(TableTakeAway, FormulaLikeValuesAreExportedAndCopiedAsText)
{
    struct Case {
        const char* Value;
        const char* Csv;      // the field as written
        const char* Copied;   // the cell as copied
    };
    const Case cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\"", "'=HYPERLINK(\"http://x\")"},
        {"+1+2", "\"'+1+2\"", "'+1+2"},
        {"-2+3", "\"'-2+3\"", "'-2+3"},
        {"-cmd|' /C calc'!A0", "\"'-cmd|' /C calc'!A0\"", "'-cmd|' /C calc'!A0"},
        {"@SUM(A1:A9)", "\"'@SUM(A1:A9)\"", "'@SUM(A1:A9)"},
        {"\t=1+2", "\"'\t=1+2\"", "' =1+2"},
        {"\r=1+2", "\"'\r=1+2\"", "' =1+2"},
        {"-", "\"'-\"", "'-"},
        // A plain negative number stays a number; everything else as it was.
        {"-5", "-5", "-5"},
        {"-0.25", "-0.25", "-0.25"},
        {"a=b", "a=b", "a=b"},
        {" =1", " =1", " =1"},
        {"'quoted", "'quoted", "'quoted"},
        {"1,5", "\"1,5\"", "1,5"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const QString value = QString::fromUtf8(c.Value);
        EXPECT_EQ(CsvRecord({value, QStringLiteral("x")}).toStdString(), std::string(c.Csv) + ",x\r\n") << c.Value;
        const TTableText table{{QStringLiteral("h")}, {{value}}};
        EXPECT_EQ(TableCopyText(table).toStdString(), std::string("h\n") + c.Copied + "\n") << c.Value;
    }
}

QStringList Captions(const KvSNMPVarDef* defs)
{
    QStringList captions;
    for (; defs->Oid; ++defs)
        captions << QString::fromUtf8(defs->Caption);
    return captions;
}

// Community names, USM keys and pass phrases must not be left readable by
// other users in an exported file.
TEST(TableTakeAway, ExportsOfTablesWithSecretsArePrivate)
{
    for (const KvSNMPVarDef* defs : {CommunityTableDefs, UsmUserTableDefs, RadiusServerTableDefs, AuthServerDefs,
                                     MemberSwitchDefs})
        EXPECT_TRUE(TableHoldsSecrets(Captions(defs))) << defs->Caption;
    for (const KvSNMPVarDef* defs : {IfXTableDefs, RadiusAuthServerTableDefs})
        EXPECT_FALSE(TableHoldsSecrets(Captions(defs))) << defs->Caption;

    struct Case {
        const char* Name;
        QStringList Header;
        bool Existing;   // a 0644 file is there before
        int Mode;
    };
    const mode_t umaskBefore = ::umask(022);
    const Case cases[] = {
        {"communities", Captions(CommunityTableDefs), false, 0600},
        {"communities over an old file", Captions(CommunityTableDefs), true, 0600},
        {"interfaces", Captions(IfXTableDefs), false, 0644},
        {"interfaces over an old file", Captions(IfXTableDefs), true, 0644},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.Name) + QStringLiteral(".csv"));
        if (c.Existing) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old\n");
            old.close();
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        }
        TTableExport job({c.Header, {QStringList(c.Header.size(), QStringLiteral("secret"))}}, path);
        QSignalSpy done(&job, &TTableExport::Finished);
        job.Start(nullptr);
        ASSERT_TRUE(done.wait(5000)) << c.Name;
        EXPECT_TRUE(done.at(0).at(0).toBool()) << c.Name;
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << c.Name;
        EXPECT_EQ(st.st_mode & 0777, static_cast<mode_t>(c.Mode)) << c.Name;
    }
    ::umask(umaskBefore);
}

struct FilterStep {
    const char* Typed;
    const char* Shown;   // the first cells of the rows shown, in order
};

// The first cells of the rows the filter shows, space-separated.
std::string ShownKeys(const TListViewPanel& panel)
{
    std::string keys;
    for (int row : panel.ShownRows())
        keys += (keys.empty() ? "" : " ") + panel.ListView->topLevelItem(row)->text(0).toStdString();
    return keys;
}

void ExpectShown(const TListViewPanel& panel, const std::string& keys, int total, const std::string& when)
{
    EXPECT_EQ(ShownKeys(panel), keys) << when;
    const int shown = keys.empty() ? 0 : static_cast<int>(std::count(keys.begin(), keys.end(), ' ')) + 1;
    EXPECT_EQ(panel.Filter->Shown(), shown) << when;
    EXPECT_EQ(panel.ShownView()->model()->rowCount(), panel.Filter->Active() ? shown : total) << when;
    EXPECT_EQ(panel.FilterCount->text().toStdString(), std::to_string(shown) + " of " + std::to_string(total)) << when;
}

TEST(TableFilter, CountsFollowTypingDeletingAndAppendedRows)
{
    TListViewPanel panel(nullptr, nullptr);
    QTreeWidget& list = *panel.ListView;
    Fill(list, {{"1", "Uplink", "up"},
                {"2", "server", "down"},
                {"3", "backup uplink", "up"},
                {"4", "printer", "testing"},
                {"5", "UPS", "up"},
                {"6", "camera", "down"}});
    // Each step is what the field holds after a key press: letter case does
    // not count, any column may hold the text, narrowing keeps hidden rows
    // hidden, widening again must bring them back.
    const FilterStep steps[] = {
        {"", "1 2 3 4 5 6"}, {"u", "1 3 5"},     {"up", "1 3 5"}, {"upl", "1 3"},    {"UPLINK", "1 3"},
        {"uplinkx", ""},     {"upl", "1 3"},     {"", "1 2 3 4 5 6"}, {"down", "2 6"}, {"6", "6"},
        {"ter", "4"},        {"e", "2 4 6"},     {"k u", ""},   // no match runs from one cell into the next
    };
    for (const FilterStep& s : steps) {
        panel.FilterEdit->setText(QString::fromLatin1(s.Typed));
        panel.Filter->ShowCount();   // as the table panel does once a read has filled the list
        ExpectShown(panel, s.Shown, 6, std::string("typed ") + s.Typed);
    }

    // Rows added, changed and removed while a filter is set.
    panel.FilterEdit->setText(QStringLiteral("down"));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"7", "new", "down"}));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"8", "new", "up"}));
    panel.Filter->ShowCount();
    ExpectShown(panel, "2 6 7", 8, "rows appended");
    delete list.takeTopLevelItem(0);   // a row out of sight goes
    panel.Filter->ShowCount();
    ExpectShown(panel, "2 6 7", 7, "a row removed");
    // Regression: the filter keeps the rows' text; a changed row was still
    // found by its old text.
    list.topLevelItem(3)->setText(2, QStringLiteral("gone"));   // "5 UPS up"
    panel.FilterEdit->setText(QStringLiteral("gon"));
    ExpectShown(panel, "5", 7, "a row changed");

    // A walk holds the filter: its rows are checked in batches, not one by one.
    panel.FilterEdit->setText(QStringLiteral("new"));
    panel.Filter->SetHolding(true);
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"9", "new", "up"}));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"10", "old", "up"}));
    panel.Filter->ShowCount();
    ExpectShown(panel, "7 8", 9, "walk under way");
    panel.Filter->CatchUp();
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"11", "new", "up"}));
    panel.Filter->SetHolding(false);
    panel.Filter->ShowCount();
    ExpectShown(panel, "7 8 9 11", 10, "walk ended");
    list.clear();
    panel.Filter->ShowCount();
    ExpectShown(panel, "", 0, "list cleared");
}

} // namespace
