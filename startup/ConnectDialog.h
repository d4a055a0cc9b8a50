// The question a module started without an agent asks, as from the desktop's
// menu ("ksw4800 --ask"): which switch, on which port, with which SNMP version
// and communities.  The answers become the switches the command line would
// have carried, so that start-up goes on exactly as if they had been given.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

struct ConnectAnswers {
    std::string Address = "127.0.0.1";
    int Port = 161;
    int Version = 0;   // 0 SNMPv1, 1 SNMPv2c
    std::string ReadCommunity = "rdcomm";
    std::string WriteCommunity = "wrcommx";
};

// Takes "--ask" out of the arguments; true when it was there.
bool TakeAskOption(std::vector<std::string>& args);

// Why the answers cannot be used, as the dialog says it; empty when they can.
std::string ConnectProblem(const ConnectAnswers& answers);
// The command-line switches that say the same as the answers.
std::vector<std::string> ConnectSwitches(const ConnectAnswers& answers);

class TConnectDialog : public QDialog {
    Q_OBJECT
public:
    explicit TConnectDialog(const ConnectAnswers& start = {}, QWidget* parent = nullptr);

    ConnectAnswers Answers() const;
    // OK is taken only with answers that can be used; otherwise the dialog
    // stays open and says why.
    void accept() override;

    QLineEdit* AddressEdit = nullptr;
    QSpinBox* PortSpin = nullptr;
    QComboBox* VersionCombo = nullptr;
    QLineEdit* ReadCommunityEdit = nullptr;
    QLineEdit* WriteCommunityEdit = nullptr;
    QLabel* Problem = nullptr;
};

// Asks; nothing when the user cancels.
std::optional<std::vector<std::string>> AskConnection();
