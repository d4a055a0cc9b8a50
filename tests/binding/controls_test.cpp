// The controls the bindings use: kind detection, the radio group, the status bar,
// the shape and the report-list helpers, on real widgets.
#include "KvControls.h"
#include "KvTestUtil.h"
#include "KvUserNotice.h"
#include "binding/KvPlainText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

TEST(ControlKind, EveryKindAndUnknownWidgets)
{
    struct Case {
        const char* name;
        std::function<QWidget*()> make;
        KvControlKind kind;
    };
    const std::vector<Case> cases = {
        {"line edit", [] { return new QLineEdit; }, KvControlKind::Edit},
        {"label", [] { return new QLabel; }, KvControlKind::Label},
        {"static text (framed label)", [] { auto* l = new QLabel; l->setFrameStyle(QFrame::Panel | QFrame::Sunken); return l; }, KvControlKind::Label},
        {"combo box", [] { return new QComboBox; }, KvControlKind::ComboBox},
        {"editable combo box", [] { auto* c = new QComboBox; c->setEditable(true); return c; }, KvControlKind::ComboBox},
        {"radio group", [] { return new KvRadioGroup; }, KvControlKind::RadioGroup},
        {"check box", [] { return new QCheckBox; }, KvControlKind::CheckBox},
        {"memo", [] { return new QPlainTextEdit; }, KvControlKind::Memo},
        {"status bar", [] { return new KvStatusBar; }, KvControlKind::StatusBar},
        {"list view", [] { return new QTreeWidget; }, KvControlKind::ListView},
        {"shape", [] { return new KvShape; }, KvControlKind::Shape},
        {"plain widget", [] { return new QWidget; }, KvControlKind::Unknown},
        {"push button", [] { return new QPushButton; }, KvControlKind::Unknown},
        {"lone radio button", [] { return new QRadioButton; }, KvControlKind::Unknown},
        {"plain group box", [] { return new QGroupBox; }, KvControlKind::Unknown},
        {"plain status bar", [] { return new QStatusBar; }, KvControlKind::Unknown},
        {"spin box (holds a line edit inside)", [] { return new QSpinBox; }, KvControlKind::Unknown},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        EXPECT_EQ(ControlKindOf(w.get()), c.kind) << c.name;
    }
    EXPECT_EQ(ControlKindOf(nullptr), KvControlKind::Unknown);
}

TEST(RadioGroup, ItemsIndexAndSignals)
{
    KvRadioGroup g("Mode");
    QSignalSpy changed(&g, &KvRadioGroup::ItemIndexChanged);
    QSignalSpy clicked(&g, &KvRadioGroup::Clicked);

    g.SetItems({"off", "on", "auto"});
    EXPECT_EQ(g.Count(), 3);
    EXPECT_EQ(g.ItemIndex(), -1);
    EXPECT_EQ(g.title(), "Mode");

    g.SetItemIndex(2);
    EXPECT_EQ(g.ItemIndex(), 2);
    EXPECT_TRUE(g.Button(2)->isChecked());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(clicked.count(), 0) << "a program choice is no click";

    g.Button(0)->click();
    EXPECT_EQ(g.ItemIndex(), 0);
    EXPECT_FALSE(g.Button(2)->isChecked());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toInt(), 0);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.takeFirst().at(0).toInt(), 0);

    // Out of range and -1 both leave nothing chosen, and every button unchecked.
    g.SetItemIndex(7);
    EXPECT_EQ(g.ItemIndex(), -1);
    for (int i = 0; i < g.Count(); ++i)
        EXPECT_FALSE(g.Button(i)->isChecked()) << i;
    EXPECT_EQ(changed.count(), 1);

    g.SetItemIndex(1);
    g.AddItem("manual");
    EXPECT_EQ(g.ItemText(3), "manual");
    EXPECT_EQ(g.ItemIndex(), 1) << "adding keeps the choice";
    g.Button(3)->click();
    EXPECT_EQ(g.ItemIndex(), 3);

    changed.clear();
    g.ClearItems();
    EXPECT_EQ(g.Count(), 0);
    EXPECT_EQ(g.ItemIndex(), -1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(g.Button(0), nullptr);

    // A click handler may refill the group it was clicked in.
    g.SetItems({"a", "b"});
    QObject::connect(&g, &KvRadioGroup::Clicked, &g, [&g] { g.SetItems({"c", "d", "e"}); });
    g.Button(1)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(g.Count(), 3);
    EXPECT_EQ(g.ItemIndex(), -1);
}

