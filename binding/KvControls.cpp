#include "KvControls.h"
#include "KvUserNotice.h"
#include "binding/KvPlainText.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

KvControlKind ControlKindOf(const QWidget* control)
{
    if (!control)
        return KvControlKind::Unknown;
    if (qobject_cast<const QLineEdit*>(control))
        return KvControlKind::Edit;
    if (qobject_cast<const QLabel*>(control))
        return KvControlKind::Label;
    if (qobject_cast<const QComboBox*>(control))
        return KvControlKind::ComboBox;
    if (qobject_cast<const KvRadioGroup*>(control))
        return KvControlKind::RadioGroup;
    if (qobject_cast<const QCheckBox*>(control))
        return KvControlKind::CheckBox;
    if (qobject_cast<const QPlainTextEdit*>(control))
        return KvControlKind::Memo;
    if (qobject_cast<const KvStatusBar*>(control))
        return KvControlKind::StatusBar;
    if (qobject_cast<const QTreeWidget*>(control))
        return KvControlKind::ListView;
    if (qobject_cast<const KvShape*>(control))
        return KvControlKind::Shape;
    return KvControlKind::Unknown;
}

// ---------------------------------------------------------------------------
// KvRadioGroup

KvRadioGroup::KvRadioGroup(QWidget* parent) : KvRadioGroup(QString(), parent) {}

KvRadioGroup::KvRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this))
{
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        Choose(id);
        Q_EMIT Clicked(id);
    });
    // Keyboard moves between the buttons of an exclusive group change the
    // checked button without a click.
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Choose(id);
    });
}

QString KvRadioGroup::ItemText(int index) const
{
    return index >= 0 && index < Count() ? items_[index] : QString();
}

void KvRadioGroup::SetItems(const QStringList& items)
{
    const int before = index_;
    index_ = -1;
    for (QRadioButton* b : buttons_) {
        group_->removeButton(b);
        layout_->removeWidget(b);
        b->hide();
        // A click handler may refill the group while the clicked button is
        // still sending its signals.
        b->deleteLater();
    }
    buttons_.clear();
    items_ = items;
    for (int i = 0; i < Count(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        group_->addButton(b, i);
        buttons_.push_back(b);
    }
    Relayout();
    if (before != -1)
        Q_EMIT ItemIndexChanged(-1);
}

void KvRadioGroup::AddItem(const QString& text)
{
    auto* b = new QRadioButton(text, this);
    group_->addButton(b, Count());
    buttons_.push_back(b);
    items_.append(text);
    Relayout();
}

void KvRadioGroup::ClearItems()
{
    SetItems({});
}

void KvRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= Count())
        index = -1;
    if (index == index_)
        return;
    if (index == -1) {
        // An exclusive group cannot uncheck its last checked button by itself.
        group_->setExclusive(false);
        for (QRadioButton* b : buttons_) {
            const QSignalBlocker quiet(b);
            b->setChecked(false);
        }
        group_->setExclusive(true);
    } else {
        const QSignalBlocker quiet(group_);
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    }
    Choose(index);
}

void KvRadioGroup::SetColumns(int columns)
{
    columns_ = std::max(1, columns);
    Relayout();
}

