#include "dialogs/aac/Serverinfounit.h"

#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

using namespace AuthServerColumn;

namespace {

// An edit the current protocol does not use shows the button face and takes
// no input; one it uses is white.
void SetFieldAvailable(QLineEdit* edit, bool available)
{
    if (!available)
        edit->clear();
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, available ? QColor(Qt::white) : p.color(QPalette::Button));
    edit->setPalette(p);
    edit->setEnabled(available);
}

}  // namespace

TServerInformationForm::TServerInformationForm(QWidget* parent)
    : TAacListForm(AuthServerBinding, "Static", parent),
      IPEdit(BindEdit(QStringLiteral("Server IP"), Address, QStringLiteral("%s{l16}"), "IPEdit")),
      ProtocolComboBox(BindCombo(QStringLiteral("Server Auth Protocol"), Protocol, "ProtocolComboBox")),
      PortEdit(BindEdit(QStringLiteral("Server Auth Port"), Port, QStringLiteral("%i{n1x65535l5}"), "PortEdit")),
      KeyEdit(BindEdit(QStringLiteral("Server Auth Key"), Key, QStringLiteral("%s{l254}"), "KeyEdit")),
      TimeoutEdit(BindEdit(QStringLiteral("Server Timeout"), Timeout, QStringLiteral("%i{n1x255}"), "TimeoutEdit")),
      RetryCEdit(BindEdit(QStringLiteral("Server Retry Count"), RetryCount, QStringLiteral("%i{n1x255}"),
                          "RetryCEdit"))
{
    RowComboBox = BindCombo(QStringLiteral("Server Row Status"), RowStatus, "RowComboBox");
    SetAgentCaption(QStringLiteral("AAC Server Information Table: "));
    FinishFields(RowStatus);
    // Also while the binding fills the fields from a line; the selection
    // applies the rule once more after the key and retry count are filled.
    connect(ProtocolComboBox, &QComboBox::currentIndexChanged, this, &TServerInformationForm::ApplyProtocolRule);
    resize(760, 520);

    for (QLineEdit* e : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
        e->clear();
    SetIdle();
    ReadFirst();
    UpdateCount();
    OfferRowStatuses();
}

void TServerInformationForm::SetIdle()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    IPEdit->setEnabled(true);
    ProtocolComboBox->setEnabled(true);
    AddButton->setEnabled(true);
}

void TServerInformationForm::SetSelected()
{
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    IPEdit->setEnabled(false);
    ProtocolComboBox->setEnabled(false);
    AddButton->setEnabled(false);
}

void TServerInformationForm::ClearFields()
{
    for (QLineEdit* e : {IPEdit, PortEdit, TimeoutEdit})
        e->clear();
    SetFieldAvailable(KeyEdit, true);
    SetFieldAvailable(RetryCEdit, true);
    KeyEdit->clear();
    RetryCEdit->clear();
    ProtocolComboBox->setCurrentIndex(-1);
    RowComboBox->setCurrentIndex(-1);
    UpdateCount();
}

void TServerInformationForm::LineChanged(bool selected)
{
    if (selected)
        ApplyProtocolRule();
    else
        ClearFields();
}

void TServerInformationForm::ApplyProtocolRule()
{
    const int item = ProtocolComboBox->currentIndex();
    SetFieldAvailable(KeyEdit, item != AacProtocolItem::Tacacs && item != AacProtocolItem::Xtacacs);
    SetFieldAvailable(RetryCEdit, item != AacProtocolItem::TacacsPlus);
}

void TServerInformationForm::ExcludeEmptyFields(TSavedColumnFlags& flags) const
{
    const std::pair<int, const QLineEdit*> fields[] = {
        {Port, PortEdit}, {Key, KeyEdit}, {Timeout, TimeoutEdit}, {RetryCount, RetryCEdit}};
    for (const auto& [column, edit] : fields)
        if (edit->text().isEmpty())
            flags.Exclude(column);
}

void TServerInformationForm::EditClick()
{
    if (IPEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("Server IP must be set."));
        return;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        RefuseInput(this, QStringLiteral("Protocol must be set."));
        return;
    }
    if (DestroyIfChosen())
        return;
    WriteAndRefresh([this](TSavedColumnFlags& flags) {
        ExcludeEmptyFields(flags);
        flags.Exclude(RowStatus);
    });
}

void TServerInformationForm::AddClick()
{
    if (!CheckIPv4Text(this, IPEdit->text(), QStringLiteral("Please input a valid ip"), IPEdit))
        return;
    if (ProtocolComboBox->currentText().isEmpty()) {
        RefuseInput(this, QStringLiteral("Protocol must be set."), ProtocolComboBox);
        return;
    }
    if (LineExists({{Address, IPEdit->text()}, {Protocol, ProtocolComboBox->currentText()}})) {
        RefuseInput(this,
                    QStringLiteral("Has already a record with the same Server IP and Protocol. "
                                   "Please change Server IP or Protocol."),
                    IPEdit);
        return;
    }
    if (RowComboBox->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(this, QStringLiteral("Row State must be createAndGo."), RowComboBox);
        return;
    }
    WriteAndRefresh([this](TSavedColumnFlags& flags) { ExcludeEmptyFields(flags); });
}
