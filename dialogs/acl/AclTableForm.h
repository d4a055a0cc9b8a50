// The arrangement every access-control editor shares: the table's lines in a
// list across the top, the fields below it in two groups of rows (check box,
// label, control), a button column on the right and the status bar.
#pragma once

#include "dialogs/common/BindingDialog.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

class TAclTableForm : public TBindingDialog {
    Q_OBJECT
public:
    QTreeWidget* ListView;

    ~TAclTableForm() override;

    bool LineSelected() const;
    // The selected line's cell of a column (numbered from 1); empty without a
    // selected line.
    QString SelectedCell(int column) const;

protected:
    TAclTableForm(const KvSNMPVarDef* table, int keyCount, QWidget* parent);

    // The caption until the opener gives its own: the text and the agent address.
    void SetAgentCaption(const QString& text);

    QPushButton* MakeButton(const QString& caption, const char* name);
    // The sunken line counter, next in the button column.
    QLabel* MakeCounter(const char* name);
    // Below the fields, filling the rest of the field area.
    void AddBelowFields(QWidget* widget);
    void AddToButtonColumn(QWidget* widget);
    void AddRow(const QString& label, QWidget* control, QCheckBox* box = nullptr);

    // Controls bound to a column (numbered from 1), each on a row of its own.
    QLineEdit* BindEdit(const QString& label, int column, const QString& spec, const char* name,
                        QCheckBox* box = nullptr);
    QComboBox* BindCombo(const QString& label, int column, const char* name, QCheckBox* box = nullptr);
    // The read-only owner, shown sunken; "acl" until the first read.
    QLabel* BindOwner(const QString& label, int column, const char* name);
    // The list of lines; `onSelection` runs after the binding has filled the
    // controls from a newly selected line (and when the selection goes).
    void AttachList(const std::function<void()>& onSelection);

    // The list column of a table column; -1 when it is not shown.
    int CellColumn(int column) const;
    // The first read of the table; an error goes to the status bar.
    void ReadFirst();

    QGridLayout* Grid() const { return grid_; }

private:
    QGridLayout* grid_;
    QVBoxLayout* fields_;
    QVBoxLayout* buttons_;
    int nextRow_ = 0;
};
