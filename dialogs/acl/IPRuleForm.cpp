#include "dialogs/acl/IPRuleForm.h"

#include "dialogs/acl/PortUitForm.h"
#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace IpRuleColumn;

namespace {

const QString kEmptyField = QStringLiteral("Some checked field is empty");

// Items of the protocol list.
enum ProtocolItem { None = 0, Icmp, Igmp, Tcp, Udp, ProtocolIdItem };

}  // namespace

TIPRuleForm::TIPRuleForm(QWidget* parent)
    : TAclRuleForm(AclIpRuleTableDefs, "CheckButton", "UncheckButton", parent),
      IPRuleEdit(AddIdEdit(QStringLiteral("IP Rule ID"), ProfileId, QStringLiteral("%i{n1x6}"), "IPRuleEdit")),
      AccessIDEdit(AddIdEdit(QStringLiteral("IP Rule Access ID"), AccessId, QStringLiteral("%i{n1x128}"),
                             "AccessIDEdit")),
      RuleVLANEdit(AddEditField(QStringLiteral("Rule VLAN"), Vlan, QStringLiteral("%s{l32}"), "RuleVLANEdit",
                                "cbxRuleVLAN")),
      SourceIPEdit(AddEditField(QStringLiteral("Source IP Address"), SourceIp, QStringLiteral("%s{l16}"),
                                "SourceIPEdit", "cbxSourceIP")),
      DestIPEdit(AddEditField(QStringLiteral("Destination IP address"), DestinationIp, QStringLiteral("%s{l16}"),
                              "DestIPEdit", "cbxDestIP")),
      DSCPEdit(AddEditField(QStringLiteral("DSCP"), Dscp, QStringLiteral("%i{n0x63l2}"), "DSCPEdit", "cbxDscp")),
      ProtocolComboBox(AddComboField(QStringLiteral("Rule Protocol"), Protocol, "ProtocolComboBox", "cbxProtocol")),
      RuleTypeEdit(AddEditField(QStringLiteral("Rule Type"), Type, QStringLiteral("%i{n0x255l3}"), "RuleTypeEdit",
                                "cbxRuleType")),
      RuleCodEdit(AddEditField(QStringLiteral("Rule Code"), Code, QStringLiteral("%i{n0x255l3}"), "RuleCodEdit",
                               "cbxRuleCode")),
      SourcePortEdit(AddEditField(QStringLiteral("Source Port"), SourcePort, QStringLiteral("%i{n0x65535l5}"),
                                  "SourcePortEdit", "cbxSourcePort")),
      DestPortEdit(AddEditField(QStringLiteral("Destination Port"), DestinationPort, QStringLiteral("%i{n0x65535l5}"),
                                "DestPortEdit", "cbxDestPort")),
      FlagEdit(AddEditField(QStringLiteral("Flag Bits"), FlagBits, QStringLiteral("%i{n0x63l2}"), "FlagEdit", "cbxFBs")),
      ProtocolIDEdit(AddEditField(QStringLiteral("Protocol ID"), ProtoId, QStringLiteral("%i{n0x255l3}"),
                                  "ProtocolIDEdit", "cbxProtocolID")),
      UserMaskEdit(AddEditField(QStringLiteral("User Mask"), UserMask, QStringLiteral("%s"), "UserMaskEdit",
                                "cbxUserMask")),
      PriorityComboBox(AddComboField(QStringLiteral("Enable Priority"), EnablePriority, "PriorityComboBox",
                                     "cbxEnablePriority")),
      PriorityEdit(AddEditField(QStringLiteral("Priority"), Priority, QStringLiteral("%i{n0x7l1}"), "PriorityEdit",
                                "cbxPriority")),
      ReplaceComboBox(AddComboField(QStringLiteral("Replace Priority"), ReplacePriority, "ReplaceComboBox",
                                    "cbxReplacePriority")),
      EnableReplComboBox(AddComboField(QStringLiteral("Enable Replace DSCP"), EnableReplaceDscp, "EnableReplComboBox",
                                       "cbxEnableReplaceDscp")),
      DSCPValueEdit(AddEditField(QStringLiteral("Replace DSCP"), ReplaceDscp, QStringLiteral("%i{n0x63l2}"),
                                 "DSCPValueEdit", "cbxValue")),
      PermitComboBox(AddComboField(QStringLiteral("Permit"), Permit, "PermitComboBox", "cbxPermit"))
{
    setWindowTitle(QStringLiteral("IP Rule"));
    if (Binding()->Variables().Count() != Count)
        RefuseInput(this, QStringLiteral("Array overflow!"));
    FinishFields(Port, QStringLiteral("Row Status"), RowStatus, "RowComboBox", "cbxRow", Owner, "ST_Owner");
    // A user's choice of enable-priority sets the priority controls at once.
    connect(PriorityComboBox, &QComboBox::activated, this, &TIPRuleForm::ApplyPriorityControls);
    ClearFields();
    const std::pair<QComboBox*, int> initial[] = {
        {ProtocolComboBox, None}, {PriorityComboBox, 1}, {ReplaceComboBox, 1}, {EnableReplComboBox, 1},
        {PermitComboBox, 1}};
    for (const auto& [combo, item] : initial)
        combo->setCurrentIndex(item);
    ApplyPriorityControls();
    RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    SetIdle();
    ReadFirstAndCount();
}

