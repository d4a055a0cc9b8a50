#include "dialogs/aac/Accservercontrol.h"

#include "defs/ViewDefinitions.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTime>
#include <QVBoxLayout>

using namespace ServerGroupControlColumn;

namespace {

// The row state list: "add", "delete".
constexpr int kDeleteItem = 1;

}  // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget* parent)
    : TBindingDialog(parent), edtGroupName(new QLineEdit), edtIPAddr(new QLineEdit), cbAuthProtocol(new QComboBox),
      cbRowState(new QComboBox), Button1(new QPushButton(QStringLiteral("Set"))),
      Button2(new QPushButton(QStringLiteral("Close")))
{
    setWindowTitle(QStringLiteral("AAC Server Control"));
    edtGroupName->setObjectName(QStringLiteral("edtGroupName"));
    edtIPAddr->setObjectName(QStringLiteral("edtIPAddr"));
    cbAuthProtocol->setObjectName(QStringLiteral("cbAuthProtocol"));
    cbRowState->setObjectName(QStringLiteral("cbRowState"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Group Name"), edtGroupName);
    fields->addRow(QStringLiteral("IP Addr"), edtIPAddr);
    fields->addRow(QStringLiteral("Auth Protocol"), cbAuthProtocol);
    fields->addRow(QStringLiteral("Row State"), cbRowState);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(buttons);
    main->addWidget(StatusBar());
    // One panel only.
    StatusBar()->SetPanelWidth(1, 0);

    CreateBinding(ServerGroupControlBinding);
    KvSNMPRequest2Edits* b = Binding();
    b->AssociateEdits(GroupName - 1, QStringLiteral("%s{l16}"), {edtGroupName});
    b->AssociateEdits(Address - 1, QStringLiteral("%s{l16}"), {edtIPAddr});
    b->AssociateComboBox(Protocol - 1, cbAuthProtocol);
    b->AssociateComboBox(RowState - 1, cbRowState);
    connect(Button1, &QPushButton::clicked, this, &TfrmACCServerCtrl::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    // The read only learns whether the agent answers; the window always opens
    // empty, and a failed read is no reason to keep it closed.
    try {
        b->Get();
    } catch (const std::exception&) {
    }
    edtGroupName->clear();
    edtIPAddr->clear();
    cbAuthProtocol->setCurrentIndex(-1);
    cbRowState->setCurrentIndex(-1);
    ShowStatusText(QString());
}

TfrmACCServerCtrl::~TfrmACCServerCtrl()
{
    // The buttons go after this destructor: what they signal then reaches no window.
    DisconnectChildren();
}

void TfrmACCServerCtrl::Button1Click()
{
    if (!Binding())
        return;
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty()
        || cbRowState->currentText().isEmpty()) {
        ShowStatusText(QStringLiteral("Don't Leave Empty Fileds !"));
        return;
    }
    // Taking a server out of its group is a delete: it asks first, naming the row.
    if (cbRowState->currentIndex() == kDeleteItem) {
        const KvSNMPVarList& vars = Binding()->Variables();
        auto part = [&vars](int column, const QString& text) {
            return QString::fromStdString(vars.ItemAt(column - 1).Caption) + QStringLiteral(": ") + text;
        };
        const QStringList row{part(GroupName, edtGroupName->text()), part(Address, edtIPAddr->text()),
                              part(Protocol, cbAuthProtocol->currentText())};
        if (KvShowMessage(KvDeleteQuestion(this, row)) != QMessageBox::Yes)
            return;
    }
    try {
        Binding()->Set(true, true);
    } catch (const std::exception&) {
        KvShowAppMessage(this, QStringLiteral("Set entry failed!"));
        return;
    }
    ShowStatusText(QStringLiteral("Set: Ok!. Receive at ") + QLocale().toString(QTime::currentTime(), QLocale::LongFormat)
                   + QStringLiteral("."));
}
