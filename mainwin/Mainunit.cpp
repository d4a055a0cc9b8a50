#include "Mainunit.h"

#include "ConfigurationMenu.h"
#include "FrontPanelPicture.h"
#include "KswResources.h"
#include "MainMenu.h"
#include "PortHint.h"
#include "SwitchIdentity.h"
#include "ViewCatalogue.h"
#include "monitorwin/Monitor.h"
#include "defs/ViewDefinitions.h"
#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvSNMPRequest2Leds.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvTextUtil.h"
#include "startup/ModuleStartup.h"
#include "startup/ShippedFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::int32_t Green = 0x00FF00;
constexpr std::int32_t Black = 0x000000;
constexpr std::int32_t EndOfColours = -1;

constexpr KvLedColorDef kPortColours[] = {{1, Green}, {2, Black}, {3, Black}, {0, EndOfColours}};
constexpr KvLedColorDef kPowerColours[] = {{1, Green}, {2, Green}, {3, Green}, {0, EndOfColours}};
constexpr KvLedColorDef kConsoleColours[] = {{1, Black}, {2, Green}, {3, Black}, {0, EndOfColours}};
constexpr KvLedColorDef kRpsColours[] = {{3, Green}, {4, Black}, {0, EndOfColours}};

int pollPeriod = TMainForm::DefaultPollPeriod;
bool pollingEnabled = true;

KvShape* MakeLed(KvShape::Form form, int size, QWidget* parent, const QString& name, const QColor& colour)
{
    auto* led = new KvShape(form, parent);
    led->setObjectName(name);
    led->setFixedSize(size, size);
    led->SetColors(colour, colour);
    return led;
}

QLabel* MakeHiddenText(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* text = new QLabel(name, parent);
    text->setObjectName(name);
    text->setGeometry(geometry);
    text->hide();
    return text;
}

// The binding's list takes the record's kind; its object gets the instance.
void AddStatusVariable(KvSNMPRequest2Leds& binding, const DefinitionBinding& table, const std::string& instance = {})
{
    const KvSNMPVarDef& d = table.Defs[0];
    binding.Variables().ItemType = table.Kind;
    binding.Variables().AppendItem(d.Oid + instance, d.Caption, d.Syntax, d.Access, d.Options);
}

} // namespace

const KvSNMPLedColorMapList PortLedMap(kPortColours, 255, 1, Black, Black);
const KvSNMPLedColorMapList PowerLedMap(kPowerColours, 255, 0, Black, Black);
const KvSNMPLedColorMapList ConsoleLedMap(kConsoleColours, 255, 0, Black, Black);
const KvSNMPLedColorMapList RpsLedMap(kRpsColours, 255, 0, Black, Black);

// Three groups of 16 ports, 228 pixels apart, one port every 13.7 pixels; the
// last two ports stand on their own.  The step is the double nearest 13.7, a
// little below it, and the sum is truncated as formed exactly: port 11 sits at
// 226, not 227.  Exact integers on the step's 53-bit mantissa keep it so.
int PortLedLeft(int port)
{
    if (port == KswPortCount - 1)
        return 778;
    if (port == KswPortCount)
        return 817;
    const int n = port - 1;
    constexpr int fractionBits = 49;   // 13.7 < 2^4: its mantissa scaled to a whole number
    static const auto step = static_cast<std::uint64_t>(std::ldexp(13.7, fractionBits));
    const std::uint64_t offset = (static_cast<std::uint64_t>(n % 16) * step) >> fractionBits;
    return 90 + 228 * (n / 16) + static_cast<int>(offset);
}

void TMainForm::SetFrontPanelPollPeriod(int period)
{
    pollPeriod = period;
}

int TMainForm::FrontPanelPollPeriod()
{
    return pollPeriod;
}

void TMainForm::SetFrontPanelPolling(bool enabled)
{
    pollingEnabled = enabled;
}

