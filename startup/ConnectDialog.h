// The question a module started without an agent asks, as from the desktop's
// menu ("ksw4800 --ask"): which switch, on which port, with which SNMP version
// and communities.  The answers become the switches the command line would
// have carried, so that start-up goes on exactly as if they had been given.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
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
// The address is only checked for its form here; whether it names a host is
// the lookup's question.
std::string ConnectProblem(const ConnectAnswers& answers);
// The command-line switches that say the same as the answers.
std::vector<std::string> ConnectSwitches(const ConnectAnswers& answers);

// Finds out whether an address names an agent the module can reach: calls done
// once, with an empty text when it does and otherwise with why not.  done may
// be called before the lookup returns or later from the event loop; it is
// never called after the context object is destroyed.
using AddressLookup = std::function<void(const std::string& address, QObject* context,
                                         std::function<void(const std::string& problem)> done)>;
// Dotted IPv4 addresses are taken as they are; a host name is asked of the
// system's resolver and must have an IPv4 address.
void LookUpAgentAddress(const std::string& address, QObject* context,
                        std::function<void(const std::string& problem)> done);

// The switches the dialog was last given, most recent first, at most five:
// address, port and version only (communities are credentials and stay out of
// the settings).  One address and port is one switch.
struct RecentSwitch {
    std::string Address;
    int Port = 161;
    int Version = 0;
    bool operator==(const RecentSwitch&) const = default;
};
inline constexpr int RecentSwitchCount = 5;
std::vector<RecentSwitch> ReadRecentSwitches(QSettings& settings);
// Puts the answers first, drops an older entry for the same switch and the
// ones beyond five, and writes the list.
void RememberSwitch(QSettings& settings, const ConnectAnswers& answers);
// The user's settings of the module (~/.config/ksw4800/ksw4800.conf).
std::unique_ptr<QSettings> ModuleUserSettings();

class TConnectDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with the most recent switch when there is one, otherwise with start.
    explicit TConnectDialog(const ConnectAnswers& start = {}, std::vector<RecentSwitch> recent = {},
                            AddressLookup lookup = LookUpAgentAddress, QWidget* parent = nullptr);

    ConnectAnswers Answers() const;
    // OK is taken only with answers that can be used and an address that
    // resolves; otherwise the dialog stays open and says why.  While the
    // address is looked up OK waits.
    void accept() override;

    QComboBox* RecentCombo = nullptr;   // hidden without recent switches
    QLineEdit* AddressEdit = nullptr;
    QSpinBox* PortSpin = nullptr;
    QComboBox* VersionCombo = nullptr;
    QLineEdit* ReadCommunityEdit = nullptr;
    QLineEdit* WriteCommunityEdit = nullptr;
    QLabel* Problem = nullptr;
    QPushButton* OkButton = nullptr;

private:
    void ChooseRecent(int index);
    void ShowProblem(const std::string& problem);

    std::vector<RecentSwitch> recent_;
    AddressLookup lookup_;
    // Answers given while a lookup runs belong to the last OK.
    int lookupSerial_ = 0;
};

// Asks, with the recent switches of the user's settings, and remembers the
// switch taken; nothing when the user cancels.
std::optional<std::vector<std::string>> AskConnection();
