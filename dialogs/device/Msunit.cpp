#include "dialogs/device/Msunit.h"

#include "defs/ViewDefinitions.h"
#include "dialogs/common/OfferedItems.h"
#include "dialogs/common/TextChecks.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TMSEditForm::TMSEditForm(QWidget* owner, QTreeWidget* members, QPlainTextEdit* memo)
    : TBindingDialog(owner), MSIDEdit(new QLineEdit), KeyIDEdit(new QLineEdit), MS_Password(new QLineEdit),
      Row_Status(new QComboBox), SetButton(new QPushButton(QStringLiteral("Set"))),
      CloseButton(new QPushButton(QStringLiteral("Close"))), members_(members), memo_(memo)
{
    setWindowTitle(QStringLiteral("MS Edit"));
    MSIDEdit->setObjectName(QStringLiteral("MSIDEdit"));
    KeyIDEdit->setObjectName(QStringLiteral("KeyIDEdit"));
    MS_Password->setObjectName(QStringLiteral("MS_Password"));
    Row_Status->setObjectName(QStringLiteral("Row_Status"));
    SetButton->setObjectName(QStringLiteral("SetButton"));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Member Siwitch ID\n"), MSIDEdit);
    fields->addRow(QStringLiteral("Member Candidate ID"), KeyIDEdit);
    fields->addRow(QStringLiteral("Member Password"), MS_Password);
    fields->addRow(QStringLiteral("Member Row Status"), Row_Status);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(buttons);
    StatusBar()->hide();   // messages go to the list window's memo

    CreateBinding(MemberEditBinding);
    KvSNMPRequest2Edits* b = Binding();
    b->AssociateEdits(MemberEditColumn::MemberId - 1, QStringLiteral("%i{n1x32l2a}"), {MSIDEdit});
    b->AssociateEdits(MemberEditColumn::Candidate - 1, QStringLiteral("%i{n1x32l2a}"), {KeyIDEdit});
    b->AssociateEdits(MemberEditColumn::Password - 1, QStringLiteral("%s"), {MS_Password});
    b->AssociateComboBox(MemberEditColumn::RowStatus - 1, Row_Status);
    b->SetStatusOutput(memo_);

    connect(SetButton, &QPushButton::clicked, this, &TMSEditForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMSEditForm::~TMSEditForm()
{
    // The fields go after this destructor: what they signal then reaches no editor.
    DisconnectChildren();
}

void TMSEditForm::SetInstance(const QString& memberId)
{
    if (Binding())
        Binding()->Variables().Instance = memberId.toStdString();
}

void TMSEditForm::done(int result)
{
    QDialog::done(result);
}

void TMSEditForm::showEvent(QShowEvent* event)
{
    TBindingDialog::showEvent(event);
    FormActivate();
}

void TMSEditForm::FormActivate()
{
    KeyIDEdit->setEnabled(mode_ == NewMember);
    if (mode_ != NewMember) {
        OfferAll(Row_Status);
        return;
    }
    MSIDEdit->clear();
    KeyIDEdit->clear();
    // A new member is made with "createAndGo" only: nothing else is offered.
    OfferOnly(Row_Status, RowStatusItem::CreateAndGo);
}

void TMSEditForm::ShowError(const QString& text)
{
    if (memo_)
        memo_->appendPlainText(text);
}

bool TMSEditForm::CheckNewMember()
{
    const QString id = MSIDEdit->text();
    for (int row = 0; members_ && row < KvReportRowCount(members_); ++row) {
        if (KvReportCell(members_, row, 0) == id) {
            KvShowMessage({this, KvExecutableFileName(),
                           QStringLiteral("There is already a record with the same Member Siwitch ID. "
                                          "Please modified it."),
                           QMessageBox::Ok, QMessageBox::Warning});
            return false;
        }
    }
    if (id.isEmpty()) {
        RefuseInput(this, QStringLiteral("Member Siwitch ID is needed."), MSIDEdit);
        return false;
    }
    if (KeyIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Member Candidate ID is needed."), KeyIDEdit);
        return false;
    }
    if (Row_Status->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(this, QStringLiteral("Member Row State must be createAndGo."), Row_Status);
        return false;
    }
    return true;
}

void TMSEditForm::SetButtonClick()
{
    if (!Binding() || (mode_ == NewMember && !CheckNewMember()))
        return;
    // An existing member's id comes from its list line; without one the write
    // would go to no row at all.
    if (MSIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Member Siwitch ID is needed."), MSIDEdit);
        return;
    }
    SetInstance(MSIDEdit->text());
    if (Guarded([this] { Binding()->Set(false, true); }))
        accept();
}

void TMSEditForm::DestroyMember(const QString& memberId)
{
    if (!Binding())
        return;
    mode_ = ExistingMember;
    SetInstance(memberId);
    WriteWithExclusions([this](TSavedColumnFlags& flags) {
        flags.Exclude({MemberEditColumn::Candidate, MemberEditColumn::Password});
        Row_Status->setCurrentIndex(RowStatusItem::Destroy);
    });
}