TMainForm::TMainForm(std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), arguments_(std::move(arguments))
{
    CreateComponents();
    FormCreate();
}

TMainForm::~TMainForm()
{
    // Every timer stops before any binding waits for its outstanding answers, so
    // that no poll starts while the others drain.
    StopFrontPanel();
    monitor_.reset();
    identity_.reset();
    portHints_.reset();
    portLedBinding_.reset();
    consoleLedBinding_.reset();
    rpsLedBinding_.reset();
}

void TMainForm::StopFrontPanel()
{
    for (KvSNMPRequest2Leds* b : {portLedBinding_.get(), consoleLedBinding_.get(), rpsLedBinding_.get()})
        if (b)
            b->StopPolling();
}

// The window as designed: the front-panel picture fills Panel1 with the LEDs
// on it and the status bar below it; two hidden texts outside the panel.
void TMainForm::CreateComponents()
{
    setWindowTitle(QString::fromLatin1(MainCaptionBase));
    setWindowIcon(ModuleIcon());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setMinimumSize(DesignedClientWidth, DesignedClientHeight);
    setCentralWidget(Panel1);

    Image = new QLabel(Panel1);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(1, 1, 872, 77);
    Image->setFixedSize(872, 77);

    for (int p = 1; p <= KswPortCount; ++p) {
        KvShape* led = MakeLed(KvShape::Form::Rectangle, 7, Panel1, QStringLiteral("LinkShape_Port%1").arg(p), Qt::black);
        led->move(PortLedLeft(p), 6);
        LinkShape_Port[static_cast<std::size_t>(p - 1)] = led;
    }
    portHints_ = std::make_unique<TPortHints>(this, LinkShape_Port, [this](int port) { OpenPortView(port); });
    // The panel is watched while other windows are worked in: a port's hint
    // shows without the window being activated first.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    PowerLed = MakeLed(KvShape::Form::Circle, 11, Panel1, QStringLiteral("PowerLed"), Qt::black);
    PowerLed->move(45, 33);
    ConsoleLed = MakeLed(KvShape::Form::Circle, 11, Panel1, QStringLiteral("ConsoleLed"), Qt::gray);
    ConsoleLed->move(45, 43);
    RPSLed = MakeLed(KvShape::Form::Circle, 11, Panel1, QStringLiteral("RPSLed"), Qt::black);
    RPSLed->move(45, 56);

    StatusBar = new KvStatusBar(Panel1);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setGeometry(1, 78, 872, 21);
    // One panel, reaching across the bar as the last panel of a status bar
    // does: at its nominal 50 pixels every error line would be cut to a word.
    StatusBar->AddPanel(StatusBar->width() - 4);

    ShowFrontPanelPicture(*Image, [this](const QString& why) { StatusBar->SetPanelText(0, why); });

    stSTP = MakeHiddenText(this, QStringLiteral("stSTP"), QRect(112, 40, 33, 17));
    ST_RmonState = MakeHiddenText(this, QStringLiteral("ST_RmonState"), QRect(168, 32, 77, 17));

    MainMenu = std::make_unique<TMainMenu>(*this);
    AddConfigurationMenu(*this);

    monitor_ = std::make_unique<TMonitor>(this, LinkShape_Port);
    if (QAction* marks = MainMenu->Action(QStringLiteral("FlapMarks"))) {
        marks->setCheckable(true);
        marks->setChecked(monitor_->FlapMarks());
    }
    portHints_->SetExtraLine([this](int port) { return monitor_->FlapHintLine(port); });
}

