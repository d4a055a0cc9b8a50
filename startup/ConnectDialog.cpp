#include "ConnectDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
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
    // A dotted IPv4 address or a host name: labels of letters, digits and
    // hyphens between dots.
    static const QRegularExpression address(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
    if (a.Address.empty())
        return "Enter the switch's address.";
    if (a.Address.size() > 253 || !address.match(Text(a.Address)).hasMatch())
        return "The address \"" + a.Address + "\" is neither a dotted IPv4 address nor a host name.";
    if (a.Port < 1 || a.Port > 65535)
        return "The UDP port must lie between 1 and 65535.";
    if (std::none_of(std::begin(kVersions), std::end(kVersions), [&a](const VersionChoice& v) { return v.Version == a.Version; }))
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

TConnectDialog::TConnectDialog(const ConnectAnswers& start, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("KSW-4800: Connect to a switch"));
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
    Problem->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Agent address:"), AddressEdit);
    form->addRow(QStringLiteral("UDP port:"), PortSpin);
    form->addRow(QStringLiteral("SNMP version:"), VersionCombo);
    form->addRow(QStringLiteral("Read community:"), ReadCommunityEdit);
    form->addRow(QStringLiteral("Write community:"), WriteCommunityEdit);
    auto* note = new QLabel(QStringLiteral("For SNMPv3, start the module with its switches (see ksw4800(1))."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TConnectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TConnectDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(Problem);
    layout->addWidget(buttons);
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

void TConnectDialog::accept()
{
    const std::string problem = ConnectProblem(Answers());
    if (!problem.empty()) {
        Problem->setText(Text(problem));
        Problem->show();
        return;
    }
    QDialog::accept();
}

std::optional<std::vector<std::string>> AskConnection()
{
    TConnectDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ConnectSwitches(dialog.Answers());
}
