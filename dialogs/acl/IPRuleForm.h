// The IP access rules: addresses, DSCP, the protocol's type, code, ports, flag
// bits or protocol id, a user mask, the port, the action and the priority and
// DSCP rewriting.  The protocol of a rule is chosen when it is created and
// decides which protocol columns it sends.
#pragma once

#include "dialogs/acl/AclRuleForm.h"

class TIPRuleForm : public TAclRuleForm {
    Q_OBJECT
public:
    explicit TIPRuleForm(QWidget* parent = nullptr);

    QLineEdit* IPRuleEdit;
    QLineEdit* AccessIDEdit;
    QLineEdit* RuleVLANEdit;
    QLineEdit* SourceIPEdit;
    QLineEdit* DestIPEdit;
    QLineEdit* DSCPEdit;
    QComboBox* ProtocolComboBox;
    QLineEdit* RuleTypeEdit;
    QLineEdit* RuleCodEdit;
    QLineEdit* SourcePortEdit;
    QLineEdit* DestPortEdit;
    QLineEdit* FlagEdit;
    QLineEdit* ProtocolIDEdit;
    QLineEdit* UserMaskEdit;
    QComboBox* PriorityComboBox;
    QLineEdit* PriorityEdit;
    QComboBox* ReplaceComboBox;
    QComboBox* EnableReplComboBox;
    QLineEdit* DSCPValueEdit;
    QComboBox* PermitComboBox;

protected:
    bool CheckedByCheckAll(const Field& field) const override;
    void LineChanged(bool selected) override;
    void EditClick() override;
    void AddClick() override;

private:
    bool CheckRule();
    void ApplyPriorityControls();
    // Leaves out the protocol columns the chosen protocol does not use.
    void ExcludeUnusedProtocolColumns(TSavedColumnFlags& flags) const;
    void ExcludeForRule(TSavedColumnFlags& flags) const;
};
