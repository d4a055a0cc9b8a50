#include "dialogs/acl/AclRuleForm.h"

#include "dialogs/acl/PortUitForm.h"
#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Every rule table starts with its profile id and access id; the fields follow.
constexpr int kFirstField = 3;

}  // namespace

TAclRuleForm::TAclRuleForm(const KvSNMPVarDef* table, const char* checkAllName, const char* clearChecksName,
                           QWidget* parent)
    : TAclTableForm(table, 2, parent), GetButton(MakeButton(QStringLiteral("Refresh"), "GetButton")),
      EditButton(MakeButton(QStringLiteral("Edit"), "EditButton")),
      AddButton(MakeButton(QStringLiteral("Add"), "AddButton")),
      DeleteButton(MakeButton(QStringLiteral("Delete"), "DeleteButton")), StaticText1(MakeCounter("StaticText1")),
      CheckAllButton(MakeButton(QStringLiteral("Check All"), checkAllName)),
      ClearChecksButton(MakeButton(QStringLiteral("Clear Checks"), clearChecksName)), Picker(new TPortUitForm)
{

    auto* portPanel = new QGroupBox;
    portPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    auto* portLayout = new QVBoxLayout(portPanel);
    portLayout->setContentsMargins(2, 2, 2, 2);
    portLayout->addWidget(Picker);
    Picker->setMinimumHeight(150);
    AddBelowFields(portPanel);
    resize(920, 780);
}

// ---- building --------------------------------------------------------------------

QLineEdit* TAclRuleForm::AddIdEdit(const QString& label, int column, const QString& spec, const char* name)
{
    QLineEdit* edit = BindEdit(label, column, spec, name);
    edits_.push_back(edit);
    (column == 1 ? ProfileIdEdit : AccessIdEdit) = edit;
    return edit;
}

QLineEdit* TAclRuleForm::AddEditField(const QString& label, int column, const QString& spec, const char* name,
                                      const char* boxName)
{
    auto* box = new QCheckBox;
    box->setObjectName(QString::fromLatin1(boxName));
    QLineEdit* edit = BindEdit(label, column, spec, name, box);
    edits_.push_back(edit);
    fields_.push_back({column, box, edit, label});
    CheckOnChange(fields_.back());
    return edit;
}

QComboBox* TAclRuleForm::AddComboField(const QString& label, int column, const char* name, const char* boxName)
{
    auto* box = new QCheckBox;
    box->setObjectName(QString::fromLatin1(boxName));
    QComboBox* combo = BindCombo(label, column, name, box);
    fields_.push_back({column, box, combo, label});
    CheckOnChange(fields_.back());
    return combo;
}

void TAclRuleForm::FinishFields(int portColumn, const QString& rowStatusLabel, int rowStatusColumn,
                                const char* rowStatusName, const char* rowBoxName, int ownerColumn,
                                const char* ownerName)
{
    rowStatusColumn_ = rowStatusColumn;
    portColumn_ = portColumn;
    RowComboBox = AddComboField(rowStatusLabel, rowStatusColumn, rowStatusName, rowBoxName);
    cbxRow = fields_.back().Box;
    OwnerText = BindOwner(QStringLiteral("Owner"), ownerColumn, ownerName);
    // Bound last: a port list an agent sends shorter than the 64 boxes stops the
    // filling of the controls, and then no other field is left behind.
    Binding()->AssociateCheckBits(portColumn - 1, TPortUitForm::BitList(), Picker->Boxes());
    AttachList([this] { OnSelection(); });

    CountLines(ListView, StaticText1);
    ConnectButtons({{GetButton, [this] { Refresh(); }},
                    {EditButton, [this] { EditClick(); }},
                    {AddButton, [this] { AddClick(); }},
                    {DeleteButton, [this] { DeleteClick(); }},
                    {CheckAllButton, [this] { SetFieldChecks(true); }},
                    {ClearChecksButton, [this] { SetFieldChecks(false); }}});
}

void TAclRuleForm::CheckOnChange(const Field& field)
{
    // Only what the user does counts (typing, a choice from the list): a line
    // filling the fields or a field being cleared checks nothing.  A changed
    // field left unchecked would be silently left out of the write.
    QCheckBox* box = field.Box;
    auto check = [box] {
        if (box->isEnabled())
            box->setChecked(true);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(field.Control))
        connect(edit, &QLineEdit::textEdited, box, check);
    else if (auto* combo = qobject_cast<QComboBox*>(field.Control))
        connect(combo, &QComboBox::activated, box, check);
}

void TAclRuleForm::ReadFirstAndCount()
{
    ReadFirst();
    UpdateCount();
}

QCheckBox* TAclRuleForm::BoxOf(int column) const
{
    for (const Field& f : fields_)
        if (f.Column == column)
            return f.Box;
    return nullptr;
}

QString TAclRuleForm::FieldText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

// ---- state -----------------------------------------------------------------------

void TAclRuleForm::SetIdle()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    ProfileIdEdit->setEnabled(true);
    AccessIdEdit->setEnabled(true);
    AddButton->setEnabled(true);
    // Edit takes the picker away (it never writes the ports); Add, usable
    // again from here on, writes them.
    Picker->setEnabled(true);
}

void TAclRuleForm::SetSelected()
{
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    ProfileIdEdit->setEnabled(false);
    AccessIdEdit->setEnabled(false);
    AddButton->setEnabled(false);
}

bool TAclRuleForm::CheckedByCheckAll(const Field&) const
{
    return true;
}

