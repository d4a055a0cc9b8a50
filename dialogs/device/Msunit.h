// The small editor of one member switch: a new member is made from a free
// member id, the candidate switch it comes from and the member password; an
// existing member gets the same columns written again.  The list window owns
// it, reuses it for every Add and Delete, and receives its messages.
#pragma once

#include "dialogs/common/BindingDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TMSEditForm : public TBindingDialog {
    Q_OBJECT
public:
    enum Mode { ExistingMember = 1, NewMember = 2 };

    // `members` is the list window's list (for the duplicate check) and `memo`
    // its message memo.
    TMSEditForm(QWidget* owner, QTreeWidget* members, QPlainTextEdit* memo);
    ~TMSEditForm() override;

    QLineEdit* MSIDEdit;
    QLineEdit* KeyIDEdit;
    QLineEdit* MS_Password;
    QComboBox* Row_Status;
    QPushButton* SetButton;
    QPushButton* CloseButton;

    Mode EditMode() const { return mode_; }
    void SetMode(Mode mode) { mode_ = mode; }
    // The row the next write goes to: the member id.
    void SetInstance(const QString& memberId);

    // What showing the editor does: a new member starts from empty ids with
    // "createAndGo", the only row status offered, chosen.
    void FormActivate();
    void SetButtonClick();
    // Destroys the member: only the row status goes out.  Errors reach the caller.
    void DestroyMember(const QString& memberId);

    // Closing hides the editor only: the list window keeps it, binding and all.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void ShowError(const QString& text) override;

private:
    // The checks of a new member, in order, each with its message.
    bool CheckNewMember();

    QTreeWidget* members_;
    QPlainTextEdit* memo_;
    Mode mode_ = NewMember;
};