// The start-up sequence.  The order is fixed: the session comes before the
// catalogues (its errors are shown with the built-in texts), the catalogues
// before the command line, the command line before the configuration file (the
// file's values win), the front panel before the caption, the SNMPv3 menu rule
// last.  A failing step is shown in an error box and ends the sequence; the
// window still opens.
void TMainForm::FormCreate()
{
    // Frame: sizeable, no maximise button, client area the size of Panel1.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(DesignedClientWidth, DesignedClientHeight + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }

    try {
        // The boots file of the local SNMPv3 engine lies in the current directory.
        CreateGlobalSession("");

        LocalConfigMode = ExeFolderName() == LocalConfigFolderName;
        MainMenu->ApplyLocalConfigMode(LocalConfigMode);

        LoadMessageCatalogues();

        DefaultTimeout = KvModuleTimeout;

        if (arguments_.empty()) {
            KvShowAppMessage(this, QString::fromStdString(NoParameterText()));
            // The process ends instead of entering its message loop; the rest of the
            // sequence still runs.
            terminateRequested_ = true;
        }

        ParseCommandLine(arguments_);
        FillConnectionTexts();
        LoadModuleConfiguration(MainTexts.AgentIP);

        SetUpFrontPanel();

        setWindowTitle(MainWindowTitle(MainTexts.AgentIP, DefaultDevice.Port, KvNullText));

        MainMenu->ApplySnmpVersion(DefaultSecurity.Version);

        // The agent's name and kind complete the title once it has answered; an
        // agent not answering yet is asked again at the panel's poll period.
        if (pollingEnabled && !terminateRequested_) {
            identity_ = std::make_unique<TSwitchIdentity>(
                this, pollPeriod * 10, [this](const std::string& sysName, bool isKsw) { Identified(sysName, isKsw); });
            identity_->Read();
        }
    } catch (const std::exception& e) {
        // The window opens all the same, unpolled: its status bar says why.
        const QString text = QString::fromUtf8(e.what());
        StatusBar->SetPanelText(0, text);
        ShowError(text);
    }
}

void TMainForm::Identified(const std::string& sysName, bool isKsw)
{
    setWindowTitle(MainWindowTitle(MainTexts.AgentIP, DefaultDevice.Port, sysName));
    if (isKsw || !identityWarning_.isEmpty())
        return;
    // A panel of its own at the bar's right end: the polls rewrite the first
    // panel every few seconds, and the warning must stay readable.
    identityWarning_ = QString::fromLatin1(NotKswWarningText);
    const int warningWidth = StatusBar->fontMetrics().horizontalAdvance(identityWarning_) + 12;
    StatusBar->SetPanelWidth(0, std::max(0, StatusBar->PanelWidth(0) - warningWidth));
    StatusBar->AddPanel(warningWidth, identityWarning_);
}

void TMainForm::LoadMessageCatalogues()
{
    LoadCatalogues(ShippedFilePath("errMSg"));
}

void TMainForm::ShowError(const QString& text)
{
    KvMessageRequest r;
    r.Owner = this;
    r.Caption = KvExecutableFileName();
    r.Text = text;
    r.Icon = QMessageBox::Critical;
    KvShowMessage(r);
}

