#include "dialogs/device/Msinfortable.h"

#include "defs/ViewDefinitions.h"
#include "dialogs/device/Msunit.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "views/Viewmodal.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {


QPushButton* Button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TMSInformationForm::TMSInformationForm(QWidget* owner)
    : TBindingDialog(owner), ListView1(new QTreeWidget), Memo1(new QPlainTextEdit),
      GetButton(Button(QStringLiteral("Refresh"), "GetButton")), AddButton(Button(QStringLiteral("Add"), "AddButton")),
      DeleteButton(Button(QStringLiteral("Delete"), "DeleteButton")),
      EditButton(Button(QStringLiteral("Edit"), "EditButton")), StaticText1(new QLabel)
{
    setWindowTitle(QStringLiteral("Member Switch Information Table"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    EditButton->setVisible(false);
    StaticText1->setVisible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(GetButton), static_cast<QWidget*>(AddButton),
                       static_cast<QWidget*>(DeleteButton), static_cast<QWidget*>(EditButton),
                       static_cast<QWidget*>(StaticText1)})
        buttons->addWidget(w);
    auto* main = new QVBoxLayout(this);
    main->addWidget(ListView1, 3);
    main->addWidget(Memo1, 1);
    main->addLayout(buttons);
    StatusBar()->hide();   // messages go to the memo
    resize(820, 480);

    editor_ = new TMSEditForm(this, ListView1, Memo1);
    CreateBinding(MemberSwitchBinding);
    Binding()->AttachListView(ListView1, false);
    Binding()->SetStatusOutput(Memo1);
    // Members sit behind the commander: their answers take longer than the
    // module's usual time-out allows.
    Binding()->Request().Timeout = KvDeviceCommandTimeout;
    DeleteButton->setEnabled(false);

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this,
            [this] { DeleteButton->setEnabled(KvSelectedReportRow(ListView1) >= 0); });
    ConnectButtons({{GetButton, [this] { GetButtonClick(); }},
                    {AddButton, [this] { AddButtonClick(); }},
                    {DeleteButton, [this] { DeleteButtonClick(); }},
                    {EditButton, [this] { EditButtonClick(); }}});
    Walk();
}

TMSInformationForm::~TMSInformationForm()
{
    DisconnectChildren();
    // The editor's binding reports into the memo: it goes first.
    delete editor_;
    editor_ = nullptr;
}

void TMSInformationForm::ShowError(const QString& text)
{
    Memo1->appendPlainText(text);
}

void TMSInformationForm::Walk()
{
    if (Binding())
        Guarded([this] { Binding()->Get(); });
}

void TMSInformationForm::GetButtonClick()
{
    Walk();
    DeleteButton->setEnabled(false);
}

void TMSInformationForm::AddButtonClick()
{
    editor_->SetMode(TMSEditForm::NewMember);
    editor_->Row_Status->setCurrentIndex(RowStatusItem::CreateAndGo);
    TRunModal(*editor_);
    Walk();
}

void TMSInformationForm::DeleteButtonClick()
{
    const int row = KvSelectedReportRow(ListView1);
    if (row < 0) {
        KvShowAppMessage(this, QStringLiteral("Choose the item first."));
        DeleteButton->setFocus();
        return;
    }
    if (!ConfirmDelete(ListView1))
        return;
    const QString id = KvReportCell(ListView1, row, 0);
    Guarded([&] { editor_->DestroyMember(id); });
    Walk();
    DeleteButton->setEnabled(false);
}

void TMSInformationForm::EditButtonClick()
{
    const int row = KvSelectedReportRow(ListView1);
    if (row < 0)
        return;
    editor_->SetMode(TMSEditForm::ExistingMember);
    // The member's id names the row the editor writes.
    editor_->MSIDEdit->setText(KvReportCell(ListView1, row, 0));
    TRunModal(*editor_);
}
