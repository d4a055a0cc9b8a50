// The SNMP connection settings: a dialog that rewrites the per-agent
// configuration file with the version and credentials the user picks, and the
// command that runs the host's user-configuration tool and then reads the
// file again.
#pragma once

#include <QDialog>
#include <QString>

#include <string>

class KvRadioGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// The question asked after the dialog wrote other settings than the module runs with.
inline constexpr const char* SwitchVersionQuestion =
    "SNMP Version has been modified!\nIf you want to run the module in new version,please rerun it again.\n\n"
    "Switch to new version?";

class TfrmConfigSNMP : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConfigSNMP(QWidget* owner);

    QScrollArea* sbxConfigSNMP = nullptr;
    QLabel* lblIP = nullptr;
    QLineEdit* edtPort = nullptr;
    KvRadioGroup* rgpSNMPVersion = nullptr;
    QComboBox* cbxSecurityName = nullptr;
    QComboBox* cbxSecurityLevel = nullptr;
    QComboBox* cbxAuthProtocol = nullptr;
    QLineEdit* edtAuthPass = nullptr;
    QComboBox* cbxPrivProtocol = nullptr;
    QLineEdit* edtPrivPass = nullptr;
    QLineEdit* edtContext = nullptr;
    QLineEdit* edtContextEngine = nullptr;
    QLineEdit* edtCommunity = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnExit = nullptr;

    // Set by OK when the file now differs from what the module runs with in
    // version or (for SNMPv3) user.
    bool VersionChanged() const { return versionChanged_; }

    void rgpSNMPVersionClick();
    void btnOkClick();

private:
    // The fields show the settings the module runs with.
    void ShowRunningSettings();
    void ShowVersionFields(bool v3);

    bool versionChanged_ = false;
};

// The user-configuration tool the host installs beside the module or in its
// own program folder; empty when neither has it.
std::string FindUsmSetup();