TEST(StatusBar, SimpleTextAndPanels)
{
    KvStatusBar bar;
    bar.show();
    EXPECT_EQ(bar.AddPanel(120, "first"), 0);
    EXPECT_EQ(bar.AddPanel(80), 1);
    bar.SetPanelText(1, "second");
    bar.SetPanelWidth(0, 150);
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_EQ(bar.PanelText(0), "first");
    EXPECT_EQ(bar.PanelText(1), "second");
    EXPECT_EQ(bar.PanelWidth(0), 150);
    EXPECT_EQ(bar.PanelWidth(1), 80);

    // Indices outside the panels are ignored rather than trusted.
    bar.SetPanelText(5, "x");
    bar.SetPanelText(-1, "x");
    EXPECT_EQ(bar.PanelText(5), "");
    EXPECT_EQ(bar.PanelWidth(-1), 0);

    bar.SetSimplePanel(true);
    bar.SetSimpleText("Get: (KvSNMP++) Ok!");
    EXPECT_TRUE(bar.SimplePanel());
    EXPECT_EQ(bar.SimpleText(), "Get: (KvSNMP++) Ok!");
    EXPECT_EQ(bar.PanelText(0), "first") << "simple mode keeps the panel texts";

    bar.ClearPanels();
    EXPECT_EQ(bar.PanelCount(), 0);
}

// Agent values reach tooltips, status bars and message boxes; one that looks
// like markup (an <img> of 3000 x 2000 pixels) is shown as written.
TEST(PlainText, AgentTextIsNeverLaidOutAsRichText)
{
    struct Case {
        const char* Text;
        const char* Hinted;   // what the tooltip shows
    };
    const Case cases[] = {
        {"<img src=x width=3000 height=2000>", "<img src=x width=3000 height=2000>"},
        {"<b>core</b> & \"edge\" &amp;", "<b>core</b> & \"edge\" &amp;"},
        {"Port 1\nAlias:   two  blanks", "Port 1\nAlias:   two  blanks"},
        // A right-to-left override would show "exe.txt" for "txt.exe".
        {"invoice\u202Etxt.exe", "invoicetxt.exe"},
        {"zero\u200Bwidth\uFEFF", "zerowidth"},
        {"plain", "plain"},
        {"", ""},
    };
    KvStatusBar bar;
    bar.AddPanel(200);
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.Text);
        EXPECT_EQ(ShownText(KvPlainHint(text)).toStdString(), c.Hinted) << c.Text;

        bar.SetPanelText(0, text);
        bar.SetSimpleText(text);
        for (const QLabel* label : bar.findChildren<QLabel*>())
            EXPECT_EQ(ShownText(label->text(), label->textFormat()), text) << c.Text;

        const KvScopedMessagePresenter modal(KvMessagePresenter{});
        QString boxShows;
        QTimer::singleShot(0, [&boxShows] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxShows = ShownText(box->text(), box->textFormat());
            box->accept();
        });
        KvShowMessage({nullptr, QStringLiteral("Caption"), text, QMessageBox::Ok, QMessageBox::Warning});
        EXPECT_EQ(boxShows, text) << c.Text;
    }
}

// The colour the shape paints at a point.
static QColor PixelAt(KvShape& shape, QPoint at)
{
    QImage img(shape.size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    shape.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img.pixelColor(at);
}

// Circles are drawn smoothed, so their outline pixels blend a little.
static bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 32 && std::abs(a.green() - b.green()) < 32
           && std::abs(a.blue() - b.blue()) < 32;
}

