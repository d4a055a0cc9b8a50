#include "dialogs/device/Snmpconfig.h"
#include "dialogs/device/DeviceOpeners.h"

#include "binding/KvControls.h"
#include "binding/KvUserNotice.h"
#include "startup/ModuleConfigurationFile.h"
#include "startup/ModuleStartup.h"
#include "views/Viewmodal.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPalette>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTime>
#include <QVBoxLayout>

namespace {

enum Version { V1 = 0, V2c = 1, V3 = 2 };

// List positions are what the file stores; the SHA-2 and AES entries follow
// the original ones so that the stored numbers keep their meaning.
const QStringList kSecurityNames = {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User", "SHA_DES_User",
                                    "SHA256_AES_User"};
const QStringList kSecurityLevels = {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"};
const QStringList kAuthProtocols = {"None", "HMACMD5", "HMAC_SHA", "HMAC_SHA224", "HMAC_SHA256", "HMAC_SHA384",
                                    "HMAC_SHA512"};
const QStringList kPrivProtocols = {"None", "CBC_DES", "CBC_IDEA", "CFB_AES128", "CFB_AES192", "CFB_AES256"};
constexpr const char* kIdea = "CBC_IDEA";

QComboBox* comboOf(QWidget* parent, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

// The position of the shown text in the list, -1 for a text of no item.
int indexOfText(const QComboBox* c)
{
    return c->findText(c->currentText(), Qt::MatchExactly);
}

void setFieldColour(QWidget* w, bool enabled)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(enabled ? QPalette::Base : QPalette::Button));
    w->setPalette(pal);
}

// A number of the connection texts; 0 (no list item) for a text that is none.
int runningNumber(const std::string& text)
{
    bool ok = false;
    const int n = QString::fromStdString(text).toInt(&ok);
    return ok ? n : 0;
}

QString exeName(const char* base)
{
#ifdef Q_OS_WIN
    return QString::fromUtf8(base) + QStringLiteral(".EXE");
#else
    return QString::fromUtf8(base);
#endif
}

} // namespace

