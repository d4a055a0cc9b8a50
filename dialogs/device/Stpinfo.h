// The spanning-tree dialog: the bridge's protocol version, timers, hop and
// hold counts, BPDU forwarding and loopback detection, written only when the
// timer relations the protocol needs hold.  In MSTP the Hello Time is neither
// shown nor sent.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TSTP_Info : public QDialog {
    Q_OBJECT
public:
    // versionText: the switch's version label as the main window read it
    // ("stp", "rstp", "mstp"); versionChanged, when given, hears every new
    // label a Set leaves behind.
    TSTP_Info(QWidget* owner, const QString& caption, const QString& versionText,
              std::function<void(const QString&)> versionChanged = {});
    ~TSTP_Info() override;

    QComboBox* Combo_STPVersion = nullptr;
    QLineEdit* ET_AgingTime = nullptr;
    QLineEdit* ET_HelloTime = nullptr;
    QLineEdit* ET_ForwardDelay = nullptr;
    QLineEdit* ET_Priority = nullptr;
    QLineEdit* ED_TxHoldCount = nullptr;
    QComboBox* Combo_BPDU = nullptr;
    QComboBox* Combo_LBD = nullptr;
    QLineEdit* ET_LBDRecover = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    KvStatusBar* StatusBar = nullptr;
    // Hidden: the version and the spanning-tree state as last read.
    QLabel* stVersion = nullptr;
    QLabel* stState = nullptr;

    // The version label the dialog works with (the main window's, updated by Set).
    const QString& VersionText() const { return versionText_; }
    QString StatusText() const;

    void BT_GetClick();
    void BT_SetClick();
    // The user chose another version.
    void Combo_STPVersionChange();

private:
    // In MSTP the Hello Time edit is empty, closed and button-face coloured;
    // otherwise open in the window colour.
    void HelloTimeForMstp(bool mstp);
    void Status(const QString& text);
    bool GetReported(KvSNMPRequest2Edits& binding);

    std::unique_ptr<KvSNMPRequest2Edits> full_;
    std::unique_ptr<KvSNMPRequest2Edits> mstpWrite_;
    std::unique_ptr<KvSNMPRequest2Edits> version_;
    QString versionText_;
    std::function<void(const QString&)> versionChanged_;
};
