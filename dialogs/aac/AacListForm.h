// What the method-list and server editors share: the Refresh / Edit / Add /
// Delete buttons, the line counter, the return to the idle state with the
// fields cleared after every read and every write, and Delete as the write of
// "destroy" alone, once the user has confirmed it.  Which columns a write leaves out follows from the fields
// themselves; there are no field check boxes.
#pragma once

#include "dialogs/acl/AclTableForm.h"

#include <functional>

class TAacListForm : public TAclTableForm {
    Q_OBJECT
public:
    QPushButton* GetButton;
    QPushButton* EditButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QLabel* Counter;           // the number of lines in the list
    QComboBox* RowComboBox = nullptr;

protected:
    TAacListForm(const DefinitionBinding& table, const char* counterName, QWidget* parent);

    // After the editor's own fields: the row status it writes, the list and the
    // buttons' handlers.
    void FinishFields(int rowStatusColumn);

    virtual void SetIdle() = 0;
    virtual void SetSelected() = 0;
    // Empties the edits and shows the line count.
    virtual void ClearFields() = 0;
    // A line was selected (true) or the selection went; the button state is done.
    virtual void LineChanged(bool) {}
    virtual void EditClick() = 0;
    virtual void AddClick() = 0;

    void UpdateCount();
    // A line whose cells of the given columns show the given texts.
    bool LineExists(std::initializer_list<std::pair<int, QString>> cells) const;

    // Walk, idle state, fields cleared; an error goes to the status bar first.
    void Refresh();
    // A write followed by the refresh; a failed one leaves the idle state, the
    // fields cleared and its text in the status bar.
    void WriteAndRefresh(const std::function<void(TSavedColumnFlags&)>& exclude);
    // The row status list offers only "createAndGo", chosen, while no line is
    // selected (Add), and every status for a selected line (Edit).
    void OfferRowStatuses();
    // Edit with "destroy" chosen: Delete (the question, then the row status
    // alone).  True when "destroy" was chosen, whatever the answer.
    bool DestroyIfChosen();

private:
    void DeleteClick();
    void WriteThenRefresh(const std::function<void()>& write);

    int rowStatusColumn_ = 0;
};