TfrmConfigSNMP::TfrmConfigSNMP(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Device SNMP Configure"));
    sbxConfigSNMP = new QScrollArea(this);
    sbxConfigSNMP->setWidgetResizable(true);
    auto* box = new QWidget;
    sbxConfigSNMP->setWidget(box);

    lblIP = new QLabel(QString::fromStdString(MainTexts.AgentIP), box);
    edtPort = new QLineEdit(QStringLiteral("161"), box);
    rgpSNMPVersion = new KvRadioGroup(QStringLiteral("SNMP Version"), box);
    rgpSNMPVersion->SetColumns(3);
    rgpSNMPVersion->SetItems({QStringLiteral("SNMPv1"), QStringLiteral("SNMPv2c"), QStringLiteral("SNMPv3")});
    cbxSecurityName = comboOf(box, kSecurityNames);
    cbxSecurityLevel = comboOf(box, kSecurityLevels);
    cbxAuthProtocol = comboOf(box, kAuthProtocols);
    edtAuthPass = new QLineEdit(box);
    cbxPrivProtocol = comboOf(box, kPrivProtocols);
    edtPrivPass = new QLineEdit(box);
    edtContext = new QLineEdit(QStringLiteral("rdcomm"), box);
    edtContextEngine = new QLineEdit(box);
    edtCommunity = new QLineEdit(QStringLiteral("wrcommx"), box);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnExit = new QPushButton(QStringLiteral("Exit"), this);

    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("IP : "), lblIP);
    form->addRow(QStringLiteral("Port : "), edtPort);
    form->addRow(rgpSNMPVersion);
    form->addRow(QStringLiteral("Security Name : "), cbxSecurityName);
    form->addRow(QStringLiteral("Security Level : "), cbxSecurityLevel);
    form->addRow(QStringLiteral("Auth Protocol : "), cbxAuthProtocol);
    form->addRow(QStringLiteral("Auth Password : "), edtAuthPass);
    form->addRow(QStringLiteral("Priv Protocol : "), cbxPrivProtocol);
    form->addRow(QStringLiteral("Priv Password : "), edtPrivPass);
    form->addRow(QStringLiteral("Context Name : "), edtContext);
    form->addRow(QStringLiteral("Context Engine ID :  "), edtContextEngine);
    form->addRow(QStringLiteral("Write Community String : "), edtCommunity);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sbxConfigSNMP);
    layout->addLayout(buttons);
    resize(420, 480);

    ShowRunningSettings();
    connect(rgpSNMPVersion, &KvRadioGroup::ItemIndexChanged, this, &TfrmConfigSNMP::rgpSNMPVersionClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfigSNMP::btnOkClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmConfigSNMP::ShowRunningSettings()
{
    // The file the dialog writes overrides the command line at the next start:
    // starting from anything but the settings in force would make an OK without
    // a change switch the module to other ones.
    const ConnectionTexts& running = MainTexts;
    const Version version = running.Version == "1" ? V2c : running.Version == "3" ? V3 : V1;
    rgpSNMPVersion->SetItemIndex(version);
    if (!running.AgentPort.empty())
        edtPort->setText(QString::fromStdString(running.AgentPort));
    if (version == V3) {
        edtContext->setText(QString::fromStdString(running.ContextName));
        edtCommunity->clear();
    } else {
        edtContext->setText(QString::fromStdString(running.GetCommStr));
        edtCommunity->setText(QString::fromStdString(running.SetCommStr));
    }
    cbxSecurityName->setCurrentText(QString::fromStdString(running.SecurityName));
    const std::pair<QComboBox*, int> choices[] = {
        {cbxSecurityLevel, IndexFromSecurityLevel(runningNumber(running.SecurityLevel))},
        {cbxAuthProtocol, IndexFromAuthProtocol(runningNumber(running.AuthProtocol))},
        {cbxPrivProtocol, IndexFromPrivProtocol(runningNumber(running.PrivProtocol))},
    };
    for (const auto& [combo, item] : choices)
        if (item >= 0 && item < combo->count())
            combo->setCurrentIndex(item);
    edtAuthPass->setText(QString::fromStdString(running.AuthPassword));
    edtPrivPass->setText(QString::fromStdString(running.PrivPassword));
    edtContextEngine->setText(QString::fromStdString(running.ContextEngineID));
    ShowVersionFields(version == V3);
}

void TfrmConfigSNMP::ShowVersionFields(bool v3)
{
    for (QComboBox* c : {cbxSecurityName, cbxAuthProtocol, cbxPrivProtocol, cbxSecurityLevel}) {
        c->setEnabled(v3);
        setFieldColour(c, v3);
    }
    for (QLineEdit* e : {edtAuthPass, edtPrivPass, edtContextEngine}) {
        e->setReadOnly(!v3);
        setFieldColour(e, v3);
    }
}

void TfrmConfigSNMP::rgpSNMPVersionClick()
{
    const bool v3 = rgpSNMPVersion->ItemIndex() == V3;
    ShowVersionFields(v3);
    edtContext->setText(v3 ? QString() : QStringLiteral("rdcomm"));
    edtCommunity->setText(v3 ? QString() : QStringLiteral("wrcommx"));
}

void TfrmConfigSNMP::btnOkClick()
{
    const int choice = rgpSNMPVersion->ItemIndex();
    const bool v3 = choice == V3;
    if (v3) {
        const std::pair<QComboBox*, const char*> required[] = {
            {cbxSecurityName, "SecurityName is empty!"},
            {cbxSecurityLevel, "SecurityLevel is empty!"},
            {cbxAuthProtocol, "AuthProtocol is empty!"},
            {cbxPrivProtocol, "PrivProtocol is empty!"},
        };
        for (const auto& [combo, message] : required) {
            if (combo->currentText().isEmpty()) {
                KvShowAppMessage(this, QString::fromUtf8(message));
                return;
            }
        }
    }
    // The engine has no IDEA: a file asking for it would leave the module
    // unable to reach the agent the next time it starts.
    if (cbxPrivProtocol->currentText() == QLatin1String(kIdea)) {
        KvShowAppMessage(this, QStringLiteral("CBC_IDEA is not supported: please choose another Priv Protocol."));
        return;
    }

    ModuleConfigurationRecord r;
    r.AgentIP = lblIP->text().toStdString();
    r.AgentPort = edtPort->text().toStdString();
    r.Version = choice == V2c ? 1 : v3 ? 3 : 0;
    r.SecurityName = cbxSecurityName->currentText().toStdString();
    r.AuthPassword = edtAuthPass->text().toStdString();
    r.PrivPassword = edtPrivPass->text().toStdString();
    r.AuthProtocol = indexOfText(cbxAuthProtocol);
    r.PrivProtocol = indexOfText(cbxPrivProtocol);
    r.ContextEngineID = edtContextEngine->text().toStdString();
    r.SecurityLevel = indexOfText(cbxSecurityLevel);
    r.ContextName = edtContext->text().toStdString();
    r.GetCommStr = r.ContextName;
    r.SetCommStr = edtCommunity->text().toStdString();
    const QLocale locale = QLocale::system();
    r.UpdateDate = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    r.UpdateTime = locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString();

    // Written where start-up reads it; an address that could name another
    // file has no configuration file.
    const std::optional<std::string> path = ModuleConfigurationPath(r.AgentIP);
    std::string error;
    if (!path || !WriteModuleConfigurationFile(*path, r, error)) {
        KvShowAppMessage(this, QStringLiteral("Create file error!\n%1\n%2")
                                   .arg(QString::fromStdString(path.value_or(r.AgentIP + ".cfg")),
                                        QString::fromStdString(path ? error : "No configuration folder for this address.")));
        return;
    }

    const std::string& running = MainTexts.Version;
    if (running.empty() || running == "0")
        versionChanged_ = r.Version != 0;
    else if (running == "1")
        versionChanged_ = r.Version != 1;
    else if (running == "3")
        versionChanged_ = r.Version != 3 || r.SecurityName != MainTexts.SecurityName;
    accept();
}

void OpenConfigSNMP(const DialogRequest& request)
{
    bool changed = false;
    {
        TfrmConfigSNMP form(request.Window);
        TRunModal(form);
        changed = form.VersionChanged();
    }
    if (!changed)
        return;
    const auto answer = KvShowMessage({request.Window, KvExecutableFileName(), QString::fromUtf8(SwitchVersionQuestion),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Question});
    if (answer == QMessageBox::Yes && request.Window)
        request.Window->close();
}

std::string FindUsmSetup()
{
    QStringList folders{QString::fromStdString(ExeFolder())};
    const QSettings host(QStringLiteral("Korvane"), QStringLiteral("Zantiv5.1"));
    const QString installPath = host.value(QStringLiteral("ExePath/Path")).toString();
    if (!installPath.isEmpty())
        folders << installPath;
    for (const QString& folder : folders) {
        const QFileInfo tool(folder + QLatin1Char('/') + exeName("UsmSetup"));
        if (tool.isFile() && tool.isExecutable())
            return tool.absoluteFilePath().toStdString();
    }
    return {};
}

void RunUsmSetup(const DialogRequest& request)
{
    const std::string tool = FindUsmSetup();
    // The windows stay usable while the tool runs: the main window may be gone
    // when it ends.
    const QPointer<QWidget> owner = request.Window;
    if (tool.empty()) {
        KvShowAppMessage(owner, QStringLiteral("The SNMPv3 user configuration tool %1 was not found beside the module "
                                               "or in the host's program folder.")
                                    .arg(exeName("UsmSetup")));
        return;
    }
    // The tool is told the agent and, in quotes on its command line, the
    // module's folder, where it keeps the configuration file.
    QProcess process;
    process.setProgram(QString::fromStdString(tool));
    process.setArguments({QStringLiteral("/I") + QString::fromStdString(MainTexts.AgentIP),
                          QStringLiteral("/S") + QString::fromStdString(ExeFolder())});
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop wait;
    QObject::connect(&process, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &wait, [&wait](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart || e == QProcess::Crashed)
            wait.quit();
    });
    process.start();
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        wait.exec();   // the windows keep painting and answering while the tool runs
    if (process.error() == QProcess::FailedToStart) {
        KvShowAppMessage(owner, QStringLiteral("%1 could not be started: %2")
                                    .arg(QString::fromStdString(tool), process.errorString()));
        return;
    }
    LoadModuleConfiguration(MainTexts.AgentIP);
    if (request.RebuildFrontPanel && (owner || !request.Window))
        request.RebuildFrontPanel();
}
