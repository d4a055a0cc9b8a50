// The Ethernet access rules: the VLAN, MAC addresses, 802.1p priority and
// Ethernet type a frame is compared with, the port, the action and the
// priority and DSCP rewriting.
#pragma once

#include "dialogs/acl/AclRuleForm.h"

class TEthernetInformationRuleForm : public TAclRuleForm {
    Q_OBJECT
public:
    explicit TEthernetInformationRuleForm(QWidget* parent = nullptr);

    QLineEdit* MaskIDEdit;
    QLineEdit* AccessEdit;
    QLineEdit* VlanRuleEdit;
    QLineEdit* SourceMACEdit;
    QLineEdit* DestMACEdit;
    QLineEdit* IEEE8021pEdit;
    QLineEdit* EthTypeEdit;
    QComboBox* EnablePriorityComboBox;
    QLineEdit* PriorityEdit;
    QComboBox* ReplacePriorityComboBox;
    QComboBox* EnableReplaceDSCPCBox;
    QLineEdit* ReplaceDSCPEdit;
    QComboBox* PermitComboBox;

protected:
    void LineChanged(bool selected) override;
    void EditClick() override;
    void AddClick() override;

private:
    // The checks Edit and Add run before anything is written.
    bool CheckFields();
    // The priority controls follow the enable-priority list (at creation and
    // when a line is selected).
    void ApplyPriorityControls();
    void ExcludeDisabledPriority(TSavedColumnFlags& flags) const;
};
