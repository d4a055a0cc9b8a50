#include "ConnectDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kAskOption = "--ask";

// The versions the dialog offers, as the /v switch numbers them.  SNMPv3 needs
// its user and keys, which the command line carries.
struct VersionChoice {
    const char* Label;
    int Version;
};
constexpr VersionChoice kVersions[] = {{"SNMPv1", 0}, {"SNMPv2c", 1}};

bool IsOfferedVersion(int version)
{
    return std::any_of(std::begin(kVersions), std::end(kVersions), [version](const VersionChoice& v) { return v.Version == version; });
}

// The command line's switches begin with "/": a value holding one could be
// read as another switch.
std::string CommunityProblem(const std::string& community, const char* which)
{
    if (community.empty())
        return std::string("The ") + which + " community is empty.";
    if (community.find('/') != std::string::npos)
        return std::string("The ") + which + " community cannot contain \"/\".";
    return {};
}

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

// Digits and dots only: meant as a dotted IPv4 address, never a host name.
bool LooksDotted(const std::string& address)
{
    return !address.empty() && address.find_first_not_of("0123456789.") == std::string::npos;
}

// Four decimal parts of 0 to 255, without the short and octal forms some
// resolvers accept ("10.1" or "010.0.0.1" would reach another host than meant).
bool IsDottedIPv4(const std::string& address)
{
    static const QRegularExpression dotted(QStringLiteral("^(0|[1-9][0-9]{0,2})(\\.(0|[1-9][0-9]{0,2})){3}$"));
    if (!dotted.match(Text(address)).hasMatch())
        return false;
    const QStringList parts = Text(address).split(QLatin1Char('.'));
    return std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.toInt() <= 255; });
}

std::string AddressFormProblem(const std::string& address)
{
    // A host name: labels of letters, digits and hyphens between dots.
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
    if (address.empty())
        return "Enter the switch's address.";
    if (LooksDotted(address)) {
        if (!IsDottedIPv4(address))
            return "The address \"" + address + "\" is not a dotted IPv4 address (four numbers from 0 to 255).";
        return {};
    }
    if (address.size() > 253 || !name.match(Text(address)).hasMatch())
        return "The address \"" + address + "\" is neither a dotted IPv4 address nor a host name.";
    return {};
}

constexpr const char* kRecentGroup = "RecentSwitches";

}  // namespace

bool TakeAskOption(std::vector<std::string>& args)
{
    const auto it = std::remove(args.begin(), args.end(), std::string(kAskOption));
    const bool given = it != args.end();
    args.erase(it, args.end());
    return given;
}

std::string ConnectProblem(const ConnectAnswers& a)
{
    if (std::string p = AddressFormProblem(a.Address); !p.empty())
        return p;
    if (a.Port < 1 || a.Port > 65535)
        return "The UDP port must lie between 1 and 65535.";
    if (!IsOfferedVersion(a.Version))
        return "The SNMP version must be SNMPv1 or SNMPv2c.";
    if (std::string p = CommunityProblem(a.ReadCommunity, "read"); !p.empty())
        return p;
    return CommunityProblem(a.WriteCommunity, "write");
}

std::vector<std::string> ConnectSwitches(const ConnectAnswers& a)
{
    return {"/I" + a.Address, "/t" + std::to_string(a.Port), "/v" + std::to_string(a.Version),
            "/R" + a.ReadCommunity, "/W" + a.WriteCommunity};
}

void LookUpAgentAddress(const std::string& address, QObject* context, std::function<void(const std::string& problem)> done)
{
    if (LooksDotted(address)) {
        done(IsDottedIPv4(address) ? std::string() : AddressFormProblem(address));
        return;
    }
    QHostInfo::lookupHost(Text(address), context, [address, done](const QHostInfo& info) {
        for (const QHostAddress& a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                done({});
                return;
            }
        }
        if (info.error() != QHostInfo::NoError)
            done("The host name \"" + address + "\" does not resolve: " + info.errorString().toStdString() + ".");
        else
            done("The host name \"" + address + "\" has no IPv4 address.");
    });
}

std::vector<RecentSwitch> ReadRecentSwitches(QSettings& settings)
{
    std::vector<RecentSwitch> recent;
    const int count = settings.beginReadArray(QLatin1String(kRecentGroup));
    for (int i = 0; i < count && static_cast<int>(recent.size()) < RecentSwitchCount; ++i) {
        settings.setArrayIndex(i);
        bool portOk = false;
        bool versionOk = false;
        RecentSwitch r{settings.value(QStringLiteral("Address")).toString().toStdString(),
                       settings.value(QStringLiteral("Port")).toInt(&portOk),
                       settings.value(QStringLiteral("Version")).toInt(&versionOk)};
        // The file is the user's to edit: an entry the dialog could not take is left out.
        ConnectAnswers check;
        check.Address = r.Address;
        check.Port = r.Port;
        check.Version = r.Version;
        if (portOk && versionOk && ConnectProblem(check).empty() && std::find(recent.begin(), recent.end(), r) == recent.end())
            recent.push_back(std::move(r));
    }
    settings.endArray();
    return recent;
}

