// The authentication servers: one line per server address and protocol, with
// its port, key, time-out and retry count.  Empty fields are not written, and
// the protocol decides which of key and retry count a server can have.
#pragma once

#include "dialogs/aac/AacListForm.h"

class TServerInformationForm : public TAacListForm {
    Q_OBJECT
public:
    explicit TServerInformationForm(QWidget* parent = nullptr);

    QLineEdit* IPEdit;
    QComboBox* ProtocolComboBox;
    QLineEdit* PortEdit;
    QLineEdit* KeyEdit;
    QLineEdit* TimeoutEdit;
    QLineEdit* RetryCEdit;

private:
    void SetIdle() override;
    void SetSelected() override;
    void ClearFields() override;
    void LineChanged(bool selected) override;
    void EditClick() override;
    void AddClick() override;
    // TACACS and XTACACS servers have no key, TACACS+ servers no retry count:
    // their edits are emptied and closed.
    void ApplyProtocolRule();
    void ExcludeEmptyFields(TSavedColumnFlags& flags) const;
};
