#include "dialogs/device/Stpinfo.h"
#include "dialogs/device/DeviceOpeners.h"

#include "defs/ViewDefinitions.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "views/Progress2.h"
#include "views/Viewmodal.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

// Writes through the bindings wait this long per attempt (hundredths of a second).
constexpr int kWriteTimeout = 300;

constexpr const char* kEmptyFields = "Don't Leave Empty Fileds !";
constexpr const char* kDataError = "Data Error !";

// A whole number typed into an edit; raises the conversion error otherwise.
int editNumber(const QLineEdit* edit)
{
    bool ok = false;
    const int n = edit->text().trimmed().toInt(&ok);
    if (!ok)
        throw LibraryError(KvBadSyntax, "'" + edit->text().toStdString() + "' is not a valid integer value");
    return n;
}

std::unique_ptr<KvSNMPRequest2Edits> makeBinding(QWidget* owner, const DefinitionBinding& table)
{
    auto b = std::make_unique<KvSNMPRequest2Edits>(owner);
    AppendBinding(b->Variables(), table);
    b->SetMode(KvSNMPRequest2Controls::Synchronous);
    return b;
}

} // namespace

TSTP_Info::TSTP_Info(QWidget* owner, const QString& caption, const QString& versionText,
                     std::function<void(const QString&)> versionChanged)
    : QDialog(owner), versionText_(versionText), versionChanged_(std::move(versionChanged))
{
    setWindowTitle(caption);
    full_ = makeBinding(this, StpSettingsBinding);
    // The same without the Hello Time, which MSTP has no use for.
    mstpWrite_ = makeBinding(this, StpSettingsBinding);
    mstpWrite_->Variables().Clear();
    for (int i = 0; StpSettingsDefs[i].Oid; ++i) {
        const KvSNMPVarDef& d = StpSettingsDefs[i];
        if (i != StpSetting::HelloTime)
            mstpWrite_->Variables().AppendItem(d.Oid, i == StpSetting::MaxAge ? "MSTP STP MaxAge" : d.Caption, d.Syntax,
                                               d.Access, d.Options);
    }
    version_ = makeBinding(this, StpVersionBinding);
    version_->Variables().AppendTable(StpStateBinding.Defs);
    full_->Request().Timeout = kWriteTimeout;
    mstpWrite_->Request().Timeout = kWriteTimeout;

    Combo_STPVersion = new QComboBox(this);
    ET_AgingTime = new QLineEdit(this);
    ET_HelloTime = new QLineEdit(this);
    ET_ForwardDelay = new QLineEdit(this);
    ET_Priority = new QLineEdit(this);
    ED_TxHoldCount = new QLineEdit(this);
    Combo_BPDU = new QComboBox(this);
    Combo_LBD = new QComboBox(this);
    ET_LBDRecover = new QLineEdit(this);
    BT_Get = new QPushButton(QStringLiteral("Refresh"), this);
    BT_Set = new QPushButton(QStringLiteral("Set"), this);
    // Enter in an edit must neither throw the typed values away nor write them.
    BT_Get->setAutoDefault(false);
    BT_Set->setAutoDefault(false);
    StatusBar = new KvStatusBar(this);
    StatusBar->AddPanel(400);
    stVersion = new QLabel(this);
    stVersion->hide();
    stState = new QLabel(this);
    stState->hide();

    struct Field {
        const char* Label;
        QWidget* Control;
    };
    const Field fields[] = {
        {"STP Version", Combo_STPVersion},      {"Maxi Age (600-4000)", ET_AgingTime},
        {"Hello Time(100-1000)", ET_HelloTime}, {"Forward Delay(400-3000)", ET_ForwardDelay},
        {"Max Hops[1-20]", ET_Priority},        {"TX Hold Count (1-10)", ED_TxHoldCount},
        {"Forwarding BPDU", Combo_BPDU},        {"STP LBD", Combo_LBD},
        {"STP LBD Recover time", ET_LBDRecover},
    };
    auto* grid = new QGridLayout;
    int line = 0;
    for (const Field& f : fields) {
        grid->addWidget(new QLabel(QString::fromUtf8(f.Label), this), line, 0);
        grid->addWidget(f.Control, line, 1);
        ++line;
    }
    grid->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this), line++, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this), line++, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_Get);
    buttons->addWidget(BT_Set);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar);

    full_->AssociateComboBox(StpSetting::Version, Combo_STPVersion);
    full_->AssociateEdits(StpSetting::MaxAge, QStringLiteral("%i{n600x4000l4a}"), {ET_AgingTime});
    full_->AssociateEdits(StpSetting::HelloTime, QStringLiteral("%i{n100x1000l4a}"), {ET_HelloTime});
    full_->AssociateEdits(StpSetting::ForwardDelay, QStringLiteral("%i{n400x3000l4a}"), {ET_ForwardDelay});
    full_->AssociateEdits(StpSetting::MaxHops, QStringLiteral("%i{n1x20l2a}"), {ET_Priority});
    full_->AssociateEdits(StpSetting::TxHoldCount, QStringLiteral("%i{n1x10l2a}"), {ED_TxHoldCount});
    full_->AssociateComboBox(StpSetting::Bpdu, Combo_BPDU);
    full_->AssociateComboBox(StpSetting::Lbd, Combo_LBD);
    full_->AssociateEdits(StpSetting::LbdRecover, QStringLiteral("%i{n0x1000000l7a}"), {ET_LBDRecover});
    version_->AssociateText(0, stVersion);
    version_->AssociateText(1, stState);
    for (KvSNMPRequest2Edits* b : {full_.get(), mstpWrite_.get(), version_.get()})
        b->SetStatusOutput(StatusBar, 0);

    connect(Combo_STPVersion, &QComboBox::activated, this, &TSTP_Info::Combo_STPVersionChange);
    connect(BT_Get, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
    connect(BT_Set, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);

    GetReported(*mstpWrite_) && GetReported(*version_) && GetReported(*full_);
    if (versionText_ == QLatin1String("mstp"))
        HelloTimeForMstp(true);
}

