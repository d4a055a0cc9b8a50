// The summer-time dialog: the summer-time status, the offset and the start and
// end points of the chosen mode (repeating on a weekday rule, or annual
// between two dates) in an editor panel whose four point rows are composite
// rows, one small control per field of the point's octet string.  Reads and
// writes go in two steps so that the mode is known before its points.
#pragma once

#include "defs/ViewDefinitions.h"
#include "views/Snmpeditorpanel.h"

#include <QDialog>
#include <QList>

#include <array>
#include <initializer_list>
#include <memory>

class KvOptionList;
class KvSNMPRequest2Edits;
class QComboBox;
class QLineEdit;

class TSummerTimeForm;

class TSummerTimePanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    TSummerTimePanel(TSummerTimeForm* form, KvSNMPRequest2Edits* binding);
    void BT_RefreshClick() override;
    void BT_SetCheckedClick() override;
    // The panel's standard write of the checked rows; true when it went out.
    bool StandardSetChecked() { return EditsPanel()->SetCheckedClick(false); }

private:
    TSummerTimeForm* form_;
};

class TSummerTimeForm : public QDialog {
    Q_OBJECT
public:
    TSummerTimeForm(QWidget* owner, const QString& caption);
    ~TSummerTimeForm() override;

    KvSNMPRequest2Edits& Binding() { return *binding_; }
    TSummerTimePanel* Panel() const { return panel_; }
    TEditsPanel* Rows() const { return panel_->EditsPanel(); }
    QComboBox* StatusList() const;
    QComboBox* OffsetList() const;

    // Per point row (StRepeatStart ... StAnnualEnd): item 0 the row's
    // container, then its parts left to right.
    const QList<QWidget*>& PartList(int row) const { return parts_.at(static_cast<std::size_t>(row - StRepeatStart)); }
    // Part k of a point row as a drop-down list or an edit (null for the other kind).
    QComboBox* PartCombo(int row, int part) const;
    QLineEdit* PartEdit(int row, int part) const;

    // Reads the status, then the offset and the points of the status's mode.
    // A status the user chose and has not written is kept.
    void Read();
    // The points of the mode the user switched to, unless read since the last Read.
    void ReadShownPoints();
    // Validates, then writes the status, then the offset and the mode's points.
    void Set();
    // Shows the point rows of the mode the status list shows and hides,
    // unchecks and leaves out the others.
    void ShowMode();
    // The first failed rule's message box; false when one failed.  A single
    // checked point of a pair is checked against the switch's other point.
    bool Validate();

private:
    void BuildPointRow(int row);
    // Leaves every variable out of requests but the given ones.
    void IncludeOnly(std::initializer_list<int> rows);
    void IncludeAll();
    void IncludeModeRows();
    // The start row of a mode's points (1 repeating, 2 annual); -1 for none.
    static int FirstPointRow(int mode);
    // False when the read failed (its error is reported).
    bool GetReported();
    int Mode() const;
    // The month (list index) of the point as the switch has it; -1 unknown.
    int AgentMonth(int row);

    static constexpr int kNotRead = -2;

    std::unique_ptr<KvSNMPRequest2Edits> binding_;
    TSummerTimePanel* panel_ = nullptr;
    std::array<QList<QWidget*>, 4> parts_;
    // The status list's item as the switch last had it; kNotRead before any read.
    int agentStatus_ = kNotRead;
    // Whether the repeating and the annual points were read since the last Read.
    std::array<bool, 2> pointsRead_{};
};