void TAclRuleForm::SetFieldChecks(bool checked)
{
    for (const Field& f : fields_)
        if (CheckedByCheckAll(f))
            f.Box->setChecked(checked);
}

void TAclRuleForm::ClearFields()
{
    for (QLineEdit* e : edits_)
        e->clear();
    // Every box, those Check All leaves alone included: a box left checked
    // over an emptied field would write whatever the field shows next.
    for (const Field& f : fields_)
        f.Box->setChecked(false);
    Picker->Clear();
    UpdateCount();
}

void TAclRuleForm::UpdateCount()
{
    ShowLineCount(ListView, StaticText1);
}

bool TAclRuleForm::RefuseEmptyCheckedFields(const QString& message, std::initializer_list<int> except)
{
    QStringList empty;
    QWidget* first = nullptr;
    for (const Field& f : fields_) {
        if (!f.Box->isChecked() || !FieldText(f.Control).isEmpty()
            || std::find(except.begin(), except.end(), f.Column) != except.end())
            continue;
        empty << f.Label;
        if (!first)
            first = f.Control;
    }
    if (empty.isEmpty())
        return false;
    RefuseInput(this, message + QLatin1Char('\n') + empty.join(QStringLiteral(", ")), first);
    return true;
}

bool TAclRuleForm::DuplicateExists() const
{
    const int profileCell = CellColumn(1), accessCell = CellColumn(2);
    for (int row = 0; row < KvReportRowCount(ListView); ++row)
        if (KvReportCell(ListView, row, profileCell) == ProfileIdEdit->text()
            && KvReportCell(ListView, row, accessCell) == AccessIdEdit->text())
            return true;
    return false;
}

bool TAclRuleForm::RefuseSeveralPorts()
{
    if (Picker->CheckedCount() < 2)
        return false;
    RefuseInput(this, QStringLiteral("olny one Port can be selected from portlist."));
    return true;
}

bool TAclRuleForm::RefuseExistingOrUncreated(const QString& duplicateMessage)
{
    if (DuplicateExists()) {
        RefuseInput(this, duplicateMessage, ProfileIdEdit);
        return true;
    }
    if (RowComboBox->currentIndex() != RowStatusItem::CreateAndGo || !cbxRow->isChecked()) {
        RefuseInput(this, QStringLiteral("Row State must be checked and set to createAndGo."), RowComboBox);
        return true;
    }
    return false;
}

bool TAclRuleForm::DestroyIfChosen()
{
    if (RowComboBox->currentIndex() != RowStatusItem::Destroy || !cbxRow->isChecked())
        return false;
    // An Edit of "destroy" is a Delete, and asks as one.
    if (!ConfirmDelete(ListView))
        return true;
    WriteAndRefresh([this](TSavedColumnFlags& flags) { flags.ExcludeRange(kFirstField, portColumn_); });
    return true;
}

void TAclRuleForm::Refresh()
{
    if (!Binding())
        return;
    Guarded([this] { Binding()->Get(); });
    SetIdle();
    ClearFields();
    ResetDone();
}

void TAclRuleForm::WriteAndRefresh(const std::function<void()>& write)
{
    if (!Guarded(write)) {
        SetIdle();
        ClearFields();
        ResetDone();
        return;
    }
    Refresh();
}

void TAclRuleForm::WriteAndRefresh(const std::function<void(TSavedColumnFlags&)>& exclude)
{
    WriteAndRefresh(std::function<void()>([&] { WriteWithExclusions(exclude); }));
}

void TAclRuleForm::ExcludeUncheckedFields(TSavedColumnFlags& flags) const
{
    for (const Field& f : fields_)
        if (!f.Box->isChecked())
            flags.Exclude(f.Column);
}

void TAclRuleForm::ExcludeDisabledPriority(TSavedColumnFlags& flags, int enableColumn, const QComboBox* enable,
                                           const QCheckBox* enableBox, int priorityColumn, int replaceColumn) const
{
    const QString disabled = QStringLiteral("disabled");
    if (LineSelected()) {
        const QString cell = SelectedCell(enableColumn);
        if (cell.isEmpty())
            return;
        const QString deciding = enableBox->isChecked() ? enable->currentText() : cell;
        if (deciding != disabled)
            return;
    } else if (enableBox->isChecked() && enable->currentText() != disabled) {
        return;
    }
    flags.Exclude({priorityColumn, replaceColumn});
}

void TAclRuleForm::EnablePriorityFields(bool enabled, QWidget* priority, int priorityColumn, QWidget* replace,
                                        int replaceColumn)
{
    for (QWidget* w : {priority, replace, static_cast<QWidget*>(BoxOf(priorityColumn)),
                       static_cast<QWidget*>(BoxOf(replaceColumn))})
        w->setEnabled(enabled);
    BoxOf(priorityColumn)->setChecked(false);
    BoxOf(replaceColumn)->setChecked(false);
}

void TAclRuleForm::DeleteClick()
{
    if (!Binding() || !ConfirmDelete(ListView))
        return;
    WriteAndRefresh(std::function<void()>([this] {
        DestroyRow(rowStatusColumn_, RowComboBox, RowStatusItem::Destroy);
    }));
}

void TAclRuleForm::OnSelection()
{
    const bool selected = LineSelected();
    if (selected) {
        // The fields now show the line as it is: nothing of it is changed yet.
        for (const Field& f : fields_)
            f.Box->setChecked(false);
        ProfileIdEdit->setText(SelectedCell(1));
        AccessIdEdit->setText(SelectedCell(2));
        SetSelected();
    } else {
        SetIdle();
    }
    LineChanged(selected);
}
