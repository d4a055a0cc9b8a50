#include "ModuleEntry.h"

#include "Mainunit.h"
#include "binding/KvUserNotice.h"
#include "startup/ConnectDialog.h"
#include "startup/ModuleStartup.h"
#include "startup/SingleInstance.h"
#include "startup/TerminationSignals.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QScopeGuard>

#include <cstdio>
#include <optional>

// Off by default; QT_LOGGING_RULES="ksw.instance.info=true" shows it.
Q_LOGGING_CATEGORY(lcInstance, "ksw.instance", QtWarningMsg)

namespace {

void ShowErrorBox(const QString& text)
{
    KvMessageRequest r;
    r.Caption = KvExecutableFileName();
    r.Text = text;
    r.Icon = QMessageBox::Critical;
    KvShowMessage(r);
}

} // namespace

int RunModule(std::vector<std::string> args, TTerminationSignals& termination)
{
    const QMetaObject::Connection ending = QObject::connect(
        &termination, &TTerminationSignals::TerminationRequested, qApp,
        [&termination] { QCoreApplication::exit(termination.ExitCode()); });
    const auto disconnect = qScopeGuard([ending] { QObject::disconnect(ending); });

    std::optional<std::string> openItem;
    try {
        openItem = TakeOpenOption(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        ShowErrorBox(QString::fromUtf8(e.what()));
        return 2;
    }
    // Started from the desktop's menu: the switch is asked for, and the answers
    // come last so that they win over any switch given beside "--ask".
    if (TakeAskOption(args)) {
        const auto answers = AskConnection();
        if (termination.Received())
            return termination.ExitCode();
        if (!answers)
            return 0;
        args.insert(args.end(), answers->begin(), answers->end());
    }
    if (openItem)
        KvSetNoticeEcho([](const QString& line) { std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData()); });

    // Only a start that names its agent, with switches that are all taken,
    // claims that agent: the others never take over a window's instance.
    const std::optional<AgentEndpoint> agent = StartAgentEndpoint(args);
    const QString instanceKey = agent ? QString::fromStdString(AgentInstanceKey(*agent)) : QString();
    if (agent && TInstanceServer::AskRunningInstance(instanceKey))
        return 0;

    try {
        TMainForm form(args);
        if (form.TerminateRequested()) {
            std::fprintf(stderr, "ksw4800: %s\n", NoParameterText().c_str());
            return NoParameterExitCode;
        }
        if (termination.Received())
            return termination.ExitCode();
        TInstanceServer instance;
        if (agent) {
            switch (instance.Listen(instanceKey)) {
            case TInstanceServer::ListenResult::OtherInstance:
                return 0;
            case TInstanceServer::ListenResult::Failed:
                qCWarning(lcInstance) << "cannot serve" << InstanceServerName(instanceKey)
                                      << "; a second start will not find this window";
                break;
            case TInstanceServer::ListenResult::Serving:
                break;
            }
        }
        QObject::connect(&instance, &TInstanceServer::RaiseRequested, &form, [&form, instanceKey] {
            qCInfo(lcInstance) << "raise requested for" << instanceKey;
            form.BringForward();
        });
        form.show();
        if (openItem)
            form.ChooseMenuItemLater(QString::fromStdString(*openItem));
        return QApplication::exec();
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
        return 1;
    }
}