void RememberSwitch(QSettings& settings, const ConnectAnswers& answers)
{
    std::vector<RecentSwitch> recent = ReadRecentSwitches(settings);
    std::erase_if(recent, [&answers](const RecentSwitch& r) {
        return QString::compare(Text(r.Address), Text(answers.Address), Qt::CaseInsensitive) == 0 && r.Port == answers.Port;
    });
    recent.insert(recent.begin(), RecentSwitch{answers.Address, answers.Port, answers.Version});
    if (static_cast<int>(recent.size()) > RecentSwitchCount)
        recent.resize(RecentSwitchCount);
    settings.remove(QLatin1String(kRecentGroup));
    settings.beginWriteArray(QLatin1String(kRecentGroup), static_cast<int>(recent.size()));
    for (int i = 0; i < static_cast<int>(recent.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("Address"), Text(recent[static_cast<std::size_t>(i)].Address));
        settings.setValue(QStringLiteral("Port"), recent[static_cast<std::size_t>(i)].Port);
        settings.setValue(QStringLiteral("Version"), recent[static_cast<std::size_t>(i)].Version);
    }
    settings.endArray();
    settings.sync();
}

std::unique_ptr<QSettings> ModuleUserSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("ksw4800"), QStringLiteral("ksw4800"));
}

TConnectDialog::TConnectDialog(const ConnectAnswers& start, std::vector<RecentSwitch> recent, AddressLookup lookup,
                               QWidget* parent)
    : QDialog(parent), recent_(std::move(recent)), lookup_(std::move(lookup))
{
    setWindowTitle(QStringLiteral("KSW-4800: Connect to a switch"));
    RecentCombo = new QComboBox(this);
    for (const RecentSwitch& r : recent_) {
        const char* version = r.Version == 1 ? "SNMPv2c" : "SNMPv1";
        RecentCombo->addItem(QStringLiteral("%1, port %2, %3").arg(Text(r.Address)).arg(r.Port).arg(QLatin1String(version)));
    }
    AddressEdit = new QLineEdit(Text(start.Address), this);
    PortSpin = new QSpinBox(this);
    PortSpin->setRange(1, 65535);
    PortSpin->setValue(std::clamp(start.Port, 1, 65535));
    VersionCombo = new QComboBox(this);
    for (const VersionChoice& v : kVersions) {
        VersionCombo->addItem(QString::fromLatin1(v.Label), v.Version);
        if (v.Version == start.Version)
            VersionCombo->setCurrentIndex(VersionCombo->count() - 1);
    }
    ReadCommunityEdit = new QLineEdit(Text(start.ReadCommunity), this);
    WriteCommunityEdit = new QLineEdit(Text(start.WriteCommunity), this);
    Problem = new QLabel(this);
    Problem->setWordWrap(true);
    Problem->setTextFormat(Qt::PlainText);
    Problem->hide();

    auto* form = new QFormLayout;
    if (!recent_.empty())
        form->addRow(QStringLiteral("Recent switches:"), RecentCombo);
    else
        RecentCombo->hide();
    form->addRow(QStringLiteral("Agent address:"), AddressEdit);
    form->addRow(QStringLiteral("UDP port:"), PortSpin);
    form->addRow(QStringLiteral("SNMP version:"), VersionCombo);
    form->addRow(QStringLiteral("Read community:"), ReadCommunityEdit);
    form->addRow(QStringLiteral("Write community:"), WriteCommunityEdit);
    auto* note = new QLabel(QStringLiteral("For SNMPv3, start the module with its switches (see ksw4800(1))."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &TConnectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TConnectDialog::reject);
    connect(RecentCombo, &QComboBox::activated, this, &TConnectDialog::ChooseRecent);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(Problem);
    layout->addWidget(buttons);

    if (!recent_.empty())
        ChooseRecent(0);
}

void TConnectDialog::ChooseRecent(int index)
{
    if (index < 0 || index >= static_cast<int>(recent_.size()))
        return;
    const RecentSwitch& r = recent_[static_cast<std::size_t>(index)];
    RecentCombo->setCurrentIndex(index);
    AddressEdit->setText(Text(r.Address));
    PortSpin->setValue(r.Port);
    VersionCombo->setCurrentIndex(std::max(0, VersionCombo->findData(r.Version)));
}

ConnectAnswers TConnectDialog::Answers() const
{
    ConnectAnswers a;
    a.Address = AddressEdit->text().trimmed().toStdString();
    a.Port = PortSpin->value();
    a.Version = VersionCombo->currentData().toInt();
    a.ReadCommunity = ReadCommunityEdit->text().toStdString();
    a.WriteCommunity = WriteCommunityEdit->text().toStdString();
    return a;
}

void TConnectDialog::ShowProblem(const std::string& problem)
{
    Problem->setText(Text(problem));
    Problem->show();
}

void TConnectDialog::accept()
{
    const ConnectAnswers answers = Answers();
    if (const std::string problem = ConnectProblem(answers); !problem.empty()) {
        ShowProblem(problem);
        return;
    }
    if (!lookup_) {
        QDialog::accept();
        return;
    }
    const int serial = ++lookupSerial_;
    OkButton->setEnabled(false);
    ShowProblem("Looking up " + answers.Address + " ...");
    lookup_(answers.Address, this, [this, serial, address = answers.Address](const std::string& problem) {
        if (serial != lookupSerial_)
            return;
        OkButton->setEnabled(true);
        // An address typed again meanwhile was not looked up: OK asks anew.
        if (Answers().Address != address) {
            Problem->hide();
            return;
        }
        if (!problem.empty()) {
            ShowProblem(problem);
            return;
        }
        Problem->hide();
        QDialog::accept();
    });
}

std::optional<std::vector<std::string>> AskConnection()
{
    const std::unique_ptr<QSettings> settings = ModuleUserSettings();
    TConnectDialog dialog({}, ReadRecentSwitches(*settings));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const ConnectAnswers answers = dialog.Answers();
    RememberSwitch(*settings, answers);
    return ConnectSwitches(answers);
}
