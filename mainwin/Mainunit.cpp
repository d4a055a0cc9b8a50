#include "Mainunit.h"

#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvTextUtil.h"
#include "startup/ModuleStartup.h"

#include <QFrame>

namespace {

QString FromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TMainForm::TMainForm(std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), arguments_(std::move(arguments))
{
    setWindowTitle(QString::fromLatin1(MainCaptionBase));
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setCentralWidget(Panel1);
    FormCreate();
}

TMainForm::~TMainForm() = default;

// The start-up sequence.  The order is fixed: the session comes before the
// catalogues (its errors are shown with the built-in texts), the catalogues
// before the command line, the command line before the configuration file (the
// file's values win), and the caption last; the front panel is set up between
// the configuration file and the caption, the SNMPv3 menu rule follows the
// caption.  A failing step is shown in an
// error box and ends the sequence; the window still opens.
void TMainForm::FormCreate()
{
    // Frame: sizeable, no maximise button, client area the size of Panel1.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(DesignedClientWidth, DesignedClientHeight + (menuWidget() ? menuWidget()->sizeHint().height() : 0));

    try {
        // The boots file of the local SNMPv3 engine lies in the current directory.
        CreateGlobalSession("");

        LocalConfigMode = ExeFolderName() == LocalConfigFolderName;

        LoadMessageCatalogues();

        DefaultTimeout = 200;

        if (arguments_.empty()) {
            KvShowAppMessage(this, QStringLiteral("No parameter input"));
            // The process ends instead of entering its message loop; the rest of the
            // sequence still runs.
            terminateRequested_ = true;
        }

        ParseCommandLine(arguments_);
        FillConnectionTexts();
        LoadModuleConfiguration(MainTexts.AgentIP);

        setWindowTitle(FromUtf8(MainCaption(MainTexts.AgentIP)));
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

void TMainForm::LoadMessageCatalogues()
{
    struct Catalogue {
        const char* file;
        KvMessageTable& (*table)();
    };
    static const Catalogue catalogues[] = {
        {"snmpclass.err", &SnmpClassMessages}, {"snmp.err", &SnmpMessages},     {"snmp.msg", &RequestLogMessages},
        {"kvsnmp.err", &LibraryMessages},      {"snmpv3.err", &SnmpV3Messages}, {"snmpusm.err", &UsmMessages},
        {"common.err", &KvCommonMessages},
    };
    const std::string folder = JoinPath(ExeFolder(), "errMSg");
    for (const Catalogue& c : catalogues)
        LoadCatalogue(c.table(), JoinPath(folder, c.file));
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

void TMainForm::BringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
