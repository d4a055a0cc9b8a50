// The visual controls the bindings move values into and out of.  Where Qt has a
// fitting widget it is used as it is (QLineEdit, QLabel, QComboBox, QCheckBox,
// QPlainTextEdit, QTreeWidget as a flat report list); the radio group, the status
// bar with panels and the LED shape are small classes of our own.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QStatusBar>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

// ---------------------------------------------------------------------------
// Kinds of control a binding can work with.

enum class KvControlKind {
    Unknown,
    Edit,        // QLineEdit
    Label,       // QLabel: labels and static texts alike
    ComboBox,    // QComboBox, used as a drop-down list
    RadioGroup,  // KvRadioGroup
    CheckBox,    // QCheckBox
    Memo,        // QPlainTextEdit
    StatusBar,   // KvStatusBar
    ListView,    // QTreeWidget used as a flat report list
    Shape,       // KvShape
};

// The kind of a control, found from its class; Unknown for null and for any
// widget the bindings do not handle (callers raise the bad-control-type error).
KvControlKind ControlKindOf(const QWidget* control);

// ---------------------------------------------------------------------------
// Radio group: a titled box with an ordered list of items, at most one chosen.

class KvRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit KvRadioGroup(QWidget* parent = nullptr);
    explicit KvRadioGroup(const QString& title, QWidget* parent = nullptr);

    QStringList Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    QString ItemText(int index) const;
    // Replaces the items; nothing is chosen afterwards.
    void SetItems(const QStringList& items);
    void AddItem(const QString& text);
    void ClearItems();

    // -1 when nothing is chosen.
    int ItemIndex() const { return index_; }
    // An index outside the items chooses nothing.
    void SetItemIndex(int index);

    // Items are laid out top to bottom in this many columns (at least 1).
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    // The button of an item, for keyboard and mouse tests and for styling.
    QRadioButton* Button(int index) const;

Q_SIGNALS:
    // The chosen item changed, by the user or by the program.
    void ItemIndexChanged(int index);
    // The user clicked an item (also when it was chosen already).
    void Clicked(int index);

private:
    void Relayout();
    void Choose(int index);

    QStringList items_;
    std::vector<QRadioButton*> buttons_;
    QButtonGroup* group_;
    QGridLayout* layout_;
    int index_ = -1;
    int columns_ = 1;
};

// ---------------------------------------------------------------------------
// Status bar: either one simple text across the whole bar, or a row of panels,
// each with its own text and width.

class KvStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit KvStatusBar(QWidget* parent = nullptr);

    // In simple mode only the simple text shows; the panels keep their texts.
    bool SimplePanel() const { return simple_; }
    void SetSimplePanel(bool simple);
    QString SimpleText() const;
    void SetSimpleText(const QString& text);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Appends a panel and gives its index.
    int AddPanel(int width, const QString& text = QString());
    void ClearPanels();
    // Indices outside the panels are ignored (texts read as empty, widths as 0).
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    int PanelWidth(int index) const;
    void SetPanelWidth(int index, int width);

private:
    void ShowMode();

    bool simple_ = false;
    QLabel* simpleLabel_;
    std::vector<QLabel*> panels_;
    std::vector<int> widths_;
};

// ---------------------------------------------------------------------------
// Shape: a rectangle or a circle filled with the brush colour and outlined with
// the pen colour.  The front panel's LEDs are shapes.

class KvShape : public QWidget {
    Q_OBJECT
public:
    enum class Form { Rectangle, Circle };

    explicit KvShape(QWidget* parent = nullptr);
    KvShape(Form form, QWidget* parent = nullptr);

    Form ShapeForm() const { return form_; }
    void SetShapeForm(Form form);
    QColor BrushColor() const { return brush_; }
    void SetBrushColor(const QColor& colour);
    QColor PenColor() const { return pen_; }
    void SetPenColor(const QColor& colour);
    // Fill and outline at once, with one repaint.
    void SetColors(const QColor& brush, const QColor& pen);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateOpaque();

    Form form_ = Form::Rectangle;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};

// Colours as the definition tables write them: 0x00BBGGRR.
QColor KvColorFromBgr(std::uint32_t bgr);
std::uint32_t KvBgrOf(const QColor& colour);

// ---------------------------------------------------------------------------
// Memo helpers (QPlainTextEdit).

// Appends one line (a text with line breaks becomes several lines) and keeps the
// newest line in view.
void KvMemoAppendLine(QPlainTextEdit* memo, const QString& line);
QStringList KvMemoLines(const QPlainTextEdit* memo);

// ---------------------------------------------------------------------------
// Report-list helpers (QTreeWidget as a flat, read-only list of rows; a row is a
// caption in column 0 and sub-items in the columns after it).

struct KvReportColumn {
    QString Caption;
    // > 0 pixels; 0 present but not shown; KvReportColumn::FitHeader: as wide as the header.
    int Width = FitHeader;
    static constexpr int FitHeader = -1;
};

// Read-only, whole-row single selection, no tree decoration, selection kept
// visible without the focus, grid lines between the cells.
void KvSetupReportList(QTreeWidget* list);
// Removes all rows and columns and makes the given columns.
void KvSetReportColumns(QTreeWidget* list, const std::vector<KvReportColumn>& columns);
QTreeWidgetItem* KvAddReportRow(QTreeWidget* list, const QString& caption,
                                const QStringList& subItems);
void KvClearReportRows(QTreeWidget* list);
// Replaces every row by the given ones (cells in column order) in one change of
// the list.
void KvReplaceReportRows(QTreeWidget* list, const std::vector<QStringList>& rows);
int KvReportRowCount(const QTreeWidget* list);
// Column 0 is the caption, column k > 0 sub-item k - 1; empty outside the rows.
QString KvReportCell(const QTreeWidget* list, int row, int column);
// Index of the selected row (the current one where several are selected), -1
// when none is.
int KvSelectedReportRow(const QTreeWidget* list);
// -1 clears the selection.
void KvSelectReportRow(QTreeWidget* list, int row);