// One binding reads every port's state (port 1's also lights the power LED:
// the agent answers), one the console, one the redundant power supply.
void TMainForm::SetUpFrontPanel()
{
    StopFrontPanel();
    portLedBinding_.reset();
    consoleLedBinding_.reset();
    rpsLedBinding_.reset();

    // ::PortLedBinding and the others are the definition records in defs, not
    // this window's accessors of the same names.
    portLedBinding_ = std::make_unique<KvSNMPRequest2Leds>(this);
    for (int p = 1; p <= KswPortCount; ++p) {
        AddStatusVariable(*portLedBinding_, ::PortLedBinding, "." + std::to_string(p));
        portLedBinding_->AddLed(p - 1, 0, &PortLedMap, LinkShape_Port[static_cast<std::size_t>(p - 1)]);
    }
    portLedBinding_->AddLed(0, 0, &PowerLedMap, PowerLed);

    consoleLedBinding_ = std::make_unique<KvSNMPRequest2Leds>(this);
    AddStatusVariable(*consoleLedBinding_, ::ConsoleLedBinding);
    consoleLedBinding_->AddLed(0, 0, &ConsoleLedMap, ConsoleLed);

    rpsLedBinding_ = std::make_unique<KvSNMPRequest2Leds>(this);
    AddStatusVariable(*rpsLedBinding_, ::RpsLedBinding);
    rpsLedBinding_->AddLed(0, 0, &RpsLedMap, RPSLed);

    // Asked for 9 by 9, the status LEDs keep their fixed 11 by 11.
    PowerLed->setGeometry(45, 33, 9, 9);
    ConsoleLed->setGeometry(45, 44, 9, 9);
    RPSLed->setGeometry(45, 55, 9, 9);
    for (int p = 1; p <= KswPortCount; ++p)
        LinkShape_Port[static_cast<std::size_t>(p - 1)]->move(PortLedLeft(p), 6);

    // The panel, not the bar's simple text: the bar shows its panel, and a
    // simple text behind it would never be seen.
    for (KvSNMPRequest2Leds* b : {portLedBinding_.get(), consoleLedBinding_.get(), rpsLedBinding_.get()})
        b->SetStatusOutput(StatusBar, 0);

    // A process told to end polls nothing: its window closes at once, with no
    // request left to wait for.
    monitor_->SetPollingAllowed(pollingEnabled && !terminateRequested_);
    if (!pollingEnabled || terminateRequested_)
        return;
    // A binding that cannot start stays dark until the panel is set up again;
    // start-up goes on regardless, with the reason in the status bar.
    try {
        portLedBinding_->StartPolling(pollPeriod);
        consoleLedBinding_->StartPolling(pollPeriod);
        rpsLedBinding_->StartPolling(pollPeriod);
    } catch (const std::exception& e) {
        StatusBar->SetPanelText(0, QString::fromUtf8(e.what()));
    }
}

void TMainForm::RefreshClick()
{
    SetUpFrontPanel();
}

void TMainForm::OpenPortView(int port)
{
    try {
        const std::string_view item = PortSettingsItem();
        if (item.empty() || !RunViewEntryAtRow(*this, item, QString::number(port)))
            ShowError(QStringLiteral("No view shows the settings of port %1.").arg(port));
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

// Statistics, history and alarms need RMON running: with the agent's RMON
// disabled only the state item stays enabled.  A state without a label says
// nothing, and a failed read leaves the items as they were.
void TMainForm::RMON1Click()
{
    try {
        rmonBinding_ = std::make_unique<KvSNMPRequest2Edits>(this);
        rmonBinding_->Variables().ItemType = SVT_SV;
        rmonBinding_->Variables().AppendTable(RmonStateDefs);
        rmonBinding_->SetMode(KvSNMPRequest2Controls::Synchronous);
        rmonBinding_->AssociateText(0, ST_RmonState);
        rmonBinding_->Get();

        const QString state = ST_RmonState->text();
        const bool disabled = state == QLatin1String("disabled");
        if (disabled || state == QLatin1String("enabled")) {
            MainMenu->Action(QStringLiteral("S1"))->setEnabled(true);
            for (const char* item : {"Statistics1", "History1", "AlarmEvent1"})
                MainMenu->Action(QString::fromLatin1(item))->setEnabled(!disabled);
        }
    } catch (const std::exception& e) {
        StatusBar->SetPanelText(0, QString::fromUtf8(e.what()));
    }
    rmonBinding_.reset();
}

void TMainForm::ChooseMenuItemLater(const QString& item)
{
    QTimer::singleShot(0, this, [this, item] {
        try {
            if (monitor_->ChooseItem(item))
                return;
            MainMenu->Choose(item);
        } catch (const std::exception& e) {
            ShowError(QString::fromUtf8(e.what()));
        }
    });
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    KvMessageRequest r;
    r.Owner = this;
    r.Caption = QStringLiteral("Exit");
    r.Text = QStringLiteral("Are you sure to exit?");
    r.Buttons = QMessageBox::Yes | QMessageBox::No;
    if (KvShowMessage(r) == QMessageBox::No) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMainForm::BringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
