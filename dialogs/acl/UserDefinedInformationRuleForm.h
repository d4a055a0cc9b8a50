// The packet-content access rules: up to two of five 16-byte windows over the
// first 80 bytes of a frame, the port, the action and the priority and DSCP
// rewriting (which a deny rule does not do).
#pragma once

#include "dialogs/acl/AclRuleForm.h"

#include <QString>

class TUserDefinedInformationRuleForm : public TAclRuleForm {
    Q_OBJECT
public:
    explicit TUserDefinedInformationRuleForm(QWidget* parent = nullptr);

    QLineEdit* ProfileIDEdit;
    QLineEdit* AccessIDEdit;
    QLineEdit* OffsetGroupFirstEdit;
    QLineEdit* OffsetGroupSecondEdit;
    QLineEdit* OffsetGroupThirdEdit;
    QLineEdit* OffsetGroupForthEdit;
    QLineEdit* OffsetGroupFifthEdit;
    QComboBox* EnablePriComboBox;
    QLineEdit* PriorityEdit;
    QComboBox* ReplPriyComboBox;
    QComboBox* EnableReplComboBox;
    QLineEdit* ReplDSCPEdit;
    QComboBox* PermitComboBox;

    // An offset window's text: empty, or at most 32 hexadecimal digits in
    // either letter case.
    static bool IsOffsetText(const QString& text);

protected:
    void ResetDone() override;
    void LineChanged(bool selected) override;
    void EditClick() override;
    void AddClick() override;

private:
    bool CheckIds();
    // At most two checked windows with content, each a valid offset text.
    bool CheckWindows();
    // Unchecked fields stay out, and a deny rule rewrites nothing.
    void ExcludeForRule(TSavedColumnFlags& flags, bool keepRowStatus) const;
    void EnablePriorityControls(bool enabled);
};