TSTP_Info::~TSTP_Info() = default;

QString TSTP_Info::StatusText() const
{
    return StatusBar->PanelText(0);
}

void TSTP_Info::Status(const QString& text)
{
    StatusBar->SetPanelText(0, text);
}

bool TSTP_Info::GetReported(KvSNMPRequest2Edits& binding)
{
    try {
        binding.Get();
        return true;
    } catch (const std::exception& e) {
        full_->ShowStatus(e.what());
        return false;
    }
}

void TSTP_Info::HelloTimeForMstp(bool mstp)
{
    // MSTP has no Hello Time: a value read beside it would be one the switch
    // does not use and a Set does not send.
    if (mstp)
        ET_HelloTime->clear();
    const QPalette::ColorRole role = mstp ? QPalette::Button : QPalette::Base;
    QPalette pal = ET_HelloTime->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(role));
    ET_HelloTime->setPalette(pal);
    ET_HelloTime->setEnabled(!mstp);
}

void TSTP_Info::BT_GetClick()
{
    if (!GetReported(*full_))
        return;
    const bool mstp = versionText_ == QLatin1String("mstp");
    if (mstp)
        GetReported(*mstpWrite_);
    GetReported(*version_);
    HelloTimeForMstp(mstp);
}

void TSTP_Info::Combo_STPVersionChange()
{
    const bool mstp = Combo_STPVersion->currentText() == QLatin1String("mstp");
    HelloTimeForMstp(mstp);
    if (!mstp)
        ET_HelloTime->setText(QStringLiteral("200"));
}

void TSTP_Info::BT_SetClick()
{
    for (const QLineEdit* e : {ET_Priority, ET_AgingTime, ET_ForwardDelay, ET_LBDRecover}) {
        if (e->text().isEmpty()) {
            Status(QString::fromUtf8(kEmptyFields));
            return;
        }
    }
    const QString chosen = Combo_STPVersion->currentText();
    try {
        const int maxHops = editNumber(ET_Priority);
        const int maxAge = editNumber(ET_AgingTime);
        const int forwardDelay = editNumber(ET_ForwardDelay);
        bool ok = false;
        int lbdRecover = ET_LBDRecover->text().trimmed().toInt(&ok);
        if (!ok)
            lbdRecover = -1;

        if (2 * forwardDelay - 200 < maxAge) {
            Status(QString::fromUtf8(kDataError));
            return;
        }
        if (maxHops > 65535) {
            Status(QStringLiteral("Priority value is wrong!"));
            return;
        }
        if (lbdRecover != 0 && (lbdRecover < 60 || lbdRecover > 1000000)) {
            Status(QStringLiteral("LBD recover time value is wrong!"));
            KvShowMessage({this, QString(), QStringLiteral("LBD recover time should be equal to 0 or between 60-1000000"),
                           QMessageBox::Ok, QMessageBox::NoIcon});
            return;
        }
        KvSNMPVarList& all = full_->Variables();
        if (chosen == QLatin1String("mstp")) {
            full_->ReadControls(-1);
            KvSNMPVarList& eight = mstpWrite_->Variables();
            for (int from = 0, to = 0; from < all.Count(); ++from)
                if (from != StpSetting::HelloTime)
                    eight.ItemAt(to++).Value = all.ItemAt(from).Value;
            mstpWrite_->Set(false, false);
        } else {
            if (ET_HelloTime->text().isEmpty()) {
                Status(QString::fromUtf8(kEmptyFields));
                return;
            }
            const int helloTime = editNumber(ET_HelloTime);
            if (maxAge < 2 * helloTime + 200) {
                Status(QString::fromUtf8(kDataError));
                return;
            }
            full_->Set(false, true);
        }
        // A version change keeps a running spanning tree busy for a while.
        if (chosen != versionText_ && stState->text() == QLatin1String("enabled")) {
            TProgressForm2 progress(this, this);
            progress.setWindowTitle(QStringLiteral("Set STP Progress"));
            progress.LB_Prompt->setText(QStringLiteral("Change STP Version is doing..."));
            TRunModal(progress);
        }
    } catch (const std::exception& e) {
        full_->ShowStatus(e.what());
    }
    versionText_ = chosen;
    if (versionChanged_)
        versionChanged_(chosen);
}

void OpenSTPInfo(const DialogRequest& request)
{
    TSTP_Info form(request.Window, DeviceDialogCaption(request, "Spanning Tree Control : "), request.StpVersion,
                   request.SetStpVersion);
    TRunModal(form);
}
