// Taking rows out of a table view (Ctrl+C, CSV export) and finding rows with
// its filter.
#include "views/Listviewpanel.h"
#include "views/TableExport.h"
#include "views/TableFilter.h"

#include "KvUserNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

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

TEST(TableTakeAway, CtrlCCopiesSelectedRowsTabSeparatedUnderTheHeader)
{
    TListViewPanel panel(nullptr, nullptr);
    Fill(*panel.ListView);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.ListView->setFocus();
    panel.ListView->topLevelItem(0)->setSelected(true);
    panel.ListView->topLevelItem(2)->setSelected(true);
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(panel.ListView, Qt::Key_C, Qt::ControlModifier);

    // A tab or line break inside a value would split the pasted cell.
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "Name\tDescription, long\tMtu\n"
              "uplink\tto \"core\" switch\t1500\n"
              "two lines\ttab here\t\n");
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

    TTableExport job(TableRows(list, false), path);
    QSignalSpy done(&job, &TTableExport::Finished);
    QObject::connect(&job, &TTableExport::Written, &job, &TTableExport::Cancel);   // after the first slice
    job.Start(nullptr);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_FALSE(done.at(0).at(0).toBool());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("kept\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

struct FilterStep {
    const char* Typed;
    int Shown;   // of 6 rows
};

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
    panel.Filter->ShowCount();   // as the table panel does once a read has filled the list
    // Each step is what the field holds after a key press: narrowing keeps
    // hidden rows hidden, widening again must bring them back.
    const FilterStep steps[] = {
        {"", 6},       {"u", 3},     {"up", 3},     {"upl", 2},  {"UPLINK", 2}, {"uplinkx", 0},
        {"upl", 2},    {"", 6},      {"down", 2},   {"6", 1},    {"ter", 1},    {"e", 3},
    };
    for (const FilterStep& s : steps) {
        panel.FilterEdit->setText(QString::fromLatin1(s.Typed));
        EXPECT_EQ(panel.Filter->Shown(), s.Shown) << "typed " << s.Typed;
        EXPECT_EQ(panel.FilterCount->text(), QStringLiteral("%1 of 6").arg(s.Shown)) << "typed " << s.Typed;
        int visible = 0;
        for (int r = 0; r < list.topLevelItemCount(); ++r)
            visible += list.topLevelItem(r)->isHidden() ? 0 : 1;
        EXPECT_EQ(visible, s.Shown) << "typed " << s.Typed;
    }

    // Rows a read appends or removes while a filter is set.
    panel.FilterEdit->setText(QStringLiteral("down"));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"7", "new", "down"}));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"8", "new", "up"}));
    EXPECT_TRUE(list.topLevelItem(7)->isHidden());
    delete list.takeTopLevelItem(0);   // a hidden row goes
    panel.Filter->ShowCount();
    EXPECT_EQ(panel.FilterCount->text(), QStringLiteral("3 of 7"));
    // A walk holds the filter and has its rows checked when it ends.
    panel.Filter->SetHolding(true);
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"9", "new", "up"}));
    EXPECT_FALSE(list.topLevelItem(7)->isHidden());
    panel.Filter->SetHolding(false);
    EXPECT_TRUE(list.topLevelItem(7)->isHidden());
    EXPECT_EQ(panel.Filter->Shown(), 3);
    list.clear();
    panel.Filter->ShowCount();
    EXPECT_EQ(panel.FilterCount->text(), QStringLiteral("0 of 0"));
}

} // namespace
