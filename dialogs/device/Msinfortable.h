// The member switches of single-IP management: the list of members, Add of a
// new member through the member editor, Delete of the selected member.
#pragma once

#include "dialogs/common/BindingDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMSEditForm;

class TMSInformationForm : public TBindingDialog {
    Q_OBJECT
public:
    explicit TMSInformationForm(QWidget* owner = nullptr);
    ~TMSInformationForm() override;

    QTreeWidget* ListView1;
    QPlainTextEdit* Memo1;
    QPushButton* GetButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* EditButton;   // never shown
    QLabel* StaticText1;       // never shown
    TMSEditForm* Editor() const { return editor_; }

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void EditButtonClick();

protected:
    void ShowError(const QString& text) override;

private:
    void Walk();

    TMSEditForm* editor_ = nullptr;
};