QRadioButton* KvRadioGroup::Button(int index) const
{
    return index >= 0 && index < Count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void KvRadioGroup::Relayout()
{
    for (QRadioButton* b : buttons_)
        layout_->removeWidget(b);
    const int n = Count();
    const int rows = (n + columns_ - 1) / columns_;
    for (int i = 0; i < n; ++i)
        layout_->addWidget(buttons_[static_cast<std::size_t>(i)], rows ? i % rows : 0, rows ? i / rows : 0);
}

void KvRadioGroup::Choose(int index)
{
    if (index == index_)
        return;
    index_ = index;
    Q_EMIT ItemIndexChanged(index);
}

// ---------------------------------------------------------------------------
// KvStatusBar

KvStatusBar::KvStatusBar(QWidget* parent) : QStatusBar(parent), simpleLabel_(new QLabel(this))
{
    setSizeGripEnabled(false);
    addWidget(simpleLabel_, 1);
    ShowMode();
}

void KvStatusBar::SetSimplePanel(bool simple)
{
    simple_ = simple;
    ShowMode();
}

QString KvStatusBar::SimpleText() const
{
    return simpleLabel_->text();
}

void KvStatusBar::SetSimpleText(const QString& text)
{
    KvSetPlainText(simpleLabel_, text);
}

int KvStatusBar::AddPanel(int width, const QString& text)
{
    auto* label = new QLabel(this);
    KvSetPlainText(label, text);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(std::max(0, width));
    addWidget(label, 0);
    panels_.push_back(label);
    widths_.push_back(std::max(0, width));
    ShowMode();
    return PanelCount() - 1;
}

void KvStatusBar::ClearPanels()
{
    for (QLabel* p : panels_) {
        removeWidget(p);
        delete p;
    }
    panels_.clear();
    widths_.clear();
}

QString KvStatusBar::PanelText(int index) const
{
    return index >= 0 && index < PanelCount() ? panels_[static_cast<std::size_t>(index)]->text() : QString();
}

void KvStatusBar::SetPanelText(int index, const QString& text)
{
    if (index >= 0 && index < PanelCount())
        KvSetPlainText(panels_[static_cast<std::size_t>(index)], text);
}

int KvStatusBar::PanelWidth(int index) const
{
    return index >= 0 && index < PanelCount() ? widths_[static_cast<std::size_t>(index)] : 0;
}

void KvStatusBar::SetPanelWidth(int index, int width)
{
    if (index < 0 || index >= PanelCount())
        return;
    widths_[static_cast<std::size_t>(index)] = std::max(0, width);
    panels_[static_cast<std::size_t>(index)]->setFixedWidth(std::max(0, width));
}

void KvStatusBar::ShowMode()
{
    simpleLabel_->setVisible(simple_);
    for (QLabel* p : panels_)
        p->setVisible(!simple_);
}

// ---------------------------------------------------------------------------
// KvShape

KvShape::KvShape(QWidget* parent) : QWidget(parent)
{
    UpdateOpaque();
}

KvShape::KvShape(Form form, QWidget* parent) : QWidget(parent), form_(form)
{
    UpdateOpaque();
}

void KvShape::UpdateOpaque()
{
    // An opaque rectangle covers its whole widget, so a colour change repaints
    // just the shape and not the picture beneath it (a blinking front panel
    // would otherwise repaint the panel's picture on every blink).
    setAttribute(Qt::WA_OpaquePaintEvent, form_ == Form::Rectangle && brush_.alpha() == 255 && pen_.alpha() == 255);
}

void KvShape::SetShapeForm(Form form)
{
    form_ = form;
    UpdateOpaque();
    update();
}

void KvShape::SetBrushColor(const QColor& colour)
{
    SetColors(colour, pen_);
}

void KvShape::SetPenColor(const QColor& colour)
{
    SetColors(brush_, colour);
}

void KvShape::SetColors(const QColor& brush, const QColor& pen)
{
    if (brush == brush_ && pen == pen_)
        return;
    brush_ = brush;
    pen_ = pen;
    UpdateOpaque();
    update();
}

void KvShape::SetPenWidth(int width)
{
    penWidth_ = std::max(0, width);
    update();
}

QSize KvShape::sizeHint() const
{
    return {12, 12};
}

void KvShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (form_ == Form::Rectangle) {
        // Every pixel painted: the outline as a frame, the fill inside it.
        const int w = std::min({penWidth_, width() / 2, height() / 2});
        p.fillRect(rect(), w > 0 ? pen_ : brush_);
        if (w > 0)
            p.fillRect(rect().adjusted(w, w, -w, -w), brush_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(brush_);
    if (penWidth_ > 0)
        p.setPen(QPen(pen_, penWidth_));
    else
        p.setPen(Qt::NoPen);
    // The outline lies inside the widget: half the pen on each side of the path.
    const qreal inset = penWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal d = std::min(r.width(), r.height());
    p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
}

QColor KvColorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t KvBgrOf(const QColor& colour)
{
    const QColor c = colour.toRgb();
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8
           | static_cast<std::uint32_t>(c.blue()) << 16;
}

// ---------------------------------------------------------------------------
// Memo helpers

void KvMemoAppendLine(QPlainTextEdit* memo, const QString& line)
{
    if (!memo)
        return;
    KvEchoNotice(line);
    memo->appendPlainText(line);
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
}

QStringList KvMemoLines(const QPlainTextEdit* memo)
{
    if (!memo)
        return {};
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// ---------------------------------------------------------------------------
// Report-list helpers

void KvSetupReportList(QTreeWidget* list)
{
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->header()->setStretchLastSection(false);
    // An inactive list keeps its selection in the active colours, so the chosen
    // row stays plain to see while the user works in the edits.
    QPalette pal = list->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(pal);
    // A style sheet on the items leaves a selected row unpainted (white text on
    // white) unless the selected state is styled too.
    list->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
}

void KvSetReportColumns(QTreeWidget* list, const std::vector<KvReportColumn>& columns)
{
    list->clear();
    list->setColumnCount(0);
    QStringList captions;
    for (const KvReportColumn& c : columns)
        captions << c.Caption;
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(captions);
    QHeaderView* header = list->header();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const int w = columns[static_cast<std::size_t>(i)].Width;
        list->setColumnHidden(i, w == 0);
        if (w > 0)
            list->setColumnWidth(i, w);
        else if (w == KvReportColumn::FitHeader)
            list->setColumnWidth(i, header->sectionSizeHint(i));
    }
}

namespace {

// One row of a report list.  A plain QTreeWidgetItem keeps, per column, a list
// of role values and a variant of its text: some 700 bytes for four short cells,
// and a long table keeps every row.  Here the texts share one string instead,
// each cell as its length (two code units, high half first) and its text.
class KvReportRow : public QTreeWidgetItem {
public:
    explicit KvReportRow(const QStringList& cells)
    {
        qsizetype size = 0;
        for (const QString& c : cells)
            size += 2 + c.size();
        cells_.reserve(size);
        for (const QString& c : cells)
            AppendCell(c);
    }

    QVariant data(int column, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return QTreeWidgetItem::data(column, role);
        const qsizetype at = CellAt(column);
        if (at < 0)
            return {};
        return QString(cells_.constData() + at + 2, LengthAt(at));
    }

    void setData(int column, int role, const QVariant& value) override
    {
        if ((role != Qt::DisplayRole && role != Qt::EditRole) || column < 0) {
            QTreeWidgetItem::setData(column, role, value);
            return;
        }
        QStringList cells;
        for (int c = 0; CellAt(c) >= 0 || c <= column; ++c)
            cells << (c == column ? value.toString() : data(c, Qt::DisplayRole).toString());
        cells_.clear();
        for (const QString& c : cells)
            AppendCell(c);
        cells_.squeeze();
        emitDataChanged();
    }

private:
    void AppendCell(const QString& text)
    {
        const auto n = static_cast<quint32>(text.size());
        cells_ += QChar(static_cast<char16_t>(n >> 16));
        cells_ += QChar(static_cast<char16_t>(n & 0xFFFF));
        cells_ += text;
    }
    qsizetype LengthAt(qsizetype at) const
    {
        return static_cast<qsizetype>((quint32(cells_.at(at).unicode()) << 16) | cells_.at(at + 1).unicode());
    }
    // Where the column's cell starts, -1 when the row has no such cell.
    qsizetype CellAt(int column) const
    {
        qsizetype at = 0;
        for (int c = 0; c < column && at < cells_.size(); ++c)
            at += 2 + LengthAt(at);
        return column >= 0 && at < cells_.size() ? at : -1;
    }

    QString cells_;
};

} // namespace

QTreeWidgetItem* KvAddReportRow(QTreeWidget* list, const QString& caption, const QStringList& subItems)
{
    QStringList cells;
    cells.reserve(subItems.size() + 1);
    cells << caption << subItems;
    auto* item = new KvReportRow(cells);
    list->addTopLevelItem(item);
    return item;
}

void KvClearReportRows(QTreeWidget* list)
{
    list->clear();
}

void KvReplaceReportRows(QTreeWidget* list, const std::vector<QStringList>& rows)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& cells : rows)
        items << new KvReportRow(cells);
    list->clear();
    list->addTopLevelItems(items);
}

int KvReportRowCount(const QTreeWidget* list)
{
    return list->topLevelItemCount();
}

QString KvReportCell(const QTreeWidget* list, int row, int column)
{
    if (row < 0 || row >= list->topLevelItemCount() || column < 0)
        return {};
    return list->topLevelItem(row)->text(column);
}

int KvSelectedReportRow(const QTreeWidget* list)
{
    // Where several rows may be selected (to copy them), the row worked on is
    // the current one; selectedItems would name them in the order chosen.
    const QModelIndex current = list->currentIndex();
    if (current.isValid() && list->selectionModel()->isRowSelected(current.row(), current.parent()))
        return current.row();
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

void KvSelectReportRow(QTreeWidget* list, int row)
{
    if (row < 0 || row >= list->topLevelItemCount()) {
        list->clearSelection();
        return;
    }
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item);
    item->setSelected(true);
}
