#include "dialogs/acl/UserDefinedInformationRuleForm.h"

#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace PacketRuleColumn;

namespace {

constexpr int kWindowDigits = 32;
constexpr int kMostWindows = 2;
// Items of the action list.
constexpr int kDenyItem = 0;

}  // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget* parent)
    : TAclRuleForm(AclPacketRuleTableDefs, "CheckButton", "UncheckButton", parent),
      ProfileIDEdit(AddIdEdit(QStringLiteral("Profile ID"), ProfileId, QStringLiteral("%i{n1x255}"), "ProfileIDEdit")),
      AccessIDEdit(AddIdEdit(QStringLiteral("Access ID"), AccessId, QStringLiteral("%i{n1x255}"), "AccessIDEdit")),
      OffsetGroupFirstEdit(AddEditField(QStringLiteral("Packet(s) Offset [0 to 15]"), Offset0,
                                        QStringLiteral("%s{l64}"), "OffsetGroupFirstEdit", "cbxGroupFirst")),
      OffsetGroupSecondEdit(AddEditField(QStringLiteral("Packet(s) Offset [16 to 31]"), Offset16,
                                         QStringLiteral("%s{l64}"), "OffsetGroupSecondEdit", "cbxGroupSecond")),
      OffsetGroupThirdEdit(AddEditField(QStringLiteral("Packet(s) Offset [32 to 47]"), Offset32,
                                        QStringLiteral("%s{l64}"), "OffsetGroupThirdEdit", "cbxGroupThird")),
      OffsetGroupForthEdit(AddEditField(QStringLiteral("Packet(s) Offset [48 to 63]"), Offset48,
                                        QStringLiteral("%s{l64}"), "OffsetGroupForthEdit", "cbxGroupForth")),
      OffsetGroupFifthEdit(AddEditField(QStringLiteral("Packet(s) Offset [64 to 79]"), Offset64,
                                        QStringLiteral("%s{l64}"), "OffsetGroupFifthEdit", "cbxGroupFifth")),
      EnablePriComboBox(AddComboField(QStringLiteral("Enable Priority"), EnablePriority, "EnablePriComboBox",
                                      "cbxEnablePriority")),
      PriorityEdit(AddEditField(QStringLiteral("Priority"), Priority, QStringLiteral("%i{n0x7l1}"), "PriorityEdit",
                                "cbxPriority")),
      ReplPriyComboBox(AddComboField(QStringLiteral("Replace Priority"), ReplacePriority, "ReplPriyComboBox",
                                     "cbxReplace")),
      EnableReplComboBox(AddComboField(QStringLiteral("Enable Replace DSCP"), EnableReplaceDscp, "EnableReplComboBox",
                                       "cbxEnableReplace")),
      ReplDSCPEdit(AddEditField(QStringLiteral("Replace DSCP"), ReplaceDscp, QStringLiteral("%i{n0x63l2}"),
                                "ReplDSCPEdit", "cbxReplaceDscp")),
      PermitComboBox(AddComboField(QStringLiteral("Permit"), Permit, "PermitComboBox", "cbxPermit"))
{
    setWindowTitle(QStringLiteral("User Defined Information Rule"));
    FinishFields(Port, QStringLiteral("Row Status"), RowStatus, "RowComboBox", "cbxRow", Owner, "ST_Owner");
    connect(PermitComboBox, &QComboBox::currentIndexChanged, this, &TUserDefinedInformationRuleForm::ResetDone);
    ClearFields();
    RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    SetIdle();
    ReadFirstAndCount();
}

bool TUserDefinedInformationRuleForm::IsOffsetText(const QString& text)
{
    if (text.size() > kWindowDigits)
        return false;
    for (QChar c : text.toUpper())
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    return true;
}

void TUserDefinedInformationRuleForm::EnablePriorityControls(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(EnablePriComboBox), static_cast<QWidget*>(PriorityEdit),
                       static_cast<QWidget*>(ReplPriyComboBox), static_cast<QWidget*>(EnableReplComboBox),
                       static_cast<QWidget*>(ReplDSCPEdit)})
        w->setEnabled(enabled);
    for (int column : {EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp})
        BoxOf(column)->setEnabled(enabled);
}

void TUserDefinedInformationRuleForm::ResetDone()
{
    // A deny rule rewrites nothing.
    EnablePriorityControls(PermitComboBox->currentText() != QLatin1String("deny"));
}

void TUserDefinedInformationRuleForm::LineChanged(bool selected)
{
    EnablePriorityControls(!selected || SelectedCell(Permit).toLower() != QLatin1String("deny"));
}

bool TUserDefinedInformationRuleForm::CheckIds()
{
    // The ids' messages leave the focus where it is.
    if (ProfileIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Profile ID must be set."));
        return false;
    }
    if (AccessIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Access ID must be set."));
        return false;
    }
    return true;
}

bool TUserDefinedInformationRuleForm::CheckWindows()
{
    const struct {
        int Column;
        QLineEdit* Edit;
        const char* Message;
    } windows[] = {
        {Offset0, OffsetGroupFirstEdit, "Packet(s) Offset [0 to 15] can not contain invalid character(s)."},
        {Offset16, OffsetGroupSecondEdit, "Packet(s) Offset [16 to 31] can not contain invalid character(s)."},
        {Offset32, OffsetGroupThirdEdit, "Packet(s) Offset [32 to 47] can not contain invalid character(s)."},
        {Offset48, OffsetGroupForthEdit, "Packet(s) Offset [48 to 63] can not contain invalid character(s)."},
        {Offset64, OffsetGroupFifthEdit, "Packet(s) Offset [64 to 79] can not contain invalid character(s)."},
    };
    const QString nothing(kWindowDigits, QLatin1Char('0'));
    int carrying = 0;
    for (const auto& w : windows) {
        const QString text = w.Edit->text();
        if (BoxOf(w.Column)->isChecked() && !text.isEmpty() && text != nothing)
            ++carrying;
    }
    if (carrying > kMostWindows) {
        RefuseInput(this, QStringLiteral("Packet(s) Offset can not over two groups."), OffsetGroupFirstEdit);
        return false;
    }
    for (const auto& w : windows) {
        if (BoxOf(w.Column)->isChecked() && !IsOffsetText(w.Edit->text())) {
            RefuseInput(this, QString::fromLatin1(w.Message), w.Edit);
            return false;
        }
    }
    return true;
}

void TUserDefinedInformationRuleForm::ExcludeForRule(TSavedColumnFlags& flags, bool keepRowStatus) const
{
    ExcludeUncheckedFields(flags);
    if (keepRowStatus)
        flags.Restore(RowStatus);
    if (BoxOf(Permit)->isChecked() && PermitComboBox->currentIndex() == kDenyItem)
        flags.ExcludeRange(EnablePriority, ReplaceDscp);
}

void TUserDefinedInformationRuleForm::EditClick()
{
    if (!CheckIds() || DestroyIfChosen() || !CheckWindows())
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) { ExcludeForRule(flags, false); });
}

void TUserDefinedInformationRuleForm::AddClick()
{
    if (!CheckIds())
        return;
    if (DuplicateExists()) {
        RefuseInput(this,
                    QStringLiteral("There is already a record with the same Profile ID and Access ID. Please modified "
                                   "eithor of them."),
                    ProfileIDEdit);
        return;
    }
    if (cbxRow->isChecked() && RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(this, QStringLiteral("Row State must be createAndGo."), RowComboBox);
        return;
    }
    if (!CheckWindows())
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) { ExcludeForRule(flags, true); });
}
