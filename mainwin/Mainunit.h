// The main window of the module: the front panel of the switch with its LEDs,
// the status bar of the LED polls and the main menu.
#pragma once

#include "binding/KvSNMPLedColorMap.h"
#include "defs/SwitchPorts.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class KvShape;
class KvSNMPRequest2Edits;
class KvSNMPRequest2Leds;
class KvStatusBar;
class QCloseEvent;
class QFrame;
class QLabel;
class TMainMenu;
class TMonitor;
class TPortHints;
class TSwitchIdentity;

// Colour maps of the front-panel LEDs.  They live as long as the process and
// are shared by every binding that shows a LED.
extern const KvSNMPLedColorMapList PortLedMap;     // 1 up: green, blinking; 2 down, 3 testing: black
extern const KvSNMPLedColorMapList PowerLedMap;    // any port status read: green
extern const KvSNMPLedColorMapList ConsoleLedMap;  // 2 in use: green
extern const KvSNMPLedColorMapList RpsLedMap;      // 3 working: green

// Left edge of the link LED of a port (1 ... KswPortCount) on the front panel: one
// LED per port.
int PortLedLeft(int port);

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // arguments: the command line without the program name.  Message boxes go
    // through the binding layer's message hook (KvShowMessage).
    explicit TMainForm(std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Brings the window to the front, restoring it when minimised.
    void BringForward();

    // True when start-up found nothing to do: the process ends without entering
    // its message loop.
    bool TerminateRequested() const { return terminateRequested_; }

    // Client-area size of the window as designed (that of Panel1).
    static constexpr int DesignedClientWidth = 874;
    static constexpr int DesignedClientHeight = 100;

    // Poll period of the front panel in tens of milliseconds; 500 polls every
    // five seconds.  Applies from the next SetUpFrontPanel on.
    static constexpr int DefaultPollPeriod = 500;
    static void SetFrontPanelPollPeriod(int period);
    static int FrontPanelPollPeriod();
    // With polling off, SetUpFrontPanel builds the LEDs but sends nothing (for
    // windows made without an agent to talk to).
    static void SetFrontPanelPolling(bool enabled);

    // (Re)builds the three LED bindings, places the LEDs and starts polling.
    void SetUpFrontPanel();
    // Enables the RMON items after the agent's RMON state.
    void RMON1Click();
    // Builds the front panel afresh, with an immediate poll.
    void RefreshClick();
    // Opens the view of a port's settings (1 ... KswPortCount) with its row selected.
    void OpenPortView(int port);
    // Empty, or why the views may show nothing: the agent does not identify as
    // a KSW-4800.  Said once in the status bar and in the About box.
    const QString& IdentityWarning() const { return identityWarning_; }

    // The hints of the port LEDs.
    TPortHints* PortHints() const { return portHints_.get(); }
    // The traffic monitor: its windows and the flap marks on the LEDs.
    TMonitor* Monitor() const { return monitor_.get(); }

    // Chooses a menu item as the user would, once the message loop runs.  An
    // item the user could not choose is refused with an error box.
    void ChooseMenuItemLater(const QString& item);

    // The front panel's bindings (null before the first SetUpFrontPanel).
    KvSNMPRequest2Leds* PortLedBinding() const { return portLedBinding_.get(); }
    KvSNMPRequest2Leds* ConsoleLedBinding() const { return consoleLedBinding_.get(); }
    KvSNMPRequest2Leds* RpsLedBinding() const { return rpsLedBinding_.get(); }

    QFrame* Panel1 = nullptr;
    QLabel* Image = nullptr;
    // LinkShape_Port[0] is the LED of port 1.
    std::array<KvShape*, KswPortCount> LinkShape_Port{};
    KvShape* PowerLed = nullptr;
    KvShape* ConsoleLed = nullptr;
    KvShape* RPSLed = nullptr;
    KvStatusBar* StatusBar = nullptr;
    // Hidden value holders: the spanning-tree version for its dialog, the RMON state.
    QLabel* stSTP = nullptr;
    QLabel* ST_RmonState = nullptr;
    std::unique_ptr<TMainMenu> MainMenu;

protected:
    // Every way of closing asks "Are you sure to exit?" first.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void FormCreate();
    void LoadMessageCatalogues();
    void ShowError(const QString& text);
    void StopFrontPanel();
    void Identified(const std::string& sysName, bool isKsw);

    std::vector<std::string> arguments_;
    bool terminateRequested_ = false;
    std::unique_ptr<KvSNMPRequest2Leds> portLedBinding_;
    std::unique_ptr<KvSNMPRequest2Leds> consoleLedBinding_;
    std::unique_ptr<KvSNMPRequest2Leds> rpsLedBinding_;
    std::unique_ptr<TPortHints> portHints_;
    std::unique_ptr<TMonitor> monitor_;
    std::unique_ptr<TSwitchIdentity> identity_;
    QString identityWarning_;
    // Held while the RMON check runs.
    std::unique_ptr<KvSNMPRequest2Edits> rmonBinding_;
};