bool TIPRuleForm::CheckedByCheckAll(const Field& field) const
{
    // Check All and Clear Checks leave the VLAN box to the user; the priority
    // boxes they handle only while usable.
    if (field.Column == Vlan)
        return false;
    if (field.Column == Priority || field.Column == ReplacePriority)
        return field.Box->isEnabled();
    return true;
}

void TIPRuleForm::ApplyPriorityControls()
{
    const QString text = PriorityComboBox->currentText();
    if (text != QLatin1String("enabled") && text != QLatin1String("disabled"))
        return;
    EnablePriorityFields(text == QLatin1String("enabled"), PriorityEdit, Priority, ReplaceComboBox, ReplacePriority);
}

void TIPRuleForm::LineChanged(bool selected)
{
    // The protocol of an existing rule is not changed.
    ProtocolComboBox->setEnabled(!selected);
    BoxOf(Protocol)->setEnabled(!selected);
    BoxOf(Protocol)->setChecked(false);
    ApplyPriorityControls();
    if (!selected)
        ClearFields();
}

bool TIPRuleForm::CheckRule()
{
    if (IPRuleEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("IP Rule ID must be set."), IPRuleEdit);
        return false;
    }
    if (AccessIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("IP Rule Access ID must be set."), AccessIDEdit);
        return false;
    }
    // Every checked field but the VLAN, which may be written empty; all the
    // empty ones are named at once.
    if (RefuseEmptyCheckedFields(kEmptyField, {Vlan}))
        return false;
    for (QLineEdit* ip : {SourceIPEdit, DestIPEdit}) {
        const int column = ip == SourceIPEdit ? SourceIp : DestinationIp;
        if (BoxOf(column)->isChecked() && !CheckIPv4Text(this, ip->text(), QStringLiteral("Please input a valid ip"), ip))
            return false;
    }
    if (BoxOf(UserMask)->isChecked()
        && !CheckHexText(this, UserMaskEdit->text(), 8, QStringLiteral("Invalid UserMask"),
                         QStringLiteral("Invalid UserMask"), UserMaskEdit))
        return false;
    return true;
}

void TIPRuleForm::ExcludeUnusedProtocolColumns(TSavedColumnFlags& flags) const
{
    // ICMP sends its type and code, IGMP its type, TCP its ports and flag bits,
    // UDP its ports, a protocol id itself; no protocol sends none of them.
    // The user mask applies to every protocol.
    flags.Exclude(Protocol);
    switch (ProtocolComboBox->currentIndex()) {
    case Icmp:
        flags.ExcludeRange(SourcePort, ProtoId);
        break;
    case Igmp:
        flags.ExcludeRange(Code, ProtoId);
        break;
    case Tcp:
        flags.Exclude({Type, Code, ProtoId});
        break;
    case Udp:
        flags.Exclude({Type, Code, FlagBits, ProtoId});
        break;
    case ProtocolIdItem:
        flags.ExcludeRange(Type, FlagBits);
        break;
    default:
        flags.ExcludeRange(Type, ProtoId);
        break;
    }
}

void TIPRuleForm::ExcludeForRule(TSavedColumnFlags& flags) const
{
    ExcludeUncheckedFields(flags);
    ExcludeUnusedProtocolColumns(flags);
    ExcludeDisabledPriority(flags, EnablePriority, PriorityComboBox, BoxOf(EnablePriority), Priority,
                            ReplacePriority);
}

void TIPRuleForm::EditClick()
{
    Picker->setEnabled(false);
    if (!CheckRule())
        return;
    if (DestroyIfChosen())
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) {
        ExcludeForRule(flags);
        flags.Exclude(Port);
    });
}

void TIPRuleForm::AddClick()
{
    if (RefuseSeveralPorts())
        return;
    if (!CheckRule())
        return;
    if (RefuseExistingOrUncreated(QStringLiteral(
            "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.")))
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) { ExcludeForRule(flags); });
}
