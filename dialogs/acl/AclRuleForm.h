// What the three rule editors (Ethernet, IP and packet content) share: a field
// check box beside every optional column (only checked fields are written; a
// field the user changes is checked, and the boxes come unchecked whenever
// the fields are filled from a line or cleared),
// the port picker, the Refresh / Edit / Add / Delete buttons with their idle
// and selected states, the line counter, the duplicate check, and the write
// that reads the table again afterwards.
#pragma once

#include "dialogs/acl/AclTableForm.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class TPortUitForm;

class TAclRuleForm : public TAclTableForm {
    Q_OBJECT
public:
    QPushButton* GetButton;
    QPushButton* EditButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QLabel* StaticText1;   // the number of lines in the list
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    TPortUitForm* Picker;
    QLineEdit* ProfileIdEdit = nullptr;
    QLineEdit* AccessIdEdit = nullptr;
    QComboBox* RowComboBox = nullptr;
    QCheckBox* cbxRow = nullptr;
    QLabel* OwnerText = nullptr;

protected:
    // One optional column: its control and the check box that says whether it
    // is written.
    struct Field {
        int Column;
        QCheckBox* Box;
        QWidget* Control;
        QString Label;
    };

    // The names of the Check All and Clear Checks buttons differ per editor.
    TAclRuleForm(const KvSNMPVarDef* table, const char* checkAllName, const char* clearChecksName, QWidget* parent);

    // ---- building, in column order ----
    QLineEdit* AddIdEdit(const QString& label, int column, const QString& spec, const char* name);
    QLineEdit* AddEditField(const QString& label, int column, const QString& spec, const char* name,
                            const char* boxName);
    QComboBox* AddComboField(const QString& label, int column, const char* name, const char* boxName);
    // The row status with its box, the owner and the port picker, then the list
    // and the buttons' handlers; after the editor's own fields.
    void FinishFields(int portColumn, const QString& rowStatusLabel, int rowStatusColumn, const char* rowStatusName,
                      const char* rowBoxName, int ownerColumn, const char* ownerName);
    // The list's first read; the line count shows even when it fails.
    void ReadFirstAndCount();

    const std::vector<Field>& Fields() const { return fields_; }
    QCheckBox* BoxOf(int column) const;
    // The text a field shows (a drop-down list's shown item).
    static QString FieldText(const QWidget* control);

    // ---- state ----
    void SetIdle();
    void SetSelected();
    // Empties the edits, unchecks every field box, clears the port picker and
    // shows the line count.
    virtual void ClearFields();
    // The boxes that Check All and Clear Checks handle.
    virtual bool CheckedByCheckAll(const Field& field) const;
    void SetFieldChecks(bool checked);
    void UpdateCount();

    // Refuses a write while a checked field shows nothing (a drop-down list no
    // item), the columns in `except` aside: the message, then the captions of
    // all such fields; the focus goes to the first.  True when refused.
    bool RefuseEmptyCheckedFields(const QString& message, std::initializer_list<int> except = {});

    // A line whose profile and access ids are those of the id edits (the texts
    // compared as they stand).
    bool DuplicateExists() const;
    // The refusals of an Ethernet or IP rule Add, each with its message: more
    // than one port; a rule with the ids exists already; the row status is not
    // a checked createAndGo.  True when the Add must stop.
    bool RefuseSeveralPorts();
    bool RefuseExistingOrUncreated(const QString& duplicateMessage);
    // Edit with a checked "destroy": after the delete question, the write of
    // the row status alone (the fields up to the port stay out), then the
    // refresh.  True when "destroy" was chosen, whatever the answer.
    bool DestroyIfChosen();

    // Refresh: walk, idle state, fields cleared, then ResetDone.  An error goes
    // to the status bar with the same resets.
    void Refresh();
    virtual void ResetDone() {}
    // A write followed by the refresh; an error leaves the idle state, the
    // fields cleared and its text in the status bar.
    void WriteAndRefresh(const std::function<void()>& write);
    void WriteAndRefresh(const std::function<void(TSavedColumnFlags&)>& exclude);
    void ExcludeUncheckedFields(TSavedColumnFlags& flags) const;
    // Keeps the priority and replace-priority columns out of a write while
    // priority is disabled: by the selected line's setting unless its box says
    // otherwise, and without a line unless the box asks for it enabled.
    void ExcludeDisabledPriority(TSavedColumnFlags& flags, int enableColumn, const QComboBox* enable,
                                 const QCheckBox* enableBox, int priorityColumn, int replaceColumn) const;

    // The priority edit, the replace-priority list and their boxes usable or
    // not; either way the two boxes come unchecked.
    void EnablePriorityFields(bool enabled, QWidget* priority, int priorityColumn, QWidget* replace,
                              int replaceColumn);

    // A line was selected (true) or the selection went (false); the ids and the
    // button state are already done.
    virtual void LineChanged(bool selected) = 0;
    virtual void EditClick() = 0;
    virtual void AddClick() = 0;
    void DeleteClick();

private:
    void OnSelection();
    // The user's change of a field's value checks its box.
    void CheckOnChange(const Field& field);

    std::vector<Field> fields_;
    std::vector<QLineEdit*> edits_;
    int rowStatusColumn_ = 0;
    int portColumn_ = 0;
};
