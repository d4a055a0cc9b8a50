// Adds a server to a server group or takes it out: the user types the group,
// the address and the protocol of the row and picks add or delete (which asks
// first).  There is no list; success shows only in the status bar.
#pragma once

#include "dialogs/common/BindingDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TfrmACCServerCtrl : public TBindingDialog {
    Q_OBJECT
public:
    explicit TfrmACCServerCtrl(QWidget* parent = nullptr);
    ~TfrmACCServerCtrl() override;

    QLineEdit* edtGroupName;
    QLineEdit* edtIPAddr;
    QComboBox* cbAuthProtocol;
    QComboBox* cbRowState;
    QPushButton* Button1;   // Set
    QPushButton* Button2;   // Close

    void Button1Click();
};