TEST(Shape, PaintsBrushInsideAndPenOnTheOutline)
{
    for (KvShape::Form form : {KvShape::Form::Rectangle, KvShape::Form::Circle}) {
        KvShape shape(form);
        shape.resize(20, 20);
        shape.SetColors(KvColorFromBgr(0x00FF00), KvColorFromBgr(0x0000FF));
        EXPECT_EQ(shape.BrushColor(), QColor(0, 255, 0));
        EXPECT_EQ(shape.PenColor(), QColor(255, 0, 0));
        EXPECT_EQ(PixelAt(shape, {10, 10}), QColor(0, 255, 0));
        EXPECT_TRUE(Near(PixelAt(shape, {10, 0}), QColor(255, 0, 0))) << "top of the outline";
        if (form == KvShape::Form::Circle)
            EXPECT_EQ(PixelAt(shape, {0, 0}), QColor(Qt::magenta)) << "corner outside the circle";
        else
            EXPECT_EQ(PixelAt(shape, {0, 0}), QColor(255, 0, 0));

        shape.SetBrushColor(Qt::black);
        EXPECT_EQ(PixelAt(shape, {10, 10}), QColor(Qt::black));
    }
    // 0x00BBGGRR both ways.
    EXPECT_EQ(KvColorFromBgr(0x00112233), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(KvBgrOf(QColor(0x33, 0x22, 0x11)), 0x00112233u);
}

TEST(ReportList, ColumnsRowsAndSelection)
{
    QTreeWidget list;
    KvSetupReportList(&list);
    KvSetReportColumns(&list, {{"Status", 0}, {"Index", KvReportColumn::FitHeader}, {"Name", 90}});
    EXPECT_EQ(list.columnCount(), 3);
    EXPECT_TRUE(list.isColumnHidden(0)) << "zero width: present, not shown";
    EXPECT_FALSE(list.isColumnHidden(1));
    EXPECT_GT(list.columnWidth(1), 0);
    EXPECT_EQ(list.columnWidth(2), 90);
    EXPECT_EQ(list.headerItem()->text(2), "Name");

    KvAddReportRow(&list, "active", {"1", "port1"});
    KvAddReportRow(&list, "notInService", {"2", "port2"});
    EXPECT_EQ(KvReportRowCount(&list), 2);
    EXPECT_EQ(KvReportCell(&list, 1, 0), "notInService");
    EXPECT_EQ(KvReportCell(&list, 1, 2), "port2");
    EXPECT_EQ(KvReportCell(&list, 2, 0), "");

    EXPECT_EQ(KvSelectedReportRow(&list), -1);
    KvSelectReportRow(&list, 1);
    EXPECT_EQ(KvSelectedReportRow(&list), 1);
    KvSelectReportRow(&list, 0);
    EXPECT_EQ(KvSelectedReportRow(&list), 0) << "single selection";
    KvSelectReportRow(&list, -1);
    EXPECT_EQ(KvSelectedReportRow(&list), -1);

    KvClearReportRows(&list);
    EXPECT_EQ(KvReportRowCount(&list), 0);
    EXPECT_EQ(list.columnCount(), 3) << "rows go, columns stay";
}

// A row keeps its texts in one compact string: cells of any length (an octet
// string of 65,535 bytes is a hex text of twice that), empty ones, and texts
// changed afterwards, also past the row's last cell.
TEST(ReportList, RowTextsOfAnyLength)
{
    QTreeWidget list;
    KvSetReportColumns(&list, {{"A", 50}, {"B", 50}, {"C", 50}, {"D", 50}});
    const QString longText(131070, QLatin1Char('F'));
    QTreeWidgetItem* row = KvAddReportRow(&list, "", {longText, "x"});
    EXPECT_EQ(row->text(0), "");
    EXPECT_EQ(row->text(1), longText);
    EXPECT_EQ(row->text(2), "x");
    EXPECT_EQ(row->text(3), "");
    EXPECT_FALSE(row->data(3, Qt::DisplayRole).isValid()) << "no such cell";

    row->setText(1, "short");
    row->setText(3, "d");
    row->setData(0, Qt::UserRole, 7);
    EXPECT_EQ(KvReportCell(&list, 0, 1), "short");
    EXPECT_EQ(KvReportCell(&list, 0, 2), "x");
    EXPECT_EQ(KvReportCell(&list, 0, 3), "d");
    EXPECT_EQ(row->data(0, Qt::UserRole).toInt(), 7);
    EXPECT_EQ(list.model()->data(list.model()->index(0, 1)).toString(), "short");
}

TEST(Memo, AppendsLines)
{
    QPlainTextEdit memo;
    EXPECT_TRUE(KvMemoLines(&memo).isEmpty());
    KvMemoAppendLine(&memo, "Get: (KvSNMP++) Ok!. Receive at 03:04:05 PM.");
    KvMemoAppendLine(&memo, "second");
    EXPECT_EQ(KvMemoLines(&memo), QStringList({"Get: (KvSNMP++) Ok!. Receive at 03:04:05 PM.", "second"}));
}
