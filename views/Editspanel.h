// A scalar group as a column of rows, one per variable: a check box choosing the
// row for writing, the variable's caption and an edit or drop-down list with the
// value.  The same panel is the row editor of the table views' dialogs.  An
// octet-string row may open a bit editor, a grid of numbered check boxes.
#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class KvSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TCtrlBtnPanel;

enum TEditRowKind : int {
    KindEnd = 0,
    KindReadOnlyEdit = 1,
    KindEdit = 2,
    KindDropDown = 3,
    KindReadOnlyLabel = 4,   // a read-only edit showing an option label
};

struct KvBitEditorSettings {
    int BoxesPerLine = 0;
    int BitCount = 0;
};

struct KvEditRow {
    int Kind = KindEnd;
    QString Specifier = QStringLiteral("%s");
    QWidget* Control = nullptr;      // QLineEdit or QComboBox
    QCheckBox* Check = nullptr;
    QLabel* Caption = nullptr;
    std::optional<KvBitEditorSettings> BitEditor;
    // A composite row: Control is a container of these parts (edits and
    // drop-down lists), each showing one field of the row's variable.
    QList<QWidget*> Parts;
};

// The item whose value must lie in a range before anything is written.
struct sNeedCheckItemRange {
    int Row = -1;
    long long Minimum = 0;
    long long Maximum = 0;
    QString Name;
};

class TEditsPanel : public QWidget {
    Q_OBJECT
public:
    TEditsPanel(QWidget* parent, KvSNMPRequest2Edits* binding);

    KvSNMPRequest2Edits* Binding() const { return binding_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const KvEditRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    QLineEdit* RowEdit(int row) const;   // null for a drop-down row

    // Shows and hides the buttons of a scalar editor on the panel, which from
    // now on is the one whose Set Checked button follows the row check boxes.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    TCtrlBtnPanel* Buttons() const { return buttons_; }

    void SetControlWidth(int width);
    int ControlWidth() const { return controlWidth_; }
    void ArrangeRows();

    void SetRowsState(bool defaultCheck);
    void DisableRow(int row);
    void EnableRow(int row);
    void HideRow(int row);
    void ShowRow(int row);
    void CheckRow(int row);
    void UncheckRow(int row);
    void ClearRow(int row);
    void ClearRows();
    void SetRowValue(int row, const QString& text);
    void SetOctetEditor(int row, int boxesPerLine, int bitCount);
    // The specifier the row's edit is associated with again after the bit editor.
    void SetRowSpecifier(int row, const QString& spec) { rows_.at(static_cast<std::size_t>(row)).Specifier = spec; }
    // Makes the row composite: the container takes the place (size, position,
    // enabled state) of the row's control, which is destroyed with its
    // associations; the caller binds the parts to fields of the variable.  The
    // row reads as empty, and so is refused by Set Checked, while any part is
    // empty.
    void SetCompositeRow(int row, QWidget* container, const QList<QWidget*>& parts);
    // Opens the bit editor of the row (as a click into its edit does).
    void OpenBitEditor(int row);

    // A row is read-only when its variable cannot be sent, and a key row of a
    // table is never written through its check box either.
    bool IsReadOnlyRow(int row) const;
    bool IsKeyRow(int row) const;

    // Multicast-range mode: rows 1 to 3 hold a from/to address pair and an
    // access value, row 4 the entry's state.
    void SetMulticastRangeMode(bool on) { multicastRange_ = on ? 1 : 0; }
    bool MulticastRangeMode() const { return multicastRange_ != 0; }
    void SetNeedCheckItemRange(const QString& name, int row, long long minimum, long long maximum);
    void SetRangeCheck(bool on) { rangeCheck_ = on ? 1 : 0; }
    bool RangeCheck() const { return rangeCheck_ != 0; }
    const sNeedCheckItemRange& NeedCheckItemRange() const { return range_; }

    // The buttons' work.  SetCheckedClick writes the checked rows; with
    // closeDialog (the table views' add and edit dialogs) the dialog holding the
    // panel closes after a write that went out.  It returns whether a request
    // was sent.
    bool SetCheckedClick(bool closeDialog = false);
    void CheckAllClick();
    void ClearChecksClick();

    static bool IsMulticastAddress(const QString& text);

    QSize sizeHint() const override { return panelSize_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A change the user makes in the control (typing, a choice from the list)
    // ticks the row.
    void WatchUserChanges(int row, QWidget* control);
    void TickChangedRow(int row);
    // The message of a value that cannot be written, naming the row.
    void RefuseValue(int row);
    // The checks the edits of the rows to write make when left; false when a
    // value was refused.
    bool RowEditsAccept();
    void RowCheckClicked(int row);
    void UpdateSetButton(bool enableOnly, bool disableOnly);
    bool AnyVisibleChecked() const;
    QString RowText(int row) const;
    void Notify(const QString& caption, const QString& text);
    bool MulticastFieldsOk();

    KvSNMPRequest2Edits* binding_;
    std::vector<KvEditRow> rows_;
    QScrollArea* scroll_ = nullptr;
    QWidget* box_ = nullptr;
    QPointer<TCtrlBtnPanel> buttons_;
    int controlWidth_ = 121;
    QColor readOnlyText_ = Qt::black;
    QColor readOnlyBackground_;
    bool defaultCheck_ = false;
    std::uint8_t multicastRange_ = 0;
    std::uint8_t rangeCheck_ = 0;
    sNeedCheckItemRange range_;
    QSize panelSize_;
};

// The dialog of the bit editor: numbered check boxes, one per bit of the value.
class TBitEditorDialog : public QDialog {
    Q_OBJECT
public:
    TBitEditorDialog(QWidget* owner, const QString& caption, int boxesPerLine, int bitCount, bool writable);

    const QList<QCheckBox*>& Boxes() const { return boxes_; }
    const QList<QLabel*>& Labels() const { return labels_; }
    QPushButton* BT_OK = nullptr;
    QPushButton* BT_Cancel = nullptr;
    QPushButton* BT_CheckAll = nullptr;
    QPushButton* BT_ClearChecks = nullptr;

    void CheckAll(bool checked);

private:
    QList<QCheckBox*> boxes_;
    QList<QLabel*> labels_;
};
