// Column sizing of table views: each column as wide as its header and its
// values within the bound, and the user's own widths left alone.
#include "views/ReportColumnFit.h"

#include "KvControls.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The user drags the right edge of a column's header section by dx pixels.
void DragColumnEdge(QTreeWidget& list, int column, int dx)
{
    QHeaderView* header = list.header();
    QWidget* port = header->viewport();
    const QPoint edge(header->sectionViewportPosition(column) + header->sectionSize(column) - 1, header->height() / 2);
    const QPoint to = edge + QPoint(dx, 0);
    auto send = [port](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, port->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(port, &e);
    };
    send(QEvent::MouseMove, edge, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

struct FitCase {
    const char* Name;
    const char* Header;
    std::vector<const char*> Values;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.Name; }

const FitCase kFitCases[] = {
    {"values_wider_than_header", "Status", {"active", "notInService", "up"}},
    {"header_wider_than_values", "Interface Description", {"1", "2"}},
    {"no_rows", "Port Name", {}},
    // One long value is cut at the bound instead of pushing the others away.
    {"bounded", "Name", {"short", "a value much longer than any column should ever be allowed to grow for it"}},
};

class ColumnFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ColumnFit, WidthCoversHeaderAndValuesWithinTheBound)
{
    const FitCase& c = GetParam();
    QTreeWidget list;
    KvSetupReportList(&list);
    KvSetReportColumns(&list, {{QStringLiteral("Index")}, {QString::fromLatin1(c.Header)}});
    int widest = list.header()->sectionSizeHint(1);
    for (const char* v : c.Values) {
        KvAddReportRow(&list, QStringLiteral("1"), {QString::fromLatin1(v)});
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(QString::fromLatin1(v)));
    }
    list.setColumnWidth(1, 20);
    list.show();
    TReportColumnFit fit(&list);
    fit.Fit();
    const int width = list.columnWidth(1);
    EXPECT_GE(width, std::min(widest, TReportColumnFit::MaxColumnWidth));
    EXPECT_LE(width, TReportColumnFit::MaxColumnWidth);
    if (widest <= TReportColumnFit::MaxColumnWidth) {
        EXPECT_LT(width, widest + 40) << "no more than a cell's margins beyond the widest text";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColumnFit, ::testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// The user's width stays through later fits; hidden columns stay hidden and
// other columns keep following their values.
TEST(ColumnFitUser, DraggedWidthIsKeptHiddenColumnsUntouched)
{
    QTreeWidget list;
    KvSetupReportList(&list);
    KvSetReportColumns(&list, {{QStringLiteral("Key"), 0}, {QStringLiteral("Name")}, {QStringLiteral("Status")}});
    KvAddReportRow(&list, QStringLiteral("7"), {QStringLiteral("uplink"), QStringLiteral("notInService")});
    list.resize(600, 200);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    TReportColumnFit fit(&list);
    fit.Fit();
    EXPECT_TRUE(list.isColumnHidden(0));
    const int fitted = list.columnWidth(1);

    DragColumnEdge(list, 1, 35);
    ASSERT_EQ(list.columnWidth(1), fitted + 35);
    EXPECT_TRUE(fit.UserSized(1));
    EXPECT_FALSE(fit.UserSized(2));

    list.topLevelItem(0)->setText(1, QStringLiteral("u"));
    list.topLevelItem(0)->setText(2, QStringLiteral("a much longer status text"));
    fit.Fit();
    EXPECT_EQ(list.columnWidth(1), fitted + 35);
    EXPECT_GE(list.columnWidth(2), list.fontMetrics().horizontalAdvance(QStringLiteral("a much longer status text")));
    EXPECT_TRUE(list.isColumnHidden(0));
}

} // namespace
