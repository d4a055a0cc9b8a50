#include "dialogs/acl/EthernetInformationRuleForm.h"

#include "dialogs/acl/PortUitForm.h"
#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace EthernetRuleColumn;

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget* parent)
    : TAclRuleForm(AclEthernetRuleTableDefs, "AddCheckButton", "CleanCheButton", parent),
      MaskIDEdit(AddIdEdit(QStringLiteral("Mask ID"), ProfileId, QStringLiteral("%i{n1x6}"), "MaskIDEdit")),
      AccessEdit(AddIdEdit(QStringLiteral("Access ID"), AccessId, QStringLiteral("%i{n1x128}"), "AccessEdit")),
      VlanRuleEdit(AddEditField(QStringLiteral("VLAN Rule"), Vlan, QStringLiteral("%s{l32}"), "VlanRuleEdit",
                                "cbxVlan")),
      SourceMACEdit(AddEditField(QStringLiteral("Source MAC Address Rule"), SourceMac, QStringLiteral("%s{l12}"),
                                 "SourceMACEdit", "cbxSource")),
      DestMACEdit(AddEditField(QStringLiteral("Destination MAC Address Rule"), DestinationMac,
                               QStringLiteral("%s{l12}"), "DestMACEdit", "cbxDestination")),
      IEEE8021pEdit(AddEditField(QStringLiteral("8021P Rule"), Priority8021p, QStringLiteral("%i{n0x7}"),
                                 "IEEE8021pEdit", "cbxIEEE802dot1P")),
      EthTypeEdit(AddEditField(QStringLiteral("Ethernet Type Rule"), EtherType, QStringLiteral("%s{l4}"),
                               "EthTypeEdit", "cbxEtherType")),
      EnablePriorityComboBox(AddComboField(QStringLiteral("Enable Priority Rule"), EnablePriority,
                                           "EnablePriorityComboBox", "cbxEnablePriority")),
      PriorityEdit(AddEditField(QStringLiteral("Priority Rule"), Priority, QStringLiteral("%i{n0x7}"),
                                "PriorityEdit", "cbxPriority")),
      ReplacePriorityComboBox(AddComboField(QStringLiteral("Replace Priority Rule"), ReplacePriority,
                                            "ReplacePriorityComboBox", "cbxReplacePriority")),
      EnableReplaceDSCPCBox(AddComboField(QStringLiteral("Enable Replace DSCP"), EnableReplaceDscp,
                                          "EnableReplaceDSCPCBox", "cbxEnabledReplaceDSCP")),
      ReplaceDSCPEdit(AddEditField(QStringLiteral("Replace DSCP"), ReplaceDscp, QStringLiteral("%i{n0x63l2}"),
                                   "ReplaceDSCPEdit", "cbxReplaceDSCP")),
      PermitComboBox(AddComboField(QStringLiteral("Permit"), Permit, "PermitComboBox", "cbxPermit"))
{
    setWindowTitle(QStringLiteral("Ethernet Information Rule"));
    if (Binding()->Variables().Count() != Count)
        RefuseInput(this, QStringLiteral("Array overflow!"));
    FinishFields(Port, QStringLiteral("Rule Row Status"), RowStatus, "RowComboBox", "cbxRow", Owner, "ST_Ower");
    ClearFields();
    for (QComboBox* c : {EnablePriorityComboBox, ReplacePriorityComboBox, PermitComboBox, EnableReplaceDSCPCBox})
        c->setCurrentIndex(-1);
    ApplyPriorityControls();
    RowComboBox->setCurrentIndex(-1);
    SetIdle();
    ReadFirstAndCount();
}

void TEthernetInformationRuleForm::ApplyPriorityControls()
{
    EnablePriorityFields(EnablePriorityComboBox->currentText() == QLatin1String("enabled"), PriorityEdit, Priority,
                         ReplacePriorityComboBox, ReplacePriority);
}

void TEthernetInformationRuleForm::LineChanged(bool selected)
{
    if (selected)
        ApplyPriorityControls();
    else
        ClearFields();
}

bool TEthernetInformationRuleForm::CheckFields()
{
    if (MaskIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Mask ID must be set."), MaskIDEdit);
        return false;
    }
    if (AccessEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Access ID must be set."), AccessEdit);
        return false;
    }
    if (RefuseEmptyCheckedFields(QStringLiteral("Some check field is empty")))
        return false;
    const std::pair<int, QLineEdit*> macs[] = {{SourceMac, SourceMACEdit}, {DestinationMac, DestMACEdit}};
    for (const auto& [column, edit] : macs)
        if (BoxOf(column)->isChecked()
            && !CheckHexText(this, edit->text(), 12, QStringLiteral("Invalid Macaddrss"),
                             QStringLiteral("Invalid Macaddress"), edit))
            return false;
    if (BoxOf(EtherType)->isChecked()
        && !CheckHexText(this, EthTypeEdit->text(), 4, QStringLiteral("Invalid EtherType"),
                         QStringLiteral("Invalid EtherType"), EthTypeEdit))
        return false;
    // A text that is not a number counts as -1 and is out of range.
    const struct {
        int Column;
        QLineEdit* Edit;
        int Maximum;
        const char* Message;
    } ranges[] = {{Priority, PriorityEdit, 7, "Priority value should between 0-7"},
                  {ReplaceDscp, ReplaceDSCPEdit, 63, "Realace value should between 0-63"}};
    for (const auto& r : ranges) {
        const int v = TypedNumber(r.Edit->text());
        if (BoxOf(r.Column)->isChecked() && (v < 0 || v > r.Maximum)) {
            RefuseInput(this, QString::fromLatin1(r.Message), r.Edit);
            return false;
        }
    }
    return true;
}

void TEthernetInformationRuleForm::ExcludeDisabledPriority(TSavedColumnFlags& flags) const
{
    TAclRuleForm::ExcludeDisabledPriority(flags, EnablePriority, EnablePriorityComboBox, BoxOf(EnablePriority),
                                          Priority, ReplacePriority);
}

void TEthernetInformationRuleForm::EditClick()
{
    Picker->setEnabled(false);
    if (!CheckFields())
        return;
    if (DestroyIfChosen())
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) {
        ExcludeUncheckedFields(flags);
        flags.Exclude({Port, Owner});
        ExcludeDisabledPriority(flags);
    });
}

void TEthernetInformationRuleForm::AddClick()
{
    if (RefuseSeveralPorts())
        return;
    if (!CheckFields())
        return;
    if (RefuseExistingOrUncreated(QStringLiteral(
            "Has already a record with the same Mask ID and Access ID. Please change eithor of them.")))
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) {
        ExcludeUncheckedFields(flags);
        flags.Exclude(Owner);
        ExcludeDisabledPriority(flags);
    });
}
